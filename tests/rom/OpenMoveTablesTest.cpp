#include "rom/OpenMoveTables.h"

#include "rom/GameCode.h"
#include "rom/RomError.h"
#include "rom/ShippedProfiles.h"
#include "rom/TablePlausibility.h"
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
        std::filesystem::create_directories(data); // a hack gets no profile of its own
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
    const std::string bad[] = {"AB/C",
                               "..AB",
                               "A..B",
                               std::string("AB\0C", 4),
                               "AB\tC",
                               "AB\\C",
                               "ABC",
                               "ABCDE",
                               "AB\x7F"
                               "C",
                               "AB\xC3\xA9",
                               "ABC\x80"};
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
        EXPECT_NE(std::string(e.what()).find("Is a directory"), std::string::npos) << e.what();
    }
}

TEST(OpenRomImage, AModifiedRomsHeaderOverrulesTheShippedProfileOnlyWhenItsTablesLookRight) {
    const demo::DemoRomLayout hack{
        .gameCode = "BPRE", .headerWords = true, .movedNameStart = 0x30001, .movedDataOffset = 0x33451};
    DemoFiles files(hack);
    std::filesystem::create_directories(files.data);
    WriteFileText(files.Profile(), std::string(*ShippedProfileText("BPRE")));
    const OpenedRom opened = OpenRomImage(files.rom, OnlyProfileFolder(files.data));
    EXPECT_TRUE(opened.at.tablesFromHeader);
    EXPECT_EQ(opened.at.tables, (MoveTables{0x30001, 0x33451}));
    ASSERT_EQ(opened.rows.size(), 923u);
    EXPECT_EQ(opened.rows[922].name, files.image.movedNames[922]);
    EXPECT_EQ(opened.rows[922].bytes, files.image.movedRecords[922]);
    EXPECT_NE(opened.at.note.find("Nameoffset 196609 and Dataoffset 210001"), std::string::npos)
        << opened.at.note;
    EXPECT_EQ(OpenRomImage(files.rom, OnlyProfileFolder(files.data), {.moveCount = 400}).rows.size(), 400u);
    // No profile at all: the header alone locates the tables.
    EXPECT_EQ(OpenRomImage(files.rom, OnlyProfileFolder(files.dir / "none")).rows.size(), 923u);

    // A profile the user wrote is not overruled.
    WriteFileText(files.Profile(), demo::DemoProfileText(hack));
    EXPECT_THROW(OpenRomImage(files.rom, OnlyProfileFolder(files.data)), ProfileMismatch);

    // Tables the header points at must look like a table of 12-byte records: one that widened the
    // effect to two bytes moves accuracy and PP in every record, and the check fails on them.
    WriteFileText(files.Profile(), std::string(*ShippedProfileText("BPRE")));
    std::vector<std::uint8_t> widened = files.image.bytes;
    for (int k = 1; k < 923; ++k) {
        const auto at = static_cast<std::size_t>(0x33451 + 12 * k);
        std::rotate(widened.begin() + static_cast<std::ptrdiff_t>(at),
                    widened.begin() + static_cast<std::ptrdiff_t>(at + 11),
                    widened.begin() + static_cast<std::ptrdiff_t>(at + 12));
        widened[at + 4] = 200; // what was the type now stands where the PP was
    }
    testing_support::WriteFileBytes(files.rom, widened);
    try {
        OpenRomImage(files.rom, OnlyProfileFolder(files.data));
        ADD_FAILURE() << "opened tables that are no move table";
    } catch (const TableError& e) {
        EXPECT_NE(std::string(e.what()).find("do not look like a move table"), std::string::npos) << e.what();
    }
    EXPECT_EQ(testing_support::ReadFileBytes(files.rom), widened);
}

