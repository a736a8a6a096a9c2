// The move's description in the grown window: typed into its field, saved with the move, undone.

#include "EditorFixture.h"

#include "rom/MoveDescriptions.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>

namespace {

class Form1DescriptionTest : public ShownEditorTest {
  protected:
    void SetUp() override {
        ShownEditorTest::SetUp();
        if (HasFatalFailure()) return;
        form->ShowWholeRecord(true);
        form->tabMore->setCurrentWidget(form->pageDescription);
    }

    // Replaces the description as the user does: select all, then type, Enter between the lines.
    void TypeDescription(const QStringList& lines) {
        form->txtDescription->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(form->txtDescription, Qt::Key_A, Qt::ControlModifier);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) QTest::keyClick(form->txtDescription, Qt::Key_Return);
            QTest::keyClicks(form->txtDescription, lines[i]);
        }
    }

    static std::vector<std::uint8_t> Encoded(const std::string& text) {
        std::string fault;
        return rom::EncodeDescription(text, fault).value();
    }
    std::uint32_t PointerOf(const std::vector<std::uint8_t>& bytes, int k) const {
        const std::size_t at = static_cast<std::size_t>(image.layout.descriptionTable + 4 * (k - 1));
        return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
               static_cast<std::uint32_t>(bytes[at + 3]) << 24;
    }
};

} // namespace

TEST_F(Form1DescriptionTest, ASavedDescriptionChangesOnlyItsBytesAndUndoPutsTheFileBack) {
    struct Case {
        int k;
        QStringList lines;
        bool inPlace;
    };
    const Case cases[] = {
        {demo::DemoLongDescriptionMove, {"A short one,", "two lines."}, true},
        {demo::DemoShortDescriptionMove,
         {"Now this move has", "a longer text that", "the old bytes cannot", "hold at all."},
         false},
    };
    OpenDemo();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.k);
        form->List1->setCurrentRow(c.k);
        ASSERT_EQ(form->txtDescription->toPlainText().toStdString(), image.descriptions[c.k - 1]);
        const std::vector<std::uint8_t> before = RomBytes();
        TypeDescription(c.lines);
        form->cmdSave_Click();
        ASSERT_EQ(dialogs.messages.back().text, editor::SavedText)
            << dialogs.messages.back().details.toStdString();

        const std::vector<std::uint8_t> text = Encoded(c.lines.join('\n').toStdString());
        std::vector<std::uint8_t> expected = before;
        std::uint32_t at = PointerOf(before, c.k) - rom::CartridgeAddressBase;
        if (!c.inPlace) {
            std::size_t last = before.size() - 1;
            while (before[last] == 0xFF) --last;
            at = static_cast<std::uint32_t>((last + 1 + 16 + 3) / 4 * 4);
            const std::uint32_t pointer = rom::CartridgeAddressBase + at;
            for (int i = 0; i < 4; ++i)
                expected[static_cast<std::size_t>(image.layout.descriptionTable + 4 * (c.k - 1) + i)] =
                    static_cast<std::uint8_t>(pointer >> (8 * i));
        }
        std::copy(text.begin(), text.end(), expected.begin() + at);
        EXPECT_EQ(RomBytes(), expected);
        // Shown again from the file as it is now, through the new pointer too.
        EXPECT_EQ(form->txtDescription->toPlainText(), c.lines.join('\n'));

        form->Undo_Click();
        EXPECT_EQ(RomBytes(), before);
        EXPECT_EQ(form->txtDescription->toPlainText().toStdString(), image.descriptions[c.k - 1]);
    }
}

TEST_F(Form1DescriptionTest, AnUncodedCharacterRefusesTheWholeSaveAndAnUntouchedTextWritesNothing) {
    OpenDemo();
    const int k = demo::DemoShortDescriptionMove;
    form->List1->setCurrentRow(k);
    form->txtPower->setText(QStringLiteral("77"));
    const std::vector<std::uint8_t> before = RomBytes();

    TypeDescription({QStringLiteral("Costs 5 ")});
    QTest::sendKeyEvent(QTest::Click, form->txtDescription, Qt::Key_unknown, QStringLiteral("\u20AC"), {});
    form->cmdSave_Click();
    EXPECT_EQ(dialogs.messages.back().text, editor::SaveErrorText);
    EXPECT_NE(dialogs.messages.back().details.indexOf(QStringLiteral("U+20AC")), -1)
        << dialogs.messages.back().details.toStdString();
    EXPECT_EQ(RomBytes(), before);

    form->List1->setCurrentRow(k - 1);
    form->List1->setCurrentRow(k);
    form->txtPower->setText(QStringLiteral("77"));
    form->cmdSave_Click();
    EXPECT_EQ(Changed(before, RomBytes()),
              std::vector<std::size_t>{static_cast<std::size_t>(RecordOffset(k) + 1)});
}

TEST_F(Form1DescriptionTest, TheBoxIsFlaggedAsYouTypeAndMissingDescriptionsAreExplained) {
    image.layout.gameCode = "BPRE"; // four lines of at most 21 characters
    image = demo::MakeDemoRom(image.layout);
    demo::WriteDemoRom(image, rom, dir / "Data");
    OpenDemo();
    form->List1->setCurrentRow(demo::DemoShortDescriptionMove);
    ASSERT_TRUE(form->Frame11->isVisible());
    EXPECT_TRUE(form->lblDescriptionWarning->text().isEmpty());
    TypeDescription({"One", "Two", "Three", "Four"});
    EXPECT_TRUE(form->lblDescriptionWarning->text().isEmpty());
    QTest::keyClick(form->txtDescription, Qt::Key_Return);
    EXPECT_NE(form->lblDescriptionWarning->text().indexOf(QStringLiteral("5 lines")), -1);
    TypeDescription({"A line far too long for the box"});
    EXPECT_NE(form->lblDescriptionWarning->text().indexOf(QStringLiteral("line 1 has 31 characters")), -1);

    demo::DemoRomLayout none;
    none.descriptionTable = 0;
    demo::WriteDemoRom(demo::MakeDemoRom(none), dir / "plain.gba", dir / "Data");
    Open(dir / "plain.gba");
    EXPECT_FALSE(form->Frame11->isVisible());
    EXPECT_TRUE(form->Label2->isVisible());
    EXPECT_NE(form->Label2->text().indexOf(QStringLiteral("Descriptionoffset")), -1)
        << form->Label2->text().toStdString();
    // Said once, in the description's place: no other text of the window repeats it.
    for (const QLabel* label : form->findChildren<QLabel*>())
        if (label != form->Label2) {
            EXPECT_EQ(label->text().indexOf(QStringLiteral("Descriptionoffset")), -1);
        }
    form->tabMore->setCurrentWidget(form->pageRecord);
    EXPECT_FALSE(form->Label2->isVisible());
}
