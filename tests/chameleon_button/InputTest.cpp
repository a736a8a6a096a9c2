// The mouse, keyboard, focus and hover handling of a shown button, driven through the window
// system as a user would, and the events the hosting window sees.

#include "ShownButtons.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QTest>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace button_test;

namespace {

class InputTest : public ShownButtons {
  protected:
    void SetUp() override {
        ShownButtons::SetUp();
        if (HasFatalFailure()) return;
        Record(button);
    }

    void Record(chameleonButton* b) {
        const auto mouse = [this](const char* name) {
            return [this, name](std::int16_t& Button, std::int16_t&, float& X, float& Y) {
                log << QStringLiteral("%1(%2)").arg(QString::fromLatin1(name)).arg(Button);
                lastX = X, lastY = Y;
            };
        };
        QObject::connect(b, &chameleonButton::MouseDown, &top, mouse("MouseDown"));
        QObject::connect(b, &chameleonButton::MouseMove, &top, mouse("MouseMove"));
        QObject::connect(b, &chameleonButton::MouseUp, &top, mouse("MouseUp"));
        QObject::connect(b, &chameleonButton::Click, &top, [this] { log << QStringLiteral("Click"); });
        QObject::connect(b, &chameleonButton::MouseOver, &top,
                         [this] { log << QStringLiteral("MouseOver"); });
        QObject::connect(b, &chameleonButton::MouseOut, &top, [this] { log << QStringLiteral("MouseOut"); });
        QObject::connect(b, &chameleonButton::KeyDown, &top, [this](std::int16_t& KeyCode, std::int16_t&) {
            log << QStringLiteral("KeyDown(%1)").arg(KeyCode);
            if (zeroKeyCode) KeyCode = 0;
        });
        QObject::connect(b, &chameleonButton::KeyPress, &top, [this](std::int16_t& KeyAscii) {
            log << QStringLiteral("KeyPress(%1)").arg(KeyAscii);
        });
        QObject::connect(b, &chameleonButton::KeyUp, &top, [this](std::int16_t& KeyCode, std::int16_t&) {
            log << QStringLiteral("KeyUp(%1)").arg(KeyCode);
        });
    }

    // Moves the cursor to a point of the button (or beyond it) and tells the window about it.
    void MoveTo(QPoint local) {
        QCursor::setPos(button->mapToGlobal(local));
        QTest::mouseMove(top.windowHandle(), button->mapTo(&top, local));
    }
    void Press(Qt::MouseButton b, QPoint local = {50, 15}) {
        QTest::mousePress(top.windowHandle(), b, {}, button->mapTo(&top, local));
    }
    void Release(Qt::MouseButton b, QPoint local = {50, 15}) {
        QTest::mouseRelease(top.windowHandle(), b, {}, button->mapTo(&top, local));
    }
    QStringList Take() { return std::exchange(log, {}); }

    QStringList log;
    float lastX = -1, lastY = -1;
    bool zeroKeyCode = false;
};

const QPoint Inside{50, 15};
const QPoint Outside{50, 60};

} // namespace

TEST_F(InputTest, EntersOnceAndLeavesAtTheNextTimerTick) {
    MoveTo(Inside);
    const auto passes = button->PaintPasses;
    MoveTo(Inside + QPoint(3, 1));
    EXPECT_EQ(Take(), QStringList({"MouseMove(0)", "MouseOver", "MouseMove(0)"}));
    EXPECT_EQ(button->IsOver, VbTrue);
    EXPECT_TRUE(button->OverTimer.isActive());
    EXPECT_EQ(button->OverTimer.interval(), 3);
    EXPECT_EQ(button->PaintPasses, passes); // a further move over the button paints nothing

    // No mouse notification reaches the button when the cursor jumps away: the timer notices.
    QCursor::setPos(top.mapToGlobal(QPoint(5, 100)));
    EXPECT_TRUE(QTest::qWaitFor([this] { return button->IsOver == VbFalse; }, 1000));
    EXPECT_EQ(Take(), QStringList({"MouseOut"}));
    EXPECT_FALSE(button->OverTimer.isActive());
    EXPECT_EQ(button->LastFaceState, FaceUp);
}

