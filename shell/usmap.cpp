// The United States window (3): the country's outline and state borders on
// a latitude-longitude grid; a click picks the region's south-west corner
// and starts the flight there.
#include "shell/winlocal.h"

#include <algorithm>
#include <cstdio>

#include "shell/usmap.h"

namespace {

constexpr int MAP_W = 621, MAP_H = 393;
constexpr int OUTSIDE = 17, LAND = 50, BORDER = 47, COAST = 11, GRID = 19, REGION = 30;
constexpr int MAX_CROSS = 256;

// Map pixel of a point in hundredths of a degree (east, north positive).
float map_x(float lon_e) { return interp(-126.0f, 0.0f, -63.0f, 600.0f, lon_e); }
float map_y(float lat) { return interp(49.0f, 5.0f, 23.0f, 410.0f, lat); }
float px_lon(int k, const int16_t *t) { return map_x(t[k] / 100.0f); }
float px_lat(int k, const int16_t *t) { return map_y(t[k + 1] / 100.0f); }

// The land rings filled by the even-odd rule, row by row.
void fill_land()
{
    static float cross[MAX_CROSS];
    for (int y = 0; y < MAP_H; y++) {
        float fy = y + 0.5f;
        int n = 0;
        for (int r = 0; US_LAND_RINGS[r]; r += 1 + 2 * US_LAND_RINGS[r]) {
            int count = US_LAND_RINGS[r];
            const int16_t *p = US_LAND_RINGS + r + 1;
            for (int k = 0; k < count; k++) {
                int a = 2 * k, b = 2 * ((k + 1) % count);
                float y1 = px_lat(a, p), y2 = px_lat(b, p);
                if ((y1 <= fy) == (y2 <= fy) || n == MAX_CROSS)
                    continue;
                float x1 = px_lon(a, p), x2 = px_lon(b, p);
                cross[n++] = x1 + (fy - y1) * (x2 - x1) / (y2 - y1);
            }
        }
        std::sort(cross, cross + n);
        for (int k = 0; k + 1 < n; k += 2) {
            int x1 = intlim(iround(cross[k]), 0, MAP_W - 1), x2 = intlim(iround(cross[k + 1]) - 1, 0, MAP_W - 1);
            if (x2 >= x1)
                MACIBM_fillrect(LAND, x1, y, x2 - x1, 0, 1);
        }
    }
}

void draw_lines(const int16_t *table, int color, int closed)
{
    for (int r = 0; table[r]; r += 1 + 2 * table[r]) {
        int count = table[r];
        const int16_t *p = table + r + 1;
        for (int k = 0; k + 1 < count + closed; k++) {
            int a = 2 * k, b = 2 * ((k + 1) % count);
            MACIBM_line(color, iround(px_lon(a, p)), iround(px_lat(a, p)), iround(px_lon(b, p)),
                        iround(px_lat(b, p)), 1);
        }
    }
}

}   // namespace

void states_latlon(int x, int y, int *lat, int *lon)
{
    *lat = (int)interp(5.0f, 49.0f, 410.0f, 23.0f, (float)y);
    *lon = (int)interp(0.0f, 126.0f, 600.0f, 63.0f, (float)x);
}

void paint_states(const Port *)
{
    art_rect(OUTSIDE, 0, 0, MAP_W, MAP_H);
    fill_land();
    for (int lat = 25; lat <= 50; lat += 5) {
        int y = iround(map_y((float)lat));
        for (int x = 0; x < MAP_W; x += 4)
            MACIBM_fillrect(GRID, x, y, 1, 0, 1);
        char s[8];
        snprintf(s, sizeof s, "%dN", lat);
        art_text(WIN_CAPTION, 3, y - 2, s);
    }
    for (int lon = 125; lon >= 65; lon -= 5) {
        int x = iround(map_x((float)-lon));
        for (int y = 0; y < MAP_H; y += 4)
            MACIBM_fillrect(GRID, x, y, 0, 1, 1);
        char s[8];
        snprintf(s, sizeof s, "%dW", lon);
        art_text(WIN_CAPTION, x + 2, 12, s);
    }
    draw_lines(US_STATE_BORDERS, BORDER, 0);
    draw_lines(US_LAND_RINGS, COAST, 1);
    art_rect(WIN_BACK, 8, 322, 150, 58);
    art_frame(WIN_FRAME, 8, 322, 150, 58);
    art_text(WIN_TITLE, 14, 336, "United States");
    art_text(WIN_CAPTION, 14, 350, "Click where you want");
    art_text(WIN_CAPTION, 14, 361, "to fly: the region's");
    art_text(WIN_CAPTION, 14, 372, "south-west corner.");
}

void staplot()
{
    window_back(BMP_STATES);
    // The region flown now: three degrees wide, two high.
    int x1 = iround(map_x((float)-env.lon_west)), x2 = iround(map_x((float)(3 - env.lon_west)));
    int y2 = iround(map_y((float)env.lat_south)), y1 = iround(map_y((float)(env.lat_south + 2)));
    MACIBM_framerect(REGION, x1, y1, x2 - x1 + 1, y2 - y1 + 1, 1);
}

void staclick()
{
    int lat, lon;
    states_latlon(msc.mx, msc.my, &lat, &lon);
    flash_aircraft(msc.mx, msc.my);
    MACIBM_killwind(3);
    start_in_region(lat, lon);
    MACIBM_invalwind(0);
}
