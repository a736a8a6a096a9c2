#include "rom/OpenMoveTables.h"

#include "rom/GameCode.h"
#include "rom/RomError.h"
#include "tests/support/TempFiles.h"
#include "tools/demo_rom/DemoRom.h"

#include <gtest/gtest.h>

using namespace rom;
using testing_support::WriteFileText;

namespace {

MoveTables TablesOf(const demo::DemoRomLayout& layout) {
    return {layout.nameStart, layout.dataOffset};
}

// A demo ROM and its profile in a temporary folder.
struct DemoFiles {
    testing_support::TempDir dir;
    demo::DemoRom image;
    std::filesystem::path rom = dir / "demo.gba", data = dir / "Data";
    explicit DemoFiles(const demo::DemoRomLayout& layout = {}) : image(demo::MakeDemoRom(layout)) {
        demo::WriteDemoRom(image, rom, data);
    }
    std::filesystem::path Profile() const { return data / (image.layout.gameCode + ".ini"); }
};

} // namespace

TEST(ReadMoveRows, ReadsEveryMoveAsTheDemoWroteIt) {
    const demo::DemoRom image = demo::MakeDemoRom();
    const std::vector<MoveRow> rows = ReadMoveRows(image.bytes, TablesOf(image.layout));
    ASSERT_EQ(rows.size(), 355u);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const MoveRow& row = rows[k];
        EXPECT_EQ(row.move, static_cast<int>(k));
        EXPECT_EQ(row.name, image.names[k]) << k;
        EXPECT_EQ(row.Record(), image.records[k]) << k;
        EXPECT_TRUE(std::equal(image.tails[k].begin(), image.tails[k].end(), row.bytes.begin() + 7)) << k;
    }
    EXPECT_EQ(rows[demo::DemoFullLengthNameMove].name, "Thunderspiral");
    EXPECT_EQ(rows[demo::DemoLineBreakNameMove].name, "Sky\r\nFall");
    EXPECT_EQ(rows[demo::DemoFirstStrikeMove].bytes[7], 1);
}

TEST(ReadMoveRows, ReadsAsManyMovesAsAskedAndRefusesTablesThatReachOutside) {
    const demo::DemoRom image = demo::MakeDemoRom();
    const auto size = static_cast<std::int32_t>(image.bytes.size());
    EXPECT_EQ(ReadMoveRows(image.bytes, TablesOf(image.layout), 500).size(), 500u);

    const std::pair<rom::MoveTables, int> outside[] = {
        {{image.layout.nameStart, size - 12 * 354}, 355},  // move 354's record is cut off
        {{12, image.layout.dataOffset}, 355},              // move 0's name entry would start at -1
        {{size - 13 * 500, image.layout.dataOffset}, 502}, // the names of an extended table run off the end
    };
    for (const auto& [tables, count] : outside)
        EXPECT_THROW(ReadMoveRows(image.bytes, tables, count), rom::TableError) << tables.dataOffset;

    EXPECT_NO_THROW(ReadMoveRows(image.bytes, {image.layout.nameStart, size - 12 * 355}));
    EXPECT_NO_THROW(ReadMoveRows(image.bytes, {size - 13 * 500 + 13, image.layout.dataOffset}, 500));
}

