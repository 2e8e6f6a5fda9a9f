// The generated airport: light-table limits and equipment by size and
// approach, markings and number glyphs, pads, crossing runways, beacon,
// tower and hangars.
#include "world_fixture.h"

class RunwayTest : public WorldTest {
  protected:
    // Slot 0 as the current airport: runway 1 number/side, optional runway 2.
    void airport(int number, char side, int len_m, int wid_m, int hdg, int number2 = 0, int len2 = 0,
                 int hdg2 = 0, int code = 1)
    {
        memset(env.navmsc, 0, sizeof env.navmsc);
        env.navmsc[0][0] = 1;
        env.navmsc[0][1] = len_m;
        env.navmsc[0][2] = wid_m;
        env.navmsc[0][3] = hdg;
        env.navmsc[0][4] = number;
        env.navmsc[0][5] = len2;
        env.navmsc[0][6] = wid_m;
        env.navmsc[0][7] = hdg2;
        env.navmsc[0][8] = number2;
        env.lr[0][0] = side;
        env.lr[0][1] = 'x';
        env.ILScode[0] = code;
        msc.loc_index = 0;
    }
};

TEST_F(RunwayTest, LongWideRunwayWithAnApproachHasEverything)
{
    airport(9, 'x', 3048, 46, 90);
    setuprunway(0, 0, 0, 3048.0f, 45.72f, 90, 0, 1);   // 10,000 x 150 ft
    EXPECT_EQ(env.rwaymax1[0], 49);
    EXPECT_EQ(env.rwaymax2[0], 99);
    EXPECT_EQ(env.twaymax1[0], 199);
    EXPECT_EQ(env.twaymax2[0], 249);
    EXPECT_EQ(env.RCLSmax[0], 149);
    EXPECT_EQ(env.amber1[0], 2);
    EXPECT_EQ(env.amber2[0], 47);
    EXPECT_EQ(env.altred1[0], 149 - 15);
    EXPECT_EQ(env.red1[0], 149 - 7);
    for (int *flag : {env.VASI, env.tway, env.ALS, env.rabbit, env.RCLS, env.TDZL, env.red_ALS,
                      env.ext_REIL, env.ext_ALS, env.runoff})
        EXPECT_EQ(flag[0], 1);
    EXPECT_EQ(env.VTOpad[0], 0);
    // Equipment code 2: the approach is on the other runway.
    setuprunway(0, 0, 0, 3048.0f, 45.72f, 90, 0, 2);
    for (int *flag : {env.ALS, env.rabbit, env.TDZL, env.red_ALS, env.ext_ALS})
        EXPECT_EQ(flag[0], 0);
    EXPECT_EQ(env.RCLS[0], 1);
    EXPECT_EQ(env.VASI[0], 1);
}

TEST_F(RunwayTest, SmallRunwayGetsTenIntervalsAndNoEquipment)
{
    airport(9, 'x', 30, 15, 0);
    setuprunway(0, 0, 0, 30.48f, 15.24f, 0, 0, 3);   // 100 x 50 ft
    EXPECT_EQ(env.rwaymax1[0], 10);
    EXPECT_EQ(env.VASI[0], 0);
    EXPECT_EQ(env.tway[0], 0);
    EXPECT_EQ(env.VTOpad[0], 1);
}

TEST_F(RunwayTest, LightsLieAlongTheHeading)
{
    airport(9, 'x', 1000, 30, 90);
    setuprunway(100, 200, 10, 1000, 30, 90, 0, 1);
    // Heading east: along is +x, the left edge lies north (+y).
    EXPECT_NEAR(rwayx[0][0], 100.0f, 1e-3);
    EXPECT_NEAR(rwayy[0][0], 216.0f, 1e-3);
    int n = env.rwaymax1[0];
    EXPECT_NEAR(rwayx[n][0], 1100.0f, 1e-3);
    EXPECT_NEAR(rwayz[n][0], 10.5f, 1e-4);
    EXPECT_NEAR(rwayy[50][0], 184.0f, 1e-3);
    EXPECT_NEAR(rwayx[100][0], 130.0f, 1e-3);              // centre line from 30 m
    EXPECT_NEAR(rwayx[250][0], 100.0f - 500.0f, 1e-3);     // approach lights
    EXPECT_NEAR(rwayx[502][0], 98.0f, 1e-3);               // threshold bar
    EXPECT_NEAR(rwayy[502][0], 215.0f, 1e-3);
    EXPECT_NEAR(rwayy[512][0], 185.0f, 1e-3);
    // Unused indices are no light.
    EXPECT_EQ(rwayy[280][0], 0.0f);
    EXPECT_NEAR(env.rabbitsx[0], 100.0f - 1050.0f, 1e-3);
    EXPECT_NEAR(env.rabbitdx[0], 50.0f, 1e-3);   // one approach-light step towards the runway
}

