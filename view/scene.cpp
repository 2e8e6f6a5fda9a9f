// One frame of the view out of the window: the region paged, the camera
// placed, palette and drawn range brought up to date, the visibility
// worked out, then everything painted far to near into the view world
// (there is no depth buffer) and the world copied to the window.
#include "view/local.h"

#include <cmath>

#include "common/stages.h"

#include "world/world.h"

constexpr int CLEAR_SKY = 62, CLOUD_BELOW = 63, FLASH = 80;
constexpr float STARS_VIS_NM = 3.0f;       // clearer than this shows the night sky
constexpr float LIGHTS_VIS_NM = 5.0f;      // runway lights on by day below this
constexpr float BREAKUP_VIS_NM[3] = {3.0f, 2.0f, 1.0f};
constexpr int STARS_NIGHT = MAX_STARS - 1, STARS_DUSK = 999;
// The beacons' and towers' cycle counts one step per 0.05 s of simulated
// time, the frame period the flashing was timed for.
constexpr float CYCLE_STEPS_PER_S = 20.0f;
constexpr int CYCLE_LENGTH = 121;           // rb_cycle runs 0..120
constexpr int HUD_FRAME = 15;
constexpr int MOUSE_BOX = 55;
constexpr int CATAPULT_ARMED = 34;

// What the drawn range was last computed for.
static struct {
    int valid, abovetops, belowbases, clear, i, j, octant, viewtype, vis_nm;
} range_for;

static int forward_view(int v)
{
    return v == VIEW_FORWARD || v == VIEW_DOWN4 || v == VIEW_DOWN8 || v == VIEW_FULL_SCREEN;
}
static int outside_view(int v) { return !(v >= VIEW_FORWARD && v <= VIEW_BACK) && v != VIEW_FULL_SCREEN; }

static void update_range(int octant, int paged)
{
    int vis_nm = (int)fltlim(atm.vis * con.mtrstonm, 0.0f, 1.0e6f);
    if (range_for.valid && !paged && range_for.abovetops == scn.abovetops &&
        range_for.belowbases == scn.belowbases && range_for.clear == atm.clear &&
        range_for.i == env.i_viewpoint && range_for.j == env.j_viewpoint && range_for.octant == octant &&
        range_for.viewtype == set.viewtype && range_for.vis_nm == vis_nm && vis_nm >= (int)STARS_VIS_NM)
        return;
    set_bounds(octant);
    range_for = {1, scn.abovetops, scn.belowbases, atm.clear, env.i_viewpoint, env.j_viewpoint,
                 octant, set.viewtype, vis_nm};
}

void set_straightin(int octant)
{
    int k = intlim(msc.loc_index, 0, MAX_NAV - 1);
    for (int r = 0; r < 2; r++) {
        float d = fltwrap(octant * 45.0f - env.navmsc[k][r ? 7 : 3], -180.0f, 180.0f);
        scn.straightin[r] = fabsf(d) < 90.0f;
    }
}

static void set_frame_state()
{
    int t = intlim(scn.time, 1, 4);
    scn.draw_lights = t >= 2;
    scn.starmax = t == 2 ? STARS_DUSK : STARS_NIGHT;
    scn.rb_cycle = (int)fmodf(fmaxf(msc.tottime, 0.0f) * CYCLE_STEPS_PER_S, (float)CYCLE_LENGTH);
    float vis_nm = atm.vis_effective * con.mtrstonm;
    scn.poly_breakup = 3;
    for (int k = 0; k < 3; k++)
        if (vis_nm > BREAKUP_VIS_NM[k]) {
            scn.poly_breakup = k;
            break;
        }
    if (scn.abovetops)
        scn.poly_breakup = 0;
    scn.rway_breakup = scn.poly_breakup > 0;
    if (atm.strike_lighting && !scn.abovetops)
        scn.base_color = FLASH;
    else
        scn.base_color = atm.clear || scn.abovetops ? CLEAR_SKY : CLOUD_BELOW;
    int v = set.viewtype;
    con.clipview = pln.is_heli && (v == VIEW_FORWARD || v == VIEW_DOWN4 || v == VIEW_DOWN8);
}

// Runways with their markings and lights, then the tower and hangars
// painted from the far side.
static void plot_airport()
{
    int nr = env.rwaymax ? 2 : 1;
    for (int r = 0; r < nr; r++) {
        plot_runway(0, 0, r, 82, 1);
        if (env.tway[r])
            plot_runway(1, 1, r, 82, 1);
        if (env.runoff[r])
            plot_runway(2, 5, r, 81, 1);
        if (!env.VTOpad[r]) {
            plot_runway(6, 8, r, 82, 0);
            plot_runway(9, 10, r, 80, 0);
            plot_runway(11, rwy.max[r], r, 80, 0);
        }
    }
    if (scn.draw_lights || atm.vis_effective * con.mtrstonm < LIGHTS_VIS_NM)
        for (int r = 0; r < nr; r++)
            plotrunwaylights(r);
    int k = intlim(msc.loc_index, 0, MAX_NAV - 1);
    int tower = env.ILScode[k] > 0 && set.viewtype != VIEW_TOWER;
    if (!scn.straightin[0]) {
        if (tower)
            plot_a_bldng(0);
        for (int n = 0; n < 4; n++)
            plot_a_hangar(n);
    } else {
        for (int n = 3; n >= 0; n--)
            plot_a_hangar(n);
        if (tower)
            plot_a_bldng(0);
    }
}

