// Planning a save: the new text of each file a change touches, changed only in the tokens of the
// values that changed. A value is written as the one symbol its family has for it, else as a number;
// flags as | of flag symbols, those written before first in their order; a field a block leaves out
// and that is now nonzero is inserted as a new element in the block's style.

#include "project/ProjectError.h"
#include "project/ProjectSources.h"
#include "project/TextEdits.h"
#include "rom/ContestNames.h"
#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/MoveDescriptions.h"
#include "rom/Utf8.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <string_view>

namespace project {
namespace {

[[noreturn]] void Refuse(const ProjectMove& move, std::string_view field, const std::string& reason) {
    throw ProjectError("move " + std::to_string(move.move) +
                       (move.symbol.empty() ? "" : " (" + move.symbol + ")") + ", " + std::string(field) +
                       ": " + reason);
}

std::string Family(const ValueSymbols& family, int value) {
    const auto found = family.symbols.find(value);
    return found != family.symbols.end() && found->second.size() == 1 ? found->second.front()
                                                                      : std::to_string(value);
}

// The | terms of the value written at tokens first to last.
std::vector<std::pair<std::size_t, std::size_t>> Terms(const CFile& f, std::size_t first, std::size_t last) {
    std::vector<std::pair<std::size_t, std::size_t>> terms;
    int depth = 0;
    std::size_t start = first;
    for (std::size_t i = first; i <= last; ++i) {
        const std::string_view t = f.tokens[i].text;
        depth += t == "(" ? 1 : t == ")" ? -1 : 0;
        if (depth == 0 && t == "|" && f.tokens[i].kind == TokenKind::punctuation) {
            if (i > start) terms.emplace_back(start, i - 1);
            start = i + 1;
        }
    }
    if (start <= last) terms.emplace_back(start, last);
    return terms;
}

// Flags written as before where they still hold, then each new bit by its one flag symbol; a number
// when a bit has none.
std::string FlagsText(const OpenedProject& project, const CFile& f, const Element* written, int flags) {
    std::vector<std::string> parts;
    int covered = 0;
    if (written)
        for (const auto& [first, last] : Terms(f, written->value.first, written->value.last)) {
            const Evaluation v = project.defines.Evaluate(f.Expression(first, last));
            if (!v.value || *v.value == 0 || (*v.value & ~flags) != 0) continue;
            parts.emplace_back(f.Span(first, last));
            covered |= static_cast<int>(*v.value);
        }
    for (int bit = 1; bit <= 0x80; bit <<= 1) {
        if (!(flags & bit) || (covered & bit)) continue;
        const auto found = project.flags.symbols.find(bit);
        if (found == project.flags.symbols.end() || found->second.size() != 1) return std::to_string(flags);
        parts.push_back(found->second.front());
    }
    if (parts.empty()) return "0";
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : " | ") + part;
    return text;
}

// A new element at position index of fields, for the block's insertion.
struct NewElement {
    std::size_t index;
    std::string value;
};

// Inserts elements the block leaves out, after its last element, in its style: designated
// (.name = value) or positional (every missing position before them as 0), one a line with the
// last element's indent, or on the block's line.
template <std::size_t N>
void InsertElements(TextEdits& edits, const CFile& f, const Init& block,
                    const std::array<FieldRule, N>& fields, std::vector<NewElement> added) {
    if (added.empty()) return;
    std::sort(added.begin(), added.end(), [](const auto& a, const auto& b) { return a.index < b.index; });
    const bool designated = block.elements.empty()
                                ? !fields[0].name.empty()
                                : std::any_of(block.elements.begin(), block.elements.end(),
                                              [](const Element& e) { return !e.field.empty(); });
    std::vector<std::string> items;
    if (designated) {
        for (const NewElement& e : added)
            items.push_back("." + std::string(fields[e.index].name) + " = " + e.value);
    } else {
        for (std::size_t i = block.elements.size(), next = 0; next < added.size(); ++i) {
            items.push_back(added[next].index == i ? added[next++].value : "0");
        }
    }
    if (block.elements.empty()) {
        std::string text;
        for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
        edits.Insert(f, f.EndOf(block.first), designated ? " " + text + " " : text);
        return;
    }
    const Element& last = block.elements.back();
    const bool trailingComma = last.comma.has_value();
    const bool oneLine = f.tokens[last.first].line == f.tokens[block.first].line;
    const std::string separator = oneLine ? " " : "\n" + f.IndentOf(last.first);
    std::string text = trailingComma ? "" : ",";
    for (std::size_t i = 0; i < items.size(); ++i)
        text += separator + items[i] + (trailingComma || i + 1 < items.size() ? "," : "");
    edits.Insert(f, f.EndOf(trailingComma ? *last.comma : last.value.last), text);
}

// A number written where one hex number stood keeps its base, its case and at least its digits
// ("0x0A" becomes "0x78"), so that a value put back gives back the token it replaced.
std::string InStyleOf(std::string_view old, const std::string& text) {
    const bool hex = old.size() > 2 && old[0] == '0' && (old[1] == 'x' || old[1] == 'X');
    if (!hex || text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return text;
    std::size_t digits = 2;
    while (digits < old.size() && std::isxdigit(static_cast<unsigned char>(old[digits]))) ++digits;
    const bool lower = std::any_of(old.begin() + 2, old.begin() + static_cast<std::ptrdiff_t>(digits),
                                   [](char c) { return c >= 'a' && c <= 'f'; });
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, lower ? "%0*llx" : "%0*llX", static_cast<int>(digits - 2),
                  std::stoull(text));
    return std::string(old.substr(0, 2)) + buffer + std::string(old.substr(digits));
}

void ReplaceValue(TextEdits& edits, const CFile& f, const Init& value, const std::string& text) {
    const Token& only = f.tokens[value.first];
    const bool oneNumber = value.first == value.last && only.kind == TokenKind::number;
    edits.Replace(f, only.offset, f.EndOf(value.last), oneNumber ? InStyleOf(only.text, text) : text);
}

void PlanRecord(TextEdits& edits, const OpenedProject& project, const ProjectMove& move,
                const rom::RecordBytes& bytes) {
    for (int i = rom::PaddingByte; i < rom::MoveRecordSize; ++i)
        if (bytes[i] != 0)
            Refuse(move, "record", "bytes 9 to 11 have no field in a project's record; they stay 0");
    const BlockTable& table = project.sources->records;
    const Init* block = table.BlockOf(move.move);
    const CFile& f = *table.file;
    std::vector<NewElement> added;
    for (std::size_t i = 0; i < RecordFields.size(); ++i) {
        const int byte = RecordFields[i].byte;
        if (bytes[byte] == move.bytes[byte]) continue;
        if (!block) Refuse(move, RecordFields[i].name, "gBattleMoves has no block for this move");
        const Element* e = FieldElement(*block, RecordFields, i);
        const int value = bytes[byte];
        std::string text;
        switch (byte) {
        case 0:
            text = Family(project.effects, value);
            break;
        case 2:
            text = Family(project.types, value);
            break;
        case 6:
            text = Family(project.targets, value);
            break;
        case rom::PriorityByte:
            text = std::to_string(static_cast<std::int8_t>(value));
            break;
        case rom::FlagsByte:
            text = FlagsText(project, f, e, value);
            break;
        default:
            text = std::to_string(value);
        }
        if (e)
            ReplaceValue(edits, f, e->value, text);
        else
            added.push_back({i, text});
    }
    if (block) InsertElements(edits, f, *block, RecordFields, std::move(added));
}

// The combo moves of a contest block: each changed item rewritten, new nonzero ones appended.
void PlanComboMoves(TextEdits& edits, const OpenedProject& project, const CFile& f, const Init& list,
                    const rom::ComboMoves& before, const rom::ComboMoves& after) {
    std::array<FieldRule, rom::ComboMoveCount> items{};
    std::vector<NewElement> added;
    for (std::size_t i = 0; i < after.size(); ++i) {
        items[i] = {"", static_cast<int>(i), 0, 255};
        if (before[i] == after[i]) continue;
        const std::string text = Family(project.comboStarters, after[i]);
        if (i < list.elements.size())
            ReplaceValue(edits, f, list.elements[i].value, text);
        else if (after[i] != 0)
            added.push_back({i, text});
    }
    InsertElements(edits, f, list, items, std::move(added));
}

void PlanContest(TextEdits& edits, const OpenedProject& project, const ProjectMove& move,
                 const rom::ContestMove& contest) {
    if (!project.hasContest || !move.contest) Refuse(move, "contest", "this project has no contest data");
    const auto check = [&](int value, int high, std::string_view field) {
        if (value < 0 || value > high)
            Refuse(move, field, std::to_string(value) + " is outside 0 to " + std::to_string(high));
    };
    check(contest.effect, 255, "contest effect");
    check(contest.category, rom::ContestCategoryCount - 1, "contest category");
    check(contest.comboStarter, 255, "combo starter");
    for (int id : contest.comboMoves) check(id, 255, "combo moves");
    if ((contest.byte1 & ~rom::ContestCategoryMask) != 0 || contest.byte7 != 0)
        Refuse(move, "contest", "the bits a project's contest move has no field for stay 0");

    const rom::ContestMove& before = *move.contest;
    const std::array<std::pair<int, int>, 3> fields = {std::pair{before.effect, contest.effect},
                                                       {before.category, contest.category},
                                                       {before.comboStarter, contest.comboStarter}};
    const std::array<const ValueSymbols*, 3> families = {&project.contestEffects, &project.contestCategories,
                                                         &project.comboStarters};
    const bool comboChanged = before.comboMoves != contest.comboMoves;
    if (fields[0].first == fields[0].second && fields[1].first == fields[1].second &&
        fields[2].first == fields[2].second && !comboChanged)
        return;
    const BlockTable& table = project.sources->contest;
    const Init* block = table.BlockOf(move.move);
    if (!block) Refuse(move, "contest", "gContestMoves has no block for this move");
    const CFile& f = *table.file;
    std::vector<NewElement> added;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].first == fields[i].second) continue;
        const std::string text = Family(*families[i], fields[i].second);
        if (const Element* e = FieldElement(*block, ContestFields, i))
            ReplaceValue(edits, f, e->value, text);
        else
            added.push_back({i, text});
    }
    if (comboChanged) {
        if (const Element* e = FieldElement(*block, ContestFields, 3)) {
            PlanComboMoves(edits, project, f, e->value, before.comboMoves, contest.comboMoves);
        } else {
            std::string list;
            const auto lastUsed = std::find_if(contest.comboMoves.rbegin(), contest.comboMoves.rend(),
                                               [](int id) { return id != 0; });
            for (auto id = contest.comboMoves.begin(); id != lastUsed.base(); ++id)
                list += (list.empty() ? "" : ", ") + Family(project.comboStarters, *id);
            added.push_back({3, "{" + list + "}"});
        }
    }
    InsertElements(edits, f, *block, ContestFields, std::move(added));
}

