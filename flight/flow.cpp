// Local flow at every element of the wings, stabiliser and fins, each
// physics step: the sweep-normal speed, Mach number and density of each
// half, and per element the speed, angle of attack and flow-direction
// change that the aircraft's rotation, the propwash and the previous step's
// downwash give. The force build-up reads the results.
#include <cmath>

#include "flight/local.h"

// Mach number of speed v at the current speed of sound; 0 while no air
// state has been computed.
static float mach_of(float v)
{
    return atm.a > 1.0f ? v / atm.a : 0.0f;
}

static void set_row_air(int row, float v)
{
    flt.machno[row] = mach_of(v);
    flt.machfac[row] = Fmachfac(flt.machno[row]);
    flt.rho[row] = thinair(flt.machno[row]);
}

// Stores speed and alpha of one element from its axial and normal (or side)
// components plus the downwash angle `wash`, completes the flow-direction
// change (deldir holds minus the geometric alpha on entry) and adds the
// induced alpha.
static void finish_element(int row, int el, float axial, float normal, float wash)
{
    float alpha = atan2f(normal, axial) * con.radtodeg + wash;
    flt.v_el[row][el] = sqrtf(axial * axial + normal * normal);
    flt.deldir[row][el] += alpha;
    int k = flight_round_deg(flt.deldir[row][el]);
    flt.sindeldir[row][el] = lsin[k];
    flt.cosdeldir[row][el] = lcos[k];
    flt.alpha[row][el] = alpha + flt.induced_alpha[row][el];
}

float partialwash(float dvinc, int EN, int sideindex)
{
    EN = flight_part(EN);
    int s = sideindex ? 1 : 0;
    if (!(dvinc > 0.0f))
        dvinc = 0.0f;
    float ang = atan2f(flt.av * flt.sinalph - pln.sin_vertcant[s] * dvinc,
                       pln.cos_vertcant[s] * dvinc + flt.av * flt.cosalph) * con.radtodeg;
    float lo = pln.lo_washdir[EN], mx = pln.max_washdir[EN], hi = pln.hi_washdir[EN];
    if (ang > hi || ang < lo || !std::isfinite(ang))
        return 0.0f;
    if (ang == mx)
        return 1.0f;
    float f = ang < mx ? flight_lerp(lo, 0.0f, mx, 1.0f, ang) : flight_lerp(mx, 1.0f, hi, 0.0f, ang);
    return fltlim(f, 0.0f, 1.0f);
}

// Whole-degree sideslip of the sweep-normal speed, 0 for a NaN.
static int whole_beta(float beta)
{
    return std::isfinite(beta) ? (int)fltlim(beta, -360.0f, 360.0f) : 0;
}

static int in_downwash(int EN, int el)
{
    return pln.downwash[2][EN][el] || pln.downwash[3][EN][el] || pln.downwash[4][EN][el];
}

// Alpha changes that follow the flow computation: tilting elements follow
// the engine nacelles, a stabilator turns by its deflection, a flying
// stabiliser by the trim (nose-up trim lowers a tail's, raises a canard's).
static void incidence_changes(int EN, int L, int R, int el)
{
    if ((EN == 2 || EN == 3) && pln.tilt[EN][el]) {
        flt.alpha[L][el] += pln.vertcant[0];
        flt.alpha[R][el] += pln.vertcant[1];
    }
    if (EN != 4)
        return;
    if (pln.hstabtype == 1) {
        flt.alpha[L][el] -= flt.lhstbdef;
        flt.alpha[R][el] -= flt.rhstbdef;
    }
    if (pln.flying_stab) {
        float sign = pln.xarm[4][0] >= 0.0f ? -1.0f : 1.0f;
        flt.alpha[L][el] += flt.trim * sign;
        flt.alpha[R][el] += flt.trim * sign;
    }
}

