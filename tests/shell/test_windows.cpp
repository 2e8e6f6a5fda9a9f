// The settings and chart windows, opened from their menus and used with
// clicks at their widgets' pixels, each change then checked in the flight;
// the cloud, time, failure-rate, latitude-longitude and isometric figures.
#include "sim_fixture.h"

#include <cstring>

#include "atc/atc.h"
#include "sound/sound.h"
#include "shell/windows.h"

namespace {

// A left click at client pixel (x, y) of open window `index`, handled.
void click_in(int index, int x, int y)
{
    int ox, oy, w, h;
    ASSERT_TRUE(test_window_outer(index, &ox, &oy, &w, &h)) << index;
    int fx = ox + FRAME_BORDER_PX + x, fy = oy + FRAME_BORDER_PX + FRAME_CAPTION_PX + y + MENU_BAR_H;
    test_click(fx, fy);
    MACIBM_pump();
}

void open_from_menu(int item, int index)
{
    test_menu_choice(item);
    MACIBM_pump();
    ASSERT_EQ(mnw.up[index], 1) << item;
}

void close_window(int index)
{
    test_close_window(index);
    MACIBM_pump();
    ASSERT_EQ(mnw.up[index], 0);
}

float ft(float m) { return m * con.mtrstoft; }

}   // namespace

TEST_F(SimTest, WeatherWindowSetsCloudsPrecipitationAndWindsTheFlightFeels)
{
    start();
    // A base of 18,001 ft clears the sky and the rain; a thunderstorm then
    // brings the base down to 18,000 ft.
    set_precipitation(3);
    set_clouds_ft(1, 20001.0f, 18001.0f, 0.0f);
    EXPECT_EQ(atm.clear, 1);
    EXPECT_EQ(atm.rain_tstm, 1);
    set_precipitation(5);
    EXPECT_EQ(atm.clear, 0);
    EXPECT_NEAR(ft(atm.baseMSL), 18000.0f, 0.5f);
    EXPECT_GE(ft(atm.topsMSL), 18000.0f + 2000.0f - 0.5f);
    // Raising the base keeps it 2,000 ft below the tops by raising them.
    set_precipitation(1);
    set_clouds_ft(0, 6000.0f, 3000.0f, 0.0f);
    set_clouds_ft(1, 6000.0f, 5000.0f, 0.0f);
    EXPECT_NEAR(ft(atm.topsMSL), 7000.0f, 0.5f);
    EXPECT_NEAR(ft(atm.baseAGL), ft(atm.baseMSL - env.fieldh), 0.5f);

    open_from_menu(405, 7);
    for (int r = 0; r < NWIND_LAYERS; r++)
        atm.wndspd[r] = atm.shrspd[r] = atm.tbl[r] = 0.0f;
    passes(120);
    float calm = pythag(atm.wind_x, atm.wind_y);
    for (int r = 0; r < NWIND_LAYERS; r++)
        click_in(7, 335, 41 + 40 * r);            // every layer's speed +10 kt
    click_in(7, 305, 41);                         // direction +10 degrees
    click_in(7, 14 + 92 + 5, 62 + 5);             // precipitation: one step up
    EXPECT_NEAR(atm.wndspd[0] * con.msctokts, 10.0f, 0.01f);
    EXPECT_NEAR(atm.wndspd[8] * con.msctokts, 10.0f, 0.01f);
    EXPECT_EQ(atm.rain_tstm, 2);
    float dir = atm.wnddir[0];
    click_in(7, 305, 66);                         // and 10 degrees back
    EXPECT_NEAR(wrap360(atm.wnddir[0] + 10.0f), dir, 0.01f);
    close_window(7);
    passes(120);
    // The flight is in the wind now (near the ground at a fraction of it).
    EXPECT_GT(pythag(atm.wind_x, atm.wind_y), calm + 1.0f);
}

