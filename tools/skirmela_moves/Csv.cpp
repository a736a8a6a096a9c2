#include "tools/skirmela_moves/Csv.h"

namespace moves {
std::vector<CsvRecord> ParseCsv(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<CsvRecord> records;
    std::vector<std::string> cells(1);
    int row = 1;
    bool blank = true; // nothing but the line end so far; a quoted empty field is not blank
    const auto endRecord = [&] {
        if (!blank) records.push_back({row, std::move(cells)});
        cells.assign(1, {});
        blank = true;
        ++row;
    };

    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"' && cells.back().empty()) {
            blank = false;
            const int openedIn = row;
            for (++i;; ++i) {
                if (i >= text.size()) throw CsvError("a quoted field is never closed", openedIn);
                if (text[i] != '"') {
                    cells.back() += text[i];
                } else if (i + 1 < text.size() && text[i + 1] == '"') {
                    cells.back() += '"';
                    ++i;
                } else {
                    break;
                }
            }
            ++i;
            const bool atFieldEnd = i >= text.size() || text[i] == ',' || text[i] == '\n' ||
                                    (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
            if (!atFieldEnd) throw CsvError("text follows the closing quote of a field", row);
            continue;
        }
        if (c == ',') {
            cells.emplace_back();
            blank = false;
        } else if (c == '\n') {
            endRecord();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            endRecord();
            ++i;
        } else {
            cells.back() += c;
            blank = false;
        }
        ++i;
    }
    if (!blank) endRecord();
    return records;
}

std::string CsvField(std::string_view cell) {
    const bool needsQuotes = cell.find_first_of(",\"\r\n") != std::string_view::npos ||
                             (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
    if (!needsQuotes) return std::string(cell);
    std::string field = "\"";
    for (char c : cell) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + '"';
}

std::string CsvLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += ',';
        line += CsvField(cells[i]);
    }
    return line + "\r\n";
}

} // namespace moves
