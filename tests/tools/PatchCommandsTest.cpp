// skirmela-moves patch create, apply and info on temporary files: exit statuses, messages, and every
// file of the folder afterwards.

#include "tools/skirmela_moves/PatchCommands.h"
#include "tests/support/TempFiles.h"
#include "tools/skirmela_moves/CommandLine.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

using testing_support::ReadFileBytes;
using testing_support::ReadFileText;
using testing_support::TempDir;
using testing_support::WriteFileBytes;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Result {
    int status;
    std::string out, err;
};

class PatchCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        for (std::size_t i = 0; i < original_.size(); ++i)
            original_[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
        modified_ = original_;
        modified_[10] ^= 1;
        modified_[3000] ^= 2;
        modified_.insert(modified_.end(), 100, 0xFF);
        WriteFileBytes(dir_ / "rom.gba", original_);
        WriteFileBytes(dir_ / "work.gba", modified_);
    }

    Result Patch(std::vector<std::string> args) const {
        for (auto& a : args)
            if (!a.starts_with("-") && a.find('.') != std::string::npos) a = (dir_ / a).string(); // a file
        std::ostringstream out, err;
        const int status = moves::RunPatchCommand(args, out, err);
        return {status, out.str(), err.str()};
    }

    // Every file of the folder with its bytes.
    std::map<std::string, Bytes> Folder() const {
        std::map<std::string, Bytes> files;
        for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
            files[entry.path().filename()] = entry.is_regular_file() ? ReadFileBytes(entry.path()) : Bytes{};
        return files;
    }

    TempDir dir_;
    Bytes original_ = Bytes(4096), modified_;
};

TEST_F(PatchCommands, CreateApplyAndInfoRoundTripEachFormat) {
    for (const char* name : {"work.ips", "work.UPS", "work.bps"}) {
        ASSERT_EQ(Patch({"create", "rom.gba", "work.gba", name}).status, 0) << name;
        const Result applied = Patch({"apply", "rom.gba", name, "out.gba"});
        EXPECT_EQ(applied.status, 0) << applied.err;
        EXPECT_EQ(ReadFileBytes(dir_ / "out.gba"), modified_) << name;
        EXPECT_NE(Patch({"info", name}).out.find("changed ranges: 3"), std::string::npos) << name;
    }
    ASSERT_EQ(Patch({"create", "rom.gba", "work.gba", "work.patch", "--format", "bps"}).status, 0);
    EXPECT_EQ(ReadFileBytes(dir_ / "work.patch"), ReadFileBytes(dir_ / "work.bps"));
    const Result inPlace = Patch({"apply", "rom.gba", "work.patch", "rom.gba", "--in-place"});
    EXPECT_EQ(inPlace.status, 0) << inPlace.err;
    EXPECT_EQ(ReadFileBytes(dir_ / "rom.gba"), modified_);
}

