#pragma once
// A move as its bytes lie in the ROM: the 13-byte name entry and the 12-byte record of move k, read
// from a whole image through tables that were verified, and the plausibility rules of a move table.

#include "rom/MoveRecord.h"
#include "rom/MoveTables.h"

#include <array>
#include <cstdint>
#include <functional>
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

// The priority is a signed byte: -128 to 127, stored as its two's complement.
inline constexpr int PriorityLowest = -128;
inline constexpr int PriorityHighest = 127;

// Move 0 always keeps the placeholder name "-", whatever name is given for it.
inline constexpr std::u32string_view MoveZeroName = U"-";

// The name move k is stored with: name, or MoveZeroName for move 0.
constexpr std::u32string_view StoredName(int k, std::u32string_view name) {
    return k == 0 ? MoveZeroName : name;
}

// The bytes of the file from offset on, at most length of them (fewer at the file's end).
using ReadRange = std::function<std::vector<std::uint8_t>(std::int64_t offset, std::int64_t length)>;

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

// The bytes as upper-case hex without separators. Never fails.
std::string HexText(std::span<const std::uint8_t> bytes);

} // namespace rom
