#include "editor/Form1.h"

#include "chameleon_button/chameleonButton.h"
#include "editor/ButtonSettings.h"
#include "editor/HistoryTexts.h"
#include "editor/SavePlan.h"
#include "editor/WindowLayout.h"
#include "files/WholeFiles.h"
#include "files/WriteFiles.h"
#include "patch/Bps.h"
#include "rom/HexFunctions.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace editor {
namespace {

// A text field takes Ctrl+Z and Ctrl+Shift+Z for its own typing; with nothing of that to undo or
// redo, the keys go on to the window's undo and redo of saves.
class SaveShortcutsPassThrough : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Z || !(key->modifiers() & Qt::ControlModifier)) return false;
        const bool redo = key->modifiers() & Qt::ShiftModifier;
        if (const auto* field = qobject_cast<QLineEdit*>(watched))
            return redo ? !field->isRedoAvailable() : !field->isUndoAvailable();
        if (const auto* text = qobject_cast<QPlainTextEdit*>(watched))
            return redo ? !text->document()->isRedoAvailable() : !text->document()->isUndoAvailable();
        return false;
    }
};

} // namespace

void Form1::CreateSaveCommands() {
    const auto action = [this](const QString& text, const QKeySequence& keys, const QString& tip) {
        auto* a = new QAction(text, this);
        a->setShortcut(keys);
        a->setToolTip(tip);
        a->setEnabled(false);
        addAction(a); // the window's context menu and its shortcuts
        return a;
    };
    actUndo =
        action(UndoText, QKeySequence(Qt::CTRL | Qt::Key_Z), QStringLiteral("Undo the last save (Ctrl+Z)"));
    actRedo = action(RedoText, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                     QStringLiteral("Redo the save undone last (Ctrl+Shift+Z)"));
    actExportPatch =
        action(ExportPatchText, QKeySequence(),
               QStringLiteral("Write a BPS patch of the ROM against its backup from before the first save"));
    connect(actUndo, &QAction::triggered, this, [this] { Undo_Click(); });
    connect(actRedo, &QAction::triggered, this, [this] { Redo_Click(); });
    connect(actExportPatch, &QAction::triggered, this, [this] { ExportPatch_Click(); });
    setContextMenuPolicy(Qt::ActionsContextMenu);

    // At the foot of the grown window, after the pages in the tab order; their captions have no
    // access key (Alt+U and Alt+R belong to the frames above).
    const auto button = [this](QAction* a, const char* name, int column) {
        auto* b = new chameleonButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->ReadProperties(StoredButtonSettings(b->objectName()));
        b->setGeometry(PagesLeft + column * CommandPitch, CommandTop, CommandWidth, CommandHeight);
        b->setVisible(cmdMore->Value != 0);
        connect(b, &chameleonButton::Click, a, &QAction::trigger);
        connect(a, &QAction::enabledChanged, b, &QWidget::setEnabled);
        return b;
    };
    cmdUndo = button(actUndo, "cmdUndo", 0);
    cmdRedo = button(actRedo, "cmdRedo", 1);
    cmdExportPatch = button(actExportPatch, "cmdExportPatch", 2);
    UpdateSaveCommands();

    auto* passThrough = new SaveShortcutsPassThrough(this);
    for (QLineEdit* field : findChildren<QLineEdit*>()) field->installEventFilter(passThrough);
    txtDescription->installEventFilter(passThrough);
}

