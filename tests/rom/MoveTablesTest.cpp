#include "rom/MoveTables.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

using namespace rom;

namespace {

// A profile as a map from section to the value of its "offset" key.
ProfileLookup Profile(std::map<std::string, std::string> values) {
    return [values](const std::string& section) -> std::optional<std::string> {
        const auto found = values.find(section);
        if (found == values.end()) return std::nullopt;
        return found->second;
    };
}

// A header of a BPRE image of size bytes whose words put move 0's name entry at names and its record at
// records (file offsets).
RomHeader BpreHeader(std::int64_t size, std::uint32_t names, std::uint32_t records, int revision = 0) {
    std::vector<std::uint8_t> first(HeaderReadLength, 0);
    std::copy_n("BPRE", 4, first.begin() + GameCodeOffset);
    first[RevisionOffset] = static_cast<std::uint8_t>(revision);
    const auto put = [&](std::int64_t at, std::uint32_t word) {
        for (int i = 0; i < 4; ++i)
            first[static_cast<std::size_t>(at + i)] = static_cast<std::uint8_t>(word >> (8 * i));
    };
    put(NamesWordOffset, CartridgeAddressBase + names);
    put(RecordsWordOffset, CartridgeAddressBase + records);
    return ParseRomHeader(first, size);
}

constexpr std::int64_t Big = 0x400000;

} // namespace

TEST(ParseProfileOffset, TakesOnlyDecimalIntegersWithBlanksAround) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"2388129", 2388129},
        {" 2388129 ", 2388129},
        {"\t13\t", 13},
        {"0", 0},
        {"007", 7},
        {"2147483647", 2147483647},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"twelve", std::nullopt},
        {"65549.6", std::nullopt},
        {"-5", std::nullopt},
        {"+5", std::nullopt},
        {"&H10", std::nullopt},
        {"1E3", std::nullopt},
        {"12 34", std::nullopt},
        {"12a", std::nullopt},
        {"0x10", std::nullopt},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"1,5", std::nullopt},
    };
    for (auto [text, expected] : cases) EXPECT_EQ(ParseProfileOffset(text), expected) << '"' << text << '"';
}

