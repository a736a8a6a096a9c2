#include "tools/skirmela_moves/ChangePlan.h"

#include "rom/HexFunctions.h"
#include "rom/Utf8.h"

namespace moves {

std::vector<editor::PlannedWrite> PlanChanges(const std::vector<MoveChange>& changes, const TableLocation& at,
                                              const std::vector<std::uint8_t>& image) {
    std::vector<editor::PlannedWrite> writes;
    for (const MoveChange& change : changes) {
        editor::SaveInputs in;
        in.k = change.move;
        // The plan always holds the 13 name bytes; for a name that stays, an encodable stand-in
        // lets the record be planned, and its bytes are dropped below.
        in.name = change.newName ? rom::Utf8ToU32(*change.newName) : std::u32string();
        in.nameStart = at.nameStartText;
        in.nameStride = std::to_string(NameStride);
        in.dataOffset = at.dataOffsetText;
        for (int f = 0; f < rom::MoveFieldCount; ++f)
            in.values[static_cast<std::size_t>(f)] = change.newRecord[static_cast<rom::MoveField>(f)];

        const std::vector<editor::PlannedWrite> plan =
            editor::PlanSave(in, static_cast<std::int64_t>(image.size()));
        for (std::size_t i = 0; i < plan.size(); ++i) {
            if (i < rom::MoveNameFieldLength && !change.newName) continue;
            const editor::PlannedWrite& w = plan[i];
            if (image[static_cast<std::size_t>(w.offset)] != rom::ParseHexPair(w.pair)) writes.push_back(w);
        }
    }
    return writes;
}

} // namespace moves
