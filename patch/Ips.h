#pragma once
// IPS patches: "PATCH", records of a 3-byte big-endian offset, a 2-byte size and the bytes (size 0:
// a 2-byte count and one byte repeated), "EOF", and optionally a 3-byte size the target is cut to.
// No checksums.

#include "patch/Bytes.h"
#include "patch/PatchInfo.h"

namespace patch {

// The highest offset an IPS record can name; a change from 16 MiB on cannot be written.
inline constexpr std::uint64_t IpsMaxOffset = 0xFFFFFF;
// A record starting here would read as "EOF": such a record starts one byte earlier instead.
inline constexpr std::uint64_t IpsEofOffset = 0x454F46;

// The IPS patch that turns original into modified. Throws FormatLimit when a byte from 16 MiB on
// differs, or the modified image is shorter than the original and 16 MiB or longer.
Bytes CreateIps(ByteView original, ByteView modified);

// base with the IPS patch applied. Throws MalformedPatch for a wrong magic, a truncated patch, a
// record that starts past the end of the file being built, a cut past its end or bytes after "EOF".
Bytes ApplyIps(ByteView base, ByteView patch);

// The patch's records and the ranges they write. Throws MalformedPatch as ApplyIps does, except for
// the checks that need the base.
PatchInfo DescribeIps(ByteView patch);

} // namespace patch
