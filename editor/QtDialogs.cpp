#include "editor/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace editor {

QString QtDialogs::ChooseFileToOpen(const QString& title, const QString& filter) {
    // "GBA ROM (*.gba)|*.gba": the description already shows the pattern Qt filters by. A second
    // choice shows the files of a decompilation project, which opens through any file in it.
    const QString qtFilter =
        filter.section('|', 0, 0) + QStringLiteral(";;Decompilation project (Makefile *.c *.h)");
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QString(), qtFilter);
}

QString QtDialogs::ChooseFileToSave(const QString& title, const QString& filter, const QString& suggested) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggested,
                                        filter.section('|', 0, 0));
}

void QtDialogs::ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                            const QString& details) {
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information, title,
                    text, QMessageBox::Ok, QApplication::activeWindow());
    if (!details.isEmpty()) box.setDetailedText(details); // the box's "Show Details..." part
    box.exec();
}

} // namespace editor
