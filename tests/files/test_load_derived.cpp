// Derived quantities of the aircraft load, each step on a hand-set aircraft:
// element geometry and finite-wing factors of a reference wing, the Oswald
// efficiency's limits, ground statics, the centre-of-gravity shift, the
// needle scalings and stall estimate, and designs that are legal but
// degenerate.
#include <cmath>

#include "tests/files/load_fixture.h"

using Derived = LoadTest;

// Semi-span 5 m, 5 elements, chords 2 m and 1 m.
static void reference_wing(int p, int sweep)
{
    pln.semiB[p] = 5.0f;
    pln.Croot[p] = 2.0f;
    pln.Ctip[p] = 1.0f;
    pln.els[p] = 5;
    pln.dblel[p] = 5.0f;
    pln.sweep1[p] = sweep;
    pln.foileq[p] = 1;
    part_geometry(p);
}

TEST_F(Derived, ReferenceWingGeometryAndFiniteSpanFactors)
{
    write_foil("ref.afl", 3.0f);
    grabafoil("ref.afl", 3, 0, 0);   // part 3 keeps the unscaled tables
    reference_wing(2, 0);
    EXPECT_NEAR(pln.AR[2], 6.6667f, 1e-4);
    EXPECT_NEAR(pln.mac[2][0], 1.901754f, 1e-5);
    EXPECT_NEAR(pln.s[2][0], (2.0f + 1.8f) * 0.5f * 1.0f, 1e-5);
    C_to_C("ref.afl", pln.Rafl0[2]);
    ASSERT_TRUE(load_report_open());
    finish_readin();
    load_report_close();
    EXPECT_NEAR(pln.e[2], 0.849002f, 1e-5);
    float k = pln.PIeAR[2] / (2.0f * con.pi + pln.PIeAR[2]);
    EXPECT_NEAR(k, 0.738904f, 1e-5);
    EXPECT_NEAR(afl.clM[2][0][0] / afl.clM[3][0][0], 0.916449f, 1e-5);             // fl
    EXPECT_NEAR(afl.clpos[2][0][0][50] / afl.clpos[3][0][0][50], 0.916449f, 1e-5);
    EXPECT_NEAR(pln.finite_fact[2], 0.822455f, 1e-5);
    EXPECT_NEAR(afl.cm1[2][0][0] / afl.cm1[3][0][0], 0.769231f, 1e-5);              // fm
    EXPECT_FLOAT_EQ(afl.cmal2[2][0][0], afl.cmal2[3][0][0]);
    EXPECT_NEAR(pln.alphamax[2], pln.alphamax[3] / 0.822455f, 1e-3);
    std::string r = report();
    EXPECT_NE(r.find("Wing #1               \n   Oswalds efficiency factor based on AR and sweep is 0.85\n"),
              std::string::npos);
    EXPECT_NE(r.find("      and reducing airfoil lift coefficients to 91.6% of their 2-D value."), std::string::npos);
}

TEST_F(Derived, OswaldEfficiencyBySweepAndItsLimits)
{
    int biplane;
    reference_wing(2, 15);
    EXPECT_NEAR(oswald_e(2, &biplane), 0.761517f, 1e-4);   // halfway to the swept formula
    EXPECT_FALSE(biplane);
    pln.sweep1[2] = 45;
    float ar_term = 1.0f - 0.045f * powf(pln.AR[2], 0.68f);
    EXPECT_NEAR(oswald_e(2, &biplane), 4.61f * ar_term * powf(cosf(45.0f * con.degtorad), 0.15f) - 3.1f, 1e-5);
    pln.sweep1[2] = -45;   // forward sweep by its size
    EXPECT_NEAR(oswald_e(2, &biplane), 4.61f * ar_term * powf(cosf(45.0f * con.degtorad), 0.15f) - 3.1f, 1e-5);
    pln.sweep1[2] = 90;    // a float cosine just below zero must not make a NaN
    EXPECT_FLOAT_EQ(oswald_e(2, &biplane), 0.5f);
    pln.sweep1[2] = 0;
    pln.semiB[2] = 30.0f;  // very long: the fit goes negative, held at 0.5
    part_geometry(2);
    EXPECT_FLOAT_EQ(oswald_e(2, &biplane), 0.5f);
    pln.semiB[2] = 0.3f;   // very stubby: above 1, held at 1
    part_geometry(2);
    EXPECT_FLOAT_EQ(oswald_e(2, &biplane), 1.0f);
}

