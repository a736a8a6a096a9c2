#include "project/Defines.h"
#include "project/ProjectError.h"
#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>

#include <variant>

using namespace project;
using testing_support::TempDir;
using testing_support::WriteFileText;

namespace {

// A value, or a part of the reason why there is none.
using Expected = std::variant<std::int64_t, std::string>;

void ExpectValue(const Evaluation& e, const Expected& expected, const std::string& what) {
    if (const auto* value = std::get_if<std::int64_t>(&expected)) {
        EXPECT_EQ(e.value, *value) << what << ": " << e.whyNot;
    } else {
        EXPECT_FALSE(e.value.has_value()) << what;
        EXPECT_NE(e.whyNot.find(std::get<std::string>(expected)), std::string::npos)
            << what << ": " << e.whyNot;
    }
}

const char* const NumbersHeader = R"(#ifndef GUARD_CONSTANTS_NUMBERS_H
#define GUARD_CONSTANTS_NUMBERS_H
#define DEC 42
#define HEX 0x1F
#define OCT 010
#define SUFFIX 300UL
#define SHIFT (1 << 5)
#define FLAGS (SHIFT | HEX) /* both */
#define SUM DEC + 1 - 2
#define PRECEDENCE 1 + 2 * 3 // not 9
#define NEG -5
#define CONTINUED 1 + \
    2
#define NESTED (SUM * 2)
#define LATER FROM_OTHER_FILE
#endif // GUARD_CONSTANTS_NUMBERS_H
)";

const char* const BranchesHeader = R"(#ifdef BUGFIX
#define AGREE 1
#define DISAGREE 1
#define ONE_BRANCH 5
#else
#define AGREE (0 + 1)
#define DISAGREE 2
#endif
#if 0
#define DEAD 1
#else
#define ALIVE 2
#endif
#define BEFORE 7
#ifdef X
#define BEFORE (3 + 4)
#endif
#define UNDONE 3
#ifndef Y
#undef UNDONE
#endif
#if MODERN
#  if 1
#    define NESTED_AGREE 4
#  else
#    define NESTED_AGREE 5
#  endif
#elif 1
#  define NESTED_AGREE 4
#else
#  define NESTED_AGREE 6
#endif
#define F(x) (x + 1)
#define EMPTY
#define FROM_OTHER_FILE 9
)";

const char* const BrokenHeader = R"(#define A B + 1
#define B (A)
#define SELF SELF
#define C MISSING * 2
#define DIV (1 / (DEC - 42))
#define WIDE (1 << 64)
#define HUGE 99999999999999999999
#define JUNK 1 2
)";

Defines Sample() {
    return Defines::FromTexts({{"include/constants/numbers.h", NumbersHeader},
                               {"include/global.h", BranchesHeader},
                               {"include/broken.h", BrokenHeader}});
}

} // namespace

TEST(Defines, ResolvesSymbolsAndExpressions) {
    const Defines d = Sample();
    const std::pair<const char*, std::int64_t> symbols[] = {
        {"DEC", 42},  {"HEX", 31},       {"OCT", 8},    {"SUFFIX", 300},    {"SHIFT", 32},  {"FLAGS", 63},
        {"SUM", 41},  {"PRECEDENCE", 7}, {"NEG", -5},   {"CONTINUED", 3},   {"NESTED", 82}, {"LATER", 9},
        {"AGREE", 1}, {"ALIVE", 2},      {"BEFORE", 7}, {"NESTED_AGREE", 4}};
    for (const auto& [symbol, value] : symbols) ExpectValue(d.Value(symbol), value, symbol);

    const std::pair<const char*, std::int64_t> expressions[] = {
        {"DEC | 0x100", 298}, {"(1 << 3) | (1 << 0)", 9}, {"~0", -1},  {"-(HEX + 1) / 4", -8},
        {"0b101 ^ 1", 4},     {"SUM % 4 * 2", 2},         {"!DEC", 0}, {"7 >> 1 << 2", 12}};
    for (const auto& [expression, value] : expressions)
        ExpectValue(d.Evaluate(expression), value, expression);
}

TEST(Defines, TellsWhyASymbolHasNoValue) {
    const Defines d = Sample();
    const std::pair<const char*, const char*> cases[] = {
        {"MISSING", "MISSING is not defined"},
        {"DISAGREE",
         "DISAGREE is defined differently in the branches of an #if: 1 at include/global.h:3, 2 at "
         "include/global.h:7"},
        {"ONE_BRANCH", "ONE_BRANCH is defined only in some branches of an #if (include/global.h:4)"},
        {"UNDONE", "UNDONE is defined only in some branches of an #if"},
        {"DEAD", "DEAD is not defined"},
        {"F", "F at include/global.h:33 is a macro with parameters, not a value"},
        {"EMPTY", "EMPTY at include/global.h:34 is defined with no value"},
        {"A", "A is defined through itself: A (include/broken.h:1) -> B (include/broken.h:2) -> A"},
        {"B", "B is defined through itself: B (include/broken.h:2) -> A (include/broken.h:1) -> B"},
        {"SELF", "SELF is defined through itself: SELF (include/broken.h:3) -> SELF"},
        {"C", "MISSING is not defined (in the define of C at include/broken.h:4)"},
        {"DIV", "`(1 / (DEC - 42))` divides by zero (in the define of DIV at include/broken.h:5)"},
        {"WIDE", "`(1 << 64)` shifts by 64 bits (in the define of WIDE at include/broken.h:6)"},
        {"HUGE", "`99999999999999999999` is not a whole number of 64 bits"},
        {"JUNK", "unexpected `2` in `1 2`"},
    };
    for (const auto& [symbol, why] : cases) ExpectValue(d.Value(symbol), std::string(why), symbol);

    const std::pair<const char*, const char*> expressions[] = {
        {"", "an empty expression"},
        {"1 +", "ends where a value is expected"},
        {"(1", "lacks a closing )"},
        {"\"text\"", "unexpected `\"text\"`"},
        {"0x7FFFFFFFFFFFFFFF + 1", "does not fit in 64 bits"},
        {"NEG * C", "MISSING is not defined"}};
    for (const auto& [expression, why] : expressions)
        ExpectValue(d.Evaluate(expression), std::string(why), expression);
}

