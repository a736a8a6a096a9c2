#pragma once
// Conversions between the texts of the window's fields and numbers. No Qt, so that they are tested and
// fuzzed without a window.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace editor {

// A text that must be a number is not one.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A number does not fit the 32-bit integer it must become.
class OverflowError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The number at the start of text; 0 when there is none. Never fails. Blanks, tabs and line feeds
// are skipped anywhere ("1 2" is 12); "&H" and "&O" start hexadecimal and octal numbers; otherwise
// sign, digits, fraction and an exponent with "E" or "D" ("2E2" is 200).
double ParseLeadingNumber(std::string_view text);

// The whole text, apart from outer blanks, as a number: sign, digits, fraction, exponent, or
// hexadecimal digits after "&H". Throws ConversionError for anything else ("", "12a").
double ParseNumber(std::string_view text);

// The nearest 32-bit integer, halves to the even neighbour (2.5 is 2). Throws OverflowError
// outside the 32-bit range.
std::int32_t RoundToInteger(double number);

// Decimal text with at most 15 significant digits: "7", "-5", "1.5". Never fails.
std::string FormatDecimal(double number);

} // namespace editor
