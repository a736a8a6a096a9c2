// The core's reading of the contest data from the demo maker's 16 MiB R/S-like ROM (--contest), as
// the window would read it at open: each profile value through the profile reader, each range of the
// ROM through its own open and read of the file. The cost the contest data adds to an open. Then the
// window's whole open of that ROM, and the same open through a copy of the profile without its
// contest sections.

#include "bench/SilentDialogs.h"
#include "editor/Form1.h"
#include "files/WholeFiles.h"
#include "rom/ContestData.h"
#include "rom/ReadINI.h"
#include "rom/ShippedProfiles.h"
#include "tools/demo_rom/DemoRom.h"

#include <QTabWidget>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

struct ContestRom {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("skirmela-contestbench-" + std::to_string(::getpid()));
    std::filesystem::path rom = dir / "contest.gba", profile = dir / "Data" / "AXVE.ini";
    std::int64_t size = 0;
    ContestRom() {
        std::filesystem::create_directories(dir / "Data");
        const demo::DemoRom image = demo::MakeDemoRom(demo::ContestLayout());
        size = static_cast<std::int64_t>(image.bytes.size());
        demo::WriteDemoRom(image, rom, dir / "Data");
        // The shipped profile without its [Contest...] sections, in a program folder of its own.
        std::filesystem::create_directories(dir / "plain" / "Data");
        std::istringstream shipped{std::string(*rom::ShippedProfileText("AXVE"))};
        std::ofstream plain(dir / "plain" / "Data" / "AXVE.ini", std::ios::binary);
        bool contest = false;
        for (std::string line; std::getline(shipped, line);) {
            if (line.starts_with("[")) contest = line.starts_with("[Contest");
            if (!contest) plain << line << '\n';
        }
    }
    ~ContestRom() { std::filesystem::remove_all(dir); }
};

ContestRom& Contest() {
    static ContestRom rom;
    return rom;
}

std::vector<std::uint8_t> ReadFile(std::int64_t offset, std::int64_t length) {
    return files::ReadFileRange(Contest().rom, offset, length, Contest().size);
}

void ContestDataRead16MiB(benchmark::State& state) {
    const rom::ProfileKeyLookup lookup = [](const std::string& section, const std::string& key) {
        return rom::ReadIniEntry(Contest().profile, section, key);
    };
    bool available = false;
    for (auto _ : state) {
        const rom::ContestData data = rom::ReadContestData(lookup, 0, true, Contest().size, ReadFile);
        available = data.Available() && data.HasEffectTexts();
        benchmark::DoNotOptimize(data);
    }
    if (!available) state.SkipWithError("the contest data was not read");
}
BENCHMARK(ContestDataRead16MiB)->Unit(benchmark::kMillisecond);

// The window's open (list, descriptions, contest data and its lists) of the 16 MiB R/S-like ROM.
void WindowOpenContest(benchmark::State& state, const std::filesystem::path& programDir, bool withContest) {
    SilentDialogs dialogs;
    editor::Form1 form(QString::fromStdString(programDir.string()), dialogs);
    dialogs.file = QString::fromStdString(Contest().rom.string());
    for (auto _ : state) form.cmdOpen_Click();
    const bool page = form.tabMore->isTabVisible(form.tabMore->indexOf(form.pageContest));
    if (form.List1->count() != rom::ContestMoveCount || page != withContest ||
        form.cmbContestEffect->count() != (withContest ? rom::ContestEffectCount : 0))
        state.SkipWithError("the ROM did not open as expected");
}
void WindowOpenContest16MiB(benchmark::State& state) {
    WindowOpenContest(state, Contest().dir, true);
}
void WindowOpenContest16MiBWithout(benchmark::State& state) {
    WindowOpenContest(state, Contest().dir / "plain", false);
}
BENCHMARK(WindowOpenContest16MiB)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowOpenContest16MiBWithout)->Unit(benchmark::kMillisecond);

} // namespace
