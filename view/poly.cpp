// Camera-space triangles and quadrilaterals into the locked view world:
// back faces dropped, large triangles cut into 6, 12 or 24 pieces and
// runway quadrilaterals into strips so that haze can shade across them,
// each piece hazed by its own mean depth, clipped when it must be, and
// rasterized.
#include "view/view.h"

int drawing_cloud;
int pipe_pieces;

constexpr int HAZE_STEPS = 9;   // haze steps beyond vis1: the palette holds 10 shades, 0..9
constexpr float RUNWAY_STRIPS_PER_NM = 20.0f;
constexpr float STRIP_VIS_MIN_NM = 0.5f, STRIP_VIS_MAX_NM = 4.0f;

int haze_color(float ybar, int color)
{
    if (drawing_cloud)
        return color;
    float vis1 = atm.vis1_grnd, vis2 = atm.vis2_grnd;
    if (!(ybar < vis2))
        return NO_COLOR;
    // Strictly beyond vis1 (so a piece at vis1 keeps its colour); vis2 >
    // ybar > vis1 also keeps the divisor positive.
    if (ybar > vis1) {
        float L = (ybar - vis1) / (vis2 - vis1) * HAZE_STEPS;
        color += HAZE_STEP_COLORS * iround(L + 0.5f);
    }
    return color;
}

// One piece of n (3 or 4) corners: haze, then straight to the rasterizer or
// through the clipper.
static void manage_piece(int color, const float *const p[], int n, int clipit, int fullscreenit)
{
    float ybar = 0.0f;
    for (int k = 0; k < n; k++)
        ybar += p[k][1];
    color = haze_color(ybar / n, color);
    if (color == NO_COLOR)
        return;
    // A corner at or behind the near plane cannot be projected: clip after
    // all, whatever the caller thought.
    for (int k = 0; k < n && !clipit; k++)
        clipit = !(p[k][1] >= HITHER_M);
    if (!clipit) {
        int x[4], y[4];
        for (int k = 0; k < n; k++) {
            x[k] = XFRM_x(p[k][0] / p[k][1]);
            y[k] = XFRM_y(p[k][2] / p[k][1]);
        }
        if (n == 3)
            MACIBM_poly3(color, x[0], y[0], x[1], y[1], x[2], y[2], 1);
        else
            MACIBM_poly4(color, x[0], y[0], x[1], y[1], x[2], y[2], x[3], y[3], 1);
        pipe_pieces++;
        return;
    }
    start_clipped_poly();
    for (int k = 0; k < n; k++)
        clipline(p[k], p[(k + 1) % n], fullscreenit);
    if (poly_vert_max < 0) {
        if (fullscreenit)
            full_screen_poly(color);
        return;
    }
    close_clipped_poly();
    MACIBM_polyN(color, poly_x, poly_y, poly_vert_max, 1);
    pipe_pieces++;
}

void manage_poly3(int color, const float p1[3], const float p2[3], const float p3[3], int clipit,
                  int fullscreenit)
{
    const float *const p[3] = {p1, p2, p3};
    manage_piece(color, p, 3, clipit, fullscreenit);
}

void manage_poly4(int color, const float p1[3], const float p2[3], const float p3[3], const float p4[3],
                  int clipit, int fullscreenit)
{
    const float *const p[4] = {p1, p2, p3, p4};
    manage_piece(color, p, 4, clipit, fullscreenit);
}

// Points of a subdivided triangle: the corners, edge midpoints, centroid,
// corner-centroid midpoints, edge quarter points and centroid-midpoint
// midpoints, in this order.
enum SubPoint { P1, P2, P3, M12, M23, M31, C, Q1, Q2, Q3, A1, A2, B1, B2, D1, D2, R1, R2, R3, NSUB };
static const int MIDPOINTS[NSUB][2] = {
    {P1, P1}, {P2, P2}, {P3, P3}, {P1, P2}, {P2, P3}, {P3, P1}, {C, C}, {P1, C}, {P2, C}, {P3, C},
    {P1, M12}, {M12, P2}, {P2, M23}, {M23, P3}, {P3, M31}, {M31, P1}, {C, M12}, {C, M23}, {C, M31}};
static const int PIECES1[6][3] = {{P1, M12, C}, {M12, P2, C}, {P2, M23, C}, {M23, P3, C}, {P3, M31, C},
                                  {M31, P1, C}};
