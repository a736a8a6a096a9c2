#include "tools/skirmela_moves/ContestEffects.h"

#include "rom/ContestNames.h"
#include "rom/WholeNumber.h"
#include "tools/skirmela_moves/CommandSteps.h"
#include "tools/skirmela_moves/Commands.h"
#include "tools/skirmela_moves/Json.h"
#include "tools/skirmela_moves/MoveFields.h"
#include "tools/skirmela_moves/TableView.h"

#include <array>
#include <map>
#include <set>

namespace moves {
namespace {

constexpr const char* EffectColumn = "effect";
constexpr const char* TextColumn = "text";
// The fields an effect may be changed in, in record order.
constexpr std::array<const char*, 3> EffectFields = {"type", "appeal", "jam"};

int& FieldOf(rom::ContestEffectFields& f, std::size_t i) {
    return i == 0 ? f.type : i == 1 ? f.appeal : f.jam;
}
int FieldOf(const rom::ContestEffectFields& f, std::size_t i) {
    return i == 0 ? f.type : i == 1 ? f.appeal : f.jam;
}

rom::ContestEffectFields FieldsOf(const rom::ContestData& data, int e) {
    const rom::ContestEffect& x = data.effects[static_cast<std::size_t>(e)];
    return {x.type, x.appeal, x.jam};
}

// Where each column of the header stands; Absent (-1) when left out.
struct EffectsHeader {
    int effect = -1, text = -1;
    std::array<int, EffectFields.size()> field{-1, -1, -1};
};

EffectsHeader ReadEffectsHeader(const CsvRecord& r, std::vector<CellError>& errors) {
    EffectsHeader h;
    for (std::size_t i = 0; i < r.cells.size(); ++i) {
        const std::string name(rom::TrimBlanks(r.cells[i]));
        int* slot = name == EffectColumn ? &h.effect : name == TextColumn ? &h.text : nullptr;
        for (std::size_t f = 0; f < EffectFields.size(); ++f)
            if (name == EffectFields[f]) slot = &h.field[f];
        const int column = static_cast<int>(i) + 1;
        if (!slot)
            errors.push_back({r.row, column, name,
                              "is no column of the contest effects; the columns are effect, "
                              "type, appeal, jam and text"});
        else if (*slot != -1)
            errors.push_back(
                {r.row, column, name, "appears twice (also column " + std::to_string(*slot + 1) + ")"});
        else
            *slot = static_cast<int>(i);
    }
    if (h.effect == -1) errors.push_back({r.row, 0, "", "the header has no \"effect\" column"});
    return h;
}

} // namespace

std::string EffectsText(const rom::ContestData& data) {
    std::string text = "Effect  Type  Appeal  Jam  Moves  Text\n";
    for (int e = 0; e < static_cast<int>(data.effects.size()); ++e) {
        const rom::ContestEffect& x = data.effects[static_cast<std::size_t>(e)];
        char line[64];
        std::snprintf(line, sizeof line, "%6d  %4d  %6d  %3d  %5zu  ", e, x.type, x.appeal, x.jam,
                      rom::MovesUsingContestEffect(data, e).size());
        text += line + rom::ContestEffectName(data, e) + "\n";
    }
    return text;
}

std::string EffectsCsv(const rom::ContestData& data) {
    std::string csv = CsvLine({EffectColumn, EffectFields[0], EffectFields[1], EffectFields[2], TextColumn});
    for (int e = 0; e < static_cast<int>(data.effects.size()); ++e) {
        const rom::ContestEffect& x = data.effects[static_cast<std::size_t>(e)];
        csv += CsvLine({std::to_string(e), std::to_string(x.type), std::to_string(x.appeal),
                        std::to_string(x.jam), rom::ContestEffectName(data, e)});
    }
    return csv;
}

std::string EffectsJson(const rom::ContestData& data) {
    std::string json = "[\n";
    for (int e = 0; e < static_cast<int>(data.effects.size()); ++e) {
        const rom::ContestEffect& x = data.effects[static_cast<std::size_t>(e)];
        json += "  {\"effect\": " + std::to_string(e) + ", \"type\": " + std::to_string(x.type) +
                ", \"appeal\": " + std::to_string(x.appeal) + ", \"jam\": " + std::to_string(x.jam) +
                ", \"text\": " + JsonString(rom::ContestEffectName(data, e)) +
                (e + 1 < static_cast<int>(data.effects.size()) ? "},\n" : "}\n");
    }
    return json + "]\n";
}

EffectsCheck CheckEffects(const std::vector<CsvRecord>& records, const rom::ContestData& data) {
    EffectsCheck result;
    if (records.empty()) {
        result.errors.push_back({1, 0, "", "the table is empty; its first row must name the columns"});
        return result;
    }
    const EffectsHeader h = ReadEffectsHeader(records.front(), result.errors);
    if (!result.errors.empty()) return result;
    std::map<int, int> firstRowOf;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const CsvRecord& r = records[i];
        if (r.cells.size() != records.front().cells.size()) {
            result.errors.push_back({r.row, 0, "",
                                     "has " + std::to_string(r.cells.size()) + " cells; the header has " +
                                         std::to_string(records.front().cells.size())});
            continue;
        }
        const auto cell = [&](int at) { return r.cells[static_cast<std::size_t>(at)]; };
        const auto fault = [&](int at, const std::string& column, const std::string& message) {
            result.errors.push_back({r.row, at + 1, column, message});
        };
        std::string why;
        const std::optional<int> e = rom::ParseContestEffect(data, cell(h.effect), why);
        if (!e) {
            fault(h.effect, EffectColumn, why);
            continue;
        }
        if (const auto [seen, first] = firstRowOf.emplace(*e, r.row); !first) {
            fault(h.effect, EffectColumn,
                  "effect " + std::to_string(*e) + " is listed already in row " +
                      std::to_string(seen->second));
            continue;
        }
        const rom::ContestEffectFields current = FieldsOf(data, *e);
        rom::ContestEffectFields wanted = current;
        for (std::size_t f = 0; f < EffectFields.size(); ++f) {
            if (h.field[f] == -1) continue;
            if (const std::optional<int> v = rom::ParseWholeNumber(cell(h.field[f]), 255))
                FieldOf(wanted, f) = static_cast<int>(*v);
            else
                fault(h.field[f], EffectFields[f], ShownName(cell(h.field[f])) + " is not a number 0 to 255");
        }
        if (h.text != -1 && !rom::TrimBlanks(cell(h.text)).empty() &&
            cell(h.text) != rom::ContestEffectName(data, *e))
            fault(h.text, TextColumn,
                  ShownName(cell(h.text)) + " differs from the game's text " +
                      ShownName(rom::ContestEffectName(data, *e)) + "; the text is read-only");
        if (wanted != current) result.changes.push_back({*e, wanted});
    }
    if (!result.errors.empty()) {
        result.changes.clear();
        return result;
    }
    std::sort(result.changes.begin(), result.changes.end(),
              [](const EffectChange& a, const EffectChange& b) { return a.effect < b.effect; });
    for (const EffectChange& c : result.changes) {
        const rom::ContestEffectFields current = FieldsOf(data, c.effect);
        for (std::size_t f = 0; f < EffectFields.size(); ++f)
            if (FieldOf(current, f) != FieldOf(c.fields, f))
                result.report.push_back({c.effect, EffectFields[f], std::to_string(FieldOf(current, f)),
                                         std::to_string(FieldOf(c.fields, f))});
    }
    return result;
}

