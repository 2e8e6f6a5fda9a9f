// A long flight of every default aircraft with random stick, pedals,
// levers, weather and failures: the flight state stays finite throughout
// (the watchdog never has to step in), nothing crashes the program and the
// heap does not grow; the aircraft themselves may crash and restart as
// often as they like.
#include "tests/batch/batch_fixture.h"

#include "tests/support/heap.h"

#include <chrono>

namespace {

#ifndef VORTAN_SOAK_S
#define VORTAN_SOAK_S 3600
#endif

class SoakTest : public BatchTest, public ::testing::WithParamInterface<const char *> {};

int state_finite()
{
    const float f[] = {flt.the, flt.psi, flt.phi, flt.P, flt.Q, flt.R, flt.Alpha, flt.Beta, flt.av,
                       flt.vind, flt.h, flt.ax, flt.ay, flt.az, flt.omega[0], flt.omega[1],
                       flt.thrust[0], flt.thrust[1], flt.m_fuel, atm.wind_x, atm.wind_y, atm.wind_z};
    for (float v : f)
        if (!std::isfinite(v))
            return 0;
    return std::isfinite(flt.x) && std::isfinite(flt.y) && std::isfinite(flt.z) && std::isfinite(flt.vx) &&
           std::isfinite(flt.vy) && std::isfinite(flt.vz);
}

// New random weather: wind and gusts, turbulence, temperature.
void random_weather()
{
    BatchCommand c{};
    c.kind = BW_WIND;
    c.v[0] = fltrand(0.0f, 360.0f);
    c.v[1] = fltrand(0.0f, 40.0f);
    c.v[2] = fltrand(0.0f, 20.0f);
    batch_weather(&c);
    c.kind = BW_TURBULENCE;
    c.v[0] = fltrand(0.0f, 1.0f);
    batch_weather(&c);
    c.kind = BW_TEMP;
    c.v[0] = fltrand(-20.0f, 110.0f);
    batch_weather(&c);
}

// New failures: each item failed now, failing at random within a short
// mean time (one to five minutes), or sound.
void random_failures()
{
    for (int w = 0; w < MAX_FAIL_KINDS; w++) {
        int roll = intrand(0, 9);
        rel.fail_type[w] = roll == 0 ? 3 : (roll < 4 ? 2 : 1);
        rel.fail_time_max[w] = fltrand(1.0f, 5.0f);
    }
}

// Whether any system of the aircraft is failed now.
int any_failed()
{
    const int working[] = {rel.eng[0], rel.vac, rel.asi, rel.ahz, rel.alt, rel.tsi, rel.dgy, rel.vvi,
                           rel.ail,    rel.elv, rel.rud, rel.flp, rel.slt, rel.thr, rel.hyd, rel.ger[0]};
    for (int w : working)
        if (w == 0)
            return 1;
    return 0;
}

void random_controls()
{
    batch_set(BC_ELEVATOR, fltrand(-1.0f, 1.0f));
    batch_set(BC_AILERON, fltrand(-1.0f, 1.0f) * fltrand(0.0f, 1.0f));
    batch_set(BC_RUDDER, fltrand(-1.0f, 1.0f) * fltrand(0.0f, 1.0f));
    batch_set(BC_THROTTLE, fltrand(0.0f, 1.0f));
    if (intrand(0, 9) == 0)
        batch_set(BC_FLAPS, fltrand(0.0f, 1.0f));
    if (intrand(0, 19) == 0)
        batch_set(BC_GEAR, (float)intrand(0, 1));
    if (intrand(0, 9) == 0)
        batch_set(BC_TRIM, fltrand(-1.0f, 1.0f));
    if (intrand(0, 19) == 0)
        batch_set(BC_BRAKES, fltrand(0.0f, 1.0f));
}

TEST_P(SoakTest, RandomFlyingStaysFinite)
{
    fly_from_air(GetParam(), 6000.0f, 100.0f);
    seed_rand(20261208);
    auto t0 = std::chrono::steady_clock::now();
    double next_input = 0.0, next_weather = 0.0, next_failures = 0.0;
    int frames = 0, failed_frames = 0;
    // The heap after the first ten simulated minutes; nothing is allocated
    // while flying, so it is the same at the end.
    const double settled_s = VORTAN_SOAK_S > 1200 ? 600.0 : VORTAN_SOAK_S / 2.0;
    size_t heap_settled = 0;
    while (batch_time() < VORTAN_SOAK_S) {
        if (batch_time() >= next_input) {
            random_controls();
            next_input = batch_time() + fltrand(0.5f, 5.0f);
        }
        if (batch_time() >= next_weather) {
            random_weather();
            next_weather = batch_time() + fltrand(30.0f, 120.0f);
        }
        if (batch_time() >= next_failures) {
            random_failures();
            next_failures = batch_time() + fltrand(60.0f, 300.0f);
        }
        if (heap_settled == 0 && batch_time() >= settled_s)
            heap_settled = heap_in_use();
        batch_frame();
        frames++;
        failed_frames += any_failed();
        ASSERT_TRUE(state_finite()) << GetParam() << " at t = " << batch_time();
        ASSERT_EQ(flight_watchdog_trips, 0) << GetParam() << " at t = " << batch_time();
    }
    EXPECT_EQ(heap_in_use(), heap_settled) << GetParam();
    EXPECT_GT(failed_frames, frames / 10) << GetParam();   // the failures did happen
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    printf("%s: %d frames of %d s simulated in %.1f s, %d crashes, %d frames with a failure, heap %zu bytes\n",
           GetParam(), frames, VORTAN_SOAK_S, s, batch_crashes(), failed_frames, heap_in_use());
}

INSTANTIATE_TEST_SUITE_P(DefaultAircraft, SoakTest,
                         ::testing::Values("Trainer.acf", "Twin.acf", "Jet.acf", "Helicopter.acf", "Seaplane.acf"),
                         [](const auto &info) {
                             std::string n = info.param;
                             return n.substr(0, n.find('.'));
                         });

}   // namespace
