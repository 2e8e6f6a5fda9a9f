// Propellers and helicopter rotors by blade elements: each ring of each
// disc is evaluated at four positions round the disc with the airfoil of
// its part, giving thrust (applied a quarter turn later, the gyroscopic
// lag), drag torque and the ring's induced inflow; the engine torque then
// turns the rotor and the governors work the pitch or the throttle.
#include <cmath>
#include <cstring>

#include "flight/local.h"

// Least speeds the momentum-theory quotients are taken at (m/s).
constexpr float DISC_MIN_V = 5.0f;
constexpr float RING_MIN_V = 1.0f;

static float away_from_zero(float v, float least)
{
    if (!std::isfinite(v))
        return least;
    if (fabsf(v) < least)
        return v < 0.0f ? -least : least;
    return v;
}

static float dt_share() { return fltlim(msc.prd, 0.0f, 1.0f); }

// Axial inflow of disc eng before its own induction. The airspeed's share
// through the disc is taken along the disc's own axis, canted up from the
// body's by vertcant: a rotor standing straight up feels its climb or
// descent through the disc and its forward speed across it, not the other
// way round. An uncanted propeller is unchanged by the cant.
static float axial_inflow(int eng, float x, float y, float z)
{
    if (pln.is_heli && eng == 1)
        return -flt.av * flt.sinbeta - flt.Rrad * x;
    float sv = pln.sin_vertcant[eng], cv = pln.cos_vertcant[eng];
    return lcos[flight_round_deg(flt.Alpha + pln.vertcant[eng])] * flt.av - sv * flt.Prad * y -
           (cv * z + sv * x) * flt.Qrad - cv * flt.Rrad * y;
}

// Share of the momentum-theory induced flow each ring keeps. A helicopter
// rotor moving out of its own wash needs less (translational lift). An
// aeroplane propeller keeps all of it: without its own induced inflow a
// static propeller's blades would meet the air at their full pitch angle,
// deep in stall, and the trainer's would give half as much static thrust
// again as propellers of its class do.
static float etl_ratio(int eng)
{
    if (!pln.is_heli)
        return 1.0f;
    float kt = flt.av * con.msctokts;
    if (eng == 0)
        return fltlim(interp(13.0f, 1.0f, 17.0f, 0.6f, kt), 0.6f, 1.0f);
    return fltlim(interp(19.0f, 1.0f, 23.0f, 0.8f, kt), 0.8f, 1.0f);
}

// Cyclic pitch of disc position b (1..4).
static float cyclic(int b, float prepitch, float dir)
{
    switch (b) {
    case 1: return prepitch - dir * flt.ailncyclic;
    case 2: return prepitch + dir * flt.elevcyclic;
    case 3: return prepitch + dir * flt.ailncyclic;
    default: return prepitch - dir * flt.elevcyclic;
    }
}

struct RingResult {
    float T[5];     // thrust at positions 1..4 (N)
    float dtq;      // drag torque (N m)
};

// One blade element at one disc position; returns its share of the drag
// torque (already added to res.dtq).
static float blade_position(int eng, int el, int b, float rot, float dvn, float prepitch, RingResult &res)
{
    float V = sqrtf(rot * rot + dvn * dvn);
    float mach = atm.a > 1.0f ? V / atm.a : 0.0f;
    float mf = Fmachfac(mach), rho = thinair(mach);
    float q = 0.5f * rho * V * V * pln.s[eng][el];
    int p = flight_round_atan2_deg(dvn, rot);
    float sp = lsin[p], cp = lcos[p];
    float path = p > 180 ? p - 360.0f : (float)p;
    float aoa = cyclic(b, prepitch, pln.propdir[eng]) - path;
    float cl, cd, cm;
    Fco(aoa, cl, cd, cm, eng, FRe(rho, V, pln.mac[eng][el]), el);
    finitecompressible(eng, cl, cd, cm, mach, mf);
    float lift = cl * q, drag = cd * q, nb = pln.numblades[eng];
    float r = pln.xarm[eng][el];
    float dtq = nb * r * (lift * sp + drag * cp) * 0.25f;
    res.dtq += dtq;
    res.T[b] = nb * (lift * cp - drag * sp) * 0.25f;
    if (!std::isfinite(res.T[b]))
        res.T[b] = 0.0f;
    return dtq;
}

static int same_bits(float a, float b) { return memcmp(&a, &b, sizeof a) == 0; }

// Sine and cosine of the side cant of the disc being worked (set by aprop).
struct Cant {
    float sc, cc;
};

