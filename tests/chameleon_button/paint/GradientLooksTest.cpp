// The gradient looks: the shade amounts of the rows, the rim of GradientRim with its hover, focus
// and plain rings, the pressed and disabled faces, and the bold caption of a glossy default button.

#include "ButtonFace.h"

#include "chameleon_button/paint/GradientTypes.h"

#include <QEvent>
#include <gtest/gtest.h>

namespace {

using paint::GradientAmount;

TEST(GradientAmount, SinglePrecisionStepAndTiesToEven) {
    struct Case {
        int depth, H, row, amount;
    };
    const Case cases[] = {{25, 41, 1, -1}, {25, 41, 5, -3},   {25, 41, 20, -12}, {25, 41, 40, -24},
                          {25, 50, 1, 0},  {25, 50, 3, -2},   {25, 50, 5, -2},   {25, 50, 49, -24},
                          {58, 41, 1, -1}, {58, 41, 10, -14}, {58, 41, 40, -57}, {25, 25, 25, -25},
                          {25, 0, 1, 0}}; // no rows: no shade instead of a division by zero
    for (const Case& c : cases)
        EXPECT_EQ(GradientAmount(c.depth, c.H, c.row), c.amount)
            << "D " << c.depth << " H " << c.H << " row " << c.row;
}

constexpr Colour Bright = 0x00F0F0F0; // the grey face raised by 48, blue proportionally
constexpr Colour RimFrame = Rgb(0, 60, 115), RimCorner = Rgb(16, 77, 123);
constexpr int W = 12, H = 10;

Colour OffB(Colour c, int n) {
    return OffsetColor(c, n, true, false);
}

struct Probe {
    int x, y;
    Colour colour;
};

void ExpectPixels(const chameleonButton& b, std::initializer_list<Probe> probes, const char* what) {
    for (const Probe& p : probes)
        EXPECT_EQ(b.Face().PixelAt(p.x, p.y), p.colour) << what << " at " << p.x << "," << p.y;
}

std::unique_ptr<chameleonButton> Rim(const ButtonAmbient* ambient = nullptr) {
    auto b = GreyButton(3, W, H, ambient);
    b->ResolvePalette(); // the blue-proportional bright face of this type
    return b;
}

TEST(GradientRim, UpFaceIsShadedRowByRowInsideTheDarkBlueFrame) {
    auto b = Rim();
    ASSERT_EQ(b->FaceBrightColor, Bright);
    b->PaintButton(FaceUp, true);
    ExpectPixels(*b,
                 {{2, 0, RimFrame},
                  {0, 2, RimFrame},
                  {W - 1, 5, RimFrame},
                  {5, H - 1, RimFrame},
                  {1, 1, RimCorner},
                  {W - 2, H - 2, RimCorner},
                  {0, 0, grey::Face}, // cut away by the window shape
                  {5, 4, OffB(Bright, GradientAmount(25, H, 4))},
                  {5, 6, OffB(Bright, GradientAmount(25, H, 6))}},
                 "frame and gradient");
}

TEST(GradientRim, ThePlainRingShadesTheBrightFace) {
    auto b = Rim();
    b->PaintButton(FaceUp, true);
    ExpectPixels(*b,
                 {{5, H - 2, OffB(Bright, -48)},
                  {5, H - 3, OffB(Bright, -32)},
                  {W - 2, 5, OffB(Bright, -36)},
                  {W - 3, 5, OffB(Bright, -24)},
                  {5, 1, OffB(Bright, 16)},
                  {5, 2, OffB(Bright, 10)},
                  {1, 5, OffB(Bright, -5)},
                  {2, 5, OffB(Bright, -10)}},
                 "plain ring");
}

void ExpectRing(const chameleonButton& b, Colour frame, Colour bottom, Colour top, Colour second,
                Colour sides, const char* what) {
    ExpectPixels(b,
                 {{1, 5, frame},
                  {W - 2, 5, frame},
                  {5, H - 3, frame},
                  {5, H - 2, bottom},
                  {5, 1, top},
                  {1, 2, second},
                  {W - 2, 2, second},
                  {2, 5, sides},
                  {W - 3, 5, sides}},
                 what);
}

void ExpectHoverRing(const chameleonButton& b, const char* what) {
    ExpectRing(b, Rgb(255, 178, 49), Rgb(231, 150, 0), Rgb(255, 243, 206), Rgb(255, 219, 140),
               Rgb(255, 203, 107), what);
}

void ExpectFocusRing(const chameleonButton& b, const char* what) {
    ExpectRing(b, Rgb(140, 174, 231), Rgb(107, 130, 239), Rgb(206, 231, 255), Rgb(189, 215, 247),
               Rgb(181, 209, 240), what);
}

TEST(GradientRim, TheHoverRingWinsOverTheFocusRing) {
    TestAmbient ambient;
    auto b = Rim(&ambient);
    b->HasFocus = VbTrue;
    b->IsOver = VbTrue;
    b->PaintButton(FaceUp, true);
    ExpectHoverRing(*b, "focused under the mouse");
    b->IsOver = VbFalse;
    b->PaintButton(FaceUp, true);
    ExpectFocusRing(*b, "focused");
    b->ShowFocusRect = VbFalse;
    b->PaintButton(FaceUp, true);
    EXPECT_EQ(b->Face().PixelAt(5, H - 2), OffB(Bright, -48)) << "plain ring without ShowFocusRect";
    b->HasFocus = VbFalse;
    b->ShowFocusRect = VbTrue;
    ambient.isDefault = true;
    b->PaintButton(FaceUp, true);
    ExpectFocusRing(*b, "default button without the focus");
}

TEST(GradientRim, PressedFaceIsDarkerAndRunsUpwards) {
    auto b = Rim();
    b->PaintButton(FaceDown, true);
    const Colour base = OffB(Bright, -32);
    ExpectPixels(*b,
                 {{2, 0, RimFrame},
                  {1, 1, RimCorner},
                  {5, 4, OffB(base, GradientAmount(25, H, H - 4))},
                  {5, 6, OffB(base, GradientAmount(25, H, H - 6))},
                  {5, H - 2, OffB(base, 16)},
                  {5, H - 3, OffB(base, 10)},
                  {W - 2, 5, OffB(base, 5)},
                  {W - 3, 5, Bright},
                  {5, 1, OffB(base, -32)},
                  {5, 2, OffB(base, -24)},
                  {1, 5, OffB(base, -32)},
                  {2, 5, OffB(base, -22)}},
                 "pressed");
    EXPECT_LT(b->Face().PixelAt(5, 4) & 255, b->Face().PixelAt(5, 6) & 255) << "the top is the darkest";
}

TEST(GradientRim, DisabledFaceIsFlatWithoutInnerRing) {
    auto b = Rim();
    b->Enabled = VbFalse;
    b->PaintButton(FaceUp, true);
    const Colour flat = OffB(Bright, -24);
    ExpectPixels(*b,
                 {{2, 0, OffB(Bright, -84)},
                  {W - 1, 5, OffB(Bright, -84)},
                  {1, 1, OffB(Bright, -72)},
                  {W - 2, H - 2, OffB(Bright, -72)},
                  {5, 1, flat},
                  {5, 4, flat},
                  {5, H - 2, flat},
                  {1, 5, flat}},
                 "disabled");
}

TEST(GradientRim, SoftBevelHalvesEveryShade) {
    auto b = Rim();
    b->SetSoftBevel(VbTrue);
    b->PaintButton(FaceUp, true);
    const Colour softBright = 0x00D8D8D8; // raised by 24, not 48
    ASSERT_EQ(b->FaceBrightColor, softBright);
    // Row 6 of 10 is shaded by -15, halved to -7; the bottom ring by -48, halved to -24.
    EXPECT_EQ(b->Face().PixelAt(5, 6), OffsetColor(softBright, -7, true, false));
    EXPECT_EQ(b->Face().PixelAt(5, H - 2), OffsetColor(softBright, -24, true, false));
}

// Counts the font changes a widget is told of.
struct FontChanges : QObject {
    explicit FontChanges(QWidget& w) { w.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        count += e->type() == QEvent::FontChange;
        return false;
    }
    int count = 0;
};

TEST(GlossGradient, DefaultButtonCaptionIsBoldOnlyWhilePainted) {
    TestAmbient ambient;
    auto b = GreyButton(14, 80, 24, &ambient);
    b->SetCaption(QStringLiteral("Save"));
    const auto glyphs = [&b] {
        int n = 0;
        for (int y = 0; y < b->ClientHeight; ++y)
            for (int x = 0; x < b->ClientWidth; ++x) n += b->Face().PixelAt(x, y) == b->TextColor;
        return n;
    };
    b->PaintButton(FaceUp, true);
    const int plain = glyphs();
    const ButtonRect layout = b->CaptionRect;
    ambient.isDefault = true;
    FontChanges fontChanges(*b);
    b->PaintButton(FaceUp, true);
    EXPECT_GT(glyphs(), plain) << "bold letters have more pixels";
    EXPECT_EQ(fontChanges.count, 0) << "the painting leaves the button's font alone";
    EXPECT_EQ(b->FontBold(), VbFalse);
    EXPECT_EQ(b->PaintEnabled, VbTrue);
    EXPECT_EQ(b->CaptionRect, layout) << "measured again for the normal font";
}

TEST(GlossGradient, EdgesInEveryState) {
    constexpr Colour Outline = 0x004E4E4E, Inner = 0x00B7B7B7; // shadow - 50, face - 9
    auto b = GreyButton(14, W, H);
    b->PaintButton(FaceUp, true);
    ExpectPixels(*b,
                 {{0, 0, grey::Face},
                  {1, 0, Outline},
                  {0, 5, Outline},
                  {1, 1, Inner},
                  {W - 2, 5, Inner},
                  {2, 2, grey::Highlight},
                  {W - 3, 3, grey::Highlight},
                  {3, H - 3, grey::Highlight},
                  {4, 4, OffsetColor(grey::Highlight, GradientAmount(58, H, 4), false, false)}},
                 "up");
    b->IsOver = VbTrue;
    b->PaintButton(FaceUp, true);
    ExpectPixels(*b, {{5, 5, grey::Light}, {2, 2, grey::Highlight}}, "over");
    b->PaintButton(FaceDown, true);
    ExpectPixels(*b,
                 {{1, 0, 0x00505050},
                  {5, 5, Inner},
                  {5, H - 2, grey::Highlight},
                  {W - 2, H - 2, grey::Highlight},
                  {W - 2, 5, grey::Highlight}},
                 "down");
}

} // namespace
