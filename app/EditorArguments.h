#pragma once
// The command line of the editor: `skirmela [ROM]`, `--help`, `--version`. No Qt, so it is tested alone.

#include <optional>
#include <string>
#include <vector>

namespace app {

enum class EditorAction { openWindow, help, version, usageError };

struct EditorArguments {
    EditorAction action = EditorAction::openWindow;
    std::optional<std::string> rom; // openWindow: the ROM to open as if chosen in the file dialog
    std::string error;              // usageError: what is wrong, for the user
};

// The meaning of args (without the program name). "--help" or "--version" ends the reading; an
// unknown option, a second ROM or an empty ROM path is a usageError; "--" makes what follows a ROM
// path even when it begins with "-". Never fails.
EditorArguments ParseEditorArguments(const std::vector<std::string>& args);

// The help text. Never fails.
std::string EditorUsageText();

// "skirmela 1.0.0". Never fails.
std::string EditorVersionText();

// The exit status of a command line that cannot be understood.
inline constexpr int ExitUsageError = 1;

} // namespace app
