// The safety net of the window's saves: a backup before the first write, undo and redo of every save
// of the session, and a patch of the ROM against that backup.

#include "EditorFixture.h"

#include "chameleon_button/chameleonButton.h"
#include "editor/HistoryTexts.h"
#include "patch/Patch.h"
#include "rom/RomBackup.h"

#include <QAction>
#include <QApplication>
#include <QTest>

using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

namespace {

class Form1UndoTest : public ShownEditorTest {
  protected:
    void SetUp() override {
        ShownEditorTest::SetUp();
        if (HasFatalFailure()) return;
        OpenDemo();
    }

    // Saves move k with a new power, then a new name: two saves of the session.
    void SaveMove(int k, const char* power, const char* name) {
        form->List1->setCurrentRow(k);
        form->txtPower->setText(power);
        form->txtNewName->setText(name);
        form->cmdSave_Click();
    }
    std::vector<std::filesystem::path> Backups() const {
        return rom::BackupsOf(rom, dir / "state/skirmela/backups");
    }
    // Ctrl+Z, or Ctrl+Shift+Z, typed in a field that has nothing of its own to undo.
    void Keys(bool redo) {
        form->txtPower->setFocus();
        QTest::keyClick(form->txtPower, Qt::Key_Z,
                        Qt::ControlModifier | (redo ? Qt::ShiftModifier : Qt::NoModifier));
    }
};

} // namespace

TEST_F(Form1UndoTest, TwoSavesUndoneTwiceLeaveTheOriginalAndRedoneGiveEachSaveBack) {
    const auto original = RomBytes();
    EXPECT_FALSE(form->actUndo->isEnabled());
    EXPECT_FALSE(form->actExportPatch->isEnabled());
    SaveMove(3, "77", "Alpha");
    const auto afterFirst = RomBytes();
    SaveMove(5, "88", "Beta");
    const auto afterSecond = RomBytes();
    ASSERT_NE(afterFirst, original);
    ASSERT_NE(afterSecond, afterFirst);

    // One backup, of the ROM as it was before the first save.
    ASSERT_EQ(Backups().size(), 1u);
    EXPECT_EQ(ReadFileBytes(Backups()[0]), original);
    EXPECT_TRUE(form->actExportPatch->isEnabled());

    const std::pair<bool, const std::vector<std::uint8_t>*> steps[] = {
        {false, &afterFirst}, {false, &original}, {true, &afterFirst}, {true, &afterSecond}};
    for (const auto& [redo, expected] : steps) {
        Keys(redo);
        EXPECT_EQ(Changed(RomBytes(), *expected), std::vector<std::size_t>{}) << (redo ? "redo" : "undo");
    }
    EXPECT_FALSE(form->actRedo->isEnabled());
    form->ShowWholeRecord(true);
    QTest::mouseClick(form->cmdUndo, Qt::LeftButton, {}, QPoint(20, 10)); // the mouse's way
    EXPECT_EQ(RomBytes(), afterFirst);
    // The list and the move shown are read again from the file.
    EXPECT_EQ(form->List1->currentRow(), 5);
    EXPECT_EQ(form->List1->item(5)->text(), QString::fromStdString(image.names[5]));
    EXPECT_EQ(form->List1->item(3)->text(), "Alpha");
    EXPECT_EQ(form->txtPower->text(), QString::number(image.records[5].power));
    EXPECT_EQ(Backups().size(), 1u); // undo and redo make none
    for (const auto& m : dialogs.messages) EXPECT_EQ(m.text, editor::SavedText);

    // The saves belong to their ROM: another ROM open, none of them can be reached.
    std::filesystem::copy_file(rom, dir / "other.gba");
    Open(dir / "other.gba");
    for (QAction* a : {form->actUndo, form->actRedo, form->actExportPatch}) EXPECT_FALSE(a->isEnabled());
    OpenDemo();
    for (QAction* a : {form->actUndo, form->actRedo, form->actExportPatch}) EXPECT_TRUE(a->isEnabled());
}

TEST_F(Form1UndoTest, AnUndoOfAFileAnotherProgramChangedIsRefusedAndWritesNothing) {
    const struct {
        const char* why;
        std::function<void(const std::filesystem::path&, std::vector<std::uint8_t>&)> change;
    } cases[] = {
        {"a byte of the save changed",
         [this](const std::filesystem::path& f, std::vector<std::uint8_t>& bytes) {
             bytes[static_cast<std::size_t>(RecordOffset(3) + 1)] = 12;
             WriteFileBytes(f, bytes);
         }},
        {"another byte changed, the time tells",
         [](const std::filesystem::path& f, std::vector<std::uint8_t>& bytes) {
             bytes[7] ^= 0xFF;
             WriteFileBytes(f, bytes);
             std::filesystem::last_write_time(f, std::filesystem::file_time_type::clock::now() -
                                                     std::chrono::hours(1));
         }},
        {"the file grew",
         [](const std::filesystem::path& f, std::vector<std::uint8_t>& bytes) {
             bytes.push_back(0);
             WriteFileBytes(f, bytes);
         }},
    };
    for (const auto& c : cases) {
        SaveMove(3, "77", "Alpha");
        auto bytes = RomBytes();
        c.change(rom, bytes);
        dialogs.messages.clear();
        Keys(false);
        EXPECT_EQ(RomBytes(), bytes) << c.why;
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.why;
        EXPECT_EQ(dialogs.messages[0].text, editor::HistoryRefusedText);
        EXPECT_EQ(dialogs.messages[0].icon, editor::MessageIcon::Critical);
        EXPECT_TRUE(dialogs.messages[0].details.contains("changed by another program")) << c.why;
        EXPECT_FALSE(form->actUndo->isEnabled()) << c.why;
        WriteFileBytes(rom, image.bytes);
    }
}

TEST_F(Form1UndoTest, ABackupThatCannotBeWrittenStopsTheSave) {
    testing_support::WriteFileText(dir / "state", "a file where the folder should be");
    SaveMove(3, "77", "Alpha");
    EXPECT_EQ(RomBytes(), image.bytes);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, editor::SaveErrorText);
    EXPECT_TRUE(dialogs.messages[0].details.contains("No backup of the ROM could be made"));
    EXPECT_TRUE(dialogs.messages[0].details.contains((dir / "state").c_str()));
    EXPECT_FALSE(form->actUndo->isEnabled());
    EXPECT_FALSE(form->actExportPatch->isEnabled());
}

TEST_F(Form1UndoTest, ExportPatchWritesTheBpsThatTurnsTheBackupIntoTheRom) {
    SaveMove(3, "77", "Alpha");
    SaveMove(5, "88", "Beta");
    dialogs.messages.clear();
    dialogs.filesToChoose = {QString::fromStdString((dir / "work").string())};
    form->actExportPatch->trigger();
    EXPECT_EQ(dialogs.lastSuggested, QString::fromStdString((dir / "demo.bps").string()));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, editor::PatchWrittenText);
    const auto patched = patch::ApplyPatch(ReadFileBytes(Backups()[0]), ReadFileBytes(dir / "work.bps"));
    EXPECT_EQ(patched, RomBytes());
    EXPECT_EQ(*patch::FormatOfPatch(ReadFileBytes(dir / "work.bps")), patch::PatchFormat::bps);

    // A patch never takes the place of the ROM.
    const auto before = RomBytes();
    dialogs.filesToChoose = {QString::fromStdString(rom.string())};
    form->actExportPatch->trigger();
    EXPECT_EQ(RomBytes(), before);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, editor::PatchErrorText);
    EXPECT_TRUE(dialogs.messages[1].details.contains("the ROM"));
}
