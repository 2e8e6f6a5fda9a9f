// Edge clipping of camera-space polygons against the 3 m near plane and the
// view rectangle, and the screen polygon built from the clipped edges:
// corners walked clockwise where the outline runs round the outside of the
// view, and the whole-view fill of a piece that surrounds the camera.
#include "view/local.h"

#include <cmath>

#include "world/world.h"

int poly_x[MAX_POLY_VERTS], poly_y[MAX_POLY_VERTS], clip_code[MAX_POLY_VERTS];
int poly_vert_max = -1;
float hc_poly_x[MAX_POLY_VERTS], hc_poly_y[MAX_POLY_VERTS];
int hc_ctr = -1;
float hc_xmin, hc_xmax, hc_ymin, hc_ymax;

constexpr float FULL_SCREEN_TEST_PX = 10.0f;   // the view point tested by full_screen_poly
constexpr float SAME_POINT_PX = 0.01f;         // outline vertices this close are one

void start_clipped_poly()
{
    poly_vert_max = -1;
    hc_ctr = -1;
    hc_xmin = hc_xmax = hc_ymin = hc_ymax = FULL_SCREEN_TEST_PX;
}

int hither_clip(float y1, float y2, float *t1, float *t2)
{
    if (y1 < HITHER_M) {
        if (!(y2 > HITHER_M))
            return 0;
        *t1 = (HITHER_M - y1) / (y2 - y1);
        *t2 = 1.0f;
        return 1;
    }
    *t1 = 0.0f;
    *t2 = y2 < HITHER_M ? (HITHER_M - y1) / (y2 - y1) : 1.0f;
    return y1 == y1;   // a NaN depth keeps nothing
}

int range_clip(float a1, float a2, float lo, float hi, float *t1, float *t2)
{
    if (a1 == a2) {
        *t1 = 0.0f;
        *t2 = 1.0f;
        return a1 >= lo && a1 <= hi;
    }
    float ta = (lo - a1) / (a2 - a1), tb = (hi - a1) / (a2 - a1);
    if (!(ta == ta && tb == tb))
        return 0;
    if (ta > tb)
        flt_switch(&ta, &tb);
    *t1 = ta > 0.0f ? ta : 0.0f;
    *t2 = tb < 1.0f ? tb : 1.0f;
    return *t1 <= *t2;
}

// Cuts the screen segment (u1, v1)-(u2, v2) to lo <= u <= hi. A cut end
// lands exactly on its bound and takes the code of that edge (code_lo for
// lo, code_hi for hi); an uncut end keeps its code. 0 when nothing is left.
static int cut_axis(float *u1, float *v1, float *u2, float *v2, float lo, float hi, int code_lo,
                    int code_hi, int *c1, int *c2)
{
    float t1, t2;
    if (!range_clip(*u1, *u2, lo, hi, &t1, &t2))
        return 0;
    int rising = *u2 > *u1;
    float v_start = *v1, dv = *v2 - *v1;
    if (t2 < 1.0f) {
        *u2 = rising ? hi : lo;
        *v2 = v_start + t2 * dv;
        *c2 = rising ? code_hi : code_lo;
    }
    if (t1 > 0.0f) {
        *u1 = rising ? lo : hi;
        *v1 = v_start + t1 * dv;
        *c1 = rising ? code_lo : code_hi;
    }
    return 1;
}

// Float pixel position of a camera-space point in front of the near plane.
static void project_flt(const float p[3], float *sx, float *sy)
{
    *sx = con.off_view_center_fx + con.zom_pp45 * p[0] / p[1];
    *sy = con.off_view_center_fy - con.zom_pp45 * p[2] / p[1];
}

static void add_outline_point(float x, float y)
{
    if (hc_ctr + 1 >= MAX_POLY_VERTS)
        return;
    hc_ctr++;
    hc_poly_x[hc_ctr] = x;
    hc_poly_y[hc_ctr] = y;
    hc_xmin = fltmin2(hc_xmin, x);
    hc_xmax = fltmax2(hc_xmax, x);
    hc_ymin = fltmin2(hc_ymin, y);
    hc_ymax = fltmax2(hc_ymax, y);
}

void clipline(const float p1[3], const float p2[3], int fullscreenit)
{
    float t1, t2;
    if (!hither_clip(p1[1], p2[1], &t1, &t2))
        return;
    float a[3], b[3];
    for (int k = 0; k < 3; k++) {
        a[k] = p1[k] + t1 * (p2[k] - p1[k]);
        b[k] = p1[k] + t2 * (p2[k] - p1[k]);
    }
    float ax, ay, bx, by;
    project_flt(a, &ax, &ay);
    project_flt(b, &bx, &by);
    if (fullscreenit) {
        add_outline_point(ax, ay);
        add_outline_point(bx, by);
    }
    int ca = CLIP_NONE, cb = CLIP_NONE;
    if (!cut_axis(&ax, &ay, &bx, &by, con.off_flt_lft, con.off_flt_rgt, CLIP_LEFT, CLIP_RIGHT, &ca, &cb))
        return;
    float top = con.off_flt_top, bot = con.off_flt_bot;
    if ((ay < top || ay > bot || by < top || by > bot) &&
        !cut_axis(&ay, &ax, &by, &bx, top, bot, CLIP_TOP, CLIP_BOTTOM, &ca, &cb))
        return;
    form_poly(iround(ax), iround(ay), ca, iround(bx), iround(by), cb);
}

