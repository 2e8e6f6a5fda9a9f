// Where a point lies on the terrain mesh and how high the ground is there.
// Each grid cell is two triangles split along the diagonal its planediv
// chooses; the triangle legs run along x and y, so the height follows from
// the two leg slopes.
#include "world/world.h"

#include <cmath>

constexpr int LOCAL_REACH = 2;   // cells searched on each side of the last location

// Corner offsets (di, dj) per [diagonal][triangle]: clockwise, and plane
// order (right-angle corner, then its x and y neighbours).
static const int CW_DI[2][2][3] = {{{0, 1, 0}, {1, 0, 1}}, {{1, 0, 0}, {0, 1, 1}}};
static const int CW_DJ[2][2][3] = {{{1, 0, 0}, {0, 1, 1}}, {{1, 0, 1}, {0, 1, 0}}};
static const int PL_DI[2][2][3] = {{{0, 1, 0}, {1, 0, 1}}, {{0, 1, 0}, {1, 0, 1}}};
static const int PL_DJ[2][2][3] = {{{0, 0, 1}, {1, 1, 0}}, {{1, 1, 0}, {0, 0, 1}}};

void convert_ij_cw(int div, int t, int di[3], int dj[3])
{
    int d = div != 0, tt = t != 0;
    for (int k = 0; k < 3; k++) {
        di[k] = CW_DI[d][tt][k];
        dj[k] = CW_DJ[d][tt][k];
    }
}

void convert_ij_dxy(int div, int t, int di[3], int dj[3])
{
    int d = div != 0, tt = t != 0;
    for (int k = 0; k < 3; k++) {
        di[k] = PL_DI[d][tt][k];
        dj[k] = PL_DJ[d][tt][k];
    }
}

// Inside or on the edges of triangle t of cell (i, j): 2 strictly inside,
// 1 on an edge, 0 outside. The edges count as inside so that a point on a
// grid line or a diagonal has ground under it (the first triangle in search
// order takes it).
static int in_triangle(int i, int j, int t, float x, float y)
{
    int di[3], dj[3];
    convert_ij_cw(planediv[i][j], t, di, dj);
    int inside = 2;
    for (int k = 0; k < 3; k++) {
        int a = (k + 1) % 3;
        int i1 = i + di[k], j1 = j + dj[k], i2 = i + di[a], j2 = j + dj[a];
        double ex = (double)planex[i2][j2] - planex[i1][j1];
        double ey = (double)planey[i2][j2] - planey[i1][j1];
        double left = ex * ((double)y - planey[i1][j1]) - ey * ((double)x - planex[i1][j1]);
        if (left > 0.0 || (ex == 0.0 && ey == 0.0))
            return 0;
        if (left == 0.0)
            inside = 1;
    }
    return inside;
}

static int search_cells(int i0, int i1, int j0, int j1, float x, float y, int *i, int *j, int *t)
{
    for (int ci = i0; ci <= i1; ci++)
        for (int cj = j0; cj <= j1; cj++)
            for (int ct = 0; ct < 2; ct++)
                if (in_triangle(ci, cj, ct, x, y)) {
                    *i = ci;
                    *j = cj;
                    *t = ct;
                    return 1;
                }
    return 0;
}

// Cell index of x (or y) along the mesh's first row (column), by the
// straight line through its ends; only a starting point for a search.
static int guess_cell(float v, float v0, float v1, int cells)
{
    float f = v1 != v0 ? (v - v0) / (v1 - v0) * (float)cells : 0.0f;
    return std::isfinite(f) ? (int)fltlim(f, 0.0f, (float)(cells - 1)) : 0;
}

// The cells round (gi, gj). The triangles holding a point lie in the cell
// found and its neighbours, so a find with all of them inside the window
// is the one the scan from the first cell would give (the first in search
// order). 1 for such a find, 0 for any other case.
static int search_window(int gi, int gj, float x, float y, int *i, int *j, int *t)
{
    constexpr int REACH = 3;
    int i0 = intmax2(gi - REACH, 0), i1 = intmin2(gi + REACH, MESH_I - 2);
    int j0 = intmax2(gj - REACH, 0), j1 = intmin2(gj + REACH, MESH_J - 2);
    int fi, fj, ft;
    if (!search_cells(i0, i1, j0, j1, x, y, &fi, &fj, &ft) || !(fi > i0 || fi == 0) ||
        !(fi < i1 || fi == MESH_I - 2) || !(fj > j0 || fj == 0) || !(fj < j1 || fj == MESH_J - 2))
        return 0;
    *i = fi;
    *j = fj;
    *t = ft;
    return 1;
}

