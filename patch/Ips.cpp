#include "patch/Ips.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace patch {
namespace {

constexpr std::size_t MaxRecordSize = 0xFFFF;
// Unchanged gaps shorter than a record header (5 bytes) are cheaper written than skipped.
constexpr std::size_t MergeGap = 5;
// A run record costs 8 bytes; shorter runs stay inside a literal record.
constexpr std::size_t MinRun = 16;

// Writes the records for the ranges of `modified` that differ from the original.
class IpsWriter {
  public:
    IpsWriter(Bytes& out, ByteView modified) : out_(out), modified_(modified) {}

    // Records that write modified[a, b).
    void WriteSpan(std::size_t a, std::size_t b) {
        std::size_t p = a;
        while (p < b) {
            // No record may start at the offset that reads "EOF": the record there takes in the byte before.
            const std::size_t start = p == IpsEofOffset ? p - 1 : p;
            if (start == p) {
                const std::size_t run = RunLength(p, b);
                if (run >= MinRun) {
                    WriteRun(p, run);
                    p += run;
                    continue;
                }
            }
            std::size_t q = p;
            while (q < b && q - start < MaxRecordSize) {
                const std::size_t run = RunLength(q, b);
                if (run >= MinRun && q > p) break;
                q += run >= MinRun ? 1 : std::min(run, MaxRecordSize - (q - start));
            }
            WriteLiteral(start, q - start);
            p = q;
        }
    }

  private:
    std::size_t RunLength(std::size_t p, std::size_t b) const {
        const std::size_t limit = std::min(b, p + MaxRecordSize);
        std::size_t q = p + 1;
        while (q < limit && modified_[q] == modified_[p]) ++q;
        return q - p;
    }

    void Header(std::size_t offset, std::size_t size) {
        out_.insert(out_.end(), {static_cast<std::uint8_t>(offset >> 16),
                                 static_cast<std::uint8_t>(offset >> 8), static_cast<std::uint8_t>(offset),
                                 static_cast<std::uint8_t>(size >> 8), static_cast<std::uint8_t>(size)});
    }

    void WriteLiteral(std::size_t offset, std::size_t size) {
        Header(offset, size);
        out_.insert(out_.end(), modified_.begin() + static_cast<std::ptrdiff_t>(offset),
                    modified_.begin() + static_cast<std::ptrdiff_t>(offset + size));
    }

    void WriteRun(std::size_t offset, std::size_t count) {
        Header(offset, 0);
        out_.insert(out_.end(), {static_cast<std::uint8_t>(count >> 8), static_cast<std::uint8_t>(count),
                                 modified_[offset]});
    }

    Bytes& out_;
    ByteView modified_;
};

// One record as read: `length` bytes at `offset`, either `data` or `length` times `runByte`.
struct IpsRecord {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
    ByteView data;
    std::uint8_t runByte = 0;
    std::size_t patchPosition = 0;
};

// Reads every record, calling onRecord for each; returns the size the target is cut to, if any.
template <class OnRecord> std::optional<std::uint32_t> ReadIps(ByteView patch, OnRecord onRecord) {
    if (patch.size() < 5 || std::memcmp(patch.data(), "PATCH", 5) != 0)
        throw MalformedPatch("not an IPS patch: it does not start with \"PATCH\"");
    PatchReader r(patch, patch.size(), "IPS");
    r.Take(5, "the magic");
    for (;;) {
        if (r.remaining() < 3)
            throw MalformedPatch("the IPS patch is truncated: it ends without the \"EOF\" marker");
        if (std::memcmp(patch.data() + r.position(), "EOF", 3) == 0) {
            const std::size_t at = r.position();
            r.Take(3, "the EOF marker");
            if (r.remaining() == 0) return std::nullopt;
            if (r.remaining() == 3) return r.BigEndian(3, "the cut size");
            throw MalformedPatch("the IPS patch is damaged: " + std::to_string(r.remaining()) +
                                 " bytes follow its \"EOF\" marker at byte " + std::to_string(at) +
                                 " (where only a 3-byte size may stand)");
        }
        IpsRecord record;
        record.patchPosition = r.position();
        record.offset = r.BigEndian(3, "a record's offset");
        record.length = r.BigEndian(2, "a record's size");
        if (record.length == 0) {
            record.length = r.BigEndian(2, "a run's length");
            record.runByte = r.Byte();
            if (record.length == 0)
                throw MalformedPatch("the IPS patch is damaged: the run at byte " +
                                     std::to_string(record.patchPosition) + " has length 0");
        } else {
            record.data = r.Take(record.length, "a record's bytes");
        }
        onRecord(record);
    }
}

} // namespace

