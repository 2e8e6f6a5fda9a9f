// The terrain and the top of the cloud deck: every grid point of the drawn
// range turned into camera axes once per frame, then the cells painted far
// to near as two triangles each, and with each cell what stands in it
// (city lights, radio towers, the airport beacon, buildings, ships,
// traffic, the lightning bolt).
#include "view/local.h"

#include <cmath>

#include "world/world.h"

constexpr int BURNING = 80, BURNT = 82;
constexpr int CITY_COLORS[3] = {53, 54, 53};
constexpr int RED = 30, WHITE = 55, GREEN = 57, DARK = 11;
constexpr float TOWER_STEP_M = 30.0f;        // lights up a radio tower
constexpr int FLASH_TOWER_LIGHTS = 14, PULSE_TOWER_LIGHTS = 10;
constexpr int FLASH_PERIOD = 30, PULSE_PERIOD = 25;
constexpr int BEACON_PERIOD = 120, BEACON_SLOT_PHASE = 10;
constexpr float HEIGHT_LOADED = -9998.0f;    // planez above this holds a loaded point

static ScreenPoint tpt[MESH_I][MESH_J];
static ScreenPoint cpt[CLOUD_I][CLOUD_J];

void project_world_point(ScreenPoint *p, float x, float y, float z)
{
    to_camera(x, y, z, p->c);
    p->front = p->c[1] > HITHER_M;
    p->visible = 0;
    if (!p->front)
        return;
    float u = p->c[0] / p->c[1], v = p->c[2] / p->c[1];
    float fx = con.off_view_center_fx + con.zom_pp45 * u, fy = con.off_view_center_fy - con.zom_pp45 * v;
    p->visible = fx >= con.off_flt_lft && fx <= con.off_flt_rgt && fy >= con.off_flt_top && fy <= con.off_flt_bot;
    if (p->visible) {
        p->sx = XFRM_x(u);
        p->sy = XFRM_y(v);
    }
}

void mesh_triangle(int color, const ScreenPoint *a, const ScreenPoint *b, const ScreenPoint *c)
{
    if (!(a->visible && b->visible && c->visible)) {
        any_poly3_3D(color, a->c, b->c, c->c, 1, 1);
        return;
    }
    if (scn.poly_breakup) {
        any_poly3_3D(color, a->c, b->c, c->c, 0, 0);
        return;
    }
    // Facing the camera: clockwise on the screen, as the back-face test of
    // the pipeline decides for points in front.
    long cross = (long)(b->sx - a->sx) * (c->sy - a->sy) - (long)(c->sx - a->sx) * (b->sy - a->sy);
    if (cross <= 0)
        return;
    color = haze_color((a->c[1] + b->c[1] + c->c[1]) / 3.0f, color);
    if (color == NO_COLOR)
        return;
    MACIBM_poly3(color, a->sx, a->sy, b->sx, b->sy, c->sx, c->sy, 1);
    pipe_pieces++;
}

void walk_cells(void (*cell)(int i, int j))
{
    for (int a = scn.plot_i_start; a != scn.plot_i_stop; a += scn.i_inc)
        for (int b = scn.plot_j_start; b != scn.plot_j_stop; b += scn.j_inc)
            cell(scn.vlines ? a : b, scn.vlines ? b : a);
}

void assign_pxy()
{
    for (int i = scn.i1_plot_bound; i <= scn.i2_plot_bound + 1 && i < MESH_I; i++)
        for (int j = scn.j1_plot_bound; j <= scn.j2_plot_bound + 1 && j < MESH_J; j++)
            project_world_point(&tpt[i][j], planex[i][j], planey[i][j], planez[i][j]);
}

void cityplot(int i, int j, int t)
{
    for (int k = 0; k < 3; k++)
        show_light(((i * MESH_J + j) * 2 + t) * 3 + k, cityx[i][j][t][k], cityy[i][j][t][k],
                   cityz[i][j][t][k], CITY_COLORS[k]);
}

// A flashing tower in even columns: red and white dots up its height, all
// of them flashing once a cycle, the red top light larger while it flashes.
static void flashing_tower(int i, int j)
{
    int phase = (scn.rb_cycle + i + j) % FLASH_PERIOD;
    for (int k = 0; k < FLASH_TOWER_LIGHTS; k++) {
        int color = k == FLASH_TOWER_LIGHTS - 1 || k % 2 == 0 ? RED : WHITE;
        int size = phase == 0 ? 1 : 0;
        if (k == FLASH_TOWER_LIGHTS - 1)
            size = phase == 0 ? 2 : phase < 3 ? 1 : 0;
        generalplot(planex[i][j], planey[i][j], planez[i][j] + TOWER_STEP_M * k, color, size);
    }
}

