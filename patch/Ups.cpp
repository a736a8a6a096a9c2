#include "patch/Ups.h"

#include "patch/Checks.h"
#include "patch/Crc32.h"

#include <algorithm>

namespace patch {
namespace {

struct UpsHeader {
    std::uint64_t sourceSize = 0, targetSize = 0;
};

// Reads the sizes, then every hunk up to the footer, calling onByte(position, xorByte) for each
// non-zero byte. Returns the number of hunks.
template <class OnByte> std::size_t ReadHunks(ByteView patch, UpsHeader& header, OnByte onByte) {
    PatchReader r(patch, patch.size() - 12, "UPS");
    r.Take(4, "the magic");
    header.sourceSize = r.Number("the source size");
    header.targetSize = r.Number("the target size");
    if (header.sourceSize > MaxImageSize || header.targetSize > MaxImageSize)
        throw MalformedPatch("the UPS patch is damaged or not for a ROM: it names an image of more than " +
                             std::to_string(MaxImageSize) + " bytes");
    // Hunks reach up to the end of the longer image; the terminator may stand just past it.
    const std::uint64_t end = std::max(header.sourceSize, header.targetSize);
    std::uint64_t position = 0;
    std::size_t hunks = 0;
    while (!r.atEnd()) {
        const std::size_t at = r.position();
        const std::uint64_t skip = r.Number("a hunk's skip");
        if (position > end || skip > end - position)
            throw MalformedPatch("the UPS hunk at byte " + std::to_string(at) +
                                 " starts past the end of the " + std::to_string(end) + "-byte image");
        position += skip;
        ++hunks;
        for (std::uint8_t x; (x = r.Byte()) != 0; ++position) {
            if (position >= end)
                throw MalformedPatch("the UPS hunk at byte " + std::to_string(at) +
                                     " runs past the end of the " + std::to_string(end) + "-byte image");
            onByte(position, x);
        }
        ++position; // the terminator stands for one unchanged byte
    }
    return hunks;
}

} // namespace

Bytes CreateUps(ByteView original, ByteView modified) {
    const std::size_t s = original.size(), t = modified.size(), n = std::max(s, t), common = std::min(s, t);
    if (n > MaxImageSize)
        throw FormatLimit("the image is larger than " + std::to_string(MaxImageSize) + " bytes");
    // Past the shorter image's end its bytes read as 0.
    auto x = [&](std::size_t i) -> std::uint8_t {
        return (i < s ? original[i] : 0) ^ (i < t ? modified[i] : 0);
    };

    Bytes out{'U', 'P', 'S', '1'};
    AppendNumber(out, s);
    AppendNumber(out, t);
    std::size_t position = 0;
    for (std::size_t i = 0;;) {
        i = i < common ? FirstDifference(original.data(), modified.data(), i, common) : i;
        while (i < n && x(i) == 0) ++i;
        if (i >= n) break;
        AppendNumber(out, i - position);
        for (; i < n && x(i) != 0; ++i) out.push_back(x(i));
        out.push_back(0);
        position = ++i;
    }
    AppendLittleEndian32(out, Crc32(original));
    AppendLittleEndian32(out, Crc32(modified));
    AppendLittleEndian32(out, Crc32(out));
    return out;
}

Bytes ApplyUps(ByteView base, ByteView patch) {
    const Footer footer = ReadFooter(patch, PatchFormat::ups);
    CheckPatchCrc(footer, PatchFormat::ups);
    UpsHeader header;
    // The sizes first, to check the base before anything is built.
    {
        PatchReader r(patch, patch.size() - 12, "UPS");
        r.Take(4, "the magic");
        header.sourceSize = r.Number("the source size");
        header.targetSize = r.Number("the target size");
    }
    CheckBase(base, header.sourceSize, header.targetSize, footer, PatchFormat::ups);
    Bytes out(base.begin(), base.end());
    out.resize(header.targetSize);
    ReadHunks(patch, header, [&](std::uint64_t position, std::uint8_t x) {
        // Bytes past the target's end turn the target back into the source; they are not needed here.
        if (position < out.size()) out[position] ^= x;
    });
    CheckTarget(out, footer, PatchFormat::ups);
    return out;
}

PatchInfo DescribeUps(ByteView patch) {
    const Footer footer = ReadFooter(patch, PatchFormat::ups);
    PatchInfo info;
    info.format = PatchFormat::ups;
    info.patchSize = patch.size();
    UpsHeader header;
    try {
        info.records = ReadHunks(patch, header, [&](std::uint64_t position, std::uint8_t) {
            if (position < header.targetSize) AddRange(info.changed, position, 1);
        });
    } catch (const MalformedPatch&) {
        CheckPatchCrc(footer, PatchFormat::ups); // a damaged patch says so rather than what broke
        throw;
    }
    info.sourceSize = header.sourceSize;
    info.targetSize = header.targetSize;
    PutChecksums(info, footer);
    return info;
}

} // namespace patch
