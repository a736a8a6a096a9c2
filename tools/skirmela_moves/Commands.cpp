#include "tools/skirmela_moves/Commands.h"

#include "rom/GameCode.h"
#include "rom/OpenMoveTables.h"
#include "rom/ProfileFolders.h"
#include "rom/RomBackup.h"
#include "rom/RomError.h"
#include "rom/WholeFiles.h"
#include "tools/skirmela_moves/ChangePlan.h"
#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/HeaderProfile.h"
#include "tools/skirmela_moves/ImportCheck.h"
#include "tools/skirmela_moves/MoveDiff.h"
#include "tools/skirmela_moves/MoveFields.h"
#include "tools/skirmela_moves/MoveListing.h"

#include <cerrno>
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

// --data names the one folder of profiles; otherwise the user's, the program's and the shipped ones.
rom::ProfileFolders Folders(const CommandLine& cl, const std::filesystem::path& programDir) {
    return cl.dataDir ? rom::OnlyProfileFolder(*cl.dataDir)
                      : rom::StandardProfileFolders(programDir, rom::SystemEnvironment());
}

rom::OpenedRom OpenRom(const CommandLine& cl, const std::filesystem::path& rom,
                       const std::filesystem::path& programDir, std::ostream& err) {
    rom::OpenedRom opened;
    try {
        opened = rom::OpenRomImage(rom, Folders(cl, programDir), {cl.moveCount});
    } catch (const std::exception& e) {
        throw Stop{ExitFileError, rom.string() + ": " + e.what()};
    }
    if (!opened.at.note.empty()) err << "skirmela-moves: " << rom.string() << ": " << opened.at.note << "\n";
    const rom::DescriptionTable& d = opened.at.descriptions;
    if (d.profileGivesTable && !d.Available())
        err << "skirmela-moves: " << rom.string() << ": the descriptions are not read: " << d.unavailable << "\n";
    return opened;
}

std::string ReadTextFile(const std::filesystem::path& file, std::istream& in) {
    if (file == "-") return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    try {
        return rom::ReadWholeTextFile(file);
    } catch (const std::exception& e) {
        throw Stop{ExitFileError, e.what()};
    }
}

void WriteTextFile(const std::filesystem::path& file, const std::string& text, std::ostream& out) {
    if (file == "-") {
        out << text;
        return;
    }
    errno = 0;
    std::ofstream f(file, std::ios::binary | std::ios::trunc);
    if (!(f << text) || !f.flush())
        throw Stop{ExitFileError, "cannot write " + file.string() + ": " + rom::SystemReason(errno ? errno : EIO)};
}

// Whether two paths name the same file (through links too), when both exist.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

// A file the command writes must never take the place of what it reads: the ROM, the table being
// imported, or the game's profile. Files are told apart by identity, not by name.
void CheckOutputTarget(const CommandLine& cl, const std::filesystem::path& output, const char* what,
                       const std::filesystem::path& profile = {}) {
    if (output == "-") return;
    const auto refuse = [&](const std::string& is) {
        throw Stop{ExitBadInput, std::string(what) + " " + output.string() + " is " + is + "; nothing written"};
    };
    if (SameFile(output, cl.rom)) refuse("the ROM");
    if (cl.command == Command::importCsv && cl.file != "-" && (output == cl.file || SameFile(output, cl.file)))
        refuse("the table being imported");
    if (!profile.empty() && SameFile(output, profile)) refuse("the game's profile " + profile.string());
}

void CheckUndoTarget(const CommandLine& cl, const std::filesystem::path& profile = {}) {
    if (cl.undoFile) CheckOutputTarget(cl, *cl.undoFile, "the undo file", profile);
}

