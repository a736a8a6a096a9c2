#include "tools/skirmela_moves/ChangePlan.h"

#include "rom/HexFunctions.h"
#include "rom/ReadINI.h"
#include "tests/support/TempFiles.h"
#include "tests/tools/DemoTable.h"
#include "tools/skirmela_moves/Csv.h"

#include <gtest/gtest.h>

using namespace moves;

TEST(PlanChanges, WritesOnlyTheBytesThatDiffer) {
    const DemoTable d;
    MoveChange power = d.Change(5);
    power.newBytes[1] = 116;       // was 115
    MoveChange same = d.Change(6); // a change that stores what is there already
    EXPECT_EQ(PlanChanges({power, same}, d.at, d.image.bytes, d.view),
              (rom::ChangePlan{{d.Field(5, rom::MoveField::power), 0x74}}));
}

TEST(PlanChanges, KeepsAnUnchangedLineBreakNameUntouched) {
    // Move 200's name holds byte FE, which no text encodes: planning its name would fail.
    const DemoTable d;
    MoveChange change = d.Change(demo::DemoLineBreakNameMove);
    change.newBytes[4] = 40;
    const auto writes = PlanChanges({change}, d.at, d.image.bytes, d.view);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].offset, d.Field(demo::DemoLineBreakNameMove, rom::MoveField::pp));
}

TEST(PlanChanges, WritesANewNameAsTheWindowSavesIt) {
    const DemoTable d;
    MoveChange change = d.Change(5);
    change.newName = "Spark Claw";
    std::vector<std::uint8_t> after = d.image.bytes;
    for (const rom::ByteWrite& w : PlanChanges({change}, d.at, d.image.bytes, d.view)) {
        EXPECT_NE(after[static_cast<std::size_t>(w.offset)], w.value) << "rewrites " << w.offset;
        after[static_cast<std::size_t>(w.offset)] = w.value;
    }
    const std::vector<std::uint8_t> entry(after.begin() + d.Name(5, 0), after.begin() + d.Name(5, 13));
    EXPECT_EQ(entry, (std::vector<std::uint8_t>{0xCD, 0xE4, 0xD5, 0xE6, 0xDF, 0x00, 0xBD, 0xE0, 0xD5, 0xEB,
                                                0xFF, 0x00, 0x00}));
    for (std::size_t p : testing_support::DifferingPositions(d.image.bytes, after)) {
        EXPECT_GE(p, static_cast<std::size_t>(d.Name(5, 0)));
        EXPECT_LT(p, static_cast<std::size_t>(d.Name(5, 13)));
    }
}

TEST(PlanChanges, RefusesAMoveThatCannotBeSavedAsAWhole) {
    const DemoTable d;
    MoveChange change = d.Change(5);
    change.newName = "Bad@";
    EXPECT_THROW(PlanChanges({d.Change(4), change}, d.at, d.image.bytes, d.view), rom::PlanError);
}

TEST(PlanChanges, WritesPriorityAndFlagsAfterTheSavePlanAndNeverThePadding) {
    const DemoTable d;
    MoveChange change = d.Change(demo::DemoFirstStrikeMove);
    change.newBytes[1] = static_cast<std::uint8_t>(change.newBytes[1] + 1);
    change.newBytes[7] = 0xFF; // priority -1
    change.newBytes[8] = static_cast<std::uint8_t>(change.newBytes[8] ^ 0x01);
    change.newBytes[9] = static_cast<std::uint8_t>(change.newBytes[9] + 1); // never written
    const std::int32_t record = d.Field(demo::DemoFirstStrikeMove, rom::MoveField::effect);
    const auto writes = PlanChanges({change}, d.at, d.image.bytes, d.view);
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[0].offset, record + 1);
    EXPECT_EQ(writes[1], (rom::ByteWrite{record + 7, 0xFF}));
    EXPECT_EQ(writes[2].offset, record + 8);
}

TEST(PlanChanges, WritesNameBytesExactlyAsGiven) {
    const DemoTable d;
    MoveChange change = d.Change(5);
    change.newEntry = rom::NameEntry{0xBB, 0xFF, 0x12, 0x34, 0, 0, 0, 0, 0, 0, 0, 0, 0x99};
    std::vector<std::uint8_t> after = d.image.bytes;
    for (const rom::ByteWrite& w : PlanChanges({change}, d.at, d.image.bytes, d.view))
        after[static_cast<std::size_t>(w.offset)] = w.value;
    EXPECT_TRUE(std::equal(change.newEntry->begin(), change.newEntry->end(), after.begin() + d.Name(5, 0)));
    for (std::size_t p : testing_support::DifferingPositions(d.image.bytes, after)) {
        EXPECT_GE(p, static_cast<std::size_t>(d.Name(5, 0)));
        EXPECT_LT(p, static_cast<std::size_t>(d.Name(5, 13)));
    }
}

