// The rasterizer: Fixed numbers, spans and primitives, the palette with
// its lighting, digit glyphs, seven-segment digits, the 5 x 7 font and text,
// number fields and the bitmap resources.
#pragma once
#include "common/layer.h"

// The program's own drawing: spans, lines, rectangles and triangles, the
// palette with its time-of-day lighting, digit glyphs, seven-segment digits,
// the 5 x 7 font, number fields, the settings-window widgets and the bitmap
// resources. Every primitive has two paths: with a world locked (`locked`)
// it writes palette indices into `pix`/`row`, clipped to the locked world
// (nothing is ever written outside it); otherwise it draws into the current
// window (`cur_port`) as the system drawing would. Positions are pixels, y
// down; colours are palette indices.

// ---------------------------------------------------------------- Fixed
// Signed 16.16 fixed point for rasterizer interpolants. Range -32768 ..
// 32767.99998 (whole parts outside it wrap: keep |values| below 32768).
// fixed_from_int/long shift left 16; fixed_to_int shifts right 16, so the
// whole part rounds toward minus infinity (-0.5 gives -1). fixed_div(a, b)
// is a x 65536 / b computed in 64 bits and rounded half away from zero (the
// multiply-divide of the system the program was written on); a result
// beyond the range saturates, and b = 0 gives 0.
struct Fixed {
    int32_t v;
    Fixed &operator+=(Fixed o) { v += o.v; return *this; }
    bool operator<(Fixed o) const { return v < o.v; }
};
inline Fixed fixed_from_int(int i) { return Fixed{(int32_t)((uint32_t)i << 16)}; }
inline Fixed fixed_from_long(long i) { return Fixed{(int32_t)((uint64_t)i << 16)}; }
inline int fixed_to_int(Fixed f) { return f.v >> 16; }
inline int64_t fixed_div_raw(int64_t a, int64_t b)
{
    if (b == 0)
        return 0;
    int64_t n = a * 65536;
    uint64_t un = n < 0 ? 0 - (uint64_t)n : (uint64_t)n;
    uint64_t ub = b < 0 ? 0 - (uint64_t)b : (uint64_t)b;
    int64_t q = (int64_t)((un + ub / 2) / ub);
    return (n < 0) != (b < 0) ? -q : q;
}
inline Fixed fixed_div(int32_t a, int32_t b)
{
    int64_t q = fixed_div_raw(a, b);
    if (q > INT32_MAX) q = INT32_MAX;
    if (q < INT32_MIN) q = INT32_MIN;
    return Fixed{(int32_t)q};
}
// The same 16.16 number held in 64 bits, for triangle edges whose ends lie
// beyond Fixed's range (same rounding; no wrap for any int coordinates).
struct WideFixed {
    int64_t v;
    WideFixed &operator+=(WideFixed o) { v += o.v; return *this; }
    bool operator<(WideFixed o) const { return v < o.v; }
};
inline WideFixed wide_from_int(int i) { return WideFixed{(int64_t)i * 65536}; }
inline int64_t wide_to_long(WideFixed f) { return f.v >> 16; }
inline WideFixed wide_div(int64_t a, int64_t b) { return WideFixed{fixed_div_raw(a, b)}; }

// ---------------------------------------------------------------- state the drawing reads
// Where the rasterizer finds the program's lighting and mouse state (common/
// sees no program record): the simulator points these at scn.time,
// scn.lamp, pln.dashtype, msc.mx and msc.my at start-up. A null member reads
// as time 1 (day), lamp 0 (off), dashtype 1, mouse (-1, -1).
struct DrawSources {
    const int *time;        // time-of-day code 1 day, 2 dusk, 3 night, 4 dark night
    const float *lamp;      // light amplification on when non-zero
    const int *dashtype;    // panel type 1 round gauges, 2 glass
    const int *mx, *my;     // client pixels of the last mouse message
};
void set_draw_sources(const DrawSources *src);

