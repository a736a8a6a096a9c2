#include "project/ProjectTables.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace project {

std::optional<std::filesystem::path> ProjectToOpen(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::error_code error;
    if (extension == ".gba" || !std::filesystem::exists(path, error)) return std::nullopt;
    return FindProjectRoot(path);
}

rom::DescriptionTable DescriptionTableOf(const OpenedProject& opened) {
    rom::DescriptionTable table;
    table.section = "the project's descriptions";
    table.profileGivesTable = true;
    table.box = DescriptionBoxOf(opened.layout);
    for (std::size_t k = 1; k < opened.moves.size(); ++k) {
        rom::MoveDescription d;
        d.text = opened.moves[k].description.value_or("");
        std::string fault;
        d.bytes = rom::EncodeDescription(d.text, fault).value_or(std::vector<std::uint8_t>{0xFF});
        table.moves.push_back(std::move(d));
    }
    if (table.moves.empty()) table.unavailable = "the project has no move past move 0";
    return table;
}

rom::ContestData ContestDataOf(const OpenedProject& opened) {
    rom::ContestData contest;
    if (!opened.hasContest) return contest;
    contest.inProfile = true;
    for (const ProjectMove& m : opened.moves) {
        if (!m.contest) break; // the contest records end where the project's list ends
        contest.moves.push_back(*m.contest);
    }
    if (contest.moves.empty()) contest.unavailable = "the project's contest moves were not read";
    return contest;
}

} // namespace project
