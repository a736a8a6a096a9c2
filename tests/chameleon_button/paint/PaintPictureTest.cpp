// The picture of the face by state and type: where it lands, which copies it gets, and when it is
// greyed, blended, lifted or reduced to silhouettes of its dark pixels.

#include "ButtonFace.h"

#include "chameleon_button/paint/BlitPicture.h"

#include <gtest/gtest.h>

namespace {

// A 2 x 2 picture: red and black are dark (channel sums 255 and 0), white is light.
Legend PictureLetters() {
    Legend l = GreyLetters;
    l['r'] = 0x000000FF;
    l['w'] = 0x00FFFFFF;
    l['m'] = 0x00FF00FF;
    return l;
}

PictureRef Glyph(std::initializer_list<const char*> rows) {
    return Picture::FromImage(ImageFromLetters(rows, PictureLetters()), Picture::Kind::Bitmap,
                              paint::ScreenDpi());
}

// The 4 x 4 pixels around the picture, which a 20 x 12 face centres at (9, 5), from (8, 4).
std::string Around(const chameleonButton& b, const Legend& legend) {
    paint::Surface part(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) part.Put(x, y, b.Face().PixelAt(8 + x, 4 + y));
    return AsLetters(part, legend);
}

std::unique_ptr<chameleonButton> WithPicture(std::int32_t type, const PictureRef& normal,
                                             const PictureRef& over = {}) {
    auto b = GreyButton(type, 20, 12);
    b->SetPictureNormal(normal);
    b->SetPictureOver(over);
    return b;
}

TEST(PaintPicture, PlacedAndMovedByStateAndType) {
    const PictureRef p = Glyph({"rk", "kw"});
    Legend legend = PictureLetters();
    struct Case {
        std::int32_t type;
        bool over;
        std::uint8_t state;
        std::string around;
    };
    const Case cases[] = {
        {1, false, FaceUp, Rows({"....", ".rk.", ".kw.", "...."})},
        {1, false, FaceDown, Rows({"....", "....", "..rk", "..kw"})},
        {5, false, FaceDown, Rows({"....", ".rk.", ".kw.", "...."})},
        {0, false, FaceUp, Rows({"....", ".rk.", ".kw.", "...."})},
        {10, true, FaceDown, Rows({"....", "....", "..rk", "..kw"})},
    };
    for (const Case& c : cases) {
        auto b = WithPicture(c.type, p);
        ASSERT_EQ(b->PictureLeft, 9);
        ASSERT_EQ(b->PictureTop, 5);
        b->IsOver = ToVBool(c.over);
        if (c.type == 5) legend['.'] = b->Face().PixelAt(10, 2); // the pressed flat face
        b->PaintButton(c.state, true);
        legend['.'] = b->Face().PixelAt(8, 4);
        EXPECT_EQ(Around(*b, legend), c.around) << "type " << c.type << " state " << int(c.state);
    }
}

TEST(PlacePicture, BesideAboveBelowOrBehindTheCaption) {
    QImage image(16, 12, QImage::Format_ARGB32);
    image.fill(Qt::red);
    const PictureRef p = Picture::FromImage(image, Picture::Kind::Bitmap, paint::ScreenDpi());
    auto b = GreyButton(7, 100, 40);
    b->SetCaption(QStringLiteral("Go"));
    b->SetPictureNormal(p);
    ASSERT_EQ(b->PictureWidth, 16);
    ASSERT_EQ(b->PictureHeight, 12);
    for (std::int32_t position : {0, 1, 2, 3, 4}) {
        b->SetPicturePosition(position);
        const ButtonRect r = b->CaptionRect;
        const QPoint expected[] = {
            {r.left - 20, 14}, {r.right + 4, 14}, {42, r.top - 14}, {42, r.bottom + 2}, {42, 14}};
        EXPECT_EQ(QPoint(b->PictureLeft, b->PictureTop), expected[position]) << "position " << position;
    }
    b->SetPicturePosition(0);
    b->SetCaption(QStringLiteral("   "));
    EXPECT_EQ(QPoint(b->PictureLeft, b->PictureTop), QPoint(42, 14)) << "a blank caption centres the picture";
    b->SetCaption(QStringLiteral("Go"));
    const QPoint before(b->PictureLeft, b->PictureTop);
    b->PicturePosition = 5;
    b->PlacePicture();
    EXPECT_EQ(QPoint(b->PictureLeft, b->PictureTop), before) << "an unknown position keeps the last place";
}

TEST(PaintPicture, HoverPictureOnlyWithANormalPicture) {
    const PictureRef normal = Glyph({"rr", "rr"}), over = Glyph({"ww", "ww"});
    auto b = WithPicture(7, normal, over);
    b->IsOver = VbTrue;
    b->PaintButton(FaceUp, true);
    EXPECT_EQ(Around(*b, PictureLetters()), Rows({"....", ".ww.", ".ww.", "...."}));
    b->PaintButton(FaceDown, true);
    EXPECT_EQ(Around(*b, PictureLetters()), Rows({"....", "....", "..ww", "..ww"}));

    auto alone = WithPicture(7, {}, over);
    alone->IsOver = VbTrue;
    alone->PaintButton(FaceUp, true);
    EXPECT_EQ(Around(*alone, PictureLetters()), Rows({"....", "....", "....", "...."}));
}

TEST(PaintPicture, DisabledPicturesAreSilhouettesOfTheirDarkPixels) {
    const PictureRef p = Glyph({"rk", "kw"});
    Legend legend = PictureLetters();
    legend['g'] = 0x004C4C4C; // red in grey: 76
    legend['G'] = 0x00FEFEFE; // white in grey: 254
    legend['x'] = 0x008D8D8D; // HoverBox: the shadow lightened by 13
    struct Case {
        std::int32_t type;
        std::string around;
    };
    const Case cases[] = {
        {1, Rows({"....", ".ss.", ".sww", "..w."})}, // the white highlight copy one pixel down-right, shadow
                                                     // on top
        {3, Rows({"....", "....", "..gk", "..kG"})}, // greyscale, one pixel down-right
        {5, Rows({"....", ".ss.", ".s..", "...."})},
        {6, Rows({"....", ".ss.", ".s..", "...."})},
        {9, Rows({"....", ".xx.", ".x..", "...."})},
    };
    for (const Case& c : cases) {
        auto b = WithPicture(c.type, p);
        b->Enabled = VbFalse;
        b->PaintButton(FaceUp, true);
        legend['.'] = b->Face().PixelAt(8, 4);
        EXPECT_EQ(Around(*b, legend), c.around) << "type " << c.type;
    }
}

TEST(PaintPicture, HoverBoxBlendsAtRestAndLiftsUnderTheMouse) {
    const PictureRef p = Glyph({"rr", "rr"});
    Legend legend = PictureLetters();
    legend['B'] = Rgb((2 * 255 + 192) / 3, 192 / 3, 192 / 3); // red blended with the grey face
    legend['g'] = 0x004C4C4C;
    legend['t'] = grey::Tint;
    auto b = WithPicture(9, p);
    b->PaintButton(FaceUp, true);
    EXPECT_EQ(Around(*b, legend), Rows({"....", ".BB.", ".BB.", "...."}));
    b->SetUseGreyscale(VbTrue);
    b->PaintButton(FaceUp, true);
    EXPECT_EQ(Around(*b, legend), Rows({"....", ".gg.", ".gg.", "...."})) << "grey, not blended";
    b->IsOver = VbTrue;
    b->PaintButton(FaceUp, true);
    EXPECT_EQ(Around(*b, legend), Rows({"rrtt", "rrtt", "ttss", "ttss"}))
        << "in full colour, lifted, with a shadow";
}

TEST(PaintPicture, EffectSilhouettesAroundThePicture) {
    const PictureRef p = Glyph({"rr", "rr"});
    Legend legend = PictureLetters();
    legend['L'] = 0x00E8E8E8; // face + 40
    legend['D'] = 0x00989898; // face - 40
    struct Case {
        std::int32_t effect;
        std::string around;
    };
    const Case cases[] = {{1, Rows({"LL..", "Lrr.", ".rrD", "..DD"})},
                          {2, Rows({"DD..", "Drr.", ".rrL", "..LL"})},
                          {3, Rows({"....", ".rr.", ".rrD", "..DD"})}};
    for (const Case& c : cases) {
        auto b = WithPicture(7, p);
        b->SpecialEffect = c.effect;
        b->PaintButton(FaceUp, true);
        EXPECT_EQ(Around(*b, legend), c.around) << "effect " << c.effect;
    }
}

TEST(PaintPicture, MaskedPixelsKeepTheFace) {
    const PictureRef p = Glyph({"rm", "mr"});
    auto b = WithPicture(7, p);
    b->SetMaskColor(0x00FF00FF);
    b->PaintButton(FaceUp, true);
    EXPECT_EQ(Around(*b, PictureLetters()), Rows({"....", ".r..", "..r.", "...."}));
    b->SetUseMaskColor(VbFalse);
    EXPECT_EQ(Around(*b, PictureLetters()), Rows({"....", ".rm.", ".mr.", "...."}));
}

TEST(PaintPicture, CaptionBehindThePictureIsDrawnAgainOnTopEvenForBlank) {
    const auto textPixels = [](chameleonButton& b) {
        int n = 0;
        for (int y = 0; y < b.ClientHeight; ++y)
            for (int x = 0; x < b.ClientWidth; ++x) n += b.Face().PixelAt(x, y) == b.TextColor;
        return n;
    };
    QImage big(24, 16, QImage::Format_ARGB32);
    big.fill(Qt::white);
    auto b = GreyButton(10, 60, 24);
    b->SetCaption(QStringLiteral("Hi"));
    b->SetPictureNormal(Picture::FromImage(big, Picture::Kind::Bitmap, paint::ScreenDpi()));
    b->PaintButton(FaceUp, true);
    EXPECT_EQ(textPixels(*b), 0) << "Blank shows no caption";
    b->SetPicturePosition(4);
    b->PaintButton(FaceUp, true);
    EXPECT_GT(textPixels(*b), 0) << "behind the caption, the caption goes on top";
}

} // namespace

