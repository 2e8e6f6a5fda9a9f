// Propulsion: the trainer's static run-up, jet spool, the start state, the
// mixture rule and the lags with long steps.
#include "tests/flight/force_fixture.h"

// The trainer held still at sea level at full throttle until its rpm
// settles.
TEST_F(ForceTest, TrainerStaticRunUp)
{
    load("Trainer.acf", 0.0f);
    initpower(1.0f);
    flt.eng_running[0] = 1;
    mixture_ratios();
    ASSERT_NEAR(flt.mix_powr_rat[0], 0.97f, 0.005f) << atm.crtsig;
    fly(0.0f, 0.0f, 0.0f);
    msc.prd = 0.025f;
    for (int i = 0; i < 4000; i++) {
        flt.L = flt.M = flt.N = flt.faxilprop = flt.fsideprop = flt.fnrmlprop = 0.0f;
        props();
    }
    float rpm = flt.omega[0] * con.rsctorpm;
    EXPECT_GT(rpm, 2100.0f);
    EXPECT_LT(rpm, 2450.0f);
    EXPECT_GT(flt.thrust[0], 1800.0f);
    EXPECT_LT(flt.thrust[0], 3000.0f);
    EXPECT_NEAR(flt.Dtq[0], flt.Etq[0], 0.01f * flt.Etq[0]);
    EXPECT_NEAR(flt.faxilprop, flt.thrust[0], 1.0f);
    // A single engine's wash reaches both wing halves.
    EXPECT_GT(flt.DVinc[0], 5.0f);
    EXPECT_EQ(flt.DVinc[1], flt.DVinc[0]);
    printf("static: %.0f rpm, %.0f N thrust, torque %.1f / %.1f N m\n", rpm, flt.thrust[0], flt.Etq[0],
           flt.Dtq[0]);
}

