// Where the camera stands and looks for each view type: at the pilot's eye
// with the aircraft's attitude (turned for the side and back views), or
// outside the aircraft, easing towards a point over, behind or round it,
// the airport's tower or the replay's camera, and aimed at the aircraft.
#include "view/local.h"

#include <cmath>

#include "world/world.h"

constexpr float DIST_PER_SEMISPAN = 20.0f;   // outside cameras stand 20 semispans off
constexpr float HELI_DIST_PER_LENGTH = 10.0f;
constexpr float MIN_OUTSIDE_DIST_M = 10.0f;  // an aircraft without surfaces still gets room
// The satellite looks straight down from ten camera distances up: the
// aircraft stays in view while the drawn range reaches 20 km round it.
constexpr float SATELLITE_HEIGHT_PER_DIST = 10.0f;
constexpr float EASE_PER_S = 1.0f;          // fraction of the way per second of frame period
constexpr float REPLAY_EASE_PER_S = 8.0f;
constexpr float MIN_CAMERA_AGL_M = 20.0f;
// A target this far off is reached at once: after a new start the camera
// does not fly across the region (well beyond the drawn range).
constexpr float SNAP_DISTANCE_M = 20000.0f;
constexpr float STILL_MS = 1.0f;            // below this ground speed the chase follows the heading

float outside_camera_distance()
{
    float d;
    if (pln.is_heli) {
        int mid = N_FUSE_RADIALS / 2;
        d = HELI_DIST_PER_LENGTH * fabsf(pln.fuse_x[N_FUSE_STATIONS - 1][mid] - pln.fuse_x[0][mid]);
    } else {
        d = DIST_PER_SEMISPAN * fltmax2(pln.semiB[2], pln.semiB[3]);
    }
    return d > MIN_OUTSIDE_DIST_M ? d : MIN_OUTSIDE_DIST_M;   // also a NaN
}

void closer(float *a, float target, float f)
{
    *a += (target - *a) * fltlim(f, 0.0f, 1.0f);
}

// The aircraft's position and attitude for this frame's transforms.
static void place_plane()
{
    con.PLAN_loc_x = (float)flt.x;
    con.PLAN_loc_y = (float)flt.y;
    con.PLAN_loc_z = (float)flt.z;
    float psi = flt.psi * con.degtorad, the = flt.the * con.degtorad, phi = flt.phi * con.degtorad;
    con.sinPLANpsi = sinf(psi);
    con.cosPLANpsi = cosf(psi);
    con.sinPLANthe = sinf(the);
    con.cosPLANthe = cosf(the);
    con.sinPLANphi = sinf(phi);
    con.cosPLANphi = cosf(phi);
}

static int cockpit_view(int v) { return (v >= VIEW_FORWARD && v <= VIEW_BACK) || v == VIEW_FULL_SCREEN; }

// The pilot's eye, the camera turned with the aircraft: pitched down in
// the Down views, and for the side and back views the aircraft's roll and
// pitch exchanged as the turned head sees them.
static void cockpit_camera(int v)
{
    float ex, ey, ez;
    xfrm_VIEWP(pln.pey, -pln.pex, pln.pez, &ex, &ey, &ez);
    con.VIEW_loc_x = con.PLAN_loc_x + ex;
    con.VIEW_loc_y = con.PLAN_loc_y + ey;
    con.VIEW_loc_z = con.PLAN_loc_z + ez;
    float the = flt.the, psi = flt.psi, phi = flt.phi;
    switch (v) {
    case VIEW_DOWN4: the -= 4.0f; break;
    case VIEW_DOWN8: the -= 8.0f; break;
    case VIEW_LEFT: the = flt.phi; psi -= 90.0f; phi = -flt.the; break;
    case VIEW_RIGHT: the = -flt.phi; psi += 90.0f; phi = flt.the; break;
    case VIEW_BACK: the = -flt.the; psi += 180.0f; phi = -flt.phi; break;
    default: break;
    }
    scn.the180rad = the * con.degtorad;
    scn.psi180rad = psi * con.degtorad;
    scn.phi180rad = phi * con.degtorad;
    set_view_angles();
}

