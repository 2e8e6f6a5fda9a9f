// Airfoil coefficient lookup: table positions, stall flag, slats, icing,
// Reynolds and span blending, Mach and finite-span corrections.
#include <cmath>
#include <vector>

#include "flight/local.h"
#include "foil_fixture.h"

static void look(float alph, float &cl, float &cd, float &cm, int el = 0)
{
    anyfoil(alph, cl, cd, cm, 2, 0, 0, el);
}

TEST_F(FoilTest, TableBoundaries)
{
    float cl, cd, cm;
    look(9.99f, cl, cd, cm);            // straight line below 10 deg
    EXPECT_NEAR(cl, 0.2f + 0.1f * 9.99f, 1e-5f);
    EXPECT_NEAR(cd, 0.1f * 0.0199f + 0.9f * 0.02f, 1e-6f);
    look(10.0f, cl, cd, cm);            // first cl entry, index 100
    EXPECT_FLOAT_EQ(cl, 1.0f);
    EXPECT_FLOAT_EQ(cd, 0.02f);
    look(20.0f, cl, cd, cm);            // index 200
    EXPECT_FLOAT_EQ(cl, 1.1f);
    EXPECT_FLOAT_EQ(cd, 0.03f);
    look(21.0f, cl, cd, cm);            // whole-degree steps from here
    EXPECT_FLOAT_EQ(cl, 1.101f);
    EXPECT_FLOAT_EQ(cd, 0.0301f);
    look(20.5f, cl, cd, cm);
    EXPECT_NEAR(cl, 1.1005f, 1e-5f);
}

TEST_F(FoilTest, ZeroAndNegativeAlphaUseNegativeTables)
{
    float cl, cd, cm;
    look(0.0f, cl, cd, cm);
    EXPECT_FLOAT_EQ(cd, 0.02f);         // cdneg slot 0, not cdpos's 0.01
    EXPECT_FLOAT_EQ(cl, 0.2f);
    look(-15.0f, cl, cd, cm);
    EXPECT_FLOAT_EQ(cl, -1.05f);
    EXPECT_FLOAT_EQ(cd, 0.035f);
    look(-5.0f, cl, cd, cm);            // the straight line keeps its sign
    EXPECT_FLOAT_EQ(cl, 0.2f - 0.5f);
}

TEST_F(FoilTest, FarAnglesStayInsideTables)
{
    float cl, cd, cm;
    look(90.0f, cl, cd, cm);
    EXPECT_NEAR(cl, 1.17f, 1e-4f);
    for (float a : {95.0f, -179.0f, 1e30f, -1e30f, NAN, INFINITY}) {
        look(a, cl, cd, cm);
        EXPECT_TRUE(std::isfinite(cl) && std::isfinite(cd) && std::isfinite(cm)) << a;
    }
    look(-1e30f, cl, cd, cm);
    EXPECT_NEAR(cl, -1.17f, 1e-4f);     // the last negative entries
}

TEST_F(FoilTest, FiniteSpanReducesLookupAlpha)
{
    float cl, cd, cm;
    pln.finite_fact[2] = 0.8f;
    look(25.0f, cl, cd, cm);            // looked up at 20 deg
    EXPECT_FLOAT_EQ(cl, 1.1f);
    EXPECT_FLOAT_EQ(cd, 0.03f);
}

TEST_F(FoilTest, MomentLine)
{
    float cl, cd, cm;
    const float alpha[] = {4.0f, 16.0f, -12.0f, 55.0f, -55.0f, -4.0f, 12.0f, 20.0f, -20.0f};
    const float want[] = {-0.065f, -0.14f, 0.025f, -0.26f, 0.21f, -0.05f, -0.08f, -0.2f, 0.1f};
    for (int k = 0; k < 9; k++) {
        look(alpha[k], cl, cd, cm);
        EXPECT_NEAR(cm, want[k], 1e-6f) << alpha[k];
    }
}

// Break points on top of each other or beyond +-20 deg: a zero-width
// segment would divide by zero.
TEST_F(FoilTest, DegenerateMomentBreakPointsStayFinite)
{
    float cl, cd, cm;
    const float breaks[][2] = {{5.0f, 5.0f}, {25.0f, 30.0f}, {-30.0f, -25.0f}, {20.0f, 20.0f},
                               {-20.0f, -20.0f}, {8.0f, -8.0f}};
    for (auto &b : breaks) {
        afl.cmal2[2][0][0] = b[0];
        afl.cmal3[2][0][0] = b[1];
        for (float a = -90.0f; a <= 90.0f; a += 0.5f) {
            look(a, cl, cd, cm);
            ASSERT_TRUE(std::isfinite(cm)) << b[0] << " " << b[1] << " at " << a;
        }
        look(b[0], cl, cd, cm);
        EXPECT_NEAR(cm, -0.05f, 0.2f);
    }
}