// A grown demo hack, opened through the shipped profile and the header's words.
struct DemoHack : DemoFiles {
    static constexpr std::int32_t Names = 0x30001, Records = 0x33451;
    DemoHack()
        : DemoFiles({.gameCode = "BPRE",
                     .headerWords = true,
                     .movedNameStart = Names,
                     .movedDataOffset = Records}) {
        std::filesystem::create_directories(data);
        WriteFileText(Profile(), std::string(*ShippedProfileText("BPRE")));
    }
    void PutWord(std::size_t at, std::uint32_t word) {
        for (int i = 0; i < 4; ++i) image.bytes[at + i] = static_cast<std::uint8_t>(word >> (8 * i));
        testing_support::WriteFileBytes(rom, image.bytes);
    }
};

TEST(OpenRomImage, EveryOpenRefusesTablesThatAreNotWhereItWouldReadAndWrite) {
    // A header word a few bytes off reads names from the middle of entries; every front end must
    // refuse the ROM before it reads or writes a byte through such a table.
    const std::pair<std::size_t, std::int64_t> misplaced[] = {{0x148, DemoHack::Names - 13 + 1},
                                                              {0x148, DemoHack::Names - 13 - 1},
                                                              {0x148, DemoHack::Names},
                                                              {0x148, DemoHack::Names - 13 + 2},
                                                              {0x1CC, DemoHack::Records + 6}};
    for (const auto& [word, offset] : misplaced) {
        DemoHack files;
        files.PutWord(word, 0x08000000u + static_cast<std::uint32_t>(offset));
        const std::vector<std::uint8_t> before = testing_support::ReadFileBytes(files.rom);
        EXPECT_THROW(OpenRomImage(files.rom, OnlyProfileFolder(files.data)), TableError)
            << word << " " << offset;
        EXPECT_THROW(OpenMoveTables(files.rom, OnlyProfileFolder(files.data)), TableError)
            << word << " " << offset;
        EXPECT_EQ(testing_support::ReadFileBytes(files.rom), before);
    }
}

TEST(OpenRomImage, AGrownTableKeepsEveryMoveWhateverValuesItsRecordsHold) {
    DemoHack files;
    // Values the window and the command line write: accuracy 255, PP 99, priority 10, target 3.
    const std::size_t record = DemoHack::Records + 12 * 700;
    files.image.bytes[record + 3] = 255;
    files.image.bytes[record + 4] = 99;
    files.image.bytes[record + 6] = 3;
    files.image.bytes[record + 7] = 10;
    testing_support::WriteFileBytes(files.rom, files.image.bytes);
    EXPECT_EQ(OpenRomImage(files.rom, OnlyProfileFolder(files.data)).rows.size(), 923u);
    EXPECT_EQ(OpenMoveTables(files.rom, OnlyProfileFolder(files.data)).moveCount, 923);
}

TEST(TablePlausibility, NamesEndTheTableWhereNoEditCanPutOne) {
    const auto entry = [](std::initializer_list<std::uint8_t> start, std::uint8_t fill) {
        NameEntry e;
        e.fill(fill);
        std::copy(start.begin(), start.end(), e.begin());
        return e;
    };
    const std::pair<NameEntry, bool> cases[] = {
        {entry({0xBB, 0xFF}, 0x00), true},        // "A", blanks after the end byte (as the programs write it)
        {entry({0xBB, 0xFF}, 0xFF), true},        // "A", padded with FF (as hacks write it)
        {entry({0xFF}, 0x00), true},              // an empty name as the programs write it
        {entry({}, 0xBB), true},                  // 13 characters running on
        {entry({}, 0xFF), false},                 // free space
        {entry({}, 0x00), false},                 // zeroed space
        {entry({0xBB, 0x37, 0xFF}, 0x00), false}, // a byte that is no character before the end
    };
    for (const auto& [e, isName] : cases) EXPECT_EQ(IsNameEntry(e), isName) << HexText(e);

    std::vector<std::uint8_t> names;
    for (const NameEntry& e : {entry({0xAE, 0xFF}, 0x00), entry({0xBB, 0xFF}, 0xFF), entry({0xFF}, 0x00),
                               entry({0xBC, 0xFF}, 0x00), entry({}, 0xFF), entry({0xBD, 0xFF}, 0x00)})
        names.insert(names.end(), e.begin(), e.end());
    EXPECT_EQ(CountMoveNames(names), 4);
    EXPECT_EQ(CountMoveNames(names, 2), 2);
    EXPECT_EQ(CountMoveNames(std::span(names).first(4 * 13 - 1)), 3);
}

