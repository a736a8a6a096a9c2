#pragma once
// The header row of an imported table: which known column stands where. A new column is a member
// of ImportHeader and a line of its column list (ImportHeader.cpp), or a record column (MoveFields).

#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/ImportCheck.h"
#include "tools/skirmela_moves/MoveFields.h"

#include <array>
#include <string>
#include <vector>

namespace moves {

// The place of a column that the header leaves out.
inline constexpr int Absent = -1;

// Where each known column stands in the header (0-based), Absent when it is left out.
struct ImportHeader {
    int width = 0;
    std::vector<std::string> names; // of every column, as the header cell reads without blanks
    int move = Absent;
    int name = Absent;
    int nameBytes = Absent;
    int padding = Absent;
    int untouched = Absent;
    int description = Absent, descriptionPointer = Absent, descriptionBytes = Absent,
        descriptionClear = Absent;
    std::array<int, RecordColumnCount> value{};
    std::array<int, RecordColumnCount> text{};
    std::array<int, 4> contestValue{}, contestText{}; // by the position in ContestColumns()
    ImportHeader() {
        value.fill(Absent);
        text.fill(Absent);
        contestValue.fill(Absent);
        contestText.fill(Absent);
    }
};

// The position of a record column in RecordColumns().
std::size_t IndexOf(const RecordColumn& c);

// Reads the header row: every cell must name a column of the table, once, and the "move" column must
// be there. Each fault is added to errors.
ImportHeader ReadImportHeader(const CsvRecord& record, const TableView& table,
                              std::vector<CellError>& errors);

} // namespace moves
