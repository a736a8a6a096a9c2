#include "tools/skirmela_moves/ChangePlan.h"

#include "rom/HexFunctions.h"
#include "tests/support/TempFiles.h"
#include "tests/tools/DemoTable.h"

#include <gtest/gtest.h>

using namespace moves;

TEST(PlanChanges, WritesOnlyTheBytesThatDiffer) {
    const DemoTable d;
    MoveChange power = d.Change(5);
    power.newBytes[1] = 116;       // was 115
    MoveChange same = d.Change(6); // a change that stores what is there already
    EXPECT_EQ(PlanChanges({power, same}, d.at, d.image.bytes),
              (rom::ChangePlan{{d.Field(5, rom::MoveField::power), 0x74}}));
}

TEST(PlanChanges, KeepsAnUnchangedLineBreakNameUntouched) {
    // Move 200's name holds byte FE, which no text encodes: planning its name would fail.
    const DemoTable d;
    MoveChange change = d.Change(demo::DemoLineBreakNameMove);
    change.newBytes[4] = 40;
    const auto writes = PlanChanges({change}, d.at, d.image.bytes);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].offset, d.Field(demo::DemoLineBreakNameMove, rom::MoveField::pp));
}

TEST(PlanChanges, WritesANewNameAsTheWindowSavesIt) {
    const DemoTable d;
    MoveChange change = d.Change(5);
    change.newName = "Spark Claw";
    std::vector<std::uint8_t> after = d.image.bytes;
    for (const rom::ByteWrite& w : PlanChanges({change}, d.at, d.image.bytes)) {
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
    EXPECT_THROW(PlanChanges({d.Change(4), change}, d.at, d.image.bytes), rom::PlanError);
}

TEST(PlanChanges, WritesPriorityAndFlagsAfterTheSavePlanAndNeverThePadding) {
    const DemoTable d;
    MoveChange change = d.Change(demo::DemoFirstStrikeMove);
    change.newBytes[1] = static_cast<std::uint8_t>(change.newBytes[1] + 1);
    change.newBytes[7] = 0xFF; // priority -1
    change.newBytes[8] = static_cast<std::uint8_t>(change.newBytes[8] ^ 0x01);
    change.newBytes[9] = static_cast<std::uint8_t>(change.newBytes[9] + 1); // never written
    const std::int32_t record = d.Field(demo::DemoFirstStrikeMove, rom::MoveField::effect);
    const auto writes = PlanChanges({change}, d.at, d.image.bytes);
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
    for (const rom::ByteWrite& w : PlanChanges({change}, d.at, d.image.bytes))
        after[static_cast<std::size_t>(w.offset)] = w.value;
    EXPECT_TRUE(std::equal(change.newEntry->begin(), change.newEntry->end(), after.begin() + d.Name(5, 0)));
    for (std::size_t p : testing_support::DifferingPositions(d.image.bytes, after)) {
        EXPECT_GE(p, static_cast<std::size_t>(d.Name(5, 0)));
        EXPECT_LT(p, static_cast<std::size_t>(d.Name(5, 13)));
    }
}
