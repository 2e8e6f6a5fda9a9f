// The whole frame of the simulator, headless, with each stage's CPU time:
// the default trainer cruising 300 m above its start runway (below the factory
// overcast, at dusk with the lights on, factory visibility 10 nm) over the
// factory start region: the panel update, the out-the-window scene
// (start_looking: camera, palette and range checks, terrain, runways and
// lights, buildings, copy to the window), and the flight step (controls
// and deg2integ). Every 10 s of flight the start state comes back.
#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>

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

// Thread CPU time in microseconds: each stage's share of the frame, not
// disturbed by other programs on the machine.
double cpu_us()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1.0e6 + t.tv_nsec * 1.0e-3;
}

}  // namespace

// One whole frame in the loop's order: the panel, the view, the flight
// step; the counters give each stage's CPU time per frame.
static void BM_WholeFrame(benchmark::State &state)
{
    if (!start_cruise()) {
        state.SkipWithError("no display");
        return;
    }
    int n = 0;
    double stage_us[3] = {0.0, 0.0, 0.0};
    for (auto _ : state) {
        double t0 = cpu_us();
        updatepanel();
        double t1 = cpu_us();
        start_looking();
        double t2 = cpu_us();
        flight_step();
        double t3 = cpu_us();
        stage_us[0] += t1 - t0;
        stage_us[1] += t2 - t1;
        stage_us[2] += t3 - t2;
        if (++n == FRAMES_PER_RUN) {
            state.PauseTiming();
            restore_start();
            n = 0;
            state.ResumeTiming();
        }
    }
    if (!std::isfinite(flt.x) || msc.typestart != 0)
        state.SkipWithError("the flight did not stay in the air");
    double frames = (double)state.iterations();
    state.counters["frames_per_s"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    state.counters["panel_us"] = stage_us[0] / frames;
    state.counters["scene_us"] = stage_us[1] / frames;
    state.counters["flight_us"] = stage_us[2] / frames;
    state.counters["pieces"] = pipe_pieces;
}
BENCHMARK(BM_WholeFrame)->Unit(benchmark::kMicrosecond);
