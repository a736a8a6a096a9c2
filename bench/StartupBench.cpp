// Process start to window shown, for the editor and for a minimal Qt program.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

void RunToCompletion(benchmark::State& state, const char* program) {
    for (auto _ : state) {
        pid_t pid;
        char* argv[] = {const_cast<char*>(program), nullptr};
        if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the program");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the program failed");
    }
}

void StartupEditor(benchmark::State& state) {
    RunToCompletion(state, STARTUP_EDITOR);
}
void StartupEmptyWidget(benchmark::State& state) {
    RunToCompletion(state, STARTUP_EMPTY);
}
void StartupOneLabel(benchmark::State& state) {
    RunToCompletion(state, STARTUP_LABEL);
}
BENCHMARK(StartupOneLabel)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(StartupEditor)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(StartupEmptyWidget)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace
