// The recorded flight path drawn into the replay's view: each pair of
// consecutive filled samples a dashed segment, cut to the view rectangle.
#include "view/local.h"

constexpr float TRAIL_NEAR_M = 3.0f;   // points nearer than this are not drawn

// Screen point of a trail sample: 0 when it is not far enough ahead.
static int trail_point(const float *s, float *x, float *y)
{
    float c[3];
    to_camera(s[0], s[1], s[2], c);
    if (!(c[1] > TRAIL_NEAR_M))
        return 0;
    *x = con.off_view_center_fx + con.zom_pp45 * c[0] / c[1];
    *y = con.off_view_center_fy - con.zom_pp45 * c[2] / c[1];
    return 1;
}

static int inside(float x, float y)
{
    return x >= con.off_flt_lft && x <= con.off_flt_rgt && y >= con.off_flt_top && y <= con.off_flt_bot;
}

// Moves (x, y) along the segment from the other end onto coordinate `edge`
// of axis u (x when u points at x) when it lies beyond it on side `sign`.
static void onto_edge(float *u, float *w, float u_other, float w_other, float edge, float sign)
{
    if ((*u - edge) * sign <= 0.0f || u_other == *u)
        return;
    float t = (edge - u_other) / (*u - u_other);
    *w = w_other + t * (*w - w_other);
    *u = edge;
}

// An end outside the rectangle goes onto its right, left, bottom and top
// edges in turn, along the segment from the other end.
static void clip_end(float *x, float *y, float ox, float oy)
{
    onto_edge(x, y, ox, oy, con.off_flt_rgt, 1.0f);
    onto_edge(x, y, ox, oy, con.off_flt_lft, -1.0f);
    onto_edge(y, x, oy, ox, con.off_flt_bot, 1.0f);
    onto_edge(y, x, oy, ox, con.off_flt_top, -1.0f);
}

void plot_flight_path()
{
    for (int i = 1; i < MAX_PATH_SAMPLES; i++) {
        if (!pat.inited[i - 1] || !pat.inited[i])
            continue;
        float x1, y1, x2, y2;
        if (!trail_point(pat.xyztpp[i - 1], &x1, &y1) || !trail_point(pat.xyztpp[i], &x2, &y2))
            continue;
        if (!inside(x1, y1) && !inside(x2, y2))
            continue;
        float ox1 = x1, oy1 = y1;
        clip_end(&x1, &y1, x2, y2);
        clip_end(&x2, &y2, ox1, oy1);
        int c = trail_color(i);
        MACIBM_line(c, iround(x1), iround(y1), iround(x2), iround(y2), 1);
        MACIBM_line(c, iround(x1), iround(y1) + 1, iround(x2), iround(y2) + 1, 1);
    }
}
