// The polygon pipeline: transforms, near-plane and screen clipping with the
// corner walk, the whole-view fill, haze, subdivision and runway strips,
// and one golden frame of a ground patch with a runway.
#include <cmath>

#include "tests/view/view_fixture.h"

using Pipeline = ViewTest;

static void set_angles(float *s, float *c, float psi, float the, float phi)
{
    float a[3] = {psi, the, phi};
    for (int k = 0; k < 3; k++) {
        s[k] = sinf(a[k] * 0.017453293f);
        c[k] = cosf(a[k] * 0.017453293f);
    }
}

TEST_F(Pipeline, TransformsTurnPointsBetweenWorldBodyAndCamera)
{
    // A camera heading east sees a point 100 m east of it dead ahead, at the
    // view's centre.
    look(90.0f, 0.0f);
    float x, y, z;
    xfrm_SCENE(100.0f, 0.0f, 0.0f, &x, &y, &z);
    EXPECT_NEAR(x, 0.0f, 1e-4f);
    EXPECT_NEAR(y, 100.0f, 1e-4f);
    EXPECT_NEAR(z, 0.0f, 1e-4f);
    EXPECT_EQ(XFRM_x(x / y), 400);
    EXPECT_EQ(XFRM_y(z / y), 227);
    // World to body undoes body to world, whatever the attitude.
    const float attitudes[][3] = {{0, 0, 0}, {30, 10, -20}, {250, -80, 170}, {-45, 89, 359}, {123, -35, -91}};
    for (const auto &a : attitudes) {
        float s[3], c[3];
        set_angles(s, c, a[0], a[1], a[2]);
        con.sinPLANpsi = s[0]; con.sinPLANthe = s[1]; con.sinPLANphi = s[2];
        con.cosPLANpsi = c[0]; con.cosPLANthe = c[1]; con.cosPLANphi = c[2];
        float wx, wy, wz, bx, by, bz;
        xfrm_VIEWP(3.0f, -7.0f, 2.0f, &wx, &wy, &wz);
        EXPECT_NEAR(pythag3(wx, wy, wz), pythag3(3.0f, -7.0f, 2.0f), 1e-4f);
        xfrm_VVECT(wx, wy, wz, &bx, &by, &bz);
        EXPECT_NEAR(bx, 3.0f, 1e-4f) << a[0] << " " << a[1] << " " << a[2];
        EXPECT_NEAR(by, -7.0f, 1e-4f);
        EXPECT_NEAR(bz, 2.0f, 1e-4f);
    }
    // Heading 90: the nose points east.
    con.sinPLANpsi = 1.0f; con.cosPLANpsi = 0.0f;
    con.sinPLANthe = con.sinPLANphi = 0.0f;
    con.cosPLANthe = con.cosPLANphi = 1.0f;
    // The aircraft 50 m east of a camera looking east: its tail (10 m
    // behind the nose point) lies 40 m deep.
    con.PLAN_loc_x = 1050.0f;
    con.VIEW_loc_x = 1000.0f;
    xfrm_PLANE(0.0f, -10.0f, 0.0f, &x, &y, &z);
    EXPECT_NEAR(y, 40.0f, 1e-3f);
    EXPECT_NEAR(x, 0.0f, 1e-3f);
    // A ship turned to the south carries its bow point to its south, plus its position.
    con.sinBOATpsi = 0.0f; con.cosBOATpsi = -1.0f;
    con.sinBOATthe = con.sinBOATphi = 0.0f;
    con.cosBOATthe = con.cosBOATphi = 1.0f;
    con.BOAT_loc_x = 500.0f; con.BOAT_loc_y = 600.0f; con.BOAT_loc_z = 2.0f;
    xfrm_BOAT(0.0f, 100.0f, 10.0f, &x, &y, &z);
    EXPECT_NEAR(x, 500.0f, 1e-3f);
    EXPECT_NEAR(y, 500.0f, 1e-3f);
    EXPECT_NEAR(z, 12.0f, 1e-3f);
}

