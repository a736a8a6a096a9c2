#include "patch/Bytes.h"

#include <cstdio>
#include <cstring>

namespace patch {

std::string HexOffset(std::uint64_t offset) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%06llX", static_cast<unsigned long long>(offset));
    return text;
}

std::string HexCrc(std::uint32_t crc) {
    char text[12];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(crc));
    return text;
}

void PatchReader::Truncated(const char* what) const {
    throw MalformedPatch(std::string("the ") + format_ + " patch is truncated or damaged: " + what +
                         " at byte " + std::to_string(position_) + " runs past the end of its data");
}

std::uint8_t PatchReader::Byte() {
    if (position_ >= end_) Truncated("a byte");
    return bytes_[position_++];
}

ByteView PatchReader::Take(std::uint64_t count, const char* what) {
    if (count > remaining()) Truncated(what);
    const ByteView taken = bytes_.subspan(position_, static_cast<std::size_t>(count));
    position_ += static_cast<std::size_t>(count);
    return taken;
}

std::uint32_t PatchReader::BigEndian(int width, const char* what) {
    if (remaining() < static_cast<std::size_t>(width)) Truncated(what);
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i) value = value << 8 | bytes_[position_++];
    return value;
}

std::uint64_t PatchReader::Number(const char* what) {
    // Each byte but the last adds one more to what remains, so every number has one encoding.
    std::uint64_t value = 0, shift = 1;
    const std::size_t start = position_;
    for (;;) {
        if (position_ >= end_) {
            position_ = start;
            Truncated(what);
        }
        const std::uint8_t b = bytes_[position_++];
        value += (b & 0x7Fu) * shift;
        if (b & 0x80u) return value;
        if (shift >= (std::uint64_t{1} << 56))
            throw MalformedPatch(std::string("the ") + format_ + " patch is damaged: " + what + " at byte " +
                                 std::to_string(start) + " is too large");
        shift <<= 7;
        value += shift;
    }
}

void AppendNumber(Bytes& out, std::uint64_t number) {
    for (;;) {
        const std::uint8_t low = number & 0x7Fu;
        number >>= 7;
        if (number == 0) {
            out.push_back(0x80u | low);
            return;
        }
        out.push_back(low);
        --number;
    }
}

void AppendLittleEndian32(Bytes& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t LittleEndian32(ByteView bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | bytes[offset + static_cast<std::size_t>(i)];
    return value;
}

std::size_t FirstDifference(const std::uint8_t* a, const std::uint8_t* b, std::size_t from, std::size_t end) {
    std::size_t i = from;
    // Eight bytes at a time through the unchanged runs, which are nearly all of a ROM.
    for (; i + 8 <= end; i += 8) {
        std::uint64_t wa, wb;
        std::memcpy(&wa, a + i, 8);
        std::memcpy(&wb, b + i, 8);
        if (wa != wb) break;
    }
    while (i < end && a[i] == b[i]) ++i;
    return i;
}

} // namespace patch