// The whole-mesh search, started round the caller's cell and then round
// where the grid's ends put the point (while a region loads, its far
// quadrants are not there yet); a point found near neither scans the
// whole mesh.
static int search_all_cells(float x, float y, int *i, int *j, int *t)
{
    if (*i >= 0 && *i <= MESH_I - 2 && *j >= 0 && *j <= MESH_J - 2 && search_window(*i, *j, x, y, i, j, t))
        return 1;
    int gi = guess_cell(x, planex[0][0], planex[MESH_I - 1][0], MESH_I - 1);
    int gj = guess_cell(y, planey[0][0], planey[0][MESH_J - 1], MESH_J - 1);
    if (search_window(gi, gj, x, y, i, j, t))
        return 1;
    return search_cells(0, MESH_I - 2, 0, MESH_J - 2, x, y, i, j, t);
}

int find_ijt_with_loc(float x, float y, int *i, int *j, int *t, int full_search)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return 0;
    if (full_search)
        return search_all_cells(x, y, i, j, t);
    // Strictly inside the triangle of the last location (nearly always, a
    // frame later): no other triangle holds the point, so the search round
    // it would find this one.
    if (*i >= 0 && *i <= MESH_I - 2 && *j >= 0 && *j <= MESH_J - 2 && (*t == 0 || *t == 1) &&
        in_triangle(*i, *j, *t, x, y) == 2)
        return 1;
    int ci = intlim(*i, LOCAL_REACH, MESH_I - 2 - LOCAL_REACH);
    int cj = intlim(*j, LOCAL_REACH, MESH_J - 2 - LOCAL_REACH);
    return search_cells(ci - LOCAL_REACH, ci + LOCAL_REACH, cj - LOCAL_REACH, cj + LOCAL_REACH,
                        x, y, i, j, t);
}

float find_local_h(float x, float y, float *h, int *i, int *j, int *t)
{
    int li = *i, lj = *j, lt = *t;
    if (!find_ijt_with_loc(x, y, &li, &lj, &lt, 0) && !find_ijt_with_loc(x, y, &li, &lj, &lt, 1))
        return *h;
    *i = li;
    *j = lj;
    *t = lt;
    int di[3], dj[3];
    convert_ij_dxy(planediv[li][lj], lt, di, dj);
    float x1 = planex[li + di[0]][lj + dj[0]], y1 = planey[li + di[0]][lj + dj[0]];
    float z1 = planez[li + di[0]][lj + dj[0]];
    float x2 = planex[li + di[1]][lj + dj[1]], z2 = planez[li + di[1]][lj + dj[1]];
    float y3 = planey[li + di[2]][lj + dj[2]], z3 = planez[li + di[2]][lj + dj[2]];
    float hz = z1;
    if (x2 != x1)
        hz += (z2 - z1) / (x2 - x1) * (x - x1);
    if (y3 != y1)
        hz += (z3 - z1) / (y3 - y1) * (y - y1);
    *h = hz;
    return hz;
}

float findarea(float x1, float y1, float z1, float x2, float y2, float z2,
               float x3, float y3, float z3)
{
    float ax = x2 - x1, ay = y2 - y1, az = z2 - z1;
    float bx = x3 - x1, by = y3 - y1, bz = z3 - z1;
    return 0.5f * pythag3(ay * bz - az * by, az * bx - ax * bz, ax * by - ay * bx);
}

void work_down_circle(int r, int *y, int *x1, int *x2)
{
    if (*y > r || *y < -r)
        MACIBM_exitalert("y>r", "", "", "");
    int half = (int)sqrtf(fltmax2((float)r * r - (float)*y * *y, 0.0f));
    *x1 = -half;
    *x2 = half;
    *y += 1;
}
