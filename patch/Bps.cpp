#include "patch/Bps.h"

#include "patch/Checks.h"
#include "patch/Crc32.h"

#include <algorithm>
#include <cstring>

namespace patch {
namespace {

enum Action : std::uint8_t { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };

// Unchanged gaps shorter than this are cheaper written literally than read from the source.
constexpr std::size_t MinSourceRun = 3;
// A run of one byte at least this long is written as one byte and a copy of the target.
constexpr std::size_t MinRepeat = 16;

class BpsWriter {
  public:
    BpsWriter(Bytes& out, ByteView modified) : out_(out), modified_(modified) {}

    void ReadSource(std::size_t length) { Command(SourceRead, length); }

    // modified[a, b), as literals and copies of repeated bytes.
    void WriteSpan(std::size_t a, std::size_t b) {
        std::size_t literal = a;
        for (std::size_t p = a; p < b;) {
            std::size_t q = p + 1;
            while (q < b && modified_[q] == modified_[p]) ++q;
            if (q - p >= MinRepeat) {
                Literal(literal, p + 1);
                CopyTarget(p, q - p - 1);
                literal = q;
            }
            p = q;
        }
        Literal(literal, b);
    }

  private:
    void Command(Action action, std::uint64_t length) { AppendNumber(out_, (length - 1) << 2 | action); }

    void Literal(std::size_t a, std::size_t b) {
        if (b <= a) return;
        Command(TargetRead, b - a);
        out_.insert(out_.end(), modified_.begin() + static_cast<std::ptrdiff_t>(a),
                    modified_.begin() + static_cast<std::ptrdiff_t>(b));
    }

    // length bytes copied from the target at `from`, just written: the copy repeats them.
    void CopyTarget(std::size_t from, std::size_t length) {
        Command(TargetCopy, length);
        const bool back = from < targetCursor_;
        const std::uint64_t distance = back ? targetCursor_ - from : from - targetCursor_;
        AppendNumber(out_, distance << 1 | (back ? 1 : 0));
        targetCursor_ = from + length;
    }

