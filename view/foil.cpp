// Wings, stabiliser and fins of the drawn aircraft: each surface one
// quadrilateral from root to tip, its root trimmed back to the fuselage's
// outline, shaded by the face the camera sees, with its control surfaces
// outlined at their present deflections.
#include "view/local.h"

#include <cmath>

constexpr float MIN_SPAN_M = 0.05f;        // surfaces shorter than this are not drawn
constexpr float LEADING_EDGE = -0.25f;     // chord positions from the quarter-chord arm, in chords
constexpr float TRAILING_EDGE = 0.75f;
constexpr float FLAP_HINGE = 0.6f;
// Flaps are drawn turned down 40 degrees at full flap: the flap files give
// lift, drag and moment by setting, not an angle, and 40 degrees is the
// usual full setting of a light aircraft's slotted flap.
constexpr float FULL_FLAP_DRAWN_DEG = 40.0f;
constexpr int FULL_FLAP_INDEX = 50;
constexpr int FIRST_FIN = 5;

static int is_fin(int part) { return part >= FIRST_FIN; }
static float tsin(float deg) { return lsin[deg_index(deg)]; }
static float tcos(float deg) { return lcos[deg_index(deg)]; }

float get_wing_xarm(int part, float d)
{
    float sweep = (float)pln.sweepnow[part];
    if (is_fin(part))
        return pln.xarm[part][MAX_ELS] + tsin(sweep) * d;
    return pln.xarm[part][MAX_ELS] + tsin(sweep) * tcos((float)pln.dihed[part]) * d;
}

float get_wing_yarm(int part, float d)
{
    if (is_fin(part))
        return pln.yarm[part][MAX_ELS];
    return pln.yarm[part][MAX_ELS] + tcos((float)pln.sweepnow[part]) * tcos((float)pln.dihed[part]) * d;
}

float get_wing_zarm(int part, float d)
{
    if (is_fin(part)) {
        float up = tcos((float)pln.sweepnow[part]) * d;
        return pln.zarm[part][MAX_ELS] + (pln.inverted[part] ? -up : up);
    }
    return pln.zarm[part][MAX_ELS] + tsin((float)pln.dihed[part]) * d;
}

static void span_point(int part, float d, float p[3])
{
    p[0] = get_wing_xarm(part, d);
    p[1] = get_wing_yarm(part, d);
    p[2] = get_wing_zarm(part, d);
}

static float chord_at(int part, float d)
{
    return pln.Croot[part] + (pln.Ctip[part] - pln.Croot[part]) * d / pln.semiB[part];
}

// Moves a root corner out along its edge towards the tip corner to where
// the edge crosses the fuselage's outline: the plan outline (half-widths)
// for a wing, the top (or, for an inverted fin, the bottom) profile for a
// fin. A crossing counts only within one of the outline's eight segments
// and between the two corners.
static void scoot_out_wing(int part, float root[3], const float tip[3])
{
    int fin = is_fin(part), span_axis = fin ? 2 : 1;
    int pt = fin ? (pln.inverted[part] ? N_FUSE_RADIALS - 1 : 0) : N_FUSE_RADIALS / 2;
    float ex = tip[0] - root[0], es = tip[span_axis] - root[span_axis];
    for (int s = 0; s + 1 < N_FUSE_STATIONS; s++) {
        float ax = pln.fuse_x[s][pt], as = fin ? pln.fuse_z[s][pt] : pln.fuse_y[s][pt];
        float gx = pln.fuse_x[s + 1][pt] - ax;
        float gs = (fin ? pln.fuse_z[s + 1][pt] : pln.fuse_y[s + 1][pt]) - as;
        float det = gx * es - ex * gs;
        if (!(fabsf(det) > 1.0e-9f))
            continue;
        float hx = ax - root[0], hs = as - root[span_axis];
        float t = (gx * hs - hx * gs) / det, u = (ex * hs - es * hx) / det;
        if (t >= 0.0f && t <= 1.0f && u >= 0.0f && u <= 1.0f) {
            for (int k = 0; k < 3; k++)
                root[k] += t * (tip[k] - root[k]);
            return;
        }
    }
}

// Is the surface's root inside the fuselage at its middle station?
static int root_in_fuselage(int part)
{
    int mid = N_FUSE_STATIONS / 2;
    if (is_fin(part))
        return pln.zarm[part][MAX_ELS] < pln.fuse_z[mid][0] &&
               pln.zarm[part][MAX_ELS] > pln.fuse_z[mid][N_FUSE_RADIALS - 1];
    return fabsf(pln.yarm[part][MAX_ELS]) < pln.fuse_y[mid][N_FUSE_RADIALS / 2];
}

// Unit normal of a surface's lifting side, in arms: up for a wing (tilted
// by its dihedral), right for a fin. A positive deflection moves a
// control's trailing edge this way.
static void lift_normal(int part, float n[3])
{
    n[0] = 0.0f;
    if (is_fin(part)) {
        n[1] = 1.0f;
        n[2] = 0.0f;
        return;
    }
    float span[3], root[3];
    span_point(part, 1.0f, span);
    span_point(part, 0.0f, root);
    n[1] = -(span[2] - root[2]);
    n[2] = span[1] - root[1];
    float len = sqrtf(n[1] * n[1] + n[2] * n[2]);
    if (!(len > 1.0e-6f)) {
        n[1] = 0.0f;
        n[2] = 1.0f;
        return;
    }
    n[1] /= len;
    n[2] /= len;
}

