#include "project/Defines.h"

#include "files/FileError.h"
#include "files/WholeFiles.h"
#include "project/CExpression.h"
#include "project/CTokens.h"
#include "project/ProjectError.h"

#include <algorithm>
#include <deque>
#include <set>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

namespace project {

namespace fs = std::filesystem;

std::string Place::Text() const {
    return file.generic_string() + ":" + std::to_string(line);
}

namespace {

constexpr std::size_t MaxChain = 200; // a define reached through more defines than this is refused

// One directive of a file: its name ("define", "ifdef", ...) and the tokens after it, read from its
// text with the continuations removed, so that a comment ends where the joined line does.
struct Directive {
    std::string name;
    std::string text; // the joined line after the '#'
    std::vector<Token> tokens;
    int line = 0;
};

std::string JoinContinuations(std::string_view text) {
    std::string joined;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && text.compare(i + 1, 1, "\n") == 0) {
            ++i;
        } else if (text[i] == '\\' && text.compare(i + 1, 2, "\r\n") == 0) {
            i += 2;
        } else {
            joined += text[i];
        }
    }
    return joined;
}

// A deque, as each directive's tokens view its own text, which must stay where it is.
std::deque<Directive> DirectivesOf(std::string_view source) {
    std::deque<Directive> directives;
    for (const Token& t : Tokenize(source)) {
        if (t.kind != TokenKind::directive) continue;
        Directive& d = directives.emplace_back();
        d.text = JoinContinuations(t.text.substr(1));
        d.tokens = Tokenize(d.text);
        d.line = t.line;
        if (!d.tokens.empty() && d.tokens[0].kind == TokenKind::identifier) d.name = d.tokens[0].text;
    }
    return directives;
}

// The tokens from index first on, one space wherever the source had blanks or a comment between two.
std::string JoinTokens(const Directive& d, std::size_t first) {
    std::string text;
    for (std::size_t i = first; i < d.tokens.size(); ++i) {
        const Token& t = d.tokens[i];
        if (i > first) {
            const Token& before = d.tokens[i - 1];
            if (before.offset + before.text.size() != t.offset) text += ' ';
        }
        text += t.text;
    }
    return text;
}

bool Opens(const Directive& d) {
    return d.name == "if" || d.name == "ifdef" || d.name == "ifndef";
}

bool DefinesSymbol(const Directive& d, std::string_view symbol) {
    return d.name == "define" && d.tokens.size() > 1 && d.tokens[1].text == symbol;
}

// Whether the file's directives are wrapped in an include guard: #ifndef G (or #if !defined(G)),
// #define G first, and its #endif the last directive. The guard's branch is the one the file is read with.
bool HasIncludeGuard(const std::deque<Directive>& ds) {
    if (ds.size() < 3) return false;
    // #ifndef G, #if !defined G, #if !defined(G)
    const auto& t = ds[0].tokens;
    const auto is = [&](std::size_t i, std::string_view text) { return t[i].text == text; };
    std::string guard;
    if (ds[0].name == "ifndef" && t.size() == 2) guard = t[1].text;
    if (ds[0].name == "if" && t.size() == 4 && is(1, "!") && is(2, "defined")) guard = t[3].text;
    if (ds[0].name == "if" && t.size() == 6 && is(1, "!") && is(2, "defined") && is(3, "(") && is(5, ")"))
        guard = t[4].text;
    if (guard.empty() || !DefinesSymbol(ds[1], guard)) return false;
    int depth = 0;
    for (std::size_t i = 0; i < ds.size(); ++i) {
        if (Opens(ds[i])) ++depth;
        if (ds[i].name == "endif" && --depth == 0) return i + 1 == ds.size();
    }
    return false;
}

