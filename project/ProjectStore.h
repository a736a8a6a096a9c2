#pragma once
// A decompilation project's move table: the same moves a ROM holds (names, 12-byte records,
// descriptions, R/S/E contest records), read from the project's C files and written back by changing
// only the tokens of the values that changed.
//
// Layouts (paths from the project's root; every one has a Makefile and include/constants/moves.h):
//   fireRedLeafGreen  src/data/battle_moves.h, src/data/text/move_names.h, src/move_descriptions.c
//   rubySapphire      src/data/battle_moves.c, src/data/text/move_names_en.h,
//                     src/data/text/move_descriptions_en.h, src/data/contest_moves.h
//   emerald           src/data/battle_moves.h, src/data/text/move_names.h,
//                     src/data/text/move_descriptions.h, src/data/contest_moves.h

#include "project/Charmap.h"
#include "project/Defines.h"
#include "project/ProjectError.h"
#include "rom/ContestData.h"
#include "rom/MoveBytes.h"
#include "rom/MoveDescriptions.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace project {

enum class ProjectLayout { fireRedLeafGreen, rubySapphire, emerald };

// The game whose text box a layout's descriptions are shown in (its lines and their length).
std::optional<rom::DescriptionBox> DescriptionBoxOf(ProjectLayout layout);

// The project's root when path is a project's root folder or a file or folder inside one (the
// nearest folder upward with a Makefile and include/constants/moves.h); nullopt otherwise. Never
// fails.
std::optional<std::filesystem::path> FindProjectRoot(const std::filesystem::path& path);

struct ProjectMove {
    int move = 0;
    std::string symbol;                      // "MOVE_POUND"; "MOVE_NONE" for move 0
    std::string name;                        // as rom::DecodeGameBytes shows the name's game bytes
    rom::NameEntry entry{};                  // the name as the built ROM stores it: its bytes, FF, then 00
    rom::RecordBytes bytes{};                // as the built ROM holds the record: bytes 0 to 8, 9 to 11 zero
    std::optional<std::string> description;  // lines joined by "\n"; nullopt for move 0
    std::optional<rom::ContestMove> contest; // R/S/E; nullopt where the project has none
};

// The symbols a family of values is written with in the project ("TYPE_FAIRY" for 23), and the
// value's text: the program's own text where the project's symbol is the released games' one, the
// symbol otherwise.
struct ValueSymbols {
    std::map<int, std::vector<std::string>> symbols; // value -> every symbol of the family with it
    std::map<int, std::string> shownAs;              // value -> text shown (only values with a symbol)
};

struct OpenedProject {
    std::filesystem::path root;
    ProjectLayout layout = ProjectLayout::fireRedLeafGreen;
    Defines defines;
    Charmap charmap;
    std::vector<ProjectMove> moves; // moves 0 to MOVES_COUNT - 1
    ValueSymbols types, effects, targets, flags, contestEffects, contestCategories, comboStarters;
    bool hasContest = false;
    // Where each value was read, for the writer: opaque to the front ends.
    struct Sources;
    std::shared_ptr<const Sources> sources;
};

// Reads the project at root (or the project a file or folder belongs to). Throws ProjectError, with
// the file and line, for a tree that is no project or of a layout not known, a file that cannot be
// read, a block or a value that cannot be read, a symbol that is unknown or a cycle, a value out of
// its field's range.
OpenedProject OpenProject(const std::filesystem::path& path);

// What a save changes of one move; a field left nullopt is not changed.
struct MoveChange {
    int move = 0;
    std::optional<std::string> name; // display text as the window and the tool type it
    std::optional<rom::RecordBytes> bytes;
    std::optional<std::string> description;
    std::optional<rom::ContestMove> contest;
};

// The new text of one file of the project; before is the text it was read with.
struct FileRewrite {
    std::filesystem::path file; // relative to the root
    std::string before, after;
};

// The files a save of changes rewrites, each changed only in the tokens of the values that changed
// (a symbol where the project has exactly one for the value in its family, flags as | of the flag
// symbols in the order they were written, a number otherwise). Throws ProjectError, naming the move
// and field, for a name of more than 12 game characters or with a character the charmap lacks, a
// value out of its field's range, a value the project's block for the move does not hold and cannot
// take. Writes nothing.
std::vector<FileRewrite> PlanProjectChanges(const OpenedProject& project,
                                            std::span<const MoveChange> changes);

// Writes the rewrites all or nothing: every new file beside its original first, then each renamed
// in; if a rename fails, the files already renamed are put back from copies kept beside them, and
// the error is thrown (files::FileError). A file whose text on disk is no longer `before`, or beside
// which a copy is left from a save that did not finish (FILE.skirmela-undo), is refused before
// anything is written (ProjectError).
void WriteProjectFiles(const std::filesystem::path& root, const std::vector<FileRewrite>& rewrites);

} // namespace project
