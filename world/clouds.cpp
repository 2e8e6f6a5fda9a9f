// Generated relief: the fractal refinement shared by the overcast deck and
// the storm field, the deck's sectors with their diagonals and shades, and
// the weather-radar field of a quadrant.
#include "world/local.h"

#include <cmath>

#include "world/world.h"


constexpr float DECK_DIP_M = 609.6f;   // deepest dip of the deck's top, 2000 ft

static float *at(float *g, int rowlen, int i, int j) { return &g[i * rowlen + j]; }

// The centre row and column of one square, from its edges to its centre.
static void refine_cross(float *g, int rl, int ia, int ja, int ib, int jb, int ic, int jc)
{
    for (int i = ia + 1; i < ib; i++)
        if (i != ic)
            *at(g, rl, i, jc) = i < ic ? interp(ia, *at(g, rl, ia, jc), ic, *at(g, rl, ic, jc), i)
                                       : interp(ic, *at(g, rl, ic, jc), ib, *at(g, rl, ib, jc), i);
    for (int j = ja + 1; j < jb; j++)
        if (j != jc)
            *at(g, rl, ic, j) = j < jc ? interp(ja, *at(g, rl, ic, ja), jc, *at(g, rl, ic, jc), j)
                                       : interp(jc, *at(g, rl, ic, jc), jb, *at(g, rl, ic, jb), j);
}

// Every other interior point: the mean of the line along its column (edge
// row to centre row) and along its row (edge column to centre column).
static void refine_fill(float *g, int rl, int ia, int ja, int ib, int jb, int ic, int jc)
{
    for (int i = ia + 1; i < ib; i++)
        for (int j = ja + 1; j < jb; j++) {
            if (i == ic || j == jc)
                continue;
            int je = j < jc ? ja : jb, ie = i < ic ? ia : ib;
            float along_j = interp(je, *at(g, rl, i, je), jc, *at(g, rl, i, jc), j);
            float along_i = interp(ie, *at(g, rl, ie, j), ic, *at(g, rl, ic, j), i);
            *at(g, rl, i, j) = 0.5f * (along_j + along_i);
        }
}

void fractalize(int i1, int j1, int i2, int j2, float *grid, int rowlen, float lo, float hi,
                int first, int last)
{
    for (int level = first; level <= last; level++) {
        int n = 1 << level;
        int di = (i2 - i1) / n, dj = (j2 - j1) / n;
        if (di < 2 || dj < 2)
            return;   // no interior left to refine
        for (int sa = 0; sa < n; sa++)
            for (int sb = 0; sb < n; sb++) {
                int ia = i1 + sa * di, ja = j1 + sb * dj, ib = ia + di, jb = ja + dj;
                int ic = (ia + ib) / 2, jc = (ja + jb) / 2;
                *at(grid, rowlen, ic, jc) += fltrand(lo, hi) / (float)n;
                refine_cross(grid, rowlen, ia, ja, ib, jb, ic, jc);
                refine_fill(grid, rowlen, ia, ja, ib, jb, ic, jc);
            }
    }
}

static void shade_cell(int i, int j)
{
    float z00 = cloudz[i][j], z11 = cloudz[i + 1][j + 1];
    float z01 = cloudz[i][j + 1], z10 = cloudz[i + 1][j];
    clouddiv[i][j] = fabsf(z00 - z11) < fabsf(z01 - z10);
    for (int t = 0; t < 2; t++) {
        int di[3], dj[3];
        convert_ij_dxy(clouddiv[i][j], t, di, dj);
        float sum = 0.0f;
        for (int k = 0; k < 3; k++)
            sum += cloudz[i + di[k]][j + dj[k]];
        cloudcol[i][j][t] = iround(interp(-DECK_DIP_M, 65.0f, 0.0f, 245.0f, sum * 0.33f));
    }
}

void fill_a_sector_with_ocast(int i, int j)
{
    if (i < 0 || i > 4 || j < 0 || j > 3)
        return;
    int i1 = 8 * i, j1 = 8 * j;
    float half = 1000.0f * con.fttomtrs;
    for (int a = i1; a <= i1 + 8; a++)
        for (int b = j1; b <= j1 + 8; b++)
            cloudz[a][b] = -half;
    fractalize(i1, j1, i1 + 8, j1 + 8, &cloudz[0][0], CLOUD_J, -half, half, 0, 2);
    for (int a = i1; a <= i1 + 8; a++)
        for (int b = j1; b <= j1 + 8; b++)
            cloudz[a][b] = fltlim(cloudz[a][b], -DECK_DIP_M, 0.0f);
    for (int a = i1; a < i1 + 8; a++)
        for (int b = j1; b < j1 + 8; b++)
            shade_cell(a, b);
}

void gen_wx_for_a_sector(int i, int j)
{
    if (i < 0 || i > 2 || j < 0 || j > 1)
        return;
    int i1 = WXR_PER_DEG * i, j1 = WXR_PER_DEG * j;
    for (int a = i1; a <= i1 + WXR_PER_DEG; a++)
        for (int b = j1; b <= j1 + WXR_PER_DEG; b++)
            flt_wxr[a][b] = 23.0f;
    if (atm.rain_tstm > 1) {
        float amp = (float)(atm.rain_tstm - 1) * 7.0f;
        fractalize(i1, j1, i1 + WXR_PER_DEG, j1 + WXR_PER_DEG, &flt_wxr[0][0], WXR_J, -amp, amp, 1, 5);
    }
    for (int a = i1; a <= i1 + WXR_PER_DEG; a++)
        for (int b = j1; b <= j1 + WXR_PER_DEG; b++) {
            if (flt_wxr[a][b] < 24.0f)
                flt_wxr[a][b] = 11.0f;
            else if (flt_wxr[a][b] > 31.0f)
                flt_wxr[a][b] = 31.0f;
        }
}
