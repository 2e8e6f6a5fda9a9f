// Where the elements of each lifting surface sit and which of them fly in
// another surface's downwash, with how strong that downwash is. Load-time
// and sweep-change work; the per-step flow is in flow.cpp.
#include <cmath>
#include <cstdio>

#include "flight/local.h"

static int wrap360(int deg)
{
    int d = deg % 360;
    return d < 0 ? d + 360 : d;
}

void calcsweepgeo(int EN)
{
    if (EN < 2 || EN >= MAX_PARTS)
        return;
    int sw = wrap360(pln.sweepnow[EN]), dh = wrap360(pln.dihed[EN]);
    float xr = pln.xarm[EN][MAX_ELS], yr = pln.yarm[EN][MAX_ELS], zr = pln.zarm[EN][MAX_ELS];
    int n = intlim(pln.els[EN], 0, MAX_ELS);
    for (int el = 0; el < n; el++) {
        float d = pln.spanarm[EN][el];
        if (EN <= 4) {
            pln.xarm[EN][el] = xr + lsin[sw] * lcos[dh] * d;
            pln.yarm[EN][el] = yr + lcos[sw] * lcos[dh] * d;
            pln.zarm[EN][el] = zr + lsin[dh] * d;
        } else {
            pln.xarm[EN][el] = xr + lsin[sw] * d;
            pln.yarm[EN][el] = yr;
            pln.zarm[EN][el] = zr + (pln.inverted[EN] ? -1.0f : 1.0f) * lcos[sw] * d;
        }
    }
}

// Downwash behind a wing per unit lift coefficient, from charts of downwash
// at the tail against aspect ratio, taper ratio and the tail's position
// (in semispans). Rows: taper 1.0, 0.5, 0.2; columns: AR 6, 9, 12.
static const float WASH_E0[9] = {6.2f, 4.0f, 3.0f, 8.0f, 5.1f, 3.9f, 9.1f, 6.1f, 4.3f};
static const float WASH_K[9] = {-5.25f, -3.5f, -2.51f, -8.17f, -5.33f, -4.0f, -12.0f, -7.38f, -5.0f};
static const float WASH_M0[9] = {1.5f, 1.3f, 1.0f, 1.5f, 1.1f, 0.7f, 1.4f, 1.0f, 0.4f};
static const float WASH_M4[9] = {0.8f, 0.6f, 0.5f, 0.7f, 0.5f, 0.4f, 0.4f, 0.3f, 0.1f};

static float wash_chart(const float *z, float AR, float TR)
{
    return interp9(6.0f, 9.0f, 12.0f, 1.0f, 0.5f, 0.2f, z[0], z[1], z[2], z[3], z[4], z[5], z[6], z[7],
                   z[8], AR, TR);
}

float findspecwash(float hDs, float xDs, float AR, float TR)
{
    constexpr float XSEP_REF = 0.6f;   // the charts' reference x-separation
    if (!std::isfinite(hDs)) hDs = 0.0f;
    if (!std::isfinite(xDs)) xDs = XSEP_REF;
    AR = std::isfinite(AR) ? fltlim(AR, 3.0f, 15.0f) : 6.0f;
    TR = std::isfinite(TR) ? fltlim(TR, 0.1f, 1.1f) : 1.0f;
    float e0 = wash_chart(WASH_E0, AR, TR), k = wash_chart(WASH_K, AR, TR);
    float m0 = wash_chart(WASH_M0, AR, TR), m4 = wash_chart(WASH_M4, AR, TR);
    float at_ref = fltlim(e0 + k * hDs, 0.0f, 10.0f);
    float slope = flight_lerp(0.0f, m0, 0.4f, m4, hDs);
    float change = fltlim(slope * (xDs - XSEP_REF), 0.0f, 10.0f);
    return at_ref - (xDs - XSEP_REF) * change;
}

