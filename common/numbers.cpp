// Numeric helpers with fixed edge behaviour: limits, wraps, inclusive and
// exclusive range tests, interpolation, rounding and the view tangent to
// pixel mapping. Callers rely on the exact bounds, so keep them.
#include "common/common.h"

#include <cmath>

float fltsgn(float x) { return x < 0.0f ? -1.0f : 1.0f; }

int iround(float x)
{
    return x >= 0.0f ? (int)(x + 0.5f) : (int)(x - 0.5f);
}

// Inside [lo, hi] the sign of x picks the bound, not its nearness.
float fallout(float x, float lo, float hi)
{
    if (x < lo || x > hi)
        return x;
    return x < 0.0f ? lo : hi;
}

float sqr(float x) { return x * x; }
float signsqr(float x) { return x > 0.0f ? x * x : -x * x; }
float signsqrt(float x) { return x > 0.0f ? sqrtf(x) : -sqrtf(-x); }

float interp(float x1, float y1, float x2, float y2, float x)
{
    return y1 + (y2 - y1) / (x2 - x1) * (x - x1);
}

float pythag(float a, float b) { return sqrtf(a * a + b * b); }
float pythag3(float a, float b, float c) { return sqrtf(a * a + b * b + c * c); }

int intpos(int i) { return i > 0; }
int fltpos(float x) { return x > 0.0f; }
int intrange(int i, int lo, int hi) { return lo <= i && i <= hi; }
int fltrange(float x, float lo, float hi) { return lo <= x && x <= hi; }

int intbox(int x, int y, int x1, int y1, int x2, int y2)
{
    return x1 <= x && x <= x2 && y1 <= y && y <= y2;
}

int fltbox(float x, float y, float x1, float y1, float x2, float y2)
{
    return x1 < x && x < x2 && y1 < y && y < y2;
}

int intlim(int i, int lo, int hi)
{
    if (i < lo) return lo;
    if (i > hi) return hi;
    return i;
}

// A NaN fails both tests and passes through unchanged.
float fltlim(float x, float lo, float hi)
{
    if (x < lo) return lo;
    if (x > hi) return hi;
    return x;
}

// One period only: callers pass values at most one period outside.
int intwrap(int i, int lo, int hi)
{
    if (i < lo) return i + (hi - lo + 1);
    if (i > hi) return i - (hi - lo + 1);
    return i;
}

float fltwrap(float x, float lo, float hi)
{
    if (x < lo) return x + (hi - lo);
    if (x > hi) return x - (hi - lo);
    return x;
}

float wrap360(float deg)
{
    if (!std::isfinite(deg))
        return 0.0f;
    float d = fmodf(deg, 360.0f);
    return d < 0.0f ? d + 360.0f : d;
}

float wrap180(float deg)
{
    if (!std::isfinite(deg))
        return 0.0f;
    // A tiny negative excursion rounds to 360 in wrap360's sum.
    float d = wrap360(deg + 180.0f) - 180.0f;
    return d >= 180.0f ? -180.0f : d;
}

int intnear(int in, int nearest, int up)
{
    if (nearest == 0)
        return in;
    return (in / nearest + (up ? 1 : 0)) * nearest;
}

float fltnear(float in, float nearest, int roundcode)
{
    if (nearest == 0.0f)
        return in;
    float q = in / nearest;
    if (roundcode == -1) q = truncf(q);
    else if (roundcode == 0) q = truncf(q + 0.5f);
    else if (roundcode == 1) q = truncf(q + 1.0f);
    return q * nearest;
}

int intmin2(int a, int b) { return a < b ? a : b; }
int intmax2(int a, int b) { return a > b ? a : b; }
float fltmin2(float a, float b) { return a < b ? a : b; }
float fltmax2(float a, float b) { return a > b ? a : b; }
int intmin3(int a, int b, int c) { return intmin2(intmin2(a, b), c); }
int intmax3(int a, int b, int c) { return intmax2(intmax2(a, b), c); }
float fltmin3(float a, float b, float c) { return fltmin2(fltmin2(a, b), c); }
float fltmax3(float a, float b, float c) { return fltmax2(fltmax2(a, b), c); }
float fltmin4(float a, float b, float c, float d) { return fltmin2(fltmin3(a, b, c), d); }
float fltmax4(float a, float b, float c, float d) { return fltmax2(fltmax3(a, b, c), d); }

// Rounding can carry the cosine a hair past 1 for parallel vectors, and a
// zero vector has no direction: both would give acos a NaN.
float dotprod(float a1, float a2, float a3, float b1, float b2, float b3)
{
    float mags = pythag3(a1, a2, a3) * pythag3(b1, b2, b3);
    if (!(mags > 0.0f))
        return 0.0f;
    float c = (a1 * b1 + a2 * b2 + a3 * b3) / mags;
    return acosf(fltlim(c, -1.0f, 1.0f));
}

int facing(float a1, float a2, float a3, float b1, float b2, float b3,
           float c1, float c2, float c3)
{
    float nx = a2 * b3 - a3 * b2;
    float ny = a3 * b1 - a1 * b3;
    float nz = a1 * b2 - a2 * b1;
    return nx * c1 + ny * c2 + nz * c3 < 0.0f;
}

int XFRM_x(float t) { return iround(t * con.zom_pp45 + con.off_view_center_fx); }
int XFRM_y(float t) { return iround(con.off_view_center_fy - t * con.zom_pp45); }

int deg_index(float deg)
{
    if (!std::isfinite(deg))
        return 0;
    double d = (double)deg;
    if (!(d >= 0.0 && d < 360.0)) {   // within a turn fmod gives d itself
        d = fmod(d, 360.0);
        if (d < 0.0)
            d += 360.0;
    }
    int i = (int)d;
    return i >= 360 ? 0 : i;
}
