// Which cells of the terrain (or cloud) grid are drawn and in which order:
// the scene has no depth buffer, so cells are painted far to near, the
// outer loop across the view direction's main axis. Also keeps the current
// airport (whose runways, tower and hangars are built) the nearest one ahead.
#include "view/view.h"

#include <cmath>
#include <cstring>

#include "world/world.h"

int invrange[MESH_I][MESH_J];

constexpr float SATELLITE_RANGE_M = 20000.0f;
constexpr float RANGE_PER_VIS = 1.5f;          // drawn range per unit of visibility
constexpr float COS_AIRPORT_CONE = 0.70710678f;   // cos 45 deg: airports ahead
constexpr float AIRPORT_NEAR_NM = 2.0f;        // airports this near count from any side
constexpr int CLOUD_CUT_CELLS = 2;             // cloud cells kept behind the viewpoint
constexpr int LAST_CELL_I = MESH_I - 2, LAST_CELL_J = MESH_J - 2;
constexpr int LAST_CLOUD_CELL_I = CLOUD_I - 2, LAST_CLOUD_CELL_J = CLOUD_J - 2;

// The nearest airport of the region among those within 45 degrees of the
// camera heading or within 2 nm becomes the current one.
static void keep_nearest_airport()
{
    float near_m = AIRPORT_NEAR_NM * con.nmtomtrs, best_d = 0.0f;
    int best = -1;
    for (int n = 0; n <= env.apt_max && n < MAX_NAV; n++) {
        int k = env.apt_to_index[n];
        if (k < 0 || k >= MAX_NAV)
            continue;
        float dx = env.navxyz[k][0] - con.VIEW_loc_x, dy = env.navxyz[k][1] - con.VIEW_loc_y;
        float d = sqrtf(dx * dx + dy * dy);
        int ahead = dx * con.sinVIEWpsi + dy * con.cosVIEWpsi >= d * COS_AIRPORT_CONE;
        if ((ahead || d <= near_m) && (best < 0 || d < best_d)) {
            best = n;
            best_d = d;
        }
    }
    if (best < 0)
        return;
    msc.loc_apt = best;
    if (env.apt_to_index[best] != msc.loc_index) {
        msc.loc_index = env.apt_to_index[best];
        setnewlocale();
    }
}

// Cuts the half of a range behind the viewpoint cell (vi, vj), keeping
// `keep` cells of it: east-looking octants drop the columns west of it,
// south-looking the rows north of it, and so on.
static void cut_behind(int view_oct, int vi, int vj, int keep, int *i1, int *j1, int *i2, int *j2)
{
    switch (view_oct) {
    case 2: case 3: *i1 = intmax2(*i1, vi - keep); break;
    case 4: case 5: *j2 = intmin2(*j2, vj + keep); break;
    case 6: case 7: *i2 = intmin2(*i2, vi + keep); break;
    default: *j1 = intmax2(*j1, vj - keep); break;
    }
}

// Range radius (m) round the camera within which terrain points are drawn.
static float terrain_range_m()
{
    float r;
    if (set.viewtype == VIEW_SATELLITE)
        r = SATELLITE_RANGE_M;
    else if (set.viewtype == VIEW_REPLAY)
        r = RANGE_PER_VIS * atm.vis_effective;
    else
        r = RANGE_PER_VIS * atm.vis + flt.v;
    return fltmax2(r, con.nmtomtrs);
}

// Terrain cells: the extreme points within range, the half behind the
// viewpoint cut off, widened by one cell. 0 when no point is in range.
static int terrain_bounds(int view_oct, int *i1, int *j1, int *i2, int *j2)
{
    memset(invrange, 0, sizeof invrange);
    float r = terrain_range_m(), r2 = r * r;
    *i1 = *j1 = MESH_I;
    *i2 = *j2 = -1;
    for (int i = 1; i < MESH_I; i++)
        for (int j = 1; j < MESH_J; j++) {
            float dx = planex[i][j] - con.VIEW_loc_x, dy = planey[i][j] - con.VIEW_loc_y;
            if (!(dx * dx + dy * dy <= r2))
                continue;
            invrange[i][j] = 1;
            *i1 = intmin2(*i1, i);
            *i2 = intmax2(*i2, i);
            *j1 = intmin2(*j1, j);
            *j2 = intmax2(*j2, j);
        }
    if (*i2 < 0)
        return 0;
    if (set.viewtype != VIEW_SATELLITE)
        cut_behind(view_oct, env.i_viewpoint, env.j_viewpoint, 1, i1, j1, i2, j2);
    *i1 = intlim(*i1 - 1, 0, LAST_CELL_I);
    *i2 = intlim(*i2 + 1, 0, LAST_CELL_I);
    *j1 = intlim(*j1 - 1, 0, LAST_CELL_J);
    *j2 = intlim(*j2 + 1, 0, LAST_CELL_J);
    return 1;
}

