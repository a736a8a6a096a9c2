// The contest data on the demo maker's R/S-like ROM and synthetic changes of it: reading, each
// refusal, the planned writes, and the names the numbers are shown and typed by.

#include "rom/ContestData.h"
#include "rom/ContestNames.h"
#include "rom/ContestPlan.h"
#include "rom/OpenMoveTables.h"

#include "rom/ReadINI.h"
#include "rom/ShippedProfiles.h"
#include "rom/TablePlausibility.h"
#include "tests/support/TempFiles.h"
#include "tools/demo_rom/DemoRom.h"

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

using namespace rom;

namespace {

ReadRange Reader(const std::vector<std::uint8_t>& bytes) {
    return ImageBytes(bytes);
}

ProfileKeyLookup TextLookup(const std::string& text) {
    return [text](const std::string& section, const std::string& key) {
        return FindIniEntry(text, section, key);
    };
}

std::string Shipped(const char* code) {
    return std::string(*ShippedProfileText(code));
}

ContestData Read(const std::vector<std::uint8_t>& bytes, const std::string& profile, int revision = 0,
                 bool shipped = true) {
    return ReadContestData(TextLookup(profile), revision, shipped, static_cast<std::int64_t>(bytes.size()),
                           Reader(bytes));
}

void PutWord(std::vector<std::uint8_t>& bytes, std::int64_t at, std::int64_t offset) {
    const auto word = CartridgeAddressBase + static_cast<std::uint32_t>(offset);
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(at + i)] = static_cast<std::uint8_t>(word >> (8 * i));
}

const demo::DemoRom& Demo() {
    static const demo::DemoRom rom = demo::MakeDemoRom(demo::ContestLayout());
    return rom;
}

constexpr std::int64_t Moves = 0x3CF594, Effects = 0x3D00AC, Texts = 0x3CADD4, Elsewhere = 0x500000;

std::vector<std::uint8_t> Applied(std::vector<std::uint8_t> image, const ChangePlan& plan) {
    for (const ByteWrite& w : plan) image[static_cast<std::size_t>(w.offset)] = w.value;
    return image;
}

// The offsets at which two images differ.
std::vector<std::int64_t> Differences(const std::vector<std::uint8_t>& a,
                                      const std::vector<std::uint8_t>& b) {
    std::vector<std::int64_t> at;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) at.push_back(static_cast<std::int64_t>(i));
    return at;
}

} // namespace

TEST(ContestData, ReadsTheDemosTablesThroughTheShippedProfile) {
    const ContestData data = Read(Demo().bytes, Shipped("AXVE"));
    ASSERT_TRUE(data.Available()) << data.unavailable;
    ASSERT_TRUE(data.HasEffectTexts()) << data.textsUnavailable;
    EXPECT_EQ(data.moveTable.offset, Moves);
    EXPECT_EQ(data.effectTable.offset, Effects);
    EXPECT_EQ(data.textTable.offset, Texts);
    ASSERT_EQ(data.moves.size(), 355u);
    for (int k = 0; k < 355; ++k) {
        const auto& r = Demo().contestMoves[static_cast<std::size_t>(k)];
        const ContestMove expected{r[0], r[1] & 7, r[2], {r[3], r[4], r[5], r[6]}, r[1], r[7]};
        EXPECT_EQ(*data.Of(k), expected) << k;
    }
    EXPECT_EQ(*data.Of(1), (ContestMove{0, 4, 60, {0, 0, 0, 0}, 4, 0}));
    EXPECT_EQ(data.Of(355), nullptr);
    EXPECT_EQ(data.Of(-1), nullptr);
    ASSERT_EQ(data.effects.size(), 48u);
    for (int e = 0; e < 48; ++e) {
        const auto& r = Demo().contestEffects[static_cast<std::size_t>(e)];
        EXPECT_EQ(data.effects[static_cast<std::size_t>(e)], (ContestEffect{r[0], r[1], r[2], r[3]})) << e;
    }
    EXPECT_EQ(data.effectTexts, Demo().contestEffectTexts);
    EXPECT_EQ(data.effectTexts[9], "Startles the Pok\u00E9mon ahead.\nMay be used again.");
}

