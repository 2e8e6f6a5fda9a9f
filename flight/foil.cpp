// Section coefficients of a lifting element: the airfoil table lookup, the
// blend over Reynolds number and span, and the corrections for Mach number,
// finite span, ground effect and the element's flow-direction change. No
// state of its own; the force build-up multiplies the results into forces.
#include <cmath>

#include "flight/local.h"

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

static void report_lookup(float a, float cl, float cd, float cm, int Re, int RT)
{
    cyc_printf("These coefficients are using the %s Reynolds number airfoil\n", Re ? "HIGH" : "LOW");
    cyc_printf("These coefficients are at the %s of the surface\n", RT ? "TIP" : "ROOT");
    cyc_printf("At an effective angle of attack (after finite-wing and slat alpha reduction) of %.2f degrees\n", a);
    if (fabsf(a) >= CL_TABLE_FROM_DEG) {
        cyc_printf("We look up lift, drag, and moment coefficients in tables to get cl=%.4f cd=%.4f cm=%.4f\n",
                   cl, cd, cm);
        return;
    }
    cyc_printf("We look up drag coefficients in tables to get cd=%.4f\n", cd);
    cyc_printf("We use straight-line lift and moment curves to get:\ncl=%.4f cm=%.4f\n", cl, cm);
}

// What a look-up of one part's airfoils at one alpha shares between its
// Reynolds numbers and stations: the part, the reduced alpha and its table
// position. Worked out once for all four airfoils of an element.
struct FoilAlpha {
    int EN, slatted;
    float alph, a, index;
};

static void foil_alpha(float alph, int EN, int el, FoilAlpha &f)
{
    f.EN = EN = flight_part(EN);
    el = flight_el(el);
    if (!std::isfinite(alph))
        alph = 0.0f;
    f.alph = alph;
    f.slatted = pln.slat[EN][el] != 0;
    float a = pln.finite_fact[EN] * alph;
    if (f.slatted)
        a /= slat_ratio(EN);
    f.a = a;
    float abs_a = fabsf(a);
    float index = abs_a <= INDEX_FINE_LIMIT_DEG ? abs_a * 10.0f : 200.0f + (abs_a - INDEX_FINE_LIMIT_DEG);
    f.index = index > INDEX_CAP ? INDEX_CAP : index;
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
}

// The look-up in airfoil Re (0 low, 1 high) of station RT (0 root, 1 tip).
static void foil_lookup(const FoilAlpha &f, int Re, int RT, float &cl, float &cd, float &cm)
{
    int EN = f.EN;
    float a = f.a;
    table_lift_drag(a, f.alph, f.index, EN, Re, RT, cl, cd);
    cm = moment_line(a, EN, Re, RT);
    if (set.cycout)
        report_lookup(a, cl, cd, cm, Re, RT);
    if (f.slatted) {
        cl *= slat_ratio(EN);
        if (set.cycout)
            cyc_printf("Slats are lowering the look-up alpha to %.1f%% of original,\n"
                       "and boosting the resulting lift by %.1f%%, to a value of %.4f\n",
                       100.0f / slat_ratio(EN), (slat_ratio(EN) - 1.0f) * 100.0f, cl);
    }
    float ice = fltlim(msc.ice, 0.0f, 1.0f);
    if (ice > ICE_THRESHOLD) {
        cd *= 1.0f + ICE_DRAG_GAIN * ice;
        cl /= 1.0f + ICE_LIFT_LOSS * ice;
        if (set.cycout)
            cyc_printf("icing is changing cl and cd to %.4f and %.4f\n", cl, cd);
    }
}

