#pragma once
// What the tool's listings, exports, diffs and imports read of one opened move table: its rows, its
// descriptions and contest data, the names its type and effect values are shown and typed by, and what
// record bytes 9 to 11 hold. A ROM fills it (ViewOfRom); any other store of moves fills the same
// struct, and those commands never look past it.

#include "rom/ContestData.h"
#include "rom/MoveBytes.h"
#include "rom/MoveDescriptions.h"
#include "rom/OpenMoveTables.h"
#include "rom/RecordLayout.h"
#include "rom/ValueNames.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace moves {

// A store's own words for the values of one list field (a project's symbols): the text each value is
// shown by, and the words typed for a value beside the program's texts and numbers.
struct ValueWords {
    std::map<int, std::string> shown;
    std::map<std::string, int, std::less<>> typed;
};

struct TableView {
    std::vector<rom::MoveRow> rows; // moves 0 to N - 1, move k at k
    // The moves' descriptions; nullopt for a store that keeps none (no description column at all).
    std::optional<rom::DescriptionTable> descriptions{};
    rom::ContestData contest{}; // no contest columns unless Available()
    rom::ValueNames typeNames = rom::TypeValueNames({}, "");
    rom::ValueNames effectNames = rom::EffectValueNames("");
    rom::RecordLayout layout = rom::RecordLayout::Released;
    // A project's words for effects, types, targets and contest effects; none for a ROM.
    std::optional<ValueWords> effectWords{}, typeWords{}, targetWords{}, contestEffectWords{};

    const rom::DescriptionTable* Descriptions() const { return descriptions ? &*descriptions : nullptr; }
    // Whether the table's moves have contest columns.
    bool HasContest() const { return contest.Available(); }
    // The moves' names, move k at k (the combo texts name moves by them). Never fails.
    std::vector<std::string> MoveNames() const;
};

// The view of an opened ROM: every part of it copied from what the open read.
TableView ViewOfRom(const rom::OpenedRom& rom);

} // namespace moves
