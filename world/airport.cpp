// The current airport in full: both runways, the lights of each removed
// where they lie on the other, the beacon moved clear of the second runway,
// the control tower at the beacon and four hangars along the first runway.
#include "world/local.h"



constexpr float HANGAR_STEP_M = 44.0f;
constexpr int MAX_CLEARING_STEPS = 200;   // a beacon or hangar walks at most this far

static void outline(int r, int p1, int p2, int p3, int p4, float px[4], float py[4])
{
    const int p[4] = {p1, p2, p3, p4};
    for (int k = 0; k < 4; k++) {
        int i = intlim(p[k], 0, RWAY_PTS - 1);
        px[k] = rwayx[i][r];
        py[k] = rwayy[i][r];
    }
}

static void clear_range(int r, int first, int last, const float px[4], const float py[4])
{
    for (int k = intmax2(first, 0); k <= intmin2(last, RWAY_PTS - 1); k++)
        if (inside_quad(px, py, rwayx[k][r], rwayy[k][r], 0.0f))
            rwayx[k][r] = rwayy[k][r] = 0.0f;
}

void clear_the_runway(int rway, int p1, int p2, int p3, int p4)
{
    int r = rway != 0, other = 1 - r;
    float px[4], py[4];
    outline(other, p1, p2, p3, p4, px, py);
    clear_range(r, 1, env.rwaymax1[r] - 1, px, py);
    clear_range(r, 51, env.rwaymax2[r] - 1, px, py);
    clear_range(r, 151, env.twaymax1[r] - 1, px, py);
    clear_range(r, 201, env.twaymax2[r] - 1, px, py);
    clear_range(r, 250, 360, px, py);
    clear_range(r, 481, 526, px, py);
}

// Inside runway 1's pavement and taxiway strip widened by 100 m.
static int on_second_runway(float x, float y)
{
    float px[4], py[4];
    outline(1, 0, 200, env.twaymax2[1], env.rwaymax1[1], px, py);
    return inside_quad(px, py, x, y, 100.0f);
}

void make_a_hangar(int n, float x, float y, float z, int h)
{
    if (n < 0 || n > 3)
        return;
    h = deg_index((float)h);
    // Corners (across, along, height) of the eight faces of a 40 x 20 m shed.
    static const float F[8][4][3] = {
        {{-20, 10, 0}, {20, 10, 0}, {20, 10, 5}, {-20, 10, 5}},
        {{-20, -10, 0}, {20, -10, 0}, {20, -10, 5}, {-20, -10, 5}},
        {{-20, 0, 0}, {-20, 10, 0}, {-20, 10, 5}, {-20, 0, 6}},
        {{-20, -10, 0}, {-20, 0, 0}, {-20, 0, 6}, {-20, -10, 5}},
        {{20, 0, 0}, {20, 10, 0}, {20, 10, 5}, {20, 0, 6}},
        {{20, -10, 0}, {20, 0, 0}, {20, 0, 6}, {20, -10, 5}},
        {{-20, 10, 5}, {20, 10, 5}, {20, 0, 6}, {-20, 0, 6}},
        {{-20, -10, 5}, {20, -10, 5}, {20, 0, 6}, {-20, 0, 6}}};
    for (int f = 0; f < 8; f++)
        for (int c = 0; c < 4; c++) {
            float a = F[f][c][0], b = F[f][c][1];
            hangarx[n][f][c] = x + b * lsin[h] + a * lcos[h];
            hangary[n][f][c] = y + b * lcos[h] - a * lsin[h];
            hangarz[n][f][c] = z + F[f][c][2];
        }
}

static void place_tower(int k)
{
    static const float SIDE[4] = {3, 3, 5, 3}, TOP[4] = {0, 19, 23, 24};
    bldng_x[0] = beacx[k];
    bldng_y[0] = beacy[k];
    bldng_z[0] = env.fieldh;
    for (int t = 0; t < 4; t++) {
        bldng_dx[0][t] = bldng_dy[0][t] = SIDE[t];
        bldng_dz[0][t] = TOP[t];
    }
}

static void place_hangars(int k, int h, float l)
{
    float x = beacx[k] + 0.1f * l * lsin[h], y = beacy[k] + 0.1f * l * lcos[h];
    for (int n = 0; n < 4; n++) {
        int steps = 0;
        do {
            x += HANGAR_STEP_M * lsin[h];
            y += HANGAR_STEP_M * lcos[h];
        } while (env.rwaymax && on_second_runway(x, y) && ++steps < MAX_CLEARING_STEPS);
        make_a_hangar(n, x, y, env.fieldh, h + 90);
    }
}

void setnewlocale()
{
    int k = msc.loc_index;
    if (k < 0 || k >= MAX_NAV || !is_airport(env.navmsc[k][0]))
        return;
    const float *p = env.navxyz[k];
    const int *m = env.navmsc[k];
    env.rwaymax = m[5] > 1;
    setuprunway(p[0], p[1], p[4], (float)m[1], (float)m[2], m[3], 0, env.ILScode[k]);
    if (env.rwaymax) {
        setuprunway(p[2], p[3], p[4], (float)m[5], (float)m[6], m[7], 1, env.ILScode[k]);
        for (int r = 0; r < 2; r++) {
            int o = 1 - r;
            clear_the_runway(r, 0, 50, env.rwaymax2[o], env.rwaymax1[o]);
            clear_the_runway(r, 150, 200, env.twaymax2[o], env.twaymax1[o]);
        }
    } else {
        rwy.max[1] = -1;
    }
    env.fieldh = p[4];
    int h = deg_index((float)m[3]);
    for (int steps = 0; env.rwaymax && on_second_runway(beacx[k], beacy[k]) &&
                        steps < MAX_CLEARING_STEPS; steps++) {
        beacx[k] += 100.0f * lsin[h];
        beacy[k] += 100.0f * lcos[h];
    }
    place_tower(k);
    place_hangars(k, h, (float)m[1]);
    limwx();
}
