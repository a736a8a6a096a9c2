#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/Json.h"

#include <gtest/gtest.h>

using namespace moves;

namespace {

std::vector<std::vector<std::string>> Cells(std::string_view text) {
    std::vector<std::vector<std::string>> cells;
    for (const CsvRecord& r : ParseCsv(text)) cells.push_back(r.cells);
    return cells;
}

} // namespace

TEST(ParseCsv, SplitsFieldsAndRecords) {
    using Table = std::vector<std::vector<std::string>>;
    const std::pair<const char*, Table> cases[] = {
        {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
        {"a,b\nc,d", {{"a", "b"}, {"c", "d"}}},            // LF alone, no final line end
        {"a,,\r\n", {{"a", "", ""}}},                      // empty fields keep their places
        {"\"x,y\",z\r\n", {{"x,y", "z"}}},                 // comma inside quotes
        {"\"say \"\"hi\"\"\"\r\n", {{"say \"hi\""}}},      // doubled quotes
        {"\"Sky\r\nFall\",1\r\n", {{"Sky\r\nFall", "1"}}}, // line break inside quotes
        {"a\r\n\r\n\nb\r\n", {{"a"}, {"b"}}},              // blank lines are left out
        {"\"\"\r\n", {{""}}},                              // a quoted empty field is a record
        {"\xEF\xBB\xBFmove,name\r\n", {{"move", "name"}}}, // a spreadsheet's byte order mark
        {" a , b \r\n", {{" a ", " b "}}},                 // blanks are part of a field
        {"a\rb\r\n", {{"a\rb"}}},                          // CR alone is no line end
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(Cells(text), expected) << text;
}

TEST(ParseCsv, NumbersRowsAsASpreadsheetShowsThem) {
    const auto records = ParseCsv("h\r\n\"two\r\nlines\"\r\n\r\nlast\r\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].row, 1);
    EXPECT_EQ(records[1].row, 2);
    EXPECT_EQ(records[2].row, 4); // the blank line is row 3
}

TEST(ParseCsv, RejectsMalformedQuotesWithTheirRow) {
    const std::pair<const char*, int> cases[] = {
        {"a\r\n\"open,b\r\nc\r\n", 2}, {"a\r\nb,\"x\"y\r\n", 2}, {"\"a\"\"", 1}};
    for (auto [text, row] : cases) {
        try {
            ParseCsv(text);
            ADD_FAILURE() << "accepted " << text;
        } catch (const CsvError& e) {
            EXPECT_EQ(e.row(), row) << text;
        }
    }
}

TEST(CsvField, QuotesExactlyWhenAReaderWouldMisreadTheCell) {
    const std::pair<const char*, const char*> cases[] = {
        {"Thunderspiral", "Thunderspiral"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"Sky\r\nFall", "\"Sky\r\nFall\""},
        {"trail ", "\"trail \""},
        {" lead", "\" lead\""},
        {"Opponent [???]", "Opponent [???]"},
    };
    for (auto [cell, field] : cases) EXPECT_EQ(CsvField(cell), field) << cell;
}

TEST(CsvField, EveryCellSurvivesARoundTrip) {
    const std::vector<std::string> cells = {"", " ", ",", "\"", "\r\n", "a\"b,c\nd", "Pok\xC3\xA9mon", "x "};
    const auto records = ParseCsv(CsvLine(cells) + CsvLine({"end"}));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].cells, cells);
}

TEST(JsonString, EscapesWhatJsonForbids) {
    const std::pair<const char*, const char*> cases[] = {
        {"Sky\r\nFall", "\"Sky\\r\\nFall\""},
        {"a\"b", "\"a\\\"b\""},
        {"back\\", "\"back\\\\\""},
        {"\x01", "\"\\u0001\""},
        {"Pok\xC3\xA9mon", "\"Pok\xC3\xA9mon\""},
        {"", "\"\""},
    };
    for (auto [text, json] : cases) EXPECT_EQ(JsonString(text), json) << text;
}
