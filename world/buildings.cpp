// Tall buildings and city blocks in fixed slot tables: the towns round the
// larger airports of each quadrant, their slot allocators, and the freeing
// of a quadrant's slots when it leaves the region.
#include "world/local.h"

#include <cmath>

#include "world/world.h"


static int bldng_cursor = 1, block_cursor = 1;

static void free_bldng(int b)
{
    for (int k = 0; k < 4; k++)
        bldng_dz[b][k] = -1.0f;
}

void free_all_buildings()
{
    for (int b = 0; b < MAX_BLDNG; b++)
        free_bldng(b);
    for (int b = 0; b < MAX_BLOCK; b++)
        block_dz[b] = -1.0f;
    bldng_cursor = block_cursor = 1;
    for (int i = 0; i < MESH_I; i++)
        for (int j = 0; j < MESH_J; j++)
            bldng_index[i][j] = block_index[i][j] = -1;
}

int get_next_free_bldng()
{
    for (int steps = 0; steps <= MAX_BLDNG; steps++) {
        bldng_cursor = bldng_cursor >= MAX_BLDNG - 1 ? 1 : bldng_cursor + 1;
        if (!(bldng_dz[bldng_cursor][3] > 0.0f))
            return bldng_cursor;
    }
    MACIBM_exitalert("Couldn't find array space for building!", "", "", "");
}

int get_next_free_block()
{
    for (int steps = 0; steps <= MAX_BLOCK; steps++) {
        block_cursor = block_cursor >= MAX_BLOCK - 1 ? 1 : block_cursor + 1;
        if (!(block_dz[block_cursor] > 0.0f))
            return block_cursor;
    }
    MACIBM_exitalert("Couldn't find array space for block!", "", "", "");
}

static int field_cell(int i, int j)
{
    return cell_in_grid(i, j) && (on_field[i][j][0] || on_field[i][j][1]);
}

int ok_to_build(int i, int j)
{
    if (!cell_in_grid(i, j) || on_water[i][j][0] || on_water[i][j][1])
        return 0;
    if (field_cell(i, j) || field_cell(i - 1, j) || field_cell(i, j - 1) || field_cell(i - 1, j - 1))
        return 0;
    return bldng_index[i][j] < 0 && block_index[i][j] < 0;
}

static void tower_shape(int b, int type)
{
    float wide = fltrand(50.0f, 60.0f);
    float narrow = type == 20 ? 0.9f * wide : fltrand(40.0f, 50.0f);
    float h = fltrand(200.0f, 300.0f);
    static const float TOPS[3][4] = {{0, 0.94f, 0.97f, 1}, {0, 0.1f, 0.1f, 1}, {0, 0.1f, 0.9f, 1}};
    static const int WIDE[3][4] = {{1, 1, 0, 0}, {0, 0, 1, 1}, {0, 1, 1, 0}};
    for (int k = 0; k < 4; k++) {
        bldng_dx[b][k] = bldng_dy[b][k] = WIDE[type - 20][k] ? wide : narrow;
        bldng_dz[b][k] = TOPS[type - 20][k] * h;
    }
    for (int k = 0; k < 36; k++) {
        helipad_x[b][k] = bldng_x[b] + 30.0f * lsin[k * 10];
        helipad_y[b][k] = bldng_y[b] + 30.0f * lcos[k * 10];
    }
}

void make_a_building(int i, int j, int t, int b, int type)
{
    if (!cell_in_grid(i, j))
        return;
    int di[3], dj[3];
    convert_ij_dxy(planediv[i][j], t, di, dj);
    float x = 0.0f, y = 0.0f;
    for (int k = 0; k < 3; k++) {
        x += planex[i + di[k]][j + dj[k]] / 3.0f;
        y += planey[i + di[k]][j + dj[k]] / 3.0f;
    }
    float h = 0.0f;
    int fi = i, fj = j, ft = t;
    find_local_h(x, y, &h, &fi, &fj, &ft);
    if (type == 19 && b >= 1 && b < MAX_BLOCK) {
        block_x[b] = x;
        block_y[b] = y;
        block_z[b] = h;
        block_dx[b] = block_dy[b] = 30.0f;
        block_dz[b] = 150.0f;
    } else if (type >= 20 && type <= 22 && b >= 0 && b < MAX_BLDNG) {
        bldng_x[b] = x;
        bldng_y[b] = y;
        bldng_z[b] = h;
        tower_shape(b, type);
    }
}

