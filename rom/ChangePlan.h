#pragma once
// A plan of changes to a ROM: single-byte writes at file offsets, worked out and checked in full
// before anything is written, then carried out all or nothing.

#include "rom/MoveBytes.h"
#include "rom/RomError.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace rom {

// A change that cannot be carried out; nothing has been written.
class PlanError : public RomError {
  public:
    using RomError::RomError;
};

struct ByteWrite {
    std::int64_t offset = 0;
    std::uint8_t value = 0;
    bool operator==(const ByteWrite&) const = default;
};

using ChangePlan = std::vector<ByteWrite>;

// Appends the 13 writes that store entry as move k's name entry, in byte order.
void PlanNameEntry(ChangePlan& plan, const MoveTables& at, int k, const NameEntry& entry);

// Appends the writes of bytes first to last (0 to 11) of move k's record, in byte order.
void PlanRecordBytes(ChangePlan& plan, const MoveTables& at, int k, const RecordBytes& bytes, int first,
                     int last);

// The plan without the writes that would store the byte already there. Throws PlanError for a
// write outside the image.
ChangePlan OnlyChanges(const ChangePlan& plan, std::span<const std::uint8_t> image);

// Carries the plan out on the file, one byte at a time in plan order. Before the first write the
// old bytes are read; if a write fails the bytes already written are put back, then the error is
// rethrown (FileAccessError, PositionError).
void ApplyPlan(const std::filesystem::path& rom, const ChangePlan& plan);

} // namespace rom
