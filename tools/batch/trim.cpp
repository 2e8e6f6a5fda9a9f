// Trim for steady level flight at the present height, airspeed and heading,
// found by running the real force build-up. The aircraft is held in place
// (wings level, no rates, level path) while five numbers are sought:
// pitch attitude, pitch trim, aileron and rudder cancel the vertical, pitch,
// roll and yaw accelerations (Newton steps on force build-ups of zero
// length, the engine state frozen), and the throttle cancels the
// acceleration along the path. Engines and rotors lag the throttle, so each throttle guess is
// first flown for a few seconds with the aircraft held, letting rpm and
// spool settle, before the attitude is solved again; the solution is judged
// only in such a settled state. A climb trim keeps the
// throttle and seeks the vertical speed instead (secant steps on it).
// A helicopter's collective lifts and its attitude drives it along the
// path, so for a helicopter the collective (or, in a climb trim, the
// vertical speed) joins the Newton steps as a fifth unknown against all
// five accelerations, and there is no outer throttle search.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "files/files.h"
#include "flight/flight.h"
#include "shell/local.h"
#include "tools/batch/local.h"

namespace {

constexpr float SETTLE_S = 4.0f;          // engine lag settling per throttle guess
constexpr float SAMPLE_S = 1.0f;          // last part of a settling whose frames are measured
constexpr int MAX_ROUNDS = 25;
constexpr int NEWTON_STEPS = 12;
constexpr float GOOD_ACCEL = 0.03f;       // m/s^2 left along the path and vertically
constexpr float GOOD_ROT = 0.2f;          // deg/s^2 of pitch, roll or yaw acceleration left
constexpr float THROTTLE_STEP = 0.1f;
constexpr int N_INNER = 4;                // pitch, trim, aileron, rudder
constexpr int N_HELI = 6;                 // ... collective or climb rate, and bank
constexpr int N_RES = 6;                  // along, up, pitch, roll, yaw, sideways
constexpr float MAX_BANK_DEG = 30.0f;

struct Hold {
    double x, y, z;
    float psi;               // deg
    float v;                 // m/s, true airspeed
    float vz;                // m/s, vertical speed held
};

// What the inner solution sets: pitch (deg), trim, aileron and rudder;
// for a helicopter also the collective (level) or vertical speed (m/s,
// climb), and the bank (deg, right wing down positive): its tail rotor
// pushes sideways against the main rotor's torque, and the helicopter
// holds the bank that tilts the main rotor against that push.
struct Inner {
    float u[N_HELI];
};

// Unknowns of the Newton steps, and the first residual they cancel.
int n_inner() { return pln.is_heli ? N_HELI : N_INNER; }
int first_residual() { return pln.is_heli ? 0 : 1; }

float trim_limit() { return pln.flying_stab ? fmaxf(pln.hstbtrimmax, 1.0f) : 1.0f; }

// Finite-difference steps and limits of the inner unknowns.
void inner_scale(int climb, float step[N_HELI], float lim[N_HELI])
{
    float t = trim_limit();
    const float s[N_HELI] = {0.2f, 0.02f * t, 0.02f, 0.02f, climb ? 0.1f : 0.01f, 0.2f};
    const float l[N_HELI] = {80.0f, t, 1.0f, 1.0f, climb ? 20.0f : 1.0f, MAX_BANK_DEG};
    for (int k = 0; k < N_HELI; k++) {
        step[k] = s[k];
        lim[k] = l[k];
    }
}

// Finite-difference step of unknown j at value u. The stick and pedals
// pass a dead zone round the centre: a step from outside it towards the
// centre would end inside it and measure too shallow a slope, so the
// Newton steps would overshoot and swing about the solution (a
// helicopter's roll in forward flight, stiff on the cyclic, never settled
// that way). For a helicopter the step goes away from the centre, staying
// on the straight part; the aeroplanes keep the step their measured
// figures were found with.
float fd_step(int j, float u, float step)
{
    if (pln.is_heli && (j == 2 || j == 3))
        return u < 0.0f ? -step : step;
    return step;
}

// The aircraft held level at the inner state with the throttle (or
// collective) given, every derived angle recomputed. A helicopter's fifth
// unknown replaces the collective, or the held climb rate; its sixth
// banks it.
void place(const Hold &held, const Inner &in, float throttle, int climb)
{
    Hold h = held;
    if (pln.is_heli && climb)
        h.vz = in.u[4];
    else if (pln.is_heli)
        throttle = fltlim(in.u[4], 0.0f, 1.0f);
    flt.x = h.x;
    flt.y = h.y;
    flt.z = h.z;
    flt.h = (float)h.z;
    flt.the = fltwrap(in.u[0], 0.0f, 360.0f);
    flt.psi = h.psi;
    flt.phi = pln.is_heli ? fltwrap(in.u[5], 0.0f, 360.0f) : 0.0f;
    flt.P = flt.Q = flt.R = flt.Pdot = flt.Qdot = flt.Rdot = 0.0f;
    float p = h.psi * con.degtorad;
    float horiz = sqrtf(fmaxf(h.v * h.v - h.vz * h.vz, 0.0f));
    flt.vx = horiz * sinf(p) + atm.wind_x;
    flt.vy = horiz * cosf(p) + atm.wind_y;
    flt.vz = h.vz;
    flt.trim = in.u[1];
    bst.roll = in.u[2];
    bst.hdng = in.u[3];
    set_scripted_input(bst.ptch, bst.roll, bst.hdng, flt.throtrequest[0]);
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

// Accelerations at the held state: along the path and up (m/s^2), pitch,
// roll and yaw (deg/s^2), and to the right of the path (m/s^2), from force
// build-ups of zero length, plus `bias` (what flying frames feel beyond
// such a build-up, see settle()).
void residuals(const Hold &h, const Inner &in, float throttle, int climb, const float bias[N_RES],
               float r[N_RES])
{
    place(h, in, throttle, climb);
    float keep = msc.prd;
    msc.prd = 0.0f;
    control();
    // Downwash and induced angles come from the previous build-up: repeat
    // until they belong to this state.
    for (int k = 0; k < 3; k++)
        set_a();
    msc.prd = keep;
    float p = h.psi * con.degtorad;
    r[0] = flt.ax * sinf(p) + flt.ay * cosf(p);
    r[1] = flt.az;
    r[2] = flt.Qdot;
    r[3] = flt.Pdot;
    r[4] = flt.Rdot;
    r[5] = flt.ax * cosf(p) - flt.ay * sinf(p);
    for (int k = 0; k < N_RES; k++)
        r[k] += bias[k];
}

int inner_good(const float r[N_RES], float share)
{
    if (pln.is_heli && !(fabsf(r[0]) < share * GOOD_ACCEL && fabsf(r[5]) < share * GOOD_ACCEL))
        return 0;
    return fabsf(r[1]) < share * GOOD_ACCEL && fabsf(r[2]) < share * GOOD_ROT &&
           fabsf(r[3]) < share * GOOD_ROT && fabsf(r[4]) < share * GOOD_ROT;
}

// The accelerations (as residuals() gives them) one flying frame from the
// held state took, from the rates and velocity it left: the average of
// both half steps of the frame, with the rotor's moments as smoothed.
void frame_accelerations(const Hold &h, double vx0, double vy0, double vz0, float r[N_RES])
{
    float dt = fmaxf(msc.prd, 1e-4f);
    float p = h.psi * con.degtorad;
    float ax = (float)(flt.vx - vx0) / dt, ay = (float)(flt.vy - vy0) / dt;
    r[0] = ax * sinf(p) + ay * cosf(p);
    r[1] = (float)(flt.vz - vz0) / dt;
    r[2] = flt.Q / dt;
    r[3] = flt.P / dt;
    r[4] = flt.R / dt;
    r[5] = ax * cosf(p) - ay * sinf(p);
}

// Flies SETTLE_S with the aircraft put back in place each frame, so that
// engines, rotors, propwash and flaps reach the state of this throttle.
// Over its last SAMPLE_S the accelerations each frame took from the held
// state are averaged into `flown`. A rotor's blade elements read their
// inflow angle in whole degrees, so in forward flight an element near a
// half degree flips between two angles from one half step to the next
// and the rotor's thrust and moments swing with it; flying frames feel
// the mean of that swing (its moments smoothed), a zero-length build-up
// only one side of it.
void settle(const Hold &h, const Inner &in, float throttle, int climb, float flown[N_RES])
{
    int n = 0;
    for (int k = 0; k < N_RES; k++)
        flown[k] = 0.0f;
    for (float t = 0.0f; t < SETTLE_S; t += msc.prd) {
        place(h, in, throttle, climb);
        double vx = flt.vx, vy = flt.vy, vz = flt.vz;
        batch_frame();
        if (t < SETTLE_S - SAMPLE_S)
            continue;
        float r[N_RES];
        frame_accelerations(h, vx, vy, vz, r);
        for (int k = 0; k < N_RES; k++)
            flown[k] += r[k];
        n++;
    }
    for (int k = 0; k < N_RES && n > 0; k++)
        flown[k] /= (float)n;
    place(h, in, throttle, climb);
}

// Settles at the present guess and gives its residuals: for a helicopter
// the accelerations its flying frames took, `bias` then being their
// difference from a zero-length build-up, at which the Newton steps aim;
// for an aeroplane the zero-length build-up's (bias left alone).
void settled_residuals(const Hold &h, const Inner &in, float throttle, int climb, float bias[N_RES],
                       float r[N_RES])
{
    float flown[N_RES];
    settle(h, in, throttle, climb, flown);
    const flightstruct settled = flt;
    const float none[N_RES] = {0, 0, 0, 0, 0, 0};
    residuals(h, in, throttle, climb, none, r);
    flt = settled;
    for (int k = 0; k < N_RES && pln.is_heli; k++) {
        bias[k] = flown[k] - r[k];
        r[k] = flown[k];
    }
}

// Solves J x = -r by Gaussian elimination with partial pivoting; 0 when
// the matrix is singular.
int solve_linear(int n, float J[N_HELI][N_HELI], const float *r, float x[N_HELI])
{
    float A[N_HELI][N_HELI + 1];
    for (int i = 0; i < n; i++) {
        for (int j = 0; j < n; j++)
            A[i][j] = J[i][j];
        A[i][n] = -r[i];
    }
    for (int c = 0; c < n; c++) {
        int piv = c;
        for (int i = c + 1; i < n; i++)
            if (fabsf(A[i][c]) > fabsf(A[piv][c]))
                piv = i;
        if (!(fabsf(A[piv][c]) > 1e-9f))
            return 0;
        for (int j = 0; j <= n; j++)
            std::swap(A[c][j], A[piv][j]);
        for (int i = 0; i < n; i++)
            if (i != c) {
                float f = A[i][c] / A[c][c];
                for (int j = c; j <= n; j++)
                    A[i][j] -= f * A[c][j];
            }
    }
    for (int i = 0; i < n; i++)
        x[i] = A[i][n] / A[i][i];
    return 1;
}

// Newton steps on the inner unknowns at this engine state, on residuals
// shifted by `bias`. Returns the remaining residuals in r.
void solve_inner(const Hold &h, Inner *in, float throttle, int climb, const float bias[N_RES],
                 float r[N_RES])
{
    const flightstruct base = flt;
    float step[N_HELI], lim[N_HELI];
    inner_scale(climb, step, lim);
    int n = n_inner(), r0 = first_residual();
    for (int k = 0; k < NEWTON_STEPS; k++) {
        flt = base;
        residuals(h, *in, throttle, climb, bias, r);
        if (inner_good(r, 0.5f))
            break;
        float J[N_HELI][N_HELI], x[N_HELI];
        for (int j = 0; j < n; j++) {
            Inner d = *in;
            float dj = fd_step(j, d.u[j], step[j]);
            d.u[j] += dj;
            float rd[N_RES];
            flt = base;
            residuals(h, d, throttle, climb, bias, rd);
            for (int i = 0; i < n; i++)
                J[i][j] = (rd[r0 + i] - r[r0 + i]) / dj;
        }
        if (!solve_linear(n, J, r + r0, x))
            break;
        for (int j = 0; j < n; j++) {
            float most = 15.0f * step[j];   // no leaps out of the linear range
            in->u[j] = fltlim(in->u[j] + fltlim(x[j], -most, most), -lim[j], lim[j]);
        }
    }
    flt = base;
    residuals(h, *in, throttle, climb, bias, r);
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
    float throttle = coll ? bst.ctl[BC_COLLECTIVE] : flt.throtrequest[0];
    Inner in{{flt.the180, flt.trim, bst.roll, bst.hdng, climb ? h.vz : throttle, 0.0f}};
    float prev = -1e9f, prev_along = 0.0f, slope = 0.0f, r[N_RES] = {0, 0, 0, 0, 0, 0};
    float bias[N_RES] = {0, 0, 0, 0, 0, 0};
    int good = 0;
    for (int round = 0; round < MAX_ROUNDS; round++) {
        // Judged after settling: the propeller rings' inflow and the other
        // lagging states then belong to this attitude and throttle.
        settled_residuals(h, in, throttle, climb, bias, r);
        good = fabsf(r[0]) < GOOD_ACCEL && inner_good(r, 1.0f);
        if (good)
            break;
        solve_inner(h, &in, throttle, climb, bias, r);
        if (pln.is_heli)
            continue;   // the collective or climb rate is one of the unknowns
        float now = climb ? h.vz : throttle;
        float next = next_guess(now, prev, r[0], prev_along, climb, &slope);
        prev = now;
        prev_along = r[0];
        if (climb) {
            // The pitch follows the path angle, so alpha starts where it was.
            float vz = fltlim(next, -0.5f * h.v, 0.5f * h.v);
            in.u[0] += (asinf(vz / h.v) - asinf(h.vz / h.v)) * con.radtodeg;
            h.vz = vz;
        } else {
            next = fltlim(next, 0.0f, 1.0f);
            if (fabsf(next - throttle) < 1e-4f && (next == 0.0f || next == 1.0f) && inner_good(r, 1.0f))
                break;   // the throttle is at its stop and cannot do more
            throttle = next;
        }
    }
    if (pln.is_heli && climb)
        h.vz = in.u[4];
    else if (pln.is_heli)
        throttle = fltlim(in.u[4], 0.0f, 1.0f);
    float flown[N_RES];
    settle(h, in, throttle, climb, flown);
    bst.t = t0;   // trimming takes no scenario time
    msc.tottime = tot0;
    bst.ctl[coll ? BC_COLLECTIVE : BC_THROTTLE] = throttle;
    bst.ctl[BC_TRIM] = in.u[1] / trim_limit();
    bst.ctl[BC_AILERON] = in.u[2];
    bst.ctl[BC_RUDDER] = in.u[3];
    bst.trim_ok = good;
    return good;
}
