// The built skirmela-moves program on synthetic decompilation projects: a project and the ROM its
// build gives list the same and stay so under the same change, symbols shown and typed, refusals
// that leave every file of the project as it was, and the undo table, backup and dry run.

#include "tests/support/RunProgram.h"
#include "tests/support/TempFiles.h"
#include "tools/demo_rom/DemoRom.h"
#include "tools/demo_rom/Project.h"
#include "tools/skirmela_moves/Csv.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <map>
#include <set>

using project::ProjectLayout;
using testing_support::ReadFileText;
using testing_support::WriteFileText;

namespace {

namespace fs = std::filesystem;

using testing_support::RunResult;

// Every file under folder, by its path relative to it, with its bytes.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    return testing_support::FolderFiles(folder);
}

fs::path RecordsFile(ProjectLayout layout) {
    return layout == ProjectLayout::rubySapphire ? "src/data/battle_moves.c" : "src/data/battle_moves.h";
}

// text with the value of `field` (".power") in the block of move symbol replaced by token.
std::string WithField(std::string text, const std::string& symbol, const std::string& field,
                      const std::string& token) {
    const std::size_t block = text.find("[" + symbol + "]");
    const std::size_t at = text.find(field + " = ", block);
    EXPECT_NE(block, std::string::npos);
    EXPECT_LT(at, text.find("[MOVE_", block + 1));
    const std::size_t from = at + field.size() + 3;
    return text.replace(from, text.find(',', from) - from, token);
}

class ProjectCli : public ::testing::Test {
  protected:
    // Runs the program with --data naming the built ROM's profile folder (patch takes none).
    RunResult Moves(std::vector<std::string> args) const {
        if (args[0] != "patch") args.insert(args.end(), {"--data", (dir_ / "data").string()});
        return testing_support::RunProgram(SKIRMELA_MOVES_EXE, args, dir_.path(),
                                           "XDG_STATE_HOME=" +
                                               testing_support::ShellQuoted((dir_ / "state").string()));
    }

    // The demo project of the layout in folder "p" and the ROM its build gives as "r.gba".
    fs::path MakeProject(ProjectLayout layout, int moves = demo::DemoProjectMoveCount) const {
        demo::WriteDemoProject(layout, project_, moves);
        return project_;
    }
    void MakeBuiltRom(ProjectLayout layout) const {
        demo::WriteDemoRom(demo::MakeDemoRomOfProject(layout), rom_, dir_ / "data");
    }

    testing_support::TempDir dir_;
    fs::path project_ = dir_ / "p", rom_ = dir_ / "r.gba";
};

TEST_F(ProjectCli, AProjectAndTheRomItsBuildGivesListTheSameAndStaySoUnderTheSameSet) {
    for (ProjectLayout layout :
         {ProjectLayout::fireRedLeafGreen, ProjectLayout::rubySapphire, ProjectLayout::emerald}) {
        SCOPED_TRACE(static_cast<int>(layout));
        fs::remove_all(project_);
        MakeProject(layout);
        MakeBuiltRom(layout);
        const auto before = Snapshot(project_);
        for (const auto& [a, b] : {std::pair{project_, rom_}, std::pair{rom_, project_}}) {
            const RunResult diff = Moves({"diff", a.string(), b.string()});
            EXPECT_EQ(diff.status, 0) << diff.err;
            EXPECT_EQ(diff.out, "no differences\n");
        }

        for (const fs::path& table : {project_, rom_})
            ASSERT_EQ(Moves({"set", table.string(), "7", "power=91", "type=Fire"}).status, 0);
        EXPECT_EQ(Moves({"diff", project_.string(), rom_.string()}).out, "no differences\n");
        // Two projects: the change against a fresh copy of the demo project.
        fs::remove_all(dir_ / "fresh");
        demo::WriteDemoProject(layout, dir_ / "fresh");
        const rom::RecordBytes record = demo::DemoProjectMoves(layout)[7].bytes;
        const std::string was = std::to_string(record[1]);
        const int type = record[2];
        const std::string diff = Moves({"diff", (dir_ / "fresh").string(), project_.string(), "--csv"}).out;
        EXPECT_TRUE(diff.starts_with(moves::CsvLine({"move", "field", "old", "new"}) +
                                     moves::CsvLine({"7", "power", was, "91"}) +
                                     moves::CsvLine({"7", "type", std::to_string(type), "10"})))
            << diff;

        // Only the two values' tokens of move 7's block changed, in one file.
        auto expected = before;
        const std::string symbol = demo::DemoProjectMoves(layout)[7].symbol;
        std::string& records = expected[RecordsFile(layout)];
        records = WithField(WithField(records, symbol, ".power", "91"), symbol, ".type", "TYPE_FIRE");
        EXPECT_EQ(Snapshot(project_), expected);
    }
}

