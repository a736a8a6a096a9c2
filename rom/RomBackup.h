#pragma once
// Backups of a ROM before it is written: a copy of the file as it is, in the user's state folder,
// named after the ROM's file name, a tag of its full path and the date and time; the newest 20 of
// each ROM are kept. ROMs of the same file name in different folders never share backups.

#include "rom/RomError.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rom {

// A backup could not be made: the folder cannot be found or created, or the copy failed.
class BackupError : public FileAccessError {
  public:
    using FileAccessError::FileAccessError;
};

// The value of an environment variable, or nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The variables of the running process. Never fails.
std::optional<std::string> ProcessEnvironment(const std::string& name);

// How many backups of one ROM name are kept.
inline constexpr std::size_t BackupsKept = 20;

// $XDG_STATE_HOME/skirmela/backups, or $HOME/.local/state/skirmela/backups when XDG_STATE_HOME is
// unset, empty or not absolute. Throws BackupError when HOME is needed and unset, empty or not absolute.
std::filesystem::path BackupFolder(const EnvironmentLookup& environment = ProcessEnvironment);

// Eight hexadecimal digits that tell rom's full path (links followed) from any other: the same for
// the same path on every run. Never fails.
std::string RomTag(const std::filesystem::path& rom);

// The name of a backup of rom made at `when` (UTC), the sequence-th within that second:
// "/roms/game.gba" gives "game.1f2e3d4c.20250131T140509Z-001.gba" (1f2e3d4c its RomTag), so that the
// names of one ROM's backups sort as they were taken. Never fails.
std::string BackupName(const std::filesystem::path& rom, std::chrono::system_clock::time_point when,
                       int sequence = 1);

// The backups of rom in folder, oldest first: those named for its path (BackupName), and those that
// older versions named after the ROM's file name alone ("game.20250131T140509Z.gba",
// "game.20250131T140509Z-2.gba"), which count as older than the current names of the same second.
// Never fails: a folder that is missing or cannot be read has none.
std::vector<std::filesystem::path> BackupsOf(const std::filesystem::path& rom,
                                             const std::filesystem::path& folder);

struct BackupResult {
    std::filesystem::path backup;               // the copy just made
    std::vector<std::filesystem::path> removed; // older backups of the same ROM, removed
};

// Copies rom, as it is, into folder (created when missing) under BackupName(rom, now, n), n one more
// than the highest of that second, flushed to the disk, then removes the oldest backups of rom
// (BackupsOf) until `keep` (at least 1) are left; the copy just made is never removed. A caller
// that is about to write checks first that rom may be written (files::CheckWritable), so that a
// refused write makes no backup and removes none. Throws BackupError naming the file and the reason when the
// copy cannot be made; a part written is removed first. An old backup that cannot be removed is left,
// silently.
BackupResult BackUpRom(const std::filesystem::path& rom, const std::filesystem::path& folder,
                       std::chrono::system_clock::time_point now = std::chrono::system_clock::now(),
                       std::size_t keep = BackupsKept);

} // namespace rom
