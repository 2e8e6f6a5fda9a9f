// Lift, drag and moment of every wing, stabiliser and fin element: the
// control and flap increments, the airfoil lookup at the element's
// Reynolds number, the finite-wing and compressibility corrections, the
// turn into flight-path axes, and the downwash each surface casts for the
// next step. Also the fuselage's own forces.
#include <cmath>

#include "flight/local.h"

// Coefficients of one element as they are built up.
struct Coeffs {
    float cl, cd, cm;
};

// A per-degree control increment: lift against the deflection, with its
// loss of effect; drag by |def| (aileron, elevator, rudder) or def.
static void control_inc(Coeffs &c, float def, float cl, float cd, float cm, int EN, int signed_drag,
                        int induces, int FLTEN, int el, const char *name)
{
    float concl = -cl * def * effrat(def, EN);
    float concd = signed_drag ? def * cd : fabsf(def) * cd;
    float concm = cm * def;
    c.cl += concl;
    c.cd += concd;
    c.cm += concm;
    if (induces)
        flt.induced_alpha[FLTEN][el] += induce_alpha(concl, pln.AR[EN]);
    if (set.cycout)
        cyc_printf("%s COEFF INC: cl incmntd by %.4f, cd incmntd by %.4f, cm incmntd by %.4f\n", name, concl,
                   concd, concm);
}

// Wing devices of one half (right 0/1) of wing EN at element el.
static void wing_increments(Coeffs &c, int EN, int right, int FLTEN, int el)
{
    if (pln.ailn[EN][el])
        control_inc(c, right ? flt.railndef : flt.lailndef, pln.clailn, pln.cdailn, pln.cmailn, EN, 0, 1, FLTEN,
                    el, "AILERON     ");
    if (pln.splr[EN][el])
        control_inc(c, right ? flt.rsplrdef : flt.lsplrdef, pln.clsplr, pln.cdsplr, pln.cmsplr, EN, 1, 0, FLTEN,
                    el, "ROLL SPOILER");
    if (pln.sbrk[EN][el] && flt.sbrk > 0)
        control_inc(c, flt.sbrk * 0.5f * pln.sbrk_def, pln.clsbrk, pln.cdsbrk, pln.cmsbrk, EN, 1, 0, FLTEN, el,
                    "SPEEDBRAKE  ");
    if (pln.drud[EN][el])
        control_inc(c, right ? flt.rdruddef : flt.ldruddef, pln.cldrud, pln.cddrud, pln.cmdrud, EN, 1, 1, FLTEN,
                    el, "DRAG-RUDDER ");
}

static void flap_increment(Coeffs &c, int EN, int FLTEN, int el)
{
    if (!pln.flap[EN][el] || flt.flap <= 0)
        return;
    int f = intlim(flt.flap, 0, N_FLAP_ROWS - 1);
    c.cl += pln.clflap[f];
    c.cd += pln.cdflap[f];
    c.cm += pln.cmflap[f];
    flt.induced_alpha[FLTEN][el] += induce_alpha(pln.clflap[f], pln.AR[EN]);
    if (set.cycout)
        cyc_printf("FLAP         COEFF INC: cl incmntd by %.4f, cd incmntd by %.4f, cm incmntd by %.4f (def=%.2f, 1=full deployment)\n",
                   pln.clflap[f], pln.cdflap[f], pln.cmflap[f], f / 50.0f);
}

// Airfoil, corrections and the turn into flight-path axes; returns the
// element's dynamic pressure times area (N per unit coefficient).
static float element_coeffs(Coeffs &c, int EN, int FLTEN, int el)
{
    float v = flt.v_el[FLTEN][el], rho = flt.rho[FLTEN];
    float svvrhoD2 = 0.5f * rho * pln.s[EN][el] * v * v;
    float Re = FRe(rho, v, pln.mac[EN][el]);
    float cl, cd, cm;
    Fco(flt.alpha[FLTEN][el], cl, cd, cm, EN, Re, el);
    c.cl += cl;
    c.cd += cd;
    c.cm += cm;
    finitecompressible(EN, c.cl, c.cd, c.cm, flt.machno[FLTEN], flt.machfac[FLTEN]);
    washawing(c.cl, c.cd, FLTEN, el);
    return std::isfinite(svvrhoD2) ? svvrhoD2 : 0.0f;
}

// The stalled wake of a surface flaps the downwash it casts.
static float stall_flutter(int EN)
{
    float s = fabsf(sinf(2.0f * msc.tottime));
    return pln.strp[EN] ? s : 0.5f + 0.5f * s;
}

