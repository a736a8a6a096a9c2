#pragma once
// Reading one value of a game profile: a text file of "[section]" headers and "key=value" lines.
// The same line rules serve the readers and the tool that adds sections to a profile.

#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rom {

// The lines of a profile's text, without their ends. LF always ends a line (a CR before it is
// dropped); CR alone ends one too when the first line ends so, as old editors save, and is otherwise
// a character of its line (and shown as such in messages). A UTF-8 byte-order mark before the first
// line is no part of it.
std::vector<std::string> IniLines(std::string_view text);

// Where a section's first header line lies among lines, and the first key line found in it.
struct IniPlace {
    std::optional<std::size_t> header;
    std::optional<std::size_t> key;
};

// Sections and keys are matched without regard to case; any line holding "[" ends the current
// section and is never a key line; a key line begins with "key=" in its first column; the first
// key line of the section (in any of its headers) wins.
IniPlace FindIniPlace(const std::vector<std::string>& lines, std::string_view section, std::string_view key);

// The value of key in section as written, or nullopt when the section has no such key line (an
// empty value "key=" is there and is "").
std::optional<std::string> FindIniEntry(std::string_view text, std::string_view section,
                                        std::string_view key);

// The value of key in section of the profile text, as written; "" when not found.
std::string FindIniValue(std::istream& text, std::string_view section, std::string_view key);

// FindIniEntry on the file at path. A missing file is created empty first (so the result is
// nullopt), and the file is made writable by its owner, as a profile that was read is left
// editable. Throws FileAccessError naming the file and the reason when the file cannot be created,
// opened or read (a missing folder, a folder in the file's place, no permission).
std::optional<std::string> ReadIniEntry(const std::filesystem::path& path, std::string_view section,
                                        std::string_view key);

// ReadIniEntry, with "" for a value that is not there.
std::string ReadIniValue(const std::filesystem::path& path, std::string_view section, std::string_view key);

} // namespace rom
