// The body side of the aircraft load: every location moved to the centre of
// gravity, the fuselage's areas, centroid and the radii of gyration, the
// resting attitude on the gear or skids, the needle scalings and the
// estimated stall speed.
#include <cmath>

#include "flight/load_local.h"
#include "flight/flight.h"

static void shift(float *x, float *z)
{
    *x -= pln.cgx;
    *z -= pln.cgz;
}

void shift_to_cg()
{
    for (int p = 0; p < MAX_PARTS; p++)
        for (int k = 0; k < NARM; k++)
            if (p >= 2 || k == MAX_ELS)
                shift(&pln.xarm[p][k], &pln.zarm[p][k]);
    shift(&pln.pex, &pln.pez);
    shift(&pln.ngearx, &pln.ngearz);
    shift(&pln.mgearx, &pln.mgearz);
    shift(&pln.skidx, &pln.skidz);
    for (int k = 0; k < N_FLOATS; k++)
        shift(&pln.floatx[k], &pln.floatz[k]);
    for (int i = 0; i < N_FUSE_STATIONS; i++)
        for (int j = 0; j < N_FUSE_RADIALS; j++)
            shift(&pln.fuse_x[i][j], &pln.fuse_z[i][j]);
    shift(&pln.jatox, &pln.jatoz);
    for (int p = 2; p < MAX_PARTS; p++)
        if (!pln.foileq[p])
            pln.semiB[p] = 0.0f;
}

// Frontal area of fuselage station i: both halves, top to bottom.
static float station_area(int i)
{
    float a = 0.0f;
    for (int j = 1; j < N_FUSE_RADIALS; j++)
        a += (pln.fuse_z[i][j - 1] - pln.fuse_z[i][j]) * (pln.fuse_y[i][j] + pln.fuse_y[i][j - 1]) / 2.0f;
    return 2.0f * a;
}

// Frontal area, and the lift and side-force slopes from the top and side
// areas (0.01 per degree per unit of plan area over frontal area).
static void fuselage_areas()
{
    pln.sfuse = 0.0f;
    for (int i = 0; i < N_FUSE_STATIONS; i++)
        pln.sfuse = fltmax2(pln.sfuse, station_area(i));
    float side = 0.0f, top = 0.0f;
    for (int i = 0; i + 1 < N_FUSE_STATIONS; i++) {
        float dx = pln.fuse_x[i + 1][0] - pln.fuse_x[i][0];
        float h0 = pln.fuse_z[i][0] - pln.fuse_z[i][4], h1 = pln.fuse_z[i + 1][0] - pln.fuse_z[i + 1][4];
        side += (h0 + h1) / 2.0f * dx;
        top += (2.0f * pln.fuse_y[i][2] + 2.0f * pln.fuse_y[i + 1][2]) / 2.0f * dx;
    }
    pln.clfusealph = safe_div(top * 0.01f, pln.sfuse, 0.0f);
    pln.clfusebeta = safe_div(side * 0.01f, pln.sfuse, 0.0f);
}

struct Moments {
    double area, ax, az;        // all panels, for the centroid
    double weight, jxx, jyy, jzz;
};

static void add_mass(Moments &m, double w, float x, float y, float z)
{
    m.jxx += w * (y * y + z * z);
    m.jyy += w * (x * x + z * z);
    m.jzz += w * (x * x + y * y);
}

// One fuselage triangle, both sides of the skin, at the mean of its corners.
static void add_triangle(Moments &m, int f, const int (*pts)[2])
{
    float x[3], y[3], z[3];
    for (int c = 0; c < 3; c++) {
        x[c] = pln.fuse_x[pts[c][0]][pts[c][1]];
        y[c] = pln.fuse_y[pts[c][0]][pts[c][1]];
        z[c] = pln.fuse_z[pts[c][0]][pts[c][1]];
    }
    double a = 2.0 * findarea(x[0], y[0], z[0], x[1], y[1], z[1], x[2], y[2], z[2]);
    float cx = (x[0] + x[1] + x[2]) / 3.0f, cy = (y[0] + y[1] + y[2]) / 3.0f, cz = (z[0] + z[1] + z[2]) / 3.0f;
    m.area += a;
    m.ax += a * cx;
    m.az += a * cz;
    m.weight += a * f;
    add_mass(m, a * f, cx, cy, cz);
}

