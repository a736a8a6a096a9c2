#pragma once
// The move table of a ROM as the tool reads it: the tables found by the same rules as the window's
// (the game's profile, its revision sections, the header's table words, tables inside the file), and
// the name entry and 12-byte record of every move.

#include "rom/MoveRecord.h"
#include "rom/MoveTables.h"
#include "rom/RomHeader.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace moves {

inline constexpr int NameStride = rom::MoveNameFieldLength;
// 12 x k is formed as a signed 16-bit number, so moves 0 to 2730 can be reached.
inline constexpr int MaxMoveCount = 2731;

using NameEntry = std::array<std::uint8_t, rom::MoveNameFieldLength>;
using RecordBytes = std::array<std::uint8_t, rom::MoveRecordSize>;

struct MoveRow {
    int move = 0;
    std::string name;  // decoded display text, UTF-8; may hold texts that never encode back
    NameEntry entry{}; // the name entry as stored
    RecordBytes bytes{};

    // The seven fields the window reads and writes (bytes 0 to 6).
    rom::MoveRecord Record() const;
};

// A ROM read whole, with the tables it is read and written through.
struct OpenedRom {
    rom::RomHeader header;
    rom::MoveTables tables;
    std::vector<std::uint8_t> image;
    std::vector<MoveRow> rows;
};

// The profile file of the ROM's game code in dataDir. Throws editor::GameCodeError for a ROM
// without a usable code, rom::TableError when the profile does not exist (it is not created).
std::filesystem::path FindProfile(const std::filesystem::path& rom, const std::filesystem::path& dataDir);

// A lookup of the "offset" key of a section in the text of a profile, by the profile rules.
rom::ProfileLookup ProfileTextLookup(std::string text);

// The file offset of name byte i of move k: S + (k - 1) x 13 + i.
std::int64_t NameByteOffset(const rom::MoveTables& at, int k, int i);

// The file offset of the first byte of move k's record: D + 12 x k.
std::int64_t RecordOffset(const rom::MoveTables& at, int k);

// Moves 0 to moveCount - 1 of the ROM image. Throws rom::TableError when a table reaches outside
// the image: zeros read from beyond its end must never be taken for the ROM's contents.
std::vector<MoveRow> ReadMoveRows(const std::vector<std::uint8_t>& image, const rom::MoveTables& at,
                                  int moveCount = rom::StandardMoveCount);

// The whole file; throws rom::FileAccessError when it cannot be read.
std::vector<std::uint8_t> ReadRomFile(const std::filesystem::path& path);

// The text file whole; throws rom::FileAccessError when it cannot be read.
std::string ReadWholeTextFile(const std::filesystem::path& path);

// Reads the ROM and its moves as the window opens it: the game code's profile in dataDir, its
// ".revN" sections for a later revision, strict offsets, agreement with the header's table words,
// tables inside the file. Throws editor::GameCodeError, rom::FileAccessError or rom::TableError
// (rom::ProfileMismatch when the header words disagree; its text says how to fix the profile).
OpenedRom OpenMoveTable(const std::filesystem::path& rom, const std::filesystem::path& dataDir,
                        int moveCount = rom::StandardMoveCount);

} // namespace moves