static void apply_thrust(int eng, const Cant &k, float T, float x, float y, float z)
{
    float sc = k.sc, cc = k.cc;
    addFaprop(cc * pln.cos_vertcant[eng] * T, y, z);
    addFsprop(sc * T, x, z);
    addFnprop(cc * pln.sin_vertcant[eng] * T, x, y);
    flt.thrust[eng] += T;
}

// Each position's thrust acts a quarter turn later in the sense of
// rotation; a tail rotor's acts at its hub.
static void apply_ring(int eng, const Cant &k, const RingResult &res, float r, float x, float y, float z)
{
    if (pln.is_heli && eng == 1) {
        for (int b = 1; b <= 4; b++)
            apply_thrust(eng, k, res.T[b], x, y, z);
        return;
    }
    float sv = pln.sin_vertcant[eng], cv = pln.cos_vertcant[eng];
    int cw = pln.propdir[eng] > 0.0f;
    apply_thrust(eng, k, res.T[cw ? 4 : 2], x + sv * r, y, z + cv * r);
    apply_thrust(eng, k, res.T[cw ? 1 : 3], x, y + r, z);
    apply_thrust(eng, k, res.T[cw ? 2 : 4], x - sv * r, y, z - cv * r);
    apply_thrust(eng, k, res.T[cw ? 3 : 1], x, y - r, z);
}

static void ring(int eng, const Cant &k, int el, float pre, float diskalpha_sin, float x, float y, float z)
{
    float dvn = flt.ringDVinc[eng][el] + pre;
    float prepitch = pln.anginc[eng][el] + flt.proppitch[eng];
    float r = pln.xarm[eng][el];
    float base = r * flt.omega[eng];
    float adv = diskalpha_sin * flt.vaxial * (pln.propdir[eng] > 0.0f ? 1.0f : -1.0f);
    RingResult res = {{0, 0, 0, 0, 0}, 0.0f};
    float dtq1 = blade_position(eng, el, 1, base, dvn, prepitch, res);
    blade_position(eng, el, 2, base + adv, dvn, prepitch, res);
    // Positions 1 and 3 meet the same flow; without lateral cyclic (every
    // propeller) they are the same blade element, worked out once.
    float dir = pln.propdir[eng];
    if (!set.cycout && same_bits(cyclic(1, prepitch, dir), cyclic(3, prepitch, dir))) {
        res.dtq += dtq1;
        res.T[3] = res.T[1];
    } else {
        blade_position(eng, el, 3, base, dvn, prepitch, res);
    }
    blade_position(eng, el, 4, base - adv, dvn, prepitch, res);
    flt.Dtq[eng] += std::isfinite(res.dtq) ? res.dtq : 0.0f;
    apply_ring(eng, k, res, r, x, y, z);
    float T = res.T[1] + res.T[2] + res.T[3] + res.T[4];
    flt.ringthrust[eng][el] = T;
    float Vr = away_from_zero(fabsf(flt.ringDVinc[eng][el] + fltmax2(pre, 0.0f)), RING_MIN_V);
    float area_rho = pln.ringarea[eng][el] * atm.rho * Vr;
    float w = dt_share();
    float induced = area_rho > 1e-6f ? etl_ratio(eng) * (T * w) / area_rho / 2.0f : 0.0f;
    flt.ringDVinc[eng][el] = (1.0f - w) * flt.ringDVinc[eng][el] + (std::isfinite(induced) ? induced : 0.0f);
    if (set.cycout)
        cyc_printf("element ring #%d: thrust=%.1f lb, propwash speed increment thru ring=%.1f kt\n", el + 1,
                   T * con.ntntolbs, flt.ringDVinc[eng][el] * con.msctokts);
}

void aprop(int eng, float x, float y, float z)
{
    eng = eng ? 1 : 0;
    float pre = axial_inflow(eng, x, y, z);
    // Propwash: a one-second lag towards the momentum-theory increment of
    // last step's thrust.
    float V = away_from_zero(flt.DVinc[eng] + pre, DISC_MIN_V);
    float w = dt_share();
    float area_rho = pln.discarea[eng] * atm.rho * fabsf(V);
    float wash = area_rho > 1e-6f ? flt.thrust[eng] * w / area_rho : 0.0f;
    flt.DVinc[eng] = (1.0f - w) * flt.DVinc[eng] + (std::isfinite(wash) ? wash : 0.0f);
    flt.Dtq[eng] = flt.thrust[eng] = 0.0f;
    float dsin = (pln.is_heli && eng == 1) ? 0.0f : lsin[flight_round_deg(flt.Alpha)];
    if (set.cycout)
        cyc_printf("\n%s %d\n", pln.is_heli ? "ROTOR" : "PROPELLER", eng + 1);
    Cant k = {sinf(pln.sidecant[eng] * con.degtorad), cosf(pln.sidecant[eng] * con.degtorad)};
    int n = intlim(pln.els[eng], 0, MAX_ELS);
    for (int el = 0; el < n; el++)
        ring(eng, k, el, pre, dsin, x, y, z);
    if (!(pln.is_heli && eng == 1)) {
        float t = pln.propdir[eng] * flt.Etq[eng];
        flt.L -= pln.cos_vertcant[eng] * t;
        flt.N += pln.sin_vertcant[eng] * t;
    }
}

