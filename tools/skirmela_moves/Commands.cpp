#include "tools/skirmela_moves/Commands.h"

#include "files/Reasons.h"
#include "files/WholeFiles.h"
#include "files/WriteFiles.h"
#include "rom/GameCode.h"
#include "rom/OpenMoveTables.h"
#include "rom/ProfileFolders.h"
#include "rom/RomBackup.h"
#include "rom/RomError.h"
#include "tools/skirmela_moves/ChangePlan.h"
#include "tools/skirmela_moves/CommandSteps.h"
#include "tools/skirmela_moves/ContestColumns.h"
#include "tools/skirmela_moves/ContestEffects.h"
#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/HeaderProfile.h"
#include "tools/skirmela_moves/ImportCheck.h"
#include "tools/skirmela_moves/MoveDiff.h"
#include "tools/skirmela_moves/MoveFields.h"
#include "tools/skirmela_moves/MoveListing.h"
#include "tools/skirmela_moves/ProjectCommands.h"
#include "tools/skirmela_moves/ProjectView.h"
#include "tools/skirmela_moves/TableView.h"

#include <cerrno>
#include <functional>
#include <iostream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>

namespace moves {
namespace {

// Checks, reports and writes the records of an import or a set; describe places an error.
int ApplyRecords(const CommandLine& cl, const rom::OpenedRom& rom, const std::vector<CsvRecord>& records,
                 const std::function<std::string(const CellError&)>& describe, std::ostream& out,
                 std::ostream& err) {
    const TableView table = ViewOfRom(rom);
    const ImportCheck check = CheckImport(records, table);
    if (!check.errors.empty()) {
        for (const CellError& e : check.errors) err << "skirmela-moves: " << describe(e) << "\n";
        err << "skirmela-moves: " << Counted(check.errors.size(), "bad cell") << "; nothing written\n";
        return ExitBadInput;
    }
    rom::ChangePlan writes;
    DescriptionPlacements placed;
    try {
        writes = PlanChanges(check.changes, rom.at.tables, rom.image, table, &placed);
    } catch (const rom::PlanError& e) {
        throw CommandFailed(ExitBadInput,
                            std::string("cannot save the changes: ") + e.what() + "; nothing written");
    }
    for (const FieldChange& c : check.report)
        out << "move " << c.move << ": " << c.field << " " << c.oldValue << " -> " << c.newValue << "\n";
    for (const std::string& w : check.warnings) err << "skirmela-moves: warning: " << w << "\n";

    const std::string summary =
        Counted(check.report.size(), "change") + " in " + Counted(check.changes.size(), "move");
    return WritePlan(
        cl, writes, !check.changes.empty(), [&] { return UndoCsv(check.changes, table, &placed); }, summary,
        out);
}

// The move table a command's ROM argument names: a ROM's, or a decompilation project's when it names
// a project's folder or a file inside one.
struct OpenedTable {
    std::optional<rom::OpenedRom> rom;
    std::optional<project::OpenedProject> project;
    TableView view;
};

OpenedTable OpenTable(const CommandLine& cl, const std::filesystem::path& path,
                      const std::filesystem::path& programDir, std::ostream& err) {
    OpenedTable opened;
    if (const auto root = ProjectRootOf(path)) {
        opened.project = OpenProjectAt(path, *root);
        opened.view = ViewOfProject(*opened.project);
    } else {
        opened.rom = OpenRom(cl, path, programDir, err);
        opened.view = ViewOfRom(*opened.rom);
    }
    return opened;
}

int List(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
         std::ostream& err) {
    const TableView table = OpenTable(cl, cl.rom, programDir, err).view;
    switch (cl.format) {
    case ListFormat::text:
        out << ListText(table);
        break;
    case ListFormat::csv:
        out << ListCsv(table);
        break;
    case ListFormat::json:
        out << ListJson(table);
        break;
    }
    return ExitDone;
}

int Export(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
           std::ostream& err) {
    CheckOutputTarget(cl, cl.file, "the export file");
    const OpenedTable table = OpenTable(cl, cl.rom, programDir, err);
    if (table.rom) CheckOutputTarget(cl, cl.file, "the export file", table.rom->at.profile);
    if (table.project) CheckOutputIsNoProjectFile(table.project->root, cl.file, "the export file");
    WriteTextFile(cl.file, ExportCsv(table.view), out);
    if (cl.file != "-") out << table.view.rows.size() << " moves exported to " << cl.file.string() << "\n";
    return ExitDone;
}

int Import(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
           std::ostream& err, std::istream& in) {
    CheckUndoTarget(cl);
    const OpenedTable table = OpenTable(cl, cl.rom, programDir, err);
    if (table.rom) CheckUndoTarget(cl, table.rom->at.profile);
    const std::string label = cl.file == "-" ? "standard input" : cl.file.string();
    std::vector<CsvRecord> records;
    try {
        records = ParseCsv(ReadTextFile(cl.file, in));
    } catch (const CsvError& e) {
        throw CommandFailed(ExitBadInput, label + ": row " + std::to_string(e.row()) + ": " + e.what() +
                                              "; nothing written");
    }
    const auto describe = [&](const CellError& e) { return label + ": " + DescribeCellError(e); };
    if (table.project) return ApplyProjectRecords(cl, *table.project, records, describe, out, err);
    return ApplyRecords(cl, *table.rom, records, describe, out, err);
}

// Set takes the fields of a move, not the columns of a table: no text columns, no read-only bytes.
void CheckSetFields(const CommandLine& cl) {
    std::string faults;
    std::set<std::string> seen;
    for (const FieldAssignment& a : cl.assignments) {
        // The split layout's and the contest fields are known before the ROM is open; a ROM without
        // them refuses them.
        const bool split = FindRecordColumn(a.field, rom::RecordLayout::Split) != nullptr;
        bool text = false;
        const bool contest = FindContestColumn(a.field, &text) && !text;
        if (a.field != NameColumn && a.field != DescriptionColumn && !split && !contest)
            faults += "\"" + a.field +
                      "\" is no field; the fields are name, effect, power, type, accuracy, pp, "
                      "effect_chance, target, priority, flags and description (and z_power, damage_class "
                      "and z_effect on a ROM whose record layout is split; contest_category, contest_effect, "
                      "combo_starter and combo_moves on a ROM with contest data)\n";
        else if (!seen.insert(a.field).second)
            faults += a.field + " is given twice\n";
        else if (a.field == DescriptionColumn && a.value.empty())
            faults += "description= gives no text; a description cannot be set empty\n";
    }
    if (!faults.empty()) {
        faults.pop_back();
        throw CommandFailed(ExitBadInput, faults);
    }
}

int Set(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
        std::ostream& err) {
    CheckSetFields(cl);
    CheckUndoTarget(cl);
    const OpenedTable table = OpenTable(cl, cl.rom, programDir, err);
    if (table.rom) CheckUndoTarget(cl, table.rom->at.profile);
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
    if (table.project) return ApplyProjectRecords(cl, *table.project, {header, row}, describe, out, err);
    return ApplyRecords(cl, *table.rom, {header, row}, describe, out, err);
}

int Diff(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
         std::ostream& err) {
    // Each ROM or project is shown by its own names and record layout.
    const TableView a = OpenTable(cl, cl.rom, programDir, err).view;
    const TableView b = OpenTable(cl, cl.otherRom, programDir, err).view;
    const std::vector<FieldDifference> diffs = DiffMoves(a, b);
    switch (cl.format) {
    case ListFormat::text:
        out << DiffText(diffs);
        break;
    case ListFormat::csv:
        out << DiffCsv(diffs);
        break;
    case ListFormat::json:
        out << DiffJson(diffs);
        break;
    }
    return ExitDone;
}

// Replaces the profile by text through a new file beside it, keeping its mode; a failed write leaves the old
// one.
void ReplaceProfile(const std::filesystem::path& file, const std::string& text) {
    try {
        files::ReplaceFile(file, text);
    } catch (const files::FileError& e) {
        throw CommandFailed(ExitFileError,
                            std::string(e.what()) +
                                "; the profile was left as it was (--data DIR writes to a folder "
                                "of your choice)");
    }
}

// The profile text the new sections are merged into: the file itself where it exists; for a new
// file in the user's folder, the profile the programs read today (a shipped one), so that the
// user's copy, which is searched first, keeps every section of it.
std::pair<std::filesystem::path, std::string> ProfileBase(const CommandLine& cl,
                                                          const std::filesystem::path& programDir,
                                                          const std::filesystem::path& file,
                                                          const std::string& code) {
    std::filesystem::path base = file;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        if (cl.dataDir) return {file, ""};
        const auto found =
            rom::FindProfileFile(rom::StandardProfileFolders(programDir, rom::SystemEnvironment()), code);
        if (!found) return {file, ""};
        base = *found;
    }
    try {
        return {base, files::ReadWholeTextFile(base)};
    } catch (const std::exception& e) {
        throw CommandFailed(ExitFileError, std::string(e.what()) + "; nothing written");
    }
}

void WriteProfile(const CommandLine& cl, const std::filesystem::path& programDir, const HeaderProfile& p,
                  std::ostream& err) {
    if (!rom::IsUsableGameCode(p.gameCode))
        throw CommandFailed(ExitFileError, "the game code cannot name a profile file; nothing written");
    // Profiles a user writes go to the user's own folder, which a package update never touches.
    const std::filesystem::path dir =
        cl.dataDir ? *cl.dataDir : rom::UserProfileFolder(rom::SystemEnvironment());
    if (dir.empty())
        throw CommandFailed(ExitFileError,
                            "neither XDG_CONFIG_HOME nor HOME names the user's folder of profiles; "
                            "--data DIR names a folder; nothing written");
    const std::filesystem::path file = rom::ProfilePath(dir, p.gameCode);
    const auto [base, existing] = ProfileBase(cl, programDir, file, p.gameCode);
    const ProfileMerge merge = MergeProfile(existing, p, cl.force);
    if (!merge.conflicts.empty() && !cl.force) {
        std::string message;
        for (const OffsetConflict& c : merge.conflicts)
            message += base.string() + ": [" + c.section + "] holds " + c.key + "=" + c.existing + ", not " +
                       std::to_string(c.wanted) + "\n";
        throw CommandFailed(ExitBadInput,
                            message + "nothing written; --force replaces the offsets that differ");
    }
    if (merge.text.empty()) {
        err << "skirmela-moves: " << base.string() << " holds these offsets already; nothing written\n";
        return;
    }
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    ReplaceProfile(file, merge.text);
    const auto sections = [](const std::vector<std::string>& names) {
        std::string list;
        for (const std::string& n : names) list += (list.empty() ? "[" : " and [") + n + "]";
        return list;
    };
    if (!merge.added.empty())
        err << "skirmela-moves: added " << sections(merge.added) << " to " << file.string() << "\n";
    if (!merge.replaced.empty())
        err << "skirmela-moves: replaced the offset of " << sections(merge.replaced) << " in "
            << file.string() << "\n";
}

int Profile(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
            std::ostream& err) {
    RefuseProject(cl.rom, "profile", "a project's build makes the ROM a profile is made for");
    std::vector<std::uint8_t> image;
    try {
        image = files::ReadWholeFile(cl.rom, "the ROM");
    } catch (const std::exception& e) {
        throw CommandFailed(ExitFileError, files::Shown(cl.rom) + ": " + e.what());
    }
    HeaderProfile p;
    try {
        p = ProfileFromHeader(image, cl.moveCount);
    } catch (const NoHeaderProfile& e) {
        throw CommandFailed(ExitBadInput, cl.rom.string() + ": no profile can be made: " + e.what());
    }
    out << ProfileFileText(p);
    out.flush();
    if (cl.write) WriteProfile(cl, programDir, p, err);
    return ExitDone;
}

} // namespace

