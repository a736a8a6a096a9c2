// Backups of a ROM: where they go, how they are named, the newest 20 kept, and failures.

#include "rom/RomBackup.h"
#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>

#include <map>

using namespace rom;
using testing_support::ReadFileBytes;
using testing_support::TempDir;
using testing_support::WriteFileBytes;
using testing_support::WriteFileText;

namespace {

// 2025-01-31 14:05:09 UTC, plus seconds.
std::chrono::system_clock::time_point At(int seconds) {
    return std::chrono::system_clock::time_point(std::chrono::seconds(1738332309 + seconds));
}

std::vector<std::string> Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(BackupFolder, FollowsXdgStateHomeThenHome) {
    const struct {
        std::map<std::string, std::string> variables;
        const char* folder; // empty: no folder can be found
    } cases[] = {
        {{{"XDG_STATE_HOME", "/s"}, {"HOME", "/h"}}, "/s/skirmela/backups"},
        {{{"HOME", "/h"}}, "/h/.local/state/skirmela/backups"},
        {{{"XDG_STATE_HOME", ""}, {"HOME", "/h"}}, "/h/.local/state/skirmela/backups"},
        {{{"XDG_STATE_HOME", "relative"}, {"HOME", "/h"}}, "/h/.local/state/skirmela/backups"},
        {{{"HOME", "relative"}}, ""},
        {{}, ""},
    };
    for (const auto& c : cases) {
        const EnvironmentLookup lookup = [&](const std::string& name) -> std::optional<std::string> {
            const auto it = c.variables.find(name);
            return it == c.variables.end() ? std::nullopt : std::optional(it->second);
        };
        if (*c.folder)
            EXPECT_EQ(BackupFolder(lookup), c.folder);
        else
            EXPECT_THROW(BackupFolder(lookup), BackupError);
    }
}

TEST(BackUpRom, CopiesTheRomAsItIsUnderItsNameDateAndTime) {
    TempDir dir;
    const std::vector<std::uint8_t> bytes = {1, 2, 3, 0, 255};
    WriteFileBytes(dir / "game.gba", bytes);
    const auto folder = dir / "state" / "backups";
    const BackupResult first = BackUpRom(dir / "game.gba", folder, At(0));
    const BackupResult second = BackUpRom(dir / "game.gba", folder, At(0));
    const BackupResult third = BackUpRom(dir / "game.gba", folder, At(1));
    const std::string tag = RomTag(dir / "game.gba");
    ASSERT_EQ(tag.size(), 8u);
    EXPECT_EQ(first.backup, folder / ("game." + tag + ".20250131T140509Z-001.gba"));
    EXPECT_EQ(second.backup, folder / ("game." + tag + ".20250131T140509Z-002.gba"));
    EXPECT_EQ(third.backup, folder / ("game." + tag + ".20250131T140510Z-001.gba"));
    for (const auto& result : {first, second, third}) EXPECT_EQ(ReadFileBytes(result.backup), bytes);
    EXPECT_EQ(ReadFileBytes(dir / "game.gba"), bytes);
    EXPECT_EQ(BackupsOf(dir / "game.gba", folder), (std::vector{first.backup, second.backup, third.backup}));
    // The tag is the ROM's full path: the same however the path is written, another for another folder.
    EXPECT_EQ(RomTag(dir / "sub" / ".." / "game.gba"), tag);
    EXPECT_NE(RomTag(dir / "elsewhere" / "game.gba"), tag);
    EXPECT_TRUE(BackupsOf(dir / "elsewhere" / "game.gba", folder).empty());
}

TEST(BackUpRom, KeepsTheNewest20OfEachRomName) {
    TempDir dir;
    WriteFileText(dir / "game.gba", "rom");
    const auto folder = dir / "backups";
    std::filesystem::create_directories(folder);
    // Files that are no backups of game.gba stay, whatever their names look like.
    const std::vector<std::string> others = {"game.gba",
                                             "other.20250131T140509Z.gba",
                                             "game.20250131T140509Z.bin",
                                             "game.20250131T140509Z-01.gba",
                                             "game.2025013XT140509Z.gba",
                                             "game.0badc0de.20250131T140509Z-001.gba",
                                             "game." + RomTag(dir / "game.gba") + ".20250131T140509Z-1.gba"};
    for (const auto& name : others) WriteFileText(folder / name, "x");
    std::vector<std::filesystem::path> made;
    for (int i = 0; i < 12; ++i) made.push_back(BackUpRom(dir / "game.gba", folder, At(0)).backup);
    for (int i = 0; i < 13; ++i) {
        const BackupResult result = BackUpRom(dir / "game.gba", folder, At(60 + i));
        made.push_back(result.backup);
        // The oldest first: the same second counted 1, 2, ..., 10, 11, 12, never as text.
        if (i >= 8) {
            EXPECT_EQ(result.removed, std::vector{made[static_cast<std::size_t>(i) - 8]});
        }
    }
    const std::vector<std::filesystem::path> newest(made.end() - 20, made.end());
    EXPECT_EQ(BackupsOf(dir / "game.gba", folder), newest);
    std::vector<std::string> expected = others;
    for (const auto& path : newest) expected.push_back(path.filename());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(folder), expected);
}

