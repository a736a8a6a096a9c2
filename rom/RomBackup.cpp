#include "rom/RomBackup.h"

#include "files/Reasons.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace rom {
namespace {

constexpr std::size_t StampLength = 16;   // 20250131T140509Z
constexpr std::size_t SequenceDigits = 3; // -001: names sort as the backups were taken

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

// Where a backup stands among those of its ROM: its time, then the names of older versions (which
// counted 1, 2, ... unpadded within a second) before today's, then its sequence within that second.
struct BackupKey {
    std::string stamp;
    bool current = true;
    int sequence = 1;
    auto operator<=>(const BackupKey&) const = default;
};

// The stamp and the sequence of "20250131T140509Z-001" (padded, current) or of "20250131T140509Z"
// and "20250131T140509Z-2" (older versions), if middle is one.
std::optional<BackupKey> StampAndSequence(const std::string& middle, bool current) {
    if (middle.size() < StampLength || !Digits(middle, 0, 8) || middle[8] != 'T' || !Digits(middle, 9, 6) ||
        middle[15] != 'Z')
        return std::nullopt;
    BackupKey key{middle.substr(0, StampLength), current, 1};
    const std::string rest = middle.substr(StampLength);
    if (rest.empty()) return current ? std::nullopt : std::optional(key);
    if (rest.size() < 2 || rest.size() > 7 || rest[0] != '-' || !Digits(rest, 1, rest.size() - 1))
        return std::nullopt;
    if (current ? rest.size() < 1 + SequenceDigits : rest[1] == '0') return std::nullopt;
    key.sequence = std::stoi(rest.substr(1));
    if (key.sequence < (current ? 1 : 2)) return std::nullopt;
    return key;
}

// The key of a backup of the ROM whose name splits into stem and extension and whose path hashes to
// tag, if name is one: "stem.tag.STAMP-SEQ.ext", or "stem.STAMP[-N].ext" of older versions, which
// named backups after the ROM's file name alone.
std::optional<BackupKey> KeyOf(const std::string& name, const std::string& stem, const std::string& extension,
                               const std::string& tag) {
    if (name.size() < stem.size() + 1 + StampLength + extension.size() || !name.starts_with(stem + ".") ||
        !name.ends_with(extension))
        return std::nullopt;
    const std::string middle = name.substr(stem.size() + 1, name.size() - stem.size() - 1 - extension.size());
    if (!middle.starts_with(tag + ".")) return StampAndSequence(middle, false);
    return StampAndSequence(middle.substr(tag.size() + 1), true);
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

std::string RomTag(const std::filesystem::path& rom) {
    std::error_code ec;
    std::filesystem::path full = std::filesystem::weakly_canonical(rom, ec);
    if (ec) full = std::filesystem::absolute(rom, ec).lexically_normal();
    // FNV-1a: the same on every machine and in every version, unlike std::hash.
    std::uint32_t hash = 2166136261u;
    for (const char c : full.native()) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    char text[9];
    std::snprintf(text, sizeof text, "%08x", hash);
    return text;
}

std::string BackupName(const std::filesystem::path& rom, std::chrono::system_clock::time_point when,
                       int sequence) {
    const std::filesystem::path name = rom.filename();
    std::string number = std::to_string(sequence);
    if (number.size() < SequenceDigits) number.insert(0, SequenceDigits - number.size(), '0');
    return name.stem().string() + '.' + RomTag(rom) + '.' + Stamp(when) + '-' + number +
           name.extension().string();
}

std::vector<std::filesystem::path> BackupsOf(const std::filesystem::path& rom,
                                             const std::filesystem::path& folder) {
    const std::filesystem::path name = rom.filename();
    const std::string stem = name.stem().string(), extension = name.extension().string(), tag = RomTag(rom);
    std::vector<std::pair<BackupKey, std::filesystem::path>> found;
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(folder, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        if (const auto key = KeyOf(it->path().filename().string(), stem, extension, tag))
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
        throw BackupError("cannot back up " + files::Shown(rom) + ": " +
                          (ec ? files::SystemReason(ec.value()) : std::string("it is not a regular file")));
    std::filesystem::create_directories(folder, ec);
    if (ec)
        throw BackupError("cannot make the backup folder " + files::Shown(folder) + ": " +
                          files::SystemReason(ec.value()));

    // A backup of the same second takes the number after the highest of that second, never a number
    // freed by the removal of an older backup, so that the newest is always last.
    const std::string stamp = Stamp(now), tag = RomTag(rom);
    const std::filesystem::path name = rom.filename();
    int sequence = 1;
    for (const std::filesystem::path& b : BackupsOf(rom, folder))
        if (const auto key =
                KeyOf(b.filename().string(), name.stem().string(), name.extension().string(), tag);
            key && key->current && key->stamp == stamp)
            sequence = std::max(sequence, key->sequence + 1);
    BackupResult result;
    for (;; ++sequence) {
        result.backup = folder / BackupName(rom, now, sequence);
        // The copy never replaces a file: a name taken within the same second takes the next sequence.
        std::filesystem::copy_file(rom, result.backup, std::filesystem::copy_options::none, ec);
        if (!ec) break;
        if (ec == std::errc::file_exists && sequence < 999999) continue;
        std::error_code ignored;
        if (ec != std::errc::file_exists) std::filesystem::remove(result.backup, ignored);
        throw BackupError("cannot write the backup " + files::Shown(result.backup) + ": " +
                          files::SystemReason(ec.value()));
    }
    if (const int error = SyncFile(result.backup)) {
        std::filesystem::remove(result.backup, ec);
        throw BackupError("cannot write the backup " + files::Shown(result.backup) + ": " +
                          files::SystemReason(error));
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
