// Propeller and rotor blades of the drawn aircraft: each blade a tapered
// quadrilateral in the disc, the whole set turned a third of the blade
// spacing at every drawing so that the blades seem to spin.
#include "view/local.h"

int track_ang;

constexpr int BLADE_COLOR = 11;
constexpr int MAX_DRAWN_BLADES = 360;   // one degree apart at most

// Blade of propeller n at angle a (whole degrees) in its disc: from the hub
// along (cos a, sin a) to the blade radius, half a chord either side. The
// disc stands across the thrust line, tilted by the engine's vertical and
// sideways cant.
static void draw_blade(int n, int a)
{
    float s = lsin[a], c = lcos[a], r = pln.semiB[n];
    float hub = 0.5f * pln.Croot[n], tip = 0.5f * pln.Ctip[n];
    const float disc[4][2] = {{hub * s, -hub * c}, {r * c + tip * s, r * s - tip * c},
                              {r * c - tip * s, r * s + tip * c}, {-hub * s, hub * c}};
    int vc = deg_index(pln.vertcant[n]), sc = deg_index(pln.sidecant[n]);
    float corners[4][3];
    for (int k = 0; k < 4; k++) {
        float u = disc[k][0], w = disc[k][1];
        corners[k][0] = pln.xarm[n][MAX_ELS] + u * lsin[vc];
        corners[k][1] = pln.yarm[n][MAX_ELS] + w * lcos[sc];
        corners[k][2] = pln.zarm[n][MAX_ELS] + u * lcos[vc] - w * lsin[sc];
    }
    int sx[4], sy[4];
    if (project_plane_points(corners, 4, 1.0f, sx, sy, nullptr) == PT_INSIDE)
        MACIBM_poly4(BLADE_COLOR, sx[0], sy[0], sx[1], sy[1], sx[2], sy[2], sx[3], sy[3], 1);
}

void handle_a_prop(int n)
{
    if (pln.entype != 1 && pln.entype != 2)
        return;
    if (!(pln.numblades[n] >= 1.0f))
        return;   // no blades: nothing turns
    int blades = pln.numblades[n] < MAX_DRAWN_BLADES ? (int)pln.numblades[n] : MAX_DRAWN_BLADES;
    int step = 360 / blades;
    track_ang = (track_ang + step / 3) % 360;
    for (int b = 1; b <= blades; b++)
        draw_blade(n, (b * step + track_ang) % 360);
}
