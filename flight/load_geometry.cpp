// Element geometry of the lifting parts, the finite-wing corrections of
// their airfoil tables, the propwash stream limits and the slat stretch:
// the aerodynamic side of turning an aircraft file into a flyable aircraft.
#include <cmath>

#include "flight/load_local.h"
#include "flight/flight.h"

// A part with both chords zero would have an infinite aspect ratio; this cap
// keeps every quotient after it finite (the part then carries no area).
constexpr float MAX_AR = 1000.0f;

static void report_rings(int p)
{
    const char *what = !pln.is_heli ? "The propeller " : p == 0 ? "The main rotor " : "The tail rotor ";
    load_printf("%s\n", what);
    load_printf("DISC AREA is broken down into rings for propwash distribution as follows:\n");
    for (int i = 0; i < pln.els[p]; i++)
        load_printf("   element number %d:   ring area=%.1f square feet.\n", i + 1,
                    pln.ringarea[p][i] * con.smtrtosf);
}

// Rings, disc and blade inertia of propeller or rotor p (0 or 1). The blade
// inertia takes each blade as a plank of mean chord, 15 % thick, of wood
// (300 kg/m^3 at 0.75 fill) with its mass at 0.7071 of the radius.
static void rotor_geometry(int p, float R, float cr, float ct)
{
    float n = pln.dblel[p];
    for (int i = 0; i < pln.els[p]; i++) {
        float r_in = i * R / n, r_out = (i + 1) * R / n;
        pln.ringarea[p][i] = con.pi * r_out * r_out - con.pi * r_in * r_in;
    }
    pln.discarea[p] = con.pi * R * R;
    float mean_chord = (cr + ct) * 0.5f;
    pln.miprop[p] = pln.numblades[p] * (R * mean_chord) * ((cr + ct) * 0.15f / 2.0f) * 0.75f * 300.0f *
                    sqr(0.7071f * R);
    pln.mi_engine = pln.pmax / 200000.0f * (pln.entype == 2 ? 3.0f : 1.0f);
    report_rings(p);
}

void part_geometry(int p)
{
    pln.Croot[p] = fltmax2(pln.Croot[p], 0.0f);   // a negative chord is no chord
    pln.Ctip[p] = fltmax2(pln.Ctip[p], 0.0f);
    float R = pln.semiB[p], cr = pln.Croot[p], ct = pln.Ctip[p];
    if (!(R > 0.01f))
        return;
    float mean_chord = (cr + ct) / 2.0f;
    pln.AR[p] = mean_chord * MAX_AR > 2.0f * R ? 2.0f * R / mean_chord : MAX_AR;
    int n = pln.els[p];
    for (int i = 0; i < n; i++) {
        float c1 = interp(0.0f, cr, (float)n, ct, (float)i);
        float c2 = interp(0.0f, cr, (float)n, ct, (float)(i + 1));
        pln.s[p][i] = (c1 + c2) * 0.5f * R / n;
        pln.mac[p][i] = c1 + c2 > LOAD_TINY ? ((c1 + c2) - c1 * c2 / (c1 + c2)) * 2.0f / 3.0f : 0.0f;
    }
    // Parts 0 and 1 exist by the engines (a jet keeps no propellers, a single
    // engine no second one), so only the ones that will turn are reported.
    if (p <= 1 && pln.foileq[p])
        rotor_geometry(p, R, cr, ct);
}

void set_control_effectiveness()
{
    set_con_eff(pln.ailn_crat, pln.clailn, pln.cdailn, pln.cmailn, 13);
    set_con_eff(pln.splr_crat, pln.clsplr, pln.cdsplr, pln.cmsplr, 14);
    set_con_eff(pln.sbrk_crat, pln.clsbrk, pln.cdsbrk, pln.cmsbrk, 15);
    set_con_eff(pln.drud_crat, pln.cldrud, pln.cddrud, pln.cmdrud, 16);
    set_con_eff(pln.elev_crat, pln.clelev, pln.cdelev, pln.cmelev, 17);
    set_con_eff(pln.rudd_crat, pln.clrudd, pln.cdrudd, pln.cmrudd, 18);
}

