// The aircraft as a shaded solid, painted without a depth buffer: the parts
// on the far side of the fuselage first, then the fuselage from its far end,
// then the near side, the order taken from which end, side and face of the
// fuselage is nearer the camera. Also the projection and zoom-out rules
// every part of the drawing shares.
#include "view/local.h"

#include <cmath>

constexpr int TAIL_STATION = N_FUSE_STATIONS - 1;
constexpr int MID_STATION = N_FUSE_STATIONS / 2;
constexpr int TOP_POINT = 0, MID_POINT = N_FUSE_RADIALS / 2, BOTTOM_POINT = N_FUSE_RADIALS - 1;
constexpr int LEFT = 0, RIGHT = 1;
constexpr int RED_LIGHT = 30, GREEN_LIGHT = 57, WHITE_LIGHT = 55;
constexpr int DARK = 11;           // a pulsing light between its pulses
constexpr int PULSE_PERIOD = 25;   // steps of scn.rb_cycle per beacon pulse
constexpr float MIN_PART_SIZE_M = 0.05f;   // floats this short or narrow are not drawn
// Pixel positions further out than this are off any view (and far from
// the limits of int).
constexpr float FAR_OFF_PX = 1.0e6f;

// Set once this plot_plane call has zoomed out: one halving per drawing,
// so an oversized aircraft steps the zoom down frame by frame.
static int zoomed_this_call;

int plane_time() { return intlim(scn.time, 1, 4); }
int plane_outline_color() { return 15 - plane_time(); }

int pulse_color(int phase)
{
    static const int PULSE[] = {35, 34, 33, 31, 30, 36, 30, 31, 33, 34, 35};
    return phase >= 0 && phase < (int)(sizeof PULSE / sizeof PULSE[0]) ? PULSE[phase] : DARK;
}

void plane_zoom_out()
{
    if (zoomed_this_call)
        return;
    zoomed_this_call = 1;
    set_mon(-1, 0.5f);
}

// One aircraft point: camera-space position, and whole pixels when it lies
// in the view rectangle.
static int project_one(float x, float y, float z, int *sx, int *sy, float cam[3])
{
    xfrm_PLANE(y, -x, z, &cam[0], &cam[1], &cam[2]);
    if (!(cam[1] > 0.0f))
        return PT_BEHIND;
    float fx = con.off_view_center_fx + con.zom_pp45 * cam[0] / cam[1];
    float fy = con.off_view_center_fy - con.zom_pp45 * cam[2] / cam[1];
    if (!(fabsf(fx) < FAR_OFF_PX && fabsf(fy) < FAR_OFF_PX))
        return PT_OUTSIDE;
    *sx = iround(fx);
    *sy = iround(fy);
    return intbox(*sx, *sy, con.off_int_lft, con.off_int_top, con.off_int_rgt, con.off_int_bot)
               ? PT_INSIDE : PT_OUTSIDE;
}

int project_plane_points(const float pts[][3], int n, float side, int sx[], int sy[], float cam[][3])
{
    int result = PT_INSIDE;
    for (int k = 0; k < n; k++) {
        float c[3];
        int r = project_one(pts[k][0], side * pts[k][1], pts[k][2], &sx[k], &sy[k], cam ? cam[k] : c);
        if (r == PT_BEHIND)
            return PT_BEHIND;
        if (r == PT_OUTSIDE)
            result = PT_OUTSIDE;
    }
    if (result == PT_OUTSIDE)
        plane_zoom_out();
    return result;
}

void draw_light(int x, int y, int colour)
{
    if (plane_time() == 1 || colour == 0)
        return;
    MACIBM_fillrect(colour, x, y, 1, 1, 1);
}

void draw_line(float x1, float y1, float z1, float x2, float y2, float z2)
{
    const float p[2][3] = {{x1, y1, z1}, {x2, y2, z2}};
    int sx[2], sy[2];
    if (project_plane_points(p, 2, 1.0f, sx, sy, nullptr) == PT_INSIDE)
        MACIBM_line(plane_outline_color(), sx[0], sy[0], sx[1], sy[1], 1);
}