// A control surface on every element of `part` that carries it (flags):
// the hinge line at chord position `hinge`, its free edge at `free_edge`
// turned `deflection` degrees about the hinge, and the span-wise ends
// where the neighbouring element does not carry it.
static void draw_control(int part, float side, const int flags[MAX_ELS], float hinge, float free_edge,
                         float deflection)
{
    int els = intlim(pln.els[part], 0, MAX_ELS);
    float n[3], c = tcos(deflection), s = tsin(deflection);
    lift_normal(part, n);
    float h[2][3], f[2][3];   // hinge and free-edge points at the element's two stations
    for (int e = 0; e < els; e++) {
        if (!flags[e])
            continue;
        for (int end = 0; end < 2; end++) {
            float d = pln.semiB[part] * (e + end) / els, chord = chord_at(part, d);
            span_point(part, d, h[end]);
            h[end][0] += hinge * chord;
            float len = (free_edge - hinge) * chord;
            for (int k = 0; k < 3; k++)
                f[end][k] = h[end][k] + len * ((k == 0 ? c : 0.0f) + s * n[k]);
        }
        draw_line(h[0][0], side * h[0][1], h[0][2], h[1][0], side * h[1][1], h[1][2]);
        draw_line(f[0][0], side * f[0][1], f[0][2], f[1][0], side * f[1][1], f[1][2]);
        if (e == 0 || !flags[e - 1])
            draw_line(h[0][0], side * h[0][1], h[0][2], f[0][0], side * f[0][1], f[0][2]);
        if (e == els - 1 || !flags[e + 1])
            draw_line(h[1][0], side * h[1][1], h[1][2], f[1][0], side * f[1][1], f[1][2]);
    }
}

// Every control surface a wing, stabiliser or fin carries, on one side,
// with that side's deflections (positive: trailing edge up, on a fin to the
// right).
static void draw_controls(int part, int side)
{
    if (is_fin(part)) {
        draw_control(part, 1.0f, pln.rudd[part], TRAILING_EDGE - pln.rudd_crat, TRAILING_EDGE, flt.ruddef);
        return;
    }
    int left = side < 0;
    float sd = (float)side;
    float splr_hinge = FLAP_HINGE - pln.splr_crat;
    float flap_deg = -FULL_FLAP_DRAWN_DEG * (float)intlim(flt.flap, 0, FULL_FLAP_INDEX) / FULL_FLAP_INDEX;
    float sbrk_deg = (float)intmax2(flt.sbrk, 0) * 0.5f * pln.sbrk_def;
    float tilt_deg = -pln.vertcant[left ? 0 : 1];
    draw_control(part, sd, pln.ailn[part], TRAILING_EDGE - pln.ailn_crat, TRAILING_EDGE,
                 left ? flt.lailndef : flt.railndef);
    draw_control(part, sd, pln.splr[part], splr_hinge, FLAP_HINGE, left ? flt.lsplrdef : flt.rsplrdef);
    draw_control(part, sd, pln.flap[part], FLAP_HINGE, TRAILING_EDGE, flap_deg);
    draw_control(part, sd, pln.slat[part], LEADING_EDGE, TRAILING_EDGE, 0.0f);
    draw_control(part, sd, pln.sbrk[part], splr_hinge - pln.sbrk_crat, splr_hinge, sbrk_deg);
    draw_control(part, sd, pln.tilt[part], LEADING_EDGE, TRAILING_EDGE, tilt_deg);
    draw_control(part, sd, pln.drud[part], TRAILING_EDGE - pln.drud_crat, TRAILING_EDGE,
                 left ? flt.ldruddef : flt.rdruddef);
    draw_control(part, sd, pln.elev[part], TRAILING_EDGE - pln.elev_crat, TRAILING_EDGE,
                 left ? flt.lhstbdef : flt.rhstbdef);
}

// The surface's quadrilateral (corners root and tip leading edge, tip and
// root trailing edge): top colour when its upper (on a fin, right) face is
// towards the camera, else bottom; the light at the tip leading edge.
static void draw_foil(int part, int side, float corners[4][3], int top_color, int bottom_color, int light)
{
    if (root_in_fuselage(part)) {
        scoot_out_wing(part, corners[0], corners[1]);
        scoot_out_wing(part, corners[3], corners[2]);
    }
    int sx[4], sy[4];
    float cam[4][3];
    if (project_plane_points(corners, 4, (float)side, sx, sy, cam) != PT_INSIDE)
        return;
    float a[3], b[3];
    for (int k = 0; k < 3; k++) {
        a[k] = cam[0][k] - cam[1][k];
        b[k] = cam[2][k] - cam[1][k];
    }
    // The left side is the right one mirrored, so its corners run the
    // other way round.
    int upper_seen = facing(a[0], a[1], a[2], b[0], b[1], b[2], cam[1][0], cam[1][1], cam[1][2]) == (side > 0);
    MACIBM_poly4(upper_seen ? top_color : bottom_color, sx[0], sy[0], sx[1], sy[1], sx[2], sy[2], sx[3],
                 sy[3], 1);
    draw_light(sx[1], sy[1], light);
    draw_controls(part, side);
}

void handle_a_wing(int part, int side, int light_colour)
{
    float b = pln.semiB[part];
    if (!(b >= MIN_SPAN_M))
        return;
    float root[3], tip[3];
    span_point(part, 0.0f, root);
    span_point(part, b, tip);
    float cr = pln.Croot[part], ct = pln.Ctip[part];
    float corners[4][3] = {{root[0] + LEADING_EDGE * cr, root[1], root[2]},
                           {tip[0] + LEADING_EDGE * ct, tip[1], tip[2]},
                           {tip[0] + TRAILING_EDGE * ct, tip[1], tip[2]},
                           {root[0] + TRAILING_EDGE * cr, root[1], root[2]}};
    int t = plane_time();
    if (is_fin(part))
        draw_foil(part, 1, corners, 19 - t, 19 - t, light_colour);
    else
        draw_foil(part, side, corners, 22 - t, 16 - t, light_colour);
}
