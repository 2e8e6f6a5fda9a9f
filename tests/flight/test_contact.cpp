// Contact: spring-damper and friction of the wheels, touchdowns and
// crashes, wingtips, floats on water, the catapult's hold.
#include "tests/flight/force_fixture.h"

#include "sound/sound.h"

static void clear_forces()
{
    flt.L = flt.M = flt.N = 0.0f;
    flt.faxilgear = flt.fsidegear = flt.fnrmlgear = 0.0f;
}

TEST_F(ForceTest, DampedForceClampsAndNeverNaN)
{
    pln.m_max = 1000.0f;
    EXPECT_FLOAT_EQ(dampedforce(0.1f, 0.0f, 1000.0f, 100.0f), 100.0f);
    EXPECT_FLOAT_EQ(dampedforce(0.0f, 2.0f, 1000.0f, 100.0f), 200.0f);
    EXPECT_FLOAT_EQ(dampedforce(10.0f, 0.0f, 1e6f, 0.0f), 5.0f * 1000.0f * con.g);
    EXPECT_FLOAT_EQ(dampedforce(-10.0f, 0.0f, 1e6f, 0.0f), -5.0f * 1000.0f * con.g);
    EXPECT_EQ(dampedforce(NAN, 0.0f, 1.0f, 1.0f), 0.0f);
}

TEST_F(ForceTest, WheelFriction)
{
    load("Trainer.acf");
    on_ground(-0.05f);
    fly(5.0f, 0.0f, flt.the);
    set.partbrake = 0.8f;
    clear_forces();
    handle_contact_point(1, pln.mgearx, -pln.mgeary, pln.mgearz);
    ASSERT_GT(flt.fnrmlgear, 0.0f);
    EXPECT_NEAR(-flt.faxilgear / flt.fnrmlgear, 0.688f, 1e-5f);
    EXPECT_EQ(flt.gearf[1], flt.fnrmlgear);
    // Rolling without brakes, and at rest no friction at all.
    set.partbrake = 0.0f;
    clear_forces();
    handle_contact_point(1, pln.mgearx, -pln.mgeary, pln.mgearz);
    EXPECT_NEAR(-flt.faxilgear / flt.fnrmlgear, 0.04f, 1e-5f);
    fly(0.0f, 0.0f, flt.the);
    clear_forces();
    handle_contact_point(1, pln.mgearx, -pln.mgeary, pln.mgearz);
    EXPECT_EQ(flt.faxilgear, 0.0f);
    EXPECT_EQ(flt.fsidegear, 0.0f);
    // A retracted wheel carries nothing.
    set.gear_stat[1] = 0;
    clear_forces();
    handle_contact_point(1, pln.mgearx, -pln.mgeary, pln.mgearz);
    EXPECT_EQ(flt.fnrmlgear, 0.0f);
    EXPECT_EQ(flt.gearf[1], 0.0f);
}

TEST_F(ForceTest, WheelNeverPullsDownOffTheCatapult)
{
    load("Trainer.acf");
    on_ground(0.0f);
    flt.vz = 3.0;   // rising faster than the spring recovers
    derive();
    clear_forces();
    handle_contact_point(0, pln.ngearx, 0.0f, pln.ngearz);
    EXPECT_EQ(flt.fnrmlgear, 0.0f);
    EXPECT_EQ(flt.onground, 0);
    // Held on the catapult the nose wheel may pull down.
    flt.cat_stage = CAT_HELD;
    clear_forces();
    handle_contact_point(0, pln.ngearx, 0.0f, pln.ngearz);
    EXPECT_LT(flt.fnrmlgear, 0.0f);
    EXPECT_EQ(flt.onground, 1);
}

TEST_F(ForceTest, OnlyTheCatapultStagesHoldTheAircraft)
{
    load("Trainer.acf");
    fly(40.0f, 0.0f, 0.0f);   // 1000 m up
    for (int stage : {0, CAT_FREE, 12}) {
        flt.cat_stage = stage;
        set_a();
        EXPECT_EQ(flt.onground, 0) << stage;
    }
    // On the deck the launch holds the aircraft down; carried more than
    // 10 m clear of it, the launch ends.
    env.localh = 0.0f;
    flt.z = flt.h = pln.h_eqlbm + 2.0f;
    flt.cat_stage = CAT_LAUNCH;
    set_a();
    EXPECT_EQ(flt.onground, 1);
    EXPECT_EQ(flt.cat_stage, CAT_LAUNCH);
    flt.z = flt.h = 20.0f;
    set_a();
    EXPECT_EQ(flt.cat_stage, CAT_FREE);
    EXPECT_EQ(flt.onground, 0);
}

TEST_F(ForceTest, SinkRateDecidesTheCrash)
{
    load("Trainer.acf");
    on_ground(0.05f);
    fly(30.0f, 0.0f, flt.the);
    flt.vz = -9.0;
    derive();
    EXPECT_EQ(run(2.0f), 0);
    EXPECT_GT(flt.z, 0.0);
    on_ground(0.05f);
    fly(30.0f, 0.0f, flt.the);
    flt.vz = -10.5;
    derive();
    EXPECT_EQ(run(0.2f), 1);
}

