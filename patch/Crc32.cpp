#include "patch/Crc32.h"

#include <algorithm>
#include <zlib.h>

namespace patch {

std::uint32_t Crc32(ByteView bytes) {
    uLong crc = crc32(0L, Z_NULL, 0);
    // zlib takes lengths as uInt; a larger buffer goes in pieces.
    constexpr std::size_t piece = 1u << 30;
    for (std::size_t done = 0; done < bytes.size(); done += piece) {
        const std::size_t n = std::min(piece, bytes.size() - done);
        crc = crc32(crc, bytes.data() + done, static_cast<uInt>(n));
    }
    return static_cast<std::uint32_t>(crc);
}

} // namespace patch