// The airfoil stalls at 15 deg; with finite_fact 0.8 the wing stalls at
// 18.75 deg, which is what flt.alphamax holds.
TEST_F(FoilTest, StallFlagAtTheAirfoilsOwnStall)
{
    float cl, cd, cm;
    pln.finite_fact[2] = 0.8f;
    pln.alphamax[2] = flt.alphamax[2] = 15.0f / 0.8f;
    look(18.5f, cl, cd, cm);
    EXPECT_EQ(flt.stalled[2], 0);
    look(19.0f, cl, cd, cm);            // looks up 15.2 deg, past the peak
    EXPECT_EQ(flt.stalled[2], 1);
    flt.stalled[2] = 0;
    look(-40.0f, cl, cd, cm);
    EXPECT_EQ(flt.stalled[2], 0);
    flt.alphamax[2] = 8.0f;             // the straight-line region never stalls
    look(9.0f, cl, cd, cm);
    EXPECT_EQ(flt.stalled[2], 0);
}

TEST_F(FoilTest, SlatsStretchAlphaAndLift)
{
    float cl, cd, cm;
    pln.slat[2][0] = 1;
    flt.slat_effect[2] = 1.25f;
    look(25.0f, cl, cd, cm, 0);          // looked up at 20 deg
    EXPECT_FLOAT_EQ(cl, 1.1f * 1.25f);
    EXPECT_FLOAT_EQ(cd, 0.03f);
    look(25.0f, cl, cd, cm, 1);          // element without a slat
    EXPECT_FLOAT_EQ(cl, 1.105f);
    flt.slat_effect[2] = 0.0f;           // not yet set: slats count as in
    look(25.0f, cl, cd, cm, 0);
    EXPECT_FLOAT_EQ(cl, 1.105f);
}

TEST_F(FoilTest, SlatsPostponeTheStall)
{
    float cl, cd, cm;
    pln.finite_fact[2] = 0.8f;
    pln.alphamax[2] = 15.0f / 0.8f;
    pln.slat[2][0] = 1;
    flt.slat_effect[2] = 1.2f;
    flt.alphamax[2] = 1.2f * pln.alphamax[2];   // 22.5 deg
    look(22.0f, cl, cd, cm, 0);
    EXPECT_EQ(flt.stalled[2], 0);
    look(23.0f, cl, cd, cm, 0);
    EXPECT_EQ(flt.stalled[2], 1);
    flt.stalled[2] = 0;
    look(19.0f, cl, cd, cm, 1);          // no slat on element 1: stalls as before
    EXPECT_EQ(flt.stalled[2], 1);
}

TEST_F(FoilTest, Icing)
{
    float cl, cd, cm;
    msc.ice = 0.001f;
    look(10.0f, cl, cd, cm);
    EXPECT_FLOAT_EQ(cl, 1.0f);
    EXPECT_FLOAT_EQ(cd, 0.02f);
    msc.ice = 1.0f;
    look(10.0f, cl, cd, cm);
    EXPECT_FLOAT_EQ(cl, 1.0f / 1.5f);
    EXPECT_FLOAT_EQ(cd, 0.1f);
    msc.ice = -5.0f;                     // never below no ice
    look(10.0f, cl, cd, cm);
    EXPECT_FLOAT_EQ(cl, 1.0f);
    msc.ice = 0.0f;
}

TEST_F(FoilTest, ReynoldsBlend)
{
    float cl, cd, cm;
    fill_foil(2, 1, 0, 1.0f);
    pln.diffRe[2] = 1;
    pln.Re[2][0][0] = 2.0f;
    pln.Re[2][0][1] = 6.0f;
    pln.delRe[2][0] = 4.0f;
    Fco(10.0f, cl, cd, cm, 2, 1.0f, 0);
    EXPECT_EQ(cl, 1.0f);
    EXPECT_EQ(cd, 0.02f);
    Fco(10.0f, cl, cd, cm, 2, 50.0f, 0);
    EXPECT_EQ(cl, 2.0f);
    EXPECT_EQ(cd, 1.02f);
    Fco(10.0f, cl, cd, cm, 2, 3.0f, 0);
    EXPECT_FLOAT_EQ(cl, 1.25f);
    pln.delRe[2][0] = 0.0f;              // never divides by a zero spacing
    Fco(10.0f, cl, cd, cm, 2, 3.0f, 0);
    EXPECT_EQ(cl, 1.0f);
}

