#include "editor/SaveHistory.h"

#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>

using editor::ByteChange;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

namespace {

class SaveHistoryTest : public ::testing::Test {
  protected:
    testing_support::TempDir dir;
    std::filesystem::path rom = dir / "game.gba";
    std::vector<std::uint8_t> original = std::vector<std::uint8_t>(64, 0x11);
    editor::SaveHistory history{[this] { return dir / "backups"; }};

    void SetUp() override { WriteFileBytes(rom, original); }
};

} // namespace

TEST_F(SaveHistoryTest, ChangesListEachOffsetOnceWithWhatItHeldAndWhatTheSaveLeaves) {
    const struct {
        rom::ChangePlan plan;
        std::vector<ByteChange> changes;
    } cases[] = {
        {{}, {}},
        {{{3, 0x11}}, {}},                                            // stores what is there
        {{{3, 0x22}, {1, 0x33}}, {{3, 0x11, 0x22}, {1, 0x11, 0x33}}}, // in the order written
        {{{5, 0x22}, {5, 0x11}}, {}},                                 // written, then put back
        {{{5, 0x22}, {6, 0x44}, {5, 0x33}}, {{5, 0x11, 0x33}, {6, 0x11, 0x44}}},
    };
    for (const auto& c : cases) EXPECT_EQ(editor::ChangesOf(rom, c.plan), c.changes) << c.plan.size();
    EXPECT_THROW(editor::ChangesOf(rom, {{64, 0}}), rom::PositionError);
}

TEST_F(SaveHistoryTest, ANewSaveDropsTheRedoStepsAndAnotherRomForgetsTheSteps) {
    history.Save(rom, {{1, 0x22}});
    history.Save(rom, {{2, 0x33}});
    history.Undo(rom);
    EXPECT_TRUE(history.CanRedo(rom));
    history.Save(rom, {{4, 0x44}});
    EXPECT_FALSE(history.CanRedo(rom));
    history.Undo(rom);
    history.Undo(rom);
    EXPECT_EQ(ReadFileBytes(rom), original);
    EXPECT_FALSE(history.CanUndo(rom));

    const std::filesystem::path other = dir / "other.gba";
    WriteFileBytes(other, original);
    history.Redo(rom);
    history.Save(other, {{1, 0x55}});
    EXPECT_FALSE(history.CanRedo(rom));
    EXPECT_FALSE(history.CanUndo(rom));
    EXPECT_TRUE(history.CanUndo(other));
    // Each ROM has its first backup, made once.
    EXPECT_EQ(ReadFileBytes(*history.FirstBackup(rom)), original);
    EXPECT_EQ(ReadFileBytes(*history.FirstBackup(other)), original);
    EXPECT_EQ(rom::BackupsOf(rom, dir / "backups").size(), 1u);
}

TEST_F(SaveHistoryTest, AByteOfTheSaveChangedBehindTheSessionIsFoundWhenTheStampIsTheSame) {
    history.Save(rom, {{9, 0x22}});
    const auto stamp = std::filesystem::last_write_time(rom);
    auto bytes = ReadFileBytes(rom);
    bytes[9] = 0x99;
    WriteFileBytes(rom, bytes);
    std::filesystem::last_write_time(rom, stamp);
    try {
        history.Undo(rom);
        FAIL() << "undo not refused";
    } catch (const editor::HistoryRefused& e) {
        EXPECT_NE(std::string(e.what()).find("the byte at 0x9 holds 99, not 22"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(ReadFileBytes(rom), bytes);
    EXPECT_FALSE(history.CanUndo(rom));
}

TEST_F(SaveHistoryTest, ABackupThatFailsWritesNothing) {
    editor::SaveHistory failing{[]() -> std::filesystem::path { throw rom::BackupError("no folder"); }};
    EXPECT_THROW(failing.Save(rom, {{1, 0x22}}), rom::BackupError);
    EXPECT_EQ(ReadFileBytes(rom), original);
    EXPECT_FALSE(failing.FirstBackup(rom));
}
