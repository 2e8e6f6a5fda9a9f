// The simulator's whole frame as its loop runs it: each iteration is one
// `simulate_pass` (pump, panel, out-the-window scene with the HUD when it
// is on, flight step, present), headless, for every default aircraft in
// cruise over the factory start and over the Los Angeles basin (both at
// the factory's dusk, lights on), at the factory visibility and at the
// longest the weather settings allow. The stage timer gives each stage's
// CPU time per frame.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "bench/bench_sim.h"
#include "common/stages.h"
#include "files/files.h"
#include "flight/flight.h"
#include "panel/panel.h"
#include "view/view.h"
#include "world/world.h"

namespace {

enum Place { FACTORY, BASIN };
enum Vis { VIS_DEFAULT, VIS_LONGEST };

constexpr float DEFAULT_VIS_NM = 10.0f;   // the factory weather's
constexpr float LONGEST_VIS_NM = 20.0f;   // the weather window's upper limit
constexpr int DUSK = 2;                   // time-of-day code: lights on
constexpr float CRUISE_AGL_M = 300.0f;
constexpr int FRAMES_PER_RUN = 200;
constexpr int FACTORY_LAT = 33, FACTORY_LON = 119;   // the factory region's south-west corner
constexpr int FACTORY_APT = 41;           // the factory start airport of the region
constexpr float BASIN_HEADING_DEG = 45.0f;   // true, from the airport to the city's centre

FlightSnapshot start_state;

// The factory start airport, or Los Angeles International; the aircraft
// loaded as the menu's open does.
void go_to(Place place, const char *aircraft)
{
    if (place == FACTORY) {
        if (env.lat_south != FACTORY_LAT || env.lon_west != FACTORY_LON || env.apt_max < FACTORY_APT) {
            env.lat_south = FACTORY_LAT;
            env.lon_west = FACTORY_LON;
            load_region(1);
        }
        msc.loc_apt = FACTORY_APT;
        msc.loc_index = env.apt_to_index[FACTORY_APT];
        msc.rway_sel = 1;
        msc.typestart = 900;
        setnewlocale();
        reset_scene_state();
    } else {
        gotofield('L', 'A', 'X');
    }
    C_to_C(app_path, pln.C_appdir);
    C_to_C((std::string("Aircraft/") + aircraft).c_str(), pln.C_file);
    load_plane(nullptr);
    load_report_close();
    msc.typestart = 900;
    set_fltvars(4, 0);
}

// Level flight 300 m above the start runway, along it (over the basin
// north-east, towards the city's centre), at 1.6 times the estimated stall
// speed.
void start_cruise(Place place, Vis vis, int hud)
{
    float ground = 0.0f;
    int i = env.i_aircraft, j = env.j_aircraft, t = env.t_aircraft;
    find_local_h((float)flt.x, (float)flt.y, &ground, &i, &j, &t);
    set.cus_x = (float)flt.x;
    set.cus_y = (float)flt.y;
    set.cus_psi = place == BASIN ? BASIN_HEADING_DEG : flt.psi;
    set.cus_z = ground + CRUISE_AGL_M;
    set.cus_v = 1.6f * msc.est_Vs;
    set_fltvars(8, 0);
    scn.time = DUSK;
    atm.vis = (vis == VIS_LONGEST ? LONGEST_VIS_NM : DEFAULT_VIS_NM) * con.nmtomtrs;
    pln.hudEQ = hud;
    ins.HUD_on = hud;
    set.viewtype = VIEW_FORWARD;
    set_mon(0, 0.0f);
    reset_scene_state();
    msc.typestart = 0;
    msc.paused = 0;
    msc.prd = 0.05f;
    for (int n = 0; n < 4; n++)   // paged and settled, as after a few frames
        simulate_pass();
    start_state = take_snapshot();
}

// Back to the start, keeping the frame period the loop has adapted to
// this machine's frame rate, as it would have over a longer flight.
void restore_start()
{
    float prd = msc.prd;
    restore_snapshot(start_state);
    msc.prd = prd;
}

void whole_frame(benchmark::State &state, const char *aircraft, Place place, Vis vis, int hud)
{
    if (!bench_start_simulator()) {
        state.SkipWithError("no display");
        return;
    }
    go_to(place, aircraft);
    start_cruise(place, vis, hud);
    // The screen as the benchmark draws it, to look at: VORTAN_BENCH_SHOTS=<folder>.
    if (const char *dir = getenv("VORTAN_BENCH_SHOTS"))
        test_write_png((std::string(dir) + "/" + aircraft + (place == BASIN ? "-basin" : "-factory") +
                        (vis == VIS_LONGEST ? "-vis20" : "-vis10") + (hud ? "-hud" : "") + ".png").c_str());
    stage_timing_on(1);
    int n = 0, crashed = 0;
    for (auto _ : state) {
        simulate_pass();
        if (++n == FRAMES_PER_RUN) {
            state.PauseTiming();
            crashed |= msc.typestart != 0;
            restore_start();
            n = 0;
            state.ResumeTiming();
        }
    }
    double frames = (double)state.iterations();
    double pass = stage_cpu_us(STAGE_PASS), hud_us = stage_cpu_us(STAGE_HUD);
    double scene = stage_cpu_us(STAGE_SCENE) - hud_us, panel = stage_cpu_us(STAGE_PANEL);
    double flight = stage_cpu_us(STAGE_FLIGHT), present = stage_cpu_us(STAGE_PRESENT);
    stage_timing_on(0);
    if (crashed || !std::isfinite(flt.x) || flight_watchdog_trips)
        state.SkipWithError("the flight did not stay in the air");
    state.counters["frames_per_s"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    // Shares of the pass in per cent; "other" is the pump and the loop's own work.
    state.counters["flight_pct"] = 100.0 * flight / pass;
    state.counters["scene_pct"] = 100.0 * scene / pass;
    state.counters["hud_pct"] = 100.0 * hud_us / pass;
    state.counters["panel_pct"] = 100.0 * panel / pass;
    state.counters["blit_pct"] = 100.0 * present / pass;
    state.counters["other_pct"] = 100.0 * (pass - flight - scene - hud_us - panel - present) / pass;
    state.counters["pieces"] = pipe_pieces;
}

}  // namespace

static void BM_SimFrame(benchmark::State &state, const char *aircraft, Place place, Vis vis, int hud)
{
    whole_frame(state, aircraft, place, vis, hud);
}

#define SIM_FRAMES(name, file)                                                                              \
    BENCHMARK_CAPTURE(BM_SimFrame, name##_factory_vis10, file, FACTORY, VIS_DEFAULT, 0)->Unit(benchmark::kMicrosecond); \
    BENCHMARK_CAPTURE(BM_SimFrame, name##_factory_vis20, file, FACTORY, VIS_LONGEST, 0)->Unit(benchmark::kMicrosecond); \
    BENCHMARK_CAPTURE(BM_SimFrame, name##_basin_vis10, file, BASIN, VIS_DEFAULT, 0)->Unit(benchmark::kMicrosecond);     \
    BENCHMARK_CAPTURE(BM_SimFrame, name##_basin_vis20, file, BASIN, VIS_LONGEST, 0)->Unit(benchmark::kMicrosecond)

SIM_FRAMES(Trainer, "Trainer.acf");
SIM_FRAMES(Twin, "Twin.acf");
SIM_FRAMES(Jet, "Jet.acf");
SIM_FRAMES(Helicopter, "Helicopter.acf");
SIM_FRAMES(Seaplane, "Seaplane.acf");
// No default aircraft carries a HUD; the jet with one fitted and switched on
// gives the HUD's share.
BENCHMARK_CAPTURE(BM_SimFrame, Jet_hud_basin_vis10, "Jet.acf", BASIN, VIS_DEFAULT, 1)->Unit(benchmark::kMicrosecond);