TEST_F(ProjectCli, ShowsAndTakesTheProjectsSymbols) {
    // The grown project defines TYPE_FAIRY (23); no type has the value 20.
    MakeProject(ProjectLayout::fireRedLeafGreen, 400);
    const std::string symbol = demo::DemoProjectMoves(ProjectLayout::fireRedLeafGreen, 400)[5].symbol;
    const fs::path records = project_ / RecordsFile(ProjectLayout::fireRedLeafGreen);
    struct Case {
        const char* cell;
        const char* token;    // written into the file
        const char* reported; // the change report's new value
    };
    for (const Case& c :
         {Case{"type=TYPE_FAIRY", "TYPE_FAIRY", "23 (TYPE_FAIRY)"},
          Case{"type=Fire", "TYPE_FIRE", "10 (Fire)"}, Case{"type=TYPE_WATER", "TYPE_WATER", "11 (Water)"},
          Case{"type=20", "20", "20 (no entry)"}}) {
        SCOPED_TRACE(c.cell);
        const std::string was = ReadFileText(records);
        const RunResult set = Moves({"set", project_.string(), "5", c.cell});
        ASSERT_EQ(set.status, 0) << set.err;
        EXPECT_NE(set.out.find(std::string("-> ") + c.reported + "\n"), std::string::npos) << set.out;
        EXPECT_EQ(ReadFileText(records), WithField(was, symbol, ".type", c.token));
    }
    const RunResult list = Moves({"list", project_.string(), "--csv"});
    EXPECT_NE(list.out.find(",TYPE_FAIRY,"), std::string::npos);

    const auto before = Snapshot(project_);
    const RunResult unknown = Moves({"set", project_.string(), "5", "type=TYPE_NOPE"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("project's symbols"), std::string::npos) << unknown.err;
    EXPECT_EQ(Snapshot(project_), before);
}

TEST_F(ProjectCli, RefusalsSayWhyAndLeaveEveryFileAsItWas) {
    MakeProject(ProjectLayout::emerald);
    MakeBuiltRom(ProjectLayout::emerald);
    const std::string p = project_.string(), file = (project_ / "src/data/battle_moves.h").string();
    WriteFileText(dir_ / "pointer.csv", "move,description_pointer,description_bytes\n5,08123456,BBFF\n");
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {{"set", p, "5", "name=Thirteen Char"}, 1, "12"},
        {{"set", p, "5", "power=256"}, 1, "not a number 0 to 255"},
        {{"import", p, (dir_ / "pointer.csv").string()}, 1, "not a pointer"},
        {{"set", p, "5", "power=1", "--undo", file}, 1, "is the project's src/data/battle_moves.h"},
        {{"export", (project_ / "src").string(), (project_ / "charmap.txt").string()},
         1,
         "is the project's charmap.txt"},
        {{"list", (project_ / "src/no-such.rom").string()}, 2, "no-such.rom"},
        {{"profile", p}, 1, "profile works on ROMs only"},
        {{"contest-effects", "list", p}, 1, "contest-effects works on ROMs only"},
        {{"patch", "create", p, rom_.string(), (dir_ / "o.bps").string()}, 1, "version control"},
        {{"patch", "apply", file, (dir_ / "x.bps").string(), (dir_ / "o.gba").string()}, 1, "ROMs only"},
    };
    const auto before = Snapshot(project_);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        const RunResult r = Moves(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(Snapshot(project_), before);
        EXPECT_FALSE(fs::exists(dir_ / "o.bps") || fs::exists(dir_ / "o.gba"));
    }

    // A project that cannot be read is named with the file and line.
    std::string text = ReadFileText(file);
    text.replace(text.find(".power = "), 9, ".power = POWER_NOPE + ");
    WriteFileText(file, text);
    const auto broken = Snapshot(project_);
    const RunResult r = Moves({"set", p, "5", "power=1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("src/data/battle_moves.h:"), std::string::npos) << r.err;
    EXPECT_EQ(Snapshot(project_), broken);
}

TEST_F(ProjectCli, TheUndoTablePutsTheFilesBackAndTheBackupHoldsThemAsTheyWere) {
    MakeProject(ProjectLayout::rubySapphire);
    const std::string p = project_.string(), undo = (dir_ / "undo.csv").string();
    const auto before = Snapshot(project_);
    const std::vector<std::string> change = {
        "set",    p,    "9",       "name=Zap", "power=91", "description=Short\ntext", "contest_category=Cute",
        "--undo", undo, "--backup"};

    std::vector<std::string> dry = {change.begin(), change.begin() + 7};
    dry.push_back("--dry-run");
    const RunResult dryRun = Moves(dry);
    EXPECT_EQ(dryRun.status, 0) << dryRun.err;
    EXPECT_NE(dryRun.out.find("dry run: 4 changes in 1 move, 4 files to rewrite; nothing written"),
              std::string::npos)
        << dryRun.out;
    EXPECT_EQ(Snapshot(project_), before);

    const RunResult set = Moves(change);
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_NE(set.out.find("4 changes in 1 move, 4 files written"), std::string::npos) << set.out;
    // The undo table holds values and texts only.
    const demo::DemoProjectMove was = demo::DemoProjectMoves(ProjectLayout::rubySapphire)[9];
    EXPECT_EQ(ReadFileText(undo),
              moves::CsvLine({"move", "name", "power", "contest_category", "description"}) +
                  moves::CsvLine({"9", was.name, std::to_string(was.bytes[1]),
                                  std::to_string(was.contest->category), *was.description}));
    // Each rewritten file was copied, as it was, into the backup folder.
    std::multiset<std::string> backups, originals;
    for (const auto& e : fs::directory_iterator(dir_ / "state/skirmela/backups"))
        backups.insert(ReadFileText(e.path()));
    const auto after = Snapshot(project_);
    for (const auto& [file, text] : before)
        if (after.at(file) != text) originals.insert(text);
    EXPECT_EQ(originals.size(), 4u);
    EXPECT_EQ(backups, originals);

    const RunResult back = Moves({"import", p, undo});
    EXPECT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(Snapshot(project_), before);
}

} // namespace
