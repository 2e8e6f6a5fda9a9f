// The six flight instruments: the classic faces (airspeed with the
// aircraft's own arcs, attitude, altimeter, turn coordinator, heading
// indicator, vertical speed) and the moving parts of both dash types that
// are drawn the same way (the attitude ball and the heading indicator).
#include "panel/local.h"

#include <cmath>
#include <cstdio>

// ---------------------------------------------------------------- shown values

float shown_airspeed()
{
    float v = flt.vind * (pln.as_is_kias ? 1.0f : con.nm_to_sm);
    return std::isfinite(v) ? fltmax2(v, 0.0f) : 0.0f;   // flying backwards reads 0
}

float shown_altitude_ft()
{
    float ft = flt.h * con.mtrstoft + (ins.baro - 29.92f) * 1000.0f;
    return std::isfinite(ft) ? fltlim(ft, 0.0f, 99999.0f) : 0.0f;
}

static float vsi_abs_deg(float fpm) { return 270.0f + vsi_deg(fpm); }

// ---------------------------------------------------------------- classic faces

// The numerals of an airspeed dial: every 20 (40 on a wide range) on a
// linear dial, a fixed set on the compressed (power 0.3) dial.
static void paint_asi_numerals(int cx, int cy)
{
    static const int COMPRESSED[] = {60, 80, 100, 120, 140, 160, 200, 250, 300, 350, 400};
    if (pln.AStype == 2) {
        for (int v : COMPRESSED)
            paint_numerals(cx, cy, (float)v, (float)v, 1.0f, 34.0f, 1.0f, PC_WHITE, asi_deg);
        return;
    }
    float lo = fltmax2(pln.Vmin, 0.0f), hi = pln.Vmax;
    float step = hi - lo > 300.0f ? 50.0f : hi - lo > 180.0f ? 40.0f : 20.0f;
    float first = ceilf(lo / step) * step;
    paint_numerals(cx, cy, first, hi, step, 34.0f, 1.0f, PC_WHITE, asi_deg);
}

static void paint_asi(int cx, int cy)
{
    paint_bezel(cx, cy, FACE_R, BEZEL_R, 0);
    float lo = fltmax2(pln.Vmin, 0.0f);
    paint_arc(cx, cy, fltmax2(pln.Vso, lo), pln.Vfe, 39, 42, PC_PALE, asi_deg);
    paint_arc(cx, cy, fltmax2(pln.Vs, lo), pln.Vno, 43, 48, PC_GREEN, asi_deg);
    paint_arc(cx, cy, fltmax2(pln.Vno, lo), pln.Vne, 43, 48, PC_YELLOW, asi_deg);
    float range = pln.Vmax - lo;
    float minor = pln.AStype == 2 ? 10.0f : range > 200.0f ? 10.0f : 5.0f;
    float first = ceilf(lo / minor) * minor;
    float top = pln.AStype == 2 ? 200.0f : pln.Vmax;
    paint_ticks(cx, cy, first, top, minor, 45.0f, 50.0f, PC_WHITE, asi_deg);
    paint_ticks(cx, cy, ceilf(lo / (2 * minor)) * 2 * minor, top, 2 * minor, 41.0f, 50.0f, PC_WHITE, asi_deg);
    if (pln.AStype == 2)
        paint_ticks(cx, cy, 250.0f, pln.Vmax, 50.0f, 41.0f, 50.0f, PC_WHITE, asi_deg);
    if (pln.Vne > lo)
        paint_redline(cx, cy, asi_deg(pln.Vne), 37.0f, 50.0f);
    paint_asi_numerals(cx, cy);
    text_centred(cx, cy + 10, pln.as_is_kias ? "KNOTS" : "MPH", PC_PALE);
}

