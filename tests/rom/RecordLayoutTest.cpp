// The record layout of grown engines, the damage class rules, and names written back with the
// padding their entries use.

#include "rom/RecordLayout.h"

#include "rom/NamePadding.h"
#include "rom/ReadINI.h"
#include "tools/demo_rom/DemoRom.h"

#include <gtest/gtest.h>

using namespace rom;

namespace {

// The hack's 923 records, as the table holds them.
std::vector<std::uint8_t> HackRecords() {
    const demo::DemoRom hack = demo::MakeDemoRom(demo::HackLayout());
    const auto begin = hack.bytes.begin() + hack.layout.movedDataOffset;
    return {begin, begin + std::int64_t{hack.layout.movedMoveCount} * MoveRecordSize};
}

// 355 records of a released game: bytes 9 to 11 all 0, powers 0 and 40 in turn.
std::vector<std::uint8_t> ReleasedRecords() {
    std::vector<std::uint8_t> records(355 * MoveRecordSize, 0);
    for (std::size_t k = 0; k < 355; ++k) records[k * MoveRecordSize + 1] = k % 2 ? 40 : 0;
    return records;
}

void SetClass(std::vector<std::uint8_t>& records, int k, std::uint8_t value) {
    records[static_cast<std::size_t>(k) * MoveRecordSize + DamageClassByte] = value;
}

ProfileKeyLookup TextLookup(const std::string& text) {
    return [text](const std::string& section, const std::string& key) {
        return FindIniEntry(text, section, key);
    };
}

NameEntry Entry(const std::string& hex) {
    NameEntry entry{};
    for (std::size_t i = 0; i < entry.size(); ++i)
        entry[i] = static_cast<std::uint8_t>(std::stoi(hex.substr(2 * i, 2), nullptr, 16));
    return entry;
}

} // namespace

TEST(RecordLayout, IsRecognisedByARuleOneEditCannotFlip) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> records;
        RecordLayout layout;
    };
    std::vector<Case> cases = {{"the hack", HackRecords(), RecordLayout::Split},
                               {"a released game", ReleasedRecords(), RecordLayout::Released}};
    Case edited{"the hack, a power-0 move set to Physical", HackRecords(), RecordLayout::Split};
    int statusMove = 1;
    while (edited.records[static_cast<std::size_t>(statusMove) * MoveRecordSize + 1] != 0) ++statusMove;
    ASSERT_EQ(edited.records[static_cast<std::size_t>(statusMove) * MoveRecordSize + DamageClassByte], 2);
    SetClass(edited.records, statusMove, 0);
    cases.push_back(edited);
    Case past{"the hack, one class byte past Status", HackRecords(), RecordLayout::Released};
    SetClass(past.records, 700, 3);
    cases.push_back(past);
    Case few{"a released game with byte 10 set on 19 + 19 moves", ReleasedRecords(), RecordLayout::Released};
    for (int k = 1; k <= 38; ++k) SetClass(few.records, k, static_cast<std::uint8_t>(1 + k % 2));
    cases.push_back(few);
    Case two{"a released game with 20 moves of class 1", ReleasedRecords(), RecordLayout::Split};
    for (int k = 1; k <= 20; ++k) SetClass(two.records, k, 1);
    cases.push_back(two);
    for (const Case& c : cases)
        EXPECT_EQ(RecogniseRecordLayout(c.records, static_cast<int>(c.records.size() / MoveRecordSize)),
                  c.layout)
            << c.what;
}

TEST(RecordLayout, TheProfileWins) {
    const std::vector<std::uint8_t> hack = HackRecords(), released = ReleasedRecords();
    struct Case {
        const char* profile;
        const std::vector<std::uint8_t>& records;
        RecordLayout layout;
        bool fromProfile;
    };
    const Case cases[] = {
        {"[Recordlayout]\r\nlayout=released\r\n", hack, RecordLayout::Released, true},
        {"[Recordlayout]\r\nlayout= Split \r\n", released, RecordLayout::Split, true},
        {"[Recordlayout.rev1]\r\nlayout=released\r\n[Recordlayout]\r\nlayout=split\r\n", hack,
         RecordLayout::Released, true},
        {"[Recordlayout.rev2]\r\nlayout=released\r\n", hack, RecordLayout::Split, false},
        {"", released, RecordLayout::Released, false},
    };
    for (const Case& c : cases) {
        const FoundRecordLayout found = ResolveRecordLayout(TextLookup(c.profile), 1, c.records, 923);
        EXPECT_EQ(found.layout, c.layout) << c.profile;
        EXPECT_EQ(found.fromProfile, c.fromProfile) << c.profile;
    }
    try {
        ProfileRecordLayout(TextLookup("[Recordlayout]\r\nlayout=physical\r\n"), 0);
        ADD_FAILURE() << "an unknown layout was taken";
    } catch (const TableError& e) {
        EXPECT_STREQ(e.what(), "the profile's [Recordlayout] layout \"physical\" is not released or split");
    }
}

