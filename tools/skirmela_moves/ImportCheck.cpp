#include "tools/skirmela_moves/ImportCheck.h"

#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/Utf8.h"
#include "rom/WholeNumber.h"
#include "tools/skirmela_moves/MoveFields.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace moves {
namespace {

constexpr int Absent = -1;
constexpr std::size_t MaxNameUnits = rom::MoveNameFieldLength - 1; // the end byte needs the 13th

// Where each known column stands in the header (0-based), Absent when it is left out.
struct Header {
    int width = 0;
    std::vector<std::string> names; // of every column, as the header cell reads without blanks
    int move = Absent;
    int name = Absent;
    int nameBytes = Absent;
    int padding = Absent;
    int untouched = Absent;
    int description = Absent, descriptionPointer = Absent, descriptionBytes = Absent,
        descriptionClear = Absent;
    std::array<int, RecordColumnCount> value{};
    std::array<int, RecordColumnCount> text{};
    Header() {
        value.fill(Absent);
        text.fill(Absent);
    }
};

std::string Quoted(std::string_view cell) {
    return ShownName(cell);
}

// Why the cell is no UTF-8 text, or "" when it is: a malformed byte is never taken for a character.
std::string MalformedTextFault(std::string_view cell) {
    const std::optional<rom::MalformedUtf8> bad = rom::FindMalformedUtf8(cell);
    if (!bad) return "";
    return ShownName(rom::ShowMalformedUtf8(cell)) + " is not UTF-8 text (" +
           rom::DescribeMalformedUtf8(cell, *bad) + ")";
}

std::size_t IndexOf(const RecordColumn& c) {
    return static_cast<std::size_t>(&c - RecordColumns().data());
}

std::string KnownColumns() {
    std::string list = std::string(MoveColumn) + ", " + NameColumn;
    for (const RecordColumn& c : RecordColumns()) {
        list += std::string(", ") + c.name;
        if (c.textName) list += std::string(", ") + c.textName;
    }
    return list + ", " + PaddingColumn + ", " + NameBytesColumn + ", " + UntouchedColumn + ", " +
           DescriptionColumn + ", " + DescriptionPointerColumn + ", " + DescriptionBytesColumn + ", " +
           DescriptionClearColumn;
}

int* HeaderSlot(Header& h, std::string_view name) {
    if (name == MoveColumn) return &h.move;
    if (name == NameColumn) return &h.name;
    if (name == NameBytesColumn) return &h.nameBytes;
    if (name == PaddingColumn) return &h.padding;
    if (name == UntouchedColumn) return &h.untouched;
    if (name == DescriptionColumn) return &h.description;
    if (name == DescriptionPointerColumn) return &h.descriptionPointer;
    if (name == DescriptionBytesColumn) return &h.descriptionBytes;
    if (name == DescriptionClearColumn) return &h.descriptionClear;
    if (const RecordColumn* c = FindRecordColumn(name)) return &h.value[IndexOf(*c)];
    if (const RecordColumn* c = FindTextColumn(name)) return &h.text[IndexOf(*c)];
    return nullptr;
}

Header ReadHeader(const CsvRecord& record, std::vector<CellError>& errors) {
    Header h;
    h.width = static_cast<int>(record.cells.size());
    for (int i = 0; i < h.width; ++i) {
        const std::string name(rom::TrimBlanks(record.cells[static_cast<std::size_t>(i)]));
        h.names.push_back(name);
        int* slot = HeaderSlot(h, name);
        if (const std::string fault = MalformedTextFault(name); !fault.empty())
            errors.push_back({record.row, i + 1, rom::ShowMalformedUtf8(name), fault});
        else if (!slot)
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

// Upper-case hex of count bytes, or nullopt; blanks around it allowed, lower-case digits taken.
std::optional<std::vector<std::uint8_t>> ParseHexCell(std::string_view cell, std::size_t count) {
    cell = rom::TrimBlanks(cell);
    if (cell.size() != 2 * count) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < cell.size(); i += 2) {
        std::string pair(cell.substr(i, 2));
        for (char& ch : pair)
            if (ch >= 'a' && ch <= 'f') ch = static_cast<char>(ch - 'a' + 'A');
        if (pair.find_first_not_of("0123456789ABCDEF") != std::string::npos) return std::nullopt;
        bytes.push_back(rom::ParseHexPair(pair));
    }
    return bytes;
}

std::string ShownUnit(const std::u32string& unit) {
    if (unit.size() == 1 && (unit[0] < 0x20 || unit[0] == 0x7F || unit[0] == 0xFFFD)) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(unit[0]));
        return code;
    }
    return "\"" + rom::U32ToUtf8(unit) + "\"";
}