void Form1::UpdateSaveCommands() {
    if (project_) {
        actUndo->setEnabled(projectHistory_.CanUndo());
        actRedo->setEnabled(projectHistory_.CanRedo());
        actExportPatch->setEnabled(false);
        cmdUndo->setToolTip(actUndo->isEnabled() ? actUndo->toolTip() : NothingToUndoInProjectTip);
        cmdRedo->setToolTip(actRedo->isEnabled() ? actRedo->toolTip() : NothingToRedoTip);
        cmdExportPatch->setToolTip(ProjectPatchTip);
        return;
    }
    const std::filesystem::path rom = RomPath.toStdString();
    actUndo->setEnabled(history_.CanUndo(rom));
    actRedo->setEnabled(history_.CanRedo(rom));
    actExportPatch->setEnabled(history_.FirstBackup(rom).has_value());
    // A command that cannot run says why.
    const bool open = !RomPath.isEmpty();
    cmdUndo->setToolTip(actUndo->isEnabled() ? actUndo->toolTip() : open ? NothingToUndoTip : NoRomTip);
    cmdRedo->setToolTip(actRedo->isEnabled() ? actRedo->toolTip() : open ? NothingToRedoTip : NoRomTip);
    cmdExportPatch->setToolTip(actExportPatch->isEnabled() ? actExportPatch->toolTip()
                               : open                      ? NoBackupYetTip
                                                           : NoRomTip);
}

void Form1::SaveWithHistory(const std::filesystem::path& rom, const std::vector<PlannedWrite>& plan) {
    rom::ChangePlan writes;
    for (const PlannedWrite& w : plan) writes.push_back({w.offset, rom::ParseHexPair(w.pair)});
    try {
        history_.Save(rom, writes);
    } catch (const rom::BackupError& e) {
        UpdateSaveCommands();
        throw rom::BackupError(NoBackupText.toStdString() + e.what());
    } catch (...) {
        UpdateSaveCommands();
        throw;
    }
    UpdateSaveCommands();
}

void Form1::Undo_Click() {
    StepThroughHistory(true);
}

void Form1::Redo_Click() {
    StepThroughHistory(false);
}

void Form1::StepThroughHistory(bool undo) {
    if (project_) return StepThroughProjectHistory(undo);
    const std::filesystem::path rom = RomPath.toStdString();
    if (!(undo ? history_.CanUndo(rom) : history_.CanRedo(rom))) return;
    const int k = List1->currentRow();
    try {
        undo ? history_.Undo(rom) : history_.Redo(rom);
        RereadTables();
        // The list and the move shown come from the file as it is now.
        cmdAdd_Click();
        if (k >= 0) List1->setCurrentRow(k);
    } catch (const HistoryRefused& e) {
        ShowFailure(HistoryRefusedText, QString::fromStdString(e.what()));
    } catch (const std::exception& e) {
        ShowFailure(HistoryErrorText, RomPath + QStringLiteral(": ") + QString::fromStdString(e.what()));
    }
    UpdateSaveCommands();
}

void Form1::ExportPatch_Click() {
    if (project_) return; // a project's history is its own version control
    const std::filesystem::path rom = RomPath.toStdString();
    const std::optional<std::filesystem::path> backup = history_.FirstBackup(rom);
    if (!backup) return;
    const QFileInfo romInfo(RomPath);
    QString chosen = dialogs_.ChooseFileToSave(PatchTitle, PatchFilter,
                                               romInfo.dir().filePath(romInfo.completeBaseName() + ".bps"));
    if (chosen.isEmpty()) return;
    if (QFileInfo(chosen).suffix().isEmpty()) chosen += QStringLiteral(".bps");
    const std::filesystem::path out = chosen.toStdString();
    try {
        if (files::SameFile(out, rom) || files::SameFile(out, *backup))
            throw std::runtime_error("the patch would take the place of " +
                                     std::string(files::SameFile(out, rom) ? "the ROM" : "its backup") +
                                     "; nothing written");
        files::ReplaceFile(out, patch::CreateBps(files::ReadWholeFile(*backup), files::ReadWholeFile(rom)));
    } catch (const std::exception& e) {
        ShowFailure(PatchErrorText, chosen + QStringLiteral(": ") + QString::fromStdString(e.what()));
        return;
    }
    dialogs_.ShowMessage(PatchWrittenText, MessageTitle, MessageIcon::Information,
                         chosen + QStringLiteral(" turns ") + QString::fromStdString(backup->string()) +
                             QStringLiteral(" into ") + RomPath);
}

} // namespace editor
