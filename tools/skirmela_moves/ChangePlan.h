#pragma once
// The bytes an import writes: each changed move's name entry and record bytes 0 to 8, planned by
// the core's rules, cut down to the bytes that really change.

#include "rom/ChangePlan.h"
#include "tools/skirmela_moves/ImportCheck.h"
#include "tools/skirmela_moves/TableView.h"

#include <cstdint>
#include <map>
#include <span>
#include <vector>

namespace moves {

// The writes that turn image into the changed table, move by move: a new name is encoded as the
// window saves it (move 0 keeps rom::MoveZeroName), a name given as raw entry bytes is written as given, and
// record bytes 0 to 6 follow in the window's field order, then bytes 7 (priority) and 8 (flags).
// Every write that would store the byte already there is dropped; bytes 9 to 11 are written only
// where the table's record layout is split.
// Throws rom::PlanError when a move cannot be saved; nothing has been written then.
// A new description is placed by the core's rules (in place or in the free space); a description
// put back writes the bytes made FF, the text's bytes, then the pointer. The plan's net effect is
// checked byte by byte: a changed byte must be a changed move's name entry (when its name changes),
// record bytes 0 to 8 or description pointer, or a byte of its new text that lies in its current
// text or is FF now, touching no table and no other move's text; and every changed pointer must
// point at its new text afterwards. A refusal of an undo table's description names its row and
// column.
// A move's new contest fields are written by the core's contest plan (bytes 0 to 6 of its contest
// record, byte 1's bits 3 to 7 kept).
// placed, when given, receives where each new description's text was put, by move.
using DescriptionPlacements = std::map<int, rom::DescriptionPlacement>;
// table is the view the changes were checked against (its descriptions, contest data and layout).
rom::ChangePlan PlanChanges(const std::vector<MoveChange>& changes, const rom::MoveTables& at,
                            std::span<const std::uint8_t> image, const TableView& table,
                            DescriptionPlacements* placed = nullptr);

} // namespace moves
