#pragma once
// The one reader of whole numbers typed by people into profiles, table cells and options: decimal
// digits only, blanks around them allowed. Readers of the window's field texts follow other rules.

#include <cstdint>
#include <optional>
#include <string_view>

namespace rom {

// The text without the blanks and tabs around it.
std::string_view TrimBlanks(std::string_view text);

// A whole number 0 to max in decimal digits, blanks and tabs around it allowed; nullopt for anything
// else: no digits, a sign, a fraction, an exponent, hex, a blank between digits, more than max.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text, std::int64_t max);

} // namespace rom
