#pragma once
// The differences between the move tables of two ROMs, field by field, and the undo table of an
// import: both name fields as the export does.

#include "tools/skirmela_moves/ChangePlan.h"
#include "tools/skirmela_moves/MoveFields.h"
#include "tools/skirmela_moves/TableView.h"

#include <array>
#include <string>
#include <vector>

namespace moves {

// One field of one move that differs, each side as its own table shows it (its names, its record
// layout, its flag names).
struct FieldDifference {
    int move = 0;
    std::string field;              // "name", "name_bytes", "power", ..., "padding", "contest_category", ...
    std::string oldValue, newValue; // cells as the export writes them
    std::string oldShown, newShown; // as the text diff shows them: "10 (Fire)", "\"Pound\""
    std::string oldJson, newJson;   // as JSON: 10, "contact", [61,62,0,0]
    // The texts beside a list or contest field's numbers as JSON ("\"Fire\"", null where nothing names
    // the value); "" for the other fields.
    std::string oldJsonText, newJsonText;
};

// Every field that differs between the moves of a and b, move by move in export order. A name is
// compared as text; "name_bytes" differ only where the texts agree but the entries do not. Moves
// beyond the shorter table are not compared; nor are the fields only one table has: the split
// layout's bytes 9 to 11 (both have padding), the contest fields (where one has no contest data),
// the descriptions (where one has none). Never fails.
std::vector<FieldDifference> DiffMoves(const TableView& a, const TableView& b);

// "move 98: priority 1 -> -1", a line a difference, or "no differences". Never fails.
std::string DiffText(const std::vector<FieldDifference>& diffs);

// move,field,old,new with a header row. Never fails.
std::string DiffCsv(const std::vector<FieldDifference>& diffs);

// An array of {"move", "field", "old", "new"} objects; numbers as numbers, list fields with their
// texts. Never fails.
std::string DiffJson(const std::vector<FieldDifference>& diffs);

// What an undo table of changes must hold: the names, which record and contest columns, the
// descriptions; and those columns' header cells and a move's cells as the table holds them now.
struct UndoColumns {
    bool names = false, described = false;
    std::array<bool, RecordColumnCount> record{};
    std::array<bool, 4> contest{};
};
UndoColumns UndoColumnsOf(const std::vector<MoveChange>& changes, const TableView& table);
void AppendUndoFieldHeader(std::vector<std::string>& header, const UndoColumns& undo, const TableView& table);
void AppendUndoFieldCells(std::vector<std::string>& cells, const UndoColumns& undo, const TableView& table,
                          int move);

// The table that import takes to put back every cell the changes alter: one row a changed move,
// holding the table's values of every column that any change alters (contest fields as numbers). A
// changed name comes back as its exact entry bytes (name_bytes), with its text beside them. Never fails.
// A changed description comes back through its pointer, its bytes, and the bytes of the new text
// that the plan placed in the free space (placed tells which), made FF again.
std::string UndoCsv(const std::vector<MoveChange>& changes, const TableView& table,
                    const DescriptionPlacements* placed = nullptr);

} // namespace moves