// Radii of gyration: the fuselage skin, then each element of parts 2..6 as a
// mass of 0.33 x its area (both halves of wings and stabiliser), all per
// unit of skin area. A helicopter's skin counts only its side panels.
static void fuselage_panels(Moments &m)
{
    for (int i = 0; i + 1 < N_FUSE_STATIONS; i++)
        for (int j = 0; j + 1 < N_FUSE_RADIALS; j++) {
            int f = !pln.is_heli || j == 2;
            const int t1[3][2] = {{i, j}, {i, j + 1}, {i + 1, j + 1}};
            const int t2[3][2] = {{i, j}, {i + 1, j}, {i + 1, j + 1}};
            add_triangle(m, f, t1);
            add_triangle(m, f, t2);
        }
}

// Least squared radius of gyration (m^2): a body with none would spin up
// without limit under any moment.
constexpr float MIN_J_UNITMASS = 0.01f;

void fuselage_quantities()
{
    fuselage_areas();
    Moments m{};
    fuselage_panels(m);
    pln.fusexcent = (float)(m.area > LOAD_TINY ? m.ax / m.area : 0.0);
    pln.fusezcent = (float)(m.area > LOAD_TINY ? m.az / m.area : 0.0);
    double element_weight = 0.0;
    for (int p = 2; p < MAX_PARTS; p++)
        for (int el = 0; pln.foileq[p] && el < pln.els[p]; el++) {
            double w = 0.33 * pln.s[p][el] * (p <= 4 ? 2.0 : 1.0);
            element_weight += w;
            add_mass(m, w, pln.xarm[p][el], pln.yarm[p][el], pln.zarm[p][el]);
        }
    // Without a fuselage the elements' own weight is the divisor.
    double per = m.weight > LOAD_TINY ? m.weight : element_weight > LOAD_TINY ? element_weight : 1.0;
    pln.Jxx_unitmass = (float)(m.jxx / per);
    pln.Jyy_unitmass = (float)(m.jyy / per);
    pln.Jzz_unitmass = (float)(m.jzz / per);
    if (pln.entype != 0) {
        float x = pln.xarm[0][0], y = pln.yarm[0][0], z = pln.zarm[0][0];
        pln.Jxx_unitmass += 0.15f * (y * y + z * z);
        pln.Jyy_unitmass += 0.15f * (x * x + z * z);
        pln.Jzz_unitmass += 0.15f * (x * x + y * y);
    }
    pln.Jxx_unitmass = fltmax2(pln.Jxx_unitmass, MIN_J_UNITMASS);
    pln.Jyy_unitmass = fltmax2(pln.Jyy_unitmass, MIN_J_UNITMASS);
    pln.Jzz_unitmass = fltmax2(pln.Jzz_unitmass, MIN_J_UNITMASS);
}

// Resting height and pitch on two supports: the rear one at x_rear with cg
// height z_rear, the front one at x_front with z_front. Coincident supports
// give the mean height and a level attitude.
static void rest_on(float x_rear, float z_rear, float x_front, float z_front)
{
    float dx = x_rear - x_front;
    if (fabsf(dx) <= LOAD_TINY) {
        pln.h_eqlbm = (z_rear + z_front) / 2.0f;
        pln.the_eqlbm = 0.0f;
        return;
    }
    pln.h_eqlbm = interp(x_rear, z_rear, x_front, z_front, 0.0f);
    float pitch = asinf(fltlim((z_front - z_rear) / dx, -1.0f, 1.0f)) * con.radtodeg;
    pln.the_eqlbm = pitch < 0.0f ? pitch + 360.0f : pitch;
}

