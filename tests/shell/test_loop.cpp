// The frame loop: what a pass does and skips, the frame counter, the event
// period and the time-step adaption against a fake clock.
#include "sim_fixture.h"

#include <cstring>

#include "files/files.h"
#include "flight/flight.h"

TEST_F(SimTest, TenFramesInOneSecondDoubleTheRatioAndHitTheCap)
{
    start();
    scn.belowbases = 1;
    test_set_clock_ms(2000);   // a second after the loop began
    passes(10);
    EXPECT_EQ(msc.cntr, 10);
    EXPECT_FLOAT_EQ(msc.rtrat, 2.0f);
    EXPECT_FLOAT_EQ(msc.prd, 0.07f);
}

TEST_F(SimTest, AFastMachineShrinksTheStepGently)
{
    start();
    test_set_clock_ms(1250);
    passes(10);
    EXPECT_FLOAT_EQ(msc.rtrat, 0.5f);
    EXPECT_NEAR(msc.prd, 0.043528f, 1e-6f);
}

TEST_F(SimTest, AboveTheCloudsTheStepIsNotCapped)
{
    start();
    // An overcast well below the aircraft: the view finds it above the tops.
    atm.clear = 0;
    atm.baseMSL = (float)flt.z - 900.0f;
    atm.topsMSL = (float)flt.z - 300.0f;
    test_set_clock_ms(2000);
    passes(10);
    EXPECT_NEAR(msc.prd, 0.05f * sqrtf(2.0f), 1e-6f);
}

TEST_F(SimTest, AClickDuringTheMeasurementMakesItANoOp)
{
    start();
    passes(3);
    test_click(400, 300);   // the main window's panel
    passes(7);
    EXPECT_EQ(msc.cntr, 10);
    EXPECT_FLOAT_EQ(msc.prd, 0.05f);
    EXPECT_FLOAT_EQ(msc.rtrat, 1.0f);
    EXPECT_EQ(msc.event, 0);   // cleared by the skipped measurement
    EXPECT_EQ(mnw.dragging_index, 0);
}

TEST_F(SimTest, SlowMachineWarnsOnceWhileTheVisibilityFalls)
{
    start();
    atm.clear = 1;
    float vis_m = 20.0f * con.nmtomtrs;
    atm.vis = vis_m;
    int64_t now = 1000;
    for (int k = 0; k < 15; k++) {
        now += 2000;   // ten frames take two seconds
        test_set_clock_ms(now);
        adapt_time_step();
        EXPECT_FLOAT_EQ(msc.prd, 0.07f);
    }
    // measurements 11..15 are beyond ten in a row
    EXPECT_NEAR(atm.vis, vis_m * powf(0.95f, 5), 1e-2f);
    EXPECT_EQ(alerts_starting("Warning: The simulator is running too slow for smooth animation and accurate flight dynamics."), 1);
}

TEST_F(SimTest, NoWarningWhenDisabledButTheVisibilityStillFalls)
{
    start();
    int alerts_at_start = test_alert_count();
    msc.warn_frame = 0;
    scn.belowbases = 1;
    atm.vis = 5.2f * con.nmtomtrs;
    int64_t now = 1000;
    for (int k = 0; k < 14; k++) {
        now += 2000;
        test_set_clock_ms(now);
        adapt_time_step();
    }
    EXPECT_EQ(test_alert_count(), alerts_at_start);
    // one 5 % step took it below 5 nm, and there it stays
    EXPECT_NEAR(atm.vis * con.mtrstonm, 5.2f * 0.95f, 1e-3f);
}

TEST_F(SimTest, AFastMeasurementResetsTheSlowCount)
{
    start();
    atm.clear = 1;
    atm.vis = 30.0f * con.nmtomtrs;
    int64_t now = 1000;
    for (int k = 0; k < 20; k++) {
        now += k == 9 ? 300 : 2000;   // the tenth measurement is fast
        test_set_clock_ms(now);
        adapt_time_step();
    }
    // ten slow after the fast one reach the limit only at the 20th: 0 steps
    EXPECT_NEAR(atm.vis, 30.0f * con.nmtomtrs, 1e-2f);
}

