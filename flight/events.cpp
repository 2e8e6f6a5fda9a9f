// The slower flight work done once per event period: the flight-path
// record, storm level, brakes, moving flaps, slats, sweep, nozzles and gear,
// and on the eleven-count fuel burn, icing, failures, engines, lightning,
// gravity and speed penalties; stall alpha and ground effect.
#include <cmath>
#include <cstring>

#include "flight/local.h"

// The autopilot's errors are held to the receivers' useful range: a course
// needle reads to 45 degrees either side, the glide slope to 5.
constexpr float MAX_DELHORZ_DEG = 45.0f, MAX_DELVERT_DEG = 5.0f;

void resetpat()
{
    pat.cntr_record = 0;
    memset(pat.xyztpp, 0, sizeof pat.xyztpp);
    memset(pat.inited, 0, sizeof pat.inited);
}

// The newest sample follows the aircraft; a new one starts once it has
// moved more than a metre across the ground, so a stationary aircraft adds
// none. The slot after the newest is kept empty: the gap stops the trail
// from joining its newest end to its oldest once the ring has wrapped.
void record_path()
{
    const float *last = pat.xyztpp[pat.cntr_record];
    if (fabs(flt.x - last[0]) > 1.0 || fabs(flt.y - last[1]) > 1.0)
        pat.cntr_record = intwrap(pat.cntr_record + 1, 0, MAX_PATH_SAMPLES - 1);
    float *p = pat.xyztpp[pat.cntr_record];
    p[0] = (float)flt.x; p[1] = (float)flt.y; p[2] = (float)flt.z;
    p[3] = flt.the * con.degtorad; p[4] = flt.psi * con.degtorad; p[5] = flt.phi * con.degtorad;
    pat.inited[pat.cntr_record] = 1;
    pat.inited[intwrap(pat.cntr_record + 1, 0, MAX_PATH_SAMPLES - 1)] = 0;
}

// Time covered by one event update.
static float event_dt() { return msc.prd * (float)intlim(msc.evup, 1, 99); }

// Moves *now towards `goal` by `step`, landing on it when closer than a
// step; returns 1 when it moved. Landing exactly (rather than stopping
// within a dead band) matters: sums of 0.02 steps miss 1.0 by a rounding
// error, and a sweep stopped there truncates to a degree short.
static int step_towards(float *now, float goal, float step)
{
    float d = goal - *now;
    if (d == 0.0f || !std::isfinite(d))
        return 0;
    *now = fabsf(d) < step ? goal : *now + fltsgn(d) * step;
    return 1;
}

// Flaps one index per event towards the request; slats 0.02 per event.
static void move_surfaces()
{
    if (rel.flp && flt.flap != flt.flaprequest)
        flt.flap += flt.flap < flt.flaprequest ? 1 : -1;
    if (rel.slt)
        step_towards(&flt.slat, flt.slatrequest, 0.02f);
    for (int p = 2; p <= 4; p++)
        flt.slat_effect[p] = 1.0f + (pln.slat_effect[p] - 1.0f) * flt.slat;
}

// Variable sweep 0.02 per event; each swinging surface takes the sweep
// between its two settings and its elements move with it.
static void move_sweep()
{
    if (!pln.varsweepEQ[2] && !pln.varsweepEQ[3] && !pln.varsweepEQ[4])
        return;
    if (!step_towards(&flt.sweep, flt.sweeprequest, 0.02f))
        return;
    for (int p = 2; p <= 4; p++) {
        if (!pln.varsweepEQ[p])
            continue;
        float s1 = fltwrap((float)pln.sweep1[p], -179.0f, 181.0f);
        float s2 = fltwrap((float)pln.sweep2[p], -179.0f, 181.0f);
        int now = (int)interp(0.0f, s1, 1.0f, s2, flt.sweep);
        pln.sweepnow[p] = intwrap(now, 0, 359);
        if (pln.foileq[p])
            calcsweepgeo(p);
    }
}

