// The force build-up: the accumulators' moments, symmetry of the trainer in
// straight flight, ice, the arresting wire and degenerate aircraft.
#include "tests/flight/force_fixture.h"

TEST_F(ForceTest, AccumulatorMomentsFollowTheArms)
{
    flt.cosalph = flt.cosbeta = 1.0f;
    addFaero(0.0f, 0.0f, 1000.0f, 5.0f, 0.0f, 0.0f);   // lift 5 m behind the cg
    EXPECT_FLOAT_EQ(flt.M, -5000.0f);                  // nose down
    flt.M = 0.0f;
    addFsprop(100.0f, 0.0f, 1.0f);                     // side force 1 m above the cg
    EXPECT_FLOAT_EQ(flt.L, 100.0f);                    // rolls right
    flt.L = 0.0f;
    addFaero(0.0f, 100.0f, 0.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_FLOAT_EQ(flt.L, 100.0f);
    EXPECT_FLOAT_EQ(flt.fsideaero, 100.0f);
    // Thrust on the right engine yaws the nose left.
    addFaprop(1000.0f, 2.0f, 0.0f);
    EXPECT_FLOAT_EQ(flt.N, -2000.0f);
    // Weight on the left main wheel rolls left.
    addFngear(1000.0f, 0.0f, -1.5f);
    EXPECT_FLOAT_EQ(flt.L, 100.0f + 1500.0f);
}

TEST_F(ForceTest, AeroForceTurnsThroughAlphaIntoBodyAxes)
{
    // At 90 deg alpha the path's lift acts along the body's axis.
    flt.sinalph = 1.0f;
    flt.cosbeta = 1.0f;
    addFaero(0.0f, 0.0f, 100.0f, 0.0f, 0.0f, 2.0f);
    EXPECT_NEAR(flt.M, -200.0f, 1e-3f);
}

TEST_F(ForceTest, TrainerInStraightFlightIsSymmetric)
{
    load("Trainer.acf");
    flt.eng_running[0] = 0;
    fly(50.0f, 0.0f, 3.0f);
    set_a();
    float lift = flt.fnrmlaero;
    ASSERT_GT(lift, 5000.0f);
    float scale = lift * pln.semiB[2];
    EXPECT_NEAR(flt.L, 0.0f, 1e-4f * scale);
    EXPECT_NEAR(flt.N, 0.0f, 1e-4f * scale);
    EXPECT_NEAR(flt.fsideaero, 0.0f, 1e-4f * lift);
    EXPECT_NEAR(flt.fsideprop, 0.0f, 1e-4f * lift);
    EXPECT_LT(flt.faxilaero, 0.0f);   // drag
    // Slipping to the left (nose 5 deg right of the path): the fin yaws the
    // nose into the wind, dihedral and fin roll the aircraft right.
    flt.psi = 5.0f;
    derive();
    ASSERT_GT(flt.Beta, 4.0f);
    set_a();
    EXPECT_LT(flt.N, 0.0f);
    EXPECT_GT(flt.L, 0.0f);
}

TEST_F(ForceTest, TailLiftPitchesTheNoseDown)
{
    load("Trainer.acf");
    fly(50.0f, 0.0f, 3.0f);
    set_a();
    float m0 = flt.M;
    flt.lhstbdef = flt.rhstbdef = -10.0f;   // trailing edge down: more tail lift
    set_a();
    EXPECT_LT(flt.M, m0 - 100.0f);
}

TEST_F(ForceTest, IceMakesTheAircraftHeavierAndHarderToTurn)
{
    load("Trainer.acf");
    fly(50.0f, 0.0f, 3.0f);
    flt.lailndef = 10.0f;
    flt.railndef = -10.0f;
    set_a();
    ASSERT_NE(flt.Pdot, 0.0f);
    msc.ice = 0.5f;
    // Ice also changes the airfoils; compare at the forces it produced.
    set_a();
    float fe, fn, fu;
    earth_forces(&fe, &fn, &fu);
    EXPECT_NEAR(flt.ax * 1.5f * flt.m_total, fe, fabsf(fe) * 1e-4f + 1e-3f);
    EXPECT_NEAR((flt.az + atm.g) * 1.5f * flt.m_total, fu, fabsf(fu) * 1e-4f);
    EXPECT_NEAR(flt.Pdot * 2.25f * flt.m_total * pln.Jxx_unitmass, flt.L * con.radtodeg,
                fabsf(flt.L * con.radtodeg) * 1e-4f);
}

TEST_F(ForceTest, MasslessAircraftNeverDividesByZero)
{
    load("Trainer.acf");
    fly(50.0f, 0.0f, 3.0f);
    flt.m_total = 0.0f;
    pln.Jxx_unitmass = pln.Jyy_unitmass = pln.Jzz_unitmass = 0.0f;
    set_a();
    for (float a : {flt.ax, flt.ay, flt.az, flt.Pdot, flt.Qdot, flt.Rdot})
        EXPECT_TRUE(std::isfinite(a));
}

TEST_F(ForceTest, ArrestingWireStopsButNeverPullsBack)
{
    load("Trainer.acf");
    on_ground();
    flt.wired = 1;
    fly(30.0f, 0.0f, flt.the);
    set_a();
    EXPECT_LT(flt.faxilgear, -4.0f * flt.m_total * con.g);
    // Stopped: no pull at all; rolling back: none either.
    fly(0.0f, 0.0f, flt.the);
    set_a();
    EXPECT_GT(flt.faxilgear, -1.0f);
    flt.vy = -1.0;
    derive();
    set_a();
    EXPECT_GT(flt.faxilgear, -1.0f);
    // Nearly stopped: the pull only takes the speed left, not beyond.
    fly(0.2f, 0.0f, flt.the);
    for (int i = 0; i < 20; i++)
        step(0.05f);
    EXPECT_GE(flt.vy, -0.05);
}

TEST_F(ForceTest, NoAirNoNaN)
{
    load("Trainer.acf");
    fly(50.0f, 0.0f, 3.0f);
    atm.rho = 0.0f;
    atm.a = 0.0f;
    flt.rho[FLT_ROW_FUSE] = 0.0f;
    flt.throt[0] = -0.5f;   // a broken lever must not give a NaN
    set_a();
    for (float a : {flt.ax, flt.ay, flt.az, flt.Pdot, flt.Qdot, flt.Rdot})
        EXPECT_TRUE(std::isfinite(a));
    EXPECT_FLOAT_EQ(flt.faxilprop, 0.0f);   // no propulsion without air
}

TEST_F(ForceTest, CatapultHoldsThenLaunches)
{
    load("Jet.acf");
    on_ground();
    msc.est_Vs = 50.0f;
    car.catang = 90.0f;
    flt.cat_stage = CAT_HELD;
    flt.vx = 3.0;
    set_a();
    EXPECT_EQ(flt.vx, 0.0);
    EXPECT_EQ(flt.onground, 1);
    flt.cat_stage = CAT_LAUNCH;
    set_a();
    EXPECT_NEAR(flt.ax, 85.0f * 85.0f / 200.0f, 0.01f);
    EXPECT_NEAR(flt.ay, 0.0f, 0.01f);
}
