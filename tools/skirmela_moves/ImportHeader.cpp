#include "tools/skirmela_moves/ImportHeader.h"

#include "rom/Utf8.h"
#include "rom/WholeNumber.h"
#include "tools/skirmela_moves/ContestColumns.h"
#include "tools/skirmela_moves/ImportCells.h"

#include <span>

namespace moves {
namespace {

struct NamedColumn {
    const char* name;
    int ImportHeader::*slot;
};

// The columns that are no record field, in the order the header's fault lists them: the move and its
// name first, the others after the record columns.
constexpr std::array<NamedColumn, 2> LeadingColumns = {
    {{MoveColumn, &ImportHeader::move}, {NameColumn, &ImportHeader::name}}};
constexpr std::array<NamedColumn, 7> TrailingColumns = {{
    {PaddingColumn, &ImportHeader::padding},
    {NameBytesColumn, &ImportHeader::nameBytes},
    {UntouchedColumn, &ImportHeader::untouched},
    {DescriptionColumn, &ImportHeader::description},
    {DescriptionPointerColumn, &ImportHeader::descriptionPointer},
    {DescriptionBytesColumn, &ImportHeader::descriptionBytes},
    {DescriptionClearColumn, &ImportHeader::descriptionClear},
}};

std::string KnownColumns(const TableView& t) {
    std::string list;
    const auto add = [&list](const char* name) { list += (list.empty() ? "" : ", ") + std::string(name); };
    for (const NamedColumn& c : LeadingColumns) add(c.name);
    for (const RecordColumn& c : RecordColumns(t.layout)) {
        add(c.name);
        if (c.textName) add(c.textName);
    }
    for (const NamedColumn& c : TrailingColumns) add(c.name);
    for (const std::string& c : ContestHeader(t)) add(c.c_str());
    return list;
}

int* HeaderSlot(ImportHeader& h, const TableView& t, std::string_view name) {
    for (const std::span<const NamedColumn> columns :
         {std::span<const NamedColumn>(LeadingColumns), std::span<const NamedColumn>(TrailingColumns)})
        for (const NamedColumn& c : columns)
            if (name == c.name) return &(h.*c.slot);
    if (const RecordColumn* c = FindRecordColumn(name, t.layout)) return &h.value[IndexOf(*c)];
    if (const RecordColumn* c = FindTextColumn(name, t.layout)) return &h.text[IndexOf(*c)];
    bool text = false;
    if (const ContestColumn* c = FindContestColumn(name, &text); c && t.HasContest()) {
        const auto at = static_cast<std::size_t>(c - ContestColumns().data());
        return text ? &h.contestText[at] : &h.contestValue[at];
    }
    return nullptr;
}

// Why a contest column is no column of this table.
std::string ContestColumnFault(const TableView& t) {
    if (!t.contest.inProfile) return "is a column only where the game has contests; this one has none";
    return "is a column only where the ROM's contest data is read; here it is not: " + t.contest.unavailable;
}

} // namespace

std::size_t IndexOf(const RecordColumn& c) {
    return static_cast<std::size_t>(&c - RecordColumns(rom::RecordLayout::Split).data());
}

ImportHeader ReadImportHeader(const CsvRecord& record, const TableView& t, std::vector<CellError>& errors) {
    ImportHeader h;
    h.width = static_cast<int>(record.cells.size());
    for (int i = 0; i < h.width; ++i) {
        const std::string name(rom::TrimBlanks(record.cells[static_cast<std::size_t>(i)]));
        h.names.push_back(name);
        int* slot = HeaderSlot(h, t, name);
        if (const std::string fault = MalformedTextFault(name); !fault.empty())
            errors.push_back({record.row, i + 1, rom::ShowMalformedUtf8(name), fault});
        else if (!slot && (name == "z_power" || name == "damage_class" || name == "damage_class_text" ||
                           name == "z_effect"))
            errors.push_back(
                {record.row, i + 1, name,
                 "is a column only where the ROM's record layout is split (a hack's damage class "
                 "in byte 10); this ROM's records are laid out as the released games'"});
        else if (!slot && FindContestColumn(name))
            errors.push_back({record.row, i + 1, name, ContestColumnFault(t)});
        else if (!slot)
            errors.push_back({record.row, i + 1, name,
                              "is no column of the move table; the columns are " + KnownColumns(t)});
        else if (*slot != Absent)
            errors.push_back(
                {record.row, i + 1, name, "appears twice (also column " + std::to_string(*slot + 1) + ")"});
        else
            *slot = i;
    }
    if (h.move == Absent) errors.push_back({record.row, 0, "", "the header has no \"move\" column"});
    return h;
}

} // namespace moves
