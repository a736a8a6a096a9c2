#include "tools/skirmela_moves/ProjectView.h"

#include "project/ProjectTables.h"

#include "rom/MoveDescriptions.h"

#include <algorithm>
#include <cctype>

namespace moves {
namespace {} // namespace

std::optional<std::filesystem::path> ProjectRootOf(const std::filesystem::path& path) {
    return project::ProjectToOpen(path);
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
    view.descriptions = project::DescriptionTableOf(opened);
    view.contest = project::ContestDataOf(opened);
    view.effectWords = WordsOfSymbols(opened.effects);
    view.typeWords = WordsOfSymbols(opened.types);
    view.targetWords = WordsOfSymbols(opened.targets);
    if (opened.hasContest) view.contestEffectWords = WordsOfSymbols(opened.contestEffects);
    return view;
}

} // namespace moves
