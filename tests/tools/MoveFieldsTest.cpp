#include "tools/skirmela_moves/MoveFields.h"

#include <gtest/gtest.h>

using namespace moves;

TEST(FlagNames, NamesEverySetBitAndReadsBackToTheSameByte) {
    const std::pair<int, const char*> cases[] = {
        {0x00, "none"},
        {0x01, "contact"},
        {0x13, "contact|protect|mirror_move"},
        {0x2C, "magic_coat|snatch|kings_rock"},
        {0xC0, "bit6|bit7"},
        {0xFF, "contact|protect|magic_coat|snatch|mirror_move|kings_rock|bit6|bit7"},
    };
    for (auto [byte, names] : cases) EXPECT_EQ(FlagNames(static_cast<std::uint8_t>(byte)), names) << byte;
    for (int byte = 0; byte < 256; ++byte) {
        std::string fault;
        EXPECT_EQ(ParseFlagNames(FlagNames(static_cast<std::uint8_t>(byte)), fault), byte) << fault;
    }
}

TEST(ParseCell, ReadsEachKindOfColumn) {
    const auto parse = [](const char* column, const char* cell) {
        std::string fault;
        return ParseCell(TableView{}, *FindRecordColumn(column), cell, fault);
    };
    EXPECT_EQ(parse("priority", "-1"), 0xFF);
    EXPECT_EQ(parse("priority", " +3 "), 3);
    EXPECT_EQ(parse("priority", "-128"), 0x80);
    EXPECT_EQ(parse("flags", "protect|contact"), 0x03); // any order
    EXPECT_EQ(parse("flags", "18"), 18);
    EXPECT_EQ(parse("type", "Water"), 11);
    EXPECT_EQ(parse("power", " 090 "), 90);
    EXPECT_EQ(parse("power", "Water"), std::nullopt);
}

TEST(CellText, WritesWhatParseCellReads) {
    const TableView released;
    for (const RecordColumn& c : RecordColumns()) {
        for (int byte = 0; byte < 256; ++byte) {
            std::string fault;
            EXPECT_EQ(ParseCell(released, c, CellText(released, c, static_cast<std::uint8_t>(byte)), fault),
                      byte)
                << c.name << fault;
        }
    }
    EXPECT_EQ(CellText(released, *FindRecordColumn("priority"), 0xFA), "-6");
    EXPECT_EQ(ShownValue(released, *FindRecordColumn("type"), 10), "10 (Fire)");
    EXPECT_EQ(ShownValue(released, *FindRecordColumn("type"), 200), "200 (no entry)");
}
