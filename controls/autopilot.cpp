// The autopilot: its airspeed-scheduled authority, the lateral modes
// (heading select, NAV 1/2 tracking with intercept), the vertical modes
// (altitude, vertical speed, glide slope) flying the pitch trim with an
// integral term, and the auto-throttle. Modes and targets are in `ott`.
#include <cmath>

#include "controls/local.h"
#include "files/files.h"
#include "flight/flight.h"
#include "world/world.h"

// A vertical mode was on last frame (engagement takes the trim).
static int old_alt;
// Pitch trim when the vertical mode engaged, and the integral term (deg of
// pitch attitude) the vertical modes build up.
static float initial_trim, tune;
// The auto-throttle's last command, 0..1; -1 while the hold is off.
static float o_throt = -1.0f;

constexpr float GAIN_MIN = 0.1f;
constexpr float GAIN_AT_VNE = 0.2f;          // before squaring: 0.04, held at GAIN_MIN
constexpr float MAX_BANK_DEG = 30.0f;
constexpr float MAX_INTERCEPT_DEG = 30.0f;
constexpr float INTERCEPT_DEG_KT = 800.0f;   // intercept per deviation degree, times knots
constexpr float ALT_HOLD_PER_S = 0.01f;      // climb m/s per m of altitude error
// Path angle added per degree above the glide slope. Above 1 the error
// shrinks as the antenna nears (at 3, with the square of the distance);
// the path stays between level and twice the glide path's angle, so a
// slope is captured from below in level flight.
constexpr float GLIDE_CAPTURE_GAIN = 3.0f;
constexpr float TUNE_RATE_LIM = 5.0f;        // deg/s the integral moves at most
constexpr float WINDUP_DECAY = 0.95f;        // per frame while the trim is at its stop
constexpr float MACH_HOLD_FT = 18000.0f;     // the auto-throttle holds Mach from here up
constexpr float THROTTLE_SLEW_PER_FRAME = 0.01f;

void controls_reset_autopilot()
{
    old_alt = 0;
    initial_trim = tune = 0.0f;
    o_throt = -1.0f;
}

float stall_speed_kt() { return msc.est_Vs * con.msctokts; }

// Full authority at the stall speed falling with the square toward Vne;
// never below GAIN_MIN. Past Vne the line would cross zero and its square
// climb again, so the speed is held at Vne; a stall speed at or above Vne
// (no line to draw) gives the full authority.
float autopilot_gain(float vind_kt)
{
    float vs = stall_speed_kt(), vne = pln.Vne;
    if (!(vne > vs) || !std::isfinite(vind_kt))
        return 1.0f;
    float v = fltmin2(vind_kt, vne);
    return fltlim(sqr(interp(vs, 1.0f, vne, GAIN_AT_VNE, v)), GAIN_MIN, 1.0f);
}

// The course (deg true) the lateral modes steer: the heading bug, the GPS,
// a VOR radial or a localizer, plus an intercept toward the needle.
static float lateral_course()
{
    if (ott.HDSLCT)
        return env.mvar + nav.obs[1] - ins.dg_drift;
    int i = ott.NAV[0] ? 0 : 1;
    float course;
    if (pln.layouttype != 1 && pln.layouttype != 7 && i == 0)
        course = nav.gps_lock_crs;
    else if (nav.ilsgs[i] == VOR_GLIDESLOPE)
        course = env.mvar + nav.obs[i];
    else
        course = nav.ilscrs[i];
    return course + fltlim(ott.delhorz * INTERCEPT_DEG_KT / fallout(flt.vind, -1.0f, 1.0f),
                           -MAX_INTERCEPT_DEG, MAX_INTERCEPT_DEG);
}

void autopilot_lateral(float g)
{
    if (!ott.HDSLCT && !ott.NAV[0] && !ott.NAV[1])
        return;
    // Bank toward the course, at most 30 deg, damped by the roll rate and
    // acceleration; the rudder cancels sideslip and yaw rate.
    float bank = fltlim(wrap180(lateral_course() - flt.psi), -MAX_BANK_DEG, MAX_BANK_DEG);
    set.YKroll = (-flt.P * 0.005f + (bank - flt.phi180) * 0.05f - flt.Pdot * 0.0005f) * g;
    set.YKhdng = (-flt.Beta * 0.05f - flt.R * 0.05f) * g;
}

// Climb rate (m/s) the vertical mode asks for. The glide slope follows the
// NAV 2 glide path, steepened or flattened by the needle: a path parallel
// to the glide path would keep its height error all the way down and read
// ever further off as the antenna nears. A receiver on a VOR or a localizer
// has no path, so it asks for level flight (the VOR's 9 would otherwise
// read as a 9 deg dive).
static float vertical_target()
{
    if (ott.ALHOLD)
        return (ott.alhold - flt.h) * ALT_HOLD_PER_S;
    if (ott.VVHOLD)
        return ott.vvhold;
    int gs = (nav.ntf[1] && nav.ilsgs[1] != VOR_GLIDESLOPE) ? nav.ilsgs[1] : 0;
    float path_deg = fltlim((float)gs + GLIDE_CAPTURE_GAIN * ott.delvert, 0.0f, 2.0f * (float)gs);
    return -flt.v * sinf(path_deg * con.degtorad);
}

void autopilot_vertical(float g)
{
    if (!ott.ALHOLD && !ott.VVHOLD && !ott.GS2) {
        old_alt = 0;
        return;
    }
    if (!old_alt) {
        old_alt = 1;
        initial_trim = flt.trim;
        tune = 0.0f;
    }
    float target = vertical_target();
    tune -= fltlim((flt.vu - target) * 0.5f, -TUNE_RATE_LIM, TUNE_RATE_LIM) * msc.prd;
    // atan2 with the speed (never negative) as the second argument is the
    // path-angle error without the 0/0 of a standstill.
    float path_deg = atan2f(target - flt.vu, flt.v) * con.radtodeg;
    float max = pln.hstbtrimmax;
    float trim = (-flt.Q * 0.1f + (path_deg + tune - flt.the180) * 0.1f) * max * g + initial_trim;
    if (fabsf(trim) > max)
        tune *= WINDUP_DECAY;
    flt.trim = std::isfinite(trim) ? fltlim(trim, -max, max) : initial_trim;
    if (max > 0.0f)
        controls_calls.handle(175, (int)interp(-max, 524.0f, max, 564.0f, flt.trim));
}

void autopilot_throttle()
{
    if (!ott.ASHOLD) {
        o_throt = -1.0f;
        return;
    }
    if (o_throt < 0.0f)
        o_throt = fltlim(flt.throtrequest[0], 0.0f, 1.0f);   // engage from the lever as it stands
    float mach = flt.machno[FLT_ROW_FUSE];
    float want;
    if (flt.z < MACH_HOLD_FT * con.fttomtrs) {
        ott.mn_hold = mach;
        want = 0.5f - (flt.vind - ott.as_hold) * 0.1f;
    } else {
        want = 0.5f - (mach - ott.mn_hold) * 40.0f;
    }
    if (!std::isfinite(want))
        want = o_throt;
    // Held within the lever's travel, or a long excursion would wind it
    // far past a stop and take seconds to come back.
    o_throt = fltlim(fltlim(want, o_throt - THROTTLE_SLEW_PER_FRAME, o_throt + THROTTLE_SLEW_PER_FRAME),
                     0.0f, 1.0f);
    set.YKthro = o_throt;
}
