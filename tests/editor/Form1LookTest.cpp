// The window's look: the specified start window as it always was, every text whole in its control at
// the font the window gets, the grown window's commands in the look of Load Rom within a 1024 x 768
// screen, and every value of the list boxes an entry of its own.

#include "EditorFixture.h"

#include "rom/ShippedProfiles.h"

#include "chameleon_button/chameleonButton.h"
#include "editor/WindowLayout.h"
#include "rom/Vocabularies.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QImage>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTabWidget>

#ifndef SKIRMELA_TEST_DATA_DIR
#error "SKIRMELA_TEST_DATA_DIR must name tests/editor/data"
#endif

using chameleon_button::chameleonButton;

namespace {

// The start window as the specified layout draws it, grabbed before the window grew.
const QString StartWindowPicture = QStringLiteral(SKIRMELA_TEST_DATA_DIR "/StartWindow.png");

QString Shown(QString text) {
    return text.remove(QLatin1Char('&'));
}

// Every text of the window against the room its control gives it; "" when all fit.
std::vector<std::string> TextsThatDoNotFit(const QWidget& window) {
    std::vector<std::string> faults;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        // Every control in the window's font: a style sheet can give a control the application's.
        if (w->window() != &window) continue; // a list's pop-up
        const QFontInfo font(w->font());
        if (font.family() != QFontInfo(window.font()).family() ||
            font.pointSizeF() != window.font().pointSizeF())
            faults.push_back(w->objectName().toStdString() + " in " + font.family().toStdString() + " " +
                             std::to_string(font.pointSizeF()) + " pt");
    }
    const auto fault = [&faults](const QWidget* w, const QString& text, int needed, int room) {
        if (needed > room)
            faults.push_back(w->objectName().toStdString() + " \"" + text.toStdString() +
                             "\": " + std::to_string(needed) + " px in " + std::to_string(room));
    };
    for (const QGroupBox* box : window.findChildren<QGroupBox*>()) {
        // The caption begins 6 px in with a pixel of room each side, and the frame's top line shows right of
        // it.
        const int width = box->fontMetrics().horizontalAdvance(Shown(box->title()));
        fault(box, box->title(), 6 + 1 + width + 1 + 6, box->width());
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        const QRect room = label->contentsRect();
        if (label->wordWrap())
            fault(label, label->text(), label->heightForWidth(label->width()), room.height());
        else
            fault(label, label->text(), label->fontMetrics().horizontalAdvance(label->text()), room.width());
    }
    for (const QCheckBox* box : window.findChildren<QCheckBox*>())
        fault(box, box->text(), box->sizeHint().width(), box->width());
    for (const QComboBox* box : window.findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        const int room = box->style()
                             ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box)
                             .width();
        for (int i = 0; i < box->count(); ++i)
            fault(box, box->itemText(i), box->fontMetrics().horizontalAdvance(box->itemText(i)), room);
    }
    for (const chameleonButton* b : window.findChildren<chameleonButton*>()) {
        if (!b->isVisibleTo(&window) && b->objectName() == QLatin1String("cmdAdd")) continue; // never shown
        // One line, clear of the picture and of the bevel (2 px each side).
        const QFontMetrics metrics(b->font());
        const int picture = b->PictureNormal ? b->PictureWidth + 4 : 0;
        fault(b, b->Caption, 2 + picture + metrics.horizontalAdvance(Shown(b->Caption)) + 2, b->width());
        fault(b, b->Caption, 2 + metrics.height() + 2, b->height());
    }
    return faults;
}

} // namespace

TEST_F(ShownEditorTest, TheStartWindowIsPixelForPixelAsItWas) {
    const QImage shown = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage before = QImage(StartWindowPicture).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(before.isNull());
    ASSERT_EQ(shown.size(), before.size());
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) differing += shown.pixel(x, y) != before.pixel(x, y);
    EXPECT_EQ(differing, 0);
}