static void paint_attitude_bezel(int cx, int cy)
{
    paint_bezel(cx, cy, AH_RING_R, BEZEL_R, 0);
    static const int BANK[] = {-90, -60, -30, -20, -10, 10, 20, 30, 60, 90};
    for (int a : BANK) {
        int big = a % 30 == 0;
        center_tick(cx, cy, a, AH_RING_R + 1, big ? BEZEL_R - 1 : BEZEL_R - 3, PC_WHITE);
        if (big)
            center_tick(cx, cy, a + (a > 0 ? 1 : -1), AH_RING_R + 1, BEZEL_R - 1, PC_WHITE);
    }
    for (int a : {-45, 45}) {   // small triangles at 45 degrees
        int x1, y1, x2, y2, x3, y3;
        polar(cx, cy, (float)a, (float)AH_RING_R + 1, &x1, &y1);
        polar(cx, cy, (float)a - 3, (float)BEZEL_R - 2, &x2, &y2);
        polar(cx, cy, (float)a + 3, (float)BEZEL_R - 2, &x3, &y3);
        MACIBM_poly3(PC_WHITE, x1, y1, x2, y2, x3, y3, 1);
    }
    MACIBM_poly3(PC_ORANGE, cx, cy - AH_RING_R - 1, cx - 5, cy - BEZEL_R + 1, cx + 5, cy - BEZEL_R + 1, 1);
}

static void paint_altimeter(int cx, int cy)
{
    paint_bezel(cx, cy, FACE_R, BEZEL_R, 0);
    paint_ticks(cx, cy, 0.0f, 980.0f, 20.0f, 46.0f, 50.0f, PC_WHITE, alt_deg);
    paint_ticks(cx, cy, 0.0f, 900.0f, 100.0f, 41.0f, 50.0f, PC_WHITE, alt_deg);
    for (int k = 0; k < 10; k++) {
        int x, y;
        polar(cx, cy, k * 36.0f, 35.0f, &x, &y);
        char s[2] = {(char)('0' + k), 0};
        text_bold_centred(x, y - 3, s, PC_WHITE);
    }
    paint_window(cx - 10, cy + 14, cx + 9, cy + 24);       // hundreds of feet
    paint_window(cx + 19, cy - 5, cx + 44, cy + 5);        // the setting, inches x 100
    text_centred(cx, cy - 23, "ALT", PC_PALE);
    text_centred(cx + 31, cy + 8, "IN", PC_GREY8);
    paint_knob(ossix + BARO_KNOB_X, BARO_KNOB_Y, 9);
}

static void paint_turn_coordinator(int cx, int cy)
{
    paint_bezel(cx, cy, TC_FACE_R, TC_BEZEL_R, 0);
    for (int a : {60, 90, 120, 240, 270, 300}) {
        center_tick(cx, cy, a, TC_FACE_R - 7, TC_FACE_R, PC_WHITE);
        center_tick(cx, cy + 1, a, TC_FACE_R - 7, TC_FACE_R, PC_WHITE);
    }
    text_centred(cx - 26, cy + 10, "L", PC_WHITE);
    text_centred(cx + 27, cy + 10, "R", PC_WHITE);
    text_centred(cx, cy - 31, "TURN", PC_PALE);
    text_centred(cx, cy + 20, "2 MIN", PC_PALE);
    // The inclinometer's glass tube across the bottom of the dial.
    fill_box(cx - 21, BALL_ROW - 3, cx + 21, BALL_ROW + 7, PC_GREY2);
    fill_box(cx - 20, BALL_ROW - 2, cx + 20, BALL_ROW + 6, PC_LIGHT);
    hline(cx - 19, cx + 19, BALL_ROW - 2, PC_PALE);
    for (int x : {cx - 4, cx + 4})
        for (int y = BALL_ROW - 2; y <= BALL_ROW + 6; y++)
            put_px(x, y, PC_GREY2);
}