void anyfoil(float alph, float &cl, float &cd, float &cm, int EN, int Re, int RT, int el)
{
    FoilAlpha f;
    foil_alpha(alph, EN, el, f);
    foil_lookup(f, Re ? 1 : 0, RT ? 1 : 0, cl, cd, cm);
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

// Coefficients c[RT][Re][cl, cd, cm] of the airfoils the part has; the
// missing Reynolds slot repeats the low one.
static void station_coeffs(const FoilAlpha &f, float c[2][3], int EN, int RT)
{
    foil_lookup(f, 0, RT, c[0][0], c[0][1], c[0][2]);
    if (pln.diffRe[EN])
        foil_lookup(f, 1, RT, c[1][0], c[1][1], c[1][2]);
    else
        for (int k = 0; k < 3; k++)
            c[1][k] = c[0][k];
}

static void report_blend(const float c[2][2][3], const float out[3], float Re, float t)
{
    static const char *const NAMES[3] = {"CL", "CD", "CM"};
    static const char *const LOWER[3] = {"cl", "cd", "cm"};
    for (int k = 0; k < 3; k++) {
        cyc_printf("%s Coeff summary:  ---------- --root--  --tip---\n", NAMES[k]);
        cyc_printf("                   reyno 1   %8.4f  %8.4f\n", c[0][0][k], c[1][0][k]);
        cyc_printf("                   reyno 2   %8.4f  %8.4f\n", c[0][1][k], c[1][1][k]);
        cyc_printf("                   resultant %s=%.4f\n", LOWER[k], out[k]);
    }
    cyc_printf("                   flight RE=%.2f million\n", Re);
    cyc_printf("                   element center=%.1f%% of span\n", t * 100.0f);
}

void Fco(float alph, float &cl, float &cd, float &cm, int EN, float Re, int el)
{
    EN = flight_part(EN);
    el = flight_el(el);
    float c[2][2][3];   // [root/tip][lo/hi][cl, cd, cm]
    float out[2][3];    // each station blended over Reynolds number
    int nst = pln.diffRT[EN] ? 2 : 1;
    FoilAlpha f;
    foil_alpha(alph, EN, el, f);
    for (int RT = 0; RT < nst; RT++) {
        station_coeffs(f, c[RT], EN, RT);
        float w = pln.diffRe[EN] ? reynolds_weight(EN, RT, Re) : 0.0f;
        for (int k = 0; k < 3; k++)
            out[RT][k] = c[RT][1][k] * w + c[RT][0][k] * (1.0f - w);
    }
    // Span fraction of the element centre.
    float t = 0.0f;
    if (nst == 2) {
        t = pln.dblel[EN] > 0.0f ? (float)el / pln.dblel[EN] + pln.semi_sec_wi[EN] : 0.5f;
        for (int k = 0; k < 3; k++)
            out[0][k] = out[1][k] * t + out[0][k] * (1.0f - t);
    } else {
        for (int k = 0; k < 3; k++)
            c[1][0][k] = c[1][1][k] = 0.0f;
    }
    cl = out[0][0];
    cd = out[0][1];
    cm = out[0][2];
    if (set.cycout)
        report_blend(c, out[0], Re, t);
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

static void report_corrections(int EN, float cl, float cd, float cm, float machno, float machfac,
                               int ground, float cdi, float diverge)
{
    cyc_printf("effective mach#=%.3f, Prandtl-Glauert cl and cm mach factor multiplier=%.3f\n", machno, machfac);
    if (ground) {
        cyc_printf("\nground effect cdi multiplier=%.3f\n", flt.CDIgrndeffect[EN]);
        cyc_printf("ground effect cl  multiplier=%.3f\n", flt.CLgrndeffect[EN]);
    }
    cyc_printf("cdi=%.4f\n", cdi);
    if (diverge > 0.0f)
        cyc_printf("\ndrag divergent mach number exceeded, cd incremented by %.4f\n", diverge);
    cyc_printf("FINAL COEFFS (after compressibility and ground-effects): cl=%.4f cd=%.4f cm=%.4f\n", cl, cd, cm);
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
    int ground = cl > 0.0f && in_ground_effect(EN);
    if (ground) {
        cdi *= flt.CDIgrndeffect[EN];
        cl *= flt.CLgrndeffect[EN];
    }
    cd += cdi;
    float md = MD_ZERO_CL - MD_PER_CL * cl, diverge = 0.0f;
    if (machno > md) {
        float dm = fltlim(machno, 0.0f, 1.0f) - md;
        diverge = DIVERGE_GAIN * dm * dm;
        cd += diverge;
    }
    if (set.cycout)
        report_corrections(EN, cl, cd, cm, machno, machfac, ground, cdi, diverge);
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
    if (set.cycout) {
        cyc_printf("\nThis element has an infinite flow-direction modification of %.2f degrees\n",
                   flt.deldir[FLTEN][el]);
        cyc_printf("This rotates the lift and drag vectors through the infinite flow-modification angle.\n");
        cyc_printf("This rotation turns the initial cl of %.4f and cd of %.4f along the direction of the flight path\n",
                   cl, cd);
        cyc_printf("to the new values of cl=%.4f and cd=%.4f\n", clin, cdin);
    }
}
