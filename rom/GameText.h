#pragma once
// The game's one-byte character encoding of names. Display text is UTF-8; one display character is a
// code point. The two directions are not mirror images: some bytes decode to text that never encodes.

#include <string>
#include <string_view>
#include <vector>

namespace rom {

// Display text of a hex string: pair by pair, stopping at "FF"; pairs not in the table are skipped.
// Pairs are compared exactly, so lower-case hex is not in the table.
std::string DecodeGameText(std::string_view hex);

// The hex pair of one display character, or "" when the character has no code.
std::string EncodeGameChar(char32_t c);

// The 13-character field text of a name: the name, the terminator mark "^", blanks; cut to 13.
std::u32string NameFieldText(std::u32string_view name);

// The 13 pairs of a name's field text, in entry order; a character without a code gives "".
std::vector<std::string> EncodeNameField(std::u32string_view name);

} // namespace rom
