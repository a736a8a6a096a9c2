#pragma once
// Whole files read at once. A ROM image or a patch is a regular file of at most MaxFileSize bytes,
// checked before a byte is read, so that a device or a huge file is refused at once.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace files {

// The largest file read whole: Game Boy Advance images are at most 32 MiB; the limit keeps a
// device or a damaged size from asking for gigabytes.
inline constexpr std::uint64_t MaxFileSize = 256u << 20;

// "cannot read the ROM PATH: reason" (what is "the ROM", or "" for a file of no particular kind).
std::string CannotRead(const std::filesystem::path& path, int error, const std::string& what = "");

// Throws FileError naming the file (as what) unless path is a regular file of at most MaxFileSize
// bytes: missing, a folder, a device, a pipe or too large.
void CheckWholeImage(const std::filesystem::path& path, const std::string& what = "");

// The whole file, after CheckWholeImage. Throws FileError naming the file (as what) and the reason.
std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path, const std::string& what = "");

// The whole file as text, bytes as they are. A pipe is read to its end; nothing is read past
// MaxFileSize. Throws FileError naming the file and the reason.
std::string ReadWholeTextFile(const std::filesystem::path& path);

// The bytes of the file of size bytes from offset on, at most length of them, each read opening and
// closing the file; offset and length are held to the file. Never fails: a file that cannot be
// read gives fewer bytes (none).
std::vector<std::uint8_t> ReadFileRange(const std::filesystem::path& path, std::int64_t offset,
                                        std::int64_t length, std::int64_t size);

} // namespace files
