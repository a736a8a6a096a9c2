#pragma once
// The tool's view of a decompilation project's move table: the rows, descriptions and contest records
// the project's files hold, and its values shown as the project names them (the program's text where
// the project's symbol is the released games' one, the project's symbol otherwise).

#include "project/ProjectStore.h"
#include "tools/skirmela_moves/TableView.h"

#include <filesystem>
#include <optional>

namespace moves {

// The project's root when path names a project's folder or an existing file inside one; nullopt for
// a ROM (a file ending in .gba is always one) and for anything else. Never fails.
std::optional<std::filesystem::path> ProjectRootOf(const std::filesystem::path& path);

// The words of a family of the project's values: each value shown as the project shows it, and
// typed by any of its symbols or by its shown text. Never fails.
ValueWords WordsOfSymbols(const project::ValueSymbols& symbols);

// The view of an opened project. Never fails.
TableView ViewOfProject(const project::OpenedProject& opened);

} // namespace moves
