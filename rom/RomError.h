#pragma once
// Errors of the ROM data layer. Every error the caller must handle is one of these types.

#include "files/FileError.h"

#include <stdexcept>
#include <string>

namespace rom {

// Base of every error raised by the ROM data layer.
class RomError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A hex pair handed to the byte writer does not denote a value 0 to 255.
class BadHexPair : public RomError {
  public:
    using RomError::RomError;
};

// A file could not be opened, read, written or created: the file layer's one error type.
using FileAccessError = files::FileError;

// A move number or table offset gives a position outside what the tables can address.
class PositionError : public RomError {
  public:
    using RomError::RomError;
};

} // namespace rom