// The game bytes of a name as the window and the tool type it.
std::vector<std::uint8_t> NameBytes(const ProjectMove& move, const std::string& typed) {
    if (const auto bad = rom::FindMalformedUtf8(typed))
        Refuse(move, "name", rom::DescribeMalformedUtf8(typed, *bad));
    const std::u32string name(rom::StoredName(move.move, rom::Utf8ToU32(typed)));
    const std::vector<std::u32string> units = rom::SplitGameUnits(name);
    if (units.size() >= rom::MoveNameFieldLength)
        Refuse(move, "name",
               "\"" + typed + "\" has " + std::to_string(units.size()) +
                   " game characters; a name holds at most " + std::to_string(rom::MoveNameFieldLength - 1));
    std::vector<std::uint8_t> bytes;
    for (const std::u32string& unit : units) {
        const std::string hex = rom::EncodeGameUnit(unit);
        if (hex.empty() || hex == "FF")
            Refuse(move, "name", "\"" + rom::U32ToUtf8(unit) + "\" is no character of the game's names");
        bytes.push_back(rom::ParseHexPair(hex));
    }
    return bytes;
}

std::string Literal(const std::string& contents) {
    return "\"" + contents + "\"";
}

// The literals of a text: one, or (a text written one literal a line) one per line of the game,
// each on its own line with the indent of the last one's line.
std::string TextLiterals(const TextSource& at, const std::string& contents) {
    const CFile& f = *at.file;
    const bool perLine = at.last > at.first || f.tokens[at.first].line != f.tokens[at.open].line;
    if (!perLine) return Literal(contents);
    std::string text, line;
    for (std::size_t i = 0; i < contents.size(); ++i) {
        line += contents[i];
        if (contents[i] != '\\' || i + 1 == contents.size()) continue;
        line += contents[++i];
        if (contents[i] == 'n' && i + 1 < contents.size()) {
            text += Literal(line) + "\n" + f.IndentOf(at.last);
            line.clear();
        }
    }
    return text + Literal(line);
}

