#include "rom/ReadINI.h"

#include "rom/RomError.h"
#include "rom/WholeFiles.h"

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
    if (!create) throw FileAccessError("cannot create the profile " + path.string() + ": " + SystemReason(errno));
}

} // namespace

std::vector<std::string> IniLines(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        const std::size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        text.remove_prefix(next);
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

std::optional<std::string> FindIniEntry(std::string_view text, std::string_view section, std::string_view key) {
    const std::vector<std::string> lines = IniLines(text);
    const IniPlace place = FindIniPlace(lines, section, key);
    if (!place.key) return std::nullopt;
    return lines[*place.key].substr(key.size() + 1);
}

std::string FindIniValue(std::istream& text, std::string_view section, std::string_view key) {
    const std::string all((std::istreambuf_iterator<char>(text)), std::istreambuf_iterator<char>());
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
            throw FileAccessError("cannot make the profile " + path.string() + " writable: " +
                                  SystemReason(ec.value()));
    }
    return FindIniEntry(ReadWholeTextFile(path), section, key);
}

std::string ReadIniValue(const std::filesystem::path& path, std::string_view section, std::string_view key) {
    return ReadIniEntry(path, section, key).value_or(std::string());
}

} // namespace rom
