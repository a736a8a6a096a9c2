// Patches that are cut short, damaged or made up: each refused with a message that says what is wrong.

#include "patch/Crc32.h"
#include "patch/Patch.h"
#include "tests/patch/PatchImages.h"

#include <gtest/gtest.h>

using namespace patch;
using namespace patch_testing;

namespace {

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes Numbers(std::initializer_list<std::uint64_t> numbers) {
    Bytes out;
    for (std::uint64_t n : numbers) AppendNumber(out, n);
    return out;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A UPS or BPS patch of body whose CRC32s all fit, so that only the body's fault remains.
Bytes Sealed(const Bytes& body, const Bytes& source, std::uint32_t targetCrc = 0) {
    Bytes patch = body;
    AppendLittleEndian32(patch, Crc32(source));
    AppendLittleEndian32(patch, targetCrc);
    AppendLittleEndian32(patch, Crc32(patch));
    return patch;
}

TEST(VariableLengthNumber, HasOneEncodingForEachNumber) {
    const std::pair<std::uint64_t, Bytes> cases[] = {
        {0, {0x80}}, {127, {0xFF}}, {128, {0x00, 0x80}}, {16511, {0x7F, 0xFF}}, {16512, {0x00, 0x00, 0x80}}};
    for (const auto& [number, encoded] : cases) {
        EXPECT_EQ(Numbers({number}), encoded) << number;
        PatchReader r(encoded, encoded.size(), "BPS");
        EXPECT_EQ(r.Number("a number"), number);
    }
}

TEST(BadPatch, IsRefusedWithAMessageSayingWhatIsWrong) {
    const Bytes base = Noise(100);
    const Bytes bps = Text("BPS1"), ups = Text("UPS1");
    const struct {
        const char* name;
        Bytes patch;
        const char* message;
    } cases[] = {
        {"empty", {}, "not a patch"},
        {"a ROM", base, "not a patch"},
        {"IPS magic only", Text("PATCH"), "without the \"EOF\" marker"},
        {"IPS cut inside a record", Text("PATCH") + Bytes{0, 0, 1, 0, 4, 9, 9}, "truncated"},
        {"IPS cut inside a run", Text("PATCH") + Bytes{0, 0, 1, 0, 0, 0}, "truncated"},
        {"IPS run of length 0", Text("PATCH") + Bytes{0, 0, 1, 0, 0, 0, 0, 7} + Text("EOF"), "length 0"},
        {"IPS record past the file's end", Text("PATCH") + Bytes{0, 0, 101, 0, 1, 7} + Text("EOF"),
         "past the end of the file (100 bytes)"},
        {"IPS bytes after EOF", Text("PATCH") + Text("EOF") + Bytes{1, 2}, "follow its \"EOF\" marker"},
        {"IPS cut past the file's end", Text("PATCH") + Text("EOF") + Bytes{0, 0, 101},
         "cuts the file to 101"},
        {"BPS shorter than an empty patch", bps + Bytes(10), "truncated"},
        {"BPS damaged", Flipped(Sealed(bps + Numbers({100, 100, 0, 99 << 2}), base, Crc32(base)), {5}),
         "patch CRC32 does not match"},
        {"BPS for another ROM", Sealed(bps + Numbers({100, 100, 0, 99 << 2}), Noise(100, 9)), "source CRC32"},
        {"BPS metadata past the end", Sealed(bps + Numbers({100, 100, 50}), base), "metadata"},
        {"BPS reading past the source", Sealed(bps + Numbers({100, 101, 0, 100 << 2}), base),
         "past the end of the 100-byte source"},
        {"BPS writing past the target", Sealed(bps + Numbers({100, 10, 0, 10 << 2}), base),
         "past the end of the 10-byte target"},
        {"BPS literal cut short", Sealed(bps + Numbers({100, 10, 0, 9 << 2 | 1}) + Bytes(3), base),
         "truncated"},
        {"BPS copy from before the source", Sealed(bps + Numbers({100, 10, 0, 9 << 2 | 2, 1 << 1 | 1}), base),
         "outside the source"},
        {"BPS target copy before anything is built", Sealed(bps + Numbers({100, 10, 0, 9 << 2 | 3, 0}), base),
         "target built so far"},
        {"BPS commands short of the target", Sealed(bps + Numbers({100, 100, 0, 49 << 2}), base),
         "build 50 of"},
        {"BPS size past the limit", Sealed(bps + Numbers({100, MaxImageSize + 1, 0}), base), "more than"},
        {"BPS number too large", Sealed(bps + Numbers({100}) + Bytes(10, 0x00), base), "too large"},
        {"UPS hunk past the end", Sealed(ups + Numbers({100, 100, 101}) + Bytes{1, 0}, base),
         "starts past the end"},
        {"UPS hunk running past the end", Sealed(ups + Numbers({100, 100, 98}) + Bytes{1, 1, 1, 0}, base),
         "runs past the end"},
        {"UPS sizes cut short", Sealed(ups + Bytes{0x00}, base), "truncated"},
    };
    for (const auto& c : cases) {
        try {
            ApplyPatch(base, c.patch);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const PatchError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
        }
    }
}

TEST(BadPatch, EveryCutOfAPatchIsRefused) {
    const Bytes original = Noise(3000), modified = Filled(Flipped(original, {5, 900, 2999}), 3000, 40, 0xEE);
    for (PatchFormat format : {PatchFormat::ips, PatchFormat::ups, PatchFormat::bps}) {
        const Bytes made = CreatePatch(format, original, modified);
        for (std::size_t size = 0; size < made.size(); ++size)
            EXPECT_THROW(ApplyPatch(original, ByteView(made).first(size)), PatchError)
                << FormatName(format) << " cut to " << size << " bytes";
    }
}

} // namespace