TEST_F(PatchCommands, BadInputChangesNoFile) {
    ASSERT_EQ(Patch({"create", "rom.gba", "work.gba", "work.bps"}).status, 0);
    WriteFileBytes(dir_ / "damaged.bps", [&] {
        Bytes b = ReadFileBytes(dir_ / "work.bps");
        b[8] ^= 1;
        return b;
    }());
    std::filesystem::create_directory(dir_ / "folder.bps");
    const auto before = Folder();
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{}, 1, "patch needs a command"},
        {{"merge", "a", "b"}, 1, "unknown patch command \"merge\""},
        {{"create", "rom.gba", "work.gba"}, 1, "usage: skirmela-moves patch create"},
        {{"create", "rom.gba", "work.gba", "new.txt"}, 1, "end it in .ips, .ups or .bps"},
        {{"create", "rom.gba", "work.gba", "new.bps", "--format", "xdelta"}, 1, "not \"xdelta\""},
        {{"create", "rom.gba", "work.gba", "new.bps", "--in-place"},
         1,
         "--in-place is an option of patch apply"},
        {{"create", "rom.gba", "work.gba", "work.gba", "--format=ips"}, 1, "is the modified image"},
        {{"create", "missing.gba", "work.gba", "new.bps"}, 2, "cannot read"},
        {{"create", "rom.gba", "work.gba", "no-folder/new.bps"}, 2, "cannot write"},
        {{"create", "rom.gba", "work.gba", "folder.bps"}, 2, "Is a directory"},
        {{"apply", "rom.gba", "work.bps", "rom.gba"}, 1, "give --in-place"},
        {{"apply", "rom.gba", "work.bps", "new.gba", "--in-place"}, 1, "OUT must then be the ROM"},
        {{"apply", "rom.gba", "work.bps", "work.bps"}, 1, "is the patch"},
        {{"apply", "rom.gba", "work.bps", "new.gba", "--format", "bps"},
         1,
         "--format is an option of patch create"},
        {{"apply", "work.gba", "work.bps", "new.gba"}, 1, "already the patch's target"},
        {{"apply", "rom.gba", "damaged.bps", "new.gba"}, 1, "patch CRC32 does not match"},
        {{"apply", "rom.gba", "rom.gba", "new.gba"}, 1, "not a patch"},
        {{"apply", "rom.gba", "missing.bps", "new.gba"}, 2, "cannot read"},
        {{"apply", "rom.gba", "work.bps", "no-folder/new.gba"}, 2, "cannot write"},
        {{"info", "damaged.bps"}, 1, "patch CRC32 does not match"},
        {{"info", "rom.gba", "--unknown"}, 1, "unknown option --unknown"},
    };
    for (const auto& c : cases) {
        const Result run = Patch(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_TRUE(run.err.starts_with("skirmela-moves: ")) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_TRUE(Folder() == before) << run.err;
    }
}

TEST_F(PatchCommands, OutputsThatAreNoWritableRegularFileAreRefusedAndLeftAsTheyWere) {
    ASSERT_EQ(Patch({"create", "rom.gba", "work.gba", "work.bps"}).status, 0);
    ASSERT_EQ(::mkfifo((dir_ / "pipe.bps").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo((dir_ / "pipe.gba").c_str(), 0644), 0);
    ::chmod((dir_ / "rom.gba").c_str(), 0444); // refused also to the super-user, as set refuses it
    const auto before = Folder();
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"create", "rom.gba", "work.gba", "pipe.bps"}, "pipe.bps: it is not a regular file"},
        {{"create", "rom.gba", "work.gba", "/dev/null", "--format", "bps"},
         "/dev/null: it is not a regular file"},
        {{"apply", "rom.gba", "work.bps", "pipe.gba"}, "pipe.gba: it is not a regular file"},
        {{"apply", "rom.gba", "work.bps", "/dev/null"}, "/dev/null: it is not a regular file"},
        {{"apply", "rom.gba", "work.bps", "rom.gba", "--in-place"}, "rom.gba: the file is read-only"},
    };
    for (const auto& [args, message] : cases) {
        const Result run = Patch(args);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_TRUE(Folder() == before) << run.err;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir_ / "pipe.bps"));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST_F(PatchCommands, AReportThatIsLostIsNoSuccess) {
    ASSERT_EQ(Patch({"create", "rom.gba", "work.gba", "work.bps"}).status, 0);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"info", "work.bps"},
          std::vector<std::string>{"create", "rom.gba", "work.gba", "new.bps"},
          std::vector<std::string>{"apply", "rom.gba", "work.bps", "new.gba"}}) {
        std::ostringstream err;
        std::ostream lost(nullptr); // a standard output that takes nothing, as a full disk
        std::vector<std::string> paths = args;
        for (auto& a : paths)
            if (a.find('.') != std::string::npos) a = (dir_ / a).string();
        EXPECT_EQ(moves::RunPatchCommand(paths, lost, err), 2) << args[0];
        EXPECT_NE(err.str().find("cannot write the output"), std::string::npos) << err.str();
    }
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const std::string command = std::string(SKIRMELA_MOVES_EXE) + " patch info '" +
                                (dir_ / "work.bps").string() + "' >/dev/full 2>'" +
                                (dir_ / "err.txt").string() + "'";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2);
    EXPECT_NE(
        ReadFileText(dir_ / "err.txt").find("cannot write the output: disk full: No space left on device"),
        std::string::npos);
}

