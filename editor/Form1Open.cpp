#include "editor/Form1.h"

#include "chameleon_button/chameleonButton.h"
#include "editor/GameCode.h"
#include "rom/MoveTables.h"
#include "rom/ReadINI.h"
#include "rom/RomHeader.h"

#include <filesystem>

namespace editor {

void Form1::cmdOpen_Click() {
    RomPath.clear();
    const QString chosen = dialogs_.ChooseFileToOpen(QStringLiteral("Open a Pokemon Advance ROM..."),
                                                     QStringLiteral("GBA ROM (*.gba)|*.gba"));
    if (chosen.isEmpty()) {
        List1->clear();
        cmdSave->setEnabled(false);
        return;
    }
    OpenChosenRom(chosen);
}

void Form1::OpenChosenRom(const QString& chosen) {
    try {
        // Everything is verified before the window takes the ROM: the tables are read, shown and
        // saved through the two offsets resolved here, or not at all.
        const std::filesystem::path rom = chosen.toStdString();
        GameCode = QString::fromLatin1(ReadGameCode(rom));
        const std::filesystem::path profile =
            ProfilePath(programDir_.toStdString(), GameCode.toLatin1().toStdString());
        const rom::MoveTables tables =
            rom::ResolveMoveTables(rom::ReadRomHeader(rom), [&profile](const std::string& section) {
                return rom::ReadIniValue(profile, section, "offset");
            });

        RomPath = chosen;
        cmdSave->setEnabled(true);
        txtStart->setText(QString::number(tables.nameStart));
        txtDataOffset->setText(QString::number(tables.dataOffset));
        cmdAdd_Click();
        setWindowTitle(WindowCaption + QStringLiteral(" - ") + GameCode);
    } catch (const rom::ProfileMismatch& mismatch) {
        ForgetRom();
        dialogs_.ShowMessage(QString::fromStdString(mismatch.what()), MessageTitle, MessageIcon::Critical);
    } catch (const std::exception&) {
        ForgetRom();
        dialogs_.ShowMessage(LoadErrorText, MessageTitle, MessageIcon::Critical);
    }
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
        box->setPlaceholderText(QString());
        box->setCurrentIndex(-1);
        box->setEnabled(false);
    }
    keptListBytes_.fill(std::nullopt);
    setWindowTitle(WindowCaption);
}

} // namespace editor
