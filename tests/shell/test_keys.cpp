// Keys, menus and window events: the key tables, the function keys, the
// replay's free camera, the menu commands and their item arithmetic, clicks
// while a sub-window is open, closing windows, mouse flying and the end.
#include "sim_fixture.h"

#include "panel/panel.h"

#include <cmath>

namespace {

void expect_action(int key, int mods, int kind, int x, int y, int item)
{
    char c = sim_char(key, mods);
    KeyAction a;
    ASSERT_EQ(key_action(c, &a), 1) << c;
    EXPECT_EQ(a.kind, kind) << c;
    EXPECT_EQ(a.x, x) << c;
    EXPECT_EQ(a.y, y) << c;
    EXPECT_EQ(a.item, item) << c;
}

void press(int key, int mods = 0)
{
    test_key(key, mods);
    MACIBM_pump();
}

}   // namespace

TEST_F(SimTest, KeysStandForPanelClicksLeverDragsAndCommands)
{
    start();
    const int S = MOD_SHIFT_KEY;
    expect_action('1', S, ACT_CLICK, osrad + 497, 481, 0);   // "!": heading select
    expect_action('7', S, ACT_CLICK, osrad + 620, 481, 0);   // "&": airspeed hold
    expect_action('1', 0, ACT_DRAG, oseng + 650, 446, 0);    // the first flap position
    expect_action('8', S, ACT_DRAG, oseng + 726, 453, 0);    // "*"
    expect_action(']', 0, ACT_DRAG, ostrm + 769, 564, 0);
    expect_action('-', 0, ACT_MENU, 0, 0, 618);
    expect_action('-', S, ACT_CLICK, ossix + 201, 520, 0);   // "_": map range
    expect_action('=', S, ACT_CLICK, ossix + 246, 520, 0);
    expect_action('p', 0, ACT_CLICK, ospau + 725, 249, 0);
    expect_action('n', 0, ACT_CLICK, pln.dgx - 55, pln.dgy + 40, 0);
    expect_action('v', 0, ACT_MENU, 0, 0, 607);
    expect_action('d', 0, ACT_MENU, 0, 0, 503);
    ins.map_mode = 1;
    expect_action('`', S, ACT_CLICK, ossix + 335, 520, 0);
    ins.map_mode = 2;
    expect_action('`', S, ACT_CLICK, ossix + 290, 520, 0);
    KeyAction a;
    EXPECT_EQ(key_action('Q', &a), 0);   // a radio key, not a click
    EXPECT_EQ(funkey_number(KEY_BACKSPACE), 9);
    EXPECT_EQ(funkey_number(KEY_F1), 0);
    EXPECT_EQ(funkey_number(KEY_F12), 11);
    EXPECT_EQ(funkey_number(KEY_F10), -1);
    int x, y;
    ASSERT_EQ(funkey_action(9, &x, &y), 1);   // mixture 1, more
    EXPECT_EQ(x, osmix + 727);
    EXPECT_EQ(y, ins.mix[0] - 3 + 11);
}

TEST_F(SimTest, KeysActInTheWindow)
{
    start();
    // F2 twelve times: the throttle lever from idle to the stop.
    for (int k = 0; k < 12; k++)
        press(KEY_F2);
    EXPECT_FLOAT_EQ(flt.throtrequest[0], 1.0f);
    press(KEY_F1);
    EXPECT_LT(flt.throtrequest[0], 1.0f);
    // Zoom in, out, and a view choice back to 1.
    press('=');
    EXPECT_FLOAT_EQ(con.zom_pp45, 1200.0f);
    press('-');
    EXPECT_FLOAT_EQ(con.zom_pp45, 600.0f);
    press('=');
    press('a');
    EXPECT_EQ(set.viewtype, VIEW_CHASE);
    EXPECT_FLOAT_EQ(con.zom_pp45, 600.0f);
    press(',');
    EXPECT_EQ(scn.lamp, 1.0f);
    // The grave accent: every mode off but heading select, which the
    // panel's heading button then turns off.
    ott.NAV[1] = ott.ALHOLD = ott.GS2 = ott.ASHOLD = 1;
    press('`');
    EXPECT_EQ(ott.HDSLCT + ott.NAV[1] + ott.ALHOLD + ott.VVHOLD + ott.GS2 + ott.ASHOLD, 0);
    // The space bar launches from an armed catapult, else opens the ATC list.
    flt.cat_stage = 34;
    press(' ');
    EXPECT_EQ(flt.cat_stage, 35);
    EXPECT_EQ(atc.menu_up, 0);
    press(' ');
    EXPECT_EQ(atc.menu_up, 1);
    EXPECT_EQ(atc.menu_level, 5);
}

