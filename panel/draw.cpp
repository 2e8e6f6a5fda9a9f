// The moving parts every instrument is drawn with: needles (erased by
// painting the dial back under them), the barber pole, ticks, the
// glide-slope pointer, the heading card, the attitude ball's symbol, pitch
// rungs and bank pointer, the fuel pointer, and the redraw rules.
#include "panel/local.h"

#include <cmath>
#include <cstdio>

int needle_moved(NeedleMemory *m, int angle)
{
    int d = abs(angle - m->angle) % 360;
    d = intmin2(d, 360 - d);   // a full-turn dial wraps
    return ins.tickle_all || !m->drawn || d > 2;
}

int value_changed(int *memory, int *drawn, int value)
{
    if (!ins.tickle_all && *drawn && *memory == value)
        return 0;
    *memory = value;
    *drawn = 1;
    return 1;
}

static void tip(int x, int y, int angle, int length, int *tx, int *ty)
{
    int a = deg_wrap(angle);
    *tx = x + iround((float)length * lsin[a]);
    *ty = y - iround((float)length * lcos[a]);
}

void needle(int x, int y, int angle, int length, int color, int background)
{
    int tx, ty;
    tip(x, y, angle, length, &tx, &ty);
    line2(x, y, tx, ty, color);
    if (color == background)
        canvas_repair(intmin2(x, tx) - 1, intmin2(y, ty) - 1, intmax2(x, tx) + 2, intmax2(y, ty) + 2);
    canvas_dirty(intmin2(x, tx) - 1, intmin2(y, ty) - 1, intmax2(x, tx) + 2, intmax2(y, ty) + 2);
}

void erase_needle(int x, int y, int angle, int length)
{
    needle(x, y, angle, length, ERASE_COLOR, ERASE_COLOR);
}

void needle_hub(int x, int y, int r)
{
    disc(x, y, r, PC_GREY6);
    put_px(x - 1, y - 1, PC_GREY9);
    canvas_dirty(x - r, y - r, x + r, y + r);
}

// Moves one needle by the redraw rule; 1 when it was redrawn.
int move_needle(NeedleMemory *m, int x, int y, int angle, int length, int color)
{
    if (!needle_moved(m, angle))
        return 0;
    if (m->drawn)
        erase_needle(x, y, m->angle, length);
    needle(x, y, angle, length, color, ERASE_COLOR);
    m->angle = angle;
    m->drawn = 1;
    return 1;
}

// The maximum-operating-speed needle: red and white stripes of 3 pixels
// from radius r0 outward.
void pole(int x, int y, int angle, int r0, int length)
{
    int a = deg_wrap(angle);
    for (int s = 0; s < length; s += 3) {
        int s1 = r0 + s, s2 = r0 + intmin2(s + 2, length);
        int x1 = x + iround(s1 * lsin[a]), y1 = y - iround(s1 * lcos[a]);
        int x2 = x + iround(s2 * lsin[a]), y2 = y - iround(s2 * lcos[a]);
        line2(x1, y1, x2, y2, (s / 3) % 2 ? PC_OFFWHITE : PC_RED);
        canvas_dirty(intmin2(x1, x2) - 1, intmin2(y1, y2) - 1, intmax2(x1, x2) + 2, intmax2(y1, y2) + 2);
    }
}

void center_tick(int cx, int cy, int angle, int r1, int r2, int color)
{
    int x1, y1, x2, y2;
    polar(cx, cy, (float)angle, (float)r1, &x1, &y1);
    polar(cx, cy, (float)angle, (float)r2, &x2, &y2);
    line1(x1, y1, x2, y2, color);
}

void little_tick(int cx, int cy, int angle, int r, int color)
{
    center_tick(cx, cy, angle, r - 3, r, color);
}

void little_ticks(int cx, int cy, int r, int rotate, int step, int color)
{
    for (int a = 0; a < 360; a += step)
        little_tick(cx, cy, a - rotate, r, color);
}

// A glide-slope pointer: a triangle `w` wide pointing into the indicator
// (dir +1 right, -1 left) at row y.
void gsbar(int x, int y, int w, int dir, int color)
{
    for (int k = 0; k <= w; k++) {
        int h = w - k;
        for (int r = -h; r <= h; r++)
            put_px(x + dir * k, y + r, color);
    }
}

