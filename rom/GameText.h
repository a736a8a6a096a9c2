#pragma once
// The game's one-byte character encoding of names. Display text is UTF-8 (UTF-32 where it is split).
// Decoding gives one code point a byte, except the line break 0xFE, which shows as CR LF. Encoding
// works on units: one display character, or a text that stands for one byte as a whole (CR LF, and
// "[...]", "[m]", "[f]", "[x]", the way older versions of this editor showed 0xB0, 0xB5, 0xB6, 0xB9).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rom {

// Display text of a hex string: pair by pair, stopping at "FF"; pairs not in the table are skipped.
// Pairs are compared exactly, so lower-case hex is not in the table.
std::string DecodeGameText(std::string_view hex);

// Display text of game bytes, byte by byte, stopping at FF; bytes that show nothing are skipped.
std::string DecodeGameBytes(std::span<const std::uint8_t> bytes);

// The hex pair of one display character, or "" when the character has no code. A straight double
// quote is written as the opening quote 0xB1, an apostrophe as 0xB4, the terminator mark "^" as FF.
std::string EncodeGameChar(char32_t c);

// The hex pair of one unit (a single character or a multi-character unit), or "" when it has none.
std::string EncodeGameUnit(std::u32string_view unit);

// The units of a display text, first to last; a multi-character unit is taken whole wherever it
// starts. Never fails: characters without a code are units of their own.
std::vector<std::u32string> SplitGameUnits(std::u32string_view text);

// The 13 units of a name's entry: the name's units, the terminator mark "^", blanks; cut to 13 units.
std::vector<std::u32string> NameFieldUnits(std::u32string_view name);

// The field text of a name: its 13 units joined (more than 13 characters when a unit has several).
std::u32string NameFieldText(std::u32string_view name);

// The 13 pairs of a name's field, in entry order; a unit without a code gives "".
std::vector<std::string> EncodeNameField(std::u32string_view name);

} // namespace rom
