// The curve generator: the default part's curve, the joints of the lift
// pieces, the drag bucket, the flap cubics as written to a file, and
// constants that would divide by zero.
#include <cmath>

#include "files/airfoil_gen.h"
#include "tests/files/sample.h"

using namespace foilwright;
// The designer's constants (the simulator's tables are also called afl).
static AFLstruct &fafl = foilwright::afl;

namespace {

// A cambered set unlike the default in every joint: stalls at -12 and 17
// deg, slow stall shapes, moment breakpoints off the stall angles.
void cambered_constants()
{
    default_airfoil();
    fafl.clB = 0.42f; fafl.clM = 0.105f; fafl.Lstall = 1.58f; fafl.Lpow = 2.5f;
    fafl.almin = -12.0f; fafl.almax = 17.0f;
    fafl.Ldrop1 = 0.3f; fafl.Ldrop2 = 0.25f; fafl.Lpowstl = 0.7f;
    fafl.cmal2 = -8.0f; fafl.cmal3 = 12.0f;
}

// Jump of `f` across `x`.
template <class F> float jump(F f, float x) { return f(x + 1e-3f) - f(x - 1e-3f); }

int count_nonfinite()
{
    int n = 0;
    for (int k = 0; k < PART_TABLE_SLOTS; k++)
        n += !std::isfinite(cl[k]) + !std::isfinite(cd[k]) + !std::isfinite(cm[k]);
    return n;
}

}  // namespace

class Generator : public UserFolderTest {
  protected:
    void SetUp() override
    {
        UserFolderTest::SetUp();
        fill_constants();
        reset_part_stream_precision();
        default_airfoil();
        derive_airfoil();
    }
};

TEST_F(Generator, DefaultPartReproducesItsCurve)
{
    EXPECT_NEAR(fcolift(0.0f), 0.25f, 1e-6f);
    EXPECT_NEAR(fcolift(10.0f), 1.27f, 1e-5f);
    EXPECT_NEAR(fcolift(15.0f), 1.5f, 1e-5f);     // just stalled: Lstall - Ldrop1
    EXPECT_NEAR(fcolift(14.99f), 1.6f, 1e-3f);    // the peak
    EXPECT_NEAR(fcolift(20.0f), 0.7f, 1e-5f);
    EXPECT_NEAR(fcolift(-15.0f), -1.1f, 1e-5f);   // 2 clB - Lstall
    EXPECT_NEAR(fcolift(55.0f), 0.35f, 1e-5f);    // halfway to 0 at 90
    EXPECT_NEAR(fcolift(90.0f), 0.0f, 1e-6f);
    EXPECT_NEAR(fcodrag(10.0f), 0.0114f, 1e-6f);
    EXPECT_NEAR(fcodrag(-0.4902f), 0.0065f, 1e-6f);   // least drag where cl = DminCL
    EXPECT_NEAR(fcodrag(90.0f), 1.28f, 1e-6f);
    EXPECT_NEAR(fcodrag(-90.0f), 1.28f, 1e-6f);
    // The moment passes through its six points.
    EXPECT_NEAR(fcomomt(-90.0f), 0.32f, 1e-6f);
    EXPECT_NEAR(fcomomt(-20.0f), 0.05f, 1e-6f);
    EXPECT_NEAR(fcomomt(-10.0f), -0.05f, 1e-6f);
    EXPECT_NEAR(fcomomt(3.0f), -0.0375f, 1e-6f);
    EXPECT_NEAR(fcomomt(16.0f), -0.025f, 1e-6f);
    EXPECT_NEAR(fcomomt(20.0f), -0.075f, 1e-6f);
    EXPECT_NEAR(fcomomt(90.0f), -0.32f, 1e-6f);

    // The tables hold the same values at the angle of each slot.
    generate_tables(DEVICE_AIRFOIL);
    EXPECT_NEAR(cl[270], 0.25f, 1e-6f);
    EXPECT_NEAR(cl[370], 1.27f, 1e-5f);   // index 100: 10 deg
    EXPECT_NEAR(cl[420], 1.5f, 1e-5f);    // index 150: 15 deg
    EXPECT_NEAR(cl[470], 0.7f, 1e-5f);    // index 200: 20 deg
    EXPECT_NEAR(cd[370], 0.0114f, 1e-6f);
    EXPECT_NEAR(cd[540], 1.28f, 1e-6f);   // index 270: 90 deg
    EXPECT_NEAR(cl[471], fcolift(21.0f), 1e-6f);   // whole degrees past 20
    EXPECT_NEAR(cm[0], 0.32f, 1e-6f);
}

