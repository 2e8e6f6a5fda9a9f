// The option column beside the six-pack: the layout's instrument (VOR head,
// GPS course indicator, stormscope, radar altimeter, variometer or weather
// radar), the ADF or RMI below it, the flight timer and the fuel pointers.
#include "panel/local.h"

#include <cmath>
#include <cstdio>

#include "sound/sound.h"

static int has_column() { return !panel_is_heli(); }

// ---------------------------------------------------------------- dial laws

static float ra_deg(float ft)   // radar altimeter: expanded low, 2,500 ft at 300 deg
{
    return 210.0f + 300.0f * log10f(1.0f + fltlim(ft, 0.0f, 2500.0f) / 10.0f) / log10f(251.0f);
}
static float vario_deg(float fpm) { return 270.0f + fltlim(fpm, -1000.0f, 1000.0f) * 0.16f; }

// ---------------------------------------------------------------- painting

static void paint_vor_head(int cx, int cy)
{
    for (int k = 1; k <= 5; k++)   // course dots: one a degree of deviation
        for (int side : {-1, 1}) {
            int off = iround(44.0f * sinf(8.0f * k * 0.017453293f));
            fill_box(cx + side * off - 1, cy - 1, cx + side * off, cy, PC_WHITE);
            fill_box(cx - 1, cy + side * off - 1, cx, cy + side * off, PC_WHITE);
        }
    MACIBM_poly3(PC_WHITE, cx, cy - OPT_FACE_R + 7, cx - 4, cy - OPT_FACE_R + 1, cx + 4, cy - OPT_FACE_R + 1, 1);
    paint_window(cx - 10, cy + 25, cx + 10, cy + 33);
    paint_window(cx + 12, cy + 10, cx + 30, cy + 19);
    paint_knob(OBS1_KNOB_X, OBS1_KNOB_Y, 10);
    text_at(OBS1_KNOB_X + 13, OBS1_KNOB_Y + 1, "OBS", PC_PALE);
}

static void paint_storm_buttons()
{
    static const char *LABEL[5] = {"0", "1", "2", "-", "+"};
    for (int k = 0; k < 5; k++)
        paint_button(468, 321 + 15 * k, 483, 334 + 15 * k, LABEL[k], panel_is_glass());
}

static void paint_upper_option(int glass)
{
    int cx = OPT_X, cy = OPT_Y;
    switch (pln.layouttype) {
    case LAYOUT_BASIC:
    case LAYOUT_RMI:
        paint_bezel(cx, cy, OPT_FACE_R, OPT_BEZEL_R, glass);
        paint_vor_head(cx, cy);
        break;
    case LAYOUT_GPS:
        paint_bezel(cx, cy, OPT_FACE_R, OPT_BEZEL_R, glass);
        text_centred(cx, cy - 30, "GPS", PC_PALE);
        for (int k = -2; k <= 2; k++)
            if (k)
                fill_box(cx + 12 * k - 1, cy - 1, cx + 12 * k, cy, PC_WHITE);
        break;
    case LAYOUT_STORMSCOPE:
        paint_bezel(STORM_X, STORM_Y, STORM_R, STORM_R + 4, glass);
        paint_storm_buttons();
        text_centred(STORM_X, STORM_Y + STORM_R + 6, "STORMSCOPE", PC_PALE);
        break;
    case LAYOUT_RADALT:
        paint_bezel(cx, cy, OPT_FACE_R, OPT_BEZEL_R, glass);
        paint_ticks(cx, cy, 0.0f, 100.0f, 10.0f, 39.0f, 44.0f, PC_WHITE, ra_deg);
        for (float v : {200.0f, 300.0f, 400.0f, 500.0f, 1000.0f, 1500.0f, 2000.0f, 2500.0f})
            paint_ticks(cx, cy, v, v, 1.0f, 37.0f, 44.0f, PC_WHITE, ra_deg);
        for (float v : {0.0f, 100.0f, 500.0f, 1000.0f, 2500.0f})
            paint_numerals(cx, cy, v, v, 1.0f, 30.0f, v >= 1000.0f ? 1000.0f : 1.0f, PC_WHITE, ra_deg);
        text_centred(cx, cy + 14, "RAD ALT", PC_PALE);
        paint_window(cx + 8, cy + 2, cx + 22, cy + 10);
        paint_knob(DH_KNOB_X, DH_KNOB_Y, 9);
        text_at(DH_KNOB_X + 12, DH_KNOB_Y + 1, "DH", PC_PALE);
        break;
    case LAYOUT_VARIO:
        paint_bezel(cx, cy, OPT_FACE_R, OPT_BEZEL_R, glass);
        paint_ticks(cx, cy, -1000.0f, 1000.0f, 100.0f, 39.0f, 44.0f, PC_WHITE, vario_deg);
        paint_ticks(cx, cy, -1000.0f, 1000.0f, 500.0f, 35.0f, 44.0f, PC_WHITE, vario_deg);
        paint_numerals(cx, cy, 0.0f, 1000.0f, 200.0f, 29.0f, 100.0f, PC_WHITE, vario_deg);
        paint_numerals(cx, cy, -1000.0f, -200.0f, 200.0f, 29.0f, -100.0f, PC_WHITE, vario_deg);
        text_centred(cx + 2, cy - 13, "VARIO", PC_PALE);
        text_centred(cx + 2, cy + 7, "KT", PC_PALE);
        break;
    case LAYOUT_RADAR:
        paint_window(RADAR_X1, RADAR_Y1, RADAR_X2, RADAR_Y2);
        paint_button(391, 385, 419, 405, "RDR", glass);
        paint_button(421, 385, 452, 405, "RNG-", glass);
        paint_button(454, 385, 485, 405, "RNG+", glass);
        break;
    default:
        break;
    }
}

