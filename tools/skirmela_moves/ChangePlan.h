#pragma once
// The bytes an import writes: the editor's save plan of each changed move, with the priority and
// flags bytes after it, cut down to the bytes that really change.

#include "editor/SavePlan.h"
#include "tools/skirmela_moves/ImportCheck.h"
#include "tools/skirmela_moves/MoveTable.h"

#include <cstdint>
#include <vector>

namespace moves {

// The writes that turn image into the changed table, move by move. Each move's name and seven
// fields are planned by editor::PlanSave as the window would save them; its name bytes are kept
// only when the name changes (an unchanged name may decode to text that never encodes back), a name
// given as raw entry bytes is written as given, and bytes 7 (priority) and 8 (flags) follow. Every
// write that would store the byte already there is dropped; bytes 9 to 11 are never written.
// Throws editor::SavePlanError when a move cannot be saved; nothing has been written then.
std::vector<editor::PlannedWrite> PlanChanges(const std::vector<MoveChange>& changes,
                                              const rom::MoveTables& at,
                                              const std::vector<std::uint8_t>& image);

} // namespace moves
