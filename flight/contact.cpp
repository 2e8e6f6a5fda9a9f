// Contact with the ground, a deck or the water: every wheel, skid corner,
// wingtip and fuselage keel point is a spring-damper against the surface
// under it with rolling, braking and side friction; touchdowns sound and
// bump the stick; improper or hard contact is a crash. Floats are in
// floats.cpp, the crash itself in crash.cpp.
#include <cmath>

#include "flight/local.h"

enum ContactKind { NOSE_WHEEL = 0, LEFT_WHEEL = 1, RIGHT_WHEEL = 2, SKID_CORNER = 3, OTHER_POINT = 4 };

float dampedforce(float p, float v, float k, float gamma)
{
    float maxf = 5.0f * pln.m_max * con.g;
    float f = p * k + v * gamma;
    if (!std::isfinite(f))
        return 0.0f;
    return fltlim(f, -maxf, maxf);
}

void setgear(int setting)
{
    int down = setting ? 1 : 0;
    if (!pln.retractEQ)
        down = 1;
    set.gear_handle = down;
    for (int i = 0; i < 3; i++)
        set.gear_stat[i] = down;
    ins.brake_on = 0;
    set.partbrake = 0.25f;
}

// Descent faster than 500 ft/min (2.54 m/s) is a hard touchdown; it still
// sounds like tyres, not like the crash.
constexpr float HARD_TOUCHDOWN_MS = -2.54f;

int touchdown_sound(float vel)
{
    (void)vel;
    return SND_SQUEAK;
}

static void touchdown(float vel)
{
    flight_calls.play_buffer(touchdown_sound(vel), 0);
    // The bump grows with the sink rate: 20 at 1 m/s, full at 5 m/s; a
    // hard touchdown is felt at least at half strength.
    float magnitude = fltlim(-vel * 20.0f, 10.0f, 100.0f);
    if (vel < HARD_TOUCHDOWN_MS)
        magnitude = fltmax2(magnitude, 50.0f);
    flight_calls.forcecall(FF_JOLT, magnitude, 180.0f, 100.0f);
}

// Height of the surface under the point (x east, y north).
static float surface_height(float px, float py)
{
    if (env.over_carr)
        return env.carrz;
    if (!env.over_boat)
        return env.localh;
    // The ship's deck: the plane through three of its corners.
    float ux = env.boatx[1] - env.boatx[0], uy = env.boaty[1] - env.boaty[0], uz = env.boatz[1] - env.boatz[0];
    float vx = env.boatx[3] - env.boatx[0], vy = env.boaty[3] - env.boaty[0], vz = env.boatz[3] - env.boatz[0];
    float nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
    if (!(fabsf(nz) > 1e-6f))
        return (env.boatz[0] + env.boatz[1] + env.boatz[2] + env.boatz[3]) * 0.25f;
    return env.boatz[0] - (nx * (px - env.boatx[0]) + ny * (py - env.boaty[0])) / nz;
}

// The wheels that carry the catapult's hold-down: a tricycle's first wheel,
// a tail-dragger's mains.
static int catapult_wheel(int w)
{
    int tricycle = pln.ngearx < pln.mgearx;
    return tricycle ? w == NOSE_WHEEL : (w == LEFT_WHEEL || w == RIGHT_WHEEL);
}

static float wheel_brake(int w)
{
    float b = set.partbrake;
    if (!pln.nwsteerEQ) {
        // Without nose-wheel steering the steering input brakes one side.
        float input = set.nwheel_steer_type ? set.YKhdng : set.YKroll;
        b += (w == LEFT_WHEEL ? -0.5f : 0.5f) * input;
    }
    return fltlim(b, 0.0f, 1.0f);
}

// Retarding force of the point along the heading.
static float axial_friction(int w, float N, float part)
{
    switch (w) {
    case NOSE_WHEEL: return 0.04f * N * part;
    case LEFT_WHEEL:
    case RIGHT_WHEEL: return interp(0.0f, 0.04f, 1.0f, 0.85f, wheel_brake(w)) * N * part;
    case SKID_CORNER: return N * part;
    default: return 2.0f * N * part;
    }
}

