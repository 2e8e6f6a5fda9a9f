// The locked-world scan converter: spans, points, lines, rectangles and the
// triangle fill, each clipped to the locked world once per span or line
// (never per pixel), with the window path of each beside it.
#include "common/local.h"

#include <cmath>
#include <cstring>

static inline uint32_t color4(int color) { return 0x01010101u * (uint8_t)color; }

void memscan(uint8_t *add, int x1, int x2, uint32_t color16, uint8_t color)
{
    int count = x2 - x1 + 1;
    if (count <= 0)
        return;
    uint8_t *d = add + x1;
    if (count > 4) {
        while ((uintptr_t)d & 3) {
            *d++ = color;
            count--;
        }
        uint8_t *end = d + (count & ~3);
        for (; d < end; d += 4)
            memcpy(d, &color16, 4);   // one aligned word store
        count &= 3;
    }
    while (count-- > 0)
        *d++ = color;
}

// Row y, columns xa..xb, clipped to the locked world.
static inline void locked_span(int y, int64_t xa, int64_t xb, int color)
{
    if (y < 0 || y >= lock_h)
        return;
    if (xa < 0)
        xa = 0;
    if (xb >= lock_w)
        xb = lock_w - 1;
    if (xa <= xb)
        memscan(pix + (size_t)y * row, (int)xa, (int)xb, color4(color), (uint8_t)color);
}

void ADD_point(int color, int x, int y)
{
    if (!locked) {
        sys_set_pixel(x, y, color);
        return;
    }
    if (x >= 0 && y >= 0 && x < lock_w && y < lock_h)
        pix[(size_t)y * row + x] = (uint8_t)color;
}

// A run of n pixels from a (negative n: the |n| before a) as start and count.
static inline void run(int a, int n, int64_t *start, int64_t *count)
{
    *start = n < 0 ? (int64_t)a + n : a;
    *count = n < 0 ? -(int64_t)n : n;
}

void ADD_hline(int color, int x, int y, int dx)
{
    int64_t xa, n;
    run(x, dx, &xa, &n);
    if (n == 0)
        return;
    if (locked)
        locked_span(y, xa, xa + n - 1, color);
    else
        sys_fill_rect((int)xa, y, (int)(xa + n), y + 1, color);
}

void ADD_vline(int color, int x, int y, int dy)
{
    int64_t ya, n;
    run(y, dy, &ya, &n);
    if (n == 0)
        return;
    if (!locked) {
        sys_fill_rect(x, (int)ya, x + 1, (int)(ya + n), color);
        return;
    }
    if (x < 0 || x >= lock_w)
        return;
    int64_t yb = ya + n;
    if (ya < 0)
        ya = 0;
    if (yb > lock_h)
        yb = lock_h;
    uint8_t *p = pix + (size_t)ya * row + x;
    for (int64_t k = ya; k < yb; k++, p += row)
        *p = (uint8_t)color;
}

// Sizes beyond any screen are cut so that sums of coordinates stay in int.
constexpr int MAX_RECT_SIZE = 1 << 24;

static void limit_rect(int *x, int *y, int *l, int *h)
{
    *x = intlim(*x, -MAX_RECT_SIZE, MAX_RECT_SIZE);
    *y = intlim(*y, -MAX_RECT_SIZE, MAX_RECT_SIZE);
    *l = intlim(*l, -MAX_RECT_SIZE, MAX_RECT_SIZE);
    *h = intlim(*h, -MAX_RECT_SIZE, MAX_RECT_SIZE);
}

void MACIBM_fillrect(int color, int x, int y, int l, int h, int)
{
    limit_rect(&x, &y, &l, &h);
    if (!locked) {
        sys_fill_rect(x, y, x + l, y + h, color);
        return;
    }
    if (l < 0 || h < 0)
        return;
    int64_t ya = y, yb = (int64_t)y + h;
    if (ya < 0)
        ya = 0;
    if (yb > lock_h - 1)
        yb = lock_h - 1;
    for (int64_t yy = ya; yy <= yb; yy++)
        locked_span((int)yy, x, (int64_t)x + l, color);
}

