// Starts the editor's window exactly as the program does and quits as soon as it is shown.

#include "editor/Form1.h"

#include <QApplication>
#include <QTimer>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    editor::QtDialogs dialogs;
    editor::Form1 window(QCoreApplication::applicationDirPath(), dialogs);
    window.show();
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    const int status = app.exec();
    // Quit without the farewell message: it waits for the user.
    std::_Exit(status);
}
