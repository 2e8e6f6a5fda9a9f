// The charts: the whole region (window 2) as a low-enroute chart, a chart
// of the virtual world's own colours or a weather-radar map, and one
// airport's chart (window 16). Both show the terrain, the navaids in the
// symbols pilots know (VOR compass roses, NDB dot rings, ILS feathers,
// runway outlines) and the aircraft; zoom, pan and a click that starts the
// flight at the point clicked.
#include "shell/winlocal.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "flight/flight.h"

namespace {

constexpr int REGION_CHART = 2, AIRPORT_CHART = 16;
constexpr int STRIP_W = 60;            // controls at the right edge
constexpr int CHART_H = 414;           // chart rows; the start fields below
constexpr float AIRPORT_HALF_M = 25950.0f;   // the airport chart's origin lies this far south-west
constexpr float MAX_ZOOM = 30.0f, ZOOM_STEP = 1.5f, PAN_PART = 0.2f;
constexpr int ROSE_R = 30;
constexpr float FEATHER_M = 18520.0f;  // 10 nm of localizer course
constexpr float FEATHER_START_M = 4630.0f;   // 2.5 nm out: past the threshold of most runways
constexpr int MIN_RUNWAY_PX = 9;       // shorter runways are drawn as a ringed symbol

int chart_window(int id) { return id == 18 ? AIRPORT_CHART : REGION_CHART; }
int chart_w(int w) { return mnw.dx[w] - STRIP_W; }
float region_w() { return planex[MESH_I - 1][0] - planex[0][0]; }
float region_h() { return planey[0][MESH_J - 1] - planey[0][0]; }

// Pixels per metre at zoom 1.
float base_scale(int w)
{
    if (w == AIRPORT_CHART)
        return (float)CHART_H / (2.0f * AIRPORT_HALF_M);
    return con.mtrtonrt > 0.0f ? con.mtrtonrt : (float)CHART_H / fltmax2(region_h(), 1.0f);
}
float scale(int w) { return base_scale(w) * fltmax2(env.zoom_rat, 1.0f); }

int airport_slot()
{
    int n = intlim(msc.topplate, 0, MAX_NAV - 1);
    return env.apt_to_index[n];
}

int chart_open[MAX_SIM_WINDOWS];       // the chart's view was set when it opened
int gs_shift;                          // px, the airport chart's profile

// Colours by map type.
struct ChartInk {
    int nav, airport, water, land[4], ink, back;
};
ChartInk ink_for(int w)
{
    if (w == AIRPORT_CHART)
        return {11, 11, 41, {23, 22, 21, 20}, 11, 23};
    switch (msc.map_type) {
    case 505: return {21, 21, 42, {12, 13, 13, 14}, 21, 11};
    case 504: {
        int c = intlim(23 - 2 * scn.time, 11, 23);
        return {c, c, 0, {0, 0, 0, 0}, c, 11};
    }
    default: return {45, 40, 41, {50, 51, 48, 46}, 45, 23};
    }
}

void keep_origin_in_region(int w)
{
    float vis_w = (float)chart_w(w) / scale(w), vis_h = (float)CHART_H / scale(w);
    float x1 = planex[0][0], y1 = planey[0][0];
    env.chart_x = fltmax2(fltmin2(env.chart_x, x1 + region_w() - vis_w), x1);
    env.chart_y = fltmax2(fltmin2(env.chart_y, y1 + region_h() - vis_h), y1);
}

// ---------------------------------------------------------------- drawing
int terrain_color(const ChartInk &c, int i, int j, int t)
{
    if (msc.map_type == 504 && c.water == 0)
        return planecol[i][j][t];
    if (on_water[i][j][t])
        return c.water;
    float h = planez[i][j] * con.mtrstoft;
    return c.land[h < 1000.0f ? 0 : h < 3000.0f ? 1 : h < 6000.0f ? 2 : 3];
}

void draw_terrain(int w, const ChartInk &c)
{
    int cw = chart_w(w);
    for (int i = 0; i < MESH_I - 1; i++)
        for (int j = 0; j < MESH_J - 1; j++) {
            int x[4], y[4];
            world_to_chart(w, planex[i][j], planey[i][j], &x[0], &y[0]);
            world_to_chart(w, planex[i + 1][j], planey[i + 1][j], &x[1], &y[1]);
            world_to_chart(w, planex[i + 1][j + 1], planey[i + 1][j + 1], &x[2], &y[2]);
            world_to_chart(w, planex[i][j + 1], planey[i][j + 1], &x[3], &y[3]);
            if (x[1] < 0 || x[0] > cw || y[0] < 0 || y[2] > CHART_H)
                continue;
            // Slightly oversized so that neighbouring cells leave no seams.
            if (planediv[i][j] == 0) {
                MACIBM_poly3(terrain_color(c, i, j, 0), x[0], y[0], x[1] + 1, y[1], x[3], y[3] - 1, 1);
                MACIBM_poly3(terrain_color(c, i, j, 1), x[1] + 1, y[1], x[2] + 1, y[2] - 1, x[3], y[3] - 1, 1);
            } else {
                MACIBM_poly3(terrain_color(c, i, j, 0), x[0], y[0], x[1] + 1, y[1], x[2] + 1, y[2] - 1, 1);
                MACIBM_poly3(terrain_color(c, i, j, 1), x[0], y[0], x[2] + 1, y[2] - 1, x[3], y[3] - 1, 1);
            }
        }
}

void draw_radar(int w)
{
    int cw = chart_w(w);
    for (int py = 0; py < CHART_H; py += 2)
        for (int px = 0; px < cw; px += 2) {
            float x, y;
            int i, j;
            chart_to_world(w, px, py, &x, &y);
            if (wxr_cell(x, y, 0, &i, &j) != 1)
                continue;
            float v = flt_wxr[i][j];
            if (!(v >= 24.0f))
                continue;
            int c = v < 26.0f ? 24 : v < 28.0f ? 29 : v < 30.0f ? 30 : 44;
            MACIBM_fillrect(c, px, py, 2, 2, 1);
        }
}

void ring(int color, int x, int y, int r, int dots)
{
    for (int k = 0; k < dots; k++) {
        int a = 360 * k / dots;
        MACIBM_fillrect(color, x + iround(r * lsin[a]), y - iround(r * lcos[a]), 2, 2, 1);
    }
}

void freq_box(int color, int back, int x, int y, const char *text)
{
    int len = (int)strnlen(text, MAX_STR);
    MACIBM_fillrect(back, x, y - 9, len * LETTER_PITCH + 4, 11, 1);
    MACIBM_framerect(color, x, y - 9, len * LETTER_PITCH + 4, 11, 1);
    MACIBM_drstring(color, x + 2, y, text, 0);
}

void vor_symbol(int w, int color, int x, int y)
{
    // Hexagon with its centre dot.
    for (int k = 0; k < 6; k++) {
        int a = 60 * k + 30, b = 60 * k + 90;
        MACIBM_line(color, x + iround(5 * lsin[a]), y - iround(5 * lcos[a]), x + iround(5 * lsin[b % 360]),
                    y - iround(5 * lcos[b % 360]), 1);
    }
    MACIBM_fillrect(color, x - 1, y - 1, 2, 2, 1);
    if (w != REGION_CHART)
        return;
    MACIBM_framecircle(color, x, y, ROSE_R);
    for (int d = 0; d < 360; d += 10) {
        int a = (int)fltwrap((float)(d + env.mvar), 0.0f, 360.0f) % 360;
        int len = d % 90 == 0 ? 9 : d % 30 == 0 ? 6 : 3;
        MACIBM_line(color, x + iround(ROSE_R * lsin[a]), y - iround(ROSE_R * lcos[a]),
                    x + iround((ROSE_R - len) * lsin[a]), y - iround((ROSE_R - len) * lcos[a]), 1);
    }
    // Magnetic north: an arrow head outside the rose.
    int a = (int)fltwrap((float)env.mvar, 0.0f, 360.0f) % 360;
    int tx = x + iround((ROSE_R + 6) * lsin[a]), ty = y - iround((ROSE_R + 6) * lcos[a]);
    int b1 = (a + 100) % 360, b2 = (a + 260) % 360;
    MACIBM_poly3(color, tx, ty, tx + iround(4 * lsin[b1]), ty - iround(4 * lcos[b1]),
                 tx + iround(4 * lsin[b2]), ty - iround(4 * lcos[b2]), 1);
}

// The localizer course as a feather: a thin line from the antenna over the
// runway, then from beyond the threshold the narrow arrow, half filled.
void feather(int w, int color, int k)
{
    float c = (float)env.navmsc[k][3] + 180.0f;
    float lx = env.navxyz[k][0], ly = env.navxyz[k][1];
    auto at = [&](float r, float deg, int *x, int *y) {
        world_to_chart(w, lx + r * sinf(deg * con.degtorad), ly + r * cosf(deg * con.degtorad), x, y);
    };
    int x0, y0, xn, yn, xm, ym, xa, ya, xb, yb;
    world_to_chart(w, lx, ly, &x0, &y0);
    at(FEATHER_START_M, c, &xn, &yn);
    at(FEATHER_START_M + FEATHER_M, c, &xm, &ym);
    at(FEATHER_START_M + FEATHER_M, c - 2.0f, &xa, &ya);
    at(FEATHER_START_M + FEATHER_M, c + 2.0f, &xb, &yb);
    MACIBM_line(color, x0, y0, xn, yn, 1);
    MACIBM_line(color, xn, yn, xa, ya, 1);
    MACIBM_line(color, xn, yn, xb, yb, 1);
    MACIBM_line(color, xa, ya, xb, yb, 1);
    MACIBM_poly3(color, xn, yn, xm, ym, xb, yb, 1);
}

void runway_shape(int w, int color, int k, int r)
{
    float len = (float)env.navmsc[k][1 + 4 * r], wid = (float)env.navmsc[k][2 + 4 * r];
    int h = intwrap(env.navmsc[k][3 + 4 * r], 0, 359);
    if (len < 1.0f)
        return;
    float sx = env.navxyz[k][2 * r], sy = env.navxyz[k][2 * r + 1];
    float ex = sx + len * lsin[h], ey = sy + len * lcos[h];
    float half = 0.5f * fltmax2(wid, 2.0f / scale(w));
    float nx = half * lcos[h], ny = -half * lsin[h];
    int x[4], y[4];
    world_to_chart(w, sx + nx, sy + ny, &x[0], &y[0]);
    world_to_chart(w, ex + nx, ey + ny, &x[1], &y[1]);
    world_to_chart(w, ex - nx, ey - ny, &x[2], &y[2]);
    world_to_chart(w, sx - nx, sy - ny, &x[3], &y[3]);
    MACIBM_poly4(color, x[0], y[0], x[1], y[1], x[2], y[2], x[3], y[3], 1);
}

void airport_symbol(int w, int color, int k, int x, int y)
{
    float longest = (float)intmax2(env.navmsc[k][1], env.navmsc[k][5]);
    if (longest * scale(w) >= MIN_RUNWAY_PX) {
        runway_shape(w, color, k, 0);
        runway_shape(w, color, k, 1);
        return;
    }
    // Too small to outline: a ring with the runways' directions inside.
    MACIBM_framecircle(color, x, y, 6);
    for (int r = 0; r < 2; r++) {
        if (env.navmsc[k][1 + 4 * r] < 1)
            continue;
        int h = intwrap(env.navmsc[k][3 + 4 * r], 0, 359);
        MACIBM_line(color, x - iround(4 * lsin[h]), y + iround(4 * lcos[h]), x + iround(4 * lsin[h]),
                    y - iround(4 * lcos[h]), 1);
    }
}

void draw_navaids(int w, const ChartInk &c)
{
    for (int k = 0; k < MAX_NAV; k++) {
        int type = env.navmsc[k][0], x, y;
        if (type == NAV_EMPTY)
            continue;
        world_to_chart(w, env.navxyz[k][0], env.navxyz[k][1], &x, &y);
        char s[32];
        char id[4] = {env.navID[k][0], env.navID[k][1], env.navID[k][2], 0};
        if (type == NAV_VOR) {
            vor_symbol(w, c.nav, x, y);
            snprintf(s, sizeof s, "%d.%02d %s", env.navmsc[k][1], env.navmsc[k][2], id);
            freq_box(c.nav, c.back, x + 8, y - 8, s);
        } else if (type == NAV_NDB) {
            ring(c.nav, x, y, 6, 12);
            ring(c.nav, x, y, 3, 6);
            MACIBM_fillrect(c.nav, x - 1, y - 1, 3, 3, 1);
            snprintf(s, sizeof s, "%d %s", env.navmsc[k][1], id);
            freq_box(c.nav, c.back, x + 8, y - 6, s);
        } else if (type == NAV_ILS || type == NAV_LOC) {
            feather(w, c.nav, k);
        } else if (type >= NAV_OM && type <= NAV_IM) {
            MACIBM_filloval(c.nav, x, y, 3, 2);
        } else if (type >= NAV_APT1 && type <= NAV_APT3) {
            int bx, by;
            world_to_chart(w, beacx[k], beacy[k], &bx, &by);
            airport_symbol(w, c.airport, k, bx, by);
            MACIBM_drstring(c.airport, bx + 8, by + 12, id, 0);
        }
    }
}

void course_line(int w)
{
    int g = intlim(pat.gs_dest, 0, 1);
    if (!nav.goodnav[g])
        return;
    float a = (nav.obs[g] + (float)env.mvar) * con.degtorad, r = 60.0f * con.nmtomtrs;
    int x1, y1, x2, y2;
    world_to_chart(w, nav.vorx[g] - r * sinf(a), nav.vory[g] - r * cosf(a), &x1, &y1);
    world_to_chart(w, nav.vorx[g] + r * sinf(a), nav.vory[g] + r * cosf(a), &x2, &y2);
    MACIBM_line(31, x1, y1, x2, y2, 1);
}

void aircraft_symbol(int w, int color)
{
    int x, y;
    world_to_chart(w, (float)flt.x, (float)flt.y, &x, &y);
    int h = intwrap((int)flt.psi, 0, 359), l = (h + 90) % 360, b = (h + 180) % 360;
    MACIBM_line(color, x - iround(6 * lsin[b]), y + iround(6 * lcos[b]), x + iround(8 * lsin[b]),
                y - iround(8 * lcos[b]), 1);
    MACIBM_line(color, x - iround(7 * lsin[l]), y + iround(7 * lcos[l]), x + iround(7 * lsin[l]),
                y - iround(7 * lcos[l]), 1);
    int tx = x + iround(6 * lsin[b]), ty = y - iround(6 * lcos[b]);
    MACIBM_line(color, tx - iround(3 * lsin[l]), ty + iround(3 * lcos[l]), tx + iround(3 * lsin[l]),
                ty - iround(3 * lcos[l]), 1);
}

// ---------------------------------------------------------------- controls
constexpr int ZOOM_Y = 30, PAN_Y = 110, SEL_Y = 214, BTN_W = 50, BTN_H = 18;
constexpr int FIELD_Y = CHART_H + 30, HDG_X = 14, ALT_X = 84, SPD_X = 174;

void draw_strip(int w)
{
    int x0 = chart_w(w), dx = mnw.dx[w], dy = mnw.dy[w];
    MACIBM_fillrect(WIN_BACK, x0, 0, dx - x0, dy, 1);
    MACIBM_fillrect(WIN_BACK, 0, CHART_H, x0, dy - CHART_H, 1);
    MACIBM_framerect(WIN_FRAME, 0, 0, x0 + 1, CHART_H + 1, 1);
    int bx = x0 + 5;
    MACIBM_drstring(WIN_CAPTION, bx, ZOOM_Y - 6, "Zoom", 0);
    const struct { int x, y, w; const char *t; } BTN[6] = {
        {bx, ZOOM_Y, BTN_W, "in"},        {bx, ZOOM_Y + 22, BTN_W, "out"},
        {bx + 15, PAN_Y, 20, "N"},         {bx, PAN_Y + 20, 20, "W"},
        {bx + 30, PAN_Y + 20, 20, "E"},    {bx + 15, PAN_Y + 40, 20, "S"}};
    MACIBM_drstring(WIN_CAPTION, bx, PAN_Y - 6, "Move", 0);
    for (const auto &b : BTN) {
        MACIBM_fillrect(WIN_BUTTON, b.x, b.y, b.w, BTN_H, 1);
        MACIBM_framerect(WIN_CAPTION, b.x, b.y, b.w, BTN_H, 1);
        int len = (int)strnlen(b.t, 8);
        MACIBM_drstring(WIN_CAPTION, b.x + (b.w - len * LETTER_PITCH) / 2 + 1, b.y + 13, b.t, 0);
    }
    char z[16];
    snprintf(z, sizeof z, "x%.1f", (double)env.zoom_rat);
    MACIBM_drstring(WIN_NOTE, bx, ZOOM_Y + 54, z, 0);
    if (w == REGION_CHART) {
        MACIBM_drstring(WIN_CAPTION, bx, SEL_Y - 30, "Course", 0);
        MACIBM_fillrect(WIN_FIELD, bx - 1, SEL_Y - 14, 34, 17, 1);
        for (int up = 1; up >= 0; up--) {
            int y = up ? SEL_Y - 25 : SEL_Y;
            MACIBM_fillrect(WIN_BUTTON, bx + 34, y, 15, 15, 1);
            MACIBM_framerect(WIN_FRAME, bx + 34, y, 15, 15, 1);
            MACIBM_drstring(WIN_CAPTION, bx + 39, y + 11, up ? "-" : "+", 0);
        }
    } else {
        MACIBM_drstring(WIN_CAPTION, bx, SEL_Y - 20, "Profile", 0);
        for (int s = 0; s < 2; s++) {
            MACIBM_fillrect(WIN_BUTTON, bx + 26 * s, SEL_Y - 14, 24, BTN_H, 1);
            MACIBM_framerect(WIN_CAPTION, bx + 26 * s, SEL_Y - 14, 24, BTN_H, 1);
            MACIBM_drstring(WIN_CAPTION, bx + 26 * s + 9, SEL_Y - 1, s ? ">" : "<", 0);
        }
    }
    // The legend: each symbol with its name.
    static const char *const LEGEND[4] = {"VOR", "NDB", "ILS", "Apt"};
    const int LY = 276, LDY = 16;
    vor_symbol(AIRPORT_CHART, WIN_CAPTION, bx + 6, LY);
    ring(WIN_CAPTION, bx + 6, LY + LDY, 5, 10);
    MACIBM_fillrect(WIN_CAPTION, bx + 5, LY + LDY - 1, 3, 3, 1);
    MACIBM_poly3(WIN_CAPTION, bx + 1, LY + 2 * LDY - 2, bx + 12, LY + 2 * LDY, bx + 1, LY + 2 * LDY + 2, 1);
    MACIBM_framecircle(WIN_CAPTION, bx + 6, LY + 3 * LDY, 5);
    for (int k = 0; k < 4; k++)
        MACIBM_drstring(WIN_NOTE, bx + 18, LY + LDY * k + 4, LEGEND[k], 0);
    MACIBM_drstring(WIN_NOTE, bx, 350, "Click", 0);
    MACIBM_drstring(WIN_NOTE, bx, 361, "the map", 0);
    MACIBM_drstring(WIN_NOTE, bx, 372, "to start", 0);
    MACIBM_drstring(WIN_NOTE, bx, 383, "there.", 0);
    const struct { int x, dig; const char *caption, *unit; } FIELD[3] = {
        {HDG_X, 3, "Heading", "deg"}, {ALT_X, 5, "Altitude", "ft"}, {SPD_X, 3, "Speed", "kt"}};
    for (const auto &f : FIELD) {
        int wd = f.dig * FIELD_COL_W + 6;
        MACIBM_fillrect(WIN_FIELD, f.x - 4, FIELD_Y + 6, wd, 23, 1);
        MACIBM_framerect(WIN_FRAME, f.x - 4, FIELD_Y + 6, wd, 23, 1);
        MACIBM_drstring(WIN_CAPTION, f.x - 4, FIELD_Y, f.caption, 0);
        MACIBM_drstring(WIN_NOTE, f.x + f.dig * FIELD_COL_W + 4, FIELD_Y + 22, f.unit, 0);
    }
    MACIBM_drstring(WIN_TITLE, HDG_X - 4, CHART_H + 14, "Start from a click on the chart:", 0);
}

int start_fields(int up)
{
    float hdg = set.cus_psi, alt = set.cus_z * con.mtrstoft, spd = set.cus_v * con.msctokts;
    int hit = 0;
    if (instdbtn_range(29, HDG_X, FIELD_Y, &hdg, 3, 0, up, 0, 0.0f, 360.0f)) {
        set.cus_psi = hdg;
        hit = 1;
    }
    if (instdbtn_range(29, ALT_X, FIELD_Y, &alt, 5, 0, up, 0, 0.0f, 99999.0f)) {
        set.cus_z = alt * con.fttomtrs;
        hit = 1;
    }
    if (instdbtn_range(29, SPD_X, FIELD_Y, &spd, 3, 0, up, 0, 0.0f, 999.0f)) {
        set.cus_v = spd * con.ktstomsc;
        hit = 1;
    }
    return hit;
}

void nav_selector(int up)
{
    int sel = intlim(pat.gs_dest, 0, 1) + 1;
    in2textbtn(chart_w(REGION_CHART) + 5, SEL_Y, "NAV 1", "NAV 2", 34, 32, &sel, up);
    pat.gs_dest = sel - 1;
}

// The glide path of the airport's first ILS, seen from the side: 3 degrees
// up from the threshold over the last 10 nm, with a mark each mile.
void draw_profile(int w)
{
    int x1 = 250, x2 = chart_w(w) - 6, y1 = CHART_H + 20, y2 = mnw.dy[w] - 8;
    MACIBM_fillrect(23, x1, y1, x2 - x1, y2 - y1, 1);
    MACIBM_framerect(11, x1, y1, x2 - x1, y2 - y1, 1);
    MACIBM_setclip(x1, y1, x2, y2);
    float px_per_nm = (float)(x2 - x1 - 20) / 10.0f;
    int tx = x2 - 10 + gs_shift, ground = y2 - 8;
    MACIBM_line(11, x1, ground, x2, ground, 1);
    int top_y = ground - iround(10.0f * px_per_nm * tanf(3.0f * con.degtorad) * 6.0f);
    MACIBM_line(11, tx, ground, tx - iround(10.0f * px_per_nm), top_y, 1);
    for (int n = 1; n <= 10; n++) {
        int x = tx - iround(n * px_per_nm);
        MACIBM_line(11, x, ground, x, ground + 3, 1);
    }
    MACIBM_drstring(11, tx - 60, y1 + 10, "GS 3.00", 0);
    MACIBM_setclip(0, 0, mnw.dx[w], mnw.dy[w]);
}

int in_button(int x, int y, int w, int h) { return intbox(msc.mx, msc.my, x, y, x + w - 1, y + h - 1); }

void zoom(int w, float factor)
{
    float z = env.zoom_rat;
    float nz = fltlim(z * factor, 1.0f, MAX_ZOOM * ZOOM_STEP);
    if ((factor > 1.0f && z >= MAX_ZOOM) || (factor < 1.0f && z <= 1.0f))
        return;
    float s0 = base_scale(w);
    float cx = env.chart_x + 0.5f * chart_w(w) / (s0 * z), cy = env.chart_y + 0.5f * CHART_H / (s0 * z);
    env.zoom_rat = nz;
    env.chart_x = cx - 0.5f * chart_w(w) / (s0 * nz);
    env.chart_y = cy - 0.5f * CHART_H / (s0 * nz);
    keep_origin_in_region(w);
}

void pan(int w, int east, int north)
{
    float s = scale(w);
    env.chart_x += east * PAN_PART * chart_w(w) / s;
    env.chart_y += north * PAN_PART * CHART_H / s;
    keep_origin_in_region(w);
}

// The strip's buttons: 1 when the chart must be drawn again.
int strip_click(int w)
{
    int bx = chart_w(w) + 5;
    if (in_button(bx, ZOOM_Y, BTN_W, BTN_H))
        zoom(w, ZOOM_STEP);
    else if (in_button(bx, ZOOM_Y + 22, BTN_W, BTN_H))
        zoom(w, 1.0f / ZOOM_STEP);
    else if (in_button(bx + 15, PAN_Y, 20, BTN_H))
        pan(w, 0, 1);
    else if (in_button(bx, PAN_Y + 20, 20, BTN_H))
        pan(w, -1, 0);
    else if (in_button(bx + 30, PAN_Y + 20, 20, BTN_H))
        pan(w, 1, 0);
    else if (in_button(bx + 15, PAN_Y + 40, 20, BTN_H))
        pan(w, 0, -1);
    else if (w == AIRPORT_CHART && in_button(bx, SEL_Y - 14, 50, BTN_H)) {
        int step = iround(0.5f * PAN_PART * chart_w(w));
        gs_shift += msc.mx < bx + 25 ? -step : step;
        gs_shift = intlim(gs_shift, -chart_w(w), chart_w(w));
        draw_profile(w);
        return 0;
    } else
        return 0;
    return 1;
}

}   // namespace

