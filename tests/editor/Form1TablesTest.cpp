// Opening real-world ROMs: revisions with tables of their own, headers that say where the tables
// are, and profiles that do not fit. A refused open writes nothing and leaves nothing to save.

#include "EditorFixture.h"

#include "chameleon_button/chameleonButton.h"
#include "rom/MoveRecord.h"
#include "tests/support/CommaDecimalLocale.h"

using testing_support::ReadFileBytes;
using testing_support::WriteFileText;

namespace {

std::string ProfileText(std::int64_t nameStart, std::int64_t dataOffset,
                        const std::string& sectionSuffix = "") {
    return "[Nameoffset" + sectionSuffix + "]\r\noffset=" + std::to_string(nameStart) + "\r\n[Dataoffset" +
           sectionSuffix + "]\r\noffset=" + std::to_string(dataOffset) + "\r\n";
}

} // namespace

class TablesTest : public EditorTest {
  protected:
    // A BPRE-like image of the given revision whose tables lie where its header words say.
    demo::DemoRom Release(std::uint8_t revision, bool headerWords) {
        demo::DemoRomLayout layout;
        layout.gameCode = "BPRE";
        layout.revision = revision;
        layout.headerWords = headerWords;
        layout.nameStart += 112;
        layout.dataOffset += 112;
        return demo::MakeDemoRom(layout);
    }
    std::filesystem::path Write(const demo::DemoRom& release, const std::string& profile) {
        const auto path = dir / "release.gba";
        testing_support::WriteFileBytes(path, release.bytes);
        WriteFileText(dir / "Data" / "BPRE.ini", profile);
        return path;
    }
    void ExpectDisarmed() {
        EXPECT_EQ(form->List1->count(), 0);
        EXPECT_FALSE(form->cmdSave->isEnabled());
        EXPECT_TRUE(form->RomPath.isEmpty());
        EXPECT_EQ(form->windowTitle(), "Skirmela Professional 1.0.0");
        EXPECT_TRUE(form->txtNewName->text().isEmpty());
        EXPECT_TRUE(form->txtPower->text().isEmpty());
        EXPECT_FALSE(form->txtPower->isEnabled());
        EXPECT_EQ(form->cmbType->currentIndex(), -1);
    }
};

TEST_F(TablesTest, ARevisionOpensWithTheTablesOfItsOwnSections) {
    const demo::DemoRom release = Release(1, false);
    // The plain sections serve revision 0, whose tables lie 112 bytes earlier.
    const std::string profile = "BPRE, revisions 0 and 1\r\n" +
                                ProfileText(release.layout.nameStart - 112, release.layout.dataOffset - 112) +
                                ProfileText(release.layout.nameStart, release.layout.dataOffset, ".rev1");
    Open(Write(release, profile));
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    ASSERT_EQ(form->List1->count(), 355);
    for (int k = 1; k <= 354; ++k)
        ASSERT_EQ(form->List1->item(k)->text().toStdString(), release.names[static_cast<std::size_t>(k)])
            << k;
    EXPECT_EQ(form->txtStart->text().toInt(), release.layout.nameStart);
    EXPECT_EQ(form->txtDataOffset->text().toInt(), release.layout.dataOffset);
    form->List1->setCurrentRow(30);
    EXPECT_EQ(form->txtPower->text().toInt(), release.records[30].power);
}

TEST_F(TablesTest, AHeaderThatDisagreesWithTheProfileIsRefusedWithWhereBothPutTheTables) {
    const demo::DemoRom release = Release(1, true);
    const std::string profile =
        ProfileText(release.layout.nameStart - 112, release.layout.dataOffset - 112); // revision 0's places
    const auto path = Write(release, profile);
    OpenDemo(); // a good open first: the refused one must not leave it armed
    Open(path);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Skirmela Pro");
    EXPECT_EQ(dialogs.messages[0].icon, editor::MessageIcon::Critical);
    const std::string text = dialogs.messages[0].text.toStdString();
    for (std::int64_t place :
         {std::int64_t{release.layout.nameStart}, std::int64_t{release.layout.dataOffset},
          std::int64_t{release.layout.nameStart - 112}, std::int64_t{release.layout.dataOffset - 112}})
        EXPECT_NE(text.find(std::to_string(place)), std::string::npos) << place << " in: " << text;
    EXPECT_NE(text.find("skirmela-moves profile"), std::string::npos) << text;
    ExpectDisarmed();
    EXPECT_EQ(ReadFileBytes(path), release.bytes);
    EXPECT_EQ(testing_support::ReadFileText(dir / "Data" / "BPRE.ini"), profile);
    EXPECT_EQ(RomBytes(), image.bytes);
}