TEST(ReadProfileTables, ARevisionUsesItsOwnSectionsWhereThereAreSome) {
    const auto profile = Profile({{"Nameoffset", "2388129"},
                                  {"Dataoffset", "2427908"},
                                  {"Nameoffset.rev1", "2388241"},
                                  {"Dataoffset.rev1", "2428020"},
                                  {"Nameoffset.rev2", "100"}});
    EXPECT_EQ(ReadProfileTables(profile, 0), (MoveTables{2388129, 2427908}));
    EXPECT_EQ(ReadProfileTables(profile, 1), (MoveTables{2388241, 2428020}));
    // Revision 2 has a names section only: mixing its names with the plain records is refused.
    try {
        ReadProfileTables(profile, 2);
        ADD_FAILURE() << "mixed the tables of two revisions";
    } catch (const TableError& e) {
        EXPECT_NE(std::string(e.what()).find("[Nameoffset.rev2] but no [Dataoffset.rev2]"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(ReadProfileTables(profile, 3), (MoveTables{2388129, 2427908}));
    EXPECT_EQ(RevisionSection("Nameoffset", 10), "Nameoffset.rev10");
}

TEST(MoveCountSections, ReadTheRevisionsOwnFirstAndWriteBesideTheOffsets) {
    EXPECT_EQ(MoveCountSectionsToRead(0), (std::array<std::string, 2>{"Movecount.rev0", "Movecount"}));
    EXPECT_EQ(MoveCountSectionsToRead(2), (std::array<std::string, 2>{"Movecount.rev2", "Movecount"}));
    const std::vector<std::tuple<TableSections, int, std::string>> written = {
        {TableSections{}, 0, "Movecount"},
        {TableSections{}, 1, "Movecount"},
        {TableSections{"Nameoffset.rev0", "Dataoffset.rev0"}, 0, "Movecount.rev0"},
        {TableSections{"Nameoffset.rev1", "Dataoffset.rev1"}, 1, "Movecount.rev1"},
    };
    for (const auto& [sections, revision, section] : written)
        EXPECT_EQ(MoveCountSectionToWrite(sections, revision), section) << sections.names << " " << revision;
}

TEST(ReadProfileTables, AMissingOrMalformedValueIsATableError) {
    const std::map<std::string, std::string> bad[] = {
        {},
        {{"Nameoffset", "2388129"}},
        {{"Dataoffset", "2427908"}},
        {{"Nameoffset", "twelve"}, {"Dataoffset", "2427908"}},
        {{"Nameoffset", "2388129"}, {"Dataoffset", "65549.6"}},
        // A malformed revision value is not passed over for the plain one.
        {{"Nameoffset", "2388129"}, {"Dataoffset", "2427908"}, {"Nameoffset.rev1", "x"}},
    };
    for (const auto& values : bad) {
        try {
            ReadProfileTables(Profile(values), 1);
            ADD_FAILURE() << "accepted a profile of " << values.size() << " values";
        } catch (const TableError& e) {
            EXPECT_NE(std::string(e.what()).find("offset"), std::string::npos) << e.what();
        }
    }
}

TEST(CheckTablesInside, EveryEntryAndRecordMustLieInsideTheFile) {
    // 355 entries of 13 bytes from S - 13, 355 records of 12 bytes from D.
    const std::int64_t size = 10000;
    const std::int32_t lastFittingName = static_cast<std::int32_t>(size - 354 * 13);
    const std::int32_t lastFittingData = static_cast<std::int32_t>(size - 355 * 12);
    EXPECT_NO_THROW(CheckTablesInside({13, 0}, size));
    EXPECT_NO_THROW(CheckTablesInside({lastFittingName, lastFittingData}, size));
    EXPECT_THROW(CheckTablesInside({12, 0}, size), TableError);
    EXPECT_THROW(CheckTablesInside({lastFittingName + 1, 0}, size), TableError);
    EXPECT_THROW(CheckTablesInside({13, lastFittingData + 1}, size), TableError);
    // A table extended by a hack is checked to its own end.
    EXPECT_NO_THROW(CheckTablesInside({13, 0}, size, 400));
    EXPECT_THROW(CheckTablesInside({13, lastFittingData}, size, 356), TableError);
}

TEST(ParseRomHeader, ReadsCodeRevisionAndTheWordsOfGamesThatCarryThem) {
    const RomHeader header = BpreHeader(Big, 0x247094, 0x250C04, 1);
    EXPECT_EQ(header.gameCode, "BPRE");
    EXPECT_EQ(header.revision, 1);
    EXPECT_EQ(header.namesWord, 0x08247094u);
    EXPECT_EQ(HeaderNameStart(BpreHeader(0x1000000, 0x247094, 0x250C04)), 2388129);
    EXPECT_EQ(HeaderDataOffset(BpreHeader(0x1000000, 0x247094, 0x250C04)), 2427908);

    std::vector<std::uint8_t> first(HeaderReadLength, 0x08);
    std::copy_n("AXVE", 4, first.begin() + GameCodeOffset);
    EXPECT_FALSE(ParseRomHeader(first, Big).namesWord) << "AXVE carries program code at 0x148";
    for (const char* code : {"BPRE", "BPGD", "BPEF"}) EXPECT_TRUE(CarriesTableWords(code)) << code;
    for (const char* code : {"AXVE", "AXPE", "SKDM", "BPR", "BPXE"})
        EXPECT_FALSE(CarriesTableWords(code)) << code;

    // A file too short for a word has no word; one too short for the revision is revision 0.
    first.assign(0x150, 0);
    std::copy_n("BPGE", 4, first.begin() + GameCodeOffset);
    first[RevisionOffset] = 2;
    const RomHeader cut = ParseRomHeader(first, 0x150);
    EXPECT_TRUE(cut.namesWord);
    EXPECT_FALSE(cut.recordsWord);
    EXPECT_EQ(cut.revision, 2);
    EXPECT_EQ(ParseRomHeader(std::span(first).first(0xB0), 0xB0).revision, 0);
    EXPECT_EQ(ParseRomHeader(std::span(first).first(0xAE), 0xAE).gameCode, "BP");
}

TEST(ResolveMoveTables, AHeaderThatDisagreesRefusesTheProfile) {
    const auto rev0 = Profile({{"Nameoffset", "2388129"}, {"Dataoffset", "2427908"}});
    // Revision 1 moved both tables 112 bytes on.
    const RomHeader rev1 = BpreHeader(Big, 2388241 - 13, 2428020, 1);
    try {
        ResolveMoveTables(rev1, rev0);
        FAIL() << "a revision-0 profile was taken for a revision-1 ROM";
    } catch (const ProfileMismatch& e) {
        EXPECT_EQ(e.headerNameStart, 2388241);
        EXPECT_EQ(e.headerDataOffset, 2428020);
        const std::string text = e.what();
        for (const char* part :
             {"2388241", "2428020", "2388129", "2427908", "[Nameoffset.rev1]", "profile ROM"})
            EXPECT_NE(text.find(part), std::string::npos) << part << " in: " << text;
    }
    // One word alone that disagrees is enough.
    EXPECT_THROW(ResolveMoveTables(BpreHeader(Big, 2388129 - 13, 2428020), rev0), ProfileMismatch);
    EXPECT_THROW(ResolveMoveTables(BpreHeader(Big, 2388130 - 13, 2427908), rev0), ProfileMismatch);

    const auto both = Profile({{"Nameoffset", "2388129"},
                               {"Dataoffset", "2427908"},
                               {"Nameoffset.rev1", "2388241"},
                               {"Dataoffset.rev1", "2428020"}});
    EXPECT_EQ(ResolveMoveTables(rev1, both), (MoveTables{2388241, 2428020}));
}

TEST(ResolveMoveTables, WordsThatPointOutsideTheFileAreNotConsulted) {
    const auto profile = Profile({{"Nameoffset", "2388129"}, {"Dataoffset", "2427908"}});
    // Words below the cartridge base, beyond the file, and the file's very end.
    for (const auto& [names, records] : std::vector<std::pair<std::uint32_t, std::uint32_t>>{
             {0xF8000000u, 0xF8000000u}, {Big, Big + 4}, {0x3FFFFF + 1, 0x3FFFFF + 1}})
        EXPECT_EQ(ResolveMoveTables(BpreHeader(Big, names, records), profile), (MoveTables{2388129, 2427908}))
            << std::hex << names;
    // The last byte of the file is inside it.
    EXPECT_THROW(ResolveMoveTables(BpreHeader(Big, Big - 1, 2427908), profile), ProfileMismatch);
}

TEST(ResolveMoveTables, TablesOutsideTheFileAreRefusedAfterTheHeaderAgrees) {
    const auto profile = Profile({{"Nameoffset", "2388129"}, {"Dataoffset", "2427908"}});
    RomHeader header = BpreHeader(2427908 + 355 * 12 - 1, 0, 0);
    header.namesWord.reset();
    header.recordsWord.reset();
    EXPECT_THROW(ResolveMoveTables(header, profile), TableError);
    header.size += 1;
    EXPECT_NO_THROW(ResolveMoveTables(header, profile));
}

TEST(ResolveMoveTables, TablesMustLiePastTheCartridgeHeaderAndApart) {
    RomHeader header = BpreHeader(Big, 0, 0);
    header.namesWord.reset();
    header.recordsWord.reset();
    // Names: 355 entries from S - 13; records: 355 x 12 bytes from D.
    const std::tuple<std::int32_t, std::int32_t, const char*> cases[] = {
        {65549, 0, "cartridge header"}, // a save of move 14's PP would overwrite the game code
        {13, 131072, "cartridge header"},
        {204, 131072, "cartridge header"}, // move 0's entry would begin at
                                           // 0xBF
        {205, 131072, nullptr},
        {65549, 65536, "overlap"},
        {65549, 70150, "overlap"},
        {65549, 70151, nullptr}, // the records begin where the names end
        {65549, 61277, "overlap"},
        {65549, 61276, nullptr}, // the records end where the names begin
    };
    for (const auto& [names, data, fault] : cases) {
        const auto profile =
            Profile({{"Nameoffset", std::to_string(names)}, {"Dataoffset", std::to_string(data)}});
        if (!fault) {
            EXPECT_NO_THROW(ResolveMoveTables(header, profile)) << names << " " << data;
            continue;
        }
        try {
            ResolveMoveTables(header, profile);
            ADD_FAILURE() << "accepted " << names << " " << data;
        } catch (const TableError& e) {
            EXPECT_NE(std::string(e.what()).find(fault), std::string::npos) << e.what();
        }
    }
}

TEST(ResolveMoveTables, MessagesNameTheSectionsReadAndShowWhatIsInvisible) {
    // A wrong ".rev0" section beside right plain ones: the message must send the user to ".rev0".
    const auto rev0 = Profile({{"Nameoffset", "2388129"},
                               {"Dataoffset", "2427908"},
                               {"Nameoffset.rev0", "2388130"},
                               {"Dataoffset.rev0", "2427908"}});
    try {
        ResolveMoveTables(BpreHeader(Big, 2388129 - 13, 2427908), rev0);
        ADD_FAILURE() << "took a wrong .rev0 section";
    } catch (const ProfileMismatch& e) {
        EXPECT_NE(std::string(e.what()).find("[Nameoffset.rev0] and [Dataoffset.rev0]"), std::string::npos)
            << e.what();
    }
    const std::pair<std::map<std::string, std::string>, const char*> bad[] = {
        {{{"Nameoffset", "70000\x01"}, {"Dataoffset", "2427908"}}, "\"70000\\x01\""},
        {{{"Nameoffset", "70000\r"}, {"Dataoffset", "2427908"}}, "\"70000\\r\""},
        // An empty value in a revision's section is an error, not a way back to the plain one.
        {{{"Nameoffset", "2388129"},
          {"Dataoffset", "2427908"},
          {"Nameoffset.rev1", ""},
          {"Dataoffset.rev1", "9"}},
         "no offset in section [Nameoffset.rev1]"},
    };
    for (const auto& [values, message] : bad) {
        try {
            ReadProfileTables(Profile(values), 1);
            ADD_FAILURE() << message;
        } catch (const TableError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}
