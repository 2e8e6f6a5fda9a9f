// Foilwright at start and under the user's clicks: the airfoil screen with
// its fields and plot, digit clicks that edit and regenerate, the flap
// screen and the device switch.
#include "fw_fixture.h"

TEST_F(FoilTest, StartsOnTheDefaultAirfoilWithItsPlot)
{
    EXPECT_EQ(msc.device, DEVICE_AIRFOIL);
    EXPECT_EQ(msc.view, VIEW_ALPHA);
    EXPECT_STREQ(msc.C_openfile, "Untitled Airfoil.afl");
    EXPECT_NE(std::string(msc.path_name).find("airfoils/Untitled Airfoil.afl"), std::string::npos);
    EXPECT_EQ(msc.haveaname, 0);
    EXPECT_EQ(msc.devicemod, 0);
    EXPECT_FLOAT_EQ(afl.clM, 0.102f);
    EXPECT_FLOAT_EQ(cl[270], 0.25f);          // 0 deg
    // cl at 0 deg (column 200) and cd at 10 deg (column 300) are plotted.
    EXPECT_EQ(pixel(450, mark_y(0.25f * 0.5f)), CL_COLOR);
    EXPECT_EQ(pixel(550, mark_y(cd[370] * 50.0f)), CD_COLOR);
    EXPECT_EQ(pixel(450, mark_y(cm[270])), CM_COLOR);
    // The panel around the fields is the background bitmap, not black.
    EXPECT_NE(pixel(5, 500), BACK_COLOR);
    // The start-up bar's last cell lies under the splash area.
    EXPECT_NE(find_bitmap(DEVICE_AIRFOIL), nullptr);
    EXPECT_NE(find_bitmap(DEVICE_FLAP), nullptr);
}

TEST_F(FoilTest, DigitClickEditsRegeneratesAndMarksChanged)
{
    // clB field at (9, 85): the upper half of its first column adds 1.
    click(9 + 5, 85 + 5);
    EXPECT_FLOAT_EQ(afl.clB, 1.25f);
    EXPECT_FLOAT_EQ(cl[270], 1.25f);
    EXPECT_EQ(msc.devicemod, 1);
    EXPECT_EQ(pixel(450, mark_y(1.25f * 0.5f)), CL_COLOR);
    EXPECT_NE(pixel(450, mark_y(0.25f * 0.5f)), CL_COLOR);   // old mark gone
    // The lower half of the last column of almax subtracts 0.001 deg.
    click(131 + 45, 403 + 25);
    EXPECT_NEAR(afl.almax, 14.999f, 1e-4f);
    // Re is unsigned: its last column (0.1) in the lower half.
    click(101 + 25, 19 + 25);
    EXPECT_NEAR(afl.Re, 4.4f, 1e-5f);
}

TEST_F(FoilTest, AnyClickOnTheWindowMarksThePartChanged)
{
    click(700, 550);
    EXPECT_EQ(msc.devicemod, 1);
    EXPECT_FLOAT_EQ(afl.clB, 0.25f);
}

TEST_F(FoilTest, FlapAndBackResetsEachDevice)
{
    menu(DEVICE_FLAP);
    EXPECT_EQ(msc.device, DEVICE_FLAP);
    EXPECT_STREQ(msc.C_openfile, "Untitled Flap.flp");
    EXPECT_NE(std::string(msc.path_name).find("flaps/"), std::string::npos);
    EXPECT_FLOAT_EQ(flp.lco1, 2.0f);
    EXPECT_FLOAT_EQ(cl[400], 2.0f + 0.0f - 0.6f);   // full deflection
    EXPECT_EQ(test_alert_count(), 0);               // nothing to save
    click(9 + 5, 85 + 5);                           // lco1 + 1
    EXPECT_FLOAT_EQ(flp.lco1, 3.0f);
    afl.clB = 0.9f;                                 // left over from before
    test_answer_alert(2);                           // discard
    menu(DEVICE_AIRFOIL);
    EXPECT_EQ(test_alert_count(), 1);
    EXPECT_EQ(msc.device, DEVICE_AIRFOIL);
    EXPECT_FLOAT_EQ(afl.clB, 0.25f);
    EXPECT_EQ(msc.devicemod, 0);
    EXPECT_STREQ(msc.C_openfile, "Untitled Airfoil.afl");
}

