#include "tools/skirmela_moves/MoveListing.h"

#include "rom/Utf8.h"
#include "tools/skirmela_moves/ContestColumns.h"
#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/Json.h"
#include "tools/skirmela_moves/MoveFields.h"

namespace moves {
namespace {

// The text of a list field, or its number where nothing names the value; other fields as cells.
std::string FieldText(const TableView& t, const RecordColumn& c, std::uint8_t value) {
    const std::string text = VocabularyText(t, c, value);
    return text.empty() ? CellText(t, c, value) : text;
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

const rom::MoveDescription* DescriptionOf(const TableView& t, int k) {
    const rom::DescriptionTable* d = t.Descriptions();
    return d && d->Available() ? d->Of(k) : nullptr;
}

std::string DescriptionCell(const TableView& t, int k) {
    const rom::MoveDescription* d = DescriptionOf(t, k);
    return d ? d->text : "";
}

// A column of the text list: its heading, the display width it is padded to, whether it is aligned to
// the right, and the blanks after it.
struct TextColumn {
    const char* heading;
    std::size_t width;
    bool right = false;
    const char* gap = "";
};

// The text list's columns in the order of its cells. Widths fit the longest vocabulary texts; the
// fields follow the record's byte order, the flags after them as their names vary most in length.
std::vector<TextColumn> TextColumns(const TableView& t) {
    std::vector<TextColumn> columns = {{"Move", 4, true, "  "},
                                       {"Name", 21},
                                       {"Effect", 35},
                                       {"Power", 6, true, "  "},
                                       {"Type", 9},
                                       {"Acc", 4, true},
                                       {"PP", 4, true},
                                       {"Eff%", 5, true, "  "},
                                       {"Target", 28},
                                       {"Prio", 4, true, "  "}};
    if (t.layout == rom::RecordLayout::Split)
        columns.insert(columns.end(), {{"ZPow", 4, true, "  "}, {"Class", 9}, {"ZEff", 4, true, "  "}});
    columns.insert(columns.end(), {{"Padding", 8}, {"Flags", 40}});
    if (t.HasContest())
        columns.insert(
            columns.end(),
            {{"Category", 9}, {"CEff", 4, true, "  "}, {"Start", 5, true, "  "}, {"Combo moves", 40}});
    if (t.descriptions) columns.push_back({"Description", 0});
    return columns;
}

// One line of cells under the columns; the last cell is not padded.
std::string TextLine(const std::vector<TextColumn>& columns, const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i + 1 == cells.size()) return line + cells[i] + "\n";
        line += Padded(cells[i], columns[i].width, columns[i].right) + columns[i].gap;
    }
    return line + "\n";
}

} // namespace

std::string ListText(const TableView& t) {
    const std::vector<TextColumn> columns = TextColumns(t);
    std::vector<std::string> heading;
    for (const TextColumn& c : columns) heading.push_back(c.heading);
    std::string text = TextLine(columns, heading);
    const std::vector<std::string> names = t.MoveNames();
    for (const rom::MoveRow& row : t.rows) {
        std::vector<std::string> cells = {std::to_string(row.move), ShownName(row.name)};
        for (const RecordColumn& c : RecordColumns(t.layout))
            if (c.byte != rom::FlagsByte) cells.push_back(FieldText(t, c, ValueOf(row, c)));
        cells.push_back(Padding(row));
        cells.push_back(FlagNames(row.bytes[rom::FlagsByte], t.layout));
        if (t.HasContest()) {
            const std::optional<rom::ContestMoveFields> v = ContestFieldsOfMove(t, row.move);
            for (ContestField f : {ContestField::category, ContestField::effect, ContestField::comboStarter})
                cells.push_back(!v                            ? ""
                                : f == ContestField::category ? ContestText(t, names, f, *v)
                                                              : ContestCell(f, *v));
            // Combo moves by the names of the moves that start them; none at all is left blank.
            const bool combos = v && v->comboMoves != rom::ComboMoves{};
            cells.push_back(combos ? ContestText(t, names, ContestField::comboMoves, *v) : "");
        }
        if (t.descriptions)
            cells.push_back(DescriptionOf(t, row.move) ? ShownName(DescriptionCell(t, row.move)) : "");
        text += TextLine(columns, cells);
    }
    return text;
}