static void paint_heading_indicator(int cx, int cy, int glass)
{
    if (!glass)
        paint_bezel(cx, cy, DG_CARD_R, BEZEL_R, 0);
    for (int a = 45; a < 360; a += 45)
        center_tick(cx, cy, a, DG_CARD_R + 1, DG_CARD_R + (glass ? 5 : 4), PC_WHITE);
    int kx = cx - 37, ky = cy + 45;
    paint_knob(kx, ky, 9);
    paint_knob(cx + 47, ky, 9);
    text_centred(kx - 17, ky + 4, "CRS", PC_PALE);
    text_centred(cx + 64, ky + 4, "HDG", PC_PALE);
    for (int x : {pln.gsx1, pln.gsx2}) {
        fill_box(x - 1, pln.gsy1 - 4, x + pln.gsw + 1, pln.gsy2 + 4, PC_BLACK);
        for (int d : {-22, -11, 11, 22})
            fill_box(x + pln.gsw / 2 - 1, pln.gsyc + d - 1, x + pln.gsw / 2, pln.gsyc + d, PC_WHITE);
        hline(x - 1, x + pln.gsw + 1, pln.gsyc, PC_WHITE);
    }
}

static void paint_vsi(int cx, int cy)
{
    paint_bezel(cx, cy, FACE_R, BEZEL_R, 0);
    float full = vvi_full_scale_fpm();
    int wide = full > 3000.0f;
    float minor = wide ? 250.0f : 100.0f, major = wide ? 1000.0f : 500.0f;
    paint_ticks(cx, cy, -full, full, minor, 45.0f, 50.0f, PC_WHITE, vsi_abs_deg);
    paint_ticks(cx, cy, -full, full, major, 40.0f, 50.0f, PC_WHITE, vsi_abs_deg);
    float div = wide ? 1000.0f : 100.0f;
    paint_numerals(cx, cy, major, full, major, 33.0f, div, PC_WHITE, vsi_abs_deg);
    paint_numerals(cx, cy, -full, -major, major, 33.0f, -div, PC_WHITE, vsi_abs_deg);
    paint_numerals(cx, cy, 0.0f, 0.0f, 1.0f, 33.0f, 1.0f, PC_WHITE, vsi_abs_deg);
    text_centred(cx - 9, cy - 17, "UP", PC_PALE);
    text_centred(cx - 9, cy + 11, "DN", PC_PALE);
    text_centred(cx + 15, cy - 12, wide ? "x1000" : "x100", PC_PALE);
    text_centred(cx + 15, cy + 6, "FT/MIN", PC_PALE);
}

void paint_sixpack_classic()
{
    int x = ossix;
    paint_asi(x + ASI_X, ASI_Y);
    paint_attitude_bezel(pln.ahx, pln.ahy);
    paint_altimeter(x + ALT_X, ALT_Y);
    paint_turn_coordinator(x + TC_X, TC_Y);
    paint_heading_indicator(pln.dgx, pln.dgy, 0);
    paint_vsi(x + VSI_X, VSI_Y);
    for (int sx : {x + 129, x + 259})
        for (int sy : {280, 400, 526}) {
            paint_screw(sx, sy);
        }
}

void paint_heading_glass() { paint_heading_indicator(pln.dgx, pln.dgy, 1); }

// ---------------------------------------------------------------- airspeed

static NeedleMemory asi_needle, asi_pole;

// The highest speed a jet may fly here: Mmo as indicated airspeed (its
// equivalent airspeed, which the airspeed indicator reads at low Mach), in
// the dial's unit, never above Vne.
static float max_operating_speed()
{
    float eas_kt = pln.Mmo * atm.a * sqrtf(fltmax2(atm.crtsig, 0.0f)) * con.msctokts;
    float v = eas_kt * (pln.as_is_kias ? 1.0f : con.nm_to_sm);
    return std::isfinite(v) && v > 0.0f ? fltmin2(v, pln.Vne) : pln.Vne;
}

