// The caption states and effect copies: each state is a stack of copies of the same glyphs, moved
// and coloured as its table says, so the expected face is built from the glyphs of the plain text.

#include "ButtonFace.h"

#include "chameleon_button/paint/PaintCaption.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace paint;

constexpr Colour Back = 0x00C0C0C0, Fore = 0x00000080, ForeOver = 0x00008000;
constexpr int W = 80, H = 30;

struct Layer {
    int d; // moved by (d, d) from CaptionRect
    Colour colour;
};

class CaptionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        b = GreyButton(8, W, H);
        b->SetColorScheme(2);
        b->SetBackColor(Back);
        b->SetForeColor(Fore);
        b->SetForeOver(ForeOver);
        b->SetCaption(QStringLiteral("Ab"));
        b->Face().Clear(Back);
        CaptionStep(*b, CaptionNormal);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (b->Face().PixelAt(x, y) == Fore) glyphs.push_back({x, y});
        ASSERT_GT(glyphs.size(), 10u);
    }

    paint::Surface Expected(std::initializer_list<Layer> layers) const {
        paint::Surface s(W, H);
        s.Clear(Back);
        for (const Layer& l : layers)
            for (const QPoint& p : glyphs) s.Put(p.x() + l.d, p.y() + l.d, l.colour);
        return s;
    }

    int Mismatches(std::uint8_t state, const paint::Surface& expected) {
        b->Face().Clear(Back);
        CaptionStep(*b, state);
        int n = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) n += b->Face().PixelAt(x, y) != expected.PixelAt(x, y);
        return n;
    }

    std::unique_ptr<chameleonButton> b;
    std::vector<QPoint> glyphs;
};

TEST_F(CaptionTest, EachStateIsItsStackOfCopies) {
    const Colour shadow = b->ShadowColor, highlight = b->HighlightColor;
    struct Case {
        std::uint8_t state;
        paint::Surface expected;
    };
    const Case cases[] = {
        {CaptionNormal, Expected({{0, Fore}})},
        {CaptionOver, Expected({{0, ForeOver}})},
        {CaptionDown, Expected({{1, ForeOver}})},
        {CaptionEtched, Expected({{1, highlight}, {0, shadow}})},
        {CaptionGrey, Expected({{0, shadow}})},
        {CaptionDimmed, Expected({{0, OffsetColor(b->FaceBrightColor, -104, true, false)}})},
        {CaptionFaceEtched, Expected({{1, highlight}, {0, Back}})},
        {CaptionShadowed, Expected({{1, OffsetColor(shadow, -50, false, false)}, {0, highlight}})},
        {200, Expected({{0, highlight}})}, // the colour of the last text, from the state before
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Mismatches(c.state, c.expected), 0) << "caption state " << int(c.state);
        EXPECT_EQ(b->LastCaptionState, c.state);
    }
}

TEST_F(CaptionTest, EffectCopiesComeFirstAndMoveWithThePressedCaption) {
    const Colour darker = 0x00989898, lighter = 0x00E8E8E8; // the face moved by 40
    struct Case {
        std::int32_t effect;
        std::uint8_t state;
        paint::Surface expected;
    };
    const Case cases[] = {
        {1, CaptionNormal, Expected({{1, darker}, {-1, lighter}, {0, Fore}})},
        {2, CaptionOver, Expected({{1, lighter}, {-1, darker}, {0, ForeOver}})},
        {3, CaptionNormal, Expected({{1, darker}, {0, Fore}})},
        {5, CaptionNormal, Expected({{1, darker}, {0, Fore}})},
        {-1, CaptionNormal, Expected({{0, Fore}})},
        {1, CaptionDown, Expected({{2, darker}, {0, lighter}, {1, ForeOver}})},
        {1, CaptionEtched,
         Expected({{1, b->HighlightColor}, {0, b->ShadowColor}})}, // no copies when disabled
    };
    for (const Case& c : cases) {
        b->SpecialEffect = c.effect;
        EXPECT_EQ(Mismatches(c.state, c.expected), 0) << "effect " << c.effect << " state " << int(c.state);
    }
}

