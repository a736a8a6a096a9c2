#pragma once
// What the contest numbers mean, shown and typed the same way by both front ends: the category
// names, each contest effect by the game's own text (else its number) with its appeal and jam, and
// the combo starter ids by the moves that hold them. The appeal and jam are given as the numbers the
// table holds: how many hearts the game draws for them is not among the known facts.
//
// Cell formats (the command-line tool's columns):
//   combo_moves        the four starter ids: "60|0|0|0" in CSV, [60,0,0,0] in JSON
//   combo_moves_text   for each id the names of the moves that hold it, joined by "/"; the four
//                      joined by "|" in CSV ("Pound/Slam|||"), an array of four strings in JSON

#include "rom/ContestData.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rom {

using ComboMoves = std::array<int, ComboMoveCount>;

// "Cool", "Beauty", "Cute", "Smart", "Tough": category c at c.
const std::vector<std::string>& ContestCategoryNames();
// The name of a category; a value past 4 shows its number. Never fails.
std::string ContestCategoryText(int category);
// A category name (ASCII letters without regard to case, blanks around ignored) or a number 0 to 4.
std::optional<int> ParseContestCategory(std::string_view text);

// The effect's name on one line: the game's text (its lines joined by a blank), else "Effect N".
std::string ContestEffectName(const ContestData& data, int effect);
// The name with the numbers: "A highly appealing move. (appeal 40, jam 0)".
std::string ContestEffectLabel(const ContestData& data, int effect);
// The effect a typed text stands for: a number 0 to 47, an effect's name or label as shown above
// (without regard to case, blanks around ignored). nullopt with fault in words when none, or when the
// text is the name of more than one effect.
std::optional<int> ParseContestEffect(const ContestData& data, std::string_view text, std::string& fault);

// The moves (0 to 354) whose record holds combo starter id; none for id 0.
std::vector<int> MovesHoldingComboStarter(const ContestData& data, int id);
// The names of those moves joined by "/" (moveNames: move k at k); "" for id 0 or an id no move holds.
std::string ComboStarterText(const ContestData& data, const std::vector<std::string>& moveNames, int id);
// The combo starter id a typed text stands for: a number 0 to 255, "" (0, none), an id's text as
// ComboStarterText shows it (the names of all the moves that hold it, joined by "/"), or the name
// of a move that holds an id (ASCII letters without regard to case, blanks around ignored). nullopt
// with fault in words otherwise: an unknown name, a move that holds no id, a text that fits
// several ids (moves of one name that hold different ones).
std::optional<int> ParseComboStarter(const ContestData& data, const std::vector<std::string>& moveNames,
                                     std::string_view text, std::string& fault);

// The moves whose contest effect is effect.
std::vector<int> MovesUsingContestEffect(const ContestData& data, int effect);

// "60|0|0|0" and "[60,0,0,0]".
std::string ComboMovesCsv(const ComboMoves& ids);
std::string ComboMovesJson(const ComboMoves& ids);
// The four ids' texts (ComboStarterText each), and the same joined by "|" for CSV.
std::array<std::string, ComboMoveCount>
ComboMovesTexts(const ContestData& data, const std::vector<std::string>& moveNames, const ComboMoves& ids);
std::string ComboMovesTextCsv(const ContestData& data, const std::vector<std::string>& moveNames,
                              const ComboMoves& ids);
// A combo_moves cell: four items joined by "|", or a JSON array of four (numbers, or strings in
// quotes); each item as ParseComboStarter reads it. nullopt with fault in words when it is not four
// items or an item stands for no id.
std::optional<ComboMoves> ParseComboMoves(const ContestData& data, const std::vector<std::string>& moveNames,
                                          std::string_view text, std::string& fault);

} // namespace rom
