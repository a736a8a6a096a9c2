#pragma once
// skirmela-moves patch create, apply and info: patch files between ROM images, no move table needed.

#include <iosfwd>
#include <string>
#include <vector>

namespace moves {

// Runs "skirmela-moves patch ..." with args, the words after "patch": results on out, messages on err
// (each prefixed "skirmela-moves: "). Returns 0 when done, 1 for bad input (arguments, a patch that is
// damaged or for another ROM, an output that is an input), 2 when a file cannot be read or written;
// on 1 and 2 no file has changed. Never throws.
int RunPatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace moves