TEST(ContestData, EachReleaseHasTheContestDataItsProfileGives) {
    // BPEE: the tables at the published offsets, no words and no texts; BPRE (FR): none at all; AXVE
    // revision 2: sections without values.
    demo::DemoRomLayout emerald = demo::ContestLayout();
    emerald.gameCode = "BPEE";
    emerald.contestMoveTable = 0x58C2B4;
    emerald.contestEffectTable = 0x58CDCC;
    emerald.contestTextTable = 0;
    const demo::DemoRom bpee = demo::MakeDemoRom(emerald);
    const ContestData e = Read(bpee.bytes, Shipped("BPEE"));
    EXPECT_TRUE(e.Available()) << e.unavailable;
    EXPECT_EQ(e.Of(1)->comboStarter, 60);
    EXPECT_FALSE(e.HasEffectTexts());
    EXPECT_EQ(e.textsUnavailable, "the profile gives no contest effect-text table ([Contesteffecttexts])");
    EXPECT_EQ(ContestEffectLabel(e, 0), "Effect 0 (appeal 40, jam 0)");

    const ContestData fr = Read(Demo().bytes, Shipped("BPRE"));
    EXPECT_FALSE(fr.inProfile);
    EXPECT_FALSE(fr.Available());
    EXPECT_EQ(fr.unavailable, "");

    const ContestData rev2 = Read(Demo().bytes, Shipped("AXVE"), 2);
    EXPECT_TRUE(rev2.inProfile);
    EXPECT_FALSE(rev2.Available());
    EXPECT_EQ(rev2.unavailable, "the profile gives no contest move table ([Contestmoves.rev2])");
}

TEST(ContestData, TablesThatFailTheirCheckTurnTheDataOffWithTheReason) {
    using Change = std::function<void(std::vector<std::uint8_t>&)>;
    const auto byte = [](std::int64_t at, std::uint8_t value) -> Change {
        return [at, value](std::vector<std::uint8_t>& b) { b[static_cast<std::size_t>(at)] = value; };
    };
    // A copy of the move table elsewhere, named by all three of its words.
    const Change moved = [](std::vector<std::uint8_t>& b) {
        std::copy_n(b.begin() + Moves, 355 * 8, b.begin() + Elsewhere);
        for (std::int64_t word : {0x0A0290, 0x0A0320, 0x0A04C8}) PutWord(b, word, Elsewhere);
    };
    const std::string own = Shipped("AXVE") + "\r\n";
    struct Case {
        const char* what;
        Change change;
        std::string profile;
        bool available, texts;
        const char* message; // in unavailable, else in textsUnavailable, else in the move table's note
    };
    const Case cases[] = {
        {"the released game", [](auto&) {}, Shipped("AXVE"), true, true, ""},
        {"category 5", byte(Moves + 8 * 10 + 1, 5), Shipped("AXVE"), false, false,
         "the bytes at 0x3CF594 do not look like a contest move table (move 10 has category 5"},
        {"bits 3-7 of byte 1 do not count", byte(Moves + 8 * 10 + 1, 0xFC), Shipped("AXVE"), true, true, ""},
        {"effect 48", byte(Moves + 8 * 20, 48), Shipped("AXVE"), false, false,
         "move 20 has contest effect 48"},
        {"byte 7", byte(Moves + 8 * 30 + 7, 1), Shipped("AXVE"), false, false,
         "byte 7 of move 30's record is 0x1, not 0"},
        {"effect padding", byte(Effects + 4 * 3 + 3, 9), Shipped("AXVE"), false, false,
         "contest effect table (the padding byte of effect 3 is 0x9, not 0)"},
        {"a code word that disagrees", [](auto& b) { PutWord(b, 0x0AEB90, Elsewhere); }, Shipped("AXVE"),
         false, false, "the contest effect table is not read: the code words (at 0xA0650, 0xAEB90) disagree"},
        {"moved: the shipped profile gives way", moved, Shipped("AXVE"), true, true,
         "The game's code puts the contest move table at 0x500000"},
        {"moved: a profile of one's own is refused", moved, own, false, false,
         "puts the contest move table at 0x500000, not at 0x3CF594 where the profile puts it"},
        {"a text pointer outside the file", [](auto& b) { PutWord(b, Texts + 4 * 7, 0x1000000); },
         Shipped("AXVE"), true, false, "the pointer of effect 7 (0x9000000) points outside the file"},
        {"a text without its end",
         [](auto& b) {
             std::fill_n(b.begin() + Elsewhere, 300, 0xBB);
             PutWord(b, Texts + 4 * 9, Elsewhere);
         },
         Shipped("AXVE"), true, false, "the text of effect 9 at 0x500000 has no end byte within 256 bytes"},
        {"a malformed section", [](auto&) {}, "[Contestmoves]\r\noffset=x\r\n", false, false,
         "the contest move table is not read: the profile's [Contestmoves] offset \"x\" is not a decimal "
         "offset"},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = Demo().bytes;
        c.change(bytes);
        const ContestData data = Read(bytes, c.profile, 0, c.profile == Shipped("AXVE"));
        EXPECT_EQ(data.Available(), c.available) << c.what << ": " << data.unavailable;
        EXPECT_EQ(data.HasEffectTexts(), c.texts) << c.what << ": " << data.textsUnavailable;
        const std::string& said = !data.unavailable.empty()        ? data.unavailable
                                  : !data.textsUnavailable.empty() ? data.textsUnavailable
                                                                   : data.moveTable.note;
        EXPECT_NE(said.find(c.message), std::string::npos) << c.what << ": " << said;
        EXPECT_EQ(data.Available(), data.unavailable.empty()) << c.what;
    }
}

