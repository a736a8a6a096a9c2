#pragma once
// The steps the commands that read and write a ROM share: opening it as the tool does, reading and
// writing the tables' files, and carrying out a checked plan with its undo table and backup.

#include "rom/ChangePlan.h"
#include "rom/OpenMoveTables.h"
#include "tools/skirmela_moves/CommandLine.h"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>

namespace moves {

// "1 move", "3 bytes". Never fails.
std::string Counted(std::size_t n, const std::string& noun);

// Opens the ROM through the profile folders of the command line (--data, else the standard ones) and
// says on err what the open noted and what it could not read. Throws CommandFailed.
rom::OpenedRom OpenRom(const CommandLine& cl, const std::filesystem::path& rom,
                       const std::filesystem::path& programDir, std::ostream& err);

// The text of file, or of in for "-". Throws CommandFailed.
std::string ReadTextFile(const std::filesystem::path& file, std::istream& in);

// Writes text to file through a new file beside it, or to out for "-". Throws CommandFailed.
void WriteTextFile(const std::filesystem::path& file, const std::string& text, std::ostream& out);

// A file the command writes must never take the place of what it reads: the ROM, the table being
// imported, or the game's profile. Files are told apart by identity, not by name. Throws CommandFailed.
void CheckOutputTarget(const CommandLine& cl, const std::filesystem::path& output, const char* what,
                       const std::filesystem::path& profile = {});
void CheckUndoTarget(const CommandLine& cl, const std::filesystem::path& profile = {});

// Carries out a checked plan as import and set do: the ROM is refused before anything is written when
// it may not be written; the undo table (--undo, its text from undoText) is written beside its place
// first and put in place once the ROM is written; the backup (--backup) comes before the ROM; a dry
// run or an empty change writes no ROM byte. summary ("2 changes in 1 move") leads the last line.
// Throws CommandFailed; ExitDone otherwise.
int WritePlan(const CommandLine& cl, const rom::ChangePlan& writes, bool changes,
              const std::function<std::string()>& undoText, const std::string& summary, std::ostream& out);

} // namespace moves
