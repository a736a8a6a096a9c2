#include "tools/skirmela_moves/HeaderProfile.h"

#include "rom/ReadINI.h"
#include "tools/demo_rom/DemoRom.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace moves;

namespace {

demo::DemoRom Bpre(int revision, bool headerWords = true) {
    return demo::MakeDemoRom({.gameCode = "BPRE",
                              .nameStart = 0x1234D,
                              .dataOffset = 0x2A000,
                              .revision = static_cast<std::uint8_t>(revision),
                              .headerWords = headerWords});
}

std::string Value(const std::string& text, const std::string& section) {
    std::istringstream in(text);
    return rom::FindIniValue(in, section, "offset");
}

} // namespace

TEST(ProfileFromHeader, GivesTheTablesOfRevisionZeroAndOne) {
    const std::pair<int, const char*> cases[] = {
        {0, "Profile for game code BPRE, revision 0, from the table words of the ROM's header\r\n"
            "[Nameoffset]\r\noffset=74573\r\n[Dataoffset]\r\noffset=172032\r\n"},
        {1, "Profile for game code BPRE, revision 1, from the table words of the ROM's header\r\n"
            "[Nameoffset.rev1]\r\noffset=74573\r\n[Dataoffset.rev1]\r\noffset=172032\r\n"},
    };
    for (const auto& [revision, text] : cases) {
        const demo::DemoRom image = Bpre(revision);
        const HeaderProfile p = ProfileFromHeader(image.bytes);
        EXPECT_EQ(p.revision, revision);
        EXPECT_EQ(p.tables, (rom::MoveTables{0x1234D, 0x2A000}));
        EXPECT_EQ(ProfileFileText(p), text);
        // The window reads the profile back to the same tables.
        EXPECT_EQ(
            rom::ResolveMoveTables(
                rom::ParseRomHeader(image.bytes, static_cast<std::int64_t>(image.bytes.size())),
                [&text](const std::string& section) { return rom::FindIniEntry(text, section, "offset"); }),
            p.tables);
    }
}

TEST(ProfileFromHeader, RefusesHeadersWithoutWordsAndTablesThatDoNotLookRight) {
    EXPECT_THROW(ProfileFromHeader(demo::MakeDemoRom().bytes), NoHeaderProfile); // SKDM carries no words
    EXPECT_THROW(ProfileFromHeader(Bpre(0, false).bytes), NoHeaderProfile);      // words of random bytes

    const demo::DemoRom good = Bpre(0);
    const std::size_t names = 0x1234D - 13, records = 0x2A000;
    struct Spoil {
        std::size_t at;
        std::uint8_t byte;
        const char* message;
    };
    const Spoil spoils[] = {
        {names, 0xBB, "move 0's name entry"},                 // "A" instead of "-"
        {names + 13 * 40 + 12, 0x0A, "move 40's name entry"}, // no end byte, a byte without a character
        {0x148 + 3, 0x09, "do not point inside the ROM"},     // the names word beyond the file
    };
    for (const Spoil& s : spoils) {
        std::vector<std::uint8_t> bytes = good.bytes;
        bytes[s.at] = s.byte;
        if (s.at == names + 13 * 40 + 12)
            std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(names + 13 * 40), 12, 0xBB);
        try {
            ProfileFromHeader(bytes);
            ADD_FAILURE() << "accepted " << s.message;
        } catch (const NoHeaderProfile& e) {
            EXPECT_NE(std::string(e.what()).find(s.message), std::string::npos) << e.what();
        }
    }
    // A value a user may write in one record is no reason; most records holding such values are.
    const std::pair<int, std::uint8_t> values[] = {{3, 101}, {5, 200}, {4, 65}, {6, 3}, {7, 0xF7}};
    for (const auto& [field, value] : values) {
        std::vector<std::uint8_t> bytes = good.bytes;
        bytes[records + 12 * 7 + static_cast<std::size_t>(field)] = value;
        EXPECT_NO_THROW(ProfileFromHeader(bytes)) << field;
        for (int k = 1; k < 355; ++k)
            bytes[records + 12 * static_cast<std::size_t>(k) + static_cast<std::size_t>(field)] = value;
        try {
            ProfileFromHeader(bytes);
            ADD_FAILURE() << "accepted records whose byte " << field << " is " << int{value};
        } catch (const NoHeaderProfile& e) {
            EXPECT_NE(std::string(e.what()).find("most records are no move's, the first: move 1's record"),
                      std::string::npos)
                << e.what();
        }
    }
    // Tables of more moves than the image holds.
    EXPECT_THROW(ProfileFromHeader(good.bytes, 2731), NoHeaderProfile);
}

