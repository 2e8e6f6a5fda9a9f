// The flight step: mass and throttle lags, the air and terrain under the
// aircraft, the event tick, then two half-period sub-steps of force build-up
// and integration, and a watchdog that refuses a non-finite state.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "flight/local.h"

int flight_watchdog_trips;

static flightstruct last_good;   // the state at the end of the last sound step
static int have_last_good;

// Angle in degrees wrapped into lo..lo + 360 whatever its size; a NaN stays
// a NaN so that the watchdog sees it.
static float wrap360(float a, float lo)
{
    float w = fmodf(a - lo, 360.0f);
    if (w < 0.0f)
        w += 360.0f;
    return w + lo;
}

int crs_wrapped()
{
    float d = wrap360(flt.hpath - flt.psi, -180.0f);
    return fabsf(d) > 90.0f;
}

// Euler-angle rates from the body rates; near the vertical the usual
// relations divide by cos(pitch), so the rates are taken straight across.
static void euler_rates()
{
    if (fabsf(flt.the180) <= 89.9f) {
        float t = tanf(flt.the * con.degtorad), c = cosf(flt.the * con.degtorad);
        float rq = flt.R * flt.cosphi + flt.Q * flt.sinphi;
        flt.phidot = rq * t + flt.P;
        flt.thedot = flt.Q * flt.cosphi - flt.R * flt.sinphi;
        flt.psidot = rq / c;
    } else {
        float q = fabsf(flt.phi180) > 90.0f ? -flt.Q : flt.Q;
        flt.phidot = 0.0f;
        flt.thedot = flt.the180 <= 0.0f ? q + fabsf(flt.R) : q - fabsf(flt.R);
        flt.psidot = flt.P;
    }
}

// Yaw rate of the steered nose (or tail) wheel, or no yaw at walking pace
// without steering; skids do not yaw on the ground. The yaw follows the
// wheel's path, so it reverses when the aircraft rolls backwards; a tail
// wheel's negated limit over the negative wheelbase turns the same way as a
// nose wheel for the same input.
static void ground_yaw()
{
    if (pln.gearEQ && flt.gearf[0] > 1.0f) {
        if (!pln.nwsteerEQ) {
            if (flt.v < 1.0f)
                flt.R = 0.0f;
            return;
        }
        float input = set.nwheel_steer_type == 0 ? set.YKroll : set.YKhdng;
        float limit = pln.nwsteer;
        if (flt.v < 20.0f && fabsf(input) > 0.8f * set.joy_rat)
            limit = fltsgn(limit) * interp(0.0f, 45.0f, 20.0f, fabsf(limit), flt.v);
        float base = pln.mgearx - pln.ngearx;
        float along = (float)(flt.vx * flt.sinpsi + flt.vy * flt.cospsi);   // signed roll speed
        if (fabsf(base) > 0.1f)
            flt.R = along * limit * input / base;
    } else if (pln.skidEQ && flt.onground) {
        flt.R = 0.0f;
    }
}

void integ_v()
{
    float dt = msc.prd;
    flt.P = (1.0f - 6.0f * set.damp * dt) * (flt.P + flt.Pdot * dt + atm.wind_P);
    flt.Q = (1.0f - 6.0f * set.damp * dt) * (flt.Q + flt.Qdot * dt);
    flt.R = (1.0f - 3.0f * set.damp * dt) * (flt.R + flt.Rdot * dt);
    ground_yaw();
    flt.Prad = flt.P * con.degtorad;
    flt.Qrad = flt.Q * con.degtorad;
    flt.Rrad = flt.R * con.degtorad;
    euler_rates();
    flt.vx += flt.ax * dt;
    flt.vy += flt.ay * dt;
    flt.vz += flt.az * dt;
}

// Dynamic pressure and the fuselage row's Mach and density at the current
// airspeed and air state.
static void air_of_speed()
{
    flt.Qstatic = 0.5f * atm.rho * flt.av * flt.av;
    flt.machno[FLT_ROW_FUSE] = atm.a > 1.0f ? flt.av / atm.a : 0.0f;
    flt.rho[FLT_ROW_FUSE] = thinair(flt.machno[FLT_ROW_FUSE]);
}

// Airspeeds, dynamic pressure and the fuselage row's Mach and density.
static void air_speeds(float vax, float vay, float vaz)
{
    flt.v = (float)sqrt(flt.vx * flt.vx + flt.vy * flt.vy + flt.vz * flt.vz);
    flt.av = sqrtf(vax * vax + vay * vay + vaz * vaz);
    flt.vaxial = flt.av * flt.cosalph * flt.cosbeta;
    flt.vind = fltmax2(0.0f, sqrtf(atm.crtsig) * flt.av * flt.cosalph * con.msctokts);
    flt.Qratio = pln.Vne > 0.0f ? sqr(flt.vind / pln.Vne) : 0.0f;
    air_of_speed();
}

