#include "tools/skirmela_moves/ChangePlan.h"

#include "rom/Utf8.h"

namespace moves {
namespace {

void PlanMove(rom::ChangePlan& plan, const MoveChange& change, const rom::MoveTables& at) {
    const int k = change.move;
    if (change.newName) {
        const auto entry = rom::EncodeNameEntry(k == 0 ? U"-" : rom::Utf8ToU32(*change.newName));
        if (!entry) throw rom::PlanError("the name of move " + std::to_string(k) + " holds a character the game cannot show");
        rom::PlanNameEntry(plan, at, k, *entry);
    }
    for (rom::MoveField f : rom::MoveFieldAccessOrder)
        plan.push_back({rom::RecordOffset(at, k) + static_cast<int>(f), change.newBytes[static_cast<std::size_t>(f)]});
    if (change.newEntry) rom::PlanNameEntry(plan, at, k, *change.newEntry);
    rom::PlanRecordBytes(plan, at, k, change.newBytes, rom::PriorityByte, rom::FlagsByte);
}

} // namespace

rom::ChangePlan PlanChanges(const std::vector<MoveChange>& changes, const rom::MoveTables& at,
                            std::span<const std::uint8_t> image) {
    rom::ChangePlan plan;
    for (const MoveChange& change : changes) {
        try {
            PlanMove(plan, change, at);
        } catch (const rom::PositionError& e) {
            throw rom::PlanError(e.what());
        }
    }
    return rom::OnlyChanges(plan, image);
}

} // namespace moves
