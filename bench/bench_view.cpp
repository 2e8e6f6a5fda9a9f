// The view's hot paths, headless: one frame's worth of terrain of the
// factory start region through the polygon pipeline (every point of the
// drawn range turned into camera axes, every cell painted far to near as
// two triangles: back faces, haze, clipping, rasterizing), and the default
// trainer drawn from 50 m.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/bench_sim.h"
#include "flight/flight.h"
#include "view/view.h"
#include "world/world.h"

namespace {
constexpr float EYE_M = 2.0f;   // pilot's eye over the runway

float cam[MESH_I][MESH_J][3];
int visible[MESH_I][MESH_J];    // in front of the near plane and on screen

// The trainer placed on its start runway (whatever other benchmarks flew
// before), the camera at its pilot's eye looking along the runway at the
// factory visibility, below the clouds; the view world locked. Returns 0
// without a display.
int start_view()
{
    if (!bench_start_simulator())
        return 0;
    C_to_C(app_path, pln.C_appdir);
    C_to_C("Aircraft/Trainer.acf", pln.C_file);
    load_plane(nullptr);
    load_report_close();
    msc.typestart = 900;
    set_fltvars(4, 0);
    // The start runway lies near the region's edge: page as the view
    // would before its first frame.
    for (int n = 0; n < 3 && page_region_if_needed(flt.x, flt.y); n++)
        ;
    set.viewtype = VIEW_FORWARD;
    set_mon(0, 0.0f);
    MACIBM_settogworld(0, con.gwor_x_size, con.gwor_y_size, 62, 1);
    con.VIEW_loc_x = (float)flt.x;
    con.VIEW_loc_y = (float)flt.y;
    con.VIEW_loc_z = (float)flt.z + EYE_M;
    scn.psi180rad = flt.psi * con.degtorad;
    scn.the180rad = scn.phi180rad = 0.0f;
    set_view_angles();
    atm.vis_effective = atm.vis;
    atm.vis1_grnd = 0.1f * atm.vis;
    atm.vis2_grnd = 1.5f * atm.vis;
    scn.poly_breakup = atm.vis > 3.0f * con.nmtomtrs ? 0 : 1;
    scn.abovetops = !atm.clear && con.VIEW_loc_z > atm.topsMSL;
    scn.belowbases = !atm.clear && con.VIEW_loc_z < atm.baseMSL;
    float ground;
    int t = 0;
    env.i_viewpoint = env.i_aircraft;
    env.j_viewpoint = env.j_aircraft;
    find_local_h(con.VIEW_loc_x, con.VIEW_loc_y, &ground, &env.i_viewpoint, &env.j_viewpoint, &t);
    set_bounds(deg_index(flt.psi) / 45 + 1);
    return 1;
}

void transform_range()
{
    for (int i = scn.i1_plot_bound; i <= scn.i2_plot_bound; i++)
        for (int j = scn.j1_plot_bound; j <= scn.j2_plot_bound; j++) {
            float *p = cam[i][j];
            xfrm_SCENE(planex[i][j] - con.VIEW_loc_x, planey[i][j] - con.VIEW_loc_y,
                       planez[i][j] - con.VIEW_loc_z, &p[0], &p[1], &p[2]);
            visible[i][j] = p[1] > HITHER_M && fabsf(p[0] / p[1]) < con.rat_rgt &&
                            p[2] / p[1] < con.rat_bot && p[2] / p[1] > con.rat_top;
        }
}

// A grid triangle in clockwise order seen from above.
void draw_triangle(int color, const int c[3][2])
{
    const int(*a)[2] = c;
    int ia[3] = {0, 1, 2};
    float area = (planex[a[1][0]][a[1][1]] - planex[a[0][0]][a[0][1]]) *
                     (planey[a[2][0]][a[2][1]] - planey[a[0][0]][a[0][1]]) -
                 (planex[a[2][0]][a[2][1]] - planex[a[0][0]][a[0][1]]) *
                     (planey[a[1][0]][a[1][1]] - planey[a[0][0]][a[0][1]]);
    if (area > 0.0f) {
        ia[1] = 2;
        ia[2] = 1;
    }
    int clipit = 0;
    for (int k = 0; k < 3; k++)
        clipit |= !visible[c[k][0]][c[k][1]];
    any_poly3_3D(color, cam[c[ia[0]][0]][c[ia[0]][1]], cam[c[ia[1]][0]][c[ia[1]][1]],
                 cam[c[ia[2]][0]][c[ia[2]][1]], clipit, 1);
}

// Every cell of the range in painting order, when one of its corners is
// in range.
int draw_terrain()
{
    int ntri = 0;
    for (int a = scn.plot_i_start; a != scn.plot_i_stop; a += scn.i_inc)
        for (int b = scn.plot_j_start; b != scn.plot_j_stop; b += scn.j_inc) {
            int i = scn.vlines ? a : b, j = scn.vlines ? b : a;
            if (!(invrange[i][j] || invrange[i + 1][j] || invrange[i][j + 1] || invrange[i + 1][j + 1]))
                continue;
            const int div0[2][3][2] = {{{i, j}, {i + 1, j}, {i, j + 1}}, {{i + 1, j + 1}, {i, j + 1}, {i + 1, j}}};
            const int div1[2][3][2] = {{{i, j + 1}, {i + 1, j + 1}, {i, j}}, {{i + 1, j}, {i, j}, {i + 1, j + 1}}};
            for (int t = 0; t < 2; t++, ntri++)
                draw_triangle(planecol[i][j][t], planediv[i][j] ? div1[t] : div0[t]);
        }
    return ntri;
}
}   // namespace

