#pragma once
// The pieces the demo project's files are written from: the symbols of each family of values and the
// texts of the files under include/ and src/.

#include "tools/demo_rom/Project.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace demo::project_parts {

using ProjectFile = std::pair<std::filesystem::path, std::string>;

// The one symbol of each value of a family (value -> symbol), as the project's includes define them.
struct ProjectSymbols {
    std::map<int, std::string> types, effects, targets, contestEffects, categories, comboStarters;
    std::vector<std::pair<int, std::string>> flags; // bit -> symbol, in the order the layout writes them
};

bool HasContest(project::ProjectLayout layout);

// The families the moves use, with the layout's names.
ProjectSymbols SymbolsFor(project::ProjectLayout layout, const std::vector<DemoProjectMove>& moves);

// The value as its family's symbol, or as a decimal number when the family has none for it.
std::string SymbolOrNumber(const std::map<int, std::string>& family, int value);

// include/constants/*.h: moves, effects, types and flags, targets, contest values, the name length.
std::vector<ProjectFile> ConstantFiles(project::ProjectLayout layout,
                                       const std::vector<DemoProjectMove>& moves,
                                       const ProjectSymbols& symbols);

// The layout's files under src/: records, names, descriptions and (R/S, Emerald) contest records.
std::vector<ProjectFile> SourceFiles(project::ProjectLayout layout, const std::vector<DemoProjectMove>& moves,
                                     const ProjectSymbols& symbols);

// charmap.txt: every character of the game's table, the line break and a brace escape.
std::string CharmapText();

// The contents of a C string literal for a game text ("\n" for the line break, CR LF or LF).
std::string CLiteralContents(const std::string& text);

} // namespace demo::project_parts
