#pragma once
// What a ROM's header says about it: game code, revision, size, and the table words some games carry
// after the cartridge header. Read once at open; nothing here is trusted beyond the file's size.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rom {

inline constexpr std::int64_t GameCodeOffset = 0xAC;
inline constexpr std::int64_t RevisionOffset = 0xBC;
// 32-bit little-endian addresses of move 0's name entry and of move 0's record.
inline constexpr std::int64_t NamesWordOffset = 0x148;
inline constexpr std::int64_t RecordsWordOffset = 0x1CC;
// A file offset as the game addresses it: 0x08000000 + offset.
inline constexpr std::uint32_t CartridgeAddressBase = 0x08000000;
// The file offset a cartridge address stands for (negative below the cartridge), and back.
constexpr std::int64_t AddressOffset(std::uint32_t address) {
    return std::int64_t{address} - CartridgeAddressBase;
}
constexpr std::uint32_t OffsetAddress(std::int64_t offset) {
    return CartridgeAddressBase + static_cast<std::uint32_t>(offset);
}
// Enough of the file to hold every field above.
inline constexpr std::int64_t HeaderReadLength = RecordsWordOffset + 4;

struct RomHeader {
    std::string gameCode;                   // the four bytes at 0xAC, as read; shorter for a tiny file
    int revision = 0;                       // the byte at 0xBC; 0 for a file too short to hold it
    std::int64_t size = 0;                  // the file's length in bytes
    std::optional<std::uint32_t> namesWord; // only for games that carry the words, and files that hold them
    std::optional<std::uint32_t> recordsWord;
};

// Whether the game code belongs to a game whose header carries the table words (BPR?, BPG?, BPE?).
bool CarriesTableWords(std::string_view gameCode);

// The header of an image whose first bytes are given (fewer than HeaderReadLength for a short file)
// and whose whole length is size. Never fails.
RomHeader ParseRomHeader(std::span<const std::uint8_t> firstBytes, std::int64_t size);

// ParseRomHeader of the file at path. Throws FileAccessError when it cannot be read.
RomHeader ReadRomHeader(const std::filesystem::path& path);

} // namespace rom