TEST_F(Derived, StackedWingsUseTheBiplaneFormulaTheStabiliserNever)
{
    reference_wing(2, 0);
    reference_wing(3, 0);
    reference_wing(4, 0);
    pln.zarm[3][MAX_ELS] = 1.5f;   // gap 1.5 m, no stagger: r = 0.15, mu = 1
    pln.zarm[4][MAX_ELS] = 1.5f;
    float r = 0.15f, sigma = 0.9962f - 4.896f * r + 17.98f * r * r - 37.8f * r * r * r + 31.0f * r * r * r * r;
    int biplane;
    EXPECT_NEAR(oswald_e(2, &biplane), 2.0f / (2.0f + 2.0f * sigma), 1e-5);
    EXPECT_TRUE(biplane);
    EXPECT_NEAR(oswald_e(3, &biplane), 2.0f / (2.0f + 2.0f * sigma), 1e-5);
    EXPECT_NEAR(oswald_e(4, &biplane), 0.849002f, 1e-5);
    EXPECT_FALSE(biplane);
    pln.xarm[3][MAX_ELS] = 2.0f;   // more stagger than gap: each wing alone
    EXPECT_NEAR(oswald_e(2, &biplane), 0.849002f, 1e-5);
}

TEST_F(Derived, GearSharesTheWeightByTheLeverRule)
{
    pln.gearEQ = 1;
    pln.m_max = 1000.0f;
    pln.ngearx = -3.0f;   // nose gear 3 m ahead of the cg, mains 1 m aft
    pln.mgearx = 1.0f;
    pln.ngearz = pln.mgearz = -1.0f;
    ground_equilibrium();
    float W = 1000.0f * con.g;
    EXPECT_NEAR(pln.gearcon, W / 0.5f, 1e-2);
    EXPECT_NEAR(pln.delnose_eqlbm * pln.gearcon / W, 0.25f, 1e-6);   // nose share
    float zn = 1.0f - 0.25f * W / pln.gearcon;
    float zm = 1.0f - 0.75f * W / (2.0f * pln.gearcon);               // main share over two wheels
    EXPECT_NEAR(pln.h_eqlbm, zm + (zn - zm) * 0.25f, 1e-6);
    EXPECT_NEAR(pln.the_eqlbm, asinf((zn - zm) / 4.0f) * con.radtodeg, 1e-4);
    pln.ngearz = -0.5f;   // a short nose leg: nose down, wrapped into 0..360
    ground_equilibrium();
    EXPECT_GT(pln.the_eqlbm, 350.0f);
}

TEST_F(Derived, SkidsShareTheWeightFrontAndRear)
{
    pln.skidEQ = 1;
    pln.m_max = 500.0f;
    pln.skidx = -1.0f;
    pln.skidl = 4.0f;
    pln.skidz = -1.0f;
    ground_equilibrium();
    float W = 500.0f * con.g;
    float zf = 1.0f - 0.75f * W / (2.0f * pln.skidcon), zr = 1.0f - 0.25f * W / (2.0f * pln.skidcon);
    EXPECT_FLOAT_EQ(pln.delnose_eqlbm, 0.0f);
    EXPECT_NEAR(pln.h_eqlbm, zr + (zf - zr) * 0.75f, 1e-6);
    EXPECT_NEAR(pln.the_eqlbm, 360.0f + asinf((zf - zr) / 4.0f) * con.radtodeg, 1e-3);
}

TEST_F(Derived, OnlyTheHubOfAPropellerMovesWithTheCentreOfGravity)
{
    pln.cgx = 2.0f;
    pln.cgz = 0.5f;
    pln.xarm[0][0] = 0.3f;            // a ring radius, not a place
    pln.xarm[0][MAX_ELS] = 0.0f;
    pln.xarm[2][0] = 3.0f;
    pln.fuse_x[4][2] = 5.0f;
    pln.foileq[2] = 1;
    pln.semiB[3] = 4.0f;              // an absent wing 2 loses its span
    shift_to_cg();
    EXPECT_FLOAT_EQ(pln.xarm[0][0], 0.3f);
    EXPECT_FLOAT_EQ(pln.xarm[0][MAX_ELS], -2.0f);
    EXPECT_FLOAT_EQ(pln.zarm[0][MAX_ELS], -0.5f);
    EXPECT_FLOAT_EQ(pln.xarm[2][0], 1.0f);
    EXPECT_FLOAT_EQ(pln.fuse_x[4][2], 3.0f);
    EXPECT_FLOAT_EQ(pln.semiB[3], 0.0f);
}