TEST(ContestPlan, AMovesSaveChangesOnlyBytes0To6OfItsRecordAndKeepsByte1sHighBitsAndByte7) {
    const ContestData read = Read(Demo().bytes, Shipped("AXVE"));
    ASSERT_EQ(read.Of(57)->byte1 & 0xF8, 0x28); // the demo sets bits 3 and 5 of move 57
    // Byte 7 is never written, whatever the file holds there by the time of the save.
    std::vector<std::uint8_t> image = Demo().bytes;
    image[static_cast<std::size_t>(Moves + 8 * 57 + 7)] = 0xA5;
    ChangePlan plan;
    PlanContestMove(plan, read, 57, {47, 4, 200, {61, 62, 0, 255}});
    for (const ByteWrite& w : plan) EXPECT_TRUE(w.offset >= Moves + 8 * 57 && w.offset <= Moves + 8 * 57 + 6);
    const std::vector<std::uint8_t> saved = Applied(image, OnlyChanges(plan, image));
    for (std::int64_t at : Differences(image, saved)) {
        EXPECT_GE(at, Moves + 8 * 57);
        EXPECT_LE(at, Moves + 8 * 57 + 6);
    }
    const std::uint8_t* r = &saved[static_cast<std::size_t>(Moves + 8 * 57)];
    EXPECT_EQ(std::vector<std::uint8_t>(r, r + 8),
              (std::vector<std::uint8_t>{47, 0x2C, 200, 61, 62, 0, 255, 0xA5}));
    EXPECT_EQ(ContestFieldsOf(Read(Applied(Demo().bytes, plan), Shipped("AXVE")), 57),
              (ContestMoveFields{47, 4, 200, {61, 62, 0, 255}}));
}

