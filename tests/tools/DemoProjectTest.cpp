#include "rom/Utf8.h"
#include "tests/support/TempFiles.h"
#include "tools/demo_rom/DemoRom.h"
#include "tools/demo_rom/Project.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

using project::ProjectLayout;
namespace fs = std::filesystem;

namespace {

constexpr ProjectLayout Layouts[] = {ProjectLayout::fireRedLeafGreen, ProjectLayout::rubySapphire,
                                     ProjectLayout::emerald};

std::string FileText(const std::vector<std::pair<fs::path, std::string>>& files, const fs::path& path) {
    for (const auto& [file, text] : files)
        if (file == path) return text;
    ADD_FAILURE() << "no " << path;
    return {};
}

// The values of a project's #defines: numbers, hex, other defines, ( ), + and <<, as the files use.
class DefineValues {
  public:
    explicit DefineValues(const std::vector<std::pair<fs::path, std::string>>& files) {
        const std::regex define(R"(#define (\w+) (.+))");
        for (const auto& [file, text] : files)
            if (file.string().starts_with("include/"))
                for (std::sregex_iterator it(text.begin(), text.end(), define), end; it != end; ++it)
                    if (!(*it)[1].str().starts_with("GUARD_")) bodies_[(*it)[1]].push_back((*it)[2]);
    }
    std::map<std::string, std::vector<std::string>> bodies_;
    std::int64_t Value(const std::string& symbol) const {
        const auto found = bodies_.find(symbol);
        if (found == bodies_.end()) throw std::runtime_error(symbol + " is not defined");
        std::int64_t value = Evaluate(found->second.front());
        for (const std::string& body : found->second)
            if (Evaluate(body) != value) throw std::runtime_error(symbol + "'s branches disagree");
        return value;
    }

  private:
    std::int64_t Evaluate(std::string_view text) const {
        std::size_t at = 0;
        return Sum(text, at);
    }
    std::int64_t Sum(std::string_view t, std::size_t& at) const {
        std::int64_t value = Term(t, at);
        while (at < t.size()) {
            if (t.substr(at, 3) == " + ")
                at += 3, value += Term(t, at);
            else if (t.substr(at, 4) == " << ")
                at += 4, value <<= Term(t, at);
            else
                break;
        }
        return value;
    }
    std::int64_t Term(std::string_view t, std::size_t& at) const {
        if (t[at] == '(') {
            const std::int64_t value = Sum(t, ++at);
            ++at; // ')'
            return value;
        }
        const std::size_t start = at;
        while (at < t.size() && (std::isalnum(static_cast<unsigned char>(t[at])) || t[at] == '_')) ++at;
        const std::string word(t.substr(start, at - start));
        if (std::isdigit(static_cast<unsigned char>(word[0]))) return std::stoll(word, nullptr, 0);
        return Value(word);
    }
};

} // namespace

TEST(DemoProject, WritesEachLayoutsFilesTheSameEveryTime) {
    const std::vector<std::string> common = {"Makefile",
                                             "charmap.txt",
                                             "include/constants/global.h",
                                             "include/constants/moves.h",
                                             "include/constants/battle_move_effects.h",
                                             "include/constants/pokemon.h",
                                             "include/constants/battle.h"};
    const std::map<ProjectLayout, std::vector<std::string>> own = {
        {ProjectLayout::fireRedLeafGreen,
         {"src/data/battle_moves.h", "src/data/text/move_names.h", "src/move_descriptions.c"}},
        {ProjectLayout::rubySapphire,
         {"include/constants/contest.h", "src/data/battle_moves.c", "src/data/text/move_names_en.h",
          "src/data/text/move_descriptions_en.h", "src/data/contest_moves.h"}},
        {ProjectLayout::emerald,
         {"include/constants/contest.h", "src/data/battle_moves.h", "src/data/text/move_names.h",
          "src/data/text/move_descriptions.h", "src/data/contest_moves.h"}}};
    for (ProjectLayout layout : Layouts) {
        const auto files = demo::DemoProjectFiles(layout);
        EXPECT_EQ(files, demo::DemoProjectFiles(layout));
        std::set<std::string> expected(common.begin(), common.end());
        expected.insert(own.at(layout).begin(), own.at(layout).end());

        testing_support::TempDir dir;
        demo::WriteDemoProject(layout, dir / "project");
        std::set<std::string> written;
        for (const auto& entry : fs::recursive_directory_iterator(dir / "project"))
            if (entry.is_regular_file())
                written.insert(entry.path().lexically_relative(dir / "project").string());
        EXPECT_EQ(written, expected);
        for (const auto& [file, text] : files)
            EXPECT_EQ(testing_support::ReadFileText(dir / "project" / file), text) << file;
    }
}

