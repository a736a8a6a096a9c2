#pragma once
// The saves of one window session and the way back: before the first write to a ROM a backup of it,
// and for every save the bytes it changed (offset, before, after), so that it can be undone and
// redone exactly, as long as no other program has changed the file since. No Qt.

#include "rom/ChangePlan.h"
#include "rom/RomBackup.h"
#include "rom/RomError.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace editor {

// An undo or redo refused because the file is not as the session left it; nothing has been written.
class HistoryRefused : public rom::RomError {
  public:
    using rom::RomError::RomError;
};

// One byte a save changed: what it held before and what the save left there.
struct ByteChange {
    std::int64_t offset = 0;
    std::uint8_t before = 0, after = 0;
    bool operator==(const ByteChange&) const = default;
};

// What tells one state of a file from another without reading it: size, modification time, inode.
struct FileStamp {
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uintmax_t inode = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file as it is. Throws rom::FileAccessError naming the file and the reason.
FileStamp StampOf(const std::filesystem::path& file);

// The bytes the plan changes in the file as it is: one entry an offset, in the order first written,
// before as the file holds it and after as the plan leaves it; offsets the plan leaves as they were
// are not listed. Throws rom::FileAccessError, rom::PositionError for a write outside the file.
std::vector<ByteChange> ChangesOf(const std::filesystem::path& file, const rom::ChangePlan& plan);

class SaveHistory {
  public:
    // backupFolder gives the folder the backups go to, asked before each backup (it may throw
    // rom::BackupError).
    explicit SaveHistory(std::function<std::filesystem::path()> backupFolder = [] {
        return rom::BackupFolder();
    });

    // Carries the plan out on rom (rom::ApplyPlan). A rom that may not be written throws
    // rom::FileAccessError with the reason (files::CheckWritable) before anything is backed up or
    // written. The first save of rom in the session backs rom up first; a backup that fails throws
    // rom::BackupError and nothing is written. The bytes the save
    // changes become the newest step to undo and the steps to redo are dropped. A save to another ROM
    // than the one of the steps, or to a file changed by another program since, forgets the steps.
    void Save(const std::filesystem::path& rom, const rom::ChangePlan& plan);

    bool CanUndo(const std::filesystem::path& rom) const;
    bool CanRedo(const std::filesystem::path& rom) const;

    // Puts back the bytes of the newest save (Undo) or writes again those of the newest undone one
    // (Redo), all or nothing. Throws HistoryRefused, forgetting every step, when the file's size,
    // modification time or inode differ from what the session left, or a byte of the step is not
    // what the session wrote; rom::FileAccessError when the file cannot be read or written.
    void Undo(const std::filesystem::path& rom);
    void Redo(const std::filesystem::path& rom);

    // The session's first backup of rom, if it made one.
    std::optional<std::filesystem::path> FirstBackup(const std::filesystem::path& rom) const;

  private:
    using Step = std::vector<ByteChange>;
    bool Holds(const std::filesystem::path& rom) const;
    void Forget();
    void Move(const std::filesystem::path& rom, std::vector<Step>& from, std::vector<Step>& to, bool undo);

    std::function<std::filesystem::path()> backupFolder_;
    std::map<std::filesystem::path, std::filesystem::path> firstBackups_; // by the ROM's canonical path
    std::filesystem::path rom_;                                           // the ROM of the steps
    FileStamp stamp_;                                                     // rom_ as the session left it
    std::vector<Step> undo_, redo_;
};

} // namespace editor
