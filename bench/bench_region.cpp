// Scenery costs: loading the factory start region from the generated
// country files (six quadrants, the table, menus, towns and clouds) and one
// page step (a third of the grid moved, two quadrants read, the table
// finished again). Headless, from the program folder's DATA.
#include <benchmark/benchmark.h>

#include "bench/bench_sim.h"
#include "world/world.h"

// The simulator's start-up has read the country file; each load starts from
// the standard folder.
static int start_region_layer()
{
    if (!bench_start_simulator())
        return 0;
    env.C_path[0] = 0;
    return 1;
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