TEST_F(InputTest, ClicksWithTheLeftButtonOnly) {
    MoveTo(Inside);
    Press(Qt::LeftButton);
    EXPECT_EQ(button->LastFaceState, FaceDown);
    EXPECT_EQ(button->LastMouseButton, 1);
    Release(Qt::LeftButton);
    EXPECT_EQ(button->LastFaceState, FaceUp);
    EXPECT_EQ(Take(), QStringList({"MouseMove(0)", "MouseOver", "MouseDown(1)", "MouseUp(1)", "Click"}));
    EXPECT_FLOAT_EQ(lastX, 50);
    EXPECT_FLOAT_EQ(lastY, 15);

    Press(Qt::RightButton);
    EXPECT_EQ(button->LastFaceState, FaceUp);
    Release(Qt::RightButton);
    EXPECT_EQ(Take(), QStringList({"MouseDown(2)", "MouseUp(2)"}));

    Press(Qt::MiddleButton);
    EXPECT_EQ(button->LastFaceState, FaceDown);
    Release(Qt::MiddleButton);
    EXPECT_EQ(button->LastFaceState, FaceUp);
    EXPECT_EQ(Take(), QStringList({"MouseDown(4)", "MouseUp(4)"}));
}

TEST_F(InputTest, FollowsADragOffTheButtonAndBack) {
    MoveTo(Inside);
    Press(Qt::LeftButton);
    MoveTo(Outside);
    EXPECT_EQ(button->LastFaceState, FaceUp);
    // The hover timer notices the cursor left even while the mouse is held; wait for that tick so the
    // order of events does not depend on how busy the machine is.
    EXPECT_TRUE(QTest::qWaitFor([this] { return button->IsOver == VbFalse; }, 1000));
    EXPECT_FALSE(button->OverTimer.isActive());
    MoveTo(Inside);
    EXPECT_EQ(button->LastFaceState, FaceDown);
    EXPECT_EQ(button->IsOver, VbFalse);
    EXPECT_FALSE(button->OverTimer.isActive()); // a drag back over the button does not hover
    Release(Qt::LeftButton);
    EXPECT_EQ(Take(), QStringList({"MouseMove(0)", "MouseOver", "MouseDown(1)", "MouseMove(1)", "MouseOut",
                                   "MouseMove(1)", "MouseUp(1)", "Click"}));
    // The drag left IsOver False, so the next plain move enters again without leaving first.
    MoveTo(Inside + QPoint(1, 0));
    EXPECT_EQ(Take(), QStringList({"MouseMove(0)", "MouseOver"}));
}

TEST_F(InputTest, ReleasingOffTheButtonDoesNotClick) {
    MoveTo(Inside);
    Press(Qt::LeftButton);
    MoveTo(Outside);
    Release(Qt::LeftButton, Outside);
    EXPECT_FALSE(Take().contains(QStringLiteral("Click")));
}

TEST_F(InputTest, GivesOneClickForADoubleClick) {
    MoveTo(Inside);
    Take();
    QTest::mouseDClick(top.windowHandle(), Qt::LeftButton, {}, button->mapTo(&top, Inside));
    EXPECT_EQ(Take(), QStringList({"MouseDown(1)", "MouseUp(1)", "Click", "MouseDown(1)", "MouseUp(1)"}));
    EXPECT_EQ(button->LastFaceState, FaceUp);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(InputTest, TheSecondPressOfADoubleClickIsAtZeroAndCapturesTheMouse) {
    float downX = -1, downY = -1;
    QObject::connect(button, &chameleonButton::MouseDown, &top,
                     [&](std::int16_t&, std::int16_t&, float& X, float& Y) { downX = X, downY = Y; });
    button->LastMouseButton = 1;
    button->HandleDoubleClick();
    EXPECT_FLOAT_EQ(downX, 0);
    EXPECT_FLOAT_EQ(downY, 0);
    EXPECT_EQ(button->LastFaceState, FaceDown);
    EXPECT_EQ(QWidget::mouseGrabber(), button);
    button->releaseMouse();
    // After a press of another button the double click does nothing.
    button->LastMouseButton = 2;
    downX = -1;
    button->HandleDoubleClick();
    EXPECT_FLOAT_EQ(downX, -1);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(InputTest, PressesWithTheSpaceBar) {
    button->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return button->HasFocus == VbTrue; }, 1000));
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_EQ(button->LastFaceState, FaceDown);
    QTest::keyRelease(button, Qt::Key_Space);
    // The release clicks a moment later: it might yet have been an auto-repeat.
    ASSERT_TRUE(QTest::qWaitFor([this] { return log.contains(QStringLiteral("Click")); }, 1000));
    EXPECT_EQ(button->LastFaceState, FaceUp);
    EXPECT_EQ(Take(), QStringList({"KeyDown(32)", "KeyPress(32)", "KeyUp(32)", "Click"}));

    // Enter and Escape pass through the key handlers without effect.
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Escape);
    EXPECT_EQ(Take(), QStringList({"KeyDown(13)", "KeyPress(13)", "KeyUp(13)", "KeyDown(27)", "KeyPress(27)",
                                   "KeyUp(27)"}));
    EXPECT_EQ(button->LastFaceState, FaceUp);
}

