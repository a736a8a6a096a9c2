// The built skirmela-moves program on temporary copies of the demo ROM: exit statuses, messages,
// and the whole ROM file afterwards.

#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/MoveBytes.h"
#include "rom/OpenMoveTables.h"
#include "rom/ShippedProfiles.h"
#include "rom/Utf8.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempFiles.h"
#include "tools/demo_rom/DemoRom.h"
#include "tools/skirmela_moves/Csv.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace moves;
using testing_support::DifferingPositions;
using testing_support::ReadFileBytes;
using testing_support::ReadFileText;
using testing_support::RunResult;
using testing_support::WriteFileText;

namespace {

class MovesCli : public ::testing::Test {
  protected:
    void SetUp() override { demo::WriteDemoRom(image_, rom_, data_); }

    // Runs the program with --data pointing at the demo profile unless withData is false; its
    // standard output goes to stdoutFile, or is kept in the result.
    RunResult Moves(std::vector<std::string> args, bool withData = true, std::string stdoutFile = "") const {
        if (withData) args.insert(args.end(), {"--data", data_.string()});
        return testing_support::RunProgram(SKIRMELA_MOVES_EXE, args, dir_.path(), "", stdoutFile);
    }

    // The exported table, parsed, for editing cell by cell; row k + 1 is move k.
    std::vector<CsvRecord> Exported() const {
        EXPECT_EQ(Moves({"export", rom_.string(), csv_.string()}).status, 0);
        return ParseCsv(ReadFileText(csv_));
    }

    void WriteCsv(const std::vector<CsvRecord>& records) const {
        std::string text;
        for (const CsvRecord& r : records) text += CsvLine(r.cells);
        WriteFileText(csv_, text);
    }

    static int Column(const std::vector<CsvRecord>& records, const std::string& name) {
        const auto& h = records[0].cells;
        return static_cast<int>(std::find(h.begin(), h.end(), name) - h.begin());
    }

    static void Edit(std::vector<CsvRecord>& records, int move, const std::string& column,
                     std::string value) {
        records[static_cast<std::size_t>(move) + 1].cells[static_cast<std::size_t>(Column(records, column))] =
            std::move(value);
    }

    rom::MoveTables Tables() const { return {image_.layout.nameStart, image_.layout.dataOffset}; }

    std::int64_t Name(int k, int i) const { return image_.layout.nameStart + (k - 1) * 13 + i; }
    std::int64_t Field(int k, rom::MoveField f) const {
        return image_.layout.dataOffset + 12 * k + static_cast<int>(f);
    }

    // The ROM replaced by a hack, opened through the shipped BPRE profile in the folder shipped_.
    void UseHack(const demo::DemoRom& hack) const {
        std::filesystem::create_directories(shipped_);
        WriteFileText(shipped_ / "BPRE.ini", std::string(*rom::ShippedProfileText("BPRE")));
        testing_support::WriteFileBytes(rom_, hack.bytes);
    }
    RunResult MovesOnHack(std::vector<std::string> args) const {
        args.insert(args.end(), {"--data", shipped_.string()});
        return Moves(args, false);
    }

    testing_support::TempDir dir_;
    demo::DemoRom image_ = demo::MakeDemoRom();
    std::filesystem::path rom_ = dir_ / "demo.gba", data_ = dir_ / "Data", csv_ = dir_ / "moves.csv";
    std::filesystem::path shipped_ = dir_ / "Shipped";
};

std::vector<std::size_t> Positions(std::initializer_list<std::int64_t> offsets) {
    std::vector<std::size_t> p;
    for (std::int64_t o : offsets) p.push_back(static_cast<std::size_t>(o));
    std::sort(p.begin(), p.end());
    return p;
}

// The text as list --json writes it: line breaks as \\n.
std::string JsonEscaped(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\\n") : std::string(1, c);
    return "\"" + out + "\"";
}

} // namespace

TEST_F(MovesCli, ExportThenImportOfTheUnchangedFileWritesNothing) {
    const std::vector<CsvRecord> records = Exported();
    EXPECT_EQ(records.size(), 356u);
    const RunResult r = Moves({"import", rom_.string(), csv_.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "no changes; nothing written\n");
    EXPECT_EQ(ReadFileBytes(rom_), image_.bytes);
}

TEST_F(MovesCli, AnEditedCsvChangesExactlyTheExpectedBytes) {
    std::vector<CsvRecord> records = Exported();
    Edit(records, 5, "name", "Spark Claw"); // was "Spark Fang!": bytes 6 to 11 differ
    Edit(records, 5, "power", "116");
    Edit(records, demo::DemoLineBreakNameMove, "type", "Water"); // the name keeps its line break
    Edit(records, demo::DemoLineBreakNameMove, "type_text", "");
    Edit(records, demo::DemoFullLengthNameMove, "pp", "5");
    WriteCsv(records);

    const RunResult r = Moves({"import", rom_.string(), csv_.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("move 5: name \"Spark Fang!\" -> \"Spark Claw\"\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("move 200: type 10 (Fire) -> 11 (Water)\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("4 changes in 3 moves, 9 bytes written"), std::string::npos) << r.out;

    const auto after = ReadFileBytes(rom_);
    EXPECT_EQ(DifferingPositions(image_.bytes, after),
              Positions({Name(5, 6), Name(5, 7), Name(5, 8), Name(5, 9), Name(5, 10), Name(5, 11),
                         Field(5, rom::MoveField::power), Field(200, rom::MoveField::type),
                         Field(13, rom::MoveField::pp)}));
    EXPECT_EQ(after[static_cast<std::size_t>(Field(200, rom::MoveField::type))], 11);

    // The written table exports as the edited one.
    const RunResult again = Moves({"import", rom_.string(), csv_.string()});
    EXPECT_EQ(again.out, "no changes; nothing written\n");
}

TEST_F(MovesCli, OneBadCellAnywhereMeansNoByteChanges) {
    struct BadCell {
        int move;
        const char* column;
        const char* value;
        const char* message;
    };
    const BadCell cases[] = {
        {354, "power", "300", "row 356, column 5 (power): \"300\" is not a number 0 to 255"},
        {0, "effect", "No Effect", "row 2, column 3 (effect): \"No Effect\" is the text of several entries"},
        {120, "name", "Glim[q]", "row 122, column 2 (name): \"Glim[q]\" holds \"[\""},
        {120, "name", "Glimmer Jab 2", "row 122, column 2 (name): \"Glimmer Jab 2\" has 13 characters"},
        {7, "padding", "FFFFFF", "row 9, column 15 (padding): \"FFFFFF\" differs from the ROM's"},
        {98, "priority", "200", "row 100, column 13 (priority): \"200\" is not a number -128 to 127"},
        {98, "flags", "contact|kingsrock", "row 100, column 14 (flags): \"contact|kingsrock\" is neither"},
    };
    for (const BadCell& bad : cases) {
        std::vector<CsvRecord> records = Exported();
        Edit(records, 3, "name", "Fine Name"); // sound edits around the bad cell
        Edit(records, 200, "power", "1");
        Edit(records, bad.move, bad.column, bad.value);
        WriteCsv(records);
        const RunResult r = Moves({"import", rom_.string(), csv_.string()});
        EXPECT_EQ(r.status, 1) << bad.message;
        EXPECT_NE(r.err.find(bad.message), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("1 bad cell; nothing written"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(ReadFileBytes(rom_), image_.bytes) << bad.message;
    }

    WriteFileText(csv_, "move,name\r\n3,\"open\r\n");
    const RunResult broken = Moves({"import", rom_.string(), csv_.string()});
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.err.find("row 2: a quoted field is never closed; nothing written"), std::string::npos)
        << broken.err;
    EXPECT_EQ(ReadFileBytes(rom_), image_.bytes);
}

TEST_F(MovesCli, DryRunPrintsTheChangesAndWritesNothing) {
    WriteFileText(csv_, "move,power,target\r\n13,90,Your two Pok\xC3\xA9mon\r\n");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"import", rom_.string(), csv_.string(), "--dry-run"},
          std::vector<std::string>{"set", "--dry-run", rom_.string(), "13", "power=90", "target=16"}}) {
        const RunResult r = Moves(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "move 13: power 85 -> 90\n"
                         "move 13: target 0 (Selected target) -> 16 (User)\n"
                         "dry run: 2 changes in 1 move, 2 bytes to write; nothing written\n");
        EXPECT_EQ(ReadFileBytes(rom_), image_.bytes);
    }
}

TEST_F(MovesCli, ListCsvQuotesTheFullLengthAndLineBreakNamesAsCsvRequires) {
    const RunResult r = Moves({"list", rom_.string(), "--csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("move,name,effect,power,type,accuracy,pp,effect_chance,target,priority,flags,"
                          "padding,description\r\n",
                          0),
              0u);
    EXPECT_NE(r.out.find("\r\n13,Thunderspiral,Normal Hit,85,Poison,80,25,0,Selected target,-6,"
                         "contact|protect|mirror_move|kings_rock,"),
              std::string::npos);
    EXPECT_NE(r.out.find("\r\n200,\"Sky\r\nFall\",Normal Hit,85,Fire,"), std::string::npos);
    const std::vector<CsvRecord> records = ParseCsv(r.out);
    ASSERT_EQ(records.size(), 356u);
    EXPECT_EQ(records[201].cells[1], "Sky\r\nFall");
    for (const CsvRecord& rec : records) EXPECT_EQ(rec.cells.size(), 13u) << rec.row;
}

TEST_F(MovesCli, ListShowsOneLineAMoveAndJsonEscapesTheLineBreak) {
    const RunResult text = Moves({"list", rom_.string()});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 356);
    EXPECT_NE(text.out.find(" 200  \"Sky\\r\\nFall\" "), std::string::npos);

    const RunResult json = Moves({"list", rom_.string(), "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_NE(
        json.out.find(
            "{\"move\": 200, \"name\": \"Sky\\r\\nFall\", \"effect\": 0, \"effect_text\": \"Normal Hit\""),
        std::string::npos);
    EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '{'), 355);
}

