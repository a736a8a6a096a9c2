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
        {{"list", "a.gba", "--dry-run"},
         "--dry-run is an option of import, set and contest-effects set|import"},
        {{"list", "a.gba", "--data"}, "--data needs a folder"},
        {{"list", "a.gba", "--data="}, "--data needs a folder"},
        {{"list", "a.gba", "--verbose"}, "unknown option --verbose"},
        {{}, "no command given"},
        {{"--data", "x"}, "no command given"},
        {{"diff", "a.gba"}, "usage: skirmela-moves diff ROM_A ROM_B"},
        {{"profile", "a.gba", "b.gba"}, "usage: skirmela-moves profile ROM"},
        {{"export", "a.gba", "x.csv", "--undo", "u.csv"},
         "--undo is an option of import, set and contest-effects set|import"},
        {{"import", "a.gba", "x.csv", "--undo", "u.csv", "--dry-run"},
         "--undo and --dry-run exclude each other"},
        {{"import", "a.gba", "x.csv", "--undo", "-"}, "--undo needs a file, not standard output"},
        {{"import", "a.gba", "x.csv", "--undo"}, "--undo needs a file"},
        {{"diff", "a.gba", "b.gba", "--backup"},
         "--backup is an option of import, set and contest-effects set|import"},
        {{"set", "a.gba", "1", "pp=5", "--backup", "--dry-run"}, "--backup and --dry-run exclude each other"},
        {{"list", "a.gba", "--write"}, "--write and --force are options of profile"},
        {{"profile", "a.gba", "--force"}, "--force is an option of profile --write"},
        {{"profile", "a.gba", "--json"},
         "--csv and --json are options of list, diff and contest-effects list"},
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

namespace {

// Every field of a command line that differs from its default, in one line.
std::string Shown(const CommandLine& cl) {
    const char* const commands[] = {"help", "version", "list", "export", "import", "set", "diff", "profile"};
    std::string s = commands[static_cast<int>(cl.command)];
    const auto add = [&s](const std::string& field, bool given, const std::string& value) {
        if (given) s += " " + field + "=" + value;
    };
    add("rom", !cl.rom.empty(), cl.rom);
    add("other", !cl.otherRom.empty(), cl.otherRom);
    add("file", !cl.file.empty(), cl.file);
    add("move", !cl.move.empty(), cl.move);
    for (const FieldAssignment& a : cl.assignments) s += " [" + a.field + "]=[" + a.value + "]";
    add("format", cl.format != ListFormat::text, cl.format == ListFormat::csv ? "csv" : "json");
    add("dry-run", cl.dryRun, "yes");
    add("undo", cl.undoFile.has_value(), cl.undoFile.value_or("").string());
    add("backup", cl.backup, "yes");
    add("write", cl.write, "yes");
    add("force", cl.force, "yes");
    add("moves", cl.moveCount.has_value(), std::to_string(cl.moveCount.value_or(0)));
    add("data", cl.dataDir.has_value(), cl.dataDir.value_or("").string());
    return s;
}

} // namespace

TEST(ParseCommandLine, TakesEverySpellingOfItsOptionsAndOperands) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--help"}, "help"},
        {{"-h"}, "help"},
        {{"help"}, "help"},
        {{"frob", "--help"}, "help"},
        {{"--version", "--help"}, "help"},
        {{"--version"}, "version"},
        {{"version"}, "version"},
        {{"list", "a.gba", "--version"}, "version"},
        {{"list", "-"}, "list rom=-"},
        {{"list", "--", "-a.gba"}, "list rom=-a.gba"},
        {{"--", "list", "--x"}, "list rom=--x"},
        {{"list", "", "--csv"}, "list format=csv"},
        {{"list", "a.gba", "--data", "--csv"}, "list rom=a.gba data=--csv"},
        {{"list", "a.gba", "--data", "-"}, "list rom=a.gba data=-"},
        {{"list", "a.gba", "--data=x=y"}, "list rom=a.gba data=x=y"},
        {{"list", "a.gba", "--data", "a", "--data=b"}, "list rom=a.gba data=b"},
        {{"list", "a.gba", "--moves", " 12 "}, "list rom=a.gba moves=12"},
        {{"list", "a.gba", "--moves=007"}, "list rom=a.gba moves=7"},
        {{"list", "a.gba", "--json", "--json"}, "list rom=a.gba format=json"},
        {{"export", "a.gba", "-"}, "export rom=a.gba file=-"},
        {{"import", "a.gba", "t.csv", "--undo=u.csv", "--backup"},
         "import rom=a.gba file=t.csv undo=u.csv backup=yes"},
        {{"import", "a.gba", "t.csv", "--undo", "--backup"}, "import rom=a.gba file=t.csv undo=--backup"},
        {{"set", "a.gba", "13", "name=", "--dry-run"}, "set rom=a.gba move=13 [name]=[] dry-run=yes"},
        {{"set", "a.gba", "--", "-1", "power=-2"}, "set rom=a.gba move=-1 [power]=[-2]"},
        {{"set", "a.gba", "13", "name=\xC3\xA9=", "type=x"},
         "set rom=a.gba move=13 [name]=[\xC3\xA9=] [type]=[x]"},
        {{"diff", "a.gba", "b.gba", "--json"}, "diff rom=a.gba other=b.gba format=json"},
        {{"profile", "a.gba", "--force", "--write"}, "profile rom=a.gba write=yes force=yes"},
    };
    for (const auto& [args, shown] : cases) {
        std::string line;
        for (const std::string& a : args) line += "[" + a + "]";
        EXPECT_EQ(Shown(ParseCommandLine(args)), shown) << line;
    }
}