// The yaw string of helicopters and gliders: a line from the top of the
// panel leaning with the sideslip.
static void yaw_string()
{
    if (!(pln.is_heli || pln.layouttype == 5) || !(flt.v > 1.0f))
        return;
    float b = flt.Beta * con.degtorad;
    int x2 = iround(400.0f + 50.0f * sinf(b)), y2 = intmin2(iround(230.0f - 50.0f * cosf(b)), 230);
    int t = intlim(scn.time, 1, 4);
    MACIBM_line(t == 1 ? 11 : t == 4 ? 17 : 19, 400, 230, x2, y2, 1);
}

static void cockpit_symbols()
{
    int v = set.viewtype;
    if (forward_view(v)) {
        if (pln.hudEQ || pln.hoopEQ || v == VIEW_FULL_SCREEN)
            MACIBM_framerect(HUD_FRAME, con.HUD_lft, con.HUD_top, con.HUD_rgt - con.HUD_lft,
                             con.HUD_bot - con.HUD_top, 1);
        stage_begin(STAGE_HUD);
        if (pln.hoopEQ && ins.HOOP_on)
            plot_coolhud();
        if (v == VIEW_FULL_SCREEN || (pln.hudEQ && ins.HUD_on))
            plotHUD();
        stage_end(STAGE_HUD);
        yaw_string();
    }
    if (msc.mouse_is_joy && v != VIEW_REPLAY) {
        MACIBM_line(MOUSE_BOX, 397, 110, 404, 110, 1);
        MACIBM_line(MOUSE_BOX, 400, 107, 400, 114, 1);
        MACIBM_framerect(MOUSE_BOX, 300, 10, 200, 200, 1);
    }
    if (flt.cat_stage == CATAPULT_ARMED) {
        static const int CYCLE[5] = {29, 37, 29, 38, 29};
        MACIBM_drstring(CYCLE[intlim(msc.cntr10, 0, 10) % 5], 345, 80, "Space bar to launch.", 1);
    } else {
        view_calls.atc_message();
    }
}

static void paint(int world)
{
    MACIBM_settogworld(world, con.gwor_x_size, con.gwor_y_size, scn.base_color, 1);
    int t = intlim(scn.time, 1, 4);
    if (t >= 3 && ((atm.clear && atm.vis_effective * con.mtrstonm > STARS_VIS_NM) || scn.abovetops))
        plotnightsky();
    if (atm.clear || scn.belowbases) {
        plot_terrain();
        plot_airport();
    }
    if (!scn.abovetops) {
        if (atm.rain_tstm > 1 && set.viewtype != VIEW_REPLAY)
            do_window_rain();
    } else {
        plot_ocastclouds();
        for (int n = 0; n < MAX_TRAFFIC; n++)
            if (traf_z[n][0] > atm.topsMSL)
                draw_a_plane(n);
    }
    if (set.viewtype == VIEW_REPLAY)
        plot_flight_path();
    if (outside_view(set.viewtype))
        plot_plane();
    cockpit_symbols();
}

// The view world into its window: the view strip above the panel (with
// the helicopter's chin window), the whole screen in the full-screen and
// side views, the replay's picture in its own window.
static void copy_to_window(int world)
{
    int v = set.viewtype;
    int window = v == VIEW_REPLAY ? 14 : 0;
    if (cur_window != window)
        MACIBM_startwind(window, 0);
    if (v == VIEW_REPLAY) {
        MACIBM_copytoport(world, 0, 5, 11, 6, 579, 361, 1);
    } else if (v == VIEW_FULL_SCREEN || v == VIEW_LEFT || v == VIEW_RIGHT) {
        MACIBM_copytoport(world, 0, 0, 0, 17, 800, 563, 1);
    } else {
        MACIBM_copytoport(world, 0, 0, 0, 17, 800, 230, 1);
        if (con.clipview)
            MACIBM_copytoport(world, 0, 0, 629, 230, 800, 563, 1);
    }
}

void start_looking()
{
    pipe_pieces = 0;
    keep_view_port();
    int paged = page_region_if_needed(flt.x, flt.y) != 0;
    place_camera();
    scn.abovetops = !atm.clear && con.VIEW_loc_z > atm.topsMSL;
    scn.belowbases = !atm.clear && con.VIEW_loc_z < atm.baseMSL;
    int octant = view_octant();
    set_palette_for_conditions();
    update_range(octant, paged);
    cloud_layer_period();
    set_straightin(octant);
    set_visibility();
    set_frame_state();
    int world = set.viewtype == VIEW_REPLAY ? 1 : 0;
    paint(world);
    copy_to_window(world);
}

void reset_scene_state()
{
    range_for.valid = 0;
    reset_palette_state();
    reset_visibility_state();
}
