#include "tools/demo_rom/ProjectParts.h"

#include <algorithm>
#include <bit>
#include <sstream>
#include <stdexcept>

namespace demo::project_parts {
namespace {

using project::ProjectLayout;

// The battle engine's 214 effects by value; "-" marks the values the released games leave unused.
constexpr const char* ReleasedEffects =
    "HIT SLEEP POISON_HIT ABSORB BURN_HIT FREEZE_HIT PARALYZE_HIT EXPLOSION DREAM_EATER MIRROR_MOVE "
    "ATTACK_UP DEFENSE_UP SPEED_UP SPECIAL_ATTACK_UP SPECIAL_DEFENSE_UP ACCURACY_UP EVASION_UP ALWAYS_HIT "
    "ATTACK_DOWN DEFENSE_DOWN SPEED_DOWN SPECIAL_ATTACK_DOWN SPECIAL_DEFENSE_DOWN ACCURACY_DOWN EVASION_DOWN "
    "HAZE BIDE RAMPAGE ROAR MULTI_HIT CONVERSION FLINCH_HIT RESTORE_HP TOXIC PAY_DAY LIGHT_SCREEN TRI_ATTACK "
    "REST OHKO RAZOR_WIND SUPER_FANG DRAGON_RAGE TRAP HIGH_CRITICAL DOUBLE_HIT RECOIL_IF_MISS MIST "
    "FOCUS_ENERGY RECOIL CONFUSE ATTACK_UP_2 DEFENSE_UP_2 SPEED_UP_2 SPECIAL_ATTACK_UP_2 "
    "SPECIAL_DEFENSE_UP_2 "
    "ACCURACY_UP_2 EVASION_UP_2 TRANSFORM ATTACK_DOWN_2 DEFENSE_DOWN_2 SPEED_DOWN_2 SPECIAL_ATTACK_DOWN_2 "
    "SPECIAL_DEFENSE_DOWN_2 ACCURACY_DOWN_2 EVASION_DOWN_2 REFLECT POISON PARALYZE ATTACK_DOWN_HIT "
    "DEFENSE_DOWN_HIT SPEED_DOWN_HIT SPECIAL_ATTACK_DOWN_HIT SPECIAL_DEFENSE_DOWN_HIT ACCURACY_DOWN_HIT "
    "EVASION_DOWN_HIT SKY_ATTACK CONFUSE_HIT TWINEEDLE VITAL_THROW SUBSTITUTE RECHARGE RAGE MIMIC METRONOME "
    "LEECH_SEED SPLASH DISABLE LEVEL_DAMAGE PSYWAVE COUNTER ENCORE PAIN_SPLIT SNORE CONVERSION_2 LOCK_ON "
    "SKETCH - SLEEP_TALK DESTINY_BOND FLAIL SPITE FALSE_SWIPE HEAL_BELL QUICK_ATTACK TRIPLE_KICK THIEF "
    "MEAN_LOOK NIGHTMARE MINIMIZE CURSE - PROTECT SPIKES FORESIGHT PERISH_SONG SANDSTORM ENDURE ROLLOUT "
    "SWAGGER FURY_CUTTER ATTRACT RETURN PRESENT FRUSTRATION SAFEGUARD THAW_HIT MAGNITUDE BATON_PASS PURSUIT "
    "RAPID_SPIN SONICBOOM - MORNING_SUN SYNTHESIS MOONLIGHT HIDDEN_POWER RAIN_DANCE SUNNY_DAY DEFENSE_UP_HIT "
    "ATTACK_UP_HIT ALL_STATS_UP_HIT - BELLY_DRUM PSYCH_UP MIRROR_COAT SKULL_BASH TWISTER EARTHQUAKE "
    "FUTURE_SIGHT GUST FLINCH_MINIMIZE_HIT SOLAR_BEAM THUNDER TELEPORT BEAT_UP SEMI_INVULNERABLE "
    "DEFENSE_CURL "
    "SOFTBOILED FAKE_OUT UPROAR STOCKPILE SPIT_UP SWALLOW - HAIL TORMENT FLATTER WILL_O_WISP MEMENTO FACADE "
    "FOCUS_PUNCH SMELLINGSALT FOLLOW_ME NATURE_POWER CHARGE TAUNT HELPING_HAND TRICK ROLE_PLAY WISH ASSIST "
    "INGRAIN SUPERPOWER MAGIC_COAT RECYCLE REVENGE BRICK_BREAK YAWN KNOCK_OFF ENDEAVOR ERUPTION SKILL_SWAP "
    "IMPRISON REFRESH GRUDGE SNATCH LOW_KICK SECRET_POWER DOUBLE_EDGE TEETER_DANCE BLAZE_KICK MUD_SPORT "
    "POISON_FANG WEATHER_BALL OVERHEAT TICKLE COSMIC_POWER SKY_UPPERCUT BULK_UP POISON_TAIL WATER_SPORT "
    "CALM_MIND DRAGON_DANCE CAMOUFLAGE";
constexpr int ReleasedEffectCount = 214;

constexpr const char* ReleasedTypes[] = {"NORMAL", "FIGHTING", "FLYING",  "POISON",  "GROUND", "ROCK",
                                         "BUG",    "GHOST",    "STEEL",   "MYSTERY", "FIRE",   "WATER",
                                         "GRASS",  "ELECTRIC", "PSYCHIC", "ICE",     "DRAGON", "DARK"};
constexpr int FairyType = 23;

constexpr const char* Categories[] = {"COOL", "BEAUTY", "CUTE", "SMART", "TOUGH"};

// The contest effects named after what each does and how (the demo's effect texts say the same).
constexpr const char* ContestWhat[] = {"HIGHLY_APPEALING",    "STARTLE_PREV_MON",        "EXCITE_AUDIENCE",
                                       "BETTER_IF_LAST",      "AVOID_STARTLE_ONCE",      "JAMS_OTHERS",
                                       "BETTER_IF_SAME_TYPE", "APPEAL_VARIES_WITH_CROWD"};
constexpr const char* ContestHow[] = {
    "", "_REPEATABLE", "_BETTER_IF_FIRST", "_LOWERS_NEXT_APPEAL", "_BEST_IN_COMBO", "_IGNORES_JAM"};

std::map<int, std::string> Effects(const std::vector<DemoProjectMove>& moves) {
    std::map<int, std::string> effects;
    std::istringstream words{std::string(ReleasedEffects)};
    int value = 0;
    for (std::string word; words >> word; ++value)
        effects[value] = "EFFECT_" + (word == "-" ? "UNUSED_" + std::to_string(value) : word);
    if (value != ReleasedEffectCount) throw std::logic_error("the released effect list is not 214 long");
    // A fork's effects, added past the released ones.
    for (const DemoProjectMove& m : moves)
        if (m.bytes[0] >= ReleasedEffectCount)
            effects.emplace(m.bytes[0], "EFFECT_ADDED_" + std::to_string(m.bytes[0]));
    return effects;
}

std::map<int, std::string> Targets(ProjectLayout layout) {
    if (layout == ProjectLayout::rubySapphire)
        return {{0, "TARGET_SELECTED_POKEMON"}, {1, "TARGET_DEPENDS"},      {2, "TARGET_USER_OR_SELECTED"},
                {4, "TARGET_RANDOM"},           {8, "TARGET_BOTH_ENEMIES"}, {16, "TARGET_USER"},
                {32, "TARGET_ALL_EXCEPT_USER"}, {64, "TARGET_ENEMY_SIDE"}};
    return {{0, "MOVE_TARGET_SELECTED"},
            {1, "MOVE_TARGET_DEPENDS"},
            {2, "MOVE_TARGET_USER_OR_SELECTED"},
            {4, "MOVE_TARGET_RANDOM"},
            {8, "MOVE_TARGET_BOTH"},
            {16, "MOVE_TARGET_USER"},
            {32, "MOVE_TARGET_FOES_AND_ALLY"},
            {64, "MOVE_TARGET_OPPONENTS_FIELD"}};
}

// The flags by bit in the order the layout's blocks write them; bit 6 only where a move uses it.
std::vector<std::pair<int, std::string>> Flags(ProjectLayout layout, bool bit6) {
    std::vector<std::pair<int, std::string>> flags;
    if (layout == ProjectLayout::rubySapphire)
        flags = {{1, "F_AFFECTED_BY_PROTECT"}, {4, "F_MIRROR_MOVE_COMPATIBLE"},
                 {0, "F_MAKES_CONTACT"},       {2, "F_AFFECTED_BY_MAGIC_COAT"},
                 {3, "F_AFFECTED_BY_SNATCH"},  {5, "F_AFFECTED_BY_KINGS_ROCK"}};
    else
        flags = {{0, "FLAG_MAKES_CONTACT"},        {1, "FLAG_PROTECT_AFFECTED"},
                 {2, "FLAG_MAGIC_COAT_AFFECTED"},  {3, "FLAG_SNATCH_AFFECTED"},
                 {4, "FLAG_MIRROR_MOVE_AFFECTED"}, {5, "FLAG_KINGS_ROCK_AFFECTED"}};
    if (bit6)
        flags.emplace_back(6,
                           layout == ProjectLayout::rubySapphire ? "F_HEAL_PRIORITY" : "FLAG_HEAL_PRIORITY");
    return flags;
}

// A combo starter is named after the first move that holds its id; an id only followed, never held,
// by its number.
std::map<int, std::string> ComboStarters(const std::vector<DemoProjectMove>& moves) {
    std::map<int, std::string> starters;
    for (const DemoProjectMove& m : moves)
        if (m.contest && m.contest->comboStarter != 0)
            starters.emplace(m.contest->comboStarter, "COMBO_STARTER_" + m.symbol.substr(5));
    for (const DemoProjectMove& m : moves)
        if (m.contest)
            for (int id : m.contest->comboMoves)
                if (id != 0) starters.emplace(id, "COMBO_STARTER_ID_" + std::to_string(id));
    return starters;
}

std::string Guarded(const std::string& guard, const std::string& comment, const std::string& body) {
    return "// " + comment + "\n#ifndef " + guard + "\n#define " + guard + "\n\n" + body + "\n#endif // " +
           guard + "\n";
}

std::string Define(const std::string& symbol, const std::string& value) {
    return "#define " + symbol + " " + value + "\n";
}

std::string Hex(int value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string hex;
    do {
        hex.insert(hex.begin(), digits[value % 16]);
        value /= 16;
    } while (value > 0);
    return "0x" + hex;
}

std::string MovesHeader(const std::vector<DemoProjectMove>& moves) {
    std::string body;
    for (std::size_t k = 0; k < moves.size(); ++k) {
        // Now and then a number in hex, as the projects' own files mix them.
        const int v = static_cast<int>(k);
        body += Define(moves[k].symbol, k % 64 == 40 ? Hex(v) : std::to_string(v));
    }
    body += "\n" + Define("LAST_MOVE_INDEX", moves.back().symbol) +
            Define("MOVES_COUNT", "(LAST_MOVE_INDEX + 1)");
    return Guarded("GUARD_CONSTANTS_MOVES_H", "Move numbers of the synthetic demo project.", body);
}

std::string EffectsHeader(const ProjectSymbols& s) {
    std::string body;
    for (const auto& [value, symbol] : s.effects) {
        if (value == ReleasedEffectCount) body += "\n// Effects added by this fork.\n";
        body += Define(symbol, std::to_string(value));
    }
    return Guarded("GUARD_CONSTANTS_BATTLE_MOVE_EFFECTS_H", "Battle effects of moves.", body);
}

std::string PokemonHeader(const ProjectSymbols& s) {
    std::string body;
    for (const auto& [value, symbol] : s.types) {
        if (symbol == "TYPE_MYSTERY") // both branches agree, so the value is known
            body += "#ifdef BUGFIX\n" + Define(symbol, "(TYPE_STEEL + 1)") + "#else\n" + Define(symbol, "9") +
                    "#endif\n";
        else
            body += Define(symbol, std::to_string(value));
    }
    body += Define("NUMBER_OF_MON_TYPES", "(" + s.types.rbegin()->second + " + 1)") +
            "\n// Flags of a move (struct BattleMove's flags).\n";
    std::vector<std::pair<int, std::string>> byBit(s.flags.begin(), s.flags.end());
    std::sort(byBit.begin(), byBit.end());
    for (const auto& [bit, symbol] : byBit) body += Define(symbol, "(1 << " + std::to_string(bit) + ")");
    return Guarded("GUARD_CONSTANTS_POKEMON_H", "Types and move flags.", body);
}

std::string BattleHeader(const ProjectSymbols& s) {
    std::string body = "// Whom a move aims at.\n";
    for (const auto& [value, symbol] : s.targets) {
        if (value == 0)
            body += Define(symbol, "0");
        else if (value == 2) // both branches agree, so the value is known
            body +=
                "#ifdef BUGFIX\n" + Define(symbol, "(1 << 1)") + "#else\n" + Define(symbol, "2") + "#endif\n";
        else if (value == 32) // through another symbol
            body += Define(symbol, "(" + s.targets.at(8) + " << 2)");
        else
            body +=
                Define(symbol,
                       value == 64
                           ? "0x40"
                           : "(1 << " + std::to_string(std::countr_zero(static_cast<unsigned>(value))) + ")");
    }
    return Guarded("GUARD_CONSTANTS_BATTLE_H", "Battle constants.", body);
}

std::string ContestHeader(const ProjectSymbols& s) {
    std::string body = "// Contest effects.\n";
    for (const auto& [value, symbol] : s.contestEffects)
        body += Define(symbol, value >= 32 ? Hex(value) : std::to_string(value));
    body += "\n// Contest categories.\n";
    for (const auto& [value, symbol] : s.categories) body += Define(symbol, std::to_string(value));
    body += "\n// Combo starters: the id a move holds and others follow.\n";
    for (const auto& [value, symbol] : s.comboStarters) body += Define(symbol, std::to_string(value));
    return Guarded("GUARD_CONSTANTS_CONTEST_H", "Contest constants.", body);
}

} // namespace

bool HasContest(ProjectLayout layout) {
    return layout != ProjectLayout::fireRedLeafGreen;
}

ProjectSymbols SymbolsFor(ProjectLayout layout, const std::vector<DemoProjectMove>& moves) {
    ProjectSymbols s;
    bool fairy = false, bit6 = false;
    for (const DemoProjectMove& m : moves) {
        fairy = fairy || m.bytes[2] == FairyType;
        bit6 = bit6 || (m.bytes[8] & 0x40) != 0;
    }
    for (int t = 0; t < 18; ++t) s.types[t] = std::string("TYPE_") + ReleasedTypes[t];
    if (fairy) s.types[FairyType] = "TYPE_FAIRY";
    s.effects = Effects(moves);
    s.targets = Targets(layout);
    s.flags = Flags(layout, bit6);
    if (HasContest(layout)) {
        for (int e = 0; e < rom::ContestEffectCount; ++e)
            s.contestEffects[e] =
                std::string("CONTEST_EFFECT_") + ContestWhat[e % 8] + ContestHow[(e / 8) % 6];
        for (int c = 0; c < rom::ContestCategoryCount; ++c)
            s.categories[c] = std::string("CONTEST_CATEGORY_") + Categories[c];
        s.comboStarters = ComboStarters(moves);
    }
    return s;
}

std::string SymbolOrNumber(const std::map<int, std::string>& family, int value) {
    const auto found = family.find(value);
    return found != family.end() ? found->second : std::to_string(value);
}

std::vector<ProjectFile> ConstantFiles(ProjectLayout layout, const std::vector<DemoProjectMove>& moves,
                                       const ProjectSymbols& symbols) {
    std::vector<ProjectFile> files = {
        {"include/constants/global.h", Guarded("GUARD_CONSTANTS_GLOBAL_H", "Lengths of the game's texts.",
                                               Define("MOVE_NAME_LENGTH", "12"))},
        {"include/constants/moves.h", MovesHeader(moves)},
        {"include/constants/battle_move_effects.h", EffectsHeader(symbols)},
        {"include/constants/pokemon.h", PokemonHeader(symbols)},
        {"include/constants/battle.h", BattleHeader(symbols)}};
    if (HasContest(layout)) files.emplace_back("include/constants/contest.h", ContestHeader(symbols));
    return files;
}

} // namespace demo::project_parts