std::string EffectsUndoCsv(const std::vector<EffectChange>& changes, const rom::ContestData& data) {
    std::array<bool, EffectFields.size()> altered{};
    for (const EffectChange& c : changes)
        for (std::size_t f = 0; f < EffectFields.size(); ++f)
            altered[f] = altered[f] || FieldOf(FieldsOf(data, c.effect), f) != FieldOf(c.fields, f);
    std::vector<std::string> header = {EffectColumn};
    for (std::size_t f = 0; f < EffectFields.size(); ++f)
        if (altered[f]) header.push_back(EffectFields[f]);
    std::string csv = CsvLine(header);
    for (const EffectChange& c : changes) {
        std::vector<std::string> cells = {std::to_string(c.effect)};
        for (std::size_t f = 0; f < EffectFields.size(); ++f)
            if (altered[f]) cells.push_back(std::to_string(FieldOf(FieldsOf(data, c.effect), f)));
        csv += CsvLine(cells);
    }
    return csv;
}

namespace {

// The operands of set as a two-row table, so that a set is checked exactly like an import.
std::vector<CsvRecord> SetTable(const CommandLine& cl) {
    std::string faults;
    std::set<std::string> seen;
    CsvRecord header{1, {EffectColumn}}, row{2, {cl.move}};
    for (const FieldAssignment& a : cl.assignments) {
        if (std::find_if(EffectFields.begin(), EffectFields.end(),
                         [&](const char* f) { return a.field == f; }) == EffectFields.end())
            faults +=
                "\"" + a.field + "\" is no field of a contest effect; the fields are type, appeal and jam\n";
        else if (!seen.insert(a.field).second)
            faults += a.field + " is given twice\n";
        header.cells.push_back(a.field);
        row.cells.push_back(a.value);
    }
    if (!faults.empty()) {
        faults.pop_back();
        throw CommandFailed(ExitBadInput, faults);
    }
    return {header, row};
}

} // namespace