void handle_contact_point(int w, float xarm, float yarm, float zarm)
{
    int wheel = w <= RIGHT_WHEEL;
    float k = wheel ? pln.gearcon : pln.skidcon, gamma = wheel ? pln.geardmp : pln.skiddmp;
    float beta_gnd = fltwrap(flt.psi - flt.hpath, -180.0f, 180.0f);
    // The point's place over the ground, for a deck's slope.
    float px = (float)flt.x + xarm * -flt.sinpsi + yarm * flt.cospsi;
    float py = (float)flt.y + xarm * -flt.cospsi - yarm * flt.sinpsi;
    float zs = surface_height(px, py);
    float def = zs - (flt.h + zarm * flt.costhe * flt.cosphi - xarm * flt.sinthe - yarm * flt.sinphi);
    float vel = flt.vu - xarm * flt.Qrad - yarm * flt.Prad;
    float N = dampedforce(def, -vel, k, gamma);
    if (catapult_engaged() && catapult_wheel(w)) {
        if (def < -10.0f) {   // the launch has carried the aircraft clear
            flt.cat_stage = CAT_FREE;
            N = 0.0f;
        }
    } else if (N < 0.0f) {
        N = 0.0f;
    }
    // Friction builds up fully by 0.2 m/s (a gentler ramp lets a braked
    // aircraft creep at idle; a steeper one rings at long sub-steps).
    float part = fltlim(flt.v * 5.0f, 0.0f, 1.0f);
    if (fabsf(beta_gnd) > 90.0f)
        part = -part;   // rolling backwards
    float axial = axial_friction(w, N, part);
    float c = wheel ? 0.85f : 1.0f;
    float S = c * N * fltlim(sinf(beta_gnd * con.degtorad) * flt.v + flt.Rrad * xarm, -1.0f, 1.0f);
    if (w == NOSE_WHEEL && pln.ngearx < pln.mgearx && !pln.nwsteerEQ)
        S = 0.0f;   // a free nose wheel castors
    if (wheel && !set.gear_stat[w])
        def = N = S = axial = 0.0f;
    int was_down = wheel && flt.gearf[w] > 0.0f;
    if (wheel) {
        flt.geard[w] = def;
        flt.gearf[w] = N;
    }
    addFagear(-axial, yarm, zarm);
    addFsgear(S, xarm, zarm);
    addFngear(N, xarm, yarm);
    if (N > 0.0f || catapult_engaged()) {
        flt.onground = 1;
        if (wheel && N > 0.0f && !was_down)
            touchdown(vel);
    }
}

// Contact points of the airframe itself: wingtips and the fuselage keel.
static void airframe_points()
{
    for (int EN = 2; EN <= 4; EN++) {
        if (!pln.foileq[EN] || pln.els[EN] < 1)
            continue;
        int el = intlim(pln.els[EN], 1, MAX_ELS) - 1;
        float y = fabsf(pln.yarm[EN][el]);
        handle_contact_point(OTHER_POINT, pln.xarm[EN][el], -y, pln.zarm[EN][el]);
        handle_contact_point(OTHER_POINT, pln.xarm[EN][el], y, pln.zarm[EN][el]);
    }
    for (int i = 0; i < N_FUSE_STATIONS; i++)
        handle_contact_point(OTHER_POINT, pln.fuse_x[i][4], pln.fuse_y[i][4], pln.fuse_z[i][4]);
}

static int cell_is_water()
{
    int i = intlim(env.i_aircraft, 0, MESH_I - 1), j = intlim(env.j_aircraft, 0, MESH_J - 1);
    return on_water[i][j][env.t_aircraft ? 1 : 0] != 0;
}

// Floats work when there are no wheels, or retractable wheels all up.
static int can_use_water()
{
    if (!pln.floatEQ)
        return 0;
    if (!pln.gearEQ)
        return 1;
    return pln.retractEQ && !set.gear_stat[0] && !set.gear_stat[1] && !set.gear_stat[2];
}

// Crash checks once something touches: sink rate, bank, and what touched.
static void crash_checks()
{
    int water = cell_is_water() && !env.over_carr && !env.over_boat;
    int proper;
    if (water)
        proper = can_use_water();
    else
        proper = (pln.gearEQ && (set.gear_stat[0] || set.gear_stat[1] || set.gear_stat[2])) || pln.skidEQ;
    if (flt.vu < -20.0f)
        bendmetal(1);
    else if (flt.vu < -10.0f)
        bendmetal(0);
    else if (fabsf(fltwrap(flt.phi, -180.0f, 180.0f)) > 90.0f)
        bendmetal(0);
    else if (!proper)
        bendmetal(0);
}

void ground_contact()
{
    flt.onground = 0;
    if (pln.gearEQ) {
        handle_contact_point(NOSE_WHEEL, pln.ngearx, 0.0f, pln.ngearz);
        handle_contact_point(LEFT_WHEEL, pln.mgearx, -pln.mgeary, pln.mgearz);
        handle_contact_point(RIGHT_WHEEL, pln.mgearx, pln.mgeary, pln.mgearz);
    }
    if (pln.skidEQ) {
        handle_contact_point(SKID_CORNER, pln.skidx, -pln.skidy, pln.skidz);
        handle_contact_point(SKID_CORNER, pln.skidx, pln.skidy, pln.skidz);
        handle_contact_point(SKID_CORNER, pln.skidx + pln.skidl, -pln.skidy, pln.skidz);
        handle_contact_point(SKID_CORNER, pln.skidx + pln.skidl, pln.skidy, pln.skidz);
    }
    airframe_points();
    if (cell_is_water() && can_use_water() && flt.h < env.localh + 10.0f)
        water_floats();
    if (flt.onground)
        crash_checks();
}