TEST(DemoProject, HoldsTheMovesOfTheDemoRom) {
    const std::pair<ProjectLayout, demo::DemoRomLayout> cases[] = {
        {ProjectLayout::fireRedLeafGreen, {}},
        {ProjectLayout::rubySapphire, demo::ContestLayout()},
        {ProjectLayout::emerald, demo::ContestLayout()}};
    for (const auto& [layout, romLayout] : cases) {
        const demo::DemoRom rom = demo::MakeDemoRom(romLayout);
        const auto moves = demo::DemoProjectMoves(layout);
        ASSERT_EQ(moves.size(), 355u);
        for (std::size_t k = 0; k < moves.size(); ++k) {
            const std::string& name = rom.names[k];
            EXPECT_EQ(moves[k].name, k == demo::DemoFullLengthNameMove ? name.substr(0, 12) : name) << k;
            const rom::MoveRecord& r = rom.records[k];
            const rom::RecordBytes bytes = {
                r.effect, r.power,         r.type,          r.accuracy, r.pp, r.effectChance,
                r.target, rom.tails[k][0], rom.tails[k][1], 0,          0,    0};
            EXPECT_EQ(moves[k].bytes, bytes) << k;
            EXPECT_EQ(moves[k].description, k == 0 ? std::nullopt : std::optional(rom.descriptions[k - 1]))
                << k;
            ASSERT_EQ(moves[k].contest.has_value(), layout != ProjectLayout::fireRedLeafGreen);
            if (!moves[k].contest) continue;
            const auto& c = rom.contestMoves[k];
            EXPECT_EQ(moves[k].contest->effect, c[0]) << k;
            EXPECT_EQ(moves[k].contest->category, c[1] & 7) << k;
            EXPECT_EQ(moves[k].contest->comboStarter, c[2]) << k;
            EXPECT_EQ(moves[k].contest->comboMoves, (std::array<int, 4>{c[3], c[4], c[5], c[6]})) << k;
        }
    }
}

// Every value a move's file writes as a symbol is defined in include/, and no family holds two
// symbols of one value, so that a value written back has one symbol to take.
TEST(DemoProject, DefinesEverySymbolItWritesOnceForItsValue) {
    const std::regex family(R"(\b(EFFECT|TYPE|MOVE_TARGET|TARGET|FLAG|F|CONTEST_EFFECT|CONTEST_CATEGORY|)"
                            R"(COMBO_STARTER|MOVE(?!_TARGET_|_NAME_LENGTH))_\w+)");
    for (ProjectLayout layout : Layouts)
        for (int moveCount : {355, 923}) {
            const auto files = demo::DemoProjectFiles(layout, moveCount);
            const DefineValues defines(files);
            std::map<std::string, std::map<std::int64_t, std::string>> seen; // family -> value -> symbol
            for (const auto& [file, text] : files) {
                if (!file.string().starts_with("src/")) continue;
                for (std::sregex_iterator it(text.begin(), text.end(), family), end; it != end; ++it) {
                    const std::string symbol = (*it)[0], kind = (*it)[1];
                    const std::int64_t value = defines.Value(symbol);
                    const auto [at, fresh] = seen[kind].emplace(value, symbol);
                    EXPECT_EQ(at->second, symbol) << file << ": " << value << " twice in " << kind;
                }
            }
            EXPECT_EQ(defines.Value("MOVES_COUNT"), moveCount);
            EXPECT_EQ(seen["MOVE"].size(), static_cast<std::size_t>(moveCount));
            EXPECT_EQ(seen["TYPE"].contains(23), moveCount > 355) << "TYPE_FAIRY";
        }
}

TEST(DemoProject, ItsCharmapHasEveryCharacterOfItsNamesAndDescriptions) {
    const std::string charmap =
        FileText(demo::DemoProjectFiles(ProjectLayout::fireRedLeafGreen), "charmap.txt");
    EXPECT_NE(charmap.find("\nPKMN = 53 54\n"), std::string::npos);
    EXPECT_NE(charmap.find("\n'\\n' = FE\n"), std::string::npos);
    std::set<char32_t> characters;
    for (int moveCount : {355, 923})
        for (const auto& move : demo::DemoProjectMoves(ProjectLayout::emerald, moveCount))
            for (const std::string& text : {move.name, move.description.value_or("")})
                for (char32_t c : rom::Utf8ToU32(text))
                    if (c != U'\r' && c != U'\n') characters.insert(c); // the line break is '\n'
    for (char32_t c : characters)
        EXPECT_NE(charmap.find("\n'" + rom::U32ToUtf8(std::u32string(1, c)) + "' = "), std::string::npos)
            << rom::U32ToUtf8(std::u32string(1, c));
}

