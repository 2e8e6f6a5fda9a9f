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

// Part index held within the tables, whatever a caller passes.
inline int flight_part(int EN) { return EN < 0 ? 0 : (EN >= MAX_PARTS ? MAX_PARTS - 1 : EN); }
inline int flight_el(int el) { return el < 0 ? 0 : (el >= MAX_ELS ? MAX_ELS - 1 : el); }
