// Files replaced without harm: through a file beside them, keeping their mode, never a device, a
// pipe or a read-only file; failures leave the folder exactly as it was.

#include "files/WriteFiles.h"
#include "files/FileError.h"
#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <sys/stat.h>

using namespace files;
using testing_support::ReadFileText;
using testing_support::TempDir;
using testing_support::WriteFileText;

namespace {

// Every entry of the folder: a file's text, a link's target, or what kind of entry it is.
std::map<std::string, std::string> Folder(const std::filesystem::path& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename();
        if (entry.is_symlink())
            entries[name] = "-> " + std::filesystem::read_symlink(entry.path()).string();
        else if (entry.is_regular_file())
            entries[name] = ReadFileText(entry.path());
        else
            entries[name] = "(not a file)";
    }
    return entries;
}

unsigned Mode(const std::filesystem::path& file) {
    struct stat st {};
    ::stat(file.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(ReplaceFile, ReplacesTheFileItsLinkNamesKeepingItsMode) {
    TempDir dir;
    WriteFileText(dir / "profile.ini", "old");
    ::chmod((dir / "profile.ini").c_str(), 0640);
    std::filesystem::create_symlink("profile.ini", dir / "link.ini");
    ReplaceFile(dir / "link.ini", std::string_view("new"));
    ReplaceFile(dir / "fresh.csv", std::string_view("made"));
    EXPECT_EQ(Folder(dir.path()),
              (std::map<std::string, std::string>{
                  {"fresh.csv", "made"}, {"link.ini", "-> profile.ini"}, {"profile.ini", "new"}}));
    EXPECT_EQ(Mode(dir / "profile.ini"), 0640u);
}

TEST(ReplaceFile, RefusesWhatItMustNotReplaceAndLeavesTheFolderAsItWas) {
    TempDir dir;
    WriteFileText(dir / "old.csv", "old");
    WriteFileText(dir / "locked.csv", "locked");
    ::chmod((dir / "locked.csv").c_str(), 0444);
    ASSERT_EQ(::mkfifo((dir / "pipe.csv").c_str(), 0644), 0);
    std::filesystem::create_directory(dir / "folder.csv");
    const std::map<std::string, std::string> before = Folder(dir.path());
    const struct {
        std::filesystem::path file;
        int fault; // injected for file, as the system would fail the write
        const char* message;
    } cases[] = {
        {dir / "old.csv", ENOSPC, "old.csv: disk full: No space left on device"},
        {dir / "old.csv", EACCES, "old.csv: Permission denied"},
        {dir / "new.csv", ENOSPC, "new.csv: disk full: No space left on device"},
        {dir / "locked.csv", 0, "locked.csv: the file is read-only"},
        {dir / "pipe.csv", 0, "pipe.csv: it is not a regular file"},
        {"/dev/null", 0, "/dev/null: it is not a regular file"},
        {dir / "folder.csv", 0, "folder.csv: Is a directory"},
        {dir / "no-folder" / "new.csv", 0, "cannot create a file beside it: No such file or directory"},
    };
    for (const auto& c : cases) {
        InjectWriteFault(c.file, c.fault);
        try {
            ReplaceFile(c.file, std::string_view("new"));
            ADD_FAILURE() << c.message << ": no error";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(std::string("cannot write ")), std::string::npos)
                << e.what();
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        InjectWriteFault(c.file, 0);
        EXPECT_EQ(Folder(dir.path()), before) << c.message;
    }
    EXPECT_EQ(Mode(dir / "locked.csv"), 0444u);
}

TEST(StagedFile, LeavesTheFileAsItWasUntilCommittedAndNoTraceWhenDropped) {
    TempDir dir;
    WriteFileText(dir / "undo.csv", "previous");
    {
        StagedFile dropped(dir / "undo.csv", std::string_view("never"));
        EXPECT_EQ(ReadFileText(dir / "undo.csv"), "previous");
    }
    EXPECT_EQ(Folder(dir.path()), (std::map<std::string, std::string>{{"undo.csv", "previous"}}));
    StagedFile kept(dir / "undo.csv", std::string_view("table"));
    EXPECT_EQ(ReadFileText(dir / "undo.csv"), "previous");
    kept.Commit();
    EXPECT_EQ(Folder(dir.path()), (std::map<std::string, std::string>{{"undo.csv", "table"}}));
}

TEST(CheckWritable, RefusesByTheModeBitsTheSystemOrAnInjectedFault) {
    TempDir dir;
    WriteFileText(dir / "rom.gba", "rom");
    WriteFileText(dir / "locked.gba", "rom");
    ::chmod((dir / "locked.gba").c_str(), 0444);
    EXPECT_NO_THROW(CheckWritable(dir / "rom.gba"));
    EXPECT_NO_THROW(CheckWritable(dir / "missing.gba"));
    const std::pair<std::filesystem::path, std::string> refused[] = {
        {dir / "locked.gba", "cannot write " + (dir / "locked.gba").string() + ": the file is read-only"},
        {dir / "rom.gba", "cannot write " + (dir / "rom.gba").string() + ": Permission denied"},
    };
    InjectWriteFault(dir / "rom.gba", EACCES);
    for (const auto& [file, message] : refused) {
        try {
            CheckWritable(file);
            ADD_FAILURE() << message << ": no error";
        } catch (const FileError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
    InjectWriteFault(dir / "rom.gba", 0);
    EXPECT_NO_THROW(CheckWritable(dir / "rom.gba"));
}

TEST(SameFile, FollowsLinksAndIsFalseForWhatDoesNotExist) {
    TempDir dir;
    WriteFileText(dir / "a.gba", "a");
    WriteFileText(dir / "b.gba", "a");
    std::filesystem::create_symlink(dir / "a.gba", dir / "link.gba");
    EXPECT_TRUE(SameFile(dir / "link.gba", dir / "a.gba"));
    EXPECT_FALSE(SameFile(dir / "a.gba", dir / "b.gba"));
    EXPECT_FALSE(SameFile(dir / "missing.gba", dir / "missing.gba"));
}

} // namespace