TEST_F(InputTest, AKeyDownHandlerClearingTheKeyCodeSuppressesThePress) {
    button->setFocus();
    zeroKeyCode = true;
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_EQ(button->LastFaceState, FaceUp);
    EXPECT_EQ(button->LastKeyCode, 0);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(Take(), QStringList({"KeyDown(32)", "KeyPress(32)", "KeyUp(32)"}));
}

TEST_F(InputTest, ArrowsMoveTheFocusAndNothingElse) {
    button->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return button->hasFocus(); }, 1000));
    const std::pair<Qt::Key, chameleonButton*> steps[] = {
        {Qt::Key_Right, other}, {Qt::Key_Left, button}, {Qt::Key_Down, other}, {Qt::Key_Up, button}};
    for (auto [key, expected] : steps) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(QApplication::focusWidget(), expected) << key;
    }
    EXPECT_EQ(button->LastFaceState, FaceUp);
    EXPECT_EQ(button->Value, VbFalse);
    EXPECT_EQ(button->HasFocus, VbTrue);
    EXPECT_EQ(other->HasFocus, VbFalse);
}

TEST_F(InputTest, ClicksFromTheAccessKey) {
    button->SetCaption(QStringLiteral("&Open"));
    Take();
    QTest::keyClick(&top, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(Take(), QStringList({"Click"}));
    EXPECT_EQ(button->LastMouseButton, 1);
    button->SetCaption(QStringLiteral("Open"));
    QTest::keyClick(&top, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(Take().isEmpty());
}

TEST_F(InputTest, TogglesTheValueAsACheckBox) {
    button->SetCheckBoxBehaviour(VbTrue);
    button->SetCaption(QStringLiteral("&Mark"));
    MoveTo(Inside);
    Press(Qt::LeftButton);
    Release(Qt::LeftButton);
    EXPECT_EQ(button->Value, VbTrue);
    EXPECT_EQ(button->LastFaceState, FaceDown); // the pressed look stays while checked
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([this] { return log.count(QStringLiteral("Click")) == 2; }, 1000));
    EXPECT_EQ(button->Value, VbFalse);
    EXPECT_EQ(button->LastFaceState, FaceUp);
    QTest::keyClick(&top, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(button->Value, VbTrue);
    EXPECT_EQ(Take().count(QStringLiteral("Click")), 3);
}

TEST_F(InputTest, ADisabledButtonTakesNoInput) {
    button->SetEnabled(VbFalse);
    MoveTo(Inside);
    Press(Qt::LeftButton);
    Release(Qt::LeftButton);
    EXPECT_TRUE(Take().isEmpty());
    button->LastMouseButton = 1;
    button->HandleClick();
    EXPECT_TRUE(Take().isEmpty());
}

TEST_F(InputTest, CountsOnlyTheWindowShapeAsOverTheButton) {
    button->SetButtonType(13);
    QCursor::setPos(button->mapToGlobal(QPoint(1, 1))); // outside the ellipse
    EXPECT_FALSE(button->IsCursorOverButton());
    QCursor::setPos(button->mapToGlobal(QPoint(50, 15)));
    EXPECT_TRUE(button->IsCursorOverButton());
    button->SetButtonType(3);
    QCursor::setPos(button->mapToGlobal(QPoint(0, 0))); // a cut corner
    EXPECT_FALSE(button->IsCursorOverButton());
    QCursor::setPos(button->mapToGlobal(QPoint(2, 0)));
    EXPECT_TRUE(button->IsCursorOverButton());
    // A window covering the button hides it from the cursor.
    QWidget cover(&top);
    cover.setGeometry(20, 20, 30, 30);
    cover.show();
    QCursor::setPos(button->mapToGlobal(QPoint(10, 10)));
    EXPECT_FALSE(button->IsCursorOverButton());
}

TEST_F(InputTest, IgnoresTheBackAndForwardButtons) {
    MoveTo(Inside);
    Take();
    const auto passes = button->PaintPasses;
    for (Qt::MouseButton b : {Qt::BackButton, Qt::ForwardButton}) {
        Press(b);
        EXPECT_EQ(button->LastFaceState, FaceUp) << b;
        Release(b);
        QTest::mouseDClick(top.windowHandle(), b, {}, button->mapTo(&top, Inside));
    }
    EXPECT_TRUE(Take().isEmpty());
    EXPECT_EQ(button->PaintPasses, passes);
    // The last press of a known button still decides whether a click counts.
    EXPECT_EQ(button->LastMouseButton, 0);
}

TEST_F(InputTest, ADisabledButtonUnderTheCursorIsLeft) {
    // Custom colours: the hovered face takes its whole palette from BackOver.
    button->SetColorScheme(2);
    button->SetBackColor(Rgb(200, 200, 200));
    button->SetBackOver(Rgb(255, 0, 0));
    const QPoint face{50, 5};
    MoveTo(Inside);
    ASSERT_EQ(button->IsOver, VbTrue);
    ASSERT_EQ(button->Face().PixelAt(face.x(), face.y()), Rgb(255, 0, 0));
    Take();

    button->SetEnabled(VbFalse);
    EXPECT_TRUE(QTest::qWaitFor([this] { return button->IsOver == VbFalse; }, 1000));
    EXPECT_EQ(Take(), QStringList({"MouseOut"}));
    EXPECT_FALSE(button->OverTimer.isActive());
    EXPECT_FALSE(button->IsCursorOverButton());
    EXPECT_EQ(button->Face().PixelAt(face.x(), face.y()), button->FaceColor);
    EXPECT_NE(button->FaceColor, Rgb(255, 0, 0));

    // Enabled again under the cursor, the next move enters once more.
    button->SetEnabled(VbTrue);
    MoveTo(Inside + QPoint(1, 0));
    EXPECT_EQ(Take(), QStringList({"MouseMove(0)", "MouseOver"}));
}

TEST_F(InputTest, DisablingTheButtonEndsItsHoldOnTheMouse) {
    // The host disables the button on the second press of a double click, the one at (0, 0).
    const auto disabler = QObject::connect(button, &chameleonButton::MouseDown, &top,
                                           [this](std::int16_t&, std::int16_t&, float& X, float& Y) {
                                               if (X == 0 && Y == 0) button->SetEnabled(VbFalse);
                                           });
    int otherClicks = 0;
    QObject::connect(other, &chameleonButton::Click, &top, [&otherClicks] { ++otherClicks; });
    MoveTo(Inside);
    QTest::mouseDClick(top.windowHandle(), Qt::LeftButton, {}, button->mapTo(&top, Inside));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::mouseClick(top.windowHandle(), Qt::LeftButton, {}, other->mapTo(&top, QPoint(50, 15)));
    EXPECT_EQ(otherClicks, 1) << "the next click goes where it is made";
    QObject::disconnect(disabler);

    // However the window is disabled while it holds the mouse, the hold ends with it.
    const std::function<void()> disables[] = {[this] { button->SetEnabled(VbFalse); },
                                              [this] { button->setEnabled(false); },
                                              [this] { top.setEnabled(false); }};
    for (const auto& disable : disables) {
        button->SetEnabled(VbTrue);
        top.setEnabled(true);
        button->LastMouseButton = 1;
        button->HandleDoubleClick();
        ASSERT_EQ(QWidget::mouseGrabber(), button);
        disable();
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    }
}

TEST_F(InputTest, HoldingTheSpaceBarClicksOnceHoweverOftenTheKeyRepeats) {
    struct Step {
        QEvent::Type type;
        ulong time;
        bool flaggedRepeat = false;
    };
    constexpr auto Down = QEvent::KeyPress, Up = QEvent::KeyRelease;
    struct Case {
        const char* name;
        std::vector<Step> steps;
        int clicks;
    };
    const Case cases[] = {
        // On X11 a repeat is a release and a press with the same timestamp, without the repeat flag.
        {"repeats as release and press",
         {{Down, 1000}, {Up, 1500}, {Down, 1500}, {Up, 1533}, {Down, 1533}, {Up, 1700}},
         1},
        {"flagged repeats",
         {{Down, 2000}, {Up, 2500, true}, {Down, 2500, true}, {Down, 2533, true}, {Up, 2700}},
         1},
        {"two taps", {{Down, 3000}, {Up, 3100}, {Down, 3300}, {Up, 3400}}, 2},
    };
    button->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return button->hasFocus(); }, 1000));
    for (const Case& c : cases) {
        Take();
        for (const Step& s : c.steps) {
            QKeyEvent e(s.type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), s.flaggedRepeat);
            e.setTimestamp(s.time);
            QApplication::sendEvent(button, &e);
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return log.count(QStringLiteral("Click")) >= c.clicks; }, 1000))
            << c.name;
        QTest::qWait(50);
        const QStringList seen = Take();
        EXPECT_EQ(seen.count(QStringLiteral("Click")), c.clicks) << c.name;
        EXPECT_EQ(seen.count(QStringLiteral("KeyUp(32)")), c.clicks) << c.name;
        EXPECT_EQ(button->LastFaceState, FaceUp) << c.name;
    }
}
