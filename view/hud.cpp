// The head-up display over the forward views: airspeed, altitude and
// heading tapes with their carets, the boresight and its ten-degree marks,
// the flight-path marker, the outline of the airport's runways, and the
// hoops down the final approach of the selected runway.
#include "view/local.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "flight/flight.h"

constexpr int HUD_GREEN = 57;
constexpr int TICK_PX = 4, MAJOR_TICK_PX = 8;
constexpr int CARET_IN_PX = 25, CARET_TOP_PX = 15, READOUT_GAP_PX = 6;
constexpr int BORESIGHT_PX = 20, TEN_DEG_MARK_PX = 10;
constexpr int FPM_PX = 4, FPM_INSET_PX = 2;
constexpr float TAPE_EDGE_PX = 2.0f;        // tapes start this far inside the frame
constexpr float LABEL_ROOM_PX = 12.0f;      // tapes end short of the frame, for their labels
// Tape scales: speed 2 px a knot with a tick every 5 kt and a number every
// 20; altitude 20 px per 100 ft, a number every 500 ft; heading 4 px a
// degree, a tick every 5 degrees and a number every 10.
constexpr float SPEED_PX = 2.0f, SPEED_TICK = 5.0f, SPEED_LABEL = 20.0f;
constexpr float ALT_PX = 0.2f, ALT_TICK = 100.0f, ALT_LABEL = 500.0f;
constexpr float HDG_PX = 4.0f, HDG_TICK = 5.0f, HDG_LABEL = 10.0f;
// An offset this large is far off any view; tan() near 90 degrees must
// not reach the integer conversion.
constexpr float MAX_OFFSET_PX = 10000.0f, MAX_OFFSET_DEG = 89.0f;
// Hoops: every 600 m down a 3-degree final from 600 m to 4.8 km, 60 m wide
// and 40 m tall.
constexpr int HOOPS = 8;
constexpr float HOOP_STEP_M = 600.0f, HOOP_HALF_W = 30.0f, HOOP_H = 40.0f, HOOP_GLIDE_DEG = 3.0f;

static int text_px(const char *s) { return (int)strlen(s) * LETTER_PITCH - 1; }

static float offset_px(float tangent)
{
    float v = tangent * con.zom_pp45;
    return std::isfinite(v) ? fltlim(v, -MAX_OFFSET_PX, MAX_OFFSET_PX) : 0.0f;
}

float view_pitch_offset_px()
{
    float deg;
    switch (set.viewtype) {
    case VIEW_DOWN4: deg = 4.0f; break;
    case VIEW_DOWN8: deg = 8.0f; break;
    case VIEW_ABOVE40: deg = 40.0f; break;
    case VIEW_ABOVE10: deg = 10.0f; break;
    default: return 0.0f;
    }
    return -offset_px(tanf(deg * con.degtorad));
}

void hud_boresight(float *x, float *y)
{
    *x = con.off_view_center_fx;
    *y = con.off_view_center_fy + view_pitch_offset_px();
}

// tan() of an angle held within +-89 degrees: at 90 the float radian
// lies past the pole and the sign flips.
static float held_tan(float deg) { return tanf(fltlim(deg, -MAX_OFFSET_DEG, MAX_OFFSET_DEG) * con.degtorad); }

void flight_path_point(float *x, float *y)
{
    hud_boresight(x, y);
    *x -= offset_px(held_tan(flt.Beta));
    *y += offset_px(held_tan(flt.Alpha));
}

