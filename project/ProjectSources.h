#pragma once
// Where each value of an opened project was read (the files, their tables and the tokens of every
// value), shared by the readers and the planner, and the readers of each table.

#include "project/Initialisers.h"
#include "project/ProjectStore.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace project {

// The files of a layout, relative to the root; contest is empty where the layout has none.
struct LayoutFiles {
    std::filesystem::path records, names, descriptions, contest;
};
LayoutFiles FilesOf(ProjectLayout layout);
// The layout of the project at root. Throws ProjectError for a tree whose moves are elsewhere.
ProjectLayout RecogniseLayout(const std::filesystem::path& root);

// A game text _("..." ...): the tokens of ( and of its first and last string literal.
struct TextSource {
    std::shared_ptr<const CFile> file;
    std::size_t open = 0, first = 0, last = 0;
};

// A table of blocks, one per move (records, contest data), and the element of each move in it.
struct BlockTable {
    std::shared_ptr<const CFile> file;
    Init table;
    std::vector<int> element; // move k's element in table.elements; -1 when the table has none

    const Init* BlockOf(int k) const {
        return k < static_cast<int>(element.size()) && element[k] >= 0 ? &table.elements[element[k]].value
                                                                       : nullptr;
    }
};

struct OpenedProject::Sources {
    BlockTable records, contest;
    std::vector<std::optional<TextSource>> names, descriptions; // move k at k
};

// A field of a block: its name, where it lies in a record or contest move, and its range.
struct FieldRule {
    std::string_view name;
    int byte;
    std::int64_t low, high;
};
// The fields of a record in the order of a positional block; byte is the record byte.
inline constexpr std::array<FieldRule, 9> RecordFields = {{{"effect", 0, 0, 255},
                                                           {"power", 1, 0, 255},
                                                           {"type", 2, 0, 255},
                                                           {"accuracy", 3, 0, 255},
                                                           {"pp", 4, 0, 255},
                                                           {"secondaryEffectChance", 5, 0, 255},
                                                           {"target", 6, 0, 255},
                                                           {"priority", 7, -128, 127},
                                                           {"flags", 8, 0, 255}}};
// The fields of a contest move; byte is the position in the contest record (comboMoves: 3 to 6).
inline constexpr std::array<FieldRule, 4> ContestFields = {
    {{"effect", 0, 0, 255},
     {"contestCategory", 1, 0, rom::ContestCategoryCount - 1},
     {"comboStarterId", 2, 0, 255},
     {"comboMoves", 3, 0, 255}}};

// The element of block that gives field number i of fields (designated .name, or positional), or
// nullptr. Never fails on a block the readers accepted.
template <std::size_t N>
const Element* FieldElement(const Init& block, const std::array<FieldRule, N>& fields, std::size_t i) {
    const Element* found = nullptr;
    std::size_t next = 0;
    for (const Element& e : block.elements) {
        std::size_t at = next;
        for (std::size_t j = 0; j < N && !e.field.empty(); ++j)
            if (fields[j].name == e.field) at = j;
        if (at == i) found = &e;
        next = at + 1;
    }
    return found;
}

// The readers of each table: they fill the moves' values and the sources, and throw ProjectError
// "file:line: reason" for what they cannot read.
void ReadRecords(const Defines& defines, std::shared_ptr<const CFile> file, std::vector<ProjectMove>& moves,
                 OpenedProject::Sources& sources);
void ReadNames(const Defines& defines, const Charmap& charmap, std::shared_ptr<const CFile> file,
               std::vector<ProjectMove>& moves, OpenedProject::Sources& sources);
void ReadDescriptions(const Defines& defines, const Charmap& charmap, std::shared_ptr<const CFile> file,
                      std::vector<ProjectMove>& moves, OpenedProject::Sources& sources);
void ReadContestMoves(const Defines& defines, std::shared_ptr<const CFile> file,
                      std::vector<ProjectMove>& moves, OpenedProject::Sources& sources);

// The game bytes of a text _(...), its literals joined. Throws ProjectError for a value of another
// form or a character the charmap lacks.
std::vector<std::uint8_t> GameTextBytes(const CFile& file, const Charmap& charmap, const TextSource& text);
// The text source of the value _("..." ...) whose tokens are first to last. Throws ProjectError.
TextSource GameTextAt(const std::shared_ptr<const CFile>& file, std::size_t first, std::size_t last);

// The symbols of each family of values in the project, and how each value shows.
void FillValueSymbols(OpenedProject& project);

} // namespace project