TEST_F(ForceTest, JetSpoolRates)
{
    load("Jet.acf");
    fly(0.0f, 0.0f, 0.0f);
    flt.eng_running[0] = 1;
    msc.prd = 0.05f;
    flt.throt[0] = 1.0f;
    flt.parteqlbmthrust[0] = 0.35f;
    ajet(0, 0.0f, 0.0f, 0.0f);
    EXPECT_NEAR(flt.parteqlbmthrust[0] - 0.35f, msc.prd / pln.spooltime, 1e-5f);
    flt.throt[0] = 0.0f;
    flt.parteqlbmthrust[0] = 0.35f;
    ajet(0, 0.0f, 0.0f, 0.0f);
    EXPECT_NEAR(0.35f - flt.parteqlbmthrust[0], 5.0f * msc.prd / pln.spooltime, 1e-5f);
    // A long step lands on the command, never past it.
    msc.prd = 100.0f;
    ajet(0, 0.0f, 0.0f, 0.0f);
    EXPECT_FLOAT_EQ(flt.parteqlbmthrust[0], 0.05f);
    flt.throt[0] = 1.0f;
    ajet(0, 0.0f, 0.0f, 0.0f);
    EXPECT_FLOAT_EQ(flt.parteqlbmthrust[0], 1.0f);
    EXPECT_NEAR(flt.thrust[0], pln.tmax * atm.crtsig, 1.0f);
    // A stopped jet only drags its intake.
    flt.eng_running[0] = 0;
    fly(100.0f, 0.0f, 0.0f);
    ajet(0, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(flt.parteqlbmthrust[0], 0.0f);
    EXPECT_NEAR(flt.thrust[0], -0.3f * pln.facejet * flt.Qstatic, 0.01f);
}

TEST_F(ForceTest, InitpowerHalf)
{
    load("Trainer.acf");
    initpower(0.5f);
    for (int e = 0; e < 2; e++) {
        EXPECT_FLOAT_EQ(flt.throt[e], 0.5f);
        EXPECT_FLOAT_EQ(flt.throtrequest[e], 0.5f);
        EXPECT_FLOAT_EQ(flt.prop[e], pln.omegamax);
        EXPECT_FLOAT_EQ(flt.mix[e], 1.0f);
        EXPECT_NEAR(flt.omega[e], pln.omegamin + sqrtf(0.5f) * (pln.omegamax - pln.omegamin), 1e-3f);
        EXPECT_FLOAT_EQ(flt.mp[e], 20.0f);
        EXPECT_FLOAT_EQ(flt.n1[e], 70.0f);
        EXPECT_FLOAT_EQ(flt.epr[e], 2.0f);
        EXPECT_FLOAT_EQ(flt.egt[e], 0.5f);
        EXPECT_FLOAT_EQ(flt.DVinc[e], 10.0f);
        EXPECT_FLOAT_EQ(flt.ringDVinc[e][7], 10.0f);
        EXPECT_EQ(flt.thrust[e], 0.0f);
    }
    initpower(0.05f);
    EXPECT_EQ(flt.omega[0], 1.0f);
    EXPECT_EQ(flt.n1[0], 0.0f);
}

TEST_F(ForceTest, MixtureRule)
{
    pln.entype = 1;
    atm.crtsig = 1.0f;
    flt.throt[0] = 1.0f;
    flt.mix[0] = 1.0f;
    mixture_ratios();
    EXPECT_NEAR(flt.mix_powr_rat[0], 0.97f, 1e-6f);
    EXPECT_NEAR(flt.mix_temp_rat[0], 0.4f, 1e-6f);
    flt.mix[0] = 0.7f;   // best power
    mixture_ratios();
    EXPECT_NEAR(flt.mix_powr_rat[0], 1.0f, 1e-6f);
    for (float m : {0.6f, 0.5f, 0.0f}) {
        flt.mix[0] = m;
        mixture_ratios();
        EXPECT_EQ(flt.mix_powr_rat[0], 0.0f) << m;
        EXPECT_EQ(flt.mix_temp_rat[0], 0.0f) << m;
    }
    flt.mix[0] = 0.65f;
    mixture_ratios();
    EXPECT_NEAR(flt.mix_powr_rat[0], 0.75f, 1e-5f);
    // Turbines: all or nothing.
    pln.entype = 2;
    flt.mix[0] = 0.6f;
    mixture_ratios();
    EXPECT_EQ(flt.mix_powr_rat[0], 1.0f);
    flt.throt[0] = -1.0f;   // no square root of a negative throttle
    pln.entype = 1;
    flt.mix[0] = 1.0f;
    mixture_ratios();
    EXPECT_TRUE(std::isfinite(flt.mix_temp_rat[0]));
}

TEST_F(ForceTest, EngineTorqueEdges)
{
    load("Trainer.acf");
    atm.crtsig = 1.0f;
    flt.mix_powr_rat[0] = 1.0f;
    flt.eng_running[0] = 1;
    flt.throt[0] = -0.2f;
    flt.omega[0] = -50.0f;
    apropengine(0);
    EXPECT_TRUE(std::isfinite(flt.Etq[0]));
    // At full speed and throttle the engine gives its rated power.
    flt.throt[0] = 1.0f;
    flt.omega[0] = pln.omegamax;
    apropengine(0);
    EXPECT_NEAR(flt.power[0], pln.pmax * 0.9f / 0.9f, pln.pmax * 1e-4f);
    // Stopped and windmilling at half the range: drag of k r |r|.
    flt.eng_running[0] = 0;
    flt.omega[0] = (pln.omegamin + pln.omegamax) * 0.5f;
    apropengine(0);
    EXPECT_NEAR(flt.Etq[0], -pln.pmax / pln.omegamax * 0.25f, 0.01f);
}

TEST_F(ForceTest, LagsNeverOvershoot)
{
    msc.prd = 0.1f;
    EXPECT_NEAR(closer(0.0f, 100.0f, 0.2f), 2.0f, 1e-5f);
    msc.prd = 50.0f;
    EXPECT_FLOAT_EQ(closer(0.0f, 100.0f, 0.2f), 100.0f);
    // The propwash lag with a long step lands on its target, not beyond.
    load("Trainer.acf", 0.0f);
    initpower(1.0f);
    flt.eng_running[0] = 1;
    mixture_ratios();
    fly(0.0f, 0.0f, 0.0f);
    msc.prd = 5.0f;
    for (int i = 0; i < 3; i++)
        props();
    for (int el = 0; el < MAX_ELS; el++)
        EXPECT_TRUE(std::isfinite(flt.ringDVinc[0][el]));
    EXPECT_TRUE(std::isfinite(flt.omega[0]));
    EXPECT_TRUE(std::isfinite(flt.DVinc[0]));
}

TEST_F(ForceTest, TwinWashReachesItsOwnSide)
{
    load("Twin.acf");
    initpower(1.0f);
    flt.eng_running[0] = 1;
    flt.eng_running[1] = 0;
    mixture_ratios();
    fly(30.0f, 0.0f, 0.0f);
    for (int i = 0; i < 200; i++) {
        flt.L = flt.M = flt.N = 0.0f;
        props();
    }
    EXPECT_GT(flt.DVinc[0], flt.DVinc[1] + 1.0f);
}

TEST_F(ForceTest, HelicopterRotorsTurnTogether)
{
    load("Helicopter.acf", 0.0f);
    initpower(1.0f);
    flt.eng_running[0] = 1;
    mixture_ratios();
    fly(0.0f, 0.0f, 0.0f);
    for (int i = 0; i < 100; i++) {
        flt.L = flt.M = flt.N = 0.0f;
        props();
    }
    EXPECT_NEAR(flt.omega[1], flt.omega[0] * pln.trotor_rat, 1e-2f);
    EXPECT_GT(flt.omega[0], 0.5f * pln.omegamax);
    EXPECT_GE(flt.Etq[0], 0.0f);
    EXPECT_TRUE(std::isfinite(flt.L) && std::isfinite(flt.M) && std::isfinite(flt.N));
    // The engine never drives the rotor backwards, stopped or not.
    flt.eng_running[0] = 0;
    apropengine(0);
    EXPECT_EQ(flt.Etq[0], 0.0f);
    // A failed tail rotor stops turning with the main rotor.
    rel.tro = 0;
    props();
    EXPECT_EQ(flt.omega[1], 1.0f);
}