TEST(RecordLayout, ClassAndPowerThatDisagreeAreFlaggedAndTheReleasedClassFollowsTheType) {
    const std::tuple<std::uint8_t, std::uint8_t, const char*> warnings[] = {
        {2, 40, "a Status move with power 40"},
        {0, 0, "a Physical move with power 0"},
        {1, 0, "a Special move with power 0"},
        {3, 50, "damage class 3 is none of"},
        {2, 0, ""},
        {0, 80, ""},
        {1, 1, ""}};
    for (auto [damageClass, power, warning] : warnings) {
        const std::string text = DamageClassWarning(damageClass, power);
        EXPECT_EQ(text.empty(), *warning == 0) << text;
        EXPECT_NE(text.find(warning), std::string::npos) << text;
    }
    const std::tuple<std::uint8_t, std::uint8_t, std::optional<DamageClass>> released[] = {
        {0, 40, DamageClass::Physical}, {8, 40, DamageClass::Physical}, {9, 40, std::nullopt},
        {10, 40, DamageClass::Special}, {17, 40, DamageClass::Special}, {18, 40, std::nullopt},
        {17, 0, DamageClass::Status}};
    for (auto [type, power, damageClass] : released)
        EXPECT_EQ(ReleasedDamageClass(type, power), damageClass) << +type;
}

TEST(NamePadding, ANameKeepsThePaddingItsEntryUses) {
    // encoded (name, FF, blanks), the entry now, the entry written.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        // An unchanged name writes the bytes it was read from.
        {"BBBCFF00000000000000000000", "BBBCFFFFFFFFFFFFFFFFFFFFFF", "BBBCFFFFFFFFFFFFFFFFFFFFFF"},
        {"BBBCFF00000000000000000000", "BBBCFF00000000000000000000", "BBBCFF00000000000000000000"},
        // Longer and shorter names keep FF padding; the bytes past the old end byte stay.
        {"BBBCBDBEFF0000000000000000", "BBBCFFFFFFFFFFFFFFFFFFFFFF", "BBBCBDBEFFFFFFFFFFFFFFFFFF"},
        {"BBFF0000000000000000000000", "BBBCBDBEFFFFFFFFFFFFFFFFFF", "BBFFFFFFFFFFFFFFFFFFFFFFFF"},
        {"BBFF0000000000000000000000", "BBBCBDFF00FFFFFFFFFFFFFFFF", "BBFF000000FFFFFFFFFFFFFFFF"},
        // 12 characters: the end byte and no padding; 13: no end byte.
        {"BBBBBBBBBBBBBBBBBBBBBBBBFF", "BBFFFFFFFFFFFFFFFFFFFFFFFF", "BBBBBBBBBBBBBBBBBBBBBBBBFF"},
        {"BBBBBBBBBBBBBBBBBBBBBBBBBB", "BBFFFFFFFFFFFFFFFFFFFFFFFF", "BBBBBBBBBBBBBBBBBBBBBBBBBB"},
        // From a full-length entry, a shorter name is padded with blanks.
        {"BBFF0000000000000000000000", "BBBBBBBBBBBBBBBBBBBBBBBBBB", "BBFF0000000000000000000000"},
        // An empty name is never 13 FF: that is free space.
        {"FF000000000000000000000000", "BBFFFFFFFFFFFFFFFFFFFFFFFF", "FF000000000000000000000000"},
        {"FF000000000000000000000000", "FFFFFFFFFFFFFFFFFFFFFFFFFF", "FF000000000000000000000000"},
    };
    for (auto [encoded, current, written] : cases)
        EXPECT_EQ(PaddedNameEntry(Entry(encoded), Entry(current)), Entry(written))
            << encoded << " over " << current;
}
