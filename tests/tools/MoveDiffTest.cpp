#include "tools/skirmela_moves/MoveDiff.h"

#include "rom/HexFunctions.h"
#include "tests/tools/DemoTable.h"
#include "tools/skirmela_moves/ChangePlan.h"
#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/MoveFields.h"

#include <gtest/gtest.h>

using namespace moves;

namespace {

// The image after the changes are written.
std::vector<std::uint8_t> Applied(const std::vector<MoveChange>& changes, const DemoTable& d,
                                  const std::vector<std::uint8_t>& image) {
    std::vector<std::uint8_t> after = image;
    for (const rom::ByteWrite& w : PlanChanges(changes, d.at, image, d.view))
        after[static_cast<std::size_t>(w.offset)] = w.value;
    return after;
}

} // namespace

TEST(DiffMoves, ListsEachDifferingFieldWithExportCells) {
    const DemoTable d;
    std::vector<rom::MoveRow> changed = d.rows;
    changed[98].bytes[7] = 0xFF;
    changed[5].name = "Other";
    changed[5].bytes[2] = 11;
    changed[6].entry[12] ^= 0x01; // the same text, other bytes
    changed[7].bytes[10] ^= 0x01;
    const std::vector<FieldDifference> diffs = DiffMoves(d.view, TableView{changed});
    std::vector<std::string> lines;
    for (const FieldDifference& f : diffs)
        lines.push_back(std::to_string(f.move) + " " + f.field + " " + f.oldValue + " " + f.newValue);
    const std::string type = std::to_string(d.rows[5].bytes[2]);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "5 name " + d.rows[5].name + " Other");
    EXPECT_EQ(lines[1], "5 type " + type + " 11");
    EXPECT_EQ(lines[2].rfind("6 name_bytes ", 0), 0u);
    EXPECT_EQ(lines[3].rfind("7 padding ", 0), 0u);
    EXPECT_EQ(lines[4], "98 priority 1 -1");
    EXPECT_TRUE(DiffMoves(d.view, d.view).empty());
    EXPECT_EQ(DiffText({}), "no differences\n");
    EXPECT_EQ(DiffCsv({}), "move,field,old,new\r\n");
    EXPECT_EQ(DiffJson({}), "[\n]\n");

    const std::vector<FieldDifference> two = {diffs[1], diffs[4]};
    EXPECT_EQ(DiffText(two), "move 5: type " +
                                 ShownValue(d.view, *FindRecordColumn("type"), d.rows[5].bytes[2]) +
                                 " -> 11 (Water)\nmove 98: priority 1 -> -1\n");
    EXPECT_EQ(DiffCsv(two), "move,field,old,new\r\n5,type," + type + ",11\r\n98,priority,1,-1\r\n");
    EXPECT_EQ(DiffJson({diffs[4]}),
              "[\n  {\"move\": 98, \"field\": \"priority\", \"old\": 1, \"new\": -1}\n]\n");
}

TEST(UndoCsv, PutsBackEveryChangedCellByteForByte) {
    const DemoTable d;
    // Twenty cells over four moves: names (one of 13 characters without an end byte, one with a line
    // break), list and number fields, priority and flags.
    const std::string csv = "move,name,type,power,priority,flags\r\n"
                            "13,Short,Water,1,-6,none\r\n"
                            "200,Sky Fall,Fire,2,5,contact\r\n"
                            "98,Quick,Ice,3,-1,bit6|bit7\r\n"
                            "1,Jab,Dark,4,2,kings_rock\r\n";
    const ImportCheck forward = CheckImport(ParseCsv(csv), d.view);
    ASSERT_TRUE(forward.errors.empty()) << DescribeCellError(forward.errors[0]);
    ASSERT_EQ(forward.changes.size(), 4u);
    const std::vector<std::uint8_t> changed = Applied(forward.changes, d, d.image.bytes);
    ASSERT_NE(changed, d.image.bytes);

    const std::string undo = UndoCsv(forward.changes, d.view);
    EXPECT_EQ(undo.rfind("move,name,name_bytes,power,type,priority,flags\r\n", 0), 0u) << undo;
    const ImportCheck back = CheckImport(ParseCsv(undo), TableView{rom::ReadMoveRows(changed, d.at)});
    ASSERT_TRUE(back.errors.empty()) << DescribeCellError(back.errors[0]);
    EXPECT_EQ(Applied(back.changes, d, changed), d.image.bytes);
}

TEST(UndoCsv, HoldsOnlyTheColumnsThatChange) {
    const DemoTable d;
    const ImportCheck forward = CheckImport(ParseCsv("move,power,flags\r\n3,1,flags\r\n"), d.view);
    ASSERT_FALSE(forward.errors.empty()); // "flags" is no flag name
    const ImportCheck power = CheckImport(ParseCsv("move,power\r\n3,1\r\n4,1\r\n"), d.view);
    ASSERT_TRUE(power.errors.empty());
    EXPECT_EQ(UndoCsv(power.changes, d.view), "move,power\r\n3," + std::to_string(d.rows[3].bytes[1]) +
                                                  "\r\n4," + std::to_string(d.rows[4].bytes[1]) + "\r\n");
    EXPECT_EQ(UndoCsv({}, d.view), "move\r\n");
}