// LF alone as CR LF, the line break the game's text encodes.
std::string WithCrLf(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\n' && (i == 0 || name[i - 1] != '\r')) out += '\r';
        out += name[i];
    }
    return out;
}

class RowChecker {
  public:
    RowChecker(const Header& h, const std::vector<rom::MoveRow>& table,
               const rom::DescriptionTable* descriptions, std::vector<CellError>& errors)
        : h_(h), table_(table), descriptions_(descriptions), errors_(errors) {}

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
        malformed_.assign(r.cells.size(), false);
        for (std::size_t i = 0; i < r.cells.size(); ++i) {
            const std::string fault = MalformedTextFault(r.cells[i]);
            if (fault.empty()) continue;
            Fault(static_cast<int>(i), h_.names[i], fault);
            malformed_[i] = true; // and no second fault for the cell
        }
        const std::optional<int> k = CheckMove();
        const rom::MoveRow* current = k ? &table_[static_cast<std::size_t>(*k)] : nullptr;

        std::array<std::optional<std::uint8_t>, RecordColumnCount> given;
        for (const RecordColumn& c : RecordColumns()) {
            const int at = h_.value[IndexOf(c)];
            if (at == Absent) continue;
            std::string fault;
            given[IndexOf(c)] = ParseCell(c, Cell(at), fault);
            if (!given[IndexOf(c)]) Fault(at, c.name, fault);
        }
        if (!current) return std::nullopt; // the other cells can only be judged against a move

        MoveChange change{*k, std::nullopt, std::nullopt, current->bytes};
        for (const RecordColumn& c : RecordColumns()) {
            const int at = h_.value[IndexOf(c)];
            if (at != Absent && given[IndexOf(c)])
                change.newBytes[static_cast<std::size_t>(c.byte)] = *given[IndexOf(c)];
            if (c.textName) TakeText(c, *current, at != Absent && given[IndexOf(c)], change.newBytes);
        }
        CheckName(*current, change);
        CheckReadOnly(*current);
        CheckDescription(*k, change);