TEST(MergeProfile, AddsMissingSectionsKeepsEqualOnesAndReplacesOthersOnlyWhenForced) {
    HeaderProfile p{"BPRE", 1, {74573, 172032}};
    const std::string shipped =
        "Profile for BPRE\r\n[Nameoffset]\r\noffset=2388129\r\n[Dataoffset]\r\noffset=2427908\r\n";

    const ProfileMerge added = MergeProfile(shipped, p, false);
    EXPECT_EQ(added.text,
              shipped + "[Nameoffset.rev1]\r\noffset=74573\r\n[Dataoffset.rev1]\r\noffset=172032\r\n");
    EXPECT_EQ(added.added, (std::vector<std::string>{"Nameoffset.rev1", "Dataoffset.rev1"}));

    EXPECT_EQ(MergeProfile(added.text, p, false).text, ""); // nothing to change

    const std::string other = "[NAMEOFFSET.REV1]\r\nOffset=1\r\n[Dataoffset.rev1]\r\noffset= 172032\r\n";
    const ProfileMerge refused = MergeProfile(other, p, false);
    EXPECT_EQ(refused.text, "");
    ASSERT_EQ(refused.conflicts.size(), 1u);
    EXPECT_EQ(refused.conflicts[0].existing, "1");
    EXPECT_TRUE(refused.replaced.empty());

    const ProfileMerge forced = MergeProfile(other, p, true);
    EXPECT_EQ(forced.text, "[NAMEOFFSET.REV1]\r\noffset=74573\r\n[Dataoffset.rev1]\r\noffset= 172032\r\n");
    EXPECT_EQ(forced.replaced, std::vector<std::string>{"Nameoffset.rev1"});

    // A section without its key gets the key line under its header; a new file gets a first line.
    const ProfileMerge keyless =
        MergeProfile("[Nameoffset.rev1]\nx=1\n[Dataoffset.rev1]\r\noffset=\r\n", p, false);
    EXPECT_EQ(Value(keyless.text, "Nameoffset.rev1"), "74573");
    EXPECT_EQ(Value(keyless.text, "Dataoffset.rev1"), "172032");
    EXPECT_NE(keyless.text.find("x=1\r\n"), std::string::npos);
    EXPECT_EQ(MergeProfile("", p, false).text, ProfileFileText(p));
}

TEST(MergeProfile, WritesTheSectionsTheOpenReads) {
    // A profile with ".rev0" sections serves revision 0 from them, so a fix must go there too.
    const HeaderProfile p{"BPRE", 0, {74573, 172032}};
    const std::string rev0 = "[Nameoffset]\r\noffset=74573\r\n[Dataoffset]\r\noffset=172032\r\n"
                             "[Nameoffset.rev0]\r\noffset=1\r\n[Dataoffset.rev0]\r\noffset=172032\r\n";
    const ProfileMerge forced = MergeProfile(rev0, p, true);
    EXPECT_EQ(forced.replaced, std::vector<std::string>{"Nameoffset.rev0"});
    EXPECT_EQ(Value(forced.text, "Nameoffset.rev0"), "74573");
    EXPECT_EQ(MergeProfile("[Nameoffset]\r\noffset=74573\r\n", p, false).added,
              std::vector<std::string>{"Dataoffset"});
}