// A pulsing tower in odd columns: every light brightening and fading together.
static void pulsing_tower(int i, int j)
{
    int color = pulse_color((scn.rb_cycle + i + j) % PULSE_PERIOD);
    if (color == DARK)
        return;
    for (int k = 0; k < PULSE_TOWER_LIGHTS; k++)
        generalplot(planex[i][j], planey[i][j], planez[i][j] + TOWER_STEP_M * k, color, 0);
}

// The rotating beacon of airport slot s: a white flash, then a green one
// half a turn later; each airport's phase set by its slot.
static void beacon(int s)
{
    int p = (BEACON_SLOT_PHASE * s + scn.rb_cycle) % BEACON_PERIOD;
    int color = p >= 40 && p <= 50 ? WHITE : p >= 100 && p <= 110 ? GREEN : 0;
    if (color)
        generalplot(beacx[s], beacy[s], beacz[s], color, p == 45 || p == 105 ? 3 : 1);
}

// The ten traffic aircraft standing in cell (i, j) below the cloud base.
static void traffic_in_cell(int i, int j)
{
    for (int n = 0; n < MAX_TRAFFIC; n++)
        if (traf_i[n] == i && traf_j[n] == j && (atm.clear || traf_z[n][0] < atm.baseMSL))
            draw_a_plane(n);
}

static void cell_objects(int i, int j)
{
    if (atm.strike_up && i == atm.i_strike && j == atm.j_strike)
        draw_lightning_strike();
    traffic_in_cell(i, j);
    if (scn.draw_lights) {
        if (tower_on_poly[i][j])
            (i % 2 == 0 ? flashing_tower : pulsing_tower)(i, j);
        int s = beacon_index[i][j];
        if (s >= 0 && s < MAX_NAV)
            beacon(s);
    }
    if (bldng_index[i][j] > 0 && bldng_index[i][j] < MAX_BLDNG)
        plot_a_bldng(bldng_index[i][j]);
    if (block_index[i][j] >= 0 && block_index[i][j] < MAX_BLOCK)
        plot_a_block(block_index[i][j]);
    if (carr_on_poly[i][j])
        draw_carrier(i, j);
    else if (boat_on_poly[i][j])
        draw_boat(i, j);
}

static void terrain_cell(int i, int j)
{
    const ScreenPoint *p[2][2] = {{&tpt[i][j], &tpt[i][j + 1]}, {&tpt[i + 1][j], &tpt[i + 1][j + 1]}};
    if (!(invrange[i][j] || invrange[i + 1][j] || invrange[i][j + 1] || invrange[i + 1][j + 1]))
        return;
    if (!(p[0][0]->front || p[0][1]->front || p[1][0]->front || p[1][1]->front))
        return;
    if (!(planez[i][j] > HEIGHT_LOADED && planez[i + 1][j] > HEIGHT_LOADED && planez[i][j + 1] > HEIGHT_LOADED &&
          planez[i + 1][j + 1] > HEIGHT_LOADED))
        return;
    for (int t = 0; t < 2; t++) {
        int di[3], dj[3];
        convert_ij_cw(planediv[i][j], t, di, dj);
        int color = was_on_fire[i][j][t] ? BURNT : on_fire_now[i][j][t] ? BURNING : planecol[i][j][t];
        mesh_triangle(color, p[di[0]][dj[0]], p[di[1]][dj[1]], p[di[2]][dj[2]]);
        if (scn.draw_lights && light_on_poly[i][j][t])
            cityplot(i, j, t);
    }
    cell_objects(i, j);
}

void plot_terrain()
{
    assign_pxy();
    walk_cells(terrain_cell);
}

static void cloud_cell(int i, int j)
{
    const ScreenPoint *p[2][2] = {{&cpt[i][j], &cpt[i][j + 1]}, {&cpt[i + 1][j], &cpt[i + 1][j + 1]}};
    if (!(p[0][0]->front || p[0][1]->front || p[1][0]->front || p[1][1]->front))
        return;
    for (int t = 0; t < 2; t++) {
        int di[3], dj[3];
        convert_ij_cw(clouddiv[i][j], t, di, dj);
        mesh_triangle(cloudcol[i][j][t], p[di[0]][dj[0]], p[di[1]][dj[1]], p[di[2]][dj[2]]);
    }
}

void plot_ocastclouds()
{
    for (int i = scn.i1_plot_bound; i <= scn.i2_plot_bound + 1 && i < CLOUD_I; i++)
        for (int j = scn.j1_plot_bound; j <= scn.j2_plot_bound + 1 && j < CLOUD_J; j++)
            project_world_point(&cpt[i][j], cloudx[i][j], cloudy[i][j], atm.topsMSL + cloudz[i][j]);
    drawing_cloud = 1;
    walk_cells(cloud_cell);
    drawing_cloud = 0;
}
