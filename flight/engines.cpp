// Engines: piston and turboprop torque with its mixture and altitude
// losses, jet spool and thrust, the engine state at a start, and the
// first-order lag every engine quantity follows.
#include <cmath>

#include "flight/local.h"

float closer(float now, float term, float rate)
{
    // The share moved this step never exceeds the whole gap.
    float w = fltlim(msc.prd * rate, 0.0f, 1.0f);
    float r = term * w + (1.0f - w) * now;
    return std::isfinite(r) ? r : term;
}

static float safe_quot(float a, float b) { return fabsf(b) > 1e-6f ? a / b : 0.0f; }

void apropengine(int eng)
{
    int e = eng ? 1 : 0;
    float omega = pln.is_heli ? flt.omega[0] : flt.omega[e];
    float sigma = fltlim(atm.crtsig + pln.turboboost, 0.0f, 1.0f);
    float alt = (sigma - 0.1f) / 0.9f;
    float r = fltlim(safe_quot(omega - pln.omegamin, pln.omegamax - pln.omegamin), 0.0f, 99.0f);
    float k = safe_quot(pln.pmax, pln.omegamax);
    if (flt.eng_running[e]) {
        // Torque curves of the running engine at full throttle and idle,
        // against the share r of the speed range.
        float full = k * (0.5f + 1.5f * r - r * r), idle = k * (0.01f - r * r);
        float t = sqrtf(fltmax2(flt.throt[e], 0.0f));
        flt.Etq[e] = flt.mix_powr_rat[e] * interp(0.0f, idle, 1.0f, full, t) * alt;
    } else {
        flt.Etq[e] = -k * r * fabsf(r);   // a windmilling engine drags
    }
    if (pln.is_heli && flt.Etq[e] < 0.0f)
        flt.Etq[e] = 0.0f;   // the freewheel unit never lets the rotor drive it
    if (!std::isfinite(flt.Etq[e]))
        flt.Etq[e] = 0.0f;
    flt.power[e] = omega * flt.Etq[e];
    if (pln.is_heli && pln.entype == 2) {
        float target = flt.eng_running[e] ? 100.0f * sqrtf(fltmax2(safe_quot(flt.power[e], pln.pmax), 0.0f)) : 0.0f;
        flt.n1[e] = closer(flt.n1[e], target, 0.2f);
    }
}

// Piston mixture: best power 0.3 below the density ratio, none 0.4 below.
constexpr float MIX_BEST_BELOW = 0.3f;
constexpr float MIX_CUT_BELOW = 0.4f;

static void piston_mixture(int e)
{
    float best = atm.crtsig - MIX_BEST_BELOW, cut = atm.crtsig - MIX_CUT_BELOW;
    float mix = flt.mix[e];
    float p, t;
    if (mix <= cut) {
        p = t = 0.0f;
    } else if (mix <= best) {
        p = 1.0f - 5.0f * (best - mix);
        t = 1.0f - 5.0f * (best - mix);
    } else {
        p = 1.0f - 0.1f * (mix - best);
        t = 1.0f - 2.0f * (mix - best);
    }
    t *= sqrtf(fltmax2(flt.throt[e], 0.0f));
    flt.mix_powr_rat[e] = fltlim(p, 0.0f, 1.0f);
    flt.mix_temp_rat[e] = fltlim(t, 0.0f, 1.0f);
}

void mixture_ratios()
{
    for (int e = 0; e < 2; e++) {
        if (pln.entype == 1) {
            piston_mixture(e);
        } else {
            flt.mix_powr_rat[e] = flt.mix[e] > 0.5f ? 1.0f : 0.0f;
            flt.mix_temp_rat[e] = flt.mix_powr_rat[e];
        }
    }
}

// Below this setting an engine starts stopped.
constexpr float INITPOWER_RUNNING = 0.1f;
constexpr float START_WASH_MS = 10.0f;   // propwash guess the lag starts from

