// One runway of the current airport: its light table with the limits and
// equipment flags its size and approach give it, and its painted markings
// (pavement, shoulders, stripes, numbers) as flat quadrilaterals.
#include "world/local.h"

#include <cmath>



// Runway-relative positions while a runway is laid out: across (m, right of
// the direction of travel), along (m from the threshold), height.
static float pa[RWAY_PTS], pb[RWAY_PTS], pz[RWAY_PTS];
static int placed[RWAY_PTS];

static float rx(float a, float b, int h) { return b * lsin[h] + a * lcos[h]; }
static float ry(float a, float b, int h) { return b * lcos[h] - a * lsin[h]; }

// Points first..last evenly on the line (a0, b0) - (a1, b1) at height z.
static void light_row(int first, int last, float a0, float b0, float a1, float b1, float z)
{
    for (int k = first; k <= last; k++) {
        float f = last > first ? (float)(k - first) / (float)(last - first) : 0.0f;
        pa[k] = a0 + f * (a1 - a0);
        pb[k] = b0 + f * (b1 - b0);
        pz[k] = z;
        placed[k] = 1;
    }
}

// Points first..last on the line from point p to point q, with index
// `at_p` falling on p and `at_q` on q.
static void row_between(int first, int last, int p, int q, int at_p, int at_q, float z)
{
    for (int k = first; k <= last; k++) {
        float f = (float)(k - at_p) / (float)(at_q - at_p);
        pa[k] = pa[p] + f * (pa[q] - pa[p]);
        pb[k] = pb[p] + f * (pb[q] - pb[p]);
        pz[k] = z;
        placed[k] = 1;
    }
}

static void set_limits(int r, float lft)
{
    int n = intlim(iround(lft / 10.0f), 10, 49);
    int a = iround(fltmin2(lft * 0.5f, 20.0f) / 10.0f);
    env.rwaymax1[r] = n;
    env.rwaymax2[r] = n + 50;
    env.twaymax1[r] = n + 150;
    env.twaymax2[r] = n + 200;
    env.RCLSmax[r] = n + 100;
    env.amber1[r] = a;
    env.amber2[r] = n - a;
    env.amber3[r] = n + 50 - a;
    env.amber4[r] = a + 50;
    int c = intmin2((int)lft / 2, 3000), d = intmin2((int)lft / 4, 1500);
    env.altred1[r] = env.RCLSmax[r] - c / 200;
    env.altred2[r] = 100 + c / 200;
    env.red1[r] = env.RCLSmax[r] - d / 200;
    env.red2[r] = 100 + d / 200;
}

// Equipment by the size figure S = length x width / 100 (ft); the approach
// equipment only where the airport's code gives this runway an approach.
static void set_equipment(int r, float lft, float wft, int litecode)
{
    float s = lft * wft / 100.0f;
    int approach = (r == 0 && (litecode == 1 || litecode == 3)) ||
                   (r == 1 && (litecode == 2 || litecode == 3));
    env.VTOpad[r] = lft < 500.0f;
    env.VASI[r] = s > 2000.0f;
    env.tway[r] = s > 2500.0f;
    env.ALS[r] = approach && s > 3500.0f;
    env.rabbit[r] = approach && s > 4000.0f;
    env.RCLS[r] = s > 4500.0f;
    env.TDZL[r] = approach && s > 5000.0f;
    env.red_ALS[r] = approach && s > 5000.0f;
    env.ext_REIL[r] = s > 5000.0f;
    env.ext_ALS[r] = approach && s > 5000.0f;
    env.runoff[r] = s > 7000.0f;
}

static void side_bars(int r)
{
    float sa = pa[250] - pa[260], sb = pb[250] - pb[260];
    int left = env.red_ALS[r] ? 251 : 257, right = env.red_ALS[r] ? 261 : 267;
    for (int m = 0; m < 3; m++) {
        pa[270 + m] = pa[left] + (m + 1) * sa;
        pb[270 + m] = pb[left] + (m + 1) * sb;
        pa[273 + m] = pa[right] - (m + 1) * sa;
        pb[273 + m] = pb[right] - (m + 1) * sb;
        pz[270 + m] = pz[273 + m] = 0.0f;
        placed[270 + m] = placed[273 + m] = 1;
    }
}

