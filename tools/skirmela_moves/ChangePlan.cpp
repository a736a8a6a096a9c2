#include "tools/skirmela_moves/ChangePlan.h"

#include "rom/ContestPlan.h"
#include "rom/HexFunctions.h"
#include "rom/Utf8.h"
#include "tools/skirmela_moves/MoveFields.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace moves {
namespace {

void PlanMove(rom::ChangePlan& plan, const MoveChange& change, const rom::MoveTables& at,
              const TableView& table) {
    const int k = change.move;
    if (change.newName) {
        const auto entry = rom::EncodeNameEntry(rom::StoredName(k, rom::Utf8ToU32(*change.newName)));
        if (!entry)
            throw rom::PlanError("the name of move " + std::to_string(k) +
                                 " holds a character the game cannot show");
        rom::PlanNameEntry(plan, at, k, *entry);
    }
    for (rom::MoveField f : rom::MoveFieldAccessOrder)
        plan.push_back(
            {rom::RecordOffset(at, k) + static_cast<int>(f), change.newBytes[static_cast<std::size_t>(f)]});
    if (change.newEntry) rom::PlanNameEntry(plan, at, k, *change.newEntry);
    // Bytes 9 to 11 are written only where the record layout gives them fields (split).
    const bool split = table.layout == rom::RecordLayout::Split;
    rom::PlanRecordBytes(plan, at, k, change.newBytes, rom::PriorityByte,
                         split ? rom::MoveRecordSize - 1 : rom::FlagsByte);
    if (change.newContest) rom::PlanContestMove(plan, table.contest, k, *change.newContest);
}

// The plan's net effect: each byte's last value, where it differs from the image, in the order the
// plan first writes the bytes.
rom::ChangePlan NetChanges(const rom::ChangePlan& plan, std::span<const std::uint8_t> image) {
    std::map<std::int64_t, std::uint8_t> last;
    std::vector<std::int64_t> order;
    for (const rom::ByteWrite& w : plan) {
        if (w.offset < 0 || w.offset >= static_cast<std::int64_t>(image.size()))
            throw rom::PlanError("a byte of the move lies outside the ROM");
        if (last.insert_or_assign(w.offset, w.value).second) order.push_back(w.offset);
    }
    rom::ChangePlan net;
    for (std::int64_t at : order)
        if (image[static_cast<std::size_t>(at)] != last[at]) net.push_back({at, last[at]});
    return net;
}

// The text a changed description is to have, or nullptr when the move's description stays.
const std::vector<std::uint8_t>* NewText(const MoveChange& c) {
    return c.restoreDescription ? &c.restoreDescription->bytes
           : c.newDescription   ? &*c.newDescription
                                : nullptr;
}

// Who answers for a refusal: the cell of an undo table that gave the pointer, or the move.
std::string Blame(const MoveChange& c) {
    if (!c.restoreDescription) return "move " + std::to_string(c.move);
    const DescriptionRestore& r = *c.restoreDescription;
    return DescribeCellError(
               {r.row, r.pointerColumn, r.pointerColumn > 0 ? DescriptionPointerColumn : "", ""}) +
           "move " + std::to_string(c.move);
}

// Checks that the bytes the plan changes are only those the changed moves may change: each move's
// name entry and record bytes 0 to 8, its description pointer, and the bytes of its new text, which
// must either lie in its current text or be FF now, and in neither case touch a table or another
// move's text. Afterwards every changed pointer must point at its new text. Throws PlanError.
void CheckPlanStaysWithItsMoves(const rom::ChangePlan& net, const std::vector<MoveChange>& changes,
                                const rom::MoveTables& at, std::span<const std::uint8_t> image,
                                const rom::DescriptionTable* descriptions, const rom::ContestData* contest) {
    const auto size = static_cast<std::int64_t>(image.size());
    std::vector<std::uint8_t> after(image.begin(), image.end());
    for (const rom::ByteWrite& w : net) after[static_cast<std::size_t>(w.offset)] = w.value;

    // Where each changed description's text lies afterwards.
    std::map<int, std::pair<std::int64_t, std::int64_t>> texts;
    for (const MoveChange& c : changes) {
        const std::vector<std::uint8_t>* text = NewText(c);
        if (!text) continue;
        const std::int64_t p = descriptions->PointerOffset(c.move);
        std::uint32_t word = 0;
        for (int i = 0; i < 4; ++i)
            word |= static_cast<std::uint32_t>(after[static_cast<std::size_t>(p + i)]) << (8 * i);
        const std::int64_t from = rom::AddressOffset(word),
                           to = from + static_cast<std::int64_t>(text->size());
        const std::string who = Blame(c);
        if (from < 0 || to > size)
            throw rom::PlanError(who + ": the description pointer " + rom::HexNumber(word) +
                                 " points outside the file");
        for (const rom::ByteRange& r : descriptions->reserved)
            if (r.Overlaps(from, to))
                throw rom::PlanError(who + ": the description at " + rom::HexNumber(from) + " would lie in " +
                                     r.what);
        if (!std::equal(text->begin(), text->end(), after.begin() + from))
            throw rom::PlanError(who + ": the description at " + rom::HexNumber(from) +
                                 " would not read back as written (another change writes over it)");
        texts[c.move] = {from, to};
    }

    const auto inside = [](std::int64_t o, std::int64_t from, std::int64_t length) {
        return o >= from && o < from + length;
    };
    for (const rom::ByteWrite& w : net) {
        const std::int64_t o = w.offset;
        bool owned = false;
        for (const MoveChange& c : changes) {
            const int k = c.move;
            if ((c.newName || c.newEntry) && inside(o, rom::NameEntryOffset(at, k), rom::MoveNameFieldLength))
                owned = true;
            if (inside(o, rom::RecordOffset(at, k), rom::MoveRecordSize)) owned = true;
            // Bytes 0 to 6 of the contest record; byte 7 is never written.
            if (c.newContest && contest &&
                inside(o, contest->MoveRecordOffset(k), rom::ContestMoveRecordSize - 1))
                owned = true;
            if (!NewText(c) || owned) continue;
            if (inside(o, descriptions->PointerOffset(k), 4)) {
                owned = true;
                continue;
            }
            const rom::MoveDescription* old = descriptions->Of(k);
            const bool ownText = inside(o, old->textOffset, static_cast<std::int64_t>(old->bytes.size()));
            const auto [from, to] = texts[k];
            const bool cleared =
                c.restoreDescription && c.restoreDescription->clear && w.value == 0xFF &&
                inside(o, c.restoreDescription->clear->first, c.restoreDescription->clear->second);
            if (!(o >= from && o < to) && !cleared) continue;
            const std::string collision = descriptions->Collision(k, o, o + 1);
            if (!collision.empty())
                throw rom::PlanError(Blame(c) + ": the description would write over " + collision +
                                     " (byte " + rom::HexNumber(o) + ")");
            if (!ownText && image[static_cast<std::size_t>(o)] != 0xFF)
                throw rom::PlanError(Blame(c) + ": the description would write over byte " +
                                     rom::HexNumber(o) +
                                     ", which is neither the move's text nor free space (FF)");
            owned = true;
        }
        if (!owned)
            throw rom::PlanError("the changes would write byte " + rom::HexNumber(o) +
                                 ", which belongs to no changed move");
    }
}

} // namespace

