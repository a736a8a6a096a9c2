#include "rom/NamePadding.h"

#include <algorithm>

namespace rom {
namespace {

constexpr std::uint8_t EndByte = 0xFF, Blank = 0x00;

// The position of the entry's end byte; the entry's length when it has none.
std::size_t EndOf(const NameEntry& entry) {
    return static_cast<std::size_t>(std::find(entry.begin(), entry.end(), EndByte) - entry.begin());
}

} // namespace

NameEntry PaddedNameEntry(const NameEntry& encoded, const NameEntry& current) {
    const std::size_t end = EndOf(encoded), currentEnd = EndOf(current);
    if (end == 0 || end >= encoded.size()) return encoded;
    const std::uint8_t padding = currentEnd + 1 < current.size() ? current[currentEnd + 1] : Blank;
    NameEntry entry = encoded;
    for (std::size_t i = end + 1; i < entry.size(); ++i) entry[i] = i > currentEnd ? current[i] : padding;
    return entry;
}

} // namespace rom
