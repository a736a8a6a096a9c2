#include "tools/skirmela_moves/ImportCheck.h"

#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/Utf8.h"
#include "rom/WholeNumber.h"
#include "tools/skirmela_moves/ContestColumns.h"
#include "tools/skirmela_moves/MoveFields.h"
#include "tools/skirmela_moves/RowChecks.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace moves {
namespace {

constexpr std::size_t MaxNameUnits = rom::MoveNameFieldLength - 1; // the end byte needs the 13th

std::string ShownUnit(const std::u32string& unit) {
    if (unit.size() == 1 && (unit[0] < 0x20 || unit[0] == 0x7F || unit[0] == 0xFFFD)) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(unit[0]));
        return code;
    }
    return "\"" + rom::U32ToUtf8(unit) + "\"";
}

void Report(const TableView& t, const std::vector<std::string>& moveNames, const MoveChange& change,
            const rom::MoveRow& current, std::vector<FieldChange>& report) {
    if (change.newName)
        report.push_back({change.move, NameColumn, ShownName(current.name), ShownName(*change.newName)});
    if (change.newEntry) {
        // Entry bytes are reported as the name they show, or as bytes where the text stays.
        const rom::NameEntry& e = *change.newEntry;
        const std::string shown = rom::DecodeGameBytes(e);
        if (shown != current.name)
            report.push_back({change.move, NameColumn, ShownName(current.name), ShownName(shown)});
        else
            report.push_back({change.move, NameBytesColumn, rom::HexText(current.entry), rom::HexText(e)});
    }
    for (const RecordColumn& c : RecordColumns(t.layout)) {
        const auto byte = static_cast<std::size_t>(c.byte);
        const std::uint8_t was = current.bytes[byte], now = change.newBytes[byte];
        if (was != now) report.push_back({change.move, c.name, ShownValue(t, c, was), ShownValue(t, c, now)});
    }
    const std::optional<rom::ContestMoveFields> old = ContestFieldsOfMove(t, change.move);
    if (!change.newContest || !old) return;
    for (const ContestColumn& c : ContestColumns())
        if (!SameContestField(c.field, *old, *change.newContest))
            report.push_back({change.move, c.name, ShownContestValue(t, moveNames, c.field, *old),
                              ShownContestValue(t, moveNames, c.field, *change.newContest)});
}

} // namespace

std::string NameFault(const std::string& name, int k) {
    if (k == 0) {
        const std::u32string placeholder(rom::MoveZeroName);
        return rom::Utf8ToU32(name) == placeholder
                   ? ""
                   : "cannot be the name of move 0, the placeholder always written as \"" +
                         rom::U32ToUtf8(placeholder) + "\"";
    }
    const std::vector<std::u32string> units = rom::SplitGameUnits(rom::Utf8ToU32(name));
    if (units.size() > MaxNameUnits)
        return "has " + std::to_string(units.size()) +
               " characters; a name has at most 12, as the game shows a name up to its end byte";
    for (const std::u32string& unit : units) {
        if (unit == U"^") return "holds \"^\", which the game reads as the end of the name";
        if (rom::EncodeGameUnit(unit).empty())
            return "holds " + ShownUnit(unit) + ", which the game's text cannot encode";
    }
    return "";
}

bool SameName(std::string_view a, std::string_view b) {
    const auto unify = [](std::string_view s) {
        std::string out;
        for (std::size_t i = 0; i < s.size(); ++i)
            if (!(s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')) out += s[i];
        return out;
    };
    return unify(a) == unify(b);
}

ImportCheck CheckImport(const std::vector<CsvRecord>& records, const TableView& t) {
    const std::vector<rom::MoveRow>& table = t.rows;
    const rom::DescriptionTable* descriptions = t.Descriptions();
    ImportCheck result;
    if (records.empty()) {
        result.errors.push_back({1, 0, "", "the table is empty; its first row must name the columns"});
        return result;
    }
    const ImportHeader header = ReadImportHeader(records.front(), t, result.errors);
    if (!result.errors.empty()) return result; // without a sound header no cell can be placed

    const std::vector<std::string> moveNames = t.MoveNames();
    RowChecker checker(header, t, moveNames, result.errors);
    for (std::size_t i = 1; i < records.size(); ++i)
        if (std::optional<MoveChange> change = checker.Check(records[i]))
            result.changes.push_back(std::move(*change));

    if (!result.errors.empty()) {
        std::stable_sort(result.errors.begin(), result.errors.end(),
                         [](const CellError& a, const CellError& b) {
                             return a.row != b.row ? a.row < b.row : a.column < b.column;
                         });
        result.changes.clear();
        return result;
    }
    std::sort(result.changes.begin(), result.changes.end(),
              [](const MoveChange& a, const MoveChange& b) { return a.move < b.move; });
    for (const MoveChange& c : result.changes) {
        const rom::MoveRow& current = table[static_cast<std::size_t>(c.move)];
        Report(t, moveNames, c, current, result.report);
        constexpr std::size_t PowerByte = 1;
        // A class that disagrees with the power is said, not refused, when either of them changes.
        const std::uint8_t damageClass = c.newBytes[rom::DamageClassByte], power = c.newBytes[PowerByte];
        if (t.layout == rom::RecordLayout::Split &&
            (damageClass != current.bytes[rom::DamageClassByte] || power != current.bytes[PowerByte]))
            if (const std::string w = rom::DamageClassWarning(damageClass, power); !w.empty())
                result.warnings.push_back("move " + std::to_string(c.move) + ": " + w);
        if (!descriptions || !descriptions->Of(c.move)) continue;
        const std::string was = ShownName(descriptions->Of(c.move)->text);
        if (c.newDescription) {
            const std::string text = rom::DescriptionText(*c.newDescription);
            result.report.push_back({c.move, DescriptionColumn, was, ShownName(text)});
            if (const std::string box = rom::DescriptionBoxFault(text, descriptions->box); !box.empty())
                result.warnings.push_back("move " + std::to_string(c.move) + ": " + DescriptionColumn + ": " +
                                          box);
        }
        if (c.restoreDescription)
            result.report.push_back({c.move, DescriptionColumn, was,
                                     ShownName(rom::DescriptionText(c.restoreDescription->bytes))});
    }
    return result;
}

std::string DescribeCellError(const CellError& e) {
    std::string where = "row " + std::to_string(e.row);
    if (e.column > 0)
        where +=
            ", column " + std::to_string(e.column) + (e.columnName.empty() ? "" : " (" + e.columnName + ")");
    return where + ": " + e.message;
}

} // namespace moves
