#include "rom/ReadINI.h"
#include "rom/RomError.h"
#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace rom;
using testing_support::TempDir;
using testing_support::WriteFileText;

namespace {

std::string Find(const std::string& text, const char* section = "Nameoffset", const char* key = "offset") {
    std::istringstream in(text);
    return FindIniValue(in, section, key);
}

} // namespace

TEST(FindIniValue, FollowsTheProfileRules) {
    const std::pair<const char*, const char*> cases[] = {
        {"[Nameoffset]\r\noffset=2388129\r\n[Dataoffset]\r\noffset=2427908\r\n", "2388129"},
        {"[NAMEOFFSET]\r\nOFFSET=AbC\r\n", "AbC"}, // case of section and key, value as written
        {"[nAmEoFfSeT]\r\noffset=1\r\n", "1"},
        {"[Nameoffset] \r\noffset=1\r\n", ""}, // trailing blank: not the header
        {" [Nameoffset]\r\noffset=1\r\n", ""},
        {"[Nameoffset]\r\n offset=1\r\n", ""}, // key not in column 1
        {"[Nameoffset]\r\noffset = 1\r\n", ""},
        {"[Nameoffset]\r\noffset=1 2 3\r\n", "1 2 3"},   // inner blanks kept
        {"[Nameoffset]\r\noffset=\r\noffset=5\r\n", ""}, // first match wins, even when empty
        {"[Nameoffset]\r\noffset==5\r\n", "=5"},
        {"offset=9\r\n[Nameoffset]\r\n", ""}, // above the first header
        {"[Other]\r\noffset=9\r\n", ""},
        {"[Nameoffset]\r\noffset=[9]\r\noffset=3\r\n", ""}, // "[" ends the section
        {"[Nameoffset]\r\nx=1\r\n[Dataoffset]\r\noffset=2\r\n[Nameoffset]\r\noffset=3\r\n", "3"},
        {"[Nameoffset]\r\noffset=4\r\noffset=5\r\n", "4"},
        {"[Nameoffset]\noffset=6\n", "6"},                         // bare line feeds work too
        {"\xEF\xBB\xBF[Nameoffset]\r\noffset=9\r\n", "9"},         // a byte-order mark before the header
        {"[Dataoffset]\roffset=1\r[Nameoffset]\roffset=2\r", "2"}, // CR alone ends each line
        {"[Nameoffset]\roffset=3\n5\r", "3"},
        {"[Nameoffset]\r\noffset=4\r\r\n", "4\r"}, // a CR inside a CR LF file is text
        {"\xEF\xBB\xBF", ""},
        {"[Nameoffset]\r\noffsets=7\r\noffset=8\r\n", "8"},
        {"", ""},
    };
    for (auto [text, expected] : cases) EXPECT_EQ(Find(text), expected) << text;
}

TEST(ReadIniValue, CreatesAMissingProfileEmpty) {
    TempDir dir;
    EXPECT_EQ(ReadIniValue(dir / "ABCD.ini", "Nameoffset", "offset"), "");
    ASSERT_TRUE(std::filesystem::exists(dir / "ABCD.ini"));
    EXPECT_EQ(std::filesystem::file_size(dir / "ABCD.ini"), 0u);
}

TEST(ReadIniValue, FailsWithoutTheFolderOrWhenAFolderStandsInTheWay) {
    TempDir dir;
    EXPECT_THROW(ReadIniValue(dir / "Data" / "ABCD.ini", "Nameoffset", "offset"), FileAccessError);
    EXPECT_FALSE(std::filesystem::exists(dir / "Data"));
    std::filesystem::create_directory(dir / "ABCD.ini");
    EXPECT_THROW(ReadIniValue(dir / "ABCD.ini", "Nameoffset", "offset"), FileAccessError);
}

TEST(ReadIniValue, ReadsAReadOnlyProfileAndLeavesItWritable) {
    TempDir dir;
    WriteFileText(dir / "BPRE.ini", "[Dataoffset]\r\noffset=2427908\r\n");
    std::filesystem::permissions(dir / "BPRE.ini", std::filesystem::perms::owner_read);
    EXPECT_EQ(ReadIniValue(dir / "BPRE.ini", "dataoffset", "OFFSET"), "2427908");
    const auto perms = std::filesystem::status(dir / "BPRE.ini").permissions();
    EXPECT_NE(perms & std::filesystem::perms::owner_write, std::filesystem::perms::none);
    EXPECT_EQ(testing_support::ReadFileText(dir / "BPRE.ini"), "[Dataoffset]\r\noffset=2427908\r\n");
}
