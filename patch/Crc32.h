#pragma once
// CRC32 as UPS and BPS patches carry it (zlib's: polynomial 0xEDB88320 reflected, initial and final
// XOR 0xFFFFFFFF).

#include "patch/Bytes.h"

#include <cstdint>

namespace patch {

// The CRC32 of bytes. Never fails.
std::uint32_t Crc32(ByteView bytes);

} // namespace patch
