#pragma once
// Byte buffers and the small reader that the patch formats share.

#include "files/WholeFiles.h"
#include "patch/PatchError.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace patch {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// The largest image a patch may describe, the largest file read whole: Game Boy Advance images are
// at most 32 MiB; the limit keeps a damaged size field from asking for gigabytes.
inline constexpr std::uint64_t MaxImageSize = files::MaxFileSize;

// "0x00ABCD": an offset as six or more hexadecimal digits. Never fails.
std::string HexOffset(std::uint64_t offset);

// "1A2B3C4D": a CRC32 as eight hexadecimal digits. Never fails.
std::string HexCrc(std::uint32_t crc);

// Reads a patch from the front; every read past `end` throws MalformedPatch naming the format.
class PatchReader {
  public:
    PatchReader(ByteView bytes, std::size_t end, const char* format)
        : bytes_(bytes), end_(end), format_(format) {}

    std::size_t position() const { return position_; }
    std::size_t remaining() const { return end_ - position_; }
    bool atEnd() const { return position_ >= end_; }

    std::uint8_t Byte();
    // count bytes from the current position, which then moves past them.
    ByteView Take(std::uint64_t count, const char* what);
    // A big-endian number of `width` bytes (IPS).
    std::uint32_t BigEndian(int width, const char* what);
    // A variable-length number (UPS and BPS): seven bits a byte, lowest first, top bit ends it.
    std::uint64_t Number(const char* what);

  private:
    [[noreturn]] void Truncated(const char* what) const;

    ByteView bytes_;
    std::size_t end_;
    const char* format_;
    std::size_t position_ = 0;
};

// Appends number in the variable-length encoding of UPS and BPS. Never fails.
void AppendNumber(Bytes& out, std::uint64_t number);

// Appends value as four little-endian bytes. Never fails.
void AppendLittleEndian32(Bytes& out, std::uint32_t value);

// The four little-endian bytes at offset, which must lie inside bytes.
std::uint32_t LittleEndian32(ByteView bytes, std::size_t offset);

// The first position at or after `from` and before `end` where a and b differ, or end. Both must
// hold `end` bytes. Never fails.
std::size_t FirstDifference(const std::uint8_t* a, const std::uint8_t* b, std::size_t from, std::size_t end);

} // namespace patch
