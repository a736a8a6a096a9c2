// The tables of one block per move: gBattleMoves (the 12-byte records) and gContestMoves (the
// contest half of a move). A field left out of a block is 0, as in the built ROM.

#include "project/ProjectError.h"
#include "project/ProjectSources.h"

#include <set>

namespace project {
namespace {

template <std::size_t N> std::string FieldList(const std::array<FieldRule, N>& fields) {
    std::string list;
    for (const FieldRule& rule : fields) list += (list.empty() ? "." : ", .") + std::string(rule.name);
    return list;
}

// Checks that every element of a block names a field of fields once, designated or in its place.
template <std::size_t N>
void CheckBlock(const CFile& f, const Init& block, const std::array<FieldRule, N>& fields,
                std::string_view what) {
    if (!block.braced) f.Fail(block.first, std::string(what) + ": a block { ... } is expected here");
    std::set<std::size_t> seen;
    std::size_t next = 0;
    for (const Element& e : block.elements) {
        if (e.index) f.Fail(e.first, "an [index] designator inside a block of " + std::string(what));
        std::size_t at = next;
        if (!e.field.empty()) {
            at = N;
            for (std::size_t j = 0; j < N; ++j)
                if (fields[j].name == e.field) at = j;
            if (at == N)
                f.Fail(e.first, "." + e.field + " is no field this program reads in " + std::string(what) +
                                    " (it reads " + FieldList(fields) + ")");
        } else if (at >= N) {
            f.Fail(e.first, std::string(what) + ": more values than the " + std::to_string(N) + " fields");
        }
        if (!seen.insert(at).second) f.Fail(e.first, "." + std::string(fields[at].name) + " is given twice");
        next = at + 1;
    }
}

// The table named name in file, with the element of each move, every block checked.
template <std::size_t N>
BlockTable ReadBlockTable(const Defines& defines, std::shared_ptr<const CFile> file, std::string_view name,
                          int count, const std::array<FieldRule, N>& fields) {
    const std::optional<std::size_t> open = FindInitialiser(*file, name);
    if (!open)
        throw ProjectError(file->path.generic_string() + ": no initialiser of " + std::string(name) +
                           " found");
    BlockTable table;
    table.file = file;
    table.table = ParseInitialiser(*file, *open);
    table.element.assign(count, -1);
    const std::vector<int> moves = EntryNumbers(*file, defines, table.table, count, 0, name);
    for (std::size_t i = 0; i < moves.size(); ++i) {
        CheckBlock(*file, table.table.elements[i].value, fields, name);
        table.element[moves[i]] = static_cast<int>(i);
    }
    return table;
}

template <std::size_t N>
std::int64_t FieldValue(const Defines& defines, const BlockTable& table, const Init& block,
                        const std::array<FieldRule, N>& fields, std::size_t i) {
    const Element* e = FieldElement(block, fields, i);
    if (!e) return 0;
    return ValueInRange(*table.file, defines, e->value, "." + std::string(fields[i].name), fields[i].low,
                        fields[i].high);
}

} // namespace

void ReadRecords(const Defines& defines, std::shared_ptr<const CFile> file, std::vector<ProjectMove>& moves,
                 OpenedProject::Sources& sources) {
    sources.records = ReadBlockTable(defines, std::move(file), "gBattleMoves", static_cast<int>(moves.size()),
                                     RecordFields);
    for (ProjectMove& move : moves) {
        const Init* block = sources.records.BlockOf(move.move);
        if (!block) continue;
        for (std::size_t i = 0; i < RecordFields.size(); ++i)
            move.bytes[RecordFields[i].byte] = static_cast<std::uint8_t>(
                FieldValue(defines, sources.records, *block, RecordFields, i) & 0xFF);
    }
}

void ReadContestMoves(const Defines& defines, std::shared_ptr<const CFile> file,
                      std::vector<ProjectMove>& moves, OpenedProject::Sources& sources) {
    sources.contest = ReadBlockTable(defines, std::move(file), "gContestMoves",
                                     static_cast<int>(moves.size()), ContestFields);
    const CFile& f = *sources.contest.file;
    for (ProjectMove& move : moves) {
        rom::ContestMove contest;
        if (const Init* block = sources.contest.BlockOf(move.move)) {
            contest.effect = static_cast<int>(FieldValue(defines, sources.contest, *block, ContestFields, 0));
            contest.category =
                static_cast<int>(FieldValue(defines, sources.contest, *block, ContestFields, 1));
            contest.comboStarter =
                static_cast<int>(FieldValue(defines, sources.contest, *block, ContestFields, 2));
            contest.byte1 = static_cast<std::uint8_t>(contest.category);
            if (const Element* combo = FieldElement(*block, ContestFields, 3)) {
                if (!combo->value.braced)
                    f.Fail(combo->value.first, ".comboMoves: a list { ... } is expected here");
                if (combo->value.elements.size() > rom::ComboMoveCount)
                    f.Fail(combo->value.first, ".comboMoves holds more than 4 values");
                for (std::size_t i = 0; i < combo->value.elements.size(); ++i) {
                    const Element& e = combo->value.elements[i];
                    if (!e.field.empty() || e.index)
                        f.Fail(e.first, ".comboMoves: a designator inside the list");
                    contest.comboMoves[i] =
                        static_cast<int>(ValueInRange(f, defines, e.value, ".comboMoves", 0, 255));
                }
            }
        }
        move.contest = contest;
    }
}

} // namespace project
