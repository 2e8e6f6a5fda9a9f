// The panel's hot spots: dasclick tests a click against a list of
// rectangles laid over the painted controls (docs/panel-layout.md) and acts
// on the first it falls in. A held button repeats its click every frame
// after half a second: knobs and digits keep stepping, switches act only on
// the press.
#include "panel/local.h"

#include "controls/controls.h"

// Knobs turn 1 degree a click, 3 once held this long.
constexpr float KNOB_FAST_S = 2.0f;
constexpr float KNOB_STEP_DEG = 1.0f, KNOB_FAST_DEG = 3.0f;
constexpr float BARO_STEP_INHG = 0.003f, BARO_MIN_INHG = 28.0f, BARO_MAX_INHG = 32.0f;
constexpr float DH_STEP_FT = 10.0f, DH_MAX_FT = 2500.0f;
constexpr float RANGE_MIN_NM = 7.5f, RANGE_MAX_NM = 30.0f;
// The GPS waypoint list scrolls one a click, ten once held this long.
constexpr int GPS_FAST_STEP = 10;

// Which offset moves a spot with its panel group.
enum SpotOffset { AT_WINDOW, AT_SIX, AT_RAD, AT_PAUSE, AT_DG };

struct HotSpot {
    int x1, y1, x2, y2;          // inclusive, before the offset
    int offset;                  // SpotOffset
    int (*applies)();            // null: always
    void (*act)(int x, int y);   // x, y relative to the offset
};

// How long the button has been held; a key's click (no button down) is a
// fresh press whatever the last hold was.
static float held_s() { return set.dragging ? set.dragtime : 0.0f; }
static int first_press() { return held_s() <= 0.0f; }
static float knob_step() { return held_s() > KNOB_FAST_S ? KNOB_FAST_DEG : KNOB_STEP_DEG; }
static int flip(int v) { return v ? 0 : 1; }

// Upper half of a digit window (the digit's top at row `top`; the radio
// digits are ten rows tall) steps up.
constexpr int DIGIT_HALF_H = 5;
static int digit_step(int y, int top) { return y <= top + DIGIT_HALF_H ? 1 : -1; }

// ---------------------------------------------------------------- applies

static int classic() { return pln.dashtype != 2; }
static int glass() { return pln.dashtype == 2; }
static int has_hud() { return pln.hudEQ; }
static int has_hoop() { return pln.hoopEQ; }
static int vor_head() { return pln.layouttype == LAYOUT_BASIC || pln.layouttype == LAYOUT_RMI; }
static int radalt() { return pln.layouttype == LAYOUT_RADALT; }
static int stormscope() { return pln.layouttype == LAYOUT_STORMSCOPE; }
static int radar() { return pln.layouttype == LAYOUT_RADAR; }
static int column() { return !panel_is_heli(); }
static int gps_unit() { return !panel_has_nav1(); }
static int gear() { return pln.retractEQ; }

// ---------------------------------------------------------------- acts

static void hud_click(int, int)
{
    if (first_press())
        ins.HUD_on = flip(ins.HUD_on);
}

static void hoop_click(int, int)
{
    if (first_press())
        ins.HOOP_on = flip(ins.HOOP_on);
}

static void pause_click(int, int)
{
    if (first_press())
        msc.paused = flip(msc.paused);
}

// Knobs beside the heading indicator: NAV 2's course left of the gyro and
// the gyro's drift right of it, each turned by the half of the knob clicked.
static void obs2_click(int x, int)
{
    nav.obs[1] = fltwrap(nav.obs[1] + (x < -37 ? -knob_step() : knob_step()), 0.0f, 360.0f);
}

static void drift_click(int x, int)
{
    ins.dg_drift = fltwrap(ins.dg_drift + (x < 47 ? KNOB_STEP_DEG : -KNOB_STEP_DEG), -180.0f, 180.0f);
}

static void baro_click(int x, int)
{
    ins.baro = fltlim(ins.baro + (x < BARO_KNOB_X ? -BARO_STEP_INHG : BARO_STEP_INHG), BARO_MIN_INHG, BARO_MAX_INHG);
}

static void map_range(float factor)
{
    ins.map_range = fltlim(ins.map_range * factor, RANGE_MIN_NM, RANGE_MAX_NM);
    ins.tickle_map = 1;
}

// The glass map's buttons, as painted: RNG-, RNG+, MAP, ARC, WX, TFC.
static void map_click(int x, int)
{
    if (!first_press())
        return;
    if (x <= 222)
        map_range(0.5f);
    else if (x >= 236 && x <= 258)
        map_range(2.0f);
    else if (x >= 280 && x <= 302)
        ins.map_mode = 1;
    else if (x >= 325 && x <= 347)
        ins.map_mode = 2;
    else if (x >= 350 && x <= 364)
        ins.EFIS_wxr = flip(ins.EFIS_wxr);
    else if (x >= 366)
        ins.EFIS_tcas = flip(ins.EFIS_tcas);
}