TEST_F(SimTest, TimeOfDayWrapsAndSoundAndWarningSwitchesAct)
{
    start();
    open_from_menu(403, 6);
    scn.time = 4;
    click_in(6, 30 + 110 + 5, 70 + 5);   // the lower arrow: the next time
    EXPECT_EQ(scn.time, 1);
    click_in(6, 30 + 110 + 5, 70 - 20);  // the upper arrow: back to night
    EXPECT_EQ(scn.time, 4);
    close_window(6);
    passes(2);
    int r, g, b;
    test_palette_entry(scn.base_color, &r, &g, &b);
    EXPECT_LT(r + g + b, 3 * 80);        // a night sky

    open_from_menu(415, 12);
    int frame = msc.warn_frame;
    click_in(12, 22, 46);
    EXPECT_EQ(msc.warn_frame, !frame);
    close_window(12);

    open_from_menu(413, 11);
    msc.sound_on = 1;
    int voice = atc.voice_out, text = atc.text_out;
    click_in(11, 22, 42);
    EXPECT_EQ(msc.sound_on, 0);
    click_in(11, 22, 68);
    click_in(11, 22, 94);
    EXPECT_EQ(atc.voice_out, !voice);
    EXPECT_EQ(atc.text_out, !text);
    close_window(11);
    EXPECT_EQ(speech_playing(), 0);
    EXPECT_EQ(sound_state(SND_WIND).playing, 0);   // the loops stay off after the window
    EXPECT_EQ(sound_state(ret_engsnd_en()).playing, 0);
}

TEST_F(SimTest, ReliabilityRatesAndAnInoperativeItemFailInTheFlight)
{
    start();
    open_from_menu(411, 10);
    click_in(10, 30, 79);                 // instruments: the bottom of the bar, rate 1
    EXPECT_FLOAT_EQ(rel.ins_fail_rat, 1.0f);
    for (int k = 0; k < 8; k++) {
        EXPECT_EQ(rel.fail_type[k], 2);
        EXPECT_GE(rel.fail_time_max[k], 5.0f);
        EXPECT_LE(rel.fail_time_max[k], 10.0f);
    }
    click_in(10, 30, 20);                 // the top: rate 0, every item always working
    EXPECT_FLOAT_EQ(rel.ins_fail_rat, 0.0f);
    for (int k = 0; k < 8; k++)
        EXPECT_EQ(rel.fail_type[k], 1);
    click_in(10, 363, 50);                // controls: the middle of the bar
    EXPECT_FLOAT_EQ(rel.con_fail_rat, 0.5f);
    EXPECT_EQ(rel.fail_type[8], 2);
    // The airspeed indicator (item 1): the lower arrow twice, inoperative.
    int y = 128 + 39;
    click_in(10, 136 + 132 + 5, y + 5);
    click_in(10, 136 + 132 + 5, y + 5);
    EXPECT_EQ(rel.fail_type[1], 3);
    rel.asi = 0;
    close_window(10);                     // closing repairs everything
    EXPECT_EQ(rel.asi, 1);
    passes(30);
    EXPECT_EQ(rel.asi, 0);                // and the flight fails the item
}

TEST_F(SimTest, WeightsWindowChangesTheMassFlown)
{
    start();
    open_from_menu(409, 9);
    ASSERT_GT(pln.m_fuel, 0.0f);
    flt.m_fuel = pln.m_fuel;
    click_in(9, 26, 110 + 30);            // fuel 1.00: the first digit down
    EXPECT_FLOAT_EQ(flt.m_fuel, 0.0f);
    click_in(9, 26 + 10, 110 + 5);        // 0.10
    EXPECT_NEAR(flt.m_fuel, 0.1f * pln.m_fuel, 1e-3f);
    float fixed = flt.m_fixed;
    click_in(9, 24 + 2 * 10 + 2, 44 + 5); // fixed load +1,000 lb
    EXPECT_NEAR(flt.m_fixed - fixed, 1000.0f * con.lbstokgs, 0.5f);
    float total = pln.m_empty + flt.m_fixed + flt.m_fuel + flt.m_water;
    EXPECT_NEAR(flt.m_total, total, 0.01f);
    int alerts = test_alert_count();
    close_window(9);
    EXPECT_EQ(test_alert_count(), alerts + (total > pln.m_max));
    passes(3);
    EXPECT_NEAR(flt.m_total, total, 0.05f * total);   // what the flight now carries
}

