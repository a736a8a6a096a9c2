#include "rom/ReadINI.h"

#include "files/Reasons.h"
#include "files/WholeFiles.h"
#include "rom/RomError.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

namespace rom {
namespace {

std::string ToLowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return lower;
}

void EnsureFileExists(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (std::filesystem::exists(status)) {
        if (std::filesystem::is_directory(status))
            throw FileAccessError("the profile " + path.string() + " is a directory, not a file");
        if (!std::filesystem::is_regular_file(status))
            throw FileAccessError("the profile " + path.string() + " is not a file");
        return;
    }
    errno = 0;
    std::ofstream create(path, std::ios::binary | std::ios::app);
    if (!create)
        throw FileAccessError("cannot create the profile " + path.string() + ": " +
                              files::SystemReason(errno));
}

} // namespace

std::vector<std::string> IniLines(std::string_view rest) {
    if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
    const std::size_t firstEnd = rest.find_first_of("\r\n");
    const bool crAlone = firstEnd != std::string_view::npos && rest[firstEnd] == '\r' &&
                         (firstEnd + 1 == rest.size() || rest[firstEnd + 1] != '\n');
    const std::string_view ends = crAlone ? "\r\n" : "\n";
    std::vector<std::string> lines;
    while (!rest.empty()) {
        const std::size_t at = rest.find_first_of(ends);
        std::string_view line = rest.substr(0, at);
        if (!crAlone && line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        rest.remove_prefix(at == std::string_view::npos ? rest.size() : at + 1);
    }
    return lines;
}

IniPlace FindIniPlace(const std::vector<std::string>& lines, std::string_view section, std::string_view key) {
    std::string header(1, '[');
    header.append(ToLowerAscii(section)).push_back(']');
    std::string prefix = ToLowerAscii(key);
    prefix.push_back('=');
    IniPlace place;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string compared = ToLowerAscii(lines[i]);
        if (compared.find('[') != std::string::npos) {
            inSection = compared == header;
            if (inSection && !place.header) place.header = i;
            continue;
        }
        if (inSection && compared.starts_with(prefix)) {
            place.key = i;
            return place;
        }
    }
    return place;
}

std::optional<std::string> FindIniEntry(std::string_view text, std::string_view section,
                                        std::string_view key) {
    const std::vector<std::string> lines = IniLines(text);
    const IniPlace place = FindIniPlace(lines, section, key);
    if (!place.key) return std::nullopt;
    return lines[*place.key].substr(key.size() + 1);
}

std::string FindIniValue(std::istream& text, std::string_view section, std::string_view key) {
    std::string all;
    char block[4096];
    // read, unlike a stream-buffer iterator, leaves a failed read in the stream's state for the caller
    while (text.read(block, sizeof block), text.gcount() > 0)
        all.append(block, static_cast<std::size_t>(text.gcount()));
    return FindIniEntry(all, section, key).value_or(std::string());
}

std::optional<std::string> ReadIniEntry(const std::filesystem::path& path, std::string_view section,
                                        std::string_view key) {
    EnsureFileExists(path);

    // Only a read-only profile is made writable: a profile that already is (an installed one owned by
    // another user, for one) is read without a change of mode, which its reader may not be allowed to make.
    std::error_code ec;
    const auto mode = std::filesystem::status(path, ec).permissions();
    if (ec || (mode & std::filesystem::perms::owner_write) == std::filesystem::perms::none) {
        std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ec);
        if (ec)
            throw FileAccessError("cannot make the profile " + path.string() +
                                  " writable: " + files::SystemReason(ec.value()));
    }
    return FindIniEntry(files::ReadWholeTextFile(path), section, key);
}

std::string ReadIniValue(const std::filesystem::path& path, std::string_view section, std::string_view key) {
    return ReadIniEntry(path, section, key).value_or(std::string());
}

} // namespace rom
