// A new design, the menus of both kinds of aircraft, the propeller's design
// point and mirror, and the editing screens under the user's clicks.
#include "aw_fixture.h"

#include <cctype>
#include <cmath>

TEST_F(AirTest, NewAeroplaneHasTheDefaultsOfANewDesign)
{
    EXPECT_EQ(pln.is_heli, 0);
    EXPECT_STREQ(pln.C_name, "Untitled.acf");
    EXPECT_EQ(msc.planemod, 0);
    EXPECT_EQ(msc.planenamed, 0);
    EXPECT_EQ(msc.background_type, VIEW_TOP);
    const int els[] = {6, 6, 4, 2, 2};
    for (int p = 2; p < MAX_PARTS; p++)
        EXPECT_EQ(pln.els[p], els[p - 2]) << p;
    EXPECT_EQ(pln.numblades[0], 2);
    EXPECT_EQ(pln.numblades[1], 2);
    EXPECT_EQ(pln.asi_type, 2);
    EXPECT_EQ(pln.con_type, 2);
    EXPECT_EQ(pln.entype, 1);
    EXPECT_EQ(pln.numen, 1);
    // Tail number: three digits, two capitals.
    ASSERT_EQ(strlen(pln.tailnum), 5u);
    for (int k = 0; k < 5; k++)
        EXPECT_TRUE(k < 3 ? isdigit(pln.tailnum[k]) : isupper(pln.tailnum[k])) << pln.tailnum;
    // Stations crowd toward the nose as the fuselage editor lays them out:
    // station 4 lies a quarter of the 30 ft from the nose at -15 ft.
    EXPECT_FLOAT_EQ(pln.fuse_x[4][2], -7.5f);
    EXPECT_NEAR(pln.fuse_y[4][2], 3.0f, 1e-5f);
    EXPECT_NEAR(pln.fuse_z[4][2], 0.0f, 1e-5f);
    EXPECT_FLOAT_EQ(pln.fuse_x[8][0], 15.0f);
    EXPECT_STREQ(pln.Rafl0[0], "Clark-Y (good propeller).afl");
    EXPECT_STREQ(pln.Tafl1[3], "NACA 2412 (popular).afl");
    EXPECT_STREQ(pln.Rafl1[6], "NACA 0009 (symmetrical).afl");
    EXPECT_STREQ(pln.flap_str, "plain flap.flp");
}

TEST_F(AirTest, MenusOpenTheirWindowsForEachKind)
{
    struct { int item, window; } plane[] = {{301, 1}, {304, 4}, {305, 5}, {311, 11}, {319, 19},
                                            {401, 20}, {406, 25}, {411, 30}, {413, 32}};
    for (auto c : plane) {
        menu(c.item);
        EXPECT_EQ(mnw.up[c.window], 1) << c.item;
        EXPECT_EQ(mnw.dragging_index, c.window) << c.item;
    }
    EXPECT_STREQ(mnw.windowname[32], "EXPERT: Floats, Untitled.acf");
    menu(MENU_HELI_MODE);   // nothing changed: no question, a new helicopter
    EXPECT_EQ(test_alert_count(), 0);
    EXPECT_EQ(pln.is_heli, 1);
    for (int k = 1; k <= LAST_EDIT_WINDOW; k++)
        EXPECT_EQ(mnw.up[k], 0) << k;
    struct { int item, window; } heli[] = {{301, 33}, {305, 37}, {306, 38}, {307, 39}, {313, 45},
                                           {318, 50}, {401, 51}, {403, 53}};
    for (auto c : heli) {
        menu(c.item);
        EXPECT_EQ(mnw.up[c.window], 1) << c.item;
    }
    // The switch of the current mode is greyed: choosing it does nothing.
    int x, y, w, h;
    EXPECT_EQ(test_menu_item_rect(5, MENU_HELI_MODE, &x, &y, &w, &h), 1);
    EXPECT_EQ(test_menu_item_rect(3, 413, &x, &y, &w, &h), 0);   // no floats for helicopters
    EXPECT_EQ(test_menu_item_rect(2, 318, &x, &y, &w, &h), 1);
}

TEST_F(AirTest, SwitchingKindAsksFirstAndCancelKeepsTheDesign)
{
    menu(317);
    bump(WIN_WEIGHT, "Empty lb", 2, 1);            // + 1000 lb
    EXPECT_FLOAT_EQ(pln.w_empty, 1000.0f);
    EXPECT_EQ(msc.planemod, 1);
    test_answer_alert(3);
    menu(MENU_HELI_MODE);
    ASSERT_EQ(test_alert_count(), 1);
    EXPECT_STREQ(test_alert_line(0, 0), "Save changes to Untitled.acf first?");
    EXPECT_EQ(pln.is_heli, 0);
    EXPECT_FLOAT_EQ(pln.w_empty, 1000.0f);
    test_answer_alert(2);
    menu(MENU_HELI_MODE);
    EXPECT_EQ(pln.is_heli, 1);
    EXPECT_FLOAT_EQ(pln.w_empty, 0.0f);
    EXPECT_EQ(msc.planemod, 0);
}