void update_airspeed()
{
    if (panel_is_glass()) {
        glass_airspeed();
        return;
    }
    if (!rel.asi && !ins.tickle_all)
        return;   // a failed indicator sticks
    int cx = ossix + ASI_X, cy = ASI_Y;
    int a = iround(asi_deg(shown_airspeed()));
    int pole_a = iround(asi_deg(max_operating_speed()));
    int jet = pln.entype == 3 && pln.Mmo > 0.0f;
    int moved = needle_moved(&asi_needle, a) || (jet && needle_moved(&asi_pole, pole_a));
    if (!moved)
        return;
    if (asi_needle.drawn)
        erase_needle(cx, cy, asi_needle.angle, 35);
    if (asi_pole.drawn) {
        erase_needle(cx, cy, asi_pole.angle, 50);
        asi_pole.drawn = 0;
    }
    if (jet) {
        pole(cx, cy, pole_a, 35, 15);
        asi_pole = NeedleMemory{1, pole_a};
    }
    needle(cx, cy, a, 35, NEEDLE_COLOR, ERASE_COLOR);
    asi_needle = NeedleMemory{1, a};
    needle_hub(cx, cy, 3);
}

// ---------------------------------------------------------------- altimeter

static NeedleMemory alt_long, alt_short;
static int alt_drum_mem, alt_drum_drawn, alt_baro_mem, alt_baro_drawn;

static void digits_be(int x, int y, int value, int ndig)
{
    for (int k = ndig - 1; k >= 0; k--) {
        ADD_b_e(value % 10, DIGIT_COLOR, PC_BLACK, x + k * 6, y);
        value /= 10;
    }
    canvas_dirty(x, y, x + ndig * 6, y + 7);
}

void update_alt()
{
    if (panel_is_glass()) {
        glass_altitude();
        return;
    }
    if (!rel.alt && !ins.tickle_all)
        return;
    int cx = ossix + ALT_X, cy = ALT_Y;
    float ft = shown_altitude_ft();
    int a_long = iround(fmodf(ft, 1000.0f) * 0.36f) % 360;
    int a_short = iround(fmodf(ft, 10000.0f) * 0.036f) % 360;
    if (needle_moved(&alt_long, a_long) || needle_moved(&alt_short, a_short)) {
        if (alt_long.drawn)
            erase_needle(cx, cy, alt_long.angle, 36);
        if (alt_short.drawn)
            erase_needle(cx, cy, alt_short.angle, 25);
        needle(cx, cy, a_short, 25, NEEDLE_COLOR, ERASE_COLOR);
        needle(cx, cy, a_long, 36, NEEDLE_COLOR, ERASE_COLOR);
        alt_long = NeedleMemory{1, a_long};
        alt_short = NeedleMemory{1, a_short};
        needle_hub(cx, cy, 3);
    }
    if (value_changed(&alt_drum_mem, &alt_drum_drawn, (int)(ft / 100.0f)))
        digits_be(cx - 8, cy + 16, alt_drum_mem, 3);
    if (value_changed(&alt_baro_mem, &alt_baro_drawn, iround(ins.baro * 100.0f)))
        digits_be(cx + 21, cy - 3, intlim(alt_baro_mem, 0, 9999), 4);
}

// ---------------------------------------------------------------- vertical speed

static NeedleMemory vsi_needle;
static float vsi_shown;      // deg, lagged

void update_vvi()
{
    float limit = panel_is_glass() ? 90.0f : 160.0f;
    float target = flt.vu * ins.msctoVVI;
    target = std::isfinite(target) ? fltlim(target, -limit, limit) : 0.0f;
    if (rel.vvi)
        vsi_shown += (target - vsi_shown) * fltlim(msc.prd, 0.0f, 1.0f);
    if (!std::isfinite(vsi_shown))
        vsi_shown = 0.0f;
    if (panel_is_glass()) {
        glass_vvi(vsi_shown);
        return;
    }
    int cx = ossix + VSI_X, cy = VSI_Y;
    if (move_needle(&vsi_needle, cx, cy, deg_wrap(iround(270.0f + vsi_shown)), 40, NEEDLE_COLOR))
        needle_hub(cx, cy, 3);
}

float vsi_shown_deg() { return vsi_shown; }

// ---------------------------------------------------------------- turn coordinator

static float tc_shown;       // deg of the symbol, lagged
static NeedleMemory tc_symbol;
static int ball_mem, ball_drawn;