void reset_chart(int w)
{
    env.zoom_rat = 1.0f;
    env.chart_x = planex[0][0];
    env.chart_y = planey[0][0];
    if (w == AIRPORT_CHART) {
        int k = airport_slot();
        env.chart_x = env.navxyz[k][0] - AIRPORT_HALF_M;
        env.chart_y = env.navxyz[k][1] - AIRPORT_HALF_M;
        set_win_title(AIRPORT_CHART, env.navname[k]);
    }
    gs_shift = 0;
}

void chart_to_world(int w, int px, int py, float *x, float *y)
{
    float s = scale(w);
    *x = env.chart_x + (float)px / s;
    *y = env.chart_y + (float)(CHART_H - py) / s;
}

void world_to_chart(int w, float x, float y, int *px, int *py)
{
    float s = scale(w);
    *px = (int)fltlim(floorf((x - env.chart_x) * s + 0.5f), -30000.0f, 30000.0f);
    *py = (int)fltlim(floorf(CHART_H - (y - env.chart_y) * s + 0.5f), -30000.0f, 30000.0f);
}

void plt_nrt_plot(int id, int)
{
    int w = chart_window(id);
    if (!chart_open[w]) {
        chart_open[w] = 1;
        reset_chart(w);
    }
    ChartInk c = ink_for(w);
    int cw = chart_w(w);
    MACIBM_setclip(0, 0, cw, CHART_H);
    MACIBM_fillrect(c.back, 0, 0, cw, CHART_H, 1);
    draw_terrain(w, c);
    if (msc.map_type == 505 && w == REGION_CHART)
        draw_radar(w);
    draw_navaids(w, c);
    if (w == REGION_CHART)
        course_line(w);
    aircraft_symbol(w, 30);
    MACIBM_setclip(0, 0, mnw.dx[w], mnw.dy[w]);
    draw_strip(w);
    start_fields(1);
    if (w == REGION_CHART)
        nav_selector(1);
    else {
        char s[64];
        snprintf(s, sizeof s, "Field elevation %d ft",
                 (int)floorf(env.navxyz[airport_slot()][4] * con.mtrstoft + 0.5f));
        MACIBM_drstring(WIN_CAPTION, 250, CHART_H + 14, s, 0);
        draw_profile(w);
    }
}

void plt_nrt_click(int, int id)
{
    int w = chart_window(id);
    if (msc.mx >= 0 && msc.mx < chart_w(w) && msc.my >= 0 && msc.my < CHART_H) {
        chart_to_world(w, msc.mx, msc.my, &set.cus_x, &set.cus_y);
        flash_aircraft(msc.mx, msc.my);
        MACIBM_killwind(w);
        set_fltvars(8, 0);
        MACIBM_invalwind(0);
        return;
    }
    if (strip_click(w)) {
        plt_nrt_plot(id, 0);
        return;
    }
    if (start_fields(0))
        return;
    if (w == REGION_CHART) {
        int before = pat.gs_dest;
        nav_selector(0);
        if (pat.gs_dest != before)
            plt_nrt_plot(id, 0);
    }
}

void chart_closed(int w)
{
    if (w == REGION_CHART || w == AIRPORT_CHART)
        chart_open[w] = 0;
}
