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
    "Store dmg., return 2x", "Rampage + confuse", "Opp. Switch PKMN", "Hit 2-5x",
    // 30
    "Take a Move's type", "Target flinches", "Recover health", "Poison badly", "Earn money",
    "Light Screen", "Hit + Burn/Parl./Frz.", "Sleep + Full HP", "1 hit K.O",
    "Charge > Razor Wind",
    // 40
    "Half HP", "Always 40 HP hit", "Trap 2-5 turns", "High Critical chance", "Hit 2x",
    "Hit or Self damage", "No Stat drops 5 turns", "Raise Critical chance", "Hit + 1/4 recoil",
    "Confuse target",
    // 50
    "Raise Attack sharply", "Raise Def. sharply", "Raise Speed sharply", "Sp. Attk. up sharply",
    "Sp. Def. up sharply", "Raise Acc. sharply", "Raise Evasion sharply", "Transf. into Target",
    "Lower Attack sharply", "Lower Def. sharply",
    // 60
    "Lower Speed sharply", "Sp. Atk. down sharply", "Sp. Def. down sharply", "Lower Acc. sharply",
    "Lower Evas. sharply", "Reflect", "Poison", "Paralyze", "Hit + Lower Attk.",
    "Hit + Lower Def.",
    // 70
    "Hit + Lower Spd.", "Hit + Lower Sp. Attk.", "Hit + Lower Sp. Def.", "Hit + Lower Acc.",
    "Hit + Lower Evas.", "Charge + Attack", "Hit + Confuse", "2 Hits + Poison", "Last, never misses",
    "1/4 HP: Substitute",
    // 80
    "Attack + Charge", "Hit + Raise Attack", "Copy Opp.'s last one", "Cast random Move",
    "Seed: drain each turn", "Nothing (Splash)", "Disable last Move", "Power by user's Lvl.",
    "Dmg. 0.5-1.5 x Lvl.", "Counter Attack",
    // 90
    "Opp. repeats Move", "Share HP (Pain Split)", "Hit while asleep",
    "Resist Opp.'s type", "Next hit never misses", "Learn Opp.'s Move", "96",
    "Random Move asleep", "Destiny Bond", "Less HP, more Power",
    // 100
    "Cut last Move's PP", "Hit, leave 1 HP", "Cure Team's Status", "Always 1st strike",
    "Hit 3x", "Steal Item", "Prevent escape", "Cause Nightmares", "Minimize", "Cause Curse",
    // 110
    "110", "Protect user", "Spikes on switch", "Foresight", "Defeat after 3 rounds",
    "Cause a Sandstorm", "Endure with 1 HP", "Hit until miss", "Confuse, Attk. +2",
    "2x Power each hit",
    // 120
    "Infatuate (Attract)", "Power by Loyalty", "Damage or Heal",
    "Power by disloyalty", "No Status 5 turns", "Hit + Burn, thaw", "Magnitude",
    "Baton Pass", "2x on switching Opp.", "Hit + Rapid Spin",
    // 130
    "Always 20 HP hit", "131", "Weather heal (Sun)", "Weather heal (Synth)",
    "Weather heal (Moon)", "Hidden Power", "Cause rain", "Cause sunshine", "Hit + Raise Own Def.",
    "Hit + Raise Own Attk.",
    // 140
    "Hit + raise all Stats", "141", "1/2 HP for max. Attk.", "Copy Stat changes",
    "Return 2x Spec. dmg.", "Raise Def., then hit", "Flinch, 2x on flying",
    "Hit, 2x on digging", "Hit 2 turns later", "Hit, 2x on flying Opp.",
    // 150
    "Flinch, 2x Minimized", "Charge > Attack", "Paralyze, sure in rain",
    "Flee from wild battle", "Hit per team member", "Away 1 turn (Fly, Dig)",
    "Defense Curl", "Recover (Softboiled)", "Flinch, 1st turn only",
    "Uproar 2-5 turns",
    // 160
    "Stockpile", "Spit Up", "Swallow", "163", "Cause hail",
    "Torment", "Confuse, Sp. Attk. +1", "Burn", "Faint, Opp. Attk. -2",
    "2x if user has Status",
    // 170
    "Fails if user is hit first", "2x on paralyzed, cure", "Follow Me",
    "Nature Power", "2x next Electric Move", "Taunt",
    "Boost partner's Move", "Swap Items", "Copy Opp.'s Ability", "Wish",
    // 180
    "Assist", "Ingrain", "Hit, own Atk./Def. -1",
    "Magic Coat", "Recover used Item", "2x Power if hit first", "Hit + break Screens",
    "Sleep next turn", "Hit + Knock off Item", "Opp.'s HP to user's",
    // 190
    "More HP, more Power", "Swap Abilities", "Imprison", "Cure own Status",
    "Grudge", "Snatch", "Power by weight",
    "Hit + effect by terrain", "Hit + 1/3 recoil", "Confuse all others",
    // 200
    "Burn, high Critical", "Mud Sport", "Hit + Poison badly",
    "Weather Ball", "Hit, own Sp. Atk. -2", "Lower Attk. + Def.",
    "Raise Def. + Sp. Def.", "Hit, hits flying Opp.", "Raise Attk. + Def.", "Poison, high Critical",
    // 210
    "Water Sport", "Sp. Attk. + Sp. Def.", "Raise Attk. + Spd.",
    "Camouflage",};
    return names;
}

const std::vector<std::string>& TargetNames() {
    static const std::vector<std::string> names = {
    "Selected target", "Set by the move", "User or selected", "3", "Random opponent", "5", "6",
    "7", "Both opponents", "9", "10", "11", "12", "13", "14", "15", "User", "17", "18", "19", "20", "21",
    "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "All but the user", "33", "34",
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
