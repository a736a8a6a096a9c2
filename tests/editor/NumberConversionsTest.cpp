#include "editor/NumberConversions.h"

#include <gtest/gtest.h>

using namespace editor;

TEST(ParseLeadingNumber, ReadsTheNumberAtTheStart) {
    const std::pair<const char*, double> cases[] = {
        {"", 0},      {"abc", 0},    {"12a", 12},    {"007", 7},       {"&HF", 15},   {"&hff", 255},
        {"&O17", 15}, {"2E2", 200},  {"2D2", 200},   {"1 2", 12},      {"-5", -5},    {"1.5", 1.5},
        {"-", 0},     {" \t\n7", 7}, {"1e", 1},      {"1E+", 1},       {"2e-1", 0.2}, {".5", 0.5},
        {"+3", 3},    {"&H", 0},     {"&HFG", 15},   {"1,5", 1},       {"25 5", 255}, {"1.2.3", 1.2},
    };
    for (auto [text, expected] : cases) EXPECT_DOUBLE_EQ(ParseLeadingNumber(text), expected) << text;
}

TEST(ParseNumber, AcceptsOnlyWholeNumbers) {
    const std::pair<const char*, double> good[] = {
        {" 42 ", 42}, {"2388129", 2388129}, {"-1.5", -1.5}, {"1E3", 1000}, {"&H10", 16}, {"+7", 7}};
    for (auto [text, expected] : good) EXPECT_DOUBLE_EQ(ParseNumber(text), expected) << text;
    for (const char* bad : {"", "   ", "12a", "1 2", "abc", "-", "&H", "&HG", "1e", "\t5"})
        EXPECT_THROW(ParseNumber(bad), ConversionError) << bad;
}

TEST(RoundToInteger, SendsHalvesToEven) {
    const std::pair<double, std::int32_t> cases[] = {{0.5, 0},   {1.5, 2},  {2.5, 2},   {3.5, 4},
                                                     {-2.5, -2}, {-0.4, 0}, {254.6, 255}, {2147483647, 2147483647},
                                                     {-2147483648.0, -2147483647 - 1}};
    for (auto [number, expected] : cases) EXPECT_EQ(RoundToInteger(number), expected) << number;
    for (double bad : {2147483648.0, -2147483649.0, 1e300})
        EXPECT_THROW(RoundToInteger(bad), OverflowError) << bad;
}

TEST(FormatDecimal, WritesPlainDecimals) {
    const std::pair<double, const char*> cases[] = {
        {7, "7"}, {0, "0"}, {-0.0, "0"}, {-5, "-5"}, {1.5, "1.5"}, {255, "255"}, {0.1 + 0.2, "0.3"},
        {2427908, "2427908"}, {1.0 / 3, "0.333333333333333"}};
    for (auto [number, text] : cases) EXPECT_EQ(FormatDecimal(number), text) << number;
    EXPECT_EQ(FormatDecimal(ParseLeadingNumber("007")), "7");
}