TEST_F(ForceTest, TrainerRestsOnItsGear)
{
    load("Trainer.acf");
    on_ground(0.02f);
    fly(0.0f, 0.0f, flt.the);
    EXPECT_EQ(run(5.0f), 0);
    EXPECT_NEAR(flt.z, pln.h_eqlbm, 0.05);
    EXPECT_NEAR(flt.fnrmlgear, flt.m_total * atm.g, 0.02f * flt.m_total * atm.g);
    EXPECT_LT(fabs(flt.vx) + fabs(flt.vy), 0.05);
}

TEST_F(ForceTest, GearUpOnLandIsACrash)
{
    load("Twin.acf");
    setgear(0);
    on_ground(0.0f);
    fly(30.0f, -1.0f, 0.0f);
    EXPECT_EQ(run(3.0f), 1);
}

TEST_F(ForceTest, WingtipStrikeBelowNinetyDegreesIsNoCrash)
{
    load("Trainer.acf");
    fly(10.0f, 0.0f, 0.0f, 0.0f, 60.0f);
    int el = pln.els[2] - 1;
    float x = pln.xarm[2][el], y = fabsf(pln.yarm[2][el]), z = pln.zarm[2][el];
    // The right tip 5 cm into the ground, everything else clear of it.
    env.localh = 0.0f;
    flt.z = flt.h = -(z * flt.costhe * flt.cosphi - x * flt.sinthe - y * flt.sinphi) - 0.05f;
    msc.typestart = 1000;
    set_a();
    EXPECT_EQ(flt.onground, 1);
    EXPECT_EQ(msc.typestart, 1000);
    EXPECT_NEAR(-flt.faxilgear, 2.0f * flt.fnrmlgear, 1e-3f * flt.fnrmlgear);
    // Past 90 degrees of bank the same touch is a crash.
    fly(10.0f, 0.0f, 0.0f, 0.0f, 95.0f);
    flt.z = flt.h = -(z * flt.costhe * flt.cosphi - x * flt.sinthe - y * flt.sinphi) - 0.05f;
    set_a();
    EXPECT_EQ(msc.typestart, 900);
}

TEST_F(ForceTest, SeaplaneFloatsAtItsFloatLine)
{
    load("Seaplane.acf");
    on_water[0][0][0] = on_water[0][0][1] = 1;
    atm.wave_amp = 0.0f;
    env.localh = 0.0f;
    flt.z = flt.h = 1.0f;
    air_state(0.0f);
    fly(0.0f, 0.0f, 0.0f);
    EXPECT_EQ(run(40.0f), 0);
    // At rest nothing damps the pitch on the floats; averaged over several
    // of its periods (about 3.5 s) the floats carry the weight.
    float up = 0.0f;
    int n = 0;
    for (float t = 0; t < 10.0f; t += 0.01f, n++) {
        step(0.01f);
        up += flt.fnrmlgear;
    }
    EXPECT_NEAR(up / n, flt.m_total * atm.g, 0.05f * flt.m_total * atm.g);
    // Floating: the keels in the water, the fuselage out of it.
    float keel = flt.h + pln.floatz[0];
    EXPECT_LT(keel, 0.0f);
    EXPECT_GT(keel, -1.0f);
    EXPECT_EQ(flt.onground, 0);
    printf("float draft %.2f m\n", -keel);
}

TEST_F(ForceTest, LandAircraftOnWaterIsACrash)
{
    load("Trainer.acf");
    on_water[0][0][0] = on_water[0][0][1] = 1;
    on_ground(0.02f);
    fly(0.0f, 0.0f, flt.the);
    EXPECT_EQ(run(1.0f), 1);
}

TEST_F(ForceTest, FloatsOfNoSizeCarryNothing)
{
    load("Seaplane.acf");
    fly(5.0f, 0.0f, 0.0f);
    clear_forces();
    float_force(0.5f, 1.0f, 1.0f, -1.0f, 0.0f, 0.0f, 0.0f);
    float_force(0.5f, 1.0f, 1.0f, -1.0f, 1.0f, 0.0f, 0.0f);
    EXPECT_EQ(flt.fnrmlgear, 0.0f);
    // Bow out of the water: a finite force all the same.
    float_force(0.1f, 1.0f, 1.0f, -1.0f, 3.0f, 1.0f, 0.5f);
    EXPECT_GT(flt.fnrmlgear, 0.0f);
    EXPECT_TRUE(std::isfinite(flt.M));
    // Out of the water altogether: nothing.
    clear_forces();
    float_force(-1.0f, 1.0f, 1.0f, -1.0f, 3.0f, 1.0f, 0.5f);
    EXPECT_EQ(flt.fnrmlgear, 0.0f);
}

TEST_F(ForceTest, HardTouchdownDoesNotSoundLikeACrash)
{
    EXPECT_EQ(touchdown_sound(-1.0f), SND_SQUEAK);
    EXPECT_NE(touchdown_sound(-5.0f), SND_BOOM);
}

TEST_F(ForceTest, SetgearKeepsFixedGearDown)
{
    load("Trainer.acf");
    set.partbrake = 0.8f;
    ins.brake_on = 1;
    setgear(0);
    EXPECT_EQ(set.gear_handle, 1);
    EXPECT_EQ(set.gear_stat[2], 1);
    EXPECT_FLOAT_EQ(set.partbrake, 0.25f);
    EXPECT_EQ(ins.brake_on, 0);
    load("Jet.acf");
    setgear(0);
    EXPECT_EQ(set.gear_stat[0] + set.gear_stat[1] + set.gear_stat[2], 0);
}
