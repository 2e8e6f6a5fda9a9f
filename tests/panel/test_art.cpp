// The panel's geometry and art against the fixed click points the keys and
// hot spots use, the attitude ball's spans, and the rolling readout and
// live-readout digits as drawn on the canvas.
#include "panel_fixture.h"

#include "panel/local.h"

// Painted control (not the bare panel paint) under a click point.
static bool on_control(int x, int y)
{
    int c = canvas_background(x, y);
    return c != PC_GREY2 && c != PC_GREY3 && c != PC_GREY4;
}

TEST_F(PanelTest, ClickPointsOfTheKeysAndHotSpotsLandOnPaintedControls)
{
    struct { const char *file; int x, y; const char *what; } POINTS[] = {
        {"Aircraft/Trainer.acf", 760, 259, "pause"},
        {"Aircraft/Trainer.acf", 288, 378, "altimeter setting knob"},
        {"Aircraft/Trainer.acf", 410, 395, "NAV1 course knob"},
        {"Aircraft/Trainer.acf", 194 - 37, 466 + 45, "NAV2 course knob"},
        {"Aircraft/Trainer.acf", 194 + 47, 466 + 45, "heading knob"},
        {"Aircraft/Trainer.acf", 505, 360, "NAV1 volume"},
        {"Aircraft/Trainer.acf", 505, 409, "NAV2 volume"},
        {"Aircraft/Trainer.acf", 541, 356, "COM1 MHz"},
        {"Aircraft/Trainer.acf", 565, 356, "COM1 hundredths"},
        {"Aircraft/Trainer.acf", 602, 356, "NAV1 MHz"},
        {"Aircraft/Trainer.acf", 626, 411, "NAV2 hundredths"},
        {"Aircraft/Trainer.acf", 550, 284, "audio selector"},
        {"Aircraft/Trainer.acf", 610, 305, "DME source 1"},
        {"Aircraft/Trainer.acf", 629, 305, "DME source 2"},
        {"Aircraft/Trainer.acf", 571, 453, "transponder digit 1"},
        {"Aircraft/Trainer.acf", 631, 453, "transponder digit 4"},
        {"Aircraft/Trainer.acf", 497, 483, "autopilot heading"},
        {"Aircraft/Trainer.acf", 620, 483, "autopilot speed"},
        {"Aircraft/Trainer.acf", 511, 547, "ADF digit 1"},
        {"Aircraft/Trainer.acf", 551, 547, "ADF digit 3"},
        {"Aircraft/Trainer.acf", 494, 560, "brakes"},
        {"Aircraft/Trainer.acf", 413, 521, "timer start"},
        {"Aircraft/Trainer.acf", 434, 521, "timer reset"},
        {"Aircraft/Trainer.acf", 650, 446, "flaps up"},
        {"Aircraft/Trainer.acf", 650, 500, "flaps full"},
        {"Aircraft/Trainer.acf", 769, 524, "trim nose down"},
        {"Aircraft/Trainer.acf", 769, 564, "trim nose up"},
        {"Aircraft/Trainer.acf", 666, 540, "throttle slot"},
        {"Aircraft/Trainer.acf", 727, 470, "mixture slot"},
        {"Aircraft/Twin.acf", 647, 540, "throttle 1 slot"},
        {"Aircraft/Twin.acf", 682, 540, "throttle 2 slot"},
        {"Aircraft/Twin.acf", 689, 470, "propeller 1 slot"},
        {"Aircraft/Twin.acf", 716, 470, "propeller 2 slot"},
        {"Aircraft/Twin.acf", 754, 470, "mixture 2 slot"},
        {"Aircraft/Jet.acf", 609, 520, "gear handle"},
        {"Aircraft/Helicopter.acf", 600, 540, "collective slot"},
        {"Aircraft/Helicopter.acf", 580, 259, "pause"},
    };
    const char *loaded = "";
    for (auto &p : POINTS) {
        if (strcmp(loaded, p.file)) {
            load(p.file);
            cruise();
            settle(1);
            loaded = p.file;
        }
        EXPECT_TRUE(on_control(p.x, p.y)) << p.file << ": " << p.what << " at " << p.x << ", " << p.y;
    }
}

