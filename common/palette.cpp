// The program's colours: the interface colours 11..61, the start-up scene
// colours 56..245, colour assignment with panel lighting by time of day and
// light amplification, and the state the drawing reads from the program.
#include "common/local.h"

#include <cmath>

static DrawSources sources;

void set_draw_sources(const DrawSources *src) { sources = src ? *src : DrawSources{}; }
int draw_time() { return sources.time ? *sources.time : 1; }
float draw_lamp() { return sources.lamp ? *sources.lamp : 0.0f; }
int draw_dashtype() { return sources.dashtype ? *sources.dashtype : 1; }
void draw_mouse(int *mx, int *my)
{
    *mx = sources.mx ? *sources.mx : -1;
    *my = sources.my ? *sources.my : -1;
}

// Interface colours 11..61 as ratios: the grey ramp, then greens, reds,
// yellows, blues, browns and the light colours of the outside view.
static const float XSYS[51][3] = {
    {0.0f, 0.0f, 0.0f}, {0.0667f, 0.0667f, 0.0667f}, {0.1333f, 0.1333f, 0.1333f},   // 11..13
    {0.2f, 0.2f, 0.2f}, {0.2667f, 0.2667f, 0.2667f}, {0.3333f, 0.3333f, 0.3333f},     // 14..16
    {0.4f, 0.4f, 0.4f}, {0.4667f, 0.4667f, 0.4667f}, {0.5333f, 0.5333f, 0.5333f},     // 17..19
    {0.6f, 0.6f, 0.6f}, {0.7333f, 0.7333f, 0.7333f}, {0.8667f, 0.8667f, 0.8667f},     // 20..22
    {1.0f, 1.0f, 1.0f},                                                               // 23
    {0.2f, 0.8f, 0.2f}, {0.1f, 0.55f, 0.1f}, {0.55f, 1.0f, 0.45f},                    // 24..26 greens
    {0.0f, 0.35f, 0.1f}, {0.7f, 0.9f, 0.2f},                                          // 27, 28
    {1.0f, 1.0f, 0.0f}, {1.0f, 0.0f, 0.0f},                                           // 29 yellow, 30 red
    {1.0f, 0.55f, 0.0f}, {1.0f, 0.35f, 0.35f}, {0.45f, 0.1f, 0.05f},                  // 31..33 reds
    {0.6f, 0.0f, 0.0f}, {0.95f, 0.95f, 0.95f},                                        // 34, 35
    {1.0f, 0.75f, 0.0f}, {1.0f, 1.0f, 0.6f}, {0.6f, 0.6f, 0.0f},                      // 36..38 yellows
    {0.3f, 0.6f, 1.0f}, {0.0f, 0.3f, 0.8f}, {0.6f, 0.8f, 1.0f},                       // 39..41 blues
    {0.0f, 0.0f, 0.5f}, {0.0f, 0.8f, 0.9f}, {0.5f, 0.5f, 1.0f},                       // 42..44
    {0.15f, 0.25f, 0.45f},                                                            // 45 chart blue
    {0.55f, 0.35f, 0.15f}, {0.4f, 0.25f, 0.1f}, {0.75f, 0.55f, 0.3f},                 // 46..48 browns
    {0.3f, 0.2f, 0.1f}, {0.85f, 0.75f, 0.55f}, {0.6f, 0.5f, 0.35f},                   // 49..51
    {0.2f, 0.12f, 0.05f},                                                             // 52
    {1.0f, 0.9f, 0.6f}, {1.0f, 0.8f, 0.4f},                                           // 53, 54 city lights
    {1.0f, 1.0f, 1.0f}, {1.0f, 1.0f, 0.9f}, {0.0f, 1.0f, 0.3f},                       // 55 white, 56 moon, 57 green
    {0.9f, 0.9f, 0.9f}, {1.0f, 1.0f, 0.85f}, {1.0f, 0.7f, 0.1f},                      // 58, 59 runway, 60 amber
    {0.2f, 0.3f, 1.0f}};                                                              // 61 taxiway blue

