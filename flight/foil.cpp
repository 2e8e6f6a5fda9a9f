// Section coefficients of a lifting element: the airfoil table lookup, the
// blend over Reynolds number and span, and the corrections for Mach number,
// finite span, ground effect and the element's flow-direction change. No
// state of its own; the force build-up multiplies the results into forces.
#include <cmath>

#include "flight/local.h"
#include "shell/shell.h"

// Table index of |alpha|: tenths of a degree up to 20 deg, whole degrees
// above, capped below the last entry so entry lo + 1 always exists.
constexpr float INDEX_FINE_LIMIT_DEG = 20.0f;
constexpr float INDEX_CAP = 269.99f;
constexpr float CL_TABLE_FROM_DEG = 10.0f;   // below: the straight lift line
constexpr int CL_SLOT_OFFSET = 100;          // cl slot = index - 100
// Moment beyond +-20 deg runs to +-0.32 at -+90 deg (the flat plate's
// moment about the quarter chord, about 0.32 at 90 deg).
constexpr float CM_AT_MINUS_90 = 0.32f;
constexpr float CM_AT_PLUS_90 = -0.32f;
// Ice roughness: drag up to five times, lift down to two thirds at full
// icing.
constexpr float ICE_DRAG_GAIN = 4.0f;
constexpr float ICE_LIFT_LOSS = 0.5f;
constexpr float ICE_THRESHOLD = 0.001f;

// Slat stretch of part EN's current state; an unset (zero) ratio counts
// as slats in.
static float slat_ratio(int EN)
{
    float r = flt.slat_effect[EN];
    return r > 0.01f ? r : 1.0f;
}

// Moment coefficient, piecewise linear through (-90, 0.32), (-20, cm1),
// (cmal2, cm2), (cmal3, cm3), (20, cm4), (90, -0.32); segments tried in the
// airfoil's own order, each inclusive.
static float moment_line(float a, int EN, int Re, int RT)
{
    float c2 = afl.cmal2[EN][Re][RT], c3 = afl.cmal3[EN][Re][RT];
    float m1 = afl.cm1[EN][Re][RT], m2 = afl.cm2[EN][Re][RT];
    float m3 = afl.cm3[EN][Re][RT], m4 = afl.cm4[EN][Re][RT];
    float cm;
    if (a >= c2 && a <= c3)
        cm = flight_lerp(c2, m2, c3, m3, a);
    else if (a >= c3 && a <= 20.0f)
        cm = flight_lerp(c3, m3, 20.0f, m4, a);
    else if (a >= -20.0f && a <= c2)
        cm = flight_lerp(-20.0f, m1, c2, m2, a);
    else if (a >= 20.0f)
        cm = flight_lerp(20.0f, m4, 90.0f, CM_AT_PLUS_90, a);
    else
        cm = flight_lerp(-90.0f, CM_AT_MINUS_90, -20.0f, m1, a);
    return std::isfinite(cm) ? cm : 0.0f;
}

// Lift and drag from the tables at table position `index` (lo, weight w).
static void table_lift_drag(float a, float alph, float index, int EN, int Re, int RT,
                            float &cl, float &cd)
{
    int lo = (int)index;
    float w = (float)(lo + 1) - index;
    int neg = !(alph > 0.0f);
    const float *cdt = neg ? afl.cdneg[EN][Re][RT] : afl.cdpos[EN][Re][RT];
    cd = cdt[lo] * w + cdt[lo + 1] * (1.0f - w);
    if (fabsf(a) < CL_TABLE_FROM_DEG) {
        cl = afl.clB[EN][Re][RT] + afl.clM[EN][Re][RT] * a;
        return;
    }
    const float *clt = neg ? afl.clneg[EN][Re][RT] : afl.clpos[EN][Re][RT];
    int s = lo - CL_SLOT_OFFSET;
    if (s < 0)
        s = 0;
    cl = clt[s] * w + clt[s + 1] * (1.0f - w);
}

void anyfoil(float alph, float &cl, float &cd, float &cm, int EN, int Re, int RT, int el)
{
    EN = flight_part(EN);
    el = flight_el(el);
    Re = Re ? 1 : 0;
    RT = RT ? 1 : 0;
    if (!std::isfinite(alph))
        alph = 0.0f;
    int slatted = pln.slat[EN][el] != 0;
    float a = pln.finite_fact[EN] * alph;
    if (slatted)
        a /= slat_ratio(EN);

    float abs_a = fabsf(a);
    float index = abs_a <= INDEX_FINE_LIMIT_DEG ? abs_a * 10.0f : 200.0f + (abs_a - INDEX_FINE_LIMIT_DEG);
    if (index > INDEX_CAP)
        index = INDEX_CAP;
    table_lift_drag(a, alph, index, EN, Re, RT, cl, cd);

    // flt.alphamax is the stall alpha of the whole surface in the element's
    // own alpha (airfoil stall / finite_fact, times the slat stretch), while
    // `a` has been reduced by both factors already. The looked-up alpha is
    // therefore compared with the same stall brought back to the airfoil's
    // terms: alphamax x finite_fact / slat stretch (comparing `a` with
    // alphamax directly would apply both factors twice and flag the stall
    // several degrees past the lift peak).
    if (abs_a >= CL_TABLE_FROM_DEG && a > 0.0f &&
        a > flt.alphamax[EN] * pln.finite_fact[EN] / slat_ratio(EN))
        flt.stalled[EN] = 1;

    cm = moment_line(a, EN, Re, RT);
    if (slatted)
        cl *= slat_ratio(EN);
    float ice = fltlim(msc.ice, 0.0f, 1.0f);
    if (ice > ICE_THRESHOLD) {
        cd *= 1.0f + ICE_DRAG_GAIN * ice;
        cl /= 1.0f + ICE_LIFT_LOSS * ice;
    }
}