static void dh_click(int x, int)
{
    ins.radalt_ft = fltlim(ins.radalt_ft + (x < DH_KNOB_X ? -DH_STEP_FT : DH_STEP_FT), 0.0f, DH_MAX_FT);
}

static void obs1_click(int x, int)
{
    nav.obs[0] = fltwrap(nav.obs[0] + (x < OBS1_KNOB_X + 1 ? -knob_step() : knob_step()), 0.0f, 360.0f);
}

// Stormscope buttons in 15-row steps: modes 0, 1, 2, range halved, doubled.
static void storm_click(int, int y)
{
    if (!first_press())
        return;
    int k = intlim((y - 321) / 15, 0, 4);
    if (k <= 2)
        ins.arg_mode = k;
    else
        ins.arg_range = fltlim(ins.arg_range * (k == 3 ? 0.5f : 2.0f), RANGE_MIN_NM, RANGE_MAX_NM);
    ins.tickle_str = 1;
}

// Weather radar buttons: RDR, RNG-, RNG+.
static void radar_click(int x, int)
{
    if (!first_press())
        return;
    if (x <= 419)
        ins.radar_on = flip(ins.radar_on);
    else
        ins.rad_range = fltlim(ins.rad_range * (x <= 452 ? 0.5f : 2.0f), RANGE_MIN_NM, RANGE_MAX_NM);
    ins.tickle_rad = 1;
}

static void timer_click(int x, int)
{
    if (!first_press())
        return;
    if (x <= 423)
        msc.timer_running = flip(msc.timer_running);
    else
        msc.timer_value = 0.0f;
}

static void audio_click(int x, int)
{
    nav.radout = intlim((x - AUDIO_X) / 20 + 1, 1, 5);
}

// Another station on the DME: its smoothing starts afresh.
static void dme_click(int x, int)
{
    int sel = x < 620 ? 0 : 1;
    if (sel != nav.dmesel)
        nav.dme_ok = 0;
    nav.dmesel = sel;
}

static void volume_click(int x, int y)
{
    VOLinc(y < NAV2_ROW - 8 ? RADIO_NAV1 : RADIO_NAV2, x < VOL_KNOB_X ? -1 : 1);
}

// A COM or NAV frequency window: whole MHz left, hundredths right.
static void frequency_click(int x, int y)
{
    int r = y < NAV2_ROW - 8 ? 0 : 1;
    int step = digit_step(y, r ? NAV2_ROW : NAV1_ROW);
    if (x >= COM_MHZ_X + 48 && x < NAV_MHZ_X)
        return;   // between the two windows
    if (x >= NAV_MHZ_X) {
        if (x < NAV_MHZ_X + 24)
            NAVinc(&nav.nf[r], RADIO_NAV1 + r, step);
        else
            HUNinc(&nav.nf100[r], RADIO_NAV1 + r, 5 * step);
    } else if (x < COM_MHZ_X + 24) {
        COMinc(&nav.cf[r], RADIO_COM1 + r, step);
    } else {
        HUNinc(&nav.cf100[r], RADIO_COM1 + r, 5 * step);
    }
}

static void xpdr_click(int x, int y)
{
    int *digit[4] = {&nav.tran1, &nav.tran2, &nav.tran3, &nav.tran4};
    XPNinc(digit[intlim((x - XPDR_X) / 20, 0, 3)], RADIO_XPDR, digit_step(y, XPDR_Y));
}

static void adf_click(int x, int y)
{
    int *digit[3] = {&nav.adf1, &nav.adf2, &nav.adf3};
    ADFinc(digit[intlim((x - ADF_X) / 20, 0, 2)], RADIO_ADF, digit_step(y, ADF_Y));
}

// The GPS unit: the waypoint kind (NDB, VOR, APT) and the display mode on
// its top line, the waypoint scrolled back or on by the arrows of the next.
static void gps_click(int x, int y)
{
    if (y < GPS_Y1 + 13) {
        if (!first_press())
            return;
        if (x < GPS_X1 + 3 + 24 * 3)
            nav.gps_index_mode = intlim((x - GPS_X1 - 3) / 24 + 1, GPS_NDB, GPS_APT);
        else if (x >= GPS_X2 - 34)
            nav.gps_display_mode = x < GPS_X2 - 22 ? 1 : 2;
    } else if (y < GPS_Y1 + 26) {
        int step = held_s() > KNOB_FAST_S ? GPS_FAST_STEP : 1;
        nav.gpsindex += x < GPS_X2 - 21 ? -step : step;
    } else {
        return;
    }
    setnav(RADIO_GPS, 1, 1);
}

// A hold takes what the aircraft is doing as it is switched on: the panel
// has no target knobs, and a target left at 0 would fly the aircraft down
// to sea level or close the throttle.
static void capture_hold_target(int k)
{
    if (k == 3)
        ott.alhold = flt.h;
    else if (k == 4)
        ott.vvhold = flt.vu;
    else if (k == 6)
        ott.as_hold = flt.vind;
}