        if (faults_ > 0 || (!change.newName && !change.newEntry && change.newBytes == current->bytes &&
                            !change.newDescription && !change.restoreDescription))
            return std::nullopt;
        return change;
    }

  private:
    const std::string& Cell(int at) const { return row_->cells[static_cast<std::size_t>(at)]; }

    // at is the 0-based cell, -1 for the row as a whole.
    void Fault(int at, std::string column, std::string message) {
        if (at >= 0 && malformed_[static_cast<std::size_t>(at)]) return;
        errors_.push_back({row_->row, at + 1, std::move(column), std::move(message)});
        ++faults_;
    }

    std::optional<int> CheckMove() {
        const int last = static_cast<int>(table_.size()) - 1;
        const std::optional<int> k = rom::ParseWholeNumber(Cell(h_.move), last);
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

    // A text cell that differs from the ROM's text is an edit of the field, unless the number cell
    // holds a sound number of its own: then both were edited and must name the same entry.
    void TakeText(const RecordColumn& c, const rom::MoveRow& current, bool numberGiven,
                  rom::RecordBytes& bytes) {
        const int at = h_.text[IndexOf(c)];
        if (at == Absent || Cell(at).empty()) return;
        const auto byte = static_cast<std::size_t>(c.byte);
        const std::uint8_t was = current.bytes[byte];
        if (TextNamesValue(c, Cell(at), was)) return; // the text was left as it was, or as it was written
        const bool numberChanged = numberGiven && bytes[byte] != was;
        if (numberChanged && TextNamesValue(c, Cell(at), bytes[byte])) return; // both edits agree
        const std::vector<int> positions = TextPositions(c, Cell(at));
        if (positions.size() != 1) {
            std::string numbers;
            for (int p : positions) numbers += (numbers.empty() ? "" : ", ") + std::to_string(p);
            Fault(at, c.textName,
                  Quoted(Cell(at)) +
                      (positions.empty() ? " is no text of the " + std::string(c.name) + " list"
                                         : " is the text of several entries (" + numbers + ")") +
                      "; write the number in the " + c.name + " column");
        } else if (!numberChanged) {
            bytes[byte] = static_cast<std::uint8_t>(positions[0]);
        } else {
            Fault(at, c.textName,
                  Quoted(Cell(at)) + " is " + c.name + " " +
                      ShownValue(c, static_cast<std::uint8_t>(positions[0])) + ", but the " + c.name +
                      " column changes it to " + ShownValue(c, bytes[byte]) +
                      "; change one of the two columns only");
        }
    }

    void CheckName(const rom::MoveRow& current, MoveChange& change) {
        const bool nameGiven = h_.name != Absent;
        if (h_.nameBytes != Absent && !rom::TrimBlanks(Cell(h_.nameBytes)).empty()) {
            const auto bytes = ParseHexCell(Cell(h_.nameBytes), rom::MoveNameFieldLength);
            if (!bytes) {
                Fault(h_.nameBytes, NameBytesColumn,
                      Quoted(Cell(h_.nameBytes)) + " is not 26 hex digits (the 13 bytes of the name entry)");
                return;
            }
            rom::NameEntry entry;
            std::copy(bytes->begin(), bytes->end(), entry.begin());
            const std::string decoded = rom::DecodeGameBytes(entry);
            if (nameGiven && !SameName(Cell(h_.name), current.name) && !SameName(Cell(h_.name), decoded)) {
                Fault(h_.name, NameColumn,
                      Quoted(Cell(h_.name)) + " is neither the ROM's name " + ShownName(current.name) +
                          " nor the name " + ShownName(decoded) + " of the " + NameBytesColumn +
                          " column; change one of the two columns only");
                return;
            }
            if (entry != current.entry) change.newEntry = entry;
            return;
        }
        if (!nameGiven || SameName(Cell(h_.name), current.name)) return;
        const std::string name = WithCrLf(Cell(h_.name));
        const std::string fault = NameFault(name, current.move);
        if (fault.empty())
            change.newName = name;
        else
            Fault(h_.name, NameColumn, Quoted(Cell(h_.name)) + " " + fault);
    }

    void CheckReadOnly(const rom::MoveRow& current) {
        const auto check = [&](int at, const char* column, int first, const char* what) {
            if (at == Absent) return;
            std::string cell(rom::TrimBlanks(Cell(at)));
            for (char& ch : cell)
                if (ch >= 'a' && ch <= 'f') ch = static_cast<char>(ch - 'a' + 'A');
            const std::string rom =
                rom::HexText(std::span(current.bytes).subspan(static_cast<std::size_t>(first)));
            if (cell.empty() || cell == rom) return;
            Fault(at, column,
                  Quoted(Cell(at)) + " differs from the ROM's " + rom + "; " + what + " are read-only");
        };
        check(h_.padding, PaddingColumn, rom::PaddingByte, "bytes 9 to 11 of a record");
        check(h_.untouched, UntouchedColumn, rom::PriorityByte,
              "the bytes 7 to 11 of this column (write priority and flags in their own columns)");
    }

    // A cell of a description column, "" when the column is left out.
    std::string DescriptionCell(int at) const {
        return at == Absent ? "" : std::string(rom::TrimBlanks(Cell(at)));
    }

    void CheckDescription(int k, MoveChange& change) {
        const std::string text = h_.description == Absent ? "" : Cell(h_.description);
        const std::string pointer = DescriptionCell(h_.descriptionPointer),
                          bytes = DescriptionCell(h_.descriptionBytes),
                          clear = DescriptionCell(h_.descriptionClear);
        if (text.empty() && pointer.empty() && bytes.empty() && clear.empty()) return;
        const int at =
            text.empty() ? (pointer.empty() ? h_.descriptionBytes : h_.descriptionPointer) : h_.description;
        const rom::MoveDescription* old = descriptions_ ? descriptions_->Of(k) : nullptr;
        if (!old || !descriptions_->Available()) {
            Fault(at, h_.names[static_cast<std::size_t>(at)],
                  "move " + std::to_string(k) + "'s description cannot be written: " +
                      (descriptions_ && !descriptions_->Available() ? descriptions_->unavailable
                                                                    : "the move has none"));
            return;
        }
        if (!pointer.empty() || !bytes.empty() || !clear.empty()) {
            CheckRestore(*old, pointer, bytes, clear, change);
            if (!text.empty() && !SameName(text, old->text) && change.restoreDescription)
                Fault(h_.description, DescriptionColumn,
                      "the description changes while the description_bytes column puts one back; change one "
                      "only");
            return;
        }
        if (SameName(text, old->text)) return;
        std::string fault;
        const auto encoded = rom::EncodeDescription(text, fault);
        if (!encoded)
            Fault(h_.description, DescriptionColumn, Quoted(text) + ": " + fault);
        else if (const std::string tooLong = rom::DescriptionLengthFault(k, encoded->size());
                 !tooLong.empty())
            Fault(h_.description, DescriptionColumn, tooLong);
        else if (*encoded != old->bytes)
            change.newDescription = encoded;
    }

    void CheckRestore(const rom::MoveDescription& old, const std::string& pointer, const std::string& bytes,
                      const std::string& clear, MoveChange& change) {
        DescriptionRestore restore;
        restore.row = row_->row;
        restore.pointerColumn = h_.descriptionPointer + 1;
        const auto word = ParseHexCell(pointer, 4);
        if (!word) {
            Fault(h_.descriptionPointer, DescriptionPointerColumn, Quoted(pointer) + " is not 8 hex digits");
            return;
        }
        restore.pointer = static_cast<std::uint32_t>((*word)[0]) << 24 |
                          static_cast<std::uint32_t>((*word)[1]) << 16 |
                          static_cast<std::uint32_t>((*word)[2]) << 8 | (*word)[3];
        const auto text = ParseHexCell(bytes, bytes.size() / 2);
        if (!text || text->empty() || text->size() > rom::MaxDescriptionBytes ||
            std::find(text->begin(), text->end(), 0xFF) != text->end() - 1) {
            Fault(h_.descriptionBytes, DescriptionBytesColumn,
                  Quoted(bytes) + " is not the hex of a text ended by its one FF, at most 512 bytes");
            return;
        }
        restore.bytes = *text;
        if (!clear.empty()) {
            // Only the move's current text may be made free space again, and only when the pointer
            // leaves it.
            const std::string expected = [&] {
                char cell[32];
                std::snprintf(cell, sizeof cell, "%llX:%zu", static_cast<unsigned long long>(old.textOffset),
                              old.bytes.size());
                return std::string(cell);
            }();
            if (clear != expected || restore.pointer == old.pointer) {
                Fault(h_.descriptionClear, DescriptionClearColumn,
                      Quoted(clear) + " is not the move's current text " + expected + " left by the pointer");
                return;
            }
            restore.clear = {{old.textOffset, static_cast<std::int64_t>(old.bytes.size())}};
        }
        change.restoreDescription = std::move(restore);
    }

    const Header& h_;
    const std::vector<rom::MoveRow>& table_;
    const rom::DescriptionTable* descriptions_;
    std::vector<CellError>& errors_;
    const CsvRecord* row_ = nullptr;
    int faults_ = 0;
    std::vector<bool> malformed_; // the cells of the row that are no UTF-8 text
    std::map<int, int> firstRowOf_;
};

void Report(const MoveChange& change, const rom::MoveRow& current, std::vector<FieldChange>& report) {
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
    for (const RecordColumn& c : RecordColumns()) {
        const auto byte = static_cast<std::size_t>(c.byte);
        const std::uint8_t was = current.bytes[byte], now = change.newBytes[byte];
        if (was != now) report.push_back({change.move, c.name, ShownValue(c, was), ShownValue(c, now)});
    }
}

} // namespace

std::string NameFault(const std::string& name, int k) {
    if (k == 0)
        return name == "-" ? "" : "cannot be the name of move 0, the placeholder always written as \"-\"";
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

ImportCheck CheckImport(const std::vector<CsvRecord>& records, const std::vector<rom::MoveRow>& table,
                        const rom::DescriptionTable* descriptions) {
    ImportCheck result;
    if (records.empty()) {
        result.errors.push_back({1, 0, "", "the table is empty; its first row must name the columns"});
        return result;
    }
    const Header header = ReadHeader(records.front(), result.errors);
    if (!result.errors.empty()) return result; // without a sound header no cell can be placed

    RowChecker checker(header, table, descriptions, result.errors);
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
        Report(c, table[static_cast<std::size_t>(c.move)], result.report);
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
