// Opening a project: its root and layout, its defines and charmap, then each table of its moves.

#include "project/ProjectStore.h"

#include "project/ProjectSources.h"
#include "rom/MoveBytes.h"

namespace project {
namespace {

inline const std::filesystem::path MovesHeader = "include/constants/moves.h";

int MoveCount(const Defines& defines) {
    const Evaluation count = defines.Value("MOVES_COUNT");
    const std::string at = defines.PlaceOf("MOVES_COUNT").value_or(Place{MovesHeader, 0}).Text();
    if (!count.value) throw ProjectError(at + ": MOVES_COUNT: " + count.whyNot);
    if (*count.value < 1 || *count.value > rom::MaxMoveCount)
        throw ProjectError(at + ": MOVES_COUNT is " + std::to_string(*count.value) + ", outside 1 to " +
                           std::to_string(rom::MaxMoveCount));
    return static_cast<int>(*count.value);
}

// Moves 0 to count - 1, each with the first MOVE_ symbol of include/constants/moves.h that has its number.
std::vector<ProjectMove> NumberedMoves(const Defines& defines, int count) {
    std::vector<ProjectMove> moves(count);
    for (int k = 0; k < count; ++k) moves[k].move = k;
    for (const auto& [symbol, value] : defines.WithPrefix("MOVE_")) {
        const auto place = defines.PlaceOf(symbol);
        if (value < 0 || value >= count || !place || place->file != MovesHeader) continue;
        if (moves[value].symbol.empty()) moves[value].symbol = symbol;
    }
    return moves;
}

} // namespace

OpenedProject OpenProject(const std::filesystem::path& path) {
    const std::optional<std::filesystem::path> root = FindProjectRoot(path);
    if (!root)
        throw ProjectError(path.generic_string() +
                           ": no decompilation project (no folder from here upward holds a Makefile and "
                           "include/constants/moves.h)");
    OpenedProject project;
    project.root = *root;
    project.layout = RecogniseLayout(*root);
    project.defines = Defines::ReadIncludeFolder(*root);
    project.charmap = Charmap::Read(*root);
    project.moves = NumberedMoves(project.defines, MoveCount(project.defines));

    auto sources = std::make_shared<OpenedProject::Sources>();
    const LayoutFiles files = FilesOf(project.layout);
    ReadRecords(project.defines, CFile::Read(*root, files.records), project.moves, *sources);
    ReadNames(project.defines, project.charmap, CFile::Read(*root, files.names), project.moves, *sources);
    ReadDescriptions(project.defines, project.charmap, CFile::Read(*root, files.descriptions), project.moves,
                     *sources);
    if (!files.contest.empty()) {
        ReadContestMoves(project.defines, CFile::Read(*root, files.contest), project.moves, *sources);
        project.hasContest = true;
    }
    project.sources = std::move(sources);
    FillValueSymbols(project);
    return project;
}

} // namespace project
