// Element geometry, downwash set-up and the local flow of wing, stabiliser
// and fin elements.
#include <cmath>
#include <string>
#include <vector>

#include "foil_fixture.h"

constexpr float DEG = 3.14159265f / 180.0f;

// Wing 2: two elements at 1 m and 3 m out, 0.5 m aft of the cg, 2 deg of
// incidence; straight and flat; 50 m/s at 3 deg alpha.
class FlowTest : public FoilTest {
  protected:
    void SetUp() override
    {
        FoilTest::SetUp();
        pln.els[2] = 2;
        for (int el = 0; el < 2; el++) {
            pln.anginc[2][el] = 2.0f;
            pln.xarm[2][el] = 0.5f;
            pln.yarm[2][el] = el == 0 ? 1.0f : 3.0f;
        }
        flt.av = 50.0f;
        set_alpha(3.0f);
    }
    void set_alpha(float a)
    {
        flt.Alpha = a;
        flt.sinalph = sinf(a * DEG);
        flt.cosalph = cosf(a * DEG);
    }
    void wing() { initwinghstb(2, 0, 1, pln.xarm[2], pln.yarm[2], pln.zarm[2]); }
};

TEST(Downwash, ChartValues)
{
    EXPECT_NEAR(findspecwash(0.0f, 1.6f, 6.0f, 1.0f), 4.7f, 1e-5f);
    // At or before 0.6 semispans only the height separation counts.
    EXPECT_NEAR(findspecwash(0.1f, 0.5f, 9.0f, 0.5f), 5.1f - 0.533f, 1e-5f);
    EXPECT_NEAR(findspecwash(0.1f, 0.6f, 9.0f, 0.5f), 5.1f - 0.533f, 1e-5f);
    // Aspect ratio held within 3..15, taper within 0.1..1.1; between chart
    // columns the values are extrapolated from the outer segment.
    EXPECT_NEAR(findspecwash(0.0f, 0.0f, 20.0f, 1.0f), 2.0f, 1e-5f);
    EXPECT_NEAR(findspecwash(0.0f, 0.0f, 2.0f, 1.0f), 8.4f, 1e-5f);
    EXPECT_NEAR(findspecwash(0.0f, 0.0f, 6.0f, 0.0f), findspecwash(0.0f, 0.0f, 6.0f, 0.1f), 1e-6f);
    // A large height separation leaves no wash at the reference point.
    EXPECT_NEAR(findspecwash(5.0f, 0.6f, 6.0f, 1.0f), 0.0f, 1e-6f);
    EXPECT_TRUE(std::isfinite(findspecwash(NAN, NAN, NAN, NAN)));
}