TEST_F(MovesCli, SetChangesOneMoveAndRefusesBadFieldsWhole) {
    const RunResult r = Moves({"set", rom_.string(), "13", "name=Thunder", "type=Water", "accuracy=100"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<rom::MoveRow> rows = rom::ReadMoveRows(ReadFileBytes(rom_), Tables());
    EXPECT_EQ(rows[13].name, "Thunder");
    EXPECT_EQ(rows[13].Record().type, 11);
    EXPECT_EQ(rows[13].Record().accuracy, 100);
    EXPECT_EQ(rows[12].name, image_.names[12]);
    EXPECT_EQ(rows[14].name, image_.names[14]);

    const auto before = ReadFileBytes(rom_);
    const std::pair<std::vector<std::string>, const char*> refusals[] = {
        {{"13", "power=90", "name=Thunder@Co"}, "name=Thunder@Co: \"Thunder@Co\" holds \"@\""},
        {{"13", "power=90", "effect=No effect"},
         "effect=No effect: \"No effect\" is the text of several entries"},
        {{"355", "power=90"}, "\"355\" is not a move number 0 to 354"},
        {{"13", "powr=90"}, "\"powr\" is no field"},
        {{"13", "untouched=00"}, "\"untouched\" is no field"},
        {{"13", "padding=000000"}, "\"padding\" is no field"},
        {{"13", "name=Thunderspirals"}, "has 14 characters; a name has at most 12"},
        {{"98", "priority=-129"}, "priority=-129: \"-129\" is not a number -128 to 127"},
        {{"98", "flags=protect|snatch|"}, "a name is missing"},
        {{"13", "pp=1", "pp=2"}, "pp is given twice"},
        // The split layout's fields and flag on a released ROM.
        {{"13", "damage_class=Special"},
         "damage_class=Special: is a column only where the ROM's record layout"},
        {{"13", "z_power=100"}, "is a column only where the ROM's record layout is split"},
        {{"13", "flags=heal_priority"}, "\"heal_priority\" is no flag"},
    };
    for (const auto& [operands, message] : refusals) {
        std::vector<std::string> args = {"set", rom_.string()};
        args.insert(args.end(), operands.begin(), operands.end());
        const RunResult bad = Moves(args);
        EXPECT_EQ(bad.status, 1) << message;
        EXPECT_NE(bad.err.find(message), std::string::npos) << bad.err;
        EXPECT_EQ(ReadFileBytes(rom_), before) << message;
    }
}

TEST_F(MovesCli, TextThatIsNotStrictUtf8IsRefusedAndNothingWritten) {
    // Each malformed value is given as a set operand and as an import cell among sound edits.
    struct Case {
        const char* field;
        const char* value;
        const char* shown; // the value as the message shows it
        const char* bytes;
        std::size_t at; // 1-based, in the value
        const char* why;
    };
    const Case cases[] = {
        {"name",
         "\xC1\x81"
         "BC",
         "\\xC1\\x81BC", "C1 81", 1, "an overlong encoding"},
        {"name", "A\xED\xA0\x80", "A\\xED\\xA0\\x80", "ED A0 80", 2, "a surrogate, which is no character"},
        {"name", "\xF4\x90\x80\x80!", "\\xF4\\x90\\x80\\x80!", "F4 90 80 80", 1, "a value past U+10FFFF"},
        {"name", "Spark\xC3", "Spark\\xC3", "C3", 6, "a character cut short"},
        {"type_text", "Fire\xFF", "Fire\\xFF", "FF", 5, "a byte that begins no character"},
    };
    const auto why = [](const Case& c, std::size_t at) {
        return std::string(" is not UTF-8 text (") + c.bytes + " at byte " + std::to_string(at) + ": " +
               c.why + ")";
    };
    for (const Case& c : cases) {
        const std::string field = c.field;
        if (field != "type_text") { // set takes fields only, no text columns
            const RunResult set = Moves({"set", rom_.string(), "5", "power=1", field + "=" + c.value});
            EXPECT_EQ(set.status, 1) << c.shown;
            const std::string message = "\"" + field + "=" + c.shown + "\"" + why(c, c.at + field.size() + 1);
            EXPECT_NE(set.err.find(message), std::string::npos) << set.err;
            EXPECT_EQ(set.out, "");
        }
        std::vector<CsvRecord> records = Exported();
        Edit(records, 200, "power", "1");
        Edit(records, 5, field, c.value);
        WriteCsv(records);
        const RunResult import = Moves({"import", rom_.string(), csv_.string()});
        EXPECT_EQ(import.status, 1) << c.shown;
        const std::string message = "row 7, column " + std::to_string(Column(records, field) + 1) + " (" +
                                    field + "): \"" + c.shown + "\"" + why(c, c.at);
        EXPECT_NE(import.err.find(message + "\n"), std::string::npos) << import.err;
        EXPECT_NE(import.err.find("1 bad cell; nothing written"), std::string::npos) << import.err;
        EXPECT_EQ(ReadFileBytes(rom_), image_.bytes) << c.shown;
    }
    const RunResult move = Moves({"set", rom_.string(), "5\xFF", "power=1"});
    EXPECT_EQ(move.status, 1);
    EXPECT_NE(move.err.find("\"5\\xFF\" is not UTF-8 text"), std::string::npos) << move.err;
    EXPECT_EQ(ReadFileBytes(rom_), image_.bytes);
}

TEST_F(MovesCli, FileTroubleExitsWithTwo) {
    const RunResult noRom = Moves({"list", (dir_ / "missing.gba").string()});
    EXPECT_EQ(noRom.status, 2);
    EXPECT_NE(noRom.err.find("cannot read the ROM"), std::string::npos) << noRom.err;

    // Without --data the profile is looked for beside the program, which knows no game ZQZQ.
    auto unknownGame = image_.bytes;
    std::copy_n("ZQZQ", 4, unknownGame.begin() + 172);
    testing_support::WriteFileBytes(dir_ / "unknown.gba", unknownGame);
    const RunResult noProfile = Moves({"list", (dir_ / "unknown.gba").string()}, false);
    EXPECT_EQ(noProfile.status, 2);
    EXPECT_NE(noProfile.err.find("no profile for game code ZQZQ"), std::string::npos) << noProfile.err;
    EXPECT_NE(noProfile.err.find("/Data/ZQZQ.ini does not exist"), std::string::npos) << noProfile.err;

    const RunResult noCsv = Moves({"import", rom_.string(), (dir_ / "missing.csv").string()});
    EXPECT_EQ(noCsv.status, 2);
    EXPECT_NE(noCsv.err.find("cannot read"), std::string::npos) << noCsv.err;

    WriteFileText(data_ / "SKDM.ini", demo::DemoProfileText({.dataOffset = 256 * 1024 - 100}));
    const RunResult outside = Moves({"list", rom_.string()});
    EXPECT_EQ(outside.status, 2);
    EXPECT_NE(
        outside.err.find("data table (355 records of 12 bytes from 262044) does not lie inside the ROM"),
        std::string::npos)
        << outside.err;
    EXPECT_EQ(ReadFileBytes(rom_), image_.bytes);
}

TEST_F(MovesCli, AReadOnlyRomIsRefusedBeforeItsBackupAndTheUndoFileIsLeftAsItWas) {
    ::chmod(rom_.c_str(), 0444);
    const std::filesystem::path state = dir_ / "state", undo = dir_ / "prev.csv";
    WriteFileText(undo, "the undo table of an earlier set\n");
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);
    const RunResult r = Moves({"set", rom_.string(), "13", "power=90", "--backup", "--undo", undo.string()});
    ::unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("cannot write " + rom_.string() + ": the file is read-only; nothing written"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(r.err.find("put back"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFileBytes(rom_), image_.bytes);
    EXPECT_FALSE(std::filesystem::exists(state));
    EXPECT_EQ(ReadFileText(undo), "the undo table of an earlier set\n");
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path(); // no temporary file
}

TEST_F(MovesCli, BadCommandLinesExitWithOne) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"frob"}, std::vector<std::string>{"list"},
          std::vector<std::string>{"export", rom_.string(), "--json"}, std::vector<std::string>{}}) {
        const RunResult r = Moves(args);
        EXPECT_EQ(r.status, 1) << args.size();
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("skirmela-moves --help shows the commands"), std::string::npos) << r.err;
    }
    const RunResult help = Moves({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Exit status: 0 done, 1 bad input"), std::string::npos);
    const RunResult version = Moves({"--version"}, false);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("skirmela-moves ", 0), 0u) << version.out;
}