static void paint_lower_option(int glass)
{
    int cx = LOW_X, cy = LOW_Y;
    paint_bezel(cx, cy, LOW_FACE_R, LOW_BEZEL_R, glass);
    if (pln.layouttype == LAYOUT_RMI) {
        text_centred(cx, cy + 12, "RMI", PC_PALE);
        return;
    }
    static const char *CARD[4] = {"N", "E", "S", "W"};
    for (int a = 0; a < 360; a += 10)
        center_tick(cx, cy, a, a % 30 ? 33 : 30, 36, PC_WHITE);
    for (int k = 0; k < 4; k++) {
        int x, y;
        polar(cx, cy, k * 90.0f, 24.0f, &x, &y);
        text_bold_centred(x, y - 3, CARD[k], PC_WHITE);
    }
    text_centred(cx, cy + 12, "ADF", PC_PALE);
}

static void paint_timer(int glass)
{
    paint_window(403, 493, 444, 505);
    paint_button(403, 508, 423, 534, "S", glass);
    paint_button(424, 508, 444, 534, "R", glass);
    text_at(449, 496, "TIMER", PC_PALE);
}

void paint_fuel_scales(int x1, int x2, int row_l, int row_r)
{
    text_at(x1 - 2, row_l - 12, "FUEL", PC_PALE);
    for (int k = 0; k < (row_r < 0 ? 1 : 2); k++) {
        int y = k ? row_r : row_l;
        if (row_r >= 0)
            text_at(x1 - 10, y - 3, k ? "R" : "L", PC_WHITE);
        hline(x1, x2, y, PC_WHITE);
        for (int q = 0; q <= 4; q++) {
            int x = x1 + (x2 - x1) * q / 4;
            for (int t = 1; t <= (q % 2 ? 2 : 3); t++)
                put_px(x, y - t, PC_WHITE);
        }
        hline(x1, x1 + (x2 - x1) / 8, y - 1, PC_RED);
        text_at(x1 - 2, y + 8, "E", PC_PALE);
        text_at(x2 - 2, y + 8, "F", PC_PALE);
    }
}

void paint_option_column(int glass)
{
    if (!has_column())
        return;
    paint_upper_option(glass);
    paint_lower_option(glass);
    paint_timer(glass);
    paint_fuel_scales(FUEL_X1, FUEL_X2, FUEL_ROW_L, FUEL_ROW_R);
}

// ---------------------------------------------------------------- VOR head

static NeedleMemory vor_cdi, vor_gs;
static int vor_face_mem, vor_face_drawn;

