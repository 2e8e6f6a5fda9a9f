// The pieces every panel picture is built of: the panel's paint, bezels lit
// from the upper left, screws, knobs, push buttons, lamps, and the scales of
// a dial (graduations, numerals, coloured arcs) for any value-to-angle law.
#include "panel/local.h"

#include <cmath>
#include <cstdio>

// Crinkle finish of the classic panel: a sparse, fixed scatter of lighter
// and darker pixels over the paint (a hash of the position, so the picture
// is the same every time).
void paint_panel_paint(int x1, int y1, int x2, int y2, int glass)
{
    int base = glass ? PC_GREY2 : PC_GREY3;
    fill_box(x1, y1, x2, y2, base);
    if (glass)
        return;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++) {
            unsigned h = (unsigned)x * 73856093u ^ (unsigned)y * 19349663u;
            h ^= h >> 13;
            h *= 0x5bd1e995u;
            h ^= h >> 15;
            if ((h & 31) == 0)
                put_px(x, y, PC_GREY4);
            else if ((h & 31) == 1)
                put_px(x, y, PC_GREY2);
        }
}

// A raised plate: light top and left edges, dark bottom and right.
void paint_plate(int x1, int y1, int x2, int y2, int fill, int glass)
{
    fill_box(x1, y1, x2, y2, fill);
    hline(x1, x2, y1, glass ? PC_GREY4 : PC_GREY7);
    hline(x1, x2, y2, PC_GREY1);
    for (int y = y1; y <= y2; y++) {
        put_px(x1, y, glass ? PC_GREY4 : PC_GREY6);
        put_px(x2, y, PC_GREY1);
    }
}

// A sunk window (display, digit window): dark frame, black inside.
void paint_window(int x1, int y1, int x2, int y2)
{
    fill_box(x1, y1, x2, y2, PC_BLACK);
    hline(x1 - 1, x2 + 1, y1 - 1, PC_GREY1);
    hline(x1 - 1, x2 + 1, y2 + 1, PC_GREY6);
    for (int y = y1; y <= y2; y++) {
        put_px(x1 - 1, y, PC_GREY1);
        put_px(x2 + 1, y, PC_GREY6);
    }
}

void paint_bezel(int cx, int cy, int face_r, int bezel_r, int glass)
{
    // Shade each ring pixel by how much it faces the light (upper left).
    for (int dy = -bezel_r; dy <= bezel_r; dy++)
        for (int dx = -bezel_r; dx <= bezel_r; dx++) {
            float d = sqrtf((float)(dx * dx + dy * dy));
            if (d > bezel_r + 0.5f || d < face_r + 0.5f)
                continue;
            float facing = (-(float)dx - (float)dy) / (d * 1.4142f);   // 1 towards the light
            float outer = (d - face_r) / (float)(bezel_r - face_r);  // 0 inner edge .. 1 outer
            float lit = outer > 0.55f ? facing : -facing;              // a rounded rim
            int shade = glass ? PC_GREY3 + iround(lit * 1.5f) : PC_GREY5 + iround(lit * 2.6f);
            put_px(cx + dx, cy + dy, intlim(shade, PC_GREY1, PC_GREY8));
        }
    disc(cx, cy, face_r, PC_BLACK);
}

void paint_screw(int x, int y)
{
    disc(x, y, 3, PC_GREY7);
    put_px(x - 1, y - 2, PC_GREY9);
    line1(x - 2, y + 1, x + 1, y - 2, PC_GREY2);
}

void paint_knob(int cx, int cy, int r)
{
    disc(cx, cy, r, PC_GREY2);
    for (int k = 0; k < 24; k++) {   // knurled edge
        int x, y;
        polar(cx, cy, k * 15.0f, (float)r, &x, &y);
        put_px(x, y, PC_GREY6);
    }
    disc(cx, cy, r - 3, PC_GREY5);
    disc(cx - 1, cy - 1, intmax2(r - 6, 1), PC_GREY7);
}

void paint_button(int x1, int y1, int x2, int y2, const char *label, int glass)
{
    paint_plate(x1, y1, x2, y2, glass ? PC_GREY3 : PC_GREY5, glass);
    text_centred((x1 + x2 + 1) / 2, (y1 + y2) / 2 - 3, label, PC_WHITE);
}

// A lamp that the panel lights (the label dark until then).
void paint_lamp(int x1, int y1, int x2, int y2, const char *label)
{
    paint_window(x1, y1, x2, y2);
    text_centred((x1 + x2 + 1) / 2, (y1 + y2) / 2 - 3, label, PC_GREY5);
}

void paint_ticks(int cx, int cy, float v1, float v2, float step, float r1, float r2, int c,
                 float (*deg_of)(float))
{
    if (!(step > 0.0f) || v2 < v1)
        return;
    int n = (int)((v2 - v1) / step + 0.001f);
    for (int k = 0; k <= n && k < 400; k++) {
        float a = deg_of(v1 + k * step);
        int x1, y1, x2, y2;
        polar(cx, cy, a, r1, &x1, &y1);
        polar(cx, cy, a, r2, &x2, &y2);
        line1(x1, y1, x2, y2, c);
    }
}

void paint_numerals(int cx, int cy, float v1, float v2, float step, float r, float divisor,
                    int c, float (*deg_of)(float))
{
    if (!(step > 0.0f) || v2 < v1 || divisor == 0.0f)
        return;
    int n = (int)((v2 - v1) / step + 0.001f);
    for (int k = 0; k <= n && k < 100; k++) {
        float v = v1 + k * step;
        char s[16];
        float shown = v / divisor;
        if (fabsf(shown - roundf(shown)) < 0.01f)
            snprintf(s, sizeof s, "%d", iround(shown));
        else
            snprintf(s, sizeof s, "%.1f", (double)shown);
        int x, y;
        polar(cx, cy, deg_of(v), r, &x, &y);
        text_centred(x + 1, y - 3, s, c);
    }
}

void paint_arc(int cx, int cy, float v1, float v2, float r1, float r2, int c,
               float (*deg_of)(float))
{
    if (!(v2 > v1))
        return;
    float a1 = deg_of(v1), a2 = deg_of(v2);
    if (a2 <= a1)
        return;
    ring(cx, cy, (int)r1, (int)r2, a1, a2, c);
}

// A red radial line (the never-exceed mark) two pixels wide.
void paint_redline(int cx, int cy, float a, float r1, float r2)
{
    int x1, y1, x2, y2;
    polar(cx, cy, a, r1, &x1, &y1);
    polar(cx, cy, a, r2, &x2, &y2);
    line2(x1, y1, x2, y2, PC_RED);
}