TEST_F(Pipeline, EdgesAreCutAtTheNearPlaneAndTheViewEdges)
{
    struct { float y1, y2; int kept; float t1, t2; } hither[] = {
        {10, 20, 1, 0, 1}, {1, 5, 1, 0.5f, 1}, {5, 1, 1, 0, 0.5f}, {1, 2, 0, 0, 0}, {1, 3, 0, 0, 0},
        {3, 3, 1, 0, 1}};
    for (const auto &h : hither) {
        float t1 = -1, t2 = -1;
        ASSERT_EQ(hither_clip(h.y1, h.y2, &t1, &t2), h.kept) << h.y1 << " " << h.y2;
        if (h.kept) {
            EXPECT_FLOAT_EQ(t1, h.t1);
            EXPECT_FLOAT_EQ(t2, h.t2);
        }
    }
    struct { float a1, a2; int kept; float t1, t2; } range[] = {
        {-100, 100, 1, 0.5f, 0.75f}, {100, -100, 1, 0.25f, 0.5f}, {10, 20, 1, 0, 1}, {60, 70, 0, 0, 0},
        {-5, -1, 0, 0, 0}, {20, 20, 1, 0, 1}, {60, 60, 0, 0, 0}};
    for (const auto &r : range) {
        float t1 = -1, t2 = -1;
        ASSERT_EQ(range_clip(r.a1, r.a2, 0.0f, 50.0f, &t1, &t2), r.kept) << r.a1 << " " << r.a2;
        if (r.kept) {
            EXPECT_FLOAT_EQ(t1, r.t1);
            EXPECT_FLOAT_EQ(t2, r.t2);
        }
    }
    // A triangle with one corner 1 m in front of the camera is cut, not
    // dropped: a quadrilateral with two corners on the near plane is left.
    atm.vis1_grnd = 1000.0f;
    atm.vis2_grnd = 2000.0f;
    const float a[3] = {-2, 1, -1}, b[3] = {0, 20, 1}, c[3] = {4, 20, -1};
    manage_poly3(70, a, b, c, 1, 0);
    EXPECT_EQ(poly_vert_max, 3);
    EXPECT_EQ(pipe_pieces, 1);
    int clipped = count(70);
    EXPECT_GT(clipped, 10000);
    // Passed as needing no clipping, it is clipped all the same.
    clear_world();
    manage_poly3(70, a, b, c, 0, 0);
    EXPECT_EQ(count(70), clipped);
}

TEST_F(Pipeline, TheOutlineWalksTheViewCornersClockwise)
{
    // Out through the left edge, back in through the bottom: top-left,
    // top-right and bottom-right corners, in that order.
    start_clipped_poly();
    form_poly(10, 100, CLIP_NONE, 0, 120, CLIP_LEFT);
    form_poly(100, 563, CLIP_BOTTOM, 150, 400, CLIP_NONE);
    const int want[][3] = {{10, 100, 0}, {0, 120, 2}, {0, 5, 4}, {800, 5, 3}, {800, 563, 5}, {100, 563, 5},
                           {150, 400, 0}};
    ASSERT_EQ(poly_vert_max, 6);
    for (int k = 0; k <= poly_vert_max; k++)
        EXPECT_TRUE(poly_x[k] == want[k][0] && poly_y[k] == want[k][1] && clip_code[k] == want[k][2]) << k;
    // Back in through the top: only the top-left corner.
    start_clipped_poly();
    take_a_walk(CLIP_LEFT, CLIP_TOP);
    ASSERT_EQ(poly_vert_max, 0);
    EXPECT_EQ(clip_code[0], CLIP_TOP);
    // The close of a polygon walks from its last edge back to its first, and
    // a repeated first vertex goes.
    start_clipped_poly();
    form_poly(400, 5, CLIP_TOP, 400, 300, CLIP_NONE);
    form_poly(400, 300, CLIP_NONE, 0, 300, CLIP_LEFT);
    close_clipped_poly();
    ASSERT_EQ(poly_vert_max, 3);
    EXPECT_EQ(poly_x[3], 0);
    EXPECT_EQ(poly_y[3], 5);
    start_clipped_poly();
    form_poly(100, 100, CLIP_NONE, 200, 100, CLIP_NONE);
    form_poly(200, 100, CLIP_NONE, 150, 200, CLIP_NONE);
    form_poly(150, 200, CLIP_NONE, 100, 100, CLIP_NONE);
    close_clipped_poly();
    EXPECT_EQ(poly_vert_max, 2);
}