TEST(Defines, RefusesChainsAndNestingTooDeepWithoutOverflowingTheStack) {
    std::string header;
    for (int i = 0; i < 2000; ++i)
        header += "#define V" + std::to_string(i) + " V" + std::to_string(i + 1) + "\n";
    header += "#define V2000 1\n";
    const Defines d = Defines::FromTexts({{"include/chain.h", header}});
    ExpectValue(d.Value("V1990"), 1, "a short chain");
    ExpectValue(d.Value("V0"), std::string("V200 is reached through more than 200 defines"), "a long chain");
    const std::string deep = std::string(10000, '(') + "1" + std::string(10000, ')');
    ExpectValue(d.Evaluate(deep), std::string("is nested too deeply"), "parentheses");
    std::string signs;
    for (int i = 0; i < 10000; ++i) signs += "- ";
    ExpectValue(d.Evaluate(signs + "1"), std::string("is nested too deeply"), "signs");

    // defines each nested a little, nested through each other
    std::string wrapped;
    for (int i = 0; i < 400; ++i)
        wrapped += "#define W" + std::to_string(i) + " " + std::string(50, '(') + "W" +
                   std::to_string(i + 1) + std::string(50, ')') + "\n";
    wrapped += "#define W400 1\n";
    ExpectValue(Defines::FromTexts({{"include/wrapped.h", wrapped}}).Value("W0"),
                std::string("is nested too deeply"), "nested defines");
}

TEST(Defines, ListsAFamilyInOrderAndPlacesItsSymbols) {
    const Defines d = Defines::FromTexts(
        {{"include/constants/types.h", "#define TYPE_NORMAL 0\n#define TYPE_FIRE 10\n#define TYPE_COUNT\n"},
         {"include/z.h",
          "// forks add types\n#define TYPE_FAIRY (TYPE_FIRE + 13)\n#define TYPE_BAD TYPE_NONE\n"
          "#define TYPE_NORMAL 0\n"}});
    EXPECT_EQ(d.WithPrefix("TYPE_"), (std::vector<std::pair<std::string, std::int64_t>>{
                                         {"TYPE_NORMAL", 0}, {"TYPE_FIRE", 10}, {"TYPE_FAIRY", 23}}));
    EXPECT_EQ(d.PlaceOf("TYPE_FAIRY")->Text(), "include/z.h:2");
    EXPECT_FALSE(d.PlaceOf("TYPE_NONE").has_value());
}

TEST(Defines, ReadsEveryHeaderUnderTheIncludeFolderInSortedOrder) {
    TempDir root;
    std::filesystem::create_directories(root / "include/constants");
    WriteFileText(root / "include/constants/moves.h", "#define MOVE_NONE 0\n#define MOVE_POUND 1\n");
    WriteFileText(root / "include/battle.h", "\n#define MOVES_COUNT (MOVE_POUND + 354)\n#define ORDER 1\n");
    const std::string letters = "kdjabhegcfi";
    for (char c : letters)
        WriteFileText(root / ("include/z" + std::string(1, c) + ".h"),
                      "#define ORDER_" + std::string(1, c) + " 0\n#define ORDER 2\n");
    WriteFileText(root / "include/notes.txt", "#define IGNORED 1\n");
    WriteFileText(root / "src.h", "#define OUTSIDE 1\n");
    const Defines d = Defines::ReadIncludeFolder(root.path());
    ExpectValue(d.Value("MOVES_COUNT"), 355, "MOVES_COUNT");
    ExpectValue(d.Value("ORDER"), 2, "ORDER");
    ExpectValue(d.Value("IGNORED"), std::string("not defined"), "IGNORED");
    ExpectValue(d.Value("OUTSIDE"), std::string("not defined"), "OUTSIDE");
    std::string order;
    for (const auto& [symbol, value] : d.WithPrefix("ORDER_")) order += symbol.back();
    EXPECT_EQ(order, "abcdefghijk");
    EXPECT_EQ(d.PlaceOf("ORDER")->Text(), "include/zk.h:2");
    EXPECT_EQ(d.PlaceOf("MOVE_POUND")->Text(), "include/constants/moves.h:2");
    EXPECT_EQ(d.PlaceOf("MOVES_COUNT")->Text(), "include/battle.h:2");

    TempDir empty;
    try {
        Defines::ReadIncludeFolder(empty.path());
        ADD_FAILURE() << "a tree without include/ was read";
    } catch (const ProjectError& e) {
        EXPECT_STREQ(e.what(), "include: the project has no include folder");
    }
}
