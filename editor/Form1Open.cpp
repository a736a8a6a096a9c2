#include "editor/Form1.h"

#include "chameleon_button/chameleonButton.h"
#include "rom/OpenMoveTables.h"

#include <filesystem>

namespace editor {
namespace {

// Everything the open has to tell besides the moves, the move tables' own note first.
std::vector<std::string> OpenNotes(const rom::OpenedTables& opened) {
    std::vector<std::string> notes;
    if (!opened.note.empty()) notes.push_back(opened.note);
    notes.insert(notes.end(), opened.notes.begin(), opened.notes.end());
    return notes;
}

} // namespace

void Form1::cmdOpen_Click() {
    RomPath.clear();
    const QString chosen = dialogs_.ChooseFileToOpen(QStringLiteral("Open a Pokemon Advance ROM..."),
                                                     QStringLiteral("GBA ROM (*.gba)|*.gba"));
    if (chosen.isEmpty()) {
        ForgetProject();
        List1->clear();
        cmdSave->setEnabled(false);
        UpdateSaveCommands();
        return;
    }
    OpenChosenRom(chosen);
}

void Form1::OpenChosenRom(const QString& chosen) {
    if (const auto root = ProjectRootOf(chosen)) return OpenChosenProject(*root);
    ForgetProject();
    try {
        // Everything is verified before the window takes the ROM: the tables are read, shown and
        // saved through the two offsets resolved here, or not at all.
        const rom::OpenedTables opened =
            rom::OpenMoveTables(chosen.toStdString(), rom::StandardProfileFolders(programDir_.toStdString(),
                                                                                  rom::SystemEnvironment()));
        const rom::MoveTables& tables = opened.tables;
        GameCode = QString::fromLatin1(opened.gameCode);

        RomPath = chosen;
        layout_ = opened.recordLayout.layout;
        NameListEntries(opened.typeNames, opened.effectNames);
        ShowRecordLayout();
        descriptions_ = opened.descriptions;
        ShowDescription(-1);
        ShowDescriptionFrame();
        contest_ = opened.contest;
        ShowContest(-1);
        ShowContestPage();
        ShowNotes(OpenNotes(opened));
        cmdSave->setEnabled(true);
        txtStart->setText(QString::number(tables.nameStart));
        txtDataOffset->setText(QString::number(tables.dataOffset));
        // The list loader reads names 1 to txtNumber + 1: the table's last move is N - 1.
        txtNumber->setText(QString::number(opened.moveCount - 2));
        cmdAdd_Click();
        setWindowTitle(WindowCaption + QStringLiteral(" - ") + GameCode +
                       (opened.tablesFromHeader ? TablesFromHeaderCaption : QString()));
    } catch (const rom::ProfileMismatch& mismatch) {
        ForgetRom();
        ShowFailure(QString::fromStdString(mismatch.what()), QString());
    } catch (const std::exception& e) {
        ForgetRom();
        ShowFailure(LoadErrorText, chosen + QStringLiteral(": ") + QString::fromStdString(e.what()));
    }
    UpdateSaveCommands(); // the session's saves of the ROM now open, if any
}

void Form1::ForgetRom() {
    // A refused ROM must leave nothing a save could act on: the window is as after a cancelled open,
    // with no move shown.
    RomPath.clear();
    GameCode.clear();
    List1->clear();
    cmdSave->setEnabled(false);
    for (QLineEdit* field : {txtNewName, txtPower, txtAcc, txtPP, txtEff}) {
        field->clear();
        field->setEnabled(false);
    }
    for (QComboBox* box : {cmbEffect, cmbType, cmbTarget}) {
        box->setCurrentIndex(-1);
        box->setEnabled(false);
    }
    ForgetRestOfRecord();
    ForgetProject();
    layout_ = rom::RecordLayout::Released;
    NameListEntries(rom::TypeValueNames({}, ""), rom::EffectValueNames(""));
    ShowRecordLayout();
    ForgetDescriptions();
    ForgetContest();
    ShowNotes({});
    setWindowTitle(WindowCaption);
}

} // namespace editor
