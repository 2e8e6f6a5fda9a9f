// The building blocks of the default aircraft (see build.h).
#include "tools/aircraft/build.h"

#include <cmath>
#include <cstring>

#include "common/common.h"

using airwright::pln;

namespace acb {

constexpr float PI = 3.14159265f;
constexpr float FT_PER_M = 1.0f / 0.3048f;

void start(const char *tailnum, int heli)
{
    memset(&pln, 0, sizeof pln);
    pln.is_heli = heli;
    C_to_C(tailnum, pln.tailnum);
    pln.asi_type = 2;
    pln.dashtype = pln.radiotype = pln.AStype = pln.VVItype = pln.layouttype = 1;
    pln.con_type = 1;
    pln.cdfuse = 0.1f;
    pln.ASloV = 0;
    pln.AShiV = 1;
}

void speeds(float Vso, float Vs, float Vfe, float Vno, float Vne, float Mmo)
{
    pln.Vso = Vso; pln.Vs = Vs; pln.Vfe = Vfe; pln.Vno = Vno; pln.Vne = Vne; pln.Mmo = Mmo;
}

void eye(float x, float y, float z) { pln.pex = x; pln.pey = y; pln.pez = z; }

void engines(const Engine &e)
{
    pln.entype = e.type; pln.numen = e.count; pln.pmax = e.hp; pln.critalt = e.critalt_ft;
    pln.rpmmin = e.rpm_idle; pln.rpmmax = e.rpm_max;
    pln.rpmmingreen = e.rpm_green_lo; pln.rpmmaxgreen = e.rpm_green_hi;
    pln.tmax = e.thrust_lb; pln.spooltime = e.spool_s; pln.facejet = e.face_sqft;
}

static void airfoils(int part, const char *lo, const char *hi)
{
    C_to_C(lo, pln.Rafl0[part]);
    C_to_C(lo, pln.Tafl0[part]);
    C_to_C(hi && *hi ? hi : lo, pln.Rafl1[part]);
    C_to_C(hi && *hi ? hi : lo, pln.Tafl1[part]);
    pln.diffRe[part] = hi && *hi;
    pln.diffRT[part] = 0;
}

void surface(int part, const Surface &s)
{
    airfoils(part, s.afl_lo, s.afl_hi);
    pln.semiB[part] = s.semispan; pln.Croot[part] = s.root_chord; pln.Ctip[part] = s.tip_chord;
    pln.xarm[part][MAX_ELS] = s.x; pln.yarm[part][MAX_ELS] = s.y; pln.zarm[part][MAX_ELS] = s.z;
    pln.sweep1[part] = pln.sweep2[part] = s.sweep;
    pln.dihed[part] = s.dihedral;
    pln.els[part] = s.els;
    for (int i = 0; i < s.els; i++)
        pln.anginc[part][i] = s.els > 1 ? s.inc_root + (s.inc_tip - s.inc_root) * i / (s.els - 1) : s.inc_root;
}

// Blade angle of each of eight elements for the design pitch, as the
// designer's propeller screen sets it; a variable-pitch blade is then turned
// flat at the tip and the pitch range runs from 0 to 10 degrees past it.
void rotor(int part, const Rotor &r)
{
    airfoils(part, r.afl_lo, r.afl_hi);
    pln.numblades[part] = (float)r.blades;
    pln.semiB[part] = r.radius_ft;
    pln.Croot[part] = pln.Ctip[part] = r.chord_in / 12.0f;
    pln.xarm[part][MAX_ELS] = r.x; pln.yarm[part][MAX_ELS] = r.y; pln.zarm[part][MAX_ELS] = r.z;
    pln.des_adv[part] = r.design_pitch_in; pln.des_rpm[part] = r.design_rpm;
    pln.des_v[part] = r.design_rpm / 60.0f * r.design_pitch_in / 12.0f * 0.592484f;
    pln.varpitchEQ[part] = r.variable_pitch; pln.propdir[part] = r.direction;
    pln.els[part] = MAX_ELS;
    float tip_beta = atanf(r.design_pitch_in / 12.0f / (2.0f * PI * r.radius_ft)) * 180.0f / PI;
    for (int i = 0; i < MAX_ELS; i++) {
        float radius = (i + 0.5f) / MAX_ELS * r.radius_ft;
        pln.anginc[part][i] = atanf(r.design_pitch_in / 12.0f / (2.0f * PI * radius)) * 180.0f / PI;
        if (r.variable_pitch)
            pln.anginc[part][i] -= tip_beta;
    }
    pln.minpitch[part] = r.variable_pitch ? 0.0f : r.min_pitch;
    pln.maxpitch[part] = r.variable_pitch ? tip_beta + 10.0f : r.max_pitch;
}

void twist(int part, float root_deg, float tip_deg)
{
    int n = pln.els[part];
    for (int i = 0; i < n; i++)
        pln.anginc[part][i] = root_deg + (tip_deg - root_deg) * (i + 0.5f) / n;
}

void in_wash(int part, int first, int last)
{
    for (int i = first; i <= last; i++)
        pln.wash[part][i] = 1;
}

void mark(int (*row)[MAX_ELS], int part, int first, int last)
{
    for (int i = first; i <= last; i++)
        row[part][i] = 1;
}

void fuselage(const Station (&st)[N_FUSE_STATIONS], float cd, int in_wash)
{
    pln.cdfuse = cd;
    pln.fusewash = in_wash;
    pln.fuse_nose = st[0].x;
    pln.fuse_len = st[N_FUSE_STATIONS - 1].x - st[0].x;
    for (int i = 0; i < N_FUSE_STATIONS; i++) {
        float zc = (st[i].top + st[i].bottom) / 2.0f, hh = (st[i].top - st[i].bottom) / 2.0f;
        pln.fuse_rad = fmaxf(pln.fuse_rad, fmaxf(hh, st[i].half_width));
        for (int j = 0; j < N_FUSE_RADIALS; j++) {
            float a = j * PI / 4.0f;   // top (j = 0) round to the bottom (j = 4)
            pln.fuse_x[i][j] = st[i].x;
            pln.fuse_y[i][j] = j == 0 || j == 4 ? 0.0f : st[i].half_width * sinf(a);
            pln.fuse_z[i][j] = zc + hh * cosf(a);
        }
    }
}

void weights(float cgx, float cgz, float empty_lb, float max_lb, float fuel_lb)
{
    pln.cgx = cgx; pln.cgz = cgz;
    pln.w_empty = empty_lb; pln.w_max = max_lb; pln.w_fuel = fuel_lb;
}

void tricycle(float nose_x, float main_x, float main_y, float main_z, float steer_deg, int retract,
              float attitude_deg)
{
    pln.gearEQ = 1;
    pln.retractEQ = retract;
    pln.nwsteer = steer_deg;
    pln.sgear = retract ? 0.5f : 2.0f;
    pln.ngearx = nose_x; pln.mgearx = main_x; pln.mgeary = main_y; pln.mgearz = main_z;
    float base = main_x - nose_x;
    float nose_share = (main_x - pln.cgx) / base;
    float main_height = -(main_z - pln.cgz) - 0.25f * (1.0f - nose_share) * FT_PER_M;
    float nose_height = main_height + sinf(attitude_deg * PI / 180.0f) * base;
    pln.ngearz = pln.cgz - 0.5f * nose_share * FT_PER_M - nose_height;
}

void skids(float front_x, float half_track, float z, float length)
{
    pln.skidEQ = 1;
    pln.skidx = front_x; pln.skidy = half_track; pln.skidz = z; pln.skidl = length;
}

void floats(float x, float y, float z, float half_length, float width, float bow_rise)
{
    pln.floatEQ = 1;
    for (int k = 0; k < 2; k++) {
        pln.floatx[k] = x; pln.floaty[k] = k ? y : -y; pln.floatz[k] = z;
        pln.floatl[k] = half_length; pln.floatw[k] = width; pln.floatnoseup[k] = bow_rise;
    }
}

void controls(float ail_crat, float elev_crat, float rudd_crat, float ail_up, float ail_dn, float elev_up,
              float elev_dn, float rudd_def, int con_type)
{
    pln.ailn_crat = ail_crat; pln.elev_crat = elev_crat; pln.rudd_crat = rudd_crat;
    pln.ailn_up = ail_up; pln.ailn_dn = ail_dn; pln.elev_up = elev_up; pln.elev_dn = elev_dn;
    pln.rudd_def = rudd_def;
    pln.con_type = con_type;
}

}  // namespace acb