static void draw_tc_symbol(int cx, int cy, int a, int color)
{
    needle(cx, cy, a + 270, 33, color, ERASE_COLOR);
    needle(cx, cy, a + 90, 33, color, ERASE_COLOR);
    needle(cx, cy + 2, a, 15, color, ERASE_COLOR);
    if (color != ERASE_COLOR)
        disc(cx, cy + 1, 3, color);
    canvas_dirty(cx - 5, cy - 4, cx + 5, cy + 6);
}

void update_turnslip()
{
    if (panel_is_glass())
        return;
    int cx = ossix + TC_X, cy = TC_Y;
    float target = std::isfinite(flt.R) ? fltlim(flt.R * 10.0f, -55.0f, 55.0f) : 0.0f;
    if (rel.tsi)
        tc_shown += (target - tc_shown) * fltlim(2.0f * msc.prd, 0.0f, 1.0f);
    int a = iround(tc_shown);
    if (needle_moved(&tc_symbol, a)) {
        if (tc_symbol.drawn) {
            draw_tc_symbol(cx, cy, tc_symbol.angle, ERASE_COLOR);
            canvas_repair(cx - 6, cy - 5, cx + 6, cy + 6);
        }
        draw_tc_symbol(cx, cy, a, NEEDLE_COLOR);
        tc_symbol = NeedleMemory{1, a};
    }
    int off = 0;
    if (flt.v > 1.0f && std::isfinite(flt.Beta))
        off = intlim(iround(-flt.Beta * 5.0f), -15, 15);
    if (value_changed(&ball_mem, &ball_drawn, off)) {
        canvas_restore(cx - 19, BALL_ROW - 1, cx + 19, BALL_ROW + 5);
        for (int dx = -1; dx <= 1; dx++)
            for (int y = BALL_ROW; y < BALL_ROW + 6; y++)
                put_px(cx + off + dx, y, PC_BLACK);
        put_px(cx + off - 2, BALL_ROW + 2, PC_BLACK);
        put_px(cx + off + 2, BALL_ROW + 2, PC_BLACK);
        put_px(cx + off - 2, BALL_ROW + 3, PC_BLACK);
        put_px(cx + off + 2, BALL_ROW + 3, PC_BLACK);
        canvas_dirty(cx - 20, BALL_ROW - 1, cx + 20, BALL_ROW + 6);
    }
}

float tc_shown_deg() { return tc_shown; }

// ---------------------------------------------------------------- attitude

static int ah_pitch_mem, ah_bank_mem, ah_drawn;

// One row piece x1..x2 of the ball, split at the horizon: ground where
// dy cos(phi) + dx sin(phi) > thr (dx from the centre).
static void ball_run(int y, int x1, int x2, int cx, float dy, float s, float c, float thr, int sky,
                     int ground)
{
    if (x2 < x1)
        return;
    float base = dy * c - thr;   // ground where base + dx s > 0
    if (fabsf(s) < 1e-4f) {
        hline(x1, x2, y, base > 0.0f ? ground : sky);
        return;
    }
    float split = cx - base / s;   // x where the horizon crosses this row
    int xs = (int)floorf(split);
    int left_ground = s < 0.0f;
    int a = intlim(xs, x1 - 1, x2);
    hline(x1, a, y, left_ground ? ground : sky);
    hline(a + 1, x2, y, left_ground ? sky : ground);
}

