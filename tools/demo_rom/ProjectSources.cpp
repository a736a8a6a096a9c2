#include "tools/demo_rom/ProjectParts.h"

#include <set>

namespace demo::project_parts {
namespace {

using project::ProjectLayout;

std::string Hex(int value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[(value >> 4) & 0xF] + digits[value & 0xF];
}

// Now and then a number in hex, as the projects' own files mix them.
std::string Number(int value, int k, int salt) {
    return value > 0 && k % 17 == salt ? Hex(value) : std::to_string(value);
}

std::string FlagsText(int flags, const ProjectSymbols& s) {
    if (flags == 0) return "0";
    std::string text;
    for (const auto& [bit, symbol] : s.flags)
        if (flags & (1 << bit)) {
            text += (text.empty() ? "" : " | ") + symbol;
            flags &= ~(1 << bit);
        }
    if (flags != 0) text += (text.empty() ? "" : " | ") + Hex(flags);
    return text;
}

// One block of gBattleMoves. Most blocks write every field; a few leave out a field that is 0, end
// without a trailing comma, or carry a comment, as hand-edited files do.
std::string RecordBlock(ProjectLayout layout, int k, const DemoProjectMove& m, const ProjectSymbols& s) {
    const auto& b = m.bytes;
    const auto priority = static_cast<std::int8_t>(b[7]);
    std::vector<std::pair<std::string, std::string>> fields = {
        {"effect", SymbolOrNumber(s.effects, b[0])},
        {"power", Number(b[1], k, 3)},
        {"type", SymbolOrNumber(s.types, b[2])},
        {"accuracy", Number(b[3], k, 11)},
        {"pp", std::to_string(b[4])},
        {"secondaryEffectChance", std::to_string(b[5])},
        {"target", SymbolOrNumber(s.targets, b[6])},
        {"priority", std::to_string(priority)},
        {"flags", FlagsText(b[8], s)}};
    if (layout == ProjectLayout::rubySapphire) std::swap(fields[6], fields[7]); // priority before target
    std::string block = layout == ProjectLayout::rubySapphire ? "    [" + m.symbol + "] = {\n"
                                                              : "    [" + m.symbol + "] =\n    {\n";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto& [field, value] = fields[i];
        if (value == "0" &&
            ((field == "priority" && k % 40 == 27) || (field == "secondaryEffectChance" && k % 40 == 13)))
            continue;
        const bool last = i + 1 == fields.size();
        block += "        ." + field + " = " + value + (last && k % 9 == 4 ? "" : ",");
        if (field == "priority" && priority != 0)
            block += priority > 0 ? " // goes first" : " /* goes last */";
        block += "\n";
    }
    return block + "    },\n";
}

std::string RecordsFile(ProjectLayout layout, const std::vector<DemoProjectMove>& moves,
                        const ProjectSymbols& s) {
    std::string text =
        "#include \"global.h\"\n#include \"battle.h\"\n#include \"constants/battle_move_effects.h\"\n"
        "#include \"constants/moves.h\"\n\n";
    text += layout == ProjectLayout::rubySapphire
                ? "const struct BattleMove gBattleMoves[] =\n{\n"
                : "const struct BattleMove gBattleMoves[MOVES_COUNT] =\n{\n";
    for (std::size_t k = 0; k < moves.size(); ++k) {
        if (k == 355) text += "\n    // Moves added by this fork.\n";
        text += RecordBlock(layout, static_cast<int>(k), moves[k], s);
    }
    return text + "};\n";
}

std::string NamesFile(ProjectLayout layout, const std::vector<DemoProjectMove>& moves) {
    std::string text = layout == ProjectLayout::rubySapphire
                           ? "const u8 gMoveNames[][MOVE_NAME_LENGTH + 1] =\n{\n"
                           : "const u8 gMoveNames[MOVES_COUNT][MOVE_NAME_LENGTH + 1] = {\n";
    for (const DemoProjectMove& m : moves)
        text += "    [" + m.symbol + "] = _(\"" + CLiteralContents(m.name) + "\"),\n";
    return text + "};\n";
}

// The words of a move's symbol as one capitalised identifier: MOVE_EMBER_JAB is EmberJab.
std::vector<std::string> DescriptionNames(const std::vector<DemoProjectMove>& moves) {
    std::vector<std::string> names;
    std::set<std::string> taken;
    for (std::size_t k = 0; k < moves.size(); ++k) {
        std::string name;
        bool upper = true;
        for (char c : moves[k].symbol.substr(5)) {
            if (c == '_') {
                upper = true;
                continue;
            }
            name += upper ? c : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            upper = false;
        }
        if (!taken.insert(name).second) name += std::to_string(k);
        names.push_back(name);
    }
    return names;
}

// The text as adjacent string literals, one a line, each line but the last ending in \n.
std::string AdjacentLiterals(const std::string& text) {
    std::string literals;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        const bool last = end == std::string::npos;
        literals += "    \"" + CLiteralContents(text.substr(start, last ? std::string::npos : end - start)) +
                    (last ? "\");\n" : "\\n\"\n");
        if (last) return literals;
        start = end + 1;
    }
}

std::string FireRedDescriptions(const std::vector<DemoProjectMove>& moves) {
    const std::vector<std::string> names = DescriptionNames(moves);
    std::string text = "#include \"global.h\"\n\n";
    for (std::size_t k = 1; k < moves.size(); ++k)
        text += "const u8 gMoveDescription_" + names[k] + "[] = _(\"" +
                CLiteralContents(*moves[k].description) + "\");\n";
    text += "\nconst u8 *const gMoveDescriptionPointers[MOVES_COUNT - 1] = {\n";
    for (std::size_t k = 1; k < moves.size(); ++k)
        text += "    [" + moves[k].symbol + " - 1] = gMoveDescription_" + names[k] + ",\n";
    return text + "};\n";
}

