// A coupled ILS approach through the batch runner: the trainer on the
// final of San Francisco 28R, both receivers on its localizer, the
// autopilot on NAV 2 and the glide slope with the auto-throttle, down to
// 200 ft above the ground; and the radio commands' scenario lines.
#include "tests/batch/batch_fixture.h"

#include <vector>

namespace {

// One dot of the course needles: a fifth of full scale, 5 degrees of
// localizer and 2 of glide slope.
constexpr float LOC_DOT_DEG = 1.0f, GS_DOT_DEG = 0.4f;

struct Beep {
    int kind, marker;
};
std::vector<Beep> beeps;
void record_beep(int kind) { beeps.push_back({kind, nav.marker}); }

TEST_F(BatchTest, CoupledIlsApproachFollowsBothNeedlesPastTheMarkers)
{
    char why[MAX_STR];
    ASSERT_TRUE(batch_load_aircraft("Aircraft/Trainer.acf", why)) << why;
    ASSERT_TRUE(batch_start_airport("SFO", "28R", 1100, why)) << why;
    FlightCallbacks fc = flight_calls;
    fc.beepme = record_beep;
    set_flight_callbacks(&fc);
    beeps.clear();
    batch_tune(BT_NAV1, 111.70f);
    batch_tune(BT_NAV2, 111.70f);
    batch_obs(0, 298.0f);
    ASSERT_EQ(nav.goodnav[1], 1);
    EXPECT_EQ(nav.ilsgs[1], 3);
    EXPECT_EQ(nav.ilscrs[1], 298.0f);
    batch_hold(BH_NAV2, 0.0f);
    batch_hold(BH_GLIDESLOPE, 0.0f);
    batch_hold(BH_SPEED, 75.0f);
    float worst_loc = 0.0f, worst_gs = 0.0f, agl_ft = 1e9f;
    std::vector<int> lamps;   // beacons in the order their lamps lit
    while (batch_time() < 600.0 && agl_ft > 200.0f) {
        batch_frame();
        agl_ft = (float)(flt.z - env.localh) * con.mtrstoft;
        ASSERT_EQ(nav.ntf[1], NTF_TO) << batch_time();
        worst_loc = fmaxf(worst_loc, fabsf(nav.hdef[1]));
        worst_gs = fmaxf(worst_gs, fabsf(nav.vdef[1]));
        if (nav.marker_lit && (lamps.empty() || lamps.back() != nav.marker))
            lamps.push_back(nav.marker);
    }
    set_flight_callbacks(nullptr);
    EXPECT_LE(agl_ft, 200.0f) << "still high after " << batch_time() << " s";
    EXPECT_LE(worst_loc, LOC_DOT_DEG);
    EXPECT_LE(worst_gs, GS_DOT_DEG);
    EXPECT_NEAR(flt.vind, 75.0f, 6.0f);
    EXPECT_EQ(batch_crashes(), 0);
    EXPECT_EQ(lamps, (std::vector<int>{NAV_OM, NAV_MM}));
    // The outer marker's dashes, then the middle's dots and dashes.
    ASSERT_FALSE(beeps.empty());
    size_t k = 0;
    for (; k < beeps.size() && beeps[k].marker == NAV_OM; k++)
        EXPECT_EQ(beeps[k].kind, BEEP_DASH);
    EXPECT_GT(k, 0u);
    int dots = 0, dashes = 0;
    for (; k < beeps.size(); k++) {
        EXPECT_EQ(beeps[k].marker, NAV_MM);
        (beeps[k].kind == BEEP_DOT ? dots : dashes)++;
    }
    EXPECT_GT(dots, 0);
    EXPECT_EQ(dots, dashes);
}

}   // namespace
