#pragma once
// The profiles that come with the program, as they were shipped: a profile whose text is one of
// them unchanged describes the released game, not a ROM someone modified.

#include <optional>
#include <string>
#include <string_view>

namespace rom {

// The shipped profile text of the game code, byte for byte, or nullopt when none is shipped.
std::optional<std::string_view> ShippedProfileText(std::string_view gameCode);

// Whether text is the shipped profile of the game code, unchanged.
bool IsShippedProfile(std::string_view gameCode, std::string_view text);

} // namespace rom
