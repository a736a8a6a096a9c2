#pragma once
// Dialogs that answer from a script and record every message, for driving the window in tests.

#include "editor/Dialogs.h"

#include <QStringList>
#include <deque>
#include <vector>

struct RecordedMessage {
    QString text, title;
    editor::MessageIcon icon;
    QString details;
};

class FakeDialogs : public editor::Dialogs {
  public:
    std::deque<QString> filesToChoose; // answers of the file dialog, "" = cancel
    std::vector<RecordedMessage> messages;
    QString lastTitle, lastFilter, lastSuggested;

    QString ChooseFileToOpen(const QString& title, const QString& filter) override {
        lastTitle = title, lastFilter = filter;
        if (filesToChoose.empty()) return {};
        QString answer = filesToChoose.front();
        filesToChoose.pop_front();
        return answer;
    }
    QString ChooseFileToSave(const QString& title, const QString& filter, const QString& suggested) override {
        lastSuggested = suggested;
        return ChooseFileToOpen(title, filter);
    }
    void ShowMessage(const QString& text, const QString& title, editor::MessageIcon icon,
                     const QString& details = QString()) override {
        messages.push_back({text, title, icon, details});
    }
};

#include <ostream>

// Lets test failures show QStrings as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
