#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/Utf8.h"

#include <gtest/gtest.h>

#include <map>

using namespace rom;

namespace {

// The game's table as the cartridges hold it, written out independently of the codec: byte, text.
const std::map<int, std::string>& GameTable() {
    static const std::map<int, std::string> table = [] {
        std::map<int, std::string> t = {
            {0x00, " "}, {0x01, "À"}, {0x02, "Á"}, {0x03, "Â"}, {0x04, "Ç"}, {0x05, "È"},   {0x06, "É"},
            {0x07, "Ê"}, {0x08, "Ë"}, {0x09, "Ì"}, {0x0B, "Î"}, {0x0C, "Ï"}, {0x0D, "Ò"},   {0x0E, "Ó"},
            {0x0F, "Ô"}, {0x10, "Œ"}, {0x11, "Ù"}, {0x12, "Ú"}, {0x13, "Û"}, {0x14, "Ñ"},   {0x15, "ß"},
            {0x16, "à"}, {0x17, "á"}, {0x19, "ç"}, {0x1A, "è"}, {0x1B, "é"}, {0x1C, "ê"},   {0x1D, "ë"},
            {0x1E, "ì"}, {0x20, "î"}, {0x21, "ï"}, {0x22, "ò"}, {0x23, "ó"}, {0x24, "ô"},   {0x25, "œ"},
            {0x26, "ù"}, {0x27, "ú"}, {0x28, "û"}, {0x29, "ñ"}, {0x2A, "º"}, {0x2B, "ª"},   {0x2D, "&"},
            {0x2E, "+"}, {0x35, "="}, {0x36, ";"}, {0x51, "¿"}, {0x52, "¡"}, {0x5A, "Í"},   {0x5B, "%"},
            {0x5C, "("}, {0x5D, ")"}, {0x68, "â"}, {0x6F, "í"}, {0x85, "<"}, {0x86, ">"},   {0xA1, "0"},
            {0xA2, "1"}, {0xA3, "2"}, {0xA4, "3"}, {0xA5, "4"}, {0xA6, "5"}, {0xA7, "6"},   {0xA8, "7"},
            {0xA9, "8"}, {0xAA, "9"}, {0xAB, "!"}, {0xAC, "?"}, {0xAD, "."}, {0xAE, "-"},   {0xAF, "·"},
            {0xB0, "…"}, {0xB1, "“"}, {0xB2, "”"}, {0xB3, "‘"}, {0xB4, "’"}, {0xB5, "♂"},   {0xB6, "♀"},
            {0xB7, "¥"}, {0xB8, ","}, {0xB9, "×"}, {0xBA, "/"}, {0xEF, "▶"}, {0xF0, ":"},   {0xF1, "Ä"},
            {0xF2, "Ö"}, {0xF3, "Ü"}, {0xF4, "ä"}, {0xF5, "ö"}, {0xF6, "ü"}, {0xFE, "\r\n"}};
        for (int i = 0; i < 26; ++i) {
            t[0xBB + i] = std::string(1, static_cast<char>('A' + i));
            t[0xD5 + i] = std::string(1, static_cast<char>('a' + i));
        }
        return t;
    }();
    return table;
}

std::string EncodeJoined(std::u32string_view name) {
    std::string hex;
    for (const std::string& pair : EncodeNameField(name)) hex += pair;
    return hex;
}

// The 13-byte entry of a name as the game writes it: its bytes, FF, then 00 up to 13 bytes.
std::string Entry(std::string hex) {
    if (hex.size() < 26) hex += "FF";
    hex.resize(26, '0');
    return hex;
}

} // namespace

TEST(DecodeGameText, ShowsEveryByteAsTheGameDoes) {
    for (int b = 0; b < 0xFF; ++b) {
        const auto listed = GameTable().find(b);
        const std::string expected = listed == GameTable().end() ? "" : listed->second;
        EXPECT_EQ(DecodeGameText(HexPair(static_cast<std::uint8_t>(b))), expected)
            << HexPair(static_cast<std::uint8_t>(b));
    }
}

TEST(EncodeGameChar, WritesEveryCharacterOfTheTableAsItsByte) {
    std::map<char32_t, std::string> expected = {{U'"', "B1"}, {U'\'', "B4"}, {U'^', "FF"}};
    for (const auto& [byte, text] : GameTable()) {
        const std::u32string c = Utf8ToU32(text);
        if (c.size() == 1) expected[c[0]] = HexPair(static_cast<std::uint8_t>(byte));
    }
    ASSERT_EQ(expected.size(), GameTable().size() - 1 + 3); // all but the line break, and the typed aliases
    // Every other character of the Basic Multilingual Plane has no code.
    for (char32_t c = 0; c < 0x10000; ++c) {
        const auto listed = expected.find(c);
        ASSERT_EQ(EncodeGameChar(c), listed == expected.end() ? "" : listed->second)
            << static_cast<unsigned>(c);
    }
}

