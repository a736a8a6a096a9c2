#include "project/Initialisers.h"

#include "files/FileError.h"
#include "files/WholeFiles.h"
#include "project/ProjectError.h"

#include <set>

namespace project {
namespace {

// The token after the bracket, brace or parenthesis group that opens at i.
std::size_t SkipGroup(const CFile& f, std::size_t i) {
    const std::string_view open = f.tokens[i].text;
    const std::string_view close = open == "[" ? "]" : open == "(" ? ")" : "}";
    int depth = 0;
    for (std::size_t j = i; j < f.tokens.size(); ++j) {
        if (f.Is(j, open)) ++depth;
        if (f.Is(j, close) && --depth == 0) return j + 1;
    }
    f.Fail(i, "the " + std::string(open) + " here is never closed");
}

// The last token of the expression that starts at i: up to a , } ] or ; outside parentheses.
std::size_t ExpressionEnd(const CFile& f, std::size_t i) {
    int depth = 0;
    std::size_t j = i;
    for (; j < f.tokens.size(); ++j) {
        const Token& t = f.tokens[j];
        if (t.kind == TokenKind::directive) f.Fail(j, "a preprocessor line inside a table is not read");
        if (f.Is(j, "(")) ++depth;
        if (f.Is(j, ")") && --depth < 0) break;
        if (depth == 0 && (f.Is(j, ",") || f.Is(j, "}") || f.Is(j, "]") || f.Is(j, ";") || f.Is(j, "{")))
            break;
    }
    if (j == i) f.Fail(i, "a value is missing");
    return j - 1;
}

} // namespace

std::shared_ptr<const CFile> CFile::Read(const std::filesystem::path& root,
                                         const std::filesystem::path& path) {
    std::string text;
    try {
        text = files::ReadWholeTextFile(root / path);
    } catch (const files::FileError& e) {
        throw ProjectError(path.generic_string() + ": " + e.what());
    }
    return FromText(path, std::move(text));
}

std::shared_ptr<const CFile> CFile::FromText(const std::filesystem::path& path, std::string text) {
    auto file = std::make_shared<CFile>();
    file->path = path;
    file->text = std::move(text);
    file->tokens = Tokenize(file->text);
    return file;
}

std::string CFile::At(std::size_t i) const {
    return Place{path, tokens.empty() ? 1 : tokens[std::min(i, tokens.size() - 1)].line}.Text();
}

void CFile::Fail(std::size_t i, const std::string& reason) const {
    throw ProjectError(At(i) + ": " + reason);
}

std::string_view CFile::Span(std::size_t first, std::size_t last) const {
    return std::string_view(text).substr(tokens[first].offset, EndOf(last) - tokens[first].offset);
}

std::string CFile::Expression(std::size_t first, std::size_t last) const {
    std::string joined;
    for (std::size_t i = first; i <= last; ++i) {
        if (i > first) joined += ' ';
        joined += tokens[i].text;
    }
    return joined;
}

std::string CFile::IndentOf(std::size_t i) const {
    std::size_t start = tokens[i].offset;
    while (start > 0 && text[start - 1] != '\n') --start;
    std::size_t end = start;
    while (end < text.size() && (text[end] == ' ' || text[end] == '\t')) ++end;
    return text.substr(start, end - start);
}

std::optional<std::size_t> FindInitialiser(const CFile& f, std::string_view name) {
    for (std::size_t i = 0; i < f.tokens.size(); ++i) {
        if (f.tokens[i].kind != TokenKind::identifier || f.tokens[i].text != name) continue;
        std::size_t j = i + 1;
        while (f.Is(j, "[")) j = SkipGroup(f, j);
        if (f.Is(j, "=") && f.Is(j + 1, "{")) return j + 1;
    }
    return std::nullopt;
}

Init ParseInitialiser(const CFile& f, std::size_t i, int depth) {
    Init init;
    init.first = i;
    if (!f.Is(i, "{")) {
        init.last = ExpressionEnd(f, i);
        return init;
    }
    init.braced = true;
    if (depth >= MaxInitialiserDepth) f.Fail(i, "lists nested deeper than a move table's");
    std::size_t j = i + 1;
    while (!f.Is(j, "}")) {
        if (j >= f.tokens.size()) f.Fail(i, "the { here is never closed");
        Element e;
        e.first = j;
        if (f.Is(j, ".")) {
            if (j + 1 >= f.tokens.size() || f.tokens[j + 1].kind != TokenKind::identifier)
                f.Fail(j, "a field name must follow the .");
            e.field = std::string(f.tokens[j + 1].text);
            j += 2;
        } else if (f.Is(j, "[")) {
            const std::size_t close = SkipGroup(f, j) - 1;
            if (close == j + 1) f.Fail(j, "an empty [] designator");
            e.index = {j + 1, close - 1};
            j = close + 1;
        }
        if (!e.field.empty() || e.index) {
            if (!f.Is(j, "=")) f.Fail(j, "= must follow the designator");
            ++j;
        }
        if (j >= f.tokens.size()) f.Fail(i, "the { here is never closed");
        e.value = ParseInitialiser(f, j, depth + 1);
        j = e.value.last + 1;
        if (f.Is(j, ",")) {
            e.comma = j;
            ++j;
        } else if (!f.Is(j, "}")) {
            f.Fail(j, "a , or } must follow a value");
        }
        init.elements.push_back(std::move(e));
    }
    init.last = j;
    return init;
}

std::int64_t EvaluateTokens(const CFile& f, const Defines& defines, std::size_t first, std::size_t last,
                            std::string_view what) {
    const Evaluation e = defines.Evaluate(f.Expression(first, last));
    if (!e.value)
        f.Fail(first, std::string(what) + " = " + std::string(f.Span(first, last)) + ": " + e.whyNot);
    return *e.value;
}

std::int64_t ValueInRange(const CFile& f, const Defines& defines, const Init& value, std::string_view what,
                          std::int64_t low, std::int64_t high) {
    if (value.braced) f.Fail(value.first, std::string(what) + " is a list where a value belongs");
    const std::int64_t v = EvaluateTokens(f, defines, value.first, value.last, what);
    if (v >= low && v <= high) return v;
    const std::string written(f.Span(value.first, value.last));
    f.Fail(value.first, std::string(what) + " = " + written + " is " +
                            (written == std::to_string(v) ? "" : std::to_string(v) + ", ") + "outside " +
                            std::to_string(low) + " to " + std::to_string(high));
}

std::vector<int> EntryNumbers(const CFile& f, const Defines& defines, const Init& table, int count,
                              int indexBase, std::string_view what) {
    std::vector<int> numbers;
    std::set<int> seen;
    int next = 0;
    for (const Element& e : table.elements) {
        if (!e.field.empty()) f.Fail(e.first, "." + e.field + " is no entry of " + std::string(what));
        std::int64_t index = next;
        if (e.index) index = EvaluateTokens(f, defines, e.index->first, e.index->second, "[index]");
        const std::int64_t k = index + indexBase;
        if (k < 0 || k >= count) {
            const std::string shown = e.index
                                          ? "[" + std::string(f.Span(e.index->first, e.index->second)) + "]"
                                          : "entry " + std::to_string(index);
            f.Fail(e.first, std::string(what) + " " + shown + " is move " + std::to_string(k) +
                                ", outside 0 to MOVES_COUNT - 1 (" + std::to_string(count - 1) + ")");
        }
        if (!seen.insert(static_cast<int>(k)).second)
            f.Fail(e.first, std::string(what) + " gives move " + std::to_string(k) + " twice");
        numbers.push_back(static_cast<int>(k));
        next = static_cast<int>(index) + 1;
    }
    return numbers;
}

} // namespace project
