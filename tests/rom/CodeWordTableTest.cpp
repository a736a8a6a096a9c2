// The rule for tables the game's code names through literal words, and the type names read by it,
// on small synthetic images and on the demo maker's hack.

#include "rom/CodeWordTable.h"

#include "rom/ReadINI.h"
#include "rom/ShippedProfiles.h"
#include "rom/TablePlausibility.h"
#include "rom/TypeNameTable.h"
#include "rom/ValueNames.h"
#include "tools/demo_rom/DemoRom.h"

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

using namespace rom;

namespace {

ReadRange Reader(const std::vector<std::uint8_t>& bytes) {
    return ImageBytes(bytes);
}

void PutWord(std::vector<std::uint8_t>& bytes, std::int64_t at, std::int64_t offset) {
    const auto word = CartridgeAddressBase + static_cast<std::uint32_t>(offset);
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(at + i)] = static_cast<std::uint8_t>(word >> (8 * i));
}

const TableFault Plausible = [](std::int64_t) { return std::string(); };

ProfileKeyLookup TextLookup(const std::string& text) {
    return [text](const std::string& section, const std::string& key) {
        return FindIniEntry(text, section, key);
    };
}

ProfileKeyLookup ShippedLookup(const char* code) {
    return TextLookup(std::string(*ShippedProfileText(code)));
}

// The hack, its type-name word i (of the shipped profile's five) pointing at offset.
demo::DemoRom HackWithTypeWord(std::size_t i, std::int64_t offset) {
    demo::DemoRom hack = demo::MakeDemoRom(demo::HackLayout());
    const auto profile = ReadCodeWordProfile(ShippedLookup("BPRE"), "Typenametable", 0);
    PutWord(hack.bytes, profile->words.at(i), offset);
    return hack;
}

} // namespace

TEST(CodeWordTable, TheTableIsWhereMostWordsPoint) {
    // Words at 0x200, 0x204, ...: each names one of three places (1 A, 2 B, 3 C); 0 outside the file.
    constexpr std::int64_t A = 0x800, B = 0x900, C = 0xA00;
    struct Case {
        std::vector<int> targets;
        std::optional<std::int64_t> table;
        int votes;
        const char* fault;
    };
    const Case cases[] = {
        {{1, 1, 1, 2, 2}, A, 3, ""},
        {{2, 1, 1, 2, 3}, std::nullopt, 2, "disagree: as many of them (2 each) name 0x800, 0x900"},
        {{2, 1, 0, 2, 1}, std::nullopt, 2, "disagree"},
        {{3}, C, 1, ""},
        {{1, 0}, A, 1, ""},
        {{0, 0}, std::nullopt, 0, "none of the code words (at 0x200, 0x204) names a place in the file"},
        {{}, std::nullopt, 0, "lists no code words"},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes(0x1000, 0);
        std::vector<std::int64_t> words;
        for (std::size_t i = 0; i < c.targets.size(); ++i) {
            words.push_back(0x200 + 4 * static_cast<std::int64_t>(i));
            const std::int64_t places[] = {0x7FFFFF, A, B, C};
            PutWord(bytes, words.back(), places[c.targets[i]]);
        }
        const CodeWordVote vote = VoteCodeWords(words, 0x1000, Reader(bytes));
        EXPECT_EQ(vote.table, c.table) << testing::PrintToString(c.targets);
        EXPECT_EQ(vote.votes, c.votes) << testing::PrintToString(c.targets);
        EXPECT_NE(vote.fault.find(c.fault), std::string::npos) << vote.fault;
        EXPECT_EQ(vote.fault.empty(), c.table.has_value()) << vote.fault;
    }
}

TEST(CodeWordTable, AShippedProfileGivesWayAndAUsersIsRefused) {
    std::vector<std::uint8_t> bytes(0x1000, 0);
    PutWord(bytes, 0x200, 0x800);
    PutWord(bytes, 0x204, 0x800);
    struct Case {
        std::vector<std::int64_t> words;
        std::optional<std::int64_t> expected;
        bool shipped, plausible;
        std::optional<std::int64_t> table;
        bool modified;
        const char* message; // in the note when the table is read, else in the reason
    };
    const Case cases[] = {
        {{0x200, 0x204}, 0x800, false, true, 0x800, false, ""},
        {{0x200, 0x204}, std::nullopt, false, true, 0x800, false, ""},
        {{0x200, 0x204},
         0x900,
         true,
         true,
         0x800,
         true,
         "The game's code puts the type-name table at 0x800, not where the shipped profile puts it (0x900): "
         "the ROM "
         "is modified"},
        {{0x200, 0x204},
         0x900,
         false,
         true,
         std::nullopt,
         false,
         "the game's code (2 of its 2 words at 0x200, 0x204) puts the type-name table at 0x800, not at 0x900 "
         "where "
         "the profile puts it ([Typenametable])"},
        {{0x200}, 0x900, false, true, std::nullopt, false, "the game's code (the word at 0x200)"},
        {{0x200, 0x204},
         0x800,
         true,
         false,
         std::nullopt,
         false,
         "the bytes at 0x800 do not look like a type-name table"},
        {{}, 0x900, false, true, 0x900, false, ""},
        {{}, std::nullopt, true, true, std::nullopt, false, "the profile gives no type-name table"},
    };
    for (const Case& c : cases) {
        const CodeWordProfile profile{"Typenametable", c.words, c.expected};
        const TableFault fault = [&c](std::int64_t) { return std::string(c.plausible ? "" : "too short"); };
        const CodeWordTable table =
            LocateCodeWordTable(profile, c.shipped, "type-name table", 0x1000, Reader(bytes), fault);
        EXPECT_EQ(table.offset, c.table) << c.message;
        EXPECT_EQ(table.modified, c.modified) << c.message;
        EXPECT_NE((table.offset ? table.note : table.unavailable).find(c.message), std::string::npos)
            << table.note << table.unavailable;
    }
}