TEST(EncodeNameField, RoundTripsEveryByteOfTheTable) {
    for (const auto& [byte, text] : GameTable()) {
        const std::string pair = HexPair(static_cast<std::uint8_t>(byte));
        EXPECT_EQ(EncodeJoined(Utf8ToU32(DecodeGameText(pair))), Entry(pair)) << pair;
    }
}

TEST(EncodeNameField, RoundTripsNamesOfTheReleases) {
    const std::pair<const char*, const char*> cases[] = {
        {"CONVERSION 2", "BDC9C8D0BFCCCDC3C9C800A3"}, // move 176 of the English release
        {"FLÜGELSCHLAG", "C0C6F3C1BFC6CDBDC2C6BBC1"}, // an umlaut in a German name
        {"Tête-à-tête", "CE1CE8D9AE16AEE81CE8D9"},    // accented letters
        {"Horn♂, ♀", "C2E3E6E2B5B800B6"},             // comma, male and female signs
        {"10/9 × 0", "A2A1BAAA00B900A1"},
        {"ABCDEFGHIJKLM", "BBBCBDBEBFC0C1C2C3C4C5C6C7"}, // 13 characters: no end byte
    };
    for (auto [name, hex] : cases) {
        EXPECT_EQ(DecodeGameText(Entry(hex)), name) << hex;
        EXPECT_EQ(EncodeJoined(Utf8ToU32(name)), Entry(hex)) << name;
    }
    // The entry of move 176 as the cartridge holds it, byte for byte.
    EXPECT_EQ(EncodeJoined(U"CONVERSION 2"), "BDC9C8D0BFCCCDC3C9C800A3FF");
}

TEST(EncodeNameField, TakesTextsThatStandForOneByteAsUnits) {
    const std::pair<const char32_t*, const char*> cases[] = {
        {U"[...]", "B0"},
        {U"[m]", "B5"},
        {U"[f]", "B6"},
        {U"[x]", "B9"},
        {U"\r\n", "FE"},
        {U"\"", "B1"},
        {U"'", "B4"},
        {U"Sky\r\nFall", "CDDFEDFEC0D5E0E0"},
        {U"It's \"Hi\"", "C3E8B4E700B1C2DDB1"},
        {U"[m][f][x][...]", "B5B6B9B0"},
        {U"[...]BCDEFGHIJKL", "B0BCBDBEBFC0C1C2C3C4C5C6"},  // 12 units of 16 characters still end with FF
        {U"[x]BCDEFGHIJKLM", "B9BCBDBEBFC0C1C2C3C4C5C6C7"}, // 13 units: no end byte
        {U"AB^CD", "BBBCFFBDBE"},                           // a typed "^" ends the name
    };
    for (auto [name, hex] : cases) EXPECT_EQ(EncodeJoined(name), Entry(hex)) << U32ToUtf8(name);
}

TEST(EncodeNameField, LeavesAnEmptyPairForWhatHasNoCode) {
    const std::pair<const char32_t*, std::string> cases[] = {
        // name, and for each of its units: 1 where the pair is empty
        {U"A@B", "010"},
        {U"Sky\nFall", "00010000"},
        {U"Sky\rFall", "00010000"},
        {U"Hi[m", "0010"},
        {U"[M]", "101"},
        {U"[..]", "1001"},
        {U"$5", "10"},
        {U"\u20AC", "1"},
        {U"Ab\U0001F600", "001"},
        {U"\uFFFD", "1"},
    };
    for (const auto& [name, empty] : cases) {
        const auto pairs = EncodeNameField(name);
        ASSERT_EQ(pairs.size(), 13u) << U32ToUtf8(name);
        std::string seen;
        for (std::size_t i = 0; i < empty.size(); ++i) seen += pairs[i].empty() ? '1' : '0';
        EXPECT_EQ(seen, empty) << U32ToUtf8(name);
        EXPECT_FALSE(pairs[empty.size()].empty()) << U32ToUtf8(name); // the end byte
    }
}