void drop_bld_quad(int quadrant)
{
    if (quadrant < 1 || quadrant > 6)
        return;
    int i0 = QUAD_COL[quadrant] * QUAD_CI, j0 = QUAD_ROW[quadrant] * QUAD_CJ;
    for (int i = i0; i < i0 + QUAD_CI; i++)
        for (int j = j0; j < j0 + QUAD_CJ; j++) {
            int b = bldng_index[i][j], k = block_index[i][j];
            if (b > 0 && b < MAX_BLDNG)
                free_bldng(b);
            if (k > 0 && k < MAX_BLOCK)
                block_dz[k] = -1.0f;
            bldng_index[i][j] = block_index[i][j] = -1;
        }
}

// The four airports of the quadrant with the longest runway; a later one
// replaces the shortest kept only when strictly longer.
static int town_airports(int quadrant, int kept[4])
{
    int n = 0, len[4];
    for (int k = 0; k < MAX_NAV; k++) {
        if (env.nav_quad[k] != quadrant || !is_airport(env.navmsc[k][0]))
            continue;
        int l = intmax2(env.navmsc[k][1], env.navmsc[k][5]);
        if (n < 4) {
            kept[n] = k;
            len[n++] = l;
            continue;
        }
        int s = 0;
        for (int m = 1; m < 4; m++)
            if (len[m] < len[s])
                s = m;
        if (l > len[s]) {
            kept[s] = k;
            len[s] = l;
        }
    }
    return n;
}

// Twelve tries for blocks and six for buildings within five cells, kept to
// the quadrant's own cells so that dropping the quadrant frees them all.
static void build_town(int ci, int cj, int i0, int j0)
{
    for (int n = 0; n < 18; n++) {
        int slot = n < 12 ? get_next_free_block() : get_next_free_bldng();
        int i = intlim(ci + intrand(-5, 5), i0, i0 + QUAD_CI - 1);
        int j = intlim(cj + intrand(-5, 5), j0, j0 + QUAD_CJ - 1);
        if (!ok_to_build(i, j))
            continue;
        if (n < 12) {
            block_index[i][j] = slot;
            make_a_building(i, j, 1, slot, 19);
        } else {
            bldng_index[i][j] = slot;
            make_a_building(i, j, 1, slot, intrand(20, 22));
        }
    }
}

// Cells from v0 to v along a line of `cells` cells ending at v1, within it.
static int cell_along(float v, float v0, float v1, int cells)
{
    float f = (v - v0) / (v1 - v0) * (float)cells;
    return std::isfinite(f) ? (int)fltlim(f, 0.0f, (float)cells) : 0;
}

void build_towns(int quadrant)
{
    int kept[4];
    int n = town_airports(quadrant, kept);
    int i0 = QUAD_COL[quadrant] * QUAD_CI, j0 = QUAD_ROW[quadrant] * QUAD_CJ;
    for (int a = 0; a < n; a++) {
        // The search starts where the quadrant's own corners put the airport.
        float x = env.navxyz[kept[a]][0], y = env.navxyz[kept[a]][1];
        int i1 = i0 + QUAD_CI - 1, j1 = j0 + QUAD_CJ - 1;
        int ci = i0 + cell_along(x, planex[i0][j0], planex[i1][j0], QUAD_CI - 1);
        int cj = j0 + cell_along(y, planey[i0][j0], planey[i0][j1], QUAD_CJ - 1);
        int ct = 0;
        if (!find_ijt_with_loc(x, y, &ci, &cj, &ct, 1))
            continue;
        build_town(intlim(ci, i0, i0 + QUAD_CI - 1), intlim(cj, j0, j0 + QUAD_CJ - 1), i0, j0);
    }
}