TEST(ContestPlan, RefusesValuesOutOfRangeAndMovesPastTheTable) {
    const ContestData data = Read(Demo().bytes, Shipped("AXVE"));
    const ContestData off = Read(Demo().bytes, Shipped("AXVE"), 2);
    const struct {
        const ContestData& data;
        int k;
        ContestMoveFields fields;
        const char* message;
    } cases[] = {
        {data, 3, {0, 5, 0, {}}, "the contest category 5 is not 0 to 4"},
        {data, 3, {48, 0, 0, {}}, "the contest effect 48 is not 0 to 47"},
        {data, 3, {0, 0, 256, {}}, "the combo starter id 256 is not 0 to 255"},
        {data, 3, {0, 0, 0, {0, 0, -1, 0}}, "the combo move's starter id -1 is not 0 to 255"},
        {data, 355, {}, "move 355 has no contest data: the contest table holds moves 0 to 354"},
        {off, 3, {}, "the ROM's contest data is off: the profile gives no contest move table"},
    };
    for (const auto& c : cases) {
        ChangePlan plan{{1, 2}};
        try {
            PlanContestMove(plan, c.data, c.k, c.fields);
            ADD_FAILURE() << c.message << ": planned";
        } catch (const PlanError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_EQ(plan, (ChangePlan{{1, 2}})) << c.message;
    }
}

TEST(ContestPlan, AnEffectChangeWritesItsThreeBytesAndNamesEveryMoveThatUsesIt) {
    const ContestData data = Read(Demo().bytes, Shipped("AXVE"));
    ChangePlan plan;
    PlanContestEffect(plan, data, 3, {6, 80, 30});
    EXPECT_EQ(plan, (ChangePlan{{Effects + 12, 6}, {Effects + 13, 80}, {Effects + 14, 30}}));
    const std::vector<std::uint8_t> saved = Applied(Demo().bytes, plan);
    EXPECT_EQ(Read(saved, Shipped("AXVE")).effects[3], (ContestEffect{6, 80, 30, 0}));

    std::vector<std::string> names = Demo().names;
    const std::vector<int> users = MovesUsingContestEffect(data, 3);
    ASSERT_GE(users.size(), 2u);
    std::string expected = "Contest effect 3 is used by " + std::to_string(users.size()) +
                           " moves, which the change "
                           "affects: " +
                           std::to_string(users[0]) + " " + names[static_cast<std::size_t>(users[0])];
    EXPECT_EQ(ContestEffectChangeReport(data, names, 3).rfind(expected, 0), 0u)
        << ContestEffectChangeReport(data, names, 3);
    for (int k : users) EXPECT_EQ(data.Of(k)->effect, 3);

    for (auto [e, fields] :
         {std::pair{48, ContestEffectFields{}}, std::pair{3, ContestEffectFields{0, 256, 0}}}) {
        ChangePlan none;
        EXPECT_THROW(PlanContestEffect(none, data, e, fields), PlanError) << e;
        EXPECT_TRUE(none.empty());
    }
}

TEST(ContestNames, CombosAreNamedByTheMovesThatHoldTheirStarterId) {
    const ContestData data = Read(Demo().bytes, Shipped("AXVE"));
    const std::vector<std::string>& names = Demo().names;
    const std::vector<int> shared = MovesHoldingComboStarter(data, 2); // moves 6 and 276 of the demo
    ASSERT_EQ(shared, (std::vector<int>{6, 276}));
    const std::string both = names[6] + "/" + names[276];
    EXPECT_EQ(ComboStarterText(data, names, 2), both);
    EXPECT_EQ(ComboStarterText(data, names, 0), "");
    EXPECT_EQ(ComboStarterText(data, names, 200), "");
    const ComboMoves five = {data.Of(5)->comboMoves};
    EXPECT_EQ(five, (ComboMoves{61, 62, 0, 0}));
    EXPECT_EQ(ComboMovesCsv(five), "61|62|0|0");
    EXPECT_EQ(ComboMovesJson(five), "[61,62,0,0]");
    EXPECT_EQ(ComboMovesTextCsv(data, names, five), names[116] + "|" + names[170] + "||");

    const struct {
        std::string text;
        std::optional<ComboMoves> ids;
        const char* fault;
    } cells[] = {
        {"61|62|0|0", ComboMoves{61, 62, 0, 0}, ""},
        {ComboMovesTextCsv(data, names, five), ComboMoves{61, 62, 0, 0}, ""},
        {" [61, 62,0 ,0] ", ComboMoves{61, 62, 0, 0}, ""},
        {"[\"" + both + "\", 60, \"\", 0]", ComboMoves{2, 60, 0, 0}, ""},
        {names[1] + "|" + both + "|255|", ComboMoves{60, 2, 255, 0}, ""},
        {"61|62|0", std::nullopt, "holds 3 combo moves, not 4"},
        {"[61,62,0,0", std::nullopt, "is no JSON array"},
        {"1|2|3|256", std::nullopt, "\"256\" is no move's name and no combo starter id 0 to 255"},
        {names[2] + "|0|0|0", std::nullopt, "starts no combo: its combo starter id is 0"},
        {names[6] + "/" + names[1] + "|0|0|0", std::nullopt, "is no move's name"},
        {"Sky Spin|0|0|0", std::nullopt, "names moves that hold different combo starter ids (39 and 43)"},
    };
    for (const auto& c : cells) {
        std::string fault;
        EXPECT_EQ(ParseComboMoves(data, names, c.text, fault), c.ids) << c.text << ": " << fault;
        EXPECT_NE(fault.find(c.fault), std::string::npos) << c.text << ": " << fault;
    }
}

TEST(ContestNames, CategoriesAndEffectsAreShownAndTypedByName) {
    const std::pair<const char*, std::optional<int>> categories[] = {
        {"Cool", 0}, {" tough ", 4}, {"SMART", 3}, {"2", 2}, {"5", std::nullopt}, {"Cuteness", std::nullopt}};
    for (auto [text, value] : categories) EXPECT_EQ(ParseContestCategory(text), value) << text;
    EXPECT_EQ(ContestCategoryText(1), "Beauty");
    EXPECT_EQ(ContestCategoryText(6), "6");

    const ContestData data = Read(Demo().bytes, Shipped("AXVE"));
    EXPECT_EQ(ContestEffectName(data, 9), "Startles the Pok\u00E9mon ahead. May be used again.");
    EXPECT_EQ(ContestEffectLabel(data, 0), "A highly appealing move. (appeal 40, jam 0)");
    const std::pair<std::string, std::optional<int>> effects[] = {
        {"47", 47},           {"a highly appealing move.", 0},      {ContestEffectLabel(data, 9), 9},
        {"48", std::nullopt}, {"A highly appealing", std::nullopt},
    };
    for (const auto& [text, value] : effects) {
        std::string fault;
        EXPECT_EQ(ParseContestEffect(data, text, fault), value) << text;
        EXPECT_EQ(fault.empty(), value.has_value()) << text << ": " << fault;
    }
    // The demo's texts recur every 48 / 6 effects only with another second line: each names one effect.
    std::string fault;
    EXPECT_EQ(ParseContestEffect(data, ContestEffectName(data, 40), fault), 40) << fault;
}

TEST(DemoRom, TheContestTablesAddOnlyTheirBytesAndWords) {
    demo::DemoRomLayout without = demo::ContestLayout();
    without.contestMoveTable = without.contestEffectTable = without.contestTextTable = 0;
    const demo::DemoRom plain = demo::MakeDemoRom(without);
    // What may differ: the effect texts packed before their pointers, the three tables, the code words.
    std::vector<std::pair<std::int64_t, std::int64_t>> allowed = {{0x3CA000, Effects + 48 * 4}};
    for (std::int64_t word : {0x0A0290, 0x0A0320, 0x0A04C8, 0x0A0650, 0x0AEB90, 0x0A04C4, 0x0AEC84, 0x133B98})
        allowed.emplace_back(word, word + 4);
    for (std::int64_t at : Differences(plain.bytes, Demo().bytes)) {
        const bool inside = std::any_of(allowed.begin(), allowed.end(),
                                        [at](const auto& r) { return at >= r.first && at < r.second; });
        ASSERT_TRUE(inside) << "byte " << at;
    }
    EXPECT_EQ(plain.contestMoves.size(), 0u);
    EXPECT_EQ(demo::DemoProfileText(demo::ContestLayout()), Shipped("AXVE"));
}

TEST(ContestData, BothOpensReadItWithTheTablesOrLeaveItOutOfAGameWithoutContests) {
    testing_support::TempDir dir;
    const demo::DemoRom contest = demo::MakeDemoRom(demo::ContestLayout());
    demo::DemoRomLayout fireRed;
    fireRed.gameCode = "BPRE";
    demo::WriteDemoRom(contest, dir / "contest.gba", dir / "Data");
    demo::WriteDemoRom(demo::MakeDemoRom(fireRed), dir / "bpre.gba", dir / "Data");
    const ProfileFolders folders = OnlyProfileFolder(dir / "Data");
    for (const bool window : {true, false}) {
        SCOPED_TRACE(window ? "window" : "command line");
        const auto open = [&](const char* name) {
            return window ? OpenMoveTables(dir / name, folders) : OpenRomImage(dir / name, folders).at;
        };
        const ContestData read = open("contest.gba").contest;
        ASSERT_TRUE(read.Available()) << read.unavailable;
        EXPECT_EQ(read.moves.size(), static_cast<std::size_t>(ContestMoveCount));
        EXPECT_EQ(read.moves[1].category, 4);
        EXPECT_EQ(read.moves[1].comboStarter, 60);
        EXPECT_EQ(read.effectTexts, contest.contestEffectTexts);
        const ContestData none = open("bpre.gba").contest;
        EXPECT_FALSE(none.inProfile);
        EXPECT_FALSE(none.Available());
    }
}
