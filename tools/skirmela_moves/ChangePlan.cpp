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

void PlanRestore(rom::ChangePlan& plan, const DescriptionRestore& restore, const rom::DescriptionTable& table, int k,
                 std::int64_t size) {
    if (restore.clear)
        for (std::int64_t i = 0; i < restore.clear->second; ++i) plan.push_back({restore.clear->first + i, 0xFF});
    const std::int64_t at = std::int64_t{restore.pointer} - rom::CartridgeAddressBase;
    if (restore.pointer < rom::CartridgeAddressBase || at < rom::CartridgeHeaderEnd ||
        at + static_cast<std::int64_t>(restore.bytes.size()) > size)
        throw rom::PlanError("the description pointer of move " + std::to_string(k) + " would point outside the file");
    for (std::size_t i = 0; i < restore.bytes.size(); ++i)
        plan.push_back({at + static_cast<std::int64_t>(i), restore.bytes[i]});
    for (int i = 0; i < 4; ++i)
        plan.push_back({table.PointerOffset(k) + i, static_cast<std::uint8_t>(restore.pointer >> (8 * i))});
}

} // namespace

rom::ChangePlan PlanChanges(const std::vector<MoveChange>& changes, const rom::MoveTables& at,
                            std::span<const std::uint8_t> image, const rom::DescriptionTable* descriptions) {
    rom::ChangePlan plan;
    std::optional<rom::DescriptionPlanner> planner;
    for (const MoveChange& change : changes) {
        try {
            if ((change.newDescription || change.restoreDescription) && !descriptions)
                throw rom::PlanError("the ROM's descriptions were not read");
            if (change.newDescription) {
                if (!planner) planner.emplace(*descriptions, image);
                planner->Plan(plan, change.move, *change.newDescription);
            }
            if (change.restoreDescription)
                PlanRestore(plan, *change.restoreDescription, *descriptions, change.move,
                            static_cast<std::int64_t>(image.size()));
            PlanMove(plan, change, at);
        } catch (const rom::PositionError& e) {
            throw rom::PlanError(e.what());
        }
    }
    return rom::OnlyChanges(plan, image);
}

} // namespace moves
