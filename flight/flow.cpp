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
    float m = atm.a > 1.0f ? v / atm.a : 0.0f;
    return std::isfinite(m) ? m : 0.0f;
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
// A broken aircraft state (a NaN speed or angle from upstream) leaves the
// element in still air rather than spreading into every force.
static void finish_element(int row, int el, float axial, float normal, float wash)
{
    if (!(std::isfinite(axial) && std::isfinite(normal)))
        axial = normal = 0.0f;
    float alpha = atan2f(normal, axial) * con.radtodeg + (std::isfinite(wash) ? wash : 0.0f);
    flt.v_el[row][el] = sqrtf(axial * axial + normal * normal);
    if (!std::isfinite(flt.deldir[row][el]))
        flt.deldir[row][el] = 0.0f;
    flt.deldir[row][el] += alpha;
    int k = flight_round_deg(flt.deldir[row][el]);
    flt.sindeldir[row][el] = lsin[k];
    flt.cosdeldir[row][el] = lcos[k];
    flt.alpha[row][el] = alpha + flt.induced_alpha[row][el];
}

// The share rises from 0 at lo_washdir to 1 at max_washdir and falls back to
// 0 at hi_washdir.
static float wash_share(float ang, int EN)
{
    float lo = pln.lo_washdir[EN], mx = pln.max_washdir[EN], hi = pln.hi_washdir[EN];
    if (ang > hi || ang < lo || !std::isfinite(ang))
        return 0.0f;
    if (ang == mx)
        return 1.0f;
    float f = ang < mx ? flight_lerp(lo, 0.0f, mx, 1.0f, ang) : flight_lerp(mx, 1.0f, hi, 0.0f, ang);
    return fltlim(f, 0.0f, 1.0f);
}

float partialwash(float dvinc, int EN, int sideindex)
{
    EN = flight_part(EN);
    int s = sideindex ? 1 : 0;
    if (!(dvinc > 0.0f))
        dvinc = 0.0f;
    float ang = atan2f(flt.av * flt.sinalph - pln.sin_vertcant[s] * dvinc,
                       pln.cos_vertcant[s] * dvinc + flt.av * flt.cosalph) * con.radtodeg;
    float f = wash_share(ang, EN);
    if (set.cycout) {
        cyc_printf("   propwash stream angle=%.2f deg\n", ang);
        cyc_printf("   propwash acting on %s surface is %.1f%% of total due to propwash stream location\n",
                   s ? "right" : "left ", f * 100.0f);
    }
    return f;
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
        if (set.cycout)
            cyc_printf("   alpha increment due wing piv=%.2f left, %.2f right\n", pln.vertcant[0], pln.vertcant[1]);
    }
    if (EN != 4)
        return;
    if (pln.hstabtype == 1) {
        flt.alpha[L][el] -= flt.lhstbdef;
        flt.alpha[R][el] -= flt.rhstbdef;
        if (set.cycout)
            cyc_printf("   alpha increment due hstab def=%.2f left, %.2f right\n", -flt.lhstbdef, -flt.rhstbdef);
    }
    if (pln.flying_stab) {
        float sign = pln.xarm[4][0] >= 0.0f ? -1.0f : 1.0f;
        flt.alpha[L][el] += flt.trim * sign;
        flt.alpha[R][el] += flt.trim * sign;
        if (set.cycout)
            cyc_printf("   alpha increment due hstab trim=%.2f\n", flt.trim * sign);
    }
}

static void report_vector(const char *side, const char *when, float axial, float normal)
{
    cyc_printf("   vector form, %s %s: V=%.1f kt axial, pos aft, %.1f kt normal, pos up.\n", side, when,
               axial * con.msctokts, normal * con.msctokts);
}

// One half's flow before the propwash: its geometric alpha and speed, and
// the velocity before and after the body rates.
static void report_half_start(int right, float a_geo, float V, float axial, float normal)
{
    const char *side = right ? "right" : "left ";
    cyc_printf("   %s side before rotational velocities: alpha=%.2f deg, V=%.1f kt. (after incidence & dihedral)\n",
               side, a_geo, V * con.msctokts);
    report_vector(right ? "right," : "left, ", "BEFORE aircraft rotational velocities", V * cosf(a_geo * con.degtorad),
                  V * sinf(a_geo * con.degtorad));
    report_vector(right ? "right," : "left, ", "AFTER  aircraft rotational velocities", axial, normal);
}

static void report_half_end(int right, int row, int el, float wash)
{
    const char *side = right ? "right" : "left ";
    cyc_printf("   alpha increment due downwash=%.2f deg\n", wash);
    cyc_printf("   %s side is therefore at an alpha of=%.2f deg\n", side,
               flt.alpha[row][el] - flt.induced_alpha[row][el]);
    cyc_printf("   %s change in infinite flow dir due to rotation rates, propwash, and downwash is %.2f deg\n", side,
               flt.deldir[row][el]);
    cyc_printf("   effective alpha increased on %s by %.2f degrees by lift-incrementation devices.\n",
               right ? "RIGHT" : "LEFT ", flt.induced_alpha[row][el]);
}

