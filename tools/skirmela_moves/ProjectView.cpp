#include "tools/skirmela_moves/ProjectView.h"

#include "rom/MoveDescriptions.h"

#include <algorithm>
#include <cctype>

namespace moves {
namespace {

bool IsGbaFile(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return extension == ".gba";
}

rom::DescriptionTable DescriptionsOf(const project::OpenedProject& opened) {
    rom::DescriptionTable table;
    table.section = "the project's descriptions";
    table.profileGivesTable = true;
    table.box = project::DescriptionBoxOf(opened.layout);
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

rom::ContestData ContestOf(const project::OpenedProject& opened) {
    rom::ContestData contest;
    if (!opened.hasContest) return contest;
    contest.inProfile = true;
    for (const project::ProjectMove& m : opened.moves) {
        if (!m.contest) break;
        contest.moves.push_back(*m.contest);
    }
    if (contest.moves.empty()) contest.unavailable = "the project's contest moves were not read";
    return contest;
}

} // namespace

std::optional<std::filesystem::path> ProjectRootOf(const std::filesystem::path& path) {
    // A name that names nothing is no project, even inside one: the ROM's open says it is missing.
    std::error_code error;
    if (IsGbaFile(path) || !std::filesystem::exists(path, error)) return std::nullopt;
    return project::FindProjectRoot(path);
}

ValueWords WordsOfSymbols(const project::ValueSymbols& symbols) {
    ValueWords words;
    words.shown = symbols.shownAs;
    for (const auto& [value, names] : symbols.symbols)
        for (const std::string& name : names) words.typed.emplace(name, value);
    for (const auto& [value, text] : symbols.shownAs) words.typed.emplace(text, value);
    return words;
}

TableView ViewOfProject(const project::OpenedProject& opened) {
    TableView view;
    for (const project::ProjectMove& m : opened.moves)
        view.rows.push_back({m.move, m.name, m.entry, m.bytes});
    view.descriptions = DescriptionsOf(opened);
    view.contest = ContestOf(opened);
    view.effectWords = WordsOfSymbols(opened.effects);
    view.typeWords = WordsOfSymbols(opened.types);
    view.targetWords = WordsOfSymbols(opened.targets);
    if (opened.hasContest) view.contestEffectWords = WordsOfSymbols(opened.contestEffects);
    return view;
}

} // namespace moves
