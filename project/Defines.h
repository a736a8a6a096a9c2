#pragma once
// The #defines of a project's include folder, and the values of the expressions its tables are
// written in. Values come only from the project's own defines: forks add effects, types and moves.
// A define inside #if/#ifdef/#ifndef counts only when every branch that defines the symbol gives it
// the same value (a branch that leaves it undefined makes it unknown), since the build's command line
// may choose any branch; only an include guard (#ifndef G, #define G first, its #endif last) and a
// condition of numbers alone (#if 0) are decided. A define that reaches itself through others is a
// cycle, and unknown. Files are read in the order given, a later define replacing an earlier one.

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace project {

// Where something was read: a file relative to the project's root and a 1-based line.
struct Place {
    std::filesystem::path file;
    int line = 0;
    std::string Text() const; // "include/constants/moves.h:12"
};

// What a symbol or an expression stands for: a value, or why it has none.
struct Evaluation {
    std::optional<std::int64_t> value;
    std::string whyNot; // "EFFECT_X is not defined", "MOVE_A is defined through itself", ...
};

class Defines {
  public:
    // The defines of every .h file under root/include (paths in sorted order; a file read fails with
    // ProjectError naming it). Object-like defines only: a function-like macro is not a value.
    static Defines ReadIncludeFolder(const std::filesystem::path& root);
    // The defines of the given files' texts (path relative to the root, text), in order.
    static Defines FromTexts(const std::vector<std::pair<std::filesystem::path, std::string>>& files);

    // The value of symbol. Never fails.
    Evaluation Value(std::string_view symbol) const;
    // The value of an expression: decimal, hex (0x), binary (0b) or octal numbers (with u/l
    // suffixes), symbols, parentheses, unary + - ~ !, binary * / % + - << >> & ^ | and the
    // comparisons, && and || of an #if. Never fails.
    Evaluation Evaluate(std::string_view expression) const;
    // The symbols starting with prefix that have a value, with it, in the order they were defined.
    std::vector<std::pair<std::string, std::int64_t>> WithPrefix(std::string_view prefix) const;
    // Where the definition of symbol in effect is (the first branch's where the branches of an #if
    // define it), or nullopt when it is not defined.
    std::optional<Place> PlaceOf(std::string_view symbol) const;

  private:
    friend class DefinesReader;
    friend class DefinesEvaluator;
    // One way a symbol may be defined: its body (comments and continuations removed, blanks between
    // tokens made one space) and where; nullopt in an alternative means undefined on that branch.
    struct Body {
        std::string text;
        std::shared_ptr<const std::filesystem::path> file; // one per file read, shared by its defines
        int line = 0;
        bool functionLike = false;
        Place Where() const { return {*file, line}; }
    };
    // One alternative when the symbol is defined outside any undecided #if; one a branch otherwise.
    struct Definition {
        std::vector<std::optional<Body>> alternatives;
    };
    // Looked up by a string_view of a token: hashed without a copy of the name.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };
    std::unordered_map<std::string, Definition, NameHash, std::equal_to<>> definitions_;
    std::vector<std::string> order_;
};

} // namespace project
