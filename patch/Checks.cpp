#include "patch/Checks.h"

#include "patch/Crc32.h"

#include <cstring>

namespace patch {
namespace {

std::string Name(PatchFormat format) {
    return FormatName(format);
}

} // namespace

Footer ReadFooter(ByteView patch, PatchFormat format) {
    const char* magic = format == PatchFormat::ups ? "UPS1" : "BPS1";
    if (patch.size() < 4 || std::memcmp(patch.data(), magic, 4) != 0)
        throw MalformedPatch("not a " + Name(format) + " patch: it does not start with \"" + magic + "\"");
    // The magic, at least one byte for each size, and the three CRC32s.
    const std::size_t minimum = 4 + (format == PatchFormat::ups ? 2 : 3) + 12;
    if (patch.size() < minimum)
        throw MalformedPatch("the " + Name(format) + " patch is truncated: " + std::to_string(patch.size()) +
                             " bytes, less than the " + std::to_string(minimum) + " of an empty patch");
    const std::size_t n = patch.size();
    Footer f;
    f.source = LittleEndian32(patch, n - 12);
    f.target = LittleEndian32(patch, n - 8);
    f.patch = LittleEndian32(patch, n - 4);
    f.computedPatch = Crc32(patch.first(n - 4));
    return f;
}

void CheckPatchCrc(const Footer& footer, PatchFormat format) {
    if (footer.patch != footer.computedPatch)
        throw ChecksumMismatch(Checksum::patch, "the patch CRC32 does not match: the " + Name(format) +
                                                    " patch is damaged or truncated (it states " +
                                                    HexCrc(footer.patch) + ", its contents give " +
                                                    HexCrc(footer.computedPatch) + ")");
}

void CheckBase(ByteView base, std::uint64_t sourceSize, std::uint64_t targetSize, const Footer& footer,
               PatchFormat format) {
    for (std::uint64_t size : {sourceSize, targetSize})
        if (size > MaxImageSize)
            throw MalformedPatch("the " + Name(format) +
                                 " patch is damaged or not for a ROM: it names an image of " +
                                 std::to_string(size) + " bytes, more than " + std::to_string(MaxImageSize));
    const std::uint32_t crc = Crc32(base);
    if (base.size() == sourceSize && crc == footer.source) return;
    if (base.size() == targetSize && crc == footer.target)
        throw ChecksumMismatch(Checksum::source,
                               "the source CRC32 does not match: the file is already the patch's "
                               "target (CRC32 " +
                                   HexCrc(crc) + "), not its source");
    throw ChecksumMismatch(Checksum::source,
                           "the source CRC32 does not match: the file is not the one the patch "
                           "was made for (the patch expects " +
                               std::to_string(sourceSize) + " bytes with CRC32 " + HexCrc(footer.source) +
                               ", the file has " + std::to_string(base.size()) + " bytes with CRC32 " +
                               HexCrc(crc) + ")");
}

void PutChecksums(PatchInfo& info, const Footer& footer) {
    info.sourceCrc = footer.source;
    info.targetCrc = footer.target;
    info.patchCrc = footer.patch;
    info.computedPatchCrc = footer.computedPatch;
}

void CheckTarget(ByteView result, const Footer& footer, PatchFormat format) {
    const std::uint32_t crc = Crc32(result);
    if (crc != footer.target)
        throw ChecksumMismatch(Checksum::target, "the target CRC32 does not match: the " + Name(format) +
                                                     " patch gives a file with CRC32 " + HexCrc(crc) +
                                                     " where it expects " + HexCrc(footer.target));
}

} // namespace patch
