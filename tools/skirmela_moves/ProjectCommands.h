#pragma once
// The commands on a decompilation project: a folder (or a file inside one) is taken wherever a ROM
// is, read through the project store and written back by it, all files or none.

#include "project/ProjectStore.h"
#include "tools/skirmela_moves/CommandLine.h"
#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/ImportCheck.h"
#include "tools/skirmela_moves/TableView.h"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace moves {

// Reads the project at root; path is the argument it was named by. Throws CommandFailed
// (ExitFileError) with the file and line of what cannot be read.
project::OpenedProject OpenProjectAt(const std::filesystem::path& path, const std::filesystem::path& root);

// Throws CommandFailed (ExitBadInput) when output (what: "the export file") is an existing file the
// project at root is read from: one under include/ or src/, charmap.txt or the Makefile.
void CheckOutputIsNoProjectFile(const std::filesystem::path& root, const std::filesystem::path& output,
                                const char* what);

// Throws CommandFailed (ExitBadInput) when path names a project: what ("profile") works on ROMs only;
// why says what to do instead.
void RefuseProject(const std::filesystem::path& path, const std::string& what, const std::string& why);

// The table that import takes to put back every field the changes alter, by values and texts only
// (name, record fields as numbers, contest fields, description text): importing it into the changed
// project puts its files back. Never fails.
std::string ProjectUndoCsv(const std::vector<MoveChange>& changes, const TableView& table);

// What the project store is to change for the checked changes. Throws CommandFailed (ExitBadInput)
// for a change a project cannot take (a description given by pointer and bytes).
std::vector<project::MoveChange> ProjectChanges(const std::vector<MoveChange>& changes,
                                                const project::OpenedProject& opened);

// Checks, reports and writes the records of an import or a set into the project, as ApplyRecords
// does for a ROM: --dry-run, --undo and --backup (a copy of each file the change rewrites) alike.
int ApplyProjectRecords(const CommandLine& cl, const project::OpenedProject& opened,
                        const std::vector<CsvRecord>& records,
                        const std::function<std::string(const CellError&)>& describe, std::ostream& out,
                        std::ostream& err);

} // namespace moves
