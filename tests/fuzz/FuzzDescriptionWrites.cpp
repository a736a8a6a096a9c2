// The writers of a table (import, set and the undo table) over a demo ROM with descriptions whose
// pointers a hostile input aims anywhere: the input's first bytes aim move pointers at the header,
// a table, the texts, the free space or past the end; the rest is a CSV table of any columns.
// After each input either nothing is written (a refused cell or plan), or every byte that changed
// is one the moves of the report may change: their name entries, records, description pointers,
// old and new texts, and FF free space outside every table and every other move's text. The other
// moves read back as they were, the descriptions stay readable, and the undo table of a change
// (one that puts back no description itself) gives the original image back byte for byte.

#include "rom/MoveDescriptions.h"
#include "rom/ReadINI.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tools/skirmela_moves/ChangePlan.h"
#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/ImportCheck.h"
#include "tools/skirmela_moves/MoveDiff.h"

#include <algorithm>
#include <set>

using namespace moves;

namespace {

constexpr int Moves = rom::StandardMoveCount;

const demo::DemoRom& Demo() {
    static const demo::DemoRom rom = demo::MakeDemoRom();
    return rom;
}

rom::MoveTables Tables() {
    return {Demo().layout.nameStart, Demo().layout.dataOffset};
}

std::int64_t PointerTable() {
    return Demo().layout.descriptionTable;
}

rom::DescriptionTable Read(const std::vector<std::uint8_t>& image) {
    static const std::string profile = demo::DemoProfileText(Demo().layout);
    const rom::RomHeader header = rom::ParseRomHeader(image, static_cast<std::int64_t>(image.size()));
    const rom::ProfileLookup lookup = [](const std::string& section) {
        return rom::FindIniEntry(profile, section, "offset");
    };
    return rom::ReadDescriptions(
        header, lookup, Tables(), Moves, [&image](std::int64_t at, std::int64_t length) {
            at = std::clamp<std::int64_t>(at, 0, static_cast<std::int64_t>(image.size()));
            length = std::min<std::int64_t>(length, static_cast<std::int64_t>(image.size()) - at);
            return std::vector<std::uint8_t>(image.begin() + at, image.begin() + at + length);
        });
}

// The tables no text may touch, worked out here and not taken from the code under test.
bool InTable(std::int64_t o) {
    const std::int64_t names = Tables().nameStart - 13;
    return o < 0xC0 || (o >= names && o < names + 13 * Moves) ||
           (o >= Tables().dataOffset && o < Tables().dataOffset + 12 * Moves) ||
           (o >= PointerTable() && o < PointerTable() + 4 * (Moves - 1));
}

std::uint32_t Word(const std::vector<std::uint8_t>& image, std::int64_t at) {
    std::uint32_t w = 0;
    for (int i = 0; i < 4; ++i)
        w |= static_cast<std::uint32_t>(image[static_cast<std::size_t>(at + i)]) << (8 * i);
    return w;
}

// Aims pointers as the input's first bytes say: a count (0 to 3), then 5 bytes each: the move (2),
// where (1) and how far into it (2).
std::size_t Aim(std::vector<std::uint8_t>& image, const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t count = std::min<std::size_t>(data[0] & 3, (size - 1) / 5);
    const auto size64 = static_cast<std::int64_t>(image.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* a = data + 1 + 5 * i;
        const int k = 1 + (a[0] | a[1] << 8) % (Moves - 1);
        const std::int64_t off = a[3] | a[4] << 8;
        const std::int64_t targets[] = {Tables().nameStart - 13 + off % (13 * Moves),
                                        Tables().dataOffset + off % (12 * Moves),
                                        PointerTable() + off % (4 * (Moves - 1)),
                                        off % 0xC0,
                                        PointerTable() - 0x1000 + off % 0x1000,
                                        0x3B000 + off % 0x100,
                                        size64 - 0x200 + off % 0x400,
                                        off * 4};
        const std::int64_t target = targets[a[2] % 8];
        const auto word = static_cast<std::uint32_t>(rom::CartridgeAddressBase + target);
        for (int b = 0; b < 4; ++b)
            image[static_cast<std::size_t>(PointerTable() + 4 * (k - 1) + b)] =
                static_cast<std::uint8_t>(word >> (8 * b));
    }
    return 1 + 5 * count;
}

// The bytes the checks and the plan allow, written by the plan; refusal leaves nothing.
struct Outcome {
    bool written = false;
    ImportCheck check;
    std::vector<std::uint8_t> after;
    rom::ChangePlan plan;
    DescriptionPlacements placed;
    rom::DescriptionTable descriptionsAfter; // read from after
    std::vector<rom::MoveRow> rowsAfter;
};

Outcome Apply(const std::vector<std::uint8_t>& image, const std::vector<rom::MoveRow>& rows,
              const rom::DescriptionTable& table, const std::vector<CsvRecord>& records) {
    Outcome o;
    const moves::TableView view{rows, table};
    o.check = CheckImport(records, view);
    if (!o.check.errors.empty()) {
        Require(o.check.changes.empty());
        return o;
    }
    try {
        o.plan = PlanChanges(o.check.changes, Tables(), image, view, &o.placed);
    } catch (const rom::PlanError&) {
        return o;
    }
    o.after = image;
    for (const rom::ByteWrite& w : o.plan) o.after[static_cast<std::size_t>(w.offset)] = w.value;
    o.written = true;
    o.descriptionsAfter = Read(o.after);
    o.rowsAfter = rom::ReadMoveRows(o.after, Tables(), Moves);
    return o;
}

void CheckOutcome(const std::vector<std::uint8_t>& image, const std::vector<rom::MoveRow>& rows,
                  const rom::DescriptionTable& table, const Outcome& o) {
    std::set<int> reported;
    for (const FieldChange& f : o.check.report) reported.insert(f.move);
    for (const MoveChange& c : o.check.changes) Require(reported.count(c.move) == 1);
    if (!table.Available())
        for (const MoveChange& c : o.check.changes) Require(!c.newDescription && !c.restoreDescription);

    const rom::DescriptionTable& now = o.descriptionsAfter;
    Require(now.Available() || !table.Available());
    const auto inRange = [](std::int64_t x, std::int64_t from, std::int64_t length) {
        return x >= from && x < from + length;
    };
    const auto inOtherText = [&](std::int64_t x, int k) {
        for (int j = 1; j < Moves && table.Available(); ++j)
            if (j != k &&
                inRange(x, table.Of(j)->textOffset, static_cast<std::int64_t>(table.Of(j)->bytes.size())))
                return true;
        return false;
    };
    for (const rom::ByteWrite& w : o.plan) {
        const std::int64_t x = w.offset;
        Require(image[static_cast<std::size_t>(x)] != w.value);
        bool allowed = false;
        for (int k : reported) {
            if (inRange(x, Tables().nameStart - 13 + 13 * k, 13) ||
                inRange(x, Tables().dataOffset + 12 * k, 9))
                allowed = true;
            if (!table.Available() || k == 0) continue;
            if (inRange(x, PointerTable() + 4 * (k - 1), 4)) allowed = true;
            const rom::MoveDescription& old = *table.Of(k);
            const bool oldText = inRange(x, old.textOffset, static_cast<std::int64_t>(old.bytes.size()));
            const rom::MoveDescription& fresh = *now.Of(k);
            const bool newText = inRange(x, fresh.textOffset, static_cast<std::int64_t>(fresh.bytes.size()));
            const bool freeSpace = image[static_cast<std::size_t>(x)] == 0xFF;
            if ((oldText || newText || freeSpace) && !InTable(x) && !inOtherText(x, k)) allowed = true;
        }
        Require(allowed);
    }
    const std::vector<rom::MoveRow>& rowsNow = o.rowsAfter;
    for (int k = 0; k < Moves; ++k) {
        if (reported.count(k)) continue;
        Require(rowsNow[static_cast<std::size_t>(k)].entry == rows[static_cast<std::size_t>(k)].entry);
        Require(rowsNow[static_cast<std::size_t>(k)].bytes == rows[static_cast<std::size_t>(k)].bytes);
        if (k > 0 && table.Available())
            Require(now.Of(k)->pointer == table.Of(k)->pointer && now.Of(k)->bytes == table.Of(k)->bytes);
    }
    for (const MoveChange& c : o.check.changes) {
        if (c.newDescription) Require(now.Of(c.move)->bytes == *c.newDescription);
        if (c.restoreDescription) Require(now.Of(c.move)->bytes == c.restoreDescription->bytes);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> image = Demo().bytes;
    const std::size_t used = Aim(image, data, size);
    std::vector<CsvRecord> records;
    try {
        records = ParseCsv(std::string_view(reinterpret_cast<const char*>(data) + used, size - used));
    } catch (const CsvError&) {
        return 0;
    }
    // The demo's own table is read once; an image whose pointers were aimed is read anew.
    static const rom::DescriptionTable demoTable = Read(Demo().bytes);
    static const std::vector<rom::MoveRow> rows = rom::ReadMoveRows(Demo().bytes, Tables(), Moves);
    const rom::DescriptionTable aimedTable = used > 1 ? Read(image) : rom::DescriptionTable{};
    const rom::DescriptionTable& table = used > 1 ? aimedTable : demoTable;
    if (table.Available())
        for (int k = 1; k < Moves; ++k)
            for (std::size_t i = 0; i < table.Of(k)->bytes.size(); ++i)
                Require(!InTable(table.Of(k)->textOffset + static_cast<std::int64_t>(i)));
    const Outcome forward = Apply(image, rows, table, records);
    if (!forward.written) return 0;
    CheckOutcome(image, rows, table, forward);

    // The undo table of the change puts every byte back, unless the change put a description back
    // itself (an undo table records no text that such a row wrote over).
    for (const MoveChange& c : forward.check.changes)
        if (c.restoreDescription) return 0;
    const Outcome back =
        Apply(forward.after, forward.rowsAfter, forward.descriptionsAfter,
              ParseCsv(UndoCsv(forward.check.changes, moves::TableView{rows, table}, &forward.placed)));
    Require(back.written);
    CheckOutcome(forward.after, forward.rowsAfter, forward.descriptionsAfter, back);
    Require(back.after == image);
    return 0;
}