// A tape of ticks along one edge: `along` 0 runs across the screen (the
// heading tape, ticks hanging down from row `edge`), 1 down it (ticks from
// column `edge` inward, `inward` +1 to the right, -1 to the left). The
// value v sits at pixel `centre` along the tape, `px` pixels per unit,
// drawn between lo and hi along; a tick every `tick` units, a number
// every `label` (shown by `label_div`, wrapped at `wrap` when above 0).
void plot_glass_tape(int along, int edge, int inward, float centre, float lo, float hi, float v, float px,
                     float tick, float label, float label_div, float wrap)
{
    float below = (along ? hi - centre : centre - lo) / px, above = (along ? centre - lo : hi - centre) / px;
    for (float t = ceilf((v - below) / tick) * tick; t <= v + above; t += tick) {
        float pos = along ? centre - (t - v) * px : centre + (t - v) * px;
        if (pos < lo || pos > hi || (wrap <= 0.0f && t < 0.0f))
            continue;
        int major = fabsf(remainderf(t, label)) < 0.5f * tick;
        int len = major ? MAJOR_TICK_PX : TICK_PX, p = iround(pos);
        if (along)
            MACIBM_line(HUD_GREEN, edge, p, edge + inward * len, p, 1);
        else
            MACIBM_line(HUD_GREEN, p, edge, p, edge + len, 1);
        if (!major || fabsf(pos - centre) < LABEL_ROOM_PX)
            continue;   // the caret and the readout stand at the middle
        float shown = wrap > 0.0f ? fltwrap(t, 0.0f, wrap) : t;
        char s[16];
        snprintf(s, sizeof s, wrap > 0.0f ? "%02d" : "%d", iround(shown / label_div));
        int w = text_px(s);
        if (along) {
            int x = inward > 0 ? edge + MAJOR_TICK_PX + 2 : edge - MAJOR_TICK_PX - 2 - w;
            if (p - 3 > lo && p + 4 < hi)
                MACIBM_drstring(HUD_GREEN, x, p + 3, s, 1);
        } else if (p - w / 2 > lo && p + w / 2 < hi) {
            MACIBM_drstring(HUD_GREEN, p - w / 2, edge + MAJOR_TICK_PX + 9, s, 1);
        }
    }
}

static void caret(int x, int y, int dx, int dy)
{
    // A small arrow head pointing (dx, dy) at (x, y).
    MACIBM_line(HUD_GREEN, x, y, x - 4 * dx - 3 * dy, y - 4 * dy - 3 * dx, 1);
    MACIBM_line(HUD_GREEN, x, y, x - 4 * dx + 3 * dy, y - 4 * dy + 3 * dx, 1);
}

// The outline of each runway of the current airport, seen through the HUD.
void HUD_rway()
{
    // Inside the frame's outline.
    float l = con.HUD_lft + 1.0f, t = con.HUD_top + 1.0f, r = con.HUD_rgt - 1.0f, b = con.HUD_bot - 1.0f;
    int nr = env.rwaymax ? 2 : 1;
    for (int w = 0; w < nr; w++) {
        if (rwy.max[w] < 0)
            continue;
        float c[4][3];
        for (int k = 0; k < 4; k++)
            to_camera(rwy.markx[w][k][0], rwy.marky[w][k][0], rwy.markz[w][k][0], c[k]);
        for (int k = 0; k < 4; k++)
            camera_line(HUD_GREEN, c[k], c[(k + 1) % 4], l, t, r, b);
    }
}