TEST_F(SimTest, FlightModeAndGoToAirportWindows)
{
    start();
    open_from_menu(407, 8);
    click_in(8, 30, 33);
    EXPECT_FLOAT_EQ(set.damp, 0.0f);
    click_in(8, 30, 90);
    EXPECT_FLOAT_EQ(set.damp, 1.0f);
    click_in(8, 30, 131);
    EXPECT_FLOAT_EQ(set.joy_rat, 1.0f);
    click_in(8, 30, 188);
    EXPECT_FLOAT_EQ(set.joy_rat, 0.5f);
    int steer = set.nwheel_steer_type;
    click_in(8, 150 + 110 + 5, 250 + 5);
    EXPECT_NE(set.nwheel_steer_type, steer);
    close_window(8);

    open_from_menu(309, 1);
    const char ID[3] = {'S', 'B', 'D'};
    for (int c = 0; c < 3; c++)
        click_in(1, 93 + 17 * c + 2, 16 + 11 * char_to_code(ID[c]) + 3);
    EXPECT_EQ(std::string(msc.apt_id_req, 3), "SBD");
    close_window(1);
    EXPECT_EQ(std::string(env.navID[msc.loc_index], 3), "SBD");
    passes(2);
    EXPECT_EQ(flt.onground, 1);
}

TEST_F(SimTest, LatLonWindowClampsAndRefusesARegionWithoutAirports)
{
    start();
    int lat = env.lat_south, lon = env.lon_west;
    open_from_menu(313, 4);
    // The longitude shows one less than stored: its tens digit up adds 10.
    click_in(4, 140 + 12, 44 + 5);
    EXPECT_EQ(env.lon_west, lon + 10);
    env.lon_west = 360;                   // shows 359, the most there is
    click_in(4, 140 + 22, 44 + 5);
    EXPECT_EQ(env.lon_west, 360);
    env.lat_south = 58;
    click_in(4, 30 + 2, 44 + 5);          // +10 stops at 60
    EXPECT_EQ(env.lat_south, 60);
    // Open sea far out in the Pacific: refused, the flight goes on.
    env.lat_south = 10;
    env.lon_west = 171;
    int alerts = test_alert_count();
    close_window(4);
    ASSERT_EQ(test_alert_count(), alerts + 1);
    EXPECT_STREQ(test_alert_line(alerts, 0), "You have asked to start in an area where there are no airports.");
    EXPECT_EQ(env.lat_south, lat);
    EXPECT_EQ(env.lon_west, lon);
    passes(2);
    // And a region with airports is loaded.
    EXPECT_EQ(start_in_region(lat, lon + 1), 1);
    EXPECT_EQ(env.lon_west, lon + 1);
}

TEST_F(SimTest, ChartsZoomPanAndStartWhereClicked)
{
    start();
    open_from_menu(310, 2);
    EXPECT_EQ(msc.map_type, 503);
    float x, y;
    chart_to_world(2, 0, 414, &x, &y);    // the chart's lower-left corner is the region's
    EXPECT_NEAR(x, planex[0][0], 1.0f);
    EXPECT_NEAR(y, planey[0][0], 1.0f);
    int px, py;
    world_to_chart(2, planex[MESH_I - 1][0], planey[0][MESH_J - 1], &px, &py);
    EXPECT_NEAR(px, mnw.dx[2] - 60, 1);
    EXPECT_NEAR(py, 0, 1);
    int cw = mnw.dx[2] - 60;
    float cx, cy;
    chart_to_world(2, cw / 2, 207, &cx, &cy);
    click_in(2, cw + 10, 35);             // zoom in keeps the centre
    EXPECT_FLOAT_EQ(env.zoom_rat, 1.5f);
    chart_to_world(2, cw / 2, 207, &x, &y);
    EXPECT_NEAR(x, cx, 200.0f);
    EXPECT_NEAR(y, cy, 200.0f);
    click_in(2, cw + 25, 115);            // north
    chart_to_world(2, cw / 2, 207, &x, &y);
    EXPECT_GT(y, cy + 1000.0f);
    click_in(2, cw + 10, 57);             // out, and never below 1
    click_in(2, cw + 10, 57);
    EXPECT_FLOAT_EQ(env.zoom_rat, 1.0f);
    chart_to_world(2, 200, 150, &x, &y);
    click_in(2, 200, 150);
    EXPECT_EQ(mnw.up[2], 0);
    EXPECT_NEAR(flt.x, x, 1.0);
    EXPECT_NEAR(flt.y, y, 1.0);

    open_from_menu(509, 16);             // the first airport's chart
    int k = env.apt_to_index[0];
    EXPECT_STREQ(mnw.windowname[16], env.navname[k]);
    chart_to_world(16, 0, 414, &x, &y);
    EXPECT_NEAR(x, env.navxyz[k][0] - 25950.0f, 1.0f);
    close_window(16);
    open_from_menu(505, 2);               // the weather radar map draws too
    close_window(2);
}

