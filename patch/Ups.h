#pragma once
// UPS patches: "UPS1", source and target sizes, hunks of XOR bytes between skips, and the CRC32s of
// source, target and patch.

#include "patch/Bytes.h"
#include "patch/PatchInfo.h"

namespace patch {

// The UPS patch that turns original into modified. Throws FormatLimit for an image larger than
// MaxImageSize.
Bytes CreateUps(ByteView original, ByteView modified);

// base with the UPS patch applied. Throws ChecksumMismatch when the patch's own CRC32 fails (checked
// first), when base is not the patch's source (its size or CRC32 differ) and when the result is not
// the target; MalformedPatch for a wrong magic, a truncated patch or a hunk past the end.
Bytes ApplyUps(ByteView base, ByteView patch);

// The patch's sizes, CRC32s and the ranges its hunks change. Throws MalformedPatch as ApplyUps does;
// a wrong patch CRC32 is reported in the result, not thrown.
PatchInfo DescribeUps(ByteView patch);

} // namespace patch
