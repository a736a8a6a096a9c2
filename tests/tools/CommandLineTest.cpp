#include "tools/skirmela_moves/CommandLine.h"

#include <gtest/gtest.h>

using namespace moves;

TEST(ParseCommandLine, ReadsEachCommandWithOptionsAnywhere) {
    const CommandLine list = ParseCommandLine({"--json", "list", "a.gba", "--data", "/d"});
    EXPECT_EQ(list.command, Command::list);
    EXPECT_EQ(list.format, ListFormat::json);
    EXPECT_EQ(list.rom, "a.gba");
    EXPECT_EQ(list.dataDir, std::filesystem::path("/d"));

    const CommandLine import = ParseCommandLine({"import", "a.gba", "-", "--dry-run", "--data=x"});
    EXPECT_EQ(import.command, Command::importCsv);
    EXPECT_EQ(import.file, "-");
    EXPECT_TRUE(import.dryRun);
    EXPECT_EQ(import.dataDir, std::filesystem::path("x"));

    const CommandLine set =
        ParseCommandLine({"set", "a.gba", "13", "name=Sky Fall", "power=90", "--", "type=-1=2"});
    EXPECT_EQ(set.move, "13");
    ASSERT_EQ(set.assignments.size(), 3u);
    EXPECT_EQ(set.assignments[0].field, "name");
    EXPECT_EQ(set.assignments[0].value, "Sky Fall");
    EXPECT_EQ(set.assignments[2].value, "-1=2"); // only the first "=" separates

    EXPECT_EQ(ParseCommandLine({"list", "--help"}).command, Command::help);
    EXPECT_EQ(ParseCommandLine({"--version"}).command, Command::version);

    const CommandLine undo =
        ParseCommandLine({"set", "a.gba", "98", "priority=-1", "--undo", "u.csv", "--moves=412"});
    EXPECT_EQ(undo.undoFile, std::filesystem::path("u.csv"));
    EXPECT_EQ(undo.moveCount, 412);
    EXPECT_EQ(undo.assignments[0].value, "-1");

    const CommandLine diff = ParseCommandLine({"diff", "a.gba", "b.gba", "--csv"});
    EXPECT_EQ(diff.otherRom, "b.gba");
    EXPECT_EQ(diff.format, ListFormat::csv);
    EXPECT_FALSE(diff.moveCount) << "without --moves the table's count is found";

    const CommandLine profile =
        ParseCommandLine({"profile", "a.gba", "--write", "--force", "--moves", "2731"});
    EXPECT_TRUE(profile.write && profile.force);
    EXPECT_EQ(profile.moveCount, 2731);
}

TEST(ParseCommandLine, RefusesWhatItCannotRunWithAReason) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"frob", "a.gba"}, "unknown command \"frob\""},
        {{"list"}, "usage: skirmela-moves list ROM"},
        {{"list", "a.gba", "b.gba"}, "usage: skirmela-moves list ROM"},
        {{"export", "a.gba"}, "usage: skirmela-moves export ROM FILE.csv"},
        {{"import", "a.gba", "x.csv", "y.csv"}, "usage: skirmela-moves import"},
        {{"set", "a.gba", "13"}, "usage: skirmela-moves set"},
        {{"set", "a.gba", "13", "power"}, "\"power\" is no field=value"},
        {{"set", "a.gba", "13", "=5"}, "\"=5\" is no field=value"},
        {{"list", "a.gba", "--csv", "--json"}, "exclude each other"},
        {{"export", "a.gba", "x.csv", "--csv"}, "--csv and --json are options of list"},
        {{"list", "a.gba", "--dry-run"}, "--dry-run is an option of import and set"},
        {{"list", "a.gba", "--data"}, "--data needs a folder"},
        {{"list", "a.gba", "--data="}, "--data needs a folder"},
        {{"list", "a.gba", "--verbose"}, "unknown option --verbose"},
        {{}, "no command given"},
        {{"--data", "x"}, "no command given"},
        {{"diff", "a.gba"}, "usage: skirmela-moves diff ROM_A ROM_B"},
        {{"profile", "a.gba", "b.gba"}, "usage: skirmela-moves profile ROM"},
        {{"export", "a.gba", "x.csv", "--undo", "u.csv"}, "--undo is an option of import and set"},
        {{"import", "a.gba", "x.csv", "--undo", "u.csv", "--dry-run"},
         "--undo and --dry-run exclude each other"},
        {{"import", "a.gba", "x.csv", "--undo", "-"}, "--undo needs a file, not standard output"},
        {{"import", "a.gba", "x.csv", "--undo"}, "--undo needs a file"},
        {{"diff", "a.gba", "b.gba", "--backup"}, "--backup is an option of import and set"},
        {{"set", "a.gba", "1", "pp=5", "--backup", "--dry-run"}, "--backup and --dry-run exclude each other"},
        {{"list", "a.gba", "--write"}, "--write and --force are options of profile"},
        {{"profile", "a.gba", "--force"}, "--force is an option of profile --write"},
        {{"profile", "a.gba", "--json"}, "--csv and --json are options of list and diff"},
        {{"list", "a.gba", "--moves", "0"}, "--moves needs a number of moves 1 to 2731, not \"0\""},
        {{"list", "a.gba", "--moves", "2732"}, "--moves needs a number of moves 1 to 2731"},
        {{"list", "a.gba", "--moves", "99999999999"}, "--moves needs a number of moves 1 to 2731"},
        {{"list", "a.gba", "--moves", "-5"}, "--moves needs a number of moves"},
        {{"list", "a.gba", "--moves="}, "--moves needs a number of moves"},
        {{"version", "--moves", "400"}, "--moves is an option of the commands that read a ROM"},
    };
    for (const auto& [args, message] : cases) {
        try {
            ParseCommandLine(args);
            ADD_FAILURE() << "accepted " << args[0];
        } catch (const UsageError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}
