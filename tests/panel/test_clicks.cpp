// Panel clicks and lever drags: a click point on each panel to the field
// it changes, knobs held past 2 s, switches acting only on the press, the
// levers' rows to their commands, and the panel redrawn at once.
#include "panel_fixture.h"

#include "panel/local.h"

namespace {

class ClickTest : public PanelTest {
  protected:
    void open(const char *file, int dash, int layout)
    {
        load(file, dash, layout);
        cruise();
        env.nid_max_used = env.vid_max_used = env.aid_max_used = 9;   // a small country table
        ins.map_range = ins.arg_range = ins.rad_range = 30.0f;
        ins.baro = 29.92f;
        settle(1);
    }
};

// A field before and after one click; `held` is how long the button has
// been down (0 the press itself).
struct Click {
    const char *file;
    int dash, layout;
    int x, y;
    float held;
    int *i;
    float *f;
    float before, after;
    const char *what;
};

TEST_F(ClickTest, EachHotSpotChangesItsField)
{
    const char *T = "Aircraft/Trainer.acf", *J = "Aircraft/Jet.acf", *H = "Aircraft/Helicopter.acf";
    const Click CLICKS[] = {
        {T, 1, 1, 760, 259, 0, &msc.paused, nullptr, 0, 1, "pause"},
        {T, 1, 1, 760, 259, 1, &msc.paused, nullptr, 0, 0, "pause held: only the press acts"},
        {T, 1, 1, 150, 511, 0, nullptr, &nav.obs[1], 0, 359, "NAV2 course down, wrapped"},
        {T, 1, 1, 177, 511, 0, nullptr, &nav.obs[1], 50, 51, "NAV2 course up"},
        {T, 1, 1, 177, 511, 2.5f, nullptr, &nav.obs[1], 50, 53, "NAV2 course held 2 s: 3 a step"},
        {T, 1, 1, 224, 506, 0, nullptr, &ins.dg_drift, 0, 1, "heading drift +1"},
        {T, 1, 1, 259, 506, 0, nullptr, &ins.dg_drift, 0, -1, "heading drift -1"},
        {T, 1, 1, 278, 378, 0, nullptr, &ins.baro, 29.92f, 29.917f, "altimeter setting down"},
        {T, 1, 1, 298, 378, 0, nullptr, &ins.baro, 31.999f, 32.0f, "altimeter setting up, held at 32"},
        {T, 1, 1, 398, 395, 0, nullptr, &nav.obs[0], 10, 9, "NAV1 course down"},
        {T, 1, 1, 425, 395, 0, nullptr, &nav.obs[0], 359.5f, 0.5f, "NAV1 course up, wrapped"},
        {T, 1, 1, 413, 521, 0, &msc.timer_running, nullptr, 0, 1, "timer start"},
        {T, 1, 1, 434, 521, 0, nullptr, &msc.timer_value, 50, 0, "timer reset"},
        {T, 1, 1, 550, 284, 0, &nav.radout, nullptr, 3, 1, "audio COM1"},
        {T, 1, 1, 630, 284, 0, &nav.radout, nullptr, 3, 5, "audio ADF"},
        {T, 1, 1, 629, 305, 0, &nav.dmesel, nullptr, 0, 1, "DME on NAV2"},
        {T, 1, 1, 500, 360, 0, nullptr, &nav.vol[0], 0.5f, 0.4f, "NAV1 volume down"},
        {T, 1, 1, 510, 413, 0, nullptr, &nav.vol[1], 0.5f, 0.6f, "NAV2 volume up"},
        {T, 1, 1, 541, 352, 0, &nav.cf[0], nullptr, 134, 118, "COM1 MHz up, wrapped"},
        {T, 1, 1, 541, 358, 0, &nav.cf[0], nullptr, 118, 134, "COM1 MHz down, wrapped"},
        {T, 1, 1, 565, 352, 0, &nav.cf100[0], nullptr, 95, 0, "COM1 hundredths up"},
        {T, 1, 1, 583, 352, 0, &nav.cf100[0], nullptr, 50, 50, "between the windows: nothing"},
        {T, 1, 1, 602, 352, 0, &nav.nf[0], nullptr, 117, 108, "NAV1 MHz up, wrapped"},
        {T, 1, 1, 626, 358, 0, &nav.nf100[0], nullptr, 0, 95, "NAV1 hundredths down"},
        {T, 1, 1, 602, 407, 0, &nav.nf[1], nullptr, 110, 111, "NAV2 MHz up"},
        {T, 1, 1, 626, 414, 0, &nav.nf100[1], nullptr, 70, 65, "NAV2 hundredths down"},
        {T, 1, 1, 541, 407, 0.6f, &nav.cf[1], nullptr, 118, 119, "COM2 MHz up, held: repeats"},
        {T, 1, 1, 571, 448, 0, &nav.tran1, nullptr, 7, 0, "transponder 1 up"},
        {T, 1, 1, 631, 456, 0, &nav.tran4, nullptr, 0, 7, "transponder 4 down"},
        {T, 1, 1, 493, 483, 0, &ott.HDSLCT, nullptr, 1, 0, "autopilot heading off"},
        {T, 1, 1, 517, 483, 0, &ott.NAV[0], nullptr, 0, 1, "autopilot NAV1"},
        {T, 1, 1, 537, 475, 0, &ott.NAV[1], nullptr, 0, 1, "autopilot NAV2 by its label"},
        {T, 1, 1, 600, 483, 0, &ott.GS2, nullptr, 0, 1, "autopilot glide slope"},
        {T, 1, 1, 620, 483, 0, &ott.ASHOLD, nullptr, 0, 1, "autopilot speed"},
        {T, 1, 1, 511, 543, 0, &nav.adf1, nullptr, 9, 0, "ADF 1 up"},
        {T, 1, 1, 551, 550, 0, &nav.adf3, nullptr, 0, 9, "ADF 3 down"},
        {T, 1, 1, 494, 560, 0, &ins.brake_on, nullptr, 0, 1, "brakes"},
        {T, 1, 2, 530, 340, 0, &nav.gps_index_mode, nullptr, 1, 2, "GPS: VOR waypoints"},
        {T, 1, 2, 625, 340, 0, &nav.gps_display_mode, nullptr, 1, 2, "GPS: cross-track"},
        {T, 1, 2, 631, 352, 0, &nav.gpsindex, nullptr, 3, 4, "GPS: next waypoint"},
        {T, 1, 2, 541, 352, 0, &nav.gpsindex, nullptr, 3, 2, "GPS: previous waypoint"},
        {T, 1, 2, 541, 352, 0, &nav.cf[0], nullptr, 121, 121, "GPS layout: no COM1 there"},
        {T, 1, 2, 500, 360, 0, nullptr, &nav.vol[0], 0.5f, 0.5f, "GPS layout: no NAV1 volume"},
        {T, 1, 3, 475, 340, 0, &ins.arg_mode, nullptr, 0, 1, "stormscope mode 1"},
        {T, 1, 3, 475, 370, 0, nullptr, &ins.arg_range, 30, 15, "stormscope range halved"},
        {T, 1, 4, 395, 395, 0, nullptr, &ins.radalt_ft, 200, 190, "decision height down"},
        {J, 1, 6, 400, 395, 0, &ins.radar_on, nullptr, 1, 0, "radar off"},
        {J, 1, 6, 470, 395, 0, nullptr, &ins.rad_range, 15, 30, "radar range doubled"},
        {J, 1, 1, 609, 520, 0, &set.gear_handle, nullptr, 1, 0, "gear up"},
        {J, 2, 2, 210, 528, 0, nullptr, &ins.map_range, 30, 15, "map range halved"},
        {J, 2, 2, 245, 528, 0, nullptr, &ins.map_range, 30, 30, "map range held at 30"},
        {J, 2, 2, 336, 528, 0, &ins.map_mode, nullptr, 1, 2, "map arc"},
        {J, 2, 2, 357, 528, 0, &ins.EFIS_wxr, nullptr, 0, 1, "map weather"},
        {J, 2, 2, 374, 528, 0, &ins.EFIS_tcas, nullptr, 0, 1, "map traffic"},
        {J, 2, 2, 55, 525, 0, nullptr, &nav.obs[1], 50, 49, "glass NAV2 course down"},
        {J, 2, 2, 280, 378, 0, nullptr, &ins.baro, 29.92f, 29.92f, "glass: no altimeter knob"},
        {H, 1, 8, 502, 407, 0, &nav.nf[1], nullptr, 110, 111, "helicopter NAV2 MHz"},
        {H, 1, 8, 580, 259, 0, &msc.paused, nullptr, 0, 1, "helicopter pause"},
        {H, 1, 8, 413, 521, 0, &msc.timer_running, nullptr, 0, 0, "helicopter: no timer"},
    };
    const char *loaded = "";
    int dash = 0, layout = 0;
    for (const Click &c : CLICKS) {
        if (strcmp(loaded, c.file) || dash != c.dash || layout != c.layout) {
            open(c.file, c.dash, c.layout);
            loaded = c.file, dash = c.dash, layout = c.layout;
        }
        if (c.i)
            *c.i = (int)c.before;
        else
            *c.f = c.before;
        set.dragging = c.held > 0.0f;
        set.dragtime = c.held;
        dasclick(c.x, c.y);
        if (c.i)
            EXPECT_EQ(*c.i, (int)c.after) << c.what;
        else
            EXPECT_NEAR(*c.f, c.after, 1e-4f) << c.what;
        msc.paused = 0;
    }
}

// The altitude, vertical-speed and airspeed holds take the present state
// as their target when switched on, and keep it when switched off.
TEST_F(ClickTest, HoldsSwitchedOnTakeThePresentStateAsTarget)
{
    open("Aircraft/Trainer.acf", 1, 1);
    set.dragtime = 0.0f;
    flt.h = 914.0f, flt.vu = -2.5f, flt.vind = 87.0f;
    ott.ALHOLD = ott.VVHOLD = ott.ASHOLD = 0;
    ott.alhold = ott.vvhold = ott.as_hold = 0.0f;
    dasclick(559, 483);   // ALT
    dasclick(580, 483);   // VS
    dasclick(620, 483);   // SPD
    EXPECT_EQ(ott.ALHOLD + ott.VVHOLD + ott.ASHOLD, 3);
    EXPECT_FLOAT_EQ(ott.alhold, 914.0f);
    EXPECT_FLOAT_EQ(ott.vvhold, -2.5f);
    EXPECT_FLOAT_EQ(ott.as_hold, 87.0f);
    flt.h = 0.0f;
    dasclick(559, 483);
    EXPECT_EQ(ott.ALHOLD, 0);
    EXPECT_FLOAT_EQ(ott.alhold, 914.0f);
}

// A click that retunes shows the new digits at once, and the receiver
// follows: NAV 1 onto a VOR's frequency latches it.
TEST_F(ClickTest, TuningByClickRedrawsTheWindowAndLatchesTheStation)
{
    open("Aircraft/Trainer.acf", 1, 1);
    env.navmsc[3][0] = NAV_VOR, env.navmsc[3][1] = 113, env.navmsc[3][2] = 60;
    env.navxyz[3][1] = 9000.0f;
    nav.nf[0] = 112, nav.nf100[0] = 60;
    set.dragtime = 0.0f;
    uint64_t before = region_hash(585, 348, 637, 362);
    dasclick(602, 352);
    EXPECT_EQ(nav.nf[0], 113);
    EXPECT_EQ(nav.goodnav[0], 1);
    EXPECT_EQ(nav.vory[0], 9000.0f);
    EXPECT_NE(region_hash(585, 348, 637, 362), before);
}

// The keys click the panel with no button down: a switch acts and a knob
// steps once however long the last button was held.
TEST_F(ClickTest, AKeysClickIsAPressWhateverTheLastHold)
{
    open("Aircraft/Trainer.acf", 1, 1);
    set.dragging = 0;
    set.dragtime = 3.0f;
    dasclick(760, 259);
    EXPECT_EQ(msc.paused, 1);
    nav.obs[0] = 100.0f;
    dasclick(425, 395);
    EXPECT_FLOAT_EQ(nav.obs[0], 101.0f);
}

// Which lever of the aircraft a drag takes, and the command its row gives.
TEST_F(ClickTest, LeverDragsSetTheirCommands)
{
    open("Aircraft/Twin.acf", 1, 1);
    auto drag = [](int x, int y) { enginecondrag(x, y); };
    drag(647, LEVER_THROT_FULL + 7);
    EXPECT_FLOAT_EQ(flt.throtrequest[0], 1.0f);
    EXPECT_FLOAT_EQ(flt.throtrequest[1], 0.6f);          // the other throttle stays
    drag(666, LEVER_THROT_IDLE + 7);                      // between them: both
    EXPECT_FLOAT_EQ(flt.throtrequest[0], 0.0f);
    EXPECT_FLOAT_EQ(flt.throtrequest[1], 0.0f);
    drag(660, LEVER_THROT_FULL + 7);                      // nearer the first, still both
    EXPECT_FLOAT_EQ(flt.throtrequest[1], 1.0f);
    drag(682, (LEVER_THROT_FULL + LEVER_THROT_IDLE) / 2 + 7);
    EXPECT_FLOAT_EQ(flt.throtrequest[1], 0.5f);
    EXPECT_EQ(ins.throt[1], (LEVER_THROT_FULL + LEVER_THROT_IDLE) / 2);
    drag(689, LEVER_PROP_LOW + 11);
    EXPECT_FLOAT_EQ(flt.prop[0], pln.omegamin);
    drag(716, LEVER_PROP_HIGH + 11 - 8);                 // past the stop: held there
    EXPECT_FLOAT_EQ(flt.prop[1], pln.omegamax);
    drag(754, LEVER_PROP_LOW + 11);
    EXPECT_FLOAT_EQ(flt.mix[1], 0.0f);
    drag(650, LEVER_FLAP_FULL);
    EXPECT_EQ(flt.flaprequest, MAX_FLAP_INDEX);
    drag(650, (LEVER_FLAP_UP + LEVER_FLAP_FULL) / 2);
    EXPECT_EQ(flt.flaprequest, MAX_FLAP_INDEX / 2);
    drag(769, LEVER_TRIM_DN);
    EXPECT_FLOAT_EQ(flt.trim, -pln.hstbtrimmax);
    drag(769, (LEVER_TRIM_DN + LEVER_TRIM_UP) / 2);
    EXPECT_NEAR(flt.trim, 0.0f, 1e-5f);
    float before = flt.throtrequest[0];
    drag(700, 300);                                       // off every slot
    EXPECT_EQ(flt.throtrequest[0], before);

    // The jet's speed brake by its notches, reversers past idle, and the
    // aux levers of a swing-wing, slatted, vectoring aircraft.
    open("Aircraft/Jet.acf", 1, 1);
    pln.revthrustEQ = 1, pln.sbrkEQ = 1, pln.autosbrk = 1, pln.slatEQ = 1, pln.autoslat = 0;
    pln.vectEQ = 1;
    Lever l[MAX_LEVERS];
    int n = panel_levers(l);
    int found = 0;
    for (int k = 0; k < n; k++) {
        switch (l[k].kind) {
        case LV_THROT:
            drag(l[k].x, LEVER_THROT_REVERSE + 7);
            EXPECT_EQ(flt.revving_thrust[l[k].engine], 1);
            EXPECT_FLOAT_EQ(flt.throtrequest[l[k].engine], 1.0f);
            set_lever_rows(1);                            // the row stays in the reverse zone
            EXPECT_EQ(ins.throt[l[k].engine], LEVER_THROT_REVERSE);
            drag(l[k].x, LEVER_THROT_FULL + 7);
            EXPECT_EQ(flt.revving_thrust[l[k].engine], 0);
            found |= 1;
            break;
        case LV_SBRK:
            drag(l[k].x, LEVER_SBRK_IN - LEVER_SBRK_STEP);
            EXPECT_EQ(flt.sbrk, -1);
            drag(l[k].x, LEVER_SBRK_IN + 2 * LEVER_SBRK_STEP + 3);
            EXPECT_EQ(flt.sbrk, 2);
            EXPECT_EQ(ins.sbrk, LEVER_SBRK_IN + 2 * LEVER_SBRK_STEP);
            found |= 2;
            break;
        case LV_SLAT:
            drag(l[k].x, LEVER_AUX_OUT);
            EXPECT_FLOAT_EQ(flt.slatrequest, 1.0f);
            found |= 4;
            break;
        case LV_VECT:
            drag(l[k].x, (LEVER_AUX_IN + LEVER_AUX_OUT) / 2);
            EXPECT_EQ(flt.vectrequest, 45);
            found |= 8;
            break;
        default: break;
        }
    }
    EXPECT_EQ(found, 15);

    // A single engine's throttle answers the twin's columns (the function keys').
    open("Aircraft/Trainer.acf", 1, 1);
    drag(682, LEVER_THROT_FULL + 7);
    EXPECT_FLOAT_EQ(flt.throtrequest[0], 1.0f);

    // The helicopter's collective is its throttle.
    open("Aircraft/Helicopter.acf", 1, 8);
    drag(osthr + THROT_COL_ONE, LEVER_THROT_FULL + 7);
    EXPECT_FLOAT_EQ(flt.throtrequest[0], 1.0f);
    EXPECT_EQ(ins.collect, LEVER_THROT_FULL);
}

// A drag moves the knob on the panel at once.
TEST_F(ClickTest, LeverDragRedrawsTheQuadrant)
{
    open("Aircraft/Trainer.acf", 1, 1);
    uint64_t before = region_hash(641, 440, 798, 598);
    enginecondrag(666, LEVER_THROT_FULL + 7);
    EXPECT_NE(region_hash(641, 440, 798, 598), before);
}

}   // namespace
