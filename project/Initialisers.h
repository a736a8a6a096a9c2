#pragma once
// The C initialisers a project's move tables are written in, read from their tokens: a braced list of
// elements, each with an optional designator (.field = or [index] =) and a value that is an
// expression or another braced list. Every part keeps its tokens, so that a value can be rewritten in
// place and a new element inserted in the style of its neighbours.

#include "project/CTokens.h"
#include "project/Defines.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace project {

// A C file of the project, read whole, with its tokens (which point into text).
struct CFile {
    std::filesystem::path path; // relative to the root
    std::string text;
    std::vector<Token> tokens;

    // root/path read and tokenised. Throws ProjectError "path: cannot be read: reason".
    static std::shared_ptr<const CFile> Read(const std::filesystem::path& root,
                                             const std::filesystem::path& path);
    // A file of the given text, for tests and for files read already.
    static std::shared_ptr<const CFile> FromText(const std::filesystem::path& path, std::string text);

    // "path:line" of token i (of the last token when i is past the end).
    std::string At(std::size_t i) const;
    // Whether token i is the punctuation (or keyword) text.
    bool Is(std::size_t i, std::string_view text) const {
        return i < tokens.size() && tokens[i].kind != TokenKind::string && tokens[i].text == text;
    }
    // Throws ProjectError "path:line: reason" for token i.
    [[noreturn]] void Fail(std::size_t i, const std::string& reason) const;
    // The bytes of tokens first to last as written (comments and blanks between them included).
    std::string_view Span(std::size_t first, std::size_t last) const;
    // The tokens first to last joined by blanks, as an expression to evaluate.
    std::string Expression(std::size_t first, std::size_t last) const;
    std::size_t EndOf(std::size_t i) const { return tokens[i].offset + tokens[i].text.size(); }
    // The blanks at the start of the line of token i.
    std::string IndentOf(std::size_t i) const;
};

struct Element;

struct Init {
    bool braced = false;
    std::size_t first = 0, last = 0; // the expression's tokens, or the braces of a list
    std::vector<Element> elements;   // of a list
};

struct Element {
    std::size_t first = 0;                                    // its first token (a designator's)
    std::string field;                                        // the name of a .field designator
    std::optional<std::pair<std::size_t, std::size_t>> index; // the tokens inside an [index] designator
    Init value;
    std::optional<std::size_t> comma; // the comma after it
};

// The token of the { that opens the initialiser of the array named name ("gBattleMoves"), or nullopt.
std::optional<std::size_t> FindInitialiser(const CFile& file, std::string_view name);

// The move tables nest lists three deep (table, block, combo moves); deeper ones are refused.
inline constexpr int MaxInitialiserDepth = 8;

// The initialiser that starts at token i, a list at depth depth. Throws ProjectError "file:line:
// reason" for a list never closed or nested too deep, a designator without =, a preprocessor line
// inside it, an empty value.
Init ParseInitialiser(const CFile& file, std::size_t i, int depth = 0);

// The value of tokens first to last. Throws ProjectError "file:line: what = expression: why".
std::int64_t EvaluateTokens(const CFile& file, const Defines& defines, std::size_t first, std::size_t last,
                            std::string_view what);

// The value of an expression element, in range low to high. Throws ProjectError naming the file, the
// line, what and the reason for a value that cannot be read or is out of range.
std::int64_t ValueInRange(const CFile& file, const Defines& defines, const Init& value, std::string_view what,
                          std::int64_t low, std::int64_t high);

// The entry numbers of a table's elements: an [index] designator's value plus indexBase, else the
// number after the element before (the first is 0). Throws ProjectError for an entry outside 0 to
// count - 1, an entry given twice, or an element with a .field designator.
std::vector<int> EntryNumbers(const CFile& file, const Defines& defines, const Init& table, int count,
                              int indexBase, std::string_view what);

} // namespace project