static void draw_ball(float the, float phi)
{
    int glass = panel_is_glass();
    int cx = pln.ahx, cy = pln.ahy;
    float k = glass ? 2.5f : 2.0f;
    float s = sinf(phi * 0.017453293f), c = cosf(phi * 0.017453293f);
    for (int y = pln.ah_top_roll; y <= pln.ah_bot_roll; y++) {
        int r = y - pln.ah_top_roll;
        if (r >= MAX_AH_ROWS)
            break;
        float dy = (float)(y - cy);
        int x1r = pln.ahx1_roll[r], x2r = pln.ahx2_roll[r];
        int x1p = pln.ahx1_prim[r], x2p = pln.ahx2_prim[r];
        if (x1p > x2p) {
            ball_run(y, x1r, x2r, cx, dy, s, c, 0.0f, PC_BLUE, PC_DKBROWN);
            continue;
        }
        ball_run(y, x1r, x1p - 1, cx, dy, s, c, 0.0f, PC_BLUE, PC_DKBROWN);
        ball_run(y, x1p, x2p, cx, dy, s, c, the * k, PC_SKY, PC_BROWN);
        ball_run(y, x2p + 1, x2r, cx, dy, s, c, 0.0f, PC_BLUE, PC_DKBROWN);
    }
    for (int d = -30; d <= 30; d += 5)
        if (d)
            pitchbar(cx, cy, the, phi, (float)d, k, d % 10 ? 6 : 13, PC_WHITE);
    pitchbar(cx, cy, the, phi, 0.0f, k, 60, PC_WHITE);
    if (glass) {
        for (int a : {-60, -45, -30, -20, -10, 0, 10, 20, 30, 45, 60})
            center_tick(cx, cy, a, 46, a % 30 ? 49 : 52, PC_WHITE);
        rollbar(cx, cy, phi, 39, PC_WHITE);
        ADD_wings(cx, cy + set.ah_bar_adjust, 40, PC_YELLOW);
    } else {
        rollbar(cx, cy, phi, AH_BALL_R + 2, PC_WHITE);
        ADD_wings(cx, cy + set.ah_bar_adjust, 30, PC_ORANGE);
    }
    canvas_dirty(cx - pln.ah_semidim_int - 1, pln.ah_top_roll, cx + pln.ah_semidim_int + 1, pln.ah_bot_roll);
}

void update_arthoriz()
{
    int p = iround(ins.the180), b = iround(ins.phi180);
    if (!ins.tickle_all && ah_drawn && p == ah_pitch_mem && b == ah_bank_mem)
        return;
    ah_pitch_mem = p;
    ah_bank_mem = b;
    ah_drawn = 1;
    draw_ball(std::isfinite(ins.the180) ? ins.the180 : 0.0f, std::isfinite(ins.phi180) ? ins.phi180 : 0.0f);
}

// ---------------------------------------------------------------- heading indicator

static int hsi_need;         // the card must be drawn again this update
static int dg_heading_mem, dg_drawn;
static int hsi_course_mem, hsi_drawn;
static int gs_mem, gs_drawn;

static int shown_heading() { return deg_wrap(iround(std::isfinite(ins.psimag) ? ins.psimag : 0.0f)); }

void forget_sixpack()
{
    vsi_shown = tc_shown = 0.0f;
    hsi_need = 0;
}

void update_dghsi()
{
    if (value_changed(&dg_heading_mem, &dg_drawn, shown_heading()))
        hsi_need = 1;
}

// The course arrow, deviation bar and TO/FROM of NAV2 over the card.
static void draw_course(int cx, int cy, int rel_deg, int cdi, int flag, int glass)
{
    float a = rel_deg * 0.017453293f;
    float ux = sinf(a), uy = -cosf(a), px = cosf(a), py = sinf(a);   // along, right of the course
    int color = glass ? PC_PINK : PC_YELLOW;
    auto at = [&](float along, float across, int *x, int *y) {
        *x = cx + iround(along * ux + across * px);
        *y = cy + iround(along * uy + across * py);
    };
    int x1, y1, x2, y2, x3, y3;
    at(22.0f, 0.0f, &x1, &y1);
    at(40.0f, 0.0f, &x2, &y2);
    line2(x1, y1, x2, y2, color);
    at(47.0f, 0.0f, &x1, &y1);
    at(38.0f, -5.0f, &x2, &y2);
    at(38.0f, 5.0f, &x3, &y3);
    MACIBM_poly3(color, x1, y1, x2, y2, x3, y3, 1);
    at(-22.0f, 0.0f, &x1, &y1);
    at(-44.0f, 0.0f, &x2, &y2);
    line2(x1, y1, x2, y2, color);
    for (int d : {-20, -10, 10, 20}) {
        at(0.0f, (float)d, &x1, &y1);
        fill_box(x1 - 1, y1 - 1, x1 + 1, y1 + 1, PC_WHITE);
    }
    at(-19.0f, (float)cdi, &x1, &y1);
    at(19.0f, (float)cdi, &x2, &y2);
    line2(x1, y1, x2, y2, color);
    if (flag == 1 || flag == 2) {
        float dir = flag == 1 ? 1.0f : -1.0f;
        at(dir * 16.0f, 8.0f, &x1, &y1);
        at(dir * 10.0f, 4.0f, &x2, &y2);
        at(dir * 10.0f, 12.0f, &x3, &y3);
        MACIBM_poly3(PC_WHITE, x1, y1, x2, y2, x3, y3, 1);
    } else {
        fill_box(cx + 12, cy - 24, cx + 32, cy - 16, PC_RED);
        text_at(cx + 13, cy - 23, "NAV", PC_WHITE);
    }
}

