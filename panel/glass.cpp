// The glass dash: the flight display (speed and altitude tapes with rolling
// readouts, the attitude ball, the vertical-speed pointer), the navigation
// screen round the HSI and the map with its navaids, weather and traffic.
#include "panel/local.h"

#include <cmath>
#include <cstdio>

constexpr float SPD_PX_PER_KT = 2.0f;
constexpr float ALT_PX_PER_FT = 0.1f;

// ---------------------------------------------------------------- painting

void paint_pfd()
{
    int o = ossix;
    fill_box(o + PFD_X1, PFD_Y1, o + PFD_X2, PFD_Y2, PC_BLACK);
    frame_box(o + PFD_X1 - 1, PFD_Y1 - 1, o + PFD_X2 + 1, PFD_Y2 + 1, PC_GREY5);
    frame_box(o + PFD_X1 - 2, PFD_Y1 - 2, o + PFD_X2 + 2, PFD_Y2 + 2, PC_GREY1);
    // Vertical-speed scale: marks at 500, 1,000, 2,000 and 4,000 ft/min.
    int px = o + GVSI_X, py = GVSI_Y;
    for (int fpm : {-4000, -2000, -1000, -500, 0, 500, 1000, 2000, 4000}) {
        int a = iround(270.0f + vsi_deg((float)fpm));
        int big = fpm % 1000 == 0;
        center_tick(px, py, a, GVSI_LEN - (big ? 5 : 3), GVSI_LEN, PC_WHITE);
    }
    text_at(o + 360, 282, "VS", PC_PALE);
    text_at(o + 350, 398, "STD", PC_CYAN);   // the glass altimeter is held at 29.92
    text_at(o + 60, 398, "KT", PC_PALE);
}

void paint_nav_and_map()
{
    int o = ossix;
    fill_box(o + ND_X1, ND_Y1, o + ND_X2, ND_Y2, PC_BLACK);
    frame_box(o + ND_X1 - 1, ND_Y1 - 1, o + ND_X2 + 1, ND_Y2 + 1, PC_GREY5);
    fill_box(o + MAP_X1, MAP_Y1, o + MAP_X2, MAP_Y2, PC_BLACK);
    frame_box(o + MAP_X1 - 1, MAP_Y1 - 1, o + MAP_X2 + 1, MAP_Y2 + 1, PC_GREY5);
    paint_heading_glass();
    paint_button(o + 200, MAP_BTN_Y1, o + 222, MAP_BTN_Y2, "RNG", 1);
    put_px(o + 202, MAP_BTN_Y1 + 9, PC_WHITE);
    paint_button(o + 236, MAP_BTN_Y1, o + 258, MAP_BTN_Y2, "RNG", 1);
    paint_window(o + 224, MAP_BTN_Y1 + 2, o + 234, MAP_BTN_Y2 - 2);
    paint_button(o + 280, MAP_BTN_Y1, o + 302, MAP_BTN_Y2, "MAP", 1);
    paint_button(o + 325, MAP_BTN_Y1, o + 347, MAP_BTN_Y2, "ARC", 1);
    paint_button(o + 350, MAP_BTN_Y1, o + 364, MAP_BTN_Y2, "WX", 1);
    paint_button(o + 366, MAP_BTN_Y1, o + 382, MAP_BTN_Y2, "TFC", 1);
    text_at(o + 203, MAP_BTN_Y2 + 2, "-", PC_PALE);
    text_at(o + 253, MAP_BTN_Y2 + 2, "+", PC_PALE);
}

// ---------------------------------------------------------------- tapes

// A rolling readout of `ndig` digits of the rolling font at (x, y): the
// last digit turns with the fraction of `value`, and each higher digit
// turns with it while every digit below it shows 9.
void tape_4(int x, int y, float value, int ndig)
{
    constexpr int MAX_DIGITS = 8;
    ndig = intlim(ndig, 1, MAX_DIGITS);
    value = fmaxf(value, 0.0f);
    int whole = (int)fminf(value, 99999999.0f);
    int drop = (int)((value - (float)whole) * 9.0f);
    int d[MAX_DIGITS], rolling[MAX_DIGITS];
    int carry = 1;
    for (int k = ndig - 1; k >= 0; k--) {
        d[k] = whole % 10;
        rolling[k] = carry && drop > 0;
        carry = carry && d[k] == 9;
        whole /= 10;
    }
    int leading = 1;   // leading zeros stay dark unless they are turning over
    for (int k = 0; k < ndig; k++) {
        leading = leading && d[k] == 0 && !rolling[k] && k < ndig - 1;
        if (leading)
            fill_box(x + k * 6, y, x + k * 6 + TAPE_W - 1, y + 8, PC_BLACK);
        else
            drop_it(x + k * 6, y, d[k], rolling[k] ? drop : 0);
    }
}

