// The performance table of an aircraft, flown through the batch runner's own
// starts, trims and frames: 1-g stall speeds by power-off climb trims, best
// climbs and the top speed by full-throttle climb trims, cruise at 75 % power
// by level trims, take-off and landing flown by a simple pilot. A helicopter
// gets its top speed and best climb from its level-flight power curve.
// Printing and the command line are in perf_report.cpp.
#include <cmath>
#include <cstring>

#include "flight/flight.h"
#include "tools/batch/local.h"
#include "world/world.h"

namespace {

// Calm water in Santa Monica Bay, inside the factory scenery: the trims are
// held over it, and the seaplane runs on it.
constexpr float BAY_LAT = 33.9f, BAY_LON = -118.6f, BAY_HDG = 270.0f;
// Runway 28R at San Francisco: 13 ft above the sea, 11,870 ft long.
const char *const TAKEOFF_AIRPORT = "SFO";
const char *const TAKEOFF_RUNWAY = "28R";
constexpr float STALL_ALT_FT = 3000.0f;
constexpr float HIGH_ALT_FT = 5000.0f;
constexpr float OBSTACLE_FT = 50.0f;
// The "sea level" figures are trimmed this high over the sea, or higher for
// a large design: from 4 semispans up ground effect (flight/events.cpp)
// changes the induced drag by less than 0.1 %.
constexpr float MIN_SEA_LEVEL_FT = 100.0f;
constexpr float CLEAR_SEMISPANS = 4.0f;
constexpr float CRUISE_SHARE = 0.75f;
constexpr float RUN_LIMIT_S = 120.0f;        // a run that takes longer has failed
constexpr float STOPPED_KT = 3.0f;           // a landing run ends below this ground speed
constexpr float SETTLE_ON_WATER_S = 20.0f;   // as docs/scenarios/seaplane-takeoff.txt
constexpr float TAKEOFF_STICK = 0.3f;        // of full travel back, as docs/scenarios/*-takeoff.txt
constexpr float PITCH_PER_KT = 0.5f;         // deg of climb attitude per kt off the climb-out speed
constexpr float CLIMB_OUT_FACTOR = 1.3f;     // x the stall speed, the slowest climb-out
constexpr float FLARE_DEG_PER_FPS = 2.0f;    // attitude for sink rate in the flare
constexpr float APPROACH_PATH_DEG = 3.0f;
constexpr float APPROACH_FACTOR = 1.3f;      // x the full-flap stall speed over the threshold
constexpr float FT_LB_PER_MIN_PER_HP = 33000.0f;
constexpr int MAX_SCAN = 80;
constexpr float NEAR_TRIM_STOP = 0.97f;      // of the pitch trim's range

// Speed steps (kt): the stall walk, the misses in a row that end it and its
// refinement, the climb scan, and the resolution of the top speed and
// cruise searches.
struct Steps {
    float stall;
    int stall_misses;
    float stall_fine, climb, fine;
};
const Steps FINE_STEPS = {1.0f, 4, 0.1f, 5.0f, 0.5f};
const Steps COARSE_STEPS = {2.0f, 2, 0.5f, 10.0f, 2.0f};

struct Job {
    float weight_lb;
    float sea_level_ft;
    float cruise_alt_ft;
    Steps step;
};
Job job;

// A trimmed state as the table reads it; `asked` is the speed the start
// was given (kt indicated), the others are what the trim settled at.
struct Point {
    int ok;
    float trim;      // pitch trim, -1..1 of its range
    float asked, kias, ktas, fpm, pitch, hp, rpm;
};

float column(const char *name) { return (float)batch_column_value(batch_column_index(name)); }

float climb_angle_deg(const Point &p)
{
    float tas_fpm = p.ktas * con.ktstomsc * con.msctofpm;
    return tas_fpm > 1.0f ? asinf(fltlim(p.fpm / tas_fpm, -1.0f, 1.0f)) * con.radtodeg : 0.0f;
}

Point read_point(int ok, float asked)
{
    Point p;
    p.ok = ok;
    p.trim = bst.ctl[BC_TRIM];
    p.asked = asked;
    p.kias = flt.vind;
    p.ktas = flt.av * con.msctokts;
    p.fpm = (float)flt.vz * con.msctofpm;
    p.pitch = flt.the180;
    p.hp = column("power_hp");
    p.rpm = flt.omega[0] * con.rsctorpm;
    return p;
}

// After a start: the weight, the flaps already at their setting (a start
// leaves them up and they take seconds to run), and the throttle or, for a
// helicopter, the collective (a negative value leaves it where the start
// put it).
void configure(float flaps, float power)
{
    batch_set(BC_WEIGHT, job.weight_lb);
    batch_set(BC_FLAPS, flaps);
    flt.flap = flt.flaprequest;
    if (power >= 0.0f)
        batch_set(pln.collect_eq ? BC_COLLECTIVE : BC_THROTTLE, power);
}

// Starts over the bay at `alt_ft` and `kias` and trims there: level flight,
// or with `climb` the steady climb at the power set.
Point trimmed(float alt_ft, float kias, float flaps, float power, int climb)
{
    char why[MAX_STR];
    Point none = {};
    if (!batch_start_air(BAY_LAT, BAY_LON, alt_ft, kias, BAY_HDG, why))
        return none;
    configure(flaps, power);
    int ok = batch_trim(climb);
    return read_point(ok, kias);
}

Point glide(float kias, float flaps) { return trimmed(STALL_ALT_FT, kias, flaps, 0.0f, 1); }
Point full_throttle(float alt_ft, float kias) { return trimmed(alt_ft, kias, 0.0f, 1.0f, 1); }

// The 1-g stall speed: the lowest indicated airspeed at which steady
// power-off flight exists. Power-off climb trims walk down in steps from a
// speed where one holds until several in a row miss (near the stall a trim
// can miss at one speed and hold at the next below), then halve the gap
// between the lowest that held and the miss below it. When the pitch trim
// of the lowest that held is at the end of its range, the trim (which
// leaves the stick centred) ran out before the wing stalled: *status is
// PS_BEYOND, the stall lies slower.
Point stall(float flaps, float from_kias, int *status)
{
    *status = PS_NOT_FOUND;
    float v = from_kias;
    Point best = glide(v, flaps);
    for (int k = 0; k < 4 && !best.ok; k++) {
        v *= 1.25f;
        best = glide(v, flaps);
    }
    if (!best.ok)
        return best;
    float v_ok = v, v_miss = 0.0f;
    int misses = 0;
    for (float u = v - job.step.stall; misses < job.step.stall_misses && u > 0.3f * from_kias; u -= job.step.stall) {
        Point p = glide(u, flaps);
        if (p.ok) {
            best = p;
            v_ok = u;
            misses = 0;
        } else if (misses++ == 0) {
            v_miss = u;
        }
    }
    while (misses > 0 && v_ok - v_miss > job.step.stall_fine + 1e-3f) {
        float mid = 0.5f * (v_ok + v_miss);
        Point p = glide(mid, flaps);
        if (p.ok) {
            best = p;
            v_ok = mid;
        } else {
            v_miss = mid;
        }
    }
    *status = fabsf(best.trim) >= NEAR_TRIM_STOP ? PS_BEYOND : PS_OK;
    return best;
}

// A least-squares parabola through value(pts[k]) against the asked speed
// for k in lo..hi: its top (speed and value), when it has one inside.
struct Top {
    int ok;
    float v, value;
};

double det3(const double m[3][3])
{
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

Top parabola_top(const Point *pts, int lo, int hi, float (*value)(const Point &))
{
    Top none = {0, 0.0f, 0.0f};
    if (hi - lo < 2)
        return none;
    // Normal equations of y = a + b x + c x^2, x from the middle point.
    double x0 = pts[(lo + hi) / 2].asked, s[5] = {0, 0, 0, 0, 0}, t[3] = {0, 0, 0};
    for (int k = lo; k <= hi; k++) {
        double x = pts[k].asked - x0, y = value(pts[k]), xp = 1.0;
        for (int e = 0; e < 5; e++, xp *= x) {
            s[e] += xp;
            if (e < 3)
                t[e] += xp * y;
        }
    }
    double m[3][3] = {{s[0], s[1], s[2]}, {s[1], s[2], s[3]}, {s[2], s[3], s[4]}};
    double det = det3(m);
    if (fabs(det) < 1e-12)
        return none;
    double coef[3];
    for (int c = 0; c < 3; c++) {   // Cramer's rule: column c replaced by t
        double r[3][3];
        for (int i = 0; i < 3; i++)
            for (int j = 0; j < 3; j++)
                r[i][j] = j == c ? t[i] : m[i][j];
        coef[c] = det3(r) / det;
    }
    if (coef[2] >= 0.0)
        return none;
    double x = fmin(fmax(-coef[1] / (2.0 * coef[2]), pts[lo].asked - x0), pts[hi].asked - x0);
    Top top = {1, (float)(x0 + x), (float)(coef[0] + coef[1] * x + coef[2] * x * x)};
    return top;
}

float rate_of(const Point &p) { return p.fpm; }

// Within this many knots of the best trimmed speed the climb rates and
// angles are fitted: the climb trim holds the acceleration along the path
// only within 0.03 m/s^2, which is about 30 ft/min of climb at 100 kt, and
// near its top the curve is flatter than that over tens of knots.
constexpr float FIT_HALF_WIDTH_KT = 15.0f;

// The best of `pts` by `value`: the top of the parabola fitted round it,
// trimmed again there for the speeds and attitude, with the fitted value.
// A best at either end of the scan is taken as it stands.
Point fitted_best(const Point *pts, int n, int best, float alt_ft, float (*value)(const Point &))
{
    int w = (int)ceilf(FIT_HALF_WIDTH_KT / job.step.climb - 1e-3f);
    if (best <= 0 || best >= n - 1)
        return pts[best];
    Top top = parabola_top(pts, best - w < 0 ? 0 : best - w, best + w > n - 1 ? n - 1 : best + w, value);
    if (!top.ok)
        return pts[best];
    Point p = full_throttle(alt_ft, top.v);
    if (!p.ok)
        return pts[best];
    if (value == rate_of) {
        p.fpm = top.value;
    } else {
        float tas_fpm = p.ktas * con.ktstomsc * con.msctofpm;
        p.fpm = sinf(top.value * con.degtorad) * tas_fpm;
    }
    return p;
}

// A missed trim whose pitch trim ran out while the aircraft still climbed:
// faster flight would need the stick, which the trim leaves centred.
int out_of_trim(const Point &p) { return !p.ok && fabsf(p.trim) >= 0.999f && p.fpm > 0.0f; }

// Below the top speed: the full-throttle climb trim climbs. A trim that
// missed for another reason is judged by the best state it found.
int below_top(const Point &p) { return p.fpm > 0.0f && !out_of_trim(p); }

struct Climb {
    Point rate, angle;
    int rate_beyond;   // still rising at the fastest steady climb found
};

// Full-throttle climb trims, flaps up, in steps from `from_kias` until the
// fit's width past both the best rate and the best climb angle, or until
// the trim finds no steady climb any more.
Climb best_climb(float alt_ft, float from_kias)
{
    static Point pts[MAX_SCAN];
    int n = 0, rate = -1, angle = -1, misses = 0, w = (int)ceilf(FIT_HALF_WIDTH_KT / job.step.climb - 1e-3f);
    Point miss = {};
    for (float v = from_kias; n < MAX_SCAN && v < 3.0f * from_kias + 100.0f; v += job.step.climb) {
        Point p = full_throttle(alt_ft, v);
        if (!p.ok) {
            // Near the stall there is no steady flight yet; further on a
            // trim misses now and then, or its pitch trim runs out.
            miss = p;
            if (rate >= 0 && (out_of_trim(p) || ++misses == 3))
                break;
            continue;
        }
        misses = 0;
        pts[n] = p;
        if (rate < 0 || p.fpm > pts[rate].fpm)
            rate = n;
        if (angle < 0 || climb_angle_deg(p) > climb_angle_deg(pts[angle]))
            angle = n;
        n++;
        if (n - 1 - rate >= w && n - 1 - angle >= w)
            break;
    }
    Climb c = {};
    if (rate < 0)
        return c;
    c.rate = fitted_best(pts, n, rate, alt_ft, rate_of);
    c.angle = fitted_best(pts, n, angle, alt_ft, climb_angle_deg);
    c.rate_beyond = rate == n - 1 && out_of_trim(miss) && miss.fpm > pts[rate].fpm;
    return c;
}

// The point between lo and hi where the value `f` of each reaches `target`,
// by straight-line interpolation of speeds and power.
Point between(const Point &lo, const Point &hi, float f_lo, float f_hi, float target)
{
    float s = fabsf(f_hi - f_lo) > 1e-6f ? fltlim((target - f_lo) / (f_hi - f_lo), 0.0f, 1.0f) : 0.0f;
    Point p = lo;
    p.asked = lo.asked + s * (hi.asked - lo.asked);
    p.kias = lo.kias + s * (hi.kias - lo.kias);
    p.ktas = lo.ktas + s * (hi.ktas - lo.ktas);
    p.hp = lo.hp + s * (hi.hp - lo.hp);
    p.fpm = 0.0f;
    return p;
}

// The fastest steady level flight at full throttle: above `from_kias`
// (which must climb) the speed at which the full-throttle climb rate comes
// to nothing, bracketed by growing steps and closed by secant steps.
// Returns the fastest steady climb found, or the point between it and the
// first steady descent where the rate is nothing. When the pitch trim runs
// out first, *status is PS_BEYOND and the point the fastest trimmed one.
Point top_speed(float alt_ft, float from_kias, int *status)
{
    Point steady = full_throttle(alt_ft, from_kias), hi = {};
    *status = PS_NOT_FOUND;
    if (!steady.ok || steady.fpm <= 0.0f)
        return steady;
    float lo_v = from_kias, step = 2.0f * job.step.climb;
    int bracketed = 0;
    for (int k = 0; k < 12 && !bracketed; k++, step *= 1.5f) {
        hi = full_throttle(alt_ft, lo_v + step);
        bracketed = !below_top(hi);
        if (bracketed)
            break;
        lo_v = hi.asked;
        if (hi.ok)
            steady = hi;
    }
    if (!bracketed)
        return steady;   // no end within the steps
    while (hi.asked - lo_v > job.step.fine) {
        float gap = hi.asked - lo_v, mid = lo_v + 0.5f * gap;
        if (hi.ok && steady.asked == lo_v)
            mid = fltlim(lo_v + gap * steady.fpm / (steady.fpm - hi.fpm), lo_v + 0.1f * gap, hi.asked - 0.1f * gap);
        Point p = full_throttle(alt_ft, mid);
        if (below_top(p)) {
            lo_v = mid;
            if (p.ok)
                steady = p;
        } else {
            hi = p;
        }
    }
    *status = out_of_trim(hi) ? PS_BEYOND : PS_OK;
    return hi.ok && steady.asked == lo_v ? between(steady, hi, steady.fpm, hi.fpm, 0.0f) : steady;
}

float na() { return NAN; }

void clear_figure(PerfFigure *f, int status)
{
    f->status = status;
    f->alt_ft = f->kias = f->ktas = f->climb_fpm = f->climb_deg = f->dist_ft = f->power_pct = na();
}

void speed_figure(PerfFigure *f, const Point &p, float alt_ft)
{
    clear_figure(f, p.ok ? PS_OK : PS_NOT_FOUND);
    if (!p.ok)
        return;
    f->alt_ft = alt_ft;
    f->kias = p.kias;
    f->ktas = p.ktas;
}

void climb_figure(PerfFigure *f, const Point &p, float alt_ft)
{
    speed_figure(f, p, alt_ft);
    if (!p.ok)
        return;
    f->climb_fpm = p.fpm;
    f->climb_deg = climb_angle_deg(p);
}

// Cruise at 75 % of rated power at the cruise height: level trims between
// the best-rate speed and the top speed, closed on the power by false
// position. Where full throttle gives less, the top speed there with its
// share of power.
void cruise(PerfFigure *f, float from_kias, float rated_hp)
{
    float alt = job.cruise_alt_ft, target = CRUISE_SHARE * rated_hp;
    int status;
    Point hi = top_speed(alt, from_kias, &status);
    speed_figure(f, hi, alt);
    if (status != PS_OK) {
        f->status = status;   // a cruise faster than the trim reaches is not one
        return;
    }
    f->power_pct = 100.0f * hi.hp / rated_hp;
    if (hi.hp < target) {
        f->status = PS_FULL_THROTTLE;
        return;
    }
    Point lo = trimmed(alt, from_kias, 0.0f, CRUISE_SHARE, 0);
    if (!lo.ok || lo.hp >= target)
        lo = hi;
    for (int k = 0; k < 12 && hi.asked - lo.asked > job.step.fine; k++) {
        float v = lo.asked + (target - lo.hp) * (hi.asked - lo.asked) / fmaxf(hi.hp - lo.hp, 1e-3f);
        float gap = hi.asked - lo.asked;
        Point p = trimmed(alt, fltlim(v, lo.asked + 0.05f * gap, hi.asked - 0.05f * gap), 0.0f, CRUISE_SHARE, 0);
        if (!p.ok)
            break;
        if (p.hp < target)
            lo = p;
        else
            hi = p;
    }
    Point c = between(lo, hi, lo.hp, hi.hp, target);
    f->kias = c.kias;
    f->ktas = c.ktas;
    f->power_pct = 100.0f * c.hp / rated_hp;
}

// ---------------------------------------------------------------- the pilot
// Height of the wheels (or, on water, the floats' keels) over the surface
// below, ft: the height of the centre of gravity less its height at rest on
// the wheels, or above the keels.
float wheel_height_ft(int water)
{
    float rest_m = water ? fabsf(pln.floatz[0]) : pln.h_eqlbm;
    return (float)(flt.z - env.localh - rest_m) * con.mtrstoft;
}

int on_surface(int water) { return water ? column("afloat") > 0.5f : flt.onground != 0; }

// Wings level with the ailerons; the heading held with the pedals. On the
// ground the pedals steer the nose wheel, which turns the aircraft at a yaw
// rate set by the wheel's angle and the roll speed (flight/integrate.cpp),
// so there they ask for a yaw rate of half the heading error a second.
void hold_wings_and_heading(float hdg_deg)
{
    batch_set(BC_AILERON, fltlim(-0.05f * flt.phi180 - 0.02f * flt.P, -0.5f, 0.5f));
    float off = fltwrap(hdg_deg - flt.psi, -180.0f, 180.0f), pedals = 0.1f * off - 0.05f * flt.R;
    float base = pln.mgearx - pln.ngearx;
    if (flt.onground && pln.gearEQ && pln.nwsteerEQ && fabsf(pln.nwsteer) > 0.1f)
        pedals = 0.5f * off * base / (fmaxf(flt.v, 5.0f) * pln.nwsteer);
    batch_set(BC_RUDDER, fltlim(pedals, -1.0f, 1.0f));
}

// The stick worked to hold a pitch attitude, as a pilot does: a part at
// once against the error and the pitch rate, and a slow part that keeps
// the stick where the attitude holds.
struct PitchHold {
    float base;   // stick, -1..1
};

void hold_pitch(PitchHold *h, float pitch_deg)
{
    float err = pitch_deg - flt.the180;
    h->base = fltlim(h->base + 0.02f * err * msc.prd, -1.0f, 1.0f);
    batch_set(BC_ELEVATOR, fltlim(h->base + 0.05f * err - 0.03f * flt.Q, -1.0f, 1.0f));
}

// Starts a take-off run: on the runway, or on the water settled with the
// throttle closed.
int start_run(int water, char *why)
{
    if (water) {
        if (!batch_start_air(BAY_LAT, BAY_LON, 3.0f, 0.0f, BAY_HDG, why))
            return 0;
        configure(0.0f, 0.0f);
        for (double end = batch_time() + SETTLE_ON_WATER_S; batch_time() < end;)
            batch_frame();
        return 1;
    }
    if (!batch_start_airport(TAKEOFF_AIRPORT, TAKEOFF_RUNWAY, 900, why))
        return 0;
    configure(0.0f, 0.0f);
    return 1;
}

// Take-off as docs/scenarios/*-takeoff.txt fly it: flaps up, brakes
// released, full throttle, the stick held a little back until the aircraft
// flies off (the ground roll), the heading held with the pedals; then the
// pilot holds the attitude of the steady full-throttle climb at `climb`'s
// speed (the nose lower while slower), wings level, to 50 ft over the
// surface. A seaplane is first let down onto the water and settled; its run
// ends when no float is in the water any more.
void takeoff(int water, float lift_min_kias, const Point &climb, PerfFigure *roll, PerfFigure *over)
{
    char why[MAX_STR];
    clear_figure(roll, PS_NOT_FOUND);
    clear_figure(over, PS_NOT_FOUND);
    if (!start_run(water, why))
        return;
    float hdg = flt.psi, field_ft = (float)env.localh * con.mtrstoft;
    double x0 = flt.x, y0 = flt.y, end = batch_time() + RUN_LIMIT_S;
    batch_set(BC_BRAKES, 0.0f);
    batch_set(BC_THROTTLE, 1.0f);
    batch_set(BC_ELEVATOR, TAKEOFF_STICK);
    PitchHold pitch = {TAKEOFF_STICK};
    int airborne = 0, crashes = batch_crashes();
    while (batch_time() < end && batch_crashes() == crashes) {
        hold_wings_and_heading(hdg);
        batch_frame();
        float dist_ft = (float)(hypot(flt.x - x0, flt.y - y0) * con.mtrstoft);
        if (!airborne && !on_surface(water) && flt.vind > lift_min_kias) {
            airborne = 1;
            roll->status = PS_OK;
            roll->alt_ft = field_ft;
            roll->kias = flt.vind;
            roll->dist_ft = dist_ft;
        }
        if (!airborne)
            continue;
        // Slower than the best-angle speed the nose comes down to gain it, as
        // a pilot flies off in ground effect and then climbs.
        float climb_pitch_deg = fmaxf(climb.pitch + PITCH_PER_KT * (flt.vind - climb.kias), 0.0f);
        hold_pitch(&pitch, climb_pitch_deg);
        if (wheel_height_ft(water) >= OBSTACLE_FT) {
            over->status = PS_OK;
            over->alt_ft = field_ft;
            over->kias = flt.vind;
            over->dist_ft = dist_ft;
            return;
        }
    }
}

// The landing approach: 50 ft over the start of the runway (or over the
// bay for a seaplane) on the heading of the run, flaps full, gear down, at
// `throttle`, trimmed for its steady descent at `kias`, which goes to
// *descent_fpm (positive down). 0 when the start fails.
int approach_trim(int water, float kias, float throttle, float *descent_fpm)
{
    char why[MAX_STR];
    float lat = BAY_LAT, lon = BAY_LON, hdg = BAY_HDG, field_ft = 0.0f;
    if (!water) {
        if (!batch_start_airport(TAKEOFF_AIRPORT, TAKEOFF_RUNWAY, 900, why))
            return 0;
        double la, lonw;
        batch_lat_lon(flt.x, flt.y, &la, &lonw);
        lat = (float)la;
        lon = (float)-lonw;
        hdg = flt.psi;
        field_ft = (float)env.localh * con.mtrstoft;
    }
    float rest_ft = (water ? fabsf(pln.floatz[0]) : pln.h_eqlbm) * con.mtrstoft;
    if (!batch_start_air(lat, lon, field_ft + rest_ft + OBSTACLE_FT, kias, hdg, why))
        return 0;
    configure(1.0f, throttle);
    setgear(1);
    batch_trim(1);
    *descent_fpm = (float)-flt.vz * con.msctofpm;
    return 1;
}

// The approach on a 3-degree path: the throttle for its descent by secant
// steps on climb trims, the aircraft left trimmed there with its descent
// in *descent_fpm. 0 when the approach cannot be started.
int approach(int water, float kias, float *descent_fpm)
{
    float t0 = 0.0f, t1 = 0.3f, d0 = 0.0f, d1 = 0.0f;
    if (!approach_trim(water, kias, t0, &d0))
        return 0;
    float want = sinf(APPROACH_PATH_DEG * con.degtorad) * flt.av * con.msctofpm;
    *descent_fpm = d0;
    if (d0 <= want)
        return 1;   // even power off it descends no steeper than the path
    for (int k = 0; k < 6; k++) {
        if (!approach_trim(water, kias, t1, &d1))
            return 0;
        if (fabsf(d1 - want) < 20.0f || fabsf(d1 - d0) < 1.0f)
            break;
        float t2 = fltlim(t1 + (want - d1) * (t1 - t0) / (d1 - d0), 0.0f, 1.0f);
        t0 = t1;
        d0 = d1;
        t1 = t2;
    }
    return approach_trim(water, kias, t1, descent_fpm);
}

// Landing: a steady 3-degree approach at 1.3 times the full-flap stall
// speed, flaps full, gear down, from 50 ft. The pilot flares by the
// attitude, a degree of nose up for each ft/s of sink beyond the sink
// wanted, which falls with the height (a fifth of the height a second, and
// 1.5 ft/s at the ground) once that is less than the approach's, and closes
// the throttle over 2 s as the flare begins. From touchdown the brakes are
// held, the stick centred and the heading held with the pedals; the ground
// roll runs along the track from touchdown until the aircraft has all but
// stopped.
void landing(int water, float vso_kias, PerfFigure *roll)
{
    clear_figure(roll, PS_NOT_FOUND);
    float descent_fpm = 0.0f;
    if (!approach(water, APPROACH_FACTOR * vso_kias, &descent_fpm))
        return;
    float approach_fps = fmaxf(descent_fpm * con.fpmtomsc * con.mtrstoft, 0.0f);
    float hdg = flt.psi, field_ft = (float)env.localh * con.mtrstoft, approach_pitch = flt.the180;
    double end = batch_time() + RUN_LIMIT_S, path_ft = 0.0;
    PitchHold pitch = {bst.ptch};
    int flaring = 0, down = 0, crashes = batch_crashes();
    while (batch_time() < end && batch_crashes() == crashes) {
        hold_wings_and_heading(hdg);
        float flare_fps = 0.2f * fmaxf(wheel_height_ft(water), 0.0f) + 1.5f;
        if (!flaring && flare_fps < approach_fps) {
            flaring = 1;
            batch_ramp(BC_THROTTLE, 0.0f, 2.0f);
        }
        if (!down) {
            float sink_fps = -fminf(flare_fps, approach_fps), vz_fps = (float)flt.vz * con.mtrstoft;
            hold_pitch(&pitch, approach_pitch + fltlim(FLARE_DEG_PER_FPS * (sink_fps - vz_fps), -5.0f, 15.0f));
        }
        batch_frame();
        if (down)
            path_ft += column("gs_kt") * con.ktstomsc * con.mtrstoft * msc.prd;
        if (!down && on_surface(water)) {
            down = 1;
            roll->alt_ft = field_ft;
            roll->kias = flt.vind;
            batch_set(BC_THROTTLE, 0.0f);
            batch_set(BC_BRAKES, 1.0f);
            batch_ramp(BC_ELEVATOR, 0.0f, 2.0f);
        }
        if (down && column("gs_kt") < STOPPED_KT) {
            roll->status = PS_OK;
            roll->dist_ft = (float)path_ft;
            return;
        }
    }
}

// ---------------------------------------------------------------- the tables
// Take-off and landing, for an aircraft with wheels or floats. The
// climb-out is at the best-angle speed (`best_angle`), or at 1.3 x the
// stall speed where that is slower (a jet's best angle lies far above its
// stall).
void runs(PerfTable *t, const Point &best_angle, float vs, float vso)
{
    if (!pln.gearEQ && !t->seaplane) {
        clear_figure(&t->row[PR_TAKEOFF_ROLL], PS_NA);
        clear_figure(&t->row[PR_TAKEOFF_50FT], PS_NA);
        clear_figure(&t->row[PR_LANDING_ROLL], PS_NA);
        return;
    }
    Point climb = best_angle;
    if (!climb.ok || climb.kias > CLIMB_OUT_FACTOR * vs)
        climb = full_throttle(job.sea_level_ft, CLIMB_OUT_FACTOR * vs);
    if (!climb.ok) {
        climb.kias = CLIMB_OUT_FACTOR * vs;
        climb.pitch = 8.0f;
    }
    takeoff(t->seaplane, 0.5f * vs, climb, &t->row[PR_TAKEOFF_ROLL], &t->row[PR_TAKEOFF_50FT]);
    landing(t->seaplane, vso, &t->row[PR_LANDING_ROLL]);
}

void aeroplane_table(PerfTable *t)
{
    float est_kias = msc.est_Vs * con.msctokts;
    int status;
    Point clean = stall(0.0f, 1.3f * est_kias, &status);
    speed_figure(&t->row[PR_STALL_CLEAN], clean, STALL_ALT_FT);
    t->row[PR_STALL_CLEAN].status = status;
    float vs = clean.ok ? clean.kias : est_kias;
    Point flaps = stall(1.0f, vs + 2.0f * job.step.stall, &status);
    speed_figure(&t->row[PR_STALL_FLAPS], flaps, STALL_ALT_FT);
    t->row[PR_STALL_FLAPS].status = status;
    float vso = flaps.ok ? flaps.kias : vs;

    Climb low = best_climb(job.sea_level_ft, 1.1f * vs);
    Climb high = best_climb(HIGH_ALT_FT, 1.1f * vs);
    climb_figure(&t->row[PR_RATE_SL], low.rate, job.sea_level_ft);
    climb_figure(&t->row[PR_ANGLE_SL], low.angle, job.sea_level_ft);
    climb_figure(&t->row[PR_RATE_HIGH], high.rate, HIGH_ALT_FT);
    climb_figure(&t->row[PR_ANGLE_HIGH], high.angle, HIGH_ALT_FT);
    if (low.rate_beyond)
        t->row[PR_RATE_SL].status = PS_BEYOND;
    if (high.rate_beyond)
        t->row[PR_RATE_HIGH].status = PS_BEYOND;
    float vy = low.rate.ok ? low.rate.asked : 1.5f * vs;
    Point top = top_speed(job.sea_level_ft, vy, &status);
    speed_figure(&t->row[PR_MAX_LEVEL], top, job.sea_level_ft);
    if (status != PS_NOT_FOUND)
        t->row[PR_MAX_LEVEL].status = status;
    if (top.ok && t->rated_hp > 0.0f)
        t->row[PR_MAX_LEVEL].power_pct = 100.0f * top.hp / t->rated_hp;

    if (pln.entype == 1 || pln.entype == 2)
        cruise(&t->row[PR_CRUISE], high.rate.ok ? high.rate.asked : vy, t->rated_hp);
    else
        clear_figure(&t->row[PR_CRUISE], PS_NA);

    runs(t, low.angle, vs, vso);
}

// A helicopter's level trim, held only with the rotor at its governed rpm
// (past the top speed the engine is at full throttle and the rotor droops).
Point heli_level(float alt_ft, float kias)
{
    Point p = trimmed(alt_ft, kias, 0.0f, -1.0f, 0);
    p.ok = p.ok && p.rpm >= 0.99f * pln.omegamax * con.rsctorpm;
    return p;
}

float less_power(const Point &p) { return -p.hp; }

// Level flight at `alt_ft` from the hover up: the power each speed takes.
// The top speed is the fastest steady level flight with the rotor at its
// governed rpm; the best climb is the power to spare there over the least
// power level flight takes, turned into climb at the weight flown, at the
// speed of least power.
void heli_curve(float alt_ft, PerfFigure *rate, PerfFigure *top_fig)
{
    static Point pts[MAX_SCAN];
    float step = 2.0f * job.step.climb;
    int n = 0, least = -1;
    for (float v = 0.0f; n < MAX_SCAN && v < 400.0f; v += step) {
        Point p = heli_level(alt_ft, v);
        if (!p.ok)
            break;
        pts[n] = p;
        if (least < 0 || p.hp < pts[least].hp)
            least = n;
        n++;
    }
    clear_figure(rate, PS_NOT_FOUND);
    clear_figure(top_fig, PS_NOT_FOUND);
    if (n == 0)
        return;
    Point top = pts[n - 1];
    for (float miss = top.asked + step; miss - top.asked > job.step.fine;) {
        float mid = 0.5f * (top.asked + miss);
        Point p = heli_level(alt_ft, mid);
        if (p.ok)
            top = p;
        else
            miss = mid;
    }
    speed_figure(top_fig, top, alt_ft);
    top_fig->power_pct = 100.0f * top.hp / fmaxf(pln.pmax * pln.numen * con.watttohp, 1.0f);
    Point low = pts[least];
    Top fit = parabola_top(pts, least > 0 ? least - 1 : 0, least < n - 1 ? least + 1 : n - 1, less_power);
    if (least > 0 && least < n - 1 && fit.ok) {
        Point p = heli_level(alt_ft, fit.v);
        if (p.ok && p.hp < low.hp)
            low = p;
    }
    speed_figure(rate, low, alt_ft);
    rate->climb_fpm = (top.hp - low.hp) * FT_LB_PER_MIN_PER_HP / fmaxf(job.weight_lb, 1.0f);
}

void heli_table(PerfTable *t)
{
    static const int NOT_FOR_HELI[] = {PR_STALL_CLEAN, PR_STALL_FLAPS, PR_ANGLE_SL, PR_ANGLE_HIGH, PR_CRUISE,
                                       PR_TAKEOFF_ROLL, PR_TAKEOFF_50FT, PR_LANDING_ROLL};
    for (int r : NOT_FOR_HELI)
        clear_figure(&t->row[r], PS_NA);
    heli_curve(job.sea_level_ft, &t->row[PR_RATE_SL], &t->row[PR_MAX_LEVEL]);
    PerfFigure top_high;
    heli_curve(HIGH_ALT_FT, &t->row[PR_RATE_HIGH], &top_high);
}

float sea_level_ft()
{
    float semispan = 0.0f;
    for (int p = 0; p < MAX_PARTS; p++)
        if (pln.foileq[p] || p < 2)
            semispan = fmaxf(semispan, pln.semiB[p]);
    return fmaxf(MIN_SEA_LEVEL_FT, CLEAR_SEMISPANS * semispan * con.mtrstoft);
}

}   // namespace

int batch_performance(const char *aircraft, const PerfSettings *s, PerfTable *t, char *why)
{
    memset(t, 0, sizeof *t);
    for (int r = 0; r < N_PERF_ROWS; r++)
        clear_figure(&t->row[r], PS_NOT_FOUND);
    if (!batch_load_aircraft(aircraft, why))
        return 0;
    C_to_C(aircraft, t->aircraft);
    C_to_C(pln.tailnum, t->tailnum);
    t->heli = pln.is_heli;
    t->seaplane = pln.floatEQ && !pln.gearEQ;
    t->rated_hp = pln.pmax * (float)pln.numen * con.watttohp;
    t->vne_kias = pln.Vne > 0.0f ? (pln.as_is_kias ? pln.Vne : pln.Vne / 1.15f) : 0.0f;
    // The weight asked (by default the design's maximum), but no less than
    // the aircraft empty with the fuel the loading gave it: the weight
    // control only adds load.
    float least_lb = (pln.m_empty + flt.m_fuel + flt.m_water) * con.kgstolbs;
    job.weight_lb = fmaxf(s->weight_lb > 0.0f ? s->weight_lb : pln.m_max * con.kgstolbs, least_lb);
    job.sea_level_ft = sea_level_ft();
    job.cruise_alt_ft = s->cruise_alt_ft;
    job.step = s->coarse ? COARSE_STEPS : FINE_STEPS;
    t->weight_lb = job.weight_lb;
    t->sea_level_ft = job.sea_level_ft;
    // The top speed may lie past the redline: the overspeed penalty (a
    // surface torn off) and the flap warning are the cockpit's, not the
    // design's.
    int keep_vne = msc.warn_overspeed, keep_vfe = msc.warn_flaps;
    msc.warn_overspeed = msc.warn_flaps = 0;
    if (t->heli)
        heli_table(t);
    else
        aeroplane_table(t);
    msc.warn_overspeed = keep_vne;
    msc.warn_flaps = keep_vfe;
    return 1;
}
