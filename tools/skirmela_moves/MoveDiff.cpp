#include "tools/skirmela_moves/MoveDiff.h"

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

std::string JsonValue(const FieldDifference& d, const std::string& cell) {
    if (d.column && d.column->kind != ValueKind::flags) return cell;
    return JsonString(cell);
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

std::vector<FieldDifference> DiffMoves(const std::vector<rom::MoveRow>& a, const std::vector<rom::MoveRow>& b,
                                       const rom::DescriptionTable* da, const rom::DescriptionTable* db) {
    std::vector<FieldDifference> diffs;
    for (std::size_t k = 0; k < a.size() && k < b.size(); ++k) {
        const rom::MoveRow &was = a[k], &now = b[k];
        const int move = was.move;
        if (was.name != now.name)
            diffs.push_back({move, NameColumn, was.name, now.name});
        else if (was.entry != now.entry)
            diffs.push_back({move, NameBytesColumn, EntryHex(was.entry), EntryHex(now.entry)});
        for (const RecordColumn& c : RecordColumns()) {
            const auto byte = static_cast<std::size_t>(c.byte);
            if (was.bytes[byte] != now.bytes[byte])
                diffs.push_back(
                    {move, c.name, CellText(c, was.bytes[byte]), CellText(c, now.bytes[byte]), &c});
        }
        if (PaddingHex(was.bytes) != PaddingHex(now.bytes))
            diffs.push_back({move, PaddingColumn, PaddingHex(was.bytes), PaddingHex(now.bytes)});
        const rom::MoveDescription* dw = da && da->Available() ? da->Of(move) : nullptr;
        const rom::MoveDescription* dn = db && db->Available() ? db->Of(move) : nullptr;
        if (dw && dn && dw->text != dn->text) diffs.push_back({move, DescriptionColumn, dw->text, dn->text});
    }
    return diffs;
}

std::string DiffText(const std::vector<FieldDifference>& diffs) {
    if (diffs.empty()) return "no differences\n";
    std::string text;
    for (const FieldDifference& d : diffs) {
        std::string was = d.oldValue, now = d.newValue;
        if (d.field == NameColumn || d.field == DescriptionColumn) {
            was = ShownName(was);
            now = ShownName(now);
        } else if (d.column && d.column->kind == ValueKind::list) {
            // The cells of a list field are numbers that stand for a byte 0 to 255.
            was = ShownValue(*d.column, static_cast<std::uint8_t>(std::stoi(was)));
            now = ShownValue(*d.column, static_cast<std::uint8_t>(std::stoi(now)));
        }
        text += "move " + std::to_string(d.move) + ": " + d.field + " " + was + " -> " + now + "\n";
    }
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
                ", \"old\": " + JsonValue(d, d.oldValue) + ", \"new\": " + JsonValue(d, d.newValue);
        if (d.column && d.column->kind == ValueKind::list) {
            for (const auto& [key, cell] :
                 {std::pair{"old_text", d.oldValue}, std::pair{"new_text", d.newValue}}) {
                const std::string text =
                    VocabularyText(*d.column, static_cast<std::uint8_t>(std::stoi(cell)));
                json += std::string(", \"") + key + "\": " + (text.empty() ? "null" : JsonString(text));
            }
        }
        json += i + 1 < diffs.size() ? "},\n" : "}\n";
    }
    return json + "]\n";
}

std::string UndoCsv(const std::vector<MoveChange>& changes, const std::vector<rom::MoveRow>& table,
                    const rom::DescriptionTable* descriptions, const DescriptionPlacements* placed) {
    bool names = false, described = false;
    std::array<bool, RecordColumnCount> altered{};
    for (const MoveChange& change : changes) {
        const rom::MoveRow& was = table[static_cast<std::size_t>(change.move)];
        names = names || change.newName || change.newEntry;
        described = described || change.newDescription || change.restoreDescription;
        for (std::size_t i = 0; i < RecordColumns().size(); ++i) {
            const auto byte = static_cast<std::size_t>(RecordColumns()[i].byte);
            altered[i] = altered[i] || change.newBytes[byte] != was.bytes[byte];
        }
    }
    std::vector<std::string> header = {MoveColumn};
    if (names) header.insert(header.end(), {NameColumn, NameBytesColumn});
    for (std::size_t i = 0; i < RecordColumns().size(); ++i)
        if (altered[i]) header.push_back(RecordColumns()[i].name);
    if (described)
        header.insert(header.end(),
                      {DescriptionPointerColumn, DescriptionBytesColumn, DescriptionClearColumn});

    std::string csv = CsvLine(header);
    for (const MoveChange& change : changes) {
        const rom::MoveRow& was = table[static_cast<std::size_t>(change.move)];
        std::vector<std::string> cells = {std::to_string(change.move)};
        if (names) {
            // A name that stays is left to its text, which import keeps; a changed one gets its bytes.
            cells.push_back(was.name);
            cells.push_back(change.newName || change.newEntry ? EntryHex(was.entry) : "");
        }
        for (std::size_t i = 0; i < RecordColumns().size(); ++i) {
            const RecordColumn& c = RecordColumns()[i];
            if (altered[i]) cells.push_back(CellText(c, was.bytes[static_cast<std::size_t>(c.byte)]));
        }
        if (described) {
            const std::vector<std::string> restore = DescriptionUndoCells(change, descriptions, placed);
            cells.insert(cells.end(), restore.begin(), restore.end());
        }
        csv += CsvLine(cells);
    }
    return csv;
}

} // namespace moves