TEST(OpenRomImage, TheMoveCountIsTheProfilesOrTheTablesOwn) {
    DemoFiles files;
    const std::string profile = demo::DemoProfileText(files.image.layout);
    const std::pair<std::string, std::string> cases[] = {
        {profile, "355"}, // the names end at the zeroed space after the demo's 355

        {profile + "[Movecount]\r\ncount=500\r\n", "500"},
        {profile + "[Movecount]\r\ncount=10000\r\n", "is not a number of moves 1 to 2731"},
        {profile + "[Movecount]\r\ncount=20000\r\n", "is not a number of moves"},
        {profile + "[Movecount]\r\ncount=12000\r\n", "is not a number of moves"},
        {demo::DemoProfileText({.dataOffset = 0x3C000}) + "[Movecount]\r\ncount=1366\r\n",
         "does not lie inside the ROM"},
    };
    for (const auto& [text, expected] : cases) {
        WriteFileText(files.Profile(), text);
        try {
            EXPECT_EQ(std::to_string(OpenRomImage(files.rom, OnlyProfileFolder(files.data)).rows.size()),
                      expected);
        } catch (const TableError& e) {
            EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
        }
    }
}

TEST(RomImage, HoldsEveryByteOfTheFileWhetherMappedOrRead) {
    testing_support::TempDir dir;
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{4097}}) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
        testing_support::WriteFileBytes(dir / "r.gba", bytes);
        const RomImage image = RomImage::Open(dir / "r.gba");
        EXPECT_EQ(std::vector<std::uint8_t>(image.begin(), image.end()), bytes) << size;
    }
    RomImage moved = RomImage::Open(dir / "r.gba");
    const RomImage kept = std::move(moved);
    EXPECT_EQ(kept.size(), 4097u);
    EXPECT_EQ(kept[4096], static_cast<std::uint8_t>(4096 * 7));
    EXPECT_THROW(RomImage::Open(dir / "missing.gba"), FileAccessError);
}

TEST(OpenMoveTables, AHackIsReadAsItsCodeReadsIt) {
    // Opened with no profile of its own, through the shipped one of the released game and its header.
    const DemoFiles hack(demo::HackLayout());
    WriteFileText(hack.Profile(), std::string(*ShippedProfileText("BPRE")));
    const std::vector<std::uint8_t> before = testing_support::ReadFileBytes(hack.rom);
    const OpenedTables opened = OpenMoveTables(hack.rom, OnlyProfileFolder(hack.data));
    EXPECT_EQ(opened.moveCount, 923);
    ASSERT_TRUE(opened.descriptions.Available()) << opened.descriptions.unavailable;
    EXPECT_EQ(opened.descriptions.tableOffset, 0x610000);
    EXPECT_EQ(opened.descriptions.Of(922)->text, hack.image.descriptions.back());
    EXPECT_EQ(opened.typeNames.Text(23), "Fairy");
    EXPECT_EQ(opened.typeNames.Text(10), "Fire"); // the program's own name, not the ROM's "FIRE"
    EXPECT_EQ(opened.typeNames.Text(20), "20");   // the ROM's placeholder
    EXPECT_EQ(opened.recordLayout.layout, RecordLayout::Split);
    EXPECT_FALSE(opened.recordLayout.fromProfile);
    // The moved descriptions and type names are each said.
    ASSERT_EQ(opened.notes.size(), 2u);
    EXPECT_NE(opened.notes[0].find("description table at 0x610000"), std::string::npos) << opened.notes[0];
    EXPECT_NE(opened.notes[1].find("type-name table at 0x606000"), std::string::npos) << opened.notes[1];
    EXPECT_EQ(testing_support::ReadFileBytes(hack.rom), before);

    // The CLI's open gives the same.
    const OpenedRom image = OpenRomImage(hack.rom, OnlyProfileFolder(hack.data));
    EXPECT_EQ(image.at.descriptions.tableOffset, 0x610000);
    EXPECT_EQ(image.at.typeNames.Value("fairy"), 23);
    EXPECT_EQ(image.at.recordLayout.layout, RecordLayout::Split);
}