TEST_F(CaptionTest, SoftBevelHalvesTheEffectCopies) {
    b->SetSoftBevel(VbTrue);
    b->SpecialEffect = 1;
    EXPECT_EQ(Mismatches(CaptionNormal, Expected({{1, 0x00ACACAC}, {-1, 0x00D4D4D4}, {0, Fore}})), 0);
}

TEST_F(CaptionTest, EffectBaseIsTheBrightFaceOfTheGradientAndRoundedTypes) {
    b->SpecialEffect = 3;
    for (std::int32_t type : {3, 4, 14}) {
        b->ButtonType = type;
        b->ResolvePalette();
        const Colour copy = OffsetColor(b->FaceBrightColor, -40, false, false);
        EXPECT_EQ(Mismatches(CaptionNormal, Expected({{1, copy}, {0, Fore}})), 0) << "type " << type;
    }
    b->ButtonType = 4;
    EXPECT_EQ(Mismatches(CaptionDown, Expected({{2, OffsetColor(b->FaceBrightColor, -40, false, false)},
                                                {1, b->LightColor}})),
              0)
        << "a pressed rounded bevel writes in the light colour";
}

TEST(CaptionText, AmpersandsUnderlineTheKeyOrStandForThemselves) {
    auto b = GreyButton(8, 80, 30);
    const auto glyphCount = [&b](const QString& caption) {
        b->SetCaption(caption);
        b->Face().Clear(grey::Face);
        CaptionTextStep(*b, b->CaptionRect, 0x000000FF);
        int n = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 80; ++x) n += b->Face().PixelAt(x, y) == 0x000000FF;
        return n;
    };
    EXPECT_GT(glyphCount(QStringLiteral("&Go")), glyphCount(QStringLiteral("Go"))) << "the G is underlined";
    EXPECT_EQ(glyphCount(QStringLiteral("&&")), glyphCount(QStringLiteral("&&&&")) / 2)
        << "two draw one ampersand";
    EXPECT_GT(glyphCount(QStringLiteral("&&")), 0);
    EXPECT_EQ(glyphCount(QString()), 0);
}

TEST(CaptionText, LongCaptionWrapsAndIsClippedToTheFace) {
    auto b = GreyButton(8, 40, 40);
    b->SetCaption(QStringLiteral("one two three four five six"));
    ASSERT_GT(b->CaptionHeight, 13) << "several lines";
    b->Face().Clear(grey::Face);
    CaptionStep(*b, CaptionNormal);
    int rowsWithText = 0;
    for (int y = 0; y < 40; ++y) {
        bool any = false;
        for (int x = 0; x < 40; ++x) any = any || b->Face().PixelAt(x, y) == b->TextColor;
        rowsWithText += any;
    }
    EXPECT_GT(rowsWithText, 14) << "more than one line of glyphs";
}

} // namespace

