// Start-up of the real program: each iteration runs program/vortan headless
// (SDL dummy drivers) with VORTAN_TIMING=exit, which ends it after its
// first flying frame; the time is from just before the process is created
// to that frame, by the monotonic clock the program reports it on. The
// preferences are the factory ones with the trainer, as a first start
// leaves them, so nothing is asked.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "bench/bench_sim.h"
#include "common/stages.h"

extern char **environ;

namespace {

// The program's report on its standard error, read to its end.
std::string run_program(const std::string &exe)
{
    int fd[2];
    if (pipe(fd) != 0)
        return "";
    posix_spawn_file_actions_t acts;
    posix_spawn_file_actions_init(&acts);
    posix_spawn_file_actions_adddup2(&acts, fd[1], 2);
    posix_spawn_file_actions_addopen(&acts, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&acts, fd[0]);
    char *argv[] = {(char *)exe.c_str(), nullptr};
    pid_t pid;
    int ok = posix_spawn(&pid, exe.c_str(), &acts, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&acts);
    close(fd[1]);
    std::string out;
    char buf[4096];
    for (ssize_t n; ok && (n = read(fd[0], buf, sizeof buf)) > 0;)
        out.append(buf, (size_t)n);
    close(fd[0]);
    int status;
    if (ok)
        waitpid(pid, &status, 0);
    return out;
}

double after(const std::string &out, const char *label)
{
    size_t at = out.find(label);
    return at == std::string::npos ? -1.0 : atof(out.c_str() + at + strlen(label));
}

}  // namespace

static void BM_StartUpToFirstFrame(benchmark::State &state)
{
    if (!bench_start_simulator()) {
        state.SkipWithError("no display");
        return;
    }
    // The benchmarks' own start was a first one with the trainer chosen:
    // its preferences make the program's start ask nothing.
    if (!ouf_open(prefs_path, 305, 40)) {
        state.SkipWithError("cannot write the preferences");
        return;
    }
    dump_prefs();
    ouf_close();
    std::string exe = std::string(getenv("VORTAN_PROGRAM_DIR")) + "/vortan";
    setenv("VORTAN_TIMING", "exit", 1);
    double in_main = 0.0, parts[8] = {};
    static const char *const PART[8] = {"layer, window, menus", "sound, tables, window art", "country file",
                                        "preferences", "scenery region", "aircraft and airfoils",
                                        "flight start, sound, stick", "first pass of the frame loop"};
    for (auto _ : state) {
        double t0 = wall_us();
        std::string out = run_program(exe);
        double frame_at = after(out, "first frame at ");
        if (frame_at < 0.0) {
            state.SkipWithError(("no first frame: " + out).c_str());
            break;
        }
        state.SetIterationTime((frame_at - t0) * 1.0e-6);
        in_main += after(out, "us (monotonic), ");
        for (int k = 0; k < 8; k++)
            parts[k] += after(out, (std::string(PART[k]) + " ").c_str());
    }
    unsetenv("VORTAN_TIMING");
    double runs = (double)state.iterations();
    state.counters["main_to_frame_ms"] = in_main / runs;
    static const char *const NAME[8] = {"layer_ms", "general_ms", "country_ms", "prefs_ms",
                                        "region_ms", "aircraft_ms", "flight_ms", "pass_ms"};
    for (int k = 0; k < 8; k++)
        state.counters[NAME[k]] = parts[k] / runs;
}
BENCHMARK(BM_StartUpToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