// Where an outside camera wants to be; 1 when it eases there (else it is
// placed there outright).
static int outside_target(int v, float t[3], float *ease)
{
    float d = outside_camera_distance();
    float x = con.PLAN_loc_x, y = con.PLAN_loc_y, z = con.PLAN_loc_z;
    float sp = con.sinPLANpsi, cp = con.cosPLANpsi;
    *ease = EASE_PER_S;
    switch (v) {
    case VIEW_SATELLITE:
        t[0] = x, t[1] = y, t[2] = z + SATELLITE_HEIGHT_PER_DIST * d;
        return 1;
    case VIEW_TOWER: {
        int k = intlim(msc.loc_index, 0, MAX_NAV - 1);
        t[0] = beacx[k], t[1] = beacy[k], t[2] = beacz[k];
        return 1;
    }
    case VIEW_CHASE: {
        // Behind along the track, advanced by one second of it: the camera
        // easing at one per second trails its target by that much.
        float hp = flt.v > STILL_MS ? flt.hpath * con.degtorad : flt.psi * con.degtorad;
        float along = flt.v - d;
        t[0] = x + along * sinf(hp), t[1] = y + along * cosf(hp), t[2] = z;
        return 1;
    }
    case VIEW_CIRCLE:
        t[0] = x + d * sinf(msc.tottime), t[1] = y + d * cosf(msc.tottime), t[2] = z;
        return 1;
    case VIEW_ABOVE40:
    case VIEW_ABOVE10: {
        float a = (v == VIEW_ABOVE40 ? 40.0f : 10.0f) * con.degtorad;
        t[0] = x - d * cosf(a) * sp, t[1] = y - d * cosf(a) * cp, t[2] = z + d * sinf(a);
        return 0;
    }
    default:   // the replay's camera, steered by the replay itself
        t[0] = msc.x_view, t[1] = msc.y_view, t[2] = msc.z_view;
        *ease = REPLAY_EASE_PER_S;
        return 1;
    }
}

// The grid cell under the camera, searched from the last one (the
// cockpit's from the aircraft's), and the ground height there (NO_HEIGHT
// off the mesh).
static float locate_viewpoint(int cockpit)
{
    if (cockpit) {
        env.i_viewpoint = env.i_aircraft;
        env.j_viewpoint = env.j_aircraft;
    }
    float h = NO_HEIGHT;
    int t = 0;
    find_local_h(con.VIEW_loc_x, con.VIEW_loc_y, &h, &env.i_viewpoint, &env.j_viewpoint, &t);
    return h;
}

static void outside_camera(int v)
{
    float t[3], ease;
    int eased = outside_target(v, t, &ease);
    float dx = t[0] - con.VIEW_loc_x, dy = t[1] - con.VIEW_loc_y, dz = t[2] - con.VIEW_loc_z;
    if (!eased || !(dx * dx + dy * dy + dz * dz < SNAP_DISTANCE_M * SNAP_DISTANCE_M)) {
        con.VIEW_loc_x = t[0], con.VIEW_loc_y = t[1], con.VIEW_loc_z = t[2];
    } else {
        float f = msc.prd * ease;
        closer(&con.VIEW_loc_x, t[0], f);
        closer(&con.VIEW_loc_y, t[1], f);
        closer(&con.VIEW_loc_z, t[2], f);
    }
    float ground = locate_viewpoint(0);
    if (ground > NO_HEIGHT && con.VIEW_loc_z < ground + MIN_CAMERA_AGL_M)
        con.VIEW_loc_z = ground + MIN_CAMERA_AGL_M;
    if (v == VIEW_REPLAY)
        set_view_angles();   // the replay turns the camera itself
    else
        aim_camera(con.PLAN_loc_x, con.PLAN_loc_y, con.PLAN_loc_z);
}

void place_camera()
{
    place_plane();
    int v = set.viewtype;
    if (cockpit_view(v)) {
        cockpit_camera(v);
        locate_viewpoint(1);
    } else {
        outside_camera(v);
    }
}

int view_octant()
{
    int v = set.viewtype, h;
    if (v == VIEW_TOWER || v == VIEW_CIRCLE || v == VIEW_REPLAY)
        h = deg_index(scn.psi180rad * con.radtodeg);
    else
        h = deg_index(flt.psi + (v == VIEW_LEFT ? -90.0f : v == VIEW_RIGHT ? 90.0f : v == VIEW_BACK ? 180.0f : 0.0f));
    return h / 45 + 1;
}
