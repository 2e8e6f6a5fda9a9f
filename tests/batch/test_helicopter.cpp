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
    void fly()
    {
        float dt = msc.prd;
        coll = fltlim(coll - 0.05f * (flt.vz - 0.2f * (h0 - flt.h)) * dt, 0.0f, 1.0f);
        pedal = fltlim(pedal - 0.02f * flt.R * dt, -1.0f, 1.0f);
        batch_set(BC_COLLECTIVE, fltlim(coll - 0.05f * flt.vz, 0.0f, 1.0f));
        float pitch = fltlim(flt.vaxial, -10.0f, 10.0f);
        float roll = fltlim(flt.av * flt.sinbeta, -10.0f, 10.0f);
        batch_set(BC_ELEVATOR, fltlim(0.1f * (pitch - flt.the180) - 0.05f * flt.Q, -1.0f, 1.0f));
        batch_set(BC_AILERON, fltlim(0.1f * (roll - flt.phi180) - 0.05f * flt.P, -1.0f, 1.0f));
        batch_set(BC_RUDDER, fltlim(pedal - 0.05f * flt.R, -1.0f, 1.0f));
    }
};

TEST_F(HelicopterTest, HoldsAHoverForAMinute)
{
    fly_from_air("Helicopter.acf", 1000.0f, 0.0f);
    HoverPilot pilot = {flt.h, 0.7f, 0.0f};
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

// The rotor lifts along the body's vertical: collective alone, stick and
// pedals centred, changes the climb rate and barely the airspeed.
TEST_F(HelicopterTest, CollectiveLiftsStraightUp)
{
    fly_from_air("Helicopter.acf", 1000.0f, 0.0f);
    batch_set(BC_COLLECTIVE, 1.0f);
    frames(2.0f);
    EXPECT_GT(flt.vz * con.msctofpm, 200.0f);
    EXPECT_LT(flt.vind, 10.0f);
}

}  // namespace
