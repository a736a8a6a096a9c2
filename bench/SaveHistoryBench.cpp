// The first save of a window session on a 16 MiB ROM: the backup of the ROM, the bytes the save
// changes read for its undo, the 25 writes of a move's name and record, the file's stamp.

#include "editor/SaveHistory.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

constexpr std::size_t RomSize = 16u << 20;
constexpr std::int64_t NameStart = 0x3E0000, RecordStart = 0x3F0000;

void FirstSaveWithBackup16MiB(benchmark::State& state) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("skirmela-bench-first-save-" + std::to_string(::getpid()));
    const std::filesystem::path rom = dir / "game.gba", backups = dir / "backups";
    std::filesystem::create_directories(dir);
    {
        std::vector<char> image(RomSize);
        for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<char>(i * 2654435761u >> 24);
        std::ofstream(rom, std::ios::binary).write(image.data(), static_cast<std::streamsize>(image.size()));
    }
    std::uint8_t value = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(backups);
        // A save of one move: 13 name bytes and 12 record bytes, each a new value.
        ++value;
        rom::ChangePlan plan;
        for (std::int64_t i = 0; i < 13; ++i) plan.push_back({NameStart + i, value});
        for (std::int64_t i = 0; i < 12; ++i) plan.push_back({RecordStart + i, value});
        editor::SaveHistory history([&] { return backups; }); // a new session: its first save backs up
        state.ResumeTiming();
        history.Save(rom, plan);
        benchmark::DoNotOptimize(history.CanUndo(rom));
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(FirstSaveWithBackup16MiB)->Unit(benchmark::kMillisecond);

} // namespace