TEST_F(MovesCli, ExportOfAnEditedRomImportedIntoTheOriginalGivesTheEditedRomByteForByte) {
    // Every column of every seventh move changes in the ROM itself: names written as the game stores
    // them, and record bytes 0 to 8; the padding stays, as no import may write it.
    std::vector<std::uint8_t> edited = image_.bytes;
    std::uint32_t seed = 7;
    const auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int k = 1; k <= 354; k += 7) {
        if (k != demo::DemoFullLengthNameMove && k != demo::DemoLineBreakNameMove) {
            const std::string name = "Edit\r\nNo" + std::to_string(k) + "\u2642";
            const auto pairs = rom::EncodeNameField(rom::Utf8ToU32(name));
            for (int i = 0; i < 13; ++i)
                edited[static_cast<std::size_t>(Name(k, i))] =
                    rom::ParseHexPair(pairs[static_cast<std::size_t>(i)]);
        }
        for (int b = 0; b <= 8; ++b)
            edited[static_cast<std::size_t>(image_.layout.dataOffset + 12 * k + b)] =
                static_cast<std::uint8_t>(next());
    }
    const std::filesystem::path editedRom = dir_ / "edited.gba";
    testing_support::WriteFileBytes(editedRom, edited);
    ASSERT_EQ(Moves({"export", editedRom.string(), csv_.string()}).status, 0);

    const RunResult r = Moves({"import", rom_.string(), csv_.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(rom_), edited);
    EXPECT_EQ(Moves({"diff", rom_.string(), editedRom.string()}).out, "no differences\n");
}

TEST_F(MovesCli, SetPriorityWritesOneByteAndDiffNamesExactlyThatField) {
    const std::filesystem::path original = dir_ / "original.gba";
    testing_support::WriteFileBytes(original, image_.bytes);
    const RunResult r = Moves({"set", rom_.string(), "98", "priority=-1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "move 98: priority 1 -> -1\n1 change in 1 move, 1 byte written\n");
    const auto after = ReadFileBytes(rom_);
    const std::size_t priority = static_cast<std::size_t>(image_.layout.dataOffset + 12 * 98 + 7);
    EXPECT_EQ(DifferingPositions(image_.bytes, after), std::vector<std::size_t>{priority});
    EXPECT_EQ(after[priority], 0xFF);

    const std::pair<const char*, const char*> formats[] = {
        {nullptr, "move 98: priority 1 -> -1\n"},
        {"--csv", "move,field,old,new\r\n98,priority,1,-1\r\n"},
        {"--json", "[\n  {\"move\": 98, \"field\": \"priority\", \"old\": 1, \"new\": -1}\n]\n"},
    };
    for (const auto& [option, expected] : formats) {
        std::vector<std::string> args = {"diff", original.string(), rom_.string()};
        if (option) args.push_back(option);
        const RunResult diff = Moves(args);
        EXPECT_EQ(diff.status, 0) << diff.err;
        EXPECT_EQ(diff.out, expected);
    }
    const RunResult flags = Moves({"set", rom_.string(), "98", "flags=contact|protect"});
    ASSERT_EQ(flags.status, 0) << flags.err;
    EXPECT_EQ(ReadFileBytes(rom_)[priority + 1], 0x03);
}

TEST_F(MovesCli, AnUndoFileRestoresATwentyCellImportByteForByte) {
    WriteFileText(csv_, "move,name,type_text,power,priority,flags\r\n"
                        "13,Short,Water,1,-6,none\r\n"
                        "200,Sky Fall,Fire,2,5,contact\r\n"
                        "98,Quick,Ice,3,-1,bit6|bit7\r\n"
                        "1,Jab,Dark,4,2,kings_rock\r\n");
    const std::filesystem::path undo = dir_ / "undo.csv";
    const RunResult r = Moves({"import", rom_.string(), csv_.string(), "--undo", undo.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("undo table written to " + undo.string()), std::string::npos) << r.out;
    ASSERT_NE(ReadFileBytes(rom_), image_.bytes);

    const RunResult back = Moves({"import", rom_.string(), undo.string()});
    ASSERT_EQ(back.status, 0) << back.err << ReadFileText(undo);
    EXPECT_EQ(ReadFileBytes(rom_), image_.bytes);
    EXPECT_NE(back.out.find("move 13: name \"Short\" -> \"Thunderspiral\"\n"), std::string::npos) << back.out;

    // No undo file, no write: a folder that does not exist, the ROM itself, the table imported.
    const std::pair<std::filesystem::path, int> refusals[] = {
        {dir_ / "missing" / "undo.csv", 2}, {rom_, 1}, {csv_, 1}};
    for (const auto& [target, status] : refusals) {
        const RunResult refused = Moves({"import", rom_.string(), csv_.string(), "--undo", target.string()});
        EXPECT_EQ(refused.status, status) << target;
        EXPECT_NE(refused.err.find("nothing written"), std::string::npos) << refused.err;
        EXPECT_EQ(ReadFileBytes(rom_), image_.bytes) << target;
    }
    EXPECT_EQ(ReadFileText(csv_).rfind("move,name,type_text", 0), 0u);
    const RunResult set = Moves({"set", rom_.string(), "98", "priority=0", "--undo", rom_.string()});
    EXPECT_EQ(set.status, 1);
    EXPECT_NE(set.err.find("is the ROM; nothing written"), std::string::npos) << set.err;
    EXPECT_EQ(ReadFileBytes(rom_), image_.bytes);
}

TEST_F(MovesCli, BackupCopiesTheRomBeforeItChangesAndAFailedBackupWritesNothing) {
    const std::filesystem::path state = dir_ / "state", backups = state / "skirmela" / "backups";
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);
    const RunResult done = Moves({"set", rom_.string(), "13", "power=91", "--backup"});
    ASSERT_EQ(done.status, 0) << done.err;
    const std::vector<std::filesystem::path> made(std::filesystem::directory_iterator(backups), {});
    ASSERT_EQ(made.size(), 1u);
    EXPECT_NE(done.out.find("backup written to " + made[0].string()), std::string::npos) << done.out;
    EXPECT_EQ(ReadFileBytes(made[0]), image_.bytes);
    const auto changed = ReadFileBytes(rom_);
    EXPECT_EQ(DifferingPositions(changed, image_.bytes),
              std::vector<std::size_t>{static_cast<std::size_t>(image_.layout.dataOffset + 12 * 13 + 1)});

    // A state folder that is a file: no backup, no undo table, no write.
    ::setenv("XDG_STATE_HOME", (dir_ / "out.txt").c_str(), 1);
    const RunResult refused =
        Moves({"set", rom_.string(), "13", "power=92", "--backup", "--undo", (dir_ / "undo.csv").string()});
    ::unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("cannot make the backup folder"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("nothing written"), std::string::npos) << refused.err;
    EXPECT_EQ(ReadFileBytes(rom_), changed);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "undo.csv"));
}

