// skirmela-moves: list, export, import, set and compare the move table of a ROM from the command line,
// and make and apply patch files.

#include "tools/skirmela_moves/CommandLine.h"
#include "tools/skirmela_moves/Commands.h"
#include "tools/skirmela_moves/PatchCommands.h"

#include <filesystem>
#include <iostream>

namespace {

// The folder of the running program, where its Data folder lies, as for the window.
std::filesystem::path ProgramDir(const char* argv0) {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return exe.parent_path();
    return std::filesystem::absolute(argv0, ec).parent_path();
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc > 1 && std::string(argv[1]) == "patch")
        return moves::RunPatchCommand(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
    moves::CommandLine cl;
    try {
        cl = moves::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const moves::UsageError& e) {
        std::cerr << "skirmela-moves: " << e.what() << "\n(skirmela-moves --help shows the commands)\n";
        return moves::ExitBadInput;
    }
    return moves::RunCommand(cl, ProgramDir(argv[0]), std::cout, std::cerr, std::cin);
}
