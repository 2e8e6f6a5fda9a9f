// The window path's system shapes: lines with both ends, filled polygons
// (pixel centres inside, alternate fill, outline drawn too), circles,
// ellipses and arcs. Circles, ellipses and arcs exist only on this path.
#include "common/local.h"

#include <cmath>

void port_line(const Port *p, int x1, int y1, int x2, int y2, int color)
{
    int64_t dx = (int64_t)x2 - x1, dy = (int64_t)y2 - y1;
    int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    int64_t n = adx > ady ? adx : ady;
    if (n > 4 * (SCREEN_W + SCREEN_H))
        return;   // a system line this long can only be a caller's mistake
    int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    int64_t err = adx - ady;
    int x = x1, y = y1;
    for (int64_t k = 0; k <= n; k++) {
        if (x >= p->clip_x1 && x < p->clip_x2 && y >= p->clip_y1 && y < p->clip_y2)
            p->pixels[(size_t)y * p->stride + x] = (uint8_t)color;
        int64_t e2 = 2 * err;
        if (e2 > -ady) { err -= ady; x += sx; }
        if (e2 < adx) { err += adx; y += sy; }
    }
}

static void sort_small(double *v, int n)
{
    for (int i = 1; i < n; i++)
        for (int j = i; j > 0 && v[j - 1] > v[j]; j--) {
            double t = v[j]; v[j] = v[j - 1]; v[j - 1] = t;
        }
}

void port_polygon(const Port *p, const int *xs, const int *ys, int n, int color)
{
    if (n < 3 || n > 8)
        return;
    int ymin = ys[0], ymax = ys[0];
    for (int k = 1; k < n; k++) {
        ymin = intmin2(ymin, ys[k]);
        ymax = intmax2(ymax, ys[k]);
    }
    ymin = intmax2(ymin, p->clip_y1);
    ymax = intmin2(ymax, p->clip_y2 - 1);
    for (int y = ymin; y <= ymax; y++) {
        double cy = y + 0.5, hits[8];
        int nh = 0;
        for (int k = 0; k < n; k++) {
            int j = (k + 1) % n;
            double ya = ys[k], yb = ys[j];
            if ((ya <= cy) == (yb <= cy))
                continue;
            hits[nh++] = xs[k] + (cy - ya) * ((double)xs[j] - xs[k]) / (yb - ya);
        }
        sort_small(hits, nh);
        for (int k = 0; k + 1 < nh; k += 2) {
            double xa = std::ceil(hits[k] - 0.5), xb = std::ceil(hits[k + 1] - 0.5);
            xa = xa < -1e6 ? -1e6 : xa;   // port_fill clips; keep the int conversion defined
            xb = xb > 1e6 ? 1e6 : xb;
            port_fill(p, (int)xa, y, (int)xb, y + 1, color);
        }
    }
    for (int k = 0; k < n; k++)
        port_line(p, xs[k], ys[k], xs[(k + 1) % n], ys[(k + 1) % n], color);
}

// Half-width of row dy of an ellipse of radii rx, ry (pixel centres within
// the radii + 0.5); -1 outside.
static int half_width(int rx, int ry, int dy)
{
    double fy = dy / (ry + 0.5);
    if (fy * fy >= 1.0)
        return -1;
    return (int)std::floor((rx + 0.5) * std::sqrt(1.0 - fy * fy));
}

static int bad_radii(int rx, int ry) { return rx < 0 || ry < 0 || rx > 2 * SCREEN_W || ry > 2 * SCREEN_W; }

void MACIBM_filloval(int color, int x, int y, int rx, int ry)
{
    if (locked || bad_radii(rx, ry))
        return;
    for (int dy = -ry; dy <= ry; dy++) {
        int hw = half_width(rx, ry, dy);
        if (hw >= 0)
            sys_fill_rect(x - hw, y + dy, x + hw + 1, y + dy + 1, color);
    }
}

void MACIBM_fillcircle(int color, int x, int y, int r) { MACIBM_filloval(color, x, y, r, r); }

void MACIBM_framecircle(int color, int x, int y, int r)
{
    if (locked || bad_radii(r, r))
        return;
    for (int dy = -r; dy <= r; dy++) {
        int hw = half_width(r, r, dy);
        if (hw < 0)
            continue;
        int inner = intmin2(half_width(r, r, dy - 1), half_width(r, r, dy + 1));
        int a = intmax2(0, intmin2(hw, inner + 1));
        sys_fill_rect(x - hw, y + dy, x - a + 1, y + dy + 1, color);
        sys_fill_rect(x + a, y + dy, x + hw + 1, y + dy + 1, color);
    }
}

void MACIBM_arc(int color, int x, int y, int r1, int r2, int start, int stop)
{
    if (locked || start == stop)
        return;
    if (r1 > r2)
        int_switch(&r1, &r2);
    if (bad_radii(r1, r2))
        return;
    int a0 = deg_index((float)start), span = deg_index((float)(stop - start));
    if (span == 0)
        span = 360;
    double in2 = (r1 - 0.5) * (r1 - 0.5), out2 = (r2 + 0.5) * (r2 + 0.5);
    if (r1 == 0)
        in2 = -1.0;
    for (int dy = -r2; dy <= r2; dy++)
        for (int dx = -r2; dx <= r2; dx++) {
            double d2 = (double)dx * dx + (double)dy * dy;
            if (d2 < in2 || d2 >= out2)
                continue;
            double ang = std::atan2((double)dx, (double)-dy) * 57.29577951308232;   // deg clockwise from up
            double rel = std::fmod(ang - a0 + 720.0, 360.0);
            if (rel <= span)
                sys_set_pixel(x + dx, y + dy, color);
        }
}