static float rotor_inertia(int e) { return fltmax2(pln.miprop[e] + pln.mi_engine, 0.01f); }

static void aeroplane_props()
{
    int n = intlim(pln.numen, 1, 2);
    for (int e = 0; e < n; e++) {
        apropengine(e);
        aprop(e, pln.xarm[e][MAX_ELS], pln.yarm[e][MAX_ELS], pln.zarm[e][MAX_ELS]);
    }
    if (n == 1)
        flt.DVinc[1] = flt.DVinc[0];
    float dt = msc.prd;
    for (int e = 0; e < n; e++) {
        float omegadot = (flt.Etq[e] - flt.Dtq[e]) / rotor_inertia(e);
        if (!std::isfinite(omegadot))
            omegadot = 0.0f;
        if (!pln.collect_eq) {
            // Constant-speed governor: pitch up when over speed.
            flt.proppitch[e] += (0.1f * omegadot + 0.3f * (flt.omega[e] - flt.prop[e])) * dt;
            flt.proppitch[e] = fltlim(flt.proppitch[e], pln.minpitch[e], pln.maxpitch[e]);
        } else {
            flt.throtrequest[e] += (0.5f * (pln.omegamax - flt.omega[e]) - omegadot) * dt;
            flt.throtrequest[e] = fltlim(flt.throtrequest[e], 0.0f, 1.0f);
        }
        flt.M -= flt.omega[e] * pln.miprop[e] * flt.Qrad;
        flt.N -= flt.omega[e] * pln.miprop[e] * flt.Prad;
        flt.omega[e] = fltmax2(flt.omega[e] + omegadot * dt, 0.0f);
    }
}

static void heli_props()
{
    float dt = msc.prd, w = dt_share();
    apropengine(0);
    float torque = flt.Etq[0];
    if (pln.numen == 2) {
        apropengine(1);
        torque += flt.Etq[1];
    }
    float L0 = flt.L, M0 = flt.M;
    aprop(0, pln.xarm[0][MAX_ELS], pln.yarm[0][MAX_ELS], pln.zarm[0][MAX_ELS]);
    // The main rotor's roll and pitch moments reach the airframe smoothed.
    // A build-up of zero length (a trim's) has nothing to smooth over and
    // takes the rotor's moments as they are, else the cyclic would not
    // move them at all.
    float mw = msc.prd > 0.0f ? w : 1.0f;
    flt.L_rotor = (1.0f - mw) * flt.L_rotor + mw * (flt.L - L0);
    flt.M_rotor = (1.0f - mw) * flt.M_rotor + mw * (flt.M - M0);
    flt.L = L0 + flt.L_rotor;
    flt.M = M0 + flt.M_rotor;
    aprop(1, pln.xarm[1][MAX_ELS], pln.yarm[1][MAX_ELS], pln.zarm[1][MAX_ELS]);
    float inertia = fltmax2(pln.miprop[1] * pln.trotor_rat + pln.miprop[0] + pln.mi_engine, 0.01f);
    float omegadot = (torque - flt.Dtq[0] - flt.Dtq[1]) / inertia;
    if (!std::isfinite(omegadot))
        omegadot = 0.0f;
    flt.omega[0] = fltmax2(flt.omega[0] + omegadot * dt, 0.0f);
    flt.omega[1] = rel.tro ? flt.omega[0] * pln.trotor_rat : 1.0f;
    if (pln.entype == 2 || set.recip_hel_thrt_type == 0) {
        flt.throtrequest[0] += (0.5f * (pln.omegamax - flt.omega[0]) - omegadot) * dt;
        flt.throtrequest[0] = fltlim(flt.throtrequest[0], 0.0f, 1.0f);
        flt.throtrequest[1] = flt.throtrequest[0];
    }
    flt.L -= pln.miprop[0] * flt.omega[0] * flt.Prad;
    flt.M -= pln.miprop[0] * flt.omega[0] * flt.Qrad;
}

void props()
{
    if (pln.is_heli)
        heli_props();
    else
        aeroplane_props();
}
