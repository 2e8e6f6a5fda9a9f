// The trainer on the real autopilot through the batch runner's hold
// commands: altitude and a new heading held for two minutes after the
// capture, and a 500 ft/min climb on vertical-speed hold with the
// auto-throttle working the throttle until the release.
#include "tests/batch/batch_fixture.h"

namespace {

class AutopilotTest : public BatchTest {
  protected:
    static float alt_ft() { return flt.h * con.mtrstoft; }
    static float vvi_fpm() { return flt.vz * con.msctofpm; }
    static float heading_error(float want) { return fltwrap(flt.psi - want, -180.0f, 180.0f); }
};

TEST_F(AutopilotTest, TrainerHoldsAltitudeAndTurnsToAndHoldsAHeading)
{
    fly_from_air("Trainer.acf", 5000.0f, 100.0f);
    ASSERT_TRUE(batch_trim(0));
    batch_hold(BH_ALTITUDE, 5000.0f);
    batch_hold(BH_HEADING, 120.0f);   // a 30 degree turn to the right
    float capture_s = -1.0f;
    while (batch_time() < 60.0 && capture_s < 0.0f) {
        batch_frame();
        if (fabsf(heading_error(120.0f)) < 2.0f && fabsf(alt_ft() - 5000.0f) < 30.0f)
            capture_s = (float)batch_time();
    }
    ASSERT_GE(capture_s, 0.0f) << "no capture within a minute";
    float worst_ft = 0.0f, worst_deg = 0.0f;
    for (double end = batch_time() + 120.0; batch_time() < end;) {
        batch_frame();
        worst_ft = fmaxf(worst_ft, fabsf(alt_ft() - 5000.0f));
        worst_deg = fmaxf(worst_deg, fabsf(heading_error(120.0f)));
    }
    EXPECT_LE(worst_ft, 30.0f);
    EXPECT_LE(worst_deg, 2.0f);
    EXPECT_EQ(batch_crashes(), 0);
    EXPECT_EQ(flight_watchdog_trips, 0);
}

TEST_F(AutopilotTest, TrainerClimbsAtTheHeldRateOnTheAutoThrottle)
{
    fly_from_air("Trainer.acf", 3000.0f, 90.0f);
    ASSERT_TRUE(batch_trim(0));
    batch_hold(BH_SPEED, 90.0f);
    batch_hold(BH_VS, 500.0f);
    batch_hold(BH_HEADING, 90.0f);
    frames(30.0f);   // the capture
    float worst_fpm = 0.0f, worst_kt = 0.0f, max_step = 0.0f, last = flt.throtrequest[0];
    for (double end = batch_time() + 60.0; batch_time() < end;) {
        batch_frame();
        worst_fpm = fmaxf(worst_fpm, fabsf(vvi_fpm() - 500.0f));
        worst_kt = fmaxf(worst_kt, fabsf(flt.vind - 90.0f));
        max_step = fmaxf(max_step, fabsf(flt.throtrequest[0] - last));
        last = flt.throtrequest[0];
    }
    EXPECT_LE(worst_fpm, 100.0f);
    // The auto-throttle is proportional: it settles a few knots slow.
    EXPECT_LE(worst_kt, 6.0f);
    EXPECT_LE(max_step, 0.01f + 1e-6f);
    EXPECT_GT(last, 0.5f);   // climbing takes more than the level-flight power
    // Released, the modes are off and the throttle stays where it was left.
    batch_release();
    batch_frame();
    EXPECT_FALSE(ott.ALHOLD || ott.VVHOLD || ott.ASHOLD || ott.HDSLCT);
    EXPECT_EQ(flt.throtrequest[0], last);
    EXPECT_EQ(bst.ctl[BC_THROTTLE], last);
}

// The hold commands from a scenario reach the autopilot at their time.
TEST_F(AutopilotTest, TimedHoldAndReleaseRunAtTheirTime)
{
    static BatchScript s;
    auto execute = [](std::initializer_list<const char *> lines) {
        char why[MAX_STR];
        s.n = 0;
        for (const char *l : lines) {
            int k = s.n++;
            EXPECT_EQ(batch_parse_line(l, k + 1, &s.cmd[k], why), 1) << l << ": " << why;
        }
        FILE *out = fopen("/dev/null", "w");
        EXPECT_EQ(batch_execute(&s, "s.txt", out, stderr), 0);
        fclose(out);
    };
    execute({"aircraft Aircraft/Trainer.acf", "start air 34 -118.3 4000 100 90", "trim",
             "at 1 hold altitude 4100", "run 0.9"});
    EXPECT_FALSE(ott.ALHOLD);
    execute({"at 1 hold altitude 4100", "run 1"});   // the clock goes on: now 1.9 s
    EXPECT_TRUE(ott.ALHOLD);
    EXPECT_NEAR(ott.alhold * con.mtrstoft, 4100.0f, 0.1f);
    execute({"at 2.5 release", "run 1"});
    EXPECT_FALSE(ott.ALHOLD);
}

}   // namespace
