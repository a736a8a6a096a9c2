#pragma once
// The contest columns of the tool's tables, for a table whose contest data is available: each field
// as the number the ROM stores and, beside it, its text, read and written by the core's contest names
// (rom/ContestNames.h):
//   contest_category, contest_category_text   4, Tough
//   contest_effect, contest_effect_text       0, the game's text for the effect ("Effect 3" without one)
//   combo_starter                             the id the move holds, 0 none
//   combo_moves, combo_moves_text             60|0|0|0 and Pound/Slam||| (a JSON array of four each)
// A move past the contest table (355 records) has empty cells (null in JSON).

#include "rom/ContestNames.h"
#include "rom/ContestPlan.h"
#include "tools/skirmela_moves/TableView.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace moves {

enum class ContestField { category, effect, comboStarter, comboMoves };

struct ContestColumn {
    ContestField field;
    const char* name;     // "contest_category"
    const char* textName; // "contest_category_text", nullptr for combo_starter
};

// The four contest fields in the order the tables hold them.
std::span<const ContestColumn> ContestColumns();

// The contest field whose number or text column is named name, or nullptr; text tells which.
const ContestColumn* FindContestColumn(std::string_view name, bool* text = nullptr);

// The contest columns' names (each field's number then its text column); none when the table has no
// contest data.
std::vector<std::string> ContestHeader(const TableView& table);

// The cells of move k under ContestHeader, as CSV writes them; empty cells past the contest table.
std::vector<std::string> ContestCells(const TableView& table, const std::vector<std::string>& moveNames,
                                      int k);

// The contest members of move k's JSON object (", \"contest_category\": 4, ..."), numbers as numbers,
// combo_moves and combo_moves_text as arrays of four, null past the contest table; "" without
// contest data.
std::string ContestJson(const TableView& table, const std::vector<std::string>& moveNames, int k);

// A field's value as its number cell ("60|0|0|0" for combo_moves) and as its text cell.
std::string ContestCell(ContestField field, const rom::ContestMoveFields& value);
std::string ContestText(const TableView& table, const std::vector<std::string>& moveNames, ContestField field,
                        const rom::ContestMoveFields& value);
// As the change report and the diff show it: "4 (Tough)", "61|62|0|0 (Focus Energy|Mind Reader||)".
std::string ShownContestValue(const TableView& table, const std::vector<std::string>& moveNames,
                              ContestField field, const rom::ContestMoveFields& value);
// The value of the field as JSON: a number, or an array of four for combo_moves.
std::string ContestJsonValue(ContestField field, const rom::ContestMoveFields& value);
// The text of the field as JSON: a string, or an array of four strings for combo_moves.
std::string ContestJsonText(const TableView& table, const std::vector<std::string>& moveNames,
                            ContestField field, const rom::ContestMoveFields& value);

// Whether a and b hold the same value in field; copies field's value from from into to.
bool SameContestField(ContestField field, const rom::ContestMoveFields& a, const rom::ContestMoveFields& b);
void CopyContestField(ContestField field, const rom::ContestMoveFields& from, rom::ContestMoveFields& to);

// Reads a cell of the field into into (a number, or a name where numbers are: a category's name, an
// effect's text, a move's name for the combo id it holds). false with the reason in fault.
bool ParseContestCell(const TableView& table, const std::vector<std::string>& moveNames, ContestField field,
                      std::string_view cell, rom::ContestMoveFields& into, std::string& fault);

// Move k's contest fields as the table holds them, or nullopt past the contest table or without it.
std::optional<rom::ContestMoveFields> ContestFieldsOfMove(const TableView& table, int k);

} // namespace moves
