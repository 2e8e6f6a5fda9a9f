// What the instruments show: the gyros' errors, the compass's turning and
// acceleration errors, the lagged needles, the marker lamps, the DME, the
// GPS course, the engine dials, the status line and the flight timer.
#include "panel_fixture.h"

#include <cmath>

#include "panel/local.h"

TEST_F(PanelTest, GyrosShowTheTrueAttitudeUntilTheVacuumOrTheStartUpDisturbsThem)
{
    load("Aircraft/Trainer.acf");
    cruise();
    flt.the180 = 5.0f, flt.phi180 = -10.0f, flt.magpsi = 90.0f;
    ins.dg_drift = 3.0f;
    msc.tottime = 100.0f;
    update_gyro_errors();
    EXPECT_FLOAT_EQ(ins.the180, 5.0f);
    EXPECT_FLOAT_EQ(ins.phi180, -10.0f);
    EXPECT_FLOAT_EQ(ins.psimag, 93.0f);          // the drift of the heading indicator
    rel.dgy = 0;                                // a failed heading indicator stays put
    flt.magpsi = 120.0f;
    update_gyro_errors();
    EXPECT_FLOAT_EQ(ins.psimag, 93.0f);
    rel.dgy = 1;
    // A vacuum failure 90 s ago: half the way to the failure errors.
    rel.vac = 0, rel.vac_death_time = 10.0f, rel.the_fail_err = 8.0f, rel.phi_fail_err = -20.0f;
    update_gyro_errors();
    EXPECT_FLOAT_EQ(ins.the180, 5.0f + 4.0f);
    EXPECT_FLOAT_EQ(ins.phi180, -10.0f - 10.0f);
    msc.tottime = 1000.0f;                      // long after: the whole error
    update_gyro_errors();
    EXPECT_FLOAT_EQ(ins.the180, 13.0f);
    rel.vac = 1;
    // A piston engine just started on the ground: the gyros spin up.
    flt.onground = 1;
    msc.tottime = 1.0f;
    update_gyro_errors();
    EXPECT_NEAR(ins.the180, 5.0f + 0.75f * 10.0f * sinf(10.0f), 1e-4f);
    EXPECT_NEAR(ins.phi180, -10.0f + 0.75f * 10.0f * sinf(20.0f), 1e-4f);
    msc.tottime = 4.5f;
    update_gyro_errors();
    EXPECT_FLOAT_EQ(ins.the180, 5.0f);
}

TEST_F(PanelTest, CompassLagsAndLeansAsAMagneticCompassDoes)
{
    // Banked right on north the card shows a turn the other way (it lags);
    // on south it leads; speeding up on east shows a turn to the north, on
    // west too; level and steady it reads the heading.
    EXPECT_NEAR(compass_target(0.0f, 0.0f, 0.0f, 0.0f, 0.0f), 0.0f, 1e-4f);
    EXPECT_GT(degf_diff(compass_target(0.0f, 20.0f, 0.0f, 0.0f, 0.0f)), -20.0f);
    EXPECT_LT(degf_diff(compass_target(0.0f, 20.0f, 0.0f, 0.0f, 0.0f)), 0.0f);
    EXPECT_GT(compass_target(180.0f, 20.0f, 180.0f, 0.0f, 0.0f), 180.0f);
    EXPECT_LT(compass_target(90.0f, 0.0f, 90.0f, 2.0f, 0.0f), 90.0f);    // accelerating east
    EXPECT_GT(compass_target(270.0f, 0.0f, 270.0f, -2.0f, 0.0f), 270.0f); // accelerating west
    EXPECT_GT(compass_target(90.0f, 0.0f, 90.0f, -2.0f, 0.0f), 90.0f);   // slowing on east
    EXPECT_FLOAT_EQ(compass_target(NAN, 0.0f, 0.0f, 0.0f, 0.0f), 0.0f);
    // The card follows a change of heading with a lag of msc.prd a frame,
    // the short way round.
    load("Aircraft/Trainer.acf");
    cruise();
    flt.phi = 0.0f, flt.ax = flt.ay = 0.0f;
    flt.magpsi = 350.0f;
    settle(400);
    EXPECT_NEAR(compass_shown_deg(), 350.0f, 0.1f);
    flt.magpsi = 10.0f;
    updatepanel();
    EXPECT_NEAR(degf_diff(compass_shown_deg() - 350.0f), 1.0f, 0.01f);   // 20 deg x 0.05
}

TEST_F(PanelTest, VerticalSpeedAndTurnNeedlesLagAndStopAtTheirEnds)
{
    load("Aircraft/Trainer.acf");
    cruise();
    flt.vu = 0.0f, flt.R = 0.0f;
    settle();
    float per_fpm = ins.msctoVVI * con.fpmtomsc;
    flt.vu = 1000.0f * con.fpmtomsc;
    updatepanel();
    EXPECT_NEAR(vsi_shown_deg(), 1000.0f * per_fpm * 0.05f, 1e-3f);   // a frame moves msc.prd of the way
    flt.vu = 9000.0f * con.fpmtomsc;                                  // beyond the dial
    flt.R = -20.0f;                                                   // beyond the turn scale
    for (int k = 0; k < 300; k++)
        updatepanel();
    EXPECT_NEAR(vsi_shown_deg(), 160.0f, 0.01f);
    EXPECT_NEAR(tc_shown_deg(), -55.0f, 0.01f);
    flt.vu = NAN;                                                      // never a NaN on the dial
    updatepanel();
    EXPECT_TRUE(std::isfinite(vsi_shown_deg()));
}