TEST_F(Pipeline, AGroundTriangleRoundTheCameraFillsTheWholeView)
{
    // 10 m above a ground triangle 200 km across, looking straight down.
    look(0.0f, -90.0f);
    con.VIEW_loc_z = 10.0f;
    const float w[3][3] = {{-1e5f, -1e5f, 0}, {0, 1e5f, 0}, {1e5f, -1e5f, 0}};
    float p[3][3];
    for (int k = 0; k < 3; k++)
        xfrm_SCENE(w[k][0] - con.VIEW_loc_x, w[k][1] - con.VIEW_loc_y, w[k][2] - con.VIEW_loc_z, &p[k][0],
                   &p[k][1], &p[k][2]);
    atm.vis1_grnd = 1000.0f;
    atm.vis2_grnd = 15000.0f;
    any_poly3_3D(66, p[0], p[1], p[2], 1, 1);
    EXPECT_EQ(count(66), ww * (con.off_int_bot - con.off_int_top + 1));
    EXPECT_EQ(px(0, con.off_int_top), 66);
    EXPECT_EQ(px(ww - 1, con.off_int_bot), 66);
    // Without the whole-view fill the same triangle leaves the view as it was.
    clear_world();
    any_poly3_3D(66, p[0], p[1], p[2], 1, 0);
    EXPECT_EQ(count(66), 0);
    // Seen from below it faces away.
    clear_world();
    any_poly3_3D(66, p[0], p[2], p[1], 1, 1);
    EXPECT_EQ(count(66), 0);
}

TEST_F(Pipeline, HazeStepsRunFromVis1ToVis2)
{
    float V = 5.0f * con.nmtomtrs;
    atm.vis1_grnd = 0.1f * V;
    atm.vis2_grnd = 1.5f * V;
    EXPECT_EQ(haze_color(0.55f * V, 65), 65 + 54);
    EXPECT_EQ(haze_color(atm.vis1_grnd, 65), 65);
    EXPECT_EQ(haze_color(atm.vis1_grnd + 1.0f, 65), 65 + 18);
    EXPECT_EQ(haze_color(atm.vis2_grnd - 1.0f, 65), 65 + 162);
    EXPECT_EQ(haze_color(atm.vis2_grnd, 65), NO_COLOR);
    EXPECT_EQ(haze_color(NAN, 65), NO_COLOR);
    drawing_cloud = 1;
    EXPECT_EQ(haze_color(10.0f * V, 70), 70);
    drawing_cloud = 0;
    // No haze band at all: near keeps its colour, the rest is beyond.
    atm.vis2_grnd = atm.vis1_grnd;
    EXPECT_EQ(haze_color(atm.vis1_grnd - 1.0f, 65), 65);
    EXPECT_EQ(haze_color(atm.vis1_grnd, 65), NO_COLOR);
}

// Twice the signed area of a triangle's plan (x, y).
static float area2(const float *a, const float *b, const float *c)
{
    return (b[0] - a[0]) * (c[1] - a[1]) - (c[0] - a[0]) * (b[1] - a[1]);
}

