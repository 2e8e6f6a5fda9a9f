// Window 14, "3-D Flight Path": the recorded trail seen from a free camera
// (view 999) that the stick turns and the keys move, with the weather that
// would hide the trail cleared for the replay and put back after it.
#include <cmath>

#include "controls/controls.h"
#include "output/local.h"
#include "view/view.h"
#include "world/world.h"

constexpr int WIN_REPLAY = 14;
constexpr int REPLAY_WORLD = 1, REPLAY_WORLD_W = 579, REPLAY_WORLD_H = 371;
constexpr float CLEAR_BASE_FT = 20000.5f;   // above every cloud base limwx allows
constexpr float CIRCLE_MARGIN_M = 4000.0f;
constexpr float CAMERA_HEIGHT_SHARE = 0.1f; // of the circle radius, above the centroid
constexpr float PITCH_RATE = 2.0f, HEADING_RATE = 4.0f;   // rad/s at full stick
constexpr int PACE_PASSES = 15;             // about one second of replay per 15 frames
constexpr float MIN_REPLAY_VIS_NM = 7.0f;
constexpr int HEADING_SAMPLE = 10;

// The weather the replay clears, put back by stop_movie.
static int saved_rain_tstm;
static float saved_base_m, saved_tops_m;
// Pace measurement: passes since the last one and when it started (ms).
static int pace_passes;
static int64_t pace_start_ms;

void path_centroid()
{
    double sx = 0.0, sy = 0.0, sz = 0.0;
    int n = 0;
    for (int i = 0; i < MAX_PATH_SAMPLES; i++)
        if (pat.inited[i]) {
            sx += pat.xyztpp[i][0], sy += pat.xyztpp[i][1], sz += pat.xyztpp[i][2];
            n++;
        }
    if (n == 0) {   // nothing recorded: circle the aircraft rather than divide 0 by 0
        pat.centroid_x = (float)flt.x, pat.centroid_y = (float)flt.y, pat.centroid_z = (float)flt.z;
        pat.circ_rad = CIRCLE_MARGIN_M;
        return;
    }
    pat.centroid_x = (float)(sx / n), pat.centroid_y = (float)(sy / n), pat.centroid_z = (float)(sz / n);
    float far_m = 0.0f;
    for (int i = 0; i < MAX_PATH_SAMPLES; i++)
        if (pat.inited[i])
            far_m = fmaxf(far_m, hypotf(pat.xyztpp[i][0] - pat.centroid_x, pat.xyztpp[i][1] - pat.centroid_y));
    pat.circ_rad = far_m + CIRCLE_MARGIN_M;
}

void circle_replay_camera()
{
    float psi = scn.psi180rad = fltwrap(scn.psi180rad + msc.prd * 0.5f, -con.pi, con.pi);
    msc.x_view = pat.centroid_x - pat.circ_rad * sinf(psi);
    msc.y_view = pat.centroid_y - pat.circ_rad * cosf(psi);
}

void start_movie()
{
    if (mnw.up[WIN_REPLAY]) {   // already replaying: keep the weather saved at its start
        MACIBM_startwind(WIN_REPLAY, 1);
        return;
    }
    saved_rain_tstm = atm.rain_tstm;
    saved_base_m = atm.baseMSL;
    saved_tops_m = atm.topsMSL;
    atm.rain_tstm = 1;
    atm.baseMSL = CLEAR_BASE_FT * con.fttomtrs;
    limwx();
    MACIBM_startwind(WIN_REPLAY, 1);
    MACIBM_initgworld(REPLAY_WORLD, REPLAY_WORLD_W, REPLAY_WORLD_H);
    MACIBM_bitmap(0, 0, REPLAY_BITMAP);
    set.viewtype = VIEW_REPLAY;
    const float *first = pat.xyztpp[0], *later = pat.xyztpp[HEADING_SAMPLE];
    msc.x_view = first[0], msc.y_view = first[1], msc.z_view = first[2];
    scn.the180rad = scn.phi180rad = 0.0f;
    scn.psi180rad = atan2f(later[0] - first[0], later[1] - first[1]);   // 0 for an empty trail
    pat.visrat = 1.0f;
    path_centroid();
    pat.cntr_replay = intwrap(pat.cntr_record, 0, MAX_PATH_SAMPLES - 1);
    circle_replay_camera();
    msc.z_view = pat.centroid_z + pat.circ_rad * CAMERA_HEIGHT_SHARE;
    pace_passes = 0;
    cal_stick();
}

void turn_replay_camera(float pitch_in, float roll_in, float dt_s)
{
    scn.the180rad = fltlim(scn.the180rad + pitch_in * dt_s * PITCH_RATE, -con.pid2, con.pid2);
    scn.psi180rad = fltwrap(scn.psi180rad + roll_in * dt_s * HEADING_RATE, -con.pi, con.pi);
}

void adapt_replay_visibility(float secs)
{
    float v = pat.visrat > 0.0f ? pat.visrat : 1.0f;
    if (secs > 0.0f)
        v /= sqrtf(secs);
    v = fltlim(v, 0.5f, 2.0f);
    float min_vis_m = MIN_REPLAY_VIS_NM * con.nmtomtrs;
    if (atm.vis > 0.0f && atm.vis * v < min_vis_m)
        v = min_vis_m / atm.vis;
    pat.visrat = v;
}

void play_movie()
{
    float ptch = 0.0f, roll = 0.0f, hdng = 0.0f, thro = 0.0f;   // the mouse leaves them alone
    MACIBM_getjoy(&ptch, &roll, &hdng, &thro);
    if (!msc.mouse_is_joy) {
        ptch -= set.OSptch;
        roll -= set.OSroll;
    }
    turn_replay_camera(ptch, roll, msc.prd);
    start_looking();
    int64_t now = clock_ms();
    if (pace_passes == 0)
        pace_start_ms = now;   // the first measurement starts at the first pass
    if (++pace_passes > PACE_PASSES) {
        adapt_replay_visibility((float)(now - pace_start_ms) / 1000.0f);
        pace_passes = 1;
        pace_start_ms = now;
    }
}

void stop_movie()
{
    MACIBM_disposegworld(REPLAY_WORLD);
    set.viewtype = VIEW_FORWARD;
    atm.rain_tstm = saved_rain_tstm;
    atm.baseMSL = saved_base_m;
    atm.topsMSL = saved_tops_m;
    limwx();
    cal_stick();
}