TEST_F(SimTest, EventPeriodBecomesTwoFramesAtFiftyMilliseconds)
{
    start();
    msc.event = 1;   // keep the measurement at frame 10 from changing prd
    passes(11);
    EXPECT_EQ(msc.cntr10, 0);
    EXPECT_EQ(msc.evup, 2);
    passes(2);
    EXPECT_EQ(msc.cntr10, 1);   // one period in two frames
}

TEST_F(SimTest, FrameCounterWrapsAndTheClockAdvancesBySteps)
{
    start();
    msc.cntr = 30000;
    msc.tottime = 0.0f;
    passes(1);
    EXPECT_EQ(msc.cntr, 0);
    EXPECT_FLOAT_EQ(msc.tottime, 0.05f);
}

TEST_F(SimTest, PausedOrWithASubWindowOpenTheAircraftIsFrozen)
{
    start();
    msc.paused = 1;
    passes(3);
    EXPECT_EQ(msc.cntr, 0);
    msc.paused = 0;
    MACIBM_startwind(1, 1);
    passes(3);
    EXPECT_EQ(msc.cntr, 0);
    EXPECT_EQ(winsup(), 1);
    test_close_window(1);
    passes(1);
    EXPECT_EQ(winsup(), 0);
    EXPECT_EQ(msc.cntr, 1);
}

TEST_F(SimTest, HeldButtonIsTimedAndClicksInSubWindowsGoToThem)
{
    start();
    MACIBM_startwind(1, 1);
    int x, y, w, h;
    ASSERT_TRUE(test_window_outer(1, &x, &y, &w, &h));
    test_mouse_down(x + 10, y + 40 + MENU_BAR_H, 1);
    passes(3);
    EXPECT_EQ(set.dragging, 1);
    EXPECT_EQ(mnw.dragging_index, 1);
    EXPECT_EQ(msc.mx, 7);
    EXPECT_EQ(msc.my, 17);
    EXPECT_NEAR(set.dragtime, 3 * 0.05f, 1e-6f);
    test_mouse_up(x + 10, y + 40 + MENU_BAR_H, 1);
    passes(1);
    EXPECT_EQ(set.dragging, 0);
}

TEST_F(SimTest, ChoosingAViewChecksItAndResetsTheZoom)
{
    start();
    test_menu_choice(617);
    passes(1);
    EXPECT_NEAR(con.zom_pp45, 1200.0f, 1e-3f);
    test_menu_choice(615);
    passes(1);
    EXPECT_EQ(set.viewtype, 615);
    EXPECT_NEAR(con.zom_pp45, 600.0f, 1e-3f);
    EXPECT_EQ(con.gwor_y_size, 568);
}

TEST_F(SimTest, AlternateEnvironmentCancelledKeepsTheRegion)
{
    start();
    passes(3);   // the first frames page the region round the start runway
    int lat = env.lat_south, lon = env.lon_west;
    test_answer_file_dialog(nullptr);
    test_menu_choice(701);
    passes(1);
    EXPECT_EQ(alerts_starting("File-selection failed or cancelled."), 1);
    EXPECT_EQ(env.lat_south, lat);
    EXPECT_EQ(env.lon_west, lon);
}

TEST_F(SimTest, TheFirstFramesShowTheViewOutOfTheFrontWindow)
{
    start();
    passes(2);
    EXPECT_EQ(set.viewtype, 601);
    EXPECT_EQ(con.gwor_x_size, 800);
    EXPECT_EQ(con.gwor_y_size, 235);
    // The factory start at dusk under the overcast: cloud above the
    // horizon, the runway's pavement below it.
    EXPECT_EQ(test_window_pixel(0, 400, 40), 63);
    int pavement = 0;
    for (int x = 0; x < 800; x++)
        pavement += test_window_pixel(0, x, 220) % 18 == 82 % 18;
    EXPECT_GT(pavement, 400);
}

TEST_F(SimTest, AShipStartWithNoShipNearbyKeepsTheFlight)
{
    start();
    passes(2);
    memset(boat_on_poly, 0, sizeof boat_on_poly);
    memset(carr_on_poly, 0, sizeof carr_on_poly);
    const double x = flt.x, y = flt.y;
    for (int item : {317, 318, 319}) {
        test_menu_choice(item);
        passes(1);   // the program must not end here
    }
    EXPECT_EQ(alerts_starting("I can't find any ships in the area!"), 3);
    EXPECT_NEAR(flt.x, x, 50.0);
    EXPECT_NEAR(flt.y, y, 50.0);
}
