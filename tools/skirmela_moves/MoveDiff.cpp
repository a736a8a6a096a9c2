#include "tools/skirmela_moves/MoveDiff.h"

#include "tools/skirmela_moves/ContestColumns.h"
#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/Json.h"
#include "tools/skirmela_moves/MoveFields.h"

#include <cstdio>

namespace moves {
namespace {

std::string EntryHex(const rom::NameEntry& entry) {
    return rom::HexText(entry);
}

std::string PaddingHex(const rom::RecordBytes& bytes) {
    return rom::HexText(std::span(bytes).subspan(rom::PaddingByte, rom::PaddingLength));
}

// A side of a record field's difference as its table shows it.
void RecordSide(const TableView& t, const RecordColumn& c, std::uint8_t value, std::string& cell,
                std::string& shown, std::string& json, std::string& jsonText) {
    cell = CellText(t, c, value);
    shown = ShownValue(t, c, value);
    json = c.kind == ValueKind::flags ? JsonString(cell) : cell;
    if (c.kind != ValueKind::list) return;
    const std::string text = VocabularyText(t, c, value);
    jsonText = text.empty() ? "null" : JsonString(text);
}

FieldDifference TextDifference(int move, const char* field, const std::string& was, const std::string& now,
                               bool quoted) {
    return {move,
            field,
            was,
            now,
            quoted ? ShownName(was) : was,
            quoted ? ShownName(now) : now,
            JsonString(was),
            JsonString(now),
            "",
            ""};
}

// The pointer, bytes and freed text of a changed description as the undo table writes them; three
// empty cells for a move whose description stays.
std::vector<std::string> DescriptionUndoCells(const MoveChange& change,
                                              const rom::DescriptionTable* descriptions,
                                              const DescriptionPlacements* placed) {
    const rom::MoveDescription* old = descriptions ? descriptions->Of(change.move) : nullptr;
    if (!old || (!change.newDescription && !change.restoreDescription)) return {"", "", ""};
    char pointer[16];
    std::snprintf(pointer, sizeof pointer, "%08X", static_cast<unsigned>(old->pointer));
    std::string clear;
    const auto where = placed ? placed->find(change.move) : DescriptionPlacements::const_iterator{};
    if (placed && where != placed->end() && where->second.moved && change.newDescription)
        clear = rom::FreedBytesCell(where->second.textOffset, change.newDescription->size());
    return {pointer, rom::HexText(old->bytes), clear};
}

} // namespace

std::vector<FieldDifference> DiffMoves(const TableView& a, const TableView& b) {
    std::vector<FieldDifference> diffs;
    // Bytes 9 to 11 are fields only where both tables lay them out so; padding holds them for both.
    const rom::RecordLayout common = a.layout == b.layout ? a.layout : rom::RecordLayout::Released;
    const bool contest = a.HasContest() && b.HasContest();
    const std::vector<std::string> namesA = contest ? a.MoveNames() : std::vector<std::string>{},
                                   namesB = contest ? b.MoveNames() : std::vector<std::string>{};
    const rom::DescriptionTable *da = a.Descriptions(), *db = b.Descriptions();
    for (std::size_t k = 0; k < a.rows.size() && k < b.rows.size(); ++k) {
        const rom::MoveRow &was = a.rows[k], &now = b.rows[k];
        const int move = was.move;
        if (was.name != now.name)
            diffs.push_back(TextDifference(move, NameColumn, was.name, now.name, true));
        else if (was.entry != now.entry)
            diffs.push_back(
                TextDifference(move, NameBytesColumn, EntryHex(was.entry), EntryHex(now.entry), false));
        for (const RecordColumn& c : RecordColumns(common)) {
            const auto byte = static_cast<std::size_t>(c.byte);
            if (was.bytes[byte] == now.bytes[byte]) continue;
            FieldDifference d;
            d.move = move;
            d.field = c.name;
            RecordSide(a, c, was.bytes[byte], d.oldValue, d.oldShown, d.oldJson, d.oldJsonText);
            RecordSide(b, c, now.bytes[byte], d.newValue, d.newShown, d.newJson, d.newJsonText);
            diffs.push_back(std::move(d));
        }
        if (PaddingHex(was.bytes) != PaddingHex(now.bytes))
            diffs.push_back(
                TextDifference(move, PaddingColumn, PaddingHex(was.bytes), PaddingHex(now.bytes), false));
        const std::optional<rom::ContestMoveFields> cw =
                                                        contest ? ContestFieldsOfMove(a, move) : std::nullopt,
                                                    cn =
                                                        contest ? ContestFieldsOfMove(b, move) : std::nullopt;
        for (const ContestColumn& c : ContestColumns()) {
            if (!cw || !cn || SameContestField(c.field, *cw, *cn)) continue;
            diffs.push_back({move, c.name, ContestCell(c.field, *cw), ContestCell(c.field, *cn),
                             ShownContestValue(a, namesA, c.field, *cw),
                             ShownContestValue(b, namesB, c.field, *cn), ContestJsonValue(c.field, *cw),
                             ContestJsonValue(c.field, *cn), ContestJsonText(a, namesA, c.field, *cw),
                             ContestJsonText(b, namesB, c.field, *cn)});
        }
        const rom::MoveDescription* dw = da && da->Available() ? da->Of(move) : nullptr;
        const rom::MoveDescription* dn = db && db->Available() ? db->Of(move) : nullptr;
        if (dw && dn && dw->text != dn->text)
            diffs.push_back(TextDifference(move, DescriptionColumn, dw->text, dn->text, true));
    }
    return diffs;
}

std::string DiffText(const std::vector<FieldDifference>& diffs) {
    if (diffs.empty()) return "no differences\n";
    std::string text;
    for (const FieldDifference& d : diffs)
        text +=
            "move " + std::to_string(d.move) + ": " + d.field + " " + d.oldShown + " -> " + d.newShown + "\n";
    return text;
}

std::string DiffCsv(const std::vector<FieldDifference>& diffs) {
    std::string csv = CsvLine({MoveColumn, "field", "old", "new"});
    for (const FieldDifference& d : diffs)
        csv += CsvLine({std::to_string(d.move), d.field, d.oldValue, d.newValue});
    return csv;
}

std::string DiffJson(const std::vector<FieldDifference>& diffs) {
    std::string json = "[\n";
    for (std::size_t i = 0; i < diffs.size(); ++i) {
        const FieldDifference& d = diffs[i];
        json += "  {\"move\": " + std::to_string(d.move) + ", \"field\": " + JsonString(d.field) +
                ", \"old\": " + d.oldJson + ", \"new\": " + d.newJson;
        if (!d.oldJsonText.empty())
            json += ", \"old_text\": " + d.oldJsonText + ", \"new_text\": " + d.newJsonText;
        json += i + 1 < diffs.size() ? "},\n" : "}\n";
    }
    return json + "]\n";
}

UndoColumns UndoColumnsOf(const std::vector<MoveChange>& changes, const TableView& table) {
    const std::span<const RecordColumn> columns = RecordColumns(table.layout);
    UndoColumns undo;
    for (const MoveChange& change : changes) {
        const rom::MoveRow& was = table.rows[static_cast<std::size_t>(change.move)];
        undo.names = undo.names || change.newName || change.newEntry;
        undo.described = undo.described || change.newDescription || change.restoreDescription;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const auto byte = static_cast<std::size_t>(columns[i].byte);
            undo.record[i] = undo.record[i] || change.newBytes[byte] != was.bytes[byte];
        }
        const std::optional<rom::ContestMoveFields> old = ContestFieldsOfMove(table, change.move);
        for (std::size_t i = 0; i < ContestColumns().size(); ++i)
            undo.contest[i] =
                undo.contest[i] || (change.newContest && old &&
                                    !SameContestField(ContestColumns()[i].field, *old, *change.newContest));
    }
    return undo;
}