TEST(OpenRomImage, UsesTheRevisionsSectionsAndStrictOffsets) {
    DemoFiles files({.revision = 1});
    const std::string plain = demo::DemoProfileText(files.image.layout);
    EXPECT_EQ(OpenRomImage(files.rom, OnlyProfileFolder(files.data)).at.tables, TablesOf(files.image.layout));

    // A revision-1 ROM reads its own sections before the plain ones.
    WriteFileText(files.Profile(),
                  "[Nameoffset]\r\noffset=5000\r\n[Dataoffset]\r\noffset=9000\r\n"
                  "[Nameoffset.rev1]\r\noffset=65549\r\n[Dataoffset.rev1]\r\noffset=131072\r\n");
    const OpenedRom opened = OpenRomImage(files.rom, OnlyProfileFolder(files.data));
    EXPECT_EQ(opened.at.tables, TablesOf(files.image.layout));
    EXPECT_EQ(opened.rows[5].name, files.image.names[5]);

    const std::pair<const char*, const char*> refused[] = {
        {"[Nameoffset]\r\noffset=65549.0\r\n[Dataoffset]\r\noffset=131072\r\n",
         "is not a whole decimal number"},
        {"[Nameoffset]\r\noffset=&H1000D\r\n[Dataoffset]\r\noffset=131072\r\n",
         "is not a whole decimal number"},
        {"[Dataoffset]\r\noffset=131072\r\n", "no offset in section [Nameoffset]"},
        {"[Nameoffset]\r\noffset=65549\r\n[Dataoffset]\r\noffset=262000\r\n", "does not lie inside the ROM"},
    };
    for (const auto& [profile, message] : refused) {
        WriteFileText(files.Profile(), profile);
        try {
            OpenRomImage(files.rom, OnlyProfileFolder(files.data));
            ADD_FAILURE() << "opened with " << profile;
        } catch (const rom::TableError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

TEST(OpenRomImage, RefusesAProfileTheHeaderWordsContradict) {
    DemoFiles files({.gameCode = "BPRE", .headerWords = true});
    EXPECT_NO_THROW(OpenRomImage(files.rom, OnlyProfileFolder(files.data)));
    WriteFileText(files.Profile(), "[Nameoffset]\r\noffset=65562\r\n[Dataoffset]\r\noffset=131072\r\n");
    try {
        OpenRomImage(files.rom, OnlyProfileFolder(files.data));
        ADD_FAILURE() << "opened a ROM whose header disagrees with its profile";
    } catch (const rom::ProfileMismatch& e) {
        EXPECT_NE(std::string(e.what()).find("skirmela-moves profile ROM"), std::string::npos) << e.what();
    }
}

TEST(OpenRomImage, NeedsTheGameCodesProfileAndCreatesNone) {
    DemoFiles files;
    EXPECT_EQ(OpenRomImage(files.rom, OnlyProfileFolder(files.data)).at.profile, files.Profile());

    std::filesystem::create_directories(files.dir / "Empty");
    EXPECT_THROW(OpenRomImage(files.rom, OnlyProfileFolder(files.dir / "Empty")), rom::TableError);
    EXPECT_TRUE(std::filesystem::is_empty(files.dir / "Empty"));

    testing_support::WriteFileBytes(files.dir / "short.gba", std::vector<std::uint8_t>(100, 0));
    EXPECT_THROW(OpenRomImage(files.dir / "short.gba", OnlyProfileFolder(files.data)), GameCodeError);
}

TEST(GameCode, RefusesCodesThatCannotNameAFile) {
    for (const char* good : {"BPRE", "SKDM", "A B1", "a.b."}) EXPECT_TRUE(IsUsableGameCode(good)) << good;
    const std::string bad[] = {"AB/C", "..AB", "A..B", std::string("AB\0C", 4), "AB\tC", "AB\\C", "ABC", "ABCDE",
                               "AB\x7F" "C", "AB\xC3\xA9", "ABC\x80"};
    for (const std::string& code : bad) EXPECT_FALSE(IsUsableGameCode(code)) << code;
}

TEST(GameCode, NeedsAHeaderOf176Bytes) {
    testing_support::TempDir dir;
    std::vector<std::uint8_t> header(176, 0x41);
    testing_support::WriteFileBytes(dir / "ok.gba", header);
    EXPECT_EQ(ReadGameCode(dir / "ok.gba"), "AAAA");
    header.resize(175);
    testing_support::WriteFileBytes(dir / "short.gba", header);
    EXPECT_THROW(ReadGameCode(dir / "short.gba"), GameCodeError);
    EXPECT_THROW(ReadGameCode(dir / "missing.gba"), GameCodeError);
    std::filesystem::create_directories(dir / "folder.gba");
    try {
        ReadGameCode(dir / "folder.gba");
        ADD_FAILURE() << "read a folder";
    } catch (const GameCodeError& e) {
        EXPECT_NE(std::string(e.what()).find("is a directory"), std::string::npos) << e.what();
    }
}
