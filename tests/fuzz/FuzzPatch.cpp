// Patches from anywhere: whatever the bytes, applying and describing either succeed or throw a
// PatchError. UPS and BPS inputs get their CRC32s set to fit, so that the commands themselves are
// explored. The input split in two also makes a round trip through each format.

#include "patch/Crc32.h"
#include "patch/Patch.h"

#include <cstdint>
#include <cstdlib>

namespace {

// A base image of 300 bytes with a few repeats, as patches may copy from it.
const patch::Bytes& Base() {
    static const patch::Bytes base = [] {
        patch::Bytes b(300);
        for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(i < 100 ? i * 13 : i % 7);
        return b;
    }();
    return base;
}

void Exercise(const patch::Bytes& patch) {
    try {
        const patch::Bytes result = patch::ApplyPatch(Base(), patch);
        if (result.size() > patch::MaxImageSize) std::abort();
    } catch (const patch::PatchError&) {
    }
    try {
        const patch::PatchInfo info = patch::DescribePatch(patch);
        for (std::size_t i = 1; i < info.changed.size(); ++i)
            if (info.changed[i].offset <= info.changed[i - 1].offset + info.changed[i - 1].length)
                std::abort();
    } catch (const patch::PatchError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    patch::Bytes input(data, data + size);
    Exercise(input);
    const auto format = patch::FormatOfPatch(input);
    if (format && *format != patch::PatchFormat::ips && size >= 16) {
        patch::Bytes sealed(input.begin(), input.end() - 12);
        patch::AppendLittleEndian32(sealed, patch::Crc32(Base()));
        patch::AppendLittleEndian32(sealed, patch::LittleEndian32(input, size - 8));
        patch::AppendLittleEndian32(sealed, patch::Crc32(sealed));
        Exercise(sealed);
    }
    const patch::Bytes original(data, data + size / 2), modified(data + size / 2, data + size);
    for (auto f : {patch::PatchFormat::ips, patch::PatchFormat::ups, patch::PatchFormat::bps})
        if (patch::ApplyPatch(original, patch::CreatePatch(f, original, modified)) != modified) std::abort();
    return 0;
}
