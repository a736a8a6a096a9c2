#include "editor/Form1.h"

#include "chameleon_button/chameleonButton.h"
#include "editor/ButtonSettings.h"

namespace editor {

void Form1::CreateButtons() {
    const auto button = [this](const char* name, int x, int y) {
        auto* b = new chameleonButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->ReadProperties(StoredButtonSettings(b->objectName()));
        b->setGeometry(x, y, 217, 41);
        return b;
    };
    cmdOpen = button("cmdOpen", 8, 176);
    cmdSave = button("cmdSave", 240, 176);
    cmdAdd = button("cmdAdd", -1000, -1000);
    cmdAdd->setVisible(false);

    connect(cmdOpen, &chameleonButton::Click, this, [this] { cmdOpen_Click(); });
    connect(cmdSave, &chameleonButton::Click, this, [this] {
        ClampFieldLeftBehind(); // the click may have moved the focus of a window that is not active
        cmdSave_Click();
    });
    connect(cmdAdd, &chameleonButton::Click, this, [this] {
        // Reached only from the keyboard; with no flow around it, a failure is the load error.
        try {
            cmdAdd_Click();
        } catch (const std::exception&) {
            dialogs_.ShowMessage(LoadErrorText, MessageTitle, MessageIcon::Critical);
        }
    });
}

} // namespace editor
