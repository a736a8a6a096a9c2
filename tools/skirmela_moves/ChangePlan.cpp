#include "tools/skirmela_moves/ChangePlan.h"

#include "rom/HexFunctions.h"
#include "rom/Utf8.h"
#include "tools/skirmela_moves/MoveFields.h"

namespace moves {

std::vector<editor::PlannedWrite> PlanChanges(const std::vector<MoveChange>& changes,
                                              const rom::MoveTables& at,
                                              const std::vector<std::uint8_t>& image) {
    std::vector<editor::PlannedWrite> writes;
    const auto keepIfChanged = [&](std::int64_t offset, const std::string& pair) {
        if (offset < 0 || offset >= static_cast<std::int64_t>(image.size()))
            throw editor::SavePlanError("a byte of the move lies outside the ROM");
        if (image[static_cast<std::size_t>(offset)] != rom::ParseHexPair(pair))
            writes.push_back({static_cast<std::int32_t>(offset), pair});
    };
    for (const MoveChange& change : changes) {
        editor::SaveInputs in;
        in.k = change.move;
        // The plan always holds the 13 name bytes; for a name that stays (or is given as bytes), an
        // encodable stand-in lets the record be planned, and its bytes are dropped below.
        in.name = change.newName ? rom::Utf8ToU32(*change.newName) : std::u32string();
        in.nameStart = std::to_string(at.nameStart);
        in.nameStride = std::to_string(NameStride);
        in.dataOffset = std::to_string(at.dataOffset);
        for (int f = 0; f < rom::MoveFieldCount; ++f)
            in.values[static_cast<std::size_t>(f)] = change.newBytes[static_cast<std::size_t>(f)];

        const std::vector<editor::PlannedWrite> plan =
            editor::PlanSave(in, static_cast<std::int64_t>(image.size()));
        for (std::size_t i = 0; i < plan.size(); ++i) {
            if (i < rom::MoveNameFieldLength && !change.newName) continue;
            keepIfChanged(plan[i].offset, plan[i].pair);
        }
        if (change.newEntry)
            for (int i = 0; i < rom::MoveNameFieldLength; ++i)
                keepIfChanged(NameByteOffset(at, change.move, i),
                              rom::HexPair((*change.newEntry)[static_cast<std::size_t>(i)]));
        for (int b = PriorityByte; b <= FlagsByte; ++b)
            keepIfChanged(RecordOffset(at, change.move) + b,
                          rom::HexPair(change.newBytes[static_cast<std::size_t>(b)]));
    }
    return writes;
}

} // namespace moves
