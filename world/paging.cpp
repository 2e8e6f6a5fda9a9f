// Paging the region one degree as the aircraft nears an edge: the leaving
// quadrants' slots freed, every grid-sized array moved in place, the
// navigation entries renumbered, the incoming quadrants cleared and read,
// and the radios retuned. Fixed storage only: nothing is allocated here.
#include "world/local.h"

#include <cstring>
#include <initializer_list>
#include <type_traits>


enum { PAGE_WEST = 2, PAGE_EAST = 3, PAGE_NORTH = 4, PAGE_SOUTH = 5 };

struct PagePlan {
    int di, dj;              // quadrants the contents move (+1 east / north)
    int leaving[3], n_leaving;
    int incoming[3], n_incoming;
    int from[4], to[4], n_renumber;
};

static const PagePlan PLANS[6] = {
    {}, {},
    {1, 0, {3, 6}, 2, {1, 4}, 2, {2, 1, 5, 4}, {3, 2, 6, 5}, 4},        // west
    {-1, 0, {1, 4}, 2, {3, 6}, 2, {2, 3, 5, 6}, {1, 2, 4, 5}, 4},       // east
    {0, -1, {1, 2, 3}, 3, {4, 5, 6}, 3, {4, 5, 6}, {1, 2, 3}, 3},       // north
    {0, 1, {4, 5, 6}, 3, {1, 2, 3}, 3, {1, 2, 3}, {4, 5, 6}, 3},        // south
};

// Moves a 2-D (or deeper) array's contents by di rows of the first index and
// dj of the second; memmove copies overlapping ranges as from the far end.
template <typename A> static void shift_array(A &a, int di, int dj)
{
    constexpr int NI = std::extent_v<A, 0>, NJ = std::extent_v<A, 1>;
    if (di > 0)
        memmove(&a[di], &a[0], sizeof(a[0]) * (NI - di));
    else if (di < 0)
        memmove(&a[0], &a[-di], sizeof(a[0]) * (NI + di));
    if (dj == 0)
        return;
    for (int i = 0; i < NI; i++) {
        if (dj > 0)
            memmove(&a[i][dj], &a[i][0], sizeof(a[i][0]) * (NJ - dj));
        else
            memmove(&a[i][0], &a[i][-dj], sizeof(a[i][0]) * (NJ + dj));
    }
}

static void shift_data(int qi, int qj)
{
    int di = qi * QUAD_CI, dj = qj * QUAD_CJ;
    shift_array(planex, di, dj);
    shift_array(planey, di, dj);
    shift_array(planez, di, dj);
    shift_array(planediv, di, dj);
    shift_array(bldng_index, di, dj);
    shift_array(block_index, di, dj);
    shift_array(tower_on_poly, di, dj);
    shift_array(boat_on_poly, di, dj);
    shift_array(carr_on_poly, di, dj);
    shift_array(atm.therm_on_poly, di, dj);
    shift_array(planecol, di, dj);
    shift_array(on_cliff, di, dj);
    shift_array(on_water, di, dj);
    shift_array(on_field, di, dj);
    shift_array(light_on_poly, di, dj);
    shift_array(on_fire_now, di, dj);
    shift_array(was_on_fire, di, dj);
    shift_array(cityx, di, dj);
    shift_array(cityy, di, dj);
    shift_array(cityz, di, dj);
    env.i_aircraft = intlim(env.i_aircraft + di, 0, MESH_I - 2);
    env.j_aircraft = intlim(env.j_aircraft + dj, 0, MESH_J - 2);
    env.i_viewpoint = intlim(env.i_viewpoint + di, 0, MESH_I - 2);
    env.j_viewpoint = intlim(env.j_viewpoint + dj, 0, MESH_J - 2);
    shift_array(flt_wxr, qi * WXR_PER_DEG, qj * WXR_PER_DEG);
    shift_array(cloudz, qi * CLOUD_PER_DEG, qj * CLOUD_PER_DEG);
    shift_array(clouddiv, qi * CLOUD_PER_DEG, qj * CLOUD_PER_DEG);
    shift_array(cloudcol, qi * CLOUD_PER_DEG, qj * CLOUD_PER_DEG);
}

// The south-west corners the incoming quadrants are read against, one
// quadrant beyond the retained ones (the copy left the old values there).
static void extend_corners(int direction)
{
    if (direction == PAGE_WEST)
        for (int j : {0, QUAD_CJ})
            planex[0][j] = planex[QUAD_CI][j] - (planex[2 * QUAD_CI][j] - planex[QUAD_CI][j]);
    if (direction == PAGE_SOUTH)
        for (int i : {0, QUAD_CI, 2 * QUAD_CI})
            planey[i][0] = planey[i][QUAD_CJ] - (planey[i][2 * QUAD_CJ] - planey[i][QUAD_CJ]);
}