// The lamps and the DME windows show what the receivers read: the lit
// beacon's lamp in its colour, the DME's figures or dashes.
TEST_F(PanelTest, MarkerLampsAndDmeShowWhatTheReceiversRead)
{
    load("Aircraft/Trainer.acf");
    cruise();
    settle(1);
    struct { int marker, lit, x, color; } LAMPS[] = {
        {NAV_OM, 1, 496, PC_BLUE}, {NAV_MM, 1, 512, PC_AMBER}, {NAV_IM, 1, 528, PC_WHITE},
        {NAV_OM, 0, 496, PC_GREY2}, {0, 1, 496, PC_GREY2},
    };
    for (auto &l : LAMPS) {
        nav.marker = l.marker, nav.marker_lit = l.lit;
        updatepanel();
        EXPECT_EQ(test_window_pixel(0, osrad + l.x - 4, 284), l.color) << l.marker << " " << l.lit;
    }
    // 12.3 nm at 140 kt, 5 minutes; then too slow for an estimate: only the
    // minutes window changes.
    nav.dme_ok = 1, nav.dme_nm = 12.34f, nav.dme_kt = 140.0f, nav.dme_min = 5.3f;
    updatepanel();
    uint64_t figures = region_hash(osrad + 495, 299, osrad + 560, 318);
    uint64_t minutes = region_hash(osrad + 565, 299, osrad + 596, 318);
    nav.dme_min = -1.0f;
    updatepanel();
    EXPECT_EQ(region_hash(osrad + 495, 299, osrad + 560, 318), figures);
    EXPECT_NE(region_hash(osrad + 565, 299, osrad + 596, 318), minutes);
    nav.dme_ok = 0;
    updatepanel();
    EXPECT_EQ(test_window_pixel(0, osrad + 500, 302 + 5), PC_RED);   // a dash in the distance window
    EXPECT_NE(test_window_pixel(0, osrad + 500, 302), PC_RED);
}

TEST_F(PanelTest, GpsCourseAndDistanceToTheWaypoint)
{
    env.lat_south = 34, env.lon_west = 118;
    planex[0][0] = planey[0][0] = 0.0f;
    flt.x = flt.y = 0.0;
    struct { float lat, lon, crs, dis_nm; } WAYPOINTS[] = {
        {35.0f, 118.0f, 0.0f, 60.0f},                                  // a degree north
        {34.0f, 117.0f, 90.0f, 60.0f * cosf(34.0f * 0.017453293f)},   // a degree east
        {33.5f, 118.0f, 180.0f, 30.0f},
    };
    for (auto &w : WAYPOINTS) {
        nav.gps_lat = w.lat, nav.gps_lon = w.lon;
        float crs, dis;
        get_gps_data(&crs, &dis);
        EXPECT_NEAR(crs, w.crs, 0.01f) << w.lat << " " << w.lon;
        EXPECT_NEAR(dis * con.mtrstonm, w.dis_nm, 0.01f) << w.lat << " " << w.lon;
    }
}

TEST_F(PanelTest, EngineDialsReadTheEngine)
{
    load("Aircraft/Twin.acf");
    cruise();
    atm.crtsig = 1.0f, atm.T = 288.15f;          // sea level, standard day
    flt.throt[0] = 1.0f;
    EXPECT_NEAR(engine_value(G_MP, 0), 29.92f * fminf(1.0f + pln.turboboost, 1.0f), 0.01f);
    flt.throt[0] = 0.0f;
    EXPECT_NEAR(engine_value(G_MP, 0), 29.92f * 0.3f, 0.01f);   // closed throttle
    flt.eng_running[0] = 0;
    EXPECT_NEAR(engine_value(G_MP, 0), 29.92f, 0.01f);          // stopped: the air outside
    EXPECT_NEAR(engine_value(G_EGT, 0), 59.0f, 0.1f);           // stopped: the air outside, deg F
    EXPECT_NEAR(engine_value(G_RPM, 1), 235.0f * con.rsctorpm, 0.1f);
    EXPECT_NEAR(engine_value(G_FF, 1), 40.0f / 6.0f, 0.01f);    // a piston's in gallons
    flt.Etq[1] = pln.pmax / pln.omegamax;
    EXPECT_NEAR(engine_value(G_TRQ, 1), 100.0f, 0.01f);
    flt.parteqlbmthrust[1] = 0.5f;
    EXPECT_FLOAT_EQ(engine_value(G_EPR, 1), 2.0f);
}

TEST_F(PanelTest, StatusLineRotatesItsMessagesAndTheTimerRunsOnlyWhenStarted)
{
    load("Aircraft/Trainer.acf");
    cruise();
    settle(1);
    EXPECT_STREQ(status_text(), pln.C_name);
    set.grfout = 1, msc.icebld = 1;
    std::string seen[3];
    for (int k = 0; k < 3; k++) {   // the rotation moves on the tenth event step
        msc.cntr10 = 10;
        updatepanel();
        seen[k] = status_text();
        msc.cntr10 = 3;
        updatepanel();
    }
    const std::string &a = seen[0], &b = seen[1], &c = seen[2];
    EXPECT_NE(a, b);
    EXPECT_EQ(a, c);
    EXPECT_TRUE(a == "graphics data saving" || a == "picking up ice!");
    EXPECT_TRUE(b == "graphics data saving" || b == "picking up ice!");

    msc.timer_value = 0.0f;
    updatepanel();
    EXPECT_FLOAT_EQ(msc.timer_value, 0.0f);
    msc.timer_running = 1;
    for (int k = 0; k < 20; k++)
        updatepanel();
    EXPECT_NEAR(msc.timer_value, 1.0f, 1e-4f);
    msc.paused = 1;
    updatepanel();
    EXPECT_NEAR(msc.timer_value, 1.0f, 1e-4f);
}
