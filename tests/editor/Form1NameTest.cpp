// Names in the window: every character of the game's table is shown, typed and saved as its byte.

#include "EditorFixture.h"

#include "rom/GameText.h"
#include "rom/HexFunctions.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QTest>
#include <QTextLayout>

namespace {

// The characters of the game's table as the list shows them, with their bytes (all but the line break).
std::vector<std::pair<QString, std::uint8_t>> TableCharacters() {
    std::vector<std::pair<QString, std::uint8_t>> characters;
    for (int b = 0; b < 0xFE; ++b) {
        const std::string shown = rom::DecodeGameText(rom::HexPair(static_cast<std::uint8_t>(b)));
        if (!shown.empty())
            characters.emplace_back(QString::fromStdString(shown), static_cast<std::uint8_t>(b));
    }
    return characters;
}

// Types the text key by key, each key carrying its character, as a keyboard layout with it would.
void Type(QWidget* field, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

TEST_F(EditorTest, ANameWithALineBreakSavesWithItsBytesUnchanged) {
    OpenDemo();
    form->List1->setCurrentRow(demo::DemoLineBreakNameMove);
    ASSERT_EQ(form->txtNewName->text(), QString::fromUtf8("Sky\r\nFall"));
    form->txtPower->setText("123");
    const auto before = RomBytes();
    form->cmdSave_Click();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, editor::SavedText);
    auto expected = before;
    expected[static_cast<std::size_t>(RecordOffset(demo::DemoLineBreakNameMove) + 1)] = 123;
    EXPECT_EQ(Changed(RomBytes(), expected),
              std::vector<std::size_t>{}); // the name's 13 bytes among the rest
    EXPECT_EQ(form->List1->item(demo::DemoLineBreakNameMove)->text(), QString::fromUtf8("Sky\r\nFall"));
}

TEST_F(EditorTest, EveryCharacterOfTheGameSavesAsItsByteAndShowsAgain) {
    const auto characters = TableCharacters();
    ASSERT_EQ(characters.size(), 141u); // blank, 88 other signs, 52 letters
    OpenDemo();
    const int k = 3;
    for (std::size_t first = 0; first < characters.size(); first += 12) {
        QString name;
        std::vector<std::uint8_t> entry;
        for (std::size_t i = first; i < std::min(first + 12, characters.size()); ++i) {
            name += characters[i].first;
            entry.push_back(characters[i].second);
        }
        if (entry.size() < 13) entry.push_back(0xFF);
        entry.resize(13, 0x00);

        form->List1->setCurrentRow(k);
        form->txtNewName->setText(name);
        dialogs.messages.clear();
        form->cmdSave_Click();
        ASSERT_EQ(dialogs.messages.size(), 1u) << name.toStdString();
        EXPECT_EQ(dialogs.messages[0].text, editor::SavedText) << name.toStdString();
        const auto after = RomBytes();
        const std::vector<std::uint8_t> written(after.begin() + NameOffset(k),
                                                after.begin() + NameOffset(k) + 13);
        EXPECT_EQ(written, entry) << name.toStdString();
        EXPECT_EQ(form->List1->item(k)->text(), name);
        EXPECT_EQ(form->txtNewName->text(), name);
    }
}

TEST_F(EditorTest, TypedNamesKeepTheLimitOfTwelveCharactersAndTheTypedQuotes) {
    OpenDemo();
    form->show();
    form->List1->setCurrentRow(4);
    form->txtNewName->clear();
    Type(form->txtNewName, QString::fromUtf8("Fl\u00FCgelschlag\u2642!"));
    EXPECT_EQ(form->txtNewName->text(), QString::fromUtf8("Fl\u00FCgelschlag"));

    form->txtNewName->clear();
    Type(form->txtNewName, QString::fromUtf8("It's \"1,2\""));
    form->cmdSave_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, editor::SavedText);
    EXPECT_EQ(rom::ReadHexBytes(rom, NameOffset(4), 13), "C3E8B4E700B1A2B8A3B1FF0000");
    EXPECT_EQ(form->List1->item(4)->text(),
              QString::fromUtf8("It\u2019s \u201C1,2\u201C")); // as the game shows it
}

TEST_F(EditorTest, TheNameFieldHasAGlyphForEveryCharacterOfTheGame) {
    QString all;
    for (const auto& [shown, byte] : TableCharacters()) all += shown;
    QTextLayout layout(all, form->txtNewName->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int glyphs = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (quint32 glyph : run.glyphIndexes()) {
            EXPECT_NE(glyph, 0u) << "no glyph in " << run.rawFont().familyName().toStdString();
            ++glyphs;
        }
    }
    EXPECT_EQ(glyphs, all.size());
}