TEST_F(Generator, LiftPiecesMeetExceptAtTheStall)
{
    for (int set = 0; set < 2; set++) {
        if (set)
            cambered_constants();
        derive_airfoil();
        SCOPED_TRACE(set);
        for (float x : {-20.0f, -10.0f, 10.0f, 20.0f}) {
            EXPECT_NEAR(jump(fcolift, x), 0.0f, 2e-3f) << x;
            EXPECT_NEAR(jump(fcodrag, x), 0.0f, 1e-4f) << x;
            EXPECT_NEAR(jump(fcomomt, x), 0.0f, 1e-4f) << x;
        }
        for (float x : {fafl.cmal2, fafl.cmal3})
            EXPECT_NEAR(jump(fcomomt, x), 0.0f, 1e-4f) << x;
        // At the stall the lift drops by Ldrop1 from its peak of Lstall.
        EXPECT_NEAR(jump(fcolift, fafl.almax), -fafl.Ldrop1, 2e-3f);
        EXPECT_NEAR(jump(fcolift, fafl.almin), -fafl.Ldrop1, 2e-3f);
        EXPECT_NEAR(fcolift(fafl.almax - 1e-3f), fafl.Lstall, 1e-3f);
        EXPECT_NEAR(fcolift(fafl.almin), 2.0f * fafl.clB - fafl.Lstall, 1e-5f);
    }
}

TEST_F(Generator, BucketNeedsWidthDepthAndPower)
{
    generate_tables(DEVICE_AIRFOIL);
    float plain[PART_TABLE_SLOTS];
    memcpy(plain, cd, sizeof plain);

    // A bucket at cl 0.25 (0 deg), 0.204 wide in cl: 1 deg half width.
    fafl.Bloc = 0.25f; fafl.Bwidth = 0.204f; fafl.Bdepth = 0.001f; fafl.Bpower = 2.0f;
    generate_tables(DEVICE_AIRFOIL);
    EXPECT_NEAR(cd[270], plain[270] - 0.0015f, 1e-6f);   // centre: 1.5 Bdepth
    EXPECT_NEAR(cd[280], plain[280] - 0.0005f, 1e-6f);   // shoulder, 1 deg: 0.5 Bdepth
    EXPECT_NEAR(cd[260], plain[260] - 0.0005f, 1e-6f);
    EXPECT_NEAR(cd[285], plain[285] - 0.0005f * 0.25f, 1e-6f);   // 1.5 deg
    EXPECT_FLOAT_EQ(cd[290], plain[290]);                // full width, 2 deg
    EXPECT_FLOAT_EQ(cd[300], plain[300]);

    for (float AFLstruct::*zeroed : {&AFLstruct::Bwidth, &AFLstruct::Bdepth, &AFLstruct::Bpower}) {
        fafl.Bwidth = 0.204f; fafl.Bdepth = 0.001f; fafl.Bpower = 2.0f;
        fafl.*zeroed = 0.0f;
        generate_tables(DEVICE_AIRFOIL);
        for (int k = 0; k < PART_TABLE_SLOTS; k++)
            ASSERT_FLOAT_EQ(cd[k], plain[k]) << k;
    }
}

TEST_F(Generator, FlapRowsAreTheCubicsAndRowFiftyTheirSum)
{
    std::string file = path("f.flp");
    for (FLPstruct c : {FLPstruct{2.0f, 0.0f, -0.6f, 0.04f, 0.04f, 0.0f, -0.6f, -0.1f, -0.1f},
                        FLPstruct{1.6833f, 0.5f, -0.9333f, 0.015f, 0.2025f, -0.0675f, -0.2733f, -0.24f, 0.2133f}}) {
        flp = c;
        generate_tables(DEVICE_FLAP);
        program_kind = PROG_FOILWRIGHT;
        ASSERT_EQ(writeoutpart(file.c_str(), DEVICE_FLAP), 1);
        program_kind = PROG_VORTAN;
        grabflaps(file.c_str());
        EXPECT_NEAR(pln.clflap[50], c.lco1 + c.lco2 + c.lco3, 2e-6f);
        EXPECT_NEAR(pln.cdflap[50], c.dco1 + c.dco2 + c.dco3, 2e-6f);
        EXPECT_NEAR(pln.cmflap[50], c.mco1 + c.mco2 + c.mco3, 2e-6f);
        EXPECT_EQ(pln.clflap[0], 0.0f);
        float f = 0.3f;   // row 15
        EXPECT_NEAR(pln.clflap[15], c.lco1 * f + c.lco2 * f * f + c.lco3 * f * f * f, 1e-6f);
        EXPECT_NEAR(pln.cmflap[15], c.mco1 * f + c.mco2 * f * f + c.mco3 * f * f * f, 1e-6f);
    }
    EXPECT_NE(sample::slurp(file).find("\n50 1.250000 0.150000 -0.300000\n"), std::string::npos);
}