// Thrust vectoring 3 degrees per event; the second nozzle follows the first.
static void move_vectoring()
{
    if (!pln.vectEQ || pln.is_heli)
        return;
    if (!step_towards(&pln.vertcant[0], (float)flt.vectrequest, 3.0f))
        return;
    pln.vertcant[1] = pln.vertcant[0];
    for (int e = 0; e < 2; e++) {
        pln.sin_vertcant[e] = sinf(pln.vertcant[e] * con.degtorad);
        pln.cos_vertcant[e] = cosf(pln.vertcant[e] * con.degtorad);
    }
}

// Nominal transit of each leg (nose, left, right), s: a light retractable's
// gear cycles in 5 to 7 s; the legs are staggered as real ones are.
static const float GEAR_TRANSIT_S[3] = {5.0f, 6.0f, 6.5f};

// A leg whose state differs from the handle arrives once its transit time
// has run; a failed leg stays where it is.
static void move_gear()
{
    if (!pln.retractEQ)
        return;
    for (int g = 0; g < 3; g++) {
        if (set.gear_stat[g] == set.gear_handle || !rel.ger[g]) {
            set.gear_time[g] = 0.0f;
            continue;
        }
        set.gear_time[g] += event_dt();
        if (set.gear_time[g] >= GEAR_TRANSIT_S[g]) {
            set.gear_stat[g] = set.gear_handle;
            set.gear_time[g] = 0.0f;
        }
    }
}

// Wheel brakes: build while the brake is held, off at once when released.
// A tail-dragger whose tail is coming light eases off so as not to nose over.
static void brakes()
{
    float step = 2.0f * event_dt();
    set.partbrake += ins.brake_on ? step : -1.0f;
    if (ins.brake_on && pln.gearEQ && pln.ngearx > 0.0f && flt.geard[0] < 0.3f * pln.delnose_eqlbm)
        set.partbrake = fltmax2((set.partbrake - step) * 0.95f, 0.2f);
    set.partbrake = fltlim(set.partbrake, 0.0f, 0.8f);
}

// Storm level round the aircraft from the 5 x 5 radar cells about it.
static void radar_level()
{
    int i, j;
    atm.level = 0.0f;
    if (flt.h > atm.topsMSL || !wxr_cell((float)flt.x, (float)flt.y, 2, &i, &j))
        return;
    float sum = 0.0f;
    for (int a = i - 2; a <= i + 2; a++)
        for (int b = j - 2; b <= j + 2; b++)
            sum += flt_wxr[a][b];
    atm.level = fltlim(interp(24.0f, 1.0f, 31.0f, 9.0f, sum / 25.0f), 0.0f, 9.0f);
}

// The receivers' needles, then the autopilot's course and glide-slope
// errors from them: the course from the receiver the NAV mode steers by
// (NAV 1 before NAV 2, as the autopilot chooses; on a GPS panel NAV 1 is the
// GPS cross-track, opposite in sign), the glide slope from NAV 2, whose
// glide path the glide-slope mode flies.
static void navigation_errors()
{
    radio_receivers();
    if (ott.NAV[0] || ott.NAV[1]) {
        int r = ott.NAV[0] ? 0 : 1;
        float dev = r == 0 && panel_has_gps() ? -nav.gps_cdi : nav.hdef[r];
        ott.delhorz = fltlim(dev, -MAX_DELHORZ_DEG, MAX_DELHORZ_DEG);
    }
    if (ott.GS2)
        ott.delvert = fltlim(nav.vdef[1], -MAX_DELVERT_DEG, MAX_DELVERT_DEG);
    glideslope_warning();
}

// Ground-effect multipliers of the induced drag and lift of surface p at
// height ratio hb (height over semispan), only for surfaces that exist.
static void ground_effect(int p)
{
    if (!pln.foileq[p] || pln.semiB[p] < 0.01f)
        return;
    float hb = root_height_agl(p) / pln.semiB[p];
    hb = fltmax2(hb, 0.1f);
    float e = sqr(8.0f * hb);
    float AR = fltmax2(pln.AR[p], 0.1f);
    flt.CDIgrndeffect[p] = e / (e + 1.0f);
    flt.CLgrndeffect[p] = 1.0f + 3.0f * (powf(1.0f + 1.0f / (hb * hb * hb), 0.04f) - 1.0f) / AR;
}