TEST(CodeWordTable, ReadsTheRevisionsSectionFirstAndRefusesMalformedWords) {
    const std::string text =
        "[Typenametable]\r\nwords=10, 20\r\noffset=300\r\n[Typenametable.rev1]\r\nwords=\r\n"
        "offset=\r\n[Bad]\r\nwords=10,,20\r\n[Typenametable.rev2]\r\nwords=30\r\n";
    const auto plain = ReadCodeWordProfile(TextLookup(text), "Typenametable", 0);
    EXPECT_EQ(plain->words, (std::vector<std::int64_t>{10, 20}));
    EXPECT_EQ(plain->offset, 300);
    const auto none = ReadCodeWordProfile(TextLookup(text), "Typenametable", 1);
    EXPECT_EQ(none->section, "Typenametable.rev1");
    EXPECT_TRUE(none->words.empty());
    EXPECT_FALSE(none->offset);
    EXPECT_EQ(ReadCodeWordProfile(TextLookup(text), "Typenametable", 2)->words,
              (std::vector<std::int64_t>{30}));
    EXPECT_FALSE(ReadCodeWordProfile(TextLookup(text), "Contesttable", 0));
    try {
        ReadCodeWordProfile(TextLookup(text), "Bad", 0);
        ADD_FAILURE() << "an empty word was taken";
    } catch (const TableError& e) {
        EXPECT_STREQ(e.what(),
                     "the profile's [Bad] words \"10,,20\" hold \"\", which is not a decimal offset");
    }
}

TEST(CodeWordTable, TheHacksDescriptionWordsNameTheMovedTableUnlessTheyDisagree) {
    const demo::DemoRom hack = demo::MakeDemoRom(demo::HackLayout());
    const CodeWordProfile profile = *DescriptionCodeWordProfile(ShippedLookup("BPRE"), "BPRE", 0);
    EXPECT_EQ(profile.words, (std::vector<std::int64_t>{0xE5440, 0x137BC8}));
    EXPECT_EQ(profile.offset, 0x4886E8);
    // Words the profile lists are the ones used.
    EXPECT_EQ(
        DescriptionCodeWordProfile(TextLookup("[Descriptionoffset]\r\nwords=400\r\noffset=9\r\n"), "BPRE", 0)
            ->words,
        (std::vector<std::int64_t>{400}));
    const CodeWordTable moved = LocateCodeWordTable(profile, true, "description table", hack.layout.size,
                                                    Reader(hack.bytes), Plausible);
    EXPECT_EQ(moved.offset, 0x610000);
    EXPECT_TRUE(moved.modified);
    EXPECT_EQ(hack.descriptions.size(), 922u);

    demo::DemoRom split = hack;
    PutWord(split.bytes, profile.words[1], 0x4886E8);
    const CodeWordTable tie = LocateCodeWordTable(profile, true, "description table", hack.layout.size,
                                                  Reader(split.bytes), Plausible);
    EXPECT_FALSE(tie.Available());
    EXPECT_EQ(tie.unavailable,
              "the description table is not read: the code words (at 0xE5440, 0x137BC8) disagree: "
              "as many of them (1 each) name 0x4886E8, 0x610000, so the game's table cannot be told");
}

