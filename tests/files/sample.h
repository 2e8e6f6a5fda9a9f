// Sample aircraft, airfoil and flap files for the file-format tests: every
// field of the designer's record gets its own non-default value, and the
// helpers write and read whole files as text.
#pragma once
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "files/airwright_files.h"
#include "files/files.h"
#include "files/foilwright_files.h"
#include "tests/common/fatal_catch.h"

namespace sample {

inline std::string slurp(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void spit(const std::string &path, const std::string &text)
{
    std::ofstream f(path, std::ios::binary);
    f << text;
}

// Distinct whole numbers, some negative, so a value that lands in the wrong
// field or is lost shows up, and the decimals of a line do not matter.
struct Counter {
    int n = 0;
    float next() { n++; return (float)((n * 37) % 211 - 60); }
    int next_int() { n++; return (n * 53) % 97 - 20; }
};

// Fills airwright::pln: an aeroplane with two piston engines, part 2 with 8
// elements and part 3 with none; every value non-default.
inline void fill_aircraft()
{
    using airwright::pln;
    memset(&pln, 0, sizeof pln);
    Counter c;
    pln.is_heli = 0;
    C_to_C("N 12 AB  X", pln.tailnum);
    pln.asi_type = 2;
    pln.Vso = 55; pln.Vs = 61; pln.Vfe = 120; pln.Vno = 160; pln.Vne = 190;
    pln.Mmo = 1;
    pln.hudEQ = pln.hoopEQ = 1;
    pln.dashtype = 2; pln.radiotype = 3; pln.AStype = 1; pln.VVItype = 2; pln.layouttype = 5;
    pln.pex = c.next(); pln.pey = c.next(); pln.pez = c.next();
    pln.ff_hydraulic = pln.ff_stickshaker = 1;
    pln.entype = 1; pln.numen = 2;
    pln.pmax = 1200; pln.critalt = 12000;
    pln.rpmmin = 600; pln.rpmmax = 2700; pln.rpmmingreen = 2100; pln.rpmmaxgreen = 2600;
    pln.tmax = 1234567;   // wider than its field
    pln.spooltime = 7; pln.facejet = 12;
    pln.revthrustEQ = 1;
    pln.vertcant[0] = c.next(); pln.sidecant[0] = c.next();
    pln.vertcant[1] = c.next(); pln.sidecant[1] = c.next();
    pln.trotor_rat = 4; pln.vectEQ = 1;
    for (int p = 0; p < MAX_PARTS; p++) {
        snprintf(pln.Rafl0[p], MAX_STR, "root lo %d.afl", p);
        snprintf(pln.Rafl1[p], MAX_STR, "Root Hi %d.AFL", p);
        snprintf(pln.Tafl0[p], MAX_STR, "tip lo %d.afl", p);
        snprintf(pln.Tafl1[p], MAX_STR, "tip hi %d.afl", p);
        if (p <= 1) {
            pln.varpitchEQ[p] = p;   // part 1's value is the simulator's
            pln.propdir[p] = p;
            pln.numblades[p] = 2 + p;
            pln.des_adv[p] = c.next(); pln.des_rpm[p] = c.next(); pln.des_v[p] = c.next();
            pln.minpitch[p] = c.next(); pln.maxpitch[p] = c.next();
        }
        pln.sweep1[p] = c.next_int(); pln.sweep2[p] = c.next_int(); pln.dihed[p] = c.next_int();
        pln.semiB[p] = 10 + p; pln.Croot[p] = c.next(); pln.Ctip[p] = c.next();
        pln.xarm[p][8] = c.next(); pln.yarm[p][8] = c.next(); pln.zarm[p][8] = c.next();
        pln.diffRe[p] = 1; pln.diffRT[p] = p % 2; pln.varsweepEQ[p] = 1;
        pln.els[p] = p == 3 ? 0 : p == 2 ? 8 : 1 + p % 7;
        for (int e = 0; e < pln.els[p]; e++) {
            pln.anginc[p][e] = c.next();
            pln.wash[p][e] = e % 2;
            if (p >= 2) {
                pln.ailn[p][e] = (e + 1) % 2; pln.splr[p][e] = e % 2; pln.flap[p][e] = 1;
                pln.slat[p][e] = (e + 1) % 2; pln.sbrk[p][e] = e % 2; pln.tilt[p][e] = 1;
                pln.drud[p][e] = (e + 1) % 2; pln.elev[p][e] = 1; pln.rudd[p][e] = 1;
            }
        }
    }
    // Rows that exist only for some parts stay zero elsewhere.
    for (int p = 0; p < MAX_PARTS; p++)
        for (int e = 0; e < MAX_ELS; e++) {
            if (p < 2 || p > 4) pln.ailn[p][e] = pln.splr[p][e] = pln.flap[p][e] = pln.slat[p][e] = 0;
            if (p < 2 || p > 3) pln.sbrk[p][e] = pln.tilt[p][e] = pln.drud[p][e] = 0;
            if (p == 4) pln.ailn[p][e] = pln.splr[p][e] = 0;
            if (p != 4) pln.elev[p][e] = 0;
            if (p < 5) pln.rudd[p][e] = 0;
        }
    pln.strp[2] = -3; pln.strp[3] = 1;
    C_to_C("Split Flap.flp", pln.flap_str);
    pln.hstabtype = 1; pln.hstbtrimmax = c.next();
    pln.inverted[5] = 1; pln.inverted[6] = 1;
    pln.ailn_crat = 1; pln.elev_crat = 2; pln.rudd_crat = 3; pln.splr_crat = 4;
    pln.drud_crat = 5; pln.sbrk_crat = 6;
    pln.ailn_up = c.next(); pln.ailn_dn = c.next(); pln.elev_up = c.next(); pln.elev_dn = c.next();
    pln.rudd_def = c.next(); pln.splr_def = c.next(); pln.drud_def = c.next(); pln.sbrk_def = c.next();
    pln.slat_inc = 3; pln.con_type = 2;
    pln.fusewash = 1; pln.cdfuse = 2;
    pln.fuse_nose = c.next(); pln.fuse_len = c.next(); pln.fuse_rad = c.next();
    for (int i = 0; i < N_FUSE_STATIONS; i++)
        for (int j = 0; j < N_FUSE_RADIALS; j++) {
            pln.fuse_x[i][j] = c.next(); pln.fuse_y[i][j] = c.next(); pln.fuse_z[i][j] = c.next();
        }
    pln.cgx = c.next(); pln.cgz = c.next();
    pln.w_empty = 1500; pln.w_max = 2400; pln.w_fuel = 300; pln.w_water = 40;
    pln.gearEQ = pln.retractEQ = pln.floatEQ = pln.skidEQ = 1;
    pln.nwsteer = 30; pln.sgear = c.next();
    pln.ngearx = -5; pln.ngearz = c.next(); pln.mgearx = 2; pln.mgeary = c.next(); pln.mgearz = c.next();
    pln.skidx = c.next(); pln.skidy = c.next(); pln.skidz = c.next(); pln.skidl = c.next();
    for (int k = 0; k < N_FLOATS; k++) {
        pln.floatx[k] = c.next(); pln.floaty[k] = c.next(); pln.floatz[k] = c.next();
        pln.floatl[k] = c.next(); pln.floatw[k] = c.next(); pln.floatnoseup[k] = c.next();
    }
    pln.jatox = c.next(); pln.jatoz = c.next(); pln.jatotheta = 30; pln.jatothrust = 1000;
    pln.jatodur = 15; pln.stabroll = c.next(); pln.ailpitch = c.next(); pln.vstabminv = 100;
    pln.autosbrk = 1; pln.autobrk = 2; pln.autosweep = 3; pln.autoslat = 4;
    pln.elevcyclic = c.next(); pln.ailncyclic = c.next();
    pln.puffL = c.next(); pln.puffM = c.next(); pln.puffN = c.next();
    pln.ASEQ = 1; pln.ASloV = 80; pln.AShiV = 80.0f; pln.ASmaxptch = c.next();
    pln.ASmaxhdng = c.next(); pln.ASmaxroll = c.next();
    pln.ASp1 = c.next(); pln.ASp2 = c.next(); pln.ASh1 = c.next(); pln.ASh2 = c.next();
    pln.ASr1 = c.next(); pln.ASr2 = c.next();
}

// Foilwright's tables for a plausible airfoil: cl a straight line with a
// stall, cd a parabola, cm small; index k = alpha index + 270.
inline void fill_airfoil_tables()
{
    using namespace foilwright;
    AFLstruct &afl = foilwright::afl;
    afl = AFLstruct{};
    afl.Re = 3.0f; afl.almin = -16.0f; afl.almax = 15.5f; afl.clB = 0.25f; afl.clM = 0.105f;
    afl.Lpow = 1.1f; afl.Lstall = 1.2f; afl.Ldrop1 = 0.1f; afl.Ldrop2 = 0.2f; afl.Lpowstl = 2.0f;
    afl.DminCL = 0.3f; afl.Dmin = 0.006f; afl.Dal10 = 0.015f; afl.Dpow = 2.0f;
    afl.cmal2 = -4.0f; afl.cmal3 = 12.0f; afl.cm1 = 0.05f; afl.cm2 = -0.06f; afl.cm3 = -0.05f;
    afl.cm4 = -0.1f; afl.Bwidth = 1.5f; afl.Bdepth = 0.001f; afl.Bpower = 3.0f; afl.Bloc = 0.2f;
    for (int k = 0; k < PART_TABLE_SLOTS; k++) {
        float a = alpha_of_index(k - 270);
        cl[k] = 0.25f + 0.105f * a;
        cd[k] = 0.006f + 0.0001f * a * a;
        cm[k] = -0.001f * a;
    }
}

inline void fill_flap_tables()
{
    using namespace foilwright;
    flp = FLPstruct{1.5f, -0.25f, 0.125f, 0.0625f, 0.5f, -1.0f, -0.2f, 0.03f, 0.004f};
    for (int k = 0; k <= FLAP_TABLE_LAST; k++) {
        cl[k] = 0.004f * k;
        cd[k] = 0.0002f * k;
        cm[k] = -0.0005f * k;
    }
}

}  // namespace sample
