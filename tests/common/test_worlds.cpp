// Off-screen worlds, the colour key of copies, the palette and the PNG of
// the frame.
#include "layer_fixture.h"

#include <png.h>

TEST_F(LayerTest, WorldLifecycleAndItsMessages)
{
    MACIBM_initgworld(1, 40, 30);
    MACIBM_settogworld(1, 40, 30, 33, 1);
    EXPECT_EQ(locked, 1);
    EXPECT_EQ(row, 40);
    EXPECT_EQ(pix[29 * row + 39], 33);
    EXPECT_EQ(test_world_pixel(1, 39, 29), 33);
    EXPECT_EQ(test_world_pixel(1, 40, 29), -1);
    MACIBM_copytoport(1, 0, 0, 0, 0, 40, 30, 1);
    EXPECT_EQ(locked, 0);
    MACIBM_disposegworld(1);
    EXPECT_EQ(test_world_pixel(1, 0, 0), -1);
    MACIBM_initgworld(1, 8, 8);   // free again
    try {
        MACIBM_initgworld(1, 8, 8);
        FAIL();
    } catch (const FatalExit &e) {
        EXPECT_EQ(e.s1, "Trying to init a gworld that is already in use!");
    }
}

TEST_F(LayerTest, WorldIndexAndStateChecks)
{
    EXPECT_EQ(fatal_message([] { MACIBM_initgworld(4, 8, 8); }), "Gworld index out of range!");
    EXPECT_EQ(fatal_message([] { MACIBM_initgworld(-1, 8, 8); }), "Gworld index out of range!");
    EXPECT_EQ(fatal_message([] { MACIBM_settogworld(2, 8, 8, 0, 0); }),
              "Trying to set to a gworld that is not in use!");
    EXPECT_EQ(fatal_message([] { MACIBM_copytoport(3, 0, 0, 0, 0, 8, 8, 1); }),
              "Trying to copy from a gworld that is not in use!");
    EXPECT_EQ(fatal_message([] { MACIBM_initgworld(0, 0, 10); }), "Can't create surface");
}

TEST_F(LayerTest, CopyWithoutBlitTheBlackLeavesPixelsUnderIndex11)
{
    MACIBM_startwind(0, 0);
    sys_fill_rect(0, 0, 800, 600, 40);
    MACIBM_initgworld(0, 20, 10);
    MACIBM_settogworld(0, 20, 10, TRANSPARENT_INDEX, 1);
    pix[2 * row + 3] = 30;
    pix[5 * row + 7] = 12;
    MACIBM_copytoport(0, 100, 200, 0, 0, 20, 10, 0);
    EXPECT_EQ(test_window_pixel(0, 103, 202), 30);
    EXPECT_EQ(test_window_pixel(0, 107, 205), 12);
    EXPECT_EQ(test_window_pixel(0, 100, 200), 40);   // under index 11: unchanged
    EXPECT_EQ(test_window_pixel(0, 119, 209), 40);
    MACIBM_settogworld(0, 20, 10, TRANSPARENT_INDEX, 1);
    MACIBM_copytoport(0, 100, 200, 0, 0, 20, 10, 1);
    EXPECT_EQ(test_window_pixel(0, 100, 200), TRANSPARENT_INDEX);
    EXPECT_EQ(test_window_pixel(0, 120, 200), 40);   // right edge excluded
}

TEST_F(LayerTest, CopiesAreClippedToWorldAndWindow)
{
    MACIBM_startwind(4, 1);   // 246 x 165, current
    MACIBM_initgworld(2, 50, 50);
    MACIBM_settogworld(2, 50, 50, 66, 1);
    MACIBM_copytoport(2, 220, 150, -10, -10, 90, 90, 1);
    EXPECT_EQ(test_window_pixel(4, 245, 164), 66);
    EXPECT_EQ(test_window_pixel(4, 219, 150), 0);
    MACIBM_copytoport(2, -1000, -1000, 0, 0, 50, 50, 1);   // nothing lands
    MACIBM_copytoport(2, 0, 0, 40, 40, 10, 10, 1);         // empty rectangle
}

