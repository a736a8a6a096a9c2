#pragma once
// The checks that UPS and BPS share: the magic, the patch's own CRC32, the base against the source.

#include "patch/Bytes.h"
#include "patch/PatchInfo.h"

namespace patch {

// The three CRC32s at the end of a UPS or BPS patch, and the CRC32 of everything before the last.
struct Footer {
    std::uint32_t source = 0, target = 0, patch = 0, computedPatch = 0;
};

// Checks the magic and the minimum size (magic, three numbers, three CRC32s) and reads the footer.
// Throws MalformedPatch.
Footer ReadFooter(ByteView patch, PatchFormat format);

// Throws ChecksumMismatch(patch) when the footer's patch CRC32 does not match the contents.
void CheckPatchCrc(const Footer& footer, PatchFormat format);

// Throws ChecksumMismatch(source) when base is not the patch's source, with a message that tells a
// base that is already the target from another file; MalformedPatch for a size past MaxImageSize.
void CheckBase(ByteView base, std::uint64_t sourceSize, std::uint64_t targetSize, const Footer& footer,
               PatchFormat format);

// Puts the footer's three CRC32s and the computed patch CRC32 into info.
void PutChecksums(PatchInfo& info, const Footer& footer);

// Throws ChecksumMismatch(target) when the result is not the patch's target.
void CheckTarget(ByteView result, const Footer& footer, PatchFormat format);

} // namespace patch