TEST_F(SimTest, UnitedStatesMapAndIsometricRegion)
{
    start();
    int lat, lon;
    states_latlon(0, 5, &lat, &lon);
    EXPECT_EQ(lat, 49);
    EXPECT_EQ(lon, 126);
    states_latlon(600, 410, &lat, &lon);
    EXPECT_EQ(lat, 23);
    EXPECT_EQ(lon, 63);
    int want_lat = env.lat_south + 1, want_lon = env.lon_west - 1;
    int mx = (int)interp(126.0f, 0.0f, 63.0f, 600.0f, (float)want_lon + 0.5f);
    int my = (int)interp(49.0f, 5.0f, 23.0f, 410.0f, (float)want_lat + 0.5f);
    open_from_menu(312, 3);
    EXPECT_NE(test_window_pixel(3, 5, 380), test_window_pixel(3, mx, my));   // sea and land
    click_in(3, mx, my);
    EXPECT_EQ(mnw.up[3], 0);
    EXPECT_EQ(env.lat_south, want_lat);
    EXPECT_EQ(env.lon_west, want_lon);

    float s = iso_scale();
    ASSERT_GT(s, 0.0f);
    int sx, sy;
    iso_point(planex[0][0], planey[0][0], 0.0f, s, &sx, &sy);
    EXPECT_EQ(sx, 13);
    EXPECT_EQ(sy, 527);
    iso_point(planex[MESH_I - 1][MESH_J - 1], planey[MESH_I - 1][MESH_J - 1], 0.0f, s, &sx, &sy);
    EXPECT_LE(sx, 13 + 739);
    EXPECT_GE(sy, 527 - 518);
    open_from_menu(507, 15);
    EXPECT_NE(test_window_pixel(15, 380, 300), test_window_pixel(15, 380, 539));
}

TEST_F(SimTest, CloudFieldsKeepTheirRules)
{
    start();
    env.fieldh = 1000.0f * con.fttomtrs;
    set_precipitation(1);
    struct Case {
        int field;                     // 0 tops, 1 base MSL, 2 base above the field
        float tops, base, agl;         // what was entered, ft
        float want_tops, want_base;    // ft
        int clear;
    };
    const Case CASES[] = {
        {1, 8000, 3000, 0, 8000, 3000, 0},
        {1, 8000, 7000, 0, 9000, 7000, 0},      // the tops go up with the base
        {0, 4000, 3000, 0, 4000, 2000, 0},      // and the base down with the tops
        {1, 8000, 500, 0, 8000, 1050, 0},       // at least 50 ft above the field
        {2, 8000, 0, 2000, 8000, 3000, 0},      // entered above the field
        {1, 20000, 18000, 0, 20000, 18000, 0},
        {1, 20000, 18001, 0, 20001, 20001, 1},  // clear
    };
    for (const Case &c : CASES) {
        set_clouds_ft(c.field, c.tops, c.base, c.agl);
        EXPECT_NEAR(ft(atm.topsMSL), c.want_tops, 0.5f) << c.field << " " << c.base;
        EXPECT_NEAR(ft(atm.baseMSL), c.want_base, 0.5f) << c.field << " " << c.base;
        EXPECT_NEAR(ft(atm.baseAGL), c.want_base - 1000.0f, 0.5f);
        EXPECT_EQ(atm.clear, c.clear);
    }
    // A new turbulence table gives every layer new winds within their limits.
    open_from_menu(405, 7);
    float before[NWIND_LAYERS];
    for (int r = 0; r < NWIND_LAYERS; r++)
        before[r] = atm.wndspd[r];
    atm.wind_tbl = 4;
    click_in(7, 14 + 92 + 5, 122 + 5);
    EXPECT_EQ(atm.wind_tbl, 5);
    int changed = 0;
    for (int r = 0; r < NWIND_LAYERS; r++) {
        changed += atm.wndspd[r] != before[r];
        EXPECT_LE(atm.wndspd[r] * con.msctokts, 99.01f);
        EXPECT_GE(atm.tbl[r], 0.0f);
        EXPECT_LE(atm.tbl[r], 9.0f);
    }
    EXPECT_GT(changed, 0);
}

