// Fixed cameras round the aircraft for its review pictures: the aircraft
// level at the world's centre, the camera far enough off that the whole
// aircraft fits the view at zoom 1.
#include "tools/art/plane_shot.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "flight/flight.h"
#include "view/view.h"

const char *const PLANE_CAMERAS[N_PLANE_CAMERAS] = {"front", "side", "above", "below"};
// Camera bearing from the aircraft (deg clockwise from its nose) and
// elevation (deg), per camera above.
static const float CAMERA_AZ_DEG[N_PLANE_CAMERAS] = {0.0f, 270.0f, 315.0f, 135.0f};
static const float CAMERA_EL_DEG[N_PLANE_CAMERAS] = {8.0f, 0.0f, 30.0f, -25.0f};

constexpr float SHOT_ALT_M = 1000.0f;
constexpr int SKY = 62;
constexpr float VIEW_REACH_TANGENT = 0.55f;   // the aircraft's reach fills about this tangent
constexpr float DEFLECT_AILERON_DEG = 15.0f, DEFLECT_ELEVATOR_DEG = 10.0f, DEFLECT_RUDDER_DEG = 15.0f;
constexpr int HALF_FLAP = 25;

void load_shot_aircraft(const char *acf)
{
    char full[MAX_STR];
    if (!realpath(acf, full))
        C_to_C(acf, full);
    C_to_C(full, pln.C_file);
    char *slash = strrchr(full, '/');
    if (slash)
        *slash = 0;
    slash = strrchr(full, '/');
    if (slash)
        slash[1] = 0;
    C_to_C(slash ? full : "", pln.C_appdir);
    load_plane(nullptr);
}

// How far from the centre of gravity the aircraft reaches (m).
static float plane_reach()
{
    float r = 1.0f;
    for (int s = 0; s < N_FUSE_STATIONS; s++)
        for (int k = 0; k < N_FUSE_RADIALS; k++)
            r = fltmax2(r, pythag3(pln.fuse_x[s][k], pln.fuse_y[s][k], pln.fuse_z[s][k]));
    for (int p = 0; p < MAX_PARTS; p++)
        r = fltmax2(r, pythag3(pln.xarm[p][MAX_ELS], pln.yarm[p][MAX_ELS], pln.zarm[p][MAX_ELS]) +
                           fabsf(pln.semiB[p]) + fabsf(pln.Croot[p]));
    return r;
}

static void set_deflections(int deflect)
{
    float k = deflect ? 1.0f : 0.0f;
    flt.lailndef = -DEFLECT_AILERON_DEG * k;
    flt.railndef = DEFLECT_AILERON_DEG * k;
    flt.lhstbdef = flt.rhstbdef = DEFLECT_ELEVATOR_DEG * k;
    flt.ruddef = DEFLECT_RUDDER_DEG * k;
    flt.flap = deflect ? HALF_FLAP : 0;
}

int draw_plane_shot(const char *name, int time, int deflect)
{
    int cam = -1;
    for (int k = 0; k < N_PLANE_CAMERAS; k++)
        if (!strcmp(name, PLANE_CAMERAS[k]))
            cam = k;
    if (cam < 0)
        return 0;
    set.viewtype = VIEW_FULL_SCREEN;
    set_mon(0, 0.0f);
    MACIBM_disposegworld(0);
    MACIBM_initgworld(0, con.gwor_x_size, con.gwor_y_size);
    MACIBM_settogworld(0, con.gwor_x_size, con.gwor_y_size, SKY, 1);
    scn.time = time;
    set_deflections(deflect);
    con.PLAN_loc_x = con.PLAN_loc_y = 0.0f;
    con.PLAN_loc_z = SHOT_ALT_M;
    con.sinPLANpsi = con.sinPLANthe = con.sinPLANphi = 0.0f;
    con.cosPLANpsi = con.cosPLANthe = con.cosPLANphi = 1.0f;
    float d = plane_reach() / VIEW_REACH_TANGENT, az = CAMERA_AZ_DEG[cam] * con.degtorad;
    float el = CAMERA_EL_DEG[cam] * con.degtorad;
    con.VIEW_loc_x = d * sinf(az) * cosf(el);
    con.VIEW_loc_y = d * cosf(az) * cosf(el);
    con.VIEW_loc_z = SHOT_ALT_M + d * sinf(el);
    aim_camera(con.PLAN_loc_x, con.PLAN_loc_y, con.PLAN_loc_z);
    track_ang = 0;
    plot_plane();
    return 1;
}
