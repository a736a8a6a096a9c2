#include "editor/SavePlan.h"
#include "editor/ClampFieldText.h"
#include "rom/HexFunctions.h"
#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>

using namespace editor;

namespace {

constexpr std::int64_t BigRom = 16 * 1024 * 1024;
constexpr std::int32_t S = 2388129, D = 2427908;

SaveInputs Move(int k, std::u32string name, std::array<double, 7> values = {0, 40, 0, 100, 35, 0, 0}) {
    SaveInputs in;
    in.k = k;
    in.name = std::move(name);
    in.values = values;
    return in;
}

} // namespace

TEST(PlanSave, WritesTheNameThenTheRecordInFieldOrder) {
    const auto plan = PlanSave(Move(1, U"NAME", {3, 200, 9, 100, 35, 30, 8}), BigRom);
    ASSERT_EQ(plan.size(), 20u);
    const std::vector<PlannedWrite> expected = {
        {S, "C8"},      {S + 1, "BB"},  {S + 2, "C7"},  {S + 3, "BF"},  {S + 4, "FF"},
        {S + 5, "00"},  {S + 6, "00"},  {S + 7, "00"},  {S + 8, "00"},  {S + 9, "00"},
        {S + 10, "00"}, {S + 11, "00"}, {S + 12, "00"}, {D + 12, "3"},  {D + 13, "C8"},
        {D + 14, "9"},  {D + 16, "23"}, {D + 15, "64"}, {D + 17, "1E"}, {D + 18, "8"}};
    EXPECT_EQ(plan, expected);
}

TEST(PlanSave, MoveZeroAlwaysGetsThePlaceholderName) {
    const auto plan = PlanSave(Move(0, U"Whatever"), BigRom);
    EXPECT_EQ(plan[0], (PlannedWrite{S - 13, "AE"}));
    EXPECT_EQ(plan[1], (PlannedWrite{S - 12, "FF"}));
    EXPECT_EQ(plan[12], (PlannedWrite{S - 1, "00"}));
    EXPECT_EQ(plan[13], (PlannedWrite{D, "0"}));
}

TEST(PlanSave, WritesALineBreakOrAMultiCharacterUnitAsOneByte) {
    const std::pair<const char32_t*, std::array<const char*, 13>> cases[] = {
        {U"Sky\r\nFall", {"CD", "DF", "ED", "FE", "C0", "D5", "E0", "E0", "FF", "00", "00", "00", "00"}},
        {U"[m]ABCDEFGHIJK", {"B5", "BB", "BC", "BD", "BE", "BF", "C0", "C1", "C2", "C3", "C4", "C5", "FF"}},
    };
    for (const auto& [name, bytes] : cases) {
        const auto plan = PlanSave(Move(3, name), BigRom);
        ASSERT_EQ(plan.size(), 20u);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            EXPECT_EQ(plan[i], (PlannedWrite{S + 26 + static_cast<std::int32_t>(i), bytes[i]})) << i;
    }
}

TEST(PlanSave, RoundsValuesHalvesToEven) {
    const std::pair<double, const char*> cases[] = {
        {1.5, "2"}, {2.5, "2"}, {3.5, "4"}, {255, "FF"}, {0, "0"}};
    for (auto [power, pair] : cases)
        EXPECT_EQ(PlanSave(Move(2, U"A", {0, power, 0, 0, 0, 0, 0}), BigRom)[14].pair, pair) << power;
}

TEST(PlanSave, RefusesAnythingThatWouldWriteAPartOrTheWrongPlace) {
    const struct {
        const char* why;
        SaveInputs in;
        std::int64_t romSize;
    } cases[] = {
        {"no selection", Move(-1, U"A"), BigRom},
        {"beyond 16-bit reach", Move(2731, U"A"), BigRom},
        {"unencodable name", Move(1, U"A@B"), BigRom},
        {"bracket that is no unit", Move(1, U"Hi[m"), BigRom},
        {"line feed without carriage return", Move(1, U"Sky\nFall"), BigRom},
        {"value above 255", Move(1, U"A", {0, 300, 0, 0, 0, 0, 0}), BigRom},
        {"value below 0", Move(1, U"A", {0, -1, 0, 0, 0, 0, 0}), BigRom},
        {"no list selection", Move(1, U"A", {-1, 0, 0, 0, 0, 0, 0}), BigRom},
        {"ROM too small", Move(1, U"A"), D + 18},
    };
    for (const auto& c : cases) EXPECT_THROW(PlanSave(c.in, c.romSize), SavePlanError) << c.why;

    SaveInputs badStart = Move(1, U"A");
    badStart.nameStart = "";
    EXPECT_THROW(PlanSave(badStart, BigRom), SavePlanError);
    badStart.nameStart = "12a";
    EXPECT_THROW(PlanSave(badStart, BigRom), SavePlanError);
}

TEST(PlanSave, ReadsTheParameterTextsAsTheWindowDoes) {
    SaveInputs in = Move(2, U"A");
    in.nameStart = " 1000.7 "; // the whole part of a strict number
    in.nameStride = "20xyz";   // a lenient stride
    in.dataOffset = "&H100";
    const auto plan = PlanSave(in, BigRom);
    EXPECT_EQ(plan[0].offset, 1020);
    EXPECT_EQ(plan[13].offset, 256 + 24);
}

