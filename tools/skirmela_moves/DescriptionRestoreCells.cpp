#include "tools/skirmela_moves/DescriptionRestoreCells.h"

#include "tools/skirmela_moves/ImportCells.h"
#include "tools/skirmela_moves/MoveFields.h"

#include <algorithm>

namespace moves {

std::optional<DescriptionRestore> ReadDescriptionRestore(const rom::MoveDescription& old,
                                                         const RestoreCells& cells,
                                                         const RestoreFault& fault) {
    DescriptionRestore restore;
    const auto word = ParseHexCell(cells.pointer, 4);
    if (!word) {
        fault(DescriptionPointerColumn, ShownName(cells.pointer) + " is not 8 hex digits");
        return std::nullopt;
    }
    restore.pointer = static_cast<std::uint32_t>((*word)[0]) << 24 |
                      static_cast<std::uint32_t>((*word)[1]) << 16 |
                      static_cast<std::uint32_t>((*word)[2]) << 8 | (*word)[3];
    const auto text = ParseHexCell(cells.bytes, cells.bytes.size() / 2);
    if (!text || text->empty() || text->size() > rom::MaxDescriptionBytes ||
        std::find(text->begin(), text->end(), 0xFF) != text->end() - 1) {
        fault(DescriptionBytesColumn, ShownName(cells.bytes) +
                                          " is not the hex of a text ended by its one FF, at most " +
                                          std::to_string(rom::MaxDescriptionBytes) + " bytes");
        return std::nullopt;
    }
    restore.bytes = *text;
    if (!cells.clear.empty()) {
        // Only the move's current text may be made free space again, and only when the pointer
        // leaves it.
        const std::string expected = rom::FreedBytesCell(old.textOffset, old.bytes.size());
        if (cells.clear != expected || restore.pointer == old.pointer) {
            fault(DescriptionClearColumn, ShownName(cells.clear) + " is not the move's current text " +
                                              expected + " left by the pointer");
            return std::nullopt;
        }
        restore.clear = {{old.textOffset, static_cast<std::int64_t>(old.bytes.size())}};
    }
    return restore;
}

} // namespace moves
