#pragma once
// JSON text of the values the tool prints.

#include <string>
#include <string_view>

namespace moves {

// The UTF-8 text as a JSON string literal: quotes, backslashes and control characters escaped
// ("\r", "\n", "\u0001"). Never fails.
std::string JsonString(std::string_view text);

} // namespace moves
