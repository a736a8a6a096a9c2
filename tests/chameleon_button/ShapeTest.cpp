// The window shape and inner rectangle of each look, and the ellipse rows shared with the painting.

#include "ButtonTestSupport.h"

#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

using namespace button_test;

namespace {

int PixelCount(const QRegion& region) {
    int n = 0;
    for (const QRect& r : region) n += r.width() * r.height();
    return n;
}

// The region as rows of '#' (inside) and '.' (outside).
QStringList ShapeRows(const QRegion& region, int W, int H) {
    QStringList rows;
    for (int y = 0; y < H; ++y) {
        QString row;
        for (int x = 0; x < W; ++x) row += region.contains(QPoint(x, y)) ? u'#' : u'.';
        rows << row;
    }
    return rows;
}

} // namespace

TEST(BuildWindowShape, CutsTheCornersOfEachType) {
    const std::pair<std::int32_t, int> cases[] = {
        {1, 96},  {14, 96},  {5, 98},   {3, 88},   {4, 88},   {2, 100}, {6, 100},  {7, 100},  {8, 100},
        {9, 100}, {10, 100}, {11, 100}, {12, 100}, {15, 100}, {0, 100}, {16, 100}, {-1, 100}, {13, 80},
    };
    for (auto [type, pixels] : cases) EXPECT_EQ(PixelCount(BuildWindowShape(type, 10, 10)), pixels) << type;
}

TEST(BuildWindowShape, RemovesExactlyTheNamedCornerPixels) {
    EXPECT_EQ(ShapeRows(BuildWindowShape(3, 6, 6), 6, 6),
              QStringList({"..##..", ".####.", "######", "######", ".####.", "..##.."}));
    EXPECT_EQ(ShapeRows(BuildWindowShape(3, 5, 4), 5, 4), QStringList({"..#..", ".###.", ".###.", "..#.."}));
    EXPECT_EQ(ShapeRows(BuildWindowShape(1, 5, 3), 5, 3), QStringList({".###.", "#####", ".###."}));
    EXPECT_EQ(ShapeRows(BuildWindowShape(5, 5, 3), 5, 3), QStringList({"####.", "#####", ".####"}));
}

TEST(BuildWindowShape, CutsTinyFacesDownToNothing) {
    struct Case {
        std::int32_t type;
        int W, H;
        QStringList rows;
    };
    const Case cases[] = {
        {1, 1, 1, {"."}},
        {14, 1, 1, {"."}},
        {5, 1, 1, {"."}},
        {3, 1, 1, {"."}},
        {7, 1, 1, {"#"}},
        {1, 2, 2, {"..", ".."}},
        {3, 2, 2, {"..", ".."}},
        {4, 2, 2, {"..", ".."}},
        {5, 2, 2, {"#.", ".#"}},
        {3, 3, 1, {"..."}},
        {4, 3, 3, {"...", ".#.", "..."}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShapeRows(BuildWindowShape(c.type, c.W, c.H), c.W, c.H), c.rows)
            << "type " << c.type << " " << c.W << " x " << c.H;
}

// A shape without pixels leaves the whole window out: nothing of the button shows and the
// window that holds it gets the pointer (Qt would take an empty mask for none at all).
TEST(Resize, AShapeWithoutPixelsShowsNothing) {
    const SystemColourScope colours;
    for (auto [type, size] : {std::pair{3, 2}, {4, 2}, {1, 1}, {14, 2}}) {
        QWidget top;
        top.resize(40, 40);
        auto* b = new chameleonButton(&top);
        b->SetColorScheme(3);
        b->SetButtonType(type);
        b->setGeometry(10, 10, size, size);
        b->ResizeButton();
        top.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
        b->PaintButton(FaceUp, true);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                EXPECT_EQ(b->Face().PixelAt(x, y), 0x00C0C0C0) << "type " << type << " at " << x << "," << y;
                EXPECT_EQ(top.childAt(10 + x, 10 + y), nullptr) << "type " << type << " at " << x << "," << y;
            }
        b->setGeometry(10, 10, 6, 6); // a size with pixels left takes the pointer again
        b->ResizeButton();
        EXPECT_EQ(top.childAt(12, 12), b) << "type " << type;
    }
}

