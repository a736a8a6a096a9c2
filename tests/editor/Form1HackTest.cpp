// A hack's ROM in the window, read as its game reads it: the moved descriptions, the type names of
// its own table, the damage class and the other grown bytes; each save changes only what was edited.

#include "EditorFixture.h"

#include "chameleon_button/chameleonButton.h"
#include "rom/ShippedProfiles.h"

#include <QTabWidget>

namespace {

// The demo maker's hack, opened through the shipped profile of the released game.
class Form1HackTest : public EditorTest {
  protected:
    static constexpr int Fairy = 359;   // type 23, power 100, Special
    static constexpr int NoPower = 360; // power 0, Status

    void SetUp() override {
        EditorTest::SetUp();
        image = demo::MakeDemoRom(demo::HackLayout());
        demo::WriteDemoRom(image, rom, dir / "Data");
        testing_support::WriteFileText(dir / "Data" / "BPRE.ini",
                                       std::string(*rom::ShippedProfileText("BPRE")));
    }
    std::int32_t HackName(int k) const { return image.layout.movedNameStart + (k - 1) * 13; }
    std::int32_t HackRecord(int k) const { return image.layout.movedDataOffset + 12 * k; }
    void Show(int k) {
        form->List1->setCurrentRow(k);
        form->ShowWholeRecord(true);
        form->tabMore->setCurrentWidget(form->pageRecord);
    }
    std::vector<std::size_t> SaveAndChanges(const std::vector<std::uint8_t>& before) {
        form->cmdSave_Click();
        EXPECT_EQ(dialogs.messages.back().text, editor::SavedText)
            << dialogs.messages.back().details.toStdString();
        return Changed(before, RomBytes());
    }
    static std::vector<std::size_t> Range(std::int64_t from, std::int64_t count) {
        std::vector<std::size_t> at;
        for (std::int64_t i = 0; i < count; ++i) at.push_back(static_cast<std::size_t>(from + i));
        return at;
    }
};

} // namespace

TEST_F(Form1HackTest, ShowsTheMovedDescriptionsTheRomsTypeNamesAndTheDamageClass) {
    OpenDemo();
    ASSERT_EQ(form->List1->count(), 923);
    Show(Fairy);
    EXPECT_EQ(form->cmbType->currentText(), "Fairy");
    EXPECT_EQ(form->cmbType->itemText(10), "Fire"); // the program's own names stay
    EXPECT_EQ(form->cmbType->itemText(20), "20");   // the ROM's placeholder shows its number
    EXPECT_TRUE(form->Frame12->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Frame10->isVisibleTo(form.get()));
    EXPECT_TRUE(form->chkHealPriority->isVisibleTo(form.get()));
    EXPECT_EQ(form->cmbDamageClass->currentText(), "Special");
    EXPECT_EQ(form->txtZPower->text(), QString::number(image.movedRecords[Fairy][9]));
    EXPECT_EQ(form->txtZEffect->text(), QString::number(image.movedRecords[Fairy][11]));
    EXPECT_EQ(form->chkHealPriority->isChecked(), (image.movedRecords[Fairy][8] & 0x40) != 0);
    EXPECT_TRUE(form->lblDamageClassWarning->text().isEmpty());
    EXPECT_FALSE(form->lblReleasedClass->isVisibleTo(form.get()));
    form->tabMore->setCurrentWidget(form->pageDescription);
    EXPECT_TRUE(form->Frame11->isVisibleTo(form.get()));
    EXPECT_EQ(form->txtDescription->toPlainText().toStdString(), image.descriptions[Fairy - 1]);
    // The Notes page says what lies elsewhere than the released game's profile puts it.
    EXPECT_TRUE(form->tabMore->isTabVisible(form->tabMore->indexOf(form->pageNotes)));
    const QString notes = form->txtNotes->toPlainText();
    for (const char* said : {"modified", "description table", "type-name table"})
        EXPECT_TRUE(notes.contains(QLatin1String(said), Qt::CaseInsensitive)) << said << "\n"
                                                                              << notes.toStdString();

    // A class that disagrees with the power is flagged, not refused.
    form->cmbDamageClass->setCurrentIndex(2);
    EXPECT_EQ(form->lblDamageClassWarning->text(),
              "A Status move with power 100: the game deals it no damage");
    const auto before = RomBytes();
    EXPECT_EQ(SaveAndChanges(before),
              std::vector<std::size_t>{static_cast<std::size_t>(HackRecord(Fairy) + 10)});

    // Another ROM: a released game's layout shows the class its type gives instead.
    demo::WriteDemoRom(demo::MakeDemoRom(), dir / "plain.gba", dir / "Data");
    Open(dir / "plain.gba");
    Show(1);
    EXPECT_FALSE(form->Frame12->isVisibleTo(form.get()));
    EXPECT_TRUE(form->Frame10->isVisibleTo(form.get()));
    EXPECT_FALSE(form->chkHealPriority->isVisibleTo(form.get()));
    EXPECT_EQ(form->cmbType->itemText(23), "23");
    EXPECT_FALSE(form->tabMore->isTabVisible(form->tabMore->indexOf(form->pageNotes)));
    EXPECT_TRUE(form->lblReleasedClass->text().startsWith("Class by its type: "))
        << form->lblReleasedClass->text().toStdString();
}

