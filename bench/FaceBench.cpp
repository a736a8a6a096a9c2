// Repainting a face of every look at the editor's button size, up, hover and down, against a stock
// QPushButton of the same size and caption rendered with the application style.

#include "chameleon_button/chameleonButton.h"

#include <QImage>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <string>

using namespace chameleon_button;

namespace {

constexpr int W = 217, H = 41;
const char* const Looks[] = {"",
                             "OutlinedBevel",
                             "DoubleBevel",
                             "GradientRim",
                             "RoundedBevel",
                             "FlatEdge",
                             "LightBevel",
                             "ThinBevel",
                             "HoverThinBevel",
                             "HoverBox",
                             "Blank",
                             "SeeThrough",
                             "HoverDoubleBevel",
                             "Oval",
                             "GlossGradient",
                             "PressedOutline"};

enum class State { Up, Hover, Down };

void Face(benchmark::State& state, int type, State st) {
    chameleonButton button;
    button.resize(W, H);
    button.show(); // delivers the size: a hidden widget has none yet
    button.SetCaption(QStringLiteral("Load Rom..."));
    button.SetButtonType(type);
    if (button.ClientHeight != H) state.SkipWithError("the button did not take its size");
    button.IsOver = ToVBool(st == State::Hover);
    const std::uint8_t face = st == State::Down ? FaceDown : FaceUp;
    for (auto _ : state) {
        button.PaintButton(face, true);
        benchmark::DoNotOptimize(button.Face().Image().constBits());
    }
}

// A caption the face has not drawn before, every time: the property's own layout and repaint,
// which measure, lay out and rasterise the new text (later repaints reuse its pixels).
void CaptionChange(benchmark::State& state, int type) {
    chameleonButton button;
    button.resize(W, H);
    button.show();
    button.SetButtonType(type);
    if (button.ClientHeight != H) state.SkipWithError("the button did not take its size");
    int n = 0;
    for (auto _ : state) {
        button.SetCaption(QStringLiteral("Load Rom %1").arg(++n));
        benchmark::DoNotOptimize(button.Face().Image().constBits());
    }
}

void Stock(benchmark::State& state, State st) {
    QPushButton button(QStringLiteral("Load Rom..."));
    button.resize(W, H);
    button.setAttribute(Qt::WA_UnderMouse, st == State::Hover);
    button.setDown(st == State::Down);
    QImage image(W, H, QImage::Format_RGB32);
    for (auto _ : state) {
        button.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

const bool registered = [] {
    const std::pair<State, const char*> states[] = {
        {State::Up, "up"}, {State::Hover, "hover"}, {State::Down, "down"}};
    for (auto [st, name] : states) {
        benchmark::RegisterBenchmark((std::string("Stock_") + name).c_str(), Stock, st)
            ->Unit(benchmark::kMicrosecond);
        for (int type = 1; type <= 15; ++type)
            benchmark::RegisterBenchmark(
                (std::string("Face_") + std::to_string(type) + "-" + Looks[type] + "_" + name).c_str(), Face,
                type, st)
                ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("CaptionChange_3-GradientRim", CaptionChange, 3)
        ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