TEST_F(FoilTest, SpanBlend)
{
    float cl, cd, cm;
    fill_foil(2, 0, 1, 0.5f);
    pln.diffRT[2] = 1;
    Fco(10.0f, cl, cd, cm, 2, 3.0f, 3);  // element centre at 3.5 / 8 of the span
    EXPECT_FLOAT_EQ(cl, 1.0f + 0.5f * 0.4375f);
    Fco(10.0f, cl, cd, cm, 2, 3.0f, 7);
    EXPECT_FLOAT_EQ(cl, 1.0f + 0.5f * 0.9375f);
}

TEST_F(FoilTest, ReynoldsNumber)
{
    EXPECT_NEAR(FRe(1.225f, 50.0f, 1.5f), 5.1343f, 1e-3f);
}

TEST_F(FoilTest, MachFactor)
{
    EXPECT_FLOAT_EQ(Fmachfac(0.0f), 1.0f);
    EXPECT_FLOAT_EQ(Fmachfac(0.6f), 1.25f);
    EXPECT_FLOAT_EQ(Fmachfac(0.9f), 2.0f);
    EXPECT_FLOAT_EQ(Fmachfac(1.0f), 2.0f);
    EXPECT_NEAR(Fmachfac(1.2f), 1.0f / sqrtf(0.44f), 1e-5f);   // supersonic branch
    EXPECT_FLOAT_EQ(Fmachfac(3.0f), 1.0f);   // 1 / sqrt(8) held at 1
    EXPECT_FLOAT_EQ(Fmachfac(NAN), 1.0f);
}

TEST_F(FoilTest, LocalDensity)
{
    EXPECT_FLOAT_EQ(thinair(0.0f), 1.225f);
    EXPECT_NEAR(thinair(1.0f), 1.225f / powf(1.2f, 2.5f), 1e-5f);
    EXPECT_FLOAT_EQ(thinair(2.0f), thinair(1.0f));
    EXPECT_FLOAT_EQ(thinair(-1.0f), 1.225f);
}

TEST_F(FoilTest, InducedDragAndGroundEffect)
{
    pln.PIeAR[2] = pln.PIeAR[5] = pln.PIeAR[0] = 20.0f;
    flt.CDIgrndeffect[2] = flt.CDIgrndeffect[5] = flt.CDIgrndeffect[0] = 0.5f;
    flt.CLgrndeffect[2] = flt.CLgrndeffect[5] = flt.CLgrndeffect[0] = 1.2f;
    float cl = 0.5f, cd = 0.01f, cm = -0.05f;
    finitecompressible(2, cl, cd, cm, 0.3f, 1.0f);
    EXPECT_FLOAT_EQ(cl, 0.6f);
    EXPECT_FLOAT_EQ(cd, 0.01f + 0.0125f * 0.5f);
    EXPECT_FLOAT_EQ(cm, -0.05f);
    cl = 0.5f, cd = 0.01f;                // a fin feels no ground effect
    finitecompressible(5, cl, cd, cm, 0.3f, 1.0f);
    EXPECT_FLOAT_EQ(cl, 0.5f);
    EXPECT_FLOAT_EQ(cd, 0.0225f);
    cl = -0.5f, cd = 0.01f;               // nor does negative lift
    finitecompressible(2, cl, cd, cm, 0.3f, 1.0f);
    EXPECT_FLOAT_EQ(cl, -0.5f);
    pln.is_heli = 1;                      // a helicopter's main rotor does, its wing not
    cl = 0.5f, cd = 0.01f;
    finitecompressible(0, cl, cd, cm, 0.3f, 1.0f);
    EXPECT_FLOAT_EQ(cl, 0.6f);
    cl = 0.5f, cd = 0.01f;
    finitecompressible(2, cl, cd, cm, 0.3f, 1.0f);
    EXPECT_FLOAT_EQ(cl, 0.5f);
}