namespace {

TEST(PaintPicture, PressedPicturesMoveByTypeWithOrWithoutAHoverPicture) {
    const PictureRef normal = Glyph({"rr", "rr"}), over = Glyph({"ww", "ww"});
    const std::string stays = Rows({"....", ".rr.", ".rr.", "...."}),
                      moves = Rows({"....", "....", "..rr", "..rr"});
    const std::string overStays = Rows({"....", ".ww.", ".ww.", "...."}),
                      overMoves = Rows({"....", "....", "..ww", "..ww"});
    struct Case {
        std::int32_t type;
        std::string withOver, alone;
    };
    const Case cases[] = {{1, overMoves, moves}, {4, overMoves, moves},  {5, overStays, stays},
                          {9, stays, stays},     {12, overMoves, moves}, {13, overMoves, moves}};
    for (const Case& c : cases)
        for (bool withOver : {true, false}) {
            auto b = WithPicture(c.type, normal, withOver ? over : PictureRef{});
            b->PaintButton(FaceDown, true);
            Legend legend = PictureLetters();
            legend['.'] = b->Face().PixelAt(8, 4);
            EXPECT_EQ(Around(*b, legend), withOver ? c.withOver : c.alone)
                << "type " << c.type << (withOver ? " with" : " without") << " a hover picture";
        }
}

TEST(PaintPicture, LiftedHoverBoxPictureShadesItsEffectFromTheTint) {
    Legend legend = PictureLetters();
    legend['t'] = grey::Tint;
    legend['D'] = OffsetColor(grey::Tint, -40, false, false);
    legend['L'] = OffsetColor(grey::Tint, 40, false, false);
    auto b = WithPicture(9, Glyph({"rr", "rr"}));
    b->SpecialEffect = 1;
    b->IsOver = VbTrue;
    b->PaintButton(FaceUp, true);
    // The dark copy under the picture, the light one two pixels up-left, the shadow, the picture.
    EXPECT_EQ(Around(*b, legend), Rows({"rrtt", "rrDt", "tDss", "ttss"}));
    EXPECT_EQ(b->Face().PixelAt(7, 3), legend['L']);
}

} // namespace