TEST(BackUpRom, KeepsTheNewestByTheTimeTakenWithTheNamesOfOlderVersions) {
    TempDir dir;
    WriteFileText(dir / "game.gba", "rom");
    const auto folder = dir / "backups";
    std::filesystem::create_directories(folder);
    // Named by an older version after the file name alone: found, kept and removed as the oldest.
    const std::vector<std::filesystem::path> old = {
        folder / "game.20250131T140508Z.gba", folder / "game.20250131T140509Z.gba",
        folder / "game.20250131T140509Z-2.gba", folder / "game.20250131T140509Z-18.gba"};
    for (const auto& path : old) WriteFileText(path, "old");
    std::vector<std::filesystem::path> made;
    for (int i = 0; i < 18; ++i) made.push_back(BackUpRom(dir / "game.gba", folder, At(0)).backup);
    std::vector<std::filesystem::path> all = old;
    all.insert(all.end(), made.begin(), made.end());
    EXPECT_EQ(BackupsOf(dir / "game.gba", folder), std::vector(all.end() - 20, all.end()));
    // 25 within one second: the newest 20 stay, in the order taken, and so do their names.
    for (int i = 0; i < 7; ++i) made.push_back(BackUpRom(dir / "game.gba", folder, At(0)).backup);
    const std::vector<std::filesystem::path> newest(made.end() - 20, made.end());
    EXPECT_EQ(BackupsOf(dir / "game.gba", folder), newest);
    EXPECT_TRUE(std::is_sorted(newest.begin(), newest.end()));
    EXPECT_EQ(Names(folder).size(), 20u);

    // The same file name in another folder is another ROM: its backups never remove these.
    std::filesystem::create_directory(dir / "b");
    WriteFileText(dir / "b" / "game.gba", "other rom");
    for (int i = 0; i < 20; ++i) BackUpRom(dir / "b" / "game.gba", folder, At(1));
    EXPECT_EQ(BackupsOf(dir / "game.gba", folder), newest);
    EXPECT_EQ(BackupsOf(dir / "b" / "game.gba", folder).size(), 20u);
}

TEST(BackUpRom, FailsWithAClearMessageAndLeavesNothing) {
    TempDir dir;
    WriteFileText(dir / "game.gba", "rom");
    WriteFileText(dir / "file", "not a folder");
    const struct {
        std::filesystem::path rom, folder;
        const char* message;
    } cases[] = {
        {dir / "game.gba", dir / "file" / "backups", "cannot make the backup folder"},
        {dir / "missing.gba", dir / "backups", "cannot back up"},
        {dir.path(), dir / "backups", "not a regular file"},
    };
    for (const auto& c : cases) {
        try {
            BackUpRom(c.rom, c.folder, At(0));
            ADD_FAILURE() << c.message << ": no error";
        } catch (const BackupError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_TRUE(BackupsOf(c.rom, c.folder).empty());
    }
    EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"file", "game.gba"}));
}

} // namespace
