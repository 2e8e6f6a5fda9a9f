// Trim for steady level flight at the present height, airspeed and heading,
// found by running the real force build-up. The aircraft is held in place
// (wings level, no rates, level path) while three numbers are sought:
// pitch attitude and pitch trim cancel the vertical acceleration and the
// pitch acceleration (Newton steps on force build-ups of zero length, the
// engine state frozen), and the throttle cancels the acceleration along
// the path. Engines and rotors lag the throttle, so each throttle guess is
// first flown for a few seconds with the aircraft held, letting rpm and
// spool settle, before the attitude is solved again. A climb trim keeps the
// throttle and seeks the vertical speed instead (secant steps on it).
#include <cmath>
#include <cstdio>
#include <cstring>

#include "files/files.h"
#include "flight/flight.h"
#include "shell/local.h"
#include "tools/batch/local.h"

namespace {

constexpr float SETTLE_S = 4.0f;          // engine lag settling per throttle guess
constexpr int MAX_ROUNDS = 12;
constexpr int NEWTON_STEPS = 12;
constexpr float GOOD_ACCEL = 0.03f;       // m/s^2 left along and across the path
constexpr float GOOD_QDOT = 0.2f;         // deg/s^2 of pitch acceleration left
constexpr float THETA_STEP = 0.2f;        // deg, finite-difference steps
constexpr float THROTTLE_STEP = 0.1f;

struct Hold {
    double x, y, z;
    float psi;               // deg
    float v;                 // m/s, true airspeed
    float vz;                // m/s, vertical speed held
};

float trim_limit() { return pln.flying_stab ? fmaxf(pln.hstbtrimmax, 1.0f) : 1.0f; }

// The aircraft held level at pitch `the` with the trim and throttle given,
// every derived angle recomputed.
void place(const Hold &h, float the, float trim, float throttle)
{
    flt.x = h.x;
    flt.y = h.y;
    flt.z = h.z;
    flt.h = (float)h.z;
    flt.the = fltwrap(the, 0.0f, 360.0f);
    flt.psi = h.psi;
    flt.phi = 0.0f;
    flt.P = flt.Q = flt.R = flt.Pdot = flt.Qdot = flt.Rdot = 0.0f;
    float p = h.psi * con.degtorad;
    float horiz = sqrtf(fmaxf(h.v * h.v - h.vz * h.vz, 0.0f));
    flt.vx = horiz * sinf(p) + atm.wind_x;
    flt.vy = horiz * cosf(p) + atm.wind_y;
    flt.vz = h.vz;
    flt.trim = trim;
    if (pln.collect_eq)
        batch_set(BC_COLLECTIVE, throttle);   // the governor keeps the throttle
    else
        flt.throt[0] = flt.throt[1] = flt.throtrequest[0] = flt.throtrequest[1] = throttle;
    float keep = msc.prd;
    msc.prd = 0.0f;
    integ_x();
    integ_x();   // alpha of the first pass feeds the airspeeds of the second
    msc.prd = keep;
}

// Accelerations at the held state: along the path (m/s^2), up, and pitch
// (deg/s^2), from one force build-up of zero length (nothing integrates).
void residuals(const Hold &h, float the, float trim, float throttle, float r[3])
{
    place(h, the, trim, throttle);
    float keep = msc.prd;
    msc.prd = 0.0f;
    control();
    set_a();
    msc.prd = keep;
    float p = h.psi * con.degtorad;
    r[0] = flt.ax * sinf(p) + flt.ay * cosf(p);
    r[1] = flt.az;
    r[2] = flt.Qdot;
}

// Flies SETTLE_S with the aircraft put back in place each frame, so that
// engines, rotors and flaps reach the state of this throttle.
void settle(const Hold &h, float the, float trim, float throttle)
{
    for (float t = 0.0f; t < SETTLE_S; t += msc.prd) {
        place(h, the, trim, throttle);
        batch_frame();
    }
    place(h, the, trim, throttle);
}

// Newton steps on pitch and trim for no vertical and no pitch
// acceleration at this engine state. Returns the remaining residuals.
void solve_attitude(const Hold &h, float *the, float *trim, float throttle, float r[3])
{
    const flightstruct base = flt;
    float lim = trim_limit(), dtrim = 0.02f * lim;
    for (int k = 0; k < NEWTON_STEPS; k++) {
        float a[3], b[3];
        flt = base;
        residuals(h, *the, *trim, throttle, r);
        if (fabsf(r[1]) < 0.5f * GOOD_ACCEL && fabsf(r[2]) < 0.5f * GOOD_QDOT)
            break;
        flt = base;
        residuals(h, *the + THETA_STEP, *trim, throttle, a);
        flt = base;
        residuals(h, *the, *trim + dtrim, throttle, b);
        float j11 = (a[1] - r[1]) / THETA_STEP, j12 = (b[1] - r[1]) / dtrim;
        float j21 = (a[2] - r[2]) / THETA_STEP, j22 = (b[2] - r[2]) / dtrim;
        float det = j11 * j22 - j12 * j21;
        if (!(fabsf(det) > 1e-9f))
            break;
        float dthe = (-r[1] * j22 + r[2] * j12) / det;
        float dtr = (-r[2] * j11 + r[1] * j21) / det;
        *the += fltlim(dthe, -3.0f, 3.0f);
        *trim = fltlim(*trim + fltlim(dtr, -0.3f * lim, 0.3f * lim), -lim, lim);
    }
    flt = base;
    residuals(h, *the, *trim, throttle, r);
    flt = base;
}


// The next guess of the outer unknown (throttle, or vertical speed for a
// climb): a secant step on the acceleration along the path once two
// guesses are known, a fixed step before.
float next_guess(float now, float prev, float along, float prev_along, int climb, float *slope)
{
    if (prev > -1e8f && fabsf(now - prev) > 1e-4f)
        *slope = (along - prev_along) / (now - prev);
    int usable = climb ? *slope < -1e-3f : *slope > 1e-3f;
    if (usable)
        return now - along / *slope;
    if (climb)
        return now + (along > 0.0f ? 1.0f : -1.0f);   // m/s: climb off the excess
    return now + (along < 0.0f ? THROTTLE_STEP : -THROTTLE_STEP);
}

}   // namespace

