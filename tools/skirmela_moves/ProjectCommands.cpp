#include "tools/skirmela_moves/ProjectCommands.h"

#include "files/Reasons.h"
#include "files/WriteFiles.h"
#include "rom/GameText.h"
#include "rom/MoveDescriptions.h"
#include "rom/RomBackup.h"
#include "tools/skirmela_moves/CommandSteps.h"
#include "tools/skirmela_moves/Commands.h"
#include "tools/skirmela_moves/ContestColumns.h"
#include "tools/skirmela_moves/MoveDiff.h"
#include "tools/skirmela_moves/MoveFields.h"
#include "tools/skirmela_moves/ProjectView.h"

#include <algorithm>
#include <array>
#include <iostream>

namespace moves {
namespace {

// The display text of a name entry given as bytes: its units up to the end byte.
std::string EntryText(const rom::NameEntry& entry) {
    const auto end = std::find(entry.begin(), entry.end(), std::uint8_t{0xFF});
    return rom::DecodeGameBytes(std::span(entry.begin(), end));
}

void ReportChecked(const ImportCheck& check, std::ostream& out, std::ostream& err) {
    for (const FieldChange& c : check.report)
        out << "move " << c.move << ": " << c.field << " " << c.oldValue << " -> " << c.newValue << "\n";
    for (const std::string& w : check.warnings) err << "skirmela-moves: warning: " << w << "\n";
}

// Copies each file the change rewrites into the backup folder, as a ROM is copied there.
void BackUpProjectFiles(const std::filesystem::path& root, const std::vector<project::FileRewrite>& rewrites,
                        std::ostream& out) {
    for (const project::FileRewrite& r : rewrites) {
        try {
            files::CheckWritable(root / r.file);
        } catch (const files::FileError& e) {
            throw CommandFailed(ExitFileError, std::string(e.what()) + "; nothing written");
        }
    }
    const std::filesystem::path folder = rom::BackupFolder();
    for (const project::FileRewrite& r : rewrites) {
        try {
            const rom::BackupResult backup = rom::BackUpRom(root / r.file, folder);
            out << "backup of " << r.file.generic_string() << " written to " << files::Shown(backup.backup)
                << "\n";
        } catch (const rom::BackupError& e) {
            throw CommandFailed(ExitFileError, std::string(e.what()) + "; nothing written");
        }
    }
}

// Writes the planned files with the undo table and backup as WritePlan does for a ROM.
int WriteProjectPlan(const CommandLine& cl, const project::OpenedProject& opened,
                     const std::vector<project::FileRewrite>& rewrites, const std::string& undoText,
                     const std::string& summary, std::ostream& out) {
    if (cl.undoFile) CheckOutputIsNoProjectFile(opened.root, *cl.undoFile, "the undo file");
    const bool writes = !rewrites.empty() && !cl.dryRun;
    std::optional<files::StagedFile> undo;
    if (cl.undoFile) {
        try {
            undo.emplace(*cl.undoFile, undoText);
        } catch (const files::FileError& e) {
            throw CommandFailed(ExitFileError,
                                "the undo file: " + std::string(e.what()) + "; nothing written");
        }
    }
    if (cl.backup && writes) BackUpProjectFiles(opened.root, rewrites, out);
    if (writes) {
        try {
            project::WriteProjectFiles(opened.root, rewrites);
        } catch (const project::ProjectError& e) {
            throw CommandFailed(ExitFileError,
                                files::Shown(opened.root) + ": " + e.what() + "; nothing written");
        } catch (const std::exception& e) {
            throw CommandFailed(ExitFileError, files::Shown(opened.root) + ": " + e.what() +
                                                   "; every file of the project was left as it was");
        }
    }
    if (undo) {
        try {
            undo->Commit();
        } catch (const files::FileError& e) {
            throw CommandFailed(ExitFileError, "the undo file: " + std::string(e.what()) + "; " +
                                                   (writes ? "the project's files were written; " : "") +
                                                   "no undo table was written");
        }
        out << "undo table written to " << files::Shown(*cl.undoFile) << "\n";
    }
    if (rewrites.empty()) {
        out << "no changes; nothing written\n";
    } else if (!writes) {
        out << "dry run: " << summary << ", " << Counted(rewrites.size(), "file")
            << " to rewrite; nothing written\n";
    } else {
        for (const project::FileRewrite& r : rewrites) out << "rewrote " << r.file.generic_string() << "\n";
        out << summary << ", " << Counted(rewrites.size(), "file") << " written\n";
    }
    return ExitDone;
}

} // namespace

project::OpenedProject OpenProjectAt(const std::filesystem::path& path, const std::filesystem::path& root) {
    try {
        return project::OpenProject(root);
    } catch (const std::exception& e) {
        throw CommandFailed(ExitFileError, files::Shown(path) + ": the project at " + files::Shown(root) +
                                               " cannot be read: " + e.what());
    }
}

void CheckOutputIsNoProjectFile(const std::filesystem::path& root, const std::filesystem::path& output,
                                const char* what) {
    if (output == "-") return;
    std::error_code error;
    const std::filesystem::path file = std::filesystem::canonical(output, error);
    if (error || !std::filesystem::is_regular_file(file, error)) return; // a new file is read by nothing
    const std::filesystem::path inside = file.lexically_relative(std::filesystem::canonical(root, error));
    if (error || inside.empty() || *inside.begin() == "..") return;
    const std::filesystem::path top = *inside.begin();
    if (top == "include" || top == "src" || inside == "charmap.txt" || inside == "Makefile")
        throw CommandFailed(ExitBadInput, std::string(what) + " " + output.string() + " is the project's " +
                                              inside.generic_string() + "; nothing written");
}

void RefuseProject(const std::filesystem::path& path, const std::string& what, const std::string& why) {
    if (const auto root = ProjectRootOf(path))
        throw CommandFailed(ExitBadInput, files::Shown(path) + " is a decompilation project (" +
                                              files::Shown(*root) + "): " + what + " works on ROMs only; " +
                                              why);
}

std::string ProjectUndoCsv(const std::vector<MoveChange>& changes, const TableView& table) {
    const UndoColumns undo = UndoColumnsOf(changes, table);
    std::vector<std::string> header = {MoveColumn};
    if (undo.names) header.push_back(NameColumn);
    AppendUndoFieldHeader(header, undo, table);
    if (undo.described) header.push_back(DescriptionColumn);

    std::string csv = CsvLine(header);
    for (const MoveChange& change : changes) {
        const rom::MoveRow& was = table.rows[static_cast<std::size_t>(change.move)];
        std::vector<std::string> cells = {std::to_string(change.move)};
        if (undo.names) cells.push_back(was.name);
        AppendUndoFieldCells(cells, undo, table, change.move);
        if (undo.described) {
            const rom::MoveDescription* d =
                table.descriptions ? table.descriptions->Of(change.move) : nullptr;
            // A description that stays is left empty, which import keeps.
            cells.push_back(change.newDescription && d ? d->text : "");
        }
        csv += CsvLine(cells);
    }
    return csv;
}

std::vector<project::MoveChange> ProjectChanges(const std::vector<MoveChange>& changes,
                                                const project::OpenedProject& opened) {
    std::vector<project::MoveChange> result;
    for (const MoveChange& c : changes) {
        const project::ProjectMove& was = opened.moves[static_cast<std::size_t>(c.move)];
        if (c.restoreDescription)
            throw CommandFailed(ExitBadInput, "move " + std::to_string(c.move) +
                                                  ": a project's description is a text, not a pointer and "
                                                  "bytes; give the description column; nothing written");
        project::MoveChange to;
        to.move = c.move;
        if (c.newName) to.name = *c.newName;
        if (c.newEntry) to.name = EntryText(*c.newEntry);
        if (to.name == was.name) to.name.reset();
        if (c.newBytes != was.bytes) to.bytes = c.newBytes;
        if (c.newDescription) to.description = rom::DescriptionText(*c.newDescription);
        if (c.newContest && was.contest) {
            rom::ContestMove m = *was.contest;
            m.effect = c.newContest->effect;
            m.category = c.newContest->category;
            m.byte1 = static_cast<std::uint8_t>((m.byte1 & ~rom::ContestCategoryMask) | m.category);
            m.comboStarter = c.newContest->comboStarter;
            m.comboMoves = c.newContest->comboMoves;
            to.contest = m;
        }
        if (to.name || to.bytes || to.description || to.contest) result.push_back(std::move(to));
    }
    return result;
}

int ApplyProjectRecords(const CommandLine& cl, const project::OpenedProject& opened,
                        const std::vector<CsvRecord>& records,
                        const std::function<std::string(const CellError&)>& describe, std::ostream& out,
                        std::ostream& err) {
    const TableView table = ViewOfProject(opened);
    const ImportCheck check = CheckImport(records, table);
    if (!check.errors.empty()) {
        for (const CellError& e : check.errors) err << "skirmela-moves: " << describe(e) << "\n";
        err << "skirmela-moves: " << Counted(check.errors.size(), "bad cell") << "; nothing written\n";
        return ExitBadInput;
    }
    const std::vector<project::MoveChange> changes = ProjectChanges(check.changes, opened);
    std::vector<project::FileRewrite> rewrites;
    try {
        rewrites = project::PlanProjectChanges(opened, changes);
    } catch (const project::ProjectError& e) {
        throw CommandFailed(ExitBadInput,
                            std::string("cannot save the changes: ") + e.what() + "; nothing written");
    }
    ReportChecked(check, out, err);
    const std::string summary =
        Counted(check.report.size(), "change") + " in " + Counted(check.changes.size(), "move");
    return WriteProjectPlan(cl, opened, rewrites, ProjectUndoCsv(check.changes, table), summary, out);
}

} // namespace moves