TEST_F(Derived, NeedleScalingsAndStallEstimateInMetresPerSecond)
{
    pln.AStype = 1;
    pln.Vso = 55;
    pln.Vne = 190;
    pln.omegamax = 200.0f;
    pln.pmax = 100000.0f;
    instrument_scalings();
    EXPECT_FLOAT_EQ(pln.Vmin, 50.0f);
    EXPECT_FLOAT_EQ(pln.Vmax, 200.0f);
    EXPECT_NEAR(ins.indtoASI, 330.0f / 150.0f, 1e-5);
    EXPECT_NEAR(ins.msctoVVI, con.msctofpm * 0.08f, 1e-5);
    EXPECT_NEAR(ins.trqtoINS, 270.0f / (500.0f * 1.2f), 1e-5);
    EXPECT_NEAR(msc.est_Vs, 90.0f * con.ktstomsc, 1e-4);   // no wing
    pln.AStype = 2;
    pln.dashtype = 2;
    pln.is_heli = 1;
    instrument_scalings();
    EXPECT_NEAR(ins.indtoASI, 330.0f / (powf(449.0f, 0.3f) - powf(60.0f, 0.3f)), 1e-4);
    EXPECT_NEAR(ins.msctoVVI, con.msctofpm * 0.0225f, 1e-5);
    EXPECT_NEAR(msc.est_Vs, 30.0f * con.ktstomsc, 1e-4);
}

TEST_F(Derived, StallEstimateCountsBothHalvesOfEachSurface)
{
    reference_wing(2, 0);   // 15 m^2 a side, root element 3.8 m^2
    pln.m_max = 1000.0f;
    instrument_scalings();
    float S = 2.0f * 5.0f * 1.9f;
    EXPECT_NEAR(msc.est_Vs, sqrtf(2.0f * 1000.0f * con.g / (1.5f * S * con.rhoSL)), 1e-3);
}

TEST_F(Derived, PropwashLimitsAndSlatStretch)
{
    pln.foileq[0] = pln.foileq[2] = 1;
    pln.semiB[0] = 1.0f;
    pln.els[2] = 2;
    pln.xarm[2][0] = 2.0f;
    pln.zarm[2][0] = 1.0f;
    pln.propwash[2][1] = 1;
    pln.slat[2][0] = 1;
    pln.alphamax[2] = 15.0f;
    pln.slat_inc = 5.0f;
    propwash_angles();
    slat_effects();
    EXPECT_NEAR(pln.max_washdir[2], atan2f(1.0f, 2.0f) * con.radtodeg, 1e-4);
    EXPECT_NEAR(pln.hi_washdir[2], 45.0f, 1e-4);
    EXPECT_NEAR(pln.lo_washdir[2], 0.0f, 1e-4);
    EXPECT_NEAR(pln.slat_effect[2], 20.0f / 15.0f, 1e-6);
    pln.slat[2][0] = 0;    // a slat row marking nothing
    slat_effects();
    EXPECT_FLOAT_EQ(pln.slat_effect[2], 1.0f);
}

TEST_F(Derived, DegenerateDesignsGiveFiniteValues)
{
    pln.semiB[2] = 3.0f;   // both chords zero
    pln.els[2] = 4;
    pln.dblel[2] = 4.0f;
    pln.foileq[2] = 1;
    pln.foileq[4] = 1;     // a part with no elements
    pln.semiB[4] = 2.0f;
    pln.Croot[4] = pln.Ctip[4] = 1.0f;
    part_geometry(2);
    part_geometry(4);
    int biplane;
    EXPECT_TRUE(std::isfinite(pln.AR[2]));
    EXPECT_FLOAT_EQ(pln.mac[2][0], 0.0f);
    EXPECT_TRUE(std::isfinite(oswald_e(2, &biplane)));
    fuselage_quantities();  // no fuselage at all
    EXPECT_FLOAT_EQ(pln.clfusealph, 0.0f);
    EXPECT_GE(pln.Jxx_unitmass, 0.01f);
    EXPECT_TRUE(std::isfinite(pln.Jyy_unitmass) && std::isfinite(pln.fusexcent));
    dump_geo();
    EXPECT_FLOAT_EQ(pln.semi_sec_wi[4], 0.0f);
    EXPECT_FLOAT_EQ(pln.semi_sec_wi[2], 0.125f);
    pln.gearEQ = pln.skidEQ = 1;   // coincident wheels, a skid of no length
    pln.m_max = 800.0f;
    ground_equilibrium();
    EXPECT_TRUE(std::isfinite(pln.the_eqlbm) && std::isfinite(pln.h_eqlbm));
    pln.skidEQ = 0;
    pln.mgearx = 0.5f;             // a nose leg far longer than the wheelbase
    pln.ngearz = -20.0f;
    ground_equilibrium();
    EXPECT_FLOAT_EQ(pln.the_eqlbm, 90.0f);
    for (float v : {0.0f, 100.0f, -5.0f}) {   // dial ends that meet
        pln.AStype = 1;
        pln.vectEQ = 1;
        pln.Vso = pln.Vne = v;
        instrument_scalings();
        EXPECT_TRUE(std::isfinite(ins.indtoASI)) << v;
    }
    EXPECT_TRUE(std::isfinite(ins.tactoINS) && std::isfinite(ins.trqtoINS));   // no engine
}
