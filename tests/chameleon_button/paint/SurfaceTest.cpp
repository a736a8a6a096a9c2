// The primitives colour exactly the pixels of their rules: rectangles, lines without their end
// pixel, the bevel path with its corner ownership, the ellipse, the focus outline and text.

#include "FacePicture.h"

#include "chameleon_button/WindowShape.h"
#include "chameleon_button/paint/Surface.h"

#include <QFont>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr std::int32_t Face = 0x00C0C0C0, Red = 0x000000FF, Green = 0x0000FF00, Blue = 0x00FF0000,
                       White = 0x00FFFFFF, Black = 0;
const Legend Colours = {{'.', Face}, {'r', Red}, {'g', Green}, {'b', Blue}, {'w', White}, {'k', Black}};

paint::Surface Blank(int w, int h) {
    paint::Surface s(w, h);
    s.Clear(Face);
    return s;
}

TEST(PaintRect, FillsOrFramesExactlyTheRectangle) {
    struct Case {
        int x, y, w, h;
        bool frameOnly;
        std::string face;
    };
    const Case cases[] = {
        {0, 0, 6, 5, true, Rows({"rrrrrr", "r....r", "r....r", "r....r", "rrrrrr"})},
        {0, 0, 6, 5, false, Rows({"rrrrrr", "rrrrrr", "rrrrrr", "rrrrrr", "rrrrrr"})},
        {1, 1, 3, 2, false, Rows({"......", ".rrr..", ".rrr..", "......", "......"})},
        {1, 1, 4, 1, true, Rows({"......", ".rrrr.", "......", "......", "......"})},
        {2, 0, 1, 4, true, Rows({"..r...", "..r...", "..r...", "..r...", "......"})},
        {4, 3, 5, 5, true, Rows({"......", "......", "......", "....rr", "....r."})},
        {-2, -2, 4, 4, false, Rows({"rr....", "rr....", "......", "......", "......"})},
        {1, 1, 0, 3, false, Rows({"......", "......", "......", "......", "......"})},
        {1, 1, 3, 0, true, Rows({"......", "......", "......", "......", "......"})},
        {3, 3, -2, 2, false, Rows({"......", "......", "......", "......", "......"})},
    };
    for (const Case& c : cases) {
        paint::Surface s = Blank(6, 5);
        s.PaintRect(c.x, c.y, c.w, c.h, Red, c.frameOnly);
        EXPECT_EQ(AsLetters(s, Colours), c.face) << c.x << "," << c.y << " " << c.w << "x" << c.h;
    }
}

TEST(PaintLine, PaintsTheStartPixelButNotTheEnd) {
    struct Case {
        int x1, y1, x2, y2;
        std::string face;
    };
    const Case cases[] = {
        {0, 2, 6, 2, Rows({"......", "......", "rrrrrr", "......", "......"})},
        {5, 1, 1, 1, Rows({"......", "..rrrr", "......", "......", "......"})},
        {1, 0, 1, 4, Rows({".r....", ".r....", ".r....", ".r....", "......"})},
        {4, 4, 4, 1, Rows({"......", "......", "....r.", "....r.", "....r."})},
        {3, 3, 3, 3, Rows({"......", "......", "......", "......", "......"})},
        {0, 0, 4, 4, Rows({"r.....", ".r....", "..r...", "...r..", "......"})},
        {0, 4, 3, 1, Rows({"......", "......", "..r...", ".r....", "r....."})},
        {0, 0, 4, 2, Rows({"r.....", ".rr...", "...r..", "......", "......"})},
        {-3, 1, 9, 1, Rows({"......", "rrrrrr", "......", "......", "......"})},
    };
    for (const Case& c : cases) {
        paint::Surface s = Blank(6, 5);
        s.PaintLine(c.x1, c.y1, c.x2, c.y2, Red);
        EXPECT_EQ(AsLetters(s, Colours), c.face) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
    }
}

TEST(PaintBevel, CornersGoToTheLaterColour) {
    paint::Surface s = Blank(4, 4);
    s.PaintBevel(Red, Green, Blue, White, 0, false);
    EXPECT_EQ(AsLetters(s, Colours), Rows({"rrrg", "rbwg", "rwwg", "gggg"}));
}