TEST_F(SimTest, TheFreeCameraMovesAlongItsHeadingAndFollowsThePath)
{
    start();
    set.viewtype = VIEW_REPLAY;
    scn.psi180rad = con.pi / 2.0f;   // heading 90
    scn.the180rad = 0.0f;
    msc.x_view = msc.y_view = msc.z_view = 0.0f;
    handle_simkey('i');
    EXPECT_NEAR(msc.x_view, 100.0f, 1e-3f);
    EXPECT_NEAR(msc.y_view, 0.0f, 1e-3f);
    set.dragging = 1;
    msc.prd = 0.02f;
    handle_simkey('I');
    EXPECT_NEAR(msc.x_view, 140.0f, 1e-3f);
    set.dragging = 0;
    handle_simkey('l');   // right of east is south
    EXPECT_NEAR(msc.y_view, -100.0f, 1e-3f);
    float zoom = con.zom_pp45;
    handle_simkey('=');   // not a camera key
    EXPECT_EQ(con.zom_pp45, zoom);
    EXPECT_EQ(set.viewtype, VIEW_REPLAY);
    // Follow on an empty path: once round the ring, the camera stays.
    memset(pat.xyztpp, 0, sizeof pat.xyztpp);
    memset(pat.inited, 0, sizeof pat.inited);
    pat.cntr_replay = 0;
    handle_simkey('f');
    EXPECT_NEAR(msc.x_view, 140.0f, 1e-3f);
    // Two samples: the camera goes behind each in turn, wrapping.
    pat.xyztpp[10][0] = 1000.0f;
    pat.xyztpp[10][4] = 0.0f;   // heading north, level
    pat.xyztpp[5990][0] = 3000.0f;
    pat.inited[10] = pat.inited[5990] = 1;
    handle_simkey('f');
    EXPECT_EQ(pat.cntr_replay, 10);
    float d = 20.0f * fmaxf(pln.semiB[2], pln.semiB[3]);
    EXPECT_NEAR(msc.y_view, -d * cosf(15.0f * con.degtorad) * cosf(3.0f * con.degtorad), 0.05f);
    EXPECT_NEAR(scn.psi180rad, -1.0f * con.degtorad, 1e-5f);
    handle_simkey('F');
    EXPECT_EQ(pat.cntr_replay, 5990);
    handle_simkey('f');
    EXPECT_EQ(pat.cntr_replay, 10);
}

TEST_F(SimTest, MenuItemsDecodeTheirAirportRunwayAndStart)
{
    struct Case { int item, apt, rway, kind; };
    const Case cases[] = {{1703, 2, 3, 900}, {8102, 6, 2, 1000}, {13904, 4, 4, 1100}, {1501, 0, 1, 900}};
    for (const Case &c : cases) {
        int apt = -1, rway = -1, kind = -1;
        ASSERT_EQ(location_item(c.item, &apt, &rway, &kind), 1) << c.item;
        EXPECT_EQ(apt, c.apt);
        EXPECT_EQ(rway, c.rway);
        EXPECT_EQ(kind, c.kind);
    }
    int apt, rway, kind;
    EXPECT_EQ(location_item(1499, &apt, &rway, &kind), 0);
    EXPECT_EQ(location_item(19500, &apt, &rway, &kind), 0);
    int lat = 0, lon = 0;
    ASSERT_EQ(decode_env_name("+02089.env", &lat, &lon), 1);
    EXPECT_EQ(lat, 2);
    EXPECT_EQ(lon, 89);
    // Folders with signs and digits of their own do not count.
    ASSERT_EQ(decode_env_name("/home/pilot/-45123/+02089.env", &lat, &lon), 1);
    EXPECT_EQ(lat, 2);
    EXPECT_EQ(lon, 89);
}

TEST_F(SimTest, LocationCommandsStartTheFlightThere)
{
    start();
    ASSERT_GE(env.apt_max, 2);
    handlemenu(7702);   // airport 2, runway 2, VFR final
    EXPECT_EQ(msc.loc_apt, 2);
    EXPECT_EQ(msc.loc_index, env.apt_to_index[2]);
    EXPECT_EQ(msc.rway_sel, 2);
    EXPECT_EQ(msc.typestart, 1000);
    EXPECT_EQ(flt.onground, 0);
    handlemenu(1401);   // San Bernardino
    EXPECT_STREQ(env.navID[msc.loc_index], "SBD");
    EXPECT_EQ(msc.typestart, 900);
    int before = test_alert_count();
    gotofield('Z', 'Z', 'Z');
    ASSERT_EQ(test_alert_count(), before + 1);
    EXPECT_STREQ(test_alert_line(before, 1), "ZZZ");
}

