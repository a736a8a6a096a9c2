#pragma once
// The columns of the tool's tables and the texts of record values: which field a column holds,
// which vocabulary names its values, and how a value is shown.

#include "rom/MoveRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace moves {

inline constexpr const char* MoveColumn = "move";
inline constexpr const char* NameColumn = "name";
inline constexpr const char* UntouchedColumn = "untouched"; // bytes 7 to 11 of the record, as hex

struct RecordColumn {
    rom::MoveField field;
    const char* name;                           // "effect_chance"
    const std::vector<std::string>* vocabulary; // nullptr for a number field
    const char* textName;                       // "effect_text" for a list field, nullptr otherwise
};

// The seven record fields in byte order.
const std::array<RecordColumn, rom::MoveFieldCount>& RecordColumns();

// The record column named name, or nullptr.
const RecordColumn* FindRecordColumn(std::string_view name);

// The list field whose text column is named name, or nullptr.
const RecordColumn* FindTextColumn(std::string_view name);

// The vocabulary text of value, or "" when the vocabulary has no entry that far (a ROM hack's new
// type, say) or the field is a number field.
std::string VocabularyText(const RecordColumn& column, std::uint8_t value);

// The value as the change report shows it: "40", or "10 (Fire)" for a list field.
std::string ShownValue(const RecordColumn& column, std::uint8_t value);

// A name on one line: in quotes, with CR and LF shown as \r and \n. Never fails.
std::string ShownName(std::string_view name);

// The position of text in the vocabulary when exactly one entry has it; the positions of all
// entries with that text otherwise (none, or several: "No effect" is 12, 14, 15, 21 and 22).
std::vector<int> VocabularyPositions(const std::vector<std::string>& vocabulary, std::string_view text);

} // namespace moves