// Whether an #if or #elif condition holds, where it can be told from the files alone: only a
// condition of numbers ("#if 0") can; a symbol may come from the build's command line.
std::optional<bool> Decide(const Directive& d) {
    if (d.name == "else") return true;
    if (d.name != "if" && d.name != "elif") return std::nullopt;
    const std::string condition = JoinTokens(d, 1);
    try {
        NestingBudget budget;
        return EvaluateCExpression(
                   condition,
                   [](std::string_view) -> std::int64_t {
                       throw ExpressionFailure{"a symbol", false};
                   },
                   budget) != 0;
    } catch (const ExpressionFailure&) {
        return std::nullopt;
    }
}

} // namespace

// Reads directives into definitions. An #if whose condition cannot be decided is read branch by branch:
// what each branch defines is kept apart, and at its #endif every symbol a branch touched gets the
// alternatives of all branches (a branch that does not touch it gives what the symbol was before).
class DefinesReader {
  public:
    using Alternatives = std::vector<std::optional<Defines::Body>>;

    explicit DefinesReader(Defines& out) : out_(out) {}

    void ReadFile(const fs::path& path, std::string_view text) {
        const auto file = std::make_shared<const fs::path>(path);
        const std::deque<Directive> ds = DirectivesOf(text);
        const bool guarded = HasIncludeGuard(ds);
        for (std::size_t i = 0; i < ds.size(); ++i) Apply(file, ds[i], guarded && i == 0);
        while (!frames_.empty()) Close(); // an #if left open ends with its file
    }

    void Finish() {
        // The symbols read become the definitions as they are: a symbol left undefined on every
        // branch is no definition.
        for (auto it = base_.begin(); it != base_.end();) {
            const auto& alternatives = it->second.alternatives;
            const bool undefined = std::all_of(alternatives.begin(), alternatives.end(),
                                               [](const auto& a) { return !a.has_value(); });
            it = undefined ? base_.erase(it) : std::next(it);
        }
        out_.definitions_ = std::move(base_);
        for (const std::string& name : order_)
            if (out_.definitions_.count(name)) out_.order_.push_back(name);
    }

  private:
    struct Frame {
        bool transparent = false;  // its first branch is taken for certain: what it defines is defined
        bool parentLive = true;    // the whole #if is on a path the build may take
        bool branchLive = true;    // the current branch may be taken
        bool certainTaken = false; // a branch before or this one is taken for certain
        std::vector<std::map<std::string, Alternatives>> branches;
        std::map<std::string, Alternatives> current;
    };

    bool Live() const { return frames_.empty() || frames_.back().branchLive; }

    Alternatives Lookup(const std::string& name) const {
        for (auto frame = frames_.rbegin(); frame != frames_.rend(); ++frame) {
            if (frame->transparent) continue;
            const auto found = frame->current.find(name);
            if (found != frame->current.end()) return found->second;
        }
        const auto found = base_.find(name);
        return found == base_.end() ? Alternatives{std::nullopt} : found->second.alternatives;
    }

    void Set(const std::string& name, Alternatives alternatives) {
        if (seen_.insert(name).second) order_.push_back(name);
        for (auto frame = frames_.rbegin(); frame != frames_.rend(); ++frame) {
            if (!frame->transparent) {
                frame->current[name] = std::move(alternatives);
                return;
            }
        }
        base_[name].alternatives = std::move(alternatives);
    }

