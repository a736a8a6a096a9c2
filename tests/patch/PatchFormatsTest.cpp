// Round trips through each format on synthetic images, the IPS limits, the CRC32 checks and the info.

#include "patch/Crc32.h"
#include "patch/Ips.h"
#include "patch/Patch.h"
#include "tests/patch/PatchImages.h"

#include <gtest/gtest.h>

using namespace patch;
using namespace patch_testing;

namespace {

constexpr PatchFormat AllFormats[] = {PatchFormat::ips, PatchFormat::ups, PatchFormat::bps};

struct ImagePair {
    const char* name;
    Bytes original, modified;
};

std::vector<ImagePair> Pairs() {
    const Bytes base = Noise(300000);
    const Bytes big = Noise(0x500000, 2); // reaches past the offset that reads "EOF"
    std::vector<ImagePair> pairs = {
        {"unchanged", base, base},
        {"first and last byte", base, Flipped(base, {0, base.size() - 1})},
        {"scattered bytes, some close together", base,
         Flipped(base, {7, 9, 12, 4000, 4001, 4002, 4003, 250000})},
        {"a run longer than an IPS record", base, Filled(base, 1000, 200000, 0x00)},
        {"grown by noise and padding", base, Filled(Filled(base, 300000, 5000, 0x5A), 305000, 70000, 0xFF)},
        {"shrunk", base, Bytes(base.begin(), base.begin() + 123457)},
        {"shrunk with a change", base, Flipped(Bytes(base.begin(), base.begin() + 1000), {999})},
        {"from nothing", Bytes{}, base},
        {"to nothing", base, Bytes{}},
        {"a change at the offset that reads EOF", big, Flipped(big, {IpsEofOffset})},
        {"a run from the offset that reads EOF", big,
         Filled(Flipped(big, {IpsEofOffset - 3}), IpsEofOffset, 300, 7)},
        {"changes up to the last IPS offset", Noise(0x1000000, 3),
         Flipped(Noise(0x1000000, 3), {0x10, 0xFFFFFF})},
    };
    // A record split by the IPS size limit so that the next would start at the offset that reads "EOF".
    pairs.push_back({"a long change ending past the offset that reads EOF", big, big});
    for (std::size_t i = IpsEofOffset - 0xFFFF; i < IpsEofOffset + 10; ++i) pairs.back().modified[i] ^= 0x55;
    return pairs;
}

TEST(PatchRoundTrip, ApplyingTheCreatedPatchGivesTheModifiedImage) {
    for (const ImagePair& pair : Pairs()) {
        for (PatchFormat format : AllFormats) {
            SCOPED_TRACE(std::string(pair.name) + ", " + FormatName(format));
            const Bytes made = CreatePatch(format, pair.original, pair.modified);
            EXPECT_EQ(FormatOfPatch(made), format);
            const Bytes result = ApplyPatch(pair.original, made);
            ASSERT_EQ(result.size(), pair.modified.size());
            EXPECT_TRUE(result == pair.modified);
            // Every changed byte lies inside a range that info reports.
            const PatchInfo info = DescribePatch(made);
            std::size_t range = 0;
            for (std::size_t i = 0; i < pair.modified.size(); ++i) {
                // Past the original's end, its bytes read as 0.
                if ((i < pair.original.size() ? pair.original[i] : 0) == pair.modified[i]) continue;
                while (range < info.changed.size() &&
                       info.changed[range].offset + info.changed[range].length <= i)
                    ++range;
                ASSERT_TRUE(range < info.changed.size() && info.changed[range].offset <= i) << "offset " << i;
            }
        }
    }
}

// How a reader that knows nothing of the rule reads an IPS patch: records until the first offset "EOF".
std::size_t NaiveIpsEnd(const Bytes& patch) {
    std::size_t p = 5;
    while (p + 3 <= patch.size() && !(patch[p] == 'E' && patch[p + 1] == 'O' && patch[p + 2] == 'F')) {
        const std::size_t size = patch[p + 3] << 8 | patch[p + 4];
        p += 5 + (size == 0 ? 3 : size);
    }
    return p;
}

TEST(IpsPatch, NoRecordStartsAtTheOffsetThatReadsEof) {
    for (const ImagePair& pair : Pairs()) {
        const Bytes made = CreateIps(pair.original, pair.modified);
        const std::size_t cut = pair.modified.size() < pair.original.size() ? 3 : 0;
        EXPECT_EQ(NaiveIpsEnd(made), made.size() - 3 - cut) << pair.name;
    }
}

TEST(IpsPatch, RefusesWhatReachesPast16MiB) {
    const Bytes full = Noise(0x1000000);
    const struct {
        const char* name;
        Bytes original, modified;
        const char* message;
    } cases[] = {
        {"a change at 16 MiB", Noise(0x1000001), Flipped(Noise(0x1000001), {0x1000000}),
         "differ at 0x1000000"},
        {"grown past 16 MiB", full, Filled(full, 0x1000000, 1, 0), "differ at 0x1000000"},
        {"grown from far below", Noise(100), Filled(Noise(100), 100, 0x1000000, 1), "differ at 0x1000000"},
        {"cut to 16 MiB", Noise(0x1000010), full, "cut a file to at most 0xFFFFFF"},
    };
    for (const auto& c : cases) {
        try {
            CreateIps(c.original, c.modified);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const FormatLimit& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find("BPS"), std::string::npos) << c.name << ": " << e.what();
        }
    }
}

