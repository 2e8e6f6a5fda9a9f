// The cost the layer adds to every frame: composing the picture and
// converting it through the palette, and a whole loop pass (pump, present)
// with the panel and the view as far as they are drawn today. Headless (SDL dummy drivers).
#include <benchmark/benchmark.h>

#include "bench/bench_sim.h"

static void start_headless()
{
    bench_start_simulator();
    msc.prd = 0.05f;
}

static void BM_Present(benchmark::State &state)
{
    start_headless();
    for (auto _ : state)
        MACIBM_present();
}
BENCHMARK(BM_Present);

static void BM_LoopPass(benchmark::State &state)
{
    start_headless();
    for (auto _ : state)
        simulate_pass();
}
BENCHMARK(BM_LoopPass);
