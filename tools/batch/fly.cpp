// The batch runner's simulator: the start-up of the real program without
// window, sound or real time, aircraft loading, airport and air starts,
// weather and lever settings, and one fixed-period frame as the simulation
// loop runs it.
#include <sys/stat.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "atc/atc.h"
#include "common/testsupport.h"
#include "controls/controls.h"
#include "files/files.h"
#include "flight/flight.h"
#include "panel/panel.h"
#include "shell/local.h"
#include "tools/batch/batch.h"
#include "tools/batch/local.h"
#include "world/world.h"

BatchState bst;

// Fair weather: clear sky, no wind, no turbulence or shear, standard
// sea-level temperature and pressure.
static void calm_weather()
{
    atm.clear = 1;
    atm.vis = 40.0f * con.nmtomtrs;
    atm.rain_tstm = atm.wind_tbl = atm.shear_prob = 1;
    atm.wave_amp = atm.wave_length = atm.wave_speed = 0.0f;
    atm.thermal_part = atm.thermal_vvi = 0.0f;
    for (int k = 0; k < NWIND_LAYERS; k++)
        atm.wnddir[k] = atm.shrdir[k] = atm.wndspd[k] = atm.shrspd[k] = atm.tbl[k] = 0.0f;
    atm.temp_SL = 59.0f;
    ins.baro = 29.92f;
    limwx();
}

void batch_init()
{
    program_kind = PROG_VORTAN;
    // A fatal exit here (a corrupt aircraft file) must not invalidate the
    // preferences of the user's simulator.
    keep_user_prefs = 1;
    zero_records();
    // The simulator's own upward calls: sounds stay silent (no sound is
    // started) and the stick still, but the code path is the simulator's.
    register_sim_callbacks();
    find_program_folder();
    C_to_C(app_path, cd_path);
    fill_constants();
    // Simulated time only: waits (the crash pause) take none, and a random
    // draw is the same in every run.
    test_set_clock_ms(0);
    seed_rand(1);
    fill_density_table();
    set_record_defaults();
    set.controls_type = CONTROLS_SCRIPTED;
    set.joy_rat = 1.0f;   // inputs reach the surfaces one to one
    set.damp = 0.0f;
    set.nwheel_steer_type = 1;   // the script has pedals: they steer the nose wheel
    msc.warn_overspeed = msc.warn_flaps = 1;
    calm_weather();
    standard_env_path("---", env.C_path);
    init_country_data();
    memset(&bst, 0, sizeof bst);
    bst.prd = DEFAULT_BATCH_FRAME_S;
    msc.prd = bst.prd;
}

int batch_load_aircraft(const char *file, char *why)
{
    char full[MAX_STR];
    struct stat st;
    if (file[0] == '/')
        C_to_C(file, full);
    else
        ap_dir("", file, full);
    // Not in the program folder: perhaps a design of the user's, kept in the
    // data folder when the program folder takes no new files.
    char mine[MAX_STR];
    if (file[0] != '/' && stat(full, &st) != 0 && user_file_path(USER_DATA, file, mine) &&
        stat(mine, &st) == 0)
        C_to_C(mine, full);
    if (stat(full, &st) != 0 || !S_ISREG(st.st_mode)) {
        snprintf(why, MAX_STR, "aircraft file not found: %.300s", full);
        return 0;
    }
    // A file that is not an aircraft of this version would send the loader
    // to the open dialog, which a headless run has not got.
    if (!inf_open(full, ACF_VERSION, 1)) {
        inf_close();
        snprintf(why, MAX_STR, "not an aircraft file of this version: %.300s", full);
        return 0;
    }
    inf_close();
    C_to_C(app_path, pln.C_appdir);   // airfoils/ and flaps/ beside the program
    C_to_C(full, pln.C_file);
    load_plane(nullptr);
    load_report_close();
    bst.have_aircraft = 1;
    return 1;
}

// The region whose middle column holds (lat, lon west); then the world
// position of that point, by the region's corners. A region without an
// airport cannot be started in (the loader would end the run): 0, and the
// region loaded before stays.
static int load_region_round(float lat, float lonw)
{
    int ls = (int)floorf(lat), lw = (int)floorf(lonw) + 1;
    if (env.apt_max == NO_REGION || env.lat_south != ls || env.lon_west != lw) {
        if (!region_has_airport(ls, lw))
            return 0;
        env.lat_south = ls;
        env.lon_west = lw;
        load_region(0);
    }
    return 1;
}

