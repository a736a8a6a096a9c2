#pragma once
// Reading and writing the files that patches are made from and written to.

#include "patch/Bytes.h"

#include <filesystem>

namespace patch {

// The whole file. Throws FileError naming the file and the reason.
Bytes ReadWholeFile(const std::filesystem::path& file);

// Writes bytes to file through a new temporary file beside it, flushed to the disk and then renamed
// over file, so that file is either as it was or complete. A file replaced keeps its permissions; a
// link is followed. Throws FileError naming the file and the reason, after removing the temporary file.
void ReplaceFile(const std::filesystem::path& file, ByteView bytes);

// Whether a and b name the same existing file (links followed). Never fails.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace patch
