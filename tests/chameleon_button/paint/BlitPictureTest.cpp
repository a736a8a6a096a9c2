// Composition of pictures onto a face: mask transparency, silhouettes, greyscale, blend, icons.

#include "FacePicture.h"

#include "chameleon_button/paint/BlitPicture.h"

#include <gtest/gtest.h>

namespace {

constexpr Colour Face = 0x00C0C0C0, Mask = 0x00FF00FF, Red = 0x000000FF, White = 0x00FFFFFF, Black = 0,
                 Dark = 0x00404040, Mid = 0x00808080, Solid = 0x00123456;
const Legend Colours = {{'.', Face},  {'m', Mask}, {'r', Red}, {'w', White},
                        {'k', Black}, {'d', Dark}, {'g', Mid}, {'s', Solid}};

paint::Surface Blank(int w, int h) {
    paint::Surface s(w, h);
    s.Clear(Face);
    return s;
}

PictureRef Bitmap(std::initializer_list<const char*> rows) {
    return Picture::FromImage(ImageFromLetters(rows, Colours), Picture::Kind::Bitmap);
}

TEST(GreyOf, RoundsTheRedShareFirstThenTheSumTiesToEven) {
    struct Case {
        int r, g, b, grey;
    };
    const Case cases[] = {{255, 0, 0, 76},  {255, 255, 255, 254}, {128, 128, 128, 128}, {0, 0, 0, 0},
                          {0, 255, 0, 150}, {0, 0, 255, 28},      {5, 0, 0, 2},         {64, 64, 64, 64}};
    for (const Case& c : cases)
        EXPECT_EQ(paint::GreyOf(c.r, c.g, c.b), c.grey) << c.r << "," << c.g << "," << c.b;
}

TEST(HiMetricToPixels, ConvertsAtTheResolutionWithTiesToEven) {
    // At 127 dots per inch one pixel is 20 HiMetric, so odd multiples of 10 are ties.
    const std::pair<int, int> cases[] = {{0, 0}, {10, 0}, {11, 1}, {30, 2}, {50, 2}, {70, 4}, {2540, 127}};
    for (auto [hiMetric, pixels] : cases)
        EXPECT_EQ(paint::HiMetricToPixels(hiMetric, 127.0), pixels) << hiMetric;
    EXPECT_EQ(paint::HiMetricToPixels(423, 96.0), 16); // 15.99 pixels: a 16-pixel glyph stored at 96 dpi
}

TEST(BlitPicture, MaskColourIsTransparentOnlyWhenAsked) {
    const PictureRef p = Bitmap({"rm", "mw"});
    struct Case {
        bool useMask;
        std::string face;
    };
    const Case cases[] = {{true, Rows({"....", ".r..", "..w.", "...."})},
                          {false, Rows({"....", ".rm.", ".mw.", "...."})}};
    for (const Case& c : cases) {
        paint::Surface s = Blank(4, 4);
        paint::BlitPicture(s, 1, 1, 2, 2, *p, {.maskColour = Mask, .useMaskColor = c.useMask});
        EXPECT_EQ(AsLetters(s, Colours), c.face) << "useMaskColor " << c.useMask;
    }
}

TEST(BlitPicture, NearMaskColoursAreDrawn) {
    const PictureRef p =
        Picture::FromImage(ImageFromLetters({"m"}, {{'m', Mask - 1}}), Picture::Kind::Bitmap);
    paint::Surface s = Blank(1, 1);
    paint::BlitPicture(s, 0, 0, 1, 1, *p, {.maskColour = Mask, .useMaskColor = true});
    EXPECT_EQ(s.PixelAt(0, 0), Mask - 1);
}

TEST(BlitPicture, SilhouettesPaintTheSolidColourWhereThePictureIsDark) {
    // Channel sums: r 255, w 765, k 0, d 192, g 384 (the last dark one), m transparent.
    const PictureRef p = Bitmap({"rwk", "dgm"});
    struct Case {
        bool darkOnly;
        std::string face;
    };
    const Case cases[] = {{true, Rows({"sws", "ss."})}, {false, Rows({"sss", "ss."})}};
    for (const Case& c : cases) {
        paint::Surface s = Blank(3, 2);
        s.PaintPixel(1, 0, White);
        paint::BlitPicture(s, 0, 0, 3, 2, *p,
                           {.maskColour = Mask,
                            .useMaskColor = true,
                            .solidColour = Solid,
                            .darkOnly = c.darkOnly,
                            .greyscale = true,
                            .blend = true});
        EXPECT_EQ(AsLetters(s, Colours), c.face) << "darkOnly " << c.darkOnly;
    }
    const PictureRef light =
        Picture::FromImage(ImageFromLetters({"x"}, {{'x', Rgb(129, 128, 128)}}), Picture::Kind::Bitmap);
    paint::Surface s = Blank(1, 1);
    paint::BlitPicture(s, 0, 0, 1, 1, *light, {.solidColour = Solid, .darkOnly = true});
    EXPECT_EQ(s.PixelAt(0, 0), Face) << "a channel sum of 385 is light";
}

TEST(BlitPicture, GreyscaleWinsOverBlend) {
    const PictureRef p = Bitmap({"rwg"});
    paint::Surface s = Blank(3, 1);
    paint::BlitPicture(s, 0, 0, 3, 1, *p, {.greyscale = true, .blend = true});
    EXPECT_EQ(s.PixelAt(0, 0), Rgb(76, 76, 76));
    EXPECT_EQ(s.PixelAt(1, 0), Rgb(254, 254, 254));
    EXPECT_EQ(s.PixelAt(2, 0), Rgb(128, 128, 128));
}

TEST(BlitPicture, BlendIsTwoPartsPictureToOnePartFaceTruncated) {
    const PictureRef p = Picture::FromImage(
        ImageFromLetters({"ab"}, {{'a', Rgb(255, 0, 100)}, {'b', Rgb(1, 2, 3)}}), Picture::Kind::Bitmap);
    paint::Surface s = Blank(2, 1);
    s.PaintPixel(0, 0, Rgb(0, 255, 50));
    paint::BlitPicture(s, 0, 0, 2, 1, *p, {.blend = true});
    EXPECT_EQ(s.PixelAt(0, 0), Rgb(170, 85, 83));
    EXPECT_EQ(s.PixelAt(1, 0), Rgb(64, 65, 66)); // (2 + 192) / 3, (4 + 192) / 3, (6 + 192) / 3
}

TEST(BlitPicture, IconTransparencyTakesTheMaskColour) {
    const PictureRef icon = Picture::FromImage(ImageFromLetters({"r ", " w"}, Colours), Picture::Kind::Icon);
    struct Case {
        bool useMask;
        std::string face;
    };
    const Case cases[] = {{true, Rows({"r.", ".w"})}, {false, Rows({"rm", "mw"})}};
    for (const Case& c : cases) {
        paint::Surface s = Blank(2, 2);
        paint::BlitPicture(s, 0, 0, 2, 2, *icon, {.maskColour = Mask, .useMaskColor = c.useMask});
        EXPECT_EQ(AsLetters(s, Colours), c.face) << "useMaskColor " << c.useMask;
    }
}

TEST(BlitPicture, SizeRulesAndClipping) {
    const PictureRef p = Bitmap({"rk", "kr"});
    struct Case {
        int x, y, w, h;
        std::string face;
    };
    const Case cases[] = {
        {0, 0, 0, 2, Rows({"...", "...", "..."})},   // no width: nothing
        {0, 0, 2, 0, Rows({"...", "...", "..."})},   // no height: nothing
        {0, 0, 1, 2, Rows({"r..", "k..", "..."})},   // the top-left part only
        {1, 1, 3, 3, Rows({"...", ".rk", ".kr"})},   // beyond the bitmap and the face: unchanged
        {-1, -1, 2, 2, Rows({"r..", "...", "..."})}, // off the top-left corner
    };
    for (const Case& c : cases) {
        paint::Surface s = Blank(3, 3);
        paint::BlitPicture(s, c.x, c.y, c.w, c.h, *p, {});
        EXPECT_EQ(AsLetters(s, Colours), c.face) << c.x << "," << c.y << " " << c.w << "x" << c.h;
    }
}

TEST(BlitPicture, NegativeSizeIsThePicturesOwnSize) {
    const PictureRef p = Picture::FromImage(ImageFromLetters({"rk", "kr"}, Colours), Picture::Kind::Bitmap,
                                            paint::ScreenDpi());
    paint::Surface s = Blank(3, 3);
    paint::BlitPicture(s, 0, 0, -1, -5, *p, {});
    EXPECT_EQ(AsLetters(s, Colours), Rows({"rk.", "kr.", "..."}));
}

TEST(BlitPicture, LeavesThePictureUnchanged) {
    const PictureRef p = Bitmap({"rm"});
    const QImage before = p->image;
    paint::Surface s = Blank(2, 1);
    paint::BlitPicture(s, 0, 0, 2, 1, *p, {.maskColour = Mask, .useMaskColor = true, .greyscale = true});
    EXPECT_EQ(p->image, before);
}

} // namespace
