// A second floor of start-up: one widget with one line of text, so the font set-up that any window
// with text pays is included.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Name:"));
    window.resize(465, 225);
    window.show();
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    const int status = app.exec();
    std::_Exit(status);
}
