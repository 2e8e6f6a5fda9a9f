// Scenery costs: loading the factory start region from the generated
// country files (six quadrants, the table, menus, towns and clouds) and one
// page step (a third of the grid moved, two quadrants read, the table
// finished again). Headless, from the program folder's DATA.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

#include "common/testsupport.h"
#include "shell/local.h"
#include "world/world.h"

// The benchmarks live in build/bench, the generated data in build/program;
// set before any benchmark starts the simulator (the frame benchmarks'
// start-up reads the country file too).
namespace {
struct ProgramFolder {
    ProgramFolder()
    {
        char exe[1024] = "";
        ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
        std::string dir(exe, n > 0 ? (size_t)n : 0);
        dir = dir.substr(0, dir.find_last_of('/') + 1) + "../program";
        setenv("VORTAN_PROGRAM_DIR", dir.c_str(), 0);
    }
};
const ProgramFolder program_folder;
}

static int start_region_layer()
{
    static int started, ok;
    if (started)
        return ok;
    started = 1;
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    test_set_test_mode(1);
    program_kind = PROG_VORTAN;
    ok = vortan_start_layer();
    if (ok) {
        env.C_path[0] = 0;   // the standard folder
        init_country_data();
    }
    return ok;
}

static void BM_LoadRegion(benchmark::State &state)
{
    if (!start_region_layer()) {
        state.SkipWithError("no display");
        return;
    }
    for (auto _ : state) {
        env.lat_south = 33;
        env.lon_west = 119;
        load_region(0);
    }
}
BENCHMARK(BM_LoadRegion)->Unit(benchmark::kMillisecond);

// West and east in turn, so every step reads real quadrants round 33 N.
static void BM_PageStep(benchmark::State &state)
{
    if (!start_region_layer()) {
        state.SkipWithError("no display");
        return;
    }
    env.lat_south = 33;
    env.lon_west = 119;
    load_region(0);
    int n = 0;
    for (auto _ : state) {
        double w = planex[MESH_I - 1][0] - planex[0][0];
        double x = planex[0][0] + (n++ % 2 ? 0.9 : 0.1) * w;
        double y = 0.5 * (planey[0][0] + planey[0][MESH_J - 1]);
        benchmark::DoNotOptimize(page_region_if_needed(x, y));
    }
}
BENCHMARK(BM_PageStep)->Unit(benchmark::kMillisecond);
