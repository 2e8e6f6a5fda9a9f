// The force and moment build-up of one physics step: the accumulators and
// their moments about the centre of gravity, the order of the step (wire,
// propulsion, JATO, puffers, lifting surfaces, fuselage, contact, gear
// drag), the turn of the three force families into earth axes and the
// accelerations. Propulsion, surfaces and contact have their own files.
#include <cmath>

#include "flight/local.h"

int catapult_engaged() { return flt.cat_stage == CAT_HELD || flt.cat_stage == CAT_LAUNCH; }

void addFaero(float faxil_path, float fside_path, float fnrml_path, float x, float y, float z)
{
    flt.faxilaero += faxil_path;
    flt.fsideaero += fside_path;
    flt.fnrmlaero += fnrml_path;
    // Flight-path axes to body axes: through the sideslip, then the alpha.
    float sb = flt.sinbeta, cb = flt.cosbeta, sa = flt.sinalph, ca = flt.cosalph;
    float a1 = fside_path * sb + faxil_path * cb;
    float side = fside_path * cb - faxil_path * sb;
    float axial = fnrml_path * sa + a1 * ca;
    float normal = fnrml_path * ca - a1 * sa;
    flt.L -= normal * y - side * z;
    flt.M -= normal * x + axial * z;
    flt.N -= side * x + axial * y;
}

// The three kinds of force the body and heading accumulators take, each
// with its moment: along the axis (pitch and yaw), sideways (roll and yaw),
// normal (roll and pitch).
static void add_axial(float *acc, float f, float y, float z)
{
    *acc += f;
    flt.M -= f * z;
    flt.N -= f * y;
}

static void add_side(float *acc, float f, float x, float z)
{
    *acc += f;
    flt.L += f * z;
    flt.N -= f * x;
}

static void add_normal(float *acc, float f, float x, float y)
{
    *acc += f;
    flt.L -= f * y;
    flt.M -= f * x;
}

void addFaprop(float faxil, float y, float z) { add_axial(&flt.faxilprop, faxil, y, z); }
void addFsprop(float fside, float x, float z) { add_side(&flt.fsideprop, fside, x, z); }
void addFnprop(float fnrml, float x, float y) { add_normal(&flt.fnrmlprop, fnrml, x, y); }
void addFagear(float faxil, float y, float z) { add_axial(&flt.faxilgear, faxil, y, z); }
void addFsgear(float fside, float x, float z) { add_side(&flt.fsidegear, fside, x, z); }
void addFngear(float fnrml, float x, float y) { add_normal(&flt.fnrmlgear, fnrml, x, y); }

void earth_forces(float *f_east, float *f_north, float *f_up)
{
    float sp = flt.sinphi_path, cp = flt.cosphi_path;
    float sg = flt.sinavpath, cg = flt.cosavpath, sx = flt.sinahpath, cx = flt.cosahpath;
    float sf = flt.sinphi, cf = flt.cosphi, st = flt.sinthe, ct = flt.costhe;
    float ss = flt.sinpsi, cs = flt.cospsi;
    float n = flt.faxilgear * cs - flt.fsidegear * ss + (sp * sg * cx - cp * sx) * flt.fsideaero +
              cg * cx * flt.faxilaero - (cp * sg * cx + sp * sx) * flt.fnrmlaero +
              (sf * st * cs - cf * ss) * flt.fsideprop + ct * cs * flt.faxilprop -
              (cf * st * cs + sf * ss) * flt.fnrmlprop;
    float e = flt.fsidegear * cs + flt.faxilgear * ss + (sp * sg * sx + cp * cx) * flt.fsideaero +
              cg * sx * flt.faxilaero - (cp * sg * sx - sp * cx) * flt.fnrmlaero +
              (sf * st * ss + cf * cs) * flt.fsideprop + ct * ss * flt.faxilprop -
              (cf * st * ss - sf * cs) * flt.fnrmlprop;
    // The vertical aerodynamic terms take the pitch attitude, as the
    // heading-axis resolution above does for the others.
    float u = flt.fnrmlgear + flt.faxilaero * sg - flt.fsideaero * sp * ct + flt.fnrmlaero * cp * ct +
              flt.faxilprop * st - flt.fsideprop * sf * ct + flt.fnrmlprop * cf * ct;
    *f_east = e;
    *f_north = n;
    *f_up = u;
}

