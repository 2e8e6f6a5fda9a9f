// The constant record `con`, the sine/cosine tables and the window table.
// Everything is computed in float, in the order the factors build on each
// other, so every program gets the same bits.
#include "common/common.h"

#include <cmath>

int program_kind = PROG_VORTAN;
int keep_user_prefs = 0;
constantstruct con;
float lsin[NTRIG];
float lcos[NTRIG];
menuwindowstruct mnw;

void fill_constants()
{
    con.muearth = 398601184346112.0f;
    con.rearth = 6378145.0f;
    con.rhoSL = 1.225f;
    con.muair = 1.7894e-5f;
    con.gammaairM1 = 0.4f;
    con.pi = 3.1415927f;
    con.pim2 = con.pi * 2.0f;
    con.pid2 = con.pi * 0.5f;
    con.R = 287.0f;
    con.e = 2.7182817f;
    con.g = con.muearth / (con.rearth * con.rearth);
    con.rho_h20 = 1000.0f;
    con.lbstokgs = 0.4535925f;          // pound, kg
    con.kgstolbs = 1.0f / con.lbstokgs;
    con.fttomtrs = 0.3048f;
    con.mtrstoft = 1.0f / con.fttomtrs;
    con.hptowatt = 745.7f;
    con.watttohp = 1.0f / con.hptowatt;
    con.dgrtodgk = 0.5555556f;          // Rankine (or F step) to kelvin step
    con.dgktodgr = 1.0f / con.dgrtodgk;
    con.radtodeg = 180.0f / con.pi;
    con.degtorad = 1.0f / con.radtodeg;
    con.ktstomsc = 0.3048f * 1.687809861111111f;  // 6076.1155 ft / 3600 s
    con.msctokts = 1.0f / con.ktstomsc;
    con.rpmtorsc = con.degtorad * 6.0f;           // 360 deg / 60 s
    con.rsctorpm = 1.0f / con.rpmtorsc;
    con.fpmtomsc = 0.3048f / 60.0f;
    con.msctofpm = 1.0f / con.fpmtomsc;
    con.nmtomtrs = 0.3048f * 6076.1155f;
    con.mtrstonm = 1.0f / con.nmtomtrs;
    con.sftosmtr = 0.3048f * 0.3048f;
    con.smtrtosf = 1.0f / con.sftosmtr;
    con.lbstontn = 0.4535925f * con.g;
    con.ntntolbs = 1.0f / con.lbstontn;
    con.ftlbtonm = con.lbstontn * 0.3048f;
    con.nmtoftlb = 1.0f / con.ftlbtonm;
    con.endtomed = con.g * 0.4535925f / (0.3048f * 0.3048f * 0.3048f * 0.3048f);
    con.medtoend = 1.0f / con.endtomed;
    con.enptomep = con.lbstontn * con.smtrtosf;
    con.meptoenp = 1.0f / con.enptomep;
    con.enItomtI = con.sftosmtr * con.lbstokgs;
    con.mtltoenl = 1.0f / con.enItomtI;
    con.nm_to_sm = 1.1507795f;
    con.sm_to_nm = 1.0f / con.nm_to_sm;
    con.mtrtoplt = 0.0066666668f;
    con.plttomtr = 1.0f / con.mtrtoplt;

    for (int deg = 0; deg < NTRIG; deg++) {
        lsin[deg] = sinf((float)deg * con.degtorad);
        lcos[deg] = cosf((float)deg * con.degtorad);
    }
}
