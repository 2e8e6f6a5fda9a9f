// What a quadrant's file does not carry: slope colours and cliffs, city
// lights, radio towers, the towns round the larger airports, boats and the
// carrier, and the storm field.
#include "world/local.h"

#include <cmath>

#include "world/world.h"

constexpr int WATER_COLOR = 79;
constexpr float CLIFF_SLOPE = 0.15f;   // summed leg slopes above which a triangle is a cliff

static void cell_range(int quadrant, int *i0, int *j0)
{
    *i0 = QUAD_COL[quadrant] * QUAD_CI;
    *j0 = QUAD_ROW[quadrant] * QUAD_CJ;
}

void clear_quadrant_cells(int quadrant)
{
    drop_bld_quad(quadrant);
    int i0, j0;
    cell_range(quadrant, &i0, &j0);
    for (int i = i0; i < i0 + QUAD_CI; i++)
        for (int j = j0; j < j0 + QUAD_CJ; j++) {
            planediv[i][j] = 0;
            tower_on_poly[i][j] = boat_on_poly[i][j] = carr_on_poly[i][j] = 0;
            bldng_index[i][j] = block_index[i][j] = -1;
            atm.therm_on_poly[i][j] = 0;
            for (int t = 0; t < 2; t++) {
                planecol[i][j][t] = WATER_COLOR;
                on_water[i][j][t] = on_field[i][j][t] = on_cliff[i][j][t] = 0;
                light_on_poly[i][j][t] = on_fire_now[i][j][t] = was_on_fire[i][j][t] = 0;
            }
        }
}

// Corners of triangle t in plane order: right angle, then its i and j neighbours.
static void corners(int i, int j, int t, int ci[3], int cj[3])
{
    int di[3], dj[3];
    convert_ij_dxy(planediv[i][j], t, di, dj);
    for (int k = 0; k < 3; k++) {
        ci[k] = i + di[k];
        cj[k] = j + dj[k];
    }
}

static float leg_slope(int a_i, int a_j, int b_i, int b_j, int along_x)
{
    float d = along_x ? planex[a_i][a_j] - planex[b_i][b_j] : planey[a_i][a_j] - planey[b_i][b_j];
    if (d == 0.0f)
        return 0.0f;
    return fabsf((planez[a_i][a_j] - planez[b_i][b_j]) / d);
}

static void colour_triangle(int i, int j, int t)
{
    if (on_water[i][j][t]) {
        planecol[i][j][t] = WATER_COLOR;
        on_cliff[i][j][t] = 0;
        return;
    }
    int ci[3], cj[3];
    corners(i, j, t, ci, cj);
    float s = leg_slope(ci[0], cj[0], ci[2], cj[2], 0) + leg_slope(ci[0], cj[0], ci[1], cj[1], 1);
    on_cliff[i][j][t] = s >= CLIFF_SLOPE;
    if (on_cliff[i][j][t])
        planecol[i][j][t] = intlim(iround(interp(0.15f, 75.0f, 0.6f, 78.0f, s)), 75, 78);
    else
        planecol[i][j][t] = intlim(iround(interp(0.0f, 65.0f, 0.15f, 74.0f, s)), 65, 74);
}

static int field_near(int i, int j)
{
    for (int a = intmax2(i - 4, 0); a <= intmin2(i + 4, MESH_I - 2); a++)
        for (int b = intmax2(j - 4, 0); b <= intmin2(j + 4, MESH_J - 2); b++)
            if (on_field[a][b][0] || on_field[a][b][1])
                return 1;
    return 0;
}