TEST(BuildWindowShape, MakesTheOvalTheInscribedEllipse) {
    EXPECT_EQ(ShapeRows(BuildWindowShape(13, 8, 6), 8, 6),
              QStringList({"..####..", ".######.", "########", "########", ".######.", "..####.."}));
}

TEST(EllipseSpans, StaysInsideItsRectangleAndIsSymmetric) {
    const std::tuple<int, int, int, int> boxes[] = {
        {0, 0, 1, 1}, {3, 4, 7, 5}, {-2, 1, 40, 17}, {0, 0, 33, 64}};
    for (auto [left, top, w, h] : boxes) {
        const auto spans = EllipseSpans(left, top, w, h);
        ASSERT_FALSE(spans.empty());
        int lastRow = top - 1;
        for (const Span& s : spans) {
            EXPECT_GT(s.y, lastRow);
            lastRow = s.y;
            EXPECT_GE(s.x0, left);
            EXPECT_LE(s.x1, left + w);
            EXPECT_EQ(s.x0 - left, left + w - s.x1) << "row " << s.y << " of " << w << " x " << h;
        }
        // Rows mirror top to bottom, and the middle row spans the full width.
        for (std::size_t i = 0; i < spans.size(); ++i) {
            const Span& a = spans[i];
            const Span& b = spans[spans.size() - 1 - i];
            EXPECT_EQ(a.y - top, top + h - 1 - b.y);
            EXPECT_EQ(a.x1 - a.x0, b.x1 - b.x0);
        }
        EXPECT_EQ(spans[spans.size() / 2].x1 - spans[spans.size() / 2].x0, w);
    }
    EXPECT_TRUE(EllipseSpans(0, 0, 0, 5).empty());
    EXPECT_TRUE(EllipseSpans(0, 0, 5, -1).empty());
}

TEST(InnerRect, InsetsTheClientRectangleByTheTypesMargin) {
    const std::pair<std::int32_t, ButtonRect> cases[] = {
        {14, {6, 6, 36, 16}}, {9, {3, 3, 37, 17}}, {7, {3, 3, 37, 17}},  {13, {3, 3, 37, 17}},
        {1, {4, 4, 36, 16}},  {6, {4, 4, 36, 16}}, {15, {4, 4, 36, 16}}, {0, {4, 4, 36, 16}},
    };
    for (auto [type, expected] : cases) {
        auto b = MakeButton(40, 20);
        b->SetButtonType(type);
        EXPECT_EQ(b->InnerRect, expected) << type;
    }
}

TEST(Resize, UpdatesSizeShapeAndLayoutAndPaintsOnlyWithAHeight) {
    auto b = MakeButton(10, 10);
    b->SetButtonType(3);
    EXPECT_EQ(PixelCount(b->WindowShape), 88);
    EXPECT_EQ(PixelCount(b->mask()), 88);

    const auto passes = b->PaintPasses;
    b->resize(20, 0);
    b->ResizeButton();
    EXPECT_EQ(b->ClientWidth, 20);
    EXPECT_EQ(b->ClientHeight, 0);
    EXPECT_EQ(b->PaintPasses, passes);

    b->resize(12, 8);
    b->ResizeButton();
    EXPECT_EQ(PixelCount(b->WindowShape), 96 - 12);
    EXPECT_EQ(b->PaintPasses, passes + 1);
    EXPECT_EQ(b->Face().Width(), 12);
    EXPECT_EQ(b->Face().Height(), 8);
}

TEST(Resize, DoesNothingDuringABackgroundCapture) {
    auto b = MakeButton(30, 20);
    b->InCapture = VbTrue;
    b->resize(50, 40);
    b->ResizeButton();
    EXPECT_EQ(b->ClientWidth, 30);
    EXPECT_EQ(b->ClientHeight, 20);
    b->InCapture = VbFalse;
}