static void update_vor_head()
{
    int cx = OPT_X, cy = OPT_Y;
    int good = nav.goodnav[0];
    float course, glide;
    cdi_needles(CDI_VOR_HEAD, 0, &course, &glide);
    int swing = good && std::isfinite(course) ? iround(course) : 0;
    int gs_on = glide_slope_received(0) && std::isfinite(glide);
    int gswing = gs_on ? iround(glide) : 0;
    int obs = deg_wrap(iround(std::isfinite(nav.obs[0]) ? nav.obs[0] : 0.0f));
    int flag = good ? intlim(nav.ntf[0], 0, 2) : 0;
    int face = value_changed(&vor_face_mem, &vor_face_drawn, (obs * 4 + flag) * 2 + gs_on);
    int needles = needle_moved(&vor_cdi, 180 - swing) || (gs_on && needle_moved(&vor_gs, 90 + gswing));
    if (!face && !needles)
        return;
    int px = cx, py = cy - OPT_FACE_R + 4;    // course needle pivot at the top
    int gx = cx - OPT_FACE_R + 4, gy = cy;    // glide-slope needle pivot at the left
    if (vor_cdi.drawn)
        erase_needle(px, py, vor_cdi.angle, 68);
    if (vor_gs.drawn)
        erase_needle(gx, gy, vor_gs.angle, 68);
    vor_gs.drawn = 0;
    if (face) {
        // The azimuth ring turned to the selected course, and the flags.
        disc(cx, cy, OPT_FACE_R, PC_BLACK);
        canvas_repair(cx - OPT_FACE_R, cy - OPT_FACE_R, cx + OPT_FACE_R, cy + OPT_FACE_R);
        static const char *CARD[4] = {"N", "E", "S", "W"};
        for (int a = 0; a < 360; a += 10)
            center_tick(cx, cy, a - obs, a % 30 ? 41 : 38, 44, PC_WHITE);
        for (int k = 0; k < 4; k++) {
            int x, y;
            polar(cx, cy, k * 90.0f - obs, 33.0f, &x, &y);
            text_centred(x + 1, y - 3, CARD[k], PC_PALE);
        }
        fill_box(cx - 9, cy + 26, cx + 9, cy + 32, PC_BLACK);
        char s[8];
        snprintf(s, sizeof s, "%03d", obs);
        text_at(cx - 8, cy + 26, s, PC_WHITE);
        fill_box(cx + 12, cy + 10, cx + 30, cy + 19, flag ? PC_BLACK : PC_RED);
        text_at(cx + 13, cy + 11, flag == 1 ? "TO" : flag == 2 ? "FR" : "NAV", PC_WHITE);
        if (!gs_on) {
            fill_box(cx - 31, cy - 19, cx - 19, cy - 11, PC_RED);
            text_at(cx - 30, cy - 18, "GS", PC_WHITE);
        }
        canvas_dirty(cx - OPT_FACE_R, cy - OPT_FACE_R, cx + OPT_FACE_R, cy + OPT_FACE_R);
    }
    if (gs_on) {
        needle(gx, gy, 90 + gswing, 68, PC_WHITE, ERASE_COLOR);
        vor_gs = NeedleMemory{1, 90 + gswing};
    }
    needle(px, py, 180 - swing, 68, PC_WHITE, ERASE_COLOR);
    vor_cdi = NeedleMemory{1, 180 - swing};
}

// ---------------------------------------------------------------- GPS CDI

// The GPS cross-track pointer: a bar `dev` px off the centre (full scale
// 25 px, two nautical miles) over the dots, with the waypoint's distance.
void plot_GPS_cdi(int cx, int cy, int dev, float dis_nm, int to)
{
    fill_box(cx - 36, cy - 22, cx + 36, cy + 26, PC_BLACK);
    for (int k = -2; k <= 2; k++)
        if (k)
            fill_box(cx + 12 * k - 1, cy - 1, cx + 12 * k, cy, PC_WHITE);
    int x = cx + intlim(dev, -25, 25);
    fill_box(x - 1, cy - 15, x, cy + 15, PC_PINK);
    text_at(cx + 16, cy - 19, to ? "TO" : "FR", PC_WHITE);
    char s[16];
    snprintf(s, sizeof s, "%.1f NM", (double)fltlim(dis_nm, 0.0f, 999.9f));
    text_centred(cx, cy + 18, s, PC_GREEN);
    canvas_dirty(cx - 36, cy - 22, cx + 36, cy + 26);
}

static int gps_cdi_mem, gps_cdi_drawn;

int gps_cdi_px()
{
    return std::isfinite(nav.gps_cdi) ? iround(fltlim(nav.gps_cdi, -25.0f, 25.0f)) : 0;
}

static void update_gps_cdi()
{
    float crs, dis;
    get_gps_data(&crs, &dis);
    int dev = gps_cdi_px();
    int to = fabsf(degf_diff(crs - nav.gps_lock_crs)) <= 90.0f;
    int key = ((dev + 32) * 2 + to) * 10000 + intlim(iround(dis * con.mtrstonm * 10.0f), 0, 9999);
    if (value_changed(&gps_cdi_mem, &gps_cdi_drawn, key))
        plot_GPS_cdi(OPT_X, OPT_Y, dev, dis * con.mtrstonm, to);
}