// A bug on a tape's edge at row y: a small flag in `color`.
void plot_tape_bug(int x, int y, int dir, int color)
{
    for (int k = 0; k < 4; k++)
        hline(dir > 0 ? x : x - k, dir > 0 ? x + k : x, y - 3 + k, color),
        hline(dir > 0 ? x : x - k, dir > 0 ? x + k : x, y + 3 - k, color);
    hline(dir > 0 ? x : x - 4, dir > 0 ? x + 4 : x, y, color);
}

// A moving tape between x1..x2 over the tape rows: value v at the middle
// row, `px` pixels per unit, a tick every `tick` units on the `side` (+1
// right, -1 left) edge, a number every `label`.
void plot_tape(int x1, int x2, float v, float px, float tick, float label, int side)
{
    fill_box(x1, TAPE_Y1, x2, TAPE_Y2, PC_GREY3);
    float lo = v - (TAPE_MID - TAPE_Y1) / px, hi = v + (TAPE_Y2 - TAPE_MID) / px;
    float first = floorf(lo / tick) * tick;
    for (float t = first; t <= hi; t += tick) {
        if (t < 0.0f)
            continue;
        int y = TAPE_MID - iround((t - v) * px);
        if (y < TAPE_Y1 || y > TAPE_Y2)
            continue;
        int major = fmodf(t + 0.5f, label) < 1.0f;
        int len = major ? 7 : 4;
        if (side > 0)
            hline(x2 - len, x2, y, PC_WHITE);
        else
            hline(x1, x1 + len, y, PC_WHITE);
        if (major && y - 3 >= TAPE_Y1 && y + 3 <= TAPE_Y2) {
            char s[12];
            snprintf(s, sizeof s, "%d", iround(t));
            if (side > 0)
                text_at(x2 - 9 - text_width_px(s), y - 3, s, PC_WHITE);
            else
                text_at(x1 + 10, y - 3, s, PC_WHITE);
        }
    }
}

// The tape with a colour band on its inner edge (bands are value ranges
// v1..v2 in `color`), the readout box over the middle.
void plot_glass_tape(int x1, int x2, float v, float px, const float (*band)[3], int nband, int side)
{
    int bx = side > 0 ? x2 + 1 : x1 - 4;
    fill_box(bx, TAPE_Y1, bx + 2, TAPE_Y2, PC_BLACK);
    for (int k = 0; k < nband; k++) {
        int ya = TAPE_MID - iround((band[k][1] - v) * px), yb = TAPE_MID - iround((band[k][0] - v) * px);
        ya = intmax2(ya, TAPE_Y1);
        yb = intmin2(yb, TAPE_Y2);
        if (yb >= ya && band[k][1] > band[k][0])
            fill_box(bx, ya, bx + 2, yb, (int)band[k][2]);
    }
}

static int spd_mem, spd_drawn, mach_mem, mach_drawn;