TEST_F(FoilTest, MachScalingAndDragDivergence)
{
    float cl = 0.4f, cd = 0.01f, cm = -0.04f;
    finitecompressible(5, cl, cd, cm, 0.6f, 1.25f);   // no PIeAR: no induced drag
    EXPECT_FLOAT_EQ(cl, 0.5f);
    EXPECT_FLOAT_EQ(cm, -0.05f);
    EXPECT_FLOAT_EQ(cd, 0.01f);
    cl = 0.5f, cd = 0.01f;
    finitecompressible(5, cl, cd, cm, 0.85f, 1.0f);   // Md = 0.65
    EXPECT_NEAR(cd, 0.11f, 1e-6f);
    cl = 0.5f, cd = 0.01f;
    finitecompressible(5, cl, cd, cm, 0.65f, 1.0f);
    EXPECT_FLOAT_EQ(cd, 0.01f);
    cl = 0.5f, cd = 0.01f;
    finitecompressible(5, cl, cd, cm, 3.0f, 1.0f);    // Mach held at 1 in the rise
    EXPECT_NEAR(cd, 0.01f + 2.5f * 0.35f * 0.35f, 1e-6f);
}

TEST_F(FoilTest, ControlEffectiveness)
{
    EXPECT_FLOAT_EQ(effrat(-40.0f, 2), 1.0f);
    EXPECT_FLOAT_EQ(effrat(40.0f, 2), 0.6f);
    EXPECT_FLOAT_EQ(effrat(9.99f, 2), 1.0f);
    EXPECT_FLOAT_EQ(effrat(12.5f, 2), 0.99f);
    EXPECT_FLOAT_EQ(effrat(25.0f, 2), 0.77f);
    EXPECT_FLOAT_EQ(effrat(60.0f, 2), 0.5f);
    EXPECT_FLOAT_EQ(effrat(85.0f, 2), 0.5f);
    EXPECT_FLOAT_EQ(effrat(NAN, 2), 1.0f);
    flt.stalled[2] = 1;
    EXPECT_FLOAT_EQ(effrat(40.0f, 2), 0.12f);
    EXPECT_FLOAT_EQ(effrat(-40.0f, 2), 0.2f);
    EXPECT_FLOAT_EQ(effrat(40.0f, 3), 0.6f);
}

TEST_F(FoilTest, InducedAlpha)
{
    EXPECT_NEAR(induce_alpha(0.5f, 20.0f), 0.6079f, 1e-4f);   // AR held at 15
    EXPECT_NEAR(induce_alpha(0.5f, 10.0f), 0.9119f, 1e-4f);
    EXPECT_NEAR(induce_alpha(0.5f, 3.0f), 1.8238f, 1e-4f);    // AR held at 5
    EXPECT_NEAR(induce_alpha(-0.5f, 0.0f), -1.8238f, 1e-4f);
}

TEST_F(FoilTest, ControlDerivatives)
{
    float cl, cd, cm;
    pln.con_type = 3;
    set_con_eff(0.25f, cl, cd, cm, 13);
    EXPECT_NEAR(cl, 0.044414f, 2e-6f);
    EXPECT_NEAR(cd, 0.00025f, 1e-9f);
    EXPECT_NEAR(cm, 0.0077233f, 1e-7f);
    set_con_eff(0.25f, cl, cd, cm, 14);   // roll spoiler
    EXPECT_NEAR(cl, 0.044414f, 2e-6f);
    EXPECT_NEAR(cd, 0.0005f, 1e-9f);
    EXPECT_NEAR(cm, 0.0038617f, 1e-7f);
    set_con_eff(0.25f, cl, cd, cm, 16);   // drag rudder
    EXPECT_EQ(cl, 0.0f);
    EXPECT_NEAR(cd, 0.00075f, 1e-9f);
    EXPECT_EQ(cm, 0.0f);
    set_con_eff(0.25f, cl, cd, cm, 15);   // speedbrake
    EXPECT_NEAR(cl, 0.044414f, 2e-6f);
    EXPECT_NEAR(cd, 1.23f * 0.25f / 90.0f, 1e-9f);
    EXPECT_EQ(cm, 0.0f);
    pln.con_type = 1;
    set_con_eff(0.25f, cl, cd, cm, 17);
    EXPECT_NEAR(cl, 0.044414f * 0.6f / 0.8f, 2e-6f);
    pln.con_type = 0;
    set_con_eff(0.25f, cl, cd, cm, 18);
    EXPECT_NEAR(cl, 0.044414f / 0.8f, 2e-6f);
}