TEST_F(Pipeline, SubdivisionTilesTheTriangleWithPiecesOfItsOwnWinding)
{
    const float p1[3] = {0, 0, 0}, p2[3] = {40, 100, 0}, p3[3] = {90, 10, 0};
    float pts[N_SUBDIVISION_POINTS][3];
    subdivide_triangle(p1, p2, p3, pts);
    float whole = area2(p1, p2, p3);
    const int want[] = {0, 6, 12, 24};
    for (int level = 0; level <= 3; level++) {
        const int(*pieces)[3];
        int n = breakup_pieces(level, &pieces);
        EXPECT_EQ(n, level ? want[level] : 0);
        float sum = 0.0f;
        for (int k = 0; k < n; k++) {
            float a = area2(pts[pieces[k][0]], pts[pieces[k][1]], pts[pieces[k][2]]);
            EXPECT_GT(a * whole, 0.0f) << "level " << level << " piece " << k;
            sum += a;
        }
        if (n) {
            EXPECT_NEAR(sum, whole, 1e-2f) << level;
        }
    }
    // On screen, level 3 hands 24 pieces to the rasterizer, with and
    // without clipping; a deep triangle's pieces take several haze steps.
    atm.vis1_grnd = 300.0f;
    atm.vis2_grnd = 3000.0f;
    scn.poly_breakup = 3;
    const float a[3] = {-100, 400, -50}, b[3] = {0, 2500, -50}, c[3] = {100, 400, -50};
    for (int clipit = 0; clipit <= 1; clipit++) {
        pipe_pieces = 0;
        any_poly3_3D(65, a, b, c, clipit, 0);
        EXPECT_EQ(pipe_pieces, 24);
    }
    int shades = 0;
    for (int h = 0; h < 10; h++)
        shades += count(65 + 18 * h) > 0;
    EXPECT_GE(shades, 4);
}

TEST_F(Pipeline, RunwaysAreCutIntoMoreStripsTheLowerTheVisibility)
{
    struct { float vis_nm; int strips; } cases[] = {{0.2f, 40}, {0.5f, 40}, {1.0f, 20}, {3.0f, 6}, {4.0f, 5}, {10.0f, 5}};
    for (const auto &c : cases) {
        atm.vis_effective = c.vis_nm * con.nmtomtrs;
        EXPECT_EQ(runway_strips(), c.strips) << c.vis_nm;
    }
    atm.vis1_grnd = 1e4f;
    atm.vis2_grnd = 1e5f;
    scn.rway_breakup = 1;
    const float p1[3] = {20, 50, -10}, p2[3] = {-20, 50, -10}, p3[3] = {-20, 500, -10}, p4[3] = {20, 500, -10};
    any_poly4_3D(82, p1, p2, p3, p4, 1, 1);
    EXPECT_EQ(pipe_pieces, 5);
    EXPECT_GT(count(82), 500);
}

// A ground patch seen from 30 m: hazed subdivided triangles, one that
// passes under the camera (cut at the near plane and the view edges), and
// a runway in strips.
TEST_F(Pipeline, GroundPatchFrame)
{
    con.VIEW_loc_z = 30.0f;
    look(20.0f, -8.0f);
    atm.vis = atm.vis_effective = 4000.0f;
    atm.vis1_grnd = 0.1f * atm.vis;
    atm.vis2_grnd = 1.5f * atm.vis;
    scn.poly_breakup = 2;
    scn.rway_breakup = 1;
    const float step = 600.0f;
    auto height = [](int i, int j) { return 5.0f * ((i * 7 + j * 3 + 400) % 4); };
    for (int j = 7; j >= -1; j--)   // far rows first, as the scene paints
        for (int i = -6; i < 6; i++) {
            float x0 = i * step, y0 = j * step;
            float w[4][3] = {{x0, y0, height(i, j)}, {x0 + step, y0, height(i + 1, j)},
                             {x0, y0 + step, height(i, j + 1)}, {x0 + step, y0 + step, height(i + 1, j + 1)}};
            float p[4][3];
            for (int k = 0; k < 4; k++)
                xfrm_SCENE(w[k][0], w[k][1], w[k][2] - con.VIEW_loc_z, &p[k][0], &p[k][1], &p[k][2]);
            int shade = (i * 3 + j * 7 + 100) % 10;
            any_poly3_3D(65 + shade, p[0], p[2], p[1], 1, 1);
            any_poly3_3D(65 + (shade + 5) % 10, p[3], p[1], p[2], 1, 1);
        }
    float r[4][3] = {{-30, 200, 1}, {30, 200, 1}, {30, 2200, 1}, {-30, 2200, 1}};
    float p[4][3];
    for (int k = 0; k < 4; k++)
        xfrm_SCENE(r[k][0], r[k][1], r[k][2] - con.VIEW_loc_z, &p[k][0], &p[k][1], &p[k][2]);
    any_poly4_3D(82, p[1], p[0], p[3], p[2], 1, 0);
    expect_golden("ground_patch");
}