void glass_airspeed()
{
    if (!rel.asi && !ins.tickle_all)
        return;
    float v = shown_airspeed();
    if (value_changed(&spd_mem, &spd_drawn, iround(v * SPD_PX_PER_KT))) {
        int o = ossix;
        int x1 = o + SPD_TAPE_X1, x2 = o + SPD_TAPE_X2 - 4;
        plot_tape(x1, x2, v, SPD_PX_PER_KT, 5.0f, 20.0f, 1);
        const float band[4][3] = {{pln.Vso, pln.Vfe, PC_WHITE},
                                  {pln.Vs, pln.Vno, PC_GREEN},
                                  {pln.Vno, pln.Vne, PC_YELLOW},
                                  {pln.Vne, pln.Vne + 400.0f, PC_RED}};
        plot_glass_tape(x1, x2, v, SPD_PX_PER_KT, band, 4, 1);
        struct { float v; int c; } bugs[4] = {{pln.Vso, PC_WHITE}, {pln.Vs, PC_GREEN},
                                              {pln.Vno, PC_YELLOW}, {pln.Vne, PC_RED}};
        for (auto &b : bugs) {
            int y = TAPE_MID - iround((b.v - v) * SPD_PX_PER_KT);
            if (b.v > 0.0f && y > TAPE_Y1 + 3 && y < TAPE_Y2 - 3)
                plot_tape_bug(x2 + 5, y, 1, b.c);
        }
        // The readout box with the rolling units.
        fill_box(o + 8, TAPE_MID - 7, o + 44, TAPE_MID + 7, PC_BLACK);
        frame_box(o + 8, TAPE_MID - 7, o + 44, TAPE_MID + 7, PC_WHITE);
        MACIBM_poly3(PC_WHITE, o + 45, TAPE_MID - 5, o + 45, TAPE_MID + 5, o + 50, TAPE_MID, 1);
        tape_4(o + 16, TAPE_MID - 4, v, 3);
        canvas_dirty(o + SPD_TAPE_X1 - 4, TAPE_Y1, o + SPD_TAPE_X2 + 6, TAPE_Y2);
    }
    float mach = flt.machno[FLT_ROW_FUSE];
    if (value_changed(&mach_mem, &mach_drawn, std::isfinite(mach) ? intlim(iround(mach * 100.0f), 0, 999) : 0)) {
        int o = ossix;
        fill_box(o + 12, 398, o + 44, 404, PC_BLACK);
        char s[16];
        snprintf(s, sizeof s, "M.%02d", intmin2(mach_mem, 99));
        if (mach_mem >= 100)
            snprintf(s, sizeof s, "M%d.%02d", mach_mem / 100, mach_mem % 100);
        text_at(o + 12, 398, s, PC_WHITE);
        canvas_dirty(o + 12, 398, o + 44, 404);
    }
}

static int alt_tape_mem, alt_tape_drawn;

void glass_altitude()
{
    if (!rel.alt && !ins.tickle_all)
        return;
    float ft = flt.h * con.mtrstoft;   // the glass altimeter is held at 29.92
    ft = std::isfinite(ft) ? fltlim(ft, 0.0f, 99999.0f) : 0.0f;
    if (!value_changed(&alt_tape_mem, &alt_tape_drawn, iround(ft * ALT_PX_PER_FT)))
        return;
    int o = ossix;
    int x1 = o + ALT_TAPE_X1 + 4, x2 = o + ALT_TAPE_X2;
    plot_tape(x1, x2, ft, ALT_PX_PER_FT, 100.0f, 500.0f, -1);
    // The ground under the aircraft (radio altitude) as a hatched band.
    float ground_ft = env.localh > -999.0f ? env.localh * con.mtrstoft : -1e6f;
    int gy = TAPE_MID + iround((ft - ground_ft) * ALT_PX_PER_FT);
    for (int y = intmax2(gy, TAPE_Y1); y <= TAPE_Y2; y++)
        for (int x = x1; x <= x1 + 5; x++)
            if ((x + y) % 4 == 0)
                put_px(x, y, PC_AMBER);
    if (gy >= TAPE_Y1 && gy <= TAPE_Y2)
        hline(x1, x2, gy, PC_AMBER);
    fill_box(o + 286, TAPE_MID - 7, o + 346, TAPE_MID + 7, PC_BLACK);
    frame_box(o + 286, TAPE_MID - 7, o + 346, TAPE_MID + 7, PC_WHITE);
    tape_4(o + 294, TAPE_MID - 4, ft / 10.0f, 4);
    drop_it(o + 318, TAPE_MID - 4, 0, 0);
    canvas_dirty(o + 284, TAPE_Y1, o + ALT_TAPE_X2 + 2, TAPE_Y2);
}

static NeedleMemory gvsi;

void glass_vvi(float shown_deg)
{
    int px = ossix + GVSI_X, py = GVSI_Y;
    move_needle(&gvsi, px, py, deg_wrap(iround(270.0f + shown_deg)), GVSI_LEN - 2, PC_WHITE);
}

// ---------------------------------------------------------------- weather radar field

