#include "editor/Form1.h"

#include "editor/WindowLayout.h"

#include <QPlainTextEdit>
#include <QTabWidget>

namespace editor {
namespace {

constexpr int Margin = 6;

} // namespace

void Form1::CreateNotesControls() {
    pageNotes = new QWidget;
    pageNotes->setObjectName(QStringLiteral("pageNotes"));
    tabMore->addTab(pageNotes, QStringLiteral("Notes"));
    txtNotes = new QPlainTextEdit(pageNotes);
    txtNotes->setObjectName(QStringLiteral("txtNotes"));
    txtNotes->setReadOnly(true);
    txtNotes->setToolTip(QStringLiteral("What the open found of this ROM besides its moves: tables that lie "
                                        "elsewhere than the game's profile says, names that were not read."));
    // The page's client area: the tab bar takes the top of the pages' height.
    txtNotes->setGeometry(Margin, Margin, PagesWidth - 2 * Margin - 4, PagesHeight - 2 * Margin - 26);
    ShowNotes({});
}

void Form1::ShowNotes(const std::vector<std::string>& notes) {
    QStringList lines;
    for (const std::string& note : notes)
        if (!note.empty()) lines << QString::fromStdString(note);
    txtNotes->setPlainText(lines.join(QStringLiteral("\n\n")));
    // A ROM read as its profile says has nothing to tell: no page.
    tabMore->setTabVisible(tabMore->indexOf(pageNotes), !lines.isEmpty());
}

} // namespace editor