float root_height_agl(int p)
{
    return pln.zarm[p][MAX_ELS] * flt.costhe + flt.h - pln.xarm[p][MAX_ELS] * flt.sinthe - env.localh;
}

// Near the ground the downwash a surface casts is weaker: the washer's
// trailing vortex pair (pi/4 of its span apart, elliptic loading) has a
// mirror image under the ground turning the other way, whose upwash on the
// washee's centre line takes away the share (s^2 + dz^2) / (s^2 + hz^2) of
// the free-air downwash; s is the vortex semispan, dz the height between
// washer and washee, hz the sum of their heights (the image method of
// ground-effect theory, far-field form: within 0.04 of a full horseshoe
// vortex and its image at the trainer's geometry). It lowers the tail's
// download on the take-off run, and with it the nose-up moment.
float downwash_ground_share(int W, int E)
{
    if (W < 2 || W > 4 || E < 2 || E > 4)
        return 1.0f;
    float s = 0.785398f * pln.semiB[W];
    float hw = fltmax2(root_height_agl(W), 0.0f), he = fltmax2(root_height_agl(E), 0.0f);
    float near = s * s + sqr(hw - he), far = s * s + sqr(hw + he);
    float share = far > 1e-6f ? 1.0f - near / far : 1.0f;
    return std::isfinite(share) ? fltlim(share, 0.0f, 1.0f) : 1.0f;
}

static void cast_downwash(int EN, float cl)
{
    float wash = pln.specwash[EN] * cl;
    if (flt.stalled[EN])
        wash *= stall_flutter(EN);
    if (!std::isfinite(wash))
        return;
    for (int E = 2; E <= 4; E++)
        if (pln.downwash[EN][E][0])
            flt.downwash[E] -= wash * downwash_ground_share(EN, E);
}

static const char *half_name(int EN)
{
    if (EN == 4)
        return pln.hstabtype == 1 ? "STABILATOR" : "STABILIZER";
    return EN == 2 ? "  WING ONE" : "  WING TWO";
}

// One element of one half of wing or stabiliser EN; the lift of each half
// tilts inboard by the dihedral.
static void wing_element(int EN, int right, int el)
{
    int FLTEN = 2 * (EN - 2) + right;
    Coeffs c = {0.0f, 0.0f, 0.0f};
    flt.induced_alpha[FLTEN][el] = 0.0f;
    if (set.cycout)
        cyc_printf("\n%s %s ELEMENT #%d\n", right ? "RIGHT" : "LEFT", half_name(EN), el + 1);
    if (EN != 4)
        wing_increments(c, EN, right, FLTEN, el);
    else if (pln.hstabtype == 0 && pln.elev[EN][el])
        control_inc(c, right ? flt.rhstbdef : flt.lhstbdef, pln.clelev, pln.cdelev, pln.cmelev, EN, 0, 1, FLTEN,
                    el, "ELEVATOR    ");
    flap_increment(c, EN, FLTEN, el);
    float q = element_coeffs(c, EN, FLTEN, el);
    float lift = c.cl * q, drag = c.cd * q, moment = pln.mac[EN][el] * c.cm * q;
    int d = deg_index((float)pln.dihed[EN]);
    float y = fabsf(pln.yarm[EN][el]);
    if (right)
        addFaero(-drag, -lsin[d] * lift, lcos[d] * lift, pln.xarm[EN][el], y, pln.zarm[EN][el]);
    else
        addFaero(-drag, lsin[d] * lift, lcos[d] * lift, pln.xarm[EN][el], -y, pln.zarm[EN][el]);
    flt.M += std::isfinite(moment) ? moment : 0.0f;
    if (set.cycout)
        cyc_printf("alpha=%.2f deg, lift=%.1f lb, drag=%.1f lb, moment=%.1f ft-lb\n", flt.alpha[FLTEN][el],
                   lift * con.ntntolbs, drag * con.ntntolbs, moment * con.nmtoftlb);
    if (!right && el == 0)
        cast_downwash(EN, c.cl);
}

