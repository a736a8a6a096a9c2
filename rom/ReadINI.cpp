#include "rom/ReadINI.h"

#include "rom/RomError.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <vector>

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
        if (!std::filesystem::is_regular_file(status))
            throw FileAccessError("the profile is not a file: " + path.string());
        return;
    }
    std::ofstream create(path, std::ios::binary | std::ios::app);
    if (!create) throw FileAccessError("cannot create the profile: " + path.string());
}

// The lines of a profile without their ends. LF always ends a line (a CR before it is dropped); CR
// alone ends one too when the first line ends so, as old editors save, and is otherwise a character
// of its line. A UTF-8 byte-order mark before the first line is no part of it.
std::vector<std::string> ProfileLines(std::istream& text) {
    std::string all;
    char block[4096];
    // read, unlike a stream-buffer iterator, leaves a failed read in the stream's state for the caller
    while (text.read(block, sizeof block), text.gcount() > 0)
        all.append(block, static_cast<std::size_t>(text.gcount()));
    std::string_view rest(all);
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

} // namespace

std::string FindIniValue(std::istream& text, std::string_view section, std::string_view key) {
    std::string header(1, '[');
    header.append(ToLowerAscii(section)).push_back(']');
    std::string prefix = ToLowerAscii(key);
    prefix.push_back('=');
    bool in_section = false;
    for (const std::string& line : ProfileLines(text)) {
        const std::string compared = ToLowerAscii(line);
        if (compared.find('[') != std::string::npos) {
            in_section = compared == header;
            continue;
        }
        if (in_section && compared.starts_with(prefix)) return line.substr(prefix.size());
    }
    return {};
}

std::string ReadIniValue(const std::filesystem::path& path, std::string_view section, std::string_view key) {
    EnsureFileExists(path);

    // Only a read-only profile is made writable: a profile that already is (an installed one owned by
    // another user, for one) is read without a change of mode, which its reader may not be allowed to make.
    std::error_code ec;
    const auto mode = std::filesystem::status(path, ec).permissions();
    if (ec || (mode & std::filesystem::perms::owner_write) == std::filesystem::perms::none) {
        std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ec);
        if (ec) throw FileAccessError("cannot reset the attributes of the profile: " + path.string());
    }

    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileAccessError("cannot open the profile: " + path.string());
    std::string value = FindIniValue(in, section, key);
    if (in.bad()) throw FileAccessError("cannot read the profile: " + path.string());
    return value;
}

} // namespace rom
