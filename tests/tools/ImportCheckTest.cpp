#include "tools/skirmela_moves/ImportCheck.h"

#include "rom/HexFunctions.h"
#include "tools/demo_rom/DemoRom.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace moves;

namespace {

const std::vector<MoveRow>& DemoRows() {
    static const std::vector<MoveRow> rows = [] {
        std::istringstream profile(demo::DemoProfileText({}));
        return ReadMoveRows(demo::MakeDemoRom().bytes, ReadTableLocation(profile));
    }();
    return rows;
}

std::string UntouchedHex(const MoveRow& row) {
    std::string hex;
    for (std::uint8_t b : row.untouched) hex += rom::HexPair(b);
    return hex;
}

ImportCheck Check(std::string_view csv) {
    return CheckImport(ParseCsv(csv), DemoRows());
}

std::vector<std::string> Described(const ImportCheck& check) {
    std::vector<std::string> lines;
    for (const CellError& e : check.errors) lines.push_back(DescribeCellError(e));
    return lines;
}

} // namespace

TEST(CheckImport, AnUnchangedLineBreakNameStaysEvenWithLfAlone) {
    // Move 200 is "Sky\r\nFall": a line break never encodes, so only an unchanged name can pass.
    EXPECT_TRUE(Check("move,name\r\n200,\"Sky\r\nFall\"\r\n").changes.empty());
    EXPECT_TRUE(Check("move,name\n200,\"Sky\nFall\"\n").changes.empty());
    const ImportCheck changed = Check("move,name,power\r\n200,\"Sky\r\nFall\",86\r\n");
    ASSERT_EQ(changed.changes.size(), 1u);
    EXPECT_FALSE(changed.changes[0].newName);
}

TEST(CheckImport, TakesListFieldsByNumberOrExactText) {
    const ImportCheck check = Check("type,move,target,effect\r\n"
                                    "Water,1,Your two Pok\xC3\xA9mon,17\r\n"
                                    "11,2,16,100% hit + no Type diff.\r\n");
    ASSERT_TRUE(check.errors.empty()) << DescribeCellError(check.errors[0]);
    ASSERT_EQ(check.changes.size(), 2u);
    for (const MoveChange& c : check.changes) {
        EXPECT_EQ(c.newRecord.type, 11);
        EXPECT_EQ(c.newRecord.target, 16);
        EXPECT_EQ(c.newRecord.effect, 17);
        EXPECT_EQ(c.newRecord.power,
                  DemoRows()[static_cast<std::size_t>(c.move)].record.power); // left as it was
    }
}

TEST(CheckImport, ReportsEachChangedFieldWithOldAndNew) {
    const ImportCheck check =
        Check("move,name,power,type,type_text\r\n5,Spark Claw,116,Fire,Fire\r\n3,Gale Wave,110,17,\r\n");
    ASSERT_TRUE(check.errors.empty()) << DescribeCellError(check.errors[0]);
    ASSERT_EQ(check.changes.size(), 1u); // move 3 is unchanged: same name, power 110 and type 17
    ASSERT_EQ(check.report.size(), 3u);
    EXPECT_EQ(check.report[0].field, "name");
    EXPECT_EQ(check.report[0].oldValue, "\"Spark Fang!\"");
    EXPECT_EQ(check.report[0].newValue, "\"Spark Claw\"");
    EXPECT_EQ(check.report[1].oldValue, "115");
    EXPECT_EQ(check.report[2].oldValue, "9 (???" ")");
    EXPECT_EQ(check.report[2].newValue, "10 (Fire)");
}