static void clear_accumulators()
{
    flt.L = flt.M = flt.N = 0.0f;
    flt.faxilprop = flt.fsideprop = flt.fnrmlprop = 0.0f;
    flt.faxilaero = flt.fsideaero = flt.fnrmlaero = 0.0f;
    flt.faxilgear = flt.fsidegear = flt.fnrmlgear = 0.0f;
}

static void report_forces(const char *when)
{
    cyc_printf("%s", when);
    cyc_printf("f_axial =%.1f lb, f_side  =%.1f lb, f_normal=%.1f lb (propulsive)\n",
               flt.faxilprop * con.ntntolbs, flt.fsideprop * con.ntntolbs, flt.fnrmlprop * con.ntntolbs);
    cyc_printf("f_axial =%.1f lb, f_side  =%.1f lb, f_normal=%.1f lb (aerodynamic)\n",
               flt.faxilaero * con.ntntolbs, flt.fsideaero * con.ntntolbs, flt.fnrmlaero * con.ntntolbs);
}

// JATO burns for its time, then switches itself off.
static void jato()
{
    if (!ins.jato_on)
        return;
    addFaprop(pln.jatothrust * pln.cosjato, 0.0f, pln.jatoz);
    addFnprop(pln.jatothrust * pln.sinjato, pln.jatox, 0.0f);
    flt.jatoleft -= msc.prd;
    if (flt.jatoleft < 0.0f)
        ins.jato_on = 0;
    if (set.cycout)
        report_forces("After JATO:\n");
}

static void puffers()
{
    if (!pln.puffEQ)
        return;
    flt.L += pln.puffL * set.CTroll;
    flt.M += pln.puffM * set.CTptch;
    flt.N += pln.puffN * set.CThdng;
    if (set.cycout)
        report_forces("After puffers:\n");
}

static void propulsion()
{
    if (!(atm.rho > 0.0f))
        return;
    if (pln.entype == 1 || pln.entype == 2)
        props();
    else if (pln.entype == 3)
        jets();
}

// Fixed gear drags more than retractable gear (open struts and wheels).
constexpr float CD_FIXED_GEAR = 0.1f;
constexpr float CD_RETRACT_GEAR = 0.3f;

static void gear_drag()
{
    if (!set.gear_handle || !pln.gearEQ)
        return;
    float cdg = pln.retractEQ ? CD_RETRACT_GEAR : CD_FIXED_GEAR;
    float drag = cdg * pln.sgear * flt.Qstatic;
    if (set.cycout)
        cyc_printf("\npre-gear-aerodynamics:\n\ngear:\ndrag=%.1f lb\n", drag * con.ntntolbs);
    addFaero(-drag, 0.0f, 0.0f, pln.mgearx, 0.0f, pln.mgearz);
    if (set.cycout)
        cyc_printf("\npost-gear-aerodynamics\n");
}

// A value that would carry a NaN or infinity into the state becomes 0.
static float finite_or_zero(float v) { return std::isfinite(v) ? v : 0.0f; }

static void accelerations()
{
    float fe, fn, fu;
    earth_forces(&fe, &fn, &fu);
    float k = 1.0f + fltmax2(msc.ice, 0.0f);   // ice adds its share of mass
    float m = fltmax2(flt.m_total, 1.0f) * k;   // a massless aircraft counts as 1 kg
    flt.ax = finite_or_zero(fe / m);
    flt.ay = finite_or_zero(fn / m);
    flt.az = finite_or_zero(fu / m) - atm.g;
    if (flt.cat_stage == CAT_HELD) {
        flt.vx = flt.vy = 0.0;
        flt.ax = flt.ay = 0.0f;
    } else if (flt.cat_stage == CAT_LAUNCH) {
        float a = sqr(CAT_SPEED_RATIO * msc.est_Vs) / (2.0f * CAT_RUN_M);
        flt.ax = lsin[deg_index(car.catang)] * a;
        flt.ay = lcos[deg_index(car.catang)] * a;
    }
    float mk = fltmax2(flt.m_total, 1.0f) * k * k;   // inertia grows with the square
    flt.Pdot = finite_or_zero(flt.L / (fltmax2(pln.Jxx_unitmass, 0.01f) * mk) * con.radtodeg);
    flt.Qdot = finite_or_zero(flt.M / (fltmax2(pln.Jyy_unitmass, 0.01f) * mk) * con.radtodeg);
    flt.Rdot = finite_or_zero(flt.N / (fltmax2(pln.Jzz_unitmass, 0.01f) * mk) * con.radtodeg);
}

