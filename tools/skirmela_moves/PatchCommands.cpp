#include "tools/skirmela_moves/PatchCommands.h"

#include "command_line/OptionScanner.h"
#include "files/Reasons.h"
#include "files/WholeFiles.h"
#include "files/WriteFiles.h"
#include "patch/Patch.h"
#include "tools/skirmela_moves/Commands.h"
#include "tools/skirmela_moves/ProjectCommands.h"

#include <cerrno>
#include <iostream>
#include <optional>
#include <sstream>

namespace moves {
namespace {

using Stop = CommandFailed;

constexpr const char* ProjectPatchAdvice =
    "a project's history is its own version control (make a patch of the ROMs its builds give)";

Stop Usage(const std::string& message) {
    return {ExitBadInput, message + "\n(skirmela-moves --help shows the commands)"};
}

struct PatchCommandLine {
    std::vector<std::string> operands; // the subcommand first
    std::optional<std::string> format;
    bool inPlace = false;
    bool help = false;
};

PatchCommandLine ParsePatchCommandLine(const std::vector<std::string>& args) {
    PatchCommandLine cl;
    command_line::OptionScanner scanner(args);
    while (const std::optional<command_line::Word> w = scanner.Next()) {
        if (!w->option) {
            cl.operands.push_back(w->text);
        } else if (w->Is("--in-place")) {
            cl.inPlace = true;
        } else if (w->AsksForHelp()) {
            cl.help = true;
        } else if (w->Names("--format")) {
            cl.format = scanner.ValueOf(*w);
            if (!cl.format) throw Usage("--format needs ips, ups or bps");
        } else {
            throw Usage("unknown option " + w->text + " (patch takes --format and --in-place)");
        }
    }
    return cl;
}

void NeedOperands(const PatchCommandLine& cl, std::size_t count, const char* form) {
    if (cl.operands.size() != count) throw Usage(std::string("usage: skirmela-moves patch ") + form);
}

patch::Bytes Read(const std::filesystem::path& file) {
    try {
        return files::ReadWholeFile(file);
    } catch (const files::FileError& e) {
        throw Stop{ExitFileError, std::string(e.what()) + "; nothing written"};
    }
}

void Write(const std::filesystem::path& file, patch::ByteView bytes) {
    try {
        files::ReplaceFile(file, bytes);
    } catch (const files::FileError& e) {
        throw Stop{ExitFileError, std::string(e.what()) + "; " + files::Shown(file) + " was left as it was"};
    }
}

// OUT is written through a file beside it and renamed into place; an OUT that is no regular file
// (a device, a pipe) or is read-only is refused and left as it was.
// OUT must never take the place of a file it is made from.
void RefuseOutputIsInput(const std::filesystem::path& out, const std::filesystem::path& input,
                         const char* role) {
    if (files::SameFile(out, input))
        throw Stop{ExitBadInput, "the output " + out.string() + " is the " + role + " " + input.string() +
                                     "; nothing written"};
}

int Create(const PatchCommandLine& cl, std::ostream& out) {
    if (cl.inPlace) throw Usage("--in-place is an option of patch apply");
    NeedOperands(cl, 4, "create ORIGINAL MODIFIED OUT [--format ips|ups|bps]");
    const std::filesystem::path original = cl.operands[1], modified = cl.operands[2], output = cl.operands[3];
    std::optional<patch::PatchFormat> format;
    if (cl.format) {
        format = patch::FormatNamed(*cl.format);
        if (!format) throw Usage("--format takes ips, ups or bps, not \"" + *cl.format + "\"");
    } else {
        format = patch::FormatOfExtension(output);
        if (!format)
            throw Usage("the format cannot be told from the name " + output.string() +
                        ": end it in .ips, .ups or .bps, or give --format");
    }
    for (const std::filesystem::path& image : {original, modified})
        RefuseProject(image, "patch create", ProjectPatchAdvice);
    RefuseOutputIsInput(output, original, "original");
    RefuseOutputIsInput(output, modified, "modified image");
    const patch::Bytes from = Read(original), to = Read(modified);
    patch::Bytes made;
    try {
        made = patch::CreatePatch(*format, from, to);
    } catch (const patch::PatchError& e) {
        throw Stop{ExitBadInput, std::string("cannot write a ") + patch::FormatName(*format) +
                                     " patch: " + e.what() + "; nothing written"};
    }
    Write(output, made);
    out << output.string() << ": " << patch::FormatName(*format) << " patch of " << made.size() << " bytes\n";
    return ExitDone;
}

int Apply(const PatchCommandLine& cl, std::ostream& out, std::ostream& err) {
    if (cl.format)
        throw Usage("--format is an option of patch create; apply reads the format from the patch");
    NeedOperands(cl, 4, "apply ROM PATCH OUT [--in-place]");
    const std::filesystem::path rom = cl.operands[1], patchFile = cl.operands[2], output = cl.operands[3];
    RefuseProject(rom, "patch apply", ProjectPatchAdvice);
    RefuseOutputIsInput(output, patchFile, "patch");
    const bool overRom = files::SameFile(output, rom);
    if (overRom && !cl.inPlace)
        throw Stop{ExitBadInput, "the output " + output.string() + " is the ROM " + rom.string() +
                                     "; give --in-place to write the patched ROM over it; nothing written"};
    if (cl.inPlace && !overRom)
        throw Usage("--in-place writes the patched ROM over the ROM: OUT must then be the ROM itself");
    const patch::Bytes base = Read(rom), patchBytes = Read(patchFile);
    patch::Bytes result;
    try {
        result = patch::ApplyPatch(base, patchBytes);
    } catch (const patch::PatchError& e) {
        throw Stop{ExitBadInput, "cannot apply " + patchFile.string() + " to " + rom.string() + ": " +
                                     e.what() + "; nothing written"};
    }
    if (patch::FormatOfPatch(patchBytes) == patch::PatchFormat::ips)
        err << "skirmela-moves: note: an IPS patch carries no checksums, so it cannot tell whether "
            << rom.string() << " is the file it was made for\n";
    Write(output, result);
    out << output.string() << ": " << result.size() << " bytes written\n";
    return ExitDone;
}

int Info(const PatchCommandLine& cl, std::ostream& out, std::ostream& err) {
    if (cl.format || cl.inPlace) throw Usage("patch info takes no options");
    NeedOperands(cl, 2, "info PATCH");
    const std::filesystem::path patchFile = cl.operands[1];
    const patch::Bytes bytes = Read(patchFile);
    patch::PatchInfo info;
    try {
        info = patch::DescribePatch(bytes);
    } catch (const patch::PatchError& e) {
        throw Stop{ExitBadInput, patchFile.string() + ": " + e.what()};
    }
    out << patch::InfoText(info);
    out.flush();
    if (info.PatchCrcMatches()) return ExitDone;
    err << "skirmela-moves: " << patchFile.string()
        << ": the patch CRC32 does not match: the patch is damaged\n";
    return ExitBadInput;
}

// The message after "skirmela-moves: ", its lines' control characters escaped; a usage hint on a
// line of its own goes without the prefix, as for the other commands.
void Report(std::ostream& err, const std::string& message) {
    std::istringstream lines(message);
    bool first = true;
    for (std::string line; std::getline(lines, line); first = false)
        err << (first ? "skirmela-moves: " : "") << files::Escaped(line) << "\n";
}

int DispatchPatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunReporting(
        [&] {
            const PatchCommandLine cl = ParsePatchCommandLine(args);
            if (cl.help) {
                out << UsageText();
                return ExitDone;
            }
            if (cl.operands.empty()) throw Usage("patch needs a command: create, apply or info");
            const std::string& command = cl.operands[0];
            if (command == "create") return Create(cl, out);
            if (command == "apply") return Apply(cl, out, err);
            if (command == "info") return Info(cl, out, err);
            throw Usage("unknown patch command \"" + command +
                        "\"; the patch commands are create, apply and info");
        },
        err, Report);
}

} // namespace

int RunPatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return CheckedOutput(DispatchPatchCommand(args, out, err), out, err);
}

} // namespace moves
