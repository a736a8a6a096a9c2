#include "editor/NumberConversions.h"
#include "tests/support/CommaDecimalLocale.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace editor;

TEST(ParseLeadingNumber, ReadsTheNumberAtTheStart) {
    const std::pair<const char*, double> cases[] = {
        {"", 0},      {"abc", 0},    {"12a", 12},  {"007", 7},  {"&HF", 15},   {"&hff", 255},
        {"&O17", 15}, {"2E2", 200},  {"2D2", 200}, {"1 2", 12}, {"-5", -5},    {"1.5", 1.5},
        {"-", 0},     {" \t\n7", 7}, {"1e", 1},    {"1E+", 1},  {"2e-1", 0.2}, {".5", 0.5},
        {"+3", 3},    {"&H", 0},     {"&HFG", 15}, {"1,5", 1},  {"25 5", 255}, {"1.2.3", 1.2},
    };
    for (auto [text, expected] : cases) EXPECT_DOUBLE_EQ(ParseLeadingNumber(text), expected) << text;
}

TEST(ParseNumber, AcceptsOnlyWholeNumbers) {
    const std::pair<const char*, double> good[] = {{" 42 ", 42},  {"2388129", 2388129}, {"-1.5", -1.5},
                                                   {"1E3", 1000}, {"&H10", 16},         {"+7", 7}};
    for (auto [text, expected] : good) EXPECT_DOUBLE_EQ(ParseNumber(text), expected) << text;
    for (const char* bad : {"", "   ", "12a", "1 2", "abc", "-", "&H", "&HG", "1e", "\t5"})
        EXPECT_THROW(ParseNumber(bad), ConversionError) << bad;
}

TEST(RoundToInteger, SendsHalvesToEven) {
    const std::pair<double, std::int32_t> cases[] = {{0.5, 0},
                                                     {1.5, 2},
                                                     {2.5, 2},
                                                     {3.5, 4},
                                                     {-2.5, -2},
                                                     {-0.4, 0},
                                                     {254.6, 255},
                                                     {2147483647, 2147483647},
                                                     {-2147483648.0, -2147483647 - 1}};
    for (auto [number, expected] : cases) EXPECT_EQ(RoundToInteger(number), expected) << number;
    for (double bad : {2147483648.0, -2147483649.0, 1e300})
        EXPECT_THROW(RoundToInteger(bad), OverflowError) << bad;
}

TEST(FormatDecimal, WritesPlainDecimals) {
    const std::pair<double, const char*> cases[] = {{7, "7"},
                                                    {0, "0"},
                                                    {-0.0, "0"},
                                                    {-5, "-5"},
                                                    {1.5, "1.5"},
                                                    {255, "255"},
                                                    {0.1 + 0.2, "0.3"},
                                                    {2427908, "2427908"},
                                                    {1.0 / 3, "0.333333333333333"}};
    for (auto [number, text] : cases) EXPECT_EQ(FormatDecimal(number), text) << number;
    EXPECT_EQ(FormatDecimal(ParseLeadingNumber("007")), "7");
}

TEST(ParseLeadingNumber, NumbersBeyondTheRangeOfDoubleKeepTheirSignAndSize) {
    const std::string manyDigits(400, '9');
    const std::pair<std::string, double> cases[] = {{"1e400", HUGE_VAL},
                                                    {"-1E400", -HUGE_VAL},
                                                    {"1e-400", 0},
                                                    {"0.0000001e-400", 0},
                                                    {manyDigits, HUGE_VAL},
                                                    {"0." + manyDigits + "e-400", 0},
                                                    {"1.", 1},
                                                    {"4.9e-324", 4.9e-324}};
    for (const auto& [text, expected] : cases) EXPECT_EQ(ParseLeadingNumber(text), expected) << text;
    EXPECT_EQ(FormatDecimal(1e20), "1E+20");
    EXPECT_EQ(FormatDecimal(1.5e-7), "1.5E-07");
}

// The window's numbers are read and written with a period whatever the user's locale.
TEST(NumberConversions, FollowNoLocale) {
    const testing_support::CommaDecimalLocale comma;
    ASSERT_TRUE(comma.Active()) << testing_support::MissingCommaLocale;
    EXPECT_DOUBLE_EQ(ParseLeadingNumber("9.9"), 9.9);
    EXPECT_DOUBLE_EQ(ParseLeadingNumber("2.5E1"), 25);
    EXPECT_DOUBLE_EQ(ParseNumber(" 1.5 "), 1.5);
    EXPECT_DOUBLE_EQ(ParseLeadingNumber("1,5"), 1);
    EXPECT_EQ(FormatDecimal(1.5), "1.5");
    EXPECT_EQ(FormatDecimal(-0.25), "-0.25");
    EXPECT_EQ(FormatDecimal(1e20), "1E+20");
}
