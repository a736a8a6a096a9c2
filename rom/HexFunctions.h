#pragma once
// Byte access to the ROM file, bytes exchanged as hex text ("05ABFF"). Every call opens the file,
// does its work and closes it again; no handle outlives a call.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace rom {

// The count bytes at offset as upper-case hex pairs. Never fails: a position that cannot be read
// (no file, before the start, past the end) reads as "00", so the result has 2 x count characters.
// A count of zero or less gives "".
std::string ReadHexBytes(const std::filesystem::path& path, std::int32_t offset, std::int32_t count);

// Writes the byte that pair denotes at offset. "00" is 0; otherwise pair is hexadecimal 0 to 255
// ("7", "0A", "ff", "00FF"). Throws BadHexPair for any other pair, PositionError for an offset
// outside the file (a ROM never grows), FileAccessError with the system's reason when the byte
// cannot be written (files::CheckWritable comes first). On any error the file is left exactly as it was.
void WriteHexByte(const std::filesystem::path& path, std::int32_t offset, std::string_view pair);

// The value a hex pair denotes for WriteHexByte, or throws BadHexPair.
std::uint8_t ParseHexPair(std::string_view pair);

// The two-digit upper-case hex text of one byte ("0A").
std::string HexPair(std::uint8_t value);

// An offset or address as messages show it: "0x" and upper-case hex without leading zeros ("0x1F4A0").
std::string HexNumber(std::int64_t value);

} // namespace rom
