#pragma once
// Errors of the patch library. Every error the caller must handle is one of these types.

#include "files/FileError.h"

#include <stdexcept>
#include <string>

namespace patch {

// Base of every error raised by the patch library.
class PatchError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The patch is not a patch of its format: wrong magic, truncated, or a size, offset or command that
// reaches past the end of the file it describes.
class MalformedPatch : public PatchError {
  public:
    using PatchError::PatchError;
};

// The three checksums that UPS and BPS patches carry.
enum class Checksum { source, target, patch };

// A CRC32 does not match: the file being patched is not the patch's source, the patch is damaged,
// or the result is not the patch's target.
class ChecksumMismatch : public PatchError {
  public:
    ChecksumMismatch(Checksum which, const std::string& message) : PatchError(message), which_(which) {}
    Checksum which() const { return which_; }

  private:
    Checksum which_;
};

// The format cannot express the change (an IPS patch reaches 16 MiB only).
class FormatLimit : public PatchError {
  public:
    using PatchError::PatchError;
};

// A file could not be read or written: the file layer's one error type.
using FileError = files::FileError;

} // namespace patch
