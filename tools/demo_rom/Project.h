#pragma once
// A synthetic decompilation project of the demo moves, in the files and the C style of one of the
// three projects (FireRed/LeafGreen, Ruby/Sapphire, Emerald), for tests, the benchmark and trying the
// editor on a project without any real game data.
//
// Its moves are the demo ROM's: for FireRed/LeafGreen those of MakeDemoRom(), for Ruby/Sapphire and
// Emerald those of MakeDemoRom(ContestLayout()) with its contest records. A project of another move
// count is grown as the demo maker grows a hack's table (MakeDemoRom with moved tables: the --hack
// layout for FireRed/LeafGreen, the contest layout for the others), types reaching 23 and effects
// reaching 253. What a project cannot hold differs from the ROM: record bytes 9 to 11 are 0, the
// contest category is bits 0-2 of byte 1 only, and a name is cut to 12 characters (move 13's
// "Thunderspiral" is "Thunderspira").

#include "project/ProjectStore.h"
#include "rom/ContestData.h"
#include "rom/MoveBytes.h"
#include "tools/demo_rom/DemoRom.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace demo {

inline constexpr int DemoProjectMoveCount = 355;
// The most moves a demo project holds: as many as a ROM's record table can reach.
inline constexpr int MaxDemoProjectMoves = 2730;

struct DemoProjectMove {
    std::string symbol;                      // "MOVE_EMBER_JAB"; "MOVE_NONE" for move 0
    std::string name;                        // display text as rom::DecodeGameBytes shows it
    rom::RecordBytes bytes{};                // bytes 0 to 8 as the ROM holds them, 9 to 11 zero
    std::optional<std::string> description;  // lines joined by "\n"; nullopt for move 0
    std::optional<rom::ContestMove> contest; // Ruby/Sapphire and Emerald; nullopt for FireRed/LeafGreen
};

// The moves 0 to moveCount - 1 of the layout's demo project. Throws std::invalid_argument for a
// move count outside 2 to MaxDemoProjectMoves.
std::vector<DemoProjectMove> DemoProjectMoves(project::ProjectLayout layout,
                                              int moveCount = DemoProjectMoveCount);

// The ROM image the project's build would give: the demo ROM its moves come from (the same layout and
// profile) with the project's moves written into its tables, so that the ROM and the project list
// the same: move 13's name cut to 12 characters, record bytes 9 to 11 zero, contest byte 1's bits 3
// to 7 clear. Throws std::invalid_argument for a move count outside 2 to MaxDemoProjectMoves, and for
// a count other than DemoProjectMoveCount in a layout with contest data (the ROM's contest table
// holds 355 moves).
DemoRom MakeDemoRomOfProject(project::ProjectLayout layout, int moveCount = DemoProjectMoveCount);

// Every file of the project (path relative to its root, text with LF line ends), in a fixed order;
// the same arguments always give the same texts.
std::vector<std::pair<std::filesystem::path, std::string>>
DemoProjectFiles(project::ProjectLayout layout, int moveCount = DemoProjectMoveCount);

// Writes the project's files into folder, which must be new or empty (std::invalid_argument
// otherwise, nothing written). Throws std::runtime_error when a file cannot be written, after
// removing the files it wrote.
void WriteDemoProject(project::ProjectLayout layout, const std::filesystem::path& folder,
                      int moveCount = DemoProjectMoveCount);

// The layout a command-line word names ("fireredleafgreen", "rubysapphire", "emerald"), or nullopt.
std::optional<project::ProjectLayout> DemoProjectLayoutNamed(std::string_view word);

} // namespace demo
