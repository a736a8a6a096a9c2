#pragma once
// The columns of the tool's tables and the texts of record values: which record byte a column holds,
// how its cells are read and written, which vocabulary names its values, and how a value is shown.

#include "rom/MoveBytes.h"
#include "rom/RecordLayout.h"
#include "rom/ValueNames.h"
#include "tools/skirmela_moves/TableView.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace moves {

inline constexpr const char* MoveColumn = "move";
inline constexpr const char* NameColumn = "name";
inline constexpr const char* NameBytesColumn = "name_bytes"; // the 13 bytes of the name entry as hex
inline constexpr const char* PaddingColumn = "padding";      // bytes 9 to 11 of the record as hex, read-only
inline constexpr const char* UntouchedColumn = "untouched"; // bytes 7 to 11 as hex, read-only (older exports)
inline constexpr const char* DescriptionColumn = "description"; // lines joined by LF
// The undo table's columns that put a description back byte for byte: the pointer word as 8 hex
// digits, the text's bytes as hex (FF included), and "OFFSET:LENGTH" (hex, decimal) of bytes made FF.
inline constexpr const char* DescriptionPointerColumn = "description_pointer";
inline constexpr const char* DescriptionBytesColumn = "description_bytes";
inline constexpr const char* DescriptionClearColumn = "description_clear";

// How the cells of a column are written: a number 0 to 255, an entry of a vocabulary (by number or
// exact text), a signed number (the priority's range, rom::PriorityLowest to rom::PriorityHighest), or flag
// names.
enum class ValueKind { number, list, signedNumber, flags };

struct RecordColumn {
    int byte;         // the record byte the column holds
    const char* name; // "effect_chance"
    ValueKind kind;
    const std::vector<std::string>* vocabulary;        // list fields only
    const char* textName;                              // "effect_text" for a list field, nullptr otherwise
    const std::vector<std::string>* legacy = nullptr;  // the texts earlier versions wrote, list fields only
    const std::vector<std::string>* earlier = nullptr; // longer texts this version wrote before; "" for none
};

// The columns of the split record layout: the most a table has.
inline constexpr int RecordColumnCount = 12;

// The fields a move's record may be changed in, in byte order: bytes 0 to 8, and with the split
// layout bytes 9 to 11 (z_power, damage_class, z_effect; flag bit 6 is then heal_priority).
std::span<const RecordColumn> RecordColumns(rom::RecordLayout layout = rom::RecordLayout::Released);

// The record column named name, or nullptr.
const RecordColumn* FindRecordColumn(std::string_view name,
                                     rom::RecordLayout layout = rom::RecordLayout::Released);

// The list field whose text column is named name, or nullptr.
const RecordColumn* FindTextColumn(std::string_view name,
                                   rom::RecordLayout layout = rom::RecordLayout::Released);

// The text a value is shown by in the table's list field (its type or effect names past the program's
// lists), or "" when nothing names it that far (a ROM hack's new type, say) or the field is no list field.
std::string VocabularyText(const TableView& table, const RecordColumn& column, std::uint8_t value);

// The value as an exported cell: "40", "-1" for a priority byte FF, "contact|protect" for flags.
std::string CellText(const TableView& table, const RecordColumn& column, std::uint8_t value);

// The value as the change report shows it: the cell text, and for a list field "10 (Fire)".
std::string ShownValue(const TableView& table, const RecordColumn& column, std::uint8_t value);

// Whether text names value in a list field: its text, or the text earlier versions wrote for it.
bool TextNamesValue(const TableView& table, const RecordColumn& column, std::string_view text,
                    std::uint8_t value);

// The values a text names in a list field: the entry with that text, or else the entries that
// earlier versions wrote it for (none, one, or several: "No effect" was 12, 14, 15, 21 and 22).
std::vector<int> TextPositions(const TableView& table, const RecordColumn& column, std::string_view text);

// The byte a cell stands for, or nullopt with the reason in fault ("\"256\" is not a number 0 to 255").
// A list field takes a number 0 to 255 or a text that names exactly one value; flags take a number
// 0 to 255 or names joined with "|". Blanks around the cell and around each flag name are allowed.
std::optional<std::uint8_t> ParseCell(const TableView& table, const RecordColumn& column,
                                      std::string_view cell, std::string& fault);

// The names of the set bits of a flags byte joined with "|", or "none"; bit 6 is heal_priority in the
// split layout, bit6 in the released one. Never fails.
std::string FlagNames(std::uint8_t flags, rom::RecordLayout layout = rom::RecordLayout::Released);

// The flags byte of names joined with "|" ("none" alone for 0), or nullopt with the reason in fault.
std::optional<std::uint8_t> ParseFlagNames(std::string_view text, std::string& fault,
                                           rom::RecordLayout layout = rom::RecordLayout::Released);

// A name on one line: in quotes, with CR and LF shown as \r and \n. Never fails.
std::string ShownName(std::string_view name);

// The position of text in the vocabulary when exactly one entry has it; the positions of all
// entries with that text otherwise (none, or several: "No effect" is 12, 14, 15, 21 and 22).
std::vector<int> VocabularyPositions(const std::vector<std::string>& vocabulary, std::string_view text);

} // namespace moves
