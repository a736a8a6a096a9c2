#include "rom/ProfileFolders.h"

#include "files/Reasons.h"
#include "files/WholeFiles.h"
#include "rom/RomError.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>

namespace rom {
namespace {

// Creates an empty file where none is; the reason of a failure in reason.
bool CreateEmpty(const std::filesystem::path& file, std::string& reason) {
    errno = 0;
    std::ofstream create(file, std::ios::binary | std::ios::app);
    if (create) return true;
    reason = file.string() + ": " + files::SystemReason(errno ? errno : EACCES);
    return false;
}

} // namespace

Environment SystemEnvironment() {
    return [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (!value) return std::nullopt;
        return std::string(value);
    };
}

std::filesystem::path ProfilePath(const std::filesystem::path& folder, const std::string& code) {
    return folder / (code + ".ini");
}

std::filesystem::path UserProfileFolder(const Environment& env) {
    // A relative XDG_CONFIG_HOME is invalid and must be ignored.
    if (const auto config = env("XDG_CONFIG_HOME"); config && !config->empty() && config->front() == '/')
        return std::filesystem::path(*config) / "skirmela" / "profiles";
    if (const auto home = env("HOME"); home && !home->empty())
        return std::filesystem::path(*home) / ".config" / "skirmela" / "profiles";
    return {};
}

ProfileFolders StandardProfileFolders(const std::filesystem::path& programDir, const Environment& env) {
    ProfileFolders folders;
    folders.user = UserProfileFolder(env);
    folders.beside = programDir / "Data";
    if (!folders.user.empty()) folders.searched.push_back(folders.user);
    folders.searched.push_back(folders.beside);
    const std::filesystem::path shipped =
        programDir.parent_path().parent_path() / "share" / "skirmela" / "profiles";
    std::error_code ec;
    if (programDir.has_parent_path() && std::filesystem::is_directory(shipped, ec))
        folders.searched.push_back(shipped);
    return folders;
}

ProfileFolders OnlyProfileFolder(const std::filesystem::path& folder) {
    return {{folder}, {}, {}};
}

std::optional<std::filesystem::path> FindProfileFile(const ProfileFolders& folders, const std::string& code) {
    for (const std::filesystem::path& folder : folders.searched) {
        const std::filesystem::path file = ProfilePath(folder, code);
        std::error_code ec;
        if (std::filesystem::exists(std::filesystem::symlink_status(file, ec))) return file;
    }
    return std::nullopt;
}

std::filesystem::path FindOrCreateProfile(const ProfileFolders& folders, const std::string& code) {
    if (auto found = FindProfileFile(folders, code)) return *found;
    std::string besideReason, userReason;
    if (!folders.beside.empty() && CreateEmpty(ProfilePath(folders.beside, code), besideReason))
        return ProfilePath(folders.beside, code);
    if (!folders.user.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(folders.user, ec);
        if (CreateEmpty(ProfilePath(folders.user, code), userReason)) return ProfilePath(folders.user, code);
    }
    throw FileAccessError("no profile for game code " + code + " in " + SearchedFoldersText(folders) +
                          ", and none could be created (" + besideReason +
                          (userReason.empty() ? std::string() : "; " + userReason) + ")");
}

std::string SearchedFoldersText(const ProfileFolders& folders) {
    std::string text;
    for (std::size_t i = 0; i < folders.searched.size(); ++i) {
        if (i > 0) text += i + 1 == folders.searched.size() ? " and " : ", ";
        text += folders.searched[i].string();
    }
    return text;
}

} // namespace rom
