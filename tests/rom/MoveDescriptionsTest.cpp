#include "rom/MoveDescriptions.h"

#include "rom/OpenMoveTables.h"
#include "rom/ReadINI.h"
#include "tests/support/TempFiles.h"
#include "tools/demo_rom/DemoRom.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace rom;

namespace {

DescriptionTable Read(const std::vector<std::uint8_t>& image, const std::string& profile,
                      int moveCount = 355) {
    const RomHeader header = ParseRomHeader(image, static_cast<std::int64_t>(image.size()));
    const ProfileLookup lookup = [&profile](const std::string& section) {
        return FindIniEntry(profile, section, "offset");
    };
    const MoveTables tables{demo::DemoRomLayout{}.nameStart, demo::DemoRomLayout{}.dataOffset};
    return ReadDescriptions(
        header, lookup, tables, moveCount, [&image](std::int64_t at, std::int64_t length) {
            at = std::clamp<std::int64_t>(at, 0, static_cast<std::int64_t>(image.size()));
            length = std::min<std::int64_t>(length, static_cast<std::int64_t>(image.size()) - at);
            return std::vector<std::uint8_t>(image.begin() + at, image.begin() + at + length);
        });
}

std::vector<std::uint8_t> Applied(std::vector<std::uint8_t> image, const ChangePlan& plan) {
    for (const ByteWrite& w : plan) image[static_cast<std::size_t>(w.offset)] = w.value;
    return image;
}

std::vector<std::uint8_t> Encoded(const std::string& text) {
    std::string fault;
    return EncodeDescription(text, fault).value();
}

void PutWord(std::vector<std::uint8_t>& image, std::int64_t at, std::uint32_t word) {
    for (int i = 0; i < 4; ++i)
        image[static_cast<std::size_t>(at + i)] = static_cast<std::uint8_t>(word >> (8 * i));
}

struct Demo {
    demo::DemoRom rom = demo::MakeDemoRom();
    std::string profile = demo::DemoProfileText(rom.layout);
};

} // namespace

TEST(MoveDescriptions, ReadEveryDemoTextAndEncodeItBackToItsBytes) {
    const Demo d;
    const DescriptionTable table = Read(d.rom.bytes, d.profile);
    ASSERT_TRUE(table.Available()) << table.unavailable;
    ASSERT_EQ(table.moves.size(), 354u);
    for (int k = 1; k <= 354; ++k) {
        EXPECT_EQ(table.Of(k)->text, d.rom.descriptions[static_cast<std::size_t>(k - 1)]) << k;
        EXPECT_EQ(Encoded(table.Of(k)->text), table.Of(k)->bytes) << k;
    }
    EXPECT_EQ(table.Of(0), nullptr);
}

TEST(MoveDescriptions, FaultsMakeThemUnavailableWithTheReasonButTheMovesStillOpen) {
    const std::int64_t tableAt = demo::DemoRomLayout{}.descriptionTable;
    const struct {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&, std::string&)> spoil;
        const char* reason;
    } cases[] = {
        {"pointer outside the file", [&](auto& image, auto&) { PutWord(image, tableAt + 4 * 6, 0x09000000); },
         "move 7 (0x9000000) points outside"},
        {"pointer into the header", [&](auto& image, auto&) { PutWord(image, tableAt, 0x08000010); },
         "move 1 (0x8000010) points into the cartridge header"},
        {"pointer at move 301's pointer",
         [&](auto& image, auto&) { PutWord(image, tableAt, 0x08000000 + tableAt + 4 * 300); },
         "move 1 (0x803A4B0) points into the description pointer table"},
        {"pointer at move 10's name",
         [&](auto& image, auto&) { PutWord(image, tableAt + 4 * 2, 0x08000000 + 0x1000D + 13 * 9); },
         "move 3 (0x8010082) points into the name table"},
        {"pointer at a record",
         [&](auto& image, auto&) { PutWord(image, tableAt + 4 * 8, 0x08020000 + 12 * 40 + 3); },
         "move 9 (0x80201E3) points into the record table"},
        {"text that runs into the names",
         [&](auto& image, auto&) {
             std::fill(image.begin() + 0xFFFC, image.begin() + 0x10000, 0xBB);
             PutWord(image, tableAt + 4 * 20, 0x0800FFFC);
         },
         "move 21 at 0xFFFC runs into the name table"},
        {"no end byte",
         [&](auto& image, auto&) {
             const std::int64_t at = demo::DemoRomLayout{}.descriptionTable - 0x1000;
             PutWord(image, tableAt + 4 * 9, 0x08000000 + static_cast<std::uint32_t>(at));
             std::fill(image.begin() + at, image.begin() + at + 600, 0xBB);
         },
         "move 10 at 0x39000 has no end byte within 512"},
        {"no section",
         [](auto&, auto& profile) {
             profile = "[Nameoffset]\r\noffset=65549\r\n[Dataoffset]\r\noffset=131072\r\n";
         },
         "no description table ([Descriptionoffset])"},
        {"table past the end",
         [](auto&, auto& profile) { profile += "[Descriptionoffset.rev0]\r\noffset=262000\r\n"; },
         "reaches outside the file"},
    };
    for (const auto& c : cases) {
        Demo d;
        c.spoil(d.rom.bytes, d.profile);
        testing_support::TempDir dir;
        testing_support::WriteFileBytes(dir / "demo.gba", d.rom.bytes);
        testing_support::WriteFileText(dir / "SKDM.ini", d.profile);
        const OpenedRom opened = OpenRomImage(dir / "demo.gba", OnlyProfileFolder(dir.path()));
        EXPECT_EQ(opened.rows.size(), 355u) << c.name;
        EXPECT_FALSE(opened.at.descriptions.Available()) << c.name;
        EXPECT_NE(opened.at.descriptions.unavailable.find(c.reason), std::string::npos)
            << c.name << ": " << opened.at.descriptions.unavailable;
        ChangePlan plan;
        EXPECT_THROW(DescriptionPlanner(opened.at.descriptions, d.rom.bytes).Plan(plan, 1, {0xFF}),
                     PlanError);
    }
}

