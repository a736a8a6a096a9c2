#include "patch/PatchInfo.h"

#include "patch/Bytes.h"

#include <algorithm>

namespace patch {
namespace {

std::string Size(std::uint64_t bytes) {
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

} // namespace

const char* FormatName(PatchFormat format) {
    switch (format) {
    case PatchFormat::ips:
        return "IPS";
    case PatchFormat::ups:
        return "UPS";
    case PatchFormat::bps:
        return "BPS";
    }
    return "?";
}

void AddRange(std::vector<ByteRange>& ranges, std::uint64_t offset, std::uint64_t length) {
    if (length == 0) return;
    if (!ranges.empty() && ranges.back().offset + ranges.back().length >= offset) {
        ByteRange& last = ranges.back();
        last.length = std::max(last.offset + last.length, offset + length) - last.offset;
        return;
    }
    ranges.push_back({offset, length});
}

std::string InfoText(const PatchInfo& info) {
    const bool ips = info.format == PatchFormat::ips;
    const char* records = ips ? "records" : info.format == PatchFormat::ups ? "hunks" : "commands";
    std::string text = std::string("format: ") + FormatName(info.format) + "\n";
    text += "patch size: " + Size(info.patchSize) + "\n";
    if (info.sourceSize) text += "source size: " + Size(*info.sourceSize) + "\n";
    if (info.targetSize)
        text += (ips ? "cuts the target to: " : "target size: ") + Size(*info.targetSize) + "\n";
    if (info.format == PatchFormat::bps) text += "metadata: " + Size(info.metadataSize) + "\n";
    if (ips) {
        text += "checksums: none (an IPS patch cannot tell the file it was made for)\n";
    } else {
        text += "source CRC32: " + HexCrc(info.sourceCrc.value_or(0)) + "\n";
        text += "target CRC32: " + HexCrc(info.targetCrc.value_or(0)) + "\n";
        text += "patch CRC32: " + HexCrc(info.patchCrc.value_or(0)) +
                (info.PatchCrcMatches() ? " (matches the patch)"
                                        : " (DAMAGED: the patch's contents give " +
                                              HexCrc(info.computedPatchCrc.value_or(0)) + ")") +
                "\n";
    }
    text += std::string(records) + ": " + std::to_string(info.records) + "\n";
    std::uint64_t total = 0;
    for (const ByteRange& r : info.changed) total += r.length;
    text += "changed ranges: " + std::to_string(info.changed.size()) + " (" + Size(total) + ")\n";
    for (const ByteRange& r : info.changed)
        text += "  " + HexOffset(r.offset) + "-" + HexOffset(r.offset + r.length - 1) + "  " +
                Size(r.length) + "\n";
    return text;
}

} // namespace patch