void form_poly(int x1, int y1, int code1, int x2, int y2, int code2)
{
    if (poly_vert_max >= 0 && clip_code[poly_vert_max] != code1)
        take_a_walk(clip_code[poly_vert_max], code1);
    add_poly_point(x1, y1, code1);
    add_poly_point(x2, y2, code2);
}

void add_poly_point(int x, int y, int code)
{
    if (code == CLIP_NONE && poly_vert_max >= 0 && clip_code[poly_vert_max] == CLIP_NONE &&
        poly_x[poly_vert_max] == x && poly_y[poly_vert_max] == y)
        return;
    if (poly_vert_max + 1 >= MAX_POLY_VERTS)
        return;   // cannot happen for a triangle or quadrilateral (at most 20)
    poly_vert_max++;
    poly_x[poly_vert_max] = x;
    poly_y[poly_vert_max] = y;
    clip_code[poly_vert_max] = code;
}

// Clockwise round the view: the corner passed when leaving each edge, with
// the code of the edge it leads onto.
void take_a_walk(int from, int to)
{
    if (from == CLIP_NONE || to == CLIP_NONE)
        return;
    for (int n = 0; n < 3 && from != to; n++) {
        switch (from) {
        case CLIP_LEFT: from = CLIP_TOP; add_poly_point(con.off_int_lft, con.off_int_top, from); break;
        case CLIP_TOP: from = CLIP_RIGHT; add_poly_point(con.off_int_rgt, con.off_int_top, from); break;
        case CLIP_RIGHT: from = CLIP_BOTTOM; add_poly_point(con.off_int_rgt, con.off_int_bot, from); break;
        case CLIP_BOTTOM: from = CLIP_LEFT; add_poly_point(con.off_int_lft, con.off_int_bot, from); break;
        default: return;
        }
    }
}

void close_clipped_poly()
{
    int last = poly_vert_max;
    if (last < 0)
        return;
    if (clip_code[last] != clip_code[0])
        take_a_walk(clip_code[last], clip_code[0]);
    else if (last > 0 && poly_x[last] == poly_x[0] && poly_y[last] == poly_y[0])
        poly_vert_max--;
}

void full_screen_poly(int color)
{
    if (!(hc_xmin < con.off_flt_lft && hc_xmax > con.off_flt_rgt && hc_ymin < con.off_flt_top &&
          hc_ymax > con.off_flt_bot))
        return;
    float x[MAX_POLY_VERTS], y[MAX_POLY_VERTS];
    int n = 0, count = hc_ctr + 1;
    for (int k = 0; k < count; k++) {
        int next = (k + 1) % count;
        if (fabsf(hc_poly_x[k] - hc_poly_x[next]) < SAME_POINT_PX &&
            fabsf(hc_poly_y[k] - hc_poly_y[next]) < SAME_POINT_PX)
            continue;
        x[n] = hc_poly_x[k];
        y[n++] = hc_poly_y[k];
    }
    if (n < 3)
        return;
    // Rows negated: a clockwise outline on the screen (rows down) is then
    // clockwise as the region test expects (north up).
    for (int k = 0; k < n; k++) {
        int next = (k + 1) % n;
        if (!inside_cw_reg(x[k], -y[k], x[next], -y[next], FULL_SCREEN_TEST_PX, -FULL_SCREEN_TEST_PX, 0.0f))
            return;
    }
    MACIBM_fillrect(color, con.off_int_lft, con.off_int_top, con.off_int_rgt - con.off_int_lft,
                    con.off_int_bot - con.off_int_top, 1);
}

int clipped_line(int color, float x1, float y1, float x2, float y2, float lft, float top, float rgt, float bot)
{
    float a1, a2, b1, b2;
    if (!range_clip(x1, x2, lft, rgt, &a1, &a2) || !range_clip(y1, y2, top, bot, &b1, &b2))
        return 0;
    float t1 = fmaxf(a1, b1), t2 = fminf(a2, b2);
    if (!(t1 <= t2))
        return 0;
    float dx = x2 - x1, dy = y2 - y1;
    MACIBM_line(color, iround(x1 + t1 * dx), iround(y1 + t1 * dy), iround(x1 + t2 * dx), iround(y1 + t2 * dy), 1);
    return 1;
}

int camera_line(int color, const float a[3], const float b[3], float lft, float top, float rgt, float bot)
{
    float t1, t2;
    if (!hither_clip(a[1], b[1], &t1, &t2))
        return 0;
    float p[2][3];
    for (int k = 0; k < 3; k++) {
        p[0][k] = a[k] + t1 * (b[k] - a[k]);
        p[1][k] = a[k] + t2 * (b[k] - a[k]);
    }
    float sx[2], sy[2];
    for (int e = 0; e < 2; e++) {
        // The near plane keeps the depth at 3 m or more; a far point is
        // held off the huge coordinates the line stepper would walk.
        sx[e] = fltlim(con.off_view_center_fx + con.zom_pp45 * p[e][0] / p[e][1], -1.0e5f, 1.0e5f);
        sy[e] = fltlim(con.off_view_center_fy - con.zom_pp45 * p[e][2] / p[e][1], -1.0e5f, 1.0e5f);
    }
    return clipped_line(color, sx[0], sy[0], sx[1], sy[1], lft, top, rgt, bot);
}