// A clear day's sky, clouds and level ground, the colours the view itself
// builds for time 1 (scene layout: 65 + 18 h + k).
static const float DAY_SKY[3] = {0.3f, 0.5f, 1.0f};
static const float DAY_CLOUD_BOTTOM = 0.4f, DAY_CLOUD_TOP = 0.6f;
static const float DAY_LEVEL[3] = {0.4f, 0.8f, 0.3f};
static const float HILL[3] = {0.4f, 0.35f, 0.05f};
static const float WATER[3] = {0.05f, 0.1f, 0.2f};
constexpr float DARK_GREY = 0.16f, MEDIUM_GREY = 0.3f, LIGHT_GREY = 0.8f;
constexpr int NUM_SCENE_COLORS = 18, NUM_HAZE_STEPS = 10, SCENE_BASE = 65;

// Scene colour k (0..17) before haze.
static void scene_color(int k, float c[3])
{
    for (int i = 0; i < 3; i++) {
        if (k < 10)
            c[i] = (0.6f - 0.5f * k / 9.0f) * DAY_LEVEL[i];
        else if (k < 14)
            c[i] = (0.6f - 0.5f * (k - 9) / 4.0f) * HILL[i];
        else if (k == 14)
            c[i] = WATER[i];
        else
            c[i] = k == 15 ? LIGHT_GREY : k == 16 ? MEDIUM_GREY : DARK_GREY;
    }
}

void art_color(int index, float *r, float *g, float *b)
{
    float c[3] = {0, 0, 0};
    if (index >= 11 && index <= 61) {
        for (int i = 0; i < 3; i++) c[i] = XSYS[index - 11][i];
    } else if (index == 62) {
        for (int i = 0; i < 3; i++) c[i] = DAY_SKY[i];
    } else if (index == 63 || index == 64) {
        c[0] = c[1] = c[2] = index == 63 ? DAY_CLOUD_BOTTOM : DAY_CLOUD_TOP;
    } else if (index >= SCENE_BASE && index <= 245) {
        int h = (index - SCENE_BASE) / NUM_SCENE_COLORS, k = (index - SCENE_BASE) % NUM_SCENE_COLORS;
        scene_color(k, c);
        float t = (h + 1) / 11.0f;   // haze blends toward the clear sky
        for (int i = 0; i < 3; i++) c[i] += (DAY_SKY[i] - c[i]) * t;
    }
    *r = c[0]; *g = c[1]; *b = c[2];
}

void change_colors_for_time(int index, float *r, float *g, float *b)
{
    switch (draw_time()) {
    case 2: *r *= 0.9f; *g *= 0.9f; *b *= 0.9f; break;
    case 3: *g *= 0.7f; *b *= 0.7f; break;
    case 4:
        if (draw_dashtype() == 1) {
            *r = fltmax3(*r, *g, *b);   // red panel lighting
            *g = *b = 0.0f;
        } else if (draw_dashtype() == 2) {
            *r *= 0.8f; *g *= 0.6f; *b *= 0.6f;
        }
        break;
    default: break;
    }
    if (draw_lamp() != 0.0f) {
        float m = fltmax3(*r, *g, *b);
        *g = powf(fltmax2(m, 0.0f), 0.4f) * (index < 53 ? 0.8f : 1.0f);
        *r = *b = 0.0f;
    }
    *r = fltlim(*r, 0.0f, 0.99f);
    *g = fltlim(*g, 0.0f, 0.99f);
    *b = fltlim(*b, 0.0f, 0.99f);
}

void MACIBM_assigncolor(int index, float r, float g, float b)
{
    if (index < 53 || draw_lamp() != 0.0f)
        change_colors_for_time(index, &r, &g, &b);
    MACIBM_set_palette_entry(index, intlim(iround(r * 255.0f), 0, 255),
                             intlim(iround(g * 255.0f), 0, 255), intlim(iround(b * 255.0f), 0, 255));
}

void set_xsys_colors()
{
    for (int k = 11; k <= 61; k++)
        MACIBM_assigncolor(k, XSYS[k - 11][0], XSYS[k - 11][1], XSYS[k - 11][2]);
}

void set_fixed_scene_colors()
{
    for (int k = 56; k <= 245; k++) {
        float r, g, b;
        art_color(k, &r, &g, &b);
        MACIBM_assigncolor(k, r, g, b);
    }
}

void set_program_colors()
{
    set_xsys_colors();
    set_fixed_scene_colors();
}
