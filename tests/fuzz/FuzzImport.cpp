// The import check of a CSV table against a synthetic move table: whatever the text, it is refused
// as CSV or every cell is judged; each error names a cell that exists, in a message of well-formed
// UTF-8; and a table without errors changes only moves of the table, never their padding, into names
// the game's text encodes.

#include "rom/GameText.h"
#include "rom/Utf8.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/ImportCheck.h"
#include "tools/skirmela_moves/MoveFields.h"

#include <cstdlib>
#include <map>

using namespace moves;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<CsvRecord> records;
    try {
        records = ParseCsv(text);
    } catch (const CsvError& e) {
        Require(e.row() >= 1);
        return 0;
    }
    std::map<int, std::size_t> widthOfRow;
    for (const CsvRecord& r : records) widthOfRow[r.row] = r.cells.size();

    const ImportCheck check = CheckImport(records, DemoView());
    for (const CellError& e : check.errors) {
        Require(!rom::FindMalformedUtf8(DescribeCellError(e)));
        if (records.empty()) continue; // the one error of an empty table
        const auto row = widthOfRow.find(e.row);
        Require(row != widthOfRow.end());
        Require(e.column >= 0 && static_cast<std::size_t>(e.column) <= row->second);
    }
    if (!check.errors.empty()) {
        Require(check.changes.empty());
        return 0;
    }
    int previous = -1;
    for (const MoveChange& c : check.changes) {
        Require(c.move > previous && c.move < static_cast<int>(DemoMoveTable().size()));
        previous = c.move;
        const rom::MoveRow& row = DemoMoveTable()[static_cast<std::size_t>(c.move)];
        for (std::size_t b = rom::PaddingByte; b < c.newBytes.size(); ++b)
            Require(c.newBytes[b] == row.bytes[b]);
        Require(!(c.newName && c.newEntry));
        if (c.newName) {
            Require(!rom::FindMalformedUtf8(*c.newName) && NameFault(*c.newName, c.move).empty());
            (void)rom::EncodeNameField(rom::Utf8ToU32(*c.newName));
        }
        Require(c.newName || c.newEntry || c.newBytes != row.bytes);
    }
    return 0;
}