int wxr_color_at(float x, float y)
{
    int i, j;
    if (wxr_cell(x, y, 0, &i, &j) != 1)
        return 0;
    float w = flt_wxr[i][j];
    if (!(w >= 24.0f))
        return 0;
    return w < 26.0f ? PC_GREEN : w < 28.0f ? PC_YELLOW : w < 30.0f ? PC_RED : PC_PINK;
}

// ---------------------------------------------------------------- map

static void nav_symbol(int x, int y, int pic)
{
    for (int c = 0; c < NAV_PIC_W; c++)
        for (int r = 0; r < NAV_PIC_H; r++)
            if (ins.nav_pic[pic][c][r] != PC_BLACK)
                put_px(x - NAV_PIC_W / 2 + c, y - NAV_PIC_H / 2 + r, ins.nav_pic[pic][c][r]);
}

static int pic_of(int type)
{
    switch (type) {
    case NAV_NDB: return 1;
    case NAV_VOR: return 2;
    case NAV_OM: return 3;
    case 7: return 4;
    case NAV_IM: return 5;
    case NAV_ILS: return 6;
    case NAV_LOC: return 7;
    default: return type >= NAV_APT1 && type <= NAV_APT3 ? 0 : -1;
    }
}

// Map frame: the aircraft at (ax, ay) in the map, north-up (mode 1) or
// track-up with the aircraft low in the window (mode 2).
struct MapFrame {
    int x1, y1, x2, y2, ax, ay;
    float px_per_m, s, c;    // rotation for heading-up
};

static int map_point(const MapFrame &f, float x, float y, int *mx, int *my)
{
    float dx = (x - (float)flt.x) * f.px_per_m, dy = (y - (float)flt.y) * f.px_per_m;
    float rx = dx * f.c - dy * f.s, ry = dx * f.s + dy * f.c;
    *mx = f.ax + iround(rx);
    *my = f.ay - iround(ry);
    return *mx >= f.x1 && *mx <= f.x2 && *my >= f.y1 && *my <= f.y2;
}

static void map_weather(const MapFrame &f)
{
    float m_per_px = 1.0f / f.px_per_m;
    for (int y = f.y1; y <= f.y2; y += 2)
        for (int x = f.x1; x <= f.x2; x += 2) {
            float rx = (x - f.ax) * m_per_px, ry = (f.ay - y) * m_per_px;
            float wx = (float)flt.x + rx * f.c + ry * f.s, wy = (float)flt.y - rx * f.s + ry * f.c;
            int c = wxr_color_at(wx, wy);
            if (c)
                fill_box(x, y, x + 1, y + 1, c);
        }
}

static void map_navaids(const MapFrame &f)
{
    for (int k = 0; k < MAX_NAV; k++) {
        int pic = pic_of(env.navmsc[k][0]);
        int mx, my;
        if (pic < 0 || !map_point(f, env.navxyz[k][0], env.navxyz[k][1], &mx, &my))
            continue;
        nav_symbol(mx, my, pic);
        if ((pic == 1 || pic == 2) && mx + 24 <= f.x2) {
            char id[4] = {env.navID[k][0], env.navID[k][1], env.navID[k][2], 0};
            text_at(mx + 6, my - 3, id, PC_PALE);
        }
    }
}

static void map_traffic(const MapFrame &f)
{
    for (int n = 0; n < MAX_TRAFFIC; n++) {
        int mx, my;
        if (!map_point(f, traf_x[n][0], traf_y[n][0], &mx, &my))
            continue;
        nav_symbol(mx, my, 8);
        int rel = iround((traf_z[n][0] - flt.h) * con.mtrstoft / 100.0f);
        char s[8];
        snprintf(s, sizeof s, "%+03d", intlim(rel, -99, 99));
        if (mx + 22 <= f.x2 && my + 10 <= f.y2)
            text_at(mx - 8, my + 6, s, PC_WHITE);
    }
}