TEST_F(SimTest, OpenAircraftStartsTheNewOneOnTheRunwayOrKeepsTheOld)
{
    start();
    msc.typestart = 1100;
    test_answer_file_dialog(nullptr);
    handlemenu(201);
    EXPECT_STREQ(pln.C_file, "Aircraft/Trainer.acf");
    EXPECT_EQ(msc.typestart, 1100);
    test_answer_file_dialog("Jet.acf");   // the dialog opens in Aircraft/
    handlemenu(201);
    EXPECT_STREQ(pln.C_file, "Aircraft/Jet.acf");
    EXPECT_EQ(pln.entype, 3);
    EXPECT_EQ(msc.typestart, 900);
}

TEST_F(SimTest, ASubWindowFreezesTheMainWindowButNotTheKeys)
{
    start();
    MACIBM_startwind(7, 1);
    float throttle = flt.throtrequest[0];
    test_click(osthr + 666, 515 + 7 + MENU_BAR_H);   // full throttle, were it open
    MACIBM_pump();
    EXPECT_EQ(flt.throtrequest[0], throttle);
    press('=');
    EXPECT_FLOAT_EQ(con.zom_pp45, 1200.0f);
    press('-');   // the zoom outlives the test
    // Any menu command closes every sub-window first.
    for (int k = 1; k < MAX_SIM_WINDOWS; k++)
        if (k != 14)
            MACIBM_startwind(k, 1);
    handlemenu(703);
    EXPECT_EQ(winsup(), 0);
    EXPECT_EQ(set.cycoutwaiting, 1);
}

TEST_F(SimTest, ClosingWindowsDoesTheirWork)
{
    start();
    rel.vac = rel.ger[1] = 0;
    rel.hyd_rat = 0.2f;
    MACIBM_startwind(10, 1);
    MACIBM_killwind(10);
    EXPECT_EQ(rel.vac + rel.ger[1], 2);
    EXPECT_EQ(rel.hyd_rat, 1.0f);
    int before = test_alert_count();
    flt.m_total = pln.m_max + 1.0f;
    MACIBM_startwind(9, 1);
    MACIBM_killwind(9);
    ASSERT_EQ(test_alert_count(), before + 1);
    // While the program ends, a close loads no region.
    set_exiting(1);
    msc.typestart = 1100;
    MACIBM_startwind(4, 1);
    MACIBM_killwind(4);
    EXPECT_EQ(msc.typestart, 1100);
    set_exiting(0);
    MACIBM_startwind(4, 1);
    MACIBM_killwind(4);
    EXPECT_EQ(msc.typestart, 900);
}

TEST_F(SimTest, AClickInTheMiddleOfTheWindshieldStartsAndEndsMouseFlying)
{
    start();
    ASSERT_EQ(set.controls_type, CONTROLS_MOUSE);
    test_mouse_down(400, 110 + MENU_BAR_H, 1);
    MACIBM_pump();
    EXPECT_EQ(msc.mouse_is_joy, 1);
    EXPECT_EQ(test_cursor_shown(), 0);
    test_mouse_up(400, 110 + MENU_BAR_H, 1);
    MACIBM_pump();
    EXPECT_EQ(test_cursor_shown(), 1);   // shown again once the button is up
    test_click(100, 110 + MENU_BAR_H);  // outside the box
    MACIBM_pump();
    EXPECT_EQ(msc.mouse_is_joy, 1);
    atc.menu_up = 1;                     // the ATC list takes view clicks
    test_click(400, 110 + MENU_BAR_H);
    MACIBM_pump();
    EXPECT_EQ(msc.mouse_is_joy, 1);
    atc.menu_up = 0;
    test_click(400, 110 + MENU_BAR_H);
    MACIBM_pump();
    EXPECT_EQ(msc.mouse_is_joy, 0);
}

TEST_F(SimTest, AQuitDuringTheFirstStartEndsAtOnceAndSavesNothing)
{
    test_quit();   // waiting in the queue for the welcome alert
    try {
        start();
        FAIL();
    } catch (const FatalExit &e) {
        EXPECT_EQ(e.s1, "");   // Exit's end: no message
    }
    EXPECT_FALSE(std::filesystem::exists(prefs_file()));
    EXPECT_FALSE(std::filesystem::exists(dir / "data/vortan/Error.out"));
}

TEST_F(SimTest, AQuitDuringADialogInFlightEndsAsExitDoes)
{
    start();
    std::filesystem::remove(prefs_file());
    test_quit();
    EXPECT_THROW(handlemenu(203), FatalExit);   // the situation dialog is up
    EXPECT_TRUE(prefs_valid());
}