// Ruby/Sapphire: MoveDescription_<Name> and a positional list; Emerald: s<Name>Description and the
// list by move number.
std::string LiteralsDescriptions(ProjectLayout layout, const std::vector<DemoProjectMove>& moves) {
    const bool ruby = layout == ProjectLayout::rubySapphire;
    const std::vector<std::string> names = DescriptionNames(moves);
    const auto nameOf = [&](std::size_t k) {
        return ruby ? "MoveDescription_" + names[k] : "s" + names[k] + "Description";
    };
    std::string text;
    for (std::size_t k = 1; k < moves.size(); ++k)
        text += "static const u8 " + nameOf(k) + "[] = _(\n" + AdjacentLiterals(*moves[k].description) + "\n";
    text += ruby ? "const u8 * const gMoveDescriptions[] = {\n"
                 : "const u8 *const gMoveDescriptionPointers[MOVES_COUNT - 1] =\n{\n";
    for (std::size_t k = 1; k < moves.size(); ++k)
        text +=
            ruby ? "    " + nameOf(k) + ",\n" : "    [" + moves[k].symbol + " - 1] = " + nameOf(k) + ",\n";
    return text + "};\n";
}

std::string ComboList(const rom::ContestMove& c, const ProjectSymbols& s, std::size_t length) {
    std::string list;
    for (std::size_t i = 0; i < length; ++i)
        list += (i ? ", " : "") + SymbolOrNumber(s.comboStarters, c.comboMoves[i]);
    return "{" + list + "}";
}

std::string RubyContestLine(int k, const DemoProjectMove& m, const ProjectSymbols& s) {
    const rom::ContestMove& c = *m.contest;
    if (k == 0) return "    {0, 0, 0, {0, 0, 0, 0}}, // NONE\n";
    return "    {" + SymbolOrNumber(s.contestEffects, c.effect) + ", " +
           SymbolOrNumber(s.categories, c.category) + ", " + SymbolOrNumber(s.comboStarters, c.comboStarter) +
           ", " + ComboList(c, s, 4) + "}, // " + m.symbol.substr(5) + "\n";
}

// Emerald lists the combos up to the last one it follows ({0} for none); a few lists are written out.
std::string EmeraldContestBlock(int k, const DemoProjectMove& m, const ProjectSymbols& s) {
    const rom::ContestMove& c = *m.contest;
    std::size_t length = rom::ComboMoveCount;
    if (k % 10 != 3)
        while (length > 1 && c.comboMoves[length - 1] == 0) --length;
    return "    [" + m.symbol +
           "] =\n    {\n        .effect = " + SymbolOrNumber(s.contestEffects, c.effect) +
           ",\n        .contestCategory = " + SymbolOrNumber(s.categories, c.category) +
           ",\n        .comboStarterId = " + SymbolOrNumber(s.comboStarters, c.comboStarter) +
           ",\n        .comboMoves = " + ComboList(c, s, length) + "\n    },\n";
}

std::string ContestFile(ProjectLayout layout, const std::vector<DemoProjectMove>& moves,
                        const ProjectSymbols& s) {
    const bool ruby = layout == ProjectLayout::rubySapphire;
    std::string text = ruby ? "const struct ContestMove gContestMoves[] =\n{\n"
                            : "const struct ContestMove gContestMoves[MOVES_COUNT] =\n{\n";
    for (std::size_t k = 0; k < moves.size(); ++k)
        text += ruby ? RubyContestLine(static_cast<int>(k), moves[k], s)
                     : EmeraldContestBlock(static_cast<int>(k), moves[k], s);
    return text + "};\n";
}

} // namespace

std::string CLiteralContents(const std::string& text) {
    std::string contents;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (c == '\n')
            contents += "\\n";
        else if (c == '"' || c == '\\')
            contents += std::string("\\") + c;
        else
            contents += c;
    }
    return contents;
}

std::vector<ProjectFile> SourceFiles(ProjectLayout layout, const std::vector<DemoProjectMove>& moves,
                                     const ProjectSymbols& symbols) {
    switch (layout) {
    case ProjectLayout::fireRedLeafGreen:
        return {{"src/data/battle_moves.h", RecordsFile(layout, moves, symbols)},
                {"src/data/text/move_names.h", NamesFile(layout, moves)},
                {"src/move_descriptions.c", FireRedDescriptions(moves)}};
    case ProjectLayout::rubySapphire:
        return {{"src/data/battle_moves.c", RecordsFile(layout, moves, symbols)},
                {"src/data/text/move_names_en.h", NamesFile(layout, moves)},
                {"src/data/text/move_descriptions_en.h", LiteralsDescriptions(layout, moves)},
                {"src/data/contest_moves.h", ContestFile(layout, moves, symbols)}};
    case ProjectLayout::emerald:
        break;
    }
    return {{"src/data/battle_moves.h", RecordsFile(layout, moves, symbols)},
            {"src/data/text/move_names.h", NamesFile(layout, moves)},
            {"src/data/text/move_descriptions.h", LiteralsDescriptions(layout, moves)},
            {"src/data/contest_moves.h", ContestFile(layout, moves, symbols)}};
}

} // namespace demo::project_parts
