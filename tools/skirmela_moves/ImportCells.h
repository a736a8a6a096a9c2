#pragma once
// How an import reads a cell before any column's rule judges it: as UTF-8 text, and as hex bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace moves {

// Why the cell is no UTF-8 text, or "" when it is: a malformed byte is never taken for a character.
std::string MalformedTextFault(std::string_view cell);

// Upper-case hex of count bytes, or nullopt; blanks around it allowed, lower-case digits taken.
std::optional<std::vector<std::uint8_t>> ParseHexCell(std::string_view cell, std::size_t count);

} // namespace moves