static void report_totals()
{
    float fe, fn, fu;
    earth_forces(&fe, &fn, &fu);
    float lb = con.ntntolbs;
    cyc_printf("GRAND TOTALS AT END OF FORCE AND MOMENT BUILD-UP\n");
    cyc_printf("FINAL PROPULSIVE (ENGINE) FORCES, ALONG AIRCRAFT AXIS (pos forward/right/up)\n");
    cyc_printf("f_axial =%.1f lb\nf_side  =%.1f lb\nf_normal=%.1f lb\n", flt.faxilprop * lb,
               flt.fsideprop * lb, flt.fnrmlprop * lb);
    cyc_printf("FINAL AERODYNAMIC FORCES, ALONG FLIGHT PATH AXIS (pos forward/right/up)\n");
    cyc_printf("f_axial =%.1f lb\nf_side  =%.1f lb\nf_normal=%.1f lb\n", flt.faxilaero * lb,
               flt.fsideaero * lb, flt.fnrmlaero * lb);
    cyc_printf("FINAL GEAR FORCES, ALONG HEADING/VERTICAL AXIS (pos forward/right/up)\n");
    cyc_printf("f_axial   =%.1f lb\nf_side    =%.1f lb\nf_vertical=%.1f lb\n", flt.faxilgear * lb,
               flt.fsidegear * lb, flt.fnrmlgear * lb);
    cyc_printf("FINAL TOTAL FORCES, ALONG SURFACE AXIS\nf_north=%.1f lb\nf_east =%.1f lb\nf_up   =%.1f lb\n",
               fn * lb, fe * lb, fu * lb);
    cyc_printf("FINAL TOTAL FORCES, ALONG GLOBAL AXIS (pos north/east/up)\nf_x=%.1f lb\nf_y=%.1f lb\nf_z=%.1f lb\n",
               fe * lb, fn * lb, fu * lb);
    cyc_printf("FINAL TOTAL TOTAL MOMENTS, ABOUT AIRCRAFT AXIS (pos right/up/right)\n");
    cyc_printf("L (roll) =%.1f ft-lb\nM (pitch)=%.1f ft-lb\nN (yaw)  =%.1f ft-lb\n", flt.L * con.nmtoftlb,
               flt.M * con.nmtoftlb, flt.N * con.nmtoftlb);
}

// A wire stops the aircraft with five g along its heading; once the
// aircraft has stopped (or rolls back) it only holds it there.
constexpr float WIRE_DECEL_G = 5.0f;

static void arresting_wire()
{
    if (!flt.wired)
        return;
    float along = (float)(flt.vx * flt.sinpsi + flt.vy * flt.cospsi);   // m/s along the heading
    float pull = WIRE_DECEL_G * flt.m_total * con.g;
    // Never more than stops the aircraft within this step.
    if (msc.prd > 0.0f)
        pull = fltmin2(pull, flt.m_total * along / msc.prd);
    if (!(along > 0.0f))
        pull = 0.0f;
    addFagear(-pull, 0.0f, 0.2f * pln.mgearz);
}

void set_a()
{
    clear_accumulators();
    arresting_wire();
    propulsion();
    jato();
    puffers();
    surface_forces();
    fuselage_forces();
    ground_contact();
    gear_drag();
    accelerations();
    if (set.cycout)
        report_totals();
}
