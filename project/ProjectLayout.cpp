// Where a project's move data lies: the root (a Makefile and include/constants/moves.h), and the
// files of each of the three layouts.

#include "project/ProjectError.h"
#include "project/ProjectSources.h"

namespace project {
namespace {

bool IsFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool IsRoot(const std::filesystem::path& folder) {
    return IsFile(folder / "Makefile") && IsFile(folder / "include/constants/moves.h");
}

} // namespace

std::optional<std::filesystem::path> FindProjectRoot(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::absolute(path, ec).lexically_normal();
    if (ec) return std::nullopt;
    if (!std::filesystem::is_directory(folder, ec)) folder = folder.parent_path();
    while (true) {
        if (IsRoot(folder)) return folder;
        if (!folder.has_relative_path()) return std::nullopt;
        folder = folder.parent_path();
    }
}

LayoutFiles FilesOf(ProjectLayout layout) {
    switch (layout) {
    case ProjectLayout::fireRedLeafGreen:
        return {"src/data/battle_moves.h", "src/data/text/move_names.h", "src/move_descriptions.c", ""};
    case ProjectLayout::rubySapphire:
        return {"src/data/battle_moves.c", "src/data/text/move_names_en.h",
                "src/data/text/move_descriptions_en.h", "src/data/contest_moves.h"};
    case ProjectLayout::emerald:
        break;
    }
    return {"src/data/battle_moves.h", "src/data/text/move_names.h", "src/data/text/move_descriptions.h",
            "src/data/contest_moves.h"};
}

ProjectLayout RecogniseLayout(const std::filesystem::path& root) {
    const std::string unknown = root.generic_string() +
                                ": the moves of this project are not in a layout this "
                                "program knows (";
    if (IsFile(root / "src/data/battle_moves.c")) return ProjectLayout::rubySapphire;
    if (!IsFile(root / "src/data/battle_moves.h"))
        throw ProjectError(unknown + "no src/data/battle_moves.h or src/data/battle_moves.c)");
    if (IsFile(root / "src/move_descriptions.c")) return ProjectLayout::fireRedLeafGreen;
    if (IsFile(root / "src/data/text/move_descriptions.h")) return ProjectLayout::emerald;
    throw ProjectError(unknown + "no src/move_descriptions.c or src/data/text/move_descriptions.h)");
}

std::optional<rom::DescriptionBox> DescriptionBoxOf(ProjectLayout layout) {
    switch (layout) {
    case ProjectLayout::rubySapphire:
        return rom::GameDescriptionBox("AXVE");
    case ProjectLayout::emerald:
        return rom::GameDescriptionBox("BPEE");
    case ProjectLayout::fireRedLeafGreen:
        break;
    }
    return rom::GameDescriptionBox("BPRE");
}

} // namespace project