TEST(MoveDescriptions, CodeWordsPointingElsewhereDisableThemAndOneOutsideTheFileDoesNot) {
    demo::DemoRomLayout layout;
    layout.gameCode = "BPRE";
    layout.size = 0x200000;
    demo::DemoRom rom = demo::MakeDemoRom(layout);
    const std::string profile = demo::DemoProfileText(rom.layout);
    EXPECT_TRUE(Read(rom.bytes, profile).Available());
    // One word outside the file leaves the other a majority of one.
    PutWord(rom.bytes, 0x137BC8, 0x7FFFFFFF);
    EXPECT_TRUE(Read(rom.bytes, profile).Available());
    // A word elsewhere (the other names nothing): a profile the user wrote is refused for them.
    PutWord(rom.bytes, 0x137BC8, 0x08001000);
    EXPECT_NE(
        Read(rom.bytes, profile).unavailable.find("puts the description table at 0x1000, not at 0x3A000"),
        std::string::npos)
        << Read(rom.bytes, profile).unavailable;
    // One word at the table and one elsewhere: the two disagree, and the table cannot be told.
    PutWord(rom.bytes, 0xE5440, 0x08000000 + 0x3A000);
    EXPECT_NE(Read(rom.bytes, profile).unavailable.find("words (at 0xE5440, 0x137BC8) disagree"),
              std::string::npos)
        << Read(rom.bytes, profile).unavailable;
    // Both at the table, as in the released game.
    PutWord(rom.bytes, 0x137BC8, 0x08000000 + 0x3A000);
    EXPECT_TRUE(Read(rom.bytes, profile).Available());
}

