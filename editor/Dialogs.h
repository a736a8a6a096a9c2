#pragma once
// The window's modal dialogs, behind one small interface so tests can answer them.

#include <QString>

namespace editor {

enum class MessageIcon { Information, Critical };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // The full path of the file the user chose, or "" when the dialog was cancelled.
    virtual QString ChooseFileToOpen(const QString& title, const QString& filter) = 0;
    // The full path of the file the user chose to write, proposed as suggested, or "" when cancelled.
    virtual QString ChooseFileToSave(const QString& title, const QString& filter,
                                     const QString& suggested) = 0;
    // A modal message with one OK button; details, where given, say what lies behind it (which file,
    // what was wrong, what to do) and are shown on request.
    virtual void ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                             const QString& details = QString()) = 0;
};

// The platform's file dialog and message boxes. The filter is written "Description|*.ext".
class QtDialogs : public Dialogs {
  public:
    QString ChooseFileToOpen(const QString& title, const QString& filter) override;
    QString ChooseFileToSave(const QString& title, const QString& filter, const QString& suggested) override;
    void ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                     const QString& details = QString()) override;
};

} // namespace editor
