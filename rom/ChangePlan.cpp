#include "rom/ChangePlan.h"

#include "rom/HexFunctions.h"

#include <limits>

namespace rom {
namespace {

std::int32_t FileOffset(std::int64_t offset) {
    if (offset < 0 || offset > std::numeric_limits<std::int32_t>::max())
        throw PositionError("position " + std::to_string(offset) + " lies outside the ROM");
    return static_cast<std::int32_t>(offset);
}

} // namespace

void PlanNameEntry(ChangePlan& plan, const MoveTables& at, int k, const NameEntry& entry) {
    const std::int64_t start = NameEntryOffset(at, k);
    for (std::size_t i = 0; i < entry.size(); ++i)
        plan.push_back({start + static_cast<std::int64_t>(i), entry[i]});
}

void PlanRecordBytes(ChangePlan& plan, const MoveTables& at, int k, const RecordBytes& bytes, int first,
                     int last) {
    const std::int64_t start = RecordOffset(at, k);
    for (int b = first; b <= last; ++b) plan.push_back({start + b, bytes[static_cast<std::size_t>(b)]});
}

ChangePlan OnlyChanges(const ChangePlan& plan, std::span<const std::uint8_t> image) {
    ChangePlan changes;
    for (const ByteWrite& w : plan) {
        if (w.offset < 0 || w.offset >= static_cast<std::int64_t>(image.size()))
            throw PlanError("a byte of the move lies outside the ROM");
        if (image[static_cast<std::size_t>(w.offset)] != w.value) changes.push_back(w);
    }
    return changes;
}

void ApplyPlan(const std::filesystem::path& rom, const ChangePlan& plan) {
    std::vector<std::string> before;
    before.reserve(plan.size());
    for (const ByteWrite& w : plan) before.push_back(ReadHexBytes(rom, FileOffset(w.offset), 1));

    std::size_t done = 0;
    try {
        for (; done < plan.size(); ++done)
            WriteHexByte(rom, FileOffset(plan[done].offset), HexPair(plan[done].value));
    } catch (...) {
        for (std::size_t i = done; i-- > 0;) {
            try {
                WriteHexByte(rom, FileOffset(plan[i].offset), before[i]);
            } catch (...) {
                // The file refuses writes now; the error below is what the user must see.
            }
        }
        throw;
    }
}

} // namespace rom