int batch_trim(int climb)
{
    Hold h{flt.x, flt.y, flt.z, flt.psi, fmaxf(flt.av, 1.0f), climb ? (float)flt.vz : 0.0f};
    double t0 = bst.t;
    float tot0 = msc.tottime;
    int coll = pln.collect_eq;
    float the = flt.the180, trim = flt.trim, throttle = coll ? bst.ctl[BC_COLLECTIVE] : flt.throtrequest[0];
    float prev = -1e9f, prev_along = 0.0f, slope = 0.0f, r[3] = {0, 0, 0};
    int good = 0;
    for (int round = 0; round < MAX_ROUNDS; round++) {
        settle(h, the, trim, throttle);
        solve_attitude(h, &the, &trim, throttle, r);
        good = fabsf(r[0]) < GOOD_ACCEL && fabsf(r[1]) < GOOD_ACCEL && fabsf(r[2]) < GOOD_QDOT;
        if (good)
            break;
        float now = climb ? h.vz : throttle;
        float next = next_guess(now, prev, r[0], prev_along, climb, &slope);
        prev = now;
        prev_along = r[0];
        if (climb) {
            // The pitch follows the path angle, so alpha starts where it was.
            float vz = fltlim(next, -0.5f * h.v, 0.5f * h.v);
            the += (asinf(vz / h.v) - asinf(h.vz / h.v)) * con.radtodeg;
            h.vz = vz;
        } else {
            next = fltlim(next, 0.0f, 1.0f);
            if (fabsf(next - throttle) < 1e-4f && (next == 0.0f || next == 1.0f))
                break;   // the throttle is at its stop and cannot do more
            throttle = next;
        }
    }
    settle(h, the, trim, throttle);
    bst.t = t0;   // trimming takes no scenario time
    msc.tottime = tot0;
    bst.ctl[coll ? BC_COLLECTIVE : BC_THROTTLE] = throttle;
    bst.ctl[BC_TRIM] = trim / trim_limit();
    return good;
}
