// Helpers shared by the flight folder's files only.
#pragma once
#include <cmath>

#include "files/files.h"
#include "flight/flight.h"

// Straight line through (x1, y1) and (x2, y2) at x, extrapolated beyond.
// Break points closer than a millionth give y1: a zero-width segment of a
// table or moment curve must not turn into a NaN.
inline float flight_lerp(float x1, float y1, float x2, float y2, float x)
{
    float dx = x2 - x1;
    if (!(fabsf(dx) > 1e-6f))
        return y1;
    return y1 + (y2 - y1) * (x - x1) / dx;
}

// Whole-degree index 0..359 of an angle rounded to the nearest degree
// (halves away from zero); a NaN or infinity gives 0. The common case, an
// angle within a turn, is done here without the library calls, to the
// same result: deg minus its truncation is exact below a million.
inline int flight_round_deg(float deg)
{
    if (!(deg > -1.0e6f && deg < 1.0e6f))
        return deg_index(std::round(deg));
    int t = (int)deg;
    float f = deg - (float)t;
    t += f >= 0.5f ? 1 : f <= -0.5f ? -1 : 0;
    return t >= 0 && t < 360 ? t : deg_index((float)t);
}

// Whole-degree index of the angle of (x, y) in degrees, as
// flight_round_deg(atan2f(y, x) * con.radtodeg) gives it. A polynomial
// (error below 1e-6 rad) finds the angle without the library call; where it
// lies within a hundredth of a degree of a half degree, the rounding could
// go either way and the library decides, so the index is the same to the
// bit. The propeller's blade positions take most of their time here.
inline int flight_round_atan2_deg(float y, float x)
{
    float ax = fabsf(x), ay = fabsf(y);
    float hi = ax > ay ? ax : ay, lo = ax > ay ? ay : ax;
    if (!(hi > 1e-30f && hi < 1e30f))   // zero, tiny, huge, infinite or NaN
        return flight_round_deg(atan2f(y, x) * con.radtodeg);
    float t = lo / hi, t2 = t * t;
    float a = t * (0.99997726f + t2 * (-0.33262347f + t2 * (0.19354346f + t2 * (-0.11643287f +
                   t2 * (0.05265332f + t2 * -0.01172120f)))));
    if (ay > ax)
        a = 1.57079637f - a;
    if (x < 0.0f)
        a = 3.14159274f - a;
    float deg = (y < 0.0f ? -a : a) * con.radtodeg;
    float f = fabsf(deg - truncf(deg));
    if (fabsf(f - 0.5f) < 0.01f)
        return flight_round_deg(atan2f(y, x) * con.radtodeg);
    return flight_round_deg(deg);
}

// Part index held within the tables, whatever a caller passes.
inline int flight_part(int EN) { return EN < 0 ? 0 : (EN >= MAX_PARTS ? MAX_PARTS - 1 : EN); }
inline int flight_el(int el) { return el < 0 ? 0 : (el >= MAX_ELS ? MAX_ELS - 1 : el); }
