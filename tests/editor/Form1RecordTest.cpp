// The rest of each record in the window: priority, the six flags and bytes 9 to 11, below the
// specified window, edited through the controls the user works and saved with the move.

#include "EditorFixture.h"

#include "chameleon_button/chameleonButton.h"
#include "editor/WindowLayout.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>

namespace {

class Form1RecordTest : public ShownEditorTest {
  protected:
    void ClickMore() { QTest::mouseClick(form->cmdMore, Qt::LeftButton, {}, QPoint(16, 9)); }

    // Replaces a field's text as the user does: select all, type, then move on with Tab.
    static void Type(QLineEdit* field, const char* text) {
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(text));
        QTest::keyClick(field, Qt::Key_Tab);
    }

    std::vector<QLineEdit*> RestFields() const {
        return {form->txtPriority, form->txtPadding[0], form->txtPadding[1], form->txtPadding[2]};
    }
};

} // namespace

TEST_F(Form1RecordTest, MoreGrowsTheWindowBelowTheSpecifiedControlsAndBackAgain) {
    const std::pair<const char*, QRect> specified[] = {
        {"List1", {8, 8, 217, 160}},     {"Label1", {240, 8, 49, 17}},    {"txtNewName", {280, 8, 137, 19}},
        {"Frame5", {240, 32, 49, 41}},   {"Frame6", {296, 32, 161, 41}},  {"Frame1", {240, 80, 49, 41}},
        {"Frame3", {296, 80, 161, 41}},  {"Frame7", {240, 128, 49, 41}},  {"Frame4", {296, 128, 49, 41}},
        {"Frame2", {352, 128, 105, 41}}, {"cmdOpen", {8, 176, 217, 41}},  {"cmdSave", {240, 176, 217, 41}},
        {"cmbTarget", {8, 16, 145, 21}}, {"cmbEffect", {8, 16, 145, 21}}, {"cmbType", {8, 16, 89, 21}},
    };
    const auto checkSpecified = [&](const char* state) {
        for (const auto& [name, place] : specified)
            EXPECT_EQ(form->findChild<QWidget*>(name)->geometry(), place) << name << " " << state;
    };
    EXPECT_EQ(form->size(), QSize(465, 225));
    EXPECT_FALSE(form->Frame8->isVisible());
    ClickMore();
    EXPECT_EQ(form->size(), QSize(465, editor::GrownWindowHeight));
    EXPECT_NE(form->cmdMore->Value, 0);
    for (QWidget* part : {static_cast<QWidget*>(form->Frame8), static_cast<QWidget*>(form->Frame9),
                          static_cast<QWidget*>(form->Frame10), static_cast<QWidget*>(form->cmdUndo)}) {
        EXPECT_TRUE(part->isVisible()) << part->objectName().toStdString();
        EXPECT_GE(part->mapTo(form.get(), QPoint(0, 0)).y(), 225) << part->objectName().toStdString();
    }
    checkSpecified("grown");
    ClickMore();
    EXPECT_EQ(form->size(), QSize(465, 225));
    EXPECT_FALSE(form->Frame9->isVisible());
    checkSpecified("shrunk");
}

TEST_F(Form1RecordTest, TheNewControlsFollowTheSpecifiedOnesInTheTabOrder) {
    OpenDemo(); // a ROM with descriptions
    const auto order = [this] {
        std::vector<std::string> names;
        QWidget* w = form->List1;
        do {
            if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus))
                names.push_back(w->objectName().toStdString());
            w = w->nextInFocusChain();
        } while (w != form->List1);
        return names;
    };
    const std::vector<std::string> specified = {"List1",    "txtNewName", "txtPP",   "cmbTarget",
                                                "txtPower", "cmbEffect",  "txtEff",  "txtAcc",
                                                "cmbType",  "cmdOpen",    "cmdSave", "cmdMore"};
    EXPECT_EQ(order(), specified);
    form->ShowWholeRecord(true);
    std::vector<std::string> expected = specified;
    for (const char* name : {"tabMore", "qt_tabwidget_tabbar", "chkFlag0", "chkFlag1", "chkFlag2", "chkFlag3",
                             "chkFlag4", "chkFlag5", "txtPriority", "txtByte9", "txtByte10", "txtByte11",
                             "cmdUndo", "cmdRedo", "cmdExportPatch"})
        expected.push_back(name);
    EXPECT_EQ(order(), expected);
    form->tabMore->setCurrentWidget(form->pageDescription);
    expected.erase(expected.begin() + 14, expected.begin() + 24);
    expected.insert(expected.begin() + 14, "txtDescription");
    EXPECT_EQ(order(), expected);
}

