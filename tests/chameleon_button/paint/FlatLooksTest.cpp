// The flat looks: FlatEdge with its caption box, HoverBox with tint and selection frame, Blank,
// SeeThrough from the captured background, Oval, and the types that draw nothing of their own.

#include "ButtonFace.h"

#include "chameleon_button/paint/PaintCaption.h"

#include <gtest/gtest.h>

namespace {

const std::string Plain = Rows({"........", "........", "........", "........", "........", "........"});

std::string Paint(chameleonButton& b, bool over, std::uint8_t state, bool enabled = true,
                  const Legend& legend = GreyLetters) {
    b.IsOver = ToVBool(over);
    b.Enabled = ToVBool(enabled);
    return FaceLetters(b, state, legend);
}

TEST(FlatEdge, FaceFrameAndCornerPixelsInEveryState) {
    Legend legend = GreyLetters;
    legend['c'] = 0x00CCCCCC; // face + 12
    legend['d'] = 0x00666666; // shadow - 26
    legend['e'] = 0x009A9A9A; // shadow + 26
    legend['f'] = 0x00909090; // shadow + 16
    auto b = GreyButton(5, 8, 6);
    EXPECT_EQ(Paint(*b, false, FaceUp, true, legend),
              Rows({"ddddddd.", "dhhhhheh", "dhccccdh", "dhccccdh", "dedddddh", ".hhhhhhh"}));
    EXPECT_EQ(Paint(*b, false, FaceDown, true, legend),
              Rows({"ddddddd.", "dfffffdh", "dfffffdh", "dfffffdh", "dddddddh", ".hhhhhhh"}));
    EXPECT_EQ(Paint(*b, false, FaceUp, false, legend),
              Rows({"sssssss.", "s......s", "s......s", "s......s", "s......s", ".sssssss"}));
}

TEST(FlatEdge, CaptionBoxMarksTheFocusInBothStates) {
    constexpr Colour Box = Rgb(153, 153, 204);
    auto b = GreyButton(5, 60, 24);
    b->SetCaption(QStringLiteral("Go"));
    b->HasFocus = VbTrue;
    const ButtonRect r = b->CaptionRect;
    for (std::uint8_t state : {FaceUp, FaceDown}) {
        b->ShowFocusRect = VbTrue;
        b->PaintButton(state, true);
        EXPECT_EQ(b->Face().PixelAt(r.left - 2, r.top - 1), Box) << int(state);
        EXPECT_EQ(b->Face().PixelAt(r.right + 1, r.bottom), Box) << int(state);
        EXPECT_NE(b->Face().PixelAt(r.left - 1, r.top), Box) << int(state);
        b->ShowFocusRect = VbFalse;
        b->PaintButton(state, true);
        EXPECT_NE(b->Face().PixelAt(r.left - 2, r.top - 1), Box) << int(state);
    }
}

TEST(FlatEdge, PressedCaptionStaysPutInTheHoverTextColour) {
    auto up = GreyButton(5, 60, 24), down = GreyButton(5, 60, 24);
    for (auto* b : {up.get(), down.get()}) {
        b->SetColorScheme(2);
        b->SetForeOver(0x000000FF);
        b->SetCaption(QStringLiteral("Go"));
        b->SpecialEffect = 1;
    }
    up->IsOver = VbTrue;
    up->PaintButton(FaceUp, true);
    down->LastCaptionState = paint::CaptionShadowed;
    down->PaintButton(FaceDown, true);
    int same = 0, text = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool upText = up->Face().PixelAt(x, y) == 0x000000FF;
            const bool downText = down->Face().PixelAt(x, y) == 0x000000FF;
            text += downText;
            same += upText == downText;
        }
    EXPECT_GT(text, 0);
    EXPECT_EQ(same, 60 * 24) << "the pressed text covers exactly the pixels of the hovered text";
    EXPECT_EQ(down->LastCaptionState, paint::CaptionShadowed)
        << "the pressed text is no caption state of its own";
}