static void place_rows(int r, float l, float w)
{
    int n = env.rwaymax1[r];
    light_row(0, n, -w / 2 - 1, 0, -w / 2 - 1, l, 0.5f);
    light_row(50, n + 50, w / 2 + 1, 0, w / 2 + 1, l, 0.5f);
    if (env.VTOpad[r]) {
        row_between(100, 124, 50, 0, 99, 125, 0.5f);
        row_between(125, 149, env.rwaymax2[r], env.rwaymax1[r], 124, 150, 0.5f);
    } else {
        light_row(100, n + 100, 0, 30, 0, l - 30, 0.0f);
    }
    light_row(150, n + 150, 1.5f * w - 1, 0, 1.5f * w - 1, l, 0.5f);
    light_row(200, n + 200, 2 * w + 1, 0, 2 * w + 1, l, 0.5f);
    light_row(250, 259, -0.05f * w, -500, -0.05f * w, -50, 0.0f);
    light_row(260, 269, 0.05f * w, -500, 0.05f * w, -50, 0.0f);
    side_bars(r);
    light_row(276, 277, -0.8f * w - 1, 200, -0.8f * w + 1, 200, 1.5f);
    light_row(278, 279, -0.8f * w - 1, 50, -0.8f * w + 1, 50, 1.5f);
    static const float SIDE[4] = {-0.35f, -0.25f, 0.25f, 0.35f};
    for (int m = 0; m < 4; m++)
        light_row(281 + 20 * m, 300 + 20 * m, SIDE[m] * w, -429, SIDE[m] * w, -50, 0.0f);
    static const float TDZ[6] = {-0.2f, -0.16f, -0.12f, 0.12f, 0.16f, 0.2f};
    for (int m = 0; m < 6; m++)
        light_row(361 + 20 * m, 380 + 20 * m, TDZ[m] * w, 20, TDZ[m] * w, 400, 0.0f);
    light_row(481, 490, -0.05f * w, -1000, -0.05f * w, -550, 0.0f);
    light_row(491, 500, 0.05f * w, -1000, 0.05f * w, -550, 0.0f);
    light_row(501, 513, -0.6f * w, -2, 0.6f * w, -2, 0.5f);
    light_row(514, 526, -0.6f * w, l + 2, 0.6f * w, l + 2, 0.5f);
}

// Relative positions into world points; unplaced points are no light (0, 0).
static void to_world(int r, float x, float y, float z, int h)
{
    for (int k = 0; k < RWAY_PTS; k++) {
        if (!placed[k]) {
            rwayx[k][r] = rwayy[k][r] = rwayz[k][r] = 0.0f;
            continue;
        }
        rwayx[k][r] = x + rx(pa[k], pb[k], h);
        rwayy[k][r] = y + ry(pa[k], pb[k], h);
        rwayz[k][r] = z + pz[k];
    }
    env.rabbitsx[r] = x + rx(0, -1050, h);
    env.rabbitsy[r] = y + ry(0, -1050, h);
    env.rabbitsz[r] = z;
    env.rabbitdx[r] = rx(pa[251] - pa[250], pb[251] - pb[250], h);
    env.rabbitdy[r] = ry(pa[251] - pa[250], pb[251] - pb[250], h);
    env.rabbitdz[r] = 0.0f;
}

void setuprunway(float x, float y, float z, float l, float w, int hdng, int rway, int litecode)
{
    int r = rway != 0;
    int h = deg_index((float)hdng);
    l = std::isfinite(l) ? fltmax2(l, 1.0f) : 1.0f;
    w = std::isfinite(w) ? fltmax2(w, 1.0f) : 1.0f;
    float lft = l * con.mtrstoft, wft = w * con.mtrstoft;
    set_limits(r, lft);
    set_equipment(r, lft, wft, litecode);
    for (int k = 0; k < RWAY_PTS; k++) {
        pa[k] = pb[k] = pz[k] = 0.0f;
        placed[k] = 0;
    }
    place_rows(r, l, w);
    to_world(r, x, y, z, h);
    int slot = msc.loc_index;
    int number = 0;
    char side = 'x';
    if (slot >= 0 && slot < MAX_NAV) {
        number = env.navmsc[slot][r ? 8 : 4];
        side = env.lr[slot][r];
    }
    paint_runway(r, x, y, z, l, w, h, number, side);
}

void move_rabbits()
{
    constexpr int RABBIT = 280;
    for (int r = 0; r < 2; r++) {
        if (!env.rabbit[r] || (r == 1 && !env.rwaymax))
            continue;
        if (msc.cntr10 == 0 || (rwayx[RABBIT][r] == 0.0f && rwayy[RABBIT][r] == 0.0f)) {
            rwayx[RABBIT][r] = env.rabbitsx[r];
            rwayy[RABBIT][r] = env.rabbitsy[r];
            rwayz[RABBIT][r] = env.rabbitsz[r];
        } else {
            rwayx[RABBIT][r] += env.rabbitdx[r];
            rwayy[RABBIT][r] += env.rabbitdy[r];
            rwayz[RABBIT][r] += env.rabbitdz[r];
        }
    }
}