TEST(OpenMoveTables, TheProfileNamesAndLaysOutWhatTheRomCannotTell) {
    const struct {
        const char* name;
        const char* profile; // added to the hack's own profile
        std::string type23, effect214;
        RecordLayout layout;
        bool fromProfile;
        const char* note;
    } cases[] = {
        {"nothing", "", "Fairy", "214", RecordLayout::Split, false, ""},
        {"names win over the ROM's",
         "[Typenames]\r\n23=Sprite\r\n[Effectnames]\r\n214=Rapid Heal\r\n300=Too far\r\n", "Sprite",
         "Rapid Heal", RecordLayout::Split, false, "[Effectnames] 300=Too far"},
        {"layout set", "[Recordlayout]\r\nlayout=released\r\n", "Fairy", "214", RecordLayout::Released, true,
         ""},
    };
    for (const auto& c : cases) {
        const DemoFiles hack(demo::HackLayout());
        // A profile the user wrote: the hack's move tables, the released game's description table
        // and the type names' words without their table's offset, then the case's sections.
        WriteFileText(hack.Profile(),
                      std::string("[Nameoffset]\r\noffset=6291457\r\n[Dataoffset]\r\n"
                                  "offset=6304849\r\n[Descriptionoffset]\r\noffset=4753128\r\n"
                                  "[Typenametable]\r\nwords=199112,886032,1152812,1152892,"
                                  "4550260\r\n") +
                          c.profile);
        const OpenedTables opened = OpenMoveTables(hack.rom, OnlyProfileFolder(hack.data));
        EXPECT_EQ(opened.typeNames.Text(23), c.type23) << c.name;
        EXPECT_EQ(opened.effectNames.Text(214), c.effect214) << c.name;
        EXPECT_EQ(opened.recordLayout.layout, c.layout) << c.name;
        EXPECT_EQ(opened.recordLayout.fromProfile, c.fromProfile) << c.name;
        std::string notes;
        for (const std::string& n : opened.notes) notes += n + "\n";
        EXPECT_NE(notes.find(c.note), std::string::npos) << c.name << ": " << notes;
        // A profile the user wrote that puts the descriptions where the code does not is refused for them.
        EXPECT_FALSE(opened.descriptions.Available()) << c.name;
        EXPECT_NE(opened.descriptions.unavailable.find("where the profile puts it ([Descriptionoffset])"),
                  std::string::npos)
            << c.name << ": " << opened.descriptions.unavailable;
    }
}

TEST(OpenMoveTables, AHackWhoseDescriptionWordsDisagreeOpensWithoutThem) {
    DemoFiles hack(demo::HackLayout());
    WriteFileText(hack.Profile(), std::string(*ShippedProfileText("BPRE")));
    std::vector<std::uint8_t> bytes = testing_support::ReadFileBytes(hack.rom);
    for (int i = 0; i < 4; ++i)
        bytes[0x137BC8 + i] = static_cast<std::uint8_t>((0x084886E8u >> (8 * i)) & 0xFF);
    testing_support::WriteFileBytes(hack.rom, bytes);
    const OpenedTables opened = OpenMoveTables(hack.rom, OnlyProfileFolder(hack.data));
    EXPECT_EQ(opened.moveCount, 923);
    EXPECT_FALSE(opened.descriptions.Available());
    EXPECT_NE(opened.descriptions.unavailable.find("disagree"), std::string::npos)
        << opened.descriptions.unavailable;
    EXPECT_EQ(opened.typeNames.Text(23), "Fairy");
}