// Oswald efficiency of two stacked wings: Prandtl's biplane result
// e = 2 mu^2 / (1 + 2 sigma mu + mu^2) with span ratio mu and his
// interference factor sigma, here a quartic fit of sigma against the
// gap-to-span ratio r.
static float biplane_e()
{
    float r = fabsf(pln.zarm[2][MAX_ELS] - pln.zarm[3][MAX_ELS]) / (pln.semiB[2] + pln.semiB[3]);
    float sigma = 0.9962f - 4.896f * r + 17.98f * r * r - 37.8f * r * r * r + 31.0f * r * r * r * r;
    float mu = pln.semiB[2] / pln.semiB[3];
    if (mu > 1.0f)
        mu = 1.0f / mu;
    return safe_div(2.0f * mu * mu, 1.0f + 2.0f * sigma * mu + mu * mu, 1.0f);
}

// Oswald efficiency by aspect ratio and sweep: Raymer's empirical estimates
// for straight and swept wings (Aircraft Design: A Conceptual Approach,
// the Oswald span-efficiency equations of the drag chapter), blended
// linearly up to 30 degrees of sweep. The cosine
// is held at 0 or above: at 90 degrees the float cosine can come out a hair
// below zero, and its 0.15th power would be a NaN.
static float monoplane_e(int p)
{
    float sweep = fabsf(wrap180((float)pln.sweep1[p]));
    float sweep_c = fltlim(sweep, 30.0f, 90.0f);
    float ar_term = 1.0f - 0.045f * powf(fltmax2(pln.AR[p], 0.0f), 0.68f);
    float e_straight = 1.78f * ar_term - 0.64f;
    float e_swept = 4.61f * ar_term * powf(fltmax2(cosf(sweep_c * con.degtorad), 0.0f), 0.15f) - 3.1f;
    if (sweep >= 30.0f)
        return e_swept;
    return interp(0.0f, e_straight, 30.0f, e_swept, sweep);
}

float oswald_e(int p, int *biplane)
{
    *biplane = (p == 2 || p == 3) && pln.foileq[2] && pln.foileq[3] &&
               fabsf(pln.zarm[2][MAX_ELS] - pln.zarm[3][MAX_ELS]) > fabsf(pln.xarm[2][MAX_ELS] - pln.xarm[3][MAX_ELS]);
    float e = *biplane ? biplane_e() : monoplane_e(p);
    return std::isfinite(e) ? fltlim(e, 0.5f, 1.0f) : 1.0f;
}

static void load_part_airfoils(int p)
{
    grabafoil(pln.Rafl0[p], p, 0, 0);
    if (pln.diffRe[p]) {
        grabafoil(pln.Rafl1[p], p, 1, 0);
        checkRediff(pln.Rafl0[p], pln.Rafl1[p], p, 0);
    }
    if (pln.diffRT[p])
        grabafoil(pln.Tafl0[p], p, 0, 1);
    if (pln.diffRT[p] && pln.diffRe[p]) {
        grabafoil(pln.Tafl1[p], p, 1, 1);
        checkRediff(pln.Tafl0[p], pln.Tafl1[p], p, 1);
    }
}

// Scales every table loaded for part p: lift by fl, moment by fm.
static void scale_tables(int p, float fl, float fm)
{
    for (int r = 0; r <= (pln.diffRe[p] ? 1 : 0); r++)
        for (int t = 0; t <= (pln.diffRT[p] ? 1 : 0); t++) {
            for (int k = 0; k < N_CL_SLOTS; k++) {
                afl.clpos[p][r][t][k] *= fl;
                afl.clneg[p][r][t][k] *= fl;
            }
            afl.clM[p][r][t] *= fl;
            afl.clB[p][r][t] *= fl;
            afl.cm1[p][r][t] *= fm;
            afl.cm2[p][r][t] *= fm;
            afl.cm3[p][r][t] *= fm;
            afl.cm4[p][r][t] *= fm;
        }
}

static const char *const PART_REPORT_NAME[2][MAX_PARTS] = {
    {"Left Propellor ", "Right Propellor", "Wing #1               ", "Wing #2               ",
     "Horizontal Stab/Canard", "Vertical Stabilizer #1", "Vertical Stabilizer #2"},
    {"Main Rotor", "Tail Rotor", "Wing #1               ", "Wing #2               ",
     "Horizontal Stab/Canard", "Vertical Stabilizer #1", "Vertical Stabilizer #2"},
};

