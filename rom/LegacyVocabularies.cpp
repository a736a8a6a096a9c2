#include "rom/Vocabularies.h"

#include <utility>

// The texts the window and the tool showed before they named every value as the game uses it,
// kept so that tables exported then still import. Texts are UTF-8; "Pokémon" carries the letter é.

namespace rom {

const std::vector<std::string>& LegacyEffectNames() {
    static const std::vector<std::string> names = {
    "Normal Hit", "Put to Sleep", "Hit + Poison", "Hit + Heal", "Hit + Burn", "Hit + Freeze",
    "Hit + Parlyze", "Hit + Selfdestruct", "Hit if Opp. is sleeping", "Copy Attack of Opp.", "Raise Attk.",
    "Raise Def.", "No effect", "Raise Sp. Attk.", "No effect", "No effect", "Raise Evas.",
    "100% hit + no Type diff.", "Lower Attk.", "Lower Def.", "Lower Spd.", "No effect", "No effect",
    "Lower Acc.", "Lower Evas./Attract PKMN", "All Stats normal", "Take dmg. + attk. in 3 turns",
    "Attk. 3 turns + confuse", "Opp. Switch PKMN", "Hit 2-5x", "Change to Attack type", "Target flinches",
    "Recover health", "Poison badly", "Earn money", "1/2 Spec. dmg f. 5 Rounds", "Hit + Pois./Parl./Frz.",
    "Sleep 3 turns + Full HP", "1 hit K.O", "Raise Critical chance", "Half HP", "Always 40 HP hit",
    "2-5 hits + Lower Evas.", "Critical Hit", "Hit 2x", "Hit or Self damage", "Prevent Status changes",
    "Raise Critical chance", "Hit + take 1/4 damage", "Confuse target", "Raise Attack sharply",
    "Raise Defence sharply", "Raise Speed sharply", "Raise Spec. Att. sharply", "Raise Spec. Def. sharply",
    "No Effect", "No Effect", "Transf. into Target", "Lower Attack sharply", "Lower Defence sharply",
    "Lower Speed sharply", "Lower Spec. Attk. sharply", "Lower Spec. Def. sharply", "No Effect", "No Effect",
    "Taken damage is 1/2", "Poison", "Parlyze", "Hit + Lower Attk.", "Hit + Lower Def.", "Hit + Lower Spd.",
    "Hit + Lower Spec. Attk.", "Hit + Lower Spec. Def.", "Hit + Lower Acc.", "No Effect", "Charge + Attack",
    "Hit + Confuse", "2 Hits + Poison", "Strike 1st + 100% hit", "Half HP + create Doll", "Attack + Charge",
    "Hit + Raise Attack", "Copy Opp.'s last Move", "Cast random Move", "Hit + Heal each round",
    "Nothing (Splash)", "Disable last used Move", "Power depends on Lvl.", "Hit (Attack x 1 - 1.5)",
    "Counter Attack", "Opp. repeats last Move", "Rest. HP ((HP + Opp. HP) / 2)",
    "Hit + 30% chance of Switch", "Own Type > Opp. Type", "Next attack hits 100%",
    "Learn last Move permanently", "No Effect", "Cause random Move while Slp.", "Defeat Pokémon",
    "Less HP = More Power", "Decrease last Moves PP", "Lower HP to 1", "Restore Team's Status",
    "Always 1st strike", "Hit 3x", "Steal Item", "Prevent escape", "Cause Nightmares", "Raise Evas.",
    "Cause Curse", "No Effect", "Protect target", "Cause dmg. on PKMN switch", "113",
    "Defeat after 3 rounds", "Cause a Sandstorm", "Survive Hit with at leat 1 HP", "Hit until miss",
    "Confuse + Raise Attk. sharply", "Raise Attk. until miss", "50% chance of not Attacking",
    "Power depends on Loyality", "Damage or Heal", "Raise Attk.", "Stop Psn. Moves f. 5 Rounds",
    "Hit + Burn", "126", "127", "128", "129", "130", "131", "132", "133", "134", "135", "136", "137", "138",
    "Hit + Raise Own Attk.", "140", "141", "142", "143", "144", "145", "146", "147", "148", "149", "150",
    "Charge > Attack", "152", "153", "154", "Hide > Attack", "156", "157", "158", "159", "160", "161", "162",
    "163", "164", "165", "166", "167", "168", "169", "170", "171", "172", "173", "174", "175", "176", "177",
    "178", "179", "180", "181", "182", "183", "184", "185", "186", "187", "188", "189", "190", "191", "192",
    "193", "194", "195", "196", "197", "Hit Targ. + Damage Self", "199", "200", "201", "202", "203", "204",
    "205", "206", "207", "208", "209", "210", "211", "212", "213",};
    return names;
}

const std::vector<std::string>& LegacyTargetNames() {
    static const std::vector<std::string> names = {
    "One Opponent Pokémon", "Your Pokémon", "2", "3", "Opponent [???]", "5", "6", "7",
    "Both Opponent Pokémon", "9", "10", "11", "12", "13", "14", "15", "Your two Pokémon", "17", "18", "19",
    "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "All", "33", "34", "35", "36",
    "37", "38", "39", "40", "41", "42", "43", "44", "45", "46", "47", "48", "49", "50", "51", "52", "53",
    "54", "55", "56", "57", "58", "59", "60", "61", "62", "63", "Your sent out Pokémon",};
    return names;
}

namespace {

// A list of size texts, empty but for the positions given.
std::vector<std::string> Positioned(std::size_t size,
                                    std::initializer_list<std::pair<std::size_t, const char*>> texts) {
    std::vector<std::string> names(size);
    for (const auto& [position, text] : texts) names[position] = text;
    return names;
}

} // namespace

const std::vector<std::string>& EarlierEffectNames() {
    static const std::vector<std::string> names = Positioned(214, {{39, "Charge > Attack (Razor Wind)"},
                                                                   {42, "Trap 2-5 turns (Wrap, Bind)"},
                                                                   {46, "No Stat lowering f. 5 Rounds"},
                                                                   {55, "Raise Accuracy sharply"},
                                                                   {63, "Lower Accuracy sharply"},
                                                                   {64, "Lower Evasion sharply"},
                                                                   {65, "1/2 Phys. dmg f. 5 Rounds"},
                                                                   {78, "Strikes last, never misses"},
                                                                   {79, "1/4 HP for a Substitute"},
                                                                   {84, "Drain HP each round (Seed)"},
                                                                   {88, "Random dmg. 0.5-1.5 x Lvl."},
                                                                   {92, "Hit while asleep (Snore)"},
                                                                   {98, "Faint together (Destiny Bond)"},
                                                                   {101, "Hit, leaves at least 1 HP"},
                                                                   {108, "Raise Evas. (Minimize)"},
                                                                   {113, "Foresight (ignore Evas.)"},
                                                                   {116, "Survive Hit with at least 1 HP"},
                                                                   {119, "Power doubles each hit"},
                                                                   {121, "Power depends on Loyalty"},
                                                                   {123, "Power rises as Loyalty falls"},
                                                                   {124, "Prevent Status f. 5 Rounds"},
                                                                   {125, "Hit + Burn, thaws user"},
                                                                   {127, "Switch, keep Stat changes"},
                                                                   {129, "Hit + free user (Rapid Spin)"},
                                                                   {132, "Heal by weather (Morning Sun)"},
                                                                   {133, "Heal by weather (Synthesis)"},
                                                                   {134, "Heal by weather (Moonlight)"},
                                                                   {140, "Hit + Raise all Own Stats"},
                                                                   {143, "Copy Opp.'s Stat changes"},
                                                                   {146, "Hit + Flinch, 2x on flying Opp."},
                                                                   {147, "Hit, 2x on digging Opp."},
                                                                   {150, "Hit + Flinch, 2x on Minimized"},
                                                                   {152, "Hit + Paralyze, sure in rain"},
                                                                   {154, "Hit once per team member"},
                                                                   {155, "Semi-invulnerable turn (Fly, Dig)"},
                                                                   {156, "Raise Def. (Defense Curl)"},
                                                                   {157, "Recover health (Softboiled)"},
                                                                   {159, "Uproar 2-5 turns, no sleep"},
                                                                   {161, "Hit by Stockpile (Spit Up)"},
                                                                   {162, "Heal by Stockpile (Swallow)"},
                                                                   {165, "No Move twice (Torment)"},
                                                                   {166, "Confuse + Raise Sp. Attk."},
                                                                   {168, "Faint + Lower Attk./Sp. Attk."},
                                                                   {169, "2x Power if user has Status"},
                                                                   {171, "2x on paralyzed, cures it"},
                                                                   {172, "Draw attacks (Follow Me)"},
                                                                   {173, "Move by terrain (Nature Power)"},
                                                                   {175, "Only attacking Moves (Taunt)"},
                                                                   {179, "Heal 1/2 HP next turn (Wish)"},
                                                                   {180, "Random Move of team (Assist)"},
                                                                   {181, "Heal each turn, no switch"},
                                                                   {182, "Hit + Lower Own Attk./Def."},
                                                                   {183, "Bounce back Status Moves"},
                                                                   {187, "Sleep next turn (Yawn)"},
                                                                   {189, "Cut Opp.'s HP to user's"},
                                                                   {190, "More Power with more HP"},
                                                                   {192, "Seal Moves user knows"},
                                                                   {193, "Cure own Burn/Psn./Parl."},
                                                                   {194, "Grudge (KO drains PP)"},
                                                                   {195, "Steal helping Move (Snatch)"},
                                                                   {196, "Power by Opp.'s weight"},
                                                                   {200, "Hit + Burn, high Critical"},
                                                                   {201, "Weaken Electric (Mud Sport)"},
                                                                   {203, "Type by weather (Weather Ball)"},
                                                                   {204, "Hit + Lower Own Sp. Attk. sharply"},
                                                                   {209, "Hit + Poison, high Critical"},
                                                                   {210, "Weaken Fire (Water Sport)"},
                                                                   {211, "Raise Sp. Attk. + Sp. Def."},
                                                                   {213, "Type by terrain (Camouflage)"}});
    return names;
}

const std::vector<std::string>& EarlierTargetNames() {
    static const std::vector<std::string> names = Positioned(
        65, {{1, "Depends on the move"}, {2, "User or selected target"}, {32, "Both opponents and partner"}});
    return names;
}

} // namespace rom