void batch_world_xy(float lat, float lonw, float *x, float *y)
{
    *x = interp((float)env.lon_west, planex[0][0], (float)env.lon_west - 3.0f, planex[MESH_I - 1][0], lonw);
    *y = interp((float)env.lat_south, planey[0][0], (float)env.lat_south + 2.0f, planey[0][MESH_J - 1], lat);
}

void batch_lat_lon(double x, double y, double *lat, double *lonw)
{
    *lonw = interp(planex[0][0], (float)env.lon_west, planex[MESH_I - 1][0], (float)env.lon_west - 3.0f, (float)x);
    *lat = interp(planey[0][0], (float)env.lat_south, planey[0][MESH_J - 1], (float)env.lat_south + 2.0f, (float)y);
}

static int country_airport(const char *id)
{
    char up[4] = {0, 0, 0, 0};
    for (int k = 0; k < 3 && id[k]; k++)
        up[k] = (char)toupper((unsigned char)id[k]);
    for (int a = 0; a <= env.aid_max_used && a < MAX_APT_US; a++)
        if (!strncmp(aid_id[a], up, 3))
            return a;
    return -1;
}

static int region_airport(const char *id)
{
    for (int k = 0; k < MAX_NAV; k++)
        if (env.navmsc[k][0] >= NAV_APT1 && env.navmsc[k][0] <= NAV_APT3 && !strncasecmp(env.navID[k], id, 3))
            return k;
    return -1;
}

// Runway end 1..4 of slot k called `name` ("27", "09L"): the end whose
// heading is nearest the number's, with the side letter when given.
static int runway_end_named(int k, const char *name)
{
    char *end = nullptr;
    long num = strtol(name, &end, 10);
    if (end == name || num < 1 || num > 36)
        return 0;
    char side = (char)toupper((unsigned char)*end);
    int best = 0;
    float best_d = 1e9f;
    int runways = env.navmsc[k][8] ? 2 : 1;
    for (int r = 0; r < runways; r++)
        for (int rev = 0; rev < 2; rev++) {
            float hdg = fltwrap((float)env.navmsc[k][3 + 4 * r] + 180.0f * rev, 0.0f, 360.0f);
            float d = fabsf(fltwrap(hdg - env.mvar - num * 10.0f, -180.0f, 180.0f));
            if (side == 'L' || side == 'R' || side == 'C') {
                char own = env.lr[k][r];
                if (rev)
                    own = own == 'L' ? 'R' : own == 'R' ? 'L' : own;
                if (own != side)
                    d += 90.0f;
            }
            if (d < best_d) {
                best_d = d;
                best = 2 * r + rev + 1;
            }
        }
    return best_d <= 30.0f ? best : 0;
}

int batch_start_airport(const char *id, const char *runway, int kind, char *why)
{
    int a = country_airport(id);
    if (a < 0) {
        snprintf(why, MAX_STR, "unknown airport: %s", id);
        return 0;
    }
    int k = load_region_round(aid_lat[a], aid_lon[a]) ? region_airport(id) : -1;
    if (k < 0) {
        snprintf(why, MAX_STR, "airport %s is not in the scenery", id);
        return 0;
    }
    int sel = runway_end_named(k, runway);
    if (!sel) {
        snprintf(why, MAX_STR, "airport %s has no runway %s", id, runway);
        return 0;
    }
    msc.loc_index = k;
    msc.rway_sel = sel;
    msc.typestart = kind;
    setnewlocale();
    env.fieldh = env.navxyz[k][4];
    set_fltvars(4, 0);
    batch_after_start();
    return 1;
}

int batch_start_air(float lat, float lon, float alt_ft, float kias, float hdg_deg, char *why)
{
    float lonw = -lon;
    if (!(fabsf(lat) < 90.0f && fabsf(lon) <= 360.0f) || !load_region_round(lat, lonw)) {
        snprintf(why, MAX_STR, "no airport in the scenery round %.2f %.2f: a flight cannot start there", lat, lon);
        return 0;
    }
    float x, y;
    batch_world_xy(lat, lonw, &x, &y);
    set.cus_x = x;
    set.cus_y = y;
    set.cus_z = alt_ft * con.fttomtrs;
    set.cus_psi = fltwrap(hdg_deg, 0.0f, 360.0f);
    // True airspeed from the indicated one at that height.
    air_state(set.cus_z);
    set.cus_v = kias * con.ktstomsc / sqrtf(fmaxf(atm.crtsig, 0.01f));
    set_fltvars(8, 0);
    float ground = NO_HEIGHT;
    int i = env.i_aircraft, j = env.j_aircraft, t = env.t_aircraft;
    find_local_h(x, y, &ground, &i, &j, &t);
    if (ground > NO_HEIGHT && set.cus_z < ground) {
        snprintf(why, MAX_STR, "start altitude is below the terrain there (%.0f ft)",
                 (double)(ground * con.mtrstoft));
        return 0;
    }
    batch_after_start();
    return 1;
}

