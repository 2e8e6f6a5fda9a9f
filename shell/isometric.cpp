// The Isometric Region window (15): the loaded terrain grid as an oblique
// picture, filled far to near so nearer triangles cover farther ones, with
// the recorded flight path on top.
#include "shell/winlocal.h"

#include <cmath>

namespace {

constexpr int ISO_W = 760, ISO_H = 540;
constexpr int LEFT = 13, BOTTOM = 527;
constexpr float SLANT_X = 0.3f, SLANT_Y = 0.7f;

float x_range() { return planex[MESH_I - 1][0] - planex[0][0]; }
float y_range() { return planey[0][MESH_J - 1] - planey[0][0]; }

}   // namespace

float iso_scale()
{
    float xr = x_range(), yr = y_range();
    if (!(xr > 1.0f) || !(yr > 1.0f))
        return 0.0f;
    return fltmin2(739.0f / (yr * 0.3f + xr), 518.0f / (yr * 0.8f)) * 0.99f;
}

void iso_point(float x, float y, float z, float s, int *sx, int *sy)
{
    float dx = x - planex[0][0], dy = y - planey[0][0];
    *sx = iround((dx + dy * SLANT_X) * s) + LEFT;
    *sy = BOTTOM - iround((dy * SLANT_Y + z) * s);
}

void paint_iso(const Port *)
{
    art_rect(42, 0, 0, ISO_W, ISO_H);
    art_frame(WIN_FRAME, 0, 0, ISO_W, ISO_H);
    art_text(23, 10, 16, "The region from the south-south-west, heights not to scale");
    art_text(23, 10, 27, "Yellow: the flight path recorded so far.");
    // North arrow.
    MACIBM_line(23, 720, 60, 729, 30, 1);
    MACIBM_poly3(23, 729, 26, 724, 36, 733, 34, 1);
    art_text(23, 732, 24, "N");
}

void isoplot()
{
    window_back(BMP_ISO);
    float s = iso_scale();
    if (s <= 0.0f)
        return;
    // Heights are exaggerated nowhere: the picture is the grid's own shape,
    // centred in the window's height by its lowest and highest points.
    int top = ISO_H, bottom = 0;
    for (int i = 0; i < MESH_I; i += MESH_I - 1)
        for (int j = 0; j < MESH_J; j += MESH_J - 1) {
            int sx, sy;
            iso_point(planex[i][j], planey[i][j], fltmax2(planez[i][j], 0.0f), s, &sx, &sy);
            top = intmin2(top, sy);
            bottom = intmax2(bottom, sy);
        }
    int shift = (ISO_H - (bottom - top)) / 2 - top;
    for (int j = MESH_J - 2; j >= 0; j--)
        for (int i = MESH_I - 2; i >= 0; i--) {
            int x[4], y[4];
            const int DI[4] = {0, 1, 1, 0}, DJ[4] = {0, 0, 1, 1};
            for (int n = 0; n < 4; n++) {
                int a = i + DI[n], b = j + DJ[n];
                iso_point(planex[a][b], planey[a][b], fltmax2(planez[a][b], 0.0f), s, &x[n], &y[n]);
                y[n] += shift;
            }
            if (planediv[i][j] == 0) {
                MACIBM_poly3(planecol[i][j][1], x[1], y[1], x[2], y[2], x[3], y[3], 1);
                MACIBM_poly3(planecol[i][j][0], x[0], y[0], x[1], y[1], x[3], y[3], 1);
            } else {
                MACIBM_poly3(planecol[i][j][1], x[0], y[0], x[2], y[2], x[3], y[3], 1);
                MACIBM_poly3(planecol[i][j][0], x[0], y[0], x[1], y[1], x[2], y[2], 1);
            }
        }
    int have = 0, px = 0, py = 0;
    for (int k = 0; k < MAX_PATH_SAMPLES; k++) {
        const float *p = pat.xyztpp[k];
        if (p[0] == 0.0f && p[1] == 0.0f) {
            have = 0;
            continue;
        }
        int sx, sy;
        iso_point(p[0], p[1], p[2], s, &sx, &sy);
        sy += shift;
        if (have)
            MACIBM_line(29, px, py, sx, sy, 1);
        have = 1;
        px = sx;
        py = sy;
    }
}
