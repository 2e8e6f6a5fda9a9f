// The palette the view paints with: sky, cloud and ground colours for the
// time of day, an overcast and snow, each scene colour in ten haze steps
// towards the fog; above an overcast the shades of the cloud deck instead;
// and the terrain chart of the data windows. Rebuilt only when what it
// depends on changes.
#include "view/local.h"

constexpr int SCENE_BASE = 65, LAST_ENTRY = 245;
constexpr int N_SCENE = 18, N_HAZE = 10;
constexpr int SKY = 62, CLOUD_BOTTOM = 63, CLOUD_TOP = 64;
constexpr float SNOW_TEMP_F = 32.0f;

// Base colours by time of day 1..4: cloud bottom and top greys, clear sky,
// level ground.
struct TimeColors {
    float bottom, top, sky[3], level[3];
};
static const TimeColors TIME_COLORS[4] = {
    {0.4f, 0.6f, {0.3f, 0.5f, 1.0f}, {0.4f, 0.8f, 0.3f}},
    {0.2f, 0.41f, {0.11f, 0.22f, 0.35f}, {0.2f, 0.4f, 0.15f}},
    {0.1f, 0.22f, {0.07f, 0.12f, 0.25f}, {0.12f, 0.18f, 0.1f}},
    {0.02f, 0.06f, {0.01f, 0.01f, 0.03f}, {0.04f, 0.04f, 0.04f}}};
// Brightness by time of day: the darker base colours are lifted so that
// the ground stays readable against the sky.
static const float TIME_LIFT[4] = {1.0f, 1.5f, 2.0f, 2.5f};
static const float WATER[3] = {0.05f, 0.1f, 0.2f};
static const float HILL[3] = {0.4f, 0.35f, 0.05f};
static const float SNOW_HILL[3] = {0.4f, 0.8f, 0.3f};
// Light, medium and dark grey in clear air and under an overcast.
static const float GREYS[2][3] = {{0.8f, 0.3f, 0.16f}, {0.4f, 0.15f, 0.08f}};
// The data windows' chart: water, then level ground and hills darkening.
static const float CHART_WATER[3] = {0.0f, 0.15f, 0.3f};
static const float CHART_LEVEL[3] = {0.2f, 0.6f, 0.15f};
constexpr int CHART_SPLIT = 156;

static const TimeColors &time_colors() { return TIME_COLORS[intlim(scn.time, 1, 4) - 1]; }

// Scene colour k (0..17) before haze: level ground flat to steep, hills
// and cliffs, water, the three greys.
static void scene_color(int k, float c[3])
{
    const TimeColors &tc = time_colors();
    int overcast = !atm.clear;
    float F = (overcast ? 0.5f : 1.0f) * TIME_LIFT[intlim(scn.time, 1, 4) - 1];
    float B = fltlim(F * (tc.level[0] + tc.level[1] + tc.level[2]) / 0.95f, 0.0f, 1.0f);
    int snow = atm.temp_SL <= SNOW_TEMP_F;
    for (int i = 0; i < 3; i++) {
        float level = snow ? fltlim(B * 0.7f, 0.0f, 1.0f) : F * tc.level[i];
        float hill = B * (snow ? SNOW_HILL[i] : HILL[i]);
        if (k < 10)
            c[i] = (0.6f - 0.5f * k / 9.0f) * level;
        else if (k < 14)
            c[i] = (0.6f - 0.5f * (k - 9) / 4.0f) * hill;
        else if (k == 14)
            c[i] = B * WATER[i];
        else
            c[i] = B * GREYS[overcast][k - 15];
    }
}

void scene_haze_color(int k, int h, float rgb[3])
{
    const TimeColors &tc = time_colors();
    scene_color(k, rgb);
    float t = (h + 1) / 11.0f;
    for (int i = 0; i < 3; i++) {
        float fog = atm.clear ? tc.sky[i] : tc.bottom;
        rgb[i] += (fog - rgb[i]) * t;
    }
}

static void assign_grey(int index, float g) { MACIBM_assigncolor(index, g, g, g); }

// Entries from..to as colour c scaled linearly from s_from to s_to.
static void assign_ramp(int from, int to, const float c[3], float s_from, float s_to)
{
    for (int n = from; n <= to; n++) {
        float s = interp((float)from, s_from, (float)to, s_to, (float)n);
        MACIBM_assigncolor(n, c[0] * s, c[1] * s, c[2] * s);
    }
}

// Remembered conditions of the last build; built 0 forces the next one.
static int built, old_abovetops, old_clear, old_time, old_temp, old_dashtype;
static float old_lamp;

void build_pal(int layout)
{
    const TimeColors &tc = time_colors();
    set_xsys_colors();   // the interface colours follow the panel lighting
    MACIBM_assigncolor(SKY, tc.sky[0], tc.sky[1], tc.sky[2]);
    assign_grey(CLOUD_BOTTOM, tc.bottom);
    assign_grey(CLOUD_TOP, tc.top);
    if (layout == PAL_ABOVE_DECK) {
        const float top[3] = {tc.top, tc.top, tc.top};
        assign_ramp(SCENE_BASE, LAST_ENTRY, top, 1.0f, 2.0f);
    } else if (layout == PAL_CHART) {
        MACIBM_assigncolor(SCENE_BASE, CHART_WATER[0], CHART_WATER[1], CHART_WATER[2]);
        assign_ramp(SCENE_BASE + 1, CHART_SPLIT - 1, CHART_LEVEL, 1.0f, 0.5f);
        assign_ramp(CHART_SPLIT, LAST_ENTRY, HILL, 1.0f, 0.5f);
        built = 0;   // the view's own colours come back with its next frame
        return;
    } else {
        for (int h = 0; h < N_HAZE; h++)
            for (int k = 0; k < N_SCENE; k++) {
                float c[3];
                scene_haze_color(k, h, c);
                MACIBM_assigncolor(SCENE_BASE + N_SCENE * h + k, c[0], c[1], c[2]);
            }
    }
    built = 1;
}

int set_palette_for_conditions()
{
    int above = scn.abovetops && !atm.clear;
    int temp = (int)fltlim(atm.temp_SL, -1000.0f, 1000.0f);
    if (built && above == old_abovetops && atm.clear == old_clear && scn.time == old_time &&
        temp == old_temp && scn.lamp == old_lamp && pln.dashtype == old_dashtype)
        return 0;
    build_pal(above ? PAL_ABOVE_DECK : PAL_SCENE);
    old_abovetops = above;
    old_clear = atm.clear;
    old_time = scn.time;
    old_temp = temp;
    old_lamp = scn.lamp;
    old_dashtype = pln.dashtype;
    return 1;
}

void reset_palette_state() { built = 0; }
