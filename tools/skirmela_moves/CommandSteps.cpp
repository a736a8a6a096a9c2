#include "tools/skirmela_moves/CommandSteps.h"

#include "files/Reasons.h"
#include "files/WholeFiles.h"
#include "files/WriteFiles.h"
#include "rom/ProfileFolders.h"
#include "rom/RomBackup.h"
#include "tools/skirmela_moves/Commands.h"

#include <iostream>
#include <iterator>
#include <optional>

namespace moves {

std::string Counted(std::size_t n, const std::string& noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

namespace {

// --data names the one folder of profiles; otherwise the user's, the program's and the shipped ones.
rom::ProfileFolders Folders(const CommandLine& cl, const std::filesystem::path& programDir) {
    return cl.dataDir ? rom::OnlyProfileFolder(*cl.dataDir)
                      : rom::StandardProfileFolders(programDir, rom::SystemEnvironment());
}

} // namespace

rom::OpenedRom OpenRom(const CommandLine& cl, const std::filesystem::path& rom,
                       const std::filesystem::path& programDir, std::ostream& err) {
    rom::OpenedRom opened;
    try {
        opened = rom::OpenRomImage(rom, Folders(cl, programDir), {cl.moveCount});
    } catch (const std::exception& e) {
        throw CommandFailed(ExitFileError, files::Shown(rom) + ": " + e.what());
    }
    if (!opened.at.note.empty()) err << "skirmela-moves: " << rom.string() << ": " << opened.at.note << "\n";
    for (const std::string& note : opened.at.notes)
        err << "skirmela-moves: " << rom.string() << ": " << note << "\n";
    const rom::DescriptionTable& d = opened.at.descriptions;
    if (d.profileGivesTable && !d.Available())
        err << "skirmela-moves: " << rom.string() << ": the descriptions are not read: " << d.unavailable
            << "\n";
    const rom::ContestData& c = opened.at.contest;
    if (c.inProfile && !c.Available())
        err << "skirmela-moves: " << rom.string() << ": the contest data is not read: " << c.unavailable
            << "\n";
    return opened;
}

std::string ReadTextFile(const std::filesystem::path& file, std::istream& in) {
    if (file == "-") return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    try {
        return files::ReadWholeTextFile(file);
    } catch (const std::exception& e) {
        throw CommandFailed(ExitFileError, e.what());
    }
}

void WriteTextFile(const std::filesystem::path& file, const std::string& text, std::ostream& out) {
    if (file == "-") {
        out << text;
        return;
    }
    try {
        files::ReplaceFile(file, text);
    } catch (const files::FileError& e) {
        throw CommandFailed(ExitFileError,
                            std::string(e.what()) + "; " + files::Shown(file) + " was left as it was");
    }
}

// A file the command writes must never take the place of what it reads: the ROM, the table being
// imported, or the game's profile. Files are told apart by identity, not by name.
void CheckOutputTarget(const CommandLine& cl, const std::filesystem::path& output, const char* what,
                       const std::filesystem::path& profile) {
    if (output == "-") return;
    const auto refuse = [&](const std::string& is) {
        throw CommandFailed(ExitBadInput,
                            std::string(what) + " " + output.string() + " is " + is + "; nothing written");
    };
    if (files::SameFile(output, cl.rom)) refuse("the ROM");
    const bool imports = cl.command == Command::importCsv || (cl.command == Command::contestEffects &&
                                                              cl.effectsAction == EffectsAction::importCsv);
    if (imports && cl.file != "-" && (output == cl.file || files::SameFile(output, cl.file)))
        refuse("the table being imported");
    if (!profile.empty() && files::SameFile(output, profile))
        refuse("the game's profile " + profile.string());
}

void CheckUndoTarget(const CommandLine& cl, const std::filesystem::path& profile) {
    if (cl.undoFile) CheckOutputTarget(cl, *cl.undoFile, "the undo file", profile);
}

int WritePlan(const CommandLine& cl, const rom::ChangePlan& writes, bool changes,
              const std::function<std::string()>& undoText, const std::string& summary, std::ostream& out) {
    // A ROM that may not be written is refused before anything else is written or removed.
    const bool writesRom = changes && !cl.dryRun;
    if (writesRom) {
        try {
            files::CheckWritable(cl.rom);
        } catch (const files::FileError& e) {
            throw CommandFailed(ExitFileError, std::string(e.what()) + "; nothing written");
        }
    }
    // The undo table is written beside its place before the ROM (a full disk stops there) and put in
    // its place only once the ROM is written; the backup comes before the ROM.
    std::optional<files::StagedFile> undo;
    if (cl.undoFile) {
        try {
            undo.emplace(*cl.undoFile, undoText());
        } catch (const files::FileError& e) {
            throw CommandFailed(ExitFileError,
                                "the undo file: " + std::string(e.what()) + "; nothing written");
        }
    }
    if (cl.backup && writesRom) {
        try {
            const rom::BackupResult backup = rom::BackUpRom(cl.rom, rom::BackupFolder());
            out << "backup written to " << files::Shown(backup.backup) << "\n";
        } catch (const rom::BackupError& e) {
            throw CommandFailed(ExitFileError, std::string(e.what()) + "; nothing written");
        }
    }
    const auto commitUndo = [&] {
        if (!undo) return;
        try {
            undo->Commit();
        } catch (const files::FileError& e) {
            const std::string written = writesRom ? "the ROM was written; " : "";
            throw CommandFailed(ExitFileError, "the undo file: " + std::string(e.what()) + "; " + written +
                                                   "no undo table was written");
        }
        out << "undo table written to " << files::Shown(*cl.undoFile) << "\n";
    };

    if (!writesRom) {
        commitUndo();
        if (!changes)
            out << "no changes; nothing written\n";
        else
            out << "dry run: " << summary << ", " << Counted(writes.size(), "byte")
                << " to write; nothing written\n";
    } else {
        try {
            rom::ApplyPlan(cl.rom, writes);
        } catch (const std::exception& e) {
            throw CommandFailed(ExitFileError, files::Shown(cl.rom) + ": " + e.what() +
                                                   "; the bytes written so far were put back");
        }
        commitUndo();
        out << summary << ", " << Counted(writes.size(), "byte") << " written\n";
    }
    return ExitDone;
}

} // namespace moves
