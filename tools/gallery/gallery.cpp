// Renders every ButtonType (0 to 16) in the states up, hover, down, disabled, focused and checked,
// without and with a picture, into one labelled PNG: how people see the looks of the button.
//
// Usage: skirmela_gallery [output.png]   (default gallery.png)

#include "chameleon_button/chameleonButton.h"
#include "chameleon_button/paint/BlitPicture.h"

#include <QApplication>
#include <QPainter>
#include <cstdio>
#include <functional>

using namespace chameleon_button;

namespace {

constexpr int CellWidth = 112, CellHeight = 30, Gap = 6, LabelWidth = 150, HeaderHeight = 38;
constexpr QRgb Background = 0xFFE8ECF0;

const char* const TypeNames[] = {
    "0 (none)",          "1 OutlinedBevel", "2 DoubleBevel",       "3 GradientRim",    "4 RoundedBevel",
    "5 FlatEdge",        "6 LightBevel",    "7 ThinBevel",         "8 HoverThinBevel", "9 HoverBox",
    "10 Blank",          "11 SeeThrough",   "12 HoverDoubleBevel", "13 Oval",          "14 GlossGradient",
    "15 PressedOutline", "16 (none)"};

struct State {
    const char* name;
    std::function<void(chameleonButton&)> set;
    std::uint8_t face;
};

const State States[] = {
    {"up", [](chameleonButton&) {}, FaceUp},
    {"hover", [](chameleonButton& b) { b.IsOver = VbTrue; }, FaceUp},
    {"down", [](chameleonButton& b) { b.IsOver = VbTrue; }, FaceDown},
    {"disabled", [](chameleonButton& b) { b.Enabled = VbFalse; }, FaceUp},
    {"focused", [](chameleonButton& b) { b.HasFocus = VbTrue; }, FaceUp},
    {"checked",
     [](chameleonButton& b) {
         b.CheckBoxBehaviour = VbTrue;
         b.Value = VbTrue;
     },
     FaceUp},
};

// A 16 x 16 glyph on the magenta mask colour: a green disc with a dark rim and a light spot.
PictureRef Glyph() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 255));
    QPainter p(&image);
    p.setPen(QPen(QColor(20, 60, 20), 1));
    p.setBrush(QColor(60, 170, 70));
    p.drawEllipse(1, 1, 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 250, 230));
    p.drawEllipse(4, 4, 4, 4);
    p.end();
    return Picture::FromImage(image, Picture::Kind::Bitmap, paint::ScreenDpi());
}

// Stripes standing in for the parent window behind a see-through button.
void FakeBackground(chameleonButton& b) {
    b.BackDC.Resize(b.ClientWidth, b.ClientHeight);
    for (int y = 0; y < b.ClientHeight; ++y)
        for (int x = 0; x < b.ClientWidth; ++x)
            b.BackDC.Put(x, y, ((x + y) / 6) % 2 ? Rgb(200, 215, 235) : Rgb(235, 225, 200));
    b.HasBackDC = true;
}

QImage Cell(std::int32_t type, const State& state, const PictureRef& picture) {
    chameleonButton b;
    b.ButtonType = type;
    b.resize(CellWidth, CellHeight);
    b.ResizeButton();
    b.ResolvePalette(); // as at Show: the bright face of the gradient looks follows the type
    b.SetCaption(QStringLiteral("&Save"));
    if (picture) {
        b.SetMaskColor(0x00FF00FF);
        b.SetPictureNormal(picture);
    }
    if (type == 11) FakeBackground(b);
    state.set(b);
    b.PaintButton(state.face, true);
    return b.Face().Image().copy();
}

void DrawCell(QPainter& p, int x, int y, std::int32_t type, const State& state, const PictureRef& picture) {
    // The window shape cuts the corners: outside it the gallery background shows, as on a window.
    const QRegion shape = BuildWindowShape(type, CellWidth, CellHeight);
    p.save();
    p.setClipRegion(shape.translated(x, y));
    p.drawImage(x, y, Cell(type, state, picture));
    p.restore();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery.png");

    const int columns = 2 * static_cast<int>(std::size(States)), rows = 17;
    QImage sheet(LabelWidth + columns * (CellWidth + Gap) + Gap,
                 HeaderHeight + rows * (CellHeight + Gap) + Gap, QImage::Format_RGB32);
    sheet.fill(Background);
    QPainter p(&sheet);
    p.setPen(Qt::black);
    const PictureRef picture = Glyph();

    for (int c = 0; c < columns; ++c) {
        const State& state = States[c % std::size(States)];
        const int x = LabelWidth + c * (CellWidth + Gap);
        const QString title =
            QString::fromLatin1(state.name) + (c >= int(std::size(States)) ? " + picture" : "");
        p.drawText(QRect(x, 4, CellWidth, HeaderHeight - 8), Qt::AlignCenter, title);
    }
    for (int type = 0; type < rows; ++type) {
        const int y = HeaderHeight + type * (CellHeight + Gap);
        p.drawText(QRect(Gap, y, LabelWidth - Gap, CellHeight), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromLatin1(TypeNames[type]));
        for (int c = 0; c < columns; ++c) {
            const State& state = States[c % std::size(States)];
            DrawCell(p, LabelWidth + c * (CellWidth + Gap), y, type, state,
                     c >= int(std::size(States)) ? picture : PictureRef());
        }
    }
    p.end();
    if (!sheet.save(output)) {
        std::fprintf(stderr, "skirmela_gallery: cannot write %s\n", output.toLocal8Bit().constData());
        return 1;
    }
    std::printf("%s\n", output.toLocal8Bit().constData());
    return 0;
}