// Pitch, heading and bank advance and wrap; passing the vertical turns the
// attitude into its equivalent on the other side (same orientation).
static void advance_attitude(float dt)
{
    float was = fabsf(flt.the180);
    flt.the = wrap360(flt.the + flt.thedot * dt, 0.0f);
    flt.psi = wrap360(flt.psi + flt.psidot * dt, 0.0f);
    flt.phi = wrap360(flt.phi + flt.phidot * dt, 0.0f);
    flt.the180 = wrap360(flt.the, -180.0f);
    if (was <= 90.0f && fabsf(flt.the180) > 90.0f) {
        flt.the = wrap360(180.0f - flt.the, 0.0f);
        flt.phi = wrap360(flt.phi + 180.0f, 0.0f);
        flt.psi = wrap360(flt.psi + 180.0f, 0.0f);
    }
    flt.the180 = wrap360(flt.the, -180.0f);
    flt.psi180 = wrap360(flt.psi, -180.0f);
    flt.phi180 = wrap360(flt.phi, -180.0f);
    flt.psi_int = iround(flt.psi);
    flt.magpsi = wrap360(flt.psi - (float)env.mvar, 0.0f);
    flt.magpsi_int = iround(flt.magpsi);
}

// Path angles from atan2, so that a standstill or a hover gives 0, not 0/0.
static void path_angles(float vax, float vay, float vaz)
{
    float g = (float)sqrt(flt.vx * flt.vx + flt.vy * flt.vy);
    flt.vpath = atan2f((float)flt.vz, g) * con.radtodeg;
    flt.hpath = wrap360(atan2f((float)flt.vx, (float)flt.vy) * con.radtodeg, 0.0f);
    flt.avpath = atan2f(vaz, sqrtf(vax * vax + vay * vay)) * con.radtodeg;
    flt.ahpath = wrap360(atan2f(vax, vay) * con.radtodeg, 0.0f);
}

// Sines and cosines of the attitude (also the view's aircraft axes), then
// alpha and beta from the air-relative velocity in body axes (right,
// forward, up).
static void body_angles(float vax, float vay, float vaz)
{
    float d = con.degtorad;
    flt.sinthe = sinf(flt.the * d); flt.costhe = cosf(flt.the * d);
    flt.sinpsi = sinf(flt.psi * d); flt.cospsi = cosf(flt.psi * d);
    flt.sinphi = sinf(flt.phi * d); flt.cosphi = cosf(flt.phi * d);
    con.sinPLANthe = flt.sinthe; con.cosPLANthe = flt.costhe;
    con.sinPLANpsi = flt.sinpsi; con.cosPLANpsi = flt.cospsi;
    con.sinPLANphi = flt.sinphi; con.cosPLANphi = flt.cosphi;
    float r, f, u;
    xfrm_VVECT(vax, vay, vaz, &r, &f, &u);
    flt.Alpha = atan2f(-u, f) * con.radtodeg;
    flt.Beta = atan2f(-r, f) * con.radtodeg;
    flt.sinalph = sinf(flt.Alpha * d); flt.cosalph = cosf(flt.Alpha * d);
    flt.sinbeta = sinf(flt.Beta * d); flt.cosbeta = cosf(flt.Beta * d);
    flt.sinhpath = sinf(flt.hpath * d); flt.coshpath = cosf(flt.hpath * d);
    flt.sinvpath = sinf(flt.vpath * d); flt.cosvpath = cosf(flt.vpath * d);
    flt.sinahpath = sinf(flt.ahpath * d); flt.cosahpath = cosf(flt.ahpath * d);
    flt.sinavpath = sinf(flt.avpath * d); flt.cosavpath = cosf(flt.avpath * d);
}

void integ_x()
{
    float dt = msc.prd;
    float vax = (float)flt.vx - atm.wind_x, vay = (float)flt.vy - atm.wind_y;
    float vaz = (float)flt.vz - atm.wind_z;
    air_speeds(vax, vay, vaz);
    advance_attitude(dt);
    flt.x += flt.vx * dt;
    flt.y += flt.vy * dt;
    flt.z += flt.vz * dt;   // semi-implicit: the velocities moved first
    flt.h = (float)flt.z;
    flt.vu = (float)flt.vz;
    path_angles(vax, vay, vaz);
    body_angles(vax, vay, vaz);
}

// Every number the next step starts from is finite.
static int state_finite()
{
    const float f[] = {flt.the, flt.psi, flt.phi, flt.P, flt.Q, flt.R, flt.Alpha, flt.Beta,
                       flt.av, flt.v, flt.vind, flt.h, flt.omega[0], flt.omega[1]};
    for (float a : f)
        if (!std::isfinite(a))
            return 0;
    const double d[] = {flt.x, flt.y, flt.z, flt.vx, flt.vy, flt.vz};
    for (double a : d)
        if (!std::isfinite(a))
            return 0;
    return 1;
}

// A non-finite state would poison every later step: go back to the last
// sound one (at rest in its attitude) and say so once per flight.
static void watchdog()
{
    if (state_finite()) {
        last_good = flt;
        have_last_good = 1;
        return;
    }
    if (!flight_watchdog_trips++)
        fprintf(stderr, "Flight state turned non-finite at t = %.2f s; the last sound state was restored.\n",
                (double)msc.tottime);
    if (have_last_good) {
        flt = last_good;
        flt.P = flt.Q = flt.R = 0.0f;
    }
}

