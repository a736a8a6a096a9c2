#include "editor/NumberConversions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace editor {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    return v < base ? v : -1;
}

// Reads digits of base from text at pos; returns their value and advances pos.
double ReadRadixDigits(std::string_view text, std::size_t& pos, int base) {
    double value = 0;
    for (; pos < text.size(); ++pos) {
        const int d = DigitValue(text[pos], base);
        if (d < 0) break;
        value = value * base + d;
    }
    return value;
}

// Scans a decimal number (sign, digits, fraction, exponent E or D) at pos of text. Returns the
// length of the longest prefix that is a number, and its text with the exponent letter made "e".
std::size_t ScanDecimal(std::string_view text, std::string& number) {
    std::size_t pos = 0;
    number.clear();
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) number += text[pos++];
    std::size_t digits = 0;
    while (pos < text.size() && IsDigit(text[pos])) number += text[pos++], ++digits;
    if (pos < text.size() && text[pos] == '.') {
        number += text[pos++];
        while (pos < text.size() && IsDigit(text[pos])) number += text[pos++], ++digits;
    }
    if (digits == 0) {
        number.clear();
        return 0;
    }
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e' || text[pos] == 'D' || text[pos] == 'd')) {
        std::size_t p = pos + 1;
        std::string exponent = "e";
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) exponent += text[p++];
        const std::size_t digitsStart = p;
        while (p < text.size() && IsDigit(text[p])) exponent += text[p++];
        if (p > digitsStart) {
            number += exponent;
            pos = p;
        }
    }
    return pos;
}

bool StartsWithPrefix(std::string_view text, char letter) {
    return text.size() >= 2 && text[0] == '&' && (text[1] == letter || text[1] == letter + 32);
}

} // namespace

double ParseLeadingNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') compact += c;

    std::size_t pos = 2;
    if (StartsWithPrefix(compact, 'H')) return ReadRadixDigits(compact, pos, 16);
    if (StartsWithPrefix(compact, 'O')) return ReadRadixDigits(compact, pos, 8);

    std::string number;
    if (ScanDecimal(compact, number) == 0) return 0;
    return std::strtod(number.c_str(), nullptr);
}

double ParseNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string_view::npos) throw ConversionError("not a number: \"" + std::string(text) + "\"");
    const std::string_view core = text.substr(first, last - first + 1);

    if (StartsWithPrefix(core, 'H')) {
        std::size_t pos = 2;
        const double value = ReadRadixDigits(core, pos, 16);
        if (pos == 2 || pos != core.size()) throw ConversionError("not a number: \"" + std::string(text) + "\"");
        return value;
    }
    std::string number;
    if (ScanDecimal(core, number) != core.size() || core.empty())
        throw ConversionError("not a number: \"" + std::string(text) + "\"");
    return std::strtod(number.c_str(), nullptr);
}

std::int32_t RoundToInteger(double number) {
    const double rounded = std::nearbyint(number); // the default rounding mode sends halves to even
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max()))
        throw OverflowError("number out of the 32-bit range: " + FormatDecimal(number));
    return static_cast<std::int32_t>(rounded);
}

std::string FormatDecimal(double number) {
    if (number == 0) return "0"; // also -0
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", number);
    return buffer;
}

} // namespace editor
