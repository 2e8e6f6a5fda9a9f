// Foilwright's curve generator: an airfoil's lift, drag and moment over
// -90..+90 deg from its 24 constants, and a flap's three cubics of
// deflection. One set of functions, used by the designer and by the tool
// that writes the shipped airfoils and flaps; drawing is the designer's.
#pragma once
#include "files/foilwright_files.h"

namespace foilwright {

// Working values derived from `afl` by derive_airfoil (angles in deg, lift
// and drag as coefficients). Written only by derive_airfoil.
struct AFLderived {
    float linlolift, linhilift;        // the lift line at -10 and +10 deg
    float almintoend, almintolin;      // almin + 20, almin + 10
    float almaxtoend, almaxtolin;      // almax - 20, almax - 10
    float Llintostall;                 // Lstall - linhilift
    float LstallnegPLdrop1;            // -Lstall + 2 clB + Ldrop1
    float LstallposMLdrop1;            // Lstall - Ldrop1
    float alDmin, tenMalDmin, delD;    // angle of least drag, 10 - it, Dal10 - Dmin
    float Blocalpha, Bwidth1, Bwidth2; // bucket centre, half and full width, deg
    float Bpwr1, Bpwr2, Bdepth1, Bdepth2;
    int bucket;                        // Bwidth, Bdepth and Bpower all positive
};
extern AFLderived afd;

// The designer's default part constants into afl (airfoil) or flp (flap).
void default_airfoil();
void default_flap();

// Computes afd from afl; call after any change of afl, before fcolift,
// fcodrag or fcomomt. A zero lift slope places the least drag at 0 deg and
// drops the bucket (its width in degrees would be infinite).
void derive_airfoil();

// Section coefficients at `alpha` (deg, -90..90) from afl and afd. Always
// finite for finite constants: a formula piece whose span is zero (almin
// -10, almax 20, coinciding moment breakpoints, least drag at 10 deg) takes
// its end value instead of dividing by zero.
float fcolift(float alpha);
float fcodrag(float alpha);
float fcomomt(float alpha);

// Fills cl, cd, cm for `device`: airfoil slots 0..540 at table index
// slot - 270 (derive_airfoil first), flap slots 0..400 at deflection
// slot / 400 of full. Any value that still came out non-finite (a hand-made
// exponent overflowing) is stored as 0, so no NaN reaches a file or a plot.
void generate_tables(int device);

}  // namespace foilwright
