#pragma once
// Reading one value of a game profile: a text file of "[section]" headers and "key=value" lines.

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

namespace rom {

// The value of key in section of the profile text, as written; "" when not found. Sections and keys
// are matched without regard to case; any line holding "[" ends the current section and is never a
// key line; a key line begins with "key=" in its first column; the first match wins. Lines end with
// LF or CR LF, or also with CR alone when the first line ends so; a UTF-8 byte-order mark at the
// start is skipped.
std::string FindIniValue(std::istream& text, std::string_view section, std::string_view key);

// FindIniValue on the file at path. A missing file is created empty first (so the result is ""),
// and the file is made writable by its owner, as a profile that was read is left editable.
// Throws FileAccessError when the file cannot be created, opened or read (a missing folder, a
// folder in the file's place).
std::string ReadIniValue(const std::filesystem::path& path, std::string_view section, std::string_view key);

} // namespace rom