TEST_F(ShownEditorTest, EveryTextFitsItsControlAtTheFontTheWindowGets) {
    // Debian has no "MS Sans Serif": the texts are measured with the font fontconfig gives for it, the
    // one the package depends on.
    EXPECT_EQ(QFontInfo(form->font()).family(), "DejaVu Sans");
    // The demo ROM, the R/S-like one with contest data and one whose contest table fails its check,
    // then one whose descriptions cannot be read: the pages say why instead.
    demo::DemoRomLayout none;
    none.descriptionTable = 0;
    demo::WriteDemoRom(demo::MakeDemoRom(none), dir / "plain.gba", dir / "Data");
    // And a hack, whose Record page has the fields of its grown records, its longest warning shown.
    demo::WriteDemoRom(demo::MakeDemoRom(demo::HackLayout()), dir / "hack.gba", dir / "Data");
    testing_support::WriteFileText(dir / "Data" / "BPRE.ini", std::string(*rom::ShippedProfileText("BPRE")));
    demo::DemoRom contest = demo::MakeDemoRom(demo::ContestLayout());
    demo::WriteDemoRom(contest, dir / "contest.gba", dir / "Data");
    contest.bytes[static_cast<std::size_t>(contest.layout.contestMoveTable + 8 * 300 + 1)] = 7;
    testing_support::WriteFileBytes(dir / "failing.gba", contest.bytes);
    form->ShowWholeRecord(true);
    for (const std::filesystem::path& path :
         {rom, dir / "hack.gba", dir / "contest.gba", dir / "failing.gba", dir / "plain.gba"}) {
        Open(path);
        form->List1->setCurrentRow(demo::DemoShortDescriptionMove);
        if (path == dir / "hack.gba") {
            form->List1->setCurrentRow(359); // power 100
            form->cmbDamageClass->setCurrentIndex(2);
            form->tabMore->setCurrentIndex(0);
            EXPECT_TRUE(form->Frame12->isVisibleTo(form.get()));
            EXPECT_FALSE(form->lblDamageClassWarning->text().isEmpty());
        }
        for (int page = 0; page < form->tabMore->count(); ++page) {
            if (!form->tabMore->isTabVisible(page)) continue;
            form->tabMore->setCurrentIndex(page);
            EXPECT_EQ(TextsThatDoNotFit(*form), std::vector<std::string>{}) << path << " " << page;
            // The pages' controls lie within the page.
            for (const QWidget* w : form->tabMore->currentWidget()->findChildren<QWidget*>()) {
                if (w->isVisible() && w->parentWidget() == form->tabMore->currentWidget()) {
                    EXPECT_TRUE(form->tabMore->currentWidget()->rect().contains(w->geometry()))
                        << w->objectName().toStdString();
                }
            }
        }
    }
    form->tabMore->setCurrentWidget(form->pageDescription);
    EXPECT_TRUE(form->Label2->isVisible());
}

