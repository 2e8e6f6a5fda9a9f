// The whole frame of the simulator and its stages, headless: the default
// trainer cruising 300 m above its start runway (below the factory
// overcast, at dusk with the lights on, factory visibility 10 nm) over the
// factory start region: the panel update, the out-the-window scene
// (start_looking: camera, palette and range checks, terrain, runways and
// lights, buildings, copy to the window), and the flight step (controls
// and deg2integ). Every 10 s of flight the start state comes back.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/bench_sim.h"
#include "files/files.h"
#include "flight/flight.h"
#include "panel/panel.h"
#include "view/view.h"
#include "world/world.h"

namespace {

constexpr float FRAME_S = 0.05f;
constexpr int FRAMES_PER_RUN = 200;
constexpr float CRUISE_AGL_M = 300.0f;

struct Snapshot {
    flightstruct flt;
    atmospherestruct atm;
    miscstruct msc;
    float localh;
} start_state;

// The trainer in level flight along its start runway, 300 m up; the view
// paged and settled as after a few frames of flying.
int start_cruise()
{
    if (!bench_start_simulator())
        return 0;
    C_to_C(app_path, pln.C_appdir);
    C_to_C("Aircraft/Trainer.acf", pln.C_file);
    load_plane(nullptr);
    load_report_close();
    msc.prd = FRAME_S;
    msc.typestart = 900;
    setnewlocale();
    set_fltvars(4, 0);
    float ground = 0.0f;
    int i = env.i_aircraft, j = env.j_aircraft, t = env.t_aircraft;
    find_local_h((float)flt.x, (float)flt.y, &ground, &i, &j, &t);
    set.cus_x = (float)flt.x;
    set.cus_y = (float)flt.y;
    set.cus_psi = flt.psi;
    set.cus_z = ground + CRUISE_AGL_M;
    set.cus_v = 1.6f * msc.est_Vs;
    set_fltvars(8, 0);
    set.viewtype = VIEW_FORWARD;
    set_mon(0, 0.0f);
    for (int n = 0; n < 4; n++)
        start_looking();
    msc.evup = 2;
    msc.typestart = 0;
    start_state = {flt, atm, msc, env.localh};
    return 1;
}

void restore_start()
{
    flt = start_state.flt;
    atm = start_state.atm;
    msc = start_state.msc;
    env.localh = start_state.localh;
}

void flight_step()
{
    msc.cntr++;
    msc.tottime += msc.prd;
    control();
    deg2integ();
}

enum Stage { WHOLE, PANEL, SCENE, FLIGHT };

void run(benchmark::State &state, Stage stage)
{
    if (!start_cruise()) {
        state.SkipWithError("no display");
        return;
    }
    int n = 0;
    for (auto _ : state) {
        if (stage == WHOLE || stage == PANEL)
            updatepanel();
        if (stage == WHOLE || stage == SCENE)
            start_looking();
        if (stage == WHOLE || stage == FLIGHT)
            flight_step();
        if (++n == FRAMES_PER_RUN) {
            state.PauseTiming();
            restore_start();
            n = 0;
            state.ResumeTiming();
        }
    }
    if (!std::isfinite(flt.x) || msc.typestart != 0)
        state.SkipWithError("the flight did not stay in the air");
    state.counters["frames_per_s"] = benchmark::Counter((double)state.iterations(), benchmark::Counter::kIsRate);
    state.counters["pieces"] = pipe_pieces;
}

}  // namespace

static void BM_WholeFrame(benchmark::State &state) { run(state, WHOLE); }
static void BM_WholeFrameStage(benchmark::State &state, Stage stage) { run(state, stage); }
BENCHMARK(BM_WholeFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WholeFrameStage, panel, PANEL)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WholeFrameStage, scene, SCENE)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WholeFrameStage, flight, FLIGHT)->Unit(benchmark::kMicrosecond);
