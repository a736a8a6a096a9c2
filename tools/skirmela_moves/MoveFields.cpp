#include "tools/skirmela_moves/MoveFields.h"

#include "rom/HexFunctions.h"
#include "rom/Vocabularies.h"
#include "rom/WholeNumber.h"

namespace moves {
namespace {

// The names of bits 0 to 7 of the flags byte: the game's six flags, then bit 6 (heal priority in
// the split layout) and the unused bit 7.
const std::array<const char*, 8>& FlagBitNames(rom::RecordLayout layout) {
    static const auto names = [](const char* bit6) {
        std::array<const char*, 8> all{};
        for (std::size_t bit = 0; bit < rom::MoveFlags().size(); ++bit) all[bit] = rom::MoveFlags()[bit].key;
        all[6] = bit6;
        all[7] = "bit7";
        return all;
    };
    static const std::array<const char*, 8> released = names("bit6"),
                                            split = names(rom::HealPriorityMoveFlag.key);
    return layout == rom::RecordLayout::Split ? split : released;
}

const std::vector<std::string>& DamageClassTexts() {
    static const std::vector<std::string> texts(rom::DamageClassNames().begin(),
                                                rom::DamageClassNames().end());
    return texts;
}
constexpr const char* NoFlags = "none";

// The table's names of a list field's values past its vocabulary; none for the other fields.
const rom::ValueNames* NamesOf(const TableView& t, const RecordColumn& c) {
    if (c.vocabulary == &rom::EffectNames()) return &t.effectNames;
    if (c.vocabulary == &rom::TypeNames()) return &t.typeNames;
    return nullptr;
}

// A project's words for the values of a list field; none for a ROM and the other fields.
const ValueWords* WordsOf(const TableView& t, const RecordColumn& c) {
    const std::optional<ValueWords>* words = c.vocabulary == &rom::EffectNames()   ? &t.effectWords
                                             : c.vocabulary == &rom::TypeNames()   ? &t.typeWords
                                             : c.vocabulary == &rom::TargetNames() ? &t.targetWords
                                                                                   : nullptr;
    return words && *words ? &**words : nullptr;
}

// The value a project's word for it names (a symbol such as TYPE_FAIRY, or the text shown for it).
std::optional<int> TypedWord(const TableView& t, const RecordColumn& c, std::string_view text) {
    const ValueWords* words = WordsOf(t, c);
    if (!words) return std::nullopt;
    if (const auto it = words->typed.find(rom::TrimBlanks(text)); it != words->typed.end()) return it->second;
    return std::nullopt;
}

// The value past the field's vocabulary that the ROM's names give text, if any (not a number).
std::optional<int> NamedPastVocabulary(const TableView& t, const RecordColumn& c, std::string_view text) {
    const rom::ValueNames* names = NamesOf(t, c);
    if (!names || rom::ParseWholeNumber(text, 255)) return std::nullopt;
    const std::optional<int> v = names->Value(text);
    if (!v || (c.vocabulary && static_cast<std::size_t>(*v) < c.vocabulary->size())) return std::nullopt;
    return v;
}

std::string Quoted(std::string_view cell) {
    return ShownName(cell);
}

// A whole number rom::PriorityLowest to rom::PriorityHighest, with an optional sign.
std::optional<int> ParseSigned(std::string_view cell) {
    cell = rom::TrimBlanks(cell);
    const bool negative = cell.starts_with('-');
    if (negative || cell.starts_with('+')) cell.remove_prefix(1);
    if (cell != rom::TrimBlanks(cell)) return std::nullopt; // no blank between the sign and the digits
    const std::optional<int> magnitude =
        rom::ParseWholeNumber(cell, negative ? -rom::PriorityLowest : rom::PriorityHighest);
    if (!magnitude) return std::nullopt;
    return negative ? -*magnitude : *magnitude;
}

std::optional<std::uint8_t> ParseListCell(const TableView& t, const RecordColumn& c, std::string_view cell,
                                          std::string& fault) {
    if (const std::optional<int> v = rom::ParseWholeNumber(cell, 255)) return static_cast<std::uint8_t>(*v);
    const std::vector<int> positions = TextPositions(t, c, cell);
    if (positions.size() == 1) return static_cast<std::uint8_t>(positions[0]);
    if (positions.empty()) {
        fault = Quoted(cell) + " is neither a number 0 to 255 nor a text of the " + c.name + " list" +
                (WordsOf(t, c) ? " nor one of the project's symbols for it" : "");
    } else {
        std::string numbers;
        for (int p : positions) numbers += (numbers.empty() ? "" : ", ") + std::to_string(p);
        fault = Quoted(cell) + " is the text of several entries (" + numbers + "); write the number";
    }
    return std::nullopt;
}

} // namespace

std::span<const RecordColumn> RecordColumns(rom::RecordLayout layout) {
    static const std::array<RecordColumn, RecordColumnCount> columns = {{
        {0, "effect", ValueKind::list, &rom::EffectNames(), "effect_text", &rom::LegacyEffectNames(),
         &rom::EarlierEffectNames()},
        {1, "power", ValueKind::number, nullptr, nullptr},
        {2, "type", ValueKind::list, &rom::TypeNames(), "type_text"},
        {3, "accuracy", ValueKind::number, nullptr, nullptr},
        {4, "pp", ValueKind::number, nullptr, nullptr},
        {5, "effect_chance", ValueKind::number, nullptr, nullptr},
        {6, "target", ValueKind::list, &rom::TargetNames(), "target_text", &rom::LegacyTargetNames(),
         &rom::EarlierTargetNames()},
        {rom::PriorityByte, "priority", ValueKind::signedNumber, nullptr, nullptr},
        {rom::FlagsByte, "flags", ValueKind::flags, nullptr, nullptr},
        {rom::ZMovePowerByte, "z_power", ValueKind::number, nullptr, nullptr},
        {rom::DamageClassByte, "damage_class", ValueKind::list, &DamageClassTexts(), "damage_class_text"},
        {rom::ZMoveEffectByte, "z_effect", ValueKind::number, nullptr, nullptr},
    }};
    return std::span(columns).first(layout == rom::RecordLayout::Split ? RecordColumnCount : 9);
}

const RecordColumn* FindRecordColumn(std::string_view name, rom::RecordLayout layout) {
    for (const RecordColumn& c : RecordColumns(layout))
        if (name == c.name) return &c;
    return nullptr;
}

const RecordColumn* FindTextColumn(std::string_view name, rom::RecordLayout layout) {
    for (const RecordColumn& c : RecordColumns(layout))
        if (c.textName && name == c.textName) return &c;
    return nullptr;
}

std::string VocabularyText(const TableView& table, const RecordColumn& column, std::uint8_t value) {
    if (!column.vocabulary) return {};
    if (const ValueWords* words = WordsOf(table, column)) {
        const auto it = words->shown.find(value);
        return it != words->shown.end() ? it->second : std::string();
    }
    if (value >= column.vocabulary->size()) {
        const rom::ValueNames* names = NamesOf(table, column);
        return names && names->Named(value) ? names->Text(value) : std::string();
    }
    return (*column.vocabulary)[value];
}

bool TextNamesValue(const TableView& table, const RecordColumn& column, std::string_view text,
                    std::uint8_t value) {
    if (!column.vocabulary) return false;
    if (value < column.vocabulary->size() && text == (*column.vocabulary)[value]) return true;
    if (column.legacy && value < column.legacy->size() && text == (*column.legacy)[value]) return true;
    if (column.earlier && value < column.earlier->size() && !text.empty() && text == (*column.earlier)[value])
        return true;
    if (TypedWord(table, column, text) == value) return true;
    return NamedPastVocabulary(table, column, text) == value;
}

std::vector<int> TextPositions(const TableView& table, const RecordColumn& column, std::string_view text) {
    std::vector<int> positions = VocabularyPositions(*column.vocabulary, text);
    if (positions.empty() && column.legacy) positions = VocabularyPositions(*column.legacy, text);
    if (positions.empty() && column.earlier && !text.empty())
        positions = VocabularyPositions(*column.earlier, text);
    if (positions.empty())
        if (const std::optional<int> v = TypedWord(table, column, text)) positions.push_back(*v);
    if (positions.empty())
        if (const std::optional<int> v = NamedPastVocabulary(table, column, text)) positions.push_back(*v);
    return positions;
}

std::string CellText(const TableView& table, const RecordColumn& column, std::uint8_t value) {
    switch (column.kind) {
    case ValueKind::signedNumber:
        return std::to_string(static_cast<int>(static_cast<std::int8_t>(value)));
    case ValueKind::flags:
        return FlagNames(value, table.layout);
    case ValueKind::number:
    case ValueKind::list:
        break;
    }
    return std::to_string(value);
}

std::string ShownValue(const TableView& table, const RecordColumn& column, std::uint8_t value) {
    std::string shown = CellText(table, column, value);
    if (column.kind == ValueKind::list) {
        const std::string text = VocabularyText(table, column, value);
        if (text.empty())
            shown += " (no entry)";
        else if (text != shown)
            shown += " (" + text + ")";
    }
    return shown;
}

std::optional<std::uint8_t> ParseCell(const TableView& table, const RecordColumn& column,
                                      std::string_view cell, std::string& fault) {
    switch (column.kind) {
    case ValueKind::list:
        return ParseListCell(table, column, cell, fault);
    case ValueKind::signedNumber:
        if (const std::optional<int> v = ParseSigned(cell)) return static_cast<std::uint8_t>(*v & 0xFF);
        fault = Quoted(cell) + " is not a number " + std::to_string(rom::PriorityLowest) + " to " +
                std::to_string(rom::PriorityHighest);
        return std::nullopt;
    case ValueKind::flags:
        if (const std::optional<int> v = rom::ParseWholeNumber(cell, 255))
            return static_cast<std::uint8_t>(*v);
        return ParseFlagNames(cell, fault, table.layout);
    case ValueKind::number:
        break;
    }
    if (const std::optional<int> v = rom::ParseWholeNumber(cell, 255)) return static_cast<std::uint8_t>(*v);
    fault = Quoted(cell) + " is not a number 0 to 255";
    return std::nullopt;
}

std::string FlagNames(std::uint8_t flags, rom::RecordLayout layout) {
    const std::array<const char*, 8>& bitNames = FlagBitNames(layout);
    std::string names;
    for (std::size_t bit = 0; bit < bitNames.size(); ++bit)
        if (flags & (1u << bit)) {
            if (!names.empty()) names += '|';
            names += bitNames[bit];
        }
    return names.empty() ? NoFlags : names;
}

std::optional<std::uint8_t> ParseFlagNames(std::string_view text, std::string& fault,
                                           rom::RecordLayout layout) {
    const std::array<const char*, 8>& bitNames = FlagBitNames(layout);
    const std::string_view whole = rom::TrimBlanks(text);
    if (whole == NoFlags) return std::uint8_t{0};
    unsigned flags = 0;
    std::string_view rest = whole;
    while (true) {
        const std::size_t bar = rest.find('|');
        const std::string_view name = rom::TrimBlanks(rest.substr(0, bar));
        std::size_t bit = 0;
        while (bit < bitNames.size() && name != bitNames[bit]) ++bit;
        if (bit == bitNames.size()) {
            std::string known;
            for (const char* n : bitNames) known += std::string(known.empty() ? "" : ", ") + n;
            fault = Quoted(text) + " is neither a number 0 to 255 nor flag names joined with \"|\" (" +
                    known + ", or none alone); " +
                    (name.empty() ? std::string("a name is missing") : Quoted(name) + " is no flag");
            return std::nullopt;
        }
        flags |= 1u << bit;
        if (bar == std::string_view::npos) break;
        rest.remove_prefix(bar + 1);
    }
    return static_cast<std::uint8_t>(flags);
}

std::string ShownName(std::string_view name) {
    std::string shown = "\"";
    for (char c : name) {
        if (c == '\r')
            shown += "\\r";
        else if (c == '\n')
            shown += "\\n";
        else
            shown += c;
    }
    return shown + '"';
}

std::vector<int> VocabularyPositions(const std::vector<std::string>& vocabulary, std::string_view text) {
    std::vector<int> positions;
    for (std::size_t i = 0; i < vocabulary.size(); ++i)
        if (vocabulary[i] == text) positions.push_back(static_cast<int>(i));
    return positions;
}

} // namespace moves
