// The fuselage editor under the user's clicks and drags, the default
// fuselage, smoothing, and the floats screen's whole floats.
#include "aw_fixture.h"

#include <cmath>

static int panel_px(int i) { return FUSE_PANEL_X0 + FUSE_PANEL_PITCH * i; }

TEST_F(AirTest, StationClicksMovePointsCollapseEndsAndCopy)
{
    menu(315);
    ASSERT_EQ(mnw.up[WIN_FUSELAGE], 1);
    float k = FUSE_HALF_H / 3.0f;                 // radius 3 ft fills the half panel
    // Near the side point of station 4 (3, 0): it moves to (2.5, 0.3) ft.
    click(WIN_FUSELAGE, panel_px(4) + (int)lroundf(2.5f * k), FUSE_ZERO_Y - (int)lroundf(0.3f * k));
    EXPECT_NEAR(pln.fuse_y[4][2], 2.5f, 0.05f);
    EXPECT_NEAR(pln.fuse_z[4][2], 0.3f, 0.05f);
    EXPECT_NEAR(pln.fuse_y[4][1], 3.0f * sinf((float)M_PI / 4), 1e-5f);   // the others stay
    EXPECT_NEAR(pln.fuse_y[4][0], 0.0f, 1e-6f);   // the top stays on the centre line
    EXPECT_NEAR(pln.fuse_z[4][0], 3.0f, 1e-5f);
    // An end station collapses to a point on the centre line.
    click(WIN_FUSELAGE, panel_px(8) + 30, FUSE_ZERO_Y - (int)lroundf(0.5f * k));
    for (int j = 0; j < N_FUSE_RADIALS; j++) {
        EXPECT_FLOAT_EQ(pln.fuse_y[8][j], 0.0f);
        EXPECT_NEAR(pln.fuse_z[8][j], 0.5f, 0.05f);
    }
    // Dragging follows the mouse while the button is held.
    int fx = panel_px(2) + (int)lroundf(3 * k), fy = FUSE_ZERO_Y;
    to_frame(WIN_FUSELAGE, &fx, &fy);
    test_mouse_down(fx, fy, 1);
    airwright_pass();
    test_mouse_move(fx - (int)lroundf(k), fy);
    airwright_pass();
    EXPECT_NEAR(pln.fuse_y[2][2], 2.0f, 0.05f);
    test_mouse_up(fx - (int)lroundf(k), fy, 1);
    airwright_pass();
    EXPECT_EQ(msc.mousedown, 0);
    // The copy strip: left part to the left neighbour, right part to the right.
    click(WIN_FUSELAGE, panel_px(4) + 10, FUSE_COPY_Y1 + 5);
    EXPECT_FLOAT_EQ(pln.fuse_y[3][2], pln.fuse_y[4][2]);
    click(WIN_FUSELAGE, panel_px(8) + 50, FUSE_COPY_Y1 + 5);   // no station 9: nothing
    click(WIN_FUSELAGE, panel_px(2) + 50, FUSE_COPY_Y1 + 5);
    EXPECT_FLOAT_EQ(pln.fuse_y[3][2], pln.fuse_y[2][2]);
    // A new length lays the stations out again.
    bump(WIN_FUSELAGE, "Length ft", 0, 1);
    EXPECT_FLOAT_EQ(pln.fuse_len, 130.0f);
    EXPECT_FLOAT_EQ(pln.fuse_x[8][0], -15.0f + 130.0f);
    EXPECT_FLOAT_EQ(pln.fuse_x[4][3], -15.0f + 130.0f / 4.0f);
}

TEST_F(AirTest, DefaultFuselageSpansWingAndTail)
{
    pln.semiB[2] = 15.0f;
    pln.semiB[4] = 5.0f;
    pln.xarm[2][8] = 8.0f;
    pln.xarm[4][8] = 23.0f;
    menu(315);
    click(WIN_FUSELAGE, 300, FUSE_DEFAULT_Y + 20);
    EXPECT_FLOAT_EQ(pln.fuse_len, 1.7f * 15.0f);
    EXPECT_FLOAT_EQ(pln.fuse_nose, 8.0f - 0.33f * 25.5f);
    EXPECT_FLOAT_EQ(pln.fuse_rad, 2.55f);
    EXPECT_FLOAT_EQ(pln.fuse_x[8][0], pln.fuse_nose + pln.fuse_len);
    float widest = 0;
    for (int i = 0; i < N_FUSE_STATIONS; i++)
        for (int j = 0; j < N_FUSE_RADIALS; j++) {
            ASSERT_TRUE(std::isfinite(pln.fuse_y[i][j]) && std::isfinite(pln.fuse_z[i][j]));
            widest = fmaxf(widest, pln.fuse_y[i][j]);
        }
    EXPECT_GT(widest, 1.0f);
    EXPECT_LT(widest, 3.0f);
    // A canard ahead of the wing puts the nose ahead of it.
    pln.xarm[4][8] = -4.0f;
    default_fuselage();
    EXPECT_FLOAT_EQ(pln.fuse_nose, -4.0f - 0.1f * 1.7f * 12.0f);
    // With nothing to measure from (a helicopter whose rotors coincide too),
    // a 10 ft body about the cg.
    pln.semiB[4] = 0.0f;
    pln.cgx = 3.0f;
    default_fuselage();
    EXPECT_FLOAT_EQ(pln.fuse_len, 10.0f);
    EXPECT_FLOAT_EQ(pln.fuse_nose, -2.0f);
    pln.is_heli = 1;
    pln.xarm[0][8] = 2.0f;
    pln.xarm[1][8] = 22.0f;
    default_fuselage();
    EXPECT_FLOAT_EQ(pln.fuse_len, 26.0f);
    EXPECT_FLOAT_EQ(pln.fuse_nose, 3.0f - 6.5f);
}

