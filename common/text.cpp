// The program's 5 x 7 font (plot_letter, let, HS_plot_string), text in its
// three types, the identifier character codes, and the number fields intnum
// and fltnum.
#include "common/local.h"

#include <cmath>
#include <cstring>

constexpr int CELL_W = 5, CELL_H = 7;
constexpr int LINE_STEP = 10;           // HS_plot_string's next line, pixels
constexpr int NARROW_PITCH = 4;         // a "1" in intnum
constexpr int BLANK_CODE = 36;

// One 5 x 7 cell from column bytes (low bit at the top); erase paints the
// unlit cells black.
static void cell(int x, int y, int c, int erase, const uint8_t cols[CELL_W])
{
    bool inside = locked && x >= 0 && y >= 0 && x + CELL_W <= lock_w && y + CELL_H <= lock_h;
    for (int col = 0; col < CELL_W; col++)
        for (int r = 0; r < CELL_H; r++) {
            int on = cols[col] >> r & 1;
            if (!on && !erase)
                continue;
            int color = on ? c : TRANSPARENT_INDEX;
            if (inside)   // the usual case: no per-cell checks
                pix[(size_t)(y + r) * row + x + col] = (uint8_t)color;
            else
                ADD_point(color, x + col, y + r);
        }
}

void plot_letter(int x, int y, int c, int erase, int n)
{
    cell(x, y, c, erase, font_glyph((unsigned char)n));
}

void plot_number(int x, int y, int c, int erase, int n)
{
    plot_letter(x, y, c, erase, n >= 0 && n <= 9 ? '0' + n : '?');
}

void let(int x, int y, int c, int erase, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
         int b1, int b2, int b3, int b4, int b5, int b6, int b7, int c1, int c2, int c3, int c4,
         int c5, int c6, int c7, int d1, int d2, int d3, int d4, int d5, int d6, int d7, int e1,
         int e2, int e3, int e4, int e5, int e6, int e7)
{
    const int f[CELL_W][CELL_H] = {{a1, a2, a3, a4, a5, a6, a7}, {b1, b2, b3, b4, b5, b6, b7},
                                   {c1, c2, c3, c4, c5, c6, c7}, {d1, d2, d3, d4, d5, d6, d7},
                                   {e1, e2, e3, e4, e5, e6, e7}};
    uint8_t cols[CELL_W] = {};
    for (int col = 0; col < CELL_W; col++)
        for (int r = 0; r < CELL_H; r++)
            if (f[col][r])
                cols[col] |= (uint8_t)(1 << r);
    cell(x, y, c, erase, cols);
}

void HS_plot_string(int x, int y, int c, const char *string, int xmax, int newline)
{
    int len = (int)strnlen(string, MAX_STR);
    int cx = x, cy = y;
    for (int i = 0; i < len; i++) {
        bool word_start = string[i] != ' ' && (i == 0 || string[i - 1] == ' ');
        if (word_start) {
            int j = i;
            while (j < len && string[j] != ' ')
                j++;
            if (cx + (j - i) * LETTER_PITCH > xmax) {
                if (!newline)
                    return;
                if (cx != x) {   // a word wider than the line goes on a line of its own
                    cx = x;
                    cy += LINE_STEP;
                }
            }
        }
        if (string[i] != ' ')
            plot_letter(cx, cy, c, 0, (unsigned char)string[i]);
        cx += LETTER_PITCH;
    }
}

// The locked world as a port, so system text can go into it too.
static Port locked_port()
{
    Port p = {pix, lock_w, lock_h, row, 0, 0, lock_w, lock_h};
    return p;
}

void MACIBM_drstring(int color, int x, int y, const char *C_string, int type_string)
{
    if (type_string == 1) {
        if (locked) {
            HS_plot_string(x, y - CELL_H, color, C_string, SCREEN_W, 0);
            return;
        }
        int len = (int)strnlen(C_string, MAX_STR);
        if (len == 0)
            return;
        int wx = x, wy = y - CELL_H;
        start_IBM_surf3(wx, wy, len * LETTER_PITCH, CELL_H, TRANSPARENT_INDEX, &wx, &wy);
        HS_plot_string(wx, wy, color, C_string, SCREEN_W - x, 0);
        finish_IBM_surf3(0);
        return;
    }
    // The system fonts stand on the baseline y (their 7-row glyphs end on y - 1).
    Port p = locked ? locked_port() : cur_port;
    if (!p.pixels)
        return;
    if (type_string == 2)
        port_text_prop(&p, x, y - CELL_H, C_string, color);
    else
        port_text(&p, x, y - CELL_H, C_string, color);
}

