#include "editor/Form1.h"

#include "chameleon_button/chameleonButton.h"
#include "editor/GameCode.h"
#include "rom/ReadINI.h"

namespace editor {

void Form1::cmdOpen_Click() {
    try {
        RomPath.clear();
        RomPath = dialogs_.ChooseFileToOpen(QStringLiteral("Open a Pokemon Advance ROM..."),
                                            QStringLiteral("GBA ROM (*.gba)|*.gba"));
        if (RomPath.isEmpty()) {
            List1->clear();
            cmdSave->setEnabled(false);
            return;
        }
        cmdSave->setEnabled(true);

        GameCode = QString::fromLatin1(ReadGameCode(RomPath.toStdString()));
        const auto profile = ProfilePath(programDir_.toStdString(), GameCode.toLatin1().toStdString());
        txtStart->setText(QString::fromStdString(rom::ReadIniValue(profile, "Nameoffset", "offset")));
        txtDataOffset->setText(QString::fromStdString(rom::ReadIniValue(profile, "Dataoffset", "offset")));
        cmdAdd_Click();
        setWindowTitle(WindowCaption + QStringLiteral(" - ") + GameCode);
    } catch (const std::exception&) {
        dialogs_.ShowMessage(LoadErrorText, MessageTitle, MessageIcon::Critical);
    }
}

} // namespace editor