rom::ChangePlan PlanChanges(const std::vector<MoveChange>& changes, const rom::MoveTables& at,
                            std::span<const std::uint8_t> image, const TableView& table,
                            DescriptionPlacements* placed) {
    const rom::DescriptionTable* descriptions = table.Descriptions();
    rom::ChangePlan plan;
    std::optional<rom::DescriptionPlanner> planner;
    for (const MoveChange& change : changes) {
        try {
            if ((change.newDescription || change.restoreDescription) &&
                (!descriptions || !descriptions->Available() || !descriptions->Of(change.move)))
                throw rom::PlanError("the ROM's descriptions were not read");
            if (change.newDescription) {
                if (!planner) planner.emplace(*descriptions, image);
                const rom::DescriptionPlacement where =
                    planner->Plan(plan, change.move, *change.newDescription);
                if (placed) (*placed)[change.move] = where;
            }
            if (change.restoreDescription)
                rom::PlanDescriptionRestore(plan, *descriptions, change.move, *change.restoreDescription,
                                            static_cast<std::int64_t>(image.size()));
            PlanMove(plan, change, at, table);
        } catch (const rom::PositionError& e) {
            throw rom::PlanError(e.what());
        }
    }
    rom::ChangePlan net = NetChanges(plan, image);
    CheckPlanStaysWithItsMoves(net, changes, at, image, descriptions, &table.contest);
    return net;
}

} // namespace moves
