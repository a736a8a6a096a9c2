#pragma once
// The integer value of a C constant expression as a project's defines and tables write it, in
// 64-bit signed arithmetic: numbers (decimal, 0x hex, 0b binary, 0 octal, u/l suffixes), symbols,
// parentheses, unary + - ~ !, binary * / % + - << >> < <= > >= == != & ^ | && ||.

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace project {

// Why an expression has no value. located: the reason already says where it arose.
struct ExpressionFailure {
    std::string why;
    bool located = false;
};

// The value of a C integer literal ("0x1Fu", "010", "42"), or nullopt when text is none or does not
// fit in 64 bits signed. Never fails.
std::optional<std::int64_t> ParseCNumber(std::string_view text);

// How much deeper an evaluation may go: parentheses and unary operators take one level each, also in
// the expressions of the symbols it resolves, so that no input runs out the stack.
struct NestingBudget {
    int left = 400;
};

// The value of expression, each symbol's value asked of symbolValue (which throws ExpressionFailure
// when it has none). Throws ExpressionFailure for an expression that is no value: a token out of
// place, a division by zero, a result or shift outside 64 bits, nesting beyond the budget.
std::int64_t EvaluateCExpression(std::string_view expression,
                                 const std::function<std::int64_t(std::string_view)>& symbolValue,
                                 NestingBudget& budget);

} // namespace project
