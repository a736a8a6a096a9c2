#pragma once
// The words in which file errors are told: the system's reason for an errno value and paths as they
// are shown in a message, neither depending on the user's locale.

#include <filesystem>
#include <string>
#include <string_view>

namespace files {

// The system's reason for an errno value in its English words ("Permission denied"); a full disk is
// always "disk full: No space left on device". Never fails.
std::string SystemReason(int error);

// text with every control character written as an escape ("\n", "\x01"), so that a message stays
// one line and shows what the name holds. Never fails.
std::string Escaped(std::string_view text);

// The path as a message shows it: Escaped(path). Never fails.
std::string Shown(const std::filesystem::path& path);

} // namespace files
