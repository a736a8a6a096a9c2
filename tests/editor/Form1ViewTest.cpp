#include "EditorFixture.h"

#include "rom/Vocabularies.h"

#include <QApplication>
#include <QTest>

TEST_F(EditorTest, SelectingAMoveFillsAllEightControlsFromTheBytes) {
    OpenDemo();
    for (int k : {1, 2, demo::DemoFullLengthNameMove, demo::DemoLineBreakNameMove, 354}) {
        form->List1->setCurrentRow(k);
        const rom::MoveRecord& r = image.records[static_cast<std::size_t>(k)];
        EXPECT_EQ(form->txtNewName->text().toStdString(), image.names[static_cast<std::size_t>(k)]) << k;
        EXPECT_TRUE(form->txtNewName->isEnabled());
        EXPECT_EQ(form->txtPower->text(), QString::number(r.power)) << k;
        EXPECT_EQ(form->txtAcc->text(), QString::number(r.accuracy)) << k;
        EXPECT_EQ(form->txtPP->text(), QString::number(r.pp)) << k;
        EXPECT_EQ(form->txtEff->text(), QString::number(r.effectChance)) << k;
        EXPECT_EQ(form->cmbEffect->currentIndex(), r.effect) << k;
        EXPECT_EQ(form->cmbType->currentIndex(), r.type) << k;
        EXPECT_EQ(form->cmbTarget->currentIndex(), r.target) << k;
        EXPECT_TRUE(form->txtPower->isEnabled() && form->cmbTarget->isEnabled());
    }
}

TEST_F(EditorTest, TheNoneEntryShowsMoveZerosRecordWithTheNameLocked) {
    auto bytes = image.bytes;
    const std::uint8_t record[7] = {12, 255, 9, 0, 2, 100, 64};
    std::copy(record, record + 7, bytes.begin() + RecordOffset(0));
    testing_support::WriteFileBytes(rom, bytes);
    OpenDemo();
    form->List1->setCurrentRow(0);
    EXPECT_EQ(form->txtNewName->text(), "--NONE--");
    EXPECT_FALSE(form->txtNewName->isEnabled());
    EXPECT_EQ(form->cmbEffect->currentText(), "Raise Spd.");
    EXPECT_EQ(form->txtPower->text(), "255"); // not cut by the typing limit
    EXPECT_EQ(form->cmbType->currentText(), "???");
    EXPECT_EQ(form->txtAcc->text(), "0");
    EXPECT_EQ(form->txtPP->text(), "2");
    EXPECT_EQ(form->txtEff->text(), "100");
    EXPECT_EQ(form->cmbTarget->currentText(), "Opponents' field");
}

TEST_F(EditorTest, BytesBeyondTheVocabulariesAreEntriesShowingTheirNumbers) {
    auto bytes = image.bytes;
    bytes[static_cast<std::size_t>(RecordOffset(5) + 0)] = 250; // effect
    bytes[static_cast<std::size_t>(RecordOffset(5) + 2)] = 30;  // type
    bytes[static_cast<std::size_t>(RecordOffset(5) + 6)] = 65;  // target
    testing_support::WriteFileBytes(rom, bytes);
    OpenDemo();
    form->List1->setCurrentRow(5);
    EXPECT_EQ(form->cmbEffect->currentIndex(), 250);
    EXPECT_EQ(form->cmbEffect->currentText(), "250");
    EXPECT_EQ(form->cmbType->currentText(), "30");
    EXPECT_EQ(form->cmbTarget->currentText(), "65");
    form->List1->setCurrentRow(6);
    EXPECT_EQ(form->cmbType->currentIndex(), image.records[6].type);
}

TEST_F(EditorTest, NumberFieldsAreClampedWhenTheyLoseTheFocus) {
    OpenDemo();
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->List1->setCurrentRow(3);
    const std::pair<const char*, const char*> cases[] = {
        {"300", "255"}, {"-5", "0"}, {"12a", "12"}, {"1.5", "1.5"}};
    for (QLineEdit* field : {form->txtPower, form->txtAcc, form->txtPP, form->txtEff}) {
        for (auto [typed, shown] : cases) {
            field->setFocus();
            field->setText(typed);
            form->List1->setFocus(); // the field loses the focus
            EXPECT_EQ(field->text(), shown) << field->objectName().toStdString() << " " << typed;
        }
    }
}

TEST_F(EditorTest, TypingLimitsLimitTypingOnly) {
    OpenDemo();
    form->show();
    form->List1->setCurrentRow(demo::DemoFullLengthNameMove);
    EXPECT_EQ(form->txtNewName->text(), "Thunderspiral"); // 13 characters set by the program stay
    form->txtPP->clear();
    QTest::keyClicks(form->txtPP, "1234");
    EXPECT_EQ(form->txtPP->text(), "12");
    form->txtPower->clear();
    QTest::keyClicks(form->txtPower, "98765");
    EXPECT_EQ(form->txtPower->text(), "987");
    form->txtNewName->clear();
    QTest::keyClicks(form->txtNewName, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(form->txtNewName->text(), "ABCDEFGHIJKL");
}
