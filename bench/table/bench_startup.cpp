// Time from process start to the first paint of the main window, beside the same
// figure for a bare Qt program that shows one empty window (the floor).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// Starts the probe and returns the seconds until it reports its first paint.
double timeToFirstPaint(const char *mode)
{
    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    // The program reads its data files from its working directory, where the launcher has
    // gone; it changes none of them unless the user edits a value.
    posix_spawn_file_actions_addchdir_np(&actions, MIRELON_SHARE_DIR);
    const std::string probe = std::string(MIRELON_BINARY_DIR) + "/bench/table/startup_probe";
    char *argv[] = {const_cast<char *>(probe.c_str()), const_cast<char *>(mode), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, probe.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    double seconds = -1;
    char line[32];
    if (spawned == 0 && read(out[0], line, sizeof line) > 0)
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    close(out[0]);
    if (spawned == 0)
        waitpid(pid, nullptr, 0);
    return seconds;
}

void runProbe(benchmark::State &state, const char *mode)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (auto _ : state) {
        const double seconds = timeToFirstPaint(mode);
        if (seconds < 0) {
            state.SkipWithError("the probe did not start or did not paint");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_StartupBareQtWindow(benchmark::State &state)
{
    runProbe(state, "bare");
}
// A bare window showing one label: the floor plus what any text costs (fontconfig's
// configuration, the font database, glyph rasterisation).
void BM_StartupBareWindowWithText(benchmark::State &state)
{
    runProbe(state, "text");
}
void BM_StartupMainWindow(benchmark::State &state)
{
    runProbe(state, "mirelon");
}

} // namespace

BENCHMARK(BM_StartupBareQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartupBareWindowWithText)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(BM_StartupMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

BENCHMARK_MAIN();
