#include "rom/Vocabularies.h"

// Texts are UTF-8 and say what the game does with each value. A value the released games never use
// shows its number.

namespace rom {

const std::vector<std::string>& TypeNames() {
    static const std::vector<std::string> names = {
    "Normal", "Fighting", "Flying", "Poison", "Ground", "Rock", "Bug", "Ghost", "Steel", "???", "Fire",
    "Water", "Grass", "Electric", "Psychic", "Ice", "Dragon", "Dark",};
    return names;
}

const std::vector<std::string>& EffectNames() {
    static const std::vector<std::string> names = {
    // 0
    "Normal Hit", "Put to Sleep", "Hit + Poison", "Hit + Heal", "Hit + Burn", "Hit + Freeze",
    "Hit + Paralyze", "Hit + Selfdestruct", "Hit if Opp. is sleeping", "Copy Attack of Opp.",
    // 10
    "Raise Attk.", "Raise Def.", "Raise Spd.", "Raise Sp. Attk.", "Raise Sp. Def.", "Raise Acc.",
    "Raise Evas.", "Never misses", "Lower Attk.", "Lower Def.",
    // 20
    "Lower Spd.", "Lower Sp. Attk.", "Lower Sp. Def.", "Lower Acc.", "Lower Evas.", "All Stats normal",
    "Take dmg. + attk. in 3 turns", "Attk. 3 turns + confuse", "Opp. Switch PKMN", "Hit 2-5x",
    // 30
    "Change to Attack type", "Target flinches", "Recover health", "Poison badly", "Earn money",
    "1/2 Spec. dmg f. 5 Rounds", "Hit + Burn/Parl./Frz.", "Sleep 3 turns + Full HP", "1 hit K.O",
    "Charge > Attack (Razor Wind)",
    // 40
    "Half HP", "Always 40 HP hit", "Trap 2-5 turns (Wrap, Bind)", "High Critical chance", "Hit 2x",
    "Hit or Self damage", "No Stat lowering f. 5 Rounds", "Raise Critical chance", "Hit + take 1/4 damage",
    "Confuse target",
    // 50
    "Raise Attack sharply", "Raise Defence sharply", "Raise Speed sharply", "Raise Spec. Att. sharply",
    "Raise Spec. Def. sharply", "Raise Accuracy sharply", "Raise Evasion sharply", "Transf. into Target",
    "Lower Attack sharply", "Lower Defence sharply",
    // 60
    "Lower Speed sharply", "Lower Spec. Attk. sharply", "Lower Spec. Def. sharply", "Lower Accuracy sharply",
    "Lower Evasion sharply", "1/2 Phys. dmg f. 5 Rounds", "Poison", "Paralyze", "Hit + Lower Attk.",
    "Hit + Lower Def.",
    // 70
    "Hit + Lower Spd.", "Hit + Lower Spec. Attk.", "Hit + Lower Spec. Def.", "Hit + Lower Acc.",
    "Hit + Lower Evas.", "Charge + Attack", "Hit + Confuse", "2 Hits + Poison", "Strikes last, never misses",
    "1/4 HP for a Substitute",
    // 80
    "Attack + Charge", "Hit + Raise Attack", "Copy Opp.'s last Move", "Cast random Move",
    "Drain HP each round (Seed)", "Nothing (Splash)", "Disable last used Move", "Power depends on Lvl.",
    "Random dmg. 0.5-1.5 x Lvl.", "Counter Attack",
    // 90
    "Opp. repeats last Move", "Rest. HP ((HP + Opp. HP) / 2)", "Hit while asleep (Snore)",
    "Own Type > Opp. Type", "Next attack hits 100%", "Learn last Move permanently", "96",
    "Cause random Move while Slp.", "Faint together (Destiny Bond)", "Less HP = More Power",
    // 100
    "Decrease last Moves PP", "Hit, leaves at least 1 HP", "Restore Team's Status", "Always 1st strike",
    "Hit 3x", "Steal Item", "Prevent escape", "Cause Nightmares", "Raise Evas. (Minimize)", "Cause Curse",
    // 110
    "110", "Protect user", "Cause dmg. on PKMN switch", "Foresight (ignore Evas.)", "Defeat after 3 rounds",
    "Cause a Sandstorm", "Survive Hit with at least 1 HP", "Hit until miss", "Confuse + Raise Attk. sharply",
    "Power doubles each hit",
    // 120
    "50% chance of not Attacking", "Power depends on Loyalty", "Damage or Heal",
    "Power rises as Loyalty falls", "Prevent Status f. 5 Rounds", "Hit + Burn, thaws user", "Magnitude",
    "Switch, keep Stat changes", "2x on switching Opp.", "Hit + free user (Rapid Spin)",
    // 130
    "Always 20 HP hit", "131", "Heal by weather (Morning Sun)", "Heal by weather (Synthesis)",
    "Heal by weather (Moonlight)", "Hidden Power", "Cause rain", "Cause sunshine", "Hit + Raise Own Def.",
    "Hit + Raise Own Attk.",
    // 140
    "Hit + Raise all Own Stats", "141", "1/2 HP for max. Attk.", "Copy Opp.'s Stat changes",
    "Return 2x Spec. dmg.", "Raise Def., then hit", "Hit + Flinch, 2x on flying Opp.",
    "Hit, 2x on digging Opp.", "Hit 2 turns later", "Hit, 2x on flying Opp.",
    // 150
    "Hit + Flinch, 2x on Minimized", "Charge > Attack", "Hit + Paralyze, sure in rain",
    "Flee from wild battle", "Hit once per team member", "Semi-invulnerable turn (Fly, Dig)",
    "Raise Def. (Defense Curl)", "Recover health (Softboiled)", "Flinch, 1st turn only",
    "Uproar 2-5 turns, no sleep",
    // 160
    "Stockpile", "Hit by Stockpile (Spit Up)", "Heal by Stockpile (Swallow)", "163", "Cause hail",
    "No Move twice (Torment)", "Confuse + Raise Sp. Attk.", "Burn", "Faint + Lower Attk./Sp. Attk.",
    "2x Power if user has Status",
    // 170
    "Fails if user is hit first", "2x on paralyzed, cures it", "Draw attacks (Follow Me)",
    "Move by terrain (Nature Power)", "2x next Electric Move", "Only attacking Moves (Taunt)",
    "Boost partner's Move", "Swap Items", "Copy Opp.'s Ability", "Heal 1/2 HP next turn (Wish)",
    // 180
    "Random Move of team (Assist)", "Heal each turn, no switch", "Hit + Lower Own Attk./Def.",
    "Bounce back Status Moves", "Recover used Item", "2x Power if hit first", "Hit + break Screens",
    "Sleep next turn (Yawn)", "Hit + Knock off Item", "Cut Opp.'s HP to user's",
    // 190
    "More Power with more HP", "Swap Abilities", "Seal Moves user knows", "Cure own Burn/Psn./Parl.",
    "Grudge (KO drains PP)", "Steal helping Move (Snatch)", "Power by Opp.'s weight",
    "Hit + effect by terrain", "Hit Targ. + Damage Self", "Confuse all others",
    // 200
    "Hit + Burn, high Critical", "Weaken Electric (Mud Sport)", "Hit + Poison badly",
    "Type by weather (Weather Ball)", "Hit + Lower Own Sp. Attk. sharply", "Lower Attk. + Def.",
    "Raise Def. + Sp. Def.", "Hit, hits flying Opp.", "Raise Attk. + Def.", "Hit + Poison, high Critical",
    // 210
    "Weaken Fire (Water Sport)", "Raise Sp. Attk. + Sp. Def.", "Raise Attk. + Spd.",
    "Type by terrain (Camouflage)",};
    return names;
}

const std::vector<std::string>& TargetNames() {
    static const std::vector<std::string> names = {
    "Selected target", "Depends on the move", "User or selected target", "3", "Random opponent", "5", "6",
    "7", "Both opponents", "9", "10", "11", "12", "13", "14", "15", "User", "17", "18", "19", "20", "21",
    "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "Both opponents and partner", "33", "34",
    "35", "36", "37", "38", "39", "40", "41", "42", "43", "44", "45", "46", "47", "48", "49", "50", "51",
    "52", "53", "54", "55", "56", "57", "58", "59", "60", "61", "62", "63", "Opponents' field",};
    return names;
}

const std::array<MoveFlag, MoveFlagCount>& MoveFlags() {
    static const std::array<MoveFlag, MoveFlagCount> flags = {{
        {"contact", "Makes contact"},
        {"protect", "Blocked by Protect"},
        {"magic_coat", "Reflected by Magic Coat"},
        {"snatch", "Stolen by Snatch"},
        {"mirror_move", "Copied by Mirror Move"},
        {"kings_rock", "Triggers King's Rock"},
    }};
    return flags;
}

} // namespace rom