// Checks, reports and writes the records of an import or a set; describe places an error.
int ApplyRecords(const CommandLine& cl, const rom::OpenedRom& rom, const std::vector<CsvRecord>& records,
                 const std::function<std::string(const CellError&)>& describe, std::ostream& out,
                 std::ostream& err) {
    const ImportCheck check = CheckImport(records, rom.rows, &rom.at.descriptions);
    if (!check.errors.empty()) {
        for (const CellError& e : check.errors) err << "skirmela-moves: " << describe(e) << "\n";
        err << "skirmela-moves: " << Counted(check.errors.size(), "bad cell") << "; nothing written\n";
        return ExitBadInput;
    }
    rom::ChangePlan writes;
    try {
        writes = PlanChanges(check.changes, rom.at.tables, rom.image, &rom.at.descriptions);
    } catch (const rom::PlanError& e) {
        throw Stop{ExitBadInput, std::string("cannot save the changes: ") + e.what() + "; nothing written"};
    }
    for (const FieldChange& c : check.report)
        out << "move " << c.move << ": " << c.field << " " << c.oldValue << " -> " << c.newValue << "\n";
    for (const std::string& w : check.warnings) err << "skirmela-moves: warning: " << w << "\n";

    // The backup comes first: when it fails, neither the undo table nor the ROM is written.
    if (cl.backup && !check.changes.empty()) {
        try {
            const rom::BackupResult backup = rom::BackUpRom(cl.rom, rom::BackupFolder());
            out << "backup written to " << backup.backup.string() << "\n";
        } catch (const rom::BackupError& e) {
            throw Stop{ExitFileError, std::string(e.what()) + "; nothing written"};
        }
    }

    if (cl.undoFile) {
        errno = 0;
        std::ofstream undo(*cl.undoFile, std::ios::binary | std::ios::trunc);
        if (!(undo << UndoCsv(check.changes, rom.rows, &rom.at.descriptions, &writes)) || !undo.flush())
            throw Stop{ExitFileError, "cannot write the undo file " + cl.undoFile->string() + ": " +
                                          rom::SystemReason(errno ? errno : EIO) + "; nothing written"};
        out << "undo table written to " << cl.undoFile->string() << "\n";
    }

    const std::string summary =
        Counted(check.report.size(), "change") + " in " + Counted(check.changes.size(), "move");
    if (check.changes.empty()) {
        out << "no changes; nothing written\n";
    } else if (cl.dryRun) {
        out << "dry run: " << summary << ", " << Counted(writes.size(), "byte")
            << " to write; nothing written\n";
    } else {
        try {
            rom::ApplyPlan(cl.rom, writes);
        } catch (const std::exception& e) {
            throw Stop{ExitFileError,
                       cl.rom.string() + ": " + e.what() + "; the bytes written so far were put back"};
        }
        out << summary << ", " << Counted(writes.size(), "byte") << " written\n";
    }
    return ExitDone;
}

int List(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out, std::ostream& err) {
    const rom::OpenedRom rom = OpenRom(cl, cl.rom, programDir, err);
    switch (cl.format) {
    case ListFormat::text:
        out << ListText(rom.rows, &rom.at.descriptions);
        break;
    case ListFormat::csv:
        out << ListCsv(rom.rows, &rom.at.descriptions);
        break;
    case ListFormat::json:
        out << ListJson(rom.rows, &rom.at.descriptions);
        break;
    }
    return ExitDone;
}

int Export(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out, std::ostream& err) {
    CheckOutputTarget(cl, cl.file, "the export file");
    const rom::OpenedRom rom = OpenRom(cl, cl.rom, programDir, err);
    CheckOutputTarget(cl, cl.file, "the export file", rom.at.profile);
    WriteTextFile(cl.file, ExportCsv(rom.rows, &rom.at.descriptions), out);
    if (cl.file != "-") out << rom.rows.size() << " moves exported to " << cl.file.string() << "\n";
    return ExitDone;
}

int Import(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
           std::ostream& err, std::istream& in) {
    CheckUndoTarget(cl);
    const rom::OpenedRom rom = OpenRom(cl, cl.rom, programDir, err);
    CheckUndoTarget(cl, rom.at.profile);
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
        if (a.field != NameColumn && a.field != DescriptionColumn && !FindRecordColumn(a.field))
            faults += "\"" + a.field +
                      "\" is no field; the fields are name, effect, power, type, accuracy, pp, "
                      "effect_chance, target, priority, flags and description\n";
        else if (!seen.insert(a.field).second)
            faults += a.field + " is given twice\n";
        else if (a.field == DescriptionColumn && a.value.empty())
            faults += "description= gives no text; a description cannot be set empty\n";
    }
    if (!faults.empty()) {
        faults.pop_back();
        throw Stop{ExitBadInput, faults};
    }
}

