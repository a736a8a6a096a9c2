// Whole programs and whole opens: skirmela-moves listing a 16 MiB ROM as JSON against one plain read of
// the file by cat, each a fresh process (peak memory from the kernel's count), and the window's open of
// a modified ROM's 923-move table against the released games' 355, and an open with the move
// descriptions against the same open without them, and the open of the demo maker's grown hack.

#include "bench/SilentDialogs.h"
#include "editor/Form1.h"
#include "rom/ShippedProfiles.h"
#include "tools/demo_rom/DemoRom.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct BigRom {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("skirmela-clibench-" + std::to_string(::getpid()));
    std::filesystem::path rom = dir / "big.gba", hack = dir / "hack.gba", grownHack = dir / "grown-hack.gba";
    BigRom() {
        std::filesystem::create_directories(dir / "Data");
        demo::WriteDemoRom(demo::MakeDemoRom({.size = 16 * 1024 * 1024}), rom, dir / "Data");
        demo::WriteDemoRom(demo::MakeDemoRom({.gameCode = "BPRE",
                                              .headerWords = true,
                                              .movedNameStart = 0x30001,
                                              .movedDataOffset = 0x33451}),
                           hack, dir / "Data");
        // The demo maker's --hack: 923 moves with its moved descriptions, type names and damage classes.
        demo::WriteDemoRom(demo::MakeDemoRom(demo::HackLayout()), grownHack, dir / "Data");
        std::ofstream(dir / "Data" / "BPRE.ini", std::ios::binary) << *rom::ShippedProfileText("BPRE");
        // The same ROM through a profile without its description table, in a program folder of its own.
        demo::DemoRomLayout plain{.size = 16 * 1024 * 1024};
        std::filesystem::create_directories(dir / "plain" / "Data");
        plain.descriptionTable = 0;
        std::ofstream(dir / "plain" / "Data" / "SKDM.ini", std::ios::binary) << demo::DemoProfileText(plain);
    }
    ~BigRom() { std::filesystem::remove_all(dir); }
};

BigRom& Big() {
    static BigRom big;
    return big;
}

// Runs the program with its output to /dev/null; the peak resident size of the child in KiB.
long RunQuiet(const std::vector<std::string>& args) {
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? usage.ru_maxrss : -1;
}

void ListJson16MiB(benchmark::State& state) {
    long peak = 0;
    for (auto _ : state)
        peak = std::max(peak, RunQuiet({SKIRMELA_MOVES_EXE, "list", Big().rom.string(), "--json", "--data",
                                        (Big().dir / "Data").string()}));
    if (peak < 0) state.SkipWithError("skirmela-moves failed");
    state.counters["peak_mib"] = static_cast<double>(peak) / 1024.0;
}
BENCHMARK(ListJson16MiB)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void Cat16MiB(benchmark::State& state) {
    for (auto _ : state)
        if (RunQuiet({"/bin/cat", Big().rom.string()}) < 0) state.SkipWithError("cat failed");
}
BENCHMARK(Cat16MiB)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void WindowOpen(benchmark::State& state, const std::filesystem::path& rom, int moves,
                const std::filesystem::path& programDir = Big().dir) {
    SilentDialogs dialogs;
    editor::Form1 form(QString::fromStdString(programDir.string()), dialogs);
    dialogs.file = QString::fromStdString(rom.string());
    for (auto _ : state) form.cmdOpen_Click();
    if (form.List1->count() != moves) state.SkipWithError("the list did not load");
}

void WindowOpen355(benchmark::State& state) {
    WindowOpen(state, Big().rom, 355);
}
void WindowOpen923(benchmark::State& state) {
    WindowOpen(state, Big().hack, 923);
}
void WindowOpen355NoDescriptions(benchmark::State& state) {
    WindowOpen(state, Big().rom, 355, Big().dir / "plain");
}
BENCHMARK(WindowOpen355)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowOpen355NoDescriptions)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowOpen923)->Unit(benchmark::kMillisecond);
void WindowOpenGrownHack(benchmark::State& state) {
    WindowOpen(state, Big().grownHack, 923);
}
BENCHMARK(WindowOpenGrownHack)->Unit(benchmark::kMillisecond);

} // namespace