TEST_F(AirTest, PropellerTwistFollowsTheDesignPoint)
{
    pln.semiB[0] = 3.0f;
    pln.des_adv[0] = 60.0f;
    pln.des_rpm[0] = 2500.0f;
    do_prop(0, 0);
    EXPECT_EQ(pln.els[0], 8);
    EXPECT_NEAR(pln.anginc[0][7], 15.80f, 0.005f);
    EXPECT_NEAR(pln.des_v[0], 123.4f, 0.05f);
    pln.varpitchEQ[0] = 1;
    do_prop(0, 0);
    float beta = 15.80f - pln.anginc[0][7];
    EXPECT_NEAR(beta, 14.856f, 0.005f);
    EXPECT_NEAR(pln.anginc[0][7], 0.94f, 0.005f);
    EXPECT_FLOAT_EQ(pln.minpitch[0], 0.0f);
    EXPECT_NEAR(pln.maxpitch[0], 24.86f, 0.005f);
    pln.des_v[0] = 100.0f;
    pln.des_rpm[0] = 2400.0f;
    do_prop(0, 1);
    EXPECT_NEAR(pln.des_adv[0], 50.63f, 0.005f);
    pln.des_rpm[0] = 0.0f;   // a file may hold no rpm: the advance is left alone
    do_prop(0, 1);
    EXPECT_NEAR(pln.des_adv[0], 50.63f, 0.005f);
    for (int e = 0; e < 8; e++)
        EXPECT_TRUE(std::isfinite(pln.anginc[0][e]));
}

TEST_F(AirTest, EditingPropellerOneMirrorsPropellerTwo)
{
    pln.yarm[0][8] = -6.0f;
    pln.propdir[1] = 1;                            // counter-rotating, kept
    menu(305);
    bump(WIN_PROPELLERS, "Radius ft", 1, 1);       // + 1 ft
    EXPECT_FLOAT_EQ(pln.semiB[0], 1.0f);           // from 0, limited to 1..99.9
    bump(WIN_PROPELLERS, "Radius ft", 0, 1);
    EXPECT_FLOAT_EQ(pln.semiB[0], 11.0f);
    bump(WIN_PROPELLERS, "Blade chord in", 0, 1);  // 10 in
    EXPECT_NEAR(pln.Croot[0], 10.0f / 12.0f, 1e-6f);
    EXPECT_FLOAT_EQ(pln.Ctip[0], pln.Croot[0]);
    bump(WIN_PROPELLERS, "Design rpm", 0, 1);      // 1000 rpm (from 100 at least)
    bump(WIN_PROPELLERS, "Design speed kt", 0, 1); // 100 kt: the advance follows
    EXPECT_NEAR(pln.des_adv[0], 100.0f * 6076.115f / 3600.0f * 720.0f / pln.des_rpm[0], 0.01f);
    EXPECT_FLOAT_EQ(pln.semiB[1], pln.semiB[0]);
    EXPECT_FLOAT_EQ(pln.des_adv[1], pln.des_adv[0]);
    EXPECT_FLOAT_EQ(pln.anginc[1][3], pln.anginc[0][3]);
    EXPECT_FLOAT_EQ(pln.yarm[1][8], 6.0f);
    EXPECT_EQ(pln.propdir[1], 1);
    next_choice(WIN_PROPELLERS, "Rotation");
    EXPECT_EQ(pln.propdir[0], 1);
}

TEST_F(AirTest, WingFieldsWrapLimitAndCopyElements)
{
    menu(307);
    pln.sweep1[2] = 180;
    bump(WIN_WING1, "Sweep deg", 2, 1);            // 181 wraps to -179
    EXPECT_EQ(pln.sweep1[2], -179);
    bump(WIN_WING1, "Dihedral deg", 2, 0);         // signed: 0 - 1
    EXPECT_EQ(pln.dihed[2], -1);
    pln.anginc[2][5] = 2.5f;
    pln.flap[2][5] = 1;
    bump(WIN_WING1, "Elements", 0, 1);             // 7: copies element 6
    EXPECT_EQ(pln.els[2], 7);
    EXPECT_FLOAT_EQ(pln.anginc[2][6], 2.5f);
    EXPECT_EQ(pln.flap[2][6], 1);
    bump(WIN_WING1, "Elements", 0, 1);
    bump(WIN_WING1, "Elements", 0, 1);             // no more than 8
    EXPECT_EQ(pln.els[2], 8);
    for (int k = 0; k < 6; k++)
        bump(WIN_WING1, "Elements", 0, 0);         // no fewer than 4
    EXPECT_EQ(pln.els[2], 4);
    bump(WIN_WING1, "Incidence deg", 2, 1, 1);     // element 2 + 0.1 deg
    EXPECT_NEAR(pln.anginc[2][1], 0.1f, 1e-6f);
    bump(WIN_WING1, "Incidence deg", 2, 1, 6);     // an absent element: nothing
    EXPECT_FLOAT_EQ(pln.anginc[2][6], 2.5f);
    tick(WIN_WING1, "Aileron", 3);
    EXPECT_EQ(pln.ailn[2][3], 1);
    next_choice(WIN_WING1, "Stall strip");
    EXPECT_EQ(pln.strp[2], 1);
    menu(309);                                     // the stabiliser: 1..8
    for (int k = 0; k < 5; k++)
        bump(WIN_HSTAB, "Elements", 0, 0);
    EXPECT_EQ(pln.els[4], 1);
    next_choice(WIN_HSTAB, "Kind");
    EXPECT_EQ(pln.hstabtype, 1);
}

