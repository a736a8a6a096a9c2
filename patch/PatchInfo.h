#pragma once
// What a patch says about itself: format, sizes, checksums and the ranges it changes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace patch {

enum class PatchFormat { ips, ups, bps };

// length bytes from offset.
struct ByteRange {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
    bool operator==(const ByteRange&) const = default;
};

struct PatchInfo {
    PatchFormat format = PatchFormat::ips;
    std::uint64_t patchSize = 0;
    std::optional<std::uint64_t> sourceSize;                     // UPS and BPS
    std::optional<std::uint64_t> targetSize;                     // UPS and BPS; IPS when it cuts the file
    std::optional<std::uint32_t> sourceCrc, targetCrc, patchCrc; // UPS and BPS, as the patch states them
    std::optional<std::uint32_t> computedPatchCrc; // UPS and BPS: the CRC32 of the patch's contents
    std::uint64_t metadataSize = 0;                // BPS
    std::size_t records = 0;                       // IPS records, UPS hunks, BPS commands
    std::vector<ByteRange> changed; // the ranges of the target that the patch writes, in order, merged

    // Whether the patch's own CRC32 agrees with its contents (IPS carries none: always true).
    bool PatchCrcMatches() const { return patchCrc == computedPatchCrc; }
};

// "IPS", "UPS" or "BPS". Never fails.
const char* FormatName(PatchFormat format);

// Adds length bytes at offset to ranges, joining them to the last range when they touch it.
// Ranges are added in increasing order. Never fails.
void AddRange(std::vector<ByteRange>& ranges, std::uint64_t offset, std::uint64_t length);

// The lines that `patch info` prints: format, sizes, CRCs, then one line a changed range. Never fails.
std::string InfoText(const PatchInfo& info);

} // namespace patch