// The patch with its three CRC32s set anew: source, target, then its own.
Bytes Resealed(Bytes patch, std::uint32_t source, std::uint32_t target) {
    patch.resize(patch.size() - 12);
    AppendLittleEndian32(patch, source);
    AppendLittleEndian32(patch, target);
    AppendLittleEndian32(patch, Crc32(patch));
    return patch;
}

TEST(ChecksummedPatch, RefusesAWrongBaseADamagedPatchAndAWrongResultNamingTheCrc) {
    const Bytes original = Noise(5000), modified = Flipped(original, {10, 2000, 4999});
    for (PatchFormat format : {PatchFormat::ups, PatchFormat::bps}) {
        const Bytes made = CreatePatch(format, original, modified);
        const struct {
            const char* name;
            Bytes base, patch;
            Checksum which;
            const char* message;
        } cases[] = {
            {"a changed byte in the base", Flipped(original, {3000}), made, Checksum::source, "source CRC32"},
            {"a shorter base", Bytes(original.begin(), original.end() - 1), made, Checksum::source,
             "source CRC32"},
            {"the target as base", modified, made, Checksum::source, "already the patch's target"},
            {"a changed byte in the patch", original, Flipped(made, {made.size() / 2}), Checksum::patch,
             "patch CRC32"},
            {"a changed patch CRC", original, Flipped(made, {made.size() - 1}), Checksum::patch,
             "patch CRC32"},
            {"a wrong target CRC", original, Resealed(made, Crc32(original), Crc32(modified) ^ 1),
             Checksum::target, "target CRC32"},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(FormatName(format)) + ": " + c.name);
            try {
                ApplyPatch(c.base, c.patch);
                ADD_FAILURE() << "no error";
            } catch (const ChecksumMismatch& e) {
                EXPECT_EQ(e.which(), c.which) << e.what();
                EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
            }
        }
    }
}

TEST(PatchInfo, TellsFormatSizesCrcsAndRanges) {
    const Bytes original = Noise(64), modified = Filled(Flipped(original, {3, 4}), 64, 2, 0xAA);
    const std::string crcs =
        "source CRC32: " + HexCrc(Crc32(original)) + "\ntarget CRC32: " + HexCrc(Crc32(modified)) + "\n";
    const Bytes bps = CreatePatch(PatchFormat::bps, original, modified);
    const std::string bpsCrc = HexCrc(LittleEndian32(bps, bps.size() - 4));
    EXPECT_EQ(InfoText(DescribePatch(bps)),
              "format: BPS\npatch size: " + std::to_string(bps.size()) +
                  " bytes\nsource size: 64 bytes\ntarget size: 66 bytes\n"
                  "metadata: 0 bytes\n" +
                  crcs + "patch CRC32: " + bpsCrc +
                  " (matches the patch)\ncommands: 4\n"
                  "changed ranges: 2 (4 bytes)\n"
                  "  0x000003-0x000004  2 bytes\n  0x000040-0x000041  2 bytes\n");
    const Bytes ips = CreatePatch(PatchFormat::ips, modified, original);
    EXPECT_EQ(InfoText(DescribePatch(ips)),
              "format: IPS\npatch size: 18 bytes\ncuts the target to: 64 bytes\n"
              "checksums: none (an IPS patch cannot tell the file it was made for)\n"
              "records: 1\nchanged ranges: 1 (2 bytes)\n  0x000003-0x000004  2 bytes\n");
    const PatchInfo damaged = DescribePatch(Flipped(bps, {bps.size() - 13})); // the last literal byte
    EXPECT_FALSE(damaged.PatchCrcMatches());
    EXPECT_NE(InfoText(damaged).find("DAMAGED"), std::string::npos);
}

TEST(BpsPatch, StaysSmallForScatteredChanges) {
    // 200 single bytes changed across 1 MiB: a few bytes each, not the image.
    Bytes modified = Noise(1 << 20);
    const Bytes original = modified;
    for (std::size_t i = 0; i < 200; ++i) modified[i * 5227 + 11] ^= 0x21;
    EXPECT_LT(CreatePatch(PatchFormat::bps, original, modified).size(), 200u * 6);
}

} // namespace
