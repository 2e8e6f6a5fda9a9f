// Runway surfaces and paint: each marking a flat quadrilateral on the
// field, drawn straight to the rasterizer when it lies wholly in view,
// clipped when it does not (the pavement may then fill the whole view),
// and cut into strips across the runway for a haze gradient when the
// visibility asks for them.
#include "view/local.h"

int all_on_screen(const float p[][3], int n)
{
    for (int k = 0; k < n; k++) {
        if (!(p[k][1] > HITHER_M))
            return 0;
        float fx = con.off_view_center_fx + con.zom_pp45 * p[k][0] / p[k][1];
        float fy = con.off_view_center_fy - con.zom_pp45 * p[k][2] / p[k][1];
        if (!(fx >= con.off_flt_lft && fx <= con.off_flt_rgt && fy >= con.off_flt_top && fy <= con.off_flt_bot))
            return 0;
    }
    return 1;
}

void plot_runway(int m1, int m2, int rway, int color, int breakup)
{
    int r = rway != 0;
    int last = intmin2(m2, intmin2(rwy.max[r], MAX_MARKS - 1));
    for (int m = intmax2(m1, 0); m <= last; m++) {
        float p[4][3];
        for (int c = 0; c < 4; c++)
            to_camera(rwy.markx[r][c][m], rwy.marky[r][c][m], rwy.markz[r][c][m], p[c]);
        int clip = !all_on_screen(p, 4);
        int whole_view = clip && m == 0;
        if (breakup)
            any_poly4_3D(color, p[0], p[1], p[2], p[3], clip, whole_view);
        else
            manage_poly4(color, p[0], p[1], p[2], p[3], clip, whole_view);
    }
}
