#include "rom/RomBackup.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace rom {
namespace {

constexpr std::size_t StampLength = 16; // 20250131T140509Z

std::string Stamp(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
    return text;
}

bool Digits(const std::string& s, std::size_t from, std::size_t count) {
    return std::all_of(s.begin() + static_cast<std::ptrdiff_t>(from),
                       s.begin() + static_cast<std::ptrdiff_t>(from + count),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// Where a backup stands among those of its ROM: its time, then its sequence within that second.
struct BackupKey {
    std::string stamp;
    int sequence = 1;
    auto operator<=>(const BackupKey&) const = default;
};

// The key of a backup of the ROM whose name splits into stem and extension, if name is one.
std::optional<BackupKey> KeyOf(const std::string& name, const std::string& stem,
                               const std::string& extension) {
    if (name.size() < stem.size() + 1 + StampLength + extension.size() || !name.starts_with(stem + ".") ||
        !name.ends_with(extension))
        return std::nullopt;
    const std::string middle = name.substr(stem.size() + 1, name.size() - stem.size() - 1 - extension.size());
    if (!Digits(middle, 0, 8) || middle[8] != 'T' || !Digits(middle, 9, 6) || middle[15] != 'Z')
        return std::nullopt;
    BackupKey key{middle.substr(0, StampLength), 1};
    const std::string rest = middle.substr(StampLength);
    if (rest.empty()) return key;
    if (rest.size() < 2 || rest.size() > 7 || rest[0] != '-' || rest[1] == '0' ||
        !Digits(rest, 1, rest.size() - 1))
        return std::nullopt;
    key.sequence = std::stoi(rest.substr(1));
    return key.sequence >= 2 ? std::optional(key) : std::nullopt;
}

// Flushes the file to the disk; returns 0 or the errno of the failure.
int SyncFile(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

} // namespace

std::optional<std::string> ProcessEnvironment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? std::optional<std::string>(value) : std::nullopt;
}

std::filesystem::path BackupFolder(const EnvironmentLookup& environment) {
    auto absoluteFolder = [&](const char* name) -> std::optional<std::filesystem::path> {
        const auto value = environment(name);
        if (!value || value->empty() || !std::filesystem::path(*value).is_absolute()) return std::nullopt;
        return std::filesystem::path(*value);
    };
    if (const auto state = absoluteFolder("XDG_STATE_HOME")) return *state / "skirmela" / "backups";
    if (const auto home = absoluteFolder("HOME")) return *home / ".local" / "state" / "skirmela" / "backups";
    throw BackupError(
        "cannot find the folder for backups: neither XDG_STATE_HOME nor HOME names an absolute folder");
}

std::string BackupName(const std::filesystem::path& rom, std::chrono::system_clock::time_point when,
                       int sequence) {
    const std::filesystem::path name = rom.filename();
    std::string backup = name.stem().string();
    backup += '.';
    backup += Stamp(when);
    if (sequence > 1) backup += '-' + std::to_string(sequence);
    return backup + name.extension().string();
}

std::vector<std::filesystem::path> BackupsOf(const std::filesystem::path& rom,
                                             const std::filesystem::path& folder) {
    const std::filesystem::path name = rom.filename();
    const std::string stem = name.stem().string(), extension = name.extension().string();
    std::vector<std::pair<BackupKey, std::filesystem::path>> found;
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(folder, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        if (const auto key = KeyOf(it->path().filename().string(), stem, extension))
            found.emplace_back(*key, it->path());
    }
    std::sort(found.begin(), found.end());
    std::vector<std::filesystem::path> backups;
    for (auto& [key, path] : found) backups.push_back(std::move(path));
    return backups;
}

BackupResult BackUpRom(const std::filesystem::path& rom, const std::filesystem::path& folder,
                       std::chrono::system_clock::time_point now, std::size_t keep) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(rom, ec))
        throw BackupError("cannot back up " + rom.string() + ": " +
                          (ec ? ec.message() : std::string("it is not a regular file")));
    std::filesystem::create_directories(folder, ec);
    if (ec) throw BackupError("cannot make the backup folder " + folder.string() + ": " + ec.message());

    BackupResult result;
    for (int sequence = 1;; ++sequence) {
        result.backup = folder / BackupName(rom, now, sequence);
        // The copy never replaces a file: a name taken within the same second takes the next sequence.
        std::filesystem::copy_file(rom, result.backup, std::filesystem::copy_options::none, ec);
        if (!ec) break;
        if (ec == std::errc::file_exists && sequence < 999999) continue;
        std::error_code ignored;
        if (ec != std::errc::file_exists) std::filesystem::remove(result.backup, ignored);
        throw BackupError("cannot write the backup " + result.backup.string() + ": " + ec.message());
    }
    if (const int error = SyncFile(result.backup)) {
        std::filesystem::remove(result.backup, ec);
        throw BackupError("cannot write the backup " + result.backup.string() + ": " +
                          std::error_code(error, std::generic_category()).message());
    }

    const std::vector<std::filesystem::path> backups = BackupsOf(rom, folder);
    const std::size_t kept = std::max<std::size_t>(keep, 1);
    for (std::size_t i = 0; i + kept < backups.size(); ++i) {
        if (backups[i].filename() == result.backup.filename()) continue;
        if (std::filesystem::remove(backups[i], ec) && !ec) result.removed.push_back(backups[i]);
    }
    return result;
}

} // namespace rom
