#include "project/CExpression.h"

#include "project/CTokens.h"

#include <limits>
#include <vector>

namespace project {

namespace {

std::optional<std::uint64_t> DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return std::nullopt;
}

// The precedence of a binary operator (higher binds tighter), or -1 for none.
int Precedence(std::string_view op) {
    static constexpr std::pair<std::string_view, int> table[] = {
        {"||", 0}, {"&&", 1}, {"|", 2},  {"^", 3},  {"&", 4}, {"==", 5}, {"!=", 5}, {"<", 6}, {"<=", 6},
        {">", 6},  {">=", 6}, {"<<", 7}, {">>", 7}, {"+", 8}, {"-", 8},  {"*", 9},  {"/", 9}, {"%", 9}};
    for (const auto& [text, precedence] : table)
        if (text == op) return precedence;
    return -1;
}

std::string Quoted(std::string_view text) {
    return "`" + std::string(text) + "`";
}

class Parser {
  public:
    Parser(std::string_view text, const std::function<std::int64_t(std::string_view)>& symbolValue,
           NestingBudget& budget)
        : text_(text), tokens_(Tokenize(text)), symbolValue_(symbolValue), budget_(budget) {}

    std::int64_t Run() {
        if (tokens_.empty()) Fail("an empty expression has no value");
        const std::int64_t value = Binary(0);
        if (at_ < tokens_.size()) Fail("unexpected " + Quoted(tokens_[at_].text) + " in " + Quoted(text_));
        return value;
    }

  private:
    [[noreturn]] static void Fail(std::string why) { throw ExpressionFailure{std::move(why), false}; }

    void Enter() {
        if (--budget_.left < 0) Fail(Quoted(text_) + " is nested too deeply");
    }

    bool Next(std::string_view punctuation) const {
        return at_ < tokens_.size() && tokens_[at_].kind == TokenKind::punctuation &&
               tokens_[at_].text == punctuation;
    }

    // Operators binding at least as tight as minimum, left to right, by precedence climbing, so that the
    // stack grows with the nesting of parentheses only.
    std::int64_t Binary(int minimum) {
        std::int64_t left = Unary();
        while (at_ < tokens_.size() && tokens_[at_].kind == TokenKind::punctuation) {
            const std::string_view op = tokens_[at_].text;
            const int precedence = Precedence(op);
            if (precedence < minimum) break;
            ++at_;
            left = Apply(op, left, Binary(precedence + 1));
        }
        return left;
    }

    std::int64_t Apply(std::string_view op, std::int64_t a, std::int64_t b) const {
        std::int64_t r = 0;
        const auto overflow = [&] { Fail(Quoted(text_) + " does not fit in 64 bits"); };
        if (op == "+") {
            if (__builtin_add_overflow(a, b, &r)) overflow();
        } else if (op == "-") {
            if (__builtin_sub_overflow(a, b, &r)) overflow();
        } else if (op == "*") {
            if (__builtin_mul_overflow(a, b, &r)) overflow();
        } else if (op == "/" || op == "%") {
            if (b == 0) Fail(Quoted(text_) + " divides by zero");
            if (a == std::numeric_limits<std::int64_t>::min() && b == -1) overflow();
            r = op == "/" ? a / b : a % b;
        } else if (op == "<<" || op == ">>") {
            if (b < 0 || b > 63) Fail(Quoted(text_) + " shifts by " + std::to_string(b) + " bits");
            if (op == ">>") return a >> b;
            if ((b == 63 && a != 0) || (b < 63 && __builtin_mul_overflow(a, std::int64_t{1} << b, &r)))
                overflow();
        } else if (op == "&") {
            r = a & b;
        } else if (op == "^") {
            r = a ^ b;
        } else if (op == "|") {
            r = a | b;
        } else if (op == "&&") {
            r = a != 0 && b != 0;
        } else if (op == "||") {
            r = a != 0 || b != 0;
        } else if (op == "==") {
            r = a == b;
        } else if (op == "!=") {
            r = a != b;
        } else if (op == "<") {
            r = a < b;
        } else if (op == "<=") {
            r = a <= b;
        } else if (op == ">") {
            r = a > b;
        } else {
            r = a >= b;
        }
        return r;
    }

    std::int64_t Unary() {
        if (at_ >= tokens_.size()) Fail(Quoted(text_) + " ends where a value is expected");
        const Token& t = tokens_[at_++];
        if (t.kind == TokenKind::punctuation) {
            if (t.text == "(") {
                Enter();
                const std::int64_t value = Binary(0);
                ++budget_.left;
                if (!Next(")")) Fail(Quoted(text_) + " lacks a closing )");
                ++at_;
                return value;
            }
            if (t.text == "-" || t.text == "+" || t.text == "~" || t.text == "!") {
                Enter();
                const std::int64_t value = Unary();
                ++budget_.left;
                if (t.text == "+") return value;
                if (t.text == "~") return ~value;
                if (t.text == "!") return value == 0;
                if (value == std::numeric_limits<std::int64_t>::min())
                    Fail(Quoted(text_) + " does not fit in 64 bits");
                return -value;
            }
        }
        if (t.kind == TokenKind::number) {
            if (const auto value = ParseCNumber(t.text)) return *value;
            Fail(Quoted(t.text) + " is not a whole number of 64 bits");
        }
        if (t.kind == TokenKind::identifier) return symbolValue_(t.text);
        Fail("unexpected " + Quoted(t.text) + " in " + Quoted(text_));
    }

    std::string_view text_;
    std::vector<Token> tokens_;
    const std::function<std::int64_t(std::string_view)>& symbolValue_;
    std::size_t at_ = 0;
    NestingBudget& budget_;
};

} // namespace

std::optional<std::int64_t> ParseCNumber(std::string_view text) {
    // the suffix: u, l, ll in either case and either order
    while (!text.empty() &&
           (text.back() == 'u' || text.back() == 'U' || text.back() == 'l' || text.back() == 'L'))
        text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    std::uint64_t base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'b' || text[1] == 'B')) {
        base = 2;
        text.remove_prefix(2);
    } else if (text.size() > 1 && text[0] == '0') {
        base = 8;
        text.remove_prefix(1);
    }
    std::uint64_t value = 0;
    for (char c : text) {
        const auto digit = DigitValue(c);
        if (!digit || *digit >= base) return std::nullopt;
        if (value > (static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) - *digit) / base)
            return std::nullopt;
        value = value * base + *digit;
    }
    return static_cast<std::int64_t>(value);
}

std::int64_t EvaluateCExpression(std::string_view expression,
                                 const std::function<std::int64_t(std::string_view)>& symbolValue,
                                 NestingBudget& budget) {
    return Parser(expression, symbolValue, budget).Run();
}

} // namespace project
