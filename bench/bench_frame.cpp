// The cost the layer adds to every frame: composing the picture and
// converting it through the palette, and a whole loop pass (pump, present)
// with the later steps' work still empty. Headless (SDL dummy drivers).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "common/testsupport.h"
#include "shell/local.h"

static void start_headless()
{
    static int started;
    if (started)
        return;
    started = 1;
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    test_set_test_mode(1);
    test_set_joystick_state(JOY_NONE_PLUGGED);
    program_kind = PROG_VORTAN;
    vortan_start_layer();
    simulate_start();
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
