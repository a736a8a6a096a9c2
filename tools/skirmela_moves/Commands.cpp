#include "tools/skirmela_moves/Commands.h"

#include "editor/GameCode.h"
#include "editor/SavePlan.h"
#include "rom/RomError.h"
#include "tools/skirmela_moves/ChangePlan.h"
#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/ImportCheck.h"
#include "tools/skirmela_moves/MoveFields.h"
#include "tools/skirmela_moves/MoveListing.h"
#include "tools/skirmela_moves/MoveTable.h"

#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>

namespace moves {
namespace {

// A failure after which the tool stops with status and the message.
struct Stop {
    int status;
    std::string message;
};

std::string Counted(std::size_t n, const std::string& noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

struct OpenedRom {
    TableLocation at;
    std::vector<std::uint8_t> image;
    std::vector<MoveRow> rows;
};

OpenedRom OpenRom(const CommandLine& cl, const std::filesystem::path& programDir) {
    try {
        OpenedRom r;
        const std::filesystem::path data = cl.dataDir ? *cl.dataDir : programDir / "Data";
        r.at = ReadTableLocationFile(FindProfile(cl.rom, data));
        r.image = ReadRomFile(cl.rom);
        r.rows = ReadMoveRows(r.image, r.at);
        return r;
    } catch (const std::exception& e) {
        throw Stop{ExitFileError, cl.rom.string() + ": " + e.what()};
    }
}

std::string ReadTextFile(const std::filesystem::path& file, std::istream& in) {
    if (file == "-") return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::ifstream f(file, std::ios::binary);
    if (!f) throw Stop{ExitFileError, "cannot open " + file.string()};
    std::string text((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad()) throw Stop{ExitFileError, "cannot read " + file.string()};
    return text;
}

void WriteTextFile(const std::filesystem::path& file, const std::string& text, std::ostream& out) {
    if (file == "-") {
        out << text;
        return;
    }
    std::ofstream f(file, std::ios::binary | std::ios::trunc);
    if (!(f << text) || !f.flush()) throw Stop{ExitFileError, "cannot write " + file.string()};
}

// Checks, reports and writes the records of an import or a set; describe places an error.
int ApplyRecords(const CommandLine& cl, const OpenedRom& rom, const std::vector<CsvRecord>& records,
                 const std::function<std::string(const CellError&)>& describe, std::ostream& out,
                 std::ostream& err) {
    const ImportCheck check = CheckImport(records, rom.rows);
    if (!check.errors.empty()) {
        for (const CellError& e : check.errors) err << "skirmela-moves: " << describe(e) << "\n";
        err << "skirmela-moves: " << Counted(check.errors.size(), "bad cell") << "; nothing written\n";
        return ExitBadInput;
    }
    std::vector<editor::PlannedWrite> writes;
    try {
        writes = PlanChanges(check.changes, rom.at, rom.image);
    } catch (const editor::SavePlanError& e) {
        throw Stop{ExitBadInput, std::string("cannot save the changes: ") + e.what() + "; nothing written"};
    }
    for (const FieldChange& c : check.report)
        out << "move " << c.move << ": " << c.field << " " << c.oldValue << " -> " << c.newValue << "\n";

    const std::string summary =
        Counted(check.report.size(), "change") + " in " + Counted(check.changes.size(), "move");
    if (check.changes.empty()) {
        out << "no changes; nothing written\n";
    } else if (cl.dryRun) {
        out << "dry run: " << summary << ", " << Counted(writes.size(), "byte")
            << " to write; nothing written\n";
    } else {
        try {
            editor::ApplySave(cl.rom, writes);
        } catch (const std::exception& e) {
            throw Stop{ExitFileError,
                       cl.rom.string() + ": " + e.what() + "; the bytes written so far were put back"};
        }
        out << summary << ", " << Counted(writes.size(), "byte") << " written\n";
    }
    return ExitDone;
}

int List(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out) {
    const OpenedRom rom = OpenRom(cl, programDir);
    switch (cl.format) {
    case ListFormat::text:
        out << ListText(rom.rows);
        break;
    case ListFormat::csv:
        out << ListCsv(rom.rows);
        break;
    case ListFormat::json:
        out << ListJson(rom.rows);
        break;
    }
    return ExitDone;
}

int Export(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out) {
    const OpenedRom rom = OpenRom(cl, programDir);
    WriteTextFile(cl.file, ExportCsv(rom.rows), out);
    if (cl.file != "-") out << rom.rows.size() << " moves exported to " << cl.file.string() << "\n";
    return ExitDone;
}

int Import(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
           std::ostream& err, std::istream& in) {
    const OpenedRom rom = OpenRom(cl, programDir);
    const std::string label = cl.file == "-" ? "standard input" : cl.file.string();
    std::vector<CsvRecord> records;
    try {
        records = ParseCsv(ReadTextFile(cl.file, in));
    } catch (const CsvError& e) {
        throw Stop{ExitBadInput,
                   label + ": row " + std::to_string(e.row()) + ": " + e.what() + "; nothing written"};
    }
    const auto describe = [&](const CellError& e) { return label + ": " + DescribeCellError(e); };
    return ApplyRecords(cl, rom, records, describe, out, err);
}

// Set takes the fields of a move, not the columns of a table: no text columns, no read-only bytes.
void CheckSetFields(const CommandLine& cl) {
    std::string faults;
    std::set<std::string> seen;
    for (const FieldAssignment& a : cl.assignments) {
        if (a.field != NameColumn && !FindRecordColumn(a.field))
            faults += "\"" + a.field +
                      "\" is no field; the fields are name, effect, power, type, accuracy, pp, "
                      "effect_chance and target\n";
        else if (!seen.insert(a.field).second)
            faults += a.field + " is given twice\n";
    }
    if (!faults.empty()) {
        faults.pop_back();
        throw Stop{ExitBadInput, faults};
    }
}

int Set(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
        std::ostream& err) {
    CheckSetFields(cl);
    const OpenedRom rom = OpenRom(cl, programDir);
    // The operands become a two-row table, so a set is checked exactly like an import.
    CsvRecord header{1, {MoveColumn}}, row{2, {cl.move}};
    std::vector<std::string> operands = {cl.move};
    for (const FieldAssignment& a : cl.assignments) {
        header.cells.push_back(a.field);
        row.cells.push_back(a.value);
        operands.push_back(a.field + "=" + a.value);
    }
    const auto describe = [&](const CellError& e) {
        if (e.column <= 1) return e.message;
        return operands[static_cast<std::size_t>(e.column - 1)] + ": " + e.message;
    };
    return ApplyRecords(cl, rom, {header, row}, describe, out, err);
}

} // namespace

int RunCommand(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
               std::ostream& err, std::istream& in) {
    try {
        switch (cl.command) {
        case Command::help:
            out << UsageText();
            return ExitDone;
        case Command::list:
            return List(cl, programDir, out);
        case Command::exportCsv:
            return Export(cl, programDir, out);
        case Command::importCsv:
            return Import(cl, programDir, out, err, in);
        case Command::set:
            return Set(cl, programDir, out, err);
        }
    } catch (const Stop& stop) {
        std::istringstream lines(stop.message);
        for (std::string line; std::getline(lines, line);) err << "skirmela-moves: " << line << "\n";
        return stop.status;
    } catch (const std::exception& e) {
        err << "skirmela-moves: " << e.what() << "\n";
        return ExitFileError;
    }
    return ExitBadInput;
}

} // namespace moves
