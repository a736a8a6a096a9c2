// The window's fields and list as the user works them: pasting into fields with a typing limit,
// the focus moves that do and do not clamp a number field, and clicks on the move list.

#include "EditorFixture.h"
#include "chameleon_button/chameleonButton.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

class Form1InputTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        OpenDemo();
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->List1->setCurrentRow(3);
    }

    void ClickRow(int row) {
        const QRect place = form->List1->visualItemRect(form->List1->item(row));
        QTest::mouseClick(form->List1->viewport(), Qt::LeftButton, {}, place.center());
    }
};

} // namespace

TEST_F(Form1InputTest, PastingKeepsTheFirstCharactersThatFit) {
    struct Case {
        QLineEdit* field;
        const char* before;
        int selectFrom, selectLength; // the cursor at selectFrom when nothing is selected
        const char* pasted;
        const char* after;
    };
    const Case cases[] = {
        {form->txtPower, "", 0, 0, "12345", "123"},
        {form->txtPower, "1", 1, 0, "2345", "123"},
        {form->txtPower, "13", 1, 0, "2999", "123"},   // into the middle: the text after the cursor stays
        {form->txtPower, "123", 3, 0, "4", "123"},     // no room: nothing is inserted
        {form->txtPower, "987", 0, 3, "12345", "123"}, // replacing the whole text
        {form->txtPP, "", 0, 0, "99x", "99"},
        {form->txtAcc, "5", 0, 1, "100", "100"},
        {form->txtEff, "", 0, 0, "7", "7"},
        {form->txtNewName, "", 0, 0, "ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKL"},
        {form->txtNewName, "ABCDEFGHIJKL", 3, 3, "xyz123",
         "ABCxyzGHIJKL"}, // room for what the selection held
    };
    for (const Case& c : cases) {
        for (bool byKeyboard : {false, true}) {
            const std::string name = c.field->objectName().toStdString() + " '" + c.before + "' + '" +
                                     c.pasted + (byKeyboard ? "' (keys)" : "' (paste)");
            c.field->setFocus();
            c.field->setText(QString::fromLatin1(c.before));
            if (c.selectLength > 0)
                c.field->setSelection(c.selectFrom, c.selectLength);
            else
                c.field->setCursorPosition(c.selectFrom);
            QGuiApplication::clipboard()->setText(QString::fromLatin1(c.pasted));
            if (byKeyboard)
                QTest::keyClick(c.field, Qt::Key_V, Qt::ControlModifier);
            else
                c.field->paste();
            EXPECT_EQ(c.field->text().toStdString(), c.after) << name;
        }
    }
}

TEST_F(Form1InputTest, ACharacterOfTwoUnitsCountsOnceAndIsNeverCutInHalf) {
    struct Case {
        const char* before;
        int selectFrom, selectLength; // in UTF-16 units; the cursor at selectFrom when nothing is selected
        const char* inserted;
        const char* after;
    };
    const Case cases[] = {
        {"ABCDEFGHIJK", 11, 0, "\U0001F600", "ABCDEFGHIJK\U0001F600"}, // the twelfth character
        {"ABCDEFGHIJK", 11, 0, "\U0001F600\U0001F600", "ABCDEFGHIJK\U0001F600"},
        {"ABCDEFGHIJK", 5, 0, "\U0001F600x", "ABCDE\U0001F600FGHIJK"},
        {"ABCDEFGHIJKL", 12, 0, "\U0001F600", "ABCDEFGHIJKL"},
        {"ABCDEFGHIJ\U0001F600", 12, 0, "XY", "ABCDEFGHIJ\U0001F600X"},
        // The new character shares its first unit with the one it replaces.
        {"ABCDEFGHIJK\U0001F600", 11, 2, "\U0001F601X", "ABCDEFGHIJK\U0001F601"},
    };
    enum class Way { paste, key, inputMethod };
    QLineEdit* name = form->txtNewName;
    for (const Case& c : cases) {
        for (Way way : {Way::paste, Way::key, Way::inputMethod}) {
            name->setFocus();
            name->setText(QString::fromUtf8(c.before));
            if (c.selectLength > 0)
                name->setSelection(c.selectFrom, c.selectLength);
            else
                name->setCursorPosition(c.selectFrom);
            const QString inserted = QString::fromUtf8(c.inserted);
            if (way == Way::paste) {
                QGuiApplication::clipboard()->setText(inserted);
                name->paste();
            } else if (way == Way::key) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, inserted);
                QApplication::sendEvent(name, &press);
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(inserted);
                QApplication::sendEvent(name, &commit);
            }
            EXPECT_EQ(name->text(), QString::fromUtf8(c.after))
                << c.before << " + " << c.inserted << " " << int(way);
        }
    }
}

TEST_F(Form1InputTest, AProgramTextLongerThanTheLimitTakesNoMoreButLetsCharactersGo) {
    form->List1->setCurrentRow(demo::DemoFullLengthNameMove);
    QLineEdit* name = form->txtNewName;
    ASSERT_EQ(name->text(), "Thunderspiral"); // 13 characters, one over the typing limit
    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, "X");
    QGuiApplication::clipboard()->setText(QStringLiteral("YZ"));
    name->paste();
    EXPECT_EQ(name->text(), "Thunderspiral");
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text(), "Thunderspira");
    QTest::keyClicks(name, "XY");
    EXPECT_EQ(name->text(), "Thunderspira");
    QTest::keyClick(name, Qt::Key_Backspace);
    QTest::keyClicks(name, "XY");
    EXPECT_EQ(name->text(), "ThunderspirX");
}