static void BM_TerrainFrame(benchmark::State &state)
{
    if (!start_view()) {
        state.SkipWithError("no display");
        return;
    }
    int ntri = 0;
    for (auto _ : state) {
        pipe_pieces = 0;
        transform_range();
        ntri = draw_terrain();
    }
    state.counters["triangles"] = ntri;
    state.counters["drawn"] = pipe_pieces;
}
BENCHMARK(BM_TerrainFrame)->Unit(benchmark::kMicrosecond);

// start_view, then the full-screen view with its world locked.
static int start_full_screen_view()
{
    if (!start_view())
        return 0;
    set.viewtype = VIEW_FULL_SCREEN;
    set_mon(0, 0.0f);
    MACIBM_settogworld(0, con.gwor_x_size, con.gwor_y_size, 62, 1);
    return 1;
}

static void BM_TrainerAt50m(benchmark::State &state)
{
    if (!start_full_screen_view()) {
        state.SkipWithError("no display");
        return;
    }
    con.PLAN_loc_x = con.PLAN_loc_y = 0.0f;
    con.PLAN_loc_z = 1000.0f;
    con.sinPLANpsi = con.sinPLANthe = con.sinPLANphi = 0.0f;
    con.cosPLANpsi = con.cosPLANthe = con.cosPLANphi = 1.0f;
    // 50 m off, ahead and to the left, 30 degrees above.
    con.VIEW_loc_x = -50.0f * 0.866f * 0.707f;
    con.VIEW_loc_y = 50.0f * 0.866f * 0.707f;
    con.VIEW_loc_z = 1000.0f + 25.0f;
    aim_camera(con.PLAN_loc_x, con.PLAN_loc_y, con.PLAN_loc_z);
    scn.time = 1;
    for (auto _ : state)
        plot_plane();
}
BENCHMARK(BM_TrainerAt50m)->Unit(benchmark::kMicrosecond);

// The head-up display drawn over the full-screen view on the runway: three
// tapes, carets and readouts, boresight and marks, the flight-path marker
// and the runways' outline.
static void BM_HudFrame(benchmark::State &state)
{
    if (!start_full_screen_view()) {
        state.SkipWithError("no display");
        return;
    }
    flt.vind = 120.0f;
    flt.Alpha = 5.0f;
    for (auto _ : state)
        plotHUD();
}
BENCHMARK(BM_HudFrame)->Unit(benchmark::kMicrosecond);

// A storm's full windscreen: 399 rain drops streaming past the full-screen view.
static void BM_WindowRain(benchmark::State &state)
{
    if (!start_full_screen_view()) {
        state.SkipWithError("no display");
        return;
    }
    atm.rain_tstm = 5;
    atm.level = 9.0f;
    atm.temp_SL = 60.0f;
    flt.vind = 120.0f;
    for (auto _ : state)
        do_window_rain();
    state.counters["drops"] = window_drops();
}
BENCHMARK(BM_WindowRain)->Unit(benchmark::kMicrosecond);