int port_text_prop(const Port *p, int x, int y, const char *s, int color)
{
    int x0 = x;
    for (int i = 0; s[i] && i < MAX_STR; i++) {
        const uint8_t *g = font_glyph((unsigned char)s[i]);
        int first = 0, last = CELL_W - 1;
        while (first < CELL_W && !g[first]) first++;
        while (last > first && !g[last]) last--;
        if (first == CELL_W) {   // blank
            x += 3;
            continue;
        }
        for (int col = first; col <= last; col++)
            for (int r = 0; r < CELL_H; r++)
                if (g[col] >> r & 1)
                    port_fill(p, x + col - first, y + r, x + col - first + 1, y + r + 1, color);
        x += last - first + 2;
    }
    return x - x0;
}

int char_to_code(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    return BLANK_CODE;
}

char code_to_char(int code)
{
    if (code >= 0 && code <= 9) return (char)('0' + code);
    if (code >= 10 && code <= 35) return (char)('A' + code - 10);
    return ' ';
}

// ---------------------------------------------------------------- number fields
static const int64_t POW10[10] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000,
                                  100000000, 1000000000};

// The dig digits of mag (leading zeros shown), left to right from x, and
// the decimal point before the last dec of them (dec 0: none).
static void draw_digits(int x, int y, int64_t mag, int dig, int dec, int color, int size,
                        int spaceinc, int erase)
{
    int cx = x;
    int pitch = size + 1 + spaceinc;
    for (int k = 0; k < dig; k++) {
        int d = (int)(mag / POW10[dig - 1 - k] % 10);
        if (size < 1) {
            if (dec > 0 && k == dig - dec)
                ADD_point(color, cx - 1, y + CELL_H - 1);
            if (d == 1) {   // a narrow "1": its glyph's blank left column is dropped
                plot_letter(cx - 1, y, color, erase, '1');
                cx += NARROW_PITCH;
            } else {
                plot_letter(cx, y, color, erase, '0' + d);
                cx += LETTER_PITCH;
            }
            continue;
        }
        if (dec > 0 && k == dig - dec) {
            int w = size >= 5 ? 2 : 1;
            int left = cx - spaceinc + (spaceinc - w) / 2;
            for (int r = 0; r < w; r++)
                ADD_hline(color, left, y + 2 * size - r, w);
        }
        digit(cx, y, size, color, d, erase);
        cx += pitch;
    }
}

void intnum(int x, int y, int input, int dig, int color, int size, int spaceinc, int erase)
{
    dig = intlim(dig, 1, 5);
    int64_t mag = input < 0 ? -(int64_t)input : input;
    draw_digits(x, y, mag % POW10[dig], dig, 0, color, size, spaceinc, erase);
}

void fltnum(int x, int y, float input, int dig, int dec, int color, int size, int drawsign,
            int spaceinc)
{
    dig = intlim(dig, 1, 9);
    dec = intlim(dec, 0, dig);
    double v = std::isnan(input) ? 0.0 : (double)input;
    int neg = v < 0.0;
    double scaled = std::fabs(v) * (double)POW10[dec];
    // A float holds 24 bits: 0.1001f is 0.10009999..., which must still show
    // 1001 after truncation, so nudge up by a few units of float precision.
    scaled = std::floor(scaled + scaled * 0x1p-21);
    int64_t mag = (int64_t)std::fmod(std::isinf(scaled) ? 0.0 : scaled, (double)POW10[dig]);
    if (drawsign) {
        int s = size < 1 ? CELL_W - 1 : size;
        int pitch = size < 1 ? LETTER_PITCH : size + 1 + spaceinc;
        int ysign = size < 1 ? y + CELL_H / 2 : y + size;
        ADD_hline(neg ? color : TRANSPARENT_INDEX, x - pitch, ysign, s + 1);
    }
    draw_digits(x, y, mag, dig, dec, color, size, spaceinc, 1);
}