// Fuel flow (lb/h) of each engine and the fuel burned over the
// eleven-count (about a second): piston 0.48 lb/h per hp, turboprop half as
// much again, jets 0.5 lb/h per lb of thrust.
static void burn_fuel()
{
    float ff = 0.0f;
    for (int e = 0; e < 2 && e < pln.numen; e++) {
        float f = pln.entype == 3 ? flt.thrust[e] * con.kgstolbs / con.g * 0.5f
                                  : flt.power[e] * con.watttohp * 0.48f * (pln.entype == 2 ? 1.5f : 1.0f);
        flt.ff_lbhr[e] = fltmax2(f, 0.0f);
        ff += flt.ff_lbhr[e];
    }
    flt.m_fuel = fltlim(flt.m_fuel - ff * con.lbstokgs / 3600.0f, 0.0f, pln.m_fuel);
}

// Ice builds in cloud between -20 and 0 C and melts above freezing or with
// anti-ice on (a third of a percent per eleven-count, the rate the ice
// ratio was tuned for).
static void icing()
{
    float tc = atm.T - 273.15f;
    int in_cloud = !atm.clear && flt.h < atm.topsMSL && flt.h > atm.baseMSL;
    if (ins.antiice_on) {
        msc.ice -= 0.01f;
    } else if (tc > 0.0f) {
        msc.ice -= tc * 0.00333f / 10.0f;
    } else if (tc >= -20.0f && in_cloud) {
        msc.icebld = 1;
        msc.ice += 0.00333f;
    }
    msc.ice = fltlim(msc.ice, 0.0f, 1.0f);
}

// An engine runs while it has fuel, a burnable mixture and has not failed.
static void engines_running()
{
    for (int e = 0; e < 2; e++)
        flt.eng_running[e] = pln.entype && e < pln.numen && flt.m_fuel > 0.01f &&
                             flt.mix_powr_rat[e] > 0.01f && rel.eng[e];
}

// Stick springs stiffen with airspeed; the stick shakes at the stall and
// rumbles on the runway.
static void force_feedback()
{
    float vne = pln.Vne > 1.0f ? pln.Vne : 200.0f;
    flight_calls.forcecall(FF_SPRING, 0.0f, 0.0f, fltlim(100.0f * flt.vind / vne, 10.0f, 100.0f));
    float shake = flt.stall_warn ? 60.0f : (flt.onground ? fltlim(flt.vind * 0.5f, 0.0f, 30.0f) : 0.0f);
    flight_calls.forcecall(FF_X_VIBRATION, shake, flt.stall_warn ? 10.0f : 25.0f, 0.0f);
}

// The slow work, once per eleven event updates.
static void eleven_count()
{
    force_feedback();
    burn_fuel();
    icing();
    failure_pass();
    hydraulic_decay();
    engines_running();
    if (atm.rain_tstm > 1 && atm.temp_SL > 32.0f)
        start_strike();
    air_gravity(flt.h);
    speed_penalties();
}

// Stall alpha with the slats, and the ground-effect factors.
static void stall_and_ground_effect()
{
    for (int p = 2; p < MAX_PARTS; p++)
        if (pln.foileq[p])
            flt.alphamax[p] = flt.slat_effect[p] * pln.alphamax[p];
    if (pln.is_heli)
        ground_effect(0);
    else
        for (int p = 2; p <= 4; p++)
            ground_effect(p);
}

void mod_evt()
{
    record_path();
    radar_level();
    navigation_errors();
    brakes();
    move_surfaces();
    move_sweep();
    move_vectoring();
    wxcalc();
    if (set.dskout)
        flight_calls.dskoutproc();   // after the weather, so the line shows this tick's wind
    move_gear();
    move_rabbits();
    if (msc.cntr10 == 0)
        eleven_count();
    if (msc.cntr10 == 0 || msc.cntr10 == 5)
        stall_and_ground_effect();
}
