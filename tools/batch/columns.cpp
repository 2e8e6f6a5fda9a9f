// Output columns of the batch runner: names and how each is read from the
// flight state, in the units the pilot reads them (feet, knots, degrees).
#include <cmath>
#include <cstring>

#include "files/files.h"
#include "flight/flight.h"
#include "shell/shell.h"
#include "atc/atc.h"
#include "tools/batch/local.h"
#include "world/world.h"

namespace {

enum Column {
    C_T, C_LAT, C_LON, C_X, C_Y, C_ALT, C_AGL, C_KIAS, C_KTAS, C_GS, C_VVI, C_ALPHA, C_BETA,
    C_PITCH, C_ROLL, C_HEADING, C_P, C_Q, C_R, C_RPM, C_THRUST, C_FUEL, C_ON_GROUND, C_CRASHED,
    C_FLAPS, C_GEAR, C_ELEVATOR, C_AILERON, C_RUDDER, C_THROTTLE, C_TRIM, C_MACH, C_STALL_WARN,
    C_POWER, C_MASS, C_AX, C_AY, C_AZ, C_ELEV_DEG, C_WIND_X, C_WIND_Y, C_WATCHDOG, C_DIST, C_ENERGY_RATE, C_TRIM_OK, C_AFLOAT,
    C_COLLECTIVE, C_NAV1_HDEF, C_NAV1_VDEF, C_NAV1_FLAG, C_NAV2_HDEF, C_NAV2_VDEF, C_NAV2_FLAG,
    C_DME, C_OUTER, C_MIDDLE, C_INNER, C_ATC_PHASE, C_ATC, N_COLUMNS
};

const char *const NAMES[N_COLUMNS] = {
    "t", "lat", "lon", "x", "y", "alt_ft", "agl_ft", "kias", "ktas", "gs_kt", "vvi_fpm", "alpha",
    "beta", "pitch", "roll", "heading", "p", "q", "r", "rpm", "thrust_n", "fuel_lb", "on_ground",
    "crashed", "flaps", "gear", "elevator", "aileron", "rudder", "throttle", "trim", "mach",
    "stall_warn", "power_hp", "mass_lb", "ax", "ay", "az", "elevator_deg", "wind_x", "wind_y",
    "watchdog", "dist_ft", "energy_fpm", "trim_ok", "afloat", "collective", "nav1_hdef",
    "nav1_vdef", "nav1_flag", "nav2_hdef", "nav2_vdef", "nav2_flag", "dme_nm", "outer_lamp",
    "middle_lamp", "inner_lamp", "atc_phase", "atc"};

double position_value(int col)
{
    double lat, lonw;
    switch (col) {
    case C_LAT:
        batch_lat_lon(flt.x, flt.y, &lat, &lonw);
        return lat;
    case C_LON:
        batch_lat_lon(flt.x, flt.y, &lat, &lonw);
        return -lonw;   // east positive, as the scenario writes it
    case C_X: return flt.x;
    case C_Y: return flt.y;
    case C_ALT: return flt.z * con.mtrstoft;
    case C_AGL: return (flt.z - env.localh) * con.mtrstoft;
    case C_DIST: return hypot(flt.x - bst.x0, flt.y - bst.y0) * con.mtrstoft;
    default: return NAN;
    }
}

double motion_value(int col)
{
    switch (col) {
    case C_KIAS: return flt.vind;
    case C_KTAS: return flt.av * con.msctokts;
    case C_GS: return sqrt(flt.vx * flt.vx + flt.vy * flt.vy) * con.msctokts;
    case C_VVI: return flt.vz * con.msctofpm;
    case C_ALPHA: return flt.Alpha;
    case C_BETA: return flt.Beta;
    case C_PITCH: return flt.the180;
    case C_ROLL: return flt.phi180;
    case C_HEADING: return flt.psi;
    case C_P: return flt.P;
    case C_Q: return flt.Q;
    case C_R: return flt.R;
    case C_MACH: return flt.machno[FLT_ROW_FUSE];
    case C_AX: return flt.ax;
    case C_AY: return flt.ay;
    case C_AZ: return flt.az;
    // Climb rate the aircraft could hold at this speed: the vertical speed
    // plus the speed change turned into height (specific excess power).
    case C_ENERGY_RATE: {
        double vax = flt.vx - atm.wind_x, vay = flt.vy - atm.wind_y, vaz = flt.vz - atm.wind_z;
        double along = vax * flt.ax + vay * flt.ay + vaz * flt.az;
        return (flt.vz + along / fmax(atm.g, 1.0)) * con.msctofpm;
    }
    case C_WIND_X: return atm.wind_x;
    case C_WIND_Y: return atm.wind_y;
    default: return position_value(col);
    }
}

// Sum over the aircraft's engines (the second slot of a single is unused).
double engine_sum(const float *v)
{
    double s = 0.0;
    for (int e = 0; e < 2 && (e == 0 || e < pln.numen); e++)
        s += v[e];
    return s;
}

// 1 while a float's keel is in calm water at either end; floats carry the
// aircraft without setting on_ground, so a water run ends when this drops.
// The waves' rise and fall is left out.
double afloat()
{
    if (!pln.floatEQ)
        return 0.0;
    for (int i = 0; i < N_FLOATS; i++) {
        float L = pln.floatl[i];
        if (!(L > 0.0f))
            continue;
        float keel = flt.h - pln.floatx[i] * flt.sinthe - pln.floaty[i] * flt.sinphi +
                     pln.floatz[i] * flt.costhe * flt.cosphi;
        float d = env.localh - keel;
        if (d - L * flt.sinthe - pln.floatnoseup[i] > 0.0f || d + L * flt.sinthe > 0.0f)
            return 1.0;
    }
    return 0.0;
}

// The receivers as the panel shows them: deviations (deg), flags (0 off,
// 1 TO or localizer, 2 FROM), the DME distance and the marker lamps.
double radio_value(int col)
{
    switch (col) {
    case C_NAV1_HDEF: return nav.hdef[0];
    case C_NAV1_VDEF: return nav.vdef[0];
    case C_NAV1_FLAG: return nav.ntf[0];
    case C_NAV2_HDEF: return nav.hdef[1];
    case C_NAV2_VDEF: return nav.vdef[1];
    case C_NAV2_FLAG: return nav.ntf[1];
    case C_DME: return nav.dme_ok ? nav.dme_nm : -999.0;   // the output rows' missing value
    case C_OUTER: return nav.marker == NAV_OM && nav.marker_lit;
    case C_MIDDLE: return nav.marker == NAV_MM && nav.marker_lit;
    case C_INNER: return nav.marker == NAV_IM && nav.marker_lit;
    default: return motion_value(col);
    }
}

}   // namespace

