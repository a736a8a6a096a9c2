// The families of symbols a project writes its values with, and how each value shows: the program's
// own text where the project's symbol is the released games' one, the project's symbol otherwise.
//
// A family is the symbols of its prefix defined in the header files that define the symbols the
// tables use for it (or, where they use none, the released games' symbols): TYPE_ also begins other
// defines elsewhere, FLAG_ begins the game's event flags.

#include "project/ProjectSources.h"
#include "rom/ContestNames.h"
#include "rom/Vocabularies.h"

#include <algorithm>
#include <functional>
#include <set>

namespace project {
namespace {

using Released = std::vector<std::pair<std::string_view, int>>;

const Released& ReleasedTypes() {
    static const Released types = {{"TYPE_NORMAL", 0},  {"TYPE_FIGHTING", 1},  {"TYPE_FLYING", 2},
                                   {"TYPE_POISON", 3},  {"TYPE_GROUND", 4},    {"TYPE_ROCK", 5},
                                   {"TYPE_BUG", 6},     {"TYPE_GHOST", 7},     {"TYPE_STEEL", 8},
                                   {"TYPE_MYSTERY", 9}, {"TYPE_FIRE", 10},     {"TYPE_WATER", 11},
                                   {"TYPE_GRASS", 12},  {"TYPE_ELECTRIC", 13}, {"TYPE_PSYCHIC", 14},
                                   {"TYPE_ICE", 15},    {"TYPE_DRAGON", 16},   {"TYPE_DARK", 17}};
    return types;
}

const Released& ReleasedTargets() {
    static const Released targets = {{"MOVE_TARGET_SELECTED", 0},
                                     {"MOVE_TARGET_DEPENDS", 1},
                                     {"MOVE_TARGET_USER_OR_SELECTED", 2},
                                     {"MOVE_TARGET_RANDOM", 4},
                                     {"MOVE_TARGET_BOTH", 8},
                                     {"MOVE_TARGET_USER", 16},
                                     {"MOVE_TARGET_FOES_AND_ALLY", 32},
                                     {"MOVE_TARGET_OPPONENTS_FIELD", 64},
                                     {"TARGET_SELECTED_POKEMON", 0},
                                     {"TARGET_DEPENDS", 1},
                                     {"TARGET_UNK2", 2},
                                     {"TARGET_RANDOM", 4},
                                     {"TARGET_BOTH_ENEMIES", 8},
                                     {"TARGET_USER", 16},
                                     {"TARGET_ALL_EXCEPT_USER", 32},
                                     {"TARGET_OPPONENTS_FIELD", 64}};
    return targets;
}

const Released& ReleasedFlags() {
    static const Released flags = {
        {"FLAG_MAKES_CONTACT", 1},   {"FLAG_PROTECT_AFFECTED", 2},      {"FLAG_MAGICCOAT_AFFECTED", 4},
        {"FLAG_SNATCH_AFFECTED", 8}, {"FLAG_MIRROR_MOVE_AFFECTED", 16}, {"FLAG_KINGSROCK_AFFECTED", 32},
        {"F_MAKES_CONTACT", 1},      {"F_AFFECTED_BY_PROTECT", 2},      {"F_AFFECTED_BY_MAGIC_COAT", 4},
        {"F_AFFECTED_BY_SNATCH", 8}, {"F_MIRROR_MOVE_COMPATIBLE", 16},  {"F_AFFECTED_BY_KINGS_ROCK", 32}};
    return flags;
}

const Released& ReleasedContestCategories() {
    static const Released categories = {{"CONTEST_CATEGORY_COOL", 0},
                                        {"CONTEST_CATEGORY_BEAUTY", 1},
                                        {"CONTEST_CATEGORY_CUTE", 2},
                                        {"CONTEST_CATEGORY_SMART", 3},
                                        {"CONTEST_CATEGORY_TOUGH", 4}};
    return categories;
}

// The program's text of a released value.
using OwnText = std::function<std::string(int value)>;

std::string FromList(const std::vector<std::string>& list, int value) {
    return value >= 0 && value < static_cast<int>(list.size()) ? list[value] : std::string();
}

std::string FlagText(int value) {
    for (int bit = 0; bit < rom::MoveFlagCount; ++bit)
        if (value == 1 << bit) return rom::MoveFlags()[bit].text;
    return "";
}

struct Family {
    std::string_view prefix;
    const Released* released = nullptr; // nullptr: every value of a symbol is the released one (effects)
    OwnText text;                       // nullptr: the program has no text of its own
};

// The identifiers the values of field i of every block of table use.
template <std::size_t N>
void UsedSymbols(const BlockTable& table, const std::array<FieldRule, N>& fields, std::size_t i,
                 std::set<std::string>& used) {
    if (!table.file) return;
    for (const Element& block : table.table.elements) {
        const Element* e = FieldElement(block.value, fields, i);
        if (!e) continue;
        std::vector<const Init*> values{&e->value};
        for (const Element& item : e->value.elements) values.push_back(&item.value);
        for (const Init* v : values)
            for (std::size_t t = v->first; !v->braced && t <= v->last; ++t)
                if (table.file->tokens[t].kind == TokenKind::identifier)
                    used.insert(std::string(table.file->tokens[t].text));
    }
}

ValueSymbols SymbolsOf(const Defines& defines, const Family& family, const std::set<std::string>& used) {
    std::set<std::filesystem::path> files;
    auto addFileOf = [&](std::string_view symbol) {
        if (!symbol.starts_with(family.prefix)) return;
        if (const auto place = defines.PlaceOf(symbol)) files.insert(place->file);
    };
    for (const std::string& symbol : used) addFileOf(symbol);
    if (files.empty() && family.released)
        for (const auto& [symbol, value] : *family.released) addFileOf(symbol);

    ValueSymbols result;
    for (const auto& [symbol, value] : defines.WithPrefix(family.prefix)) {
        const auto place = defines.PlaceOf(symbol);
        if (!files.empty() && (!place || !files.contains(place->file))) continue;
        result.symbols[static_cast<int>(value)].push_back(symbol);
    }
    for (const auto& entry : result.symbols) {
        const int value = entry.first;
        const std::vector<std::string>& symbols = entry.second;
        const bool released =
            !family.released ||
            std::any_of(family.released->begin(), family.released->end(), [&](const auto& r) {
                return r.second == value &&
                       std::find(symbols.begin(), symbols.end(), r.first) != symbols.end();
            });
        const std::string own = released && family.text ? family.text(value) : "";
        result.shownAs[value] = own.empty() ? symbols.front() : own;
    }
    return result;
}

} // namespace

void FillValueSymbols(OpenedProject& project) {
    const bool rs = project.layout == ProjectLayout::rubySapphire;
    const OpenedProject::Sources& s = *project.sources;
    auto family = [&](const BlockTable& table, const auto& fields, std::size_t i, const Family& f) {
        std::set<std::string> used;
        UsedSymbols(table, fields, i, used);
        return SymbolsOf(project.defines, f, used);
    };
    // The released games have effects 0 to 213; the program has no table of their symbols, so every
    // symbol of those values is taken for the released one.
    const OwnText effectText = [](int v) { return v <= 213 ? FromList(rom::EffectNames(), v) : ""; };
    project.effects = family(s.records, RecordFields, 0, {"EFFECT_", nullptr, effectText});
    project.types = family(s.records, RecordFields, 2,
                           {"TYPE_", &ReleasedTypes(), [](int v) { return FromList(rom::TypeNames(), v); }});
    project.targets = family(s.records, RecordFields, 6,
                             {rs ? "TARGET_" : "MOVE_TARGET_", &ReleasedTargets(),
                              [](int v) { return FromList(rom::TargetNames(), v); }});
    project.flags = family(s.records, RecordFields, 8, {rs ? "F_" : "FLAG_", &ReleasedFlags(), FlagText});
    if (!project.hasContest) return;
    project.contestEffects = family(s.contest, ContestFields, 0, {"CONTEST_EFFECT_", nullptr, nullptr});
    project.contestCategories =
        family(s.contest, ContestFields, 1,
               {"CONTEST_CATEGORY_", &ReleasedContestCategories(),
                [](int v) { return v < rom::ContestCategoryCount ? rom::ContestCategoryText(v) : ""; }});
    std::set<std::string> combo;
    UsedSymbols(s.contest, ContestFields, 2, combo);
    UsedSymbols(s.contest, ContestFields, 3, combo);
    project.comboStarters = SymbolsOf(project.defines, {"COMBO_STARTER_", nullptr, nullptr}, combo);
}

} // namespace project