TEST_F(FoilTest, CursorFollowsTheMouseWithTheColumnsValues)
{
    move(250 + 300, 100);
    EXPECT_EQ(lastx, 300);
    EXPECT_NEAR(readout[0], 10.0f, 1e-4f);
    EXPECT_FLOAT_EQ(readout[1], cl[370]);
    EXPECT_FLOAT_EQ(readout[2], cd[370]);
    EXPECT_FLOAT_EQ(readout[3], cm[370]);
    EXPECT_NEAR(readout[2], 0.0114f, 1e-4f);
    EXPECT_EQ(pixel(550, 25), CURSOR_COLOR);
    // The read-out is drawn in its colours at the top left.
    int lit = 0;
    for (int y = 21; y < 33; y++)
        for (int x = 24; x < 90; x++)
            lit += pixel(x, y) == CL_COLOR;
    EXPECT_GT(lit, 10);
    move(250 + 100, 100);
    EXPECT_EQ(lastx, 100);
    EXPECT_NE(pixel(550, 25), CURSOR_COLOR);       // old line painted out
    EXPECT_EQ(pixel(350, 25), CURSOR_COLOR);
    EXPECT_NEAR(readout[0], -10.0f, 1e-4f);
    move(100, 100);                                // outside: cursor stays
    EXPECT_EQ(lastx, 100);
    // A flap's abscissa is the deflection fraction.
    menu(DEVICE_FLAP);
    move(250 + 200, 100);
    EXPECT_NEAR(readout[0], 0.5f, 1e-6f);
    EXPECT_FLOAT_EQ(readout[1], cl[200]);
}

TEST_F(FoilTest, PolarViewLeavesOutTheStalledParts)
{
    // The abscissa caption under the plot names the view's abscissa: alpha
    // (23 characters), then the lift coefficient (14, ending by x = 334).
    auto caption_tail = [] {
        int n = 0;
        for (int y = 440; y <= 452; y++)
            for (int x = 340; x < 400; x++)
                n += pixel(x, y) == ALPHA_COLOR;
        return n;
    };
    EXPECT_GT(caption_tail(), 0);
    menu(VIEW_POLAR);
    EXPECT_EQ(msc.view, VIEW_POLAR);
    EXPECT_EQ(caption_tail(), 0);
    // Where a stalled column (beyond almax, or below almin) would put its
    // drag mark, and no unstalled column puts one, nothing is drawn.
    auto at = [](int slot, int *x, int *y) {
        *x = 250 + 200 + (long)(cl[slot] * 125.0f);
        *y = 220 - (long)(cd[slot] * 50.0f * 200.0f);
    };
    auto unstalled_hit = [&](int x, int y) {
        for (int c = 50; c < 350; c++) {
            int ux, uy;
            at(c + 70, &ux, &uy);
            if (ux == x && (uy == y || uy + 1 == y || uy - 1 == y))
                return true;
        }
        return false;
    };
    int checked = 0;
    for (int c = 0; c <= 400; c++) {
        if (c >= 50 && c < 350)
            continue;
        int x, y;
        at(c + 70, &x, &y);
        if (y < 3 || y > 435 || unstalled_hit(x, y))
            continue;
        checked++;
        EXPECT_NE(pixel(x, y), CD_COLOR) << "column " << c;
    }
    EXPECT_GT(checked, 30);
    // The unstalled curve itself is there (0 deg).
    int x0, y0;
    at(270, &x0, &y0);
    EXPECT_EQ(pixel(x0, y0), CD_COLOR);
    // The cursor passing over the curve does not wipe it out.
    move(x0, 100);
    move(x0 + 40, 100);
    EXPECT_EQ(pixel(x0, y0), CD_COLOR);
    // cl is not drawn in this view.
    EXPECT_NE(pixel(450, mark_y(0.125f)), CL_COLOR);
}

TEST_F(FoilTest, DegenerateConstantsKeepTablesAndPlotFinite)
{
    afl.almin = -10;
    afl.almax = 10;
    afl.clM = 0;
    afl.cmal2 = afl.cmal3 = 0;
    generate();
    for (int k = 0; k < PART_TABLE_SLOTS; k++)
        ASSERT_TRUE(std::isfinite(cl[k]) && std::isfinite(cd[k]) && std::isfinite(cm[k])) << k;
    menu(VIEW_POLAR);
    move(250 + 200, 100);
    EXPECT_TRUE(std::isfinite(readout[1]));
}