int Set(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
        std::ostream& err) {
    CheckSetFields(cl);
    CheckUndoTarget(cl);
    const rom::OpenedRom rom = OpenRom(cl, cl.rom, programDir, err);
    CheckUndoTarget(cl, rom.at.profile);
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

int Diff(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out, std::ostream& err) {
    const rom::OpenedRom a = OpenRom(cl, cl.rom, programDir, err);
    const rom::OpenedRom b = OpenRom(cl, cl.otherRom, programDir, err);
    const std::vector<FieldDifference> diffs = DiffMoves(a.rows, b.rows, &a.at.descriptions, &b.at.descriptions);
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

// Replaces the file by text through a new file beside it, so a failed write leaves the old one.
void ReplaceFile(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::path fresh = file;
    fresh += ".new";
    const std::string hint = "; the profile was left as it was (--data DIR writes to a folder of your choice)";
    {
        errno = 0;
        std::ofstream f(fresh, std::ios::binary | std::ios::trunc);
        if (!(f << text) || !f.flush()) {
            const int error = errno ? errno : EIO;
            std::error_code ec;
            std::filesystem::remove(fresh, ec);
            throw Stop{ExitFileError, "cannot write " + fresh.string() + ": " + rom::SystemReason(error) + hint};
        }
    }
    std::error_code ec;
    std::filesystem::rename(fresh, file, ec);
    if (ec) {
        const int error = ec.value();
        std::filesystem::remove(fresh, ec);
        throw Stop{ExitFileError, "cannot replace " + file.string() + ": " + rom::SystemReason(error) + hint};
    }
}

// The profile text the new sections are merged into: the file itself where it exists; for a new
// file in the user's folder, the profile the programs read today (a shipped one), so that the
// user's copy, which is searched first, keeps every section of it.
std::pair<std::filesystem::path, std::string> ProfileBase(const CommandLine& cl, const std::filesystem::path& programDir,
                                                          const std::filesystem::path& file, const std::string& code) {
    std::filesystem::path base = file;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        if (cl.dataDir) return {file, ""};
        const auto found = rom::FindProfileFile(rom::StandardProfileFolders(programDir, rom::SystemEnvironment()), code);
        if (!found) return {file, ""};
        base = *found;
    }
    try {
        return {base, rom::ReadWholeTextFile(base)};
    } catch (const std::exception& e) {
        throw Stop{ExitFileError, std::string(e.what()) + "; nothing written"};
    }
}

void WriteProfile(const CommandLine& cl, const std::filesystem::path& programDir, const HeaderProfile& p,
                  std::ostream& err) {
    if (!rom::IsUsableGameCode(p.gameCode))
        throw Stop{ExitFileError, "the game code cannot name a profile file; nothing written"};
    // Profiles a user writes go to the user's own folder, which a package update never touches.
    const std::filesystem::path dir = cl.dataDir ? *cl.dataDir : rom::UserProfileFolder(rom::SystemEnvironment());
    if (dir.empty())
        throw Stop{ExitFileError, "neither XDG_CONFIG_HOME nor HOME names the user's folder of profiles; "
                                  "--data DIR names a folder; nothing written"};
    const std::filesystem::path file = rom::ProfilePath(dir, p.gameCode);
    const auto [base, existing] = ProfileBase(cl, programDir, file, p.gameCode);
    const ProfileMerge merge = MergeProfile(existing, p, cl.force);
    if (!merge.conflicts.empty() && !cl.force) {
        std::string message;
        for (const OffsetConflict& c : merge.conflicts)
            message += base.string() + ": [" + c.section + "] holds " + c.key + "=" + c.existing + ", not " +
                       std::to_string(c.wanted) + "\n";
        throw Stop{ExitBadInput, message + "nothing written; --force replaces the offsets that differ"};
    }
    if (merge.text.empty()) {
        err << "skirmela-moves: " << base.string() << " holds these offsets already; nothing written\n";
        return;
    }
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    ReplaceFile(file, merge.text);
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
    std::vector<std::uint8_t> image;
    try {
        image = rom::ReadWholeFile(cl.rom, "the ROM");
    } catch (const std::exception& e) {
        throw Stop{ExitFileError, cl.rom.string() + ": " + e.what()};
    }
    HeaderProfile p;
    try {
        p = ProfileFromHeader(image, cl.moveCount);
    } catch (const NoHeaderProfile& e) {
        throw Stop{ExitBadInput, cl.rom.string() + ": no profile can be made: " + e.what()};
    }
    out << ProfileFileText(p);
    out.flush();
    if (cl.write) WriteProfile(cl, programDir, p, err);
    return ExitDone;
}

} // namespace

namespace {

int Dispatch(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out, std::ostream& err,
             std::istream& in) {
    try {
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

} // namespace

int RunCommand(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
               std::ostream& err, std::istream& in) {
    const int status = Dispatch(cl, programDir, out, err, in);
    // A result that never reached its reader (a full disk, a closed pipe) is no success. The reason
    // is the one of the write that failed, which is the last thing the stream did.
    out.flush();
    if (!out) {
        err << "skirmela-moves: cannot write the output: " << rom::SystemReason(errno ? errno : EIO) << "\n";
        return ExitFileError;
    }
    return status;
}

} // namespace moves
