#pragma once
// Checking an edited move table before anything is written: every cell of every row is checked,
// and the moves whose name or record would change are worked out against the ROM's table.

#include "rom/ContestPlan.h"
#include "rom/MoveDescriptions.h"
#include "rom/OpenMoveTables.h"
#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/TableView.h"

#include <optional>
#include <string>
#include <vector>

namespace moves {

// One bad cell. column is 1-based; 0 stands for the row as a whole (a wrong number of cells).
struct CellError {
    int row = 0;
    int column = 0;
    std::string columnName;
    std::string message;
};

// What one move is to become. The name is written either from its text (newName, encoded as the
// window saves it) or as raw entry bytes (newEntry); at most one is set, and neither when the name
// stays. Bytes 9 to 11 of newBytes are always the ROM's.
// A description put back as it was (the bytes of the current text that the change put in the free
// space made FF again), and where it was given: the row and the 1-based column of the pointer, for
// the plan's refusals.
struct DescriptionRestore : rom::DescriptionRestore {
    int row = 0;
    int pointerColumn = 0;
};

struct MoveChange {
    int move = 0;
    std::optional<std::string> newName;
    std::optional<rom::NameEntry> newEntry;
    rom::RecordBytes newBytes{};
    std::optional<std::vector<std::uint8_t>> newDescription{}; // its bytes, FF included
    std::optional<DescriptionRestore> restoreDescription{};
    std::optional<rom::ContestMoveFields> newContest{}; // set when the contest record changes
};

// One changed field, as the change report prints it.
struct FieldChange {
    int move = 0;
    std::string field;
    std::string oldValue;
    std::string newValue;
};

struct ImportCheck {
    std::vector<CellError> errors;   // empty when the table may be written
    std::vector<MoveChange> changes; // moves that differ, ascending; empty when errors are found
    std::vector<FieldChange> report; // the changed fields of those moves
    // Texts that are written but break the game's box: "move 5: description: 5 lines; ...".
    std::vector<std::string> warnings;
};

// Checks records (the first is the header naming the columns) against the table.
// Columns may come in any order and may be left out, except "move"; a row changes only the fields
// of its own columns. A list field's text column changes the field when its text differs from the
// ROM's while the number column does not; when both change they must agree. A cell that is not
// strict UTF-8 text is refused as such (and judged no further). Never fails: every fault becomes a
// CellError.
// The "description" column changes a move's description text; "description_pointer",
// "description_bytes" and "description_clear" (written by the undo table) put one back byte for byte.
// Description cells are refused when the table has no descriptions or they are unavailable, and a new
// text that is longer than the reader takes (rom::DescriptionLengthFault). The contest columns are
// columns only of a table with contest data; a nonempty contest cell of a move past the contest table
// is refused.
ImportCheck CheckImport(const std::vector<CsvRecord>& records, const TableView& table);

// The one-line text of an error: "row 4, column 5 (power): ...".
std::string DescribeCellError(const CellError& e);

// Whether two names are the same text, a line break written as CR LF or LF alone alike: tools
// that check files out may turn the CR LF inside a quoted cell into LF.
bool SameName(std::string_view a, std::string_view b);

// Why text cannot be written as move k's new name, or "" when it can: move 0 is always rom::MoveZeroName; a
// name has at most 12 units (a character, a line break, "[m]" and the like) that the game's text encodes.
std::string NameFault(const std::string& name, int k);

} // namespace moves
