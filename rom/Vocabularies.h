#pragma once
// The fixed vocabularies of the list fields: the stored byte is the position in the list.

#include <string>
#include <vector>

namespace rom {

const std::vector<std::string>& TypeNames();   // 18 entries, 0 "Normal" to 17 "Dark"
const std::vector<std::string>& EffectNames(); // 214 entries, 0 "Normal Hit" to 213
const std::vector<std::string>& TargetNames(); // 65 entries, 0 "One Opponent Pokémon" to 64

} // namespace rom
