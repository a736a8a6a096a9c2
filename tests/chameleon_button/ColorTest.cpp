// Colour arithmetic, system colours and the palette of each colour scheme.

#include "ButtonTestSupport.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

using namespace button_test;

TEST(OffsetColor, ShiftsAndClampsEachChannel) {
    struct Case {
        Colour colour;
        int amount;
        bool blueProportional, softBevel;
        Colour expected;
    };
    const Case cases[] = {
        {0x00C0C0C0, -64, false, false, 0x00808080}, {0x00C0C0C0, 47, false, false, 0x00EFEFEF},
        {0x00C0C0C0, -192, false, false, 0},         {0x00C0C0C0, 31, false, false, 0x00DFDFDF},
        {0x00C0C0C0, -64, false, true, 0x00A0A0A0},  {0x00C0C0C0, 31, false, true, 0x00CFCFCF},
        {0x00C86464, 48, true, false, 0x00FA9494},   {0x00102030, -64, true, false, 0x000B0000},
        {0x00FFFFFF, 47, false, false, 0x00FFFFFF},  {0x00123456, 0, false, false, 0x00123456},
        {0x00123456, 0, true, false, 0x00123456},    {0x00123456, -1, false, true, 0x00123456},
        {0x00FF0000, 48, true, false, 0x00FF3030},   {0x000000FF, -300, false, false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OffsetColor(c.colour, c.amount, c.blueProportional, c.softBevel), c.expected)
            << std::hex << c.colour << " " << std::dec << c.amount << " " << c.blueProportional
            << c.softBevel;
}

TEST(LightenColor, MovesEveryChannelTowardWhite) {
    const std::tuple<Colour, int, Colour> cases[] = {
        {0x00800000, 176, 0x00D7B0B0}, {0x00000000, 128, 0x00808080}, {0x00FFFFFF, 176, 0x00FFFFFF},
        {0x00FF8000, 128, 0x00FFBF80}, {0x00102030, 0, 0x00102030},
    };
    for (auto [colour, amount, expected] : cases)
        EXPECT_EQ(LightenColor(colour, amount), expected) << std::hex << colour << " " << std::dec << amount;
}

TEST(ResolveSystemColor, TranslatesReferencesThroughTheTable) {
    const SystemColourScope colours;
    const std::pair<Colour, Colour> cases[] = {
        {0x00123456, 0x00123456},
        {static_cast<Colour>(0x8000000Fu), 0x00C8D0D4},
        {static_cast<Colour>(0x80000012u), 0x00102030},
        {static_cast<Colour>(0x80000001u), Rgb(1, 2, 3)},
        {static_cast<Colour>(0x800000FFu), 0}, // no such system colour
        {static_cast<Colour>(0x01000000u), 0}, // neither form
        {static_cast<Colour>(0xFFFFFFFFu), 0},
    };
    for (auto [colour, expected] : cases)
        EXPECT_EQ(ResolveSystemColor(colour), expected) << std::hex << colour;
}

TEST(SystemColors, ComeFromTheApplicationPalette) {
    using namespace system_colors;
    QPalette p;
    p.setColor(QPalette::Button, QColor(1, 2, 3));
    p.setColor(QPalette::Dark, QColor(4, 5, 6));
    p.setColor(QPalette::Midlight, QColor(7, 8, 9));
    p.setColor(QPalette::Shadow, QColor(10, 11, 12));
    p.setColor(QPalette::Light, QColor(13, 14, 15));
    p.setColor(QPalette::ButtonText, QColor(16, 17, 18));
    p.setColor(QPalette::Highlight, QColor(19, 20, 21));
    const QPalette saved = QApplication::palette();
    QApplication::setPalette(p);
    const std::pair<int, Colour> cases[] = {
        {COLOR_BTNFACE, Rgb(1, 2, 3)},         {COLOR_BTNSHADOW, Rgb(4, 5, 6)},
        {COLOR_3DLIGHT, Rgb(7, 8, 9)},         {COLOR_3DDKSHADOW, Rgb(10, 11, 12)},
        {COLOR_BTNHIGHLIGHT, Rgb(13, 14, 15)}, {COLOR_BTNTEXT, Rgb(16, 17, 18)},
        {COLOR_HIGHLIGHT, Rgb(19, 20, 21)},
    };
    for (auto [index, expected] : cases) EXPECT_EQ(GetSysColor(index), expected) << index;
    QApplication::setPalette(saved);
}

namespace {

struct Slots {
    Colour face, faceOver, text, textOver, light, highlight, shadow, darkShadow, selection, tint, mask,
        bright;
    bool operator==(const Slots&) const = default;
};

Slots SlotsOf(const chameleonButton& b) {
    return {b.FaceColor,      b.FaceOverColor,      b.TextColor,      b.TextOverColor,
            b.LightColor,     b.HighlightColor,     b.ShadowColor,    b.DarkShadowColor,
            b.SelectionColor, b.SelectionTintColor, b.MaskColorValue, b.FaceBrightColor};
}

std::ostream& operator<<(std::ostream& o, const Slots& s) {
    return o << std::hex << "face " << s.face << " over " << s.faceOver << " text " << s.text << " textOver "
             << s.textOver << " light " << s.light << " highlight " << s.highlight << " shadow " << s.shadow
             << " dark " << s.darkShadow << " selection " << s.selection << " tint " << s.tint << " mask "
             << s.mask << " bright " << s.bright;
}

// A button in scheme with face 0x00C86464, hover face 0x00204060, text 0x00000080, hover text
// 0x00FFFFFF and mask reference to the button face.
void Configure(chameleonButton& b, std::int32_t scheme, std::int32_t type = 2, VBool soft = VbFalse) {
    b.BackColor = 0x00C86464;
    b.BackOver = 0x00204060;
    b.ForeColor = 0x00000080;
    b.ForeOver = 0x00FFFFFF;
    b.MaskColor = static_cast<Colour>(0x8000000Fu);
    b.ButtonType = type;
    b.SoftBevel = soft;
    b.ColorScheme = scheme;
    b.ResolvePalette();
}

} // namespace

TEST(ResolvePalette, GivesEachSchemeItsColours) {
    const SystemColourScope colours;
    const Slots system{0x00C8D0D4, 0x00C8D0D4, 0x00102030, 0x00102030, 0x00DFDFDF, 0x00FFFFFF,
                       0x00808080, 0x00404040, 0x00800000, 0x00D7B0B0, 0x00C8D0D4, 0x00F8FFFF};
    const Slots fromProperties{0x00C86464, 0x00204060, 0x00000080, 0x00FFFFFF, 0x00E78383, 0x00F79393,
                               0x00882424, 0x00080000, 0x00480000, 0x00C86464, 0x00C8D0D4, 0x00F89494};
    const Slots fixedGrey{0x00C0C0C0, 0x00C0C0C0, 0,          0,          0x00DFDFDF, 0x00FFFFFF,
                          0x00808080, 0,          0x00800000, 0x00D1ADAD, 0x00C8D0D4, 0x00F0F0F0};
    const std::pair<std::int32_t, Slots> cases[] = {
        {1, system}, {0, system}, {5, system}, {-7, system}, {2, fromProperties}, {3, fixedGrey},
    };
    for (const auto& [scheme, expected] : cases) {
        auto b = MakeButton();
        Configure(*b, scheme);
        EXPECT_EQ(SlotsOf(*b), expected) << "scheme " << scheme;
    }
}

TEST(ResolvePalette, TakesTheParentsColoursInSchemeFromParent) {
    const SystemColourScope colours;
    QWidget parent;
    QPalette p = parent.palette();
    p.setColor(QPalette::Window, QColor(0x40, 0x80, 0xC0));
    p.setColor(QPalette::WindowText, QColor(0x11, 0x22, 0x33));
    parent.setPalette(p);
    auto b = MakeButton(100, 30, &parent);
    Configure(*b, 4);
    const Slots expected{0x00C08040, 0x00C08040, 0x00332211, 0x00332211, 0x00DF9F5F, 0x00EFAF6F,
                         0x00804000, 0,          0x00800000, 0x00D7B0B0, 0x00C8D0D4, 0x00F0B070};
    EXPECT_EQ(SlotsOf(*b), expected);
}

TEST(ResolvePalette, SoftBevelHalvesTheDerivedEdgesButNotTheFixedGrey) {
    const SystemColourScope colours;
    auto b = MakeButton();
    Configure(*b, 2, 2, VbTrue);
    EXPECT_EQ(b->ShadowColor, 0x00A84444);
    EXPECT_EQ(b->LightColor, 0x00D77373);
    EXPECT_EQ(b->FaceBrightColor, 0x00E07C7C);
    Configure(*b, 3, 2, VbTrue);
    EXPECT_EQ(b->ShadowColor, 0x00808080);
    EXPECT_EQ(b->HighlightColor, 0x00FFFFFF);
}

TEST(ResolvePalette, RaisesBlueInProportionForTheGradientRimOnly) {
    const SystemColourScope colours;
    auto b = MakeButton();
    Configure(*b, 2, 3);
    EXPECT_EQ(b->FaceBrightColor, 0x00FA9494);
    // Changing the type alone keeps the bright face of the old type until the next derivation.
    b->SetButtonType(2);
    EXPECT_EQ(b->FaceBrightColor, 0x00FA9494);
    b->Refresh();
    EXPECT_EQ(b->FaceBrightColor, 0x00F89494);
}

TEST(ResolvePalette, ReadsASystemColourReferenceInSchemeFromProperties) {
    const SystemColourScope colours;
    auto b = MakeButton();
    Configure(*b, 2);
    b->SetBackColor(static_cast<Colour>(0x8000000Fu));
    EXPECT_EQ(b->FaceColor, 0x00C8D0D4);
    EXPECT_EQ(b->BackColor, static_cast<Colour>(0x8000000Fu)); // the property keeps the reference
}
