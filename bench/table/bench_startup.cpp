// Time from process start to the first paint of the main window, beside the same
// figure for a bare Qt program that shows one empty window (the floor).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

extern char **environ;

namespace {

// The working directory of a start as the launcher makes it: the user's copy of the shipped
// tables, made by a first start that is not timed, then brought up to them at each start.
const char *userFolder()
{
    struct Scratch
    {
        std::string path;
        ~Scratch()
        {
            std::error_code ignored;
            if (!path.empty())
                std::filesystem::remove_all(path, ignored);
        }
    };
    static const Scratch folder = [] {
        char name[] = "/tmp/mirelon-bench-XXXXXX";
        return Scratch{mkdtemp(name) ? name : ""};
    }();
    return folder.path.empty() ? nullptr : folder.path.c_str();
}

// Starts the probe in `folder` and returns the seconds until it reports its first paint.
double timeToFirstPaint(const char *mode, const char *folder)
{
    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addchdir_np(&actions, folder);
    const std::string probe = std::string(MIRELON_BINARY_DIR) + "/bench/table/startup_probe";
    const std::string option = "--origine", shipped = MIRELON_SHARE_DIR;
    char *argv[] = {const_cast<char *>(probe.c_str()), const_cast<char *>(mode),
                    const_cast<char *>(option.c_str()), const_cast<char *>(shipped.c_str()),
                    nullptr};
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
    const char *folder = userFolder();
    // The bare windows read no file and let the arguments be: their start is the same anywhere.
    if (!folder || (std::string(mode) == "mirelon" && timeToFirstPaint(mode, folder) < 0)) {
        state.SkipWithError("no working directory for the probe, or its first start failed");
        return;
    }
    for (auto _ : state) {
        const double seconds = timeToFirstPaint(mode, folder);
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
