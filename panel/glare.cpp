// The glare shield (magnetic compass, stall lamp, HUD and pause switches,
// tail number, clock) and the strip under the six-pack (live data readout,
// annunciators), with the status line, the gyros' errors and the numeric
// fields of the live readout.
#include "panel/local.h"

#include <cmath>
#include <cstdio>
#include <cstring>

// The clock stands left of the compass on the helicopter (its chin window
// takes the right of the glare shield).
static int clock_x() { return panel_is_heli() ? HELI_CLOCK_X : CLOCK_X; }

// ---------------------------------------------------------------- painting

void paint_glare_shield(int glass)
{
    fill_box(0, PANEL_TOP, PANEL_W - 1, GLARE_BOTTOM, glass ? PC_GREY1 : PC_GREY2);
    hline(0, PANEL_W - 1, PANEL_TOP, PC_BLACK);
    hline(0, PANEL_W - 1, PANEL_TOP + 1, PC_GREY1);
    hline(0, PANEL_W - 1, GLARE_BOTTOM, PC_GREY5);
    if (pln.hudEQ)
        paint_button(HUD_X1, HUD_Y1, HUD_X2, HUD_Y2, "HUD", glass);
    if (pln.hoopEQ)
        paint_button(HOOP_X1, HUD_Y1, HOOP_X2, HUD_Y2, "HOOP", glass);
    paint_lamp(STALL_X1, STALL_Y1, STALL_X2, STALL_Y2, "STALL");
    // The compass housing, its window and the lubber line.
    fill_box(COMPASS_X - COMPASS_HALF_W - 6, COMPASS_Y1 - 4, COMPASS_X + COMPASS_HALF_W + 6, COMPASS_Y2 + 4, PC_GREY1);
    paint_window(COMPASS_X - COMPASS_HALF_W, COMPASS_Y1, COMPASS_X + COMPASS_HALF_W, COMPASS_Y2);
    paint_screw(COMPASS_X - COMPASS_HALF_W - 3, COMPASS_Y1);
    paint_screw(COMPASS_X + COMPASS_HALF_W + 3, COMPASS_Y1);
    paint_plate(TAILNUM_X1, TAILNUM_Y1, TAILNUM_X2, TAILNUM_Y2, PC_PALE, glass);
    char tail[12];
    snprintf(tail, sizeof tail, "%.10s", pln.tailnum);
    text_centred((TAILNUM_X1 + TAILNUM_X2 + 1) / 2, TAILNUM_Y1 + 5, tail, PC_BLACK);
    int cx = clock_x();
    paint_window(cx - 4, CLOCK_Y - 10, cx + 50, CLOCK_Y + 2);
    text_at(cx + 55, CLOCK_Y - 7, "LCL", PC_GREY7);
    paint_button(ospau + PAUSE_X1, PAUSE_Y1, ospau + PAUSE_X2, PAUSE_Y2, "PAUSE", glass);
}

void paint_bottom_strip(int glass)
{
    int o = ossix;
    paint_window(o + DATA_X1, DATA_Y1, o + DATA_X2, DATA_Y2);
    for (int k = 1; k < 4; k++)
        for (int y = DATA_Y1 + 1; y < DATA_Y2; y += 2)
            put_px(o + DATA_X1 + 92 * k - 2, y, PC_GREY3);
    text_at(o + DATA_X1 + 3, DATA_Y1 + 2, "DATA", PC_GREY4);
    static const char *ANN[NUM_ANN] = {"LOW VAC", "LOW FUEL", "ICE", "JATO", "GPWS", "A/P"};
    for (int k = 0; k < NUM_ANN; k++) {
        int x = o + ANN_X0 + ANN_PITCH * k;
        paint_lamp(x, ANN_Y1, x + ANN_W - 2, ANN_Y2, ANN[k]);
    }
    if (!glass)
        paint_window(STATUS_BOX_X1, STATUS_BOX_Y1, STATUS_BOX_X2, STATUS_BOX_Y2);
}

// ---------------------------------------------------------------- gyro errors

