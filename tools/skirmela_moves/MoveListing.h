#pragma once
// The move table as text: the list for people, CSV and JSON for scripts, and the export CSV that
// an import reads back.

#include "tools/skirmela_moves/TableView.h"

#include <string>
#include <vector>

namespace moves {

// One aligned line a move under a heading line: number, name (quoted, line breaks as \r\n),
// effect, power, type, accuracy, PP, effect chance, target, priority, padding and flags, list fields
// by their texts (the split layout's z_power, damage_class and z_effect after priority); then, where
// the table has contest data, the contest category, contest effect, combo starter and combo moves;
// then, where the table has descriptions, a "description" column (empty where a move has none or
// they are unavailable).
std::string ListText(const TableView& table);

// The same fields as CSV with a header row, list fields by their texts, the contest fields by number
// and text.
std::string ListCsv(const TableView& table);

// A JSON array of one object a move; list fields by number and text (a number beyond the names),
// a description null where there is none.
std::string ListJson(const TableView& table);

// The header of the CSV an import takes: every column in the order ExportCsv writes them.
std::vector<std::string> ExportHeader(const TableView& table);

// The cells of one move under ExportHeader(); moveNames as TableView::MoveNames gives them.
std::vector<std::string> ExportCells(const TableView& table, const rom::MoveRow& row,
                                     const std::vector<std::string>& moveNames);

// The CSV an import takes: every column, list fields as number and text, bytes 9 to 11 as hex.
std::string ExportCsv(const TableView& table);

} // namespace moves
