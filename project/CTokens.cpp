#include "project/CTokens.h"

#include <array>

namespace project {

namespace {

bool IsIdentifierStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsIdentifierChar(char c) {
    return IsIdentifierStart(c) || IsDigit(c);
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// C's punctuators of more than one character, longest first, so that the first match is the longest.
constexpr std::array<std::string_view, 22> LongPunctuators = {
    "<<=", ">>=", "...", "->", "++", "--", "<<", ">>", "<=", ">=", "==",
    "!=",  "&&",  "||",  "*=", "/=", "%=", "+=", "-=", "&=", "^=", "|="};

class Scanner {
  public:
    explicit Scanner(std::string_view source) : s_(source) {}

    std::vector<Token> Run() {
        std::vector<Token> tokens;
        if (s_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3; // a byte-order mark some editors write
        bool lineStart = true;                           // only blanks and comments since the last line break
        while (true) {
            SkipContinuations();
            if (pos_ >= s_.size()) break;
            const char c = s_[pos_];
            if (c == '\n') {
                Advance(1);
                lineStart = true;
                continue;
            }
            if (IsBlank(c)) {
                Advance(1);
                continue;
            }
            if (StartsComment()) {
                SkipComment();
                continue;
            }
            const std::size_t start = pos_;
            const int line = line_;
            TokenKind kind = TokenKind::punctuation;
            if (c == '#' && lineStart) {
                kind = TokenKind::directive;
                ScanDirective();
            } else if (IsDigit(c) || (c == '.' && pos_ + 1 < s_.size() && IsDigit(s_[pos_ + 1]))) {
                kind = TokenKind::number;
                ScanNumber();
            } else if (IsIdentifierStart(c)) {
                ScanIdentifier();
                // L"...", u8"...", u'...': a prefixed literal is one token
                const std::string_view word = s_.substr(start, pos_ - start);
                const bool prefix = word == "L" || word == "u" || word == "U" || word == "u8";
                if (prefix && pos_ < s_.size() && (s_[pos_] == '"' || s_[pos_] == '\'')) {
                    kind = s_[pos_] == '"' ? TokenKind::string : TokenKind::character;
                    ScanQuoted(s_[pos_]);
                } else {
                    kind = TokenKind::identifier;
                }
            } else if (c == '"' || c == '\'') {
                kind = c == '"' ? TokenKind::string : TokenKind::character;
                ScanQuoted(c);
            } else {
                ScanPunctuation();
            }
            tokens.push_back({kind, s_.substr(start, pos_ - start), start, line});
            lineStart = false;
        }
        return tokens;
    }

  private:
    // A backslash ending a line joins the next line to it.
    std::size_t ContinuationLength(std::size_t at) const {
        if (at >= s_.size() || s_[at] != '\\') return 0;
        if (at + 1 < s_.size() && s_[at + 1] == '\n') return 2;
        if (at + 2 < s_.size() && s_[at + 1] == '\r' && s_[at + 2] == '\n') return 3;
        return 0;
    }

    void SkipContinuations() {
        while (std::size_t n = ContinuationLength(pos_)) Advance(n);
    }

    void Advance(std::size_t n) {
        for (std::size_t i = 0; i < n && pos_ < s_.size(); ++i, ++pos_)
            if (s_[pos_] == '\n') ++line_;
    }

    bool StartsComment() const {
        return s_[pos_] == '/' && pos_ + 1 < s_.size() && (s_[pos_ + 1] == '/' || s_[pos_ + 1] == '*');
    }

    // A // comment runs to the end of its line (continued lines included), a /* comment to its */ or
    // the end of the source.
    void SkipComment() {
        const bool block = s_[pos_ + 1] == '*';
        Advance(2);
        while (pos_ < s_.size()) {
            if (block && s_.compare(pos_, 2, "*/") == 0) {
                Advance(2);
                return;
            }
            if (!block) {
                if (std::size_t n = ContinuationLength(pos_)) {
                    Advance(n);
                    continue;
                }
                if (s_[pos_] == '\n') return;
            }
            Advance(1);
        }
    }

    // A directive runs to the first line break outside a block comment and not continued.
    void ScanDirective() {
        Advance(1);
        std::size_t end = pos_;
        while (pos_ < s_.size()) {
            if (std::size_t n = ContinuationLength(pos_)) {
                Advance(n);
                continue;
            }
            const char c = s_[pos_];
            if (c == '\n') break;
            if (StartsComment()) {
                SkipComment();
                continue;
            }
            if (c == '"' || c == '\'') {
                ScanQuoted(c);
            } else {
                Advance(1);
            }
            if (!IsBlank(c)) end = pos_;
        }
        // the token ends with its last byte that is neither blank nor in a comment
        line_ = LineAt(end);
        pos_ = end;
    }

    int LineAt(std::size_t end) const {
        // rewinding over blanks and comments after the directive's last byte
        int line = line_;
        for (std::size_t i = end; i < pos_; ++i)
            if (s_[i] == '\n') --line;
        return line;
    }

    // A pp-number: digits, letters, _, . and an exponent's sign (1e+5, 0x1p-3).
    void ScanNumber() {
        while (pos_ < s_.size()) {
            const char c = s_[pos_];
            if ((c == '+' || c == '-') && pos_ > 0) {
                const char before = s_[pos_ - 1];
                if (before == 'e' || before == 'E' || before == 'p' || before == 'P') {
                    Advance(1);
                    continue;
                }
                break;
            }
            if (!IsIdentifierChar(c) && c != '.') break;
            Advance(1);
        }
    }

    void ScanIdentifier() {
        while (pos_ < s_.size() && IsIdentifierChar(s_[pos_])) Advance(1);
    }

    // A literal runs to its closing quote, or to the end of its line when it has none.
    void ScanQuoted(char quote) {
        Advance(1);
        while (pos_ < s_.size()) {
            if (std::size_t n = ContinuationLength(pos_)) {
                Advance(n);
                continue;
            }
            const char c = s_[pos_];
            if (c == '\n') return;
            if (c == '\\' && pos_ + 1 < s_.size() && s_[pos_ + 1] != '\n') {
                Advance(2);
                continue;
            }
            Advance(1);
            if (c == quote) return;
        }
    }

    void ScanPunctuation() {
        if (std::string_view("<>.-+&|=!*/%^").find(s_[pos_]) == std::string_view::npos) {
            Advance(1);
            return;
        }
        for (std::string_view p : LongPunctuators) {
            if (s_.compare(pos_, p.size(), p) == 0) {
                Advance(p.size());
                return;
            }
        }
        Advance(1);
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

} // namespace

std::vector<Token> Tokenize(std::string_view source) {
    return Scanner(source).Run();
}

} // namespace project