namespace {

TEST_F(CaptionTest, HoverBoxUnderThePointerShadesItsEffectFromTheTint) {
    b->ButtonType = 9;
    b->SetColorScheme(3);
    b->SpecialEffect = 1;
    b->IsOver = VbTrue;
    const Colour tint = b->SelectionTintColor, face = b->FaceColor;
    const auto off = [](Colour c, int n) { return OffsetColor(c, n, false, false); };
    b->LastFaceState = FaceUp;
    EXPECT_EQ(Mismatches(CaptionOver, Expected({{1, off(tint, -40)}, {-1, off(tint, 40)}, {0, 0}})), 0)
        << "the tinted face under the pointer";
    b->LastFaceState = FaceDown;
    EXPECT_EQ(Mismatches(CaptionDown, Expected({{2, off(face, -40)}, {0, off(face, 40)}, {1, 0}})), 0)
        << "pressed: the face colour";
    b->LastFaceState = FaceUp;
    b->IsOver = VbFalse;
    EXPECT_EQ(Mismatches(CaptionNormal, Expected({{1, off(face, -40)}, {-1, off(face, 40)}, {0, 0}})), 0)
        << "not under the pointer";
}

// The caption state each look passes, by type and state, as the looks' table gives it; 255 marks
// a look that paints no caption through PaintCaption (the state before stays).
TEST(LookCaptions, EachLookPassesTheCaptionStateOfItsTable) {
    constexpr std::uint8_t None = 255;
    struct Case {
        std::int32_t type;
        std::uint8_t up, over, down, disabled;
    };
    const Case cases[] = {
        {1, CaptionNormal, CaptionOver, CaptionDown, CaptionEtched},
        {2, CaptionNormal, CaptionOver, CaptionDown, CaptionEtched},
        {3, CaptionNormal, CaptionOver, CaptionDown, CaptionDimmed},
        {4, CaptionNormal, CaptionOver, CaptionDown, CaptionEtched},
        {5, CaptionNormal, CaptionOver, None, CaptionGrey},
        {6, CaptionNormal, CaptionOver, CaptionDown, CaptionGrey},
        {7, CaptionNormal, CaptionOver, CaptionDown, CaptionEtched},
        {8, CaptionNormal, CaptionOver, CaptionDown, CaptionEtched},
        {9, CaptionNormal, CaptionOver, CaptionDown, CaptionGrey},
        {10, None, None, None, None},
        {11, CaptionNormal, CaptionOver, CaptionDown, CaptionEtched},
        {12, CaptionNormal, CaptionOver, CaptionDown, CaptionEtched},
        {13, CaptionNormal, CaptionOver, CaptionDown, CaptionEtched},
        {14, CaptionNormal, CaptionOver, CaptionShadowed, CaptionFaceEtched},
        {15, None, None, CaptionDown, None},
    };
    for (const Case& c : cases) {
        auto b = GreyButton(c.type, 60, 24);
        b->SetCaption(QStringLiteral("Go"));
        const auto stateAfter = [&b](bool over, std::uint8_t face, bool enabled) {
            b->IsOver = ToVBool(over);
            b->Enabled = ToVBool(enabled);
            b->LastCaptionState = None;
            b->PaintButton(face, true);
            return int(b->LastCaptionState);
        };
        EXPECT_EQ(stateAfter(false, FaceUp, true), c.up) << "type " << c.type << " up";
        EXPECT_EQ(stateAfter(true, FaceUp, true), c.over) << "type " << c.type << " over";
        EXPECT_EQ(stateAfter(false, FaceDown, true), c.down) << "type " << c.type << " down";
        EXPECT_EQ(stateAfter(false, FaceUp, false), c.disabled) << "type " << c.type << " disabled";
    }
}

// Pixels of colour on the face.
int CountOf(const chameleonButton& b, Colour colour) {
    int n = 0;
    for (int y = 0; y < b.ClientHeight; ++y)
        for (int x = 0; x < b.ClientWidth; ++x) n += b.Face().PixelAt(x, y) == colour;
    return n;
}

TEST(LookCaptions, PressedRoundedBevelShadesItsEffectFromThePressedFace) {
    auto b = GreyButton(4, 60, 24);
    b->SetCaption(QStringLiteral("Go"));
    b->SpecialEffect = 3;
    b->PaintButton(FaceDown, true);
    EXPECT_GT(CountOf(*b, 0x00484848), 0) << "shadow - 16, darkened by 40";
    EXPECT_EQ(CountOf(*b, 0x00383838), 0);
    EXPECT_EQ(b->FaceBrightColor, 0x00F0F0F0);
}

TEST(LookCaptions, SeeThroughPressedCaptionMovesByOnePixel) {
    auto b = GreyButton(11, 60, 24);
    b->SetCaption(QStringLiteral("Go"));
    b->SetColorScheme(2);
    b->SetBackColor(0x00C0C0C0);
    b->SetForeColor(0x000000FF);
    b->SetForeOver(0x000000FF);
    b->PaintButton(FaceUp, true);
    const paint::Surface up = b->Face();
    b->PaintButton(FaceDown, true);
    int moved = 0, glyphs = 0;
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 59; ++x) {
            glyphs += up.PixelAt(x, y) == 0x000000FF;
            moved += (up.PixelAt(x, y) == 0x000000FF) == (b->Face().PixelAt(x + 1, y + 1) == 0x000000FF);
        }
    EXPECT_GT(glyphs, 0);
    EXPECT_EQ(moved, 59 * 23);
}

} // namespace