int batch_column_index(const char *name)
{
    for (int k = 0; k < N_COLUMNS; k++)
        if (!strcmp(NAMES[k], name))
            return k;
    return -1;
}

const char *batch_column_name(int col) { return col >= 0 && col < N_COLUMNS ? NAMES[col] : "?"; }

double batch_column_value(int col)
{
    switch (col) {
    case C_T: return bst.t;
    case C_RPM: return flt.omega[0] * con.rsctorpm;
    case C_THRUST: return engine_sum(flt.thrust);
    case C_FUEL: return flt.m_fuel * con.kgstolbs;
    case C_ON_GROUND: return flt.onground;
    case C_CRASHED: return bst.crashes;
    case C_FLAPS: return flt.flap / (double)(N_FLAP_ROWS - 1);
    case C_GEAR: return set.gear_handle;
    case C_ELEVATOR: return bst.ptch;
    case C_AILERON: return bst.roll;
    case C_RUDDER: return bst.hdng;
    case C_THROTTLE: return flt.throt[0];
    case C_TRIM: return flt.trim;
    case C_STALL_WARN: return flt.stall_warn;
    case C_POWER: return engine_sum(flt.power) * con.watttohp;
    case C_MASS: return flt.m_total * con.kgstolbs;
    case C_ELEV_DEG: return 0.5 * (flt.lhstbdef + flt.rhstbdef);
    case C_WATCHDOG: return flight_watchdog_trips;
    case C_TRIM_OK: return bst.trim_ok;
    case C_AFLOAT: return afloat();
    case C_COLLECTIVE: return bst.ctl[BC_COLLECTIVE];
    case C_ATC_PHASE: return atc.planphase;
    case C_ATC: return NAN;   // text: the runner prints the last controller message
    default: return radio_value(col);
    }
}
