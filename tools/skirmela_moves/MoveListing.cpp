#include "tools/skirmela_moves/MoveListing.h"

#include "rom/HexFunctions.h"
#include "rom/Utf8.h"
#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/Json.h"
#include "tools/skirmela_moves/MoveFields.h"

namespace moves {
namespace {

// The text of a list field, or its number where the vocabulary has no entry.
std::string FieldText(const RecordColumn& c, std::uint8_t value) {
    if (!c.vocabulary) return std::to_string(value);
    const std::string text = VocabularyText(c, value);
    return text.empty() ? std::to_string(value) : text;
}

// Pads to width display characters, counting code points, not bytes ("é" is one character).
std::string Padded(const std::string& text, std::size_t width, bool right = false) {
    const std::size_t length = rom::Utf8ToU32(text).size();
    const std::string fill(length < width ? width - length : 0, ' ');
    return right ? fill + text : text + fill;
}

std::vector<std::string> ListCells(const MoveRow& row) {
    std::vector<std::string> cells = {std::to_string(row.move), row.name};
    for (const RecordColumn& c : RecordColumns()) cells.push_back(FieldText(c, row.record[c.field]));
    return cells;
}

std::vector<std::string> ListHeader() {
    std::vector<std::string> header = {MoveColumn, NameColumn};
    for (const RecordColumn& c : RecordColumns()) header.push_back(c.name);
    return header;
}

} // namespace

std::string ListText(const std::vector<MoveRow>& rows) {
    // Widths fit the longest vocabulary texts; the fields follow the record's byte order.
    const auto line = [](const std::vector<std::string>& cells) {
        return Padded(cells[0], 4, true) + "  " + Padded(cells[1], 21) + Padded(cells[2], 31) +
               Padded(cells[3], 6, true) + "  " + Padded(cells[4], 9) + Padded(cells[5], 4, true) +
               Padded(cells[6], 4, true) + Padded(cells[7], 5, true) + "  " + cells[8] + "\n";
    };
    std::string text = line({"Move", "Name", "Effect", "Power", "Type", "Acc", "PP", "Eff%", "Target"});
    for (const MoveRow& row : rows) {
        const rom::MoveRecord& r = row.record;
        const auto& c = RecordColumns();
        text += line({std::to_string(row.move), ShownName(row.name), FieldText(c[0], r.effect),
                      std::to_string(r.power), FieldText(c[2], r.type), std::to_string(r.accuracy),
                      std::to_string(r.pp), std::to_string(r.effectChance), FieldText(c[6], r.target)});
    }
    return text;
}

std::string ListCsv(const std::vector<MoveRow>& rows) {
    std::string csv = CsvLine(ListHeader());
    for (const MoveRow& row : rows) csv += CsvLine(ListCells(row));
    return csv;
}

std::string ListJson(const std::vector<MoveRow>& rows) {
    std::string json = "[\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MoveRow& row = rows[i];
        json += "  {\"move\": " + std::to_string(row.move) + ", \"name\": " + JsonString(row.name);
        for (const RecordColumn& c : RecordColumns()) {
            const std::uint8_t value = row.record[c.field];
            json += std::string(", \"") + c.name + "\": " + std::to_string(value);
            if (!c.textName) continue;
            const std::string text = VocabularyText(c, value);
            json += std::string(", \"") + c.textName + "\": " + (text.empty() ? "null" : JsonString(text));
        }
        json += i + 1 < rows.size() ? "},\n" : "}\n";
    }
    return json + "]\n";
}

std::string ExportCsv(const std::vector<MoveRow>& rows) {
    std::vector<std::string> header = {MoveColumn, NameColumn};
    for (const RecordColumn& c : RecordColumns()) {
        header.push_back(c.name);
        if (c.textName) header.push_back(c.textName);
    }
    header.push_back(UntouchedColumn);

    std::string csv = CsvLine(header);
    for (const MoveRow& row : rows) {
        std::vector<std::string> cells = {std::to_string(row.move), row.name};
        for (const RecordColumn& c : RecordColumns()) {
            cells.push_back(std::to_string(row.record[c.field]));
            if (c.textName) cells.push_back(VocabularyText(c, row.record[c.field]));
        }
        std::string untouched;
        for (std::uint8_t b : row.untouched) untouched += rom::HexPair(b);
        cells.push_back(untouched);
        csv += CsvLine(cells);
    }
    return csv;
}

} // namespace moves