TEST(Downwash, Interp9)
{
    const float z[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const float xs[3] = {6, 9, 12}, ys[3] = {1.0f, 0.5f, 0.2f};
    auto f = [&](float x, float y) {
        return interp9(6, 9, 12, 1.0f, 0.5f, 0.2f, z[0], z[1], z[2], z[3], z[4], z[5], z[6], z[7], z[8], x, y);
    };
    for (int j = 0; j < 3; j++)
        for (int i = 0; i < 3; i++)
            EXPECT_NEAR(f(xs[i], ys[j]), z[j * 3 + i], 1e-5f) << i << j;
    EXPECT_NEAR(f(7.5f, 0.75f), 3.0f, 1e-5f);     // centre of the first cell
    EXPECT_NEAR(f(10.5f, 0.35f), 7.0f, 1e-5f);
    EXPECT_NEAR(f(15.0f, 1.0f), 4.0f, 1e-5f);     // extrapolated along x
    // Coincident break points give a value, not a NaN.
    EXPECT_TRUE(std::isfinite(interp9(1, 1, 1, 1, 1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 1)));
}

TEST_F(FlowTest, SweptAndDihedralArms)
{
    pln.xarm[2][8] = 1.0f, pln.yarm[2][8] = 0.5f, pln.zarm[2][8] = -0.2f;
    pln.spanarm[2][0] = 2.0f;
    pln.spanarm[2][1] = 4.0f;
    pln.sweepnow[2] = 30;
    pln.dihed[2] = 5;
    calcsweepgeo(2);
    EXPECT_NEAR(pln.xarm[2][0], 1.0f + 0.5f * cosf(5 * DEG) * 2.0f, 1e-5f);
    EXPECT_NEAR(pln.yarm[2][1], 0.5f + cosf(30 * DEG) * cosf(5 * DEG) * 4.0f, 1e-5f);
    EXPECT_NEAR(pln.zarm[2][0], -0.2f + sinf(5 * DEG) * 2.0f, 1e-5f);
    EXPECT_EQ(pln.xarm[2][2], 0.0f);           // beyond els untouched
    EXPECT_EQ(pln.xarm[2][8], 1.0f);
    pln.dihed[2] = 355;                        // anhedral
    calcsweepgeo(2);
    EXPECT_NEAR(pln.zarm[2][0], -0.2f - sinf(5 * DEG) * 2.0f, 1e-5f);
    pln.dihed[2] = -5;                         // the same, stored unwrapped
    pln.sweepnow[2] = -330;
    calcsweepgeo(2);
    EXPECT_NEAR(pln.zarm[2][0], -0.2f - sinf(5 * DEG) * 2.0f, 1e-5f);
    EXPECT_NEAR(pln.xarm[2][0], 1.0f + 0.5f * cosf(5 * DEG) * 2.0f, 1e-5f);
}

TEST_F(FlowTest, FinArms)
{
    pln.els[5] = 1;
    pln.xarm[5][8] = 6.0f, pln.yarm[5][8] = 0.3f, pln.zarm[5][8] = 0.5f;
    pln.spanarm[5][0] = 1.0f;
    pln.sweepnow[5] = 30;
    calcsweepgeo(5);
    EXPECT_NEAR(pln.xarm[5][0], 6.5f, 1e-5f);
    EXPECT_EQ(pln.yarm[5][0], 0.3f);
    EXPECT_NEAR(pln.zarm[5][0], 0.5f + cosf(30 * DEG), 1e-5f);
    pln.inverted[5] = 1;
    calcsweepgeo(5);
    EXPECT_NEAR(pln.zarm[5][0], 0.5f - cosf(30 * DEG), 1e-5f);
    pln.xarm[0][0] = 7.0f;                     // propeller arms are not element arms
    calcsweepgeo(0);
    EXPECT_EQ(pln.xarm[0][0], 7.0f);
}

static std::vector<std::string> report_lines;
static void keep_line(const char *line) { report_lines.push_back(line); }

TEST_F(FlowTest, DownwashSetUp)
{
    // Wing (AR 6, untapered) at the cg, stabiliser 8 m aft, level with it.
    pln.semiB[2] = 5.0f;
    pln.AR[2] = 6.0f;
    pln.Croot[2] = pln.Ctip[2] = 10.0f / 6.0f;
    pln.xarm[2][0] = 0.0f;
    pln.foileq[4] = 1;
    pln.els[4] = 4;
    pln.semiB[4] = 6.5f;
    const float ys[4] = {1.0f, 2.0f, 3.0f, 6.0f};
    for (int el = 0; el < 4; el++) {
        pln.xarm[4][el] = 8.0f;
        pln.yarm[4][el] = ys[el];
    }
    pln.specwash[3] = 9.0f;
    pln.downwash[3][4][3] = 1;                 // stale flags are cleared
    report_lines.clear();
    setup_downwash(keep_line);
    EXPECT_NEAR(pln.specwash[2], 4.7f, 1e-5f);
    EXPECT_EQ(pln.specwash[4], 0.0f);          // behind: casts nothing
    EXPECT_EQ(pln.specwash[3], 0.0f);
    for (int el = 0; el < 4; el++)
        EXPECT_EQ(pln.downwash[2][4][el], el < 3 ? 1 : 0) << el;   // outboard of the wing: none
    EXPECT_EQ(pln.downwash[3][4][3], 0);
    for (int el = 0; el < MAX_ELS; el++)
        EXPECT_EQ(pln.downwash[4][2][el], 0);
    ASSERT_FALSE(report_lines.empty());
    EXPECT_EQ(report_lines[0], "I am showing the wing casting downwash on the stabilizer on the inside 3 elements "
                               "of the stabilizer\n");
    EXPECT_EQ(report_lines.back(), "TIMES THE COSINE of the wing sweep.\n\n");
    setup_downwash(nullptr);
    EXPECT_NEAR(pln.specwash[2], 4.7f, 1e-5f);
}

TEST_F(FlowTest, SymmetricWithoutSideslipOrRates)
{
    pln.dihed[2] = 7;
    pln.sweepnow[2] = 20;
    pln.zarm[2][0] = pln.zarm[2][1] = -0.4f;
    wing();
    EXPECT_EQ(flt.machno[0], flt.machno[1]);
    EXPECT_EQ(flt.rho[0], flt.rho[1]);
    for (int el = 0; el < 2; el++) {
        EXPECT_EQ(flt.alpha[0][el], flt.alpha[1][el]);
        EXPECT_EQ(flt.v_el[0][el], flt.v_el[1][el]);
        EXPECT_NEAR(flt.alpha[0][el], 5.0f, 1e-4f);
        EXPECT_NEAR(flt.v_el[0][el], 50.0f * cosf(20 * DEG), 1e-3f);
        EXPECT_NEAR(flt.deldir[0][el], 0.0f, 1e-4f);
        EXPECT_EQ(flt.cosdeldir[0][el], 1.0f);
    }
    EXPECT_NEAR(flt.machno[0], 50.0f * cosf(20 * DEG) / 340.3f, 1e-6f);
    EXPECT_NEAR(flt.rho[0], thinair(flt.machno[0]), 1e-6f);
    EXPECT_FLOAT_EQ(flt.machfac[0], Fmachfac(flt.machno[0]));
}

TEST_F(FlowTest, SideslipOnASweptWing)
{
    pln.sweepnow[2] = 30;
    flt.Beta = 5.7f;                           // whole degrees: 5
    wing();
    EXPECT_NEAR(flt.machno[0] * atm.a, 50.0f * cosf(25 * DEG), 1e-3f);
    EXPECT_NEAR(flt.machno[1] * atm.a, 50.0f * cosf(35 * DEG), 1e-3f);
    flt.Beta = -5.0f;
    wing();
    EXPECT_NEAR(flt.machno[0] * atm.a, 50.0f * cosf(35 * DEG), 1e-3f);
    pln.sweepnow[2] = 80;                      // past 90 deg: speed stays positive
    flt.Beta = -20.0f;
    wing();
    EXPECT_NEAR(flt.machno[1] * atm.a, 50.0f * fabsf(cosf(60 * DEG)), 1e-3f);
    EXPECT_NEAR(flt.machno[0] * atm.a, 50.0f * fabsf(cosf(100 * DEG)), 1e-3f);
}

TEST_F(FlowTest, DihedralInSideslip)
{
    pln.dihed[2] = 5;
    flt.sinbeta = 0.1f;
    wing();
    EXPECT_NEAR(flt.alpha[0][0], 5.5f, 1e-4f);
    EXPECT_NEAR(flt.alpha[1][0], 4.5f, 1e-4f);
    EXPECT_NEAR(flt.deldir[0][0], 0.0f, 1e-4f);   // geometry, not a flow change
    pln.dihed[2] = 355;                        // anhedral reverses it
    wing();
    EXPECT_NEAR(flt.alpha[0][0], 4.5f, 1e-4f);
}

TEST_F(FlowTest, PitchRateOnAnAftElement)
{
    set_alpha(0.0f);
    pln.anginc[2][0] = 0.0f;
    pln.xarm[2][0] = 4.0f;
    flt.Qrad = 0.2f;
    wing();
    float want = atanf(4.0f * 0.2f / 50.0f) / DEG;
    EXPECT_NEAR(flt.alpha[0][0], want, 1e-4f);
    EXPECT_NEAR(flt.alpha[1][0], want, 1e-4f);
    EXPECT_NEAR(flt.deldir[0][0], want, 1e-4f);
    EXPECT_EQ(flt.sindeldir[0][0], lsin[1]);   // 0.92 deg rounds to 1
    EXPECT_NEAR(flt.v_el[0][0], sqrtf(2500.0f + 0.64f), 1e-3f);
}

TEST_F(FlowTest, RollAndYawRates)
{
    set_alpha(0.0f);
    pln.anginc[2][1] = 0.0f;
    flt.Prad = 0.5f;                           // right wing down: right alpha up
    wing();
    float da = atanf(3.0f * 0.5f / 50.0f) / DEG;
    EXPECT_NEAR(flt.alpha[1][1], da, 1e-4f);
    EXPECT_NEAR(flt.alpha[0][1], -da, 1e-4f);
    flt.Prad = 0.0f;
    flt.Rrad = 0.5f;                           // nose right: left half faster
    wing();
    EXPECT_NEAR(flt.v_el[0][1], 51.5f, 1e-3f);
    EXPECT_NEAR(flt.v_el[1][1], 48.5f, 1e-3f);
    pln.yarm[2][1] = -3.0f;                    // a mirrored arm row reads the same
    wing();
    EXPECT_NEAR(flt.v_el[0][1], 51.5f, 1e-3f);
}

TEST_F(FlowTest, DownwashAndInducedAlpha)
{
    pln.downwash[4][2][0] = 1;
    flt.downwash[2] = -2.0f;
    flt.induced_alpha[0][0] = 1.5f;
    flt.induced_alpha[1][1] = 0.7f;
    wing();
    EXPECT_NEAR(flt.alpha[0][0], 5.0f - 2.0f + 1.5f, 1e-4f);
    EXPECT_NEAR(flt.alpha[1][0], 3.0f, 1e-4f);
    EXPECT_NEAR(flt.alpha[1][1], 5.7f, 1e-4f);  // element 1 not in the wash
    EXPECT_NEAR(flt.deldir[0][0], -2.0f, 1e-4f); // the induced alpha is no flow change
    EXPECT_EQ(flt.sindeldir[0][0], lsin[358]);
    EXPECT_EQ(flt.cosdeldir[1][0], lcos[358]);
    EXPECT_NEAR(flt.deldir[1][1], 0.0f, 1e-4f);
}

TEST_F(FlowTest, Propwash)
{
    set_alpha(0.0f);
    pln.foileq[0] = 1;
    pln.propwash[2][0] = 1;
    flt.DVinc[0] = 10.0f;
    flt.DVinc[1] = 20.0f;
    pln.cos_vertcant[0] = pln.cos_vertcant[1] = 1.0f;
    pln.lo_washdir[2] = -10.0f;
    pln.hi_washdir[2] = 10.0f;
    wing();
    // Each half takes its own engine's wash; the flagged element only.
    float axL = 50.0f * cosf(2 * DEG) + 10.0f, axR = 50.0f * cosf(2 * DEG) + 20.0f, nm = 50.0f * sinf(2 * DEG);
    EXPECT_NEAR(flt.v_el[0][0], sqrtf(axL * axL + nm * nm), 1e-3f);
    EXPECT_NEAR(flt.v_el[1][0], sqrtf(axR * axR + nm * nm), 1e-3f);
    EXPECT_NEAR(flt.alpha[0][0], atan2f(nm, axL) / DEG, 1e-4f);
    EXPECT_NEAR(flt.v_el[0][1], 50.0f, 1e-3f);
    pln.foileq[0] = 0;                         // no propeller, no wash
    wing();
    EXPECT_NEAR(flt.v_el[1][0], 50.0f, 1e-3f);
}

TEST_F(FlowTest, PropwashShare)
{
    set_alpha(0.0f);
    pln.cos_vertcant[0] = 1.0f;
    pln.lo_washdir[2] = -10.0f;
    pln.hi_washdir[2] = 10.0f;
    EXPECT_EQ(partialwash(0.0f, 2, 0), 1.0f);  // exactly at the full-wash angle
    set_alpha(5.0f);
    EXPECT_NEAR(partialwash(0.0f, 2, 0), 0.5f, 1e-4f);
    EXPECT_NEAR(partialwash(-30.0f, 2, 0), 0.5f, 1e-4f);   // negative wash counts as none
    set_alpha(-5.0f);
    EXPECT_NEAR(partialwash(0.0f, 2, 0), 0.5f, 1e-4f);
    set_alpha(12.0f);
    EXPECT_EQ(partialwash(0.0f, 2, 0), 0.0f);
    set_alpha(-12.0f);
    EXPECT_EQ(partialwash(0.0f, 2, 0), 0.0f);
    set_alpha(5.0f);                           // the wash bends the stream back
    EXPECT_NEAR(partialwash(50.0f, 2, 0), 1.0f - atan2f(50.0f * sinf(5 * DEG), 50.0f + 50.0f * cosf(5 * DEG)) / DEG / 10.0f,
                1e-4f);
    pln.lo_washdir[2] = 0.0f;                  // zero-width ramp: no NaN
    set_alpha(0.0f);
    EXPECT_EQ(partialwash(0.0f, 2, 0), 1.0f);
}

TEST_F(FlowTest, StabiliserIncidenceChanges)
{
    pln.foileq[4] = 1;
    pln.els[4] = 1;
    pln.xarm[4][0] = 5.0f;
    pln.hstabtype = 1;
    flt.lhstbdef = 3.0f;
    flt.rhstbdef = -3.0f;
    initwinghstb(4, 4, 5, pln.xarm[4], pln.yarm[4], pln.zarm[4]);
    EXPECT_NEAR(flt.alpha[4][0], 0.0f, 1e-4f);
    EXPECT_NEAR(flt.alpha[5][0], 6.0f, 1e-4f);
    pln.hstabtype = 0;
    pln.flying_stab = 1;
    flt.trim = 2.0f;
    initwinghstb(4, 4, 5, pln.xarm[4], pln.yarm[4], pln.zarm[4]);
    EXPECT_NEAR(flt.alpha[4][0], 1.0f, 1e-4f);  // tail: trim lowers its alpha
    pln.xarm[4][0] = -5.0f;                    // canard: raises it
    initwinghstb(4, 4, 5, pln.xarm[4], pln.yarm[4], pln.zarm[4]);
    EXPECT_NEAR(flt.alpha[5][0], 5.0f, 1e-4f);
    pln.tilt[4][0] = 1;                        // tilt belongs to wings only
    pln.vertcant[0] = 30.0f;
    initwinghstb(4, 4, 5, pln.xarm[4], pln.yarm[4], pln.zarm[4]);
    EXPECT_NEAR(flt.alpha[4][0], 5.0f, 1e-4f);
}

TEST_F(FlowTest, TiltingWingElements)
{
    pln.tilt[2][1] = 1;
    pln.vertcant[0] = 10.0f;
    pln.vertcant[1] = 20.0f;
    wing();
    EXPECT_NEAR(flt.alpha[0][1], 15.0f, 1e-4f);
    EXPECT_NEAR(flt.alpha[1][1], 25.0f, 1e-4f);
    EXPECT_NEAR(flt.alpha[0][0], 5.0f, 1e-4f);
    EXPECT_NEAR(flt.deldir[0][1], 0.0f, 1e-4f);
}

TEST_F(FlowTest, Fin)
{
    pln.foileq[5] = 1;
    pln.els[5] = 1;
    pln.xarm[5][0] = 6.0f;
    pln.zarm[5][0] = 1.0f;
    pln.vstabminv = 20.0f;
    flt.Beta = 4.0f;
    initvst12(5, 6);
    EXPECT_NEAR(flt.alpha[6][0], 4.0f, 1e-4f);
    EXPECT_NEAR(flt.v_el[6][0], 50.0f, 1e-3f);
    flt.av = 5.0f;                             // slow: computed at vstabminv
    initvst12(5, 6);
    EXPECT_NEAR(flt.machno[6] * atm.a, 20.0f, 1e-3f);
    EXPECT_NEAR(flt.v_el[6][0], 20.0f, 1e-3f);
    flt.av = 50.0f;
    flt.Rrad = 0.1f;                           // nose right: the fin sees wind from the left
    flt.Prad = 0.2f;                           // right roll: from the right, above the cg
    initvst12(5, 6);
    float side = 50.0f * sinf(4 * DEG) + 0.6f - 0.2f, axial = 50.0f * cosf(4 * DEG);
    EXPECT_NEAR(flt.alpha[6][0], atan2f(side, axial) / DEG, 1e-4f);
    EXPECT_NEAR(flt.deldir[6][0], atan2f(side, axial) / DEG - 4.0f, 1e-4f);
    pln.propwash[5][0] = 1;
    flt.DVinc[0] = 15.0f;
    flt.DVinc[1] = 99.0f;                      // engine 2's wash never reaches the fin
    flt.induced_alpha[6][0] = -1.0f;
    initvst12(5, 6);
    EXPECT_NEAR(flt.alpha[6][0], atan2f(side, axial + 15.0f) / DEG - 1.0f, 1e-4f);
}

// Broken inputs from upstream must not index the trig tables with garbage
// or poison the flow-direction tables.
TEST_F(FlowTest, NonFiniteStateStaysInsideTables)
{
    flt.Beta = NAN;
    flt.sinbeta = NAN;
    wing();
    EXPECT_TRUE(std::isfinite(flt.machno[0]) && std::isfinite(flt.machno[1]));
    flt.Beta = 1e30f;
    flt.sinbeta = 0.0f;
    wing();
    EXPECT_TRUE(std::isfinite(flt.alpha[0][0]));
    flt.av = NAN;
    flt.Alpha = NAN;
    flt.downwash[2] = NAN;
    pln.downwash[4][2][0] = 1;
    wing();
    for (int row = 0; row < 2; row++) {
        EXPECT_TRUE(std::isfinite(flt.machno[row]));
        for (int el = 0; el < 2; el++) {
            EXPECT_TRUE(std::isfinite(flt.alpha[row][el]));
            EXPECT_TRUE(std::isfinite(flt.v_el[row][el]));
            EXPECT_TRUE(std::isfinite(flt.deldir[row][el]));
            EXPECT_TRUE(std::isfinite(flt.sindeldir[row][el]));
            EXPECT_TRUE(std::isfinite(flt.cosdeldir[row][el]));
        }
    }
    pln.els[5] = 1;
    initvst12(5, 6);
    EXPECT_TRUE(std::isfinite(flt.alpha[6][0]) && std::isfinite(flt.v_el[6][0]));
    atm.a = 0.0f;                              // no air state yet: Mach 0, not infinity
    flt.av = 50.0f;
    wing();
    EXPECT_EQ(flt.machno[0], 0.0f);
    EXPECT_EQ(flt.machfac[0], 1.0f);
}
