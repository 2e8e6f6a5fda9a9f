// Buildings, city blocks and hangars as shaded solids: only the faces
// turned to the camera are painted (each solid is convex, so they never
// overlap), north and south walls a step lighter than east and west ones,
// roofs dark; a tower's stacked tiers painted from the one furthest from
// the camera's height to the nearest.
#include "view/local.h"

constexpr int LIGHT_WALL = 80, DARK_WALL = 81, ROOF = 82;
constexpr int ROOF_DOT = 59, OBSTRUCTION = 30;
constexpr int N_ROOF_DOTS = 36;
constexpr float BLOCK_SIDE_M = 30.0f;

void solid_face(int color, const float p[][3], int n, const float centre[3])
{
    // The face's normal, turned outward (away from the solid's inside).
    float a[3], b[3], nrm[3], mid[3] = {0, 0, 0};
    for (int k = 0; k < 3; k++) {
        a[k] = p[1][k] - p[0][k];
        b[k] = p[n - 1][k] - p[0][k];
        for (int c = 0; c < n; c++)
            mid[k] += p[c][k] / n;
    }
    nrm[0] = a[1] * b[2] - a[2] * b[1];
    nrm[1] = a[2] * b[0] - a[0] * b[2];
    nrm[2] = a[0] * b[1] - a[1] * b[0];
    float out = 0.0f, toward = 0.0f;
    for (int k = 0; k < 3; k++) {
        out += nrm[k] * (mid[k] - centre[k]);
        toward += nrm[k] * mid[k];
    }
    // Seen from outside when the camera (the origin) lies on the outer side.
    if (!(out * toward < 0.0f))
        return;
    int clip = !all_on_screen(p, n);
    if (n == 3)
        manage_poly3(color, p[0], p[1], p[2], clip, 0);
    else
        manage_poly4(color, p[0], p[1], p[2], p[3], clip, 0);
}

// An upright box round (x, y) from height z0 to z1, side w (m).
static void draw_box(float x, float y, float z0, float z1, float w)
{
    float h = 0.5f * w, c[8][3], centre[3];
    static const float SX[4] = {-1, 1, 1, -1}, SY[4] = {-1, -1, 1, 1};
    for (int k = 0; k < 4; k++) {
        to_camera(x + SX[k] * h, y + SY[k] * h, z0, c[k]);
        to_camera(x + SX[k] * h, y + SY[k] * h, z1, c[k + 4]);
    }
    to_camera(x, y, 0.5f * (z0 + z1), centre);
    // Corner numbers of each face: south, east, north, west, roof, floor.
    static const int FACES[6][4] = {{0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6},
                                    {3, 0, 4, 7}, {4, 5, 6, 7}, {0, 3, 2, 1}};
    static const int COLORS[6] = {LIGHT_WALL, DARK_WALL, LIGHT_WALL, DARK_WALL, ROOF, ROOF};
    for (int f = 0; f < 6; f++) {
        float q[4][3];
        for (int k = 0; k < 4; k++)
            for (int a = 0; a < 3; a++)
                q[k][a] = c[FACES[f][k]][a];
        solid_face(COLORS[f], q, 4, centre);
    }
}

// Painting order of a tower's tiers 1..3 (tier 0 is its foot): those
// wholly above the camera from the top down, those below from the bottom
// up, the one at the camera's height last.
static int tier_order(int b, int order[6])
{
    float zc = con.VIEW_loc_z - bldng_z[b];
    int n = 0;
    for (int t = 3; t >= 1; t--)
        if (bldng_dz[b][t - 1] >= zc)
            order[n++] = t;
    for (int t = 1; t <= 3; t++)
        if (bldng_dz[b][t] <= zc)
            order[n++] = t;
    for (int t = 1; t <= 3; t++)
        if (bldng_dz[b][t - 1] < zc && bldng_dz[b][t] > zc)
            order[n++] = t;
    return n;
}

void plot_a_bldng(int b)
{
    if (b < 0 || b >= MAX_BLDNG || !(bldng_dz[b][3] > 0.0f))
        return;
    int order[6], n = tier_order(b, order);
    for (int k = 0; k < n; k++) {
        int t = order[k];
        if (bldng_dz[b][t] > bldng_dz[b][t - 1])
            draw_box(bldng_x[b], bldng_y[b], bldng_z[b] + bldng_dz[b][t - 1], bldng_z[b] + bldng_dz[b][t],
                     bldng_dx[b][t]);
    }
    if (b == 0 || !(con.VIEW_loc_z > bldng_z[b] + bldng_dz[b][3]))
        return;
    for (int k = 0; k < N_ROOF_DOTS; k++)
        show_light(k, helipad_x[b][k], helipad_y[b][k], bldng_z[b] + bldng_dz[b][3], ROOF_DOT);
}

void plot_a_block(int b)
{
    if (b < 0 || b >= MAX_BLOCK || !(block_dz[b] > 0.0f))
        return;
    float top = block_z[b] + block_dz[b];
    draw_box(block_x[b], block_y[b], block_z[b], top, BLOCK_SIDE_M);
    if (!scn.draw_lights)
        return;
    static const float SX[4] = {-1, 1, 1, -1}, SY[4] = {-1, -1, 1, 1};
    for (int k = 0; k < 4; k++)
        show_light(4 * b + k, block_x[b] + SX[k] * 0.5f * BLOCK_SIDE_M, block_y[b] + SY[k] * 0.5f * BLOCK_SIDE_M,
                   top, OBSTRUCTION);
}

void plot_a_hangar(int n)
{
    if (n < 0 || n > 3)
        return;
    // Long walls light, gable ends dark, the two roof halves darkest.
    static const int COLORS[8] = {LIGHT_WALL, LIGHT_WALL, DARK_WALL, DARK_WALL,
                                  DARK_WALL, DARK_WALL, ROOF, ROOF};
    float q[8][4][3], centre[3] = {0, 0, 0};
    for (int f = 0; f < 8; f++)
        for (int c = 0; c < 4; c++) {
            to_camera(hangarx[n][f][c], hangary[n][f][c], hangarz[n][f][c], q[f][c]);
            for (int a = 0; a < 3; a++)
                centre[a] += q[f][c][a] / 32.0f;
        }
    for (int f = 0; f < 8; f++)
        solid_face(COLORS[f], q[f], 4, centre);
}
