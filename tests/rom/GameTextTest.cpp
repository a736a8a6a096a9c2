#include "rom/GameText.h"
#include "rom/Utf8.h"

#include <gtest/gtest.h>

using namespace rom;

namespace {

std::string EncodeJoined(std::u32string_view name) {
    std::string hex;
    for (const std::string& pair : EncodeNameField(name)) hex += pair;
    return hex;
}

} // namespace

TEST(DecodeGameText, ReadsTheCharacterTable) {
    const std::pair<const char*, const char*> cases[] = {
        {"C8BBC7BFFF0000000000000000", "NAME"},
        {"A1AA", "10"},
        {"B9BA", "00"},
        {"B2B1", "\"\""},
        {"0000FF", "  "},
        {"41FF", ""},       // 0x41 is not in the table
        {"BBFFBC", "A"},    // decoding stops at the first FF
        {"1BAF", "\xC3\xA9\xC2\xB7"},
        {"B0B3B4B7", "[...][m][f][x]"},
        {"C8FEC9", "N\r\nO"},
        {"D5EEBBD4", "azAZ"},
        {"ABACADAEB5B6B8", "!?.-$,/"},
        {"bbff", ""},       // pairs compare exactly: lower case is not in the table
        {"BBB", "A"},       // a dangling digit is no pair
        {"", ""},
    };
    for (auto [hex, text] : cases) EXPECT_EQ(DecodeGameText(hex), text) << hex;
}

TEST(EncodeGameChar, GivesOnePairOrNothing) {
    const std::pair<char32_t, const char*> cases[] = {
        {U' ', "00"},  {U'\u00E9', "1B"}, {U'1', "A1"}, {U'9', "A9"}, {U'0', "AA"}, {U'!', "AB"},
        {U'"', "B1"},  {U'$', "B5"},      {U'A', "BB"}, {U'Z', "D4"}, {U'a', "D5"}, {U'z', "EE"},
        {U'^', "FF"},  {U'\u00B7', "AF"}, {U'&', ""},   {U'[', ""},   {U'\r', ""},  {U'\n', ""},
        {U'\u00C9', ""}, {U'~', ""},      {0xFFFD, ""},
    };
    for (auto [c, pair] : cases) EXPECT_EQ(EncodeGameChar(c), pair) << static_cast<unsigned>(c);
}

TEST(NameFieldText, MakesThirteenCharacters) {
    EXPECT_EQ(NameFieldText(U"NAME"), U"NAME^        ");
    EXPECT_EQ(NameFieldText(U""), U"^            ");
    EXPECT_EQ(NameFieldText(U"ABCDEFGHIJKL"), U"ABCDEFGHIJKL^");
    EXPECT_EQ(NameFieldText(U"ABCDEFGHIJKLM"), U"ABCDEFGHIJKLM");
    EXPECT_EQ(NameFieldText(U"ABCDEFGHIJKLMNOP"), U"ABCDEFGHIJKLM");
    EXPECT_EQ(NameFieldText(U"\u00E9\u00E9"), U"\u00E9\u00E9^          "); // characters, not bytes
}

TEST(EncodeNameField, RoundTripsWhatDecodes) {
    EXPECT_EQ(EncodeJoined(U"NAME"), "C8BBC7BFFF0000000000000000");
    EXPECT_EQ(DecodeGameText(EncodeJoined(U"NAME")), "NAME");
    EXPECT_EQ(EncodeJoined(U"ABCDEFGHIJKL"), "BBBCBDBEBFC0C1C2C3C4C5C6FF");
    EXPECT_EQ(EncodeJoined(U"ABCDEFGHIJKLM"), "BBBCBDBEBFC0C1C2C3C4C5C6C7");
    EXPECT_EQ(EncodeJoined(U"10"), "A1AAFF00000000000000000000");
    // A typed "^" ends the name like the terminator it stands for.
    EXPECT_EQ(DecodeGameText(EncodeJoined(U"AB^CD")), "AB");
}

TEST(EncodeNameField, LeavesAnEmptyPairForCharactersWithoutCode) {
    const auto pairs = EncodeNameField(U"A&B");
    ASSERT_EQ(pairs.size(), 13u);
    EXPECT_EQ(pairs[0], "BB");
    EXPECT_EQ(pairs[1], "");
    EXPECT_EQ(pairs[2], "BC");
}

TEST(Utf8, RoundTripsAndReplacesMalformedBytes) {
    const std::string text = "Pok\xC3\xA9mon \xC2\xB7 \xE2\x82\xAC \xF0\x9F\x98\x80";
    EXPECT_EQ(U32ToUtf8(Utf8ToU32(text)), text);
    EXPECT_EQ(Utf8ToU32("A\xFF" "B"), U"A\uFFFDB");
    EXPECT_EQ(Utf8ToU32("A\xC3"), U"A\uFFFD");
    EXPECT_EQ(Utf8ToU32("\xE2\x82X"), U"\uFFFDX");
}