// The wash of engine `side` on one half, tilted with its thrust line.
static void add_propwash(int EN, int side, float &axial, float &normal)
{
    float dv = flt.DVinc[side] * partialwash(flt.DVinc[side], EN, side);
    axial += dv * pln.cos_vertcant[side];
    normal -= dv * pln.sin_vertcant[side];
    if (set.cycout) {
        cyc_printf("   speed increment due propwash on %s=%.1f kt\n", side ? "right" : "left ", dv * con.msctokts);
        report_vector(side ? "right" : "left ", "AFTER  propwash", axial, normal);
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
    if (set.cycout) {
        cyc_printf("\nELEMENT #%d\n", el + 1);
        report_half_start(0, aL, VL, axL, nmL);
        report_half_start(1, aR, VR, axR, nmR);
    }
    // Each half flies in its own engine's wash.
    if (washed) {
        add_propwash(EN, 0, axL, nmL);
        add_propwash(EN, 1, axR, nmR);
    }
    // The downwash cast by the surfaces ahead in the previous step.
    float dw = in_downwash(EN, el) ? flt.downwash[EN] : 0.0f;
    finish_element(L, el, axL, nmL, dw);
    finish_element(R, el, axR, nmR, dw);
    if (set.cycout) {
        report_half_end(0, L, el, dw);
        report_half_end(1, R, el, dw);
    }
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
    if (set.cycout)
        cyc_printf("\n%s\n", EN == 2 ? "WING ONE" : (EN == 3 ? "WING TWO" : "HSTB"));
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
        if (set.cycout) {
            cyc_printf("   FINALLY, left  side is at an alpha of=%.2f deg\n", flt.alpha[L][el]);
            cyc_printf("   FINALLY, right side is at an alpha of=%.2f deg\n", flt.alpha[R][el]);
        }
    }
}

static void report_fin(int el, float V, float a0, float wash_dv, float axial, float side)
{
    cyc_printf("\nELEMENT #%d\n", el + 1);
    cyc_printf("   before aircraft rotational velocities, speed=%.1f kt, alpha=%.2f deg, positive causing lift to right.\n",
               V * con.msctokts, a0);
    cyc_printf("   using vector math, axial speed=%.1f kt, normal speed=%.1f kt\n",
               V * cosf(a0 * con.degtorad) * con.msctokts, V * sinf(a0 * con.degtorad) * con.msctokts);
    if (wash_dv != 0.0f)
        cyc_printf("   axial speed increment due propwash=%.1f kt\n", wash_dv * con.msctokts);
    cyc_printf("   after aircraft rotational velocities, axial speed=%.1f kt, normal speed=%.1f kt\n",
               axial * con.msctokts, side * con.msctokts);
}

static void report_fin_end(int row, int el)
{
    cyc_printf("   change in infinite flow dir due to rotational velocities and propwash=%.2f deg\n",
               flt.deldir[row][el]);
    cyc_printf("   effective alpha on increased by %.2f degrees by rudder.\n", flt.induced_alpha[row][el]);
    cyc_printf("   FINALLY, speed=%.1f kt, alpha=%.2f deg\n", flt.v_el[row][el] * con.msctokts, flt.alpha[row][el]);
}

void initvst12(int EN, int FLTEN)
{
    if (EN < 5 || EN >= MAX_PARTS || FLTEN < 0 || FLTEN >= MAX_FLT_ROWS)
        return;
    float V = lcos[deg_index((float)pln.sweepnow[EN])] * flt.av;
    if (V < pln.vstabminv)
        V = pln.vstabminv;
    set_row_air(FLTEN, V);
    if (set.cycout)
        cyc_printf("\n%s\n", !(pln.foileq[5] && pln.foileq[6]) ? "VERT STAB"
                                                                  : (EN == 5 ? "VERT STAB NUMBER 1" : "VERT STAB NUMBER 2"));
    int n = intlim(pln.els[EN], 0, MAX_ELS);
    for (int el = 0; el < n; el++) {
        float x = pln.xarm[EN][el], y = pln.yarm[EN][el], z = pln.zarm[EN][el];
        float a0 = pln.anginc[EN][el] + flt.Beta;
        flt.deldir[FLTEN][el] = -a0;
        float side = V * sinf(a0 * con.degtorad) + x * flt.Rrad - z * flt.Prad;
        // Engine 1's wash, along the fin's chord.
        float wash_dv = pln.propwash[EN][el] ? flt.DVinc[0] : 0.0f;
        float axial = V * cosf(a0 * con.degtorad) - (y * flt.Rrad + z * flt.Qrad) + wash_dv;
        if (set.cycout)
            report_fin(el, V, a0, wash_dv, axial, side);
        finish_element(FLTEN, el, axial, side, 0.0f);
        if (set.cycout)
            report_fin_end(FLTEN, el);
    }
}
