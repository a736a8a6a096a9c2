// The floor of start-up: a Qt program that shows one empty widget and quits.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(465, 225);
    window.show();
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    const int status = app.exec();
    std::_Exit(status);
}
