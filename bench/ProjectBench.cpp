// The window's open of a 355-move decompilation project of each layout: every file read, every
// value resolved through the project's defines, the list and the pages filled; and of one whose
// include folder holds 15,000 more defines, as a real project's does.

#include "bench/SilentDialogs.h"
#include "editor/Form1.h"
#include "tools/demo_rom/Project.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

struct DemoProjects {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("skirmela-projectbench-" + std::to_string(::getpid()));
    DemoProjects() {
        for (const auto& [name, layout] : Layouts()) demo::WriteDemoProject(layout, dir / name);
        // The FireRed/LeafGreen project with an include folder the size of a real one: 150 more
        // headers of 100 defines each (flags, numbers through other defines, guarded, some under
        // #ifdef), none of which the move table uses.
        demo::WriteDemoProject(project::ProjectLayout::fireRedLeafGreen, dir / "large-includes");
        for (int file = 0; file < 150; ++file) {
            std::ofstream out(dir / "large-includes" / "include" / ("extra_" + std::to_string(file) + ".h"));
            const std::string guard = "GUARD_EXTRA_" + std::to_string(file) + "_H";
            out << "#ifndef " << guard << "\n#define " << guard << "\n\n";
            for (int i = 0; i < 100; ++i) {
                const std::string name = "EXTRA_" + std::to_string(file) + "_" + std::to_string(i);
                if (i % 10 == 9)
                    out << "#ifdef BUGFIX\n#define " << name << " " << i << "\n#else\n#define " << name << " "
                        << i << "\n#endif\n";
                else if (i % 3 == 0)
                    out << "#define " << name << " (1 << " << i % 31 << ") // a flag\n";
                else
                    out << "#define " << name << " (EXTRA_" << file << "_" << i - 1 << " + 0x" << std::hex
                        << i << std::dec << ")\n";
            }
            out << "\n#endif // " << guard << "\n";
        }
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
void WindowOpenProjectLargeIncludes(benchmark::State& state) {
    WindowOpenProject(state, "large-includes");
}
BENCHMARK(WindowOpenProjectFireRed)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowOpenProjectRubySapphire)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowOpenProjectEmerald)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowOpenProjectLargeIncludes)->Unit(benchmark::kMillisecond);

} // namespace
