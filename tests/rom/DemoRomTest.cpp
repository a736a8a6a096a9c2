#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/ReadINI.h"
#include "tests/support/TempFiles.h"
#include "tools/demo_rom/DemoRom.h"

#include <gtest/gtest.h>

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

TEST(DemoRom, IsTheSameEveryTime) {
    EXPECT_EQ(demo::MakeDemoRom().bytes, demo::MakeDemoRom().bytes);
}