static void fin_element(int EN, int el)
{
    int FLTEN = EN + 1;
    Coeffs c = {0.0f, 0.0f, 0.0f};
    float v = flt.v_el[FLTEN][el], rho = flt.rho[FLTEN];
    float q = 0.5f * rho * pln.s[EN][el] * v * v;
    Fco(flt.alpha[FLTEN][el], c.cl, c.cd, c.cm, EN, FRe(rho, v, pln.mac[EN][el]), el);
    flt.induced_alpha[FLTEN][el] = 0.0f;
    if (set.cycout)
        cyc_printf("\nVERTICAL STABILIZER NUMBER %d ELEMENT #%d\n", EN - 4, el + 1);
    if (pln.rudd[EN][el])
        control_inc(c, flt.ruddef, pln.clrudd, pln.cdrudd, pln.cmrudd, EN, 0, 1, FLTEN, el, "RUDDER            ");
    finitecompressible(EN, c.cl, c.cd, c.cm, flt.machno[FLTEN], flt.machfac[FLTEN]);
    washawing(c.cl, c.cd, FLTEN, el);
    if (!std::isfinite(q))
        q = 0.0f;
    addFaero(-c.cd * q, c.cl * q, 0.0f, pln.xarm[EN][el], pln.yarm[EN][el], pln.zarm[EN][el]);
    float n = pln.mac[EN][el] * c.cm * q;
    flt.N += std::isfinite(n) ? n : 0.0f;
}

void surface_forces()
{
    for (int EN = 2; EN <= 4; EN++)
        if (pln.foileq[EN])
            initwinghstb(EN, 2 * (EN - 2), 2 * (EN - 2) + 1, pln.xarm[EN], pln.yarm[EN], pln.zarm[EN]);
    for (int EN = 5; EN <= 6; EN++)
        if (pln.foileq[EN])
            initvst12(EN, EN + 1);
    for (int EN = 2; EN < MAX_PARTS; EN++)
        flt.stalled[EN] = 0;
    for (int EN = 2; EN <= 4; EN++)
        flt.downwash[EN] = 0.0f;
    for (int EN = 2; EN <= 4; EN++) {
        int n = pln.foileq[EN] ? intlim(pln.els[EN], 0, MAX_ELS) : 0;
        for (int right = 0; right <= 1; right++)
            for (int el = 0; el < n; el++)
                wing_element(EN, right, el);
    }
    for (int EN = 5; EN <= 6; EN++) {
        int n = pln.foileq[EN] ? intlim(pln.els[EN], 0, MAX_ELS) : 0;
        for (int el = 0; el < n; el++)
            fin_element(EN, el);
    }
}

// Above Mach 0.95 the fuselage's wave drag rises with the square of the
// excess (0.1 more at Mach 1.15).
constexpr float FUSE_WAVE_MACH = 0.95f;
constexpr float FUSE_WAVE_GAIN = 2.5f;
constexpr float FUSE_ANGLE_LIMIT_DEG = 15.0f;   // fuselage lift stops growing

void fuselage_forces()
{
    float Vf = flt.av + (pln.fusewash ? flt.DVinc[0] : 0.0f);
    float q = 0.5f * flt.rho[FLT_ROW_FUSE] * Vf * Vf * pln.sfuse;
    if (!std::isfinite(q))
        q = 0.0f;
    float cdf = pln.cdfuse;
    float mach = flt.machno[FLT_ROW_FUSE];
    if (mach > FUSE_WAVE_MACH)
        cdf += FUSE_WAVE_GAIN * sqr(mach - FUSE_WAVE_MACH);
    float a = fltlim(flt.Alpha, -FUSE_ANGLE_LIMIT_DEG, FUSE_ANGLE_LIMIT_DEG);
    float b = fltlim(flt.Beta, -FUSE_ANGLE_LIMIT_DEG, FUSE_ANGLE_LIMIT_DEG);
    float drag = cdf * q, lift = pln.clfusealph * a * q, side = pln.clfusebeta * b * q;
    if (set.cycout) {
        cyc_printf("cd for fuse              =%.4f\nfuse frontal area        =%.2f sq ft\n", cdf,
                   pln.sfuse * con.smtrtosf);
        cyc_printf("fuse speed               =%.1f kt\nfuse speed after propwash=%.1f kt\n",
                   flt.av * con.msctokts, Vf * con.msctokts);
        cyc_printf("air density for fuse     =%.6f slug/cubic ft\nfuselage drag            =%.1f lb\n\n",
                   flt.rho[FLT_ROW_FUSE] * con.medtoend, drag * con.ntntolbs);
        cyc_printf("cl fuse per deg alpha=%.5f alpha=%.2f sublift=%.1f\n", pln.clfusealph, a, lift * con.ntntolbs);
        cyc_printf("cs fuse per deg beta=%.5f Beta=%.2f subside=%.1f\n", pln.clfusebeta, b, side * con.ntntolbs);
    }
    addFaero(-drag, side, lift, pln.fusexcent, 0.0f, pln.fusezcent);
}