void update_gyro_errors()
{
    float t = msc.tottime;
    if (!rel.vac) {
        // A dying vacuum pump: over 180 s the gyros wander to their failure errors.
        float f = fltlim((t - rel.vac_death_time) / 180.0f, 0.0f, 1.0f);
        ins.the180 = flt.the180 + rel.the_fail_err * f;
        ins.phi180 = flt.phi180 + rel.phi_fail_err * f;
        return;
    }
    if (pln.entype == 1 && flt.onground && t < 4.0f) {
        // Gyros spinning up with the engine just started.
        float fade = (1.0f - t / 4.0f) * 10.0f;
        ins.the180 = flt.the180 + fade * sinf(10.0f * t);
        ins.phi180 = flt.phi180 + fade * sinf(20.0f * t);
    } else if (rel.ahz) {
        ins.the180 = flt.the180;
        ins.phi180 = flt.phi180;
    }
    if (rel.dgy)
        ins.psimag = degf_wrap(flt.magpsi + ins.dg_drift);
    if (!std::isfinite(ins.the180) || !std::isfinite(ins.phi180) || !std::isfinite(ins.psimag)) {
        ins.the180 = ins.phi180 = 0.0f;
        ins.psimag = 0.0f;
    }
}

// ---------------------------------------------------------------- compass

static float compass_shown;  // deg, lagged
static int compass_mem, compass_drawn;

