// Placing and resetting the aircraft at the start of a flight or after a
// crash: on a runway, on a final, over a navaid, at the custom location,
// approaching a ship or on the carrier's catapult.
#include <cmath>
#include <cstring>

#include "flight/local.h"

namespace {

struct Start {
    double x, y, z;   // m
    float psi;        // deg
    float v;          // m/s
    float power;      // 0..1
    int gear;         // 1 down
};

int airport_ok(int k) { return k >= 0 && k < MAX_NAV && env.navmsc[k][0] >= NAV_APT1 && env.navmsc[k][0] <= NAV_APT3; }

// Threshold and heading of runway end rway_sel (1, 2 the first runway and
// its reciprocal, 3, 4 the second runway and its reciprocal); the first
// runway when the airport has only one.
void runway_end(int k, float *x, float *y, int *hdg)
{
    int sel = intlim(msc.rway_sel, 1, 4) - 1, r = sel / 2;
    if (r == 1 && env.navmsc[k][8] == 0)
        r = 0;
    float len = (float)env.navmsc[k][1 + 4 * r];
    int h = deg_index((float)env.navmsc[k][3 + 4 * r]);
    *x = env.navxyz[k][2 * r];
    *y = env.navxyz[k][2 * r + 1];
    if (sel % 2) {
        *x += len * lsin[h];
        *y += len * lcos[h];
        h = deg_index((float)(h + 180));
    }
    *hdg = h;
}

float terrain_at(float x, float y, float fallback)
{
    float h = fallback;
    int i = env.i_aircraft, j = env.j_aircraft, t = env.t_aircraft;
    find_local_h(x, y, &h, &i, &j, &t);
    return h;
}

Start airport_start()
{
    Start s{0.0, 0.0, pln.h_eqlbm, 0.0f, 0.1f, 0.02f, 1};
    int k = msc.loc_index;
    int kind = msc.typestart;
    if (kind == 900 && !pln.gearEQ && !pln.skidEQ)
        kind = 1000;   // nothing to stand on: start on a final instead
    float tx = 0.0f, ty = 0.0f, fieldh = 0.0f;
    int h = 0;
    if (airport_ok(k)) {
        runway_end(k, &tx, &ty, &h);
        fieldh = env.navxyz[k][4];
    }
    s.psi = (float)h;
    if (kind != 1000 && kind != 1100) {
        s.x = tx + 30.0f * lsin[h];   // a little way onto the runway
        s.y = ty + 30.0f * lcos[h];
        s.z = terrain_at((float)s.x, (float)s.y, fieldh) + pln.h_eqlbm;
        return s;
    }
    float d = (kind == 1100 ? 9.0f : 1.5f) * con.nmtomtrs;
    s.x = tx - d * lsin[h];
    s.y = ty - d * lcos[h];
    s.z = fieldh + d * lsin[3];
    float ground = terrain_at((float)s.x, (float)s.y, fieldh), clear = 500.0f * con.fttomtrs;
    if (s.z < ground + clear) {
        MACIBM_alert("Starting off on a nice 3 degree glideslope to this runway would put you dangerously close to rising terrain.",
                     "I will therefore start you off on a steeper glideslope to the field.",
                     "This approach is likely to be challenging... remember to keep adequate terrain clearance!", "");
        s.z = ground + clear;
    }
    s.v = 1.5f * msc.est_Vs;
    s.power = 0.5f;
    s.gear = 0;
    return s;
}

Start custom_start(int type_start)
{
    Start s{set.cus_x, set.cus_y, set.cus_z, set.cus_psi, set.cus_v, 0.5f, 0};
    if (type_start == 5 && set.cus_v < msc.est_Vs) {
        s.power = 0.02f;
        s.gear = 1;
    }
    return s;
}

Start navaid_start(int k)
{
    Start s{0.0, 0.0, 0.0, 0.0f, 0.0f, 0.5f, 0};
    if (k >= 0 && k < MAX_NAV) {
        s.x = env.navxyz[k][0];
        s.y = env.navxyz[k][1];
    }
    float ground = NO_HEIGHT;
    int i = env.i_aircraft, j = env.j_aircraft, t = env.t_aircraft;
    if (find_local_h((float)s.x, (float)s.y, &ground, &i, &j, &t) > NO_HEIGHT && ground > NO_HEIGHT)
        s.z = ground + 3000.0f * con.fttomtrs;
    else
        s.z = 10000.0f * con.fttomtrs;   // outside the scenery
    s.v = 1.5f * msc.est_Vs * interp(0.0f, 1.0f, 99000.0f, 5.0f, (float)s.z * con.mtrstoft);
    return s;
}

// The nearest small ship (carrier 0) or the carrier: its cell, centre, deck
// height and heading. Without one the program cannot place the aircraft.
void nearest_ship_or_exit(int carrier, int *i, int *j, float *x, float *y, float *deck, float *hdg)
{
    if (!nearest_ship((float)flt.x, (float)flt.y, carrier, i, j))
        MACIBM_exitalert("I can't find any ships in the area!", "", "", "");
    ship_place(*i, *j, carrier, x, y, deck, hdg);
    if (carrier)
        place_carrier_catapult(*i, *j);
}

// Approach to the nearest small ship (1 nm astern) or the carrier (2 nm
// astern), on a 3.5-degree slope to its deck.
Start ship_start(int carrier)
{
    int i = 0, j = 0;
    float x, y, deck, hdg;
    nearest_ship_or_exit(carrier, &i, &j, &x, &y, &deck, &hdg);
    float d = (carrier ? 2.0f : 1.0f) * con.nmtomtrs;
    int h = deg_index(hdg);
    Start s{x - d * lsin[h], y - d * lcos[h], deck + d * tanf(3.5f * con.degtorad), hdg,
            1.5f * msc.est_Vs, 0.2f, 0};
    return s;
}

// On the carrier's catapult, held, at rest on the deck.
Start catapult_start()
{
    int i = 0, j = 0;
    float x, y, deck, hdg;
    nearest_ship_or_exit(1, &i, &j, &x, &y, &deck, &hdg);
    Start s{car.catx, car.caty, deck + pln.h_eqlbm, car.catang, 0.01f, 0.5f, 1};
    return s;
}

// Controls, panel switches, autopilot, air traffic control and the other
// traffic of a fresh flight.
void reset_surroundings()
{
    ins.jato_on = 0;
    ins.antiice_on = 0;
    flt.jatoleft = pln.jatoleft;
    for (int g = 0; g < 3; g++)
        set.gear_time[g] = 0.0f;
    ott.HDSLCT = ott.NAV[0] = ott.NAV[1] = 0;
    ott.ALHOLD = ott.VVHOLD = ott.GS2 = ott.ASHOLD = 0;
    ott.delhorz = ott.delvert = 0.0f;
    atc.ils_vec_in_progress = 0;
    atc.ils_command[0] = 0;
    atc.waiting_new_frq = 0;
    atc.planphase = 0;
    fpl.onfile = fpl.activated = 0;
    for (int n = 0; n < MAX_TRAFFIC; n++)
        make_a_plane(n);
    clear_strikes();
    glideslope_reset();
}

// Forces, rates, controls and failures of a fresh flight.
void clear_state()
{
    flt.over_vfe = flt.over_vne = 0;
    if (pln.fwd_foil >= 2 && pln.fwd_foil < MAX_PARTS && pln.semiB[pln.fwd_foil] > 0.01f)
        pln.foileq[pln.fwd_foil] = 1;   // the surface an overspeed removed
    flt.faxilprop = flt.fsideprop = flt.fnrmlprop = 0.0f;
    flt.faxilaero = flt.fsideaero = flt.fnrmlaero = 0.0f;
    flt.faxilgear = flt.fsidegear = flt.fnrmlgear = 0.0f;
    flt.L = flt.M = flt.N = flt.Pdot = flt.Qdot = flt.Rdot = 0.0f;
    flt.P = flt.Q = flt.R = flt.Prad = flt.Qrad = flt.Rrad = 0.0f;
    flt.thedot = flt.psidot = flt.phidot = flt.ax = flt.ay = flt.az = 0.0f;
    flt.Alpha = flt.Beta = flt.trim = flt.slat = flt.slatrequest = 0.0f;
    flt.sbrk = flt.flap = flt.flaprequest = flt.vectrequest = 0;
    flt.sweep = flt.sweeprequest = pln.autosweep ? 1.0f : 0.0f;
    flt.wired = 0;
    flt.onground = 0;
    for (int p = 0; p < MAX_PARTS; p++) {
        flt.slat_effect[p] = flt.CDIgrndeffect[p] = flt.CLgrndeffect[p] = 1.0f;
        flt.alphamax[p] = pln.alphamax[p];
        flt.downwash[p] = 0.0f;
        flt.stalled[p] = 0;
        int swept = pln.autosweep && pln.varsweepEQ[p];
        pln.sweepnow[p] = swept ? pln.sweep2[p] : pln.sweep1[p];
        if (p >= 2 && pln.foileq[p])
            calcsweepgeo(p);
    }
    memset(flt.induced_alpha, 0, sizeof flt.induced_alpha);
    if (pln.vectEQ && !pln.is_heli)
        for (int e = 0; e < 2; e++) {   // nozzles back to straight aft
            pln.vertcant[e] = 0.0f;
            pln.sin_vertcant[e] = 0.0f;
            pln.cos_vertcant[e] = 1.0f;
        }
    rel.eng[0] = rel.eng[1] = 1;
    rel.vac = rel.asi = rel.ahz = rel.alt = rel.tsi = rel.dgy = rel.vvi = 1;
    rel.ail = rel.elv = rel.rud = rel.flp = rel.slt = rel.thr = rel.hyd = rel.tro = 1;
    rel.ger[0] = rel.ger[1] = rel.ger[2] = 1;
    rel.hyd_rat = 1.0f;
    msc.paused = 0;
    msc.evup = 1;
    msc.ice = 0.0f;
    msc.icebld = 0;
    env.localh = -999.0f;
}

}   // namespace