static void light_triangle(int i, int j, int t)
{
    int ci[3], cj[3];
    corners(i, j, t, ci, cj);
    for (int n = 0; n < 3; n++) {
        float f1 = fltrand(0.01f, 0.99f), f2 = fltrand(0.01f, 0.99f);
        float p[3], a[3], b[3], c[3];
        const float *grid[3] = {&planex[0][0], &planey[0][0], &planez[0][0]};
        for (int d = 0; d < 3; d++) {
            a[d] = grid[d][ci[0] * MESH_J + cj[0]];
            b[d] = grid[d][ci[1] * MESH_J + cj[1]];
            c[d] = grid[d][ci[2] * MESH_J + cj[2]];
            p[d] = b[d] + f1 * (c[d] - b[d]);
        }
        cityx[i][j][t][n] = a[0] + f2 * (p[0] - a[0]);
        cityy[i][j][t][n] = a[1] + f2 * (p[1] - a[1]);
        cityz[i][j][t][n] = a[2] + f2 * (p[2] - a[2]);
    }
}

// Every point of the quadrant, its border included, whose cell is in the grid.
static void city_lights(int i0, int j0)
{
    for (int i = i0; i <= i0 + QUAD_CI; i++)
        for (int j = j0; j <= j0 + QUAD_CJ; j++) {
            if (!cell_in_grid(i, j))
                continue;
            int near = field_near(i, j);
            for (int t = 0; t < 2; t++) {
                int lit = near || intrand(1, 5) == 1;
                if (on_water[i][j][t] || on_field[i][j][t] || on_cliff[i][j][t])
                    lit = 0;
                light_on_poly[i][j][t] = lit;
                if (lit)
                    light_triangle(i, j, t);
            }
        }
}

static int cell_has(int f[MESH_I][MESH_J][2], int i, int j) { return f[i][j][0] || f[i][j][1]; }

static void radio_towers(int i0, int j0)
{
    for (int i = i0; i <= i0 + QUAD_CI; i++)
        for (int j = j0; j <= j0 + QUAD_CJ; j++) {
            if (!cell_in_grid(i, j))
                continue;
            tower_on_poly[i][j] = 0;
            for (int t = 0; t < 2; t++)
                on_fire_now[i][j][t] = was_on_fire[i][j][t] = 0;
            if (i <= 1 || i >= 113 || j <= 1 || j >= 99 || cell_has(on_water, i, j))
                continue;
            if (cell_has(on_field, i, j) || cell_has(on_field, i - 1, j) ||
                cell_has(on_field, i, j - 1) || cell_has(on_field, i - 1, j - 1))
                continue;
            tower_on_poly[i][j] = fltrand(0.0f, 1.0f) < 0.05f;
            (void)fltrand(0.0f, 1.0f);
        }
}

static int water_count(int i, int j) { return on_water[i][j][0] + on_water[i][j][1]; }

static void boats(int i0, int j0)
{
    for (int b = 0; b < MAX_BOATS; b++)
        env.boatx[b] = env.boaty[b] = env.boatz[b] = 0.0f;
    int carrier = 0;
    for (int i = i0 + 1; i <= i0 + 36; i++)
        for (int j = j0 + 1; j <= j0 + 48; j++) {
            if (water_count(i, j) != 2)
                continue;
            int land = 8 - water_count(i - 1, j) - water_count(i + 1, j) - water_count(i, j - 1) -
                       water_count(i, j + 1);
            if (land != 1)
                continue;
            if (fltrand(0.0f, 1.0f) < 0.1f)
                boat_on_poly[i][j] = 1;
            else if (!carrier)
                carr_on_poly[i][j] = carrier = 1;
        }
}

void generate_quadrant(int quadrant)
{
    int i0, j0;
    cell_range(quadrant, &i0, &j0);
    for (int i = i0; i < i0 + QUAD_CI; i++)
        for (int j = j0; j < j0 + QUAD_CJ; j++)
            for (int t = 0; t < 2; t++)
                colour_triangle(i, j, t);
    city_lights(i0, j0);
    radio_towers(i0, j0);
    build_towns(quadrant);
    boats(i0, j0);
    gen_wx_for_a_sector(QUAD_COL[quadrant], QUAD_ROW[quadrant]);
}
