// Stick to surfaces: dead zone, pedal detection, ailerons and spoilers,
// elevator and canard, failures and trim, helicopters' cyclic and tail
// rotor, and the touchdown automatics.
#include "tests/controls/controls_fixture.h"

namespace {

TEST_F(ControlTest, DeadZoneTakesAHundredthOffEveryAxis)
{
    stick(0.005f, -0.005f, 0.009f);
    EXPECT_EQ(set.CTptch, 0.0f);
    EXPECT_EQ(set.CTroll, 0.0f);
    EXPECT_EQ(set.CThdng, 0.0f);
    stick(0.5f, -0.5f, 0.25f);
    EXPECT_FLOAT_EQ(set.CTptch, 0.49f);
    EXPECT_FLOAT_EQ(set.CTroll, -0.49f);
    EXPECT_FLOAT_EQ(set.CThdng, 0.24f);
    float x = -0.003f;
    nullzone(&x, 0.01f);
    EXPECT_EQ(x, 0.0f);   // never pushed across zero
}

TEST_F(ControlTest, PedalTravelLatchesNoseWheelSteering)
{
    set.nwheel_steer_type = 0;
    stick(0, 0, 0.2f);
    stick(0, 0, -0.2f);   // 0.38 of travel after the dead zone: a twist, not pedals
    EXPECT_EQ(set.nwheel_steer_type, 0);
    stick(0, 0, 0.4f);
    EXPECT_EQ(set.nwheel_steer_type, 1);
    set.nwheel_steer_type = 0;   // a later centred frame does not clear it...
    stick(0, 0, 0.0f);
    EXPECT_EQ(set.nwheel_steer_type, 1);   // ...the extremes are kept
}

TEST_F(ControlTest, RollGivesDifferentialAileronsAndDownGoingSpoiler)
{
    pln.splrEQ = 1;
    pln.splr_def = 40.0f;
    set.joy_rat = 2.0f;   // full stick past the dead zone is a full command
    stick(0, 1.0f);
    EXPECT_FLOAT_EQ(flt.lailndef, -pln.ailn_dn);
    EXPECT_FLOAT_EQ(flt.railndef, pln.ailn_up);
    EXPECT_FLOAT_EQ(flt.rsplrdef, 40.0f);
    EXPECT_EQ(flt.lsplrdef, 0.0f);
    stick(0, -1.0f);
    EXPECT_FLOAT_EQ(flt.lailndef, pln.ailn_up);
    EXPECT_FLOAT_EQ(flt.railndef, -pln.ailn_dn);
    EXPECT_FLOAT_EQ(flt.lsplrdef, 40.0f);
    EXPECT_EQ(flt.rsplrdef, 0.0f);
    // Aileron droop with pitch (flaperons).
    pln.ailpitch = 10.0f;
    stick(1.0f, 0);
    EXPECT_FLOAT_EQ(flt.lailndef, 10.0f);
    EXPECT_FLOAT_EQ(flt.railndef, 10.0f);
}

TEST_F(ControlTest, ElevatorCanardStabilatorRollAndDragRudders)
{
    set.joy_rat = 2.0f;
    stick(1.0f, 0);
    EXPECT_FLOAT_EQ(flt.lhstbdef, 25.0f);
    stick(-1.0f, 0);
    EXPECT_FLOAT_EQ(flt.lhstbdef, -18.0f);
    pln.xarm[4][0] = -3.0f;   // a canard moves the other way
    stick(1.0f, 0);
    EXPECT_FLOAT_EQ(flt.lhstbdef, -18.0f);
    stick(-1.0f, 0);
    EXPECT_FLOAT_EQ(flt.rhstbdef, 25.0f);
    pln.stabroll = 5.0f;   // tailerons
    stick(0, 1.0f);
    EXPECT_FLOAT_EQ(flt.lhstbdef, -5.0f);
    EXPECT_FLOAT_EQ(flt.rhstbdef, 5.0f);
    pln.drudEQ = 1;
    pln.drud_def = 60.0f;
    stick(0, 0, -0.26f);
    EXPECT_FLOAT_EQ(flt.ldruddef, 30.0f);
    EXPECT_EQ(flt.rdruddef, 0.0f);
    EXPECT_FLOAT_EQ(flt.ruddef, -15.0f);
}

TEST_F(ControlTest, FailedElevatorLeavesTheTrimAlone)
{
    flt.trim = 0.2f;
    rel.elv = 0;
    stick(1.0f, 0);
    EXPECT_FLOAT_EQ(set.CTptch, 0.2f);
    rel.elv = 1;
    rel.hyd_rat = 0.5f;   // half hydraulics halves the authority, not the trim
    stick(0.51f, 0);
    EXPECT_FLOAT_EQ(set.CTptch, 0.45f);
    pln.flying_stab = 1;   // a flying stabiliser trims by its incidence instead
    stick(0.51f, 0);
    EXPECT_FLOAT_EQ(set.CTptch, 0.25f);
    rel.ail = rel.rud = 0;
    stick(0, 1.0f, 1.0f);
    EXPECT_EQ(set.CTroll, 0.0f);
    EXPECT_EQ(set.CThdng, 0.0f);
}

TEST_F(ControlTest, SensitivityScalesTheStickButNotTheThrottle)
{
    set.joy_rat = 0.5f;
    stick(0.81f, -0.41f, 0.21f, 0.7f);
    EXPECT_FLOAT_EQ(set.CTptch, 0.4f);
    EXPECT_FLOAT_EQ(set.CTroll, -0.2f);
    EXPECT_FLOAT_EQ(set.CThdng, 0.1f);
    EXPECT_FLOAT_EQ(set.CTthro, 0.7f);
}

TEST_F(ControlTest, HelicopterCyclicTailRotorAndSpeedScheduledSensitivity)
{
    pln.is_heli = 1;
    pln.elevcyclic = 8.0f;
    pln.ailncyclic = 6.0f;
    pln.minpitch[1] = -10.0f;
    pln.maxpitch[1] = 20.0f;
    pln.propdir[0] = -1.0f;
    set.joy_rat = 0.5f;
    flt.vind = 0.0f;
    stick(1.0f, 0.0f, 1.0f);
    EXPECT_FLOAT_EQ(flt.elevcyclic, 8.0f * 0.495f);
    EXPECT_FLOAT_EQ(flt.proppitch[1], interp(-1, -10, 1, 20, 0.99f));   // pedals unscaled
    pln.propdir[0] = 1.0f;   // the other rotor direction swaps the pitch range
    stick(0.0f, 0.0f, 1.0f);
    EXPECT_FLOAT_EQ(flt.proppitch[1], interp(-1, 20, 1, -10, 0.99f));
    flt.vind = pln.Vne;   // at Vne the ratio reaches 1.5 (then limited)
    stick(0.51f, -0.21f);
    EXPECT_FLOAT_EQ(set.CTptch, 0.75f);
    EXPECT_FLOAT_EQ(flt.ailncyclic, 6.0f * -0.3f);
    // Vectored thrust on a jet has no cyclic; on a propeller aircraft it has.
    pln.is_heli = 0;
    pln.vectEQ = 1;
    pln.entype = 3;
    stick(0.5f, 0.5f);
    EXPECT_EQ(flt.elevcyclic, 0.0f);
    pln.entype = 2;
    stick(0.5f, 0.5f);
    EXPECT_NE(flt.elevcyclic, 0.0f);
}

TEST_F(ControlTest, TouchdownDeploysArmedSpeedBrakesAndAutoBrakes)
{
    pln.autosbrk = pln.autobrk = 1;
    flt.sbrk = -1;
    stick(0, 0);
    EXPECT_EQ(flt.sbrk, -1);
    flt.onground = 1;
    stick(0, 0);
    EXPECT_EQ(flt.sbrk, 2);
    EXPECT_EQ(ins.brake_on, 1);
    // Armed again in the air, reverse thrust deploys them.
    flt.onground = 0;
    flt.sbrk = -1;
    stick(0, 0);
    flt.revving_thrust[0] = 1;
    stick(0, 0);
    EXPECT_EQ(flt.sbrk, 2);
}

TEST_F(ControlTest, StabilityAugmentationBlendsTowardThePilotWithSpeed)
{
    pln.ASeq = 1;
    pln.AShiV = 200.0f;
    pln.ASloV = 40.0f;
    pln.ASdelV = 40.0f;
    pln.ASmaxptch = 20.0f;
    pln.ASp1 = 1.0f;
    flt.vind = 100.0f;   // above ASloV + ASdelV: the pilot alone
    stick(0.51f, 0);
    EXPECT_FLOAT_EQ(set.CTptch, 0.5f);
    flt.vind = 30.0f;   // below: a rate command integrating the error
    reset_controls_state();
    flt.Q = 0.0f;
    stick(0.51f, 0);
    float g = autopilot_gain(30.0f);
    EXPECT_NEAR(set.CTptch, 0.5f * 20.0f * msc.prd * g, 1e-5f);
    pln.ASdelV = 0.0f;   // no blend range: a step at ASloV, no NaN
    stick(0.51f, 0);
    EXPECT_TRUE(std::isfinite(set.CTptch));
}

TEST_F(ControlTest, AugmentationIntegratesItsOwnCommandNotTheTrimmedOne)
{
    pln.ASeq = 1;
    pln.AShiV = 200.0f;
    pln.ASloV = 40.0f;
    pln.ASdelV = 40.0f;
    pln.ASp1 = 1.0f;
    flt.vind = 30.0f;   // the augmentation alone
    flt.trim = 0.1f;
    for (int f = 0; f < 10; f++)
        stick(0, 0);
    // Body rates at rest and no stick: the command is the trim alone, not
    // the trim once per frame.
    EXPECT_FLOAT_EQ(set.CTptch, 0.1f);
    // A hydraulic loss scales the output without bleeding the integrator.
    flt.trim = 0.0f;
    flt.Q = -2.0f;   // pitching down: the augmentation pulls
    stick(0, 0);
    float full = set.CTptch;
    rel.hyd_rat = 0.5f;
    flt.Q = 0.0f;
    for (int f = 0; f < 10; f++)
        stick(0, 0);
    EXPECT_FLOAT_EQ(set.CTptch, 0.5f * full);
}

} // namespace