// Presenting sends only the rows that changed: what the display shows must
// still follow every change of a row and of the palette, and rows left
// alone must keep what they showed.
TEST_F(LayerTest, EveryPresentShowsTheWholeFrameAsItStands)
{
    MACIBM_startwind(0, 0);
    MACIBM_set_palette_entry(100, 10, 20, 30);
    MACIBM_set_palette_entry(101, 200, 100, 50);
    sys_fill_rect(0, 0, 800, 500, 100);
    MACIBM_present();
    if (test_presented_pixel(0, 0) < 0)
        GTEST_SKIP() << "the renderer cannot be read back";
    int y = 5 + MENU_BAR_H;
    EXPECT_EQ(test_presented_pixel(5, y), 0x0A141E);
    sys_fill_rect(300, 200, 310, 201, 101);   // one row of one window
    MACIBM_present();
    EXPECT_EQ(test_presented_pixel(305, 200 + MENU_BAR_H), 0xC86432);
    EXPECT_EQ(test_presented_pixel(305, 201 + MENU_BAR_H), 0x0A141E);
    EXPECT_EQ(test_presented_pixel(5, y), 0x0A141E);
    MACIBM_present();   // nothing changed
    EXPECT_EQ(test_presented_pixel(305, 200 + MENU_BAR_H), 0xC86432);
    MACIBM_set_palette_entry(100, 1, 2, 3);   // a new palette reaches unchanged rows
    MACIBM_present();
    EXPECT_EQ(test_presented_pixel(5, y), 0x010203);
    EXPECT_EQ(test_presented_pixel(799, 499 + MENU_BAR_H), 0x010203);
    EXPECT_EQ(test_presented_pixel(305, 200 + MENU_BAR_H), 0xC86432);
}

TEST_F(LayerTest, PaletteIsAppliedWhenTheFrameIsShown)
{
    MACIBM_startwind(0, 0);
    sys_fill_rect(0, 0, 10, 10, 100);
    MACIBM_set_palette_entry(100, 10, 20, 30);
    MACIBM_present();
    EXPECT_EQ(test_frame_pixel(5, 5 + MENU_BAR_H), 100);
    MACIBM_set_palette_entry(100, 300, -4, 30);
    int r, g, b;
    test_palette_entry(100, &r, &g, &b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 0);
    std::string file = path("shot.png");
    ASSERT_EQ(test_write_png(file.c_str()), 1);
    // read it back: an indexed picture of the whole frame with our palette
    FILE *f = fopen(file.c_str(), "rb");
    ASSERT_TRUE(f);
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, f);
    png_read_info(png, info);
    EXPECT_EQ(png_get_image_width(png, info), 800u);
    EXPECT_EQ(png_get_image_height(png, info), 620u);
    EXPECT_EQ(png_get_color_type(png, info), PNG_COLOR_TYPE_PALETTE);
    png_colorp pal;
    int npal = 0;
    png_get_PLTE(png, info, &pal, &npal);
    ASSERT_EQ(npal, 256);
    EXPECT_EQ(pal[100].red, 255);
    EXPECT_EQ(pal[100].blue, 30);
    png_destroy_read_struct(&png, &info, nullptr);
    fclose(f);
}

TEST_F(LayerTest, SplashAndProgramColoursAreThereAfterStart)
{
    int r, g, b;
    test_palette_entry(23, &r, &g, &b);
    // the grey ramp ends in white, limited to 0.99 like every interface colour
    EXPECT_EQ(r + g + b, 3 * 252);
    test_palette_entry(24, &r, &g, &b);
    EXPECT_EQ(g, 204);
    // the splash covers the main window
    EXPECT_NE(test_window_pixel(0, 400, 10), 0);
    EXPECT_THROW(MACIBM_bitmap(0, 0, 12345), FatalExit);
}
