// Pieces of the out-the-window scene on their own: the palette layouts and
// their rebuild rule, runway lights by the side they are seen from, the
// VASI, the visibility limits, point lights kept inside the view, and the
// moon filled with spans while the world is locked.
#include <cmath>

#include "tests/view/view_fixture.h"
#include "view/local.h"
#include "world/world.h"

namespace {
struct Rgb {
    int r, g, b;
};
Rgb entry(int index)
{
    Rgb c;
    test_palette_entry(index, &c.r, &c.g, &c.b);
    return c;
}
}   // namespace

class SceneParts : public ViewTest {
  protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        static const DrawSources sources = {&scn.time, &scn.lamp, &pln.dashtype, nullptr, nullptr};
        set_draw_sources(&sources);
        pln.dashtype = 1;
        atm.temp_SL = 59.0f;
        set.viewtype = VIEW_FORWARD;
        set_mon(0, 0.0f);
        clear_world();
    }
    void TearDown() override
    {
        set_draw_sources(nullptr);
        ViewTest::TearDown();
    }
    // Lights seen as far as anyone could want.
    static void far_lights()
    {
        atm.vis1_lite = atm.vis2_lite = atm.vis3_lite = 1.0e6f;
    }
    // Pixel of runway point k of runway 0 (-1 when off the view).
    static int point_pixel(int k, int *x, int *y)
    {
        float c[3];
        to_camera(rwayx[k][0], rwayy[k][0], rwayz[k][0], c);
        if (!(c[1] > HITHER_M))
            return -1;
        *x = XFRM_x(c[0] / c[1]);
        *y = XFRM_y(c[2] / c[1]);
        return test_world_pixel(0, *x, *y);
    }
    int light(int k) const
    {
        int x, y;
        return point_pixel(k, &x, &y);
    }
    // A 3000 x 45 m runway numbered 27 from its threshold at the origin.
    static void runway_27(int equipment)
    {
        msc.loc_index = 0;
        env.navmsc[0][0] = NAV_APT1;
        env.navmsc[0][3] = 270;
        env.navmsc[0][4] = 27;
        env.rwaymax = 0;
        env.fieldh = 0.0f;
        setuprunway(0.0f, 0.0f, 0.0f, 3000.0f, 45.0f, 270, 0, equipment);
    }
    // The camera at x (m) on the runway's line, `deg` above the point
    // target_x seen from there, looking along `heading`.
    void approach(float x, float target_x, float deg, float heading)
    {
        float d = fabsf(x - target_x);
        con.VIEW_loc_x = x;
        con.VIEW_loc_y = 0.0f;
        con.VIEW_loc_z = d * tanf(deg * con.degtorad);
        look(heading, -deg);
        flt.psi = heading;
        set_straightin(view_octant());
        clear_world();
        plotrunwaylights(0);
    }
};

