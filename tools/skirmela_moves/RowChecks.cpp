#include "tools/skirmela_moves/RowChecks.h"

#include "rom/GameText.h"
#include "rom/TablePlausibility.h"
#include "rom/WholeNumber.h"
#include "tools/skirmela_moves/ContestColumns.h"
#include "tools/skirmela_moves/DescriptionRestoreCells.h"
#include "tools/skirmela_moves/ImportCells.h"
#include "tools/skirmela_moves/MoveFields.h"

#include <algorithm>
#include <string_view>

namespace moves {
namespace {

std::string Quoted(std::string_view cell) {
    return ShownName(cell);
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

} // namespace

RowChecker::RowChecker(const ImportHeader& h, const TableView& table,
                       const std::vector<std::string>& moveNames, std::vector<CellError>& errors)
    : h_(h), view_(table), moveNames_(moveNames), table_(table.rows), descriptions_(table.Descriptions()),
      errors_(errors) {}

// The change the row asks for, if it is sound and changes anything.
std::optional<MoveChange> RowChecker::Check(const CsvRecord& r) {
    row_ = &r;
    faults_ = 0;
    if (static_cast<int>(r.cells.size()) != h_.width) {
        Fault(-1, "",
              "has " + std::to_string(r.cells.size()) + " cells; the header has " + std::to_string(h_.width));
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
    for (const RecordColumn& c : RecordColumns(view_.layout)) {
        const int at = h_.value[IndexOf(c)];
        if (at == Absent) continue;
        std::string fault;
        given[IndexOf(c)] = ParseCell(view_, c, Cell(at), fault);
        if (!given[IndexOf(c)]) Fault(at, c.name, fault);
    }
    if (!current) return std::nullopt; // the other cells can only be judged against a move

    MoveChange change{*k, std::nullopt, std::nullopt, current->bytes};
    for (const RecordColumn& c : RecordColumns(view_.layout)) {
        const int at = h_.value[IndexOf(c)];
        if (at != Absent && given[IndexOf(c)])
            change.newBytes[static_cast<std::size_t>(c.byte)] = *given[IndexOf(c)];
        if (c.textName) TakeText(c, *current, at != Absent && given[IndexOf(c)], change.newBytes);
    }
    CheckName(*current, change);
    if (view_.layout == rom::RecordLayout::Split) TakePadding(*current, change);
    CheckReadOnly(*current);
    CheckDescription(*k, change);
    CheckContest(*k, change);

    if (faults_ > 0 || (!change.newName && !change.newEntry && change.newBytes == current->bytes &&
                        !change.newContest && !change.newDescription && !change.restoreDescription))
        return std::nullopt;
    return change;
}

const std::string& RowChecker::Cell(int at) const {
    return row_->cells[static_cast<std::size_t>(at)];
}

// at is the 0-based cell, -1 for the row as a whole.
void RowChecker::Fault(int at, std::string column, std::string message) {
    if (at >= 0 && malformed_[static_cast<std::size_t>(at)]) return;
    errors_.push_back({row_->row, at + 1, std::move(column), std::move(message)});
    ++faults_;
}

std::optional<int> RowChecker::CheckMove() {
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
void RowChecker::TakeText(const RecordColumn& c, const rom::MoveRow& current, bool numberGiven,
                          rom::RecordBytes& bytes) {
    const int at = h_.text[IndexOf(c)];
    if (at == Absent || Cell(at).empty()) return;
    const auto byte = static_cast<std::size_t>(c.byte);
    const std::uint8_t was = current.bytes[byte];
    if (TextNamesValue(view_, c, Cell(at), was)) return; // the text was left as it was, or as it was written
    const bool numberChanged = numberGiven && bytes[byte] != was;
    if (numberChanged && TextNamesValue(view_, c, Cell(at), bytes[byte])) return; // both edits agree
    const std::vector<int> positions = TextPositions(view_, c, Cell(at));
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
                  ShownValue(view_, c, static_cast<std::uint8_t>(positions[0])) + ", but the " + c.name +
                  " column changes it to " + ShownValue(view_, c, bytes[byte]) +
                  "; change one of the two columns only");
    }
}

void RowChecker::CheckName(const rom::MoveRow& current, MoveChange& change) {
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
        if (entry == current.entry) return;
        if (const std::string fault = rom::NameEntryFault(entry, current.move); !fault.empty()) {
            Fault(h_.nameBytes, NameBytesColumn, Quoted(Cell(h_.nameBytes)) + ": " + fault);
            return;
        }
        change.newEntry = entry;
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

// With the split layout bytes 9 to 11 have their own columns, and padding still writes them: a byte
// whose own column is left out or left as it was takes padding's byte; one changed in both must agree.
void RowChecker::TakePadding(const rom::MoveRow& current, MoveChange& change) {
    const int at = h_.padding;
    if (at == Absent || rom::TrimBlanks(Cell(at)).empty()) return;
    const std::optional<std::vector<std::uint8_t>> padding = ParseHexCell(Cell(at), rom::PaddingLength);
    if (!padding) {
        Fault(at, PaddingColumn,
              Quoted(Cell(at)) + " is not " + std::to_string(rom::PaddingLength) + " bytes as hex");
    } else {
        for (const RecordColumn& c : RecordColumns(view_.layout)) {
            const auto byte = static_cast<std::size_t>(c.byte);
            if (byte < rom::PaddingByte) continue;
            const std::uint8_t given = (*padding)[byte - rom::PaddingByte];
            if (given == current.bytes[byte] || given == change.newBytes[byte]) continue;
            if (change.newBytes[byte] == current.bytes[byte]) {
                change.newBytes[byte] = given;
                continue;
            }
            Fault(at, PaddingColumn,
                  Quoted(Cell(at)) + " gives byte " + std::to_string(byte) + " as " + std::to_string(given) +
                      ", but the " + c.name + " column changes it to " +
                      ShownValue(view_, c, change.newBytes[byte]));
        }
    }
}

void RowChecker::CheckReadOnly(const rom::MoveRow& current) {
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
    if (view_.layout != rom::RecordLayout::Split) // else TakePadding judges it
        check(h_.padding, PaddingColumn, rom::PaddingByte, "bytes 9 to 11 of a record");
    check(h_.untouched, UntouchedColumn, rom::PriorityByte,
          "the bytes 7 to 11 of this column (write priority and flags in their own columns)");
}

// A cell of a description column, "" when the column is left out.
std::string RowChecker::DescriptionCell(int at) const {
    return at == Absent ? "" : std::string(rom::TrimBlanks(Cell(at)));
}

void RowChecker::CheckDescription(int k, MoveChange& change) {
    const std::string text = h_.description == Absent ? "" : Cell(h_.description);
    const std::string pointer = DescriptionCell(h_.descriptionPointer),
                      bytes = DescriptionCell(h_.descriptionBytes),
                      clear = DescriptionCell(h_.descriptionClear);
    if (text.empty() && pointer.empty() && bytes.empty() && clear.empty()) return;
    // The cell a refusal points at: the first of the description's cells the row fills.
    const int at = !text.empty()      ? h_.description
                   : !pointer.empty() ? h_.descriptionPointer
                   : !bytes.empty()   ? h_.descriptionBytes
                                      : h_.descriptionClear;
    const rom::MoveDescription* old = descriptions_ ? descriptions_->Of(k) : nullptr;
    if (!old || !descriptions_->Available()) {
        Fault(at, h_.names[static_cast<std::size_t>(at)],
              "move " + std::to_string(k) + "'s description cannot be written: " +
                  (descriptions_ && !descriptions_->Available() ? descriptions_->unavailable
                                                                : "the move has none"));
        return;
    }
    if (!pointer.empty() || !bytes.empty() || !clear.empty()) {
        const auto fault = [&](const char* column, std::string message) {
            const std::string_view name(column);
            const int cell = name == DescriptionPointerColumn ? h_.descriptionPointer
                             : name == DescriptionBytesColumn ? h_.descriptionBytes
                                                              : h_.descriptionClear;
            Fault(cell, column, std::move(message));
        };
        if (auto restore = ReadDescriptionRestore(*old, {pointer, bytes, clear}, fault)) {
            restore->row = row_->row;
            restore->pointerColumn = h_.descriptionPointer + 1;
            change.restoreDescription = std::move(*restore);
        }
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
    else if (const std::string tooLong = rom::DescriptionLengthFault(k, encoded->size()); !tooLong.empty())
        Fault(h_.description, DescriptionColumn, tooLong);
    else if (*encoded != old->bytes)
        change.newDescription = encoded;
}

// The contest fields as the number and text columns give them, by the rule of TakeText: a text that
// differs from the table's is an edit, and one made beside a changed number must agree with it.
void RowChecker::CheckContest(int k, MoveChange& change) {
    const std::optional<rom::ContestMoveFields> current = ContestFieldsOfMove(view_, k);
    for (std::size_t i = 0; i < ContestColumns().size(); ++i) {
        const ContestColumn& c = ContestColumns()[i];
        const int number = h_.contestValue[i], text = h_.contestText[i];
        for (int at : {number, text}) {
            if (at == Absent || current || rom::TrimBlanks(Cell(at)).empty()) continue;
            Fault(at, h_.names[static_cast<std::size_t>(at)],
                  "move " + std::to_string(k) + " has no contest data: the contest table holds moves 0 to " +
                      std::to_string(view_.contest.moves.size() - 1) + "; leave the cell empty");
        }
        if (!current) continue;
        rom::ContestMoveFields wanted = change.newContest.value_or(*current);
        std::string fault;
        bool numberChanged = false;
        if (number != Absent) {
            rom::ContestMoveFields given = wanted;
            if (!ParseContestCell(view_, moveNames_, c.field, Cell(number), given, fault)) {
                Fault(number, c.name, fault);
                continue;
            }
            numberChanged = !SameContestField(c.field, given, *current);
            CopyContestField(c.field, given, wanted);
        }
        if (text != Absent && !rom::TrimBlanks(Cell(text)).empty() &&
            Cell(text) != ContestText(view_, moveNames_, c.field, *current)) {
            rom::ContestMoveFields named = wanted;
            if (!ParseContestCell(view_, moveNames_, c.field, Cell(text), named, fault)) {
                Fault(text, c.textName, fault + "; write the number in the " + c.name + " column");
                continue;
            }
            if (numberChanged && !SameContestField(c.field, named, wanted))
                Fault(text, c.textName,
                      Quoted(Cell(text)) + " is " + c.name + " " +
                          ShownContestValue(view_, moveNames_, c.field, named) + ", but the " + c.name +
                          " column changes it to " + ShownContestValue(view_, moveNames_, c.field, wanted) +
                          "; change one of the two columns only");
            else if (!numberChanged)
                CopyContestField(c.field, named, wanted);
        }
        if (wanted != *current)
            change.newContest = wanted;
        else
            change.newContest.reset();
    }
}

} // namespace moves
