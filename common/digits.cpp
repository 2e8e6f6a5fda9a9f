// Digit glyphs of the panel read-outs (big 4 x 7 and small 4 x 5, with or
// without erasing the cells other digits light), the three-digit read-outs
// built on them, seven-segment digits, and the temporary world 2 that the
// window path draws small things through.
#include "common/local.h"

#include <cstddef>

// Lit cells, one row per entry from the top, bit 3 the left column.
static const uint8_t SMALL[10][5] = {
    {0xF, 0x9, 0x9, 0x9, 0xF}, {0x1, 0x1, 0x1, 0x1, 0x1}, {0xF, 0x1, 0xF, 0x8, 0xF},
    {0xF, 0x1, 0xF, 0x1, 0xF}, {0x9, 0x9, 0xF, 0x1, 0x1}, {0xF, 0x8, 0xF, 0x1, 0xF},
    {0x8, 0x8, 0xF, 0x9, 0xF}, {0xF, 0x1, 0x1, 0x1, 0x1}, {0xF, 0x9, 0xF, 0x9, 0xF},
    {0xF, 0x9, 0xF, 0x1, 0x1}};
static const uint8_t BIG[10][7] = {
    {0xF, 0x9, 0x9, 0x9, 0x9, 0x9, 0xF}, {0x1, 0x1, 0x1, 0x1, 0x1, 0x1, 0x1},
    {0xF, 0x1, 0x1, 0xF, 0x8, 0x8, 0xF}, {0xF, 0x1, 0x1, 0xF, 0x1, 0x1, 0xF},
    {0x9, 0x9, 0x9, 0xF, 0x1, 0x1, 0x1}, {0xF, 0x8, 0x8, 0xF, 0x1, 0x1, 0xF},
    {0x8, 0x8, 0x8, 0xF, 0x9, 0x9, 0xF}, {0xF, 0x1, 0x1, 0x1, 0x1, 0x1, 0x1},
    {0xF, 0x9, 0x9, 0xF, 0x9, 0x9, 0xF}, {0xF, 0x9, 0x9, 0xF, 0x1, 0x1, 0x1}};
// Cells some digit lights: the erase variants paint exactly these when
// their own digit leaves them unlit, so the inner cells are never touched.
static const uint8_t SMALL_ANY[5] = {0xF, 0x9, 0xF, 0x9, 0xF};
static const uint8_t BIG_ANY[7] = {0xF, 0x9, 0x9, 0xF, 0x9, 0x9, 0xF};

constexpr int GLYPH_W = 4, DIGIT_PITCH = 6, READOUT_W = 16;

static void require_locked()
{
    if (!locked)
        MACIBM_exitalert("Attempted ADD_call when not locked to off-screen surf!",
                         "(final digit-drawing)", "", "");
}

// Rows of lit cells in c1 and, with erase, the cells of `any` left unlit in c2.
static void glyph(const uint8_t *lit, const uint8_t *any, int nrows, int c1, int c2, int erase,
                  int x, int y)
{
    require_locked();
    bool inside = x >= 0 && y >= 0 && x + GLYPH_W <= lock_w && y + nrows <= lock_h;
    for (int r = 0; r < nrows; r++) {
        uint8_t on = lit[r], off = erase ? (uint8_t)(any[r] & ~on) : 0;
        if (inside) {   // the usual case: no per-cell checks
            uint8_t *p = pix + (size_t)(y + r) * row + x;
            for (int col = 0; col < GLYPH_W; col++) {
                uint8_t bit = (uint8_t)(8 >> col);
                if (on & bit) p[col] = (uint8_t)c1;
                else if (off & bit) p[col] = (uint8_t)c2;
            }
            continue;
        }
        for (int col = 0; col < GLYPH_W; col++) {
            uint8_t bit = (uint8_t)(8 >> col);
            if (on & bit) ADD_point(c1, x + col, y + r);
            else if (off & bit) ADD_point(c2, x + col, y + r);
        }
    }
}

static void one_glyph(int big, int erase, int d, int c1, int c2, int x, int y)
{
    require_locked();
    if (d < 0 || d > 9)
        return;
    if (big)
        glyph(BIG[d], BIG_ANY, 7, c1, c2, erase, x, y);
    else
        glyph(SMALL[d], SMALL_ANY, 5, c1, c2, erase, x, y);
}

void ADD_b_e(int d, int c1, int c2, int x, int y) { one_glyph(1, 1, d, c1, c2, x, y); }
void ADD_b_ne(int d, int c, int x, int y) { one_glyph(1, 0, d, c, c, x, y); }
void ADD_s_e(int d, int c1, int c2, int x, int y) { one_glyph(0, 1, d, c1, c2, x, y); }
void ADD_s_ne(int d, int c, int x, int y) { one_glyph(0, 0, d, c, c, x, y); }

#define VORTAN_GLYPHS(n) \
    void ADD_b_##n##e(int c1, int c2, int x, int y) { ADD_b_e(n, c1, c2, x, y); } \
    void ADD_b_##n##ne(int c, int x, int y) { ADD_b_ne(n, c, x, y); } \
    void ADD_s_##n##e(int c1, int c2, int x, int y) { ADD_s_e(n, c1, c2, x, y); } \
    void ADD_s_##n##ne(int c, int x, int y) { ADD_s_ne(n, c, x, y); }
