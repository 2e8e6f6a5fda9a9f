// Point lights: single pixels thinned out with distance, crosses for
// beacons and tower flashes, and every light of a runway coloured by the
// side it is seen from (edge, threshold and end bars, centre line,
// touchdown zone, approach lights, the sequenced flasher and the VASI).
#include "view/local.h"

#include <cmath>

constexpr int RED = 30, WHITE = 55, GREEN = 57, RWY_WHITE = 59, AMBER = 60, BLUE = 61;
constexpr int EVERY_EIGHTH = 8;
constexpr int RABBIT_POINT = 280;
// VASI: the downwind bar turns white above 3.5 degrees, the upwind bar
// above 2.5, so on a 3-degree path the pilot sees red over white.
constexpr float VASI_FAR_DEG = 3.5f, VASI_NEAR_DEG = 2.5f;

void to_camera(float x, float y, float z, float out[3])
{
    xfrm_SCENE(x - con.VIEW_loc_x, y - con.VIEW_loc_y, z - con.VIEW_loc_z, &out[0], &out[1], &out[2]);
}

int in_view_rect(int x, int y)
{
    return x >= con.off_int_lft && x < con.off_int_rgt && y >= con.off_int_top && y < con.off_int_bot;
}

void view_pixel(int color, int x, int y)
{
    if (in_view_rect(x, y))
        ADD_point(color, x, y);
}

// Pixel of camera-space point c (depth already beyond the near plane); 0
// when it lies far off any view.
static int light_pixel(const float c[3], int *x, int *y)
{
    float u = c[0] / c[1], v = c[2] / c[1];
    if (!(fabsf(u) < 100.0f && fabsf(v) < 100.0f))
        return 0;
    *x = XFRM_x(u);
    *y = XFRM_y(v);
    return 1;
}

int show_light(int index, float x, float y, float z, int color)
{
    float c[3];
    to_camera(x, y, z, c);
    float d = c[1];
    if (!(d > HITHER_M) || !(d < atm.vis3_lite))
        return 0;
    if (!(d < atm.vis1_lite) && ((d < atm.vis2_lite) ? index % 2 != 0 : index % EVERY_EIGHTH != 0))
        return 0;
    int px, py;
    if (!light_pixel(c, &px, &py) || !in_view_rect(px, py))
        return 0;
    ADD_point(color, px, py);
    return 1;
}

void generalplot(float x, float y, float z, int color, int size)
{
    float c[3];
    to_camera(x, y, z, c);
    int px, py;
    if (!(c[1] > HITHER_M) || !(c[1] < atm.vis2_lite) || !light_pixel(c, &px, &py))
        return;
    for (int k = -size; k <= size; k++) {
        view_pixel(color, px + k, py);
        if (k)
            view_pixel(color, px, py + k);
    }
}

// Light k of runway r, when it is one (a point at x = y = 0 is not).
static void runway_light(int r, int k, int color)
{
    if (rwayx[k][r] == 0.0f && rwayy[k][r] == 0.0f)
        return;
    show_light(k, rwayx[k][r], rwayy[k][r], rwayz[k][r], color);
}

static void light_range(int r, int first, int last, int color)
{
    for (int k = intmax2(first, 0); k <= intmin2(last, RWAY_PTS - 1); k++)
        runway_light(r, k, color);
}

// Edge rows white, the last stretch before the far end amber.
static void edge_lights(int r, int straight)
{
    for (int k = 0; k <= env.rwaymax1[r]; k++)
        runway_light(r, k, (straight ? k < env.amber2[r] : k > env.amber1[r]) ? RWY_WHITE : AMBER);
    for (int k = 50; k <= env.rwaymax2[r]; k++)
        runway_light(r, k, (straight ? k < env.amber3[r] : k > env.amber4[r]) ? RWY_WHITE : AMBER);
}

// Threshold bar green and end bar red seen from the approach, swapped from
// the far end; the bars' outer lights only where the runway has them.
static void bar_lights(int r, int straight)
{
    int near = straight ? GREEN : RED, far = straight ? RED : GREEN;
    light_range(r, 501, 503, near);
    light_range(r, 511, 513, near);
    light_range(r, 514, 516, far);
    light_range(r, 524, 526, far);
    if (env.ext_REIL[r]) {
        light_range(r, 504, 510, near);
        light_range(r, 517, 523, far);
    }
}

// Centre line: white, then alternating red and white, then red towards the
// far end.
static void centre_lights(int r, int straight)
{
    for (int k = 100; k <= env.RCLSmax[r]; k++) {
        int alt = k % 2 == 0 ? RED : RWY_WHITE, color;
        if (straight)
            color = k <= env.altred1[r] ? RWY_WHITE : k <= env.red1[r] - 1 ? alt : RED;
        else
            color = k <= env.red2[r] - 1 ? RED : k <= env.altred2[r] - 1 ? alt : RWY_WHITE;
        runway_light(r, k, color);
    }
}

// The sequenced flasher: a 2 x 2 white block at its current point.
static void rabbit_light(int r)
{
    int k = RABBIT_POINT;
    if (rwayx[k][r] == 0.0f && rwayy[k][r] == 0.0f)
        return;
    float c[3];
    to_camera(rwayx[k][r], rwayy[k][r], rwayz[k][r], c);
    int px, py;
    if (!(c[1] > HITHER_M) || !(c[1] < atm.vis2_lite) || !light_pixel(c, &px, &py))
        return;
    for (int dy = 0; dy < 2; dy++)
        for (int dx = 0; dx < 2; dx++)
            view_pixel(WHITE, px + dx, py + dy);
}

// The glide angle (deg) from the camera down to the VASI's downwind bar.
static float vasi_angle(int r)
{
    float dx = rwayx[276][r] - con.VIEW_loc_x, dy = rwayy[276][r] - con.VIEW_loc_y;
    float h = con.VIEW_loc_z - env.fieldh;
    return atan2f(h, sqrtf(dx * dx + dy * dy)) * con.radtodeg;
}

static void vasi_lights(int r)
{
    float a = vasi_angle(r);
    light_range(r, 276, 277, a < VASI_FAR_DEG ? RED : WHITE);
    light_range(r, 278, 279, a < VASI_NEAR_DEG ? RED : WHITE);
}

void plotrunwaylights(int r)
{
    r = r != 0;
    int straight = scn.straightin[r];
    edge_lights(r, straight);
    bar_lights(r, straight);
    if (env.tway[r]) {
        light_range(r, 150, env.twaymax1[r], BLUE);
        light_range(r, 200, env.twaymax2[r], BLUE);
    }
    if (env.VTOpad[r])
        light_range(r, 100, 149, RWY_WHITE);
    else if (env.RCLS[r])
        centre_lights(r, straight);
    if (env.TDZL[r])
        light_range(r, 361, 480, RWY_WHITE);
    if (env.red_ALS[r])
        light_range(r, 281, 360, RED);
    if (env.ALS[r])
        light_range(r, 250, 275, RWY_WHITE);
    if (env.ext_ALS[r])
        light_range(r, 481, 500, RWY_WHITE);
    if (env.rabbit[r])
        rabbit_light(r);
    if (env.VASI[r] && straight)
        vasi_lights(r);
}
