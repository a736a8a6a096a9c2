// Every shipped profile must find the tables of every release it serves, through the open flow, in a
// synthetic image laid out like that release (code, revision byte, header words where the game has them).

#include "EditorFixture.h"

#include "rom/MoveTables.h"
#include "rom/ReadINI.h"

#include <set>

namespace {

struct Release {
    const char* code;
    int revision;
    std::int32_t nameStart, dataOffset;
};

// Where the tables of each release lie: name of move 1, record of move 0.
constexpr Release Releases[] = {
    {"BPRE", 0, 2388129, 2427908}, {"BPRE", 1, 2388241, 2428020}, {"BPGE", 0, 2388093, 2427872},
    {"BPGE", 1, 2388205, 2427984}, {"BPEE", 0, 3250057, 3262616}, {"AXVE", 0, 2065197, 2076972},
    {"AXVE", 1, 2065221, 2076996}, {"AXVE", 2, 2065221, 2076996}, {"AXPE", 0, 2065085, 2076860},
    {"AXPE", 1, 2065109, 2076884}, {"AXPE", 2, 2065109, 2076884}, {"AXVF", 0, 2098997, 2110840},
    {"AXVF", 1, 2098997, 2110840}, {"AXPF", 0, 2098885, 2110728}, {"AXVD", 0, 2118313, 2130172},
    {"AXVS", 0, 2084941, 2096808}, {"AXPS", 0, 2084829, 2096696}, {"AXVI", 0, 2072521, 2084356},
    {"AXPI", 0, 2072409, 2084244}, {"BPEF", 0, 3281593, 3294216}, {"BPEI", 0, 3248461, 3261080},
    {"BPRF", 0, 2364589, 2404436},
};

constexpr std::int32_t RomSize = 16 * 1024 * 1024;

} // namespace

TEST(ShippedProfiles, ServeExactlyTheKnownReleasesInCrLfText) {
    std::set<std::string> shipped, known;
    for (const auto& entry : std::filesystem::directory_iterator(SKIRMELA_SOURCE_DATA_DIR)) {
        if (entry.path().extension() != ".ini") continue;
        shipped.insert(entry.path().stem().string());
        const std::string text = testing_support::ReadFileText(entry.path());
        EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << entry.path() << " uses CR LF line ends";
        EXPECT_EQ(text.rfind("Profile for game code " + entry.path().stem().string(), 0), 0u)
            << entry.path() << " says first which game it serves";
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'));
    }
    for (const Release& r : Releases) known.insert(r.code);
    EXPECT_EQ(shipped, known);
}

TEST_F(EditorTest, EachShippedProfileFindsTheTablesOfEachRelease) {
    std::filesystem::remove_all(dir / "Data");
    std::filesystem::copy(SKIRMELA_SOURCE_DATA_DIR, dir / "Data");
    for (const Release& release : Releases) {
        demo::DemoRomLayout layout;
        layout.gameCode = release.code;
        layout.revision = static_cast<std::uint8_t>(release.revision);
        layout.headerWords = rom::CarriesTableWords(release.code);
        layout.nameStart = release.nameStart;
        layout.dataOffset = release.dataOffset;
        layout.size = RomSize;
        const demo::DemoRom game = demo::MakeDemoRom(layout);
        testing_support::WriteFileBytes(dir / "game.gba", game.bytes);
        const std::string name = std::string(release.code) + " revision " + std::to_string(release.revision);
        dialogs.messages.clear();
        Open(dir / "game.gba");
        ASSERT_TRUE(dialogs.messages.empty()) << name << ": " << dialogs.messages[0].text.toStdString();
        ASSERT_EQ(form->List1->count(), 355) << name;
        for (int k = 1; k <= 354; ++k)
            ASSERT_EQ(form->List1->item(k)->text().toStdString(), game.names[static_cast<std::size_t>(k)])
                << name;
        EXPECT_EQ(form->windowTitle(),
                  QString::fromStdString("Skirmela Professional 1.0.0 - " + std::string(release.code)));
        form->List1->setCurrentRow(354);
        EXPECT_EQ(form->txtPP->text(), QString::number(game.records[354].pp)) << name;
    }
}

