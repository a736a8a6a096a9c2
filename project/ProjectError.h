#pragma once
// The error of a project that cannot be read or changed: its message names the file and line
// ("src/data/battle_moves.h:120: .power = POWER_X: POWER_X is not defined"). Nothing was written.

#include <stdexcept>

namespace project {

class ProjectError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace project
