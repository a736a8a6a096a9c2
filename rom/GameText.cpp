#include "rom/GameText.h"

#include "rom/MoveRecord.h"
#include "rom/Utf8.h"

namespace rom {
namespace {

constexpr char32_t TerminatorMark = U'^';

// Display text of one byte; nullptr means the byte is not in the table.
const char* DecodeByte(unsigned b) {
    static const char* const digits[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    static const char* const upper[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                        "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
    static const char* const lower[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
                                        "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"};
    if (b >= 0xA1 && b <= 0xA9) return digits[b - 0xA1];
    if (b >= 0xBB && b <= 0xD4) return upper[b - 0xBB];
    if (b >= 0xD5 && b <= 0xEE) return lower[b - 0xD5];
    switch (b) {
    case 0x00: return " ";
    case 0x1B: return "\xC3\xA9"; // é
    case 0xAA: return "0";
    case 0xAB: return "!";
    case 0xAC: return "?";
    case 0xAD: return ".";
    case 0xAE: return "-";
    case 0xAF: return "\xC2\xB7"; // ·
    case 0xB0: return "[...]";
    case 0xB1: return "\"";
    case 0xB2: return "\"";
    case 0xB3: return "[m]";
    case 0xB4: return "[f]";
    case 0xB5: return "$";
    case 0xB6: return ",";
    case 0xB7: return "[x]";
    case 0xB8: return "/";
    case 0xB9: return "0";
    case 0xBA: return "0";
    case 0xFE: return "\r\n";
    default: return nullptr;
    }
}

int UpperHexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Byte of one display character, or -1 when it has none.
int EncodeToByte(char32_t c) {
    if (c >= U'1' && c <= U'9') return 0xA1 + static_cast<int>(c - U'1');
    if (c >= U'A' && c <= U'Z') return 0xBB + static_cast<int>(c - U'A');
    if (c >= U'a' && c <= U'z') return 0xD5 + static_cast<int>(c - U'a');
    switch (c) {
    case U' ': return 0x00;
    case U'\u00E9': return 0x1B;
    case U'0': return 0xAA;
    case U'!': return 0xAB;
    case U'?': return 0xAC;
    case U'.': return 0xAD;
    case U'-': return 0xAE;
    case U'\u00B7': return 0xAF;
    case U'"': return 0xB1;
    case U'$': return 0xB5;
    case U',': return 0xB6;
    case U'/': return 0xB8;
    case TerminatorMark: return 0xFF;
    default: return -1;
    }
}

} // namespace

std::string DecodeGameText(std::string_view hex) {
    std::string text;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const std::string_view pair = hex.substr(i, 2);
        if (pair == "FF") break;
        if (pair.size() != 2) continue;
        const int hi = UpperHexDigit(pair[0]), lo = UpperHexDigit(pair[1]);
        if (hi < 0 || lo < 0) continue;
        if (const char* shown = DecodeByte(static_cast<unsigned>(hi * 16 + lo))) text += shown;
    }
    return text;
}

std::string EncodeGameChar(char32_t c) {
    static constexpr char digits[] = "0123456789ABCDEF";
    const int b = EncodeToByte(c);
    if (b < 0) return {};
    return {digits[b >> 4], digits[b & 0x0F]};
}

std::u32string NameFieldText(std::u32string_view name) {
    std::u32string field(name);
    field += TerminatorMark;
    field.append(12, U' ');
    field.resize(MoveNameFieldLength);
    return field;
}

std::vector<std::string> EncodeNameField(std::u32string_view name) {
    std::vector<std::string> pairs;
    for (char32_t c : NameFieldText(name)) pairs.push_back(EncodeGameChar(c));
    return pairs;
}

} // namespace rom
