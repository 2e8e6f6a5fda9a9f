// Helpers shared by the aircraft-loading files only.
#pragma once
#include <cmath>

#include "files/files.h"

// Smallest length (m) and area (m^2) the loading divides by; below it a
// quotient takes its stated fallback instead of turning infinite.
constexpr float LOAD_TINY = 1.0e-6f;

// a / b, or `fallback` when |b| is too small to divide by.
inline float safe_div(float a, float b, float fallback)
{
    return fabsf(b) > LOAD_TINY ? a / b : fallback;
}

// Whether any of the first els[p] elements of `row` is set.
inline int any_element(const int row[MAX_ELS], int p)
{
    for (int el = 0; el < pln.els[p] && el < MAX_ELS; el++)
        if (row[el])
            return 1;
    return 0;
}

// Steps of the load, in the order load_plane runs them.
void part_geometry(int p);            // load_geometry.cpp
void set_control_effectiveness();
void shift_to_cg();                   // load_body.cpp
void fuselage_quantities();
void ground_equilibrium();
void instrument_scalings();
void propwash_angles();               // load_geometry.cpp
void slat_effects();
void check_design();                  // load_checks.cpp
// Oswald efficiency of part p by its aspect ratio and sweep, or by the
// biplane gap and span (returns which in *biplane).
float oswald_e(int p, int *biplane);
