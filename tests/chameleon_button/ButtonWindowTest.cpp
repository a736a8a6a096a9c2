// Showing and hiding a button, the captured parent background of the see-through look, and the
// host's ambient information.

#include "ButtonTestSupport.h"

#include <QPalette>
#include <QTest>
#include <gtest/gtest.h>

using namespace button_test;

namespace {

// A window filled with one colour, with a second colour in a block at (40, 10, 20, 20).
class Backdrop : public QWidget {
  public:
    Backdrop() {
        setGeometry(100, 100, 200, 80);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(0x20, 0x40, 0x60));
        setPalette(p);
        block = new QWidget(this);
        block->setGeometry(40, 10, 20, 20);
        block->setAutoFillBackground(true);
        QPalette q = block->palette();
        q.setColor(QPalette::Window, QColor(0xF0, 0x10, 0x10));
        block->setPalette(q);
    }
    // The button sits at x 30..79, y 5..34, over part of the block.
    chameleonButton* AddButton() {
        auto* b = new chameleonButton(this);
        b->setGeometry(30, 5, 50, 30);
        return b;
    }
    QWidget* block;
};

constexpr Colour Ground = 0x00604020, Block = 0x001010F0;

class ProbeAmbient : public ButtonAmbient {
  public:
    bool DisplayAsDefault() const override { return isDefault; }
    QString DisplayName() const override { return QStringLiteral("chameleonButton1"); }
    QFont Font() const override { return QFont(QStringLiteral("Serif"), 15); }
    bool isDefault = false;
};

} // namespace

TEST(ButtonWindow, ShowEnablesPaintingAndHideStopsIt) {
    const SystemColourScope colours;
    QWidget top;
    top.resize(200, 80);
    auto* b = new chameleonButton(&top);
    b->setGeometry(10, 10, 100, 30);
    b->ColorScheme = 3; // as if read from stored settings: not derived until Show
    top.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
    EXPECT_EQ(b->PaintEnabled, VbTrue);
    EXPECT_EQ(b->FaceColor, 0x00C0C0C0);
    EXPECT_EQ(b->ClientWidth, 100);
    EXPECT_EQ(b->ClientHeight, 30);
    EXPECT_GT(b->PaintPasses, 0u);
    b->hide();
    EXPECT_EQ(b->PaintEnabled, VbFalse);
    const auto passes = b->PaintPasses;
    b->SetCaption(QStringLiteral("Hidden"));
    EXPECT_EQ(b->PaintPasses, passes);
    b->show();
    EXPECT_EQ(b->PaintEnabled, VbTrue);
    EXPECT_EQ(b->LastCaption, QStringLiteral("Hidden"));
}

TEST(ButtonWindow, CapturesTheParentBehindASeeThroughButton) {
    Backdrop top;
    chameleonButton* b = top.AddButton();
    b->SetButtonType(11);
    top.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
    ASSERT_TRUE(b->HasBackDC);
    EXPECT_EQ(b->BackDC.Width(), 50);
    EXPECT_EQ(b->BackDC.Height(), 30);
    // The block covers x 40..59, y 10..29 of the parent: x 10..29, y 5..24 of the button.
    const std::tuple<int, int, Colour> probes[] = {{0, 0, Ground},  {9, 5, Ground},   {10, 5, Block},
                                                   {29, 24, Block}, {30, 24, Ground}, {10, 25, Ground},
                                                   {49, 29, Ground}};
    for (auto [x, y, colour] : probes) EXPECT_EQ(b->BackDC.PixelAt(x, y), colour) << x << "," << y;
    EXPECT_EQ(b->height(), 30);
    EXPECT_EQ(b->InCapture, VbFalse);
    EXPECT_EQ(b->ClientHeight, 30);

    // A later capture shows the parent as it is then.
    top.block->move(0, 0);
    b->Refresh();
    EXPECT_EQ(b->BackDC.PixelAt(10, 5), Ground);
}

TEST(ButtonWindow, KeepsTheFirstSizeOfTheCapturedBackground) {
    Backdrop top;
    chameleonButton* b = top.AddButton();
    b->SetButtonType(11);
    top.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
    b->resize(80, 40);
    b->Refresh();
    EXPECT_EQ(b->BackDC.Width(), 50);
    EXPECT_EQ(b->BackDC.Height(), 30);
    EXPECT_EQ(b->ClientWidth, 80);
}

TEST(ButtonWindow, SeeThroughSetAfterShowHasNoBackgroundUntilShownAgain) {
    Backdrop top;
    chameleonButton* b = top.AddButton();
    top.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
    b->SetButtonType(11);
    EXPECT_FALSE(b->HasBackDC);
    EXPECT_EQ(b->BackDC.Width(), 0);
    b->hide();
    b->show();
    EXPECT_TRUE(b->HasBackDC);
    EXPECT_EQ(b->BackDC.PixelAt(10, 5), Block);
}

TEST(ButtonWindow, TakesCaptionFontAndDefaultFromTheAmbient) {
    ProbeAmbient ambient;
    chameleonButton b(nullptr, &ambient);
    EXPECT_EQ(b.Caption, QStringLiteral("chameleonButton1"));
    EXPECT_EQ(b.font().family(), QStringLiteral("Serif"));
    EXPECT_EQ(b.ButtonType, 2);
    EXPECT_EQ(b.BackColor, b.FaceColor);
    EXPECT_EQ(b.ForeOver, b.TextColor);
    EXPECT_EQ(b.MaskColor, 0x00C0C0C0);
    EXPECT_EQ(b.AccessKeys(), QString()); // a new button's caption is not parsed
    EXPECT_FALSE(b.DisplayAsDefault());
    ambient.isDefault = true;
    EXPECT_TRUE(b.DisplayAsDefault()); // asked afresh at each use
}

TEST(ButtonWindow, RereadsTheSystemColoursAtAnAmbientChange) {
    system_colors::Table table = FixedSystemColours();
    system_colors::Override(table);
    auto b = MakeButton();
    b->ResolvePalette();
    EXPECT_EQ(b->FaceColor, 0x00C8D0D4);
    table[system_colors::COLOR_BTNFACE] = 0x00010203;
    system_colors::Override(table);
    EXPECT_EQ(b->FaceColor, 0x00C8D0D4); // a snapshot until the next derivation
    const auto passes = b->PaintPasses;
    ProbeAmbient ambient;
    b->SetAmbient(&ambient);
    EXPECT_EQ(b->FaceColor, 0x00010203);
    EXPECT_EQ(b->PaintPasses, passes + 1);
    system_colors::Reset();
}