void MACIBM_framerect(int color, int x, int y, int l, int h, int)
{
    limit_rect(&x, &y, &l, &h);
    if (!locked) {
        if (l <= 0 || h <= 0)
            return;
        sys_fill_rect(x, y, x + l, y + 1, color);
        sys_fill_rect(x, y + h - 1, x + l, y + h, color);
        sys_fill_rect(x, y, x + 1, y + h, color);
        sys_fill_rect(x + l - 1, y, x + l, y + h, color);
        return;
    }
    ADD_hline(color, x, y, l + 1);
    ADD_hline(color, x, y + h, l + 1);
    ADD_vline(color, x, y, h);
    ADD_vline(color, x + l, y, h);
}

// ---------------------------------------------------------------- lines
static int64_t floor_div(int64_t a, int64_t b)   // b > 0
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Steps k (0 <= k < n) keeping p0 + k s within 0 .. limit - 1 (16.16).
static void clip_steps(int64_t p0, int64_t s, int64_t limit, int64_t *k0, int64_t *k1)
{
    if (s == 0) {
        if (p0 < 0 || p0 >= limit)
            *k1 = *k0;   // empty
        return;
    }
    int64_t lo, hi;
    if (s > 0) {
        lo = -floor_div(p0, s);                  // ceil(-p0 / s)
        hi = floor_div(limit - 1 - p0, s);
    } else {
        lo = -floor_div(limit - 1 - p0, -s);     // ceil((p0 - limit + 1) / -s)
        hi = floor_div(p0, -s);
    }
    if (lo > *k0)
        *k0 = lo;
    if (hi + 1 < *k1)
        *k1 = hi + 1;
}

static void locked_line(int color, int x1, int y1, int x2, int y2)
{
    int64_t dx = (int64_t)x2 - x1, dy = (int64_t)y2 - y1;
    double len = std::sqrt((double)dx * dx + (double)dy * dy);
    int64_t n = (int64_t)len;
    if (n < 1)
        return;
    int64_t sx = fixed_div_raw(dx, n), sy = fixed_div_raw(dy, n);   // |step| <= 1
    int64_t px = wide_from_int(x1).v, py = wide_from_int(y1).v;
    int64_t k0 = 0, k1 = n;
    clip_steps(px, sx, wide_from_int(lock_w).v, &k0, &k1);
    clip_steps(py, sy, wide_from_int(lock_h).v, &k0, &k1);
    if (k0 >= k1)
        return;
    // Inside the world from here on, so the 16.16 values fit a Fixed.
    Fixed fx{(int32_t)(px + k0 * sx)}, fy{(int32_t)(py + k0 * sy)};
    Fixed stx{(int32_t)sx}, sty{(int32_t)sy};
    for (int64_t k = k0; k < k1; k++) {
        pix[(size_t)fixed_to_int(fy) * row + fixed_to_int(fx)] = (uint8_t)color;
        fx += stx;
        fy += sty;
    }
}

void MACIBM_line(int color, int x1, int y1, int x2, int y2, int)
{
    if (locked)
        locked_line(color, x1, y1, x2, y2);
    else if (cur_port.pixels)
        port_line(&cur_port, x1, y1, x2, y2, color);
}

// ---------------------------------------------------------------- triangles
static inline Fixed f_int(int i, Fixed) { return fixed_from_int(i); }
static inline WideFixed f_int(int i, WideFixed) { return wide_from_int(i); }
static inline int64_t f_whole(Fixed f) { return fixed_to_int(f); }
static inline int64_t f_whole(WideFixed f) { return wide_to_long(f); }
static inline Fixed f_div(int64_t a, int64_t b, Fixed) { return fixed_div((int32_t)a, (int32_t)b); }
static inline WideFixed f_div(int64_t a, int64_t b, WideFixed) { return wide_div(a, b); }
static inline Fixed f_skip(Fixed f, Fixed d, int64_t k) { return Fixed{(int32_t)(f.v + (int64_t)d.v * k)}; }
static inline WideFixed f_skip(WideFixed f, WideFixed d, int64_t k) { return WideFixed{f.v + d.v * k}; }