static const int PIECES2[12][3] = {
    {P1, M12, Q1}, {M12, P2, Q2}, {P2, M23, Q2}, {M23, P3, Q3}, {P3, M31, Q3}, {M31, P1, Q1},
    {Q1, M12, C},  {M12, Q2, C},  {Q2, M23, C},  {M23, Q3, C},  {Q3, M31, C},  {M31, Q1, C}};
static const int PIECES3[24][3] = {
    {P1, A1, Q1},  {A1, M12, Q1}, {Q1, M12, R1}, {M12, A2, Q2}, {M12, Q2, R1}, {A2, P2, Q2},
    {Q2, P2, B1},  {Q2, B1, M23}, {Q2, M23, R2}, {M23, Q3, R2}, {M23, B2, Q3}, {B2, P3, Q3},
    {P3, D1, Q3},  {D1, M31, Q3}, {M31, R3, Q3}, {M31, Q1, R3}, {M31, D2, Q1}, {D2, P1, Q1},
    {Q1, R1, C},   {R1, Q2, C},   {Q2, R2, C},   {C, R2, Q3},   {C, Q3, R3},   {Q1, C, R3}};

void subdivide_triangle(const float p1[3], const float p2[3], const float p3[3], float pts[][3])
{
    for (int k = 0; k < 3; k++) {
        pts[P1][k] = p1[k];
        pts[P2][k] = p2[k];
        pts[P3][k] = p3[k];
        pts[C][k] = (p1[k] + p2[k] + p3[k]) / 3.0f;
    }
    for (int s = M12; s < NSUB; s++)
        if (s != C)
            for (int k = 0; k < 3; k++)
                pts[s][k] = 0.5f * (pts[MIDPOINTS[s][0]][k] + pts[MIDPOINTS[s][1]][k]);
}

int breakup_pieces(int level, const int (**pieces)[3])
{
    switch (level) {
    case 1: *pieces = PIECES1; return 6;
    case 2: *pieces = PIECES2; return 12;
    case 3: *pieces = PIECES3; return 24;
    default: *pieces = nullptr; return 0;
    }
}

void any_poly3_3D(int color, const float p1[3], const float p2[3], const float p3[3], int clipit,
                  int fullscreenit)
{
    if (!facing(p1[0] - p2[0], p1[1] - p2[1], p1[2] - p2[2], p3[0] - p2[0], p3[1] - p2[1], p3[2] - p2[2],
                p2[0], p2[1], p2[2]))
        return;
    const int(*pieces)[3];
    int n = breakup_pieces(scn.poly_breakup, &pieces);
    if (!n) {
        manage_poly3(color, p1, p2, p3, clipit, fullscreenit);
        return;
    }
    float pts[NSUB][3];
    subdivide_triangle(p1, p2, p3, pts);
    for (int k = 0; k < n; k++)
        manage_poly3(color, pts[pieces[k][0]], pts[pieces[k][1]], pts[pieces[k][2]], clipit, 0);
}

int runway_strips()
{
    float vis_nm = fltlim(atm.vis_effective * con.mtrstonm, STRIP_VIS_MIN_NM, STRIP_VIS_MAX_NM);
    if (!(vis_nm == vis_nm))
        vis_nm = STRIP_VIS_MIN_NM;
    return (int)(RUNWAY_STRIPS_PER_NM / vis_nm);
}

void any_poly4_3D(int color, const float p1[3], const float p2[3], const float p3[3], const float p4[3],
                  int clipit, int fullscreenit)
{
    if (!scn.rway_breakup) {
        manage_poly4(color, p1, p2, p3, p4, clipit, fullscreenit);
        return;
    }
    int n = runway_strips();
    float v[3], a[3], b[3], c[3], d[3];
    for (int k = 0; k < 3; k++)
        v[k] = p4[k] - p1[k];
    for (int s = 0; s < n; s++) {
        float f0 = (float)s / n, f1 = (float)(s + 1) / n;
        for (int k = 0; k < 3; k++) {
            a[k] = p1[k] + f0 * v[k];
            b[k] = p2[k] + f0 * v[k];
            c[k] = p2[k] + f1 * v[k];
            d[k] = p1[k] + f1 * v[k];
        }
        manage_poly4(color, a, b, c, d, clipit, 0);
    }
}
