#pragma once
// Comma-separated text as spreadsheets and version control tools exchange it: fields separated by
// commas, records by CR LF (LF alone is read too); a field in double quotes may hold commas, line
// breaks and doubled quotes.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace moves {

// The text is no well-formed CSV; row is the 1-based record in which the fault lies.
class CsvError : public std::runtime_error {
  public:
    CsvError(const std::string& message, int row) : std::runtime_error(message), row_(row) {}
    int row() const { return row_; }

  private:
    int row_;
};

struct CsvRecord {
    int row = 0; // 1-based record number; blank lines count, as a spreadsheet shows them as rows
    std::vector<std::string> cells;
};

// The records of text, blank lines left out; a leading UTF-8 byte order mark is ignored. Throws
// CsvError for a quote that is never closed and for text between a closing quote and the next comma.
std::vector<CsvRecord> ParseCsv(std::string_view text);

// The cell as a CSV field: quoted when it holds a comma, a quote, CR or LF, or starts or ends with a
// blank (which some readers would drop); quotes inside are doubled. Never fails.
std::string CsvField(std::string_view cell);

// The cells as one CSV record, ended by CR LF. Never fails.
std::string CsvLine(const std::vector<std::string>& cells);

} // namespace moves
