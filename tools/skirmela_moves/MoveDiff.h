#pragma once
// The differences between the move tables of two ROMs, field by field, and the undo table of an
// import: both name fields as the export does.

#include "rom/OpenMoveTables.h"
#include "tools/skirmela_moves/ChangePlan.h"

#include <string>
#include <vector>

namespace moves {

struct RecordColumn;

// One field of one move that differs. Values are cells as the export writes them.
struct FieldDifference {
    int move = 0;
    std::string field; // "name", "name_bytes", "power", ..., "padding"
    std::string oldValue, newValue;
    const RecordColumn* column = nullptr; // the record field, nullptr for the name and the padding
};

// Every field that differs between the moves of a and b, move by move in export order. A name is
// compared as text; "name_bytes" differ only where the texts agree but the entries do not. Moves
// beyond the shorter table are not compared. Never fails.
// Descriptions are compared where both ROMs have them.
std::vector<FieldDifference> DiffMoves(const std::vector<rom::MoveRow>& a, const std::vector<rom::MoveRow>& b,
                                       const rom::DescriptionTable* da = nullptr,
                                       const rom::DescriptionTable* db = nullptr);

// "move 98: priority 1 -> -1", a line a difference, or "no differences". Never fails.
std::string DiffText(const std::vector<FieldDifference>& diffs);

// move,field,old,new with a header row. Never fails.
std::string DiffCsv(const std::vector<FieldDifference>& diffs);

// An array of {"move", "field", "old", "new"} objects; numbers as numbers, list fields with their
// texts. Never fails.
std::string DiffJson(const std::vector<FieldDifference>& diffs);

// The table that import takes to put back every cell the changes alter: one row a changed move,
// holding the ROM's values of every column that any change alters. A changed name comes back as
// its exact entry bytes (name_bytes), with its text beside them. Never fails.
// A changed description comes back through its pointer, its bytes, and the bytes of the new text
// that the plan placed in the free space (placed tells which), made FF again.
std::string UndoCsv(const std::vector<MoveChange>& changes, const std::vector<rom::MoveRow>& table,
                    const rom::DescriptionTable* descriptions = nullptr,
                    const DescriptionPlacements* placed = nullptr);

} // namespace moves
