#include "tools/skirmela_moves/MoveFields.h"

#include "rom/Vocabularies.h"

namespace moves {

const std::array<RecordColumn, rom::MoveFieldCount>& RecordColumns() {
    static const std::array<RecordColumn, rom::MoveFieldCount> columns = {{
        {rom::MoveField::effect, "effect", &rom::EffectNames(), "effect_text"},
        {rom::MoveField::power, "power", nullptr, nullptr},
        {rom::MoveField::type, "type", &rom::TypeNames(), "type_text"},
        {rom::MoveField::accuracy, "accuracy", nullptr, nullptr},
        {rom::MoveField::pp, "pp", nullptr, nullptr},
        {rom::MoveField::effectChance, "effect_chance", nullptr, nullptr},
        {rom::MoveField::target, "target", &rom::TargetNames(), "target_text"},
    }};
    return columns;
}

const RecordColumn* FindRecordColumn(std::string_view name) {
    for (const RecordColumn& c : RecordColumns())
        if (name == c.name) return &c;
    return nullptr;
}

const RecordColumn* FindTextColumn(std::string_view name) {
    for (const RecordColumn& c : RecordColumns())
        if (c.textName && name == c.textName) return &c;
    return nullptr;
}

std::string VocabularyText(const RecordColumn& column, std::uint8_t value) {
    if (!column.vocabulary || value >= column.vocabulary->size()) return {};
    return (*column.vocabulary)[value];
}

std::string ShownValue(const RecordColumn& column, std::uint8_t value) {
    std::string shown = std::to_string(value);
    if (column.vocabulary) {
        const std::string text = VocabularyText(column, value);
        if (text.empty())
            shown += " (no entry)";
        else if (text != shown)
            shown += " (" + text + ")";
    }
    return shown;
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