// The card seen through the window: 2 px a degree.
static void draw_compass_card(int heading)
{
    int x1 = COMPASS_X - COMPASS_HALF_W, x2 = COMPASS_X + COMPASS_HALF_W;
    fill_box(x1, COMPASS_Y1, x2, COMPASS_Y2, PC_BLACK);
    static const char *LABEL[12] = {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"};
    for (int d = heading - 25; d <= heading + 25; d++) {
        int x = COMPASS_X + 2 * (d - heading);
        if (x < x1 || x > x2)
            continue;
        int a = deg_wrap(d);
        if (a % 5 == 0)
            for (int y = COMPASS_Y2 - (a % 10 ? 3 : 6); y <= COMPASS_Y2 - 1; y++)
                put_px(x, y, PC_WHITE);
        if (a % 30 == 0) {
            const char *s = LABEL[a / 30];
            int w = text_width_px(s);
            if (x - w / 2 >= x1 && x + w / 2 <= x2)
                text_at(x - w / 2, COMPASS_Y1 + 5, s, PC_WHITE);
        }
    }
    for (int y = COMPASS_Y1; y <= COMPASS_Y2; y++)
        put_px(COMPASS_X, y, PC_RED);
    canvas_dirty(x1, COMPASS_Y1, x2, COMPASS_Y2);
}

float compass_target(float magpsi, float phi, float psi_true, float ax, float ay)
{
    // Turning error (a bank leans the card: it lags through north and leads
    // through south) and acceleration error (speeding up on east or west
    // shows a turn to the north), after the usual textbook rules of thumb:
    // 30 deg per unit sine of bank, 5 deg per m/s^2 along the heading.
    float psi = magpsi * 0.017453293f, h = psi_true * 0.017453293f;
    float accel = ax * sinf(h) + ay * cosf(h);
    float target = magpsi - 30.0f * sinf(phi * 0.017453293f) * cosf(psi) - 5.0f * fltlim(accel, -5.0f, 5.0f) * sinf(psi);
    return std::isfinite(target) ? degf_wrap(target) : 0.0f;
}

void update_compass()
{
    float target = compass_target(flt.magpsi, flt.phi, flt.psi, flt.ax, flt.ay);
    compass_shown += degf_diff(target - compass_shown) * fltlim(msc.prd, 0.0f, 1.0f);
    compass_shown = degf_wrap(compass_shown);
    if (!std::isfinite(compass_shown))
        compass_shown = 0.0f;
    if (value_changed(&compass_mem, &compass_drawn, iround(compass_shown) % 360))
        draw_compass_card(compass_mem);
}

float compass_shown_deg() { return compass_shown; }

// ---------------------------------------------------------------- lamps

static int stall_mem, stall_drawn, switch_mem, switch_drawn;

static void lamp(int x1, int y1, int x2, int y2, const char *label, int lit, int lit_color)
{
    fill_box(x1, y1, x2, y2, lit ? lit_color : PC_BLACK);
    text_centred((x1 + x2 + 1) / 2, (y1 + y2) / 2 - 3, label, lit ? PC_BLACK : PC_GREY5);
    canvas_dirty(x1, y1, x2, y2);
}

void update_stall()
{
    int on = flt.stall_warn || flt.stalled[2];
    if (value_changed(&stall_mem, &stall_drawn, on))
        lamp(STALL_X1, STALL_Y1, STALL_X2, STALL_Y2, "STALL", on, PC_RED);
}

static void update_switches()
{
    int key = (ins.HUD_on != 0) | (ins.HOOP_on != 0) << 1 | (msc.paused != 0) << 2;
    if (!value_changed(&switch_mem, &switch_drawn, key))
        return;
    struct { int eq, x1, x2, on; const char *t; } sw[2] = {{pln.hudEQ, HUD_X1, HUD_X2, ins.HUD_on, "HUD"},
                                                         {pln.hoopEQ, HOOP_X1, HOOP_X2, ins.HOOP_on, "HOOP"}};
    for (auto &s : sw) {
        if (!s.eq)
            continue;
        canvas_restore(s.x1, HUD_Y1, s.x2, HUD_Y2);
        if (s.on)
            text_centred((s.x1 + s.x2 + 1) / 2, (HUD_Y1 + HUD_Y2) / 2 - 3, s.t, PC_GREEN);
        canvas_dirty(s.x1, HUD_Y1, s.x2, HUD_Y2);
    }
    int px1 = ospau + PAUSE_X1, px2 = ospau + PAUSE_X2;
    canvas_restore(px1, PAUSE_Y1, px2, PAUSE_Y2);
    if (msc.paused)
        text_centred((px1 + px2 + 1) / 2, (PAUSE_Y1 + PAUSE_Y2) / 2 - 3, "PAUSE", PC_AMBER);
    canvas_dirty(px1, PAUSE_Y1, px2, PAUSE_Y2);
}

static int ann_mem, ann_drawn;

void update_annunciators()
{
    update_switches();
    float fuel = pln.m_fuel > 0.0f ? flt.m_fuel / pln.m_fuel : 1.0f;
    const int on[NUM_ANN] = {!rel.vac && pln.entype == 1, pln.entype && fuel < 0.1f,
                             msc.icebld || msc.ice > 0.01f, ins.jato_on, gpws_sounding(),
                             ott.HDSLCT || ott.NAV[0] || ott.NAV[1] || ott.ALHOLD || ott.VVHOLD || ott.GS2 || ott.ASHOLD};
    static const int COLOR[NUM_ANN] = {PC_AMBER, PC_AMBER, PC_AMBER, PC_AMBER, PC_RED, PC_GREEN};
    static const char *ANN[NUM_ANN] = {"LOW VAC", "LOW FUEL", "ICE", "JATO", "GPWS", "A/P"};
    int key = 0;
    for (int k = 0; k < NUM_ANN; k++)
        key |= (on[k] != 0) << k;
    if (!value_changed(&ann_mem, &ann_drawn, key))
        return;
    for (int k = 0; k < NUM_ANN; k++) {
        int x = ossix + ANN_X0 + ANN_PITCH * k;
        lamp(x, ANN_Y1, x + ANN_W - 2, ANN_Y2, ANN[k], on[k], COLOR[k]);
    }
}

// ---------------------------------------------------------------- status and clock

static int status_turn, status_step_seen = -1;
static char status_shown[MAX_STR];
static int status_drawn;

void update_status_line()
{
    const char *apply[3];
    int n = 0;
    if (set.grfout)
        apply[n++] = "graphics data saving";
    if (set.dskout)
        apply[n++] = "disk outfile saving";
    if (msc.icebld)
        apply[n++] = "picking up ice!";
    if (msc.cntr10 != status_step_seen) {   // the rotation moves on the tenth step
        if (msc.cntr10 == 10)
            status_turn++;
        status_step_seen = msc.cntr10;
    }
    const char *text = n ? apply[status_turn % n] : pln.C_name;
    if (!ins.tickle_all && status_drawn && !strncmp(text, status_shown, MAX_STR - 1))
        return;
    snprintf(status_shown, sizeof status_shown, "%s", text);
    status_drawn = 1;
    int x1 = panel_is_glass() ? ossix + ND_X1 : STATUS_BOX_X1, x2 = panel_is_glass() ? ossix + ND_X2 : STATUS_BOX_X2;
    fill_box(x1, STATUS_Y - 8, x2, STATUS_Y, PC_BLACK);
    char clipped[32];
    snprintf(clipped, sizeof clipped, "%.*s", (x2 - STATUS_X) / LETTER_PITCH, text);
    MACIBM_drstring(PC_GREEN, STATUS_X, STATUS_Y, clipped, 1);
    canvas_dirty(x1, STATUS_Y - 8, x2, STATUS_Y);
}

const char *status_text() { return status_shown; }

static int clock_mem, clock_drawn;

void update_date_line()
{
    // The flight's local clock: the time of day the settings chose (day,
    // dusk, night, dark night) plus the simulated time since the start.
    static const int START_HOUR[5] = {12, 12, 18, 21, 1};
    int secs = (START_HOUR[intlim(scn.time, 0, 4)] * 3600 + (int)fmaxf(msc.tottime, 0.0f)) % 86400;
    if (!value_changed(&clock_mem, &clock_drawn, secs))
        return;
    char s[16];
    snprintf(s, sizeof s, "%02d:%02d:%02d", secs / 3600, secs / 60 % 60, secs % 60);
    int x = clock_x();
    fill_box(x - 3, CLOCK_Y - 9, x + 49, CLOCK_Y + 1, PC_BLACK);
    MACIBM_drstring(PC_GREEN, x, CLOCK_Y, s, 1);
    canvas_dirty(x - 3, CLOCK_Y - 9, x + 49, CLOCK_Y + 1);
}

void forget_glare_shield()
{
    compass_shown = 0.0f;
    status_turn = 0;
    status_step_seen = -1;
}

// ---------------------------------------------------------------- live readout fields

constexpr float MISSING = -999.0f;

// The decimal point of the live readout: a 2 x 2 dot.
void REALTIME_dec(int x, int y, int color)
{
    fill_box(x, y + 6, x + 1, y + 7, color);
}

// |value| >= 9,999: three significant digits and a one-digit power of ten
// (123e4 for 1,234,567).
void REALTIME_expnum(int x, int y, float value, int color)
{
    float a = fabsf(value);
    int e = (int)floorf(log10f(a)) - 2;
    int mant = iround(a / powf(10.0f, (float)e));
    if (mant >= 1000) {   // rounding carried into a fourth digit
        mant /= 10;
        e++;
    }
    static const int PLACE[3] = {100, 10, 1};
    for (int k = 0; k < 3; k++)
        ADD_b_e(mant / PLACE[k] % 10, color, PC_BLACK, x + 4 + 5 * k, y);
    put_px(x + 19, y + 3, color);   // "e"
    ADD_s_e(intlim(e, 0, 9), color, PC_BLACK, x + 22, y);
}

void REALTIME_fltnum(int x, int y, float value, int dig, int dec, int color)
{
    int v = (int)(fabsf(value) * powf(10.0f, (float)dec));
    for (int k = dig - 1; k >= 0; k--) {
        int px = x + 5 + 6 * k + (dec && k >= dig - dec ? 2 : 0);
        ADD_b_e(v % 10, color, PC_BLACK, px, y);
        v /= 10;
    }
    if (dec > 0)
        REALTIME_dec(x + 5 + 6 * (dig - dec) - 1, y, color);
}

void REALTIME_num(int x, int y, float value, int dig, int dec, int color)
{
    fill_box(x, y, x + 29, y + 8, PC_BLACK);
    canvas_dirty(x, y, x + 29, y + 8);
    if (value == MISSING || !std::isfinite(value))
        return;
    if (value < -0.000001f)
        hline(x, x + 3, y + 3, color);   // the minus bar
    if (fabsf(value) >= 9999.0f)
        REALTIME_expnum(x, y, value, color);
    else
        REALTIME_fltnum(x, y, value, intlim(dig, 1, 4), intlim(dec, 0, 3), color);
}