TEST_F(FoilTest, RotationThroughFlowDirection)
{
    flt.sindeldir[1][2] = 1.0f;
    flt.cosdeldir[1][2] = 0.0f;
    float cl = 0.5f, cd = 0.1f;
    washawing(cl, cd, 1, 2);
    EXPECT_FLOAT_EQ(cl, 0.1f);
    EXPECT_FLOAT_EQ(cd, -0.5f);
    flt.sindeldir[1][2] = lsin[10];
    flt.cosdeldir[1][2] = lcos[10];
    cl = 0.5f, cd = 0.1f;
    washawing(cl, cd, 1, 2);
    EXPECT_NEAR(cl, 0.5f * lcos[10] + 0.1f * lsin[10], 1e-6f);
    EXPECT_NEAR(cd, 0.1f * lcos[10] - 0.5f * lsin[10], 1e-6f);
    EXPECT_NEAR(cl * cl + cd * cd, 0.26f, 1e-6f);   // a rotation keeps the length
}

// A section whose lift peaks at 15 deg, flown on a wing with the loader's
// finite-span factor: the stall flag must come on where the wing's lift
// stops rising, not several degrees later.
TEST_F(FoilTest, StallFlagMeetsTheLiftPeak)
{
    for (int s = 0; s < N_CL_SLOTS; s++) {
        float a = alpha_of_index(s + 100);
        afl.clpos[2][0][0][s] = a <= 15.0f ? 0.2f + 0.1f * a : 1.7f - 0.05f * (a - 15.0f);
    }
    const float ff = 0.83f;                    // AR 7.5, e 0.8
    pln.finite_fact[2] = ff;
    pln.alphamax[2] = flt.alphamax[2] = 15.0f / ff;
    float best_cl = -1.0f, peak = 0.0f, flagged = 0.0f;
    for (float alph = 5.0f; alph < 30.0f && flagged == 0.0f; alph += 0.05f) {
        float cl, cd, cm;
        look(alph, cl, cd, cm);
        if (cl > best_cl)
            best_cl = cl, peak = alph;
        if (flt.stalled[2])
            flagged = alph;
    }
    EXPECT_NEAR(peak, 15.0f / ff, 0.1f);
    EXPECT_NEAR(flagged, 15.0f / ff, 0.1f);
}

// The whole-degree rounding every table look-up takes must agree with the
// library's rounding (halves away from zero) and the index's wrap, on the
// halves, near zero, across the turn and far outside it.
TEST(RoundDeg, AgreesWithTheLibraryRounding)
{
    std::vector<float> angles = {0.0f, -0.0f, 0.5f, -0.5f, 1.5f, -1.5f, 0.49999997f, -0.49999997f,
        359.4f, 359.5f, 359.49997f, -359.5f, 360.0f, -360.0f, 719.5f, 999999.5f, -999999.5f, 1.0e6f,
        -1.0e6f, 3.0e7f, -1.0e30f, NAN, INFINITY, -INFINITY};
    for (int k = -4000; k <= 4000; k++)
        angles.push_back((float)k * 0.25f + 0.001f * (float)(k % 7));
    for (float a : angles)
        EXPECT_EQ(flight_round_deg(a), deg_index(std::round(a))) << a;
}

// The propeller's whole-degree flow angle without the library's atan2f must
// be its index to the bit: every direction in steps of a thousandth of a
// degree (the half degrees among them), at lengths from tiny to huge, and
// the axes, zeros and non-finite values.
TEST(RoundDeg, FlowAngleAgreesWithTheLibrary)
{
    fill_constants();
    auto want = [](float y, float x) { return flight_round_deg(atan2f(y, x) * con.radtodeg); };
    int checked = 0;
    for (int k = -180000; k <= 180000; k++) {
        double a = k * 0.001 * M_PI / 180.0;
        for (float len : {1e-20f, 0.37f, 1.0f, 61.5f, 250.0f, 1e20f}) {
            float y = (float)(len * sin(a)), x = (float)(len * cos(a));
            ASSERT_EQ(flight_round_atan2_deg(y, x), want(y, x)) << y << " " << x;
            checked++;
        }
    }
    EXPECT_EQ(checked, 6 * 360001);
    const float odd[] = {0.0f, -0.0f, 1.0f, -1.0f, 1e-40f, 1e35f, NAN, INFINITY, -INFINITY};
    for (float y : odd)
        for (float x : odd)
            EXPECT_EQ(flight_round_atan2_deg(y, x), want(y, x)) << y << " " << x;
}