// The fuselage's points of both sides, projected.
struct Fuselage {
    int x[2][N_FUSE_STATIONS][N_FUSE_RADIALS], y[2][N_FUSE_STATIONS][N_FUSE_RADIALS];
    float depth[2][N_FUSE_STATIONS][N_FUSE_RADIALS];
};

// PT_INSIDE when every point is in view; PT_BEHIND when any is at or behind
// the camera.
static int project_fuselage(Fuselage *f)
{
    int result = PT_INSIDE;
    for (int side = LEFT; side <= RIGHT; side++)
        for (int s = 0; s < N_FUSE_STATIONS; s++)
            for (int r = 0; r < N_FUSE_RADIALS; r++) {
                float cam[3], y = side == RIGHT ? pln.fuse_y[s][r] : -pln.fuse_y[s][r];
                int code = project_one(pln.fuse_x[s][r], y, pln.fuse_z[s][r], &f->x[side][s][r],
                                       &f->y[side][s][r], cam);
                if (code == PT_BEHIND)
                    return PT_BEHIND;
                if (code == PT_OUTSIDE)
                    result = PT_OUTSIDE;
                f->depth[side][s][r] = cam[1];
            }
    return result;
}

// Depth of a fuselage point midway between its two sides.
static float mean_depth(const Fuselage *f, int s, int r)
{
    return 0.5f * (f->depth[LEFT][s][r] + f->depth[RIGHT][s][r]);
}

// One side's skin, far cells first: the cross-section's far points first
// (so that from above every bottom cell lies under the top ones, and from
// below the reverse), and along each band of cells the stations from the
// far end. Each cell is two triangles, shaded darker towards the bottom.
static void draw_skin(const Fuselage *f, int side, int tail_near, int bottom_near)
{
    int base = 22 - plane_time();
    for (int m = 0; m < N_FUSE_RADIALS - 1; m++) {
        int r = bottom_near ? m : N_FUSE_RADIALS - 2 - m;
        for (int n = 0; n < N_FUSE_STATIONS - 1; n++) {
            int s = tail_near ? n : N_FUSE_STATIONS - 2 - n;
            const int(*x)[N_FUSE_RADIALS] = f->x[side], (*y)[N_FUSE_RADIALS] = f->y[side];
            MACIBM_poly3(base - 2 * r, x[s][r], y[s][r], x[s + 1][r], y[s + 1][r], x[s + 1][r + 1],
                         y[s + 1][r + 1], 1);
            MACIBM_poly3(base - 2 * r - 1, x[s][r], y[s][r], x[s + 1][r + 1], y[s + 1][r + 1], x[s][r + 1],
                         y[s][r + 1], 1);
        }
    }
}

// Floats as box outlines (floatl is the half length, as the float model
// takes it), the bow raised by floatnoseup; skids as two lines.
static void draw_floats_and_skids()
{
    for (int k = 0; pln.floatEQ == 1 && k < N_FLOATS; k++) {
        float L = pln.floatl[k], W = 0.5f * pln.floatw[k];
        if (!(L > MIN_PART_SIZE_M && pln.floatw[k] > MIN_PART_SIZE_M))
            continue;
        float xf = pln.floatx[k] - L, xb = pln.floatx[k] + L, y = pln.floaty[k];
        float zf = pln.floatz[k] + pln.floatnoseup[k], zb = pln.floatz[k];
        draw_line(xf, y - W, zf, xf, y + W, zf);
        draw_line(xb, y - W, zb, xb, y + W, zb);
        draw_line(xf, y - W, zf, xb, y - W, zb);
        draw_line(xf, y + W, zf, xb, y + W, zb);
    }
    if (pln.skidEQ == 1)
        for (int s = -1; s <= 1; s += 2)
            draw_line(pln.skidx, s * pln.skidy, pln.skidz, pln.skidx + pln.skidl, s * pln.skidy, pln.skidz);
}