// ---------------------------------------------------------------- stormscope

static int storm_cycle;

static void update_stormscope()
{
    if (!ins.tickle_all && !ins.tickle_str && (++storm_cycle & 3))
        return;   // the slow display: every fourth update
    ins.tickle_str = 0;
    int cx = STORM_X, cy = STORM_Y, r = STORM_R;
    disc(cx, cy, r, PC_BLACK);
    canvas_dirty(cx - r, cy - r, cx + r, cy + r);
    int mode = ins.arg_mode;
    if (mode <= 0)
        return;
    float range_m = fltlim(ins.arg_range, 7.5f, 30.0f) * con.nmtomtrs;
    int oy = mode == 2 ? cy + r - 6 : cy;            // forward view: the aircraft low
    float px_per_m = (float)(mode == 2 ? 2 * r - 10 : r - 2) / range_m;
    for (int k = 0; k < 36; k++) {
        int x, y;
        polar(cx, oy, k * 10.0f, (float)(mode == 2 ? r - 3 : r - 2) / 2.0f, &x, &y);
        put_px(x, y, PC_GREY6);
    }
    float s = sinf(flt.psi * 0.017453293f), c = cosf(flt.psi * 0.017453293f);
    for (int n = 0; n < STRIKE_RING; n++) {
        if (atm.strike_t_exp[n] <= msc.tottime)
            continue;
        float dx = atm.strike_x[n] - (float)flt.x, dy = atm.strike_y[n] - (float)flt.y;
        int x = cx + iround((dx * c - dy * s) * px_per_m), y = oy - iround((dx * s + dy * c) * px_per_m);
        if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > (r - 3) * (r - 3))
            continue;
        hline(x - 2, x + 2, y, PC_YELLOW);
        for (int d = -2; d <= 2; d++)
            put_px(x, y + d, PC_YELLOW);
    }
    fill_box(cx - 2, oy - 2, cx + 2, oy + 2, PC_WHITE);
    number_right(cx + r - 6, cy - r + 10, iround(ins.arg_range), PC_GREEN);
}

// ---------------------------------------------------------------- radar altimeter

static NeedleMemory ra_needle;
static int dh_mem, dh_drawn, minimums_armed = 1;

static void update_radar_altimeter()
{
    int cx = OPT_X, cy = OPT_Y;
    float agl = (flt.h - env.localh) * con.mtrstoft;
    if (!std::isfinite(agl) || env.localh <= -999.0f)
        agl = 99999.0f;
    float dh = fltlim(ins.radalt_ft, 0.0f, 2500.0f);
    // The decision-height call once per approach, re-armed well above it.
    if (agl < dh && minimums_armed && flt.vu < 0.0f) {
        play_buffer(SND_MINIMUMS, 0);
        minimums_armed = 0;
    } else if (agl > dh + 100.0f) {
        minimums_armed = 1;
    }
    int key = iround(dh) * 2 + (agl < dh);
    int face = value_changed(&dh_mem, &dh_drawn, key);
    int a = iround(ra_deg(agl)) % 360;
    if (!face && !needle_moved(&ra_needle, a))
        return;
    if (ra_needle.drawn)
        erase_needle(cx, cy, ra_needle.angle, 36);
    if (face) {
        canvas_restore(cx - OPT_BEZEL_R, cy - OPT_BEZEL_R, cx + OPT_BEZEL_R, cy + OPT_BEZEL_R);
        int x1, y1, x2, y2, x3, y3;   // the decision-height bug on the rim
        float b = ra_deg(dh);
        polar(cx, cy, b, 44.0f, &x1, &y1);
        polar(cx, cy, b - 5.0f, 50.0f, &x2, &y2);
        polar(cx, cy, b + 5.0f, 50.0f, &x3, &y3);
        MACIBM_poly3(PC_ORANGE, x1, y1, x2, y2, x3, y3, 1);
        fill_box(cx + 8, cy + 2, cx + 22, cy + 10, agl < dh ? PC_AMBER : PC_BLACK);
        text_at(cx + 10, cy + 3, "DH", agl < dh ? PC_BLACK : PC_GREY5);
        canvas_dirty(cx - OPT_BEZEL_R - 3, cy - OPT_BEZEL_R - 3, cx + OPT_BEZEL_R + 3, cy + OPT_BEZEL_R + 3);
    }
    needle(cx, cy, a, 36, NEEDLE_COLOR, ERASE_COLOR);
    ra_needle = NeedleMemory{1, a};
    needle_hub(cx, cy, 3);
}