TEST_F(AirTest, SmoothingKeepsTheAverageRadiusAndSurvivesACollapsedBody)
{
    pln.fuse_y[3][2] = 1.0f;                      // a dent in the tube
    float r0 = ret_ave_rad();
    menu(MENU_SMOOTH);
    EXPECT_EQ(msc.planemod, 1);
    EXPECT_NEAR(ret_ave_rad(), r0, 1e-4f);
    EXPECT_GT(pln.fuse_y[3][2], 1.0f);            // pulled toward its neighbours
    EXPECT_FLOAT_EQ(pln.fuse_y[0][2], 3.0f);      // the ends are left alone
    EXPECT_NEAR(ret_z_center(3), 0.0f, 1e-4f);
    for (int i = 0; i < N_FUSE_STATIONS; i++)
        for (int j = 0; j < N_FUSE_RADIALS; j++)
            pln.fuse_x[i][j] = pln.fuse_y[i][j] = pln.fuse_z[i][j] = 0.0f;
    pln.fuse_rad = 0.0f;
    smoothit(0.1f, 0.2f);                         // no size to rescale to
    menu(315);                                    // the panels' scale has no radius
    EXPECT_FLOAT_EQ(prev_rad, 1.0f);
    click(WIN_FUSELAGE, panel_px(4) + 20, FUSE_ZERO_Y - 20);
    for (int i = 0; i < N_FUSE_STATIONS; i++)
        for (int j = 0; j < N_FUSE_RADIALS; j++)
            ASSERT_TRUE(std::isfinite(pln.fuse_y[i][j]) && std::isfinite(pln.fuse_z[i][j]));
}

TEST_F(AirTest, FloatsAreEditedWholeAndSplitIntoHalves)
{
    pln.floatx[0] = 4.0f, pln.floaty[0] = 5.0f, pln.floatz[0] = -6.0f;
    pln.floatl[0] = 16.0f, pln.floatw[0] = 2.0f;
    makefloats();
    EXPECT_FLOAT_EQ(pln.floatx[0], 0.0f);
    EXPECT_FLOAT_EQ(pln.floatl[0], 8.0f);
    EXPECT_FLOAT_EQ(pln.floatx[1], 8.0f);
    EXPECT_FLOAT_EQ(pln.floaty[1], 5.0f);
    EXPECT_NEAR(pln.floatz[1], -6.0f + tanf(10.0f * (float)M_PI / 180.0f) * 8.0f, 1e-5f);
    EXPECT_NEAR(pln.floatnoseup[0], tanf(10.0f * (float)M_PI / 180.0f) * 8.0f, 1e-5f);
    planestruct split = pln;
    revertfloats();
    EXPECT_FLOAT_EQ(pln.floatx[0], 4.0f);
    EXPECT_FLOAT_EQ(pln.floatl[0], 16.0f);
    makefloats();
    EXPECT_EQ(0, memcmp(pln.floatz, split.floatz, sizeof pln.floatz));   // no creeping upward
    // Looking at the screen changes nothing; an edit splits the whole float.
    pln.floaty[1] = -5.0f;                        // a second whole float stored as float 1
    menu(413);
    click(WIN_X_FLOATS, 5, 5);
    EXPECT_FLOAT_EQ(pln.floaty[1], -5.0f);
    bump(WIN_X_FLOATS, "F1 len ft", 1, 1);        // whole length 16 + 10
    EXPECT_FLOAT_EQ(pln.floatl[0], 13.0f);
    EXPECT_FLOAT_EQ(pln.floatx[0], 4.0f - 26.0f / 4.0f);
    EXPECT_FLOAT_EQ(pln.floaty[1], 5.0f);
    bump(WIN_X_FLOATS, "F2 lat ft", 3, 1);        // the centre float stays on the centre line
    EXPECT_FLOAT_EQ(pln.floaty[2], 0.0f);
}
