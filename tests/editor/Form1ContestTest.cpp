// The move's contest data in the grown window: shown on an R/S-like ROM, saved with the move,
// undone; no page for a game without contests, the reason in its place for tables that fail.

#include "EditorFixture.h"

#include "rom/ContestData.h"
#include "rom/ContestNames.h"

#include <QTabWidget>

#include <fstream>

namespace {

class Form1ContestTest : public ShownEditorTest {
  protected:
    void SetUp() override {
        ShownEditorTest::SetUp();
        if (HasFatalFailure()) return;
        image = demo::MakeDemoRom(demo::ContestLayout());
        demo::WriteDemoRom(image, rom, dir / "Data");
        form->ShowWholeRecord(true);
    }

    bool ContestTabShown() const {
        return form->tabMore->isTabVisible(form->tabMore->indexOf(form->pageContest));
    }
    std::int64_t ContestRecord(int k) const { return image.layout.contestMoveTable + 8 * k; }
    std::string Shown(const QComboBox* box) const { return box->currentText().toStdString(); }
};

} // namespace

TEST_F(Form1ContestTest, TheMovesContestDataIsShownByNames) {
    OpenDemo();
    ASSERT_TRUE(ContestTabShown());
    form->tabMore->setCurrentWidget(form->pageContest);
    const struct {
        int k;
        const char* category;
        int effect;
        std::string starter;
        std::array<std::string, 4> combos;
    } cases[] = {
        {1, "Tough", 0, "60: " + image.names[1], {"0: none", "0: none", "0: none", "0: none"}},
        {5,
         nullptr,
         -1,
         "0: none",
         {"61: " + image.names[116], "62: " + image.names[170], "0: none", "0: none"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.k);
        form->List1->setCurrentRow(c.k);
        EXPECT_TRUE(form->Frame16->isEnabled());
        if (c.category) {
            EXPECT_EQ(Shown(form->cmbCategory), c.category);
        }
        if (c.effect >= 0) {
            EXPECT_EQ(form->cmbContestEffect->currentIndex(), c.effect);
            EXPECT_EQ(Shown(form->cmbContestEffect), "A highly appealing move. (40/0)");
        }
        EXPECT_EQ(Shown(form->cmbComboStarter), c.starter);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(Shown(form->cmbComboMoves[static_cast<std::size_t>(i)]),
                      c.combos[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(form->cmbContestEffect->count(), rom::ContestEffectCount);
    EXPECT_EQ(form->cmbComboStarter->count(), 256); // any id can be chosen
}

TEST_F(Form1ContestTest, ASaveChangesOnlyTheContestBytesItShouldAndUndoPutsThemBack) {
    const int k = 7; // byte 1 has bits 3 and 5 set besides the category
    const auto byte1 = image.contestMoves[k][1];
    ASSERT_EQ(byte1 & 0xF8, 0x28);
    OpenDemo();
    form->List1->setCurrentRow(k);
    const std::vector<std::uint8_t> before = RomBytes();
    const int category = ((byte1 & 7) + 1) % 5, effect = (image.contestMoves[k][0] + 1) % 48;
    form->cmbCategory->setCurrentIndex(category);
    form->cmbContestEffect->setCurrentIndex(effect);
    form->cmbComboStarter->setCurrentIndex(200); // a new id
    form->cmbComboMoves[2]->setCurrentIndex(60);
    form->cmbComboMoves[3]->setCurrentIndex(61);
    form->cmdSave_Click();
    ASSERT_EQ(dialogs.messages.back().text, editor::SavedText)
        << dialogs.messages.back().details.toStdString();

    std::vector<std::uint8_t> expected = before;
    const auto at = static_cast<std::size_t>(ContestRecord(k));
    expected[at] = static_cast<std::uint8_t>(effect);
    expected[at + 1] = static_cast<std::uint8_t>((byte1 & 0xF8) | category);
    expected[at + 2] = 200;
    expected[at + 5] = 60;
    expected[at + 6] = 61;
    EXPECT_EQ(RomBytes(), expected);
    EXPECT_EQ(Shown(form->cmbComboMoves[2]), "60: " + image.names[1]); // read again from the file
    EXPECT_EQ(form->cmbComboStarter->currentIndex(), 200);

    // A save of another field leaves the contest record as it is.
    form->txtPower->setText(QStringLiteral("99"));
    form->cmdSave_Click();
    EXPECT_EQ(Changed(expected, RomBytes()),
              std::vector<std::size_t>{static_cast<std::size_t>(RecordOffset(k) + 1)});

    form->Undo_Click();
    form->Undo_Click();
    EXPECT_EQ(RomBytes(), before);
    EXPECT_EQ(form->cmbCategory->currentIndex(), byte1 & 7);
    EXPECT_EQ(form->cmbComboStarter->currentIndex(), image.contestMoves[k][2]);
}

TEST_F(Form1ContestTest, AGameWithoutContestsHasNoPageAndAFailingTableSaysWhyOnce) {
    demo::DemoRomLayout fireRed;
    fireRed.gameCode = "BPRE";
    demo::WriteDemoRom(demo::MakeDemoRom(), dir / "default.gba", dir / "Data");
    demo::WriteDemoRom(demo::MakeDemoRom(fireRed), dir / "bpre.gba", dir / "Data");
    for (const char* name : {"default.gba", "bpre.gba"}) {
        Open(dir / name);
        ASSERT_FALSE(form->RomPath.isEmpty()) << name;
        EXPECT_FALSE(ContestTabShown()) << name;
    }

    const struct {
        int at; // byte of move 3's record
        std::uint8_t value;
        const char* why;
    } faults[] = {
        {1, 5, "move 3 has category 5"}, {0, 48, "move 3 has contest effect 48"}, {7, 1, "byte 7 of move 3"}};
    for (const auto& f : faults) {
        SCOPED_TRACE(f.why);
        std::vector<std::uint8_t> bytes = image.bytes;
        bytes[static_cast<std::size_t>(ContestRecord(3) + f.at)] = f.value;
        testing_support::WriteFileBytes(rom, bytes);
        OpenDemo();
        ASSERT_FALSE(form->RomPath.isEmpty());
        form->tabMore->setCurrentWidget(form->pageContest);
        EXPECT_TRUE(ContestTabShown());
        EXPECT_TRUE(form->Label3->isVisible());
        EXPECT_FALSE(form->Frame16->isVisible());
        EXPECT_NE(form->Label3->text().indexOf(QString::fromLatin1(f.why)), -1)
            << form->Label3->text().toStdString();
        for (const QLabel* label : form->findChildren<QLabel*>())
            if (label != form->Label3) {
                EXPECT_EQ(label->text().indexOf(QString::fromLatin1(f.why)), -1);
            }
        // The rest of the move is saved as ever, and the contest record is not written.
        form->List1->setCurrentRow(3);
        form->txtPower->setText(QStringLiteral("99"));
        form->cmdSave_Click();
        EXPECT_EQ(Changed(bytes, RomBytes()),
                  std::vector<std::size_t>{static_cast<std::size_t>(RecordOffset(3) + 1)});
    }
}

TEST_F(Form1ContestTest, ThePagesListsFollowEveryOtherControlInTheTabOrder) {
    OpenDemo();
    form->tabMore->setCurrentWidget(form->pageContest);
    std::vector<std::string> order;
    QWidget* w = form->List1;
    do {
        if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus))
            order.push_back(w->objectName().toStdString());
        w = w->nextInFocusChain();
    } while (w != form->List1);
    const std::vector<std::string> expected = {
        "cmdMore",          "tabMore",       "qt_tabwidget_tabbar", "cmbCategory",   "cmbComboStarter",
        "cmbContestEffect", "cmbComboMove1", "cmbComboMove2",       "cmbComboMove3", "cmbComboMove4",
        "cmdUndo",          "cmdRedo",       "cmdExportPatch"};
    ASSERT_GE(order.size(), expected.size());
    EXPECT_EQ(order.front(), "List1");
    EXPECT_EQ(
        std::vector<std::string>(order.end() - static_cast<std::ptrdiff_t>(expected.size()), order.end()),
        expected);
}

TEST_F(Form1ContestTest, AMovePastTheContestTableShowsNoneAndSavesNothingOfIt) {
    // A table grown to 400 moves, as the profile counts them: its moves 355 on have no contest record.
    std::vector<std::uint8_t> grown = image.bytes;
    for (int k = 355; k < 400; ++k) {
        const auto name = static_cast<std::size_t>(NameOffset(k));
        std::fill_n(grown.begin() + static_cast<std::ptrdiff_t>(name), 13, 0x00);
        grown[name] = 0xBB; // "A", as a save writes it
        grown[name + 1] = 0xFF;
        std::copy_n(grown.begin() + RecordOffset(1), 12, grown.begin() + RecordOffset(k));
    }
    testing_support::WriteFileBytes(rom, grown);
    std::ofstream(dir / "Data" / "AXVE.ini", std::ios::app | std::ios::binary)
        << "\r\n[Movecount]\r\ncount=400\r\n";
    OpenDemo();
    ASSERT_EQ(form->List1->count(), 400) << dialogs.messages.back().details.toStdString();
    form->List1->setCurrentRow(354);
    EXPECT_TRUE(form->Frame16->isEnabled());
    form->List1->setCurrentRow(380);
    EXPECT_FALSE(form->Frame16->isEnabled());
    EXPECT_FALSE(form->Frame19->isEnabled());
    EXPECT_EQ(form->cmbCategory->currentIndex(), -1);
    EXPECT_EQ(form->cmbComboStarter->currentIndex(), -1);
    const std::vector<std::uint8_t> before = RomBytes();
    form->txtPower->setText(QStringLiteral("99"));
    form->cmdSave_Click();
    ASSERT_EQ(dialogs.messages.back().text, editor::SavedText)
        << dialogs.messages.back().details.toStdString();
    EXPECT_EQ(Changed(before, RomBytes()),
              std::vector<std::size_t>{static_cast<std::size_t>(RecordOffset(380) + 1)});
}
