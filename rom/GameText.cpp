#include "rom/GameText.h"

#include "rom/MoveRecord.h"
#include "rom/Utf8.h"

#include <array>
#include <cstdint>

namespace rom {
namespace {

constexpr char32_t TerminatorMark = U'^';
constexpr std::uint8_t LineBreakByte = 0xFE, EndByte = 0xFF;
constexpr int NoCode = -1;

struct GameChar {
    std::uint8_t byte;
    char32_t shown;
};

// The game's character table for the releases with Latin letters, apart from the runs of digits and
// letters (below) and the line break. Bytes that are not listed are control or unused codes.
constexpr GameChar Characters[] = {
    {0x00, U' '}, {0x01, U'À'}, {0x02, U'Á'}, {0x03, U'Â'}, {0x04, U'Ç'}, {0x05, U'È'}, {0x06, U'É'},
    {0x07, U'Ê'}, {0x08, U'Ë'}, {0x09, U'Ì'}, {0x0B, U'Î'}, {0x0C, U'Ï'}, {0x0D, U'Ò'}, {0x0E, U'Ó'},
    {0x0F, U'Ô'}, {0x10, U'Œ'}, {0x11, U'Ù'}, {0x12, U'Ú'}, {0x13, U'Û'}, {0x14, U'Ñ'}, {0x15, U'ß'},
    {0x16, U'à'}, {0x17, U'á'}, {0x19, U'ç'}, {0x1A, U'è'}, {0x1B, U'é'}, {0x1C, U'ê'}, {0x1D, U'ë'},
    {0x1E, U'ì'}, {0x20, U'î'}, {0x21, U'ï'}, {0x22, U'ò'}, {0x23, U'ó'}, {0x24, U'ô'}, {0x25, U'œ'},
    {0x26, U'ù'}, {0x27, U'ú'}, {0x28, U'û'}, {0x29, U'ñ'}, {0x2A, U'º'}, {0x2B, U'ª'}, {0x2D, U'&'},
    {0x2E, U'+'}, {0x35, U'='}, {0x36, U';'}, {0x51, U'¿'}, {0x52, U'¡'}, {0x5A, U'Í'}, {0x5B, U'%'},
    {0x5C, U'('}, {0x5D, U')'}, {0x68, U'â'}, {0x6F, U'í'}, {0x85, U'<'}, {0x86, U'>'}, {0xAB, U'!'},
    {0xAC, U'?'}, {0xAD, U'.'}, {0xAE, U'-'}, {0xAF, U'·'}, {0xB0, U'…'}, {0xB1, U'“'}, {0xB2, U'”'},
    {0xB3, U'‘'}, {0xB4, U'’'}, {0xB5, U'♂'}, {0xB6, U'♀'}, {0xB7, U'¥'}, {0xB8, U','}, {0xB9, U'×'},
    {0xBA, U'/'}, {0xEF, U'▶'}, {0xF0, U':'}, {0xF1, U'Ä'}, {0xF2, U'Ö'}, {0xF3, U'Ü'}, {0xF4, U'ä'},
    {0xF5, U'ö'}, {0xF6, U'ü'},
};

struct GameRun {
    std::uint8_t firstByte;
    char32_t first, last;
};

// A1 is "0" and AA is "9"; BB to D4 are "A" to "Z"; D5 to EE are "a" to "z".
constexpr GameRun Runs[] = {{0xA1, U'0', U'9'}, {0xBB, U'A', U'Z'}, {0xD5, U'a', U'z'}};

// Characters typed on a keyboard for the game's typographic ones.
constexpr GameChar TypedAliases[] = {{0xB1, U'"'}, {0xB4, U'\''}, {EndByte, TerminatorMark}};

struct TextUnit {
    std::u32string_view text;
    std::uint8_t byte;
};

// Texts that stand for one byte as a whole: the line break as the list shows it, and the texts
// older versions of this editor showed for the ellipsis, male, female and multiplication signs.
constexpr TextUnit TextUnits[] = {
    {U"\r\n", LineBreakByte}, {U"[...]", 0xB0}, {U"[m]", 0xB5}, {U"[f]", 0xB6}, {U"[x]", 0xB9}};

// Display text of every byte; empty for the bytes that show nothing (and for FF, which ends the text).
const std::array<std::string, 256>& DecodeTable() {
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> t;
        for (const GameChar& c : Characters) t[c.byte] = U32ToUtf8(std::u32string(1, c.shown));
        for (const GameRun& r : Runs)
            for (char32_t c = r.first; c <= r.last; ++c)
                t[r.firstByte + (c - r.first)] = static_cast<char>(c);
        t[LineBreakByte] = "\r\n";
        return t;
    }();
    return table;
}

int UpperHexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

int EncodeToByte(char32_t c) {
    for (const GameRun& r : Runs)
        if (c >= r.first && c <= r.last) return r.firstByte + static_cast<int>(c - r.first);
    for (const GameChar& g : Characters)
        if (g.shown == c) return g.byte;
    for (const GameChar& g : TypedAliases)
        if (g.shown == c) return g.byte;
    return NoCode;
}

std::string PairOf(int byte) {
    static constexpr char digits[] = "0123456789ABCDEF";
    if (byte == NoCode) return {};
    return {digits[byte >> 4], digits[byte & 0x0F]};
}

} // namespace

std::string DecodeGameText(std::string_view hex) {
    const auto& table = DecodeTable();
    std::string text;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const std::string_view pair = hex.substr(i, 2);
        if (pair == "FF") break;
        if (pair.size() != 2) continue;
        const int hi = UpperHexDigit(pair[0]), lo = UpperHexDigit(pair[1]);
        if (hi < 0 || lo < 0) continue;
        text += table[static_cast<std::size_t>(hi * 16 + lo)];
    }
    return text;
}

std::string DecodeGameBytes(std::span<const std::uint8_t> bytes) {
    const auto& table = DecodeTable();
    std::string text;
    for (std::uint8_t b : bytes) {
        if (b == EndByte) break;
        text += table[b];
    }
    return text;
}

std::string EncodeGameChar(char32_t c) {
    return PairOf(EncodeToByte(c));
}

std::string EncodeGameUnit(std::u32string_view unit) {
    if (unit.size() == 1) return EncodeGameChar(unit[0]);
    for (const TextUnit& u : TextUnits)
        if (u.text == unit) return PairOf(u.byte);
    return {};
}

std::vector<std::u32string> SplitGameUnits(std::u32string_view text) {
    std::vector<std::u32string> units;
    while (!text.empty()) {
        std::size_t length = 1;
        for (const TextUnit& u : TextUnits)
            if (text.starts_with(u.text)) length = u.text.size();
        units.emplace_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return units;
}

std::vector<std::u32string> NameFieldUnits(std::u32string_view name) {
    std::vector<std::u32string> units = SplitGameUnits(name);
    units.emplace_back(1, TerminatorMark);
    units.resize(MoveNameFieldLength, U" ");
    return units;
}

std::u32string NameFieldText(std::u32string_view name) {
    std::u32string field;
    for (const std::u32string& unit : NameFieldUnits(name)) field += unit;
    return field;
}

std::vector<std::string> EncodeNameField(std::u32string_view name) {
    std::vector<std::string> pairs;
    for (const std::u32string& unit : NameFieldUnits(name)) pairs.push_back(EncodeGameUnit(unit));
    return pairs;
}

} // namespace rom
