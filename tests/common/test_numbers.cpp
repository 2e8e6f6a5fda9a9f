// Constants, the numeric helpers' edge behaviour and the random generator.
#include <gtest/gtest.h>

#include <cmath>

#include "common/common.h"

static void expect_rel(float got, double want)
{
    EXPECT_NEAR(got, want, std::fabs(want) * 1e-6) << "want " << want;
}

TEST(Constants, UnitFactorsMatchTheirReferences)
{
    fill_constants();
    expect_rel(con.g, 9.798279);
    expect_rel(con.ktstomsc, 0.5144445);
    expect_rel(con.nmtomtrs, 1852.000);
    expect_rel(con.lbstontn, 4.444426);
    // Every factor and its inverse multiply to one.
    const float pairs[][2] = {
        {con.lbstokgs, con.kgstolbs}, {con.fttomtrs, con.mtrstoft}, {con.radtodeg, con.degtorad},
        {con.ktstomsc, con.msctokts}, {con.rpmtorsc, con.rsctorpm}, {con.fpmtomsc, con.msctofpm},
        {con.nmtomtrs, con.mtrstonm}, {con.lbstontn, con.ntntolbs}, {con.endtomed, con.medtoend},
        {con.enItomtI, con.mtltoenl}, {con.mtrtoplt, con.plttomtr}};
    for (const auto &p : pairs)
        EXPECT_NEAR(p[0] * p[1], 1.0f, 1e-6f);
}

TEST(Constants, SineTablesCoverWholeDegreesToThreeSixty)
{
    fill_constants();
    for (int d = 0; d < NTRIG; d++) {
        EXPECT_NEAR(lsin[d], std::sin(d * M_PI / 180.0), 1e-6);
        EXPECT_NEAR(lcos[d], std::cos(d * M_PI / 180.0), 1e-6);
    }
}

TEST(Numbers, WrapsCoverOnePeriodWithTheirOwnBounds)
{
    EXPECT_EQ(intwrap(-1, 0, 5999), 5999);
    EXPECT_EQ(intwrap(6000, 0, 5999), 0);
    EXPECT_EQ(intwrap(12001, 0, 5999), 6001);
    EXPECT_FLOAT_EQ(fltwrap(-190, -180, 180), 170);
    EXPECT_FLOAT_EQ(fltwrap(180, -180, 180), 180);
    EXPECT_FLOAT_EQ(fltwrap(360, 0, 360), 360);
}

TEST(Numbers, RoundFalloutAndLimits)
{
    EXPECT_EQ(iround(-2.5f), -3);
    EXPECT_EQ(iround(2.5f), 3);
    EXPECT_EQ(iround(-0.4f), 0);
    EXPECT_FLOAT_EQ(fallout(0.5f, -1, 1), 1);
    EXPECT_FLOAT_EQ(fallout(-0.5f, -1, 1), -1);
    EXPECT_FLOAT_EQ(fallout(0.0f, -1, 1), 1);
    EXPECT_FLOAT_EQ(fallout(3.0f, -1, 1), 3);
    EXPECT_TRUE(std::isnan(fltlim(NAN, 0, 1)));
    EXPECT_EQ(intlim(7, 0, 5), 5);
    EXPECT_FLOAT_EQ(signsqr(-3), -9);
    EXPECT_FLOAT_EQ(signsqrt(-9), -3);
    EXPECT_FLOAT_EQ(fltsgn(0), 1);
    EXPECT_FLOAT_EQ(interp(0, 0, 1, 10, 2), 20);   // extrapolates
}

TEST(Numbers, BoxesAreInclusiveForIntsAndExclusiveForFloats)
{
    EXPECT_EQ(intbox(10, 5, 10, 0, 20, 5), 1);
    EXPECT_EQ(fltbox(10, 3, 10, 0, 20, 5), 0);
    EXPECT_EQ(fltbox(15, 3, 10, 0, 20, 5), 1);
    EXPECT_EQ(intrange(5, 5, 5), 1);
    EXPECT_EQ(fltrange(5.01f, 5, 5), 0);
}

TEST(Numbers, NearestMultiples)
{
    EXPECT_EQ(intnear(17, 5, 0), 15);
    EXPECT_EQ(intnear(17, 5, 1), 20);
    EXPECT_EQ(intnear(-17, 5, 0), -15);
    EXPECT_FLOAT_EQ(fltnear(17, 5, -1), 15);
    EXPECT_FLOAT_EQ(fltnear(17.5f, 5, 0), 20);
    EXPECT_FLOAT_EQ(fltnear(17, 5, 1), 20);
    EXPECT_FLOAT_EQ(fltnear(17, 5, 7), 17);
}

TEST(Numbers, DotprodSurvivesParallelAndZeroVectors)
{
    EXPECT_NEAR(dotprod(1, 0, 0, 0, 1, 0), M_PI / 2, 1e-6);
    for (float s : {1e-3f, 1.0f, 7.3f})
        EXPECT_NEAR(dotprod(s, s, s, 3, 3, 3), 0.0f, 1e-3f);   // never NaN
    EXPECT_FLOAT_EQ(dotprod(0, 0, 0, 1, 2, 3), 0);
    EXPECT_NEAR(dotprod(1, 0, 0, -2, 0, 0), M_PI, 1e-6);
    EXPECT_EQ(facing(1, 0, 0, 0, 1, 0, 0, 0, -1), 1);
    EXPECT_EQ(facing(1, 0, 0, 0, 1, 0, 0, 0, 1), 0);
}

TEST(Numbers, DegreeIndexIsAlwaysInsideTheTables)
{
    EXPECT_EQ(deg_index(-1.0f), 359);
    EXPECT_EQ(deg_index(720.5f), 0);
    EXPECT_EQ(deg_index(NAN), 0);
    EXPECT_EQ(deg_index(INFINITY), 0);
    EXPECT_EQ(deg_index(-1e30f), deg_index(-1e30f));
    EXPECT_LT(deg_index(-1e-7f), 360);
}

TEST(Random, IntrandCoversItsRangeAndNeverPassesIt)
{
    seed_rand(12345);
    int seen[9] = {};
    for (int k = 0; k < 100000; k++) {
        int v = intrand(0, 7);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 7);
        seen[v]++;
    }
    for (int v = 0; v < 8; v++)
        EXPECT_GT(seen[v], 11000) << v;
}

TEST(Random, FifteenBitsAndRepeatableFromASeed)
{
    seed_rand(7);
    int first[20];
    int hi = 0;
    for (int k = 0; k < 20; k++)
        first[k] = next_rand15();
    for (int k = 0; k < 100000; k++)
        hi = std::max(hi, next_rand15());
    EXPECT_LE(hi, 32767);
    EXPECT_GT(hi, 32700);
    seed_rand(7);
    for (int k = 0; k < 20; k++)
        EXPECT_EQ(next_rand15(), first[k]);
    float f = fltrand(-1, 1);
    EXPECT_GE(f, -1);
    EXPECT_LE(f, 1);
}
