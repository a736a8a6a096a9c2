// Skirmela Professional: starts the editor window; profiles are read from Data/ beside the program.

#include "editor/Form1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    editor::QtDialogs dialogs;
    editor::Form1 window(QCoreApplication::applicationDirPath(), dialogs);
    window.show();
    return app.exec();
}