// One element pair of a wing or stabiliser. Arms: x aft, y out along the
// half (taken positive on both), z up; rates in rad/s.
static void wing_element(int EN, int L, int R, int el, float VL, float VR, float dih, float x, float y,
                         float z, int washed)
{
    float a0 = pln.anginc[EN][el] + flt.Alpha;
    float aL = a0 + dih * flt.sinbeta, aR = a0 - dih * flt.sinbeta;
    flt.deldir[L][el] = -aL;
    flt.deldir[R][el] = -aR;
    float axL = VL * cosf(aL * con.degtorad) - z * flt.Qrad + y * flt.Rrad;
    float nmL = VL * sinf(aL * con.degtorad) + x * flt.Qrad - y * flt.Prad;
    float axR = VR * cosf(aR * con.degtorad) - z * flt.Qrad - y * flt.Rrad;
    float nmR = VR * sinf(aR * con.degtorad) + x * flt.Qrad + y * flt.Prad;
    if (washed) {
        // Each half flies in its own engine's wash, tilted with its thrust line.
        float dvL = flt.DVinc[0] * partialwash(flt.DVinc[0], EN, 0);
        float dvR = flt.DVinc[1] * partialwash(flt.DVinc[1], EN, 1);
        axL += dvL * pln.cos_vertcant[0];
        nmL -= dvL * pln.sin_vertcant[0];
        axR += dvR * pln.cos_vertcant[1];
        nmR -= dvR * pln.sin_vertcant[1];
    }
    // The downwash cast by the surfaces ahead in the previous step.
    float dw = in_downwash(EN, el) ? flt.downwash[EN] : 0.0f;
    finish_element(L, el, axL, nmL, dw);
    finish_element(R, el, axR, nmR, dw);
}

void initwinghstb(int EN, int L, int R, const float *xarm, const float *yarm, const float *zarm)
{
    if (EN < 2 || EN > 4 || L < 0 || L >= MAX_FLT_ROWS || R < 0 || R >= MAX_FLT_ROWS)
        return;
    int b = whole_beta(flt.Beta);
    float VL = fabsf(lcos[deg_index((float)(pln.sweepnow[EN] - b))] * flt.av);
    float VR = fabsf(lcos[deg_index((float)(pln.sweepnow[EN] + b))] * flt.av);
    set_row_air(L, VL);
    set_row_air(R, VR);
    // Dihedral as stored 0..359 (anhedral wrapped), used signed.
    int dih_deg = pln.dihed[EN] % 360;
    if (dih_deg < 0)
        dih_deg += 360;
    float dih = (float)(dih_deg > 180 ? dih_deg - 360 : dih_deg);
    int washed_surface = pln.foileq[0] != 0;
    int n = intlim(pln.els[EN], 0, MAX_ELS);
    for (int el = 0; el < n; el++) {
        wing_element(EN, L, R, el, VL, VR, dih, xarm[el], fabsf(yarm[el]), zarm[el],
                     washed_surface && pln.propwash[EN][el]);
        incidence_changes(EN, L, R, el);
    }
}

void initvst12(int EN, int FLTEN)
{
    if (EN < 5 || EN >= MAX_PARTS || FLTEN < 0 || FLTEN >= MAX_FLT_ROWS)
        return;
    float V = lcos[deg_index((float)pln.sweepnow[EN])] * flt.av;
    if (V < pln.vstabminv)
        V = pln.vstabminv;
    set_row_air(FLTEN, V);
    int n = intlim(pln.els[EN], 0, MAX_ELS);
    for (int el = 0; el < n; el++) {
        float x = pln.xarm[EN][el], y = pln.yarm[EN][el], z = pln.zarm[EN][el];
        float a0 = pln.anginc[EN][el] + flt.Beta;
        flt.deldir[FLTEN][el] = -a0;
        float side = V * sinf(a0 * con.degtorad) + x * flt.Rrad - z * flt.Prad;
        float axial = V * cosf(a0 * con.degtorad) - (y * flt.Rrad + z * flt.Qrad);
        if (pln.propwash[EN][el])
            axial += flt.DVinc[0];   // engine 1's wash, along the fin's chord
        finish_element(FLTEN, el, axial, side, 0.0f);
    }
}
