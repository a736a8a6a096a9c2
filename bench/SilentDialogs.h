#pragma once
// Dialogs for benchmarks of the window: the file dialog answers with one file, messages are dropped.

#include "editor/Dialogs.h"

class SilentDialogs : public editor::Dialogs {
  public:
    QString file;
    QString ChooseFileToOpen(const QString&, const QString&) override { return file; }
    QString ChooseFileToSave(const QString&, const QString&, const QString&) override { return {}; }
    void ShowMessage(const QString&, const QString&, editor::MessageIcon, const QString&) override {}
};