TEST(MoveDescriptions, PlansInPlaceWhenTheTextFitsElseInTheFreeSpace) {
    const Demo d;
    const DescriptionTable table = Read(d.rom.bytes, d.profile);
    const MoveDescription& old = *table.Of(100);
    // The same text, and one shorter: nothing, or only bytes of the old text, change.
    for (const std::string& text : {old.text, std::string("Shorter.")}) {
        ChangePlan plan;
        EXPECT_EQ(DescriptionPlanner(table, d.rom.bytes).Plan(plan, 100, Encoded(text)),
                  (DescriptionPlacement{old.textOffset, false}));
        const auto after = Applied(d.rom.bytes, plan);
        for (std::size_t at : testing_support::DifferingPositions(d.rom.bytes, after))
            EXPECT_TRUE(static_cast<std::int64_t>(at) >= old.textOffset &&
                        static_cast<std::int64_t>(at) <
                            old.textOffset + static_cast<std::int64_t>(old.bytes.size()))
                << at;
        EXPECT_EQ(Read(after, d.profile).Of(100)->text, text);
    }
    // Two longer ones land one after the other in the free space, 16 FF bytes apart at 4-byte
    // aligned places; only they and the two pointers change.
    const std::string longer = "The user goes on and\non and on and on and\non until it drops.";
    ChangePlan plan;
    DescriptionPlanner planner(table, d.rom.bytes);
    const DescriptionPlacement fifth = planner.Plan(plan, 5, Encoded(longer)),
                               sixth = planner.Plan(plan, 6, Encoded(longer));
    const auto after = Applied(d.rom.bytes, plan);
    const DescriptionTable reread = Read(after, d.profile);
    EXPECT_EQ(fifth, (DescriptionPlacement{reread.Of(5)->textOffset, true}));
    EXPECT_EQ(sixth, (DescriptionPlacement{reread.Of(6)->textOffset, true}));
    const std::int64_t firstFree = 0x3B000, n = static_cast<std::int64_t>(Encoded(longer).size());
    EXPECT_EQ(reread.Of(5)->textOffset, firstFree + 16);
    EXPECT_EQ(reread.Of(6)->textOffset, (firstFree + 16 + n - 1 + 16 + 3) / 4 * 4);
    EXPECT_EQ(reread.Of(6)->text, longer);
    std::vector<std::size_t> expected;
    for (int k : {5, 6}) {
        for (std::int64_t i = 0; i < n - 1; ++i)
            expected.push_back(static_cast<std::size_t>(reread.Of(k)->textOffset + i));
        for (std::int64_t i = 0; i < 4; ++i)
            if (d.rom.bytes[static_cast<std::size_t>(table.PointerOffset(k) + i)] !=
                after[static_cast<std::size_t>(table.PointerOffset(k) + i)])
                expected.push_back(static_cast<std::size_t>(table.PointerOffset(k) + i));
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(testing_support::DifferingPositions(d.rom.bytes, after), expected);
}

TEST(MoveDescriptions, AFullRomOrASharedTextIsNeverWrittenOver) {
    Demo d;
    std::fill(d.rom.bytes.end() - 40, d.rom.bytes.end(), 0x00);
    const DescriptionTable full = Read(d.rom.bytes, d.profile);
    ChangePlan plan;
    EXPECT_THROW(DescriptionPlanner(full, d.rom.bytes).Plan(plan, 5, Encoded("A text too long for Pounds.")),
                 PlanError);

    // Moves 5 and 6 share one text: a shorter text for move 5 goes to the free space.
    Demo shared;
    const DescriptionTable before = Read(shared.rom.bytes, shared.profile);
    PutWord(shared.rom.bytes, before.PointerOffset(6), before.Of(5)->pointer);
    const DescriptionTable table = Read(shared.rom.bytes, shared.profile);
    ChangePlan moved;
    DescriptionPlanner(table, shared.rom.bytes).Plan(moved, 5, Encoded("Hits."));
    const DescriptionTable after = Read(Applied(shared.rom.bytes, moved), shared.profile);
    EXPECT_EQ(after.Of(6)->text, "Pounds.");
    EXPECT_EQ(after.Of(5)->text, "Hits.");
}

TEST(MoveDescriptions, EncodingNamesTheCharacterWithoutACodeAndFlagsTheBox) {
    std::string fault;
    EXPECT_EQ(EncodeDescription("a\r\nb\nc", fault),
              (std::vector<std::uint8_t>{0xD5, 0xFE, 0xD6, 0xFE, 0xD7, 0xFF}));
    for (const auto& [text, named] :
         {std::pair{"Costs 5 \u20AC.", "\"\u20AC\" (U+20AC)"}, std::pair{"x^y", "\"^\""}}) {
        EXPECT_FALSE(EncodeDescription(text, fault));
        EXPECT_NE(fault.find(named), std::string::npos) << fault;
    }
    const DescriptionBox frlg{4, 21};
    const struct {
        const char* text;
        std::string fault;
    } boxes[] = {
        {"1\n2\n3\n4", ""},
        {"1\n2\n3\n4\n5", "5 lines; the game's box shows 4"},
        {"123456789012345678901\n1234567890123456789012",
         "line 2 has 22 characters; the game's longest has 21"},
    };
    for (const auto& b : boxes) EXPECT_EQ(DescriptionBoxFault(b.text, frlg), b.fault) << b.text;
    EXPECT_EQ(DescriptionBoxFault("1\n2\n3\n4\n5", std::nullopt), "");
}

TEST(MoveDescriptions, ATextIsRewrittenInPlaceOnlyInsideTheBlockOfTexts) {
    // Move 1's text is the lowest of the block and move 354's the highest: both touch the others'.
    // A pointer aimed at the game's code (0x30000, "3" and FF there) is never written through.
    const struct {
        int move;
        std::optional<std::uint32_t> aim;
        bool inPlace;
    } cases[] = {{1, std::nullopt, true},
                 {354, std::nullopt, true},
                 {100, std::nullopt, true},
                 {7, 0x08030000, false}};
    for (const auto& c : cases) {
        Demo d;
        if (c.aim) PutWord(d.rom.bytes, demo::DemoRomLayout{}.descriptionTable + 4 * (c.move - 1), *c.aim);
        const DescriptionTable table = Read(d.rom.bytes, d.profile);
        ASSERT_TRUE(table.Available()) << table.unavailable;
        const MoveDescription old = *table.Of(c.move);
        ChangePlan plan;
        DescriptionPlanner(table, d.rom.bytes).Plan(plan, c.move, Encoded("A"));
        const auto after = Applied(d.rom.bytes, plan);
        const DescriptionTable reread = Read(after, d.profile);
        EXPECT_EQ(reread.Of(c.move)->text, "A") << c.move;
        EXPECT_EQ(reread.Of(c.move)->textOffset == old.textOffset, c.inPlace) << c.move;
        if (!c.inPlace) {
            EXPECT_TRUE(std::equal(old.bytes.begin(), old.bytes.end(), after.begin() + old.textOffset))
                << c.move;
        }
    }
}

TEST(MoveDescriptions, ATextIsWrittenOnlyWhenTheReaderTakesItsLength) {
    const Demo d;
    const DescriptionTable table = Read(d.rom.bytes, d.profile);
    ChangePlan plan;
    try {
        DescriptionPlanner(table, d.rom.bytes).Plan(plan, 5, Encoded(std::string(512, 'y')));
        ADD_FAILURE() << "513 bytes were planned";
    } catch (const PlanError& e) {
        EXPECT_NE(std::string(e.what()).find(
                      "move 5 has no end byte within 512 bytes (its text and end byte take 513)"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_TRUE(plan.empty());
    DescriptionPlanner(table, d.rom.bytes).Plan(plan, 5, Encoded(std::string(511, 'y')));
    EXPECT_EQ(Read(Applied(d.rom.bytes, plan), d.profile).Of(5)->text, std::string(511, 'y'));
}

TEST(MoveDescriptions, ARestoreFreesTheGivenBytesThenWritesTheTextAndPointsAtIt) {
    const Demo d;
    const DescriptionTable table = Read(d.rom.bytes, d.profile);
    const MoveDescription& five = *table.Of(5);
    const std::int64_t free = 0x3B010, size = static_cast<std::int64_t>(d.rom.bytes.size());
    // Move 5's text put back at a free place, its current text made FF: the undo table names those bytes.
    for (const auto& [offset, length, cell] :
         {std::tuple{std::int64_t{0x1F4A0}, std::size_t{12}, "1F4A0:12"},
          std::tuple{std::int64_t{0xC0}, std::size_t{1}, "C0:1"},
          std::tuple{std::int64_t{0x1000000}, std::size_t{512}, "1000000:512"}})
        EXPECT_EQ(FreedBytesCell(offset, length), cell);
    ChangePlan plan;
    PlanDescriptionRestore(
        plan, table, 5,
        {OffsetAddress(free), five.bytes, {{five.textOffset, static_cast<std::int64_t>(five.bytes.size())}}},
        size);
    const auto after = Applied(d.rom.bytes, plan);
    const DescriptionTable reread = Read(after, d.profile);
    EXPECT_EQ(reread.Of(5)->textOffset, free);
    EXPECT_EQ(reread.Of(5)->bytes, five.bytes);
    for (std::size_t i = 0; i < five.bytes.size(); ++i)
        EXPECT_EQ(after[static_cast<std::size_t>(five.textOffset) + i], 0xFF);
    // A pointer below the cartridge, into its header, or with a text past the file's end is refused.
    const auto length = static_cast<std::int64_t>(five.bytes.size());
    for (const std::uint32_t pointer :
         {std::uint32_t{0x10}, OffsetAddress(0x20), OffsetAddress(size - length + 1)}) {
        ChangePlan refused;
        EXPECT_THROW(PlanDescriptionRestore(refused, table, 5, {pointer, five.bytes, std::nullopt}, size),
                     PlanError)
            << pointer;
    }
    ChangePlan fits;
    EXPECT_NO_THROW(
        PlanDescriptionRestore(fits, table, 5, {OffsetAddress(size - length), five.bytes, {}}, size));
}
