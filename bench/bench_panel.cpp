// The instrument panel's share of a frame: an update with the small,
// steady movement of cruising flight (a few needles redraw, most do not),
// and a full redraw of every instrument (after a page or a repaint).
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/bench_sim.h"
#include "flight/flight.h"
#include "panel/panel.h"

// Cruise with a slow oscillation of speed, height, heading and attitude,
// frame k of 20 a second.
static void cruise_state(int k)
{
    float t = k * 0.05f;
    flt.vind = 100.0f + 3.0f * sinf(t * 0.7f);
    flt.h = 1000.0f + 20.0f * sinf(t * 0.3f);
    flt.vu = 1.5f * cosf(t * 0.3f);
    flt.psi = fmodf(90.0f + t * 1.5f, 360.0f);
    flt.magpsi = flt.psi;
    flt.the180 = 2.0f + 1.5f * sinf(t * 0.9f);
    flt.phi180 = 8.0f * sinf(t * 0.4f);
    flt.R = 1.5f * sinf(t * 0.4f);
    flt.omega[0] = 240.0f + 2.0f * sinf(t);
    msc.tottime = t;
}

static void BM_PanelTypicalFrame(benchmark::State &state)
{
    bench_start_simulator();
    msc.prd = 0.05f;
    int k = 0;
    for (auto _ : state) {
        cruise_state(k++);
        updatepanel();
    }
}
BENCHMARK(BM_PanelTypicalFrame);

static void BM_PanelFullRedraw(benchmark::State &state)
{
    bench_start_simulator();
    msc.prd = 0.05f;
    cruise_state(0);
    for (auto _ : state) {
        ins.tickle_all = 1;
        updatepanel();
    }
}
BENCHMARK(BM_PanelFullRedraw);
