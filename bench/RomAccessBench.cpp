// The window's ROM work on the demo ROM: the list load (one open and close per name), the view of
// one move (seven reads) and a save (20 single-byte writes), with one plain read as the floor.

#include "bench/SilentDialogs.h"
#include "editor/Form1.h"
#include "editor/SavePlan.h"
#include "tools/demo_rom/DemoRom.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace {

struct DemoSetup {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("skirmela-bench-" + std::to_string(::getpid()));
    std::filesystem::path rom = dir / "demo.gba";
    demo::DemoRom image = demo::MakeDemoRom();
    DemoSetup() {
        std::filesystem::create_directories(dir);
        demo::WriteDemoRom(image, rom, dir / "Data");
    }
    ~DemoSetup() { std::filesystem::remove_all(dir); }
};

DemoSetup& Demo() {
    static DemoSetup setup;
    return setup;
}

struct OpenWindow {
    SilentDialogs dialogs;
    editor::Form1 form{QString::fromStdString(Demo().dir.string()), dialogs};
    OpenWindow() {
        dialogs.file = QString::fromStdString(Demo().rom.string());
        form.cmdOpen_Click();
    }
};

void ListLoad(benchmark::State& state) {
    OpenWindow window;
    for (auto _ : state) window.form.cmdAdd_Click();
    if (window.form.List1->count() != 355) state.SkipWithError("the list did not load");
}
BENCHMARK(ListLoad)->Unit(benchmark::kMillisecond);

// The floor of the list load: all name bytes in one open and one read.
void ListLoadFloor(benchmark::State& state) {
    const auto& layout = Demo().image.layout;
    std::vector<char> bytes(354 * 13);
    for (auto _ : state) {
        std::FILE* f = std::fopen(Demo().rom.c_str(), "rb");
        std::fseek(f, layout.nameStart, SEEK_SET);
        benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), f));
        std::fclose(f);
    }
}
BENCHMARK(ListLoadFloor)->Unit(benchmark::kMillisecond);

void ViewMove(benchmark::State& state) {
    OpenWindow window;
    window.form.List1->setCurrentRow(100);
    for (auto _ : state) window.form.List1_Click();
}
BENCHMARK(ViewMove)->Unit(benchmark::kMicrosecond);

void ViewMoveFloor(benchmark::State& state) {
    char bytes[7];
    for (auto _ : state) {
        std::FILE* f = std::fopen(Demo().rom.c_str(), "rb");
        std::fseek(f, Demo().image.layout.dataOffset + 12 * 100, SEEK_SET);
        benchmark::DoNotOptimize(std::fread(bytes, 1, sizeof bytes, f));
        std::fclose(f);
    }
}
BENCHMARK(ViewMoveFloor)->Unit(benchmark::kMicrosecond);

// The byte writes of one save, without the list reload and the message that follow it.
void SaveWrites(benchmark::State& state) {
    editor::SaveInputs in;
    in.k = 100;
    in.name = U"Bench Move";
    in.nameStart = std::to_string(Demo().image.layout.nameStart);
    in.dataOffset = std::to_string(Demo().image.layout.dataOffset);
    in.values = {0, 90, 3, 100, 15, 0, 0};
    const auto plan = editor::PlanSave(in, static_cast<std::int64_t>(std::filesystem::file_size(Demo().rom)));
    for (auto _ : state) editor::ApplySave(Demo().rom, plan);
}
BENCHMARK(SaveWrites)->Unit(benchmark::kMillisecond);

} // namespace