TEST_F(SceneParts, PaletteLayouts)
{
    scn.time = 1;
    atm.clear = 1;
    ASSERT_EQ(set_palette_for_conditions(), 1);
    struct { int index; Rgb want; } day[] = {
        {65, {63, 123, 65}}, {79, {19, 35, 70}}, {82, {44, 49, 60}}, {227, {75, 127, 236}}, {62, {77, 128, 255}}};
    for (const auto &d : day) {
        Rgb c = entry(d.index);
        EXPECT_EQ(c.r, d.want.r) << d.index;
        EXPECT_EQ(c.g, d.want.g) << d.index;
        EXPECT_EQ(c.b, d.want.b) << d.index;
    }
    EXPECT_EQ(set_palette_for_conditions(), 0) << "nothing changed";

    // Dark night on round gauges: the panel's grey turns red, the scene
    // keeps its hue (grey pavement stays grey).
    scn.time = 4;
    ASSERT_EQ(set_palette_for_conditions(), 1);
    Rgb grey = entry(20), pavement = entry(82);
    EXPECT_GT(grey.r, 0);
    EXPECT_EQ(grey.g, 0);
    EXPECT_EQ(pavement.r, pavement.g);

    // Snow: level ground grey.
    scn.time = 1;
    atm.temp_SL = 30.0f;
    ASSERT_EQ(set_palette_for_conditions(), 1);
    Rgb snow = entry(65 + 18 * 0 + 0);
    EXPECT_NEAR(snow.r, snow.g, 12);   // the haze step tints it a little toward the sky

    // Above an overcast: the deck's shades from the top grey to twice it.
    atm.temp_SL = 59.0f;
    atm.clear = 0;
    scn.abovetops = 1;
    ASSERT_EQ(set_palette_for_conditions(), 1);
    EXPECT_EQ(entry(65).r, 153);   // 0.6
    EXPECT_EQ(entry(155).g, 230);  // 0.6 x 1.5
    EXPECT_EQ(entry(245).b, 255);  // 1.2, held at full

    // The data windows' chart, and the scene's own colours back next frame.
    build_pal(PAL_CHART);
    EXPECT_EQ(entry(65).g, 38);
    EXPECT_EQ(entry(66).g, 153);
    EXPECT_EQ(entry(245).r, 51);
    EXPECT_EQ(set_palette_for_conditions(), 1);
    EXPECT_EQ(entry(65).r, 153);
}

TEST_F(SceneParts, RunwayBarsBySide)
{
    runway_27(0);
    far_lights();
    atm.vis_effective = 1.0e6f;
    // Approaching runway 27 from the east: green threshold, red far end.
    approach(500.0f, 0.0f, 3.0f, 270.0f);
    EXPECT_EQ(scn.straightin[0], 1);
    for (int k : {501, 502, 503, 511, 512, 513})
        EXPECT_EQ(light(k), 57) << k;
    for (int k : {514, 515, 516, 524, 525, 526})
        EXPECT_EQ(light(k), 30) << k;
    EXPECT_EQ(light(1), 59) << "edge light near the threshold";
    // From the west, heading 090: the colours swap.
    approach(-3500.0f, -3000.0f, 3.0f, 90.0f);
    EXPECT_EQ(scn.straightin[0], 0);
    for (int k : {501, 502, 503, 511, 512, 513})
        EXPECT_EQ(light(k), 30) << k;
    for (int k : {514, 515, 516, 524, 525, 526})
        EXPECT_EQ(light(k), 57) << k;
    // Seen from the far end the first edge lights are amber, the rest white
    // (looked at steeply, so that no bar light covers them).
    approach(-1500.0f, 0.0f, 5.0f, 90.0f);
    EXPECT_EQ(env.amber1[0], 2);
    EXPECT_EQ(light(1), 60);
    EXPECT_EQ(light(2), 60);
    EXPECT_EQ(light(4), 59);
}

TEST_F(SceneParts, VasiByGlideAngle)
{
    runway_27(0);
    far_lights();
    ASSERT_EQ(env.VASI[0], 1);
    struct { float deg; int downwind, upwind; } cases[] = {{3.0f, 30, 55}, {2.0f, 30, 30}, {4.0f, 55, 55}};
    for (const auto &c : cases) {
        approach(800.0f, -200.0f, c.deg, 270.0f);
        EXPECT_EQ(light(276), c.downwind) << c.deg;
        EXPECT_EQ(light(277), c.downwind) << c.deg;
        EXPECT_EQ(light(278), c.upwind) << c.deg;
        EXPECT_EQ(light(279), c.upwind) << c.deg;
    }
    // Seen from the far end there is no VASI to see.
    approach(-3500.0f, -3000.0f, 3.0f, 90.0f);
    EXPECT_EQ(light(276), VIEW_BG);
}

