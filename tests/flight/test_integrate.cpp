// The flight step over the shipped trainer: standing still on the runway,
// a ballistic path in empty air, flying through the vertical, and the
// starts placing the aircraft.
#include "tests/flight/force_fixture.h"

namespace {

class StepTest : public ForceTest {
  protected:
    // The trainer standing at runway height 0 (no scenery: the terrain
    // search leaves env.localh alone), engine idle, brakes set.
    void stand_on_runway()
    {
        load("Trainer.acf", 0.0f);
        set_fltvars(5, 0);   // custom start at rest on the ground below stall
        on_ground();
        flt.vx = flt.vy = flt.vz = 0.0;
        msc.prd = 0.0f;
        integ_x();
        env.localh = 0.0f;
        ins.brake_on = 1;
        set.partbrake = 0.8f;
        for (int e = 0; e < 2; e++)
            flt.throt[e] = flt.throtrequest[e] = 0.0f;   // lever at the idle stop
        msc.prd = 0.05f;
    }
    void frames(float t, float prd = 0.05f)
    {
        msc.prd = prd;
        for (float s = 0; s < t; s += prd) {
            msc.cntr++;
            env.localh = 0.0f;
            deg2integ();
        }
    }
};

TEST_F(StepTest, ResetSetsAFiniteStateForEveryStartKind)
{
    load("Trainer.acf", 0.0f);
    set.cus_x = 100.0f; set.cus_y = 200.0f; set.cus_z = 1500.0f;
    set.cus_psi = 90.0f; set.cus_v = 60.0f;
    for (int kind : {4, 5, 6, 8}) {
        msc.typestart = 1000;
        set_fltvars(kind, 0);
        EXPECT_EQ(flt.cat_stage, CAT_FREE) << kind;   // only the catapult start holds it
        EXPECT_TRUE(std::isfinite(flt.Alpha) && std::isfinite(flt.hpath)) << kind;
        EXPECT_EQ(flight_watchdog_trips, 0);
    }
    set_fltvars(5, 0);
    EXPECT_NEAR(flt.vx, 60.0, 1e-3);
    EXPECT_NEAR(flt.vy, 0.0, 1e-3);
    EXPECT_NEAR(flt.throt[0], 60.0f > msc.est_Vs ? 0.5f : 0.02f, 1e-4f);
    // A takeoff start: engine at idle on the ground, pitch at rest.
    msc.typestart = 900;
    set_fltvars(4, 0);
    EXPECT_NEAR(flt.the, pln.the_eqlbm, 1e-3);
    EXPECT_NEAR(flt.z, pln.h_eqlbm, 1.0);
    EXPECT_EQ(flt.eng_running[0], 1);
    // At rest the path angles are zero, not the NaN of 0/0.
    EXPECT_EQ(flt.vpath, 0.0f);
}

TEST_F(StepTest, StandsStillOnTheRunwayWithBrakesSet)
{
    stand_on_runway();
    double x0 = flt.x, y0 = flt.y;
    float max_vz = 0.0f;
    for (int s = 0; s < 200; s++) {
        frames(0.05f);
        if (s >= 60)
            max_vz = fmaxf(max_vz, fabsf((float)flt.vz));
    }
    double moved = sqrt((flt.x - x0) * (flt.x - x0) + (flt.y - y0) * (flt.y - y0));
    EXPECT_LT(moved, 0.01);
    EXPECT_LT(max_vz, 0.001f);
    float rest = pln.the_eqlbm > 180.0f ? pln.the_eqlbm - 360.0f : pln.the_eqlbm;
    EXPECT_NEAR(flt.the180, rest, 0.5f);
    EXPECT_EQ(flight_watchdog_trips, 0);
}

TEST_F(StepTest, EmptyAirGivesAParabola)
{
    load("Trainer.acf", 5000.0f);
    set.cus_z = 5000.0f; set.cus_v = 50.0f; set.cus_psi = 45.0f;
    set_fltvars(8, 0);
    for (int e = 0; e < 2; e++)
        flt.throt[e] = flt.throtrequest[e] = flt.power[e] = flt.thrust[e] = 0.0f;
    pln.entype = 0;
    for (auto &row : atm.hr)
        row[1] = 0.0f;   // no air at any height
    double vx0 = flt.vx, vy0 = flt.vy, z0 = flt.z, vz0 = flt.vz;
    float t = 0.0f;
    for (int s = 0; s < 40; s++) {
        frames(0.05f);
        t += 0.05f;
        ASSERT_NEAR(flt.az, -atm.g, 1e-3f) << s;
        ASSERT_NEAR(flt.ax, 0.0f, 0.01f) << s;
        ASSERT_NEAR(flt.ay, 0.0f, 0.01f) << s;
    }
    // No horizontal drift at all: the first step once used the dynamic
    // pressure of the air before it was emptied and dragged the gear.
    EXPECT_NEAR(flt.vx, vx0, 1e-5);
    EXPECT_NEAR(flt.vy, vy0, 1e-5);
    EXPECT_NEAR(flt.vz, vz0 - atm.g * t, 1e-3);
    // The semi-implicit step: z lags the exact parabola by g t dt / 2 at most.
    EXPECT_NEAR(flt.z, z0 + vz0 * t - 0.5 * atm.g * t * t, atm.g * t * 0.025 + 1e-3);
}

TEST_F(StepTest, ThroughTheVerticalStaysFiniteAndContinuous)
{
    load("Trainer.acf", 3000.0f);
    set.cus_z = 3000.0f; set.cus_v = 70.0f;
    set_fltvars(8, 0);
    // Pull through a loop at a fixed pitch rate and watch the nose direction.
    float prev[3] = {0, 0, 0};
    int have = 0, flipped = 0;
    for (int s = 0; s < 400; s++) {
        flt.Q = 60.0f;           // held by hand: the elevator is not the point
        flt.Qdot = 0.0f;
        frames(0.05f);
        ASSERT_EQ(flight_watchdog_trips, 0) << s;
        ASSERT_TRUE(std::isfinite(flt.the) && std::isfinite(flt.psi) && std::isfinite(flt.phi)) << s;
        ASSERT_TRUE(flt.the >= 0.0f && flt.the < 360.0f && flt.psi >= 0.0f && flt.psi < 360.0f);
        float F[3] = {flt.sinpsi * flt.costhe, flt.cospsi * flt.costhe, flt.sinthe};
        if (have) {
            float dot = F[0] * prev[0] + F[1] * prev[1] + F[2] * prev[2];
            EXPECT_GT(dot, 0.9f) << s;   // a few degrees per frame, no jump
        }
        if (fabsf(flt.phi180) > 170.0f)
            flipped = 1;
        memcpy(prev, F, sizeof F);
        have = 1;
    }
    EXPECT_TRUE(flipped);   // past the vertical the bank reads 180
}

TEST_F(StepTest, AttitudeWrapsAtAnyRate)
{
    load("Trainer.acf", 3000.0f);
    set.cus_z = 3000.0f; set.cus_v = 70.0f;
    set_fltvars(8, 0);
    flt.P = 20000.0f;   // many turns in one step
    msc.prd = 0.025f;
    integ_v();
    integ_x();
    EXPECT_GE(flt.phi, 0.0f);
    EXPECT_LT(flt.phi, 360.0f);
}

TEST_F(StepTest, WatchdogRestoresTheLastSoundState)
{
    load("Trainer.acf", 3000.0f);
    set.cus_z = 3000.0f; set.cus_v = 60.0f;
    set_fltvars(8, 0);
    frames(0.1f);
    double x = flt.x;
    flt.Q = INFINITY;   // a rate gone wild: the attitude turns NaN
    frames(0.05f);
    EXPECT_EQ(flight_watchdog_trips, 1);
    EXPECT_EQ(flt.x, x);
    flt.Q = INFINITY;
    frames(0.05f);
    EXPECT_EQ(flight_watchdog_trips, 2);   // counted, logged only once
}

TEST_F(StepTest, FlapsMoveOneIndexPerEventUpdate)
{
    load("Trainer.acf", 3000.0f);
    set_fltvars(8, 0);
    flt.flaprequest = 30;
    int events = 0;
    while (flt.flap < 30 && events < 100) {
        mod_evt();
        events++;
    }
    EXPECT_EQ(events, 30);
}

TEST_F(StepTest, GroundEffectOnlyForSurfacesThatExist)
{
    load("Trainer.acf", 0.0f);
    set_fltvars(8, 0);
    env.localh = 0.0f;
    flt.the = 0.0f; flt.sinthe = 0.0f; flt.costhe = 1.0f;
    pln.foileq[2] = 1; pln.semiB[2] = 8.0f; pln.AR[2] = 8.0f; pln.zarm[2][8] = 0.0f;
    pln.foileq[3] = 0;   // no second wing: its factors stay 1
    flt.CDIgrndeffect[3] = flt.CLgrndeffect[3] = 1.0f;
    flt.h = 1.0f;        // hb = 1 / 8 = 0.125
    msc.cntr10 = 5;
    mod_evt();
    EXPECT_NEAR(flt.CDIgrndeffect[2], 0.5f, 1e-4f);
    EXPECT_NEAR(flt.CLgrndeffect[2], 1.0f + 3.0f * (powf(513.0f, 0.04f) - 1.0f) / 8.0f, 1e-4f);
    EXPECT_EQ(flt.CDIgrndeffect[3], 1.0f);
    EXPECT_EQ(flt.CLgrndeffect[3], 1.0f);
}

TEST_F(StepTest, BackwardsOverTheGroundIsACourseWrap)
{
    flt.psi = 10.0f;
    flt.hpath = 350.0f;
    EXPECT_FALSE(crs_wrapped());
    flt.hpath = 200.0f;   // a tailwind stronger than the airspeed
    EXPECT_TRUE(crs_wrapped());
}

}   // namespace
