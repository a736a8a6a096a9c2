// Inputs a user (or a damaged file) can throw at the window: each ends in the right message and
// leaves every file byte-identical.

#include "EditorFixture.h"

#include "chameleon_button/chameleonButton.h"

using testing_support::ReadFileBytes;
using testing_support::ReadFileText;
using testing_support::WriteFileText;

namespace {

void ExpectOneMessage(const FakeDialogs& dialogs, const QString& text, const std::string& why) {
    ASSERT_EQ(dialogs.messages.size(), 1u) << why;
    EXPECT_EQ(dialogs.messages[0].text, text) << why;
}

} // namespace

TEST_F(EditorTest, BadProfilesEndInTheLoadErrorAndChangeNothing) {
    const std::pair<const char*, const char*> profiles[] = {
        {"not a number", "[Nameoffset]\r\noffset=twelve\r\n[Dataoffset]\r\noffset=131072\r\n"},
        {"beyond 32 bits", "[Nameoffset]\r\noffset=99999999999\r\n[Dataoffset]\r\noffset=131072\r\n"},
        {"no name section", "[Dataoffset]\r\noffset=131072\r\n"},
        {"empty", ""},
    };
    for (auto [why, text] : profiles) {
        WriteFileText(dir / "Data" / "SKDM.ini", text);
        dialogs.messages.clear();
        OpenDemo();
        ExpectOneMessage(dialogs, editor::LoadErrorText, why);
        EXPECT_EQ(ReadFileText(dir / "Data" / "SKDM.ini"), text) << why;
        EXPECT_EQ(RomBytes(), image.bytes) << why;
        EXPECT_LE(form->List1->count(), 1) << why;
    }
}

TEST_F(EditorTest, AProfileThatIsAFolderIsALoadError) {
    std::filesystem::remove(dir / "Data" / "SKDM.ini");
    std::filesystem::create_directory(dir / "Data" / "SKDM.ini");
    OpenDemo();
    ExpectOneMessage(dialogs, editor::LoadErrorText, "folder");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Data" / "SKDM.ini"));
}

TEST_F(EditorTest, TablesBeyondTheEndOfTheFileAreRefusedAtOpen) {
    WriteFileText(dir / "Data" / "SKDM.ini",
                  "[Nameoffset]\r\noffset=2000000000\r\n[Dataoffset]\r\noffset=2000000000\r\n");
    OpenDemo();
    ExpectOneMessage(dialogs, editor::LoadErrorText, "beyond the end");
    EXPECT_EQ(form->List1->count(), 0);
    EXPECT_FALSE(form->cmdSave->isEnabled());
    form->cmdSave_Click();
    EXPECT_EQ(RomBytes(), image.bytes);
}

TEST_F(EditorTest, NamesWithCharactersTheGameCannotShowAreRefused) {
    const char* names[] = {"Tab\tKick",
                           "Caf\xC3\xB8",
                           "\xE2\x82\xAC"
                           "uro",
                           "Emoji\xF0\x9F\x98\x80",
                           "[..]",
                           "Lo\xC3\xBE",
                           "at@sign",
                           "a_b",
                           "Fire#Ice",
                           "Cost$5"};
    OpenDemo();
    form->List1->setCurrentRow(2);
    for (const char* name : names) {
        form->txtNewName->setText(QString::fromUtf8(name));
        dialogs.messages.clear();
        form->cmdSave_Click();
        ExpectOneMessage(dialogs, editor::SaveErrorText, name);
        EXPECT_EQ(RomBytes(), image.bytes) << name;
    }
}

TEST_F(EditorTest, ARomMadeReadOnlyAfterOpeningIsNotWritten) {
    OpenDemo();
    form->List1->setCurrentRow(20);
    form->txtPower->setText("1");
    std::filesystem::permissions(rom, std::filesystem::perms::owner_read);
    form->cmdSave_Click();
    ExpectOneMessage(dialogs, editor::SaveErrorText, "read-only");
    EXPECT_EQ(RomBytes(), image.bytes);
}