    void Apply(const std::shared_ptr<const fs::path>& file, const Directive& d, bool guard) {
        if (Opens(d)) {
            Frame frame;
            frame.parentLive = Live();
            const std::optional<bool> holds = guard ? std::optional<bool>(true) : Decide(d);
            frame.branchLive = frame.parentLive && holds != false;
            frame.certainTaken = holds == true;
            frame.transparent = frame.certainTaken;
            frames_.push_back(std::move(frame));
        } else if (d.name == "elif" || d.name == "elifdef" || d.name == "elifndef" || d.name == "else") {
            if (frames_.empty()) return;
            Frame& frame = frames_.back();
            EndBranch(frame);
            const std::optional<bool> holds = Decide(d);
            frame.branchLive = frame.parentLive && !frame.certainTaken && holds != false;
            frame.certainTaken = frame.certainTaken || holds == true;
        } else if (d.name == "endif") {
            if (!frames_.empty()) Close();
        } else if (!Live()) {
            return;
        } else if (d.name == "define" && d.tokens.size() > 1 && d.tokens[1].kind == TokenKind::identifier) {
            const Token& name = d.tokens[1];
            Defines::Body body{{}, file, d.line, false};
            std::size_t first = 2;
            if (d.tokens.size() > 2 && d.tokens[2].text == "(" &&
                d.tokens[2].offset == name.offset + name.text.size()) {
                body.functionLike = true;
                while (first < d.tokens.size() && d.tokens[first].text != ")") ++first;
                ++first;
            }
            body.text = JoinTokens(d, first);
            Set(std::string(name.text), {std::move(body)});
        } else if (d.name == "undef" && d.tokens.size() > 1) {
            Set(std::string(d.tokens[1].text), {std::nullopt});
        }
    }

    static void EndBranch(Frame& frame) {
        if (frame.branchLive) frame.branches.push_back(std::move(frame.current));
        frame.current.clear();
    }

    void Close() {
        Frame frame = std::move(frames_.back());
        frames_.pop_back();
        if (frame.transparent || !frame.parentLive) return;
        EndBranch(frame);
        if (!frame.certainTaken) frame.branches.emplace_back(); // the branch of no #else
        std::set<std::string> touched;
        for (const auto& branch : frame.branches)
            for (const auto& entry : branch) touched.insert(entry.first);
        for (const std::string& name : touched) {
            Alternatives merged;
            for (const auto& branch : frame.branches) {
                const auto found = branch.find(name);
                for (const auto& alternative : found != branch.end() ? found->second : Lookup(name))
                    if (!Contains(merged, alternative)) merged.push_back(alternative);
            }
            Set(name, std::move(merged));
        }
    }

    static bool Contains(const Alternatives& alternatives, const std::optional<Defines::Body>& a) {
        return std::any_of(alternatives.begin(), alternatives.end(), [&](const auto& b) {
            return a.has_value() == b.has_value() &&
                   (!a || (a->text == b->text && a->functionLike == b->functionLike));
        });
    }

    Defines& out_;
    std::vector<Frame> frames_;
    decltype(Defines::definitions_) base_;
    std::vector<std::string> order_;
    std::unordered_set<std::string> seen_;
};

// Resolves symbols through their bodies, keeping the chain of symbols under way to tell a cycle.
class DefinesEvaluator {
  public:
    explicit DefinesEvaluator(const Defines& defines) : defines_(defines) {}

    std::int64_t Expression(std::string_view text) {
        return EvaluateCExpression(
            text, [this](std::string_view symbol) { return Symbol(symbol); }, budget_);
    }

    std::int64_t Symbol(std::string_view name) {
        const auto found = defines_.definitions_.find(name);
        if (found == defines_.definitions_.end())
            throw ExpressionFailure{std::string(name) + " is not defined"};
        if (std::find(chain_.begin(), chain_.end(), name) != chain_.end()) throw Cycle(name);
        if (chain_.size() >= MaxChain)
            throw ExpressionFailure{std::string(name) + " is reached through more than " +
                                        std::to_string(MaxChain) + " defines",
                                    true};
        const auto& alternatives = found->second.alternatives;
        for (const auto& a : alternatives)
            if (!a)
                throw ExpressionFailure{std::string(name) + " is defined only in some branches of an #if (" +
                                            FirstPlace(alternatives) + ")",
                                        true};
        chain_.emplace_back(name);
        std::vector<std::int64_t> values;
        for (const auto& a : alternatives) values.push_back(Body(name, *a));
        chain_.pop_back();
        for (std::size_t i = 1; i < values.size(); ++i)
            if (values[i] != values[0])
                throw ExpressionFailure{
                    std::string(name) + " is defined differently in the branches of an #if: " +
                        Show(*alternatives[0], values[0]) + ", " + Show(*alternatives[i], values[i]),
                    true};
        return values[0];
    }