TEST(ParseCommandLine, SaysWhatIsWrongInTheseWords) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{}, "no command given"},
        {{"--data", "x"}, "no command given"},
        {{"--frob"}, "unknown option --frob"},
        {{"--frob", "--help"}, "unknown option --frob"},
        {{"--help", "--frob"}, "unknown option --frob"},
        {{"--help=1"}, "unknown option --help=1"},
        {{"list", "a.gba", "--csv=1"}, "unknown option --csv=1"},
        {{"list", "a.gba", "-x"}, "unknown option -x"},
        {{"list", "a.gba", "--datax"}, "unknown option --datax"},
        {{"list", "a.gba", "--in-place=1"}, "unknown option --in-place=1"},
        {{"list", "a.gba", "--\xFF"}, "unknown option --\\xFF"},
        {{"set", "a.gba", "-1", "power=1"}, "unknown option -1"},
        {{"list", "a.gba", "--in-place"},
         "--in-place is an option of skirmela-moves patch, which comes first"},
        {{"list", "a.gba", "--format"}, "--format is an option of skirmela-moves patch, which comes first"},
        {{"list", "a.gba", "--format=ips"},
         "--format is an option of skirmela-moves patch, which comes first"},
        {{"list", "a.gba", "--data"}, "--data needs a folder"},
        {{"list", "a.gba", "--data", ""}, "--data needs a folder"},
        {{"list", "a.gba", "--data="}, "--data needs a folder"},
        {{"import", "a.gba", "t.csv", "--undo"}, "--undo needs a file"},
        {{"import", "a.gba", "t.csv", "--undo="}, "--undo needs a file"},
        {{"list", "a.gba", "--moves"}, "--moves needs a number of moves"},
        {{"list", "a.gba", "--moves="}, "--moves needs a number of moves"},
        {{"list", "a.gba", "--moves=x"}, "--moves needs a number of moves 1 to 2731, not \"x\""},
        {{"list", "a.gba", "--moves", "1e3"}, "--moves needs a number of moves 1 to 2731, not \"1e3\""},
        {{"patch", "create"}, "patch comes first: skirmela-moves patch create|apply|info ..."},
        {{"frob"},
         "unknown command \"frob\"; the commands are list, export, import, set, diff, profile, "
         "contest-effects, patch, help "
         "and "
         "version"},
        {{"fr\xC3"},
         "unknown command \"fr\\xC3\"; the commands are list, export, import, set, diff, profile, "
         "contest-effects, "
         "patch, help and version"},
        {{"help", "x"}, "usage: skirmela-moves help"},
        {{"version", "x"}, "usage: skirmela-moves version"},
        {{"list"}, "usage: skirmela-moves list ROM [--csv | --json]"},
        {{"list", "--", "a.gba", "--csv"}, "usage: skirmela-moves list ROM [--csv | --json]"},
        {{"list", "a.gba", "--", "--"}, "usage: skirmela-moves list ROM [--csv | --json]"},
        {{"export", "a.gba"}, "usage: skirmela-moves export ROM FILE.csv"},
        {{"import", "a.gba"},
         "usage: skirmela-moves import ROM FILE.csv [--dry-run | [--undo UNDO.csv] [--backup]]"},
        {{"set", "a.gba", "13"},
         "usage: skirmela-moves set ROM MOVE field=value... [--dry-run | [--undo UNDO.csv] [--backup]]"},
        {{"diff", "a.gba"}, "usage: skirmela-moves diff ROM_A ROM_B [--csv | --json]"},
        {{"profile"}, "usage: skirmela-moves profile ROM [--write [--force]]"},
        {{"set", "a.gba", "13", "power"}, "\"power\" is no field=value (for example power=90 or type=Fire)"},
        {{"set", "a.gba", "1\xFF", "power=1"},
         "the operand \"1\\xFF\" is not UTF-8 text (FF at byte 2: a byte that begins no character); nothing "
         "written"},
        {{"list", "a.gba", "--csv", "--json"}, "--csv and --json exclude each other"},
        {{"export", "a.gba", "x.csv", "--json"},
         "--csv and --json are options of list, diff and contest-effects list"},
        {{"list", "a.gba", "--dry-run"},
         "--dry-run is an option of import, set and contest-effects set|import"},
        {{"list", "a.gba", "--undo", "u.csv"},
         "--undo is an option of import, set and contest-effects set|import"},
        {{"list", "a.gba", "--backup"},
         "--backup is an option of import, set and contest-effects set|import"},
        {{"set", "a.gba", "1", "pp=5", "--backup", "--dry-run"},
         "--backup and --dry-run exclude each other: a dry run writes nothing"},
        {{"set", "a.gba", "1", "pp=5", "--undo=u.csv", "--dry-run"},
         "--undo and --dry-run exclude each other: a dry run writes nothing"},
        {{"set", "a.gba", "1", "pp=5", "--undo", "-"}, "--undo needs a file, not standard output"},
        {{"list", "a.gba", "--force"}, "--write and --force are options of profile"},
        {{"profile", "a.gba", "--force"}, "--force is an option of profile --write"},
        {{"help", "--moves", "400"}, "--moves is an option of the commands that read a ROM"},
    };
    for (const auto& [args, message] : cases) {
        std::string line;
        for (const std::string& a : args) line += "[" + a + "]";
        try {
            ParseCommandLine(args);
            ADD_FAILURE() << "accepted " << line;
        } catch (const UsageError& e) {
            EXPECT_EQ(std::string(e.what()), message) << line;
        }
    }
}
