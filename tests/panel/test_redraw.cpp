// The incremental redraw: a needle moves only past 2 degrees, a full
// redraw (ins.tickle_all) puts back every instrument, the panel follows a
// change of aircraft, and the levers stand where the flight puts them.
#include "panel_fixture.h"

#include "panel/local.h"

TEST_F(PanelTest, NeedleRedrawsOnlyPastTwoDegrees)
{
    load("Aircraft/Trainer.acf");
    cruise();
    settle();
    // Airspeeds whose needle angles are a whole number of degrees apart.
    auto speed_at = [](float deg) {
        float lo = pln.Vmin, hi = pln.Vmax;
        for (int k = 0; k < 60; k++) {   // asi_deg rises with speed: bisect
            float mid = 0.5f * (lo + hi);
            (asi_deg(mid) < deg ? lo : hi) = mid;
        }
        return 0.5f * (lo + hi);
    };
    int cx = ossix + 65, cy = 338;
    flt.vind = speed_at(150.0f);
    updatepanel();
    uint64_t at150 = region_hash(cx - 50, cy - 50, cx + 50, cy + 50);
    flt.vind = speed_at(152.0f);
    updatepanel();
    EXPECT_EQ(region_hash(cx - 50, cy - 50, cx + 50, cy + 50), at150);   // 2 degrees: stays
    flt.vind = speed_at(153.0f);
    updatepanel();
    uint64_t at153 = region_hash(cx - 50, cy - 50, cx + 50, cy + 50);
    EXPECT_NE(at153, at150);                                             // 3 degrees: moves
    // Back at 150 the dial is exactly as it was (the erased needle repaired
    // the graduations it crossed).
    flt.vind = speed_at(150.0f);
    updatepanel();
    EXPECT_EQ(region_hash(cx - 50, cy - 50, cx + 50, cy + 50), at150);
}

TEST_F(PanelTest, FullRedrawPutsBackEveryInstrument)
{
    load("Aircraft/Twin.acf");
    cruise();
    settle();
    uint64_t panel = region_hash(0, PANEL_TOP, 799, 599);
    // Something covered the panel (a window, say): without a request nothing
    // unchanged is drawn again; with ins.tickle_all everything is.
    MACIBM_startwind(0, 0);
    MACIBM_fillrect(30, 0, PANEL_TOP, 800, 370, 1);
    updatepanel();
    EXPECT_NE(region_hash(0, PANEL_TOP, 799, 599), panel);
    ins.tickle_all = 1;
    updatepanel();
    EXPECT_EQ(region_hash(0, PANEL_TOP, 799, 599), panel);
    EXPECT_EQ(ins.tickle_all, 0);
    // A paint of the window (panplot) shows the same panel.
    MACIBM_fillrect(30, 0, PANEL_TOP, 800, 370, 1);
    panplot();
    EXPECT_EQ(region_hash(0, PANEL_TOP, 799, 599), panel);
    // Nothing of the view above the panel is touched.
    for (int x = 0; x < 800; x += 37)
        EXPECT_NE(test_window_pixel(0, x, PANEL_TOP - 1), 30);
}

TEST_F(PanelTest, ANewAircraftGetsItsOwnPanel)
{
    load("Aircraft/Trainer.acf");
    cruise();
    settle(2);
    uint64_t trainer = region_hash(640, 272, 799, 599);
    load("Aircraft/Jet.acf");
    cruise();
    updatepanel();
    EXPECT_NE(region_hash(640, 272, 799, 599), trainer);   // engines and levers of the jet
    EXPECT_EQ(pln.dgx, ossix + 194);
    load("Aircraft/Helicopter.acf");
    cruise();
    updatepanel();
    EXPECT_EQ(osrad, -100);   // the helicopter's narrow panel
    EXPECT_EQ(osthr + 666, 600);
}

TEST_F(PanelTest, LeversAreTheAircraftsAndStandWhereTheFlightPutsThem)
{
    struct { const char *file; int flaps, throttles, props, mixtures, trim; int throttle_x; } AIRCRAFT[] = {
        {"Aircraft/Trainer.acf", 1, 1, 0, 1, 1, 666},
        {"Aircraft/Twin.acf", 1, 2, 2, 2, 1, 647},
        {"Aircraft/Jet.acf", 1, 2, 0, 0, 1, 647},
        {"Aircraft/Seaplane.acf", 1, 1, 1, 1, 1, 666},
        {"Aircraft/Helicopter.acf", 0, 0, 0, 0, 1, 0},
    };
    for (auto &a : AIRCRAFT) {
        load(a.file);
        set_mod();
        Lever l[MAX_LEVERS];
        int n = panel_levers(l), count[LV_COLLECT + 1] = {};
        int throttle_x = 0;
        for (int k = 0; k < n; k++) {
            count[l[k].kind]++;
            if (l[k].kind == LV_THROT && !throttle_x)
                throttle_x = l[k].x;
        }
        EXPECT_EQ(count[LV_FLAP], a.flaps) << a.file;
        EXPECT_EQ(count[LV_THROT], a.throttles) << a.file;
        EXPECT_EQ(count[LV_PROP], a.props) << a.file;
        EXPECT_EQ(count[LV_MIX], a.mixtures) << a.file;
        EXPECT_EQ(count[LV_TRIM], a.trim) << a.file;
        EXPECT_EQ(throttle_x, a.throttle_x) << a.file;
    }
    // The rows of a flight start, and a drag's own rounding kept.
    load("Aircraft/Twin.acf");
    flt.throtrequest[0] = 1.0f, flt.throtrequest[1] = 0.0f;
    flt.flaprequest = MAX_FLAP_INDEX;
    flt.sbrk = 2;
    flt.trim = pln.hstbtrimmax;
    flt.mix[0] = 0.0f;
    flt.prop[1] = pln.omegamax;
    set_lever_rows(0);
    EXPECT_EQ(ins.throt[0], 515);
    EXPECT_EQ(ins.throt[1], 563);
    EXPECT_EQ(ins.flap, 500);
    EXPECT_EQ(ins.sbrk, 483);
    EXPECT_EQ(ins.trim, 564);
    EXPECT_EQ(ins.mix[0], 486);
    EXPECT_EQ(ins.prop[1], 446);
    ins.throt[0] = 516;
    set_lever_rows(1);
    EXPECT_EQ(ins.throt[0], 516);
    set_lever_rows(0);
    EXPECT_EQ(ins.throt[0], 515);
    // The autopilot's trim wheel and the automatic speed brake move the levers.
    handle(HANDLE_TRIM, 530);
    EXPECT_EQ(ins.trim, 530);
    handle(HANDLE_SBRK, 483);
    EXPECT_EQ(ins.sbrk, 483);
}
