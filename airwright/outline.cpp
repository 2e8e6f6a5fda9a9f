// Stand-in for the shaded aircraft drawing until the view library's
// plot_plane is linked: the design as white lines (fuselage stations and
// stringers, every surface's outline, the propeller and rotor discs).
#include "airwright/local.h"

#include <cmath>

namespace airwright {

constexpr int LINE_COLOR = 23;
constexpr int DISC_SEGMENTS = 24;

static void line3(float x1, float y1, float z1, float x2, float y2, float z2)
{
    int a, b, c, d;
    if (view_project(x1, y1, z1, &a, &b) && view_project(x2, y2, z2, &c, &d))
        MACIBM_line(LINE_COLOR, a, b, c, d, 1);
}

static void fuselage(float side)
{
    for (int i = 0; i < N_FUSE_STATIONS; i++)
        for (int j = 0; j < N_FUSE_RADIALS; j++) {
            float x = pln.fuse_x[i][j] - pln.cgx, y = side * pln.fuse_y[i][j], z = pln.fuse_z[i][j] - pln.cgz;
            if (j + 1 < N_FUSE_RADIALS)
                line3(x, y, z, pln.fuse_x[i][j + 1] - pln.cgx, side * pln.fuse_y[i][j + 1],
                      pln.fuse_z[i][j + 1] - pln.cgz);
            if (i + 1 < N_FUSE_STATIONS)
                line3(x, y, z, pln.fuse_x[i + 1][j] - pln.cgx, side * pln.fuse_y[i + 1][j],
                      pln.fuse_z[i + 1][j] - pln.cgz);
        }
}

// A surface's four corners along its span: wings and stabiliser swept and
// raised by their dihedral, fins swept back and up (down when inverted).
static void surface(int p, float side)
{
    float d = pln.semiB[p], rad = (float)M_PI / 180.0f;
    float sw = sinf(pln.sweep1[p] * rad), cw = cosf(pln.sweep1[p] * rad);
    float sd = sinf(pln.dihed[p] * rad), cd = cosf(pln.dihed[p] * rad);
    float x0 = pln.xarm[p][NARM - 1] - pln.cgx, y0 = pln.yarm[p][NARM - 1], z0 = pln.zarm[p][NARM - 1] - pln.cgz;
    float tx, ty, tz;
    if (p >= 5) {
        tx = x0 + sw * d, ty = y0, tz = z0 + (pln.inverted[p] ? -1.0f : 1.0f) * cw * d;
    } else {
        tx = x0 + sw * cd * d, ty = y0 + cw * cd * d, tz = z0 + sd * d;
    }
    float cr = pln.Croot[p], ct = pln.Ctip[p];
    line3(x0 - 0.25f * cr, side * y0, z0, tx - 0.25f * ct, side * ty, tz);
    line3(tx - 0.25f * ct, side * ty, tz, tx + 0.75f * ct, side * ty, tz);
    line3(tx + 0.75f * ct, side * ty, tz, x0 + 0.75f * cr, side * y0, z0);
    line3(x0 + 0.75f * cr, side * y0, z0, x0 - 0.25f * cr, side * y0, z0);
}

// The disc swept by propeller or rotor p, tilted by its cants.
static void disc(int p)
{
    float rad = (float)M_PI / 180.0f, r = pln.semiB[p];
    float sv = sinf(pln.vertcant[p] * rad), cv = cosf(pln.vertcant[p] * rad);
    float ss = sinf(pln.sidecant[p] * rad), cs = cosf(pln.sidecant[p] * rad);
    float hx = pln.xarm[p][NARM - 1] - pln.cgx, hy = pln.yarm[p][NARM - 1], hz = pln.zarm[p][NARM - 1] - pln.cgz;
    float px = 0, py = 0, pz = 0;
    for (int k = 0; k <= DISC_SEGMENTS; k++) {
        float a = 2.0f * (float)M_PI * k / DISC_SEGMENTS, u = r * cosf(a), w = r * sinf(a);
        float x = hx + u * sv, y = hy + w * cs, z = hz + u * cv - w * ss;
        if (k > 0)
            line3(px, py, pz, x, y, z);
        px = x, py = y, pz = z;
    }
}

void draw_aircraft()
{
    fuselage(1.0f);
    fuselage(-1.0f);
    for (int p = 2; p < MAX_PARTS; p++) {
        if (!(pln.semiB[p] > 0.05f))
            continue;
        surface(p, 1.0f);
        if (p < 5)
            surface(p, -1.0f);
    }
    int props = pln.is_heli ? 2 : pln.entype == 1 || pln.entype == 2 ? pln.numen : 0;
    for (int p = 0; p < intlim(props, 0, 2); p++)
        if (pln.semiB[p] > 0.05f)
            disc(p);
}

}  // namespace airwright