TEST_F(PanelTest, AttitudeBallSpansAndPanelGeometryOfEachDashAndLayout)
{
    struct { int dash, layout, ahx, ahy, dgx, dgy, osrad; } GEOMETRY[] = {
        {1, 1, 194, 338, 194, 466, 0}, {1, 6, 194, 338, 194, 466, 0}, {1, 8, 194, 338, 194, 466, -100},
        {2, 1, 194, 338, 100, 480, 0}, {2, 8, 194, 338, 100, 480, -100}};
    for (auto &g : GEOMETRY) {
        pln.dashtype = g.dash, pln.layouttype = g.layout, pln.is_heli = g.layout == 8;
        set_mod();
        EXPECT_EQ(pln.ahx, g.ahx);
        EXPECT_EQ(pln.ahy, g.ahy);
        EXPECT_EQ(pln.dgx, g.dgx);
        EXPECT_EQ(pln.dgy, g.dgy);
        EXPECT_EQ(osrad, g.osrad);
        EXPECT_EQ(pln.gsyc, pln.dgy);
        EXPECT_LT(pln.gsx1, pln.dgx - DG_CARD_R);   // the bars stand beside the card
        EXPECT_GT(pln.gsx2, pln.dgx + DG_CARD_R);
        ASSERT_LT(pln.ah_bot_roll - pln.ah_top_roll, MAX_AH_ROWS);
        EXPECT_EQ(pln.ah_dim_int, 2 * pln.ah_semidim_int);
        for (int y = pln.ah_top_roll; y <= pln.ah_bot_roll; y++) {
            int k = y - pln.ah_top_roll;
            // Symmetric about the centre; the ball inside the ring.
            EXPECT_EQ(pln.ahx - pln.ahx1_roll[k], pln.ahx2_roll[k] - pln.ahx) << y;
            EXPECT_LE(pln.ahx2_roll[k] - pln.ahx, pln.ah_semidim_int) << y;
            if (pln.ahx1_prim[k] <= pln.ahx2_prim[k]) {
                EXPECT_GE(pln.ahx1_prim[k], pln.ahx1_roll[k]) << y;
                EXPECT_GE(y, pln.ah_top_prim) << y;
                EXPECT_LE(y, pln.ah_bot_prim) << y;
            }
        }
        // The widest row is the middle one.
        EXPECT_EQ(pln.ahx2_roll[pln.ah_semidim_int] - pln.ahx, g.dash == 2 ? GLASS_AH_HALF_W : AH_RING_R);
    }
}

TEST_F(PanelTest, RollingReadoutAndLiveReadoutDigitsAsDrawn)
{
    load("Aircraft/Trainer.acf");
    cruise();
    settle(1);
    canvas_begin();
    // The rolling font as drawn: digit d's row r is tape_col[.][9 d + r].
    auto cell = [](int x, int y, int d, int drop) {
        for (int r = 0; r < 9; r++)
            for (int c = 0; c < TAPE_W; c++)
                if (test_world_pixel(PANEL_WORLD, x + c, y + r) != ins.tape_col[c][(d * 9 + r + drop) % TAPE_H])
                    return false;
        return true;
    };
    auto dark = [](int x, int y) {
        for (int r = 0; r < 9; r++)
            for (int c = 0; c < TAPE_W; c++)
                if (test_world_pixel(PANEL_WORLD, x + c, y + r) != PC_BLACK)
                    return false;
        return true;
    };
    tape_4(100, 300, 120.0f, 4);
    EXPECT_TRUE(dark(100, 300));                 // no leading zero
    EXPECT_TRUE(cell(106, 300, 1, 0));
    EXPECT_TRUE(cell(112, 300, 2, 0));
    EXPECT_TRUE(cell(118, 300, 0, 0));
    tape_4(100, 300, 129.5f, 4);                 // 129 turning to 130: 4 of 9 rows
    EXPECT_TRUE(cell(106, 300, 1, 0));
    EXPECT_TRUE(cell(112, 300, 2, 4));           // the tens turn with a 9 below them
    EXPECT_TRUE(cell(118, 300, 9, 4));
    tape_4(100, 300, 999.5f, 4);                 // the leading zero turns too
    EXPECT_TRUE(cell(100, 300, 0, 4));

    // Live readout: a missing value leaves the field clear, a negative one
    // has its bar, a large one its exponent.
    auto lit = [](int x1, int y1, int x2, int y2) {
        int n = 0;
        for (int y = y1; y <= y2; y++)
            for (int x = x1; x <= x2; x++)
                n += test_world_pixel(PANEL_WORLD, x, y) == PC_GREEN;
        return n;
    };
    REALTIME_num(20, 554, -999.0f, 4, 1, PC_GREEN);
    EXPECT_EQ(lit(20, 554, 49, 562), 0);
    REALTIME_num(20, 554, -12.5f, 4, 1, PC_GREEN);
    EXPECT_EQ(lit(20, 557, 23, 557), 4);         // the minus bar
    EXPECT_GT(lit(24, 554, 49, 562), 20);
    REALTIME_num(20, 554, 1234567.0f, 4, 0, PC_GREEN);
    EXPECT_EQ(test_world_pixel(PANEL_WORLD, 39, 557), PC_GREEN);   // the "e"
    canvas_end();
}