TEST_F(Form1RecordTest, EditingPriorityEachFlagAndTheUnusedBytesSavesExactlyThoseBytes) {
    // Move 13's flags with the bits the game ignores set as well: a save must keep them.
    auto bytes = image.bytes;
    const std::size_t flagsAt = static_cast<std::size_t>(RecordOffset(13) + 8);
    bytes[flagsAt] = 0xC0 | 0x33; // contact, protect, mirror_move, kings_rock
    testing_support::WriteFileBytes(rom, bytes);
    OpenDemo();
    form->List1->setCurrentRow(13);
    ClickMore();
    EXPECT_EQ(form->txtPriority->text(), "-6");
    const bool shown[] = {true, true, false, false, true, true};
    for (std::size_t bit = 0; bit < 6; ++bit) EXPECT_EQ(form->chkFlags[bit]->isChecked(), shown[bit]) << bit;
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(form->txtPadding[i]->text(), QString::number(image.tails[13][2 + i])) << i;

    Type(form->txtPriority, "-128");
    for (QCheckBox* box : form->chkFlags)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    Type(form->txtPadding[0], "0");
    Type(form->txtPadding[1], "7");
    Type(form->txtPadding[2], "255");
    QTest::mouseClick(form->cmdSave, Qt::LeftButton, {}, QPoint(100, 20));

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, editor::SavedText);
    auto expected = bytes;
    const std::uint8_t rest[5] = {0x80, 0xC0 | 0x0C, 0, 7, 255};
    std::copy(rest, rest + 5, expected.begin() + RecordOffset(13) + 7);
    EXPECT_EQ(Changed(RomBytes(), expected), std::vector<std::size_t>{});
    EXPECT_EQ(form->txtPriority->text(), "-128"); // read back from the file
    EXPECT_TRUE(form->chkFlags[2]->isChecked());
}

TEST_F(Form1RecordTest, PriorityAndUnusedBytesAreClampedToTheirRangesWhenTheyLoseTheFocus) {
    OpenDemo();
    form->List1->setCurrentRow(3);
    ClickMore();
    const struct {
        QLineEdit* field;
        const char* typed;
        const char* shown;
    } cases[] = {
        {form->txtPriority, "-200", "-128"}, {form->txtPriority, "999", "127"},
        {form->txtPriority, "-5x", "-5"},    {form->txtPadding[0], "-1", "0"},
        {form->txtPadding[2], "300", "255"},
    };
    for (const auto& c : cases) {
        Type(c.field, c.typed);
        EXPECT_EQ(c.field->text().toStdString(), c.shown)
            << c.field->objectName().toStdString() << " " << c.typed;
    }
}

TEST_F(Form1RecordTest, ARestByteOutOfRangeRefusesTheWholeSave) {
    OpenDemo();
    for (QLineEdit* field : RestFields()) {
        form->List1->setCurrentRow(-1);
        form->List1->setCurrentRow(4);
        form->txtPower->setText("99"); // a change that must not be written either
        field->setText(field == form->txtPriority ? "128" : "256"); // set while the focus is elsewhere
        dialogs.messages.clear();
        form->cmdSave_Click();
        ASSERT_EQ(dialogs.messages.size(), 1u) << field->objectName().toStdString();
        EXPECT_EQ(dialogs.messages[0].text, editor::SaveErrorText);
        EXPECT_EQ(RomBytes(), image.bytes) << field->objectName().toStdString();
    }
}

TEST_F(Form1RecordTest, ARefusedOpenDisarmsTheNewControlsToo) {
    OpenDemo();
    form->List1->setCurrentRow(98);
    ASSERT_EQ(form->txtPriority->text(), "1");
    std::filesystem::remove(dir / "Data" / "SKDM.ini");
    OpenDemo();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    for (QLineEdit* field : RestFields()) {
        EXPECT_FALSE(field->isEnabled()) << field->objectName().toStdString();
        EXPECT_TRUE(field->text().isEmpty()) << field->objectName().toStdString();
    }
    for (QCheckBox* box : form->chkFlags) EXPECT_FALSE(box->isEnabled() || box->isChecked());
}