TEST_F(Form1HackTest, ASaveOfOneFieldChangesOnlyThatFieldsBytes) {
    const std::size_t record = static_cast<std::size_t>(HackRecord(Fairy));
    const struct {
        const char* name;
        std::function<void(editor::Form1&)> edit;
        std::vector<std::size_t> changed;
    } cases[] = {
        // The FF padding of the name's entry is kept: an unchanged move writes nothing that differs.
        {"nothing", [](editor::Form1&) {}, {}},
        {"type by name",
         [](editor::Form1& f) { f.cmbType->setCurrentIndex(f.cmbType->findText(QStringLiteral("Fairy"))); },
         {}},
        {"type",
         [](editor::Form1& f) { f.cmbType->setCurrentIndex(f.cmbType->findText(QStringLiteral("Water"))); },
         {record + 2}},
        {"z power", [](editor::Form1& f) { f.txtZPower->setText(QStringLiteral("1")); }, {record + 9}},
        {"class", [](editor::Form1& f) { f.cmbDamageClass->setCurrentIndex(0); }, {record + 10}},
        {"z effect", [](editor::Form1& f) { f.txtZEffect->setText(QStringLiteral("200")); }, {record + 11}},
        {"heal priority", [](editor::Form1& f) { f.chkHealPriority->toggle(); }, {record + 8}},
    };
    for (const auto& c : cases) {
        OpenDemo();
        Show(Fairy);
        const auto before = RomBytes();
        c.edit(*form);
        EXPECT_EQ(SaveAndChanges(before), c.changed) << c.name;
    }

    // A shorter name keeps the entry's FF padding: the bytes it gives up become FF.
    OpenDemo();
    Show(Fairy);
    const auto before = RomBytes();
    const std::string old = form->txtNewName->text().toStdString();
    form->txtNewName->setText(QString::fromStdString(old.substr(0, old.size() - 1)));
    const auto changed = SaveAndChanges(before);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(RomBytes()[changed[0]], 0xFF);
    EXPECT_EQ(RomBytes()[changed[0] + 1], 0xFF);

    // A shorter description stays in the bytes of the moved table's old text.
    OpenDemo();
    Show(Fairy);
    const auto text = RomBytes();
    form->txtDescription->setPlainText(QStringLiteral("Short."));
    for (std::size_t at : SaveAndChanges(text)) EXPECT_GT(at, static_cast<std::size_t>(HackRecord(922)));
    OpenDemo();
    Show(Fairy);
    EXPECT_EQ(form->txtDescription->toPlainText(), "Short.");

    // A longer one goes to the free space after the moved table: its bytes and move 359's pointer.
    const auto shorter = RomBytes();
    const QString longer = QStringLiteral("A text that is longer\nthan the old one by\nfar, and still fits.");
    form->txtDescription->setPlainText(longer);
    const auto moved = SaveAndChanges(shorter);
    const std::size_t pointer = 0x610000 + 4 * (Fairy - 1);
    ASSERT_GE(moved.size(), 2u);
    EXPECT_GE(moved.front(), pointer);
    EXPECT_LT(moved.front(), pointer + 4);
    EXPECT_GT(moved.back(), static_cast<std::size_t>(0x610000 + 4 * 922));
    form->List1->setCurrentRow(1);
    form->List1->setCurrentRow(Fairy);
    EXPECT_EQ(form->txtDescription->toPlainText(), longer);
}

TEST_F(Form1HackTest, TheLayoutStaysRecognisedAfterAUsersEdit) {
    // A power-0 move set to class Physical: one record is no reason to read the ROM as a released game's.
    OpenDemo();
    Show(NoPower);
    EXPECT_EQ(form->cmbDamageClass->currentText(), "Status");
    form->cmbDamageClass->setCurrentIndex(0);
    EXPECT_EQ(form->lblDamageClassWarning->text(), "A Physical move with power 0");
    const auto before = RomBytes();
    EXPECT_EQ(SaveAndChanges(before),
              std::vector<std::size_t>{static_cast<std::size_t>(HackRecord(NoPower) + 10)});
    OpenDemo();
    Show(NoPower);
    EXPECT_TRUE(form->Frame12->isVisibleTo(form.get()));
    EXPECT_EQ(form->cmbDamageClass->currentText(), "Physical");
}

TEST_F(Form1HackTest, TheProfilesNamesWinAndTheNewFieldsComeLastInTheTabOrder) {
    // A profile of the user's own, without offsets (the header names the tables): its names win over
    // the ROM's, and name effects past the program's list.
    testing_support::WriteFileText(dir / "Data" / "BPRE.ini",
                                   "[Typenames]\r\n23=Sprite\r\n[Effectnames]\r\n214=Rapid Heal\r\n");
    OpenDemo();
    Show(Fairy);
    EXPECT_EQ(form->cmbType->currentText(), "Sprite");
    EXPECT_EQ(form->cmbEffect->itemText(214), "Rapid Heal");
    EXPECT_EQ(form->cmbEffect->itemText(215), "215");

    form->show();
    std::vector<std::string> order;
    for (QWidget* w = form->cmdExportPatch->nextInFocusChain(); w != form->List1; w = w->nextInFocusChain())
        if (w->isVisibleTo(form.get()) && (w->focusPolicy() & Qt::TabFocus))
            order.push_back(w->objectName().toStdString());
    EXPECT_EQ(order,
              (std::vector<std::string>{"chkHealPriority", "cmbDamageClass", "txtZPower", "txtZEffect"}));
}