TEST_F(Form1InputTest, OnlyAMoveOfTheFocusWithinTheWindowClamps) {
    const std::pair<Qt::FocusReason, bool> reasons[] = {
        {Qt::MouseFocusReason, true},         {Qt::TabFocusReason, true},      {Qt::BacktabFocusReason, true},
        {Qt::ShortcutFocusReason, true},      {Qt::OtherFocusReason, true},    {Qt::PopupFocusReason, false},
        {Qt::ActiveWindowFocusReason, false}, {Qt::MenuBarFocusReason, false},
    };
    for (QLineEdit* field : {form->txtPower, form->txtAcc, form->txtPP, form->txtEff}) {
        for (auto [reason, clamps] : reasons) {
            field->setText(QStringLiteral("300"));
            QFocusEvent out(QEvent::FocusOut, reason);
            QApplication::sendEvent(field, &out);
            EXPECT_EQ(field->text(), clamps ? "255" : "300")
                << field->objectName().toStdString() << " " << reason;
        }
    }
}

TEST_F(Form1InputTest, AContextMenuOnAFieldDoesNotClampIt) {
    QLineEdit* power = form->txtPower;
    power->setFocus();
    power->setText(QStringLiteral("300"));
    QString textWhileOpen;
    bool menuSeen = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            menuSeen = true;
            textWhileOpen = power->text();
            menu->close();
        }
    });
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), power->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(power, &request);
    ASSERT_TRUE(QTest::qWaitFor([&] { return menuSeen && !QApplication::activePopupWidget(); }, 2000));
    EXPECT_EQ(textWhileOpen, "300");
    EXPECT_EQ(power->text(), "300");
    // Without a window manager the closed menu may leave no window active; the user clicks back in.
    if (!form->isActiveWindow()) {
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    EXPECT_EQ(QApplication::focusWidget(), power);
    EXPECT_EQ(power->text(), "300");

    // The real loss of focus comes when the user moves on to another field (a click on the list
    // would show the move again).
    QTest::mouseClick(form->txtAcc, Qt::LeftButton);
    EXPECT_EQ(power->text(), "255");
}

TEST_F(Form1InputTest, SwitchingToAnotherProgramDoesNotClamp) {
    QLineEdit* pp = form->txtPP;
    pp->setFocus();
    pp->setText(QStringLiteral("-5"));
    QWidget elsewhere;
    elsewhere.setGeometry(600, 100, 100, 100);
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    EXPECT_FALSE(form->isActiveWindow());
    EXPECT_EQ(pp->text(), "-5");

    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), pp); // the field kept the focus within the window
    EXPECT_EQ(pp->text(), "-5");
    form->txtAcc->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(pp->text(), "0");
}

TEST_F(Form1InputTest, AFieldFocusedWhenTheWindowWentInactiveIsClampedOnceTheFocusMovesOn) {
    // With no window manager a click into an inactive window moves its focus without a focus event;
    // the window may become active afterwards, or the click may reach Save first.
    for (bool clickSave : {false, true}) {
        QLineEdit* power = form->txtPower;
        power->setFocus();
        power->setText(QStringLiteral("300"));
        QWidget elsewhere;
        elsewhere.setGeometry(600, 100, 100, 100);
        elsewhere.show();
        QApplication::setActiveWindow(&elsewhere);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
        EXPECT_EQ(power->text(), "300");

        if (clickSave) {
            QTest::mouseClick(form->cmdSave, Qt::LeftButton, {}, QPoint(20, 20));
            const auto power = static_cast<std::size_t>(RecordOffset(3) + 1);
            EXPECT_EQ(Changed(image.bytes, RomBytes()), std::vector<std::size_t>{power});
            EXPECT_EQ(RomBytes()[power], 255);
            ASSERT_FALSE(dialogs.messages.empty());
            EXPECT_EQ(dialogs.messages.back().text, editor::SavedText);
        } else {
            form->List1->setFocus(Qt::MouseFocusReason);
            QApplication::setActiveWindow(form.get());
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
            EXPECT_EQ(QApplication::focusWidget(), form->List1);
        }
        EXPECT_EQ(power->text(), "255") << clickSave;
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
}

TEST_F(Form1InputTest, ASecondClickOnTheSelectedRowReadsTheMoveAgain) {
    const rom::MoveRecord& shown = image.records[3];
    form->txtNewName->setText(QStringLiteral("Edited"));
    form->txtPower->setText(QStringLiteral("77"));
    form->cmbType->setCurrentIndex(shown.type == 1 ? 2 : 1);
    auto bytes = RomBytes();
    bytes[static_cast<std::size_t>(RecordOffset(3) + 3)] = 42; // the accuracy, changed in the file meanwhile
    testing_support::WriteFileBytes(rom, bytes);

    ClickRow(3);
    EXPECT_EQ(form->List1->currentRow(), 3);
    EXPECT_EQ(form->txtNewName->text().toStdString(), image.names[3]);
    EXPECT_EQ(form->txtPower->text(), QString::number(shown.power));
    EXPECT_EQ(form->cmbType->currentIndex(), shown.type);
    EXPECT_EQ(form->txtAcc->text(), "42");

    // Another row shows that move, and coming back reads the ROM again: the edits are gone.
    ClickRow(4);
    EXPECT_EQ(form->txtPower->text(), QString::number(image.records[4].power));
    ClickRow(3);
    EXPECT_EQ(form->txtNewName->text().toStdString(), image.names[3]);
    EXPECT_EQ(form->txtPower->text(), QString::number(shown.power));
    EXPECT_EQ(form->cmbType->currentIndex(), shown.type);
}
