#include "tools/demo_rom/DemoRom.h"
#include "tools/demo_rom/ProjectParts.h"

#include "rom/GameText.h"
#include "rom/MoveBytes.h"
#include "rom/Utf8.h"

#include <set>
#include <stdexcept>

namespace demo {
namespace {

using project::ProjectLayout;

// The ROM whose moves the project holds: the demo ROM of the layout's game, or its grown table.
DemoRom SourceRom(ProjectLayout layout, int moveCount) {
    const bool contest = project_parts::HasContest(layout);
    DemoRomLayout rom = contest ? ContestLayout() : DemoRomLayout{};
    if (moveCount == DemoProjectMoveCount) return MakeDemoRom(rom);
    if (contest) {
        // The grown tables in the contest image's free space, past every table it holds.
        rom.movedNameStart = 0x900001;
        rom.movedDataOffset = 0xA00000;
        rom.movedDescriptionTable = 0xC00000;
    } else {
        rom = HackLayout();
    }
    rom.movedMoveCount = moveCount;
    return MakeDemoRom(rom);
}

// The letters a move's symbol spells a character of its name with; "" for a separator.
std::string SymbolLetters(char32_t c) {
    struct Folding {
        std::u32string_view from;
        const char* to;
    };
    static constexpr Folding foldings[] = {{U"ÀÁÂÄàáâäª", "A"}, {U"Çç", "C"}, {U"ÈÉÊËèéêë", "E"},
                                           {U"ÌÍÎÏìíîï", "I"},  {U"Ññ", "N"}, {U"ÒÓÔÖòóôöº", "O"},
                                           {U"ÙÚÛÜùúûü", "U"},  {U"ß", "SS"}, {U"Œœ", "OE"},
                                           {U"♂", "M"},         {U"♀", "F"}};
    if (c < 0x80 && std::isalnum(static_cast<int>(c)))
        return std::string(1, static_cast<char>(std::toupper(static_cast<int>(c))));
    for (const Folding& f : foldings)
        if (f.from.find(c) != std::u32string_view::npos) return f.to;
    return "";
}

// MOVE_ and the name's letters and digits in upper case, words joined by "_"; a name that spells
// the symbol of an earlier move gets the move's number after it.
std::string MoveSymbol(int k, const std::string& name, std::set<std::string>& taken) {
    if (k == 0) return "MOVE_NONE";
    std::string words;
    bool separate = false;
    for (char32_t c : rom::Utf8ToU32(name)) {
        const std::string letters = SymbolLetters(c);
        if (letters.empty()) {
            separate = !words.empty();
            continue;
        }
        if (separate) words += '_';
        words += letters;
        separate = false;
    }
    std::string symbol = "MOVE_" + (words.empty() ? std::to_string(k) : words);
    if (taken.contains(symbol)) symbol += "_" + std::to_string(k);
    taken.insert(symbol);
    return symbol;
}

// A name as a project can hold it: at most 12 game characters.
std::string ProjectName(const std::string& name) {
    std::string cut;
    int units = 0;
    for (const std::u32string& unit : rom::SplitGameUnits(rom::Utf8ToU32(name)))
        if (++units <= 12) cut += rom::U32ToUtf8(unit);
    return cut;
}

rom::ContestMove ContestOf(const std::array<std::uint8_t, 8>& r) {
    rom::ContestMove c;
    c.effect = r[0];
    c.category = r[1] & rom::ContestCategoryMask;
    c.byte1 = static_cast<std::uint8_t>(c.category); // the project's record holds the category only
    c.comboStarter = r[2];
    for (int i = 0; i < rom::ComboMoveCount; ++i) c.comboMoves[static_cast<std::size_t>(i)] = r[3 + i];
    return c;
}

// The contest record of a move past the released 355: every sixth move starts a combo, as in the
// released table's draw; every fourth follows one.
rom::ContestMove GrownContest(int k) {
    rom::ContestMove c;
    c.effect = (k * 7) % rom::ContestEffectCount;
    c.category = k % rom::ContestCategoryCount;
    c.byte1 = static_cast<std::uint8_t>(c.category);
    if (k % 6 == 0) c.comboStarter = 1 + (k / 6) % 45;
    if (k % 4 == 1) c.comboMoves[0] = 2 + k % 44;
    return c;
}

} // namespace

std::vector<DemoProjectMove> DemoProjectMoves(ProjectLayout layout, int moveCount) {
    if (moveCount < 2 || moveCount > MaxDemoProjectMoves)
        throw std::invalid_argument("a demo project holds 2 to " + std::to_string(MaxDemoProjectMoves) +
                                    " moves, not " + std::to_string(moveCount));
    const DemoRom image = SourceRom(layout, moveCount);
    const bool grown = moveCount != DemoProjectMoveCount;
    std::vector<DemoProjectMove> moves;
    std::set<std::string> taken;
    for (int k = 0; k < moveCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        DemoProjectMove move;
        move.name = ProjectName(grown ? image.movedNames[i] : image.names[i]);
        move.symbol = MoveSymbol(k, move.name, taken);
        if (grown) {
            std::copy_n(image.movedRecords[i].begin(), 9, move.bytes.begin());
        } else {
            const rom::MoveRecord& r = image.records[i];
            for (int f = 0; f < rom::MoveFieldCount; ++f)
                move.bytes[static_cast<std::size_t>(f)] = r[static_cast<rom::MoveField>(f)];
            move.bytes[7] = image.tails[i][0];
            move.bytes[8] = image.tails[i][1];
        }
        if (k > 0) move.description = image.descriptions[i - 1];
        if (project_parts::HasContest(layout))
            move.contest = k < rom::ContestMoveCount ? ContestOf(image.contestMoves[i]) : GrownContest(k);
        moves.push_back(std::move(move));
    }
    return moves;
}

DemoRom MakeDemoRomOfProject(ProjectLayout layout, int moveCount) {
    const bool contest = project_parts::HasContest(layout);
    if (contest && moveCount != DemoProjectMoveCount && moveCount >= 2 && moveCount <= MaxDemoProjectMoves)
        throw std::invalid_argument("the ROM of a project with contest data holds " +
                                    std::to_string(DemoProjectMoveCount) + " moves, not " +
                                    std::to_string(moveCount));
    const std::vector<DemoProjectMove> moves = DemoProjectMoves(layout, moveCount);
    DemoRom image = SourceRom(layout, moveCount);
    const DemoRomLayout& at = image.layout;
    const bool moved = at.movedNameStart != 0;
    const std::int64_t names = moved ? at.movedNameStart : at.nameStart,
                       records = moved ? at.movedDataOffset : at.dataOffset;
    const auto put = [&](std::int64_t offset, std::span<const std::uint8_t> bytes) {
        std::copy(bytes.begin(), bytes.end(), image.bytes.begin() + offset);
    };
    for (int k = 0; k < moveCount; ++k) {
        const DemoProjectMove& m = moves[static_cast<std::size_t>(k)];
        put(records + std::int64_t{rom::MoveRecordSize} * k, m.bytes);
        // Move 0's entry lies just before move 1's.
        const std::optional<rom::NameEntry> entry = rom::EncodeNameEntry(rom::Utf8ToU32(m.name));
        if (!entry)
            throw std::logic_error("the demo project's name of move " + std::to_string(k) +
                                   " has no game text");
        put(names + std::int64_t{rom::MoveNameFieldLength} * (k - 1), *entry);
        if (contest)
            image.bytes[static_cast<std::size_t>(at.contestMoveTable + 8 * k + 1)] &=
                rom::ContestCategoryMask;
    }
    return image;
}

} // namespace demo