// Camera position mapped across a grid axis from p0 to p1 onto 0..n.
static int cloud_cell(float camera, float p0, float p1, int n)
{
    float span = p1 - p0;
    if (!(fabsf(span) > 0.0f))
        return 0;
    float c = (camera - p0) / span * n;
    return c > -1.0e6f && c < 1.0e6f ? (int)floorf(c) : 0;
}

// Cloud cells: the whole cloud grid cut at the viewpoint's cloud cell, or in
// the satellite view a square round it.
static void cloud_bounds(int view_oct, int *i1, int *j1, int *i2, int *j2)
{
    int ci = cloud_cell(con.VIEW_loc_x, cloudx[0][0], cloudx[CLOUD_I - 1][0], CLOUD_I);
    int cj = cloud_cell(con.VIEW_loc_y, cloudy[0][0], cloudy[0][CLOUD_J - 1], CLOUD_J);
    *i1 = *j1 = 0;
    *i2 = CLOUD_I - 1;
    *j2 = CLOUD_J - 1;
    if (set.viewtype == VIEW_SATELLITE) {
        *i1 = ci - CLOUD_CUT_CELLS;
        *i2 = ci + CLOUD_CUT_CELLS;
        *j1 = cj - CLOUD_CUT_CELLS;
        *j2 = cj + CLOUD_CUT_CELLS;
    } else {
        cut_behind(view_oct, ci, cj, CLOUD_CUT_CELLS, i1, j1, i2, j2);
    }
    *i1 = intlim(*i1, 0, LAST_CLOUD_CELL_I);
    *i2 = intlim(*i2, 0, LAST_CLOUD_CELL_I);
    *j1 = intlim(*j1, 0, LAST_CLOUD_CELL_J);
    *j2 = intlim(*j2, 0, LAST_CLOUD_CELL_J);
}

// One loop over the cells lo..hi-1: upward, or downward from hi - 1; the
// stop is exclusive.
static void loop_over(int lo, int hi, int upward, int *start, int *stop, int *inc)
{
    *start = upward ? lo : hi - 1;
    *stop = upward ? hi : lo - 1;
    *inc = upward ? 1 : -1;
}

void set_bounds(int view_oct)
{
    keep_nearest_airport();
    scn.vlines = view_oct == 2 || view_oct == 3 || view_oct == 6 || view_oct == 7;
    scn.sweepcon = view_oct >= 1 && view_oct <= 8 ? (view_oct + 1) / 2 : 0;
    int i1, j1, i2, j2;
    int terrain = !scn.abovetops && (scn.belowbases || atm.clear || !(flt.vu > 0.0f));
    if (terrain) {
        if (!terrain_bounds(view_oct, &i1, &j1, &i2, &j2))
            i1 = i2 = j1 = j2 = 0;
    } else {
        cloud_bounds(view_oct, &i1, &j1, &i2, &j2);
    }
    // A range cut away entirely draws nothing (and its loops stay finite).
    scn.i1_plot_bound = i1;
    scn.i2_plot_bound = intmax2(i1, i2);
    scn.j1_plot_bound = j1;
    scn.j2_plot_bound = intmax2(j1, j2);
    int is, ie, ii, js, je, ji;
    loop_over(scn.i1_plot_bound, scn.i2_plot_bound, scn.sweepcon == 3 || scn.sweepcon == 4, &is, &ie, &ii);
    loop_over(scn.j1_plot_bound, scn.j2_plot_bound, scn.sweepcon == 2 || scn.sweepcon == 3, &js, &je, &ji);
    if (!scn.vlines) {
        int_switch(&is, &js);
        int_switch(&ie, &je);
        int_switch(&ii, &ji);
    }
    scn.plot_i_start = is;
    scn.plot_i_stop = ie;
    scn.i_inc = ii;
    scn.plot_j_start = js;
    scn.plot_j_stop = je;
    scn.j_inc = ji;
}