Bytes CreateIps(ByteView original, ByteView modified) {
    const std::size_t s = original.size(), t = modified.size(), common = std::min(s, t);
    const std::uint8_t* o = original.data();
    const std::uint8_t* m = modified.data();

    std::size_t beyond = t > s && t - 1 > IpsMaxOffset ? std::max<std::size_t>(s, IpsMaxOffset + 1) : t;
    if (common > IpsMaxOffset + 1) beyond = std::min(beyond, FirstDifference(o, m, IpsMaxOffset + 1, common));
    if (beyond < t)
        throw FormatLimit("an IPS patch reaches offsets up to 16 MiB (" + HexOffset(IpsMaxOffset) +
                          ") only, and the images differ at " + HexOffset(beyond) +
                          "; write a BPS patch instead, which has no such limit");
    if (t < s && t > IpsMaxOffset)
        throw FormatLimit("an IPS patch can cut a file to at most " + HexOffset(IpsMaxOffset) +
                          " bytes, and the modified image is " + std::to_string(t) +
                          " bytes long; write a BPS patch instead, which has no such limit");

    // Past the original's end every byte of the modified image counts as changed.
    auto nextChanged = [&](std::size_t from) {
        return from >= common ? from : FirstDifference(o, m, from, common);
    };
    auto nextUnchanged = [&](std::size_t from) {
        while (from < common && o[from] != m[from]) ++from;
        return from < common ? from : t;
    };

    Bytes out{'P', 'A', 'T', 'C', 'H'};
    IpsWriter writer(out, modified);
    for (std::size_t a = nextChanged(0); a < t;) {
        std::size_t b = nextUnchanged(a);
        for (std::size_t next; b < t && (next = nextChanged(b)) < t && next - b < MergeGap;)
            b = nextUnchanged(next);
        writer.WriteSpan(a, b);
        a = b < t ? nextChanged(b) : t;
    }
    out.insert(out.end(), {'E', 'O', 'F'});
    if (t < s)
        out.insert(out.end(), {static_cast<std::uint8_t>(t >> 16), static_cast<std::uint8_t>(t >> 8),
                               static_cast<std::uint8_t>(t)});
    return out;
}

Bytes ApplyIps(ByteView base, ByteView patch) {
    Bytes out(base.begin(), base.end());
    const auto cut = ReadIps(patch, [&](const IpsRecord& r) {
        if (r.offset > out.size())
            throw MalformedPatch("the IPS record at byte " + std::to_string(r.patchPosition) + " writes at " +
                                 HexOffset(r.offset) + ", past the end of the file (" +
                                 std::to_string(out.size()) +
                                 " bytes): the patch is for a longer file, or damaged");
        if (r.offset + r.length > out.size()) out.resize(r.offset + r.length);
        if (r.data.empty())
            std::fill_n(out.begin() + r.offset, r.length, r.runByte);
        else
            std::copy(r.data.begin(), r.data.end(), out.begin() + r.offset);
    });
    if (cut) {
        if (*cut > out.size())
            throw MalformedPatch("the IPS patch cuts the file to " + std::to_string(*cut) +
                                 " bytes, but it has " + std::to_string(out.size()) +
                                 ": the patch is for a longer file, or damaged");
        out.resize(*cut);
    }
    return out;
}

PatchInfo DescribeIps(ByteView patch) {
    PatchInfo info;
    info.format = PatchFormat::ips;
    info.patchSize = patch.size();
    std::vector<ByteRange> written;
    const auto cut = ReadIps(patch, [&](const IpsRecord& r) {
        ++info.records;
        written.push_back({r.offset, r.length});
    });
    if (cut) info.targetSize = *cut;
    // Records may come in any order and overlap.
    std::sort(written.begin(), written.end(),
              [](const ByteRange& a, const ByteRange& b) { return a.offset < b.offset; });
    for (const ByteRange& r : written) AddRange(info.changed, r.offset, r.length);
    return info;
}

} // namespace patch
