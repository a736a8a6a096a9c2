// The window's open of a 355-move decompilation project of each layout: every file read, every
// value resolved through the project's defines, the list and the pages filled.

#include "bench/SilentDialogs.h"
#include "editor/Form1.h"
#include "tools/demo_rom/Project.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace {

struct DemoProjects {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("skirmela-projectbench-" + std::to_string(::getpid()));
    DemoProjects() {
        for (const auto& [name, layout] : Layouts()) demo::WriteDemoProject(layout, dir / name);
    }
    ~DemoProjects() { std::filesystem::remove_all(dir); }
    static std::vector<std::pair<std::string, project::ProjectLayout>> Layouts() {
        return {{"fireredleafgreen", project::ProjectLayout::fireRedLeafGreen},
                {"rubysapphire", project::ProjectLayout::rubySapphire},
                {"emerald", project::ProjectLayout::emerald}};
    }
};

DemoProjects& Projects() {
    static DemoProjects projects;
    return projects;
}

void WindowOpenProject(benchmark::State& state, const char* layout) {
    SilentDialogs dialogs;
    editor::Form1 form(QString::fromStdString(Projects().dir.string()), dialogs);
    dialogs.file = QString::fromStdString((Projects().dir / layout).string());
    for (auto _ : state) form.cmdOpen_Click();
    if (form.List1->count() != demo::DemoProjectMoveCount) state.SkipWithError("the project did not load");
}

void WindowOpenProjectFireRed(benchmark::State& state) {
    WindowOpenProject(state, "fireredleafgreen");
}
void WindowOpenProjectRubySapphire(benchmark::State& state) {
    WindowOpenProject(state, "rubysapphire");
}
void WindowOpenProjectEmerald(benchmark::State& state) {
    WindowOpenProject(state, "emerald");
}
BENCHMARK(WindowOpenProjectFireRed)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowOpenProjectRubySapphire)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowOpenProjectEmerald)->Unit(benchmark::kMillisecond);

} // namespace
