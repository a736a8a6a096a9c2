#pragma once
// Which bytes a save of the window writes where: the 13 name bytes, then the seven record fields,
// then the rest of the record (bytes 7 to 11), from the texts the window holds. Computed and checked
// in full before anything is written, so a save either changes the whole move or nothing. No Qt.

#include "rom/MoveBytes.h"
#include "rom/MoveRecord.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
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

// Record bytes 7 to 11 as the window holds them: the priority's leading number (rom::PriorityLowest
// to rom::PriorityHighest, stored as a signed byte), the flags byte, and the leading numbers of bytes 9 to 11
// (0 to 255).
struct RestOfRecord {
    double priority = 0;
    int flags = 0;
    std::array<double, rom::PaddingLength> padding{};
};

// What the window holds at the moment of a save, as texts and numbers.
struct SaveInputs {
    int k = -1;                         // selected entry; move k
    std::u32string name;                // text of the name field (ignored for move 0)
    std::string nameStart = "2388129";  // txtStart
    std::string nameStride = "13";      // txtLength
    std::string dataOffset = "2427908"; // txtDataOffset
    // Record values in byte order (effect, power, type, accuracy, pp, effectChance, target): list
    // fields give the selected position (-1 for none), number fields their leading number.
    std::array<double, rom::MoveFieldCount> values{};
    std::optional<RestOfRecord> rest; // bytes 7 to 11, written after the seven fields when given
    // The name's entry as it lies in the ROM: when given, the name is written with its padding
    // (rom::PaddedNameEntry), so an unchanged name writes the bytes it was read from.
    std::optional<rom::NameEntry> currentName;
};

// The 20 writes in the order they happen, then bytes 7 to 11 in byte order when in.rest is given;
// the 13 name bytes keep the padding of in.currentName when it is given.
// Throws SavePlanError when k is no entry (below 0, above 2730), a text that must be a number is
// not, a name character has no code, a value is not 0 to 255 (a priority rom::PriorityLowest to
// rom::PriorityHighest) after rounding, or a position falls outside a file of romSize bytes.
std::vector<PlannedWrite> PlanSave(const SaveInputs& in, std::int64_t romSize);

// The 12 record bytes a save gives move in.k, checked as PlanSave checks them, for a store that
// takes a move's values rather than bytes at offsets: bytes 0 to 6 from in.values, 7 to 11 from
// in.rest, or as base holds them when in.rest is not given. Throws SavePlanError as PlanSave does.
rom::RecordBytes RecordBytesOf(const SaveInputs& in, const rom::RecordBytes& base);

// The pair of a record value: upper-case hex without leading zeros ("C8", "5", "0"); -1 is "FFFF".
std::string ValuePair(std::int32_t value);

// Carries the plan out on the file in its order, all or nothing (rom::ApplyPlan).
void ApplySave(const std::filesystem::path& rom, const std::vector<PlannedWrite>& plan);

} // namespace editor