TEST(PaintBevel, InsetAndOuterOnlyVariants) {
    struct Case {
        int inset;
        bool outerOnly;
        std::string face;
    };
    const Case cases[] = {
        {0, false, Rows({"rrrrrg", "rbbbwg", "rb..wg", "rwwwwg", "gggggg"})},
        {0, true, Rows({"rrrrrg", "r....g", "r....g", "r....g", "gggggg"})},
        {-1, false, Rows({"......", ".rrrg.", ".rwwg.", ".gggg.", "......"})},
        {-1, true, Rows({"......", ".rrrg.", ".r..g.", ".gggg.", "......"})},
    };
    for (const Case& c : cases) {
        paint::Surface s = Blank(6, 5);
        s.PaintBevel(Red, Green, Blue, White, c.inset, c.outerOnly);
        EXPECT_EQ(AsLetters(s, Colours), c.face) << "inset " << c.inset << " outerOnly " << c.outerOnly;
    }
}

TEST(PaintPixel, PaintsOnePixelAndIgnoresPixelsOffTheFace) {
    paint::Surface s = Blank(3, 2);
    s.PaintPixel(2, 1, Red);
    s.PaintPixel(3, 1, Red);
    s.PaintPixel(-1, 0, Red);
    EXPECT_EQ(AsLetters(s, Colours), Rows({"...", "..r"}));
}

TEST(PaintFocusRect, InvertsEveryOtherBorderPixelAndTwiceRestores) {
    paint::Surface s = Blank(7, 6);
    s.PaintPixel(2, 2, Red);
    s.PaintFocusRect(1, 1, 6, 5, Black);
    const Legend inverted = {{'.', Face}, {'i', 0x003F3F3F}, {'r', Red}};
    EXPECT_EQ(AsLetters(s, inverted),
              Rows({".......", ".i.i.i.", "..r....", ".i...i.", "..i.i..", "......."}));
    s.PaintFocusRect(1, 1, 6, 5, Black);
    EXPECT_EQ(AsLetters(s, inverted),
              Rows({".......", ".......", "..r....", ".......", ".......", "......."}));
}

TEST(PaintFocusRect, TextColourFillsTheGapsOfThePattern) {
    paint::Surface s = Blank(4, 3);
    s.PaintFocusRect(0, 0, 4, 3, 0x00C0C0C0);
    const Legend colours = {{'.', Face}, {'i', 0x003F3F3F}, {'k', Black}};
    EXPECT_EQ(AsLetters(s, colours), Rows({"ikik", "k..i", "ikik"}));
}

TEST(PaintFocusRect, EmptyOrOneRowRectanglesLeaveTheFace) {
    paint::Surface s = Blank(5, 4);
    s.PaintFocusRect(3, 1, 3, 4, Black); // no width
    s.PaintFocusRect(1, 3, 4, 2, Black); // negative height
    s.PaintFocusRect(0, 0, 5, 1, Black); // one row: its top and bottom strips cancel out
    EXPECT_EQ(AsLetters(s, Colours), Rows({".....", ".....", ".....", "....."}));
}

TEST(PaintEllipse, OutlineIsTwoPixelsInsideTheShapeOfTheOval) {
    paint::Surface s = Blank(12, 8);
    s.PaintEllipse(0, 0, 12, 8, Red, Blue);
    const QRegion shape = BuildWindowShape(13, 12, 8);
    int fill = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x) {
            const std::int32_t c = s.PixelAt(x, y);
            EXPECT_EQ(c != Face, shape.contains(QPoint(x, y))) << x << "," << y;
            fill += c == Blue;
        }
    EXPECT_EQ(AsLetters(s, Colours), Rows({"...rrrrrr...", ".rrrrrrrrrr.", "rrrbbbbbbrrr", "rrbbbbbbbbrr",
                                           "rrbbbbbbbbrr", "rrrbbbbbbrrr", ".rrrrrrrrrr.", "...rrrrrr..."}));
    EXPECT_GT(fill, 0);
}

TEST(PaintEllipse, TinyEllipseIsAllOutline) {
    paint::Surface s = Blank(4, 3);
    s.PaintEllipse(0, 0, 4, 3, Red, Blue);
    EXPECT_EQ(AsLetters(s, Colours).find('b'), std::string::npos);
}

