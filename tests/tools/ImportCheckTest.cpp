#include "tools/skirmela_moves/ImportCheck.h"

#include "rom/HexFunctions.h"
#include "rom/ProfileFolders.h"
#include "rom/Vocabularies.h"
#include "tests/support/TempFiles.h"
#include "tools/demo_rom/DemoRom.h"
#include "tools/skirmela_moves/MoveListing.h"

#include <gtest/gtest.h>

#include <map>

using namespace moves;

namespace {

const std::vector<rom::MoveRow>& DemoRows() {
    static const std::vector<rom::MoveRow> rows = [] {
        const demo::DemoRom image = demo::MakeDemoRom();
        return rom::ReadMoveRows(image.bytes, {image.layout.nameStart, image.layout.dataOffset});
    }();
    return rows;
}

std::string Hex(const rom::MoveRow& row, int first) {
    std::string hex;
    for (std::size_t b = static_cast<std::size_t>(first); b < row.bytes.size(); ++b)
        hex += rom::HexPair(row.bytes[b]);
    return hex;
}

ImportCheck Check(std::string_view csv) {
    return CheckImport(ParseCsv(csv), TableView{DemoRows()});
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
    // The longer texts shown before they were shortened to fit the window's lists name their values too.
    const ImportCheck earlier = Check("move,target,effect,effect_text\r\n"
                                      "4,Depends on the move,Survive Hit with at least 1 HP,"
                                      "Survive Hit with at least 1 HP\r\n");
    ASSERT_TRUE(earlier.errors.empty()) << DescribeCellError(earlier.errors[0]);
    ASSERT_EQ(earlier.changes.size(), 1u);
    EXPECT_EQ(earlier.changes[0].newBytes[6], 1);
    EXPECT_EQ(earlier.changes[0].newBytes[0], 116);
    for (const MoveChange& c : check.changes) {
        EXPECT_EQ(c.newBytes[2], 11);
        EXPECT_EQ(c.newBytes[6], 16);
        EXPECT_EQ(c.newBytes[0], 17);
        EXPECT_EQ(c.newBytes[1], DemoRows()[static_cast<std::size_t>(c.move)].bytes[1]); // left as it was
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
    EXPECT_EQ(check.report[2].oldValue, "9 (???"
                                        ")");
    EXPECT_EQ(check.report[2].newValue, "10 (Fire)");
}

TEST(CheckImport, ReportsEveryBadCellWithRowAndColumnAndChangesNothing) {
    const ImportCheck check = Check("move,name,power,type,effect,type_text,untouched\r\n"
                                    "1,Good Name,90,Fire,0,Fire,\r\n" // sound, but must not be kept
                                    "2,Bad@Name,256,Firee,No effect,,\r\n"
                                    "355,x,1,1,1,,\r\n"
                                    "1,Again,1,1,1,,\r\n"
                                    "4,ABCDEFGHIJKLM,-1,1,1,Water,\r\n"
                                    "5,a^b,1,1,1,,0000000000\r\n"
                                    "6,x\r\n"
                                    "0,NONE,1,1,1,,\r\n"
                                    "7,\"[q]\", 8 ,1,1,,\r\n");
    EXPECT_TRUE(check.changes.empty());
    const std::vector<std::string> expected = {
        "row 3, column 2 (name): \"Bad@Name\" holds \"@\", which the game's text cannot encode",
        "row 3, column 3 (power): \"256\" is not a number 0 to 255",
        "row 3, column 4 (type): \"Firee\" is neither a number 0 to 255 nor a text of the type list",
        "row 3, column 5 (effect): \"No effect\" is the text of several entries (12, 14, 15, 21, 22); write "
        "the number",
        "row 4, column 1 (move): \"355\" is not a move number 0 to 354",
        "row 5, column 1 (move): move 1 is listed already in row 2",
        "row 6, column 2 (name): \"ABCDEFGHIJKLM\" has 13 characters; a name has at most 12, as the game "
        "shows a name up to its end byte",
        "row 6, column 3 (power): \"-1\" is not a number 0 to 255",
        "row 6, column 6 (type_text): \"Water\" is type 11 (Water), but the type column changes it to 1 "
        "(Fighting); change one of the two columns only",
        "row 7, column 2 (name): \"a^b\" holds \"^\", which the game reads as the end of the name",
        "row 7, column 7 (untouched): \"0000000000\" differs from the ROM's " + Hex(DemoRows()[5], 7) +
            "; the bytes 7 to 11 of this column (write priority and flags in their own columns) are "
            "read-only",
        "row 8: has 2 cells; the header has 7",
        "row 9, column 2 (name): \"NONE\" cannot be the name of move 0, the placeholder always written as "
        "\"-\"",
        "row 10, column 2 (name): \"[q]\" holds \"[\", which the game's text cannot encode",
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
        {"move,pow\xC3\r\n",
         "row 1, column 2 (pow\\xC3): \"pow\\xC3\" is not UTF-8 text (C3 at byte 4: a character"},
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
    EXPECT_EQ(check.changes[0].newBytes[2], 200);
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

TEST(CheckImport, TakesPriorityAndFlagsAndKeepsThePaddingReadOnly) {
    const rom::MoveRow& m3 = DemoRows()[3];
    const ImportCheck check = Check("move,priority,flags,padding\r\n"
                                    "1,-1,contact|protect,\r\n"
                                    "2,+5, snatch | bit7 ,\r\n"
                                    "3,-128,255," +
                                    Hex(m3, 9) +
                                    "\r\n"
                                    "4,127,none,\r\n"
                                    "5,0,0,\r\n");
    ASSERT_TRUE(check.errors.empty()) << DescribeCellError(check.errors[0]);
    const std::pair<int, int> expected[] = {
        {0xFF, 0x03}, {0x05, 0x88}, {0x80, 0xFF}, {0x7F, 0x00}, {0x00, 0x00}};
    std::map<int, const MoveChange*> byMove;
    for (const MoveChange& c : check.changes) byMove[c.move] = &c;
    for (int k = 1; k <= 5; ++k) {
        const rom::MoveRow& row = DemoRows()[static_cast<std::size_t>(k)];
        const auto [priority, flags] = expected[k - 1];
        if (row.bytes[7] == priority && row.bytes[8] == flags) {
            EXPECT_EQ(byMove.count(k), 0u) << k; // nothing to change
            continue;
        }
        ASSERT_EQ(byMove.count(k), 1u) << k;
        EXPECT_EQ(byMove[k]->newBytes[7], priority) << k;
        EXPECT_EQ(byMove[k]->newBytes[8], flags) << k;
        EXPECT_TRUE(std::equal(row.bytes.begin() + 9, row.bytes.end(), byMove[k]->newBytes.begin() + 9)) << k;
    }
}

TEST(CheckImport, RefusesEveryBadCellOfTheNewColumns) {
    const std::string padding = Hex(DemoRows()[1], 9);
    const std::pair<std::string, std::string> cases[] = {
        {"priority,128", "\"128\" is not a number -128 to 127"},
        {"priority,-129", "\"-129\" is not a number -128 to 127"},
        {"priority,255", "\"255\" is not a number -128 to 127"},
        {"priority,- 1", "\"- 1\" is not a number -128 to 127"},
        {"priority,", "\"\" is not a number -128 to 127"},
        {"priority,1.5", "\"1.5\" is not a number -128 to 127"},
        {"priority,0x10", "\"0x10\" is not a number -128 to 127"},
        {"flags,256", "\"256\" is neither a number 0 to 255 nor flag names joined with \"|\""},
        {"flags,-1", "\"-1\" is no flag"},
        {"flags,Contact", "\"Contact\" is no flag"},
        {"flags,contact|", "a name is missing"},
        {"flags,none|contact", "\"none\" is no flag"},
        {"flags,", "a name is missing"},
        {"flags,contact,protect", "has 3 cells; the header has 2"},
        {"padding,000000", "\"000000\" differs from the ROM's " + padding +
                               "; bytes 9 to 11 of a record are "
                               "read-only"},
        {"name_bytes,FF", "\"FF\" is not 26 hex digits (the 13 bytes of the name entry)"},
        {"name_bytes,ZZ00000000000000000000000000", "is not 26 hex digits"},
        // Entries that would end the table when it is next counted, or fail its next open.
        {"name_bytes,FFFFFFFFFFFFFFFFFFFFFFFFFF", "13 bytes FF are free space"},
        {"name_bytes,00000000000000000000000000", "13 blanks are no name"},
        {"name_bytes,BB37FF00000000000000000000", "a name entry is game text ended by FF"},
    };
    for (const auto& [columnAndCell, message] : cases) {
        const std::size_t comma = columnAndCell.find(',');
        const ImportCheck check = Check("move," + columnAndCell.substr(0, comma) + "\r\n1," +
                                        columnAndCell.substr(comma + 1) + "\r\n");
        ASSERT_EQ(check.errors.size(), 1u) << columnAndCell;
        EXPECT_NE(DescribeCellError(check.errors[0]).find(message), std::string::npos)
            << DescribeCellError(check.errors[0]);
        EXPECT_TRUE(check.changes.empty()) << columnAndCell;
    }
}

TEST(CheckImport, TakesAChangedTextWhenTheNumberStaysAndRefusesTwoEditsThatDisagree) {
    const rom::MoveRow& row = DemoRows()[1];
    const std::string type = std::to_string(row.bytes[2]);
    const std::string typeText = rom::TypeNames()[row.bytes[2]];
    const std::string other = row.bytes[2] == 11 ? "10" : "11";
    const std::string otherText = row.bytes[2] == 11 ? "Fire" : "Water";
    struct Case {
        std::string typeCell, textCell;
        std::optional<int> result; // the new type byte; nullopt for a conflict
    };
    const Case cases[] = {
        {type, otherText, std::stoi(other)},  // the text alone changed: taken
        {other, typeText, std::stoi(other)},  // the number alone changed: the old text is ignored
        {other, otherText, std::stoi(other)}, // both changed and agree
        {other, "", std::stoi(other)},        // no text: the number decides
        {"17", otherText, std::nullopt},      // both changed and disagree
        {type, typeText, row.bytes[2]},       // nothing changed
    };
    for (const Case& c : cases) {
        const ImportCheck check = Check("move,type,type_text\r\n1," + c.typeCell + "," + c.textCell + "\r\n");
        if (!c.result) {
            ASSERT_EQ(check.errors.size(), 1u) << c.typeCell << " " << c.textCell;
            EXPECT_NE(check.errors[0].message.find("change one of the two columns only"), std::string::npos);
            continue;
        }
        ASSERT_TRUE(check.errors.empty()) << DescribeCellError(check.errors[0]);
        const int now = check.changes.empty() ? row.bytes[2] : check.changes[0].newBytes[2];
        EXPECT_EQ(now, *c.result) << c.typeCell << " " << c.textCell;
    }
    // A text that several entries share is sound when the changed number is one of them, as in an
    // export of another ROM.
    const int raiseEvasion = DemoRows()[1].bytes[0] == 108 ? 16 : 108;
    const ImportCheck shared =
        Check("move,effect,effect_text\r\n1," + std::to_string(raiseEvasion) + ",Raise Evas.\r\n");
    ASSERT_TRUE(shared.errors.empty()) << DescribeCellError(shared.errors[0]);
    EXPECT_EQ(shared.changes.at(0).newBytes[0], raiseEvasion);
    // Without the number column the text alone decides; an unknown or shared text is a bad cell.
    const ImportCheck textOnly = Check("move,effect_text\r\n1,Raise Attk. until miss\r\n");
    ASSERT_EQ(textOnly.changes.size(), 1u);
    EXPECT_EQ(textOnly.changes[0].newBytes[0], 119);
    EXPECT_NE(Check("move,effect_text\r\n1,No effect\r\n").errors.at(0).message.find("several entries"),
              std::string::npos);
    EXPECT_NE(Check("move,target_text\r\n1,Everyone\r\n")
                  .errors.at(0)
                  .message.find("is no text of the target list"),
              std::string::npos);
}

TEST(CheckImport, NewNamesHaveAtMostTwelveUnitsWhileAnUnchangedLongNameStays) {
    const std::string full = DemoRows()[demo::DemoFullLengthNameMove].name; // 13 characters in the ROM
    EXPECT_TRUE(Check("move,name,power\r\n13," + full + ",1\r\n").errors.empty());
    EXPECT_FALSE(Check("move,name\r\n13," + full.substr(0, 12) + "x\r\n").errors.empty());

    const std::pair<const char*, bool> names[] = {
        {"Twelve Chars", true},
        {"Thirteen Chrs", false},
        {"Ten [m] Jab!", true},               // "[m]" is one character of the game
        {"Eleven chars[m]", false},           // 13 units
        {"Caf\xC3\xA9 \xE2\x99\x82 2", true}, // é, the male sign and a digit
        {"Sky\nHigh", true},                  // LF alone is written as the line break
    };
    for (const auto& [name, fits] : names) {
        const ImportCheck check = Check(std::string("move,name\r\n5,\"") + name + "\"\r\n");
        EXPECT_EQ(check.errors.empty(), fits) << name;
    }
    const ImportCheck lf = Check("move,name\r\n5,\"Sky\nHigh\"\r\n");
    ASSERT_EQ(lf.changes.size(), 1u);
    EXPECT_EQ(lf.changes[0].newName, "Sky\r\nHigh");
}

TEST(CheckImport, NameBytesSetTheEntryExactlyAndTheNameMustAgree) {
    const rom::MoveRow& row = DemoRows()[5];
    // "AB" followed by the end byte and bytes after it that no text would write.
    const std::string bytes = "BBBCFF11223344556677889900";
    const ImportCheck exact = Check("move,name,name_bytes\r\n5,AB," + bytes + "\r\n");
    ASSERT_TRUE(exact.errors.empty()) << DescribeCellError(exact.errors[0]);
    ASSERT_EQ(exact.changes.size(), 1u);
    ASSERT_TRUE(exact.changes[0].newEntry);
    EXPECT_EQ((*exact.changes[0].newEntry)[12], 0x00);
    EXPECT_EQ((*exact.changes[0].newEntry)[6], 0x44);
    EXPECT_FALSE(exact.changes[0].newName);

    EXPECT_TRUE(Check("move,name,name_bytes\r\n5," + row.name + "," + bytes + "\r\n").errors.empty());
    const ImportCheck disagree = Check("move,name,name_bytes\r\n5,XY," + bytes + "\r\n");
    ASSERT_EQ(disagree.errors.size(), 1u);
    EXPECT_NE(disagree.errors[0].message.find("change one of the two columns only"), std::string::npos);
}

TEST(CheckImport, AnExportWithTheTextsOfEarlierVersionsImportsToTheSameBytes) {
    // Every effect and target value, exported as earlier versions wrote the texts: "No effect" and
    // "Raise Evas." named several values then, "Hit + Burn" names 4 now and named 125 too.
    std::vector<rom::MoveRow> rows = DemoRows();
    for (rom::MoveRow& row : rows) {
        row.bytes[0] = static_cast<std::uint8_t>(row.move % 214);
        row.bytes[6] = static_cast<std::uint8_t>(row.move % 65);
    }
    std::vector<CsvRecord> records = ParseCsv(ExportCsv(TableView{rows}));
    const auto column = [&](const char* name) {
        const auto& h = records[0].cells;
        return static_cast<std::size_t>(std::find(h.begin(), h.end(), name) - h.begin());
    };
    for (std::size_t i = 1; i < records.size(); ++i) {
        const rom::RecordBytes& bytes = rows[i - 1].bytes;
        records[i].cells.at(column("effect_text")) = rom::LegacyEffectNames()[bytes[0]];
        records[i].cells.at(column("target_text")) = rom::LegacyTargetNames()[bytes[6]];
    }
    const ImportCheck check = CheckImport(records, TableView{rows});
    EXPECT_EQ(Described(check), std::vector<std::string>{});
    EXPECT_TRUE(check.changes.empty());
}

TEST(CheckImport, TakesContestFieldsByNumberOrNameOnlyWhereTheMoveHasAContestRecord) {
    // The contest demo's table grown by two moves past its 355 contest records.
    const testing_support::TempDir dir;
    const demo::DemoRom image = demo::MakeDemoRom(demo::ContestLayout());
    demo::WriteDemoRom(image, dir.path() / "contest.gba", dir.path());
    TableView table =
        ViewOfRom(rom::OpenRomImage(dir.path() / "contest.gba", rom::OnlyProfileFolder(dir.path())));
    ASSERT_TRUE(table.HasContest()) << table.contest.unavailable;
    for (int k : {355, 356}) {
        table.rows.push_back(table.rows[5]);
        table.rows.back().move = k;
    }
    const std::string starter116 = image.names[116];
    const struct {
        std::string csv;
        std::string fault; // "" when taken
        std::optional<rom::ContestMoveFields> move5;
    } cases[] = {
        {"move,contest_category\r\n356,Cool\r\n", "move 356 has no contest data", std::nullopt},
        {"move,contest_category,contest_effect,combo_moves_text\r\n356,,,\r\n", "", std::nullopt},
        {"move,contest_category_text\r\n5,smart\r\n", "", rom::ContestMoveFields{38, 3, 0, {61, 62, 0, 0}}},
        {"move,combo_moves_text\r\n5," + starter116 + "|||\r\n", "",
         rom::ContestMoveFields{38, 0, 0, {61, 0, 0, 0}}},
        {"move,combo_moves\r\n5,\"[62,61,0,0]\"\r\n", "", rom::ContestMoveFields{38, 0, 0, {62, 61, 0, 0}}},
        {"move,contest_category,contest_category_text\r\n5,1,Smart\r\n", "change one of the two columns only",
         std::nullopt},
        {"move,contest_effect\r\n5,48\r\n", "is no contest effect", std::nullopt},
        {"move,combo_moves\r\n5,61|62\r\n", "not 4", std::nullopt},
    };
    for (const auto& c : cases) {
        const ImportCheck check = CheckImport(ParseCsv(c.csv), table);
        const std::vector<std::string> faults = Described(check);
        if (c.fault.empty()) {
            EXPECT_EQ(faults, std::vector<std::string>{}) << c.csv;
        } else {
            ASSERT_EQ(faults.size(), 1u) << c.csv;
            EXPECT_NE(faults[0].find(c.fault), std::string::npos) << faults[0];
        }
        const MoveChange* change = check.changes.empty() ? nullptr : &check.changes[0];
        EXPECT_EQ(change ? change->newContest : std::nullopt, c.move5) << c.csv;
    }
    // Without contest data the columns are none of the table's.
    const std::vector<std::string> header = Described(Check("move,combo_moves\r\n5,0|0|0|0\r\n"));
    ASSERT_EQ(header.size(), 1u);
    EXPECT_NE(header[0].find("only where the game has contests"), std::string::npos) << header[0];
}

TEST(CheckImport, ARefusedDescriptionNamesTheCellTheRowFilled) {
    // A table of the undo columns alone: the refusal points at the one cell given, whichever it is.
    for (const char* column : {"description_clear", "description_bytes", "description_pointer"}) {
        const ImportCheck check = Check(std::string("move,") + column + "\r\n5,3A000:4\r\n");
        EXPECT_TRUE(check.changes.empty());
        EXPECT_EQ(Described(check),
                  std::vector<std::string>{"row 2, column 2 (" + std::string(column) +
                                           "): move 5's description cannot be written: the move has none"});
    }
}