TEST_F(MovesCli, ProfilePrintsAndWritesTheProfileOfTheHeaderWords) {
    const demo::DemoRom bpre = demo::MakeDemoRom({.gameCode = "BPRE", .revision = 1, .headerWords = true});
    const std::filesystem::path rom = dir_ / "bpre.gba", data = dir_ / "Profiles";
    testing_support::WriteFileBytes(rom, bpre.bytes);

    const RunResult shown = Moves({"profile", rom.string()}, false);
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out,
              "Profile for game code BPRE, revision 1, from the table words of the ROM's header\r\n"
              "[Nameoffset.rev1]\r\noffset=65549\r\n[Dataoffset.rev1]\r\noffset=131072\r\n");

    const RunResult written = Moves({"profile", rom.string(), "--write", "--data", data.string()}, false);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(ReadFileText(data / "BPRE.ini"), shown.out);
    EXPECT_EQ(Moves({"list", rom.string(), "--data", data.string()}, false).status, 0);

    // A profile that contradicts the header is refused with the way out, and --write keeps its values.
    WriteFileText(data / "BPRE.ini",
                  "[Nameoffset.rev1]\r\noffset=65562\r\n[Dataoffset.rev1]\r\noffset=131072\r\n");
    const RunResult mismatch = Moves({"list", rom.string(), "--data", data.string()}, false);
    EXPECT_EQ(mismatch.status, 2);
    EXPECT_NE(mismatch.err.find("skirmela-moves profile ROM"), std::string::npos) << mismatch.err;
    const RunResult kept = Moves({"profile", rom.string(), "--write", "--data", data.string()}, false);
    EXPECT_EQ(kept.status, 1);
    EXPECT_NE(kept.err.find("[Nameoffset.rev1] holds offset=65562, not 65549"), std::string::npos)
        << kept.err;
    EXPECT_NE(ReadFileText(data / "BPRE.ini").find("65562"), std::string::npos);
    ::chmod((data / "BPRE.ini").c_str(), 0640); // the replaced profile keeps its mode
    EXPECT_EQ(Moves({"profile", rom.string(), "--write", "--force", "--data", data.string()}, false).status,
              0);
    struct stat st {};
    ASSERT_EQ(::stat((data / "BPRE.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(Moves({"list", rom.string(), "--data", data.string()}, false).status, 0);

    const RunResult noWords = Moves({"profile", rom_.string()}, false);
    EXPECT_EQ(noWords.status, 1);
    EXPECT_NE(noWords.err.find("carries no table words"), std::string::npos) << noWords.err;
}

TEST_F(MovesCli, MovesReadsAnExtendedTableWhoseEndLiesInsideTheFile) {
    // The table extended by 45 names; the bytes after the demo's 355 names are no names.
    EXPECT_EQ(Moves({"list", rom_.string(), "--moves", "400"}).status, 2);
    std::vector<std::uint8_t> extendedRom = image_.bytes;
    for (int k = 355; k < 400; ++k) {
        const auto entry = *rom::EncodeNameEntry(U"Extra");
        std::copy(entry.begin(), entry.end(), extendedRom.begin() + Name(k, 0));
    }
    testing_support::WriteFileBytes(rom_, extendedRom);
    const RunResult extended = Moves({"list", rom_.string(), "--csv", "--moves", "400"});
    ASSERT_EQ(extended.status, 0) << extended.err;
    EXPECT_EQ(ParseCsv(extended.out).size(), 401u);
    const RunResult set = Moves({"set", rom_.string(), "399", "power=1", "--moves", "400", "--dry-run"});
    EXPECT_EQ(set.status, 0) << set.err;
    // Without --moves the table is counted by its names, and move 400 lies beyond them.
    EXPECT_EQ(ParseCsv(Moves({"list", rom_.string(), "--csv"}).out).size(), 401u);
    EXPECT_EQ(Moves({"set", rom_.string(), "400", "power=1"}).status, 1);

    // A data table whose 400th record ends with the file.
    WriteFileText(data_ / "SKDM.ini", demo::DemoProfileText({.dataOffset = 256 * 1024 - 12 * 400}));
    EXPECT_EQ(Moves({"list", rom_.string(), "--moves", "400"}).status, 0);
    const RunResult outside = Moves({"list", rom_.string(), "--moves", "401"});
    EXPECT_EQ(outside.status, 2);
    EXPECT_NE(outside.err.find("data table (401 records of 12 bytes"), std::string::npos) << outside.err;
    EXPECT_EQ(ReadFileBytes(rom_), extendedRom);
}

TEST_F(MovesCli, AGrownTableIsCountedByItsNamesAndAMisplacedOneIsNeverWritten) {
    const demo::DemoRom hack = demo::MakeDemoRom(
        {.gameCode = "BPRE", .headerWords = true, .movedNameStart = 0x30001, .movedDataOffset = 0x33451});
    UseHack(hack);
    const auto moves = [this](std::vector<std::string> args) { return MovesOnHack(std::move(args)); };
    // Values a user may write do not end the table: every move is still there after them.
    const RunResult set = moves({"set", rom_.string(), "700", "accuracy=255", "pp=99", "priority=10"});
    ASSERT_EQ(set.status, 0) << set.err;
    const RunResult listed = moves({"list", rom_.string(), "--csv"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(ParseCsv(listed.out).size(), 924u);
    EXPECT_EQ(moves({"set", rom_.string(), "700", "accuracy=100", "pp=10", "priority=0"}).status, 0);

    // The names word one byte off: no command reads or writes through it.
    std::vector<std::uint8_t> shifted = ReadFileBytes(rom_);
    shifted[0x148] = static_cast<std::uint8_t>(shifted[0x148] + 1);
    testing_support::WriteFileBytes(rom_, shifted);
    for (const std::vector<std::string>& command : {std::vector<std::string>{"list", rom_.string()},
                                                    {"set", rom_.string(), "2", "name=Abc"},
                                                    {"export", rom_.string(), (dir_ / "x.csv").string()}}) {
        const RunResult r = moves(command);
        EXPECT_EQ(r.status, 2) << command[0];
        EXPECT_NE(r.err.find("is not the placeholder"), std::string::npos) << r.err;
    }
    EXPECT_EQ(ReadFileBytes(rom_), shifted);
}

TEST_F(MovesCli, NoOutputTakesThePlaceOfTheRomTheTableOrTheProfile) {
    std::filesystem::create_symlink(rom_, dir_ / "link.gba");
    WriteFileText(csv_, "move,power\r\n5,1\r\n");
    const std::string profile = (data_ / "SKDM.ini").string(), profileText = ReadFileText(data_ / "SKDM.ini");
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"export", rom_.string(), rom_.string()}, "the export file " + rom_.string() + " is the ROM"},
        {{"export", rom_.string(), (dir_ / "link.gba").string()}, "is the ROM"},
        {{"export", rom_.string(), profile}, "is the game's profile"},
        {{"import", rom_.string(), csv_.string(), "--undo", profile},
         "the undo file " + profile + " is the game's profile"},
        {{"import", rom_.string(), csv_.string(), "--undo", (dir_ / "link.gba").string()}, "is the ROM"},
        {{"set", rom_.string(), "5", "power=1", "--undo", profile}, "is the game's profile"},
    };
    for (const auto& [args, message] : refused) {
        const RunResult r = Moves(args);
        EXPECT_EQ(r.status, 1) << args[2];
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_EQ(ReadFileBytes(rom_), image_.bytes) << args[2];
        EXPECT_EQ(ReadFileText(data_ / "SKDM.ini"), profileText) << args[2];
    }
}

TEST_F(MovesCli, AnOutputThatCannotBeWrittenIsAFailure) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const demo::DemoRom bpre = demo::MakeDemoRom({.gameCode = "BPRE", .headerWords = true});
    testing_support::WriteFileBytes(dir_ / "bpre.gba", bpre.bytes);
    const std::vector<std::string> commands[] = {
        {"list", rom_.string()},
        {"list", rom_.string(), "--json"},
        {"export", rom_.string(), "-"},
        {"diff", rom_.string(), rom_.string(), "--json"},
        {"profile", (dir_ / "bpre.gba").string()},
    };
    for (const auto& args : commands) {
        const RunResult r = Moves(args, args[0] != "profile", "/dev/full");
        EXPECT_EQ(r.status, 2) << args[0] << " " << args.back();
        EXPECT_NE(r.err.find("cannot write the output: disk full"), std::string::npos) << r.err;
    }
}