// Which propeller is on the left: the one further left, propeller 0 when
// they stand level.
static int left_prop() { return pln.yarm[1][MAX_ELS] < pln.yarm[0][MAX_ELS] ? 1 : 0; }

// The propellers and rotors on the far side of the fuselage (near 0, drawn
// first) or on its near side (near 1, drawn after it): a helicopter's main
// rotor is far when the camera is below, its tail rotor when the tail is
// far; a single propeller when it lies at the far end; a twin's near
// propeller (its far one goes with the far wing).
static void draw_props(int near, int tail_near, int bottom_near, int far_prop)
{
    if (pln.is_heli) {
        if (bottom_near != near)
            handle_a_prop(0);
        if (tail_near == near)
            handle_a_prop(1);
    } else if (pln.numen == 1) {
        if (((pln.xarm[0][MAX_ELS] > 0.0f) != tail_near) != near)
            handle_a_prop(0);
    } else if (pln.numen == 2 && near) {
        handle_a_prop(1 - far_prop);
    }
}

void plot_plane()
{
    zoomed_this_call = 0;
    Fuselage f;
    int code = project_fuselage(&f);
    if (code != PT_INSIDE) {
        if (code == PT_OUTSIDE)
            plane_zoom_out();
        return;
    }
    int tail_near = mean_depth(&f, TAIL_STATION, MID_POINT) < mean_depth(&f, 0, MID_POINT);
    int bottom_near = mean_depth(&f, MID_STATION, BOTTOM_POINT) < mean_depth(&f, MID_STATION, TOP_POINT);
    int right_near = f.depth[RIGHT][MID_STATION][MID_POINT] < f.depth[LEFT][MID_STATION][MID_POINT];
    int near_side = right_near ? RIGHT : LEFT, far_side = RIGHT + LEFT - near_side;
    int side_sign[2] = {-1, 1}, wing_light[2] = {RED_LIGHT, GREEN_LIGHT};
    int far_prop = right_near ? left_prop() : 1 - left_prop();
    int beacon = pulse_color(scn.rb_cycle % PULSE_PERIOD);
    if (beacon == DARK)
        beacon = 0;

    draw_props(0, tail_near, bottom_near, far_prop);
    // A twin's far propeller goes behind the wing when the wing's root is
    // ahead of it and the tail is far, or the reverse.
    int twin = !pln.is_heli && pln.numen == 2;
    int far_prop_first = twin && (pln.xarm[2][MAX_ELS] < pln.xarm[far_prop][MAX_ELS]) != tail_near;
    if (far_prop_first)
        handle_a_prop(far_prop);
    for (int part = 2; part <= 4; part++)
        handle_a_wing(part, side_sign[far_side], part == 4 ? 0 : wing_light[far_side]);
    if (twin && !far_prop_first)
        handle_a_prop(far_prop);

    draw_skin(&f, far_side, tail_near, bottom_near);
    handle_a_wing(5, 1, beacon);
    handle_a_wing(6, 1, beacon);
    draw_light(f.x[far_side][MID_STATION][BOTTOM_POINT], f.y[far_side][MID_STATION][BOTTOM_POINT], beacon);
    draw_skin(&f, near_side, tail_near, bottom_near);
    if (tail_near)
        draw_light(f.x[near_side][TAIL_STATION][BOTTOM_POINT], f.y[near_side][TAIL_STATION][BOTTOM_POINT],
                   WHITE_LIGHT);

    draw_props(1, tail_near, bottom_near, far_prop);
    for (int part = 2; part <= 4; part++)
        handle_a_wing(part, side_sign[near_side], part == 4 ? 0 : wing_light[near_side]);
    draw_floats_and_skids();
}
