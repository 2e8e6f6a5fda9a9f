// Panel lighting by time of day, colour assignment, the interface colours,
// the bitmap registry and the built-in splash and icon.
#include <cmath>
#include <set>

#include "layer_fixture.h"

class LightTest : public LayerTest {
  protected:
    int time = 1, dashtype = 1;
    float lamp = 0.0f;
    void SetUp() override
    {
        LayerTest::SetUp();
        DrawSources src = {&time, &lamp, &dashtype, nullptr, nullptr};
        set_draw_sources(&src);
    }
    void TearDown() override
    {
        set_draw_sources(nullptr);
        LayerTest::TearDown();
    }
    void lit(int index, float r, float g, float b, float er, float eg, float eb)
    {
        change_colors_for_time(index, &r, &g, &b);
        EXPECT_NEAR(r, er, 1e-5f) << "time " << time << " dash " << dashtype << " lamp " << lamp;
        EXPECT_NEAR(g, eg, 1e-5f) << "time " << time << " dash " << dashtype << " lamp " << lamp;
        EXPECT_NEAR(b, eb, 1e-5f) << "time " << time << " dash " << dashtype << " lamp " << lamp;
    }
};

TEST_F(LightTest, EveryTimeOfDayGivesItsRatios)
{
    time = 1;
    lit(20, 0.5f, 0.6f, 0.7f, 0.5f, 0.6f, 0.7f);
    lit(20, 1.0f, 1.2f, -0.1f, 0.99f, 0.99f, 0.0f);   // limited to 0..0.99
    time = 2;
    lit(20, 0.5f, 0.6f, 0.7f, 0.45f, 0.54f, 0.63f);
    time = 3;
    lit(20, 0.5f, 0.6f, 0.7f, 0.5f, 0.42f, 0.49f);
    time = 4;
    dashtype = 1;                                      // red panel lighting
    lit(20, 0.5f, 0.6f, 0.7f, 0.7f, 0.0f, 0.0f);
    dashtype = 2;
    lit(20, 0.5f, 0.6f, 0.7f, 0.4f, 0.36f, 0.42f);
    lamp = 1.0f;                                       // after the time of day
    dashtype = 1;
    lit(20, 0.5f, 0.6f, 0.7f, 0.0f, 0.8f * powf(0.7f, 0.4f), 0.0f);
    lit(60, 0.5f, 0.6f, 0.7f, 0.0f, powf(0.7f, 0.4f), 0.0f);
    time = 1;
    lit(70, 1.0f, 0.2f, 0.1f, 0.0f, 0.99f, 0.0f);
}

TEST_F(LightTest, AssignColourLightsOnlyPanelIndicesUnlessAmplified)
{
    time = 4;
    dashtype = 1;
    MACIBM_assigncolor(40, 0.2f, 0.4f, 0.6f);
    MACIBM_assigncolor(100, 0.2f, 0.4f, 0.6f);
    int r, g, b;
    test_palette_entry(40, &r, &g, &b);
    EXPECT_EQ(r, 153);   // 0.6 x 255
    EXPECT_EQ(g + b, 0);
    test_palette_entry(100, &r, &g, &b);
    EXPECT_EQ(r, 51);
    EXPECT_EQ(g, 102);
    EXPECT_EQ(b, 153);
    lamp = 1.0f;
    MACIBM_assigncolor(100, 0.2f, 0.4f, 0.6f);
    test_palette_entry(100, &r, &g, &b);
    EXPECT_EQ(r + b, 0);
    EXPECT_EQ(g, iround(powf(0.6f, 0.4f) * 255.0f));
}

TEST_F(LightTest, InterfaceColoursKeepTheirNamedValues)
{
    set_xsys_colors();
    int r, g, b;
    test_palette_entry(11, &r, &g, &b);
    EXPECT_EQ(r + g + b, 0);
    test_palette_entry(17, &r, &g, &b);
    EXPECT_EQ(r, 102);   // 0.4 of the grey ramp
    test_palette_entry(24, &r, &g, &b);
    EXPECT_EQ(r, 51); EXPECT_EQ(g, 204); EXPECT_EQ(b, 51);
    test_palette_entry(29, &r, &g, &b);
    EXPECT_EQ(r, 252); EXPECT_EQ(g, 252); EXPECT_EQ(b, 0);
    test_palette_entry(30, &r, &g, &b);
    EXPECT_EQ(r, 252); EXPECT_EQ(g + b, 0);
    test_palette_entry(55, &r, &g, &b);
    EXPECT_EQ(r + g + b, 3 * 255);
    set_fixed_scene_colors();   // scene colours: sky blue and water darker than ground
    test_palette_entry(62, &r, &g, &b);
    EXPECT_GT(b, r);
    int wr, wg, wb;
    test_palette_entry(65 + 14, &wr, &wg, &wb);
    test_palette_entry(65, &r, &g, &b);
    EXPECT_LT(wr + wg + wb, r + g + b);
}

