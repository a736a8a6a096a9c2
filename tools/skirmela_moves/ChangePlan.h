#pragma once
// The bytes an import writes: the editor's save plan of each changed move, cut down to the bytes
// that really change.

#include "editor/SavePlan.h"
#include "tools/skirmela_moves/ImportCheck.h"
#include "tools/skirmela_moves/MoveTable.h"

#include <cstdint>
#include <vector>

namespace moves {

// The writes that turn image into the changed table, in save order move by move. Each move is
// planned by editor::PlanSave as the window would save it; its name bytes are kept only when the
// name changes (an unchanged name may decode to text that never encodes back, such as a line
// break), and every write that would store the byte already there is dropped. Throws
// editor::SavePlanError when a move cannot be saved; nothing has been written then.
std::vector<editor::PlannedWrite> PlanChanges(const std::vector<MoveChange>& changes, const TableLocation& at,
                                              const std::vector<std::uint8_t>& image);

} // namespace moves
