#pragma once
// The move table of a ROM as the window reads it: where the profile puts the two tables, and the
// name, record and untouched bytes of moves 0 to 354.

#include "rom/MoveRecord.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace moves {

// The window reads names 0 to 353 after the placeholder, so the table holds moves 0 to 354.
inline constexpr int LastMove = 354;
inline constexpr int NameStride = rom::MoveNameFieldLength;
inline constexpr int UntouchedLength = rom::MoveRecordSize - rom::MoveFieldCount;

// The profile is missing or unusable, or its tables do not lie inside the ROM.
class TableError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The two table positions of a profile, as written there (the save plan takes the texts) and as numbers.
struct TableLocation {
    std::string nameStartText;
    std::string dataOffsetText;
    std::int32_t nameStart = 0;  // name of move 1; move 0's entry lies 13 bytes before
    std::int32_t dataOffset = 0; // record of move 0
};

struct MoveRow {
    int move = 0;
    std::string name; // decoded display text, UTF-8; may hold texts that never encode ("[m]", CR LF)
    rom::MoveRecord record;
    std::array<std::uint8_t, UntouchedLength> untouched{};
};

// The profile file of the ROM's game code in dataDir. Throws editor::GameCodeError for a ROM
// without a usable code, TableError when the profile does not exist (it is not created).
std::filesystem::path FindProfile(const std::filesystem::path& rom, const std::filesystem::path& dataDir);

// The table positions of a profile's text. Throws TableError unless both offsets are whole
// numbers from 0 to 2^31 - 1.
TableLocation ReadTableLocation(std::istream& profile);

// ReadTableLocation of the file at path; throws TableError when it cannot be read.
TableLocation ReadTableLocationFile(const std::filesystem::path& path);

// The file offset of name byte i of move k: S + (k - 1) x 13 + i.
std::int64_t NameByteOffset(const TableLocation& at, int k, int i);

// The file offset of the first byte of move k's record: D + 12 x k.
std::int64_t RecordOffset(const TableLocation& at, int k);

// Moves 0 to LastMove of the ROM image. Throws TableError when a table reaches outside the image:
// the window would show zeros there, which an import must never take for the ROM's contents.
std::vector<MoveRow> ReadMoveRows(const std::vector<std::uint8_t>& image, const TableLocation& at);

// The whole file; throws rom::FileAccessError when it cannot be read.
std::vector<std::uint8_t> ReadRomFile(const std::filesystem::path& path);

} // namespace moves
