// Every shipped profile must point at tables that fit a ROM, and the window must find them there.

#include "EditorFixture.h"

#include "editor/NumberConversions.h"
#include "rom/ReadINI.h"

namespace {

struct ShippedProfile {
    std::string code;
    std::int32_t nameStart, dataOffset;
};

constexpr std::int32_t RomSize = 16 * 1024 * 1024;

std::vector<ShippedProfile> ReadShippedProfiles(const std::filesystem::path& copy) {
    std::vector<ShippedProfile> profiles;
    for (const auto& entry : std::filesystem::directory_iterator(SKIRMELA_SOURCE_DATA_DIR)) {
        if (entry.path().extension() != ".ini") continue;
        // Read a copy: reading may reset the file's permissions, and the sources stay as they are.
        std::filesystem::copy_file(entry.path(), copy / entry.path().filename());
        const auto path = copy / entry.path().filename();
        profiles.push_back({entry.path().stem().string(),
                            editor::RoundToInteger(editor::ParseNumber(rom::ReadIniValue(path, "Nameoffset", "offset"))),
                            editor::RoundToInteger(editor::ParseNumber(rom::ReadIniValue(path, "Dataoffset", "offset")))});
    }
    return profiles;
}

} // namespace

TEST(ShippedProfiles, PointIntoASixteenMebibyteRom) {
    testing_support::TempDir dir;
    const auto profiles = ReadShippedProfiles(dir.path());
    std::vector<std::string> codes;
    for (const auto& p : profiles) {
        codes.push_back(p.code);
        EXPECT_GE(p.nameStart - 13, 0) << p.code;
        EXPECT_LE(p.nameStart + 354 * 13, RomSize) << p.code;
        EXPECT_GE(p.dataOffset, 0) << p.code;
        EXPECT_LE(p.dataOffset + 355 * 12, RomSize) << p.code;
        const std::string text = testing_support::ReadFileText(dir / (p.code + ".ini"));
        EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << p.code << " uses CR LF line ends";
    }
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(codes, (std::vector<std::string>{"AXPE", "AXVE", "BPEE", "BPGE", "BPRE"}));
}

TEST_F(EditorTest, EachShippedProfileFindsItsTablesThroughTheOpenFlow) {
    std::filesystem::remove_all(dir / "Data");
    std::filesystem::copy(SKIRMELA_SOURCE_DATA_DIR, dir / "Data");
    testing_support::TempDir scratch;
    for (const auto& profile : ReadShippedProfiles(scratch.path())) {
        demo::DemoRomLayout layout;
        layout.gameCode = profile.code;
        layout.nameStart = profile.nameStart;
        layout.dataOffset = profile.dataOffset;
        layout.size = RomSize;
        const demo::DemoRom game = demo::MakeDemoRom(layout);
        testing_support::WriteFileBytes(dir / "game.gba", game.bytes);
        dialogs.messages.clear();
        Open(dir / "game.gba");
        EXPECT_TRUE(dialogs.messages.empty()) << profile.code;
        ASSERT_EQ(form->List1->count(), 355) << profile.code;
        EXPECT_EQ(form->List1->item(0)->text(), "--NONE--");
        for (int k = 1; k <= 354; ++k)
            ASSERT_EQ(form->List1->item(k)->text().toStdString(), game.names[static_cast<std::size_t>(k)]) << profile.code;
        EXPECT_EQ(form->windowTitle(), QString::fromStdString("Skirmela Professional 1.0.0 - " + profile.code));
        form->List1->setCurrentRow(354);
        EXPECT_EQ(form->txtPP->text(), QString::number(game.records[354].pp)) << profile.code;
    }
}