int batch_start_catapult(const char *id, char *why)
{
    if (id[0]) {
        int a = country_airport(id);
        if (a < 0) {
            snprintf(why, MAX_STR, "unknown airport: %s", id);
            return 0;
        }
        if (!load_region_round(aid_lat[a], aid_lon[a])) {
            snprintf(why, MAX_STR, "airport %s is not in the scenery", id);
            return 0;
        }
    } else if (env.apt_max == NO_REGION) {
        snprintf(why, MAX_STR, "no scenery loaded: start catapult <airport id>, or start elsewhere first");
        return 0;
    }
    int i, j;
    if (!nearest_ship((float)flt.x, (float)flt.y, 1, &i, &j)) {
        snprintf(why, MAX_STR, "there is no carrier in this scenery");
        return 0;
    }
    set_fltvars(11, 0);
    batch_after_start();
    return 1;
}

int batch_launch()
{
    if (flt.cat_stage != CAT_HELD)
        return 0;
    flt.cat_stage = CAT_LAUNCH;
    return 1;
}

// A fresh flight keeps the scenario's levers where the flight start left
// them and centres the stick.
void batch_after_start()
{
    batch_atc_off();
    bst.ptch = bst.roll = bst.hdng = 0.0f;
    for (int k = 0; k < N_BATCH_CONTROLS; k++)
        bst.ramp_s[k] = bst.ctl[k] = 0.0f;
    // Where the start left the levers, for ramps that begin from them.
    bst.ctl[BC_THROTTLE] = flt.throtrequest[0];
    bst.ctl[BC_MIXTURE] = flt.mix[0];
    bst.ctl[BC_PROP] = 1.0f;
    bst.ctl[BC_BRAKES] = set.partbrake;
    bst.ctl[BC_GEAR] = (float)set.gear_handle;
    bst.ctl[BC_WEIGHT] = flt.m_total * con.kgstolbs;
    float span = pln.maxpitch[0] - pln.minpitch[0];
    bst.ctl[BC_COLLECTIVE] = fabsf(span) > 0.01f ? fltlim((flt.proppitch[0] - pln.minpitch[0]) / span, 0.0f, 1.0f) : 0.0f;
    bst.x0 = flt.x;
    bst.y0 = flt.y;
    bst.started = 1;
    // A new flight starts with the autopilot off and its memory cleared.
    batch_release();
    reset_controls_state();
    flight_watchdog_reset();
    float keep = msc.prd;
    msc.prd = 0.0f;
    integ_x();   // airspeeds from this start's alpha, not the last flight's
    msc.prd = keep;
    find_local_h((float)flt.x, (float)flt.y, &env.localh, &env.i_aircraft, &env.j_aircraft,
                 &env.t_aircraft);
}

void batch_weather(const BatchCommand *c)
{
    switch (c->kind) {
    case BW_CALM:
        calm_weather();
        return;
    case BW_WIND:
        for (int k = 0; k < NWIND_LAYERS; k++) {
            atm.wnddir[k] = fltwrap(c->v[0], 0.0f, 360.0f);
            atm.wndspd[k] = c->v[1] * con.ktstomsc;
            atm.shrspd[k] = c->v[2] * con.ktstomsc;
        }
        break;
    case BW_TURBULENCE:
        for (int k = 0; k < NWIND_LAYERS; k++)
            atm.tbl[k] = 9.0f * c->v[0];
        break;
    case BW_TEMP:
        atm.temp_SL = c->v[0];
        break;
    case BW_BARO:
        ins.baro = c->v[0];
        break;
    }
    limwx();
}

