// A started layer with the view world 0 (800 x 568, the full-screen view
// port) locked, a level camera at the origin, and the golden-image check:
// the world compared pixel for pixel with tests/view/golden/<name>.png
// (VORTAN_UPDATE_GOLDEN=1 writes the picture there instead).
#pragma once
#include <png.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/common/headless.h"
#include "view/view.h"

constexpr int VIEW_BG = 62;

// The palette indices of an 8-bit palette PNG; empty when it cannot be read.
inline std::vector<uint8_t> read_png_indices(const std::string &path, int *w, int *h)
{
    std::vector<uint8_t> out;
    FILE *f = fopen(path.c_str(), "rb");
    if (!f)
        return out;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (png && info && !setjmp(png_jmpbuf(png))) {
        png_init_io(png, f);
        png_read_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
        if (png_get_color_type(png, info) == PNG_COLOR_TYPE_PALETTE && png_get_bit_depth(png, info) == 8) {
            *w = (int)png_get_image_width(png, info);
            *h = (int)png_get_image_height(png, info);
            png_bytepp rows = png_get_rows(png, info);
            for (int y = 0; y < *h; y++)
                out.insert(out.end(), rows[y], rows[y] + *w);
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
    fclose(f);
    return out;
}

// World `world` (w x h pixels) compared pixel for pixel with
// tests/view/golden/<name>.png, or written there with VORTAN_UPDATE_GOLDEN=1.
inline void expect_world_golden(const std::string &name, int world, int w, int h)
{
    std::string file = std::string(getenv("VORTAN_SOURCE_DIR")) + "/tests/view/golden/" + name + ".png";
    const char *update = getenv("VORTAN_UPDATE_GOLDEN");
    if (update && *update == '1') {
        ASSERT_EQ(test_write_world_png(world, file.c_str()), 1);
        return;
    }
    int gw = 0, gh = 0;
    std::vector<uint8_t> golden = read_png_indices(file, &gw, &gh);
    ASSERT_EQ(gw, w) << file;
    ASSERT_EQ(gh, h) << file;
    int differing = 0;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            differing += golden[(size_t)y * w + x] != test_world_pixel(world, x, y);
    if (differing) {
        std::string actual = std::string(getenv("TMPDIR") ? getenv("TMPDIR") : "/tmp") + "/" + name + "_actual.png";
        test_write_world_png(world, actual.c_str());
        ADD_FAILURE() << name << ": " << differing << " pixels differ from the golden image; this run's picture is "
                      << actual;
    }
}

class ViewTest : public HeadlessTest {
  protected:
    int ww = 0, wh = 0;
    void SetUp() override
    {
        HeadlessTest::SetUp();
        ASSERT_EQ(MACIBM_init("Vortan", nullptr), 1);
        memset(&scn, 0, sizeof scn);
        memset(&atm, 0, sizeof atm);
        memset(&flt, 0, sizeof flt);
        scn.time = 1;
        set.viewtype = VIEW_FULL_SCREEN;
        set_mon(0, 0.0f);
        ww = con.gwor_x_size;
        wh = con.gwor_y_size;
        MACIBM_initgworld(0, ww, wh);
        clear_world();
        con.VIEW_loc_x = con.VIEW_loc_y = con.VIEW_loc_z = 0.0f;
        set_view_angles();
        drawing_cloud = 0;
        pipe_pieces = 0;
    }
    void clear_world() { MACIBM_settogworld(0, ww, wh, VIEW_BG, 1); }
    int px(int x, int y) const { return test_world_pixel(0, x, y); }
    int count(int c) const
    {
        int n = 0;
        for (int y = 0; y < wh; y++)
            for (int x = 0; x < ww; x++)
                n += px(x, y) == c;
        return n;
    }
    // The camera's heading and pitch (deg), no roll.
    static void look(float heading_deg, float pitch_deg)
    {
        scn.psi180rad = heading_deg * con.degtorad;
        scn.the180rad = pitch_deg * con.degtorad;
        scn.phi180rad = 0.0f;
        set_view_angles();
    }
    void expect_golden(const std::string &name) const { expect_world_golden(name, 0, ww, wh); }
};