TEST(TypeNameTable, TheHacksGrownTableWinsThreeToTwoAndATwoTwoTieIsNotRead) {
    const demo::DemoRom hack = demo::MakeDemoRom(demo::HackLayout());
    const RomTypeNames names =
        ReadRomTypeNames(ShippedLookup("BPRE"), 0, true, hack.layout.size, Reader(hack.bytes));
    EXPECT_EQ(names.names, hack.movedTypeNames);
    EXPECT_EQ(names.names.size(), 24u);
    EXPECT_EQ(names.table.offset, 0x606000);
    EXPECT_NE(names.table.note.find("the ROM is modified"), std::string::npos) << names.table.note;

    // Word 1 of the three that name the grown table now names a third place: 2, 2 and 1.
    const demo::DemoRom tied = HackWithTypeWord(1, 0x100000);
    const RomTypeNames none =
        ReadRomTypeNames(ShippedLookup("BPRE"), 0, true, tied.layout.size, Reader(tied.bytes));
    EXPECT_TRUE(none.names.empty());
    EXPECT_NE(none.table.unavailable.find("disagree: as many of them (2 each) name 0x24F1A0, 0x606000"),
              std::string::npos)
        << none.table.unavailable;

    // Word 1 now names the released table: it wins 3 to 2, where the shipped profile expects it.
    const demo::DemoRom released = HackWithTypeWord(1, 0x24F1A0);
    const RomTypeNames old =
        ReadRomTypeNames(ShippedLookup("BPRE"), 0, true, released.layout.size, Reader(released.bytes));
    EXPECT_EQ(old.names.size(), 18u);
    EXPECT_EQ(old.names[13], "ELECTR");
    EXPECT_FALSE(old.table.modified);

    // A profile the user wrote that expects the released table is refused for the type names.
    const std::string own = std::string(*ShippedProfileText("BPRE")) + "\r\n";
    const RomTypeNames refused =
        ReadRomTypeNames(TextLookup(own), 0, false, hack.layout.size, Reader(hack.bytes));
    EXPECT_TRUE(refused.names.empty());
    EXPECT_NE(refused.table.unavailable.find("not at 0x24F1A0 where the profile puts it"), std::string::npos)
        << refused.table.unavailable;
}

TEST(TypeNameTable, HoldsTheRunOfValidNamesFromTheStart) {
    // 7-byte entries: "AB", "-", then one without its end byte within 7, or an empty one.
    const std::pair<const char*, std::size_t> cases[] = {
        {"BBBCFF0000000000AEFF00000000000000000000000000", 2},
        {"BBBCFF0000000000AEFFFFFFFFFFFFFFFFFFFFFFFFFF", 2},
        {"BBBCBBBCBBBCFFAEFF000000000000", 2},
        {"BBBCBBBCBBBCBBFF", 0},
        {"BBFEBCFF000000", 0},
    };
    for (const auto& [hex, count] : cases) {
        std::vector<std::uint8_t> bytes;
        for (std::size_t i = 0; i + 1 < std::strlen(hex); i += 2)
            bytes.push_back(static_cast<std::uint8_t>(std::stoi(std::string(hex + i, 2), nullptr, 16)));
        EXPECT_EQ(ReadTypeNameEntries(bytes).size(), count) << hex;
    }
}

TEST(ValueNames, ProgramNamesThenTheProfilesThenTheRomsThenNumbers) {
    const std::vector<std::string> rom = {"NORMAL", "FIGHT",  "FLYING", "POISON", "GROUND", "ROCK",
                                          "BUG",    "GHOST",  "STEEL",  "???",    "FIRE",   "WATER",
                                          "GRASS",  "ELECTR", "PSYCHC", "ICE",    "DRAGON", "DARK",
                                          "-",      "???",    "Shadow", "-",      "-",      "Fairy"};
    const std::string profile =
        "[Typenames]\r\n20=Light\r\n22=Sound\r\n9=Mystery\r\nx=Bad\r\n300=Far\r\n21=\r\n"
        "[Effectnames]\r\n214=Rapid Heal\r\n";
    const ValueNames types = TypeValueNames(rom, profile);
    const std::pair<int, const char*> shown[] = {{0, "Normal"}, {9, "???"},    {17, "Dark"},  {18, "18"},
                                                 {19, "19"},    {20, "Light"}, {22, "Sound"}, {23, "Fairy"},
                                                 {24, "24"},    {255, "255"}};
    for (auto [value, text] : shown) EXPECT_EQ(types.Text(value), text) << value;
    const std::pair<const char*, std::optional<int>> typed[] = {
        {"fairy", 23},      {" Light ", 20},          {"normal", 0},       {"18", 18},
        {"23", 23},         {"Shadow", std::nullopt}, {"-", std::nullopt}, {"256", std::nullopt},
        {"", std::nullopt}, {"ELECTR", std::nullopt}};
    for (auto [text, value] : typed) EXPECT_EQ(types.Value(text), value) << text;

    const ValueNames effects = EffectValueNames(profile);
    EXPECT_EQ(effects.Text(214), "Rapid Heal");
    EXPECT_EQ(effects.Text(215), "215");
    EXPECT_EQ(effects.Value("rapid heal"), 214);
    EXPECT_EQ(ReadProfileNames(profile, "Typenames").faults,
              (std::vector<std::string>{"[Typenames] x=Bad: \"x\" is not a value 0 to 255",
                                        "[Typenames] 300=Far: \"300\" is not a value 0 to 255",
                                        "[Typenames] 21=: the name is empty"}));
}