static void draw_map()
{
    int o = ossix;
    MapFrame f;
    f.x1 = o + MAP_X1;
    f.y1 = MAP_Y1;
    f.x2 = o + MAP_X2;
    f.y2 = MAP_Y2;
    fill_box(f.x1, f.y1, f.x2, f.y2, PC_BLACK);
    float range_m = fltlim(ins.map_range, 7.5f, 30.0f) * con.nmtomtrs;
    int heading_up = ins.map_mode == 2;
    float rot = heading_up ? flt.psi * 0.017453293f : 0.0f;
    f.s = sinf(rot);
    f.c = cosf(rot);
    f.ax = (f.x1 + f.x2) / 2;
    f.ay = heading_up ? f.y2 - 10 : (f.y1 + f.y2) / 2;
    f.px_per_m = (float)(heading_up ? f.ay - f.y1 : (f.y2 - f.y1) / 2) / range_m;
    if (ins.EFIS_wxr)
        map_weather(f);
    int rr = heading_up ? f.ay - f.y1 : (f.y2 - f.y1) / 2;   // the range ring
    for (int k = 0; k < 72; k++) {
        int x, y;
        polar(f.ax, f.ay, k * 5.0f, (float)rr, &x, &y);
        if (x >= f.x1 && x <= f.x2 && y >= f.y1 && y <= f.y2)
            put_px(x, y, PC_GREY7);
    }
    map_navaids(f);
    if (ins.EFIS_tcas)
        map_traffic(f);
    int gx, gy;   // the GPS waypoint and the line to it
    float crs, dis;
    get_gps_data(&crs, &dis);
    if (dis > 1.0f) {
        float wx = (float)flt.x + dis * sinf(crs * 0.017453293f), wy = (float)flt.y + dis * cosf(crs * 0.017453293f);
        map_point(f, wx, wy, &gx, &gy);
        if (gx >= f.x1 && gx <= f.x2 && gy >= f.y1 && gy <= f.y2)
            nav_symbol(gx, gy, 9);
    }
    // The aircraft, pointing along its heading (north-up) or straight up.
    int hx, hy;
    polar(f.ax, f.ay, heading_up ? 0.0f : flt.psi, 9.0f, &hx, &hy);
    line2(f.ax, f.ay, hx, hy, PC_WHITE);
    disc(f.ax, f.ay, 2, PC_WHITE);
    char s[16];
    snprintf(s, sizeof s, "%s %d", heading_up ? "TRK" : "N UP", iround(fltlim(ins.map_range, 0.0f, 99.0f)));
    text_at(f.x1 + 2, f.y1 + 2, s, PC_GREEN);
    canvas_dirty(f.x1, f.y1, f.x2, f.y2);
}

static int map_key_mem, map_key_drawn, map_frames;

static void draw_map_buttons()
{
    int o = ossix;
    struct { int x1, x2, lit; const char *t; } b[4] = {{280, 302, ins.map_mode != 2, "MAP"},
                                                      {325, 347, ins.map_mode == 2, "ARC"},
                                                      {350, 364, ins.EFIS_wxr, "WX"},
                                                      {366, 382, ins.EFIS_tcas, "TFC"}};
    for (auto &k : b) {
        canvas_restore(o + k.x1, MAP_BTN_Y1, o + k.x2, MAP_BTN_Y2);
        if (k.lit)
            text_centred(o + (k.x1 + k.x2 + 1) / 2, (MAP_BTN_Y1 + MAP_BTN_Y2) / 2 - 3, k.t, PC_GREEN);
    }
    fill_box(o + 224, MAP_BTN_Y1 + 2, o + 234, MAP_BTN_Y2 - 2, PC_BLACK);
    number_right(o + 235, MAP_BTN_Y1 + 6, iround(fltlim(ins.map_range, 0.0f, 99.0f)), PC_GREEN);
    canvas_dirty(o + 200, MAP_BTN_Y1, o + 382, MAP_BTN_Y2);
}

void forget_glass() { map_frames = 0; }

void update_glass()
{
    if (!panel_is_glass())
        return;
    int key = ((ins.map_mode * 2 + (ins.EFIS_wxr != 0)) * 2 + (ins.EFIS_tcas != 0)) * 64 +
              iround(fltlim(ins.map_range, 0.0f, 60.0f));
    int changed = value_changed(&map_key_mem, &map_key_drawn, key);
    if (changed)
        draw_map_buttons();
    // The map follows the aircraft a few times a second.
    constexpr int MAP_EVERY = 5;
    if (changed || ins.tickle_map || ins.tickle_arg || ++map_frames >= MAP_EVERY) {
        map_frames = 0;
        draw_map();
        ins.tickle_map = 0;
        ins.tickle_arg = 0;
    }
}
