#include "tools/skirmela_moves/ImportCheck.h"

#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/Utf8.h"
#include "tools/skirmela_moves/MoveFields.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace moves {
namespace {

constexpr int Absent = -1;

// Where each known column stands in the header (0-based), Absent when it is left out.
struct Header {
    int width = 0;
    int move = Absent;
    int name = Absent;
    int untouched = Absent;
    std::array<int, rom::MoveFieldCount> value{Absent, Absent, Absent, Absent, Absent, Absent, Absent};
    std::array<int, rom::MoveFieldCount> text{Absent, Absent, Absent, Absent, Absent, Absent, Absent};
};

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::string Quoted(std::string_view cell) {
    return ShownName(cell);
}

std::string KnownColumns() {
    std::string list = std::string(MoveColumn) + ", " + NameColumn;
    for (const RecordColumn& c : RecordColumns()) {
        list += std::string(", ") + c.name;
        if (c.textName) list += std::string(", ") + c.textName;
    }
    return list + ", " + UntouchedColumn;
}

int* HeaderSlot(Header& h, std::string_view name) {
    if (name == MoveColumn) return &h.move;
    if (name == NameColumn) return &h.name;
    if (name == UntouchedColumn) return &h.untouched;
    if (const RecordColumn* c = FindRecordColumn(name)) return &h.value[static_cast<std::size_t>(c->field)];
    if (const RecordColumn* c = FindTextColumn(name)) return &h.text[static_cast<std::size_t>(c->field)];
    return nullptr;
}

Header ReadHeader(const CsvRecord& record, std::vector<CellError>& errors) {
    Header h;
    h.width = static_cast<int>(record.cells.size());
    for (int i = 0; i < h.width; ++i) {
        const std::string name(TrimBlanks(record.cells[static_cast<std::size_t>(i)]));
        int* slot = HeaderSlot(h, name);
        if (!slot)
            errors.push_back({record.row, i + 1, name,
                              "is no column of the move table; the columns are " + KnownColumns()});
        else if (*slot != Absent)
            errors.push_back(
                {record.row, i + 1, name, "appears twice (also column " + std::to_string(*slot + 1) + ")"});
        else
            *slot = i;
    }
    if (h.move == Absent) errors.push_back({record.row, 0, "", "the header has no \"move\" column"});
    return h;
}

// A whole number from min to max written in decimal digits, blanks around it allowed.
std::optional<int> ParseWhole(std::string_view cell, int max) {
    cell = TrimBlanks(cell);
    if (cell.empty()) return std::nullopt;
    int value = 0;
    for (char c : cell) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > max) return std::nullopt;
    }
    return value;
}

std::string HexOf(const std::array<std::uint8_t, UntouchedLength>& bytes) {
    std::string hex;
    for (std::uint8_t b : bytes) hex += rom::HexPair(b);
    return hex;
}

std::string ShownCharacter(char32_t c) {
    if (c < 0x20 || c == 0x7F || c == 0xFFFD) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        return code;
    }
    return "\"" + rom::U32ToUtf8(std::u32string(1, c)) + "\"";
}

// Why the name cannot be written as move k's name, or "" when it can.
std::string NameFault(const std::string& name, int k) {
    if (k == 0)
        return name == "-" ? "" : "cannot be the name of move 0, the placeholder always written as \"-\"";
    const std::u32string text = rom::Utf8ToU32(name);
    if (text.size() > static_cast<std::size_t>(rom::MoveNameFieldLength))
        return "has " + std::to_string(text.size()) + " characters; a name has at most 13";
    for (char32_t c : text) {
        if (c == U'^') return "holds \"^\", which the game reads as the end of the name";
        if (rom::EncodeGameChar(c).empty())
            return "holds " + ShownCharacter(c) + ", which the game's text cannot encode";
    }
    return "";
}

class RowChecker {
  public:
    RowChecker(const Header& h, const std::vector<MoveRow>& table, std::vector<CellError>& errors)
        : h_(h), table_(table), errors_(errors) {}

    // The change the row asks for, if it is sound and changes anything.
    std::optional<MoveChange> Check(const CsvRecord& r) {
        row_ = &r;
        faults_ = 0;
        if (static_cast<int>(r.cells.size()) != h_.width) {
            Fault(-1, "",
                  "has " + std::to_string(r.cells.size()) + " cells; the header has " +
                      std::to_string(h_.width));
            return std::nullopt;
        }
        const std::optional<int> k = CheckMove();
        const MoveRow* current = k ? &table_[static_cast<std::size_t>(*k)] : nullptr;

        rom::MoveRecord target = current ? current->record : rom::MoveRecord{};
        for (const RecordColumn& c : RecordColumns()) {
            const int at = h_.value[static_cast<std::size_t>(c.field)];
            if (at == Absent) continue;
            if (const std::optional<std::uint8_t> v = CheckValue(c, at)) target[c.field] = *v;
        }
        if (!current) return std::nullopt; // the other cells can only be judged against a move

        std::optional<std::string> newName;
        if (h_.name != Absent && !SameName(Cell(h_.name), current->name)) {
            const std::string fault = NameFault(Cell(h_.name), *k);
            if (fault.empty())
                newName = Cell(h_.name);
            else
                Fault(h_.name, NameColumn, Quoted(Cell(h_.name)) + " " + fault);
        }
        for (const RecordColumn& c : RecordColumns()) CheckText(c, target[c.field]);
        CheckUntouched(*current);

        if (faults_ > 0 || (!newName && target == current->record)) return std::nullopt;
        return MoveChange{*k, newName, target};
    }

