#include "project/Charmap.h"
#include "project/ProjectError.h"
#include "rom/GameText.h"
#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>

using namespace project;
using Bytes = std::vector<std::uint8_t>;

namespace {

const char* const SampleCharmap = R"(@ the game's characters
' '         = 00
'Á'         = 02
'é'         = 1B
'.'         = AD @ a full stop
'A'         = BB
'B'         = BC
'P'         = CA
'K'         = C5
'PK'        = 60
'“'         = B1
'"'         = B2
'”'         = B2
'\''        = B4
'\\'        = 5F
'¶'         = FE
'\n'        = FE
'\l'        = FA
'@'         = 99
'A'         = 01
'C'         = 1FF
'D'         =
no equals sign
PKMN        = 53 54
COLOR       = FC 01
RED         = 02
BB          = BB
)";

} // namespace

TEST(Charmap, EncodesLiteralsAndRendersThemBack) {
    const Charmap map = Charmap::Parse(SampleCharmap);
    // literal, its bytes, the literal the bytes render as
    const std::tuple<const char*, Bytes, const char*> cases[] = {
        {"AB", {0xBB, 0xBC}, "AB"},
        {"A\\nB¶", {0xBB, 0xFE, 0xBC, 0xFE}, "A\\nB\\n"},
        {"\\'A'", {0xB4, 0xBB, 0xB4}, "'A'"},
        {"\\\"“”", {0xB2, 0xB1, 0xB2}, "\\\"“\\\""},
        {"\\\\", {0x5F}, "\\\\"},
        {"\\l", {0xFA}, "\\l"},
        {"é. @", {0x1B, 0xAD, 0x00, 0x99}, "é. @"},
        {"{PKMN}A", {0x53, 0x54, 0xBB}, "{PKMN}A"},
        {"{COLOR RED}", {0xFC, 0x01, 0x02}, "{COLOR}Á"},
        {"{ BB }", {0xBB}, "A"},
        {"PKP", {0x60, 0xCA}, "PKP"},
        {"", {}, ""},
    };
    for (const auto& [literal, bytes, rendered] : cases) {
        std::string fault;
        EXPECT_EQ(map.Encode(literal, fault), bytes) << literal << ": " << fault;
        EXPECT_EQ(map.Render(bytes), std::string(rendered)) << literal;
    }
}

TEST(Charmap, RefusesWhatHasNoCodeNamingIt) {
    const Charmap map = Charmap::Parse(SampleCharmap);
    const std::pair<const char*, const char*> cases[] = {
        {"AZ", "Z"},
        {"Aü!", "ü"},
        {"{NOPE}A", "{NOPE}"},
        {"A{PKMN", "{PKMN"},
        {"{}", "{}"},
        {"{PKMN NOPE}", "{PKMN NOPE}"},
        {"\\t", "\\t"},
        {"C", "C"},
        {"D", "D"},
        {"A\xC1\x81", "malformed UTF-8 (C1 81 at byte 2: an overlong encoding)"}};
    for (const auto& [literal, fault] : cases) {
        std::string got;
        EXPECT_FALSE(map.Encode(literal, got).has_value()) << literal;
        EXPECT_EQ(got, fault) << literal;
    }
    // bytes no line of the charmap gives, the second code of a character listed twice among them,
    // letters that would read back as the one character of both
    for (const Bytes& bytes : {Bytes{0x77}, Bytes{0xBB, 0x01}, Bytes{0x53}, Bytes{0xCA, 0xC5}})
        EXPECT_EQ(map.Render(bytes), std::nullopt) << bytes.size();
}

TEST(Charmap, ItsBytesAreTheGameTextTheRomHolds) {
    const Charmap map = Charmap::Parse(SampleCharmap);
    std::string fault;
    EXPECT_EQ(rom::DecodeGameBytes(*map.Encode("AB\\n\\'A.", fault)), "AB\r\n’A.");
}

TEST(Charmap, ReadsTheRootsCharmapOrNamesItWhenItCannot) {
    testing_support::TempDir root;
    testing_support::WriteFileText(root / "charmap.txt", "\xEF\xBB\xBF'A' = BB\r\n'B' = BC\r\n");
    std::string fault;
    EXPECT_EQ(Charmap::Read(root.path()).Encode("AB", fault), (Bytes{0xBB, 0xBC}));
    std::filesystem::remove(root / "charmap.txt");
    try {
        Charmap::Read(root.path());
        ADD_FAILURE() << "a missing charmap was read";
    } catch (const ProjectError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("charmap.txt: ", 0), 0u) << e.what();
    }
}
