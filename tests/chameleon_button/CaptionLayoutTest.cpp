// Placing the caption and picture on the face, and finding the access key of a caption.

#include "ButtonTestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace button_test;

namespace {

// A button of 100 x 30 whose picture measures w x h pixels (a picture object is set so that it is
// placed; its size is given directly).
std::unique_ptr<chameleonButton> WithPicture(int w, int h, std::int32_t position, const QString& caption) {
    auto b = MakeButton(100, 30);
    b->PictureNormal = Picture::FromImage(QImage(w, h, QImage::Format_ARGB32), Picture::Kind::Bitmap);
    b->PictureWidth = w;
    b->PictureHeight = h;
    b->PicturePosition = position;
    b->Caption = caption;
    b->LayoutCaption();
    return b;
}

} // namespace

TEST(LayoutCaption, CentresTheCaptionBesideThePicture) {
    struct Case {
        int pictureSize;
        std::int32_t position;
        ButtonRect caption;
        int pictureLeft, pictureTop;
    };
    // "Open" measures 24 x 13 in the fixed font.
    const Case cases[] = {
        {0, 0, {38, 9, 62, 22}, 34, 15},   {16, 0, {46, 9, 70, 22}, 26, 7},   {16, 1, {28, 9, 52, 22}, 56, 7},
        {16, 2, {38, 17, 62, 30}, 42, -1}, {16, 3, {38, -1, 62, 12}, 42, 14}, {16, 4, {38, 9, 62, 22}, 42, 7},
    };
    for (const Case& c : cases) {
        auto b = WithPicture(c.pictureSize, c.pictureSize, c.position, QStringLiteral("Open"));
        EXPECT_EQ(b->CaptionRect, c.caption) << "position " << c.position << " picture " << c.pictureSize;
        EXPECT_EQ(b->CaptionRectDown, (ButtonRect{c.caption.left + 1, c.caption.top + 1, c.caption.right + 1,
                                                  c.caption.bottom + 1}));
        EXPECT_EQ(b->CaptionWidth, 24);
        EXPECT_EQ(b->CaptionHeight, 13);
        EXPECT_EQ(b->PictureLeft, c.pictureLeft) << "position " << c.position;
        EXPECT_EQ(b->PictureTop, c.pictureTop) << "position " << c.position;
    }
}

TEST(LayoutCaption, CentresThePictureWhenTheCaptionIsBlank) {
    for (const char* caption : {"", " ", "   "}) {
        auto b = WithPicture(16, 10, 0, QString::fromLatin1(caption));
        EXPECT_EQ(b->PictureLeft, 42) << '"' << caption << '"';
        EXPECT_EQ(b->PictureTop, 10) << '"' << caption << '"';
    }
}

TEST(LayoutCaption, WrapsBetweenWordsInANarrowButton) {
    auto b = MakeButton(40, 60);
    b->SetCaption(QStringLiteral("one two three"));
    // Working width 37: "one two" (42) does not fit, so each word takes a line.
    EXPECT_EQ(b->CaptionWidth, 30);
    EXPECT_EQ(b->CaptionHeight, 3 * FixedMetrics::LineHeight);
    EXPECT_EQ(b->CaptionRect, (ButtonRect{5, 11, 35, 50}));
}

TEST(LayoutCaption, KeepsDriftingWithAPositionOutsideTheTable) {
    auto b = MakeButton(100, 30);
    b->SetCaption(QStringLiteral("Open"));
    const ButtonRect first = b->CaptionRect;
    b->PicturePosition = 9;
    b->LayoutCaption();
    EXPECT_EQ(b->CaptionRect, (ButtonRect{first.left + 1, first.top + 1, first.right + 1, first.bottom + 1}));
    b->LayoutCaption();
    EXPECT_EQ(b->CaptionRect, (ButtonRect{first.left + 2, first.top + 2, first.right + 2, first.bottom + 2}));
    EXPECT_EQ(b->CaptionRectDown.left, b->CaptionRect.left + 1);
}

TEST(QtTextMetrics, MeasuresLinesOfTheFontAndSkipsAccessMarks) {
    const QtTextMetrics metrics;
    const QFont font(QStringLiteral("Sans"), 10);
    EXPECT_EQ(metrics.Measure(QStringLiteral("&Open"), font, 500),
              metrics.Measure(QStringLiteral("Open"), font, 500));
    EXPECT_EQ(metrics.Measure(QString(), font, 500), QSize(0, 0));
    const QSize line = metrics.Measure(QStringLiteral("Save"), font, 500);
    const QSize wrapped = metrics.Measure(QStringLiteral("Save Save Save"), font, line.width() + 2);
    EXPECT_GE(wrapped.height(), 3 * line.height() - 2);
    EXPECT_LE(wrapped.width(), line.width() + 2);
    // A word wider than the space keeps its whole width.
    EXPECT_GT(metrics.Measure(QStringLiteral("Supercalifragilistic"), font, 10).width(), 10);
}

TEST(ParseAccessKey, FindsTheLetterAfterTheFirstSingleAmpersand) {
    const std::pair<const char*, const char*> cases[] = {
        {"&Open", "o"}, {"Save &As", "a"}, {"Fish && &Chips", "c"}, {"A && B", ""}, {"Copy&", ""},
        {"&", ""},      {"a&&b&&c&d", ""}, {"x&&&y", "y"},          {"&&&", ""},    {"", ""},
        {"Open", ""},   {"&&", ""},        {"&1st", "1"},           {"Q&", ""},     {"&&Ok &Go", "g"},
    };
    for (auto [caption, key] : cases) {
        auto b = MakeButton();
        b->SetCaption(QString::fromLatin1(caption));
        EXPECT_EQ(b->AccessKeys(), QString::fromLatin1(key)) << caption;
    }
    auto b = MakeButton();
    b->SetCaption(QStringLiteral("&\u00C4rger"));
    EXPECT_EQ(b->AccessKeys(), QStringLiteral("\u00E4"));
}