TEST_F(TablesTest, AHeaderThatAgreesOpensAsUsual) {
    const demo::DemoRom release = Release(0, true);
    Open(Write(release, ProfileText(release.layout.nameStart, release.layout.dataOffset)));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form->List1->count(), 355);
    EXPECT_EQ(form->windowTitle(), "Skirmela Professional 1.0.0 - BPRE");
}

TEST_F(TablesTest, EachBadProfileValueEndsInTheLoadError) {
    const auto size = image.layout.size;
    const std::string good = std::to_string(image.layout.dataOffset);
    const std::pair<std::string, std::string> cases[] = {
        {"twelve", good},
        {"65549.6", good},
        {std::to_string(image.layout.nameStart), "131072.4"},
        {"", good},
        {"-13", good},
        {"&H1000D", good},
        {"65549 1", good},
        {"12", good}, // move 0's entry would start before the file
        {std::to_string(size - 354 * 13 + 1), good},
        {std::to_string(image.layout.nameStart), std::to_string(size - 355 * 12 + 1)},
        {"99999999999", good},
    };
    for (const auto& [names, data] : cases) {
        const std::string profile =
            "[Nameoffset]\r\noffset=" + names + "\r\n[Dataoffset]\r\noffset=" + data + "\r\n";
        WriteFileText(dir / "Data" / "SKDM.ini", profile);
        OpenDemo();
        dialogs.filesToChoose.clear();
        ASSERT_EQ(dialogs.messages.size(), 1u) << names << " / " << data;
        EXPECT_EQ(dialogs.messages[0].text, editor::LoadErrorText);
        ExpectDisarmed();
        EXPECT_EQ(RomBytes(), image.bytes);
        EXPECT_EQ(testing_support::ReadFileText(dir / "Data" / "SKDM.ini"), profile);
        dialogs.messages.clear();
    }
    // Blanks around a value are allowed; the fields then hold the plain integers the list, view and
    // save all use.
    WriteFileText(dir / "Data" / "SKDM.ini",
                  "[Nameoffset]\r\noffset= 65549 \r\n[Dataoffset]\r\noffset=\t131072\r\n");
    OpenDemo();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form->txtStart->text(), "65549");
    EXPECT_EQ(form->txtDataOffset->text(), "131072");
}

TEST_F(TablesTest, AfterAFailedOpenTheSaveWritesToNeitherFile) {
    OpenDemo();
    form->List1->setCurrentRow(5);
    form->txtPower->setText("99");
    auto refused = image;
    std::copy_n("ZZZZ", 4, refused.bytes.begin() + 172); // no profile for this code
    testing_support::WriteFileBytes(dir / "refused.gba", refused.bytes);
    Open(dir / "refused.gba");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    ExpectDisarmed();

    form->cmdSave_Click();
    EXPECT_EQ(RomBytes(), image.bytes);
    EXPECT_EQ(ReadFileBytes(dir / "refused.gba"), refused.bytes);
    for (const auto& message : dialogs.messages) EXPECT_NE(message.text, editor::SavedText);
}

// A user whose locale writes "9,9" still types the period the fields have always used.
TEST_F(TablesTest, NumberFieldsIgnoreACommaDecimalLocale) {
    const testing_support::CommaDecimalLocale comma;
    ASSERT_TRUE(comma.Active()) << testing_support::MissingCommaLocale;
    OpenDemo();
    form->List1->setCurrentRow(3);
    form->txtPower->setText("9.9");
    form->ClampField(form->txtPower);
    EXPECT_EQ(form->txtPower->text(), "9.9");
    form->txtAcc->setText("1.5");
    form->ClampField(form->txtAcc);
    EXPECT_EQ(form->txtAcc->text(), "1.5");
    form->cmdSave_Click();
    ASSERT_EQ(dialogs.messages.back().text, editor::SavedText);
    const auto bytes = RomBytes();
    EXPECT_EQ(bytes[static_cast<std::size_t>(RecordOffset(3) + 1)], 10);
    EXPECT_EQ(bytes[static_cast<std::size_t>(RecordOffset(3) + 3)], 2);
    EXPECT_EQ(form->txtPower->text(), "10");
}