void initpower(float pwr)
{
    pwr = fltlim(std::isfinite(pwr) ? pwr : 0.0f, 0.0f, 1.0f);
    for (int e = 0; e < 2; e++) {
        flt.throtrequest[e] = flt.throt[e] = pwr;
        flt.prop[e] = pln.omegamax;
        flt.mix[e] = 1.0f;
        flt.omega[e] = pln.is_heli ? pln.omegamax : pln.omegamin + sqrtf(pwr) * (pln.omegamax - pln.omegamin);
        flt.mp[e] = 10.0f + 20.0f * pwr;
        flt.n1[e] = 40.0f + 60.0f * pwr;
        flt.epr[e] = 1.0f + 2.0f * pwr;
        flt.egt[e] = pwr;
        if (pwr < INITPOWER_RUNNING) {
            flt.omega[e] = 1.0f;
            flt.n1[e] = 0.0f;
        }
        flt.proppitch[e] = interp(0.0f, pln.minpitch[e], 1.0f, pln.maxpitch[e], flt.throt[e]);
        flt.thrust[e] = flt.Etq[e] = 0.0f;
        flt.DVinc[e] = START_WASH_MS;
        flt.parteqlbmthrust[e] = pwr;
        for (int el = 0; el < MAX_ELS; el++) {
            flt.ringthrust[e][el] = 0.0f;
            flt.ringDVinc[e][el] = START_WASH_MS;
        }
    }
}

// Jet spool: up at dt/spooltime scaled by (spool + 0.65)^3 (slow from idle,
// quick near full), down five times faster; never past the command.
static void spool(int e, float tj)
{
    float s = flt.parteqlbmthrust[e];
    float d = safe_quot(msc.prd, pln.spooltime) * powf(fltmax2(s, 0.0f) + 0.65f, 3.0f);
    if (pln.spooltime <= 0.0f)
        d = 1.0f;   // no spool time: the engine follows at once
    if (tj < s)
        s = fltmax2(s - 5.0f * d, tj);
    else
        s = fltmin2(s + d, tj);
    flt.parteqlbmthrust[e] = flt.eng_running[e] ? fltlim(s, 0.0f, 1.0f) : 0.0f;
}

constexpr float JET_IDLE_SPOOL = 0.05f;
constexpr float JET_MACH_GAIN = 0.15f;     // ram recovery raises full thrust
constexpr float JET_IDLE_SHARE = 0.01f;
constexpr float JET_RAM_DRAG = 0.3f;       // intake momentum drag per unit face q

void ajet(int eng, float x, float y, float z)
{
    int e = eng ? 1 : 0;
    float tj = interp(0.0f, JET_IDLE_SPOOL, 1.0f, 1.0f, flt.throt[e]);
    spool(e, tj);
    flt.n1[e] = 100.0f * powf(flt.parteqlbmthrust[e], 0.3f);
    float ram = JET_RAM_DRAG * pln.facejet * flt.Qstatic;
    float full = (1.0f + JET_MACH_GAIN * flt.machno[FLT_ROW_FUSE]) * pln.tmax * atm.crtsig;
    float idle = JET_IDLE_SHARE * full - ram;
    float thrust = flt.eng_running[e] ? interp(0.0f, idle, 1.0f, full, flt.parteqlbmthrust[e]) : -ram;
    if (pln.revthrustEQ && flt.revving_thrust[e])
        thrust = -thrust;
    if (!std::isfinite(thrust))
        thrust = 0.0f;
    flt.thrust[e] = thrust;
    if (set.cycout)
        cyc_printf("long thrust vector=%.1f lb\nTHISfaxil=%.1f lb\n", thrust * con.ntntolbs,
                   pln.cos_vertcant[e] * thrust * con.ntntolbs);
    addFaprop(pln.cos_vertcant[e] * thrust, y, z);
    addFsprop(0.0f, x, z);
    addFnprop(pln.sin_vertcant[e] * thrust, x, y);
}

void jets()
{
    int n = intlim(pln.numen, 0, 2);
    for (int e = 0; e < n; e++)
        ajet(e, pln.xarm[e][MAX_ELS], pln.yarm[e][MAX_ELS], pln.zarm[e][MAX_ELS]);
}