std::string ListCsv(const TableView& t) {
    std::vector<std::string> header = {MoveColumn, NameColumn};
    for (const RecordColumn& c : RecordColumns(t.layout)) header.push_back(c.name);
    header.push_back(PaddingColumn);
    for (const std::string& c : ContestHeader(t)) header.push_back(c);
    if (t.descriptions) header.push_back(DescriptionColumn);
    std::string csv = CsvLine(header);
    const std::vector<std::string> names = t.MoveNames();
    for (const rom::MoveRow& row : t.rows) {
        std::vector<std::string> cells = {std::to_string(row.move), row.name};
        for (const RecordColumn& c : RecordColumns(t.layout))
            cells.push_back(FieldText(t, c, ValueOf(row, c)));
        cells.push_back(Padding(row));
        for (std::string& c : ContestCells(t, names, row.move)) cells.push_back(std::move(c));
        if (t.descriptions) cells.push_back(DescriptionCell(t, row.move));
        csv += CsvLine(cells);
    }
    return csv;
}

std::string ListJson(const TableView& t) {
    std::string json = "[\n";
    const std::vector<std::string> names = t.MoveNames();
    for (std::size_t i = 0; i < t.rows.size(); ++i) {
        const rom::MoveRow& row = t.rows[i];
        json += "  {\"move\": " + std::to_string(row.move) + ", \"name\": " + JsonString(row.name);
        for (const RecordColumn& c : RecordColumns(t.layout)) {
            const std::uint8_t value = ValueOf(row, c);
            const std::string cell = CellText(t, c, value);
            json += std::string(", \"") + c.name +
                    "\": " + (c.kind == ValueKind::flags ? JsonString(cell) : cell);
            if (!c.textName) continue;
            const std::string text = VocabularyText(t, c, value);
            // A value past the released games' list (a hack's new type) is shown as its number.
            json += std::string(", \"") + c.textName +
                    "\": " + JsonString(text.empty() ? std::to_string(value) : text);
        }
        json += std::string(", \"") + PaddingColumn + "\": " + JsonString(Padding(row));
        json += ContestJson(t, names, row.move);
        if (t.descriptions) {
            const rom::MoveDescription* d = DescriptionOf(t, row.move);
            json += std::string(", \"") + DescriptionColumn + "\": " + (d ? JsonString(d->text) : "null");
        }
        json += i + 1 < t.rows.size() ? "},\n" : "}\n";
    }
    return json + "]\n";
}

std::vector<std::string> ExportHeader(const TableView& t) {
    std::vector<std::string> header = {MoveColumn, NameColumn};
    for (const RecordColumn& c : RecordColumns(t.layout)) {
        header.push_back(c.name);
        if (c.textName) header.push_back(c.textName);
    }
    header.push_back(PaddingColumn);
    for (const std::string& c : ContestHeader(t)) header.push_back(c);
    if (t.descriptions) header.push_back(DescriptionColumn);
    return header;
}

std::vector<std::string> ExportCells(const TableView& t, const rom::MoveRow& row,
                                     const std::vector<std::string>& moveNames) {
    std::vector<std::string> cells = {std::to_string(row.move), row.name};
    for (const RecordColumn& c : RecordColumns(t.layout)) {
        cells.push_back(CellText(t, c, ValueOf(row, c)));
        if (c.textName) cells.push_back(VocabularyText(t, c, ValueOf(row, c)));
    }
    cells.push_back(Padding(row));
    for (std::string& c : ContestCells(t, moveNames, row.move)) cells.push_back(std::move(c));
    if (t.descriptions) cells.push_back(DescriptionCell(t, row.move));
    return cells;
}

std::string ExportCsv(const TableView& t) {
    std::string csv = CsvLine(ExportHeader(t));
    const std::vector<std::string> names = t.MoveNames();
    for (const rom::MoveRow& row : t.rows) csv += CsvLine(ExportCells(t, row, names));
    return csv;
}

} // namespace moves