void AppendUndoFieldHeader(std::vector<std::string>& header, const UndoColumns& undo,
                           const TableView& table) {
    const std::span<const RecordColumn> columns = RecordColumns(table.layout);
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (undo.record[i]) header.push_back(columns[i].name);
    for (std::size_t i = 0; i < ContestColumns().size(); ++i)
        if (undo.contest[i]) header.push_back(ContestColumns()[i].name);
}

void AppendUndoFieldCells(std::vector<std::string>& cells, const UndoColumns& undo, const TableView& table,
                          int move) {
    const std::span<const RecordColumn> columns = RecordColumns(table.layout);
    const rom::MoveRow& was = table.rows[static_cast<std::size_t>(move)];
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (undo.record[i])
            cells.push_back(
                CellText(table, columns[i], was.bytes[static_cast<std::size_t>(columns[i].byte)]));
    // A move whose contest record stays gets its own values, which import keeps.
    const std::optional<rom::ContestMoveFields> old = ContestFieldsOfMove(table, move);
    for (std::size_t i = 0; i < ContestColumns().size(); ++i)
        if (undo.contest[i]) cells.push_back(old ? ContestCell(ContestColumns()[i].field, *old) : "");
}

std::string UndoCsv(const std::vector<MoveChange>& changes, const TableView& table,
                    const DescriptionPlacements* placed) {
    const UndoColumns undo = UndoColumnsOf(changes, table);
    std::vector<std::string> header = {MoveColumn};
    if (undo.names) header.insert(header.end(), {NameColumn, NameBytesColumn});
    AppendUndoFieldHeader(header, undo, table);
    if (undo.described)
        header.insert(header.end(),
                      {DescriptionPointerColumn, DescriptionBytesColumn, DescriptionClearColumn});

    std::string csv = CsvLine(header);
    for (const MoveChange& change : changes) {
        const rom::MoveRow& was = table.rows[static_cast<std::size_t>(change.move)];
        std::vector<std::string> cells = {std::to_string(change.move)};
        if (undo.names) {
            // A name that stays is left to its text, which import keeps; a changed one gets its bytes.
            cells.push_back(was.name);
            cells.push_back(change.newName || change.newEntry ? EntryHex(was.entry) : "");
        }
        AppendUndoFieldCells(cells, undo, table, change.move);
        if (undo.described) {
            const std::vector<std::string> restore =
                DescriptionUndoCells(change, table.Descriptions(), placed);
            cells.insert(cells.end(), restore.begin(), restore.end());
        }
        csv += CsvLine(cells);
    }
    return csv;
}

} // namespace moves
