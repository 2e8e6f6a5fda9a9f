// The two dash types drawn whole, compared byte for byte with their golden
// pictures (tests/panel/golden), and every layout painted the same twice
// without touching the view above the panel. Set VORTAN_UPDATE_GOLDEN=1 to
// write the pictures again after a deliberate change of the art.
#include "panel_fixture.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "panel/local.h"

// Palette indices of a palette PNG (empty when it cannot be read).
static std::vector<uint8_t> read_indices(const std::string &path, int *w, int *h)
{
    std::vector<uint8_t> out;
    FILE *f = fopen(path.c_str(), "rb");
    if (!f)
        return out;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {   // libpng's own error return
        png_destroy_read_struct(&png, &info, nullptr);
        fclose(f);
        return out;
    }
    png_init_io(png, f);
    png_read_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    *w = (int)png_get_image_width(png, info);
    *h = (int)png_get_image_height(png, info);
    png_bytepp rows = png_get_rows(png, info);
    for (int y = 0; y < *h; y++)
        out.insert(out.end(), rows[y], rows[y] + *w);
    png_destroy_read_struct(&png, &info, nullptr);
    fclose(f);
    return out;
}

// Compares the panel rows of window 0 with the golden picture `name`.
static void expect_golden(const char *name)
{
    std::string path = std::string(getenv("VORTAN_SOURCE_DIR")) + "/tests/panel/golden/" + name;
    MACIBM_startwind(0, 0);
    MACIBM_fillrect(PC_BLACK, 0, 0, 800, PANEL_TOP, 1);   // the view is not the panel's
    if (getenv("VORTAN_UPDATE_GOLDEN")) {
        ASSERT_TRUE(test_write_window_png(0, path.c_str()));
    }
    int w = 0, h = 0;
    std::vector<uint8_t> golden = read_indices(path, &w, &h);
    ASSERT_EQ(w, 800) << path;
    ASSERT_EQ(h, 600) << path;
    int differ = 0;
    for (int y = PANEL_TOP; y < 600; y++)
        for (int x = 0; x < 800; x++)
            differ += test_window_pixel(0, x, y) != golden[(size_t)y * 800 + x];
    if (differ) {
        std::string actual = "/tmp/vortan_actual_" + std::string(name);
        test_write_window_png(0, actual.c_str());
        ADD_FAILURE() << differ << " pixels differ from " << path << "; this run: " << actual;
    }
}

TEST_F(PanelTest, ClassicPanelMatchesItsGoldenPicture)
{
    load("Aircraft/Trainer.acf");
    cruise();
    settle();
    expect_golden("classic.png");
}

TEST_F(PanelTest, GlassPanelMatchesItsGoldenPicture)
{
    load("Aircraft/Jet.acf", 2, 2);
    cruise();
    flt.vind = 240.0f;
    flt.h = 18000.0f * con.fttomtrs;
    settle();
    expect_golden("glass.png");
}

TEST_F(PanelTest, EveryLayoutPaintsTheSameTwiceAndOnlyThePanel)
{
    struct { const char *file; int dash, layout; } PANELS[] = {
        {"Aircraft/Trainer.acf", 1, 1}, {"Aircraft/Trainer.acf", 1, 2}, {"Aircraft/Trainer.acf", 1, 3},
        {"Aircraft/Trainer.acf", 1, 4}, {"Aircraft/Trainer.acf", 1, 5}, {"Aircraft/Jet.acf", 1, 6},
        {"Aircraft/Twin.acf", 1, 7}, {"Aircraft/Helicopter.acf", 1, 8}, {"Aircraft/Seaplane.acf", 2, 1},
        {"Aircraft/Twin.acf", 2, 4}, {"Aircraft/Trainer.acf", 2, 5}, {"Aircraft/Jet.acf", 2, 7},
        {"Aircraft/Helicopter.acf", 2, 8}};
    MACIBM_startwind(0, 0);
    for (auto &p : PANELS) {
        load(p.file, p.dash, p.layout);
        cruise();
        MACIBM_fillrect(44, 0, 0, 800, 600, 1);
        settle();
        uint64_t first = region_hash(0, PANEL_TOP, 799, 599);
        MACIBM_fillrect(44, 0, 0, 800, 600, 1);
        ins.tickle_all = 1;
        updatepanel();
        EXPECT_EQ(region_hash(0, PANEL_TOP, 799, 599), first) << p.file << " " << p.dash << "/" << p.layout;
        for (int x = 0; x < 800; x += 13)
            EXPECT_EQ(test_window_pixel(0, x, PANEL_TOP - 1), 44) << p.file << " x " << x;
    }
}
