// Process start to main window shown, offscreen.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

static void BM_StartUpToMainWindow(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char program[] = TARNWICK_EXECUTABLE;
    char flag[] = "--exit-when-shown";
    char* argv[] = {program, flag, nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("could not start the program");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the program did not exit cleanly");
            return;
        }
    }
}
BENCHMARK(BM_StartUpToMainWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
