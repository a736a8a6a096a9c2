#include "project/Charmap.h"

#include "files/FileError.h"
#include "files/WholeFiles.h"
#include "project/ProjectError.h"
#include "rom/Utf8.h"

#include <algorithm>

namespace project {

namespace {

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}
bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f');
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

void SkipBlanks(std::string_view& s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
}

// The length of the UTF-8 character at the start of s (1 for a byte that begins none).
std::size_t CharacterLength(std::string_view s) {
    const auto lead = static_cast<unsigned char>(s[0]);
    const std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(n, s.size());
}

// The key of the escape at the start of s (which begins with a backslash), and its length in s:
// \n \" \\ \' are their characters, any other escape stays as written.
std::pair<std::string, std::size_t> EscapeAt(std::string_view s) {
    if (s.size() < 2) return {"\\", 1};
    switch (s[1]) {
    case 'n':
        return {"\n", 2};
    case '"':
        return {"\"", 2};
    case '\\':
        return {"\\", 2};
    case '\'':
        return {"'", 2};
    default: {
        const std::size_t n = 1 + CharacterLength(s.substr(1));
        return {std::string(s.substr(0, n)), n};
    }
    }
}

// The key of a quoted character's contents ("\\'" is "'").
std::string KeyOf(std::string_view quoted) {
    std::string key;
    while (!quoted.empty()) {
        if (quoted.front() == '\\') {
            const auto [text, length] = EscapeAt(quoted);
            key += text;
            quoted.remove_prefix(length);
        } else {
            key += quoted.front();
            quoted.remove_prefix(1);
        }
    }
    return key;
}

// "BB", "53 54": hex bytes to the end of the line or an @ comment; nullopt for anything else.
std::optional<std::vector<std::uint8_t>> BytesOf(std::string_view s) {
    std::vector<std::uint8_t> bytes;
    while (true) {
        SkipBlanks(s);
        if (s.empty() || s.front() == '@') break;
        std::size_t n = 0;
        unsigned value = 0;
        for (; n < s.size() && IsHexDigit(s[n]); ++n)
            value = value * 16 + static_cast<unsigned>(s[n] <= '9' ? s[n] - '0' : (s[n] | 0x20) - 'a' + 10);
        if (n == 0 || n > 2) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(value));
        s.remove_prefix(n);
    }
    if (bytes.empty()) return std::nullopt;
    return bytes;
}

// The literal text of a character key: the escapes a C string needs written back.
std::string LiteralOf(const std::string& key) {
    if (key == "\n") return "\\n";
    if (key == "\"") return "\\\"";
    if (key == "\\") return "\\\\";
    return key;
}

} // namespace

Charmap Charmap::Parse(std::string_view text) {
    Charmap map;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3); // a byte-order mark
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        SkipBlanks(line);
        if (line.empty()) continue;
        std::string key;
        bool isCharacter = false;
        if (line.front() == '\'') {
            // the closing quote is the first one no backslash escapes
            std::size_t close = 1;
            while (close < line.size() && line[close] != '\'') close += line[close] == '\\' ? 2 : 1;
            if (close >= line.size() || close == 1) continue;
            key = KeyOf(line.substr(1, close - 1));
            line.remove_prefix(close + 1);
            isCharacter = true;
        } else if (IsNameChar(line.front())) {
            std::size_t n = 0;
            while (n < line.size() && IsNameChar(line[n])) ++n;
            key = std::string(line.substr(0, n));
            line.remove_prefix(n);
        } else {
            continue;
        }
        SkipBlanks(line);
        if (line.empty() || line.front() != '=') continue;
        const auto bytes = BytesOf(line.substr(1));
        if (!bytes) continue;
        if (isCharacter) {
            if (!map.characters_.emplace(key, *bytes).second) continue;
            // the line break is written \n wherever another character shares its bytes
            if (key == "\n")
                map.characterOf_.insert_or_assign(*bytes, key);
            else
                map.characterOf_.emplace(*bytes, key);
            map.longestCharacter_ = std::max(map.longestCharacter_, bytes->size());
            map.longestKey_ = std::max(map.longestKey_, key.size());
        } else {
            if (map.escapes_.emplace(key, *bytes).second && map.escapeOf_.emplace(*bytes, key).second)
                map.longestEscape_ = std::max(map.longestEscape_, bytes->size());
        }
    }
    return map;
}

