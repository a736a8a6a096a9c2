#include "tools/skirmela_moves/TableView.h"

namespace moves {

std::vector<std::string> TableView::MoveNames() const {
    std::vector<std::string> names;
    names.reserve(rows.size());
    for (const rom::MoveRow& row : rows) names.push_back(row.name);
    return names;
}

TableView ViewOfRom(const rom::OpenedRom& rom) {
    return {rom.rows,         rom.at.descriptions, rom.at.contest,
            rom.at.typeNames, rom.at.effectNames,  rom.at.recordLayout.layout};
}

} // namespace moves
