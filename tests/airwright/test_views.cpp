// The main window's views: the turning 3-D views run on the clock, the
// camera distance keeps a large aircraft in view, and the views give way
// to editing windows.
#include "aw_fixture.h"

TEST_F(AirTest, TurningViewsRunTheirAngleOnTheClock)
{
    test_set_clock_ms(1000);
    menu(VIEW_3D_QUICK);
    EXPECT_EQ(waiting_to_rotate, 1);
    test_set_clock_ms(2000);                // 60 of 135 degrees
    airwright_pass();
    EXPECT_EQ(waiting_to_rotate, 1);
    test_set_clock_ms(1000 + 2250);         // 135 degrees: done
    airwright_pass();
    EXPECT_EQ(waiting_to_rotate, 0);
    test_set_clock_ms(10000);
    menu(VIEW_3D_LONG);
    test_set_clock_ms(10000 + 14000);       // 840 of 855
    airwright_pass();
    EXPECT_EQ(waiting_to_rotate, 1);
    test_set_clock_ms(10000 + 14250);
    airwright_pass();
    EXPECT_EQ(waiting_to_rotate, 0);
    menu(VIEW_SIDE);
    EXPECT_EQ(waiting_to_rotate, 0);
}

TEST_F(AirTest, CameraStandsBackForALargeAircraft)
{
    float small = find_dis_to_plane();
    EXPECT_GE(small, 1000.0f);
    pln.semiB[2] = 100.0f;
    pln.Croot[2] = pln.Ctip[2] = 6.0f;
    float large = find_dis_to_plane();
    EXPECT_GT(large, 2.0f * small);
    menu(VIEW_TOP);
    // The wing tips land inside the view, near its edge rather than in the middle.
    int top = -1, bottom = -1;
    for (int y = 14; y < 546; y++)
        if (int c = test_window_pixel(WIN_MAIN, 403, y); c != PANEL_COLOR && c != GRID_COLOR) {
            if (top < 0)
                top = y;
            bottom = y;
        }
    EXPECT_GT(top, 14);
    EXPECT_LT(bottom, 546);
    EXPECT_GT(bottom - top, 300);
}

TEST_F(AirTest, ViewsGiveWayToEditingWindowsAndComeBack)
{
    menu(307);
    ASSERT_EQ(mnw.up[WIN_WING1], 1);
    click(WIN_MAIN, 700, 500);              // a press on the main window closes the screens
    EXPECT_EQ(mnw.up[WIN_WING1], 0);
    EXPECT_EQ(msc.planemod, 0);
    menu(307);
    menu(VIEW_FRONT);                       // a view choice closes them too
    EXPECT_EQ(mnw.up[WIN_WING1], 0);
    EXPECT_EQ(msc.background_type, VIEW_FRONT);
}
