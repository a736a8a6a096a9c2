#pragma once
// The game's own type names: a table of 7-byte entries, one per type value, each up to 6 characters
// of the game's text and the end byte FF. The table is found through the code words of the
// profile's [Typenametable] section (rom/CodeWordTable.h); it holds the run of valid names from its
// first entry.

#include "rom/CodeWordTable.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace rom {

inline constexpr int TypeNameEntryLength = 7;
// A type is one byte: at most 256 names.
inline constexpr int MaxTypeNames = 256;
// The released games' 18 types; a table with fewer valid names is not the game's.
inline constexpr int ReleasedTypeCount = 18;

// The names of the run of valid entries from the start of bytes (an entry: 1 to 6 characters of the
// game's table, no line break, then FF), decoded to UTF-8. Never fails.
std::vector<std::string> ReadTypeNameEntries(std::span<const std::uint8_t> bytes);

// Why the bytes at offset are no type-name table (fewer than 18 valid names), or "". Never fails.
std::string TypeNameTableFault(std::int64_t offset, const ReadRange& read);

struct RomTypeNames {
    std::vector<std::string> names; // type value v at v; empty when unavailable
    CodeWordTable table;            // where they were read, or why they were not
};

// The ROM's type names through the profile's [Typenametable] section (a revision's own first). A
// profile without the section leaves them unavailable with the reason. Throws TableError for a
// malformed section, as the move tables' sections.
RomTypeNames ReadRomTypeNames(const ProfileKeyLookup& lookup, int revision, bool profileIsShipped,
                              std::int64_t fileSize, const ReadRange& read);

} // namespace rom