static void rest_on_gear(float W)
{
    float span = pln.mgearx - pln.ngearx;
    float Fn = safe_div(pln.mgearx, span, 0.5f) * W;
    float Fm = safe_div(-pln.ngearx, span, 0.5f) * W;
    float zn = -pln.ngearz - Fn / pln.gearcon;
    float zm = -pln.mgearz - Fm / (2.0f * pln.gearcon);
    pln.delnose_eqlbm = Fn / pln.gearcon;
    rest_on(pln.mgearx, zm, pln.ngearx, zn);
}

static void rest_on_skids(float W)
{
    float Ff = safe_div(pln.skidx + pln.skidl, pln.skidl, 0.5f) * W;
    float Fr = safe_div(-pln.skidx, pln.skidl, 0.5f) * W;
    float zf = -pln.skidz - Ff / (2.0f * pln.skidcon);
    float zr = -pln.skidz - Fr / (2.0f * pln.skidcon);
    pln.delnose_eqlbm = 0.0f;
    rest_on(pln.skidx + pln.skidl, zr, pln.skidx, zf);
}

void ground_equilibrium()
{
    float W = fltmax2(pln.m_max, 1.0f) * con.g;   // springs need some weight
    // Springs that the full weight would compress by half a metre.
    pln.gearcon = pln.skidcon = W / 0.5f;
    pln.geardmp = 0.2f * pln.gearcon;
    pln.skiddmp = 0.05f * pln.skidcon;
    pln.h_eqlbm = pln.the_eqlbm = pln.delnose_eqlbm = 0.0f;
    if (pln.gearEQ)
        rest_on_gear(W);
    if (pln.skidEQ)
        rest_on_skids(W);
    float fwd = 99999.0f;
    pln.fwd_foil = 2;
    for (int p = 2; p < MAX_PARTS; p++)
        if (pln.foileq[p] && pln.xarm[p][MAX_ELS] < fwd) {
            fwd = pln.xarm[p][MAX_ELS];
            pln.fwd_foil = p;
        }
}

static void airspeed_dial()
{
    if (pln.AStype == 2) {
        pln.ASpwr = 0.3f;
        pln.Vmin = 60.0f;
        pln.Vmax = 449.0f;
    } else {
        pln.ASpwr = 1.0f;
        pln.Vmin = pln.vectEQ ? 0.0f : fltmax2(fltnear(pln.Vso, 10.0f, -1), 0.0f);
        pln.Vmax = fltnear(pln.Vne, 10.0f, 1);
    }
    // A dial whose ends coincide gets ten units of travel.
    if (!(pln.Vmax - pln.Vmin >= 1.0f))
        pln.Vmax = pln.Vmin + 10.0f;
    ins.indtoASI = 330.0f / (powf(pln.Vmax, pln.ASpwr) - powf(pln.Vmin, pln.ASpwr));
}

// Stall estimate at maximum weight and a lift coefficient of 1.5 (a plain
// wing's typical maximum, flaps up) over the wings' and stabiliser's area,
// both halves (els x root-element area is one half of a surface); a
// helicopter or a wingless design gets a fixed speed.
static float estimated_stall_speed()
{
    if (pln.is_heli)
        return 30.0f * con.ktstomsc;
    float S = 0.0f;
    for (int p = 2; p <= 4; p++)
        if (pln.foileq[p])
            S += 2.0f * pln.dblel[p] * pln.s[p][0];
    if (S <= 0.1f)
        return 90.0f * con.ktstomsc;
    return sqrtf(fltmax2(2.0f * pln.m_max * con.g / (1.5f * S * con.rhoSL), 0.0f));
}

void instrument_scalings()
{
    airspeed_dial();
    float vvi = pln.dashtype == 2 ? 0.0225f : pln.VVItype == 2 ? 0.032f : 0.08f;
    ins.msctoVVI = con.msctofpm * vvi;
    ins.tactoINS = safe_div(270.0f, pln.omegamax, 0.0f);
    ins.n1_toINS = 3.5f;
    ins.mprtoINS = 11.538462f;
    ins.trqtoINS = safe_div(270.0f, safe_div(pln.pmax, pln.omegamax, 0.0f) * 1.2f, 0.0f);
    ins.eprtoINS = 90.0f;
    msc.est_Vs = estimated_stall_speed();
}
