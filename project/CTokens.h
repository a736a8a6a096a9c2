#pragma once
// The tokens of a C source file as the project's readers need them: identifiers, numbers, string
// literals and punctuation, each with its byte offset and line, comments and blanks skipped, so that
// a value can be read from its tokens and rewritten in place without touching a byte around it.

#include <cstddef>
#include <string_view>
#include <vector>

namespace project {

enum class TokenKind { identifier, number, string, character, punctuation, directive };

struct Token {
    TokenKind kind;
    std::string_view text; // the token's bytes in the source (a string literal with its quotes)
    std::size_t offset;    // of its first byte in the source
    int line;              // 1-based
};

// The tokens of source. A preprocessor line (a # first on its line, with its continuations, up to a
// comment or blanks ending it) is one directive token. Punctuation is C's: the longest operator that
// matches ("<<", "->", "...") or one byte; a number is C's preprocessing number (0x1Fu, 1.5e+3);
// a prefixed literal (L"..", u8"..") is one string or character token. Never
// fails: a byte that starts no token is a punctuation token of its own, an unterminated literal or
// comment runs to the end of its line (literal) or the file (comment).
std::vector<Token> Tokenize(std::string_view source);

} // namespace project
