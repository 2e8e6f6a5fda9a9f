// The built-in bitmap painters: the start-up splash (500) and the window
// icon (100), drawn with the rasterizer into the locked scratch world in
// the start-up colours (sky and haze ramps of the clear-day scene palette).
#include "common/local.h"

#include <cmath>
#include <cstring>

// Palette indices of the clear-day palette (palette.cpp), named by use.
constexpr int C_BLACK = 11, C_WHITE = 23, C_NAVY = 42, C_DEEP_BLUE = 40, C_SKY = 62;
constexpr int C_PALE_YELLOW = 37, C_CITY_LIGHT = 53, C_LIGHT_BLUE = 41;
constexpr int SCENE = 65, HAZE_STRIDE = 18;
constexpr int K_LIGHT_GREY = 15, K_WATER = 14, K_HILL = 10, K_PAVEMENT = 17;
static int scene(int k, int haze) { return SCENE + HAZE_STRIDE * haze + k; }

// Ordered-dither threshold (Bayer 4 x 4), so ramps between neighbouring
// palette entries look smooth.
static const uint8_t BAYER[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

static void dither_row(int y, int x1, int x2, int ca, int cb, float f)
{
    if (y < 0 || y >= lock_h)
        return;
    int level = (int)(f * 16.0f);
    uint8_t *p = pix + (size_t)y * row;
    for (int x = intmax2(x1, 0); x <= intmin2(x2, lock_w - 1); x++)
        p[x] = (uint8_t)(level > BAYER[y & 3][x & 3] ? cb : ca);
}

// A vertical ramp through `ramp` (n entries) over rows y1..y2.
static void vertical_ramp(int x1, int x2, int y1, int y2, const int *ramp, int n)
{
    for (int y = y1; y <= y2; y++) {
        float t = (float)(y - y1) / (float)intmax2(y2 - y1, 1) * (n - 1);
        int i = intmin2((int)t, n - 2);
        dither_row(y, x1, x2, ramp[i], ramp[i + 1], t - i);
    }
}

static void disc(int color, int cx, int cy, int r)
{
    for (int dy = -r; dy <= r; dy++) {
        int hw = (int)std::sqrt((r + 0.5) * (r + 0.5) - dy * dy);
        ADD_hline(color, cx - hw, cy + dy, 2 * hw + 1);
    }
}

// A shape of triangles in local units, turned by `ang_deg` and scaled.
static void shape(int color, const float (*tri)[6], int ntri, int cx, int cy, float scale,
                  float ang_deg)
{
    float c = cosf(ang_deg * 0.0174533f), s = sinf(ang_deg * 0.0174533f);
    for (int k = 0; k < ntri; k++) {
        int px[3], py[3];
        for (int v = 0; v < 3; v++) {
            float x = tri[k][2 * v] * scale, y = tri[k][2 * v + 1] * scale;
            px[v] = cx + iround(x * c - y * s);
            py[v] = cy + iround(x * s + y * c);
        }
        MACIBM_poly3(color, px[0], py[0], px[1], py[1], px[2], py[2], 1);
    }
}

// A light aircraft seen from below-behind, nose to the right (units ~1 m).
static const float PLANE[][6] = {
    {-9, -0.6f, 6, -0.9f, 6, 0.9f},  {-9, -0.6f, 6, 0.9f, -9, 0.4f},      // fuselage
    {6, -0.9f, 8.5f, 0, 6, 0.9f},                                           // nose
    {0, -0.4f, 2.2f, -0.4f, -1.2f, -11},  {2.2f, -0.4f, 0.8f, -11, -1.2f, -11},   // far wing
    {0, 0.4f, 2.2f, 0.4f, -1.2f, 9},  {2.2f, 0.4f, 0.4f, 9, -1.2f, 9},          // near wing
    {-9, -0.5f, -7, -0.5f, -10, -4}, {-7, -0.5f, -9, -4, -10, -4},            // stabiliser, far
    {-9, 0.4f, -7, 0.4f, -10, 3.5f}, {-7, 0.4f, -9, 3.5f, -10, 3.5f},         // stabiliser, near
    {-9.5f, -0.6f, -6.5f, -0.6f, -9.8f, -3.2f}};                              // fin

// Block letters from the 5 x 7 font, each cell a slanted parallelogram.
static void slanted_text(const char *s, int x, int y, int cell, int slant, int color_top,
                         int color_bottom)
{
    for (int i = 0; s[i]; i++) {
        const uint8_t *g = font_glyph((unsigned char)s[i]);
        int gx = x + i * 6 * cell;
        for (int col = 0; col < 5; col++)
            for (int r = 0; r < 7; r++) {
                if (!(g[col] >> r & 1))
                    continue;
                int color = r < 4 ? color_top : color_bottom;
                int x0 = gx + col * cell + (6 - r) * slant, y0 = y + r * cell;
                MACIBM_poly4(color, x0 + slant, y0, x0 + cell + slant, y0, x0 + cell, y0 + cell, x0,
                             y0 + cell, 1);
            }
    }
}

static void paint_sky(int horizon)
{
    static const int RAMP[] = {C_NAVY, C_DEEP_BLUE, C_SKY, scene(K_LIGHT_GREY, 9),
                               scene(K_LIGHT_GREY, 7), scene(K_LIGHT_GREY, 5),
                               scene(K_LIGHT_GREY, 3), scene(K_LIGHT_GREY, 1)};
    vertical_ramp(0, SCREEN_W - 1, 0, horizon, RAMP, 8);
    disc(scene(K_LIGHT_GREY, 0), 640, 250, 34);   // the low sun and its glow
    disc(C_CITY_LIGHT, 640, 250, 24);
    disc(C_PALE_YELLOW, 640, 250, 18);
}

// Far mountains and near hills as ridgelines filled down to the horizon.
static void ridge(int color, int horizon, int base_y, int amp, int seed, int step)
{
    int prev_x = 0, prev_y = base_y;
    for (int x = step; x <= SCREEN_W + step; x += step) {
        int h = (int)(amp * (0.5f + 0.5f * sinf(x * 0.013f + seed) * cosf(x * 0.031f + 2 * seed)));
        int y = base_y - h;
        MACIBM_poly4(color, prev_x, prev_y, x, y, x, horizon + 1, prev_x, horizon + 1, 1);
        prev_x = x;
        prev_y = y;
    }
}

// Fields in perspective: bands that widen toward the viewer, cut by lines
// from the vanishing point, each patch its own shade of green, hazier far
// off, over a haze ramp that carries the ground into the horizon.
static void paint_fields(int horizon, int vx)
{
    static const int GROUND[] = {scene(2, 9), scene(2, 7), scene(1, 5), scene(1, 3)};
    vertical_ramp(0, SCREEN_W - 1, horizon + 1, horizon + 60, GROUND, 4);
    constexpr int NBANDS = 14, NCUTS = 41;
    const float depth = (float)(SCREEN_H - horizon);
    for (int b = 0; b < NBANDS; b++) {
        float t0 = (float)b / NBANDS, t1 = (float)(b + 1) / NBANDS;
        int y0 = horizon + 1 + (int)(depth * t0 * t0), y1 = horizon + 1 + (int)(depth * t1 * t1);
        if (y1 <= y0)
            continue;
        int haze = intlim(8 - (b * 3) / 4, 0, 9);
        for (int c = 0; c < NCUTS; c++) {
            float u0 = (c - NCUTS / 2) * 160.0f, u1 = u0 + 160.0f;
            auto at = [&](float u, int y) { return vx + (int)(u * (y - horizon) / depth); };
            int k = (b * 7 + c * 3) % 4 + (b * c) % 3;    // level shade 0..5
            if ((b * 5 + c * 11) % 37 == 3)
                k = K_WATER;                                // a pond here and there
            MACIBM_poly4(scene(k, haze), at(u0, y0), y0, at(u1, y0), y0, at(u1, y1), y1,
                         at(u0, y1), y1, 1);
        }
    }
}

static void paint_runway(int horizon, int vx)
{
    int grey = scene(K_PAVEMENT, 1);
    MACIBM_poly4(grey, vx - 2, horizon + 6, vx + 2, horizon + 6, vx + 190, SCREEN_H, vx + 40,
                 SCREEN_H, 1);
    for (int k = 0; k < 9; k++) {   // centre-line dashes, longer as they near
        float t0 = 0.08f + k * 0.11f, t1 = t0 + 0.05f;
        auto y = [&](float t) { return horizon + 6 + (int)((SCREEN_H - horizon - 6) * t); };
        auto x = [&](float t) { return vx + (int)(115 * t); };
        int w = 1 + k / 3;
        MACIBM_poly4(C_WHITE, x(t0), y(t0), x(t0) + w, y(t0), x(t1) + w, y(t1), x(t1), y(t1), 1);
    }
}

// The frame of the start-up progress cells (drawn at x 59 + 5k, y 541).
static void paint_progress_strip(const Port *p)
{
    MACIBM_fillrect(C_BLACK, 52, 522, 233, 32, 1);
    MACIBM_framerect(20, 52, 522, 233, 32, 1);
    MACIBM_framerect(C_BLACK, 56, 538, 223, 10, 1);
    MACIBM_fillrect(13, 57, 539, 221, 8, 1);
    port_text(p, 58, 527, "Loading", C_WHITE);
}

void paint_splash(const Port *p)
{
    constexpr int HORIZON = 330, VANISH_X = 470;
    paint_sky(HORIZON);
    ridge(scene(K_HILL, 9), HORIZON, HORIZON - 28, 46, 1, 16);
    ridge(scene(K_HILL + 1, 7), HORIZON, HORIZON - 6, 24, 4, 12);
    paint_fields(HORIZON, VANISH_X);
    paint_runway(HORIZON, VANISH_X);
    shape(13, PLANE, 12, 215, 250, 4.5f, -8.0f);
    slanted_text("VORTAN", 186 + 5, 60 + 5, 10, 3, C_NAVY, C_NAVY);   // shadow
    slanted_text("VORTAN", 186, 60, 10, 3, C_WHITE, C_LIGHT_BLUE);
    port_text_scaled(p, 400 - 16 * 18 / 2 + 2, 154 + 2, "FLIGHT SIMULATOR", C_NAVY, 3);
    port_text_scaled(p, 400 - 16 * 18 / 2, 154, "FLIGHT SIMULATOR", C_WHITE, 3);
    paint_progress_strip(p);
    port_text_scaled(p, 640, 565, "Corvane", C_WHITE, 2);
}

void paint_icon(const Port *)
{
    static const int RAMP[] = {C_DEEP_BLUE, C_SKY, scene(K_LIGHT_GREY, 5)};
    vertical_ramp(0, 31, 0, 19, RAMP, 3);
    MACIBM_fillrect(scene(2, 0), 0, 20, 31, 11, 1);
    MACIBM_poly4(scene(K_PAVEMENT, 0), 14, 20, 17, 20, 24, 31, 9, 31, 1);
    shape(C_WHITE, PLANE, 12, 15, 11, 1.2f, -15.0f);
    MACIBM_framerect(12, 0, 0, 31, 31, 1);   // 11 would be transparent
}
