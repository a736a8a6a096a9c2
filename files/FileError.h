#pragma once
// The one error of the file layer, shared by the ROM layer, the patch library and the tools.

#include <stdexcept>
#include <string>

namespace files {

// A file could not be opened, read, written, created or replaced; the message names the file and
// the system's reason.
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace files
