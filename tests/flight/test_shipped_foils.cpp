// The shipped NACA 2412 pair flown through the simulator's lookup: each
// file's maximum lift at its own Reynolds number, the blend between them,
// and no jump where the straight lift line hands over to the table.
#include <cstdlib>
#include <string>

#include "tests/common/fatal_catch.h"
#include "tests/flight/foil_fixture.h"

TEST_F(FoilTest, ShippedReynoldsPairThroughTheLookup)
{
    const char *src = getenv("VORTAN_SOURCE_DIR");
    ASSERT_NE(src, nullptr);
    C_to_C((std::string(src) + "/data/").c_str(), pln.C_appdir);
    test_set_fatal_hook(throw_fatal);
    try {
        grabafoil("NACA 2412 (popular).afl", 2, 0, 0);
        grabafoil("NACA 2412 (high Re).afl", 2, 1, 0);
        checkRediff("NACA 2412 (popular).afl", "NACA 2412 (high Re).afl", 2, 0);
    } catch (const FatalExit &f) {
        FAIL() << f.s1 << " " << f.s2;
    }
    test_set_fatal_hook(nullptr);
    pln.diffRe[2] = 1;

    float cl, cd, cm, lo_cl, hi_cl;
    Fco(14.9f, cl, cd, cm, 2, 3.0f, 0);   // the 3 million file's peak
    EXPECT_NEAR(cl, 1.56f, 0.01f);
    Fco(15.9f, cl, cd, cm, 2, 6.0f, 0);   // the 6 million file's peak
    EXPECT_NEAR(cl, 1.68f, 0.01f);
    Fco(0.0f, cl, cd, cm, 2, 9.0f, 0);    // above the pair: the high file
    EXPECT_NEAR(cl, 0.2205f, 1e-4f);
    EXPECT_NEAR(cd, 0.0060f, 1e-4f);
    EXPECT_NEAR(cm, -0.047f, 1e-4f);

    Fco(12.0f, lo_cl, cd, cm, 2, 3.0f, 0);
    Fco(12.0f, hi_cl, cd, cm, 2, 6.0f, 0);
    Fco(12.0f, cl, cd, cm, 2, 4.5f, 0);
    EXPECT_NEAR(cl, 0.5f * (lo_cl + hi_cl), 1e-5f);
    EXPECT_GT(hi_cl, lo_cl);

    float below, at;
    anyfoil(9.999f, below, cd, cm, 2, 0, 0, 0);
    anyfoil(10.0f, at, cd, cm, 2, 0, 0, 0);
    EXPECT_NEAR(below, at, 1e-3f);
}
