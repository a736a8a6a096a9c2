#pragma once
// The texts of the window's undo, redo and patch export.

#include <QString>

namespace editor {

inline const QString UndoText = QStringLiteral("&Undo save");
inline const QString RedoText = QStringLiteral("&Redo save");
inline const QString ExportPatchText = QStringLiteral("&Export patch...");
// Why a command at the foot of the grown window is disabled.
inline const QString NoRomTip = QStringLiteral("No ROM is open: open one and save a move first");
inline const QString NothingToUndoTip =
    QStringLiteral("Nothing to undo: no save of this ROM in this session (or another program changed it)");
inline const QString NothingToRedoTip = QStringLiteral("Nothing to redo: no save of this ROM was undone");
inline const QString NoBackupYetTip =
    QStringLiteral("The patch is made against the backup the first save of this ROM in this session makes; "
                   "save a move first");
inline const QString NothingToUndoInProjectTip = QStringLiteral(
    "Nothing to undo: no save of this project in this session (or another program changed its files)");
inline const QString ProjectPatchTip =
    QStringLiteral("A project has no patch here: its history is the project's own version control");
inline const QString ProjectHistoryRefusedText =
    QStringLiteral("The project's files were changed by another program since they were saved here, so the "
                   "saves of this session can no longer be undone or redone. Nothing was written.");
inline const QString ProjectHistoryErrorText =
    QStringLiteral("The project's files could not be read or written; nothing of them was changed.");
inline const QString HistoryRefusedText =
    QStringLiteral("The ROM was changed by another program since it was saved here, so the saves of this "
                   "session can no longer be undone or redone. Nothing was written.");
inline const QString HistoryErrorText =
    QStringLiteral("The ROM could not be read or written; nothing of it was changed.");
inline const QString PatchTitle = QStringLiteral("Export patch...");
inline const QString PatchFilter = QStringLiteral("BPS patch (*.bps)|*.bps");
inline const QString PatchWrittenText =
    QStringLiteral("The patch of the ROM against its backup was written.");
inline const QString PatchErrorText = QStringLiteral("The patch could not be written.");
inline const QString NoBackupText =
    QStringLiteral("No backup of the ROM could be made, so nothing was saved: ");

} // namespace editor