void plotHUD()
{
    float l = (float)con.HUD_lft, t = (float)con.HUD_top, r = (float)con.HUD_rgt, b = (float)con.HUD_bot;
    float cx = con.off_view_center_fx, cy = con.off_view_center_fy;
    // Tapes: speed on the left, altitude on the right, both centred on the
    // horizon row; heading along the top, centred on the middle column.
    float vlo = t + LABEL_ROOM_PX, vhi = b - LABEL_ROOM_PX;
    float speed = std::isfinite(flt.vind) ? fltlim(flt.vind, 0.0f, 9999.0f) : 0.0f;
    float feet = std::isfinite(flt.h) ? fltlim(flt.h * con.mtrstoft, -9999.0f, 999999.0f) : 0.0f;
    float hdg = std::isfinite(flt.psi) ? fltwrap(flt.psi, 0.0f, 360.0f) : 0.0f;
    plot_glass_tape(1, iround(l + TAPE_EDGE_PX), 1, cy, vlo, vhi, speed, SPEED_PX, SPEED_TICK, SPEED_LABEL, 1.0f,
                    0.0f);
    plot_glass_tape(1, iround(r - TAPE_EDGE_PX), -1, cy, vlo, vhi, feet, ALT_PX, ALT_TICK, ALT_LABEL, 1.0f, 0.0f);
    plot_glass_tape(0, iround(t + TAPE_EDGE_PX), 1, cx, l + 4.0f * LABEL_ROOM_PX, r - 4.0f * LABEL_ROOM_PX, hdg,
                    HDG_PX, HDG_TICK, HDG_LABEL, 10.0f, 360.0f);
    int icx = iround(cx), icy = iround(cy);
    caret(con.HUD_lft + CARET_IN_PX, icy, -1, 0);
    caret(con.HUD_rgt - CARET_IN_PX, icy, 1, 0);
    caret(icx, con.HUD_top + CARET_TOP_PX, 0, -1);
    // The values themselves beside the carets.
    char s[16];
    snprintf(s, sizeof s, "%d", iround(speed));
    MACIBM_drstring(HUD_GREEN, con.HUD_lft + CARET_IN_PX + READOUT_GAP_PX, icy + 3, s, 1);
    snprintf(s, sizeof s, "%d", iround(feet));
    MACIBM_drstring(HUD_GREEN, con.HUD_rgt - CARET_IN_PX - READOUT_GAP_PX - text_px(s), icy + 3, s, 1);
    snprintf(s, sizeof s, "%03d", intwrap(iround(hdg), 0, 359));
    MACIBM_drstring(HUD_GREEN, icx - text_px(s) / 2, con.HUD_top + CARET_TOP_PX + 13, s, 1);
    // Boresight, then the ten-degree marks round it.
    float bx, by;
    hud_boresight(&bx, &by);
    int x = iround(bx), y = iround(by), h = BORESIGHT_PX / 2;
    MACIBM_line(HUD_GREEN, x - h, y, x + h, y, 1);
    MACIBM_line(HUD_GREEN, x, y - h, x, y + h, 1);
    int d = iround(offset_px(tanf(10.0f * con.degtorad))), m = TEN_DEG_MARK_PX / 2;
    MACIBM_line(HUD_GREEN, x - d, y - m, x - d, y + m, 1);
    MACIBM_line(HUD_GREEN, x + d, y - m, x + d, y + m, 1);
    MACIBM_line(HUD_GREEN, x - m, y + d, x + m, y + d, 1);
    // The flight-path marker, kept inside the frame.
    float fx, fy;
    flight_path_point(&fx, &fy);
    int half = FPM_PX / 2;
    int mx = intlim(iround(fx) - half, con.HUD_lft + FPM_INSET_PX, con.HUD_rgt - FPM_INSET_PX - FPM_PX);
    int my = intlim(iround(fy) - half, con.HUD_top + FPM_INSET_PX, con.HUD_bot - FPM_INSET_PX - FPM_PX);
    MACIBM_framerect(HUD_GREEN, mx, my, FPM_PX - 1, FPM_PX - 1, 1);
    HUD_rway();
}

// Hoops down the final approach of the selected runway end of the current
// airport, nearest last, each a rectangle standing across the path.
void plot_coolhud()
{
    int k = msc.loc_index;
    if (k < 0 || k >= MAX_NAV || env.navmsc[k][0] < NAV_APT1 || env.navmsc[k][0] > NAV_APT3)
        return;
    float tx, ty;
    int hdg;
    runway_end(k, &tx, &ty, &hdg);
    float fx = lsin[hdg], fy = lcos[hdg], rx = fy, ry = -fx;   // along the landing, to its right
    float rise = tanf(HOOP_GLIDE_DEG * con.degtorad), field = env.navxyz[k][4];
    float l = (float)con.off_int_lft, t = (float)con.off_int_top;
    float r = (float)con.off_int_rgt - 1.0f, b = (float)con.off_int_bot - 1.0f;
    for (int n = HOOPS; n >= 1; n--) {
        float d = n * HOOP_STEP_M;
        float x = tx - d * fx, y = ty - d * fy, z = field + d * rise;
        static const float ACROSS[4] = {-1, 1, 1, -1}, UP[4] = {-0.5f, -0.5f, 0.5f, 0.5f};
        float c[4][3];
        for (int q = 0; q < 4; q++)
            to_camera(x + ACROSS[q] * HOOP_HALF_W * rx, y + ACROSS[q] * HOOP_HALF_W * ry, z + UP[q] * HOOP_H, c[q]);
        for (int q = 0; q < 4; q++)
            camera_line(HUD_GREEN, c[q], c[(q + 1) % 4], l, t, r, b);
    }
}
