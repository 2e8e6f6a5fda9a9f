// End to end: the real start-up on an empty user folder, then the frame
// loop flies the default trainer down the factory runway under full power
// until it lifts off.
#include "sim_fixture.h"

#include "files/files.h"

namespace {

// The pilot's inputs of one frame, through the controls' scripted input:
// the throttle from idle to full (the lever follows the joystick throttle),
// then back pressure once the aircraft reaches its stall speed.
void pilot(int frame, float pull)
{
    set_scripted_input(flt.v >= msc.est_Vs ? pull : 0.0f, 0.0f, 0.0f, frame < 10 ? 0.0f : 1.0f);
}

float height_above_ground()
{
    float ground = 0.0f;
    int i = env.i_aircraft, j = env.j_aircraft, t = env.t_aircraft;
    find_local_h((float)flt.x, (float)flt.y, &ground, &i, &j, &t);
    return (float)flt.z - ground - pln.h_eqlbm;
}

}   // namespace

TEST_F(SimTest, TheTrainerRollsDownTheRunwayAndLiftsOff)
{
    const float PULL = 0.4f;   // back pressure on the stick, -1..1
    start();
    set.controls_type = CONTROLS_SCRIPTED;
    ASSERT_EQ(alerts_starting("Welcome to Vortan for Linux."), 1);
    const double x0 = flt.x, y0 = flt.y;
    const float hdg = flt.psi * con.degtorad;
    int64_t now = 1000;
    int liftoff = -1;
    float along_at_liftoff = 0.0f, worst_side = 0.0f;
    for (int f = 0; f < 1500 && liftoff < 0; f++) {
        pilot(f, PULL);
        now += 50;   // the machine keeps pace: the step stays at 0.05 s
        test_set_clock_ms(now);
        simulate_pass();
        float dx = (float)(flt.x - x0), dy = (float)(flt.y - y0);
        float along = dx * sinf(hdg) + dy * cosf(hdg);
        float side = dx * cosf(hdg) - dy * sinf(hdg);
        worst_side = fmaxf(worst_side, fabsf(side));
        if (!flt.onground && height_above_ground() > 3.0f) {
            liftoff = f;
            along_at_liftoff = along;
        }
        ASSERT_TRUE(std::isfinite(flt.z));
    }
    EXPECT_FLOAT_EQ(flt.throtrequest[0], 1.0f);
    EXPECT_GT(flt.throt[0], 0.95f);
    ASSERT_GT(liftoff, 100) << "no ground roll";
    EXPECT_GT(along_at_liftoff, 100.0f);   // down the runway, not off its side
    EXPECT_LT(along_at_liftoff + 30.0f, (float)env.navmsc[msc.loc_index][1]);   // before its end
    EXPECT_LT(worst_side, 15.0f);
    EXPECT_GE(flt.v, msc.est_Vs);
    EXPECT_NEAR(msc.prd, 0.05f, 0.005f);
}