static void autopilot_click(int x, int)
{
    if (!first_press())
        return;
    int *mode[7] = {&ott.HDSLCT, &ott.NAV[0], &ott.NAV[1], &ott.ALHOLD, &ott.VVHOLD, &ott.GS2, &ott.ASHOLD};
    for (int k = 0; k < 7; k++)
        if (abs(x - AP_X[k]) <= 9) {
            *mode[k] = flip(*mode[k]);
            if (*mode[k])
                capture_hold_target(k);
        }
}

static void gear_click(int, int)
{
    if (first_press())
        setgear(flip(set.gear_handle));
}

static void brake_click(int, int)
{
    if (first_press())
        button_brake(flip(ins.brake_on));
}

// ---------------------------------------------------------------- the list

// In the order they are tested; the first that holds the click takes it.
static const HotSpot SPOTS[] = {
    {HUD_X1, HUD_Y1, HUD_X2, HUD_Y2, AT_WINDOW, has_hud, hud_click},
    {HOOP_X1, HUD_Y1, HOOP_X2, HUD_Y2, AT_WINDOW, has_hoop, hoop_click},
    {PAUSE_X1, PAUSE_Y1, PAUSE_X2, PAUSE_Y2, AT_PAUSE, nullptr, pause_click},
    {-57, 32, -17, 54, AT_DG, nullptr, obs2_click},
    {28, 32, 67, 54, AT_DG, nullptr, drift_click},
    {BARO_KNOB_X - 15, BARO_KNOB_Y - 10, BARO_KNOB_X + 15, BARO_KNOB_Y + 10, AT_SIX, classic, baro_click},
    {200, MAP_BTN_Y1, 382, MAP_BTN_Y2, AT_SIX, glass, map_click},
    {388, 385, 418, 405, AT_WINDOW, radalt, dh_click},
    {393, 385, 428, 405, AT_WINDOW, vor_head, obs1_click},
    {468, 321, 483, 395, AT_WINDOW, stormscope, storm_click},
    {391, 385, 485, 405, AT_WINDOW, radar, radar_click},
    {403, 508, 444, 534, AT_WINDOW, column, timer_click},
    {AUDIO_X, AUDIO_Y1 - 1, RAD_X2, AUDIO_Y2 + 2, AT_RAD, nullptr, audio_click},
    {600, 295, RAD_X2, 316, AT_RAD, nullptr, dme_click},
    {493, NAV1_ROW - 2, 517, NAV1_ROW + 22, AT_RAD, vor_head, volume_click},
    {493, NAV2_ROW - 8, 517, NAV2_ROW + 16, AT_RAD, nullptr, volume_click},
    {COM_MHZ_X, NAV1_ROW - 2, 638, NAV1_ROW + 22, AT_RAD, vor_head, frequency_click},
    {COM_MHZ_X, NAV2_ROW - 8, 638, NAV2_ROW + 16, AT_RAD, nullptr, frequency_click},
    {XPDR_X, XPDR_Y - 4, XPDR_X + 79, XPDR_Y + 16, AT_RAD, nullptr, xpdr_click},
    {AP_X[0] - 9, AP_ROW - 11, AP_X[6] + 9, AP_ROW + 8, AT_RAD, nullptr, autopilot_click},
    {600, 495, 618, 537, AT_RAD, gear, gear_click},
    {ADF_X, ADF_Y - 4, ADF_X + 59, ADF_Y + 14, AT_RAD, column, adf_click},
    {BRAKE_X1, BRAKE_Y1, BRAKE_X2, BRAKE_Y2, AT_RAD, nullptr, brake_click},
    {GPS_X1, GPS_Y1, GPS_X2, GPS_Y2, AT_RAD, gps_unit, gps_click},
};

static void spot_origin(int offset, int *ox, int *oy)
{
    *oy = 0;
    switch (offset) {
    case AT_SIX: *ox = ossix; break;
    case AT_RAD: *ox = osrad; break;
    case AT_PAUSE: *ox = ospau; break;
    case AT_DG:
        *ox = pln.dgx;
        *oy = pln.dgy;
        break;
    default: *ox = 0; break;
    }
}

static int spot_at(int mx, int my)
{
    int n = (int)(sizeof SPOTS / sizeof SPOTS[0]);
    for (int k = 0; k < n; k++) {
        const HotSpot &s = SPOTS[k];
        int ox, oy;
        spot_origin(s.offset, &ox, &oy);
        int x = mx - ox, y = my - oy;
        if (x >= s.x1 && x <= s.x2 && y >= s.y1 && y <= s.y2 && (!s.applies || s.applies()))
            return k;
    }
    return -1;
}

void dasclick(int mx, int my)
{
    int k = spot_at(mx, my);
    if (k < 0)
        return;
    int ox, oy;
    spot_origin(SPOTS[k].offset, &ox, &oy);
    SPOTS[k].act(mx - ox, my - oy);
}