  private:
    std::int64_t Body(std::string_view name, const Defines::Body& body) {
        const std::string where = std::string(name) + " at " + body.Where().Text();
        if (body.functionLike)
            throw ExpressionFailure{where + " is a macro with parameters, not a value", true};
        if (body.text.empty()) throw ExpressionFailure{where + " is defined with no value", true};
        try {
            return Expression(body.text);
        } catch (ExpressionFailure& failure) {
            if (!failure.located) {
                failure.why += " (in the define of " + where + ")";
                failure.located = true;
            }
            throw;
        }
    }

    ExpressionFailure Cycle(std::string_view name) const {
        std::string path;
        for (auto it = std::find(chain_.begin(), chain_.end(), name); it != chain_.end(); ++it) {
            path += *it + " (" + FirstPlace(defines_.definitions_.find(*it)->second.alternatives) + ") -> ";
        }
        return {std::string(name) + " is defined through itself: " + path + std::string(name), true};
    }

    static std::string FirstPlace(const DefinesReader::Alternatives& alternatives) {
        for (const auto& a : alternatives)
            if (a) return a->Where().Text();
        return "";
    }

    static std::string Show(const Defines::Body& body, std::int64_t value) {
        return std::to_string(value) + " at " + body.Where().Text();
    }

    const Defines& defines_;
    std::vector<std::string> chain_;
    NestingBudget budget_;
};

Defines Defines::FromTexts(const std::vector<std::pair<fs::path, std::string>>& files) {
    Defines defines;
    DefinesReader reader(defines);
    for (const auto& [file, text] : files) reader.ReadFile(file, text);
    reader.Finish();
    return defines;
}

Defines Defines::ReadIncludeFolder(const fs::path& root) {
    const fs::path folder = root / "include";
    std::error_code error;
    if (!fs::is_directory(folder, error)) throw ProjectError("include: the project has no include folder");
    std::vector<fs::path> headers;
    fs::recursive_directory_iterator it(folder, error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        std::error_code kindError;
        if (it->path().extension() == ".h" && it->is_regular_file(kindError)) headers.push_back(it->path());
    }
    if (error) throw ProjectError("include: cannot be read: " + error.message());
    std::sort(headers.begin(), headers.end());
    std::vector<std::pair<fs::path, std::string>> texts;
    for (const fs::path& header : headers) {
        const fs::path relative = header.lexically_relative(root);
        try {
            texts.emplace_back(relative, files::ReadWholeTextFile(header));
        } catch (const files::FileError& e) {
            throw ProjectError(relative.generic_string() + ": " + e.what());
        }
    }
    return FromTexts(texts);
}

Evaluation Defines::Value(std::string_view symbol) const {
    try {
        return {DefinesEvaluator(*this).Symbol(symbol), ""};
    } catch (const ExpressionFailure& failure) {
        return {std::nullopt, failure.why};
    }
}

Evaluation Defines::Evaluate(std::string_view expression) const {
    try {
        return {DefinesEvaluator(*this).Expression(expression), ""};
    } catch (const ExpressionFailure& failure) {
        return {std::nullopt, failure.why};
    }
}

std::vector<std::pair<std::string, std::int64_t>> Defines::WithPrefix(std::string_view prefix) const {
    std::vector<std::pair<std::string, std::int64_t>> found;
    for (const std::string& name : order_) {
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        if (const Evaluation e = Value(name); e.value) found.emplace_back(name, *e.value);
    }
    return found;
}

std::optional<Place> Defines::PlaceOf(std::string_view symbol) const {
    const auto found = definitions_.find(symbol);
    if (found == definitions_.end()) return std::nullopt;
    for (const auto& a : found->second.alternatives)
        if (a) return a->Where();
    return std::nullopt;
}

} // namespace project