Charmap Charmap::Read(const std::filesystem::path& root) {
    try {
        return Parse(files::ReadWholeTextFile(root / "charmap.txt"));
    } catch (const files::FileError& e) {
        throw ProjectError(std::string("charmap.txt: ") + e.what());
    }
}

std::optional<std::vector<std::uint8_t>> Charmap::Encode(std::string_view literal, std::string& fault) const {
    if (const auto malformed = rom::FindMalformedUtf8(literal)) {
        fault = "malformed UTF-8 (" + rom::DescribeMalformedUtf8(literal, *malformed) + ")";
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    const auto append = [&](const std::vector<std::uint8_t>& b) {
        bytes.insert(bytes.end(), b.begin(), b.end());
    };
    while (!literal.empty()) {
        if (literal.front() == '{') {
            const std::size_t close = literal.find('}');
            if (close == std::string_view::npos) {
                fault = std::string(literal);
                return std::nullopt;
            }
            // {NAME} or several names in one pair of braces, {NAME1 NAME2}
            std::string_view names = literal.substr(1, close - 1);
            std::size_t count = 0;
            while (true) {
                SkipBlanks(names);
                if (names.empty()) break;
                std::size_t n = 0;
                while (n < names.size() && !IsBlank(names[n])) ++n;
                const auto found = escapes_.find(names.substr(0, n));
                if (found == escapes_.end()) {
                    fault = std::string(literal.substr(0, close + 1));
                    return std::nullopt;
                }
                append(found->second);
                names.remove_prefix(n);
                ++count;
            }
            if (count == 0) {
                fault = std::string(literal.substr(0, close + 1));
                return std::nullopt;
            }
            literal.remove_prefix(close + 1);
            continue;
        }
        if (literal.front() == '\\') {
            const auto [key, length] = EscapeAt(literal);
            const auto found = characters_.find(key);
            if (found == characters_.end()) {
                fault = std::string(literal.substr(0, length));
                return std::nullopt;
            }
            append(found->second);
            literal.remove_prefix(length);
            continue;
        }
        // the longest run of characters that is one key: a charmap may give several characters one code
        std::vector<std::size_t> ends;
        for (std::size_t end = 0; end < literal.size() && end < std::max<std::size_t>(longestKey_, 1);) {
            end += CharacterLength(literal.substr(end));
            ends.push_back(end);
        }
        bool matched = false;
        for (auto end = ends.rbegin(); end != ends.rend() && !matched; ++end) {
            const auto found = characters_.find(literal.substr(0, *end));
            if (found == characters_.end()) continue;
            append(found->second);
            literal.remove_prefix(*end);
            matched = true;
        }
        if (!matched) {
            fault = std::string(literal.substr(0, ends.front()));
            return std::nullopt;
        }
    }
    return bytes;
}

std::optional<std::string> Charmap::Render(std::span<const std::uint8_t> all) const {
    std::string text;
    std::span<const std::uint8_t> bytes = all;
    // at each byte the longest character that matches, else the longest escape
    const auto longestMatch = [&](const std::map<std::vector<std::uint8_t>, std::string>& of,
                                  std::size_t longest) -> std::optional<std::pair<std::string, std::size_t>> {
        for (std::size_t n = std::min(longest, bytes.size()); n > 0; --n) {
            const auto found = of.find(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + n));
            if (found != of.end()) return std::pair{found->second, n};
        }
        return std::nullopt;
    };
    while (!bytes.empty()) {
        if (const auto character = longestMatch(characterOf_, longestCharacter_)) {
            text += LiteralOf(character->first);
            bytes = bytes.subspan(character->second);
        } else if (const auto escape = longestMatch(escapeOf_, longestEscape_)) {
            text += "{" + escape->first + "}";
            bytes = bytes.subspan(escape->second);
        } else {
            return std::nullopt;
        }
    }
    // characters of several letters ('AB' beside 'A' and 'B') may read back as other bytes
    std::string fault;
    const auto again = Encode(text, fault);
    if (!again || !std::equal(again->begin(), again->end(), all.begin(), all.end())) return std::nullopt;
    return text;
}

} // namespace project