    Bytes& out_;
    ByteView modified_;
    std::uint64_t targetCursor_ = 0;
};

struct BpsHeader {
    std::uint64_t sourceSize = 0, targetSize = 0, metadataSize = 0;
};

struct BpsCommand {
    Action action = SourceRead;
    std::uint64_t output = 0; // where in the target the command writes
    std::uint64_t length = 0;
    ByteView literal;       // TargetRead
    std::uint64_t from = 0; // SourceCopy and TargetCopy: the cursor the copy starts at
};

// Reads the sizes and the metadata.
BpsHeader ReadHeader(PatchReader& r) {
    BpsHeader h;
    r.Take(4, "the magic");
    h.sourceSize = r.Number("the source size");
    h.targetSize = r.Number("the target size");
    h.metadataSize = r.Number("the metadata size");
    r.Take(h.metadataSize, "the metadata");
    return h;
}

[[noreturn]] void PastEnd(std::size_t at, const std::string& what) {
    throw MalformedPatch("the BPS command at byte " + std::to_string(at) + " " + what);
}

// Reads every command after the header, checking that each stays inside the source, the target and
// what is built so far, and that they build the whole target; calls onCommand for each. Returns the
// number of commands.
template <class OnCommand> std::size_t ReadCommands(PatchReader& r, const BpsHeader& h, OnCommand onCommand) {
    if (h.sourceSize > MaxImageSize || h.targetSize > MaxImageSize)
        throw MalformedPatch("the BPS patch is damaged or not for a ROM: it names an image of more than " +
                             std::to_string(MaxImageSize) + " bytes");
    std::uint64_t output = 0, sourceCursor = 0, targetCursor = 0;
    std::size_t commands = 0;
    while (!r.atEnd()) {
        const std::size_t at = r.position();
        const std::uint64_t data = r.Number("a command");
        BpsCommand c;
        c.action = static_cast<Action>(data & 3);
        c.length = (data >> 2) + 1;
        c.output = output;
        if (c.length > h.targetSize - output)
            PastEnd(at, "writes past the end of the " + std::to_string(h.targetSize) + "-byte target");
        switch (c.action) {
        case SourceRead:
            if (output + c.length > h.sourceSize)
                PastEnd(at, "reads past the end of the " + std::to_string(h.sourceSize) + "-byte source");
            break;
        case TargetRead:
            c.literal = r.Take(c.length, "a command's literal bytes");
            break;
        case SourceCopy:
        case TargetCopy: {
            const std::uint64_t move = r.Number("a copy's offset");
            std::uint64_t& cursor = c.action == SourceCopy ? sourceCursor : targetCursor;
            const std::uint64_t distance = move >> 1;
            const bool back = move & 1;
            const std::uint64_t limit = c.action == SourceCopy ? h.sourceSize : output;
            if (back ? distance > cursor : distance > limit - std::min(cursor, limit))
                PastEnd(at, "moves its cursor outside the " +
                                std::string(c.action == SourceCopy ? "source" : "target built so far"));
            cursor = back ? cursor - distance : cursor + distance;
            // A target copy may overlap what it writes, but each byte it reads is written before.
            if (c.action == SourceCopy ? c.length > h.sourceSize - cursor : cursor >= output)
                PastEnd(at, "copies from past the end of the " +
                                std::string(c.action == SourceCopy ? "source" : "target built so far"));
            c.from = cursor;
            cursor += c.length;
            break;
        }
        }
        onCommand(c);
        output += c.length;
        ++commands;
    }
    if (output != h.targetSize)
        throw MalformedPatch("the BPS patch is truncated or damaged: its commands build " +
                             std::to_string(output) + " of the target's " + std::to_string(h.targetSize) +
                             " bytes");
    return commands;
}

} // namespace

Bytes CreateBps(ByteView original, ByteView modified) {
    const std::size_t s = original.size(), t = modified.size(), common = std::min(s, t);
    if (std::max(s, t) > MaxImageSize)
        throw FormatLimit("the image is larger than " + std::to_string(MaxImageSize) + " bytes");
    const std::uint8_t* o = original.data();
    const std::uint8_t* m = modified.data();
    // Past the original's end every byte of the modified image counts as changed.
    auto nextChanged = [&](std::size_t from) {
        return from >= common ? from : FirstDifference(o, m, from, common);
    };
    auto nextUnchanged = [&](std::size_t from) {
        while (from < common && o[from] != m[from]) ++from;
        return from < common ? from : t;
    };

    Bytes out{'B', 'P', 'S', '1'};
    AppendNumber(out, s);
    AppendNumber(out, t);
    AppendNumber(out, 0); // no metadata
    BpsWriter writer(out, modified);
    std::size_t done = 0;
    for (std::size_t a = nextChanged(0); a < t;) {
        std::size_t b = nextUnchanged(a);
        for (std::size_t next; b < t && (next = nextChanged(b)) < t && next - b < MinSourceRun;)
            b = nextUnchanged(next);
        if (a > done) writer.ReadSource(a - done);
        writer.WriteSpan(a, b);
        done = b;
        a = b < t ? nextChanged(b) : t;
    }
    if (t > done) writer.ReadSource(t - done);
    AppendLittleEndian32(out, Crc32(original));
    AppendLittleEndian32(out, Crc32(modified));
    AppendLittleEndian32(out, Crc32(out));
    return out;
}

Bytes ApplyBps(ByteView base, ByteView patch) {
    const Footer footer = ReadFooter(patch, PatchFormat::bps);
    CheckPatchCrc(footer, PatchFormat::bps);
    PatchReader r(patch, patch.size() - 12, "BPS");
    const BpsHeader h = ReadHeader(r);
    CheckBase(base, h.sourceSize, h.targetSize, footer, PatchFormat::bps);
    Bytes out(h.targetSize);
    std::uint8_t* target = out.data();
    ReadCommands(r, h, [&](const BpsCommand& c) {
        const std::size_t n = c.length;
        switch (c.action) {
        case SourceRead:
            std::memcpy(target + c.output, base.data() + c.output, n);
            break;
        case TargetRead:
            std::memcpy(target + c.output, c.literal.data(), n);
            break;
        case SourceCopy:
            std::memcpy(target + c.output, base.data() + c.from, n);
            break;
        case TargetCopy:
            // Byte by byte: a copy that overlaps what it writes repeats the bytes.
            if (c.from + n <= c.output)
                std::memcpy(target + c.output, target + c.from, n);
            else
                for (std::size_t i = 0; i < n; ++i) target[c.output + i] = target[c.from + i];
            break;
        }
    });
    CheckTarget(out, footer, PatchFormat::bps);
    return out;
}

PatchInfo DescribeBps(ByteView patch) {
    const Footer footer = ReadFooter(patch, PatchFormat::bps);
    PatchReader r(patch, patch.size() - 12, "BPS");
    BpsHeader h;
    PatchInfo info;
    info.format = PatchFormat::bps;
    info.patchSize = patch.size();
    try {
        h = ReadHeader(r);
        info.records = ReadCommands(r, h, [&](const BpsCommand& c) {
            const bool inPlace = c.action == SourceRead || (c.action == SourceCopy && c.from == c.output);
            if (!inPlace) AddRange(info.changed, c.output, c.length);
        });
    } catch (const MalformedPatch&) {
        CheckPatchCrc(footer, PatchFormat::bps); // a damaged patch says so rather than what broke
        throw;
    }
    info.sourceSize = h.sourceSize;
    info.targetSize = h.targetSize;
    info.metadataSize = h.metadataSize;
    PutChecksums(info, footer);
    return info;
}

} // namespace patch