void batch_set(int control, float value)
{
    if (control < 0 || control >= N_BATCH_CONTROLS || !std::isfinite(value))
        return;
    bst.ctl[control] = value;
    switch (control) {
    case BC_THROTTLE:
        flt.throtrequest[0] = flt.throtrequest[1] = value;
        break;
    case BC_MIXTURE:
        flt.mix[0] = flt.mix[1] = value;
        break;
    case BC_PROP:
        flt.prop[0] = flt.prop[1] = interp(0.0f, pln.omegamin, 1.0f, pln.omegamax, value);
        break;
    case BC_ELEVATOR: bst.ptch = value; break;
    case BC_AILERON: bst.roll = value; break;
    case BC_RUDDER: bst.hdng = value; break;
    case BC_TRIM:
        // A flying stabiliser trims in degrees of incidence, others in
        // stick travel.
        flt.trim = value * (pln.flying_stab ? fmaxf(pln.hstbtrimmax, 0.0f) : 1.0f);
        break;
    case BC_FLAPS:
        flt.flaprequest = iround(value * (N_FLAP_ROWS - 1));
        break;
    case BC_BRAKES:
        set.partbrake = value;
        ins.brake_on = value > 0.0f;
        break;
    case BC_GEAR:
        set.gear_handle = value >= 0.5f;
        break;
    case BC_COLLECTIVE:
        // Blade pitch of the rotors whose governor works the throttle.
        for (int e = 0; e < 2; e++)
            if (pln.collect_eq && (e == 0 || !pln.is_heli))
                flt.proppitch[e] = interp(0.0f, pln.minpitch[e], 1.0f, pln.maxpitch[e], value);
        break;
    case BC_WEIGHT:
        // The load that brings the aircraft to this weight (fuel stays).
        flt.m_fixed = fmaxf(value * con.lbstokgs - pln.m_empty - flt.m_fuel - flt.m_water, 0.0f);
        flt.m_total = pln.m_empty + flt.m_fixed + flt.m_fuel + flt.m_water;
        break;
    }
}

void batch_ramp(int control, float value, float seconds)
{
    if (control < 0 || control >= N_BATCH_CONTROLS)
        return;
    if (!(seconds > 0.0f)) {
        batch_set(control, value);
        bst.ramp_s[control] = 0.0;
        return;
    }
    bst.ramp_from[control] = bst.ctl[control];
    bst.ramp_to[control] = value;
    bst.ramp_t0[control] = bst.t;
    bst.ramp_s[control] = seconds;
}

void batch_ramps()
{
    for (int k = 0; k < N_BATCH_CONTROLS; k++) {
        if (bst.ramp_s[k] <= 0.0)
            continue;
        double f = (bst.t - bst.ramp_t0[k]) / bst.ramp_s[k];
        if (f >= 1.0) {
            f = 1.0;
            bst.ramp_s[k] = 0.0;
        }
        batch_set(k, (float)(bst.ramp_from[k] + (bst.ramp_to[k] - bst.ramp_from[k]) * f));
    }
}

void batch_set_frame(float prd_s)
{
    bst.prd = fltlim(prd_s, 0.001f, 0.2f);
    msc.prd = bst.prd;
}

// One frame as the simulation loop runs it, at the fixed period: counters,
// controls, the flight step, scenery paging and the event-period pacing. A crash restarts
// the flight with a takeoff start (msc.typestart set to 900); that is how
// it is seen here.
void batch_frame()
{
    msc.prd = bst.prd;
    msc.cntr++;
    if (msc.cntr > MAX_CNTR)
        msc.cntr = 0;
    msc.tottime += msc.prd;
    batch_ramps();
    set_scripted_input(bst.ptch, bst.roll, bst.hdng, flt.throtrequest[0]);
    control();
    batch_autothrottle_follow();
    int kind = msc.typestart;
    msc.typestart = -1;
    deg2integ();
    if (msc.typestart == 900) {
        bst.crashes++;
        batch_after_start();
        kind = 900;
    }
    msc.typestart = kind;
    // The scenery follows the aircraft as the view pages it in the simulator;
    // beyond the loaded region every terrain lookup would miss.
    page_region_if_needed(flt.x, flt.y);
    msc.evup = intlim(msc.evup, 1, 99);
    if (msc.cntr % msc.evup == 0 && ++msc.cntr10 > 10) {
        msc.cntr10 = 0;
        msc.evup = intlim(iround(0.1f / msc.prd), 1, 99);
        // The controller's slow tick, as the simulation loop runs it.
        if (fpl.onfile && fpl.activated)
            handle_plan(0);
        if (atc.ils_vec_in_progress)
            controller_respond(atc.ils_command);
    }
    bst.t += msc.prd;
}

double batch_time() { return bst.t; }
int batch_crashes() { return bst.crashes; }
