// The autopilot's laws on hand-set flight states: authority against speed,
// auto-throttle slew, the vertical modes' trim and integral, the glide
// slope's receiver, and the lateral modes' bank and course.
#include "tests/controls/controls_fixture.h"

namespace {

TEST_F(ControlTest, GainFallsToATenthAtVneAndStaysThere)
{
    EXPECT_FLOAT_EQ(autopilot_gain(50.0f), 1.0f);    // stall speed
    EXPECT_FLOAT_EQ(autopilot_gain(20.0f), 1.0f);    // below: held at full
    EXPECT_FLOAT_EQ(autopilot_gain(100.0f), 0.36f);  // (1 - 0.8 / 2)^2
    EXPECT_FLOAT_EQ(autopilot_gain(150.0f), 0.1f);   // 0.04 held at 0.1
    // Past Vne the line turns negative and its square would climb back to
    // full authority at twice Vne; the gain stays at its floor instead.
    float prev = 1.0f;
    for (float v = 60.0f; v < 600.0f; v += 10.0f) {
        float g = autopilot_gain(v);
        EXPECT_LE(g, prev + 1e-6f) << v;
        prev = g;
    }
    EXPECT_FLOAT_EQ(autopilot_gain(300.0f), 0.1f);
    pln.Vne = 0.0f;   // an aircraft without a Vne: no division by zero
    EXPECT_TRUE(std::isfinite(autopilot_gain(80.0f)));
}

TEST_F(ControlTest, AutoThrottleSlewsAHundredthPerFrame)
{
    ott.ASHOLD = 1;
    ott.as_hold = 100.0f;
    flt.throtrequest[0] = 0.3f;   // engages from the lever's position
    flt.vind = 60.0f;             // far too slow: wants full
    float prev = 0.3f;
    for (int f = 0; f < 100; f++) {
        stick(0, 0);
        EXPECT_LE(fabsf(set.CTthro - prev), 0.01f + 1e-6f) << f;
        prev = set.CTthro;
    }
    EXPECT_NEAR(set.CTthro, 1.0f, 1e-5f);
    flt.vind = 200.0f;   // far too fast, from the stop down at once
    stick(0, 0);
    EXPECT_NEAR(set.CTthro, 0.99f, 1e-5f);
    // Above 18000 ft it holds the Mach number taken below.
    flt.vind = 100.0f;
    flt.machno[FLT_ROW_FUSE] = 0.5f;
    stick(0, 0);
    EXPECT_FLOAT_EQ(ott.mn_hold, 0.5f);
    flt.z = 20000.0f * con.fttomtrs;
    flt.machno[FLT_ROW_FUSE] = 0.6f;   // 0.1 too fast: idle wanted
    for (int f = 0; f < 30; f++)
        stick(0, 0);
    EXPECT_EQ(ott.mn_hold, 0.5f);
    EXPECT_LT(set.CTthro, 0.7f);
}

TEST_F(ControlTest, VerticalModeTrimIsFiniteAtAStandstill)
{
    ott.ALHOLD = 1;
    ott.alhold = 500.0f;
    flt.h = 400.0f;
    flt.v = 0.0f;
    flt.vu = 0.0f;
    flt.vind = 0.0f;
    for (int f = 0; f < 10; f++)
        stick(0, 0);
    EXPECT_TRUE(std::isfinite(flt.trim));
    EXPECT_TRUE(std::isfinite(set.CTptch));
    EXPECT_LE(fabsf(flt.trim), pln.hstbtrimmax);
    // Zero speed and zero climb error: 0/0 before the guard.
    flt.h = 500.0f;
    stick(0, 0);
    EXPECT_TRUE(std::isfinite(flt.trim));
}

TEST_F(ControlTest, VerticalModeIntegratesAndUnwindsAtTheStop)
{
    ott.VVHOLD = 1;
    ott.vvhold = 2.5f;   // m/s up
    flt.v = 50.0f;
    flt.vind = 100.0f;
    flt.vu = 0.0f;
    flt.trim = 0.1f;
    stick(0, 0);
    float first = flt.trim;
    EXPECT_GT(first, 0.1f);   // nose up from the trim at engagement
    for (int f = 0; f < 20; f++)
        stick(0, 0);
    EXPECT_GT(flt.trim, first);   // the integral keeps pulling
    for (int f = 0; f < 2000; f++)
        stick(0, 0);
    EXPECT_NEAR(flt.trim, pln.hstbtrimmax, 0.02f);   // at the stop...
    flt.vu = 2.5f;   // ...the climb arrives; the wound-down integral lets go
    flt.the180 = 3.0f;
    int frames = 0;
    while (flt.trim > 0.9f * pln.hstbtrimmax && frames < 200) {
        stick(0, 0);
        frames++;
    }
    EXPECT_LT(frames, 200);
    // Disengaging and engaging again restarts the integral from this trim.
    ott.VVHOLD = 0;
    stick(0, 0);
    ott.ALHOLD = 1;
    ott.alhold = flt.h;
    flt.vu = 0.0f;
    flt.Q = 0.0f;
    flt.the180 = 0.0f;
    float before = flt.trim;
    stick(0, 0);
    EXPECT_NEAR(flt.trim, before, 0.01f);
}

TEST_F(ControlTest, GlideSlopeOnlyFromAnIlsReceiver)
{
    ott.GS2 = 1;
    flt.v = 60.0f;
    flt.vu = 0.0f;
    flt.vind = 110.0f;
    nav.ntf[1] = 1;
    nav.ilsgs[1] = 9;   // tuned to a VOR: no glide path, hold level
    for (int f = 0; f < 20; f++)
        stick(0, 0);
    EXPECT_NEAR(flt.trim, 0.0f, 1e-4f);
    ott.GS2 = 0;
    stick(0, 0);
    ott.GS2 = 1;
    nav.ilsgs[1] = 3;   // an ILS: down the 3 deg path, nose down
    for (int f = 0; f < 20; f++)
        stick(0, 0);
    EXPECT_LT(flt.trim, -0.001f);
}

// The glide-slope needle bends the path: steeper above the slope, level
// (never a climb) far below it.
TEST_F(ControlTest, GlideSlopeModeSteersBackToTheSlope)
{
    flt.v = 60.0f;
    flt.vind = 110.0f;
    nav.ntf[1] = 1;
    nav.ilsgs[1] = 3;
    auto trim_after = [this](float delvert) {
        ott.GS2 = 0;
        flt.trim = 0.0f;
        stick(0, 0);   // disengaged: the next engagement starts afresh
        ott.GS2 = 1;
        ott.delvert = delvert;
        for (int f = 0; f < 20; f++)
            stick(0, 0);
        return flt.trim;
    };
    float on = trim_after(0.0f), above = trim_after(1.0f), below = trim_after(-5.0f);
    EXPECT_LT(above, on - 0.001f);
    EXPECT_NEAR(below, 0.0f, 1e-4f);
    EXPECT_NEAR(trim_after(-1.0f), 0.0f, 1e-4f);   // 3 - 3 x 1: level, just
}

TEST_F(ControlTest, HeadingSelectBanksTowardTheBugAtMostThirtyDegrees)
{
    ott.HDSLCT = 1;
    env.mvar = 10;
    nav.obs[1] = 80.0f;   // magnetic: 90 true
    flt.vind = 100.0f;
    flt.psi = 350.0f;     // 100 deg to the right, across north
    stick(0, 0);
    float g = autopilot_gain(100.0f);
    EXPECT_NEAR(set.CTroll, 30.0f * 0.05f * g, 1e-5f);
    flt.psi = 100.0f;     // 10 deg to the left
    flt.phi180 = -10.0f;  // already banked that much: no roll command
    stick(0, 0);
    EXPECT_NEAR(set.CTroll, 0.0f, 1e-5f);
    flt.Beta = 2.0f;      // sideslip to the right: rudder against it
    stick(0, 0);
    EXPECT_LT(set.CThdng, 0.0f);
}

TEST_F(ControlTest, NavModeFollowsVorRadialLocalizerOrGps)
{
    ott.NAV[1] = 1;
    flt.vind = 100.0f;
    flt.psi = 0.0f;
    nav.ilsgs[1] = 9;
    nav.obs[1] = 20.0f;   // VOR radial, plus the variation
    env.mvar = -5;
    stick(0, 0);
    EXPECT_NEAR(set.CTroll, 15.0f * 0.05f * autopilot_gain(100.0f), 1e-5f);
    nav.ilsgs[1] = 3;
    nav.ilscrs[1] = -10.0f;   // localizer course, true
    ott.delhorz = 0.25f;      // needle: 0.25 x 800 / 100 kt = 2 deg more
    stick(0, 0);
    EXPECT_NEAR(set.CTroll, -8.0f * 0.05f * autopilot_gain(100.0f), 1e-5f);
    ott.NAV[1] = 0;
    ott.NAV[0] = 1;
    pln.layouttype = 2;   // a GPS panel: NAV 1 follows the GPS course
    nav.gps_lock_crs = 12.0f;
    ott.delhorz = 0.0f;
    stick(0, 0);
    EXPECT_NEAR(set.CTroll, 12.0f * 0.05f * autopilot_gain(100.0f), 1e-5f);
}

} // namespace