// Rows ya..yb-1 between the long edge (x, step d) and the short edge (xs,
// step ds); rows outside the world are skipped by multiplying the steps
// out, so x leaves advanced past all of them either way.
template <typename F>
static void fill_half(int ya, int yb, F &x, F d, F xs, F ds, bool long_left, int color)
{
    int y0 = intmax2(ya, 0), y1 = intmin2(yb, lock_h);
    F xl = f_skip(x, d, (int64_t)y0 - ya), xr = f_skip(xs, ds, (int64_t)y0 - ya);
    x = f_skip(x, d, (int64_t)yb - ya);
    if (!long_left) {
        F t = xl; xl = xr; xr = t;
        t = d; d = ds; ds = t;
    }
    if (y0 >= y1)
        return;
    uint32_t c4 = color4(color);
    uint8_t *line = pix + (size_t)y0 * row;
    int64_t wmax = lock_w - 1;
    for (int y = y0; y < y1; y++, line += row) {
        int64_t l = f_whole(xl), r = f_whole(xr);
        if (l < 0) l = 0;
        if (r > wmax) r = wmax;
        if (l <= r)
            memscan(line, (int)l, (int)r, c4, (uint8_t)color);
        xl += d;
        xr += ds;
    }
}

template <typename F>
static void fill_triangle(int color, int x0, int y0, int x1, int y1, int x2, int y2)
{
    F zero{};
    F d = f_div((int64_t)x2 - x0, (int64_t)y2 - y0, zero);
    F x = f_int(x0, zero);
    if (y0 < y1) {
        F ds = f_div((int64_t)x1 - x0, (int64_t)y1 - y0, zero);
        fill_half(y0, y1, x, d, f_int(x0, zero), ds, d < ds, color);
    }
    if (y1 < y2) {
        F ds = f_div((int64_t)x2 - x1, (int64_t)y2 - y1, zero);
        fill_half(y1, y2, x, d, f_int(x1, zero), ds, x < f_int(x1, zero), color);
    }
}

constexpr int FIXED_SAFE_COORD = 16383;   // |coords| below this keep every edge value in Fixed

static void locked_triangle(int color, int x0, int y0, int x1, int y1, int x2, int y2)
{
    if ((y0 == y1 && y1 == y2) || (x0 == x1 && x1 == x2))
        return;
    if (y0 > y1) { int_switch(&y0, &y1); int_switch(&x0, &x1); }
    if (y1 > y2) { int_switch(&y1, &y2); int_switch(&x1, &x2); }
    if (y0 > y1) { int_switch(&y0, &y1); int_switch(&x0, &x1); }
    if (y0 == y2)
        return;
    int xmin = intmin3(x0, x1, x2), xmax = intmax3(x0, x1, x2);
    if (y2 < 0 || y0 >= lock_h || xmax < 0 || xmin >= lock_w)
        return;   // wholly outside: nothing to step
    if (xmin >= -FIXED_SAFE_COORD && xmax <= FIXED_SAFE_COORD && y0 >= -FIXED_SAFE_COORD &&
        y2 <= FIXED_SAFE_COORD)
        fill_triangle<Fixed>(color, x0, y0, x1, y1, x2, y2);
    else
        fill_triangle<WideFixed>(color, x0, y0, x1, y1, x2, y2);
}

void MACIBM_poly3(int color, int x0, int y0, int x1, int y1, int x2, int y2, int)
{
    if (locked) {
        locked_triangle(color, x0, y0, x1, y1, x2, y2);
        return;
    }
    if (!cur_port.pixels)
        return;
    int xs[3] = {x0, x1, x2}, ys[3] = {y0, y1, y2};
    port_polygon(&cur_port, xs, ys, 3, color);
}

void MACIBM_poly4(int color, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                  int fast)
{
    MACIBM_poly3(color, x1, y1, x3, y3, x4, y4, fast);
    MACIBM_poly3(color, x1, y1, x2, y2, x3, y3, fast);
}

void MACIBM_polyN(int color, const int *poly_x, const int *poly_y, int poly_vert_max, int fast)
{
    if (poly_vert_max < 2 || poly_vert_max >= MAX_POLY_VERTS)
        return;
    for (int k = 1; k < poly_vert_max; k++)
        MACIBM_poly3(color, poly_x[0], poly_y[0], poly_x[k], poly_y[k], poly_x[k + 1],
                     poly_y[k + 1], fast);
}
