#include "rom/Utf8.h"

#include <cstdio>

namespace rom {
namespace {

constexpr char32_t Replacement = 0xFFFD;

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// One step of the decoder at text[i]: a character, or a malformed stretch of `length` bytes (what
// Unicode replaces by one U+FFFD) that spans `shown` bytes in a message.
struct Step {
    char32_t cp = 0;
    std::size_t length = 1;
    std::optional<Utf8Fault> fault;
    std::size_t shown = 1;
};

// The continuation bytes the lead announces and the range its first continuation byte must lie in:
// a first byte below the range makes an overlong encoding (E0, F0), above it a surrogate (ED) or a
// value past U+10FFFF (F4).
struct Lead {
    int extra = 0;
    unsigned char low = 0x80, high = 0xBF;
    Utf8Fault below = Utf8Fault::truncated, above = Utf8Fault::truncated;
};

std::optional<Lead> LeadOf(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF) return Lead{1};
    if (b == 0xE0) return Lead{2, 0xA0, 0xBF, Utf8Fault::overlong};
    if (b == 0xED) return Lead{2, 0x80, 0x9F, Utf8Fault::truncated, Utf8Fault::surrogate};
    if (b >= 0xE1 && b <= 0xEF) return Lead{2};
    if (b == 0xF0) return Lead{3, 0x90, 0xBF, Utf8Fault::overlong};
    if (b == 0xF4) return Lead{3, 0x80, 0x8F, Utf8Fault::truncated, Utf8Fault::beyondUnicode};
    if (b >= 0xF1 && b <= 0xF3) return Lead{3};
    return std::nullopt;
}

// How many bytes from i on belong to the stretch a message shows: the byte at i and up to `extra`
// continuation bytes after it.
std::size_t ShownSpan(std::string_view text, std::size_t i, int extra) {
    std::size_t n = 1;
    while (n <= static_cast<std::size_t>(extra) && i + n < text.size() &&
           IsContinuation(static_cast<unsigned char>(text[i + n])))
        ++n;
    return n;
}

Step Decode(std::string_view text, std::size_t i) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80) return {b0, 1, std::nullopt, 1};
    const std::optional<Lead> lead = LeadOf(b0);
    if (!lead) {
        // C0 and C1 could only begin an overlong two-byte form; F5 to F7 a value past U+10FFFF.
        if (b0 == 0xC0 || b0 == 0xC1) return {0, 1, Utf8Fault::overlong, ShownSpan(text, i, 1)};
        if (b0 >= 0xF5 && b0 <= 0xF7) return {0, 1, Utf8Fault::beyondUnicode, ShownSpan(text, i, 3)};
        return {0, 1, Utf8Fault::notALead, 1};
    }
    const std::size_t whole = ShownSpan(text, i, lead->extra);
    if (i + 1 >= text.size() || !IsContinuation(static_cast<unsigned char>(text[i + 1])))
        return {0, 1, Utf8Fault::truncated, 1};
    const auto b1 = static_cast<unsigned char>(text[i + 1]);
    if (b1 < lead->low) return {0, 1, lead->below, whole};
    if (b1 > lead->high) return {0, 1, lead->above, whole};
    char32_t cp = b0 & (0x3F >> lead->extra);
    for (std::size_t j = 1; j <= static_cast<std::size_t>(lead->extra); ++j) {
        if (i + j >= text.size() || !IsContinuation(static_cast<unsigned char>(text[i + j])))
            return {0, j, Utf8Fault::truncated, j};
        cp = (cp << 6) | (static_cast<unsigned char>(text[i + j]) & 0x3F);
    }
    return {cp, 1 + static_cast<std::size_t>(lead->extra), std::nullopt, whole};
}

const char* Why(Utf8Fault f) {
    switch (f) {
    case Utf8Fault::notALead:
        return "a byte that begins no character";
    case Utf8Fault::truncated:
        return "a character cut short";
    case Utf8Fault::overlong:
        return "an overlong encoding";
    case Utf8Fault::surrogate:
        return "a surrogate, which is no character";
    case Utf8Fault::beyondUnicode:
        return "a value past U+10FFFF";
    }
    return "malformed";
}

std::string HexByte(char c) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
    return hex;
}

} // namespace

std::u32string Utf8ToU32(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Step s = Decode(text, i);
        out += s.fault ? Replacement : s.cp;
        i += s.length;
    }
    return out;
}

std::string U32ToUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : text) {
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = Replacement;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::optional<MalformedUtf8> FindMalformedUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const Step s = Decode(text, i);
        if (s.fault) return MalformedUtf8{i, s.shown, *s.fault};
        i += s.length;
    }
    return std::nullopt;
}

std::string DescribeMalformedUtf8(std::string_view text, const MalformedUtf8& m) {
    std::string bytes;
    for (std::size_t k = m.offset; k < m.offset + m.length && k < text.size(); ++k)
        bytes += (bytes.empty() ? "" : " ") + HexByte(text[k]);
    return bytes + " at byte " + std::to_string(m.offset + 1) + ": " + Why(m.fault);
}

std::string ShowMalformedUtf8(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const Step s = Decode(text, i);
        for (std::size_t k = i; k < i + s.length; ++k) {
            if (s.fault)
                out += "\\x" + HexByte(text[k]);
            else if (text[k] == '\\')
                out += "\\\\";
            else
                out += text[k];
        }
        i += s.length;
    }
    return out;
}

} // namespace rom