// The heading card of radius r turned to `heading` (deg): ticks every 5
// degrees, longer every 10, the cardinal letters and tens of degrees every
// 30, upright.
void plot_dg(int cx, int cy, int heading, int r, int cardinals_only)
{
    static const char *LABEL[12] = {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"};
    for (int a = 0; a < 360; a += 5)
        center_tick(cx, cy, a - heading, r - (a % 10 ? 4 : 7), r - 1, PC_WHITE);
    for (int k = 0; k < 12; k += cardinals_only ? 3 : 1) {
        int x, y;
        polar(cx, cy, (float)(k * 30 - heading), (float)(r - 14), &x, &y);
        int c = k % 3 == 0 ? PC_WHITE : PC_PALE;
        if (k % 3 == 0)
            text_bold_centred(x, y - 3, LABEL[k], c);
        else
            text_centred(x + 1, y - 3, LABEL[k], c);
    }
}

// The attitude indicator's aircraft symbol, `dy` rows off the centre.
void ADD_wings(int cx, int cy, int half, int color)
{
    int y = cy;
    hline(cx - half, cx - half / 3, y, color);
    hline(cx - half, cx - half / 3, y + 1, color);
    hline(cx + half / 3, cx + half, y, color);
    hline(cx + half / 3, cx + half, y + 1, color);
    hline(cx - half / 3, cx - half / 3, y + 2, color);
    hline(cx + half / 3, cx + half / 3, y + 2, color);
    put_px(cx - half / 3, y + 3, color);
    put_px(cx + half / 3, y + 3, color);
    fill_box(cx - 1, y, cx + 1, y + 1, color);
}

// One digit cell of the rolling font, `drop` rows down its column (0..9
// rows of digit d give way to digit d + 1), clipped to rows y..y + 8.
void drop_it(int x, int y, int d, int drop)
{
    for (int r = 0; r < 9; r++) {
        int src = (d * 9 + r + drop) % TAPE_H;
        for (int c = 0; c < TAPE_W; c++)
            put_px(x + c, y + r, ins.tape_col[c][src]);
    }
}

// The fuel pointer: a triangle under the scale row pointing at `pct`.
void fuel_pointer(int x1, int x2, int row, int pct, int color)
{
    int x = x1 + (x2 - x1) * intlim(pct, 0, 100) / 100;
    for (int k = 0; k < 5; k++)
        hline(x - k, x + k, row + 2 + k, color);
}

// A pitch rung at `deg` on a ball of centre (cx, cy) showing pitch `the`
// and bank `phi` (deg), `k` px per degree; only pixels inside the ball's
// spans are drawn.
void pitchbar(int cx, int cy, float the, float phi, float deg, float k, int half, int color)
{
    float s = sinf(phi * 0.017453293f), c = cosf(phi * 0.017453293f);
    float v = (the - deg) * k;
    float mx = cx + v * s, my = cy + v * c;
    int n = 2 * half;
    for (int i = 0; i <= n; i++) {
        float u = (float)(i - half);
        int x = iround(mx + u * c), y = iround(my - u * s);
        int r = y - pln.ah_top_prim;
        int k2 = y - pln.ah_top_roll;
        if (r < 0 || y > pln.ah_bot_prim || k2 < 0 || k2 >= MAX_AH_ROWS)
            continue;
        if (x >= pln.ahx1_prim[k2] && x <= pln.ahx2_prim[k2])
            put_px(x, y, color);
    }
}

// The bank pointer: a small triangle on the rolling ring at angle -phi.
void rollbar(int cx, int cy, float phi, int r_tip, int color)
{
    int a = iround(-phi);
    int x1, y1, x2, y2, x3, y3;
    polar(cx, cy, (float)a, (float)r_tip, &x1, &y1);
    polar(cx, cy, (float)(a - 5), (float)(r_tip + 7), &x2, &y2);
    polar(cx, cy, (float)(a + 5), (float)(r_tip + 7), &x3, &y3);
    MACIBM_poly3(color, x1, y1, x2, y2, x3, y3, 1);
    line1(x2, y2, x3, y3, color);
}
