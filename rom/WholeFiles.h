#pragma once
// Whole files read at once, and the system's reason when a file cannot be read or written, in
// words that do not depend on the user's locale.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace rom {

// The reason for an errno value: "no such file", "permission denied", "is a directory", "disk full"...
std::string SystemReason(int error);

// "cannot open the ROM path: reason" (what is "the ROM", or "" for a file of no particular kind).
std::string CannotRead(const std::filesystem::path& path, int error, const std::string& what = "");

// The whole file. Throws FileAccessError naming the file (as what) and the reason when it cannot be read.
std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path, const std::string& what = "");

// The whole file as text, bytes as they are. Throws FileAccessError as ReadWholeFile.
std::string ReadWholeTextFile(const std::filesystem::path& path);

} // namespace rom