TEST(ValuePair, WritesHexWithoutLeadingZeros) {
    EXPECT_EQ(ValuePair(5), "5");
    EXPECT_EQ(ValuePair(200), "C8");
    EXPECT_EQ(ValuePair(0), "0");
    EXPECT_EQ(ValuePair(-1), "FFFF");
}

TEST(ApplySave, PutsBackWhatItWroteWhenAWriteFails) {
    testing_support::TempDir dir;
    std::vector<std::uint8_t> bytes(64, 0x11);
    testing_support::WriteFileBytes(dir / "r.gba", bytes);
    const std::vector<PlannedWrite> plan = {{1, "AA"}, {2, "BB"}, {64, "CC"}}; // the last lies outside
    EXPECT_ANY_THROW(ApplySave(dir / "r.gba", plan));
    EXPECT_EQ(testing_support::ReadFileBytes(dir / "r.gba"), bytes);
}

TEST(ClampFieldText, HoldsNumberFieldsToAByte) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "0"},      {"abc", "0"},   {"12a", "12"}, {"007", "7"},     {"300", "255"},
        {"256", "255"}, {"255", "255"}, {"-5", "0"},   {"1.5", "1.5"},   {"&HF", "15"},
        {"2E2", "200"}, {"9E9", "255"}, {"1 2", "12"}, {"&HFFFF", "255"}};
    for (auto [text, expected] : cases) EXPECT_EQ(ClampFieldText(text), expected) << text;
}

TEST(PlanSave, WritesTheRestOfTheRecordAfterTheTwentyBytesOrRefusesTheWholeMove) {
    const struct {
        double priority;
        int flags;
        std::array<double, 3> padding;
        std::array<const char*, 5> pairs; // bytes 7 to 11; nullptr: the save is refused
    } cases[] = {
        {0, 0, {0, 0, 0}, {"0", "0", "0", "0", "0"}},
        {-1, 0x33, {1.5, 2.5, 255}, {"FF", "33", "2", "2", "FF"}},
        {-128, 0xFF, {0, 0, 0}, {"80", "FF", "0", "0", "0"}},
        {127.4, 0, {0, 0, 0}, {"7F", "0", "0", "0", "0"}},
        {128, 0, {0, 0, 0}, {}},
        {-129, 0, {0, 0, 0}, {}},
        {0, 256, {0, 0, 0}, {}},
        {0, 0, {0, 256, 0}, {}},
        {0, 0, {0, 0, -1}, {}},
    };
    for (const auto& c : cases) {
        SaveInputs in = Move(1, U"NAME", {3, 200, 9, 100, 35, 30, 8});
        in.rest = RestOfRecord{c.priority, c.flags, c.padding};
        if (!c.pairs[0]) {
            EXPECT_THROW(PlanSave(in, BigRom), SavePlanError) << c.priority << " " << c.flags;
            continue;
        }
        const auto plan = PlanSave(in, BigRom);
        ASSERT_EQ(plan.size(), 25u);
        in.rest.reset();
        EXPECT_EQ(std::vector<PlannedWrite>(plan.begin(), plan.begin() + 20), PlanSave(in, BigRom));
        for (std::size_t b = 0; b < 5; ++b)
            EXPECT_EQ(plan[20 + b], (PlannedWrite{D + 12 + 7 + static_cast<std::int32_t>(b), c.pairs[b]}))
                << c.priority << " byte " << 7 + b;
    }
}

TEST(ClampFieldText, HoldsAPriorityToASignedByte) {
    const std::pair<const char*, const char*> cases[] = {{"-5", "-5"},    {"-128", "-128"}, {"-200", "-128"},
                                                         {"127", "127"},  {"128", "127"},   {"x", "0"},
                                                         {"-1.5", "-1.5"}};
    for (auto [text, expected] : cases) EXPECT_EQ(ClampFieldText(text, -128, 127), expected) << text;
}

TEST(PlanSave, WritesTheNameWithThePaddingItsEntryHas) {
    // "NAME" is C8 BB C7 BF; its entry in the ROM padded with FF, with blanks, or none given.
    const rom::NameEntry ff = {0xC8, 0xBB, 0xC7, 0xBF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const rom::NameEntry longer = {0xC8, 0xBB, 0xC7, 0xBF, 0xBB, 0xBB, 0xFF,
                                   0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const struct {
        const char* name;
        std::u32string text;
        std::optional<rom::NameEntry> current;
        std::array<const char*, 13> pairs;
    } cases[] = {
        {"unchanged, FF-padded",
         U"NAME",
         ff,
         {"C8", "BB", "C7", "BF", "FF", "FF", "FF", "FF", "FF", "FF", "FF", "FF", "FF"}},
        {"shorter, FF-padded",
         U"NAME",
         longer,
         {"C8", "BB", "C7", "BF", "FF", "FF", "FF", "FF", "FF", "FF", "FF", "FF", "FF"}},
        {"no entry read",
         U"NAME",
         std::nullopt,
         {"C8", "BB", "C7", "BF", "FF", "00", "00", "00", "00", "00", "00", "00", "00"}},
    };
    for (const auto& c : cases) {
        SaveInputs in = Move(1, c.text);
        in.currentName = c.current;
        const auto plan = PlanSave(in, BigRom);
        for (std::size_t i = 0; i < 13; ++i) {
            EXPECT_EQ(plan[i].offset, S + static_cast<std::int32_t>(i)) << c.name;
            EXPECT_EQ(rom::ParseHexPair(plan[i].pair), rom::ParseHexPair(c.pairs[i])) << c.name << " " << i;
        }
    }
}