void flight_watchdog_reset()
{
    flight_watchdog_trips = 0;
    have_last_good = 0;
}

// Mass, throttle lag, terrain and air under the aircraft.
static void surroundings()
{
    flt.m_total = pln.m_empty + flt.m_fixed + flt.m_fuel + flt.m_water;
    if (pln.entype && rel.thr)
        for (int e = 0; e < 2; e++)
            flt.throt[e] = flt.throtrequest[e] * msc.prd + (1.0f - msc.prd) * flt.throt[e];
    find_local_h((float)flt.x, (float)flt.y, &env.localh, &env.i_aircraft, &env.j_aircraft,
                 &env.t_aircraft);
    deck_under_aircraft();
    air_state(flt.h);
    // The fuselage, gear and ram drag read these before the integration
    // recomputes them: they must be of this step's air, not the last one's.
    air_of_speed();
    mixture_ratios();
}

// Stall warning from the root elements of the wings against their stall;
// the horn sounds from the step the warning comes on to the one it ends.
static void stall_warning()
{
    int was = flt.stall_warn;
    flt.stall_warn = 0;
    if (flt.vind > 0.3f * msc.est_Vs * con.msctokts &&
        ((pln.foileq[2] && flt.alpha[0][0] > flt.alphamax[2] - 3.0f) ||
         (pln.foileq[3] && flt.alpha[2][0] > flt.alphamax[3] - 3.0f)))
        flt.stall_warn = 1;
    if (flt.stall_warn && !was)
        flight_calls.stall_sound();
    else if (was && !flt.stall_warn)
        flight_calls.stop_buffer(SND_STALL);
}

// Starts the force build-up report on an event frame when one was asked
// for: two divider lines, the frame and where the aircraft is.
static void report_start()
{
    if (!set.cycoutwaiting)
        return;
    set.cycout = 1;
    char line[102];
    memset(line + 1, 0xA5, 100);
    line[0] = '\n';
    line[101] = 0;
    cyc_printf("%s%s\n", line, line);
    float ft = con.mtrstoft;
    cyc_printf("frame %d\nh=%f ft\nx=%f ft\ny=%f ft\n", msc.cntr, (double)(flt.h * ft), flt.x * ft, flt.y * ft);
}

// The end of the report: accelerations, speeds, rates and attitude; then
// the report and its request are off (one frame per request).
static void report_end()
{
    if (!set.cycout)
        return;
    float ft = con.mtrstoft, kt = con.msctokts;
    cyc_printf("ax=%f ft/sec/sec\nay=%f ft/sec/sec\naz=%f ft/sec/sec\n", (double)(flt.ax * ft),
               (double)(flt.ay * ft), (double)(flt.az * ft));
    cyc_printf("vx=%f kt\nvy=%f kt\nvz=%f kt\n", flt.vx * kt, flt.vy * kt, flt.vz * kt);
    cyc_printf("Pdot (roll accel) =%f deg/sec/sec\n", (double)flt.Pdot);
    cyc_printf("Qdot (pitch accel)=%f deg/sec/sec\n", (double)flt.Qdot);
    cyc_printf("Rdot (yaw accel)  =%f deg/sec/sec\n", (double)flt.Rdot);
    cyc_printf("P (roll)   =%f deg/sec\n", (double)flt.P);
    cyc_printf("Q (pitch)  =%f deg/sec\n", (double)flt.Q);
    cyc_printf("R (heading)=%f deg/sec\n", (double)flt.R);
    cyc_printf("roll   =%f deg\n", (double)flt.phi);
    cyc_printf("pitch  =%f deg\n", (double)flt.the);
    cyc_printf("heading=%f deg\n", (double)flt.psi);
    set.cycout = set.cycoutwaiting = 0;
}

// Path bank: reversed when flying backwards over the ground.
static void path_bank()
{
    if (!crs_wrapped()) {
        flt.sinphi_path = flt.sinphi;
        flt.cosphi_path = flt.cosphi;
    } else {
        float p = (flt.phi + 180.0f) * con.degtorad;
        flt.sinphi_path = sinf(p);
        flt.cosphi_path = flt.the180 < 0.0f ? -cosf(p) : cosf(p);
    }
}

void deg2integ()
{
    surroundings();
    stall_warning();
    flight_calls.stall_shaker();
    move_traffic();
    if (msc.evup < 1)
        msc.evup = 1;
    if (msc.cntr % msc.evup == 0) {
        mod_evt();
        report_start();
    }
    if (atm.rain_tstm > 1)
        manage_strike();
    path_bank();
    msc.prd *= 0.5f;
    for (int half = 0; half < 2; half++) {
        set_a();
        integ_v();
        integ_x();
    }
    msc.prd *= 2.0f;
    report_end();
    watchdog();
}