TEST(NameFieldText, MakesThirteenUnits) {
    EXPECT_EQ(NameFieldText(U"NAME"), U"NAME^        ");
    EXPECT_EQ(NameFieldText(U""), U"^            ");
    EXPECT_EQ(NameFieldText(U"ABCDEFGHIJKL"), U"ABCDEFGHIJKL^");
    EXPECT_EQ(NameFieldText(U"ABCDEFGHIJKLMNOP"), U"ABCDEFGHIJKLM");
    EXPECT_EQ(NameFieldText(U"\u00E9\u00E9"), U"\u00E9\u00E9^          "); // characters, not bytes
    EXPECT_EQ(NameFieldText(U"Sky\r\nFall"), U"Sky\r\nFall^    ");         // CR LF is one unit
    EXPECT_EQ(NameFieldUnits(U"[m]ABCDEFGHIJKLMN").size(), 13u);
    EXPECT_EQ(NameFieldUnits(U"[m]ABCDEFGHIJKLMN").back(), U"L");
    EXPECT_EQ(SplitGameUnits(U"a[[m]]\r\r\n"),
              (std::vector<std::u32string>{U"a", U"[", U"[m]", U"]", U"\r", U"\r\n"}));
}

TEST(DecodeGameText, ReadsPairsExactlyAndStopsAtTheEnd) {
    const std::pair<const char*, const char*> cases[] = {
        {"C8BBC7BFFF0000000000000000", "NAME"},
        {"0000FF", "  "},
        {"41FF", ""},    // 0x41 is not in the table
        {"BBFFBC", "A"}, // decoding stops at the first FF
        {"C8FEC9", "N\r\nO"},
        {"bbff", ""}, // pairs compare exactly: lower case is not in the table
        {"BBB", "A"}, // a dangling digit is no pair
        {"", ""},
    };
    for (auto [hex, text] : cases) EXPECT_EQ(DecodeGameText(hex), text) << hex;
}

TEST(Utf8, RoundTripsAndReplacesMalformedBytes) {
    const std::string text = "Pok\xC3\xA9mon \xC2\xB7 \xE2\x82\xAC \xF0\x9F\x98\x80";
    EXPECT_EQ(U32ToUtf8(Utf8ToU32(text)), text);
    EXPECT_EQ(U32ToUtf8(std::u32string{char32_t{0xD800}, U'A', char32_t{0x110000}}), "\xEF\xBF\xBD"
                                                                                     "A\xEF\xBF\xBD");
}

// Each malformed stretch decodes as U+FFFD per stretch, and the first one is found and described.
TEST(Utf8, ReadsOnlyStrictUtf8) {
    struct Case {
        const char* bytes;
        std::u32string decoded;
        const char* fault; // "" for well-formed text
    };
    const Case cases[] = {
        {"\xC2\x80\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xF0\x90\x80\x80\xF4\x8F\xBF\xBF",
         U"\u0080\u0800\uD7FF\uE000\U00010000\U0010FFFF", ""}, // the edges of each length
        {"\xC1\x81"
         "BC",
         U"\uFFFD\uFFFDBC", "C1 81 at byte 1: an overlong encoding"},
        {"\xC0\x80", U"\uFFFD\uFFFD", "C0 80 at byte 1: an overlong encoding"},
        {"a\xE0\x80\xAF", U"a\uFFFD\uFFFD\uFFFD", "E0 80 AF at byte 2: an overlong encoding"},
        {"\xF0\x8F\xBF\xBF", U"\uFFFD\uFFFD\uFFFD\uFFFD", "F0 8F BF BF at byte 1: an overlong encoding"},
        {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD", "ED A0 80 at byte 1: a surrogate, which is no character"},
        {"\xED\xBF\xBF", U"\uFFFD\uFFFD\uFFFD", "ED BF BF at byte 1: a surrogate, which is no character"},
        {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD", "F4 90 80 80 at byte 1: a value past U+10FFFF"},
        {"\xF7\xBF", U"\uFFFD\uFFFD", "F7 BF at byte 1: a value past U+10FFFF"},
        {"A\xFF"
         "B",
         U"A\uFFFDB", "FF at byte 2: a byte that begins no character"},
        {"\x80", U"\uFFFD", "80 at byte 1: a byte that begins no character"},
        {"A\xC3", U"A\uFFFD", "C3 at byte 2: a character cut short"},
        {"\xE2\x82X", U"\uFFFDX", "E2 82 at byte 1: a character cut short"},
        {"\xF0\x9F\x98", U"\uFFFD", "F0 9F 98 at byte 1: a character cut short"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToU32(c.bytes), c.decoded) << c.fault;
        const auto found = FindMalformedUtf8(c.bytes);
        EXPECT_EQ(found ? DescribeMalformedUtf8(c.bytes, *found) : "", c.fault);
    }
    EXPECT_EQ(ShowMalformedUtf8("\xC1\x81\xC3\xA9\\x"), "\\xC1\\x81\xC3\xA9\\\\x");
}