namespace {

rom::DescriptionTable DemoDescriptions(const DemoTable& d) {
    const std::string profile = demo::DemoProfileText(d.image.layout);
    const auto& image = d.image.bytes;
    return rom::ReadDescriptions(
        rom::ParseRomHeader(image, static_cast<std::int64_t>(image.size())),
        [&profile](const std::string& section) { return rom::FindIniEntry(profile, section, "offset"); },
        d.at, rom::StandardMoveCount,
        [&image](std::int64_t at, std::int64_t length) {
            return std::vector<std::uint8_t>(
                image.begin() + at,
                image.begin() + std::min<std::int64_t>(at + length, static_cast<std::int64_t>(image.size())));
        });
}

} // namespace

TEST(PlanChanges, ADescriptionPutBackWritesOnlyIntoItsOwnTextOrFreeSpaceAndPointsAtIt) {
    const DemoTable d;
    const rom::DescriptionTable table = DemoDescriptions(d);
    ASSERT_TRUE(table.Available()) << table.unavailable;
    const std::int64_t own = table.Of(5)->textOffset, next = table.Of(6)->textOffset,
                       pointer = table.PointerOffset(5);
    const auto hex = [](std::int64_t offset) {
        char word[16];
        std::snprintf(word, sizeof word, "%08llX", static_cast<unsigned long long>(0x08000000 + offset));
        return std::string(word);
    };
    const std::string move6 = rom::HexText(table.Of(6)->bytes);
    const struct {
        std::string pointer, bytes;
        const char* refusal; // "" when written; then only the text's and the pointer's bytes change
        std::int64_t textChanges;
    } cases[] = {
        {"0802000C", "BBBBBBFF", "move 5: the description at 0x2000C would lie in the record table", 0},
        {hex(0x1000D + 13 * 9), "BBFF", "would lie in the name table", 0},
        {hex(0x3A000 + 4 * 300), "BBFF", "would lie in the description pointer table", 0},
        {hex(0x100), "BBFF", "would write over byte 0x100, which is neither the move's text nor free space",
         0},
        {hex(next), "BBFF", "would write over move 6's description", 0},
        {hex(0x3B020), "BBBBFF", "", 2}, // its FF is there already
        {hex(own), "BBFF", "", 2},
        {hex(next), move6, "", 0}, // the same text as move 6's: the two share it, no byte of it changes
    };
    for (const auto& c : cases) {
        const ImportCheck check = CheckImport(
            ParseCsv("move,description_pointer,description_bytes\r\n5," + c.pointer + "," + c.bytes + "\r\n"),
            TableView{d.rows, table});
        ASSERT_TRUE(check.errors.empty()) << DescribeCellError(check.errors[0]);
        rom::ChangePlan plan;
        try {
            plan = PlanChanges(check.changes, d.at, d.image.bytes, TableView{d.rows, table});
        } catch (const rom::PlanError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("row 2, column 2 (description_pointer): move 5: ", 0), 0u) << message;
            EXPECT_TRUE(*c.refusal && message.find(c.refusal) != std::string::npos) << message;
            continue;
        }
        EXPECT_STREQ(c.refusal, "") << c.pointer;
        std::int64_t text = 0;
        for (const rom::ByteWrite& w : plan) {
            const bool inPointer = w.offset >= pointer && w.offset < pointer + 4;
            text += inPointer ? 0 : 1;
        }
        EXPECT_EQ(text, c.textChanges) << c.pointer;
    }
}

TEST(PlanChanges, AChangeBuiltToWriteOutsideItsMoveIsRefused) {
    const DemoTable d;
    const rom::DescriptionTable table = DemoDescriptions(d);
    MoveChange change = d.Change(5);
    // Freeing bytes of move 1's record, which no undo table of this program would name.
    change.restoreDescription = DescriptionRestore{
        {table.Of(5)->pointer, table.Of(5)->bytes, {{d.Field(1, rom::MoveField::effect), 4}}}, 2, 2};
    EXPECT_THROW(PlanChanges({change}, d.at, d.image.bytes, TableView{d.rows, table}), rom::PlanError);
}
