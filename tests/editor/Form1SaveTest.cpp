#include "EditorFixture.h"

#include "files/WriteFiles.h"
#include "rom/GameText.h"
#include "rom/HexFunctions.h"

#include <QAction>
#include <cerrno>
#include <string>

namespace {

// The code byte of one character, from the game's own table.
std::uint8_t Code(char32_t c) {
    return static_cast<std::uint8_t>(std::stoi(rom::EncodeGameChar(c), nullptr, 16));
}

} // namespace

TEST_F(EditorTest, SavingAMoveChangesExactlyItsTwentyBytes) {
    OpenDemo();
    form->List1->setCurrentRow(1);
    form->txtNewName->setText("Hyper Fang");
    form->cmbEffect->setCurrentIndex(31);
    form->txtPower->setText("80");
    form->cmbType->setCurrentIndex(17);
    form->txtAcc->setText("90");
    form->txtPP->setText("15");
    form->txtEff->setText("2.5");
    form->cmbTarget->setCurrentIndex(8);
    const auto before = RomBytes();
    form->cmdSave_Click();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, editor::SavedText);
    EXPECT_EQ(dialogs.messages[0].icon, editor::MessageIcon::Information);
    const auto after = RomBytes();
    ASSERT_EQ(after.size(), before.size());
    auto expected = before;
    const std::uint8_t name[13] = {0xC2, 0xED, 0xE4, 0xD9, 0xE6, 0x00, 0xC0,
                                   0xD5, 0xE2, 0xDB, 0xFF, 0x00, 0x00};
    std::copy(name, name + 13, expected.begin() + NameOffset(1));
    const std::uint8_t record[7] = {31, 80, 17, 90, 15, 2, 8};
    std::copy(record, record + 7, expected.begin() + RecordOffset(1));
    EXPECT_EQ(Changed(after, expected), std::vector<std::size_t>{});

    // The list and the view show what the file now holds.
    EXPECT_EQ(form->List1->currentRow(), 1);
    EXPECT_EQ(form->List1->item(1)->text(), "Hyper Fang");
    EXPECT_EQ(form->txtEff->text(), "2");
    EXPECT_EQ(form->List1->count(), 355);
}

TEST_F(EditorTest, SavingMoveZeroWritesThePlaceholderNameKeepingWhatFollowsItsEnd) {
    auto bytes = image.bytes;
    // The placeholder, then bytes after its end: the entry's padding, which a save keeps.
    for (int i = 2; i < 13; ++i) bytes[static_cast<std::size_t>(NameOffset(0) + i)] = Code(U'Q');
    const std::uint8_t oldRecord[7] = {9, 40, 3, 70, 20, 10, 1};
    std::copy(oldRecord, oldRecord + 7, bytes.begin() + RecordOffset(0));
    testing_support::WriteFileBytes(rom, bytes);
    OpenDemo();
    form->List1->setCurrentRow(0);
    form->txtNewName->setText("Quake"); // move 0's name is always the placeholder
    form->cmbEffect->setCurrentIndex(2);
    form->txtPower->setText("55");
    form->cmbType->setCurrentIndex(5);
    form->txtAcc->setText("95");
    form->txtPP->setText("25");
    form->txtEff->setText("30");
    form->cmbTarget->setCurrentIndex(0);
    form->cmdSave_Click();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, editor::SavedText);
    EXPECT_EQ(dialogs.messages[0].icon, editor::MessageIcon::Information);
    auto expected = bytes; // the name's bytes as they were
    const std::uint8_t record[7] = {2, 55, 5, 95, 25, 30, 0};
    std::copy(record, record + 7, expected.begin() + RecordOffset(0));
    EXPECT_EQ(Changed(RomBytes(), expected), std::vector<std::size_t>{});
    EXPECT_EQ(form->List1->item(0)->text(), "--NONE--");
}

TEST_F(EditorTest, AThirteenLetterNameFillsItsEntryWithoutTerminator) {
    OpenDemo();
    form->List1->setCurrentRow(7);
    const std::u32string name = U"Thunderstrike";
    form->txtNewName->setText(QString::fromStdU32String(name));
    const auto before = RomBytes();
    form->cmdSave_Click();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, editor::SavedText);
    auto expected = before;
    for (std::size_t i = 0; i < 13; ++i)
        expected[static_cast<std::size_t>(NameOffset(7)) + i] = Code(name[i]);
    ASSERT_NE(expected, before) << "the entry held another name";
    EXPECT_EQ(Changed(RomBytes(), expected), std::vector<std::size_t>{});
    EXPECT_EQ(form->List1->item(7)->text(), "Thunderstrike");
    EXPECT_EQ(form->List1->item(8)->text(), QString::fromStdString(image.names[8]))
        << "the next entry is intact";
}

