// The autopilot flying the shipped aircraft in calm air: altitude hold,
// heading select and a commanded climb within the pilot's tolerances; the
// helicopter's commands stay within their travel.
#include <cstdio>

#include "tests/controls/flying_fixture.h"

namespace {

struct Figures {
    float alt_dev_ft = 0, hdg_dev_deg = 0, vs_dev_fpm = 0, vind_min = 1e9f, vind_max = 0;
};

class AutopilotFlight : public FlyingTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(AutopilotFlight, HoldsAltitudeHeadingAndClimb)
{
    const char *name = GetParam();
    start_in_air(name, 1500.0f, 0.0f, 90.0f, 0.6f);
    float v = 1.6f * msc.est_Vs;
    set.cus_v = v;
    set_fltvars(8, 0);
    env.localh = 0.0f;
    for (int e = 0; e < 2; e++)
        flt.throtrequest[e] = 0.6f;
    ott.VVHOLD = 1;   // level off first, then hold the altitude reached
    ott.vvhold = 0.0f;
    ott.HDSLCT = 1;
    nav.obs[1] = 120.0f;
    ott.ASHOLD = 1;
    ott.as_hold = v * con.msctokts;
    Figures f;
    for (int i = 0; i < 60 * 20; i++)   // a minute to settle and turn
        frame();
    ott.VVHOLD = 0;
    ott.ALHOLD = 1;
    ott.alhold = flt.h;
    float target_ft = alt_ft();
    for (int i = 0; i < 300 * 20; i++) {
        frame();
        f.alt_dev_ft = fmaxf(f.alt_dev_ft, fabsf(alt_ft() - target_ft));
        f.hdg_dev_deg = fmaxf(f.hdg_dev_deg, fabsf(heading_err(120.0f)));
        f.vind_min = fminf(f.vind_min, flt.vind);
        f.vind_max = fmaxf(f.vind_max, flt.vind);
    }
    ott.ALHOLD = 0;
    ott.VVHOLD = 1;
    ott.vvhold = 500.0f / con.msctofpm;
    for (int i = 0; i < 30 * 20; i++)
        frame();
    for (int i = 0; i < 60 * 20; i++) {
        frame();
        f.vs_dev_fpm = fmaxf(f.vs_dev_fpm, fabsf(vvi_fpm() - 500.0f));
    }
    printf("%s: alt dev %.1f ft, hdg dev %.2f deg, climb dev %.0f fpm, vind %.1f..%.1f kt\n", name, f.alt_dev_ft,
           f.hdg_dev_deg, f.vs_dev_fpm, f.vind_min, f.vind_max);
    EXPECT_LE(f.alt_dev_ft, 30.0f);
    EXPECT_LE(f.hdg_dev_deg, 2.0f);
    EXPECT_LE(f.vs_dev_fpm, 100.0f);
}

INSTANTIATE_TEST_SUITE_P(Shipped, AutopilotFlight,
                         ::testing::Values("Trainer.acf", "Twin.acf", "Jet.acf", "Seaplane.acf"),
                         [](const auto &info) {
                             std::string s = info.param;
                             return s.substr(0, s.find('.'));
                         });

// The helicopter on heading and altitude hold: every command and surface
// stays finite and inside its travel, frame after frame, whatever the
// airframe does.
TEST_F(FlyingTest, HelicopterCommandsStayWithinTheirTravel)
{
    start_in_air("Helicopter.acf", 1500.0f, 0.0f, 90.0f, 0.5f);
    set.cus_v = 1.6f * msc.est_Vs;
    set_fltvars(8, 0);
    env.localh = 0.0f;
    ott.HDSLCT = 1;
    nav.obs[1] = 120.0f;
    ott.ALHOLD = 1;
    ott.alhold = flt.h;
    float lo = fminf(pln.minpitch[1], pln.maxpitch[1]), hi = fmaxf(pln.minpitch[1], pln.maxpitch[1]);
    for (int i = 0; i < 60 * 20; i++) {
        frame();
        ASSERT_TRUE(std::isfinite(set.CTptch) && std::isfinite(set.CTroll) && std::isfinite(set.CThdng)) << i;
        ASSERT_LE(fabsf(set.CTptch), 1.0f);
        ASSERT_LE(fabsf(set.CTroll), 1.0f);
        ASSERT_LE(fabsf(set.CThdng), 1.0f);
        ASSERT_LE(fabsf(flt.trim), pln.hstbtrimmax + 1e-6f);
        ASSERT_LE(fabsf(flt.elevcyclic), fabsf(pln.elevcyclic) + 1e-4f);
        ASSERT_LE(fabsf(flt.ailncyclic), fabsf(pln.ailncyclic) + 1e-4f);
        ASSERT_TRUE(flt.proppitch[1] >= lo - 1e-4f && flt.proppitch[1] <= hi + 1e-4f) << flt.proppitch[1];
    }
    EXPECT_EQ(flight_watchdog_trips, 0);
}

} // namespace