// ---------------------------------------------------------------- spans and primitives
// Fills add[x1..x2] inclusive with `color` (nothing when x2 < x1): single
// bytes up to a 4-byte boundary, then words of color16 (the index in all
// four bytes), then the rest. No clipping: the caller passes a valid row.
void memscan(uint8_t *add, int x1, int x2, uint32_t color16, uint8_t color);
// One pixel.
void ADD_point(int color, int x, int y);
// dx pixels from x to the right (negative: the |dx| pixels left of x).
void ADD_hline(int color, int x, int y, int dx);
// dy pixels from y downward (negative likewise).
void ADD_vline(int color, int x, int y, int dy);
// Locked: n = truncated length; n steps of (dx/n, dy/n) in Fixed from
// (x1, y1), the end point itself not plotted. Unlocked: the whole line
// including both ends. `fast` is unused on this system (kept for callers).
void MACIBM_line(int color, int x1, int y1, int x2, int y2, int fast);
// Locked: (l + 1) x (h + 1) pixels from (x, y); unlocked: (x, y)-(x + l,
// y + h) with the right and bottom edges excluded (so l = h = 0 is nothing).
void MACIBM_fillrect(int color, int x, int y, int l, int h, int fast);
// Locked: rows of l + 1 pixels at y and y + h, columns of h pixels at x and
// x + l; unlocked: the hollow rectangle (x, y)-(x + l - 1, y + h - 1).
void MACIBM_framerect(int color, int x, int y, int l, int h, int fast);
// Filled triangle. Locked: the program's scan converter (rows top..bottom-1,
// both span ends filled); unlocked: a system polygon (outline and inside).
void MACIBM_poly3(int color, int x0, int y0, int x1, int y1, int x2, int y2, int fast);
// Triangles (1, 3, 4) then (1, 2, 3).
void MACIBM_poly4(int color, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                  int fast);
// Fan (0, k, k + 1) for k = 1..poly_vert_max - 1; poly_vert_max is the last
// vertex index, 2..MAX_POLY_VERTS - 1 (the clipper's buffer: a clipped
// triangle or quadrilateral fits); any other value draws nothing.
constexpr int MAX_POLY_VERTS = 24;
void MACIBM_polyN(int color, const int *poly_x, const int *poly_y, int poly_vert_max, int fast);
// Unlocked only (nothing while a world is locked): hollow circle, filled
// ellipse of radii rx, ry and filled circle around (x, y).
void MACIBM_framecircle(int color, int x, int y, int r);
void MACIBM_filloval(int color, int x, int y, int rx, int ry);
void MACIBM_fillcircle(int color, int x, int y, int r);
// Unlocked only: the ring r1..r2 around (x, y) from direction `start`
// clockwise to `stop` (degrees clockwise from straight up, wrapped to
// 0..359; equal wrapped values other than start = stop give the whole ring).
// Nothing when start = stop.
void MACIBM_arc(int color, int x, int y, int r1, int r2, int start, int stop);

// ---------------------------------------------------------------- palette
// Entry `index` from ratios 0..1: indices below 53 (and every index while
// light amplification is on) first go through change_colors_for_time.
void MACIBM_assigncolor(int index, float r, float g, float b);
// Panel lighting by time of day, panel type and light amplification,
// ratios changed in place and limited to 0..0.99.
void change_colors_for_time(int index, float *r, float *g, float *b);
// The interface colours 11..61 (grey ramp 11..23, greens, reds, yellows,
// blues, browns, the light colours 53..61).
void set_xsys_colors();
// The start-up colours of 56..245: lights, sky and clouds 56..64 and the
// scene colours 65 + 18 h + k of a clear day (k 0..17, haze step h 0..9).
void set_fixed_scene_colors();
// The ratios a bitmap painter means by `index` (its start-up colour, before
// any lighting); 0 for indices outside 11..245.
void art_color(int index, float *r, float *g, float *b);

// ---------------------------------------------------------------- digit glyphs
// Three-digit readouts of input (limited to 0..999): hundreds, tens, units
// at x, x + 6, x + 12. "b" glyphs are 4 x 7, "s" 4 x 5; "e" also paints the
// cells some other digit lights with color2, "ne" only the lit cells. With
// nothing locked they draw through world 2.
void ADD_be(int color1, int color2, int x, int y, int input);
void ADD_bne(int color, int x, int y, int input);
void ADD_se(int color1, int color2, int x, int y, int input);
void ADD_sne(int color, int x, int y, int input);
// One glyph into the locked world (ends the program when nothing is locked).
// ADD_b_0e(c1, c2, x, y) .. ADD_s_9ne(c, x, y) as named in the design; the
// digit-indexed forms below are what they call.
void ADD_b_e(int digit, int c1, int c2, int x, int y);
void ADD_b_ne(int digit, int c, int x, int y);
void ADD_s_e(int digit, int c1, int c2, int x, int y);
void ADD_s_ne(int digit, int c, int x, int y);
#define VORTAN_GLYPH_PROTOS(n) \
    void ADD_b_##n##e(int c1, int c2, int x, int y); void ADD_b_##n##ne(int c, int x, int y); \
    void ADD_s_##n##e(int c1, int c2, int x, int y); void ADD_s_##n##ne(int c, int x, int y);
VORTAN_GLYPH_PROTOS(0) VORTAN_GLYPH_PROTOS(1) VORTAN_GLYPH_PROTOS(2) VORTAN_GLYPH_PROTOS(3)
VORTAN_GLYPH_PROTOS(4) VORTAN_GLYPH_PROTOS(5) VORTAN_GLYPH_PROTOS(6) VORTAN_GLYPH_PROTOS(7)
VORTAN_GLYPH_PROTOS(8) VORTAN_GLYPH_PROTOS(9)
#undef VORTAN_GLYPH_PROTOS

