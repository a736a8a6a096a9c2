#pragma once
// Which 20 bytes a save of the window writes where: the 13 name bytes, then the seven record fields,
// from the texts the window holds. Computed and checked in full before anything is written, so a
// save either changes the whole move or nothing. No Qt.

#include "rom/MoveRecord.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace editor {

// A save that cannot be carried out; nothing has been written.
class SavePlanError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One single-byte write: the pair as WriteHexByte takes it.
struct PlannedWrite {
    std::int32_t offset;
    std::string pair;
    bool operator==(const PlannedWrite&) const = default;
};

// What the window holds at the moment of a save, as texts and numbers.
struct SaveInputs {
    int k = -1;                  // selected entry; move k
    std::u32string name;         // text of the name field (ignored for move 0)
    std::string nameStart = "2388129"; // txtStart
    std::string nameStride = "13";     // txtLength
    std::string dataOffset = "2427908"; // txtDataOffset
    // Record values in byte order (effect, power, type, accuracy, pp, effectChance, target): list
    // fields give the selected position (-1 for none), number fields their leading number.
    std::array<double, rom::MoveFieldCount> values{};
};

// The 20 writes in the order they happen. Throws SavePlanError when k is no entry (below 0,
// above 2730), a text that must be a number is not, a name character has no code, a value is not
// 0 to 255 after rounding, or a position falls outside a file of romSize bytes.
std::vector<PlannedWrite> PlanSave(const SaveInputs& in, std::int64_t romSize);

// The pair of a record value: upper-case hex without leading zeros ("C8", "5", "0"); -1 is "FFFF".
std::string ValuePair(std::int32_t value);

// Carries the plan out on the file in its order, all or nothing (rom::ApplyPlan).
void ApplySave(const std::filesystem::path& rom, const std::vector<PlannedWrite>& plan);

} // namespace editor
