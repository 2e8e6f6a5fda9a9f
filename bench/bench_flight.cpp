// One flight frame (deg2integ: the flight events when due, then both
// half-period sub-steps) of every default aircraft in cruise and standing
// on the runway, and of the helicopter in a hover, over the factory start
// region as the simulator loads it.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <string>

#include "bench/bench_sim.h"
#include "files/files.h"
#include "flight/flight.h"
#include "panel/panel.h"
#include "shell/shell.h"
#include "world/world.h"

namespace {

enum Phase { CRUISE, RUNWAY, HOVER };

constexpr float FRAME_S = 0.05f;     // the loop's frame period at 20 frames a second
constexpr int EVENT_FRAMES = 2;      // the loop's event period of 0.1 s in frames
constexpr int FRAMES_PER_RUN = 200;  // 10 s of flight, then the start state again
constexpr float CRUISE_H_M = 1500.0f;  // above the start runway
// The shipped helicopter does not yet hold a hover (its rotor lifts less
// than its weight), so the hover starts at rest well clear of the ground
// and starts again every second, before it has picked up speed: the frame
// cost of the rotor at zero airspeed.
constexpr float HOVER_H_M = 1500.0f;
constexpr int HOVER_FRAMES_PER_RUN = 20;

FlightSnapshot start_state;

// The program's own aircraft `name` (Aircraft/ beside the program), loaded
// as the aircraft menu does.
void load_aircraft(const char *name)
{
    C_to_C(app_path, pln.C_appdir);
    C_to_C((std::string("Aircraft/") + name).c_str(), pln.C_file);
    load_plane(nullptr);
    load_report_close();
    msc.prd = FRAME_S;
}

void restore_start()
{
    restore_snapshot(start_state);
}

void frame()
{
    msc.cntr++;
    deg2integ();
}

// Places the loaded aircraft through the real flight start.
void start_phase(Phase phase)
{
    if (phase == RUNWAY) {
        msc.typestart = 900;   // the takeoff start: at rest, engine idle
        set_fltvars(4, 0);
        ins.brake_on = 1;
        set.partbrake = 0.8f;
    } else {
        msc.typestart = 900;   // over the start runway, along it
        set_fltvars(4, 0);
        set.cus_x = (float)flt.x;
        set.cus_y = (float)flt.y;
        set.cus_psi = flt.psi;
        float ground = 0.0f;
        int i = env.i_aircraft, j = env.j_aircraft, t = env.t_aircraft;
        find_local_h(set.cus_x, set.cus_y, &ground, &i, &j, &t);
        set.cus_z = ground + (phase == HOVER ? HOVER_H_M : CRUISE_H_M);
        set.cus_v = phase == HOVER ? 0.0f : 1.6f * msc.est_Vs;
        set_fltvars(8, 0);
    }
    msc.evup = EVENT_FRAMES;
    msc.typestart = 0;   // a crash restarts with 900: seen at the next restore
    start_state = take_snapshot();
}

void fly_frames(benchmark::State &state, const char *name, Phase phase)
{
    if (!bench_start_simulator()) {
        state.SkipWithError("no display");
        return;
    }
    load_aircraft(name);
    start_phase(phase);
    int n = 0, crashed = 0;
    int run_frames = phase == HOVER ? HOVER_FRAMES_PER_RUN : FRAMES_PER_RUN;
    for (auto _ : state) {
        frame();
        if (++n == run_frames) {
            state.PauseTiming();
            crashed |= msc.typestart != 0;
            restore_start();
            n = 0;
            state.ResumeTiming();
        }
    }
    if (!std::isfinite(flt.x) || !std::isfinite(flt.z) || flight_watchdog_trips)
        state.SkipWithError("the flight did not stay finite");
    if (crashed || msc.typestart != 0)
        state.SkipWithError("the aircraft crashed: a frame includes the crash pause");
    state.counters["frames_per_s"] = benchmark::Counter((double)state.iterations(), benchmark::Counter::kIsRate);
}

}  // namespace

static void BM_Frame(benchmark::State &state, const char *name, Phase phase) { fly_frames(state, name, phase); }

BENCHMARK_CAPTURE(BM_Frame, Trainer_cruise, "Trainer.acf", CRUISE)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Frame, Trainer_runway, "Trainer.acf", RUNWAY)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Frame, Twin_cruise, "Twin.acf", CRUISE)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Frame, Twin_runway, "Twin.acf", RUNWAY)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Frame, Jet_cruise, "Jet.acf", CRUISE)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Frame, Jet_runway, "Jet.acf", RUNWAY)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Frame, Helicopter_cruise, "Helicopter.acf", CRUISE)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Frame, Helicopter_runway, "Helicopter.acf", RUNWAY)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Frame, Helicopter_hover, "Helicopter.acf", HOVER)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Frame, Seaplane_cruise, "Seaplane.acf", CRUISE)->Unit(benchmark::kMicrosecond);
// The seaplane has no wheels: its takeoff start is a final approach instead.
BENCHMARK_CAPTURE(BM_Frame, Seaplane_final, "Seaplane.acf", RUNWAY)->Unit(benchmark::kMicrosecond);