// ---------------------------------------------------------------- seven-segment digits
// Digit n (0..9, 10 a minus sign; other values light nothing) with segment
// length s at top-left (x, y); with erase the unlit segments go black first.
void digit(int x, int y, int s, int color, int n, int erase);
// Segments b0 top, b1 upper left, b2 upper right, b3 middle, b4 lower left,
// b5 lower right, b6 bottom, each s + 1 pixels.
void lightleds(int x, int y, int s, int color, int b0, int b1, int b2, int b3, int b4, int b5,
               int b6, int erase);

// ---------------------------------------------------------------- 5 x 7 font and text
constexpr int LETTER_PITCH = 6;        // pixels from one character to the next
constexpr int NUM_CHAR_CODES = 37;     // 0..9 digits, 10..35 A..Z, 36 blank
// Character n (any byte; lower case shows as upper case) in the 5 x 7 cell
// at top-left (x, y); erase paints the unlit cells black.
void plot_letter(int x, int y, int c, int erase, int n);
// A 5 x 7 cell from 35 flags, column a (a1 top .. a7 bottom) first.
void let(int x, int y, int c, int erase, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
         int b1, int b2, int b3, int b4, int b5, int b6, int b7, int c1, int c2, int c3, int c4,
         int c5, int c6, int c7, int d1, int d2, int d3, int d4, int d5, int d6, int d7, int e1,
         int e2, int e3, int e4, int e5, int e6, int e7);
// Digit n (0..9) with plot_letter.
void plot_number(int x, int y, int c, int erase, int n);
// Words at a pitch of 6; a word that would pass xmax ends the string
// (newline 0) or starts a line 10 pixels lower at x. At most 400 characters.
void HS_plot_string(int x, int y, int c, const char *string, int xmax, int newline);
// Text on the baseline y: type 1 the 5 x 7 font (through world 2 when
// nothing is locked), 0 the system font, 2 the variable-pitch font
// (unlocked; transparent background).
void MACIBM_drstring(int color, int x, int y, const char *C_string, int type_string);
// Identifier characters: code 0..36 (unknown characters give 36, blank).
int char_to_code(char c);
char code_to_char(int code);
// Opens world 2 of dx x dy (at least 1 x 1) for window position (x, y),
// fills it with color and locks it; *xref, *yref -= x, y. Then
// finish_IBM_surf3 copies it there (index 11 skipped unless blit_the_black)
// and frees it.
void start_IBM_surf3(int x, int y, int dx, int dy, int color, int *xref, int *yref);
void finish_IBM_surf3(int blit_the_black);

// ---------------------------------------------------------------- number fields
// The last dig (1..5) decimal digits of |input|. size -1: the 5 x 7 font at
// a pitch of 6 (4 for a "1"); otherwise seven-segment digits of segment
// length size at a pitch of size + 1 + spaceinc.
void intnum(int x, int y, int input, int dig, int color, int size, int spaceinc, int erase);
// input x 10^dec truncated (NaN shows 0), its last dig digits as
// seven-segment digits with a decimal point before the last dec; with
// drawsign a minus segment one pitch left of x (black when not negative).
void fltnum(int x, int y, float input, int dig, int dec, int color, int size, int drawsign,
            int spaceinc);

// ---------------------------------------------------------------- bitmap resources
// Each bitmap resource is painted by code: a painter draws it with the
// rasterizer into a locked w x h scratch world (also given as a port for
// the layer's scaled text). The splash (500) and the window icon (100) are
// built in; other folders register theirs at start-up.
constexpr int MAX_BITMAPS = 128;
constexpr int MAX_BITMAP_W = SCREEN_W, MAX_BITMAP_H = SCREEN_H;
constexpr int SPLASH_BITMAP = 500, ICON_BITMAP = 100;
typedef void (*BitmapPainter)(const Port *p);
struct BitmapResource {
    int id, width, height;
    BitmapPainter paint;
    const char *name;
};
// Adds or replaces resource `id`; a full table or a size beyond 800 x 600
// ends the program ("Too many bitmap resources!", "Bitmap too large!").
void register_bitmap(int id, int width, int height, BitmapPainter paint, const char *name);
// The resource, or null; and the n-th registered one (null past the end).
const BitmapResource *find_bitmap(int id);
const BitmapResource *bitmap_at(int n);
// Paints resource ID into `out` (width x height bytes of the resource,
// stride = width) with its start-up colours. 0 when unknown.
int paint_bitmap(int ID, uint8_t *out);
