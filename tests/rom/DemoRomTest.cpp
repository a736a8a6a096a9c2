#include "tools/demo_rom/DemoRom.h"
#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/ReadINI.h"
#include "rom/Utf8.h"
#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace rom;

TEST(DemoRom, OpensWithTheRomLayer) {
    testing_support::TempDir dir;
    const demo::DemoRom image = demo::MakeDemoRom();
    demo::WriteDemoRom(image, dir / "demo.gba", dir / "Data");

    EXPECT_EQ(ReadHexBytes(dir / "demo.gba", 172, 4), "534B444D"); // "SKDM"
    const std::int32_t S = std::stoi(ReadIniValue(dir / "Data" / "SKDM.ini", "Nameoffset", "offset"));
    const std::int32_t D = std::stoi(ReadIniValue(dir / "Data" / "SKDM.ini", "Dataoffset", "offset"));
    EXPECT_EQ(testing_support::ReadFileText(dir / "Data" / "SKDM.ini").find('\n'),
              testing_support::ReadFileText(dir / "Data" / "SKDM.ini").find('\r') + 1);

    for (int k = 1; k <= demo::DemoNameCount; ++k)
        ASSERT_EQ(DecodeGameText(ReadHexBytes(dir / "demo.gba", MoveNameByteOffset(S, 13, k, 0), 13)),
                  image.names[static_cast<std::size_t>(k)])
            << k;
    EXPECT_EQ(image.names[demo::DemoFullLengthNameMove].size(), 13u);
    EXPECT_NE(image.names[demo::DemoLineBreakNameMove].find("\r\n"), std::string::npos);
    EXPECT_EQ(ReadHexBytes(dir / "demo.gba", MoveNameByteOffset(S, 13, 0, 0), 2), "AEFF"); // "-"

    for (int k = 0; k < demo::DemoRecordCount; ++k)
        for (MoveField f : MoveFieldAccessOrder)
            ASSERT_EQ(ReadHexBytes(dir / "demo.gba", MoveFieldOffset(D, k, f), 1),
                      HexPair(image.records[static_cast<std::size_t>(k)][f]))
                << k;
}

TEST(DemoRom, NamesShowTheGamesOwnCharacters) {
    const demo::DemoRom image = demo::MakeDemoRom();
    const auto shownIn = [&](const std::string& piece) {
        return std::any_of(image.names.begin(), image.names.end(),
                           [&](const std::string& name) { return name.find(piece) != std::string::npos; });
    };
    for (const char* piece : {"0", "2", ",", "\u2019", "\u2642", "\u2640", "\u00E9", "\u00EA", "\u00E0",
                              "\u00F1", "\u00C4", "\u00F6", "\u00DC", "\u00FC", "\u00DF", "\r\n"})
        EXPECT_TRUE(shownIn(piece)) << piece;
    for (std::size_t k = 0; k < image.names.size(); ++k) {
        const std::size_t units = SplitGameUnits(Utf8ToU32(image.names[k])).size();
        EXPECT_LE(units, k == demo::DemoFullLengthNameMove ? 13u : 12u) << image.names[k];
    }
}

TEST(DemoRom, IsTheSameEveryTime) {
    EXPECT_EQ(demo::MakeDemoRom().bytes, demo::MakeDemoRom().bytes);
}

TEST(DemoRom, TheGrownHackAddsItsTablesAndLeavesEverythingElseAsItWas) {
    demo::DemoRomLayout without = demo::HackLayout();
    without.movedDescriptionTable = without.movedTypeNameTable = without.releasedTypeNameTable = 0;
    const demo::DemoRom hack = demo::MakeDemoRom(demo::HackLayout()), plain = demo::MakeDemoRom(without);
    // What may differ: the released type-name table (and the entry that ends it), the type-name and
    // description words, and everything from the grown type-name table on (the descriptions, the free space).
    std::vector<std::pair<std::int64_t, std::int64_t>> allowed = {{0x24F1A0, 0x24F1A0 + 19 * 7},
                                                                  {0x606000, hack.layout.size}};
    for (std::int64_t word : {0x0309C8, 0x0D8510, 0x11972C, 0x11977C, 0x456E74, 0x0E5440, 0x137BC8})
        allowed.emplace_back(word, word + 4);
    for (std::size_t i = 0; i < hack.bytes.size(); ++i) {
        const auto at = static_cast<std::int64_t>(i);
        const bool inside = std::any_of(allowed.begin(), allowed.end(),
                                        [at](const auto& r) { return at >= r.first && at < r.second; });
        if (!inside) {
            ASSERT_EQ(hack.bytes[i], plain.bytes[i]) << "byte " << i;
        }
    }
    EXPECT_EQ(hack.movedRecords, plain.movedRecords);
    EXPECT_EQ(hack.bytes.back(), 0xFF); // the free space at the end
    EXPECT_EQ(hack.movedTypeNames.at(23), "Fairy");
}