TEST(DemoProject, WritesKnownMovesInTheLayoutsStyle) {
    const std::tuple<ProjectLayout, const char*, const char*> cases[] = {
        {ProjectLayout::fireRedLeafGreen, "src/data/battle_moves.h",
         "    [MOVE_STONE_RUSH] =\n    {\n        .effect = EFFECT_HIT,\n        .power = 110,\n"
         "        .type = TYPE_PSYCHIC,\n        .accuracy = 100,\n        .pp = 15,\n"
         "        .secondaryEffectChance = 0,\n        .target = MOVE_TARGET_SELECTED,\n"
         "        .priority = 1, // goes first\n"
         "        .flags = FLAG_PROTECT_AFFECTED | FLAG_MIRROR_MOVE_AFFECTED | FLAG_KINGS_ROCK_AFFECTED,\n   "
         " },\n"},
        {ProjectLayout::fireRedLeafGreen, "src/move_descriptions.c",
         "const u8 gMoveDescription_VineRush[] = _(\"A long, long attack\\nthat goes on and on\\n"
         "until the foe\u2019s HP\\nruns out at last.\");\n"},
        {ProjectLayout::fireRedLeafGreen, "charmap.txt", "'\u2019' = B4\n"},
        {ProjectLayout::rubySapphire, "src/data/battle_moves.c",
         "    [MOVE_STONE_RUSH] = {\n        .effect = EFFECT_EXPLOSION,\n        .power = 0x19,\n"},
        {ProjectLayout::rubySapphire, "src/data/battle_moves.c",
         "    [MOVE_SPARK_FANG_53] = {\n        .effect = EFFECT_FURY_CUTTER,\n        .power = 120,\n"
         "        .type = TYPE_NORMAL,\n        .accuracy = 65,\n        .pp = 5,\n        "
         ".secondaryEffectChance = 100,\n"
         "        .priority = -1, /* goes last */\n        .target = TARGET_USER,\n"
         "        .flags = F_AFFECTED_BY_PROTECT | F_MIRROR_MOVE_COMPATIBLE | F_MAKES_CONTACT | "
         "F_AFFECTED_BY_KINGS_ROCK,\n"
         "    },\n"},
        {ProjectLayout::rubySapphire, "src/data/contest_moves.h",
         "    {CONTEST_EFFECT_BETTER_IF_SAME_TYPE_BEST_IN_COMBO, CONTEST_CATEGORY_COOL, 0, "
         "{COMBO_STARTER_RUNEFALL_116, COMBO_STARTER_STONE_DART, 0, 0}}, // SPARK_FANG\n"},
        {ProjectLayout::rubySapphire, "src/data/text/move_descriptions_en.h",
         "static const u8 MoveDescription_VineRush[] = _(\n    \"A long, long attack\\n\"\n"},
        {ProjectLayout::emerald, "src/data/text/move_names.h", "    [MOVE_SKY_FALL] = _(\"Sky\\nFall\"),\n"},
        {ProjectLayout::emerald, "src/data/text/move_descriptions.h",
         "static const u8 sSparkFangDescription[] = _(\n    \"Pounds.\");\n"},
        {ProjectLayout::emerald, "src/data/contest_moves.h",
         "    [MOVE_FROST_WAVE] =\n    {\n        .effect = CONTEST_EFFECT_HIGHLY_APPEALING,\n"
         "        .contestCategory = CONTEST_CATEGORY_TOUGH,\n        .comboStarterId = "
         "COMBO_STARTER_FROST_WAVE,\n"
         "        .comboMoves = {0}\n    },\n"}};
    for (const auto& [layout, file, piece] : cases)
        EXPECT_NE(FileText(demo::DemoProjectFiles(layout), file).find(piece), std::string::npos)
            << file << piece;
}

TEST(DemoProject, RefusesAFolderInUseAndAMoveCountOutOfRange) {
    testing_support::TempDir dir;
    testing_support::WriteFileText(dir / "notes.txt", "mine");
    EXPECT_THROW(
        try {
            demo::WriteDemoProject(ProjectLayout::emerald, dir.path());
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find("not an empty folder"), std::string::npos) << e.what();
            throw;
        },
        std::invalid_argument);
    EXPECT_EQ(testing_support::ReadFileText(dir / "notes.txt"), "mine");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    for (int moveCount : {1, demo::MaxDemoProjectMoves + 1})
        EXPECT_THROW(demo::WriteDemoProject(ProjectLayout::fireRedLeafGreen, dir / "new", moveCount),
                     std::invalid_argument);
    EXPECT_FALSE(fs::exists(dir / "new"));
    EXPECT_EQ(demo::DemoProjectMoves(ProjectLayout::rubySapphire, 2).size(), 2u);
}
