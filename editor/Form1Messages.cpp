#include "editor/Form1.h"

#include <iostream>

namespace editor {

void Form1::ShowFailure(const QString& text, const QString& cause) {
    // The box keeps its fixed text; what went wrong is its detail, and goes to the terminal too, for
    // whoever started the editor from one.
    if (!cause.isEmpty()) std::cerr << "skirmela: " << cause.toStdString() << std::endl;
    dialogs_.ShowMessage(text, MessageTitle, MessageIcon::Critical, cause);
}

} // namespace editor
