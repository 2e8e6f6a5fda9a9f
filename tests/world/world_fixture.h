// A headless simulator layer with its menus, a private folder of synthetic
// quadrant files, and helpers that write such files.
#pragma once
#include "../common/headless.h"
#include "flight/flight.h"
#include "shell/local.h"
#include "world/local.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

// What a synthetic quadrant holds: a height for every point, water and
// field per cell, and navigation record lines.
struct QuadSpec {
    float height = 10.0f;
    std::function<int(int i, int j)> water = [](int, int) { return 0; };
    std::function<int(int i, int j)> field = [](int, int) { return 0; };
    std::vector<std::string> records;
    int points = 39 * 51;            // fewer to make a truncated file
    bool end_marker = true;
};

class WorldTest : public HeadlessTest {
  protected:
    std::string folder;
    void SetUp() override
    {
        HeadlessTest::SetUp();
        ASSERT_EQ(vortan_start_layer(), 1);
        reset_location_menus();
        folder = path("env");
        std::filesystem::create_directories(folder);
        C_to_C((folder + "/---").c_str(), env.C_path);
        seed_rand(7);
    }
    // 1 when the build generated the country's scenery (DATA/gps_dat in
    // the program folder).
    static int have_scenery()
    {
        char gps[MAX_STR];
        ap_dir("DATA", "gps_dat", gps);
        return std::filesystem::exists(gps);
    }
    static float width_m(int lat) { return 111120.0f * cosf(lat * 3.14159265f / 180.0f); }
    void write_quad(int lat, int lon, const QuadSpec &q) const
    {
        char name[16];
        quadrant_name(lat, lon, name);
        std::ofstream f(folder + "/" + name);
        f << "I\n2 version\n1001 quadrant\n38 cells\n50 cells\n";
        int n = 0;
        for (int j = 0; j <= 50; j++)
            for (int i = 0; i <= 38; i++) {
                if (n++ >= q.points)
                    return;
                f << width_m(lat) * i / 38 << " " << 111120.0f * j / 50 << " " << q.height;
                if (i < 38 && j < 50) {
                    int w = q.water(i, j), fl = q.field(i, j);
                    f << " 0 " << w << " " << w << " " << fl << " " << fl;
                }
                f << "\n";
            }
        f << "1\nrecords: a airport, n navaid, z end\n";
        for (const std::string &r : q.records)
            f << r << "\n";
        if (q.end_marker)
            f << "z\n";
    }
    // An airport line: heading, length and width in feet, elevation in feet.
    static std::string airport(float x, float y, int hdg, int len_ft, int wid_ft, int elev_ft,
                               const char *id, const char *name, int number = 9, char side = 'x')
    {
        char s[MAX_STR];
        snprintf(s, sizeof s, "a %g %g %g %g %d 1 %d %d %d %d %c 0 0 0 0 x 1 %s %s", x, y, x, y,
                 elev_ft, len_ft, wid_ft, hdg, number, side, id, name);
        return s;
    }
    static std::string navaid(int type, int v1, int v2, const char *id, const char *name)
    {
        char s[MAX_STR];
        snprintf(s, sizeof s, "n 1000 1000 1000 1000 100 %d %d %d 0 %s %s", type, v1, v2, id, name);
        return s;
    }
    static int slot_named(const char *name)
    {
        for (int k = 0; k < MAX_NAV; k++)
            if (std::string(env.navname[k]) == name)
                return k;
        return -1;
    }
};
