#pragma once
// The move table as text: the list for people, CSV and JSON for scripts, and the export CSV that
// an import reads back.

#include "rom/OpenMoveTables.h"

#include <string>
#include <vector>

namespace moves {

// One aligned line a move under a heading line: number, name (quoted, line breaks as \r\n),
// effect, power, type, accuracy, PP, effect chance, target, priority, padding and flags, list fields
// by their texts.
// Given descriptions, each list ends with a "description" column (empty, or null in JSON, where a
// move has none or they are unavailable).
std::string ListText(const std::vector<rom::MoveRow>& rows,
                     const rom::DescriptionTable* descriptions = nullptr);

// The same fields as CSV with a header row, list fields by their texts.
std::string ListCsv(const std::vector<rom::MoveRow>& rows,
                    const rom::DescriptionTable* descriptions = nullptr);

// A JSON array of one object a move; list fields by number and text (null beyond the vocabulary).
std::string ListJson(const std::vector<rom::MoveRow>& rows,
                     const rom::DescriptionTable* descriptions = nullptr);

// The header of the CSV an import takes: every column in the order ExportCsv writes them.
std::vector<std::string> ExportHeader(bool descriptions = false);

// The cells of one move under ExportHeader().
std::vector<std::string> ExportCells(const rom::MoveRow& row,
                                     const rom::DescriptionTable* descriptions = nullptr);

// The CSV an import takes: every column, list fields as number and text, bytes 9 to 11 as hex.
std::string ExportCsv(const std::vector<rom::MoveRow>& rows,
                      const rom::DescriptionTable* descriptions = nullptr);

} // namespace moves