static void paint_test_bitmap(const Port *)
{
    MACIBM_fillrect(23, 0, 0, 9, 4, 1);    // white top half
    MACIBM_fillrect(24, 0, 5, 9, 4, 1);    // green bottom half
}

TEST_F(LightTest, BitmapsArePaintedAndLitAtNight)
{
    register_bitmap(900, 10, 10, paint_test_bitmap, "test");
    ASSERT_NE(find_bitmap(900), nullptr);
    MACIBM_startwind(0, 0);
    MACIBM_bitmap(100, 100, 900);
    EXPECT_EQ(test_window_pixel(0, 100, 100), 23);
    EXPECT_EQ(test_window_pixel(0, 109, 109), 24);
    EXPECT_EQ(test_window_pixel(0, 110, 109), test_window_pixel(0, 111, 109));   // 10 x 10 only
    time = 4;                 // red panel lighting: white becomes a red entry
    dashtype = 1;
    set_xsys_colors();
    MACIBM_bitmap(100, 100, 900);
    int r, g, b;
    test_palette_entry(test_window_pixel(0, 100, 100), &r, &g, &b);
    EXPECT_GT(r, 200);
    EXPECT_LT(g + b, 20);
    MACIBM_initgworld(1, 8, 8);          // nothing while a world is locked
    MACIBM_settogworld(1, 8, 8, 40, 1);
    MACIBM_bitmap(0, 0, 900);
    EXPECT_EQ(test_world_pixel(1, 0, 0), 40);
    EXPECT_EQ(fatal_message([] { MACIBM_bitmap(0, 0, 901); }), "Can't load resource bitmap!");
}

TEST_F(LightTest, RegistryLimits)
{
    EXPECT_EQ(fatal_message([] { register_bitmap(902, 801, 10, paint_test_bitmap, "wide"); }),
              "Bitmap too large!");
    int n = 0;
    while (bitmap_at(n))
        n++;
    EXPECT_EQ(fatal_message([&] {
                  for (int k = 0; k <= MAX_BITMAPS; k++)
                      register_bitmap(1000 + k, 4, 4, paint_test_bitmap, "many");
              }),
              "Too many bitmap resources!");
    EXPECT_NE(find_bitmap(SPLASH_BITMAP), nullptr);   // the built-ins stay
}

TEST_F(LightTest, SplashLeavesAClearStripForTheProgressCells)
{
    static uint8_t px[SCREEN_W * SCREEN_H];
    ASSERT_TRUE(paint_bitmap(SPLASH_BITMAP, px));
    int strip = px[541 * SCREEN_W + 59];
    for (int y = 541; y <= 545; y++)
        for (int x = 59; x <= 276; x++)
            ASSERT_EQ(px[y * SCREEN_W + x], strip) << x << "," << y;
    EXPECT_NE(strip, 24);   // the cells' green shows on it
    std::set<int> used(px, px + SCREEN_W * SCREEN_H);
    EXPECT_GT(used.size(), 30u);   // a picture, not a fill
    int r, g, b, gr, gg, gb;       // sky at the top, ground at the bottom
    test_palette_entry(px[10 * SCREEN_W + 20], &r, &g, &b);
    test_palette_entry(px[590 * SCREEN_W + 20], &gr, &gg, &gb);
    EXPECT_GT(b, r);
    EXPECT_GT(gg, gb);
    // The start-up showed it on window 0.
    EXPECT_EQ(test_window_pixel(0, 100, 541), strip);
    ASSERT_TRUE(paint_bitmap(ICON_BITMAP, px));
    EXPECT_NE(px[16 * 32 + 16], TRANSPARENT_INDEX);
}

TEST_F(LightTest, PngsOfBitmapsWorldsAndWindows)
{
    std::string p = path("splash.png");
    EXPECT_TRUE(test_write_bitmap_png(SPLASH_BITMAP, p.c_str()));
    EXPECT_GT(std::filesystem::file_size(p), 1000u);
    EXPECT_FALSE(test_write_bitmap_png(4242, p.c_str()));
    MACIBM_initgworld(3, 20, 10);
    EXPECT_TRUE(test_write_world_png(3, path("w.png").c_str()));
    EXPECT_FALSE(test_write_world_png(2, path("x.png").c_str()));
    EXPECT_TRUE(test_write_window_png(0, path("win.png").c_str()));
}