void set_lever_rows(int slack_px)
{
    auto put = [slack_px](int *row, int want) {
        if (abs(*row - want) > slack_px)
            *row = want;
    };
    for (int e = 0; e < 2; e++) {
        if (pln.revthrustEQ && flt.revving_thrust[e])
            put(&ins.throt[e], lever_row(0.0f, LEVER_THROT_IDLE, 1.0f, LEVER_THROT_REVERSE, flt.throtrequest[e]));
        else
            put(&ins.throt[e], lever_row(0.0f, LEVER_THROT_IDLE, 1.0f, LEVER_THROT_FULL, flt.throtrequest[e]));
        int prop = LEVER_PROP_HIGH;
        if (pln.omegamax > pln.omegamin)
            prop = lever_row(pln.omegamin, LEVER_PROP_LOW, pln.omegamax, LEVER_PROP_HIGH, flt.prop[e]);
        put(&ins.prop[e], prop);
        put(&ins.mix[e], lever_row(0.0f, LEVER_PROP_LOW, 1.0f, LEVER_PROP_HIGH, flt.mix[e]));
    }
    put(&ins.flap, lever_row(0.0f, LEVER_FLAP_UP, (float)MAX_FLAP_INDEX, LEVER_FLAP_FULL, (float)flt.flaprequest));
    put(&ins.sbrk, LEVER_SBRK_IN + LEVER_SBRK_STEP * intlim(flt.sbrk, -1, 2));
    put(&ins.slat, lever_row(0.0f, LEVER_AUX_IN, 1.0f, LEVER_AUX_OUT, flt.slatrequest));
    put(&ins.sweep, lever_row(0.0f, LEVER_AUX_IN, 1.0f, LEVER_AUX_OUT, flt.sweeprequest));
    put(&ins.vect, lever_row(0.0f, LEVER_AUX_IN, MAX_VECTOR_DEG, LEVER_AUX_OUT, (float)flt.vectrequest));
    float m = pln.hstbtrimmax;   // the autopilot's trim-wheel law
    put(&ins.trim, m > 0.0f ? lever_row(-m, LEVER_TRIM_DN, m, LEVER_TRIM_UP, flt.trim)
                            : (LEVER_TRIM_DN + LEVER_TRIM_UP) / 2);
    // The collective is dragged (by the mouse or the joystick's throttle)
    // as the engines' throttle.
    put(&ins.collect, lever_row(0.0f, LEVER_THROT_IDLE, 1.0f, LEVER_THROT_FULL, flt.throtrequest[0]));
}