TEST_F(EditorTest, AReleaseWhoseHeaderPointsAtNoMoveTableIsRefused) {
    // A re-release (revision 10) whose header puts the tables 64 bytes further on than revision 1,
    // where the bytes are no table of the game's names (move 0's entry is no placeholder).
    std::filesystem::copy_file(std::filesystem::path(SKIRMELA_SOURCE_DATA_DIR) / "BPRE.ini",
                               dir / "Data" / "BPRE.ini");
    demo::DemoRomLayout layout;
    layout.gameCode = "BPRE";
    layout.revision = 10;
    layout.headerWords = true;
    layout.nameStart = 2388129 + 64;
    layout.dataOffset = 2427908 + 64;
    layout.size = RomSize;
    demo::DemoRom game = demo::MakeDemoRom(layout);
    game.bytes[static_cast<std::size_t>(layout.nameStart - 13)] = 0xBB;
    testing_support::WriteFileBytes(dir / "game.gba", game.bytes);
    Open(dir / "game.gba");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, editor::LoadErrorText);
    for (const char* part : {"Nameoffset 2388193", "do not look like a move table"})
        EXPECT_NE(dialogs.messages[0].details.indexOf(part), -1) << dialogs.messages[0].details.toStdString();
    EXPECT_EQ(form->List1->count(), 0);
    EXPECT_EQ(testing_support::ReadFileBytes(dir / "game.gba"), game.bytes);
}

TEST_F(EditorTest, AHackWithMovedGrownTablesOpensThroughItsHeaderAndSavesThere) {
    std::filesystem::copy_file(std::filesystem::path(SKIRMELA_SOURCE_DATA_DIR) / "BPRE.ini",
                               dir / "Data" / "BPRE.ini");
    const demo::DemoRom hack = demo::MakeDemoRom(
        {.gameCode = "BPRE", .headerWords = true, .movedNameStart = 0x30001, .movedDataOffset = 0x33451});
    testing_support::WriteFileBytes(dir / "hack.gba", hack.bytes);
    Open(dir / "hack.gba");
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    ASSERT_EQ(form->List1->count(), 923);
    EXPECT_EQ(form->List1->item(922)->text().toStdString(), hack.movedNames[922]);
    EXPECT_TRUE(form->windowTitle().endsWith(editor::TablesFromHeaderCaption));

    form->List1->setCurrentRow(900);
    form->List1_Click();
    form->txtPower->setText("77");
    form->cmdSave_Click();
    const auto after = testing_support::ReadFileBytes(dir / "hack.gba");
    // The name "Newmove 900" is written with the FF padding its entry has: only the power changes.
    EXPECT_EQ(Changed(hack.bytes, after), (std::vector<std::size_t>{0x33451 + 12 * 900 + 1}));
}

TEST_F(EditorTest, AGameWithoutAProfileSaysSoAndWhereItsEmptyProfileWasMade) {
    demo::DemoRom game = demo::MakeDemoRom({.gameCode = "NEWG"});
    testing_support::WriteFileBytes(dir / "new.gba", game.bytes);
    for (const char* said : {"there is no profile for game code NEWG; an empty one was made at ",
                             "gives no offsets of the move tables"}) {
        dialogs.messages.clear();
        Open(dir / "new.gba");
        ASSERT_EQ(dialogs.messages.size(), 1u);
        const std::string details = dialogs.messages[0].details.toStdString();
        EXPECT_NE(details.find(said), std::string::npos) << details;
        EXPECT_NE(details.find((dir / "Data" / "NEWG.ini").string()), std::string::npos) << details;
        EXPECT_NE(details.find("[Nameoffset] and [Dataoffset]"), std::string::npos) << details;
    }
    EXPECT_EQ(testing_support::ReadFileBytes(dir / "new.gba"), game.bytes);
}