VORTAN_GLYPHS(0) VORTAN_GLYPHS(1) VORTAN_GLYPHS(2) VORTAN_GLYPHS(3) VORTAN_GLYPHS(4)
VORTAN_GLYPHS(5) VORTAN_GLYPHS(6) VORTAN_GLYPHS(7) VORTAN_GLYPHS(8) VORTAN_GLYPHS(9)
#undef VORTAN_GLYPHS

// Hundreds, tens and units of input limited to 0..999 (a larger or negative
// value would index past the glyphs); through world 2 when nothing is locked.
static void readout(int big, int erase, int c1, int c2, int x, int y, int input)
{
    int v = intlim(input, 0, 999);
    int h = big ? 7 : 5;
    int through = !locked;
    if (through)
        start_IBM_surf3(x, y, READOUT_W, h, erase ? c2 : TRANSPARENT_INDEX, &x, &y);
    const uint8_t *any = big ? BIG_ANY : SMALL_ANY;
    int d[3] = {v / 100, v / 10 % 10, v % 10};
    for (int k = 0; k < 3; k++)
        glyph(big ? BIG[d[k]] : SMALL[d[k]], any, h, c1, c2, erase, x + k * DIGIT_PITCH, y);
    if (through)
        finish_IBM_surf3(erase);
}

void ADD_be(int color1, int color2, int x, int y, int input) { readout(1, 1, color1, color2, x, y, input); }
void ADD_bne(int color, int x, int y, int input) { readout(1, 0, color, color, x, y, input); }
void ADD_se(int color1, int color2, int x, int y, int input) { readout(0, 1, color1, color2, x, y, input); }
void ADD_sne(int color, int x, int y, int input) { readout(0, 0, color, color, x, y, input); }

// ---------------------------------------------------------------- seven segments
// Lit segments per digit, bit k = segment bk; 10 is the minus sign.
static const uint8_t SEGMENTS[11] = {
    0x77,   // 0: b0 b1 b2 b4 b5 b6
    0x24,   // 1: b2 b5
    0x5D,   // 2: b0 b2 b3 b4 b6
    0x6D,   // 3: b0 b2 b3 b5 b6
    0x2E,   // 4: b1 b2 b3 b5
    0x6B,   // 5: b0 b1 b3 b5 b6
    0x7A,   // 6: b1 b3 b4 b5 b6
    0x25,   // 7: b0 b2 b5
    0x7F,   // 8
    0x2F,   // 9: b0 b1 b2 b3 b5
    0x08};  // minus: b3

static void segment(int k, int x, int y, int s, int color)
{
    switch (k) {
    case 0: ADD_hline(color, x, y, s + 1); break;
    case 1: ADD_vline(color, x, y, s + 1); break;
    case 2: ADD_vline(color, x + s, y, s + 1); break;
    case 3: ADD_hline(color, x, y + s, s + 1); break;
    case 4: ADD_vline(color, x, y + s, s + 1); break;
    case 5: ADD_vline(color, x + s, y + s, s + 1); break;
    default: ADD_hline(color, x, y + 2 * s, s + 1); break;
    }
}

static void segments(int x, int y, int s, int color, int mask, int erase)
{
    if (erase)
        for (int k = 0; k < 7; k++)
            if (!(mask >> k & 1))
                segment(k, x, y, s, TRANSPARENT_INDEX);
    for (int k = 0; k < 7; k++)
        if (mask >> k & 1)
            segment(k, x, y, s, color);
}

void lightleds(int x, int y, int s, int color, int b0, int b1, int b2, int b3, int b4, int b5,
               int b6, int erase)
{
    int mask = (b0 != 0) | (b1 != 0) << 1 | (b2 != 0) << 2 | (b3 != 0) << 3 | (b4 != 0) << 4 |
               (b5 != 0) << 5 | (b6 != 0) << 6;
    segments(x, y, s, color, mask, erase);
}

void digit(int x, int y, int s, int color, int n, int erase)
{
    segments(x, y, s, color, n >= 0 && n <= 10 ? SEGMENTS[n] : 0, erase);
}

// ---------------------------------------------------------------- world 2
static int surf3_x1, surf3_y1, surf3_dx, surf3_dy;
constexpr int SURF3_INDEX = 2;

void start_IBM_surf3(int x, int y, int dx, int dy, int color, int *xref, int *yref)
{
    surf3_dx = intlim(dx, 1, 4 * SCREEN_W);
    surf3_dy = intlim(dy, 1, 4 * SCREEN_H);
    surf3_x1 = x;
    surf3_y1 = y;
    MACIBM_initgworld(SURF3_INDEX, surf3_dx, surf3_dy);
    MACIBM_settogworld(SURF3_INDEX, surf3_dx, surf3_dy, color, 1);
    if (xref)
        *xref -= x;
    if (yref)
        *yref -= y;
}

void finish_IBM_surf3(int blit_the_black)
{
    MACIBM_copytoport(SURF3_INDEX, surf3_x1, surf3_y1, 0, 0, surf3_dx, surf3_dy, blit_the_black);
    MACIBM_disposegworld(SURF3_INDEX);
}