TEST_F(RunwayTest, PadShowsALitPerimeter)
{
    airport(9, 'x', 91, 30, 0);
    setuprunway(0, 0, 0, 91.44f, 30.0f, 0, 0, 1);   // 300 ft
    ASSERT_EQ(env.VTOpad[0], 1);
    // 100..124 from the right start (index 99) towards the left start (125).
    EXPECT_NEAR(rwayx[100][0], rwayx[50][0] + (rwayx[0][0] - rwayx[50][0]) / 26.0f, 1e-3);
    EXPECT_NEAR(rwayy[137][0], rwayy[env.rwaymax2[0]][0], 1.0f * 91.44f);
    EXPECT_NEAR(rwayz[124][0], 0.5f, 1e-4);
    EXPECT_NE(rwayx[149][0], 0.0f);
}

TEST_F(RunwayTest, MarkingCountsFollowTheNumbers)
{
    airport(9, 'x', 3048, 46, 90);
    setuprunway(0, 0, 0, 3048, 46, 90, 0, 1);
    EXPECT_EQ(rwy.max[0], 117);   // 67 fixed and stripes, 29 for "09", 22 for "27"
    airport(9, 'L', 3048, 46, 90);
    setuprunway(0, 0, 0, 3048, 46, 90, 0, 1);
    EXPECT_EQ(rwy.max[0], 117 + 9 + 14);   // "L" 9 cells at the threshold, "R" 14 at the far end
    airport(36, 'x', 3048, 46, 0);
    setuprunway(0, 0, 0, 3048, 46, 0, 0, 1);
    EXPECT_EQ(rwy.max[0], 66 + 26 + 24);   // "36" and "18"
}

TEST_F(RunwayTest, FarEndGlyphsAreTurnedHalfRound)
{
    airport(11, 'x', 1000, 50, 0);
    setuprunway(0, 0, 0, 1000, 50, 0, 0, 1);
    // Heading north: across is x (left edge at -25), along is y. The first
    // glyph cell of "11" at the threshold is column 2 of digit 1 at 0.38.
    bool near_found = false, far_found = false;
    for (int m = 0; m <= rwy.max[0]; m++) {
        float x0 = fminf(rwy.markx[0][0][m], rwy.markx[0][1][m]);
        float y0 = fminf(rwy.marky[0][0][m], rwy.marky[0][2][m]);
        if (fabsf(x0 - (-25.0f + (0.38f + 2 * 0.033f) * 50.0f)) < 0.01f && fabsf(y0 - 1000.0f / 36) < 0.01f)
            near_found = true;
        // "29" at the far end: the first cell of "2" (row 1, column 0) sits
        // mirrored at the far side of the block, ending at segment 34's end.
        float x2 = fmaxf(rwy.markx[0][0][m], rwy.markx[0][1][m]);
        float y2 = fmaxf(rwy.marky[0][0][m], rwy.marky[0][2][m]);
        if (fabsf(x2 - (25.0f - 0.38f * 50.0f)) < 0.01f && fabsf(y2 - 1000.0f * 35 / 36) < 0.01f)
            far_found = true;
    }
    EXPECT_TRUE(near_found);
    EXPECT_TRUE(far_found);
    EXPECT_NEAR(rwy.markz[0][0][0], 0.0f, 1e-6);
}

TEST_F(RunwayTest, EveryRunwayNumberFitsTheMarkingTable)
{
    for (int number = 1; number <= 36; number++)
        for (char side : {'x', 'L', 'R'}) {
            airport(number, side, 3048, 46, 90);
            EXPECT_EQ(fatal_message([] { setuprunway(0, 0, 0, 3048, 46, 90, 0, 1); }), "no exit");
            EXPECT_LT(rwy.max[0], MAX_MARKS);
            EXPECT_GT(rwy.max[0], 100);
        }
}

