#pragma once
// The fixed vocabularies of the list fields: the stored byte is the position in the list. Each text
// says what the game does with the value; the texts shown before are kept for reading old tables.

#include <array>
#include <string>
#include <vector>

namespace rom {

const std::vector<std::string>& TypeNames();   // 18 entries, 0 "Normal" to 17 "Dark"
const std::vector<std::string>& EffectNames(); // 214 entries, 0 "Normal Hit" to 213
const std::vector<std::string>& TargetNames(); // 65 entries, 0 "Selected target" to 64 "Opponents' field"

// The texts of the same positions as earlier versions showed them ("Your two Pokémon" for 16),
// which tables exported then hold. Several of them name more than one value ("No effect").
const std::vector<std::string>& LegacyEffectNames();
const std::vector<std::string>& LegacyTargetNames();
// The longer texts the window and the tool showed before the texts were shortened to fit the
// window's lists, where they differ from both lists above; "" at every other position.
const std::vector<std::string>& EarlierEffectNames();
const std::vector<std::string>& EarlierTargetNames();

// Bits 0 to 5 of record byte 8, bit i at position i; the game ignores bits 6 and 7.
struct MoveFlag {
    const char* key;  // the name a table writes: "contact"
    const char* text; // what the game does with the bit set: "Makes contact"
};
inline constexpr int MoveFlagCount = 6;
const std::array<MoveFlag, MoveFlagCount>& MoveFlags();

} // namespace rom
