#pragma once
// BPS patches: "BPS1", source, target and metadata sizes, the metadata, commands that build the
// target from the source, from literal bytes and from what is already built, and the CRC32s of
// source, target and patch.

#include "patch/Bytes.h"
#include "patch/PatchInfo.h"

namespace patch {

// The BPS patch that turns original into modified, in one linear pass: unchanged runs are read from
// the source, changed bytes are written literally (a run of one repeated byte as a copy of the
// target). Throws FormatLimit for an image larger than MaxImageSize.
Bytes CreateBps(ByteView original, ByteView modified);

// base with the BPS patch applied. Throws ChecksumMismatch when the patch's own CRC32 fails (checked
// first), when base is not the patch's source (its size or CRC32 differ) and when the result is not
// the target; MalformedPatch for a wrong magic, a truncated patch, metadata past the end or a command
// that reads or writes past the end of the source or target.
Bytes ApplyBps(ByteView base, ByteView patch);

// The patch's sizes, CRC32s and the ranges of the target it writes other than by reading the source
// in place. Throws MalformedPatch as ApplyBps does; a wrong patch CRC32 is reported, not thrown.
PatchInfo DescribeBps(ByteView patch);

} // namespace patch
