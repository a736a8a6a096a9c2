#pragma once
// A project's moves in the shapes both front ends show a ROM's in: its descriptions as a description
// table, its contest records as contest data; and which path a user's choice opens as a project.

#include "project/ProjectStore.h"
#include "rom/ContestData.h"
#include "rom/MoveDescriptions.h"

#include <filesystem>
#include <optional>

namespace project {

// The project that opening path means: none for a .gba file (always a ROM, even inside a project)
// or a path that names nothing (the ROM's open then says it is missing); else the project the
// folder or file belongs to, if any. Never fails.
std::optional<std::filesystem::path> ProjectToOpen(const std::filesystem::path& path);

// Moves 1 on with their texts (a move without one has an empty text) and the layout's box; no
// pointers: a project's texts are written through its files.
rom::DescriptionTable DescriptionTableOf(const OpenedProject& opened);

// The contest records of the moves the project's list holds (R/S/E); not in the profile for a
// project without contest data. The effects' table is not among a project's files: no effects.
rom::ContestData ContestDataOf(const OpenedProject& opened);

} // namespace project