  private:
    const std::string& Cell(int at) const { return row_->cells[static_cast<std::size_t>(at)]; }

    // at is the 0-based cell, -1 for the row as a whole.
    void Fault(int at, std::string column, std::string message) {
        errors_.push_back({row_->row, at + 1, std::move(column), std::move(message)});
        ++faults_;
    }

    std::optional<int> CheckMove() {
        const int last = static_cast<int>(table_.size()) - 1;
        const std::optional<int> k = ParseWhole(Cell(h_.move), last);
        if (!k) {
            Fault(h_.move, MoveColumn,
                  Quoted(Cell(h_.move)) + " is not a move number 0 to " + std::to_string(last));
            return std::nullopt;
        }
        const auto [seen, first] = firstRowOf_.emplace(*k, row_->row);
        if (!first) {
            Fault(h_.move, MoveColumn,
                  "move " + std::to_string(*k) + " is listed already in row " + std::to_string(seen->second));
            return std::nullopt;
        }
        return k;
    }

    std::optional<std::uint8_t> CheckValue(const RecordColumn& c, int at) {
        const std::string& cell = Cell(at);
        if (const std::optional<int> v = ParseWhole(cell, 255)) return static_cast<std::uint8_t>(*v);
        if (!c.vocabulary) {
            Fault(at, c.name, Quoted(cell) + " is not a number 0 to 255");
            return std::nullopt;
        }
        const std::vector<int> positions = VocabularyPositions(*c.vocabulary, cell);
        if (positions.size() == 1) return static_cast<std::uint8_t>(positions[0]);
        if (positions.empty()) {
            Fault(at, c.name,
                  Quoted(cell) + " is neither a number 0 to 255 nor a text of the " + c.name + " list");
        } else {
            std::string numbers;
            for (int p : positions) numbers += (numbers.empty() ? "" : ", ") + std::to_string(p);
            Fault(at, c.name,
                  Quoted(cell) + " is the text of several entries (" + numbers + "); write the number");
        }
        return std::nullopt;
    }

    // A text column only describes its value column; a text that names another entry would be
    // an edit that silently does nothing.
    void CheckText(const RecordColumn& c, std::uint8_t value) {
        const int at = h_.text[static_cast<std::size_t>(c.field)];
        if (at == Absent || Cell(at).empty() || Cell(at) == VocabularyText(c, value)) return;
        Fault(at, c.textName,
              Quoted(Cell(at)) + " is not the text of " + c.name + " " + ShownValue(c, value) +
                  "; change the " + c.name + " column to change the " + c.name);
    }

    void CheckUntouched(const MoveRow& current) {
        if (h_.untouched == Absent) return;
        std::string cell(TrimBlanks(Cell(h_.untouched)));
        for (char& ch : cell)
            if (ch >= 'a' && ch <= 'f') ch = static_cast<char>(ch - 'a' + 'A');
        if (cell.empty() || cell == HexOf(current.untouched)) return;
        Fault(h_.untouched, UntouchedColumn,
              Quoted(Cell(h_.untouched)) + " differs from the ROM's " + HexOf(current.untouched) +
                  "; bytes 7 to 11 of a record are read-only");
    }

    const Header& h_;
    const std::vector<MoveRow>& table_;
    std::vector<CellError>& errors_;
    const CsvRecord* row_ = nullptr;
    int faults_ = 0;
    std::map<int, int> firstRowOf_;
};

void Report(const MoveChange& change, const MoveRow& current, std::vector<FieldChange>& report) {
    if (change.newName)
        report.push_back({change.move, NameColumn, ShownName(current.name), ShownName(*change.newName)});
    for (const RecordColumn& c : RecordColumns()) {
        const std::uint8_t was = current.record[c.field], now = change.newRecord[c.field];
        if (was != now) report.push_back({change.move, c.name, ShownValue(c, was), ShownValue(c, now)});
    }
}

} // namespace

bool SameName(std::string_view a, std::string_view b) {
    const auto unify = [](std::string_view s) {
        std::string out;
        for (std::size_t i = 0; i < s.size(); ++i)
            if (!(s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')) out += s[i];
        return out;
    };
    return unify(a) == unify(b);
}

ImportCheck CheckImport(const std::vector<CsvRecord>& records, const std::vector<MoveRow>& table) {
    ImportCheck result;
    if (records.empty()) {
        result.errors.push_back({1, 0, "", "the table is empty; its first row must name the columns"});
        return result;
    }
    const Header header = ReadHeader(records.front(), result.errors);
    if (!result.errors.empty()) return result; // without a sound header no cell can be placed

    RowChecker checker(header, table, result.errors);
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
    for (const MoveChange& c : result.changes)
        Report(c, table[static_cast<std::size_t>(c.move)], result.report);
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
