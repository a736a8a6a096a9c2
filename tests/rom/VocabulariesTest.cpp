#include "rom/Vocabularies.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace rom;

TEST(EffectNames, NameEveryValueAsTheGameUsesIt) {
    const char* const expected[] = {
        // clang-format off
        /*   0 */ "Normal Hit", "Put to Sleep", "Hit + Poison", "Hit + Heal", "Hit + Burn", "Hit + Freeze",
        /*   6 */ "Hit + Paralyze", "Hit + Selfdestruct", "Hit if Opp. is sleeping", "Copy Attack of Opp.",
        /*  10 */ "Raise Attk.", "Raise Def.", "Raise Spd.", "Raise Sp. Attk.", "Raise Sp. Def.",
        /*  15 */ "Raise Acc.", "Raise Evas.", "Never misses", "Lower Attk.", "Lower Def.", "Lower Spd.",
        /*  21 */ "Lower Sp. Attk.", "Lower Sp. Def.", "Lower Acc.", "Lower Evas.", "All Stats normal",
        /*  26 */ "Store dmg., return 2x", "Rampage + confuse", "Opp. Switch PKMN", "Hit 2-5x",
        /*  30 */ "Take a Move's type", "Target flinches", "Recover health", "Poison badly", "Earn money",
        /*  35 */ "Light Screen", "Hit + Burn/Parl./Frz.", "Sleep + Full HP",
        /*  38 */ "1 hit K.O", "Charge > Razor Wind", "Half HP", "Always 40 HP hit",
        /*  42 */ "Trap 2-5 turns", "High Critical chance", "Hit 2x", "Hit or Self damage",
        /*  46 */ "No Stat drops 5 turns", "Raise Critical chance", "Hit + 1/4 recoil",
        /*  49 */ "Confuse target", "Raise Attack sharply", "Raise Def. sharply", "Raise Speed sharply",
        /*  53 */ "Sp. Attk. up sharply", "Sp. Def. up sharply", "Raise Acc. sharply",
        /*  56 */ "Raise Evasion sharply", "Transf. into Target", "Lower Attack sharply",
        /*  59 */ "Lower Def. sharply", "Lower Speed sharply", "Sp. Atk. down sharply",
        /*  62 */ "Sp. Def. down sharply", "Lower Acc. sharply", "Lower Evas. sharply",
        /*  65 */ "Reflect", "Poison", "Paralyze", "Hit + Lower Attk.", "Hit + Lower Def.",
        /*  70 */ "Hit + Lower Spd.", "Hit + Lower Sp. Attk.", "Hit + Lower Sp. Def.", "Hit + Lower Acc.",
        /*  74 */ "Hit + Lower Evas.", "Charge + Attack", "Hit + Confuse", "2 Hits + Poison",
        /*  78 */ "Last, never misses", "1/4 HP: Substitute", "Attack + Charge",
        /*  81 */ "Hit + Raise Attack", "Copy Opp.'s last one", "Cast random Move",
        /*  84 */ "Seed: drain each turn", "Nothing (Splash)", "Disable last Move",
        /*  87 */ "Power by user's Lvl.", "Dmg. 0.5-1.5 x Lvl.", "Counter Attack",
        /*  90 */ "Opp. repeats Move", "Share HP (Pain Split)", "Hit while asleep",
        /*  93 */ "Resist Opp.'s type", "Next hit never misses", "Learn Opp.'s Move", "96",
        /*  97 */ "Random Move asleep", "Destiny Bond", "Less HP, more Power",
        /* 100 */ "Cut last Move's PP", "Hit, leave 1 HP", "Cure Team's Status",
        /* 103 */ "Always 1st strike", "Hit 3x", "Steal Item", "Prevent escape", "Cause Nightmares",
        /* 108 */ "Minimize", "Cause Curse", "110", "Protect user", "Spikes on switch",
        /* 113 */ "Foresight", "Defeat after 3 rounds", "Cause a Sandstorm",
        /* 116 */ "Endure with 1 HP", "Hit until miss", "Confuse, Attk. +2",
        /* 119 */ "2x Power each hit", "Infatuate (Attract)", "Power by Loyalty",
        /* 122 */ "Damage or Heal", "Power by disloyalty", "No Status 5 turns",
        /* 125 */ "Hit + Burn, thaw", "Magnitude", "Baton Pass", "2x on switching Opp.",
        /* 129 */ "Hit + Rapid Spin", "Always 20 HP hit", "131", "Weather heal (Sun)",
        /* 133 */ "Weather heal (Synth)", "Weather heal (Moon)", "Hidden Power", "Cause rain",
        /* 137 */ "Cause sunshine", "Hit + Raise Own Def.", "Hit + Raise Own Attk.",
        /* 140 */ "Hit + raise all Stats", "141", "1/2 HP for max. Attk.", "Copy Stat changes",
        /* 144 */ "Return 2x Spec. dmg.", "Raise Def., then hit", "Flinch, 2x on flying",
        /* 147 */ "Hit, 2x on digging", "Hit 2 turns later", "Hit, 2x on flying Opp.",
        /* 150 */ "Flinch, 2x Minimized", "Charge > Attack", "Paralyze, sure in rain",
        /* 153 */ "Flee from wild battle", "Hit per team member", "Away 1 turn (Fly, Dig)",
        /* 156 */ "Defense Curl", "Recover (Softboiled)", "Flinch, 1st turn only",
        /* 159 */ "Uproar 2-5 turns", "Stockpile", "Spit Up",
        /* 162 */ "Swallow", "163", "Cause hail", "Torment",
        /* 166 */ "Confuse, Sp. Attk. +1", "Burn", "Faint, Opp. Attk. -2",
        /* 169 */ "2x if user has Status", "Fails if user is hit first", "2x on paralyzed, cure",
        /* 172 */ "Follow Me", "Nature Power", "2x next Electric Move",
        /* 175 */ "Taunt", "Boost partner's Move", "Swap Items", "Copy Opp.'s Ability",
        /* 179 */ "Wish", "Assist", "Ingrain",
        /* 182 */ "Hit, own Atk./Def. -1", "Magic Coat", "Recover used Item",
        /* 185 */ "2x Power if hit first", "Hit + break Screens", "Sleep next turn",
        /* 188 */ "Hit + Knock off Item", "Opp.'s HP to user's", "More HP, more Power",
        /* 191 */ "Swap Abilities", "Imprison", "Cure own Status",
        /* 194 */ "Grudge", "Snatch", "Power by weight",
        /* 197 */ "Hit + effect by terrain", "Hit + 1/3 recoil", "Confuse all others",
        /* 200 */ "Burn, high Critical", "Mud Sport", "Hit + Poison badly",
        /* 203 */ "Weather Ball", "Hit, own Sp. Atk. -2", "Lower Attk. + Def.",
        /* 206 */ "Raise Def. + Sp. Def.", "Hit, hits flying Opp.", "Raise Attk. + Def.",
        /* 209 */ "Poison, high Critical", "Water Sport", "Sp. Attk. + Sp. Def.",
        /* 212 */ "Raise Attk. + Spd.", "Camouflage",
        // clang-format on
    };
    ASSERT_EQ(EffectNames().size(), std::size(expected));
    for (std::size_t v = 0; v < std::size(expected); ++v) EXPECT_EQ(EffectNames()[v], expected[v]) << v;
}

