#include "tools/skirmela_moves/MoveTable.h"

#include "editor/GameCode.h"
#include "tests/support/TempFiles.h"
#include "tools/demo_rom/DemoRom.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace moves;

namespace {

TableLocation DemoLocation(const demo::DemoRomLayout& layout = {}) {
    std::istringstream profile(demo::DemoProfileText(layout));
    return ReadTableLocation(profile);
}

} // namespace

TEST(ReadTableLocation, TakesTheTwoOffsetsOfTheProfile) {
    const TableLocation at = DemoLocation();
    EXPECT_EQ(at.nameStart, 0x1000D);
    EXPECT_EQ(at.dataOffset, 0x20000);
    EXPECT_EQ(at.nameStartText, "65549");
}

TEST(ReadTableLocation, RefusesOffsetsThatNameNoPlaceInAFile) {
    const std::pair<const char*, const char*> cases[] = {
        {"[Dataoffset]\r\noffset=5\r\n", "[Nameoffset] offset is missing"},
        {"[Nameoffset]\r\noffset=\r\n[Dataoffset]\r\noffset=5\r\n", "[Nameoffset] offset is missing"},
        {"[Nameoffset]\r\noffset=abc\r\n[Dataoffset]\r\noffset=5\r\n", "\"abc\" is not a number"},
        {"[Nameoffset]\r\noffset=5\r\n[Dataoffset]\r\noffset=-12\r\n", "\"-12\" is not a file offset"},
        {"[Nameoffset]\r\noffset=5.5\r\n[Dataoffset]\r\noffset=5\r\n", "\"5.5\" is not a file offset"},
        {"[Nameoffset]\r\noffset=5\r\n[Dataoffset]\r\noffset=4294967296\r\n", "is not a file offset"},
    };
    for (auto [text, message] : cases) {
        std::istringstream profile(text);
        try {
            ReadTableLocation(profile);
            ADD_FAILURE() << "accepted " << text;
        } catch (const TableError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

TEST(ReadMoveRows, ReadsEveryMoveAsTheDemoWroteIt) {
    const demo::DemoRom image = demo::MakeDemoRom();
    const std::vector<MoveRow> rows = ReadMoveRows(image.bytes, DemoLocation());
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(LastMove + 1));
    for (int k = 0; k <= LastMove; ++k) {
        const MoveRow& row = rows[static_cast<std::size_t>(k)];
        EXPECT_EQ(row.move, k);
        EXPECT_EQ(row.name, image.names[static_cast<std::size_t>(k)]) << k;
        EXPECT_EQ(row.record, image.records[static_cast<std::size_t>(k)]) << k;
        EXPECT_TRUE(std::equal(row.untouched.begin(), row.untouched.end(),
                               image.tails[static_cast<std::size_t>(k)].begin()))
            << k;
    }
    EXPECT_EQ(rows[demo::DemoFullLengthNameMove].name, "Thunderspiral");
    EXPECT_EQ(rows[demo::DemoLineBreakNameMove].name, "Sky\r\nFall");
}

TEST(ReadMoveRows, RefusesTablesThatReachOutsideTheImage) {
    const demo::DemoRom image = demo::MakeDemoRom();
    TableLocation pastEnd = DemoLocation();
    pastEnd.dataOffset = static_cast<std::int32_t>(image.bytes.size()) - 12 * LastMove; // move 354 is cut off
    TableLocation beforeStart = DemoLocation();
    beforeStart.nameStart = 12; // move 0's entry would start at -1
    EXPECT_THROW(ReadMoveRows(image.bytes, pastEnd), TableError);
    EXPECT_THROW(ReadMoveRows(image.bytes, beforeStart), TableError);

    TableLocation lastFits = DemoLocation();
    lastFits.dataOffset = static_cast<std::int32_t>(image.bytes.size()) - 12 * (LastMove + 1);
    EXPECT_NO_THROW(ReadMoveRows(image.bytes, lastFits));
}

TEST(FindProfile, NamesTheGameCodesFileWithoutCreatingIt) {
    testing_support::TempDir dir;
    const demo::DemoRom image = demo::MakeDemoRom();
    demo::WriteDemoRom(image, dir / "demo.gba", dir / "Data");
    EXPECT_EQ(FindProfile(dir / "demo.gba", dir / "Data"), dir.path() / "Data" / "SKDM.ini");

    std::filesystem::create_directories(dir / "Empty");
    EXPECT_THROW(FindProfile(dir / "demo.gba", dir / "Empty"), TableError);
    EXPECT_TRUE(std::filesystem::is_empty(dir / "Empty"));

    testing_support::WriteFileBytes(dir / "short.gba", std::vector<std::uint8_t>(100, 0));
    EXPECT_THROW(FindProfile(dir / "short.gba", dir / "Data"), editor::GameCodeError);
}
