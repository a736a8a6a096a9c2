#pragma once
// The checks of one row of an imported table against the ROM's move: its move number, each record
// column (a number column and its text column together), the name, the read-only bytes and the
// description. A new column's check is one more step of Check.

#include "rom/MoveDescriptions.h"
#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/ImportCheck.h"
#include "tools/skirmela_moves/ImportHeader.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace moves {

class RowChecker {
  public:
    // Faults are added to errors, which must outlive the checker, as must h, table and moveNames (the
    // table's, move k at k).
    RowChecker(const ImportHeader& h, const TableView& table, const std::vector<std::string>& moveNames,
               std::vector<CellError>& errors);

    // The change the row asks for, if it is sound and changes anything. A move listed twice is a fault.
    std::optional<MoveChange> Check(const CsvRecord& r);

  private:
    const std::string& Cell(int at) const;
    // at is the 0-based cell, -1 for the row as a whole.
    void Fault(int at, std::string column, std::string message);
    std::optional<int> CheckMove();
    void TakeText(const RecordColumn& c, const rom::MoveRow& current, bool numberGiven,
                  rom::RecordBytes& bytes);
    void CheckName(const rom::MoveRow& current, MoveChange& change);
    void CheckReadOnly(const rom::MoveRow& current);
    void TakePadding(const rom::MoveRow& current, MoveChange& change);
    std::string DescriptionCell(int at) const;
    void CheckDescription(int k, MoveChange& change);
    void CheckContest(int k, MoveChange& change);

    const ImportHeader& h_;
    const TableView& view_;
    const std::vector<std::string>& moveNames_;
    const std::vector<rom::MoveRow>& table_;
    const rom::DescriptionTable* descriptions_;
    std::vector<CellError>& errors_;
    const CsvRecord* row_ = nullptr;
    int faults_ = 0;
    std::vector<bool> malformed_; // the cells of the row that are no UTF-8 text
    std::map<int, int> firstRowOf_;
};

} // namespace moves