// ---------------------------------------------------------------- variometer

static NeedleMemory vario_needle;
static float vario_fpm, vario_prev_av;

// Total-energy vertical speed: the climb plus the height the change of
// airspeed is worth (v dv/dt / g), so a pull-up does not read as lift.
static void update_variometer()
{
    float dt = fltmax2(msc.prd, 0.001f);
    float te = flt.vu + flt.av * (flt.av - vario_prev_av) / (dt * con.g);
    vario_prev_av = flt.av;
    if (!std::isfinite(te))
        te = 0.0f;
    vario_fpm += (fltlim(te * con.msctofpm, -1200.0f, 1200.0f) - vario_fpm) * fltlim(2.0f * msc.prd, 0.0f, 1.0f);
    int cx = OPT_X, cy = OPT_Y;
    if (move_needle(&vario_needle, cx, cy, iround(vario_deg(vario_fpm)) % 360, 38, NEEDLE_COLOR))
        needle_hub(cx, cy, 3);
}

// ---------------------------------------------------------------- weather radar

static int radar_frames, radar_key_mem, radar_key_drawn;

static void update_weather_radar()
{
    int key = (ins.radar_on != 0) * 100 + iround(fltlim(ins.rad_range, 0.0f, 99.0f));
    int changed = value_changed(&radar_key_mem, &radar_key_drawn, key);
    constexpr int SWEEP_FRAMES = 10;   // one sweep of the antenna
    if (!changed && !ins.tickle_rad && ++radar_frames < SWEEP_FRAMES)
        return;
    radar_frames = 0;
    ins.tickle_rad = 0;
    fill_box(RADAR_X1, RADAR_Y1, RADAR_X2, RADAR_Y2, PC_BLACK);
    canvas_dirty(RADAR_X1, RADAR_Y1, RADAR_X2, RADAR_Y2);
    int ax = (RADAR_X1 + RADAR_X2) / 2, ay = RADAR_Y2 - 2, r = ay - RADAR_Y1 - 2;
    if (!ins.radar_on) {
        text_centred(ax, (RADAR_Y1 + RADAR_Y2) / 2 - 3, "OFF", PC_GREEN);
        return;
    }
    float range_m = fltlim(ins.rad_range, 7.5f, 30.0f) * con.nmtomtrs, m_per_px = range_m / r;
    float s = sinf(flt.psi * 0.017453293f), c = cosf(flt.psi * 0.017453293f);
    for (int y = ay - r; y <= ay; y += 2)
        for (int x = ax - r; x <= ax + r; x += 2) {
            int dx = x - ax, dy = ay - y;
            if (dx * dx + dy * dy > r * r || abs(dx) > dy)
                continue;   // outside the 90-degree fan
            float fx = dx * m_per_px, fy = dy * m_per_px;
            int col = wxr_color_at((float)flt.x + fx * c + fy * s, (float)flt.y - fx * s + fy * c);
            if (col)
                fill_box(x, y, x + 1, y + 1, col);
        }
    for (int k = 1; k <= 3; k++)
        for (int a = -45; a <= 45; a += 3) {
            int x, y;
            polar(ax, ay, (float)a, r * k / 3.0f, &x, &y);
            put_px(x, y, PC_GREEN);
        }
    line1(ax, ay, ax - r * 7 / 10, ay - r * 7 / 10, PC_FOREST);
    line1(ax, ay, ax + r * 7 / 10, ay - r * 7 / 10, PC_FOREST);
    number_right(RADAR_X2 - 2, RADAR_Y1 + 2, iround(ins.rad_range), PC_GREEN);
}

void forget_options()
{
    storm_cycle = radar_frames = 0;
    minimums_armed = 1;
    vario_fpm = vario_prev_av = 0.0f;
}

void standard_options_update()
{
    if (!has_column())
        return;
    switch (pln.layouttype) {
    case LAYOUT_BASIC:
    case LAYOUT_RMI: update_vor_head(); break;
    case LAYOUT_GPS: update_gps_cdi(); break;
    case LAYOUT_STORMSCOPE: update_stormscope(); break;
    case LAYOUT_RADALT: update_radar_altimeter(); break;
    case LAYOUT_VARIO: update_variometer(); break;
    case LAYOUT_RADAR: update_weather_radar(); break;
    default: break;
    }
}