// Weight of the high-Reynolds airfoil at flight Reynolds number Re; 0 below
// the low airfoil's, 1 above the high one's.
static float reynolds_weight(int EN, int RT, float Re)
{
    float del = pln.delRe[EN][RT];
    if (!(fabsf(del) > 1e-6f) || !std::isfinite(Re))
        return 0.0f;
    return fltlim((Re - pln.Re[EN][RT][0]) / del, 0.0f, 1.0f);
}

// One span station's coefficients, blended over Reynolds number when the
// part has a high-Reynolds airfoil.
static void station_coeffs(float alph, float c[3], int EN, float Re, int RT, int el)
{
    anyfoil(alph, c[0], c[1], c[2], EN, 0, RT, el);
    if (!pln.diffRe[EN])
        return;
    float hi[3];
    anyfoil(alph, hi[0], hi[1], hi[2], EN, 1, RT, el);
    float w = reynolds_weight(EN, RT, Re);
    for (int k = 0; k < 3; k++)
        c[k] = hi[k] * w + c[k] * (1.0f - w);
}

void Fco(float alph, float &cl, float &cd, float &cm, int EN, float Re, int el)
{
    EN = flight_part(EN);
    el = flight_el(el);
    float root[3];
    station_coeffs(alph, root, EN, Re, 0, el);
    if (pln.diffRT[EN]) {
        float tip[3];
        station_coeffs(alph, tip, EN, Re, 1, el);
        // Span fraction of the element centre.
        float t = pln.dblel[EN] > 0.0f ? (float)el / pln.dblel[EN] + pln.semi_sec_wi[EN] : 0.5f;
        for (int k = 0; k < 3; k++)
            root[k] = tip[k] * t + root[k] * (1.0f - t);
    }
    cl = root[0];
    cd = root[1];
    cm = root[2];
}

float FRe(float rho, float v, float mac)
{
    float mu = con.muair > 0.0f ? con.muair : 1.7894e-5f;   // Pa s, air at 15 C
    return rho * v * mac / mu / 1000000.0f;
}

// Prandtl-Glauert; held at 2 around Mach 1 where the linear theory fails.
float Fmachfac(float machno)
{
    constexpr float MAX_FAC = 2.0f;
    if (!std::isfinite(machno))
        return 1.0f;
    float d = fabsf(1.0f - machno * machno);
    if (d <= 1.0f / (MAX_FAC * MAX_FAC))
        return MAX_FAC;
    return fltlim(1.0f / sqrtf(d), 1.0f, MAX_FAC);
}

// Isentropic flow: rho0 / rho = (1 + (gamma - 1) / 2 M^2)^(1 / (gamma - 1)).
float thinair(float machno)
{
    float gm1 = con.gammaairM1 > 0.0f ? con.gammaairM1 : 0.4f;
    float m = std::isfinite(machno) ? fltlim(machno, 0.0f, 1.0f) : 0.0f;
    return atm.rho / powf(1.0f + m * m * gm1 * 0.5f, 1.0f / gm1);
}

// Surfaces near the ground that feel ground effect: wings and stabiliser of
// an aeroplane, the main rotor of a helicopter.
static int in_ground_effect(int EN)
{
    return pln.is_heli ? EN == 0 : (EN >= 2 && EN <= 4);
}

void finitecompressible(int EN, float &cl, float &cd, float &cm, float machno, float machfac)
{
    // Drag divergence: critical Mach 0.75 falling 0.2 per unit cl, and a
    // rise of 2.5 (M - Md)^2 beyond it (a fit to transonic section data).
    constexpr float MD_ZERO_CL = 0.75f, MD_PER_CL = 0.2f, DIVERGE_GAIN = 2.5f;
    EN = flight_part(EN);
    cl *= machfac;
    cm *= machfac;
    float cdi = pln.PIeAR[EN] > 0.01f ? cl * cl / pln.PIeAR[EN] : 0.0f;
    if (cl > 0.0f && in_ground_effect(EN)) {
        cdi *= flt.CDIgrndeffect[EN];
        cl *= flt.CLgrndeffect[EN];
    }
    cd += cdi;
    float md = MD_ZERO_CL - MD_PER_CL * cl;
    if (machno > md) {
        float dm = fltlim(machno, 0.0f, 1.0f) - md;
        cd += DIVERGE_GAIN * dm * dm;
    }
}

void washawing(float &clin, float &cdin, int FLTEN, int el)
{
    if (FLTEN < 0 || FLTEN >= MAX_FLT_ROWS)
        return;
    el = flight_el(el);
    float s = flt.sindeldir[FLTEN][el], c = flt.cosdeldir[FLTEN][el];
    float cl = clin, cd = cdin;
    clin = c * cl + s * cd;
    cdin = c * cd - s * cl;
}