void PlanText(TextEdits& edits, const Charmap& charmap, const ProjectMove& move, std::string_view field,
              const TextSource& at, const std::vector<std::uint8_t>& bytes) {
    if (GameTextBytes(*at.file, charmap, at) == bytes) return;
    const std::optional<std::string> contents = charmap.Render(bytes);
    if (!contents) Refuse(move, field, "charmap.txt has no character for one of its game characters");
    const CFile& f = *at.file;
    edits.Replace(f, f.tokens[at.first].offset, f.EndOf(at.last), TextLiterals(at, *contents));
}

// The merged change of each move, later changes over earlier ones.
std::map<int, MoveChange> Merged(const OpenedProject& project, std::span<const MoveChange> changes) {
    std::map<int, MoveChange> merged;
    for (const MoveChange& c : changes) {
        if (c.move < 0 || c.move >= static_cast<int>(project.moves.size()))
            throw ProjectError("move " + std::to_string(c.move) + " is not in the project (MOVES_COUNT " +
                               std::to_string(project.moves.size()) + ")");
        MoveChange& m = merged[c.move];
        m.move = c.move;
        if (c.name) m.name = c.name;
        if (c.bytes) m.bytes = c.bytes;
        if (c.description) m.description = c.description;
        if (c.contest) m.contest = c.contest;
    }
    return merged;
}

} // namespace

