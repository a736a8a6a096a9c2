#pragma once
// Where the game profiles are: the user's own folder first, then the folder beside the program,
// then, for an installed copy, the shipped ones. The window and the command-line tool look a
// profile up here and nowhere else.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rom {

// The value of an environment variable, nullopt when it is not set.
using Environment = std::function<std::optional<std::string>(const char* name)>;

// The process's environment.
Environment SystemEnvironment();

struct ProfileFolders {
    std::vector<std::filesystem::path> searched; // first to last; the first that holds the profile wins
    std::filesystem::path beside;                // where a missing profile is created (the program's Data/)
    std::filesystem::path user;                  // where it is created when that folder is not writable
};

// <folder>/<code>.ini
std::filesystem::path ProfilePath(const std::filesystem::path& folder, const std::string& code);

// $XDG_CONFIG_HOME/skirmela/profiles (an absolute XDG_CONFIG_HOME only), else
// $HOME/.config/skirmela/profiles; empty when neither is set.
std::filesystem::path UserProfileFolder(const Environment& env);

// The user folder, <programDir>/Data, and <programDir>/../../share/skirmela/profiles where it exists
// (the programs of an installed copy lie in <prefix>/lib/skirmela).
ProfileFolders StandardProfileFolders(const std::filesystem::path& programDir, const Environment& env);

// One folder only, as a command line that names its folder of profiles asks. Nothing is created.
ProfileFolders OnlyProfileFolder(const std::filesystem::path& folder);

// The first folder's profile of the game code that exists (a directory in its place counts, so that
// it is reported rather than passed over), or nullopt.
std::optional<std::filesystem::path> FindProfileFile(const ProfileFolders& folders, const std::string& code);

// The profile of the game code: found, or else created empty beside the program, or in the user
// folder when that cannot be written. Throws FileAccessError naming the places and the reasons when
// it can be created nowhere.
std::filesystem::path FindOrCreateProfile(const ProfileFolders& folders, const std::string& code);

// The folders searched, for a message: "A, B and C".
std::string SearchedFoldersText(const ProfileFolders& folders);

} // namespace rom