TEST_F(SceneParts, VisibilityLimits)
{
    atm.clear = 1;
    atm.vis = 10000.0f;
    set_visibility();
    EXPECT_FLOAT_EQ(atm.vis_effective, 10000.0f);
    EXPECT_FLOAT_EQ(atm.vis1_grnd, 1000.0f);
    EXPECT_FLOAT_EQ(atm.vis2_grnd, 15000.0f);
    EXPECT_FLOAT_EQ(atm.vis1_lite, 5000.0f);
    EXPECT_FLOAT_EQ(atm.vis2_lite, 10000.0f);
    EXPECT_FLOAT_EQ(atm.vis3_lite, 15000.0f);
    atm.level = 4.0f;
    set_visibility();
    EXPECT_FLOAT_EQ(atm.vis_effective, 2000.0f) << "storm level 4";
    // Under an overcast with its base at 1000 m over the sea: full
    // visibility up to 950 m, half of the thinning at 975 m (r = 0.5, so a
    // quarter, or less while a wisp passes), none at the base.
    atm.level = 0.0f;
    atm.clear = 0;
    atm.baseMSL = 1000.0f;
    env.localh = 0.0f;
    scn.belowbases = 1;
    msc.prd = 0.0f;   // no wisp can start
    struct { float z, want; } band[] = {{900.0f, 10000.0f}, {975.0f, 2500.0f}, {1000.0f, 0.0f}};
    for (const auto &b : band) {
        con.VIEW_loc_z = b.z;
        set_visibility();
        EXPECT_NEAR(atm.vis_effective, b.want, 1.0f) << b.z;
    }
    // Wisps only ever thin the view, and stay within their depth.
    msc.prd = 0.05f;
    con.VIEW_loc_z = 960.0f;
    float lo = 1.0e9f, hi = 0.0f;
    for (int f = 0; f < 4000; f++) {
        set_visibility();
        lo = fminf(lo, atm.vis_effective);
        hi = fmaxf(hi, atm.vis_effective);
    }
    EXPECT_NEAR(hi, 6400.0f, 1.0f);
    EXPECT_LT(lo, 6000.0f) << "a wisp passed";
    EXPECT_GE(lo, 0.0f);
}

TEST_F(SceneParts, PointLightsStayInTheView)
{
    far_lights();
    // A row of lights across the whole field of view and beyond, some
    // above the view's top margin: none may land outside the view rectangle.
    int drawn = 0;
    for (int k = -400; k <= 400; k++)
        drawn += show_light(2 * k, (float)k, 100.0f, 0.5f * k, 55);
    EXPECT_GT(drawn, 50);
    for (int y = 0; y < wh; y++)
        for (int x = 0; x < ww; x++)
            if (!in_view_rect(x, y)) {
                ASSERT_EQ(px(x, y), VIEW_BG) << x << "," << y;
            }
    // Beyond the first light limit only even indices, beyond the second
    // only every eighth, beyond the third none.
    atm.vis1_lite = 100.0f;
    atm.vis2_lite = 200.0f;
    atm.vis3_lite = 300.0f;
    struct { float depth; int index, shown; } cases[] = {
        {2.0f, 0, 0}, {50.0f, 1, 1}, {150.0f, 1, 0}, {150.0f, 2, 1}, {250.0f, 2, 0}, {250.0f, 8, 1}, {350.0f, 8, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(show_light(c.index, 0.0f, c.depth, 0.0f, 55), c.shown) << c.depth << " " << c.index;
}

TEST_F(SceneParts, MoonIsAFilledDisc)
{
    scn.starmax = 0;
    sta.psi[0] = 10.0f;   // a little right of the camera heading, 5 deg up
    sta.the[0] = 5.0f;
    look(0.0f, 0.0f);
    plotnightsky();
    int n = count(56);
    EXPECT_GT(n, 280);   // pi r^2 = 314 for r = 10
    EXPECT_LT(n, 360);
    // Half off the top of the view: cut at the view's edge.
    sta.psi[0] = 0.0f;
    sta.the[0] = (con.rat_bot / 1.1f) * con.radtodeg;
    clear_world();
    plotnightsky();
    EXPECT_GT(count(56), 100);
    for (int x = 0; x < ww; x++)
        for (int y = 0; y < con.off_int_top; y++)
            ASSERT_EQ(px(x, y), VIEW_BG);
}