std::vector<FileRewrite> PlanProjectChanges(const OpenedProject& project,
                                            std::span<const MoveChange> changes) {
    const OpenedProject::Sources& sources = *project.sources;
    TextEdits edits;
    const std::map<int, MoveChange> merged = Merged(project, changes);
    std::map<int, std::vector<std::uint8_t>> descriptions; // the new bytes of each changed description
    for (const auto& [k, change] : merged) {
        const ProjectMove& move = project.moves[k];
        if (change.bytes) PlanRecord(edits, project, move, *change.bytes);
        if (change.contest) PlanContest(edits, project, move, *change.contest);
        if (change.name) {
            const std::vector<std::uint8_t> bytes = NameBytes(move, *change.name);
            if (!sources.names[k]) Refuse(move, "name", "gMoveNames has no entry for this move");
            PlanText(edits, project.charmap, move, "name", *sources.names[k], bytes);
        }
        if (change.description) {
            if (!sources.descriptions[k])
                Refuse(move, "description", "the project has no description for this move");
            std::string fault;
            std::optional<std::vector<std::uint8_t>> bytes =
                rom::EncodeDescription(*change.description, fault);
            if (!bytes) Refuse(move, "description", fault);
            if (const std::string tooLong = rom::DescriptionLengthFault(k, bytes->size()); !tooLong.empty())
                Refuse(move, "description", tooLong);
            bytes->pop_back(); // the end byte, which _() adds
            descriptions[k] = *bytes;
        }
    }
    for (const auto& [k, bytes] : descriptions) {
        const TextSource& at = *sources.descriptions[k];
        // A text two moves share changes only when both are given the same new text.
        for (int j = 1; j < static_cast<int>(project.moves.size()); ++j) {
            const auto& other = sources.descriptions[j];
            if (j == k || !other || other->file != at.file || other->first != at.first) continue;
            const auto given = descriptions.find(j);
            if (given == descriptions.end() || given->second != bytes)
                Refuse(project.moves[k], "description",
                       "its text (" + at.file->At(at.first) + ") is also move " + std::to_string(j) +
                           "'s; give both the same description");
        }
        PlanText(edits, project.charmap, project.moves[k], "description", at, bytes);
    }
    return edits.Rewrites();
}

} // namespace project
