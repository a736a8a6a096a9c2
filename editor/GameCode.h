#pragma once
// The four-character game code in a ROM's header, and where its profile lives. No Qt.

#include <filesystem>
#include <stdexcept>
#include <string>

namespace editor {

// The ROM has no usable game code: too short, unreadable, or a code that cannot name a file.
class GameCodeError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr int GameCodeOffset = 172;
inline constexpr int GameCodeLength = 4;

// The four bytes at offset 172, one character each (Latin-1, the system's 8-bit code page).
// Throws GameCodeError for a file that cannot be read, one shorter than 176 bytes, and for a code
// holding a path separator, "..", a control character or NUL: such a code must never become part
// of a file path.
std::string ReadGameCode(const std::filesystem::path& rom);

// Whether code can be used as a profile file name (see ReadGameCode).
bool IsUsableGameCode(const std::string& code);

// <programDir>/Data/<code>.ini
std::filesystem::path ProfilePath(const std::filesystem::path& programDir, const std::string& code);

} // namespace editor