TEST_F(RunwayTest, CrossingRunwaysLoseTheLightsOnEachOther)
{
    // Runway 0 east from (0, 0), runway 1 north from (1000, -1000): they cross at (1000, 0).
    airport(9, 'x', 2000, 45, 90, 36, 2000, 0, 0);
    env.navxyz[0][0] = 0;
    env.navxyz[0][1] = 0;
    env.navxyz[0][2] = 1000;
    env.navxyz[0][3] = -1000;
    env.navxyz[0][4] = 100;
    beacx[0] = 1000;   // on the second runway
    beacy[0] = 300;
    setnewlocale();
    EXPECT_EQ(env.rwaymax, 1);
    EXPECT_EQ(env.fieldh, 100.0f);
    for (int r = 0; r < 2; r++)
        for (int k = 1; k < env.rwaymax1[r]; k++) {
            bool on_other = r == 0 ? fabsf(rwayx[k][0] - 1000.0f) < 20.0f : fabsf(rwayy[k][1]) < 20.0f;
            EXPECT_FALSE(on_other && rwayx[k][r] != 0.0f) << r << " " << k;
        }
    // Some edge lights were removed from each, the ends kept.
    int removed0 = 0;
    for (int k = 1; k < env.rwaymax1[0]; k++)
        removed0 += rwayx[k][0] == 0.0f && rwayy[k][0] == 0.0f;
    EXPECT_GT(removed0, 0);
    EXPECT_NE(rwayx[0][1], 0.0f);
    // The beacon walked east off the second runway's area (100 m margin),
    // the tower stands on it, the hangars clear of the second runway.
    EXPECT_GT(beacx[0], 1000.0f + 22.5f + 100.0f);
    EXPECT_EQ(bldng_x[0], beacx[0]);
    EXPECT_EQ(bldng_dz[0][3], 24.0f);
    EXPECT_EQ(bldng_z[0], 100.0f);
    for (int n = 0; n < 4; n++)
        EXPECT_GT(fabsf(hangarx[n][0][0] - 1000.0f), 22.5f) << n;
}

TEST_F(RunwayTest, HangarIsAShedFacingTheRunway)
{
    make_a_hangar(0, 100, 200, 10, 90);
    // Heading 90: along is +x, across is -y. Long wall at b = +10.
    EXPECT_NEAR(hangarx[0][0][0], 110.0f, 1e-3);
    EXPECT_NEAR(hangary[0][0][0], 220.0f, 1e-3);
    EXPECT_NEAR(hangarz[0][6][2], 16.0f, 1e-4);   // ridge
    make_a_hangar(7, 0, 0, 0, 0);                 // out of range: nothing
}

TEST(WorldGeometry, OutlinesAndTrianglesEitherWayRound)
{
    const float cx[4] = {0, 10, 10, 0}, cy[4] = {0, 0, 10, 10};   // anticlockwise
    const float wx[4] = {0, 0, 10, 10}, wy[4] = {0, 10, 10, 0};   // clockwise
    EXPECT_TRUE(inside_quad(cx, cy, 5, 5, 0));
    EXPECT_TRUE(inside_quad(wx, wy, 5, 5, 0));
    EXPECT_FALSE(inside_quad(cx, cy, 15, 5, 0));
    EXPECT_TRUE(inside_quad(cx, cy, 15, 5, 6));
    planex[0][0] = 0, planey[0][0] = 0, planex[1][0] = 10, planey[1][0] = 0;
    planex[0][1] = 0, planey[0][1] = 10;
    EXPECT_TRUE(ontri(0, 0, 1, 0, 0, 1, 2, 2));
    EXPECT_TRUE(ontri(0, 1, 1, 0, 0, 0, 2, 2));
    EXPECT_TRUE(ontri(0, 0, 1, 0, 0, 1, 5, 0));   // on an edge
    EXPECT_FALSE(ontri(0, 0, 1, 0, 0, 1, 8, 8));
    EXPECT_FALSE(ontri(0, 0, 0, 0, 0, 1, 0, 5));  // degenerate
}
