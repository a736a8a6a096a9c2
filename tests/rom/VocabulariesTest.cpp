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
        /*  26 */ "Take dmg. + attk. in 3 turns", "Attk. 3 turns + confuse", "Opp. Switch PKMN", "Hit 2-5x",
        /*  30 */ "Change to Attack type", "Target flinches", "Recover health", "Poison badly", "Earn money",
        /*  35 */ "1/2 Spec. dmg f. 5 Rounds", "Hit + Burn/Parl./Frz.", "Sleep 3 turns + Full HP",
        /*  38 */ "1 hit K.O", "Charge > Attack (Razor Wind)", "Half HP", "Always 40 HP hit",
        /*  42 */ "Trap 2-5 turns (Wrap, Bind)", "High Critical chance", "Hit 2x", "Hit or Self damage",
        /*  46 */ "No Stat lowering f. 5 Rounds", "Raise Critical chance", "Hit + take 1/4 damage",
        /*  49 */ "Confuse target", "Raise Attack sharply", "Raise Defence sharply", "Raise Speed sharply",
        /*  53 */ "Raise Spec. Att. sharply", "Raise Spec. Def. sharply", "Raise Accuracy sharply",
        /*  56 */ "Raise Evasion sharply", "Transf. into Target", "Lower Attack sharply",
        /*  59 */ "Lower Defence sharply", "Lower Speed sharply", "Lower Spec. Attk. sharply",
        /*  62 */ "Lower Spec. Def. sharply", "Lower Accuracy sharply", "Lower Evasion sharply",
        /*  65 */ "1/2 Phys. dmg f. 5 Rounds", "Poison", "Paralyze", "Hit + Lower Attk.", "Hit + Lower Def.",
        /*  70 */ "Hit + Lower Spd.", "Hit + Lower Spec. Attk.", "Hit + Lower Spec. Def.", "Hit + Lower Acc.",
        /*  74 */ "Hit + Lower Evas.", "Charge + Attack", "Hit + Confuse", "2 Hits + Poison",
        /*  78 */ "Strikes last, never misses", "1/4 HP for a Substitute", "Attack + Charge",
        /*  81 */ "Hit + Raise Attack", "Copy Opp.'s last Move", "Cast random Move",
        /*  84 */ "Drain HP each round (Seed)", "Nothing (Splash)", "Disable last used Move",
        /*  87 */ "Power depends on Lvl.", "Random dmg. 0.5-1.5 x Lvl.", "Counter Attack",
        /*  90 */ "Opp. repeats last Move", "Rest. HP ((HP + Opp. HP) / 2)", "Hit while asleep (Snore)",
        /*  93 */ "Own Type > Opp. Type", "Next attack hits 100%", "Learn last Move permanently", "96",
        /*  97 */ "Cause random Move while Slp.", "Faint together (Destiny Bond)", "Less HP = More Power",
        /* 100 */ "Decrease last Moves PP", "Hit, leaves at least 1 HP", "Restore Team's Status",
        /* 103 */ "Always 1st strike", "Hit 3x", "Steal Item", "Prevent escape", "Cause Nightmares",
        /* 108 */ "Raise Evas. (Minimize)", "Cause Curse", "110", "Protect user", "Cause dmg. on PKMN switch",
        /* 113 */ "Foresight (ignore Evas.)", "Defeat after 3 rounds", "Cause a Sandstorm",
        /* 116 */ "Survive Hit with at least 1 HP", "Hit until miss", "Confuse + Raise Attk. sharply",
        /* 119 */ "Power doubles each hit", "50% chance of not Attacking", "Power depends on Loyalty",
        /* 122 */ "Damage or Heal", "Power rises as Loyalty falls", "Prevent Status f. 5 Rounds",
        /* 125 */ "Hit + Burn, thaws user", "Magnitude", "Switch, keep Stat changes", "2x on switching Opp.",
        /* 129 */ "Hit + free user (Rapid Spin)", "Always 20 HP hit", "131", "Heal by weather (Morning Sun)",
        /* 133 */ "Heal by weather (Synthesis)", "Heal by weather (Moonlight)", "Hidden Power", "Cause rain",
        /* 137 */ "Cause sunshine", "Hit + Raise Own Def.", "Hit + Raise Own Attk.",
        /* 140 */ "Hit + Raise all Own Stats", "141", "1/2 HP for max. Attk.", "Copy Opp.'s Stat changes",
        /* 144 */ "Return 2x Spec. dmg.", "Raise Def., then hit", "Hit + Flinch, 2x on flying Opp.",
        /* 147 */ "Hit, 2x on digging Opp.", "Hit 2 turns later", "Hit, 2x on flying Opp.",
        /* 150 */ "Hit + Flinch, 2x on Minimized", "Charge > Attack", "Hit + Paralyze, sure in rain",
        /* 153 */ "Flee from wild battle", "Hit once per team member", "Semi-invulnerable turn (Fly, Dig)",
        /* 156 */ "Raise Def. (Defense Curl)", "Recover health (Softboiled)", "Flinch, 1st turn only",
        /* 159 */ "Uproar 2-5 turns, no sleep", "Stockpile", "Hit by Stockpile (Spit Up)",
        /* 162 */ "Heal by Stockpile (Swallow)", "163", "Cause hail", "No Move twice (Torment)",
        /* 166 */ "Confuse + Raise Sp. Attk.", "Burn", "Faint + Lower Attk./Sp. Attk.",
        /* 169 */ "2x Power if user has Status", "Fails if user is hit first", "2x on paralyzed, cures it",
        /* 172 */ "Draw attacks (Follow Me)", "Move by terrain (Nature Power)", "2x next Electric Move",
        /* 175 */ "Only attacking Moves (Taunt)", "Boost partner's Move", "Swap Items", "Copy Opp.'s Ability",
        /* 179 */ "Heal 1/2 HP next turn (Wish)", "Random Move of team (Assist)", "Heal each turn, no switch",
        /* 182 */ "Hit + Lower Own Attk./Def.", "Bounce back Status Moves", "Recover used Item",
        /* 185 */ "2x Power if hit first", "Hit + break Screens", "Sleep next turn (Yawn)",
        /* 188 */ "Hit + Knock off Item", "Cut Opp.'s HP to user's", "More Power with more HP",
        /* 191 */ "Swap Abilities", "Seal Moves user knows", "Cure own Burn/Psn./Parl.",
        /* 194 */ "Grudge (KO drains PP)", "Steal helping Move (Snatch)", "Power by Opp.'s weight",
        /* 197 */ "Hit + effect by terrain", "Hit Targ. + Damage Self", "Confuse all others",
        /* 200 */ "Hit + Burn, high Critical", "Weaken Electric (Mud Sport)", "Hit + Poison badly",
        /* 203 */ "Type by weather (Weather Ball)", "Hit + Lower Own Sp. Attk. sharply", "Lower Attk. + Def.",
        /* 206 */ "Raise Def. + Sp. Def.", "Hit, hits flying Opp.", "Raise Attk. + Def.",
        /* 209 */ "Hit + Poison, high Critical", "Weaken Fire (Water Sport)", "Raise Sp. Attk. + Sp. Def.",
        /* 212 */ "Raise Attk. + Spd.", "Type by terrain (Camouflage)",
        // clang-format on
    };
    ASSERT_EQ(EffectNames().size(), std::size(expected));
    for (std::size_t v = 0; v < std::size(expected); ++v) EXPECT_EQ(EffectNames()[v], expected[v]) << v;
}

TEST(TargetNames, NameTheValuesTheGameUsesAndNumberTheOthers) {
    const std::map<std::size_t, std::string> named = {{0, "Selected target"},
                                                      {1, "Depends on the move"},
                                                      {2, "User or selected target"},
                                                      {4, "Random opponent"},
                                                      {8, "Both opponents"},
                                                      {16, "User"},
                                                      {32, "Both opponents and partner"},
                                                      {64, "Opponents' field"}};
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