float interp9(float x1, float x2, float x3, float y1, float y2, float y3,
              float z11, float z21, float z31, float z12, float z22, float z32,
              float z13, float z23, float z33, float x, float y)
{
    int xhi = !(x < x2), yhi = !(y > y2);   // upper segments: [x2, x3], [y2, y3]
    float xa = xhi ? x2 : x1, xb = xhi ? x3 : x2;
    float ya = yhi ? y2 : y1, yb = yhi ? y3 : y2;
    // The two grid rows of the y segment, each taken along x.
    float ra_a = yhi ? (xhi ? z22 : z12) : (xhi ? z21 : z11);
    float ra_b = yhi ? (xhi ? z32 : z22) : (xhi ? z31 : z21);
    float rb_a = yhi ? (xhi ? z23 : z13) : (xhi ? z22 : z12);
    float rb_b = yhi ? (xhi ? z33 : z23) : (xhi ? z32 : z22);
    float za = flight_lerp(xa, ra_a, xb, ra_b, x);
    float zb = flight_lerp(xa, rb_a, xb, rb_b, x);
    return flight_lerp(ya, za, yb, zb, y);
}

static const char *surface_name(int EN)
{
    if (EN == 4)
        return pln.hstabtype ? "stabilator" : "stabilizer";
    if (pln.foileq[2] && pln.foileq[3])
        return EN == 2 ? "wing number 1" : "wing number 2";
    return "wing";
}

static void report_pair(void (*report)(const char *), int W, int E, int n, float hDs, float xDs)
{
    char line[MAX_STR];
    const char *w = surface_name(W), *e = surface_name(E);
    snprintf(line, sizeof line, "I am showing the %s casting downwash on the %s on the inside %d elements of the %s\n",
             w, e, n, e);
    report(line);
    float tr = pln.Croot[W] > 0.0f ? pln.Ctip[W] / pln.Croot[W] : 1.0f;
    snprintf(line, sizeof line, "Based on the %s AR of %.2f\n", w, pln.AR[W]);
    report(line);
    snprintf(line, sizeof line, "                        TR of %.2f\n", tr);
    report(line);
    snprintf(line, sizeof line, "                        x-separation of %.2f semi-spans,\n", xDs);
    report(line);
    snprintf(line, sizeof line, "                    and z-separation of %.2f semi-spans,\n", hDs);
    report(line);
    snprintf(line, sizeof line, "the downwash of the %s on the %s will be %.2f degrees per coefficient of lift\n", w,
             e, pln.specwash[W]);
    report(line);
    snprintf(line, sizeof line, "TIMES THE COSINE of the %s sweep.\n\n", w);
    report(line);
}

// Flags the elements of washee E inside washer W's semispan; returns how
// many.
static int flag_washed(int W, int E)
{
    int n = 0;
    for (int el = 0; el < intlim(pln.els[E], 0, MAX_ELS); el++)
        if (pln.yarm[E][el] < pln.semiB[W]) {
            pln.downwash[W][E][el] = 1;
            n++;
        }
    return n;
}

void setup_downwash(void (*report)(const char *line))
{
    for (int W = 0; W < MAX_PARTS; W++) {
        pln.specwash[W] = 0.0f;
        for (int E = 0; E < MAX_PARTS; E++)
            for (int el = 0; el < MAX_ELS; el++)
                pln.downwash[W][E][el] = 0;
    }
    for (int E = 2; E <= 4; E++)
        for (int W = 2; W <= 4; W++) {
            if (W == E || !pln.foileq[W] || !pln.foileq[E] || !(pln.xarm[W][0] < pln.xarm[E][0]))
                continue;
            if (!(pln.semiB[W] > 0.0f))
                continue;
            int n = flag_washed(W, E);
            float hDs = fabsf(pln.zarm[E][0] - pln.zarm[W][0]) / pln.semiB[W];
            float xDs = fabsf(pln.xarm[E][0] - pln.xarm[W][0]) / pln.semiB[W];
            float tr = pln.Croot[W] > 0.0f ? pln.Ctip[W] / pln.Croot[W] : 1.0f;
            pln.specwash[W] = findspecwash(hDs, xDs, pln.AR[W], tr);
            if (report)
                report_pair(report, W, E, n, hDs, xDs);
        }
}
