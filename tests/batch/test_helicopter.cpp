// The shipped helicopter flown through the batch runner: with a simple
// pilot on the collective, cyclic and pedals it holds a hover, its rotor
// lifting straight up and its tail rotor holding the heading.
#include "tests/batch/batch_fixture.h"

namespace {

class HelicopterTest : public BatchTest {};

// The pilot: collective on vertical speed (integral towards the start
// height), pedals on yaw rate, cyclic on attitude, leaning against any
// drift through the air (the tail rotor's push sideways is held with a
// little bank, as pilots hover one skid low).
struct HoverPilot {
    float h0, coll, pedal;
    int hold_collective;
    void fly()
    {
        float dt = msc.prd;
        coll = fltlim(coll - 0.05f * (flt.vz - 0.2f * (h0 - flt.h)) * dt, 0.0f, 1.0f);
        pedal = fltlim(pedal - 0.02f * flt.R * dt, -1.0f, 1.0f);
        if (!hold_collective)
            batch_set(BC_COLLECTIVE, fltlim(coll - 0.05f * flt.vz, 0.0f, 1.0f));
        float ahead = (float)(flt.vx * flt.sinpsi + flt.vy * flt.cospsi);   // over the ground
        float pitch = fltlim(2.0f * ahead, -10.0f, 10.0f);
        float roll = fltlim(flt.av * flt.sinbeta, -10.0f, 10.0f);
        batch_set(BC_ELEVATOR, fltlim(0.1f * (pitch - flt.the180) - 0.05f * flt.Q, -1.0f, 1.0f));
        batch_set(BC_AILERON, fltlim(0.1f * (roll - flt.phi180) - 0.05f * flt.P, -1.0f, 1.0f));
        batch_set(BC_RUDDER, fltlim(pedal - 0.05f * flt.R, -1.0f, 1.0f));
    }
};

TEST_F(HelicopterTest, HoldsAHoverForAMinute)
{
    fly_from_air("Helicopter.acf", 1000.0f, 0.0f);
    HoverPilot pilot = {flt.h, 0.7f, 0.0f, 0};
    float worst_h = 0.0f, worst_att = 0.0f, worst_r = 0.0f;
    while (batch_time() < 60.0) {
        pilot.fly();
        batch_frame();
        ASSERT_TRUE(std::isfinite(flt.h) && std::isfinite(flt.the180) && std::isfinite(flt.omega[0]));
        worst_h = fmaxf(worst_h, fabsf(flt.h - pilot.h0) * con.mtrstoft);
        worst_att = fmaxf(worst_att, fmaxf(fabsf(flt.the180), fabsf(flt.phi180)));
        if (batch_time() > 20.0)
            worst_r = fmaxf(worst_r, fabsf(flt.R));
    }
    EXPECT_LE(worst_h, 50.0f);
    EXPECT_LE(worst_att, 10.0f);
    EXPECT_LE(worst_r, 3.0f) << "the tail rotor does not hold the heading";
    // The rotor stays at its governed speed with power to spare, and the
    // hover takes a collective well inside its travel.
    EXPECT_NEAR(flt.omega[0], pln.omegamax, 0.03f * pln.omegamax);
    EXPECT_LT(flt.throtrequest[0], 0.98f);
    EXPECT_GT(bst.ctl[BC_COLLECTIVE], 0.5f);
    EXPECT_LT(bst.ctl[BC_COLLECTIVE], 0.95f);
    EXPECT_EQ(batch_crashes(), 0);
    EXPECT_EQ(flight_watchdog_trips, 0);
}

// The rotor lifts along the body's vertical, and its own climb or descent
// through the air comes through the disc: a fixed collective above the
// hover's settles into a steady climb, and with the collective down the
// rotor gives little lift and the aircraft sinks, instead of climbing
// away on a rotor that feels its forward speed as inflow.
TEST_F(HelicopterTest, FixedCollectiveSettlesIntoASteadyClimbOrDescent)
{
    fly_from_air("Helicopter.acf", 3000.0f, 0.0f);
    HoverPilot pilot = {flt.h, 0.7f, 0.0f, 0};
    for (double end = batch_time() + 30.0; batch_time() < end;) {
        pilot.fly();
        batch_frame();
    }
    float hover = bst.ctl[BC_COLLECTIVE];
    pilot.hold_collective = 1;
    batch_set(BC_COLLECTIVE, hover + 0.2f);
    float vz[2] = {0.0f, 0.0f};
    for (int k = 0; k < 2; k++) {
        for (double end = batch_time() + 15.0; batch_time() < end;) {
            pilot.fly();
            batch_frame();
        }
        vz[k] = flt.vz * con.msctofpm;
    }
    EXPECT_GT(vz[1], 200.0f);
    EXPECT_LT(vz[1], 2500.0f);
    EXPECT_NEAR(vz[1], vz[0], 150.0f) << "the climb does not settle";
    EXPECT_LT(flt.vind, 15.0f) << "collective alone drove it forwards";
    batch_set(BC_COLLECTIVE, 0.0f);
    for (double end = batch_time() + 10.0; batch_time() < end;) {
        pilot.fly();
        batch_frame();
    }
    EXPECT_LT(flt.vz * con.msctofpm, -500.0f);
    EXPECT_LE(flt.omega[0], 1.5f * pln.omegamax);
    EXPECT_EQ(flight_watchdog_trips, 0);
}

// Forward flight at full collective, the cyclic holding the height: the
// helicopter reaches a steady top speed near its type's, attitude bounded.
TEST_F(HelicopterTest, FullCollectiveLevelFlightReachesItsTopSpeed)
{
    fly_from_air("Helicopter.acf", 1000.0f, 0.0f);
    HoverPilot pilot = {flt.h, 0.7f, 0.0f, 1};
    batch_set(BC_COLLECTIVE, 1.0f);
    float nose = -4.0f;
    for (double end = batch_time() + 120.0; batch_time() < end;) {
        // The nose goes down while the aircraft climbs above its height.
        nose = fltlim(nose - 0.5f * ((float)flt.vz - 0.1f * (pilot.h0 - flt.h)) * msc.prd, -20.0f, 5.0f);
        pilot.fly();
        batch_set(BC_ELEVATOR, fltlim(0.1f * (nose - flt.the180) - 0.05f * flt.Q, -1.0f, 1.0f));
        batch_frame();
        ASSERT_LT(fabsf(flt.phi180), 15.0f);
    }
    EXPECT_NEAR(flt.vind, 100.0f, 15.0f);
    EXPECT_NEAR(flt.h, pilot.h0, 50.0f * con.fttomtrs);
    EXPECT_EQ(batch_crashes(), 0);
}

// The batch trim finds the hover: the collective is one of its unknowns,
// and the rotor's moments answer the cyclic in its zero-length build-ups.
TEST_F(HelicopterTest, TrimFindsTheHover)
{
    fly_from_air("Helicopter.acf", 1000.0f, 0.0f);
    batch_set(BC_WEIGHT, 1370.0f);
    ASSERT_TRUE(batch_trim(0));
    EXPECT_GT(bst.ctl[BC_COLLECTIVE], 0.5f);
    EXPECT_LT(bst.ctl[BC_COLLECTIVE], 0.95f);
    EXPECT_NEAR(flt.omega[0], pln.omegamax, 0.03f * pln.omegamax);
    frames(2.0f);   // a hover is not stable with the controls left alone, but holds a moment
    EXPECT_NEAR(flt.vz * con.msctofpm, 0.0f, 200.0f);
    EXPECT_LT(flt.vind, 10.0f);
}

// Steady forward flight: the trim banks the helicopter against its tail
// rotor's push and aims at the accelerations flying frames feel, so with
// the controls left where it put them the helicopter flies on, speed,
// height and attitude holding, instead of rolling off within seconds.
TEST_F(HelicopterTest, TrimmedForwardFlightHoldsWithTheControlsFrozen)
{
    fly_from_air("Helicopter.acf", 1000.0f, 60.0f);
    batch_set(BC_WEIGHT, 1370.0f);
    ASSERT_TRUE(batch_trim(0));
    EXPECT_EQ(batch_column_value(batch_column_index("collective")), bst.ctl[BC_COLLECTIVE]);
    // A degree or two of bank holds the tail rotor's push; more would turn.
    EXPECT_GT(fabsf(flt.phi180), 0.5f);
    EXPECT_LT(fabsf(flt.phi180), 5.0f);
    const float h0 = flt.h, the0 = flt.the180, phi0 = flt.phi180, psi0 = flt.psi;
    float worst_rate = 0.0f;
    while (batch_time() < 30.0) {
        batch_frame();
        ASSERT_TRUE(std::isfinite(flt.vind) && std::isfinite(flt.h));
        worst_rate = fmaxf(worst_rate, fmaxf(fabsf(flt.P), fmaxf(fabsf(flt.Q), fabsf(flt.R))));
    }
    EXPECT_NEAR(flt.vind, 60.0f, 3.0f);
    EXPECT_NEAR(flt.h, h0, 100.0f * con.fttomtrs);
    EXPECT_LT(worst_rate, 1.0f) << "deg/s";
    EXPECT_NEAR(flt.the180, the0, 2.0f);
    EXPECT_NEAR(flt.phi180, phi0, 2.0f);
    EXPECT_NEAR(fltwrap(flt.psi - psi0, -180.0f, 180.0f), 0.0f, 5.0f);
    EXPECT_NEAR(flt.omega[0], pln.omegamax, 0.03f * pln.omegamax);
    EXPECT_EQ(batch_crashes(), 0);
}

// Level flight trims from the hover to near the top speed, and the power
// it takes has the helicopter's shape: translational lift makes slow
// forward flight cheaper than the hover, and the airframe's drag makes
// fast flight dearer again.
TEST_F(HelicopterTest, LevelFlightPowerFallsFromTheHoverThenRises)
{
    const float kias[] = {0.0f, 40.0f, 60.0f, 80.0f, 98.0f};
    float hp[5];
    for (int k = 0; k < 5; k++) {
        fly_from_air("Helicopter.acf", 1000.0f, kias[k]);
        batch_set(BC_WEIGHT, 1370.0f);
        ASSERT_TRUE(batch_trim(0)) << kias[k] << " KIAS";
        EXPECT_LT(flt.throtrequest[0], 0.999f) << kias[k] << " KIAS: no power to spare";
        hp[k] = (float)batch_column_value(batch_column_index("power_hp"));
    }
    EXPECT_LT(hp[1], 0.95f * hp[0]);
    EXPECT_GT(hp[3], hp[2]);
    EXPECT_GT(hp[4], hp[3]);
}

}  // namespace