TEST_F(MovesCli, FoldersWhereFilesShouldBeAreNamedAsSuch) {
    std::filesystem::create_directories(dir_ / "folder.gba");
    std::filesystem::create_directories(dir_ / "folder.csv");
    std::filesystem::create_directories(dir_ / "Other" / "SKDM.ini");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"list", (dir_ / "folder.gba").string(), "--data", data_.string()}, "folder.gba: Is a directory"},
        {{"import", rom_.string(), (dir_ / "folder.csv").string(), "--data", data_.string()},
         "folder.csv: Is a directory"},
        {{"list", rom_.string(), "--data", (dir_ / "Other").string()}, "SKDM.ini is a directory, not a file"},
    };
    for (const auto& [args, message] : cases) {
        const RunResult r = Moves(args, false);
        EXPECT_EQ(r.status, 2) << args[1];
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

TEST_F(MovesCli, ADescriptionMovedToTheFreeSpaceIsListedDiffedAndUndoneByteForByte) {
    std::vector<CsvRecord> records = Exported();
    ASSERT_EQ(records[6].cells.back(), "Pounds.");
    Edit(records, 5, "description", "A much longer text\nthat lands elsewhere.");
    Edit(records, 100, "description", "Short.");
    WriteCsv(records);
    const std::filesystem::path undo = dir_ / "undo.csv";
    const RunResult r = Moves({"import", rom_.string(), csv_.string(), "--undo", undo.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    // Move 100's text stays in place; move 5's goes 16 bytes past the last data byte (0x3AFFF),
    // and only the two low bytes of its pointer change.
    const std::int64_t pointer5 = image_.layout.descriptionTable + 4 * 4;
    std::vector<std::size_t> expected;
    for (std::int64_t i = 0; i < 40; ++i) expected.push_back(static_cast<std::size_t>(0x3B010 + i));
    expected.push_back(static_cast<std::size_t>(pointer5));
    expected.push_back(static_cast<std::size_t>(pointer5 + 1));
    std::sort(expected.begin(), expected.end());
    std::vector<std::size_t> changed = DifferingPositions(image_.bytes, ReadFileBytes(rom_));
    std::vector<std::size_t> outsideMove100;
    std::copy_if(changed.begin(), changed.end(), std::back_inserter(outsideMove100),
                 [](std::size_t at) { return at >= 0x3A000; });
    EXPECT_EQ(outsideMove100, expected);
    EXPECT_EQ(changed.size() - outsideMove100.size(), 7u); // "Short." and its FF over move 100's text
    EXPECT_NE(Moves({"list", rom_.string(), "--json"})
                  .out.find("\"description\": \"A much longer text\\nthat lands elsewhere.\""),
              std::string::npos);
    const std::string original = (dir_ / "original.gba").string();
    testing_support::WriteFileBytes(original, image_.bytes);
    EXPECT_EQ(Moves({"diff", original, rom_.string(), "--csv"}).out,
              "move,field,old,new\r\n5,description,Pounds.,\"A much longer text\nthat lands elsewhere.\"\r\n"
              "100,description,\"A long, long attack\nthat goes on and on\nuntil the foe\u2019s HP\nruns out "
              "at last.\",Short.\r\n");

    // The undo table's description_clear cell: the hex offset of the text made FF again, then its
    // decimal length (undo tables of earlier versions hold the same form).
    EXPECT_NE(ReadFileText(undo).find(",3B010:41\r\n"), std::string::npos) << ReadFileText(undo);
    const RunResult back = Moves({"import", rom_.string(), undo.string()});
    ASSERT_EQ(back.status, 0) << back.err << ReadFileText(undo);
    EXPECT_EQ(ReadFileBytes(rom_), image_.bytes);
}

TEST_F(MovesCli, DescriptionsThatCannotBeWrittenLeaveTheRomAsItWas) {
    std::vector<std::uint8_t> full = image_.bytes;
    std::fill(full.end() - 32, full.end(), 0x00);
    // Move 1's pointer aimed at move 301's pointer, or at move 10's name entry.
    const auto aimed = [this](std::int64_t at) {
        std::vector<std::uint8_t> rom = image_.bytes;
        for (int i = 0; i < 4; ++i)
            rom[static_cast<std::size_t>(image_.layout.descriptionTable + i)] =
                static_cast<std::uint8_t>((0x08000000 + at) >> (8 * i));
        return rom;
    };
    const struct {
        std::vector<std::string> args;
        std::vector<std::uint8_t> rom;
        const char* message;
    } cases[] = {
        {{"5", "description=Costs 5 \u20AC"}, image_.bytes, "\"\u20AC\" (U+20AC) has no code"},
        {{"0", "description=Nothing"},
         image_.bytes,
         "move 0's description cannot be written: the move has none"},
        {{"5", "description=A text longer than Pounds."}, full, "no free space"},
        {{"5", "description="},
         image_.bytes,
         "description= gives no text; a description cannot be set empty"},
        {{"5", "description=" + std::string(600, 'y')},
         image_.bytes,
         "the description of move 5 has no end byte within 512 bytes (its text and end byte take 601)"},
        {{"1", "description=A"},
         aimed(image_.layout.descriptionTable + 4 * 300),
         "the description pointer of move 1 (0x803A4B0) points into the description pointer table"},
        {{"1", "description=Zz"},
         aimed(image_.layout.nameStart + 13 * 9),
         "the description pointer of move 1 (0x8010082) points into the name table"},
    };
    const std::filesystem::path undo = dir_ / "undo.csv";
    for (const auto& c : cases) {
        testing_support::WriteFileBytes(rom_, c.rom);
        std::vector<std::string> args = {"set", rom_.string()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.insert(args.end(), {"--undo", undo.string()});
        const RunResult r = Moves(args);
        EXPECT_EQ(r.status, 1) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(ReadFileBytes(rom_), c.rom) << c.message;
        EXPECT_FALSE(std::filesystem::exists(undo)) << c.message;
    }
}

TEST_F(MovesCli, AnUndoTableThatWouldWriteOverAnotherMoveIsRefusedByRowAndColumn) {
    // The pointer aims at move 1's record: the row must not turn its fields into 187/187/187/255.
    WriteFileText(csv_, "move,description_pointer,description_bytes\r\n5,0802000C,BBBBBBFF\r\n");
    const RunResult r = Moves({"import", rom_.string(), csv_.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(
        r.err.find(
            "row 2, column 2 (description_pointer): move 5: the description at 0x2000C would lie in the "
            "record table; nothing written"),
        std::string::npos)
        << r.err;
    EXPECT_EQ(ReadFileBytes(rom_), image_.bytes);
}

TEST_F(MovesCli, ListAndSetSayWhyTheProfilesDescriptionOffsetCannotBeUsed) {
    const std::string profile = ReadFileText(data_ / "SKDM.ini");
    const std::string given = "offset=" + std::to_string(image_.layout.descriptionTable);
    for (const char* value : {"-4", "abc", "0x3A000"}) {
        std::string spoilt = profile;
        spoilt.replace(spoilt.find(given), given.size(), std::string("offset=") + value);
        WriteFileText(data_ / "SKDM.ini", spoilt);
        const std::string reason =
            std::string("[Descriptionoffset] offset \"") + value + "\" is not a decimal offset";
        const RunResult list = Moves({"list", rom_.string()});
        EXPECT_EQ(list.status, 0) << value;
        EXPECT_NE(list.err.find("the descriptions are not read: the profile's " + reason), std::string::npos)
            << list.err;
        const RunResult set = Moves({"set", rom_.string(), "5", "description=Hits."});
        EXPECT_EQ(set.status, 1) << value;
        EXPECT_NE(set.err.find(reason), std::string::npos) << set.err;
    }
    EXPECT_EQ(ReadFileBytes(rom_), image_.bytes);
}

TEST_F(MovesCli, ADescriptionBeyondTheGamesBoxIsWrittenWithAWarning) {
    demo::DemoRomLayout layout;
    layout.gameCode = "BPRE";
    layout.size = 0x200000;
    const demo::DemoRom image = demo::MakeDemoRom(layout);
    demo::WriteDemoRom(image, rom_, data_);
    const struct {
        const char* text;
        const char* warning; // "" for none
    } cases[] = {
        {"1\n2\n3\n4\n5", "skirmela-moves: warning: move 5: description: 5 lines; the game's box shows 4\n"},
        {"1234567890123456789012", "line 1 has 22 characters; the game's longest has 21"},
        {"Fits the box.", ""},
    };
    for (const auto& c : cases) {
        const RunResult r = Moves({"set", rom_.string(), "5", std::string("description=") + c.text});
        EXPECT_EQ(r.status, 0) << r.err;
        if (*c.warning)
            EXPECT_NE(r.err.find(c.warning), std::string::npos) << r.err;
        else
            EXPECT_EQ(r.err.find("warning"), std::string::npos) << r.err;
        EXPECT_NE(Moves({"list", rom_.string(), "--json"}).out.find(JsonEscaped(c.text)), std::string::npos)
            << c.text;
    }
}

// Every file the commands write is put in its place by a rename: a second link to the old file keeps
// the old bytes, where a file written over in place would change under both names.
TEST_F(MovesCli, OutputFilesAreWrittenBesideAndRenamedIntoPlace) {
    const std::filesystem::path exported = dir_ / "old.csv", undo = dir_ / "undo.csv";
    for (const auto& file : {exported, undo}) {
        WriteFileText(file, "old\n");
        std::filesystem::create_hard_link(file, file.string() + ".link");
    }
    ASSERT_EQ(Moves({"export", rom_.string(), exported.string()}).status, 0);
    ASSERT_EQ(Moves({"set", rom_.string(), "13", "power=91", "--undo", undo.string()}).status, 0);
    for (const auto& file : {exported, undo}) {
        EXPECT_EQ(ReadFileText(file.string() + ".link"), "old\n") << file;
        EXPECT_TRUE(ReadFileText(file).starts_with("move,")) << file;
    }
}

TEST_F(MovesCli, WhatIsNoRegularFileIsRefusedBeforeAByteIsReadOrWritten) {
    const std::filesystem::path fifo = dir_ / "out.csv";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"list", "/dev/zero"}, "cannot read the ROM /dev/zero: it is not a regular file"},
        {{"profile", "/dev/zero"}, "cannot read the ROM /dev/zero: it is not a regular file"},
        {{"export", rom_.string(), fifo.string()},
         "cannot write " + fifo.string() + ": it is not a regular file"},
        {{"export", rom_.string(), "/dev/null"}, "cannot write /dev/null: it is not a regular file"},
        {{"set", rom_.string(), "13", "power=91", "--undo", "/dev/null"},
         "/dev/null: it is not a regular file"},
        {{"list", (dir_ / "a\x01\nb.gba").string()}, "a\\x01\\nb.gba: No such file or directory"},
    };
    for (const auto& [args, message] : cases) {
        const RunResult r = Moves(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\x01'), std::string::npos) << r.err;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_EQ(ReadFileBytes(rom_), image_.bytes);
}

TEST_F(MovesCli, AHacksOwnTypeNamesAreShownAndTakenAndItsNotesAreSaid) {
    const demo::DemoRom hack = demo::MakeDemoRom(demo::HackLayout());
    UseHack(hack);
    const std::filesystem::path& data = shipped_;
    const auto moves = [this](std::vector<std::string> args) { return MovesOnHack(std::move(args)); };
    const RunResult exported = moves({"export", rom_.string(), csv_.string()});
    ASSERT_EQ(exported.status, 0) << exported.err;
    for (const std::string& note : rom::OpenRomImage(rom_, rom::OnlyProfileFolder(data)).at.notes)
        EXPECT_NE(exported.err.find(note), std::string::npos) << note;
    const std::vector<CsvRecord> rows = ParseCsv(ReadFileText(csv_));
    int fairies = 0;
    for (std::size_t r = 1; r < rows.size(); ++r)
        if (rows[r].cells[static_cast<std::size_t>(Column(rows, "type"))] == "23") {
            EXPECT_EQ(rows[r].cells[static_cast<std::size_t>(Column(rows, "type_text"))], "Fairy") << r;
            ++fairies;
        }
    EXPECT_GT(fairies, 0);

    // A type by its ROM name (any case) changes that one byte; a name nobody gives is refused.
    const std::size_t type = static_cast<std::size_t>(hack.layout.movedDataOffset + 12 * 700 + 2);
    for (const char* given : {"Fairy", "fairy"}) {
        std::vector<std::uint8_t> expected = ReadFileBytes(rom_);
        expected[type] = expected[type] == 23 ? 0 : 23;
        const std::string value = expected[type] == 23 ? given : "Normal";
        const RunResult set = moves({"set", rom_.string(), "700", "type=" + value});
        ASSERT_EQ(set.status, 0) << set.err;
        EXPECT_EQ(ReadFileBytes(rom_), expected) << value;
    }
    const std::vector<std::uint8_t> before = ReadFileBytes(rom_);
    EXPECT_NE(moves({"set", rom_.string(), "700", "type=Sound"}).status, 0);
    EXPECT_EQ(ReadFileBytes(rom_), before);

    // An effect the user's own profile names is shown and taken by that name.
    const std::string own = (dir_ / "Own").string();
    ASSERT_EQ(Moves({"profile", rom_.string(), "--write", "--data", own}, false).status, 0);
    WriteFileText(dir_ / "Own" / "BPRE.ini",
                  ReadFileText(dir_ / "Own" / "BPRE.ini") + "[Effectnames]\r\n250=Rapid Heal\r\n");
    std::vector<std::uint8_t> expected = before;
    expected[type - 2] = 250;
    const RunResult effect = Moves({"set", rom_.string(), "700", "effect=Rapid Heal", "--data", own}, false);
    ASSERT_EQ(effect.status, 0) << effect.err;
    EXPECT_EQ(ReadFileBytes(rom_), expected);
    ASSERT_EQ(Moves({"export", rom_.string(), csv_.string(), "--data", own}, false).status, 0);
    const std::vector<CsvRecord> named = ParseCsv(ReadFileText(csv_));
    EXPECT_EQ(named[701].cells[static_cast<std::size_t>(Column(named, "effect_text"))], "Rapid Heal");
}

TEST_F(MovesCli, ProfileWritesTheSplitLayoutTheRecordsShow) {
    const std::filesystem::path rom = dir_ / "hack.gba", data = dir_ / "Profiles";
    testing_support::WriteFileBytes(rom, demo::MakeDemoRom(demo::HackLayout()).bytes);
    const RunResult shown = Moves({"profile", rom.string()}, false);
    ASSERT_EQ(shown.status, 0) << shown.err;
    const std::string layout = "[Recordlayout]\r\nlayout=split\r\n";
    EXPECT_NE(shown.out.find(layout), std::string::npos) << shown.out;
    EXPECT_EQ(Moves({"profile", rom.string(), "--write", "--data", data.string()}, false).status, 0);
    EXPECT_EQ(ReadFileText(data / "BPRE.ini"), shown.out);

    // A profile with the offsets but no layout gets it added; one that gives a layout keeps its own.
    std::string withoutLayout = shown.out;
    withoutLayout.erase(withoutLayout.find(layout), layout.size());
    const std::string released = withoutLayout + "[Recordlayout]\r\nlayout=released\r\n";
    for (const auto& [before, after] :
         {std::pair{withoutLayout, withoutLayout + layout}, {released, released}}) {
        WriteFileText(data / "BPRE.ini", before);
        EXPECT_EQ(Moves({"profile", rom.string(), "--write", "--data", data.string()}, false).status, 0);
        EXPECT_EQ(ReadFileText(data / "BPRE.ini"), after);
    }
}

TEST_F(MovesCli, AHacksSplitRecordBytesAreListedAndEachSetWritesOnlyItsByte) {
    const demo::DemoRom hack = demo::MakeDemoRom(demo::HackLayout());
    UseHack(hack);
    const auto moves = [this](std::vector<std::string> args) { return MovesOnHack(std::move(args)); };
    const RunResult listed = moves({"list", rom_.string(), "--csv"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    EXPECT_NE(listed.out.find(",flags,z_power,damage_class,z_effect,padding,"), std::string::npos);
    const std::size_t record = static_cast<std::size_t>(hack.layout.movedDataOffset + 12 * 700);
    const std::string className = rom::DamageClassNames()[hack.bytes[record + 10]];
    EXPECT_NE(listed.out.find("\r\n700,"), std::string::npos);
    EXPECT_NE(listed.out.substr(listed.out.find("\r\n700,")).find("," + className + ","), std::string::npos);

    const struct {
        std::string operand;
        std::size_t byte;
        std::uint8_t value;
    } sets[] = {{"damage_class=Special", 10, 1},
                {"z_power=180", 9, 180},
                {"z_effect=3", 11, 3},
                {"flags=heal_priority", 8, 0x40},
                {"type=Fairy", 2, 23}};
    for (const auto& s : sets) {
        std::vector<std::uint8_t> expected = ReadFileBytes(rom_);
        if (expected[record + s.byte] == s.value) expected[record + s.byte + 0] = 0; // set apart first
        testing_support::WriteFileBytes(rom_, expected);
        expected[record + s.byte] = s.value;
        const RunResult set = moves({"set", rom_.string(), "700", s.operand});
        ASSERT_EQ(set.status, 0) << set.err;
        EXPECT_EQ(ReadFileBytes(rom_), expected) << s.operand;
    }
    // A status class on a move with power is written with a warning.
    std::vector<std::uint8_t> expected = ReadFileBytes(rom_);
    expected[record + 1] = 60, expected[record + 10] = 2;
    const RunResult status = moves({"set", rom_.string(), "700", "power=60", "damage_class=Status"});
    ASSERT_EQ(status.status, 0) << status.err;
    EXPECT_NE(status.err.find("warning: move 700"), std::string::npos) << status.err;
    EXPECT_EQ(ReadFileBytes(rom_), expected);

    // padding changed to another class than damage_class is refused, with its row and column.
    std::vector<CsvRecord> rows =
        ParseCsv((moves({"export", rom_.string(), csv_.string()}), ReadFileText(csv_)));
    Edit(rows, 700, "damage_class", "Physical");
    Edit(rows, 700, "padding", "B40103");
    WriteCsv(rows);
    const RunResult refused = moves({"import", rom_.string(), csv_.string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("padding"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("row 702"), std::string::npos) << refused.err;
    EXPECT_EQ(ReadFileBytes(rom_), expected);
}

TEST_F(MovesCli, DiffShowsEachRomByItsOwnNamesAndRecordLayout) {
    // The released demo beside the split-layout hack, both profiles in one folder: move 7's type 23 is
    // the hack's Fairy only on the hack's side, flag bit 6 is heal_priority only there, and byte 10
    // (the hack's damage class) is compared as padding, which both tables have.
    demo::DemoRom released = image_, hack = demo::MakeDemoRom(demo::HackLayout());
    const auto set = [](demo::DemoRom& image, std::int32_t table, int k, int byte, std::uint8_t value) {
        image.bytes[static_cast<std::size_t>(table + 12 * k + byte)] = value;
    };
    const std::int32_t plain = released.layout.dataOffset, moved = hack.layout.movedDataOffset;
    set(released, plain, 7, 2, 23), set(hack, moved, 7, 2, 10);
    set(released, plain, 8, 2, 10), set(hack, moved, 8, 2, 23);
    set(released, plain, 9, 8, 0x41), set(hack, moved, 9, 8, 0x01);
    testing_support::WriteFileBytes(rom_, released.bytes);
    const std::filesystem::path hackRom = dir_ / "hack.gba";
    testing_support::WriteFileBytes(hackRom, hack.bytes);
    WriteFileText(data_ / "BPRE.ini", std::string(*rom::ShippedProfileText("BPRE")));

    const struct {
        bool hackFirst;
        std::vector<std::string> format;
        std::string expected;
    } cases[] = {
        {false, {}, "move 7: type 23 (no entry) -> 10 (Fire)\n"},
        {true, {}, "move 7: type 10 (Fire) -> 23 (no entry)\n"},
        {false, {}, "move 8: type 10 (Fire) -> 23 (Fairy)\n"},
        {true, {}, "move 8: type 23 (Fairy) -> 10 (Fire)\n"},
        {false, {}, "move 9: flags contact|bit6 -> contact\n"},
        {true, {}, "move 9: flags contact -> contact|bit6\n"},
        {true,
         {"--json"},
         "\"field\": \"type\", \"old\": 23, \"new\": 10, \"old_text\": \"Fairy\", \"new_text\": "
         "\"Fire\"}"},
        {false,
         {"--json"},
         "\"field\": \"type\", \"old\": 23, \"new\": 10, \"old_text\": null, \"new_text\": "
         "\"Fire\"}"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"diff", c.hackFirst ? hackRom.string() : rom_.string(),
                                         c.hackFirst ? rom_.string() : hackRom.string()};
        args.insert(args.end(), c.format.begin(), c.format.end());
        const RunResult r = Moves(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find(c.expected), std::string::npos) << c.expected;
        EXPECT_EQ(r.out.find("damage_class"), std::string::npos) << c.hackFirst;
        EXPECT_NE(r.out.find("padding"), std::string::npos) << c.hackFirst;
    }
}

namespace {

// The R/S-like demo ROM with contest tables, and the file offset of contest record byte b of move k.
struct ContestDemo {
    demo::DemoRom image = demo::MakeDemoRom(demo::ContestLayout());
    std::size_t Byte(int k, int b) const {
        return static_cast<std::size_t>(image.layout.contestMoveTable + 8 * k + b);
    }
    std::size_t EffectByte(int e, int b) const {
        return static_cast<std::size_t>(image.layout.contestEffectTable + 4 * e + b);
    }
};

} // namespace

TEST_F(MovesCli, ContestFieldsAreListedSetByNameUndoneAndAbsentWithoutContestData) {
    const ContestDemo c;
    const std::filesystem::path contestRom = dir_ / "contest.gba", undo = dir_ / "undo.csv";
    demo::WriteDemoRom(c.image, contestRom, data_);
    const std::string csv = Moves({"list", contestRom.string(), "--csv"}).out;
    EXPECT_NE(csv.find(",padding,contest_category,contest_category_text,contest_effect,contest_effect_text,"
                       "combo_starter,combo_moves,combo_moves_text,description\r\n"),
              std::string::npos);
    const std::string effect0 = c.image.contestEffectTexts[0];
    const std::string names = c.image.names[116] + "|" + c.image.names[170] + "||";
    const struct {
        std::vector<std::string> args;
        std::string expected; // in the output of the command on the contest ROM
    } shown[] = {
        {{"list", contestRom.string(), "--csv"}, "4,Tough,0," + effect0 + ",60,0|0|0|0,|||,"},
        {{"list", contestRom.string(), "--csv"}, ",61|62|0|0," + names + ","},
        {{"list", contestRom.string(), "--json"},
         "\"combo_moves\": [61,62,0,0], \"combo_moves_text\": [\"" + c.image.names[116] + "\", \"" +
             c.image.names[170] + "\""},
        {{"export", contestRom.string(), "-"}, ",61|62|0|0," + names + ","},
    };
    for (const auto& s : shown) {
        const RunResult r = Moves(s.args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find(s.expected), std::string::npos) << s.expected;
    }

    // Names where numbers are; byte 1's bits 3 to 7 (set on move 57) and byte 7 stay as they are.
    const std::vector<std::uint8_t> original = ReadFileBytes(contestRom);
    std::vector<std::uint8_t> expected = original;
    expected[c.Byte(57, 1)] = static_cast<std::uint8_t>((original[c.Byte(57, 1)] & 0xF8) | 1);
    expected[c.Byte(57, 2)] = 200;
    expected[c.Byte(57, 3)] = 62, expected[c.Byte(57, 4)] = 60;
    expected[c.Byte(57, 0)] = 3;
    const RunResult set =
        Moves({"set", contestRom.string(), "57", "contest_category=beauty", "combo_starter=200",
               "combo_moves=" + c.image.names[170] + "|60|0|0", "contest_effect=3", "--undo", undo.string()});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(ReadFileBytes(contestRom), expected);
    EXPECT_NE(set.out.find("move 57: contest_category "), std::string::npos) << set.out;
    const std::filesystem::path before = dir_ / "before.gba";
    testing_support::WriteFileBytes(before, original);
    const RunResult compared = Moves({"diff", before.string(), contestRom.string(), "--csv"});
    EXPECT_NE(compared.out.find("\r\n57,combo_moves,"), std::string::npos) << compared.out;
    EXPECT_NE(compared.out.find(",62|60|0|0\r\n"), std::string::npos) << compared.out;
    const RunResult undone = Moves({"import", contestRom.string(), undo.string()});
    ASSERT_EQ(undone.status, 0) << undone.err;
    EXPECT_EQ(ReadFileBytes(contestRom), original);

    // Without contest data no contest column is listed, compared or taken.
    const RunResult plain = Moves({"list", rom_.string(), "--csv"});
    EXPECT_EQ(plain.out.find("contest_"), std::string::npos);
    EXPECT_EQ(plain.out.find("combo_"), std::string::npos);
    const RunResult diff = Moves({"diff", contestRom.string(), rom_.string()});
    ASSERT_EQ(diff.status, 0) << diff.err;
    EXPECT_EQ(diff.out.find("contest_"), std::string::npos);
    EXPECT_EQ(diff.out.find("combo_"), std::string::npos);
    const RunResult refused = Moves({"set", rom_.string(), "5", "contest_category=Cool"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("contest_category"), std::string::npos) << refused.err;
    EXPECT_EQ(ReadFileBytes(rom_), image_.bytes);
}

TEST_F(MovesCli, AContestEffectIsListedAndSetWithTheMovesItReachesAndUndone) {
    const ContestDemo c;
    const std::filesystem::path contestRom = dir_ / "contest.gba", undo = dir_ / "undo.csv";
    demo::WriteDemoRom(c.image, contestRom, data_);
    const RunResult json = Moves({"contest-effects", "list", contestRom.string(), "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const auto& e3 = c.image.contestEffects[3];
    EXPECT_NE(json.out.find("{\"effect\": 3, \"type\": " + std::to_string(e3[0]) + ", \"appeal\": " +
                            std::to_string(e3[1]) + ", \"jam\": " + std::to_string(e3[2]) + ", \"text\": "),
              std::string::npos)
        << json.out;

    std::size_t users = 0;
    for (const auto& record : c.image.contestMoves) users += record[0] == 3 ? 1 : 0;
    const std::vector<std::uint8_t> original = ReadFileBytes(contestRom);
    std::vector<std::uint8_t> expected = original;
    expected[c.EffectByte(3, 1)] = static_cast<std::uint8_t>(e3[1] + 1);
    const RunResult set = Moves({"contest-effects", "set", contestRom.string(), "3",
                                 "appeal=" + std::to_string(e3[1] + 1), "--undo", undo.string()});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(ReadFileBytes(contestRom), expected);
    EXPECT_NE(set.out.find("is used by " + std::to_string(users) + " moves"), std::string::npos) << set.out;
    ASSERT_EQ(Moves({"contest-effects", "import", contestRom.string(), undo.string()}).status, 0);
    EXPECT_EQ(ReadFileBytes(contestRom), original);

    // A value out of range, a field that is not one, a ROM without contest data: nothing written.
    const std::vector<std::string> refusals[] = {
        {"contest-effects", "set", contestRom.string(), "3", "jam=256"},
        {"contest-effects", "set", contestRom.string(), "48", "jam=1"},
        {"contest-effects", "set", contestRom.string(), "3", "padding=1"},
        {"contest-effects", "set", rom_.string(), "3", "jam=1"},
    };
    for (const auto& args : refusals) {
        EXPECT_NE(Moves(args).status, 0) << args[3] << args[4];
        EXPECT_EQ(ReadFileBytes(contestRom), original);
    }
    EXPECT_EQ(ReadFileBytes(rom_), image_.bytes);
}
