// The slower flight work done once per event period: moving flaps, slats
// and gear, fuel burn, gravity, stall alpha, ground effect and the
// flight-path record.
#include <cmath>
#include <cstring>

#include "flight/local.h"
#include "output/output.h"
#include "shell/shell.h"

// Slot of the part root among the arms (the elements fill the first eight).
constexpr int ROOT_ARM = 8;
static int pat_next;   // next slot of the flight-path ring

void resetpat()
{
    memset(pat.xyztpp, 0, sizeof pat.xyztpp);
    pat_next = 0;
    pat.inited = 1;
}

// Records the position and attitude once the aircraft has moved a metre.
static void record_path()
{
    int last = (pat_next + MAX_PATH_SAMPLES - 1) % MAX_PATH_SAMPLES;
    if (fabs(flt.x - pat.xyztpp[last][0]) <= 1.0 && fabs(flt.y - pat.xyztpp[last][1]) <= 1.0)
        return;
    float *p = pat.xyztpp[pat_next];
    p[0] = (float)flt.x; p[1] = (float)flt.y; p[2] = (float)flt.z;
    p[3] = flt.the * con.degtorad; p[4] = flt.psi * con.degtorad; p[5] = flt.phi * con.degtorad;
    pat_next = (pat_next + 1) % MAX_PATH_SAMPLES;
    memset(pat.xyztpp[pat_next], 0, sizeof pat.xyztpp[pat_next]);   // the end marker
}

// Flaps one index per event towards the request; slats 0.02 per event.
static void move_surfaces()
{
    if (rel.flp && flt.flap != flt.flaprequest)
        flt.flap += flt.flap < flt.flaprequest ? 1 : -1;
    if (rel.slt && fabsf(flt.slatrequest - flt.slat) > 0.001f) {
        float d = flt.slatrequest - flt.slat;
        flt.slat = fabsf(d) < 0.02f ? flt.slatrequest : flt.slat + fltsgn(d) * 0.02f;
    }
    for (int p = 2; p <= 4; p++)
        flt.slat_effect[p] = 1.0f + (pln.slat_effect[p] - 1.0f) * flt.slat;
}

// Ground-effect multipliers of the induced drag and lift of surface p at
// height ratio hb (height over semispan), only for surfaces that exist.
static void ground_effect(int p)
{
    if (!pln.foileq[p] || pln.semiB[p] < 0.01f)
        return;
    float hb = (pln.zarm[p][ROOT_ARM] * flt.costhe + flt.h - pln.xarm[p][ROOT_ARM] * flt.sinthe - env.localh) / pln.semiB[p];
    hb = fltmax2(hb, 0.1f);
    float e = sqr(8.0f * hb);
    float AR = fltmax2(pln.AR[p], 0.1f);
    flt.CDIgrndeffect[p] = e / (e + 1.0f);
    flt.CLgrndeffect[p] = 1.0f + 3.0f * (powf(1.0f + 1.0f / (hb * hb * hb), 0.04f) - 1.0f) / AR;
}

void mod_evt()
{
    record_path();
    move_surfaces();
    wxcalc();
    if (msc.cntr10 == 0) {
        float ff = 0.0f;
        for (int e = 0; e < 2 && e < pln.numen; e++) {
            float f = pln.entype == 3 ? flt.thrust[e] * con.kgstolbs / con.g * 0.5f
                                      : flt.power[e] * con.watttohp * 0.48f * (pln.entype == 2 ? 1.5f : 1.0f);
            flt.ff_lbhr[e] = fltmax2(f, 0.0f);
            ff += flt.ff_lbhr[e];
        }
        flt.m_fuel = fltlim(flt.m_fuel - ff * con.lbstokgs / 3600.0f, 0.0f, pln.m_fuel);
        air_gravity(flt.h);
    }
    if (msc.cntr10 == 0 || msc.cntr10 == 5) {
        for (int p = 2; p < MAX_PARTS; p++)
            if (pln.foileq[p])
                flt.alphamax[p] = flt.slat_effect[p] * pln.alphamax[p];
        if (pln.is_heli)
            ground_effect(0);
        else
            for (int p = 2; p <= 4; p++)
                ground_effect(p);
    }
}