TEST_F(EditorTest, RefusedSavesLeaveTheFileByteIdentical) {
    const struct {
        const char* why;
        std::function<void(editor::Form1&)> edit;
    } cases[] = {
        {"unencodable name", [](editor::Form1& f) { f.txtNewName->setText("Fire@Ice"); }},
        {"bracket that is no unit", [](editor::Form1& f) { f.txtNewName->setText("Slash[n]"); }},
        {"power above 255", [](editor::Form1& f) { f.txtPower->setText("300"); }},
        {"negative accuracy", [](editor::Form1& f) { f.txtAcc->setText("-1"); }},
        {"no effect selected", [](editor::Form1& f) { f.cmbEffect->setCurrentIndex(-1); }},
        {"bad name table", [](editor::Form1& f) { f.txtStart->setText("12a"); }},
        {"table beyond the file", [](editor::Form1& f) { f.txtDataOffset->setText("999999999"); }},
    };
    OpenDemo();
    const auto before = RomBytes();
    for (const auto& c : cases) {
        form->txtStart->setText(QString::number(image.layout.nameStart));
        form->txtDataOffset->setText(QString::number(image.layout.dataOffset));
        form->List1->setCurrentRow(-1);
        form->List1->setCurrentRow(4);
        c.edit(*form);
        dialogs.messages.clear();
        form->cmdSave_Click();
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.why;
        EXPECT_EQ(dialogs.messages[0].text, editor::SaveErrorText) << c.why;
        EXPECT_EQ(dialogs.messages[0].icon, editor::MessageIcon::Critical) << c.why;
        EXPECT_EQ(RomBytes(), before) << c.why;
    }
}

TEST_F(EditorTest, ASaveWithNothingSelectedAsksForAMove) {
    OpenDemo();
    const auto before = RomBytes();
    form->cmdSave_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, editor::SelectMoveText);
    EXPECT_EQ(dialogs.messages[0].title, "Skirmela Pro");
    EXPECT_EQ(RomBytes(), before);
}

TEST_F(EditorTest, AReadOnlyRomOpensButDoesNotSave) {
    std::filesystem::permissions(rom,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    OpenDemo();
    ASSERT_EQ(form->List1->count(), 355);
    form->List1->setCurrentRow(9);
    form->txtPower->setText("99");
    form->cmdSave_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, editor::SaveErrorText);
    EXPECT_EQ(RomBytes(), image.bytes);
}

// The tests run as the super-user, whom the system refuses nothing: the file layer refuses the write
// as the system refuses it to a user who may not write a 0644 file of another.
TEST_F(EditorTest, ASaveTheSystemRefusesGivesItsReasonAndMakesNoBackup) {
    OpenDemo();
    form->List1->setCurrentRow(9);
    form->txtPower->setText("99");
    files::InjectWriteFault(rom, EACCES);
    form->cmdSave_Click();
    files::InjectWriteFault(rom, 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, editor::SaveErrorText);
    EXPECT_EQ(dialogs.messages[0].details.toStdString(),
              "cannot write " + rom.string() + ": Permission denied");
    EXPECT_EQ(RomBytes(), image.bytes);
    EXPECT_FALSE(std::filesystem::exists(dir / "state")); // no backup
    for (QAction* a : {form->actUndo, form->actRedo, form->actExportPatch}) EXPECT_FALSE(a->isEnabled());
}

TEST_F(EditorTest, ARomDeletedOrTruncatedAfterOpeningIsNotRecreatedOrGrown) {
    OpenDemo();
    form->List1->setCurrentRow(354);
    std::filesystem::remove(rom);
    form->cmdSave_Click();
    EXPECT_EQ(dialogs.messages.back().text, editor::SaveErrorText);
    EXPECT_FALSE(std::filesystem::exists(rom));

    const std::vector<std::uint8_t> truncated(image.bytes.begin(),
                                              image.bytes.begin() + RecordOffset(354) + 3);
    testing_support::WriteFileBytes(rom, truncated);
    form->cmdSave_Click();
    EXPECT_EQ(dialogs.messages.back().text, editor::SaveErrorText);
    EXPECT_EQ(RomBytes(), truncated);
}

TEST_F(EditorTest, UnknownListBytesAreWrittenBackUnlessTheUserPicks) {
    auto bytes = image.bytes;
    bytes[static_cast<std::size_t>(RecordOffset(5) + 2)] = 30; // a type this editor does not know
    testing_support::WriteFileBytes(rom, bytes);
    OpenDemo();
    form->List1->setCurrentRow(5);
    form->txtPower->setText("77");
    form->cmdSave_Click();
    auto after = RomBytes();
    EXPECT_EQ(after[static_cast<std::size_t>(RecordOffset(5) + 2)], 30);
    EXPECT_EQ(after[static_cast<std::size_t>(RecordOffset(5) + 1)], 77);

    form->cmbType->setCurrentIndex(10);
    form->cmdSave_Click();
    EXPECT_EQ(RomBytes()[static_cast<std::size_t>(RecordOffset(5) + 2)], 10);
}