static void draw_hsi(int course, int cdi, int flag)
{
    int glass = panel_is_glass();
    int cx = pln.dgx, cy = pln.dgy, hdg = dg_heading_mem;
    disc(cx, cy, DG_CARD_R, PC_BLACK);
    plot_dg(cx, cy, hdg, DG_CARD_R, 0);
    draw_course(cx, cy, course - hdg, cdi, flag, glass);
    // The aircraft, fixed at the centre, and the lubber line at the top.
    hline(cx - 9, cx + 9, cy, PC_ORANGE);
    fill_box(cx - 1, cy - 7, cx, cy + 8, PC_ORANGE);
    hline(cx - 4, cx + 3, cy + 8, PC_ORANGE);
    MACIBM_poly3(PC_ORANGE, cx, cy - DG_CARD_R + 8, cx - 4, cy - DG_CARD_R + 1, cx + 4, cy - DG_CARD_R + 1, 1);
    canvas_dirty(cx - DG_CARD_R, cy - DG_CARD_R, cx + DG_CARD_R, cy + DG_CARD_R);
    if (glass) {
        char s[32];
        canvas_restore(cx - 62, cy - 60, cx + 62, cy - 53);
        snprintf(s, sizeof s, "HDG %03d", hdg);
        text_at(cx - 60, cy - 60, s, PC_GREEN);
        snprintf(s, sizeof s, "CRS %03d", deg_wrap(course));
        text_at(cx + 18, cy - 60, s, PC_PINK);
        canvas_dirty(cx - 62, cy - 60, cx + 62, cy - 53);
    }
}

void update_HSI_VOR()
{
    int good = nav.goodnav[1];
    int course = deg_wrap(iround(std::isfinite(nav.obs[1]) ? nav.obs[1] : 0.0f));
    float swing, glide;
    cdi_needles(CDI_HSI, 1, &swing, &glide);
    int cdi = good && std::isfinite(swing) ? iround(swing) : 0;
    int flag = good ? nav.ntf[1] : 0;
    int key = (course * 64 + cdi + 32) * 4 + intlim(flag, 0, 3);
    if (value_changed(&hsi_course_mem, &hsi_drawn, key))
        hsi_need = 1;
    if (!hsi_need)
        return;
    hsi_need = 0;
    draw_hsi(course, cdi, flag);
}

void update_HSI_GS()
{
    float swing, glide;
    cdi_needles(CDI_HSI, 1, &swing, &glide);
    int y = glide_slope_received(1) && std::isfinite(glide) ? pln.gsyc + iround(glide) : -1;
    if (!value_changed(&gs_mem, &gs_drawn, y))
        return;
    for (int x : {pln.gsx1, pln.gsx2}) {
        canvas_restore(x - 1, pln.gsy1 - 5, x + pln.gsw + 1, pln.gsy2 + 5);
        canvas_dirty(x - 1, pln.gsy1 - 5, x + pln.gsw + 1, pln.gsy2 + 5);
    }
    if (y < 0)
        return;
    int c = panel_is_glass() ? PC_PINK : PC_GREEN;
    gsbar(pln.gsx1, y, pln.gsw, 1, c);
    gsbar(pln.gsx2 + pln.gsw, y, pln.gsw, -1, c);
}