// Empties quadrant `to`, then gives quadrant `from`'s entries its number.
static void shift_q(int from, int to)
{
    for (int k = 0; k < MAX_NAV; k++)
        if (env.nav_quad[k] == to) {
            env.navmsc[k][0] = NAV_EMPTY;
            env.navname[k][0] = env.navID[k][0] = 0;
            env.nav_quad[k] = 0;
        }
    for (int k = 0; k < MAX_NAV; k++)
        if (env.nav_quad[k] == from)
            env.nav_quad[k] = to;
}

static int in_quadrant(int i, int j, int q)
{
    int i0 = QUAD_COL[q] * QUAD_CI, j0 = QUAD_ROW[q] * QUAD_CJ;
    return i >= i0 && i <= i0 + QUAD_CI && j >= j0 && j <= j0 + QUAD_CJ;
}

// Heights of the incoming quadrants' points that no retained quadrant
// shares: the copies left there must not reach the seam rule.
static void clear_incoming_points(const PagePlan &p)
{
    for (int n = 0; n < p.n_incoming; n++) {
        int q = p.incoming[n];
        int i0 = QUAD_COL[q] * QUAD_CI, j0 = QUAD_ROW[q] * QUAD_CJ;
        for (int i = i0; i <= i0 + QUAD_CI; i++)
            for (int j = j0; j <= j0 + QUAD_CJ; j++) {
                int retained = 0;
                for (int r = 1; r <= 6; r++) {
                    int incoming = 0;
                    for (int m = 0; m < p.n_incoming; m++)
                        incoming |= p.incoming[m] == r;
                    retained |= !incoming && in_quadrant(i, j, r);
                }
                if (!retained)
                    planez[i][j] = NO_HEIGHT;
            }
        // The copies of retained cells' slot numbers are not this quadrant's.
        for (int i = i0; i < i0 + QUAD_CI; i++)
            for (int j = j0; j < j0 + QUAD_CJ; j++)
                bldng_index[i][j] = block_index[i][j] = -1;
        clear_quadrant_cells(q);
    }
}

void drop_old_quadrants(int direction)
{
    if (direction < PAGE_WEST || direction > PAGE_SOUTH)
        return;
    const PagePlan &p = PLANS[direction];
    for (int n = 0; n < p.n_leaving; n++)
        drop_bld_quad(p.leaving[n]);
    shift_data(p.di, p.dj);
    extend_corners(direction);
    for (int n = 0; n < p.n_renumber; n++)
        shift_q(p.from[n], p.to[n]);
    clear_incoming_points(p);
}

static void page_step(int direction)
{
    const PagePlan &p = PLANS[direction];
    drop_old_quadrants(direction);
    env.lon_west += p.di;   // longitudes count westward
    env.lat_south -= p.dj;
    env.act_in = -1;
    for (int n = 0; n < p.n_incoming; n++) {
        int q = p.incoming[n];
        read_quadrant(env.lat_south + QUAD_ROW[q], env.lon_west - QUAD_COL[q], q);
    }
    finish_nav_readin(1);
    for (int i = 0; i < 5; i++)
        for (int j = 0; j < 4; j++)
            if ((p.di > 0 && i == 0) || (p.di < 0 && i == 4) || (p.dj > 0 && j == 0) ||
                (p.dj < 0 && j == 3))
                fill_a_sector_with_ocast(i, j);
    for (int w = 0; w <= 6; w++)
        world_calls.setnav(w, 0, 0);
    ins.tickle_all = 1;
    env.pages++;
}

int page_region_if_needed(double x, double y)
{
    double west = planex[0][0], east = planex[MESH_I - 1][0];
    double south = planey[0][0], north = planey[0][MESH_J - 1];
    double mx = 0.3333 * (east - west), my = 0.25 * (north - south);
    if (!(mx > 0.0) || !(my > 0.0))
        return 0;
    int direction = 0;
    if (x < west + mx)
        direction = PAGE_WEST;
    else if (x > east - mx)
        direction = PAGE_EAST;
    else if (y < south + my)
        direction = PAGE_SOUTH;
    else if (y > north - my)
        direction = PAGE_NORTH;
    if (direction)
        page_step(direction);
    return direction;
}
