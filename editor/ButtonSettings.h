#pragma once
// The stored settings of the window's buttons, as the window's layout keeps them: lower-case
// keys, read by the button without regard to case.

#include "chameleon_button/PropertyBag.h"

#include <QString>

namespace editor {

// The settings of "cmdOpen", "cmdSave", "cmdAdd", "cmdMore", "cmdUndo", "cmdRedo" or "cmdExportPatch".
chameleon_button::PropertyBag StoredButtonSettings(const QString& buttonName);

} // namespace editor
