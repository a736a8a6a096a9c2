#include "rom/HexFunctions.h"
#include "rom/RomError.h"
#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>

using namespace rom;
using testing_support::ReadFileBytes;
using testing_support::TempDir;
using testing_support::WriteFileBytes;

namespace {

std::vector<std::uint8_t> Counting(std::size_t n) {
    std::vector<std::uint8_t> bytes(n);
    for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return bytes;
}

} // namespace

TEST(ReadHexBytes, GivesUpperCasePairsInFileOrder) {
    TempDir dir;
    auto bytes = Counting(300);
    bytes[10] = 0x05, bytes[11] = 0xAB, bytes[12] = 0xFF, bytes[172] = 0x42;
    WriteFileBytes(dir / "r.gba", bytes);
    const struct {
        std::int32_t offset, count;
        std::string expected;
    } cases[] = {
        {10, 3, "05ABFF"},
        {0, 1, "03"},
        {172, 1, "42"},
        {10, 0, ""},
        {10, -4, ""},
        {298, 4,
         "2930"
         "0000"}, // past the end reads as zero
        {-2, 3,
         "0000"
         "03"}, // before the start too
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadHexBytes(dir / "r.gba", c.offset, c.count), c.expected) << c.offset;
    EXPECT_EQ(ReadHexBytes(dir / "r.gba", 0, 13).size(), 26u);
}

TEST(ReadHexBytes, AMissingFileReadsAsZeros) {
    TempDir dir;
    EXPECT_EQ(ReadHexBytes(dir / "missing.gba", 5, 3), "000000");
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.gba"));
}

TEST(WriteHexByte, AcceptsThePairsThatDenoteAByte) {
    TempDir dir;
    const std::pair<const char*, int> cases[] = {{"00", 0},   {"0", 0},    {"7", 7},      {"0A", 10},
                                                 {"ff", 255}, {"FF", 255}, {"00FF", 255}, {"1b", 0x1B}};
    for (auto [pair, value] : cases) {
        WriteFileBytes(dir / "r.gba", Counting(64));
        WriteHexByte(dir / "r.gba", 20, pair);
        auto expected = Counting(64);
        expected[20] = static_cast<std::uint8_t>(value);
        EXPECT_EQ(ReadFileBytes(dir / "r.gba"), expected) << pair;
    }
}

TEST(WriteHexByte, RefusesBadPairsAndLeavesTheFileAlone) {
    TempDir dir;
    WriteFileBytes(dir / "r.gba", Counting(64));
    for (const char* pair : {"", "G1", "100", "FFFF", " 1", "1 ", "-1", "&HF"}) {
        EXPECT_THROW(WriteHexByte(dir / "r.gba", 3, pair), BadHexPair) << pair;
        EXPECT_EQ(ReadFileBytes(dir / "r.gba"), Counting(64)) << pair;
    }
}

TEST(WriteHexByte, NeverGrowsTheFile) {
    TempDir dir;
    WriteFileBytes(dir / "r.gba", Counting(64));
    for (std::int32_t offset : {64, 65, 100000, -1}) {
        EXPECT_THROW(WriteHexByte(dir / "r.gba", offset, "AA"), PositionError) << offset;
        EXPECT_EQ(ReadFileBytes(dir / "r.gba"), Counting(64)) << offset;
    }
    WriteHexByte(dir / "r.gba", 63, "AA"); // the last byte is inside
    EXPECT_EQ(ReadFileBytes(dir / "r.gba").size(), 64u);
}

TEST(WriteHexByte, ReportsFilesThatCannotBeWritten) {
    TempDir dir;
    EXPECT_THROW(WriteHexByte(dir / "missing.gba", 0, "00"), FileAccessError);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.gba"));

    WriteFileBytes(dir / "ro.gba", Counting(16));
    std::filesystem::permissions(dir / "ro.gba",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    EXPECT_THROW(WriteHexByte(dir / "ro.gba", 2, "00"), FileAccessError); // also for the super-user
    EXPECT_EQ(ReadFileBytes(dir / "ro.gba"), Counting(16));

    std::filesystem::create_directory(dir / "folder.gba");
    EXPECT_THROW(WriteHexByte(dir / "folder.gba", 0, "00"), FileAccessError);
}
