// The game texts of the moves: gMoveNames (entry k the name of move k) and the descriptions, one
// array _("...") each, listed by gMoveDescriptionPointers or gMoveDescriptions (entry k - 1 for move k).

#include "project/ProjectError.h"
#include "project/ProjectSources.h"
#include "rom/GameText.h"
#include "rom/MoveDescriptions.h"

#include <map>

namespace project {
namespace {

Init TableOf(const CFile& f, std::string_view name) {
    const std::optional<std::size_t> open = FindInitialiser(f, name);
    if (!open)
        throw ProjectError(f.path.generic_string() + ": no initialiser of " + std::string(name) + " found");
    return ParseInitialiser(f, *open);
}

// The texts of the file's arrays `name[] = _(...)`, by name.
std::map<std::string, TextSource, std::less<>> TextArrays(const std::shared_ptr<const CFile>& file) {
    const CFile& f = *file;
    std::map<std::string, TextSource, std::less<>> texts;
    for (std::size_t i = 0; i + 5 < f.tokens.size(); ++i) {
        if (f.tokens[i].kind != TokenKind::identifier || !f.Is(i + 1, "[") || !f.Is(i + 2, "]") ||
            !f.Is(i + 3, "=") || !f.Is(i + 4, "_"))
            continue;
        std::size_t close = i + 5;
        while (close < f.tokens.size() && !f.Is(close, ")") && !f.Is(close, ";")) ++close;
        texts[std::string(f.tokens[i].text)] = GameTextAt(file, i + 4, close);
    }
    return texts;
}

} // namespace

TextSource GameTextAt(const std::shared_ptr<const CFile>& file, std::size_t first, std::size_t last) {
    const CFile& f = *file;
    const bool shaped = last < f.tokens.size() && last >= first + 3 && f.Is(first, "_") &&
                        f.Is(first + 1, "(") && f.Is(last, ")");
    for (std::size_t i = first + 2; shaped && i < last; ++i)
        if (f.tokens[i].kind != TokenKind::string)
            f.Fail(i, std::string("only string literals may stand inside _( ); found ") +
                          std::string(f.tokens[i].text));
    if (!shaped) f.Fail(first, "a game text _(\"...\") is expected here");
    return TextSource{file, first + 1, first + 2, last - 1};
}

std::vector<std::uint8_t> GameTextBytes(const CFile& f, const Charmap& charmap, const TextSource& text) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = text.first; i <= text.last; ++i) {
        const std::string_view literal = f.tokens[i].text;
        std::string fault;
        const auto encoded = charmap.Encode(literal.substr(1, literal.size() - 2), fault);
        if (!encoded) f.Fail(i, "charmap.txt has no code for " + fault);
        bytes.insert(bytes.end(), encoded->begin(), encoded->end());
    }
    return bytes;
}

void ReadNames(const Defines& defines, const Charmap& charmap, std::shared_ptr<const CFile> file,
               std::vector<ProjectMove>& moves, OpenedProject::Sources& sources) {
    const CFile& f = *file;
    const Init table = TableOf(f, "gMoveNames");
    const std::vector<int> numbers =
        EntryNumbers(f, defines, table, static_cast<int>(moves.size()), 0, "gMoveNames");
    sources.names.assign(moves.size(), std::nullopt);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const Init& value = table.elements[i].value;
        if (value.braced) f.Fail(value.first, "a game text _(\"...\") is expected here");
        const TextSource text = GameTextAt(file, value.first, value.last);
        const std::vector<std::uint8_t> bytes = GameTextBytes(f, charmap, text);
        if (bytes.size() >= rom::MoveNameFieldLength)
            f.Fail(value.first, "the name is " + std::to_string(bytes.size()) +
                                    " game characters long; a name holds at most " +
                                    std::to_string(rom::MoveNameFieldLength - 1));
        ProjectMove& move = moves[numbers[i]];
        move.entry = {};
        std::copy(bytes.begin(), bytes.end(), move.entry.begin());
        move.entry[bytes.size()] = 0xFF;
        sources.names[numbers[i]] = text;
    }
    for (ProjectMove& move : moves) move.name = rom::DecodeGameBytes(move.entry);
}

void ReadDescriptions(const Defines& defines, const Charmap& charmap, std::shared_ptr<const CFile> file,
                      std::vector<ProjectMove>& moves, OpenedProject::Sources& sources) {
    const CFile& f = *file;
    const auto texts = TextArrays(file);
    const std::string_view name =
        FindInitialiser(f, "gMoveDescriptionPointers") ? "gMoveDescriptionPointers" : "gMoveDescriptions";
    const Init table = TableOf(f, name);
    const std::vector<int> numbers = EntryNumbers(f, defines, table, static_cast<int>(moves.size()), 1, name);
    sources.descriptions.assign(moves.size(), std::nullopt);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const Init& value = table.elements[i].value;
        if (numbers[i] == 0) f.Fail(table.elements[i].first, std::string(name) + " has no entry for move 0");
        if (value.braced || value.first != value.last || f.tokens[value.first].kind != TokenKind::identifier)
            f.Fail(value.first, "the name of a description's array is expected here");
        const auto text = texts.find(f.tokens[value.first].text);
        if (text == texts.end())
            f.Fail(value.first,
                   std::string(f.tokens[value.first].text) + " is no text _(\"...\") of this file");
        std::vector<std::uint8_t> bytes = GameTextBytes(f, charmap, text->second);
        bytes.push_back(0xFF);
        moves[numbers[i]].description = rom::DescriptionText(bytes);
        sources.descriptions[numbers[i]] = text->second;
    }
}

} // namespace project
