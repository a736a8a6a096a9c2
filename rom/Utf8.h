#pragma once
// Conversions between UTF-8 text and code points, for display text handed across the layer.
//
// UTF-8 is read strictly: an overlong encoding ("\xC1\x81" for "A"), a surrogate (U+D800 to U+DFFF),
// a value past U+10FFFF, a byte that begins no character and a sequence cut short are malformed.
// Display text decodes leniently (each malformed stretch becomes U+FFFD, never an error); text
// that is to be written (a name, a cell, an operand) is checked with FindMalformedUtf8 first and
// refused, so that no malformed byte is ever read as a character.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rom {

// Why a stretch of bytes is no character.
enum class Utf8Fault { notALead, truncated, overlong, surrogate, beyondUnicode };

// A malformed stretch: where it begins, how many bytes it spans (the lead and the continuation
// bytes that follow it, up to the length the lead announces), and why.
struct MalformedUtf8 {
    std::size_t offset = 0;
    std::size_t length = 0;
    Utf8Fault fault = Utf8Fault::notALead;
};

// Decodes UTF-8; each malformed stretch (as Unicode replaces them: the longest start of a
// well-formed sequence, else one byte) becomes U+FFFD, which no table encodes. Never fails.
std::u32string Utf8ToU32(std::string_view text);

// Encodes code points; one that is no Unicode scalar value (a surrogate, a value past U+10FFFF)
// becomes U+FFFD. Never fails.
std::string U32ToUtf8(std::u32string_view text);

// The first malformed stretch of text, or nullopt when all of it is well-formed UTF-8. Never fails.
std::optional<MalformedUtf8> FindMalformedUtf8(std::string_view text);

// "C1 81 at byte 1: an overlong encoding": the stretch and why, for a message; byte positions count
// from 1. Never fails.
std::string DescribeMalformedUtf8(std::string_view text, const MalformedUtf8& m);

// The text with each byte of every malformed stretch written as \xHH (and each backslash as \\), so
// that a message can show it without passing the bytes on. Never fails.
std::string ShowMalformedUtf8(std::string_view text);

} // namespace rom
