#include "patch/Patch.h"

#include "patch/Bps.h"
#include "patch/Ips.h"
#include "patch/Ups.h"

#include <cstring>

namespace patch {
namespace {

PatchFormat DetectedFormat(ByteView patch) {
    if (const auto format = FormatOfPatch(patch)) return *format;
    throw MalformedPatch("not a patch: the file starts with neither \"PATCH\" (IPS), \"UPS1\" nor \"BPS1\"");
}

} // namespace

std::optional<PatchFormat> FormatOfPatch(ByteView patch) {
    auto startsWith = [&](const char* magic) {
        const std::size_t n = std::strlen(magic);
        return patch.size() >= n && std::memcmp(patch.data(), magic, n) == 0;
    };
    if (startsWith("PATCH")) return PatchFormat::ips;
    if (startsWith("UPS1")) return PatchFormat::ups;
    if (startsWith("BPS1")) return PatchFormat::bps;
    return std::nullopt;
}

std::optional<PatchFormat> FormatNamed(const std::string& text) {
    std::string lower;
    for (char c : text) lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower == "ips") return PatchFormat::ips;
    if (lower == "ups") return PatchFormat::ups;
    if (lower == "bps") return PatchFormat::bps;
    return std::nullopt;
}

std::optional<PatchFormat> FormatOfExtension(const std::filesystem::path& file) {
    const std::string extension = file.extension().string();
    if (extension.size() < 2) return std::nullopt;
    return FormatNamed(extension.substr(1));
}

Bytes CreatePatch(PatchFormat format, ByteView original, ByteView modified) {
    switch (format) {
    case PatchFormat::ips:
        return CreateIps(original, modified);
    case PatchFormat::ups:
        return CreateUps(original, modified);
    case PatchFormat::bps:
        break;
    }
    return CreateBps(original, modified);
}

Bytes ApplyPatch(ByteView base, ByteView patch) {
    switch (DetectedFormat(patch)) {
    case PatchFormat::ips:
        return ApplyIps(base, patch);
    case PatchFormat::ups:
        return ApplyUps(base, patch);
    case PatchFormat::bps:
        break;
    }
    return ApplyBps(base, patch);
}

PatchInfo DescribePatch(ByteView patch) {
    switch (DetectedFormat(patch)) {
    case PatchFormat::ips:
        return DescribeIps(patch);
    case PatchFormat::ups:
        return DescribeUps(patch);
    case PatchFormat::bps:
        break;
    }
    return DescribeBps(patch);
}

} // namespace patch
