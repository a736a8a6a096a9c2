#include "tools/skirmela_moves/MoveListing.h"

#include "rom/Utf8.h"
#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/Json.h"
#include "tools/skirmela_moves/MoveFields.h"

namespace moves {
namespace {

// The text of a list field, or its number where the vocabulary has no entry; other fields as cells.
std::string FieldText(const RecordColumn& c, std::uint8_t value) {
    const std::string text = VocabularyText(c, value);
    return text.empty() ? CellText(c, value) : text;
}

std::string Padding(const rom::MoveRow& row) {
    return rom::HexText(std::span(row.bytes).subspan(rom::PaddingByte, rom::PaddingLength));
}

// Pads to width display characters, counting code points, not bytes ("é" is one character).
std::string Padded(const std::string& text, std::size_t width, bool right = false) {
    const std::size_t length = rom::Utf8ToU32(text).size();
    const std::string fill(length < width ? width - length : 0, ' ');
    return right ? fill + text : text + fill;
}

std::uint8_t ValueOf(const rom::MoveRow& row, const RecordColumn& c) {
    return row.bytes[static_cast<std::size_t>(c.byte)];
}

const rom::MoveDescription* DescriptionOf(const rom::DescriptionTable* descriptions, int k) {
    return descriptions && descriptions->Available() ? descriptions->Of(k) : nullptr;
}

std::string DescriptionCell(const rom::DescriptionTable* descriptions, int k) {
    const rom::MoveDescription* d = DescriptionOf(descriptions, k);
    return d ? d->text : "";
}

} // namespace

std::string ListText(const std::vector<rom::MoveRow>& rows, const rom::DescriptionTable* descriptions) {
    // Widths fit the longest vocabulary texts; the fields follow the record's byte order, the
    // flags last as their names vary most in length.
    const auto line = [](const std::vector<std::string>& cells) {
        return Padded(cells[0], 4, true) + "  " + Padded(cells[1], 21) + Padded(cells[2], 35) +
               Padded(cells[3], 6, true) + "  " + Padded(cells[4], 9) + Padded(cells[5], 4, true) +
               Padded(cells[6], 4, true) + Padded(cells[7], 5, true) + "  " + Padded(cells[8], 28) +
               Padded(cells[9], 4, true) + "  " + Padded(cells[10], 8) +
               (cells.size() > 12 ? Padded(cells[11], 40) + cells[12] : cells[11]) + "\n";
    };
    std::vector<std::string> heading = {"Move", "Name", "Effect", "Power", "Type",    "Acc",
                                        "PP",   "Eff%", "Target", "Prio",  "Padding", "Flags"};
    if (descriptions) heading.push_back("Description");
    std::string text = line(heading);
    for (const rom::MoveRow& row : rows) {
        std::vector<std::string> cells = {std::to_string(row.move), ShownName(row.name)};
        for (const RecordColumn& c : RecordColumns())
            if (c.byte != rom::FlagsByte) cells.push_back(FieldText(c, ValueOf(row, c)));
        cells.push_back(Padding(row));
        cells.push_back(FlagNames(row.bytes[rom::FlagsByte]));
        if (descriptions)
            cells.push_back(DescriptionOf(descriptions, row.move)
                                ? ShownName(DescriptionCell(descriptions, row.move))
                                : "");
        text += line(cells);
    }
    return text;
}

std::string ListCsv(const std::vector<rom::MoveRow>& rows, const rom::DescriptionTable* descriptions) {
    std::vector<std::string> header = {MoveColumn, NameColumn};
    for (const RecordColumn& c : RecordColumns()) header.push_back(c.name);
    header.push_back(PaddingColumn);
    if (descriptions) header.push_back(DescriptionColumn);
    std::string csv = CsvLine(header);
    for (const rom::MoveRow& row : rows) {
        std::vector<std::string> cells = {std::to_string(row.move), row.name};
        for (const RecordColumn& c : RecordColumns()) cells.push_back(FieldText(c, ValueOf(row, c)));
        cells.push_back(Padding(row));
        if (descriptions) cells.push_back(DescriptionCell(descriptions, row.move));
        csv += CsvLine(cells);
    }
    return csv;
}

std::string ListJson(const std::vector<rom::MoveRow>& rows, const rom::DescriptionTable* descriptions) {
    std::string json = "[\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const rom::MoveRow& row = rows[i];
        json += "  {\"move\": " + std::to_string(row.move) + ", \"name\": " + JsonString(row.name);
        for (const RecordColumn& c : RecordColumns()) {
            const std::uint8_t value = ValueOf(row, c);
            const std::string cell = CellText(c, value);
            json += std::string(", \"") + c.name +
                    "\": " + (c.kind == ValueKind::flags ? JsonString(cell) : cell);
            if (!c.textName) continue;
            const std::string text = VocabularyText(c, value);
            // A value past the released games' list (a hack's new type) is shown as its number.
            json += std::string(", \"") + c.textName +
                    "\": " + JsonString(text.empty() ? std::to_string(value) : text);
        }
        json += std::string(", \"") + PaddingColumn + "\": " + JsonString(Padding(row));
        if (descriptions) {
            const rom::MoveDescription* d = DescriptionOf(descriptions, row.move);
            json += std::string(", \"") + DescriptionColumn + "\": " + (d ? JsonString(d->text) : "null");
        }
        json += i + 1 < rows.size() ? "},\n" : "}\n";
    }
    return json + "]\n";
}

std::vector<std::string> ExportHeader(bool descriptions) {
    std::vector<std::string> header = {MoveColumn, NameColumn};
    for (const RecordColumn& c : RecordColumns()) {
        header.push_back(c.name);
        if (c.textName) header.push_back(c.textName);
    }
    header.push_back(PaddingColumn);
    if (descriptions) header.push_back(DescriptionColumn);
    return header;
}

std::vector<std::string> ExportCells(const rom::MoveRow& row, const rom::DescriptionTable* descriptions) {
    std::vector<std::string> cells = {std::to_string(row.move), row.name};
    for (const RecordColumn& c : RecordColumns()) {
        cells.push_back(CellText(c, ValueOf(row, c)));
        if (c.textName) cells.push_back(VocabularyText(c, ValueOf(row, c)));
    }
    cells.push_back(Padding(row));
    if (descriptions) cells.push_back(DescriptionCell(descriptions, row.move));
    return cells;
}

std::string ExportCsv(const std::vector<rom::MoveRow>& rows, const rom::DescriptionTable* descriptions) {
    std::string csv = CsvLine(ExportHeader(descriptions != nullptr));
    for (const rom::MoveRow& row : rows) csv += CsvLine(ExportCells(row, descriptions));
    return csv;
}

} // namespace moves