int ContestEffects(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
                   std::ostream& err, std::istream& in) {
    const bool changes = cl.effectsAction != EffectsAction::list;
    const std::vector<CsvRecord> setTable =
        cl.effectsAction == EffectsAction::set ? SetTable(cl) : std::vector<CsvRecord>{};
    if (changes) CheckUndoTarget(cl);
    const rom::OpenedRom rom = OpenRom(cl, cl.rom, programDir, err);
    if (changes) CheckUndoTarget(cl, rom.at.profile);
    const rom::ContestData& data = rom.at.contest;
    if (!data.Available())
        throw CommandFailed(ExitFileError,
                            cl.rom.string() + ": no contest effects: " +
                                (data.inProfile ? "the contest data is not read: " + data.unavailable
                                                : std::string("the game has no contests")));
    if (!changes) {
        out << (cl.format == ListFormat::csv    ? EffectsCsv(data)
                : cl.format == ListFormat::json ? EffectsJson(data)
                                                : EffectsText(data));
        return ExitDone;
    }
    std::vector<CsvRecord> records = setTable;
    const std::string label = cl.file == "-" ? "standard input" : cl.file.string();
    if (cl.effectsAction == EffectsAction::importCsv) {
        try {
            records = ParseCsv(ReadTextFile(cl.file, in));
        } catch (const CsvError& e) {
            throw CommandFailed(ExitBadInput, label + ": row " + std::to_string(e.row()) + ": " + e.what() +
                                                  "; nothing written");
        }
    }
    const EffectsCheck check = CheckEffects(records, data);
    // A set's fault names its operand, an import's its row and column.
    const auto describe = [&](const CellError& e) {
        if (cl.effectsAction != EffectsAction::set) return label + ": " + DescribeCellError(e);
        if (e.column <= 1) return e.message;
        const FieldAssignment& a = cl.assignments[static_cast<std::size_t>(e.column - 2)];
        return a.field + "=" + a.value + ": " + e.message;
    };
    if (!check.errors.empty()) {
        for (const CellError& e : check.errors) err << "skirmela-moves: " << describe(e) << "\n";
        err << "skirmela-moves: " << Counted(check.errors.size(), "bad cell") << "; nothing written\n";
        return ExitBadInput;
    }
    rom::ChangePlan plan;
    try {
        for (const EffectChange& c : check.changes) rom::PlanContestEffect(plan, data, c.effect, c.fields);
        plan = rom::OnlyChanges(plan, rom.image);
    } catch (const rom::PlanError& e) {
        throw CommandFailed(ExitBadInput,
                            std::string("cannot save the changes: ") + e.what() + "; nothing written");
    }
    for (const FieldChange& c : check.report)
        out << "effect " << c.move << ": " << c.field << " " << c.oldValue << " -> " << c.newValue << "\n";
    const std::vector<std::string> moveNames = ViewOfRom(rom).MoveNames();
    for (const EffectChange& c : check.changes)
        out << rom::ContestEffectChangeReport(data, moveNames, c.effect) << "\n";
    const std::string summary =
        Counted(check.report.size(), "change") + " in " + Counted(check.changes.size(), "contest effect");
    return WritePlan(
        cl, plan, !check.changes.empty(), [&] { return EffectsUndoCsv(check.changes, data); }, summary, out);
}

} // namespace moves