TEST(CheckImport, ReportsEveryBadCellWithRowAndColumnAndChangesNothing) {
    const ImportCheck check = Check("move,name,power,type,effect,type_text,untouched\r\n"
                                    "1,Good Name,90,Fire,0,Fire,\r\n" // sound, but must not be kept
                                    "2,Bad@Name,256,Firee,No effect,,\r\n"
                                    "355,x,1,1,1,,\r\n"
                                    "1,Again,1,1,1,,\r\n"
                                    "4,ABCDEFGHIJKLMN,-1,1,1,Water,\r\n"
                                    "5,a^b,1,1,1,,0000000000\r\n"
                                    "6,x\r\n"
                                    "0,NONE,1,1,1,,\r\n"
                                    "7,\"[m]\", 8 ,1,1,,\r\n");
    EXPECT_TRUE(check.changes.empty());
    const std::vector<std::string> expected = {
        "row 3, column 2 (name): \"Bad@Name\" holds \"@\", which the game's text cannot encode",
        "row 3, column 3 (power): \"256\" is not a number 0 to 255",
        "row 3, column 4 (type): \"Firee\" is neither a number 0 to 255 nor a text of the type list",
        "row 3, column 5 (effect): \"No effect\" is the text of several entries (12, 14, 15, 21, 22); write "
        "the number",
        "row 4, column 1 (move): \"355\" is not a move number 0 to 354",
        "row 5, column 1 (move): move 1 is listed already in row 2",
        "row 6, column 2 (name): \"ABCDEFGHIJKLMN\" has 14 characters; a name has at most 13",
        "row 6, column 3 (power): \"-1\" is not a number 0 to 255",
        "row 6, column 6 (type_text): \"Water\" is not the text of type 1 (Fighting); change the type column "
        "to change "
        "the type",
        "row 7, column 2 (name): \"a^b\" holds \"^\", which the game reads as the end of the name",
        "row 7, column 7 (untouched): \"0000000000\" differs from the ROM's " + UntouchedHex(DemoRows()[5]) +
            "; bytes 7 to 11 of a record are read-only",
        "row 8: has 2 cells; the header has 7",
        "row 9, column 2 (name): \"NONE\" cannot be the name of move 0, the placeholder always written as "
        "\"-\"",
        "row 10, column 2 (name): \"[m]\" holds \"[\", which the game's text cannot encode",
    };
    EXPECT_EQ(Described(check), expected);
}

TEST(CheckImport, RefusesAHeaderItCannotPlace) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "row 1: the table is empty; its first row must name the columns"},
        {"name,power\r\n", "row 1: the header has no \"move\" column"},
        {"move,powr\r\n",
         "row 1, column 2 (powr): is no column of the move table; the columns are move, name, effect"},
        {"move,power,move\r\n", "row 1, column 3 (move): appears twice (also column 1)"},
    };
    for (auto [csv, message] : cases) {
        const ImportCheck check = Check(csv);
        ASSERT_FALSE(check.errors.empty()) << csv;
        EXPECT_EQ(DescribeCellError(check.errors[0]).rfind(message, 0), 0u)
            << DescribeCellError(check.errors[0]);
    }
}

TEST(CheckImport, AcceptsListBytesBeyondTheVocabulary) {
    // A ROM hack may add types; the byte is kept like the window keeps it, with no text to match.
    const ImportCheck check = Check("move,type,type_text\r\n9,200,\r\n");
    ASSERT_TRUE(check.errors.empty()) << DescribeCellError(check.errors[0]);
    ASSERT_EQ(check.changes.size(), 1u);
    EXPECT_EQ(check.changes[0].newRecord.type, 200);
    EXPECT_EQ(check.report[0].newValue, "200 (no entry)");
    EXPECT_FALSE(Check("move,type,type_text\r\n9,200,Fire\r\n").errors.empty());
}

TEST(SameName, TreatsBothLineEndsAlike) {
    EXPECT_TRUE(SameName("Sky\r\nFall", "Sky\nFall"));
    EXPECT_TRUE(SameName("Sky\r\nFall", "Sky\r\nFall"));
    EXPECT_FALSE(SameName("Sky\r\nFall", "SkyFall"));
    EXPECT_FALSE(SameName("Sky\rFall", "SkyFall"));
    EXPECT_FALSE(SameName("Sky Fall", "Sky Fall "));
}