TEST_F(SimTest, ChartControlsStayWithinTheirLimits)
{
    start();
    open_from_menu(310, 2);
    int cw = mnw.dx[2] - 60;
    click_in(2, cw + 10, 35);
    for (int k = 0; k < 8; k++) {
        click_in(2, cw + 10, 135);           // west, past the region's edge
        click_in(2, cw + 25, 155);           // south
    }
    EXPECT_FLOAT_EQ(env.chart_x, planex[0][0]);
    EXPECT_FLOAT_EQ(env.chart_y, planey[0][0]);
    for (int k = 0; k < 12; k++)
        click_in(2, cw + 10, 35);            // zoom in while below 30
    EXPECT_GE(env.zoom_rat, 30.0f);
    EXPECT_LT(env.zoom_rat, 45.0f);
    // Start heading, altitude and speed in degrees, feet and knots.
    set.cus_psi = 90.0f;
    set.cus_z = 1000.0f * con.fttomtrs;
    set.cus_v = 100.0f * con.ktstomsc;
    click_in(2, 14 + 2, 414 + 30 + 5);       // heading +100
    click_in(2, 84 + 12, 414 + 30 + 5);      // altitude +1,000 ft
    click_in(2, 174 + 2, 414 + 30 + 30);     // speed -100 kt
    EXPECT_FLOAT_EQ(set.cus_psi, 190.0f);
    EXPECT_NEAR(set.cus_z * con.mtrstoft, 2000.0f, 0.01f);
    EXPECT_NEAR(set.cus_v * con.msctokts, 0.0f, 0.01f);
    int dest = pat.gs_dest;
    click_in(2, cw + 5 + 34 + 5, 214 + 5);   // the other receiver's course
    EXPECT_EQ(pat.gs_dest, !dest);
}

TEST_F(SimTest, GoToAirportFramesOnlyTheChosenCharacters)
{
    start();
    open_from_menu(309, 1);
    auto frame_pixel = [](int c, int row) { return test_window_pixel(1, 93 + 17 * c - 3, 16 + 11 * row - 2); };
    click_in(1, 95, 16 + 11 * 5 + 3);
    EXPECT_EQ(frame_pixel(0, 5), 29);
    click_in(1, 95, 16 + 11 * 20 + 3);
    EXPECT_EQ(frame_pixel(0, 20), 29);
    EXPECT_EQ(frame_pixel(0, 5), 45);       // the old frame erased
    EXPECT_EQ(msc.apt_id_req[0], 'K');
    // A later column chosen first: the earlier ones take their first row.
    msc.apt_id_req[0] = 0;
    click_in(1, 129, 16 + 11 * 12 + 3);
    EXPECT_EQ(std::string(msc.apt_id_req), "00C");
    // Water stays empty in an aircraft without a tank.
    close_window(1);
    pln.m_water = 0.0f;
    flt.m_water = 0.0f;
    open_from_menu(409, 9);
    click_in(9, 26, 176 + 5);
    EXPECT_EQ(flt.m_water, 0.0f);
}
