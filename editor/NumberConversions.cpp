#include "editor/NumberConversions.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace editor {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
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

// Whether a decimal number text that lies beyond the range of double is large (not tiny): the
// power of ten of its first significant digit, with the exponent added, is not negative.
bool BeyondRangeIsLarge(std::string_view number) {
    std::size_t pos = (!number.empty() && (number[0] == '-' || number[0] == '+')) ? 1 : 0;
    long long power = 0, zerosAfterPoint = 0;
    bool seenSignificant = false, afterPoint = false;
    for (; pos < number.size() && number[pos] != 'e'; ++pos) {
        const char c = number[pos];
        if (c == '.') {
            afterPoint = true;
        } else if (!seenSignificant) {
            if (c != '0') {
                seenSignificant = true;
                power = afterPoint ? -(zerosAfterPoint + 1) : 0;
            } else if (afterPoint) {
                ++zerosAfterPoint;
            }
        } else if (!afterPoint) {
            ++power;
        }
    }
    if (!seenSignificant) return false;
    long long exponent = 0;
    if (pos < number.size()) {
        const bool negative = pos + 1 < number.size() && number[pos + 1] == '-';
        for (std::size_t p = pos + 1; p < number.size(); ++p)
            if (number[p] >= '0' && number[p] <= '9')
                exponent = std::min(exponent * 10 + (number[p] - '0'), 1000000LL);
        if (negative) exponent = -exponent;
    }
    return power + exponent >= 0;
}

// The value of a scanned decimal number, read the same way whatever the user's locale: the period is
// the decimal separator. Numbers beyond the range of double become infinity or zero, with their sign.
double DecimalValue(const std::string& number) {
    const bool negative = !number.empty() && number[0] == '-';
    const std::size_t start = (!number.empty() && (number[0] == '+')) ? 1 : 0; // from_chars takes no "+"
    double value = 0;
    const auto [end, ec] = std::from_chars(number.data() + start, number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        const double magnitude = BeyondRangeIsLarge(number) ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -magnitude : magnitude;
    }
    return value;
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
    return DecimalValue(number);
}

double ParseNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string_view::npos) throw ConversionError("not a number: \"" + std::string(text) + "\"");
    const std::string_view core = text.substr(first, last - first + 1);

    if (StartsWithPrefix(core, 'H')) {
        std::size_t pos = 2;
        const double value = ReadRadixDigits(core, pos, 16);
        if (pos == 2 || pos != core.size())
            throw ConversionError("not a number: \"" + std::string(text) + "\"");
        return value;
    }
    std::string number;
    if (ScanDecimal(core, number) != core.size() || core.empty())
        throw ConversionError("not a number: \"" + std::string(text) + "\"");
    return DecimalValue(number);
}

std::int32_t RoundToInteger(double number) {
    const double rounded = std::nearbyint(number); // the default rounding mode sends halves to even
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max()))
        throw OverflowError("number out of the 32-bit range: " + FormatDecimal(number));
    return static_cast<std::int32_t>(rounded);
}

std::string FormatDecimal(double number) {
    if (number == 0) return "0"; // also -0
    // Fifteen significant digits, the shortest of fixed or scientific form, the exponent as "E+20":
    // to_chars writes it the same way whatever the user's locale.
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace editor
