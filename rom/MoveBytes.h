#pragma once
// A move as its bytes lie in the ROM: the 13-byte name entry and the 12-byte record of move k, read
// from a whole image through tables that were verified, and the plausibility rules of a move table.

#include "rom/MoveRecord.h"
#include "rom/MoveTables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rom {

// 12 x k is formed as a signed 16-bit number, so moves 0 to 2730 can be reached.
inline constexpr int MaxMoveCount = 2731;

using NameEntry = std::array<std::uint8_t, MoveNameFieldLength>;
using RecordBytes = std::array<std::uint8_t, MoveRecordSize>;

// Bytes 7 and 8 of a record, and the three bytes after them that the released games leave 0.
inline constexpr int PriorityByte = 7;
inline constexpr int FlagsByte = 8;
inline constexpr int PaddingByte = 9;
inline constexpr int PaddingLength = MoveRecordSize - PaddingByte;

struct MoveRow {
    int move = 0;
    std::string name;  // decoded display text, UTF-8; may hold texts that never encode back
    NameEntry entry{}; // the name entry as stored
    RecordBytes bytes{};

    // The seven fields the window reads and writes (bytes 0 to 6).
    MoveRecord Record() const;
};

// The file offset of move k's name entry: S + (k - 1) x 13. Throws PositionError beyond 32 bits.
std::int64_t NameEntryOffset(const MoveTables& at, int k);

// The file offset of the first byte of move k's record: D + 12 x k. Throws PositionError for a move
// beyond the table's 16-bit reach.
std::int64_t RecordOffset(const MoveTables& at, int k);

// Moves 0 to moveCount - 1 of the image. Throws TableError when a table reaches outside the image:
// zeros read from beyond its end must never be taken for the ROM's contents.
std::vector<MoveRow> ReadMoveRows(std::span<const std::uint8_t> image, const MoveTables& at,
                                  int moveCount = StandardMoveCount);

// The entry that stores a name as the window saves it: its units, the end byte, blanks. nullopt
// when a unit has no code in the game's table.
std::optional<NameEntry> EncodeNameEntry(std::u32string_view name);

// Why the bytes at the tables do not look like a move table of moveCount moves, or "" when they do:
// the tables lie inside the image; move 0's name entry is the placeholder, hyphens and the end
// byte; every other name ends at its end byte within 13 bytes or fills them with characters; and
// every record has an accuracy and an effect chance of at most 100, a PP of at most 64, a target of
// at most one bit and a priority from -8 to 8. Never fails.
std::string MoveTableFault(std::span<const std::uint8_t> image, const MoveTables& tables, int moveCount);

// The bytes as upper-case hex without separators. Never fails.
std::string HexText(std::span<const std::uint8_t> bytes);

} // namespace rom