TEST_F(ShownEditorTest, TheDescriptionFieldIsAsHighAsTheGamesBoxAndAWarningShowsWhole) {
    const struct {
        const char* code;
        int lines;
    } games[] = {{"SKDM", 4}, {"BPRE", 4}, {"AXVE", 2}};
    // Each box's lines at the game's longest line, 29 characters; one more line than the box has.
    const QString line = QStringLiteral("Inflicts damage; may lower a");
    for (const auto& game : games) {
        SCOPED_TRACE(game.code);
        image.layout.gameCode = game.code;
        image = demo::MakeDemoRom(image.layout);
        demo::WriteDemoRom(image, rom, dir / "Data");
        OpenDemo();
        form->ShowWholeRecord(true);
        form->tabMore->setCurrentWidget(form->pageDescription);
        form->List1->setCurrentRow(demo::DemoShortDescriptionMove);
        QStringList lines;
        for (int i = 0; i < game.lines; ++i) lines << line;
        form->txtDescription->setPlainText(lines.join('\n'));
        EXPECT_EQ(form->txtDescription->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(form->txtDescription->horizontalScrollBar()->maximum(), 0);
        // No empty band: the field ends within a line of the box's last.
        const int lineHeight = form->txtDescription->fontMetrics().lineSpacing();
        form->txtDescription->setPlainText((lines << line).join('\n'));
        EXPECT_GT(form->txtDescription->verticalScrollBar()->maximum(), 0);
        EXPECT_LT(form->txtDescription->height(), (game.lines + 1) * lineHeight);

        if (std::string_view(game.code) == "SKDM") continue; // no box known: nothing to warn of
        // A warning of two parts is shown whole in the frame, which grows for it, within the page.
        form->txtDescription->setPlainText((lines << QString(40, QLatin1Char('x'))).join('\n'));
        const QLabel* warning = form->lblDescriptionWarning;
        ASSERT_TRUE(warning->isVisible());
        EXPECT_LE(warning->heightForWidth(warning->width()), warning->height());
        EXPECT_LE(warning->geometry().bottom(), form->Frame11->height() - 4);
        EXPECT_LE(form->Frame11->geometry().bottom(), form->pageDescription->height());
        EXPECT_EQ(TextsThatDoNotFit(*form), std::vector<std::string>{});
    }
}

TEST_F(ShownEditorTest, TheSaveCommandsLookAsLoadRomAndSayWhyTheyCannotRun) {
    form->ShowWholeRecord(true);
    const chameleonButton* open = form->cmdOpen;
    for (chameleonButton* b : {form->cmdUndo, form->cmdRedo, form->cmdExportPatch}) {
        SCOPED_TRACE(b->objectName().toStdString());
        EXPECT_EQ(b->ButtonType, 3);
        EXPECT_EQ(b->ButtonType, open->ButtonType);
        EXPECT_EQ(b->ColorScheme, open->ColorScheme);
        EXPECT_EQ(b->BackColor, open->BackColor);
        EXPECT_EQ(b->font(), open->font());
        EXPECT_TRUE(b->isVisible());
        EXPECT_FALSE(b->isEnabled());
        EXPECT_FALSE(b->toolTip().isEmpty());
    }
    const QString undoWithoutRom = form->cmdUndo->toolTip();
    OpenDemo();
    EXPECT_NE(form->cmdUndo->toolTip(), undoWithoutRom); // a ROM is open, nothing of it saved yet
    EXPECT_NE(form->cmdUndo->toolTip(), form->cmdRedo->toolTip());
    EXPECT_NE(form->cmdUndo->toolTip(), form->cmdExportPatch->toolTip());
    form->List1->setCurrentRow(3);
    form->txtPower->setText(QStringLiteral("41"));
    form->cmdSave_Click();
    ASSERT_EQ(dialogs.messages.back().text, editor::SavedText);
    EXPECT_TRUE(form->cmdUndo->isEnabled() && form->cmdExportPatch->isEnabled());
    EXPECT_FALSE(form->cmdRedo->isEnabled());
    EXPECT_EQ(form->cmdUndo->toolTip(), form->actUndo->toolTip());
    QTest::mouseClick(form->cmdUndo, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(RomBytes(), image.bytes);
    EXPECT_TRUE(form->cmdRedo->isEnabled());
}

TEST_F(EditorTest, EveryValueOfTheListBoxesIsAnEntryAndSavedUnchanged) {
    auto bytes = image.bytes;
    for (int at : {0, 2, 6}) bytes[static_cast<std::size_t>(RecordOffset(5) + at)] = 200;
    bytes[static_cast<std::size_t>(RecordOffset(6) + 2)] = 255;
    testing_support::WriteFileBytes(rom, bytes);
    OpenDemo();
    form->List1->setCurrentRow(5);
    for (QComboBox* box : {form->cmbEffect, form->cmbType, form->cmbTarget}) {
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_EQ(box->count(), 256);
        EXPECT_EQ(box->currentIndex(), 200);
        EXPECT_TRUE(box->placeholderText().isEmpty());
    }
    EXPECT_EQ(form->cmbType->currentText(), "200");
    EXPECT_EQ(form->cmbTarget->currentText(), "200");
    EXPECT_EQ(form->cmbEffect->currentText().toStdString(), rom::EffectNames()[200]);
    form->txtPower->setText(QStringLiteral("99"));
    form->cmdSave_Click();
    ASSERT_EQ(dialogs.messages.back().text, editor::SavedText);
    EXPECT_EQ(Changed(bytes, RomBytes()),
              std::vector<std::size_t>{static_cast<std::size_t>(RecordOffset(5) + 1)});
    form->List1->setCurrentRow(6);
    EXPECT_EQ(form->cmbType->currentText(), "255");
}

TEST_F(ShownEditorTest, TheGrownWindowHoldsItsPartsWithinA1024x768Screen) {
    OpenDemo();
    form->ShowWholeRecord(true);
    EXPECT_EQ(form->size(), QSize(editor::WindowWidth, editor::GrownWindowHeight));
    EXPECT_LE(form->frameGeometry().width(), 1024);
    EXPECT_LE(form->frameGeometry().height() + 40, 768); // room for a title bar and a panel
    for (int page = 0; page < form->tabMore->count(); ++page) {
        form->tabMore->setCurrentIndex(page);
        for (const QWidget* w : form->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->isWindow()) continue;
            const QRect place(w->mapTo(form.get(), QPoint(0, 0)), w->size());
            EXPECT_TRUE(form->rect().contains(place)) << w->objectName().toStdString();
            EXPECT_TRUE(QRect(QPoint(0, 0), w->parentWidget()->size()).contains(w->geometry()))
                << w->objectName().toStdString();
        }
    }
}