TEST(HoverBox, TintAndFrameOnlyUnderTheMouseOrPressed) {
    Legend legend = GreyLetters;
    legend['p'] = 0x00BF8080; // the selection colour lightened by 128
    struct Case {
        bool over;
        std::uint8_t state;
        bool enabled;
        std::string face;
    };
    const Case cases[] = {
        {false, FaceUp, true, Plain},
        {true, FaceUp, true, Rows({"bbbbbbbb", "bttttttb", "bttttttb", "bttttttb", "bttttttb", "bbbbbbbb"})},
        {true, FaceDown, true,
         Rows({"bbbbbbbb", "bppppppb", "bppppppb", "bppppppb", "bppppppb", "bbbbbbbb"})},
        {false, FaceDown, true,
         Rows({"bbbbbbbb", "b......b", "b......b", "b......b", "b......b", "bbbbbbbb"})},
        {true, FaceUp, false, Plain},
    };
    for (const Case& c : cases) {
        auto b = GreyButton(9, 8, 6);
        EXPECT_EQ(Paint(*b, c.over, c.state, c.enabled, legend), c.face)
            << "over " << c.over << " state " << int(c.state) << " enabled " << c.enabled;
    }
}

TEST(HoverBox, PressedColourOfCustomColoursIsTheDarkenedTint) {
    auto b = GreyButton(9, 8, 6);
    b->SetColorScheme(2);
    b->IsOver = VbTrue;
    b->PaintButton(FaceDown, true);
    EXPECT_EQ(b->Face().PixelAt(3, 3), OffsetColor(b->SelectionTintColor, -32, false, false));
}

TEST(FlatLooks, TypesWithoutADrawingOfTheirOwnShowThePlainFace) {
    for (std::int32_t type : {0, 10, 16, -3}) {
        auto b = GreyButton(type, 8, 6);
        b->SetCaption(QStringLiteral("Hi"));
        for (std::uint8_t state : {FaceUp, FaceDown}) {
            EXPECT_EQ(Paint(*b, false, state), Plain) << "type " << type << " state " << int(state);
            EXPECT_EQ(Paint(*b, true, state, false), Plain) << "type " << type << " disabled";
        }
    }
}

TEST(SeeThrough, ShowsTheCapturedBackground) {
    auto b = GreyButton(11, 4, 3);
    b->BackDC = FromLetters({"hsks", "kshh", "ssss"}, GreyLetters);
    b->HasBackDC = true;
    for (std::uint8_t state : {FaceUp, FaceDown})
        EXPECT_EQ(Paint(*b, false, state), Rows({"hsks", "kshh", "ssss"})) << int(state);
    b->HasBackDC = false;
    EXPECT_EQ(Paint(*b, false, FaceUp), Rows({"....", "....", "...."})) << "nothing captured yet";
}

TEST(Oval, OutlineOnlyUnderTheMouseOrPressed) {
    auto b = GreyButton(13, 12, 8);
    const auto count = [&b](Colour c) {
        int n = 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 12; ++x) n += b->Face().PixelAt(x, y) == c;
        return n;
    };
    Paint(*b, false, FaceUp);
    EXPECT_EQ(count(grey::Face), 96) << "up: the outline is the face colour";
    Paint(*b, true, FaceUp);
    EXPECT_GT(count(grey::Shadow), 0);
    EXPECT_EQ(b->Face().PixelAt(6, 4), grey::Face);
    Paint(*b, false, FaceDown);
    EXPECT_GT(count(grey::DarkShadow), 0);
    EXPECT_EQ(b->Face().PixelAt(6, 4), 0x00A0A0A0) << "pressed fill is the face darkened by 32";
    EXPECT_EQ(b->Face().PixelAt(0, 0), grey::Face) << "outside the ellipse the face stays as cleared";
    Paint(*b, true, FaceUp, false);
    EXPECT_EQ(count(grey::Face), 96) << "disabled: no outline";
}

} // namespace
