#pragma once
// The undo table's three description cells read back into the restore they stand for: the pointer
// word, the text's bytes, and the bytes made FF again ("OFFSET:LENGTH", rom::FreedBytesCell).

#include "rom/MoveDescriptions.h"
#include "tools/skirmela_moves/ImportCheck.h"

#include <functional>
#include <optional>
#include <string>

namespace moves {

// The cells as given, blanks around them removed.
struct RestoreCells {
    std::string pointer, bytes, clear;
};

// A bad cell: the column (a description restore column) and the reason.
using RestoreFault = std::function<void(const char* column, std::string message)>;

// The restore the cells ask for, checked against the move's current description old: the pointer is
// 8 hex digits, the bytes the hex of a text ended by its one FF (at most rom::MaxDescriptionBytes),
// and the bytes made FF only the move's current text, only when the pointer leaves it. nullopt after
// reporting the first bad cell to fault.
std::optional<DescriptionRestore>
ReadDescriptionRestore(const rom::MoveDescription& old, const RestoreCells& cells, const RestoreFault& fault);

} // namespace moves
