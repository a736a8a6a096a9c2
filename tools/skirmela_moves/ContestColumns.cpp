#include "tools/skirmela_moves/ContestColumns.h"

#include "tools/skirmela_moves/Json.h"

#include <array>

namespace moves {
namespace {

std::string JsonStrings(const std::array<std::string, rom::ComboMoveCount>& texts) {
    std::string json = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) json += (i ? ", " : "") + JsonString(texts[i]);
    return json + "]";
}

int NumberOf(ContestField field, const rom::ContestMoveFields& v) {
    switch (field) {
    case ContestField::category:
        return v.category;
    case ContestField::effect:
        return v.effect;
    case ContestField::comboStarter:
    case ContestField::comboMoves:
        break;
    }
    return v.comboStarter;
}

} // namespace

std::span<const ContestColumn> ContestColumns() {
    static constexpr std::array<ContestColumn, 4> columns = {{
        {ContestField::category, "contest_category", "contest_category_text"},
        {ContestField::effect, "contest_effect", "contest_effect_text"},
        {ContestField::comboStarter, "combo_starter", nullptr},
        {ContestField::comboMoves, "combo_moves", "combo_moves_text"},
    }};
    return columns;
}

const ContestColumn* FindContestColumn(std::string_view name, bool* text) {
    for (const ContestColumn& c : ContestColumns()) {
        const bool isText = c.textName && name == c.textName;
        if (name != c.name && !isText) continue;
        if (text) *text = isText;
        return &c;
    }
    return nullptr;
}

std::vector<std::string> ContestHeader(const TableView& table) {
    std::vector<std::string> header;
    if (!table.HasContest()) return header;
    for (const ContestColumn& c : ContestColumns()) {
        header.push_back(c.name);
        if (c.textName) header.push_back(c.textName);
    }
    return header;
}

std::vector<std::string> ContestCells(const TableView& table, const std::vector<std::string>& moveNames,
                                      int k) {
    std::vector<std::string> cells;
    if (!table.HasContest()) return cells;
    const std::optional<rom::ContestMoveFields> v = ContestFieldsOfMove(table, k);
    for (const ContestColumn& c : ContestColumns()) {
        cells.push_back(v ? ContestCell(c.field, *v) : "");
        if (c.textName) cells.push_back(v ? ContestText(table, moveNames, c.field, *v) : "");
    }
    return cells;
}

std::string ContestJson(const TableView& table, const std::vector<std::string>& moveNames, int k) {
    std::string json;
    if (!table.HasContest()) return json;
    const std::optional<rom::ContestMoveFields> v = ContestFieldsOfMove(table, k);
    for (const ContestColumn& c : ContestColumns()) {
        json += std::string(", \"") + c.name + "\": " + (v ? ContestJsonValue(c.field, *v) : "null");
        if (c.textName)
            json += std::string(", \"") + c.textName +
                    "\": " + (v ? ContestJsonText(table, moveNames, c.field, *v) : "null");
    }
    return json;
}

std::string ContestCell(ContestField field, const rom::ContestMoveFields& value) {
    if (field == ContestField::comboMoves) return rom::ComboMovesCsv(value.comboMoves);
    return std::to_string(NumberOf(field, value));
}

std::string ContestText(const TableView& table, const std::vector<std::string>& moveNames, ContestField field,
                        const rom::ContestMoveFields& value) {
    switch (field) {
    case ContestField::category:
        return rom::ContestCategoryText(value.category);
    case ContestField::effect:
        if (table.contestEffectWords) {
            const auto it = table.contestEffectWords->shown.find(value.effect);
            return it != table.contestEffectWords->shown.end() ? it->second : std::to_string(value.effect);
        }
        return rom::ContestEffectName(table.contest, value.effect);
    case ContestField::comboStarter:
        return rom::ComboStarterText(table.contest, moveNames, value.comboStarter);
    case ContestField::comboMoves:
        break;
    }
    return rom::ComboMovesTextCsv(table.contest, moveNames, value.comboMoves);
}

std::string ShownContestValue(const TableView& table, const std::vector<std::string>& moveNames,
                              ContestField field, const rom::ContestMoveFields& value) {
    const std::string cell = ContestCell(field, value), text = ContestText(table, moveNames, field, value);
    const bool none = field == ContestField::comboStarter ? text.empty()
                      : field == ContestField::comboMoves ? value.comboMoves == rom::ComboMoves{}
                                                          : false;
    return none || text == cell ? cell : cell + " (" + text + ")";
}

std::string ContestJsonValue(ContestField field, const rom::ContestMoveFields& value) {
    if (field == ContestField::comboMoves) return rom::ComboMovesJson(value.comboMoves);
    return std::to_string(NumberOf(field, value));
}

std::string ContestJsonText(const TableView& table, const std::vector<std::string>& moveNames,
                            ContestField field, const rom::ContestMoveFields& value) {
    if (field == ContestField::comboMoves)
        return JsonStrings(rom::ComboMovesTexts(table.contest, moveNames, value.comboMoves));
    return JsonString(ContestText(table, moveNames, field, value));
}

bool SameContestField(ContestField field, const rom::ContestMoveFields& a, const rom::ContestMoveFields& b) {
    if (field == ContestField::comboMoves) return a.comboMoves == b.comboMoves;
    return NumberOf(field, a) == NumberOf(field, b);
}

void CopyContestField(ContestField field, const rom::ContestMoveFields& from, rom::ContestMoveFields& to) {
    switch (field) {
    case ContestField::category:
        to.category = from.category;
        break;
    case ContestField::effect:
        to.effect = from.effect;
        break;
    case ContestField::comboStarter:
        to.comboStarter = from.comboStarter;
        break;
    case ContestField::comboMoves:
        to.comboMoves = from.comboMoves;
        break;
    }
}

bool ParseContestCell(const TableView& table, const std::vector<std::string>& moveNames, ContestField field,
                      std::string_view cell, rom::ContestMoveFields& into, std::string& fault) {
    switch (field) {
    case ContestField::category:
        if (const std::optional<int> c = rom::ParseContestCategory(cell)) {
            into.category = *c;
            return true;
        }
        fault = "\"" + std::string(cell) +
                "\" is no contest category: give 0 to 4 or Cool, Beauty, Cute, "
                "Smart or Tough";
        return false;
    case ContestField::effect:
        if (table.contestEffectWords) {
            const auto it = table.contestEffectWords->typed.find(cell);
            if (it != table.contestEffectWords->typed.end()) {
                into.effect = it->second;
                return true;
            }
        }
        if (const std::optional<int> e = rom::ParseContestEffect(table.contest, cell, fault)) {
            into.effect = *e;
            return true;
        }
        return false;
    case ContestField::comboStarter:
        if (const std::optional<int> id = rom::ParseComboStarter(table.contest, moveNames, cell, fault)) {
            into.comboStarter = *id;
            return true;
        }
        return false;
    case ContestField::comboMoves:
        break;
    }
    if (const std::optional<rom::ComboMoves> ids =
            rom::ParseComboMoves(table.contest, moveNames, cell, fault)) {
        into.comboMoves = *ids;
        return true;
    }
    return false;
}

std::optional<rom::ContestMoveFields> ContestFieldsOfMove(const TableView& table, int k) {
    const rom::ContestMove* m = table.contest.Of(k);
    if (!m) return std::nullopt;
    return rom::ContestMoveFields{m->effect, m->category, m->comboStarter, m->comboMoves};
}

} // namespace moves