TEST_F(PatchCommands, TakesEverySpellingOfItsOptions) {
    ASSERT_EQ(Patch({"create", "rom.gba", "work.gba", "work.bps"}).status, 0);
    const std::vector<std::string> spellings[] = {
        {"create", "rom.gba", "work.gba", "out.patch", "--format", "bps"},
        {"create", "rom.gba", "work.gba", "out.patch", "--format=bps"},
        {"--format", "bps", "create", "rom.gba", "work.gba", "out.patch"},
        {"create", "rom.gba", "work.gba", "out.patch", "--format=ips", "--format", "bps"},
        {"create", "--", "rom.gba", "work.gba", "out.bps"},
    };
    for (const auto& args : spellings) {
        const Result run = Patch(args);
        EXPECT_EQ(run.status, 0) << run.err;
        const std::filesystem::path written = dir_ / (args.back() == "out.bps" ? "out.bps" : "out.patch");
        EXPECT_EQ(ReadFileBytes(written), ReadFileBytes(dir_ / "work.bps")) << args.back();
        std::filesystem::remove(written);
    }
    for (const std::vector<std::string>& help :
         {std::vector<std::string>{"--help"}, {"-h"}, {"frob", "--help"}, {"create", "-h", "--format=x"}}) {
        const Result run = Patch(help);
        EXPECT_EQ(run.status, 0) << help[0];
        EXPECT_EQ(run.out, moves::UsageText()) << help[0];
        EXPECT_EQ(run.err, "") << help[0];
    }
    const Result inPlace = Patch({"--in-place", "apply", "rom.gba", "work.bps", "rom.gba"});
    EXPECT_EQ(inPlace.status, 0) << inPlace.err;
    EXPECT_EQ(ReadFileBytes(dir_ / "rom.gba"), modified_);
}

TEST_F(PatchCommands, SaysWhatIsWrongWithTheCommandLineInTheseWords) {
    const auto before = Folder();
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{}, "patch needs a command: create, apply or info"},
        {{"merge"}, "unknown patch command \"merge\"; the patch commands are create, apply and info"},
        {{"--", "--in-place"},
         "unknown patch command \"--in-place\"; the patch commands are create, apply and info"},
        {{"--frob", "--help"}, "unknown option --frob (patch takes --format and --in-place)"},
        {{"info", "x", "--in-place=1"}, "unknown option --in-place=1 (patch takes --format and --in-place)"},
        {{"info", "x", "-f"}, "unknown option -f (patch takes --format and --in-place)"},
        {{"create", "x", "y", "z", "--format"}, "--format needs ips, ups or bps"},
        {{"create", "x", "y", "z", "--format="}, "--format takes ips, ups or bps, not \"\""},
        {{"create", "x", "y", "z", "--format", ""}, "--format takes ips, ups or bps, not \"\""},
        {{"create", "x", "y"},
         "usage: skirmela-moves patch create ORIGINAL MODIFIED OUT [--format ips|ups|bps]"},
        {{"create", "x", "y", "z", "--in-place"}, "--in-place is an option of patch apply"},
        {{"apply", "x", "y"}, "usage: skirmela-moves patch apply ROM PATCH OUT [--in-place]"},
        {{"apply", "x", "y", "z", "--format", "bps"},
         "--format is an option of patch create; apply reads the format from the patch"},
        {{"info"}, "usage: skirmela-moves patch info PATCH"},
        {{"info", "x", "y"}, "usage: skirmela-moves patch info PATCH"},
        {{"info", "x", "--in-place"}, "patch info takes no options"},
        {{"info", "x", "--format=ips"}, "patch info takes no options"},
    };
    for (const auto& [args, message] : cases) {
        const Result run = Patch(args);
        EXPECT_EQ(run.status, 1) << message;
        EXPECT_EQ(run.out, "") << message;
        EXPECT_EQ(run.err, std::string("skirmela-moves: ") + message +
                               "\n(skirmela-moves --help shows the commands)\n");
    }
    EXPECT_TRUE(Folder() == before);
}

TEST_F(PatchCommands, TheProgramTakesPatchAsItsFirstWord) {
    ASSERT_EQ(Patch({"create", "rom.gba", "work.gba", "work.bps"}).status, 0);
    const std::string command = std::string(SKIRMELA_MOVES_EXE) + " patch info '" +
                                (dir_ / "work.bps").string() + "' >'" + (dir_ / "info.txt").string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(ReadFileText(dir_ / "info.txt").starts_with("format: BPS\n"));
}

} // namespace