// Constants whose formulas, taken literally, divide zero by zero or by
// zero: each still gives finite tables with the end values the curve
// implies, and a file without "nan" or "inf".
TEST_F(Generator, DegenerateConstantsGiveFiniteTables)
{
    struct Case {
        const char *name;
        void (*set)();
    };
    const Case cases[] = {
        {"almin -10", [] { fafl.almin = -10.0f; }},
        {"almax 10", [] { fafl.almax = 10.0f; }},
        {"almax 20 almin -20", [] { fafl.almax = 20.0f; fafl.almin = -20.0f; }},
        {"clM 0", [] { fafl.clM = 0.0f; fafl.Bwidth = 0.1f; fafl.Bdepth = 0.001f; }},
        {"least drag at 10 deg", [] { fafl.DminCL = fafl.clB + 10.0f * fafl.clM; }},
        {"breakpoints together", [] { fafl.cmal2 = 5.0f; fafl.cmal3 = 5.0f; }},
        {"breakpoints at -20", [] { fafl.cmal2 = -20.0f; fafl.cmal3 = -20.0f; }},
        {"breakpoints at 20", [] { fafl.cmal2 = 20.0f; fafl.cmal3 = 20.0f; }},
        {"breakpoints reversed", [] { fafl.cmal2 = 12.0f; fafl.cmal3 = -30.0f; }},
        {"zero exponents", [] { fafl.Lpow = 0.0f; fafl.Lpowstl = 0.0f; fafl.Dpow = 0.0f; }},
        {"negative exponents", [] { fafl.Lpow = -1.0f; fafl.Dpow = -2.0f; fafl.Bpower = -1.0f; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        default_airfoil();
        c.set();
        generate_tables(DEVICE_AIRFOIL);
        EXPECT_EQ(count_nonfinite(), 0);
        std::string file = path("odd.afl");
        program_kind = PROG_FOILWRIGHT;
        ASSERT_EQ(writeoutpart(file.c_str(), DEVICE_AIRFOIL), 1);
        std::string text = sample::slurp(file);
        EXPECT_EQ(text.find("nan"), std::string::npos);
        EXPECT_EQ(text.find("inf"), std::string::npos);
    }

    default_airfoil();
    fafl.almin = -10.0f;   // the bend has no span: -10 deg is the peak
    derive_airfoil();
    EXPECT_NEAR(fcolift(-10.0f), 2.0f * fafl.clB - fafl.Lstall, 1e-5f);
    fafl.almax = 20.0f;    // the fall has no span: 20 deg has just stalled
    derive_airfoil();
    EXPECT_NEAR(fcolift(20.0f), fafl.Lstall - fafl.Ldrop1, 1e-5f);
    EXPECT_NEAR(fcolift(19.99f), fafl.Lstall, 1e-3f);

    default_airfoil();
    fafl.clM = 0.0f;       // no slope: the least drag sits at 0 deg, no bucket
    fafl.Bwidth = 0.1f; fafl.Bdepth = 0.001f;
    derive_airfoil();
    EXPECT_NEAR(fcodrag(0.0f), fafl.Dmin, 1e-7f);
    EXPECT_NEAR(fcodrag(10.0f), fafl.Dal10, 1e-6f);
    EXPECT_NEAR(fcolift(5.0f), fafl.clB, 1e-7f);

    default_airfoil();
    fafl.DminCL = fafl.clB + 10.0f * fafl.clM;   // least drag at 10 deg
    derive_airfoil();
    EXPECT_NEAR(fcodrag(10.0f), fafl.Dmin, 1e-6f);
    EXPECT_NEAR(fcodrag(0.0f), fafl.Dal10, 1e-5f);   // the rise spread over 10 deg

    default_airfoil();
    fafl.cmal2 = 5.0f; fafl.cmal3 = 5.0f;
    EXPECT_NEAR(fcomomt(5.0f), fafl.cm2, 1e-6f);
    EXPECT_NEAR(jump(fcomomt, 5.0f), fafl.cm3 - fafl.cm2, 1e-4f);
}