void set_fltvars(int type_start, int slot)
{
    Start s;
    if (type_start == 5 || type_start == 8)
        s = custom_start(type_start);
    else if (type_start == 6 || type_start == 7)
        s = navaid_start(slot);
    else if (type_start == 9 || type_start == 10)
        s = ship_start(type_start == 10);
    else if (type_start == 11)
        s = catapult_start();
    else
        s = airport_start();
    clear_state();
    flt.x = s.x;
    flt.y = s.y;
    flt.z = s.z;
    flt.h = (float)s.z;
    flt.psi = fltwrap(s.psi, 0.0f, 360.0f);
    flt.phi = 0.0f;
    int at_rest = (type_start == 4 || type_start == 11) && s.gear && s.v < 1.0f;
    flt.the = at_rest ? pln.the_eqlbm : 0.0f;
    float p = flt.psi * con.degtorad;
    flt.vx = s.v * sinf(p);
    flt.vy = s.v * cosf(p);
    flt.vz = 0.0;
    flt.cat_stage = type_start == 11 ? CAT_HELD : CAT_FREE;   // only a catapult start is held
    flt.m_total = pln.m_empty + flt.m_fixed + flt.m_fuel + flt.m_water;
    initpower(s.power);
    for (int e = 0; e < 2; e++) {
        flt.throtrequest[e] = flt.throt[e];
        flt.eng_running[e] = pln.entype && e < pln.numen && flt.m_fuel > 0.01f;
    }
    setgear(s.gear);
    // The radios take the stations nearest the new position and heading,
    // and the GPS goes direct to its waypoint from here.
    tune_receivers(1);
    reset_surroundings();
    reset_weather_state();
    resetpat();
    flight_watchdog_reset();
    air_state(flt.h);
    atm.g = con.g;
    air_gravity(flt.h);
    set_lever_rows(0);
    msc.event = 1;   // the next time-step measurement is skipped
    msc.prd = fltmax2(msc.prd, 0.001f);
    float keep = msc.prd;
    msc.prd = 0.0f;   // a zero-length step derives every angle and speed
    integ_x();
    msc.prd = keep;
}
