// Whole files read at once: what is refused before a byte is read, and the words of the reasons.

#include "files/WholeFiles.h"
#include "files/FileError.h"
#include "files/Reasons.h"
#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace files;
using testing_support::TempDir;
using testing_support::WriteFileBytes;
using testing_support::WriteFileText;

namespace {

TEST(ReadWholeFile, ReadsARegularFileAndRefusesAnythingElseBeforeReading) {
    TempDir dir;
    const std::vector<std::uint8_t> bytes = {0, 1, 2, 255};
    WriteFileBytes(dir / "rom.gba", bytes);
    EXPECT_EQ(ReadWholeFile(dir / "rom.gba"), bytes);
    WriteFileText(dir / "empty.gba", "");
    EXPECT_TRUE(ReadWholeFile(dir / "empty.gba").empty());

    std::filesystem::create_directory(dir / "folder.gba");
    ASSERT_EQ(::mkfifo((dir / "pipe.gba").c_str(), 0644), 0);
    // One byte more than any image may have, without the disk space: a file with a hole.
    WriteFileText(dir / "huge.gba", "");
    ASSERT_EQ(::truncate((dir / "huge.gba").c_str(), static_cast<off_t>(MaxFileSize + 1)), 0);
    const std::pair<std::filesystem::path, std::string> refused[] = {
        {dir / "missing.gba",
         "cannot read the ROM " + (dir / "missing.gba").string() + ": No such file or directory"},
        {dir / "folder.gba", "folder.gba: Is a directory"},
        {dir / "pipe.gba", "pipe.gba: it is not a regular file"},
        {"/dev/zero", "cannot read the ROM /dev/zero: it is not a regular file"},
        {dir / "huge.gba", "huge.gba: it is larger than 256 MiB, more than any ROM image"},
    };
    for (const auto& [path, message] : refused) {
        for (const auto& read : {+[](const std::filesystem::path& p) { ReadWholeFile(p, "the ROM"); },
                                 +[](const std::filesystem::path& p) { CheckWholeImage(p, "the ROM"); }}) {
            try {
                read(path);
                ADD_FAILURE() << path << ": no error";
            } catch (const FileError& e) {
                EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
            }
        }
    }
}

TEST(ReadWholeTextFile, ReadsAPipeToItsEndAndRefusesAFolder) {
    TempDir dir;
    WriteFileText(dir / "table.csv", "move,power\n5,1\n");
    EXPECT_EQ(ReadWholeTextFile(dir / "table.csv"), "move,power\n5,1\n");
    std::filesystem::create_directory(dir / "folder.csv");
    EXPECT_THROW(ReadWholeTextFile(dir / "folder.csv"), FileError);
    EXPECT_EQ(ReadWholeTextFile("/dev/null"), "");
}

TEST(Reasons, AreTheSystemsWordsInEveryLocaleAndAFullDiskHasOneWording) {
    const std::pair<int, const char*> reasons[] = {
        {EACCES, "Permission denied"},
        {ENOENT, "No such file or directory"},
        {ENOSPC, "disk full: No space left on device"},
        {EROFS, "Read-only file system"},
    };
    for (const auto& [error, text] : reasons) EXPECT_EQ(SystemReason(error), text) << error;
}

TEST(Escaped, ShowsControlCharactersAsEscapesAndLeavesTheRest) {
    const std::pair<std::string, std::string> cases[] = {
        {"game.gba", "game.gba"},
        {"a\nb", "a\\nb"},
        {"a\x01"
         "b\x7F",
         "a\\x01b\\x7F"},
        {"tab\there\r", "tab\\there\\r"},
        {"Pok\xC3\xA9mon", "Pok\xC3\xA9mon"}, // UTF-8 stays as it is
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(Escaped(text), shown) << shown;
}

} // namespace
