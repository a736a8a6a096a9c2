#include "tools/skirmela_moves/ImportCells.h"

#include "rom/HexFunctions.h"
#include "rom/Utf8.h"
#include "rom/WholeNumber.h"
#include "tools/skirmela_moves/MoveFields.h"

namespace moves {

std::string MalformedTextFault(std::string_view cell) {
    const std::optional<rom::MalformedUtf8> bad = rom::FindMalformedUtf8(cell);
    if (!bad) return "";
    return ShownName(rom::ShowMalformedUtf8(cell)) + " is not UTF-8 text (" +
           rom::DescribeMalformedUtf8(cell, *bad) + ")";
}

std::optional<std::vector<std::uint8_t>> ParseHexCell(std::string_view cell, std::size_t count) {
    cell = rom::TrimBlanks(cell);
    if (cell.size() != 2 * count) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < cell.size(); i += 2) {
        std::string pair(cell.substr(i, 2));
        for (char& ch : pair)
            if (ch >= 'a' && ch <= 'f') ch = static_cast<char>(ch - 'a' + 'A');
        if (pair.find_first_not_of("0123456789ABCDEF") != std::string::npos) return std::nullopt;
        bytes.push_back(rom::ParseHexPair(pair));
    }
    return bytes;
}

} // namespace moves
