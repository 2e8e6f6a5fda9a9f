// The airfoil and flap curve formulas and the table generation from them.
// The lift is a straight line within +-10 deg, a power-law bend up to the
// stall, a drop and a power-law fall to +-20 deg, then a straight fall to 0
// at +-90 deg; the drag a power law about its minimum with an optional
// bucket; the moment a broken line through six points.
#include <cmath>

#include "files/airfoil_gen.h"

namespace foilwright {

AFLderived afd;

// Beyond +-20 deg every section tends to a flat plate: no lift at 90 deg,
// drag 1.28 there (the handbook drag coefficient of a flat plate broadside
// to the flow), moment -+0.32 at +-90 deg (as the simulator's lookup).
constexpr float CD_AT_90 = 1.28f;
constexpr float CM_AT_90 = -0.32f;
constexpr float LINE_END_DEG = 10.0f;     // end of the straight lift line
constexpr float TABLE_FINE_DEG = 20.0f;   // end of the stall pieces
constexpr float FLAT_PLATE_DEG = 90.0f;
// A lift slope smaller than this (per deg) counts as none.
constexpr float MIN_SLOPE_PER_DEG = 1e-6f;
constexpr float MIN_SPAN = 1e-6f;

void default_airfoil()
{
    afl = AFLstruct{};
    afl.Re = 4.5f;
    afl.clB = 0.25f;   afl.clM = 0.102f;  afl.Lpow = 1.4f;    afl.Lstall = 1.6f;
    afl.Ldrop1 = 0.1f; afl.Ldrop2 = 0.8f; afl.Lpowstl = 1.4f;
    afl.almin = -15.0f; afl.almax = 15.0f;
    afl.DminCL = 0.2f; afl.Dmin = 0.0065f; afl.Dal10 = 0.0114f; afl.Dpow = 2.3f;
    afl.Bwidth = 0.0f; afl.Bdepth = 0.0f; afl.Bpower = 2.0f; afl.Bloc = 0.0f;
    afl.cmal2 = -10.0f; afl.cmal3 = 16.0f;
    afl.cm1 = 0.05f; afl.cm2 = -0.05f; afl.cm3 = -0.025f; afl.cm4 = -0.075f;
}

void default_flap()
{
    flp = FLPstruct{2.0f, 0.0f, -0.6f, 0.04f, 0.04f, 0.0f, -0.6f, -0.1f, -0.1f};
}

void derive_airfoil()
{
    afd.linlolift = afl.clB - 10.0f * afl.clM;
    afd.linhilift = afl.clB + 10.0f * afl.clM;
    afd.almintoend = afl.almin + 20.0f;
    afd.almintolin = afl.almin + 10.0f;
    afd.almaxtoend = afl.almax - 20.0f;
    afd.almaxtolin = afl.almax - 10.0f;
    afd.Llintostall = afl.Lstall - afd.linhilift;
    afd.LstallnegPLdrop1 = -afl.Lstall + 2.0f * afl.clB + afl.Ldrop1;
    afd.LstallposMLdrop1 = afl.Lstall - afl.Ldrop1;
    int sloped = fabsf(afl.clM) >= MIN_SLOPE_PER_DEG;
    afd.alDmin = sloped ? (afl.DminCL - afl.clB) / afl.clM : 0.0f;
    afd.tenMalDmin = 10.0f - afd.alDmin;
    afd.delD = afl.Dal10 - afl.Dmin;
    afd.Blocalpha = sloped ? (afl.Bloc - afl.clB) / afl.clM : 0.0f;
    afd.Bwidth1 = sloped ? (afl.Bwidth / 2.0f) / afl.clM : 0.0f;
    afd.Bwidth2 = sloped ? afl.Bwidth / afl.clM : 0.0f;
    afd.Bpwr1 = afl.Bpower;
    afd.Bpwr2 = afl.Bpower > 0.0f ? 1.0f / afl.Bpower : 0.0f;
    afd.Bdepth1 = 0.5f * afl.Bdepth;
    afd.Bdepth2 = afl.Bdepth;
    afd.bucket = sloped && afl.Bwidth > 0.0f && afl.Bdepth > 0.0f && afl.Bpower > 0.0f;
}

// (num / den) ^ e for the shape pieces, where num / den runs from 0 to 1
// across a piece. A piece of zero span is all end point: its ratio is
// `at_zero_span`. A ratio at or below 0 gives 0 for a positive exponent and
// 1 otherwise, so a hand-set exponent of 0 or below never yields infinity.
static float ratio_pow(float num, float den, float e, float at_zero_span)
{
    float r = fabsf(den) < MIN_SPAN ? at_zero_span : num / den;
    if (r <= 0.0f)
        return e > 0.0f ? 0.0f : 1.0f;
    return powf(r, e);
}

// Straight line through (x1, y1) and (x2, y2) at x; y1 when they coincide.
static float line_at(float x1, float y1, float x2, float y2, float x)
{
    if (fabsf(x2 - x1) < MIN_SPAN)
        return y1;
    return y1 + (y2 - y1) * (x - x1) / (x2 - x1);
}

// Lift between -20 and -10 deg. At almin itself the curve is at its peak
// 2 clB - Lstall (also when almin is -10, where the bend has no span).
static float negative_stall_lift(float alpha)
{
    if (alpha >= afl.almin)
        return (ratio_pow(afl.almin - alpha, afd.almintolin, afl.Lpow, 0.0f) - 1.0f) * afd.Llintostall +
               afd.linlolift;
    return ratio_pow(afl.almin - alpha, afd.almintoend, afl.Lpowstl, 1.0f) * afl.Ldrop2 +
           afd.LstallnegPLdrop1;
}

// Lift between 10 and 20 deg. At almax itself the lift has just dropped by
// Ldrop1 (also when almax is 20, where the fall has no span).
static float positive_stall_lift(float alpha)
{
    if (alpha >= afl.almax)
        return afd.LstallposMLdrop1 - ratio_pow(afl.almax - alpha, afd.almaxtoend, afl.Lpowstl, 0.0f) * afl.Ldrop2;
    return afd.linhilift - (ratio_pow(afl.almax - alpha, afd.almaxtolin, afl.Lpow, 0.0f) - 1.0f) * afd.Llintostall;
}

float fcolift(float alpha)
{
    if (alpha >= -TABLE_FINE_DEG && alpha <= -LINE_END_DEG)
        return negative_stall_lift(alpha);
    if (alpha >= LINE_END_DEG && alpha <= TABLE_FINE_DEG)
        return positive_stall_lift(alpha);
    if (alpha > -LINE_END_DEG && alpha < LINE_END_DEG)
        return afl.clM * alpha + afl.clB;
    float edge = alpha > 0.0f ? TABLE_FINE_DEG : -TABLE_FINE_DEG;
    return line_at(fabsf(edge), fcolift(edge), FLAT_PLATE_DEG, 0.0f, fabsf(alpha));
}

// Depth of the drag bucket at `alpha`: 0.5 Bdepth at its shoulders (half
// width), 1.5 Bdepth at its centre, 0 beyond its full width.
static float bucket_depth(float alpha)
{
    float d = fabsf(alpha - afd.Blocalpha);
    if (d >= afd.Bwidth1 && d <= afd.Bwidth2)
        return ratio_pow(d - afd.Bwidth2, afd.Bwidth1 - afd.Bwidth2, afd.Bpwr1, 1.0f) * afd.Bdepth1;
    if (d < afd.Bwidth1)
        return ratio_pow(afd.Bwidth1 - d, afd.Bwidth1, afd.Bpwr2, 1.0f) * afd.Bdepth2 + afd.Bdepth1;
    return 0.0f;
}

float fcodrag(float alpha)
{
    if (fabsf(alpha) > TABLE_FINE_DEG) {
        float edge = alpha > 0.0f ? TABLE_FINE_DEG : -TABLE_FINE_DEG;
        return line_at(TABLE_FINE_DEG, fcodrag(edge), FLAT_PLATE_DEG, CD_AT_90, fabsf(alpha));
    }
    // With the least drag at 10 deg itself, the rise is spread over 10 deg.
    float span = fabsf(afd.tenMalDmin) < MIN_SPAN ? 10.0f : afd.tenMalDmin;
    float cd = ratio_pow(fabsf((alpha - afd.alDmin) / span), 1.0f, afl.Dpow, 0.0f) * afd.delD + afl.Dmin;
    if (afd.bucket)
        cd -= bucket_depth(alpha);
    return cd;
}

float fcomomt(float alpha)
{
    if (alpha >= -FLAT_PLATE_DEG && alpha <= -TABLE_FINE_DEG)
        return line_at(-FLAT_PLATE_DEG, -CM_AT_90, -TABLE_FINE_DEG, afl.cm1, alpha);
    if (alpha >= -TABLE_FINE_DEG && alpha <= afl.cmal2)
        return line_at(-TABLE_FINE_DEG, afl.cm1, afl.cmal2, afl.cm2, alpha);
    if (alpha >= afl.cmal2 && alpha <= afl.cmal3)
        return line_at(afl.cmal2, afl.cm2, afl.cmal3, afl.cm3, alpha);
    if (alpha >= afl.cmal3 && alpha <= TABLE_FINE_DEG)
        return line_at(afl.cmal3, afl.cm3, TABLE_FINE_DEG, afl.cm4, alpha);
    // Breakpoints out of order can leave a gap inside +-20 deg; the
    // nearest outer segment, extended, covers it.
    if (alpha > 0.0f)
        return line_at(TABLE_FINE_DEG, afl.cm4, FLAT_PLATE_DEG, CM_AT_90, alpha);
    return line_at(-FLAT_PLATE_DEG, -CM_AT_90, -TABLE_FINE_DEG, afl.cm1, alpha);
}

static float finite_or_zero(float v) { return std::isfinite(v) ? v : 0.0f; }

// Written term by term so that at full deflection the value is exactly
// c1 + c2 + c3 as the designer reads it.
static float cubic(float f, float c1, float c2, float c3) { return c1 * f + c2 * f * f + c3 * f * f * f; }

void generate_tables(int device)
{
    if (device == DEVICE_FLAP) {
        for (int k = 0; k <= FLAP_TABLE_LAST; k++) {
            float f = (float)k / (float)FLAP_TABLE_LAST;
            cl[k] = finite_or_zero(cubic(f, flp.lco1, flp.lco2, flp.lco3));
            cd[k] = finite_or_zero(cubic(f, flp.dco1, flp.dco2, flp.dco3));
            cm[k] = finite_or_zero(cubic(f, flp.mco1, flp.mco2, flp.mco3));
        }
        return;
    }
    derive_airfoil();
    for (int k = 0; k < PART_TABLE_SLOTS; k++) {
        float alpha = alpha_of_index(k - 270);
        cl[k] = finite_or_zero(fcolift(alpha));
        cd[k] = finite_or_zero(fcodrag(alpha));
        cm[k] = finite_or_zero(fcomomt(alpha));
    }
}

}  // namespace foilwright