namespace {

int Dispatch(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
             std::ostream& err, std::istream& in) {
    return RunReporting(
        [&] {
            switch (cl.command) {
            case Command::help:
                out << UsageText();
                return ExitDone;
            case Command::version:
                out << VersionText();
                return ExitDone;
            case Command::list:
                return List(cl, programDir, out, err);
            case Command::exportCsv:
                return Export(cl, programDir, out, err);
            case Command::importCsv:
                return Import(cl, programDir, out, err, in);
            case Command::set:
                return Set(cl, programDir, out, err);
            case Command::diff:
                return Diff(cl, programDir, out, err);
            case Command::profile:
                return Profile(cl, programDir, out, err);
            case Command::contestEffects:
                RefuseProject(
                    cl.rom, "contest-effects",
                    "the contest effect table is read from a ROM (give the ROM the project builds)");
                return ContestEffects(cl, programDir, out, err, in);
            }
            return ExitBadInput;
        },
        err);
}

} // namespace

void ReportFailure(std::ostream& err, const std::string& message) {
    std::istringstream lines(message);
    for (std::string line; std::getline(lines, line);)
        err << "skirmela-moves: " << files::Escaped(line) << "\n";
}

int RunCommand(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
               std::ostream& err, std::istream& in) {
    return CheckedOutput(Dispatch(cl, programDir, out, err, in), out, err);
}

int RunReporting(const std::function<int()>& command, std::ostream& err, FailureReport report) {
    try {
        return command();
    } catch (const CommandFailed& stop) {
        report(err, stop.what());
        return stop.status;
    } catch (const std::exception& e) {
        report(err, e.what());
        return ExitFileError;
    }
}

int CheckedOutput(int status, std::ostream& out, std::ostream& err) {
    // The reason is the one of the write that failed, which is the last thing the stream did.
    out.flush();
    if (!out) {
        ReportFailure(err, "cannot write the output: " + files::SystemReason(errno ? errno : EIO));
        return ExitFileError;
    }
    return status;
}

} // namespace moves