TEST_F(AirTest, ChoicesAndExpertFieldsEditTheirValues)
{
    menu(304);
    next_choice(WIN_ENGINES, "Engine kind");
    EXPECT_EQ(pln.entype, 2);
    bump(WIN_ENGINES, "Engines", 0, 1);
    bump(WIN_ENGINES, "Engines", 0, 1);
    EXPECT_EQ(pln.numen, 2);
    bump(WIN_ENGINES, "Engine lat ft", 2, 0);      // arms are signed
    EXPECT_FLOAT_EQ(pln.yarm[0][8], -1.0f);
    menu(301);
    next_choice(WIN_INDICATIONS, "Equipment");
    EXPECT_EQ(pln.layouttype, 2);
    bump(WIN_INDICATIONS, "Mmo Mach", 1, 1);
    EXPECT_NEAR(pln.Mmo, 0.1f, 1e-6f);
    menu(402);
    tick(WIN_X_WING1, "Re interpolation");
    EXPECT_EQ(pln.diffRe[2], 1);
    EXPECT_EQ(pln.diffRe[3], 0);
    menu(411);
    next_choice(WIN_X_ART_STAB, "Stability system");
    EXPECT_EQ(pln.ASEQ, 1);
    bump(WIN_X_ART_STAB, "Pitch gain 1", 0, 0);    // gains may be negative
    EXPECT_NEAR(pln.ASp1, -0.1f, 1e-6f);
}

TEST_F(AirTest, EveryScreenFitsItsWindowWithoutOverlaps)
{
    for (int n = 0; n < screen_count(); n++) {
        const Screen &s = *screen_at(n);
        int ww, wh;
        window_size(s.window, &ww, &wh);
        int boxes[64][4], nb = 0;
        for (int k = 0; k < s.nfields; k++) {
            const Field &f = s.fields[k];
            if (f.kind == FK_BREAK)
                continue;
            int w, h;
            field_size(f, &w, &h);
            int grid = f.kind == FK_GRID_NUM || f.kind == FK_GRID_FLAG || f.kind == FK_GRID_SHOW;
            int x1 = f.x - (f.sign ? SIGN_W : 0), y1 = field_top(f) - (grid ? 0 : 12);
            int x2 = grid ? grid_cell_x(f, MAX_ELS - 1) + w : f.x + w;
            if (!grid)
                x2 = x1 + intmax2(x2 - x1, (int)strlen(f.caption) * CHAR_W);
            int y2 = field_top(f) + h;
            EXPECT_TRUE(x1 >= 0 && y1 >= 0 && x2 <= ww && y2 <= wh)
                << s.window << " " << f.caption << " " << x2 << "," << y2;
            for (int b = 0; b < nb; b++)
                EXPECT_FALSE(x1 < boxes[b][2] && boxes[b][0] < x2 && y1 < boxes[b][3] &&
                             boxes[b][1] < y2)
                    << s.window << " " << f.caption;
            ASSERT_LT(nb, 64);
            boxes[nb][0] = x1, boxes[nb][1] = y1, boxes[nb][2] = x2, boxes[nb][3] = y2;
            nb++;
        }
    }
}

TEST_F(AirTest, HelicopterTailRotorPointsSidewaysAndBadWindowsStop)
{
    menu(MENU_HELI_MODE);
    pln.propdir[0] = 1;
    pln.vertcant[1] = 12.0f;
    MACIBM_invalwind(WIN_MAIN);
    EXPECT_FLOAT_EQ(pln.vertcant[1], 90.0f);
    EXPECT_FLOAT_EQ(pln.sidecant[1], -90.0f);
    EXPECT_EQ(fatal_message([] { handlewindowclick(-1, 0); }), "win ind<0!");
    EXPECT_EQ(fatal_message([] { handlewindowclick(MAX_WINDOWS, 0); }), "win ind>=max!");
}
