// The panel's pixel helpers over whatever 800 x 600 world is locked (the
// panel canvas, or the scratch world a bitmap is painted in): spans, boxes,
// discs, rings, lines, the 5 x 7 text and seven-segment numbers. Everything
// clips to the screen.
#include "panel/local.h"

#include <cmath>
#include <cstdio>
#include <cstring>

void put_px(int x, int y, int c)
{
    if (locked && x >= 0 && y >= 0 && x < SCREEN_W && y < SCREEN_H)
        pix[(size_t)y * row + x] = (uint8_t)c;
}

void hline(int x1, int x2, int y, int c)
{
    if (!locked || y < 0 || y >= SCREEN_H)
        return;
    x1 = intmax2(x1, 0);
    x2 = intmin2(x2, SCREEN_W - 1);
    if (x2 >= x1)
        memset(pix + (size_t)y * row + x1, c, (size_t)(x2 - x1 + 1));
}

void fill_box(int x1, int y1, int x2, int y2, int c)
{
    for (int y = y1; y <= y2; y++)
        hline(x1, x2, y, c);
}

void frame_box(int x1, int y1, int x2, int y2, int c)
{
    hline(x1, x2, y1, c);
    hline(x1, x2, y2, c);
    for (int y = y1 + 1; y < y2; y++) {
        put_px(x1, y, c);
        put_px(x2, y, c);
    }
}

void disc(int cx, int cy, int r, int c)
{
    for (int dy = -r; dy <= r; dy++) {
        float q = ((float)r + 0.5f) * ((float)r + 0.5f) - (float)(dy * dy);
        if (q < 0.0f)
            continue;
        int hw = (int)sqrtf(q);
        hline(cx - hw, cx + hw, cy + dy, c);
    }
}

void polar(int cx, int cy, float ang_deg, float r, int *x, int *y)
{
    float a = ang_deg * 0.017453293f;
    *x = cx + iround(r * sinf(a));
    *y = cy - iround(r * cosf(a));
}

// Whether angle a (deg) lies on the clockwise sweep from a1 to a2.
static int on_sweep(float a, float a1, float a2)
{
    float span = degf_wrap(a2 - a1);
    if (span == 0.0f && a2 != a1)
        span = 360.0f;
    return degf_wrap(a - a1) <= span;
}

void ring(int cx, int cy, int r1, int r2, float a1, float a2, int c)
{
    int whole = fabsf(a2 - a1) >= 359.999f;
    for (int dy = -r2; dy <= r2; dy++)
        for (int dx = -r2; dx <= r2; dx++) {
            float d2 = (float)(dx * dx + dy * dy);
            if (d2 > ((float)r2 + 0.5f) * ((float)r2 + 0.5f) || d2 < ((float)r1 - 0.5f) * ((float)r1 - 0.5f))
                continue;
            float a = atan2f((float)dx, (float)-dy) * 57.29578f;
            if (whole || on_sweep(a, a1, a2))
                put_px(cx + dx, cy + dy, c);
        }
}

void line1(int x1, int y1, int x2, int y2, int c)
{
    int dx = abs(x2 - x1), dy = -abs(y2 - y1);
    int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1, err = dx + dy;
    for (;;) {
        put_px(x1, y1, c);
        if (x1 == x2 && y1 == y2)
            return;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

// Width 2: the second line beside the first, across its main direction.
void line2(int x1, int y1, int x2, int y2, int c)
{
    line1(x1, y1, x2, y2, c);
    if (abs(x2 - x1) > abs(y2 - y1))
        line1(x1, y1 + 1, x2, y2 + 1, c);
    else
        line1(x1 + 1, y1, x2 + 1, y2, c);
}

int text_width_px(const char *s)
{
    int n = (int)strnlen(s, MAX_STR);
    return n ? n * LETTER_PITCH - 1 : 0;
}

int text_at(int x, int y, const char *s, int c)
{
    int x0 = x;
    for (int i = 0; s[i] && i < MAX_STR; i++, x += LETTER_PITCH)
        if (s[i] != ' ')
            plot_letter(x, y, c, 0, (unsigned char)s[i]);
    return x - x0;
}

void text_centred(int cx, int y, const char *s, int c)
{
    text_at(cx - text_width_px(s) / 2, y, s, c);
}

void text_bold_centred(int cx, int y, const char *s, int c)
{
    int x = cx - (text_width_px(s) + 1) / 2;
    text_at(x, y, s, c);
    text_at(x + 1, y, s, c);
}

void number_right(int x_right, int y, int value, int c)
{
    char s[16];
    snprintf(s, sizeof s, "%d", value);
    text_at(x_right - text_width_px(s), y, s, c);
}

void seg_number(int x, int y, int value, int ndig, int s, int c, int erase)
{
    int v = abs(value);
    for (int k = ndig - 1; k >= 0; k--) {
        digit(x + k * (s + 3), y, s, c, v % 10, erase);
        v /= 10;
    }
}