TEST(Surface, ShapeClipsEveryPrimitive) {
    paint::Surface s = Blank(5, 4);
    s.SetShape(BuildWindowShape(3, 5, 4));
    s.PaintRect(0, 0, 5, 4, Red, false);
    s.PaintFocusRect(0, 0, 5, 4, Black);
    const Legend colours = {{'.', Face}, {'r', Red}, {'c', Red ^ 0x00FFFFFF}, {'g', Green}};
    EXPECT_EQ(AsLetters(s, colours), Rows({"..c..", ".rrr.", ".rrr.", "..r.."}));
    s.SetShape(QRegion());
    s.PaintLine(0, 1, 5, 1, Green);
    s.PaintRect(0, 0, 5, 4, Green, false);
    EXPECT_EQ(AsLetters(s, colours), Rows({"..c..", ".rrr.", ".rrr.", "..r.."}))
        << "a shape of no pixel paints none";
    s.Resize(5, 4);
    s.PaintLine(0, 0, 5, 0, Green);
    EXPECT_EQ(AsLetters(s, colours).substr(0, 5), "ggggg") << "a new size drops the shape";
}

TEST(DrawText, PaintsOnlyGlyphPixelsInOneColourInsideTheRectangle) {
    paint::Surface s(40, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) s.Put(x, y, (x + y) % 2 ? Face : White);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(14);
    const QRect rect(2, 2, 30, 10); // shorter than a line: the glyphs are cut at the bottom
    s.DrawText(rect, QStringLiteral("MW"), font, Qt::AlignHCenter | Qt::AlignTop, Red);
    int glyph = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const std::int32_t c = s.PixelAt(x, y);
            if (c == Red) {
                ++glyph;
                EXPECT_TRUE(rect.contains(x, y)) << x << "," << y;
            } else {
                EXPECT_EQ(c, (x + y) % 2 ? Face : White)
                    << "not a glyph pixel and changed at " << x << "," << y;
            }
        }
    EXPECT_GT(glyph, 10);
}

// The glyph pixels a face keeps for its captions must be those a painter draws straight onto the
// image, wherever the text lands, for every font and layout, and must not be mixed up between texts.
TEST(DrawText, RepeatedTextsMatchADirectRenderingAtEveryPlace) {
    QFont plain(QStringLiteral("DejaVu Sans"));
    plain.setPixelSize(12);
    QFont bold = plain;
    bold.setBold(true);
    struct Case {
        QString text;
        QFont font;
        int flags;
        QRect rect;
    };
    const Case cases[] = {
        {QStringLiteral("Load Rom..."), plain, Qt::AlignHCenter | Qt::AlignTop, QRect(3, 2, 70, 16)},
        {QStringLiteral("Load Rom..."), bold, Qt::AlignHCenter | Qt::AlignTop, QRect(3, 2, 70, 16)},
        {QStringLiteral("Load Rom..."), plain, Qt::AlignHCenter | Qt::AlignTop, QRect(4, 3, 70, 16)},
        {QStringLiteral("Save Rom"), plain, Qt::AlignLeft | Qt::TextWordWrap, QRect(1, 1, 30, 30)},
        {QStringLiteral("&Save"), plain, Qt::AlignRight | Qt::TextShowMnemonic, QRect(-5, 20, 40, 14)},
    };
    const QRegion shape = QRegion(0, 0, 80, 40).subtracted(QRegion(0, 0, 6, 6));
    paint::Surface s(80, 40);
    s.SetShape(shape);
    for (int round = 0; round < 2; ++round) // the second round draws every text from what was kept
        for (const Case& c : cases) {
            s.Clear(White);
            s.DrawText(c.rect, c.text, c.font, c.flags, Red);
            QImage expected(80, 40, QImage::Format_RGB32);
            expected.fill(ToQRgb(White));
            QFont aliased = c.font;
            aliased.setStyleStrategy(QFont::NoAntialias);
            QPainter painter(&expected);
            painter.setClipRegion(shape.intersected(c.rect));
            painter.setFont(aliased);
            painter.setPen(QColor::fromRgb(ToQRgb(Red)));
            painter.drawText(c.rect, c.flags, c.text);
            painter.end();
            EXPECT_EQ(s.Image(), expected) << c.text.toStdString() << " at " << c.rect.x() << ","
                                           << c.rect.y() << " bold " << c.font.bold() << ", round " << round;
        }
}

TEST(CopyFrom, CopiesTheOverlapUnchanged) {
    paint::Surface source = FromLetters({"rg", "bw"}, Colours);
    paint::Surface s = Blank(3, 3);
    s.CopyFrom(source);
    EXPECT_EQ(AsLetters(s, Colours), Rows({"rg.", "bw.", "..."}));
}

} // namespace
