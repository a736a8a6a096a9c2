#pragma once
// The four-character game code in a ROM's header, which names the game's profile file.

#include "rom/RomError.h"
#include "rom/RomHeader.h"

#include <filesystem>
#include <string>

namespace rom {

// The ROM has no usable game code: too short, unreadable, or a code that cannot name a file.
class GameCodeError : public RomError {
  public:
    using RomError::RomError;
};

inline constexpr int GameCodeLength = 4;

// Whether code can be used as a profile file name: four printable ASCII characters, no path
// separator, no "..". Bytes 0x80 to 0xFF are refused too: they would make a file name that is no text.
bool IsUsableGameCode(const std::string& code);

// The header's game code, checked as IsUsableGameCode. Throws GameCodeError for a file shorter than
// 176 bytes and for a code that must never become part of a file path.
std::string UsableGameCode(const RomHeader& header);

// The four bytes at offset 172 of the file (one character a byte). Throws GameCodeError for a file
// that cannot be read (its reason named: missing, a directory, no permission), one shorter than
// 176 bytes, and for a code that IsUsableGameCode refuses.
std::string ReadGameCode(const std::filesystem::path& rom);

} // namespace rom