static void report_finite(int p, int biplane, float k, float fl, float fm)
{
    load_printf("%s\n", PART_REPORT_NAME[pln.is_heli ? 1 : 0][p]);
    load_printf("%s%.2f\n",
                biplane ? "   Oswalds efficiency factor based on biplane gap and span is "
                        : "   Oswalds efficiency factor based on AR and sweep is ",
                pln.e[p]);
    load_printf("   Thoretical lift-slope reduction is to %.1f%% of the 2-D value.\n", 100.0f * k);
    load_printf("   We will accomplish this by:\n");
    load_printf("      using coefficient data at an angle of attack that is %.1f%% of actual,\n",
                100.0f * pln.finite_fact[p]);
    load_printf("      and reducing airfoil lift coefficients to %.1f%% of their 2-D value.\n", 100.0f * fl);
    load_printf("   Based on AR and sweep, cm change is to %.1f%%\n\n", 100.0f * fm);
}

// Finite-span factors of part p. The lift slope of a finite wing is
// k = 1 / (2 pi / (pi e AR) + 1) of the section's (lifting-line theory with
// a section slope of 2 pi), written here as PIeAR / (2 pi + PIeAR) so no
// aspect ratio divides by zero; the alpha and lift shares of that reduction
// are 0.68 and 0.32. The moment factor AR cos^2 / (AR + 2 cos) is the
// finite-wing zero-lift moment correction of the USAF stability and
// control handbook.
static void finite_wing(int p)
{
    int biplane;
    pln.e[p] = oswald_e(p, &biplane);
    pln.PIeAR[p] = con.pi * pln.e[p] * pln.AR[p];
    float k = pln.PIeAR[p] / (2.0f * con.pi + pln.PIeAR[p]);
    float fl = 1.0f - 0.32f * (1.0f - k);
    pln.finite_fact[p] = 1.0f - 0.68f * (1.0f - k);
    // A surface swept past 90 degrees takes the cosine's size, so the
    // denominator cannot pass through zero.
    float c = fabsf(lcos[deg_index((float)pln.sweep1[p])]);
    float fm = safe_div(pln.AR[p] * c * c, 2.0f * c + pln.AR[p], 1.0f);
    scale_tables(p, fl, fm);
    pln.alphamax[p] = pln.alphamax[p] / pln.finite_fact[p];
    report_finite(p, biplane, k, fl, fm);
}

void finish_readin()
{
    for (int p = 0; p < MAX_PARTS; p++) {
        if (!pln.foileq[p])
            continue;
        load_part_airfoils(p);
        finite_wing(p);
    }
}

static const char *const WASH_HEADING[3] = {
    "For propwash on WING ONE: ", "For propwash on WING TWO: ",
    "For propwash on HORIZONTAL STABILIZER or CANARD: "};

void propwash_angles()
{
    if (!pln.foileq[0])
        return;
    float R0 = pln.semiB[0];
    for (int p = 2; p <= 4; p++) {
        if (!pln.foileq[p] || !any_element(pln.propwash[p], p))
            continue;
        float dx = pln.xarm[p][0] - pln.xarm[0][MAX_ELS];
        float dz = pln.zarm[p][0] - pln.zarm[0][MAX_ELS];
        pln.max_washdir[p] = atan2f(dz, dx) * con.radtodeg;
        pln.hi_washdir[p] = atan2f(dz + R0, dx) * con.radtodeg;
        pln.lo_washdir[p] = atan2f(dz - R0, dx) * con.radtodeg;
        load_printf("%s\n", WASH_HEADING[p - 2]);
        load_printf("There will be no   propwash if the propwash stream angle is above %.2f degrees.\n",
                    pln.hi_washdir[p]);
        load_printf("There will be full propwash if the propwash stream angle is       %.2f degrees.\n",
                    pln.max_washdir[p]);
        load_printf("There will be no   propwash if the propwash stream angle is below %.2f degrees.\n",
                    pln.lo_washdir[p]);
        load_printf("The computer will interpolate automatically between these numbers based on prop stream angle.\n\n");
    }
}

static const char *const SLAT_HEADING[3] = {"\nFor wing #1:\n", "\nFor wing #2:\n", "\nFor horizontal stab:\n"};

void slat_effects()
{
    for (int p = 0; p < MAX_PARTS; p++)
        pln.slat_effect[p] = 1.0f;
    for (int p = 2; p <= 4; p++) {
        if (!pln.foileq[p] || !any_element(pln.slat[p], p))
            continue;
        pln.slat_effect[p] = safe_div(pln.alphamax[p] + pln.slat_inc, pln.alphamax[p], 1.0f);
        load_printf("%s", SLAT_HEADING[p - 2]);
        load_printf("Full slat deployment will cause coefficient data to spread out alpha-wise by %.1f%%\n",
                    (pln.slat_effect[p] - 1.0f) * 100.0f);
        load_printf("Full slat deployment will also increase the lift coefficient by the same percentage.\n");
    }
}
