// The force build-up report: written only while set.cycout is on, through
// the sink, and never changing a result.
#include <string>

#include "foil_fixture.h"

static std::string report_text;
static void keep_text(const char *text) { report_text += text; }

class ReportTest : public FoilTest {
  protected:
    void SetUp() override
    {
        FoilTest::SetUp();
        report_text.clear();
        cyc_sink = keep_text;
        set.cycout = 0;
        pln.els[2] = 2;
        pln.foileq[0] = 1;
        pln.propwash[2][0] = 1;
        pln.cos_vertcant[0] = pln.cos_vertcant[1] = 1.0f;
        pln.lo_washdir[2] = -10.0f;
        pln.hi_washdir[2] = 10.0f;
        flt.DVinc[0] = flt.DVinc[1] = 5.0f;
        pln.foileq[5] = 1;
        pln.els[5] = 1;
        pln.propwash[5][0] = 1;
        flt.av = 50.0f;
        flt.Alpha = 4.0f;
        flt.cosalph = 1.0f;
        flt.Qrad = 0.1f;
        pln.PIeAR[2] = 20.0f;
        flt.CDIgrndeffect[2] = flt.CLgrndeffect[2] = 1.0f;
        msc.ice = 0.5f;
        pln.slat[2][0] = 1;
        flt.slat_effect[2] = 1.1f;
    }
    void TearDown() override
    {
        cyc_sink = nullptr;
        set.cycout = 0;
        msc.ice = 0.0f;
    }
    // One element's whole build-up as the force build-up runs it.
    float run()
    {
        initwinghstb(2, 0, 1, pln.xarm[2], pln.yarm[2], pln.zarm[2]);
        initvst12(5, 6);
        float cl, cd, cm;
        Fco(flt.alpha[0][0] + 10.0f, cl, cd, cm, 2, FRe(flt.rho[0], flt.v_el[0][0], 1.5f), 0);
        finitecompressible(2, cl, cd, cm, 0.8f, flt.machfac[0]);
        washawing(cl, cd, 0, 0);
        return cl + 10.0f * cd + 100.0f * cm + effrat(30.0f, 2) + flt.alpha[6][0] + flt.v_el[1][0];
    }
};

TEST_F(ReportTest, WrittenOnlyWhileOn)
{
    float quiet = run();
    EXPECT_TRUE(report_text.empty());
    set.cycout = 1;
    float loud = run();
    EXPECT_EQ(quiet, loud);
    for (const char *want : {"WING ONE", "\nELEMENT #1\n", "propwash stream angle=", "VERT STAB\n",
                             "These coefficients are using the LOW Reynolds number airfoil",
                             "Slats are lowering the look-up alpha to 90.9% of original",
                             "icing is changing cl and cd to", "CL Coeff summary:  ---------- --root--  --tip---\n",
                             "drag divergent mach number exceeded", "FINAL COEFFS (after compressibility",
                             "This rotation turns the initial cl of", "effectiveness multiplier of 0.680",
                             "   FINALLY, right side is at an alpha of="})
        EXPECT_NE(report_text.find(want), std::string::npos) << want;
    cyc_sink = nullptr;                        // on, but nowhere to write
    EXPECT_EQ(run(), quiet);
}

TEST_F(ReportTest, LongTextIsCut)
{
    set.cycout = 1;
    std::string big(2 * MAX_STR, 'x');
    cyc_printf("%s", big.c_str());
    EXPECT_EQ(report_text.size(), (size_t)MAX_STR - 1);
}