TEST(TargetNames, NameTheValuesTheGameUsesAndNumberTheOthers) {
    const std::map<std::size_t, std::string> named = {
        {0, "Selected target"}, {1, "Set by the move"}, {2, "User or selected"},  {4, "Random opponent"},
        {8, "Both opponents"},  {16, "User"},           {32, "All but the user"}, {64, "Opponents' field"}};
    ASSERT_EQ(TargetNames().size(), 65u);
    for (std::size_t v = 0; v < 65; ++v)
        EXPECT_EQ(TargetNames()[v], named.contains(v) ? named.at(v) : std::to_string(v)) << v;
}

// A text names one value, so a table can give the text alone; only the effects no game uses are
// shown as their numbers.
TEST(Vocabularies, EveryTextNamesOneValueAndOnlyUnusedEffectsAreNumbers) {
    for (const auto* list : {&EffectNames(), &TargetNames(), &TypeNames()})
        EXPECT_EQ(std::set<std::string>(list->begin(), list->end()).size(), list->size());
    std::vector<std::size_t> numbers;
    for (std::size_t v = 0; v < EffectNames().size(); ++v)
        if (EffectNames()[v] == std::to_string(v)) numbers.push_back(v);
    EXPECT_EQ(numbers, (std::vector<std::size_t>{96, 110, 131, 141, 163}));
    EXPECT_EQ(LegacyEffectNames().size(), EffectNames().size());
    EXPECT_EQ(LegacyTargetNames().size(), TargetNames().size());
}

// The longer texts shown before the texts were shortened still name their one value: none is a text
// of the lists now or of the first version at another position.
TEST(Vocabularies, EarlierLongerTextsNameOneValueEach) {
    const struct {
        const std::vector<std::string>& now;
        const std::vector<std::string>& legacy;
        const std::vector<std::string>& earlier;
    } lists[] = {{EffectNames(), LegacyEffectNames(), EarlierEffectNames()},
                 {TargetNames(), LegacyTargetNames(), EarlierTargetNames()}};
    for (const auto& list : lists) {
        ASSERT_EQ(list.earlier.size(), list.now.size());
        for (std::size_t v = 0; v < list.earlier.size(); ++v) {
            if (list.earlier[v].empty()) continue;
            for (std::size_t w = 0; w < list.now.size(); ++w) {
                EXPECT_NE(list.earlier[v], list.now[w]) << v << " " << w;
                if (w != v) EXPECT_NE(list.earlier[v], list.legacy[w]) << v << " " << w;
            }
        }
    }
    EXPECT_EQ(EarlierTargetNames()[1], "Depends on the move");
    EXPECT_EQ(EarlierEffectNames()[116], "Survive Hit with at least 1 HP");
}