// ---------------------------------------------------------------- ADF and RMI

static NeedleMemory adf_needle, rmi_vor;
static int rmi_card_mem, rmi_card_drawn;

static int adf_relative()
{
    if (!nav.goodadf || !std::isfinite(nav.adf_brg))
        return 90;   // no station latched: the needle parks at the wing tip
    return deg_wrap(iround(nav.adf_brg));
}

static void update_rmi()
{
    int cx = LOW_X, cy = LOW_Y;
    int hdg = deg_wrap(iround(ins.psimag));
    int adf = adf_relative();
    // The card turns with the gyro's heading, so the needle is the magnetic
    // bearing less that heading.
    int vor = nav.goodnav[0] && std::isfinite(nav.vor_brg[0]) ? deg_wrap(iround(nav.vor_brg[0]) - hdg) : 180;
    int card = value_changed(&rmi_card_mem, &rmi_card_drawn, hdg);
    if (!card && !needle_moved(&adf_needle, adf) && !needle_moved(&rmi_vor, vor))
        return;
    disc(cx, cy, LOW_FACE_R, PC_BLACK);
    plot_dg(cx, cy, hdg, LOW_FACE_R, 1);
    MACIBM_poly3(PC_ORANGE, cx, cy - LOW_FACE_R + 6, cx - 3, cy - LOW_FACE_R, cx + 3, cy - LOW_FACE_R, 1);
    needle(cx, cy, vor, 30, PC_GREEN, ERASE_COLOR);
    needle(cx, cy, vor + 180, 20, PC_GREEN, ERASE_COLOR);
    needle(cx, cy, adf, 30, PC_YELLOW, ERASE_COLOR);
    needle_hub(cx, cy, 3);
    adf_needle = NeedleMemory{1, adf};
    rmi_vor = NeedleMemory{1, vor};
    canvas_dirty(cx - LOW_FACE_R, cy - LOW_FACE_R, cx + LOW_FACE_R, cy + LOW_FACE_R);
}

void update_ADF()
{
    if (!has_column())
        return;
    if (pln.layouttype == LAYOUT_RMI) {
        update_rmi();
        return;
    }
    if (move_needle(&adf_needle, LOW_X, LOW_Y, adf_relative(), 30, PC_YELLOW))
        needle_hub(LOW_X, LOW_Y, 3);
}

// ---------------------------------------------------------------- timer and fuel

static int timer_mem, timer_drawn, fuel_mem, fuel_drawn;

void update_flight_timer()
{
    if (msc.timer_running && !msc.paused)
        msc.timer_value += msc.prd;
    if (!std::isfinite(msc.timer_value) || msc.timer_value < 0.0f)
        msc.timer_value = 0.0f;
    if (!has_column())
        return;
    int secs = (int)msc.timer_value % 6000;   // mm:ss wraps at 100 minutes
    if (!value_changed(&timer_mem, &timer_drawn, secs * 2 + (msc.timer_running != 0)))
        return;
    char s[8];
    snprintf(s, sizeof s, "%02d:%02d", secs / 60, secs % 60);
    fill_box(404, 494, 443, 504, PC_BLACK);
    text_at(409, 496, s, msc.timer_running ? PC_GREEN : PC_DKGREEN);
    canvas_dirty(403, 493, 444, 505);
}

void update_fuel_pointers()
{
    float ratio = pln.m_fuel > 0.0f ? flt.m_fuel / pln.m_fuel : 0.0f;
    int pct = std::isfinite(ratio) ? intlim((int)(ratio * 100.0f), 0, 100) : 0;
    if (!value_changed(&fuel_mem, &fuel_drawn, pct))
        return;
    int heli = panel_is_heli();
    int x1 = heli ? 650 : FUEL_X1, x2 = heli ? 720 : FUEL_X2;
    int rows[2] = {heli ? 578 : FUEL_ROW_L, heli ? 578 : FUEL_ROW_R};
    int n = heli ? 1 : 2;
    for (int k = 0; k < n; k++) {
        canvas_restore(x1 - 6, rows[k] + 1, x2 + 6, rows[k] + 7);
        fuel_pointer(x1, x2, rows[k], pct, pct < 10 ? PC_AMBER : PC_WHITE);
        canvas_dirty(x1 - 6, rows[k] + 1, x2 + 6, rows[k] + 7);
    }
}
