// Skirmela Professional: starts the editor window, with the ROM named on the command line opened in it.

#include "app/EditorArguments.h"
#include "editor/Form1.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <iostream>

int main(int argc, char** argv) {
    // Read before Qt starts, so that --help and --version work without a display.
    const app::EditorArguments args =
        app::ParseEditorArguments(std::vector<std::string>(argv + 1, argv + argc));
    switch (args.action) {
    case app::EditorAction::help:
        std::cout << app::EditorUsageText();
        return 0;
    case app::EditorAction::version:
        std::cout << app::EditorVersionText();
        return 0;
    case app::EditorAction::usageError:
        std::cerr << "skirmela: " << args.error << "\n(skirmela --help shows the usage)\n";
        return app::ExitUsageError;
    case app::EditorAction::openWindow:
        break;
    }

    // Every argument was the editor's own: Qt is given the program name alone, so that a ROM named
    // like one of Qt's options is not taken by Qt.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    editor::QtDialogs dialogs;
    editor::Form1 window(QCoreApplication::applicationDirPath(), dialogs);
    window.show();
    if (args.rom) {
        // The file dialog gives a full path; a ROM named on the command line is taken the same way.
        const QString rom = QFileInfo(QFile::decodeName(args.rom->c_str())).absoluteFilePath();
        QTimer::singleShot(0, &window, [&window, rom] { window.OpenChosenRom(rom); });
    }
    return application.exec();
}
