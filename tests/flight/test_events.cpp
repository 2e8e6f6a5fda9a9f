// The flight events: failures, the radar level, the speed penalties, the
// moving gear, sweep and nozzles, icing, engines, brakes, warnings and
// lightning; the ship and catapult starts; nose-wheel steering; traffic.
#include <string>

#include "atc/atc.h"
#include "tests/flight/force_fixture.h"

namespace {

class EventTest : public ForceTest {
  protected:
    void SetUp() override
    {
        ForceTest::SetUp();
        test_set_test_mode(1);   // alerts answer themselves
        memset(&ott, 0, sizeof ott);
        memset(&nav, 0, sizeof nav);
        memset(flt_wxr, 0, sizeof flt_wxr);
        memset(planex, 0, sizeof planex);
        memset(planey, 0, sizeof planey);
        memset(planez, 0, sizeof planez);
        memset(boat_on_poly, 0, sizeof boat_on_poly);
        memset(carr_on_poly, 0, sizeof carr_on_poly);
        msc.prd = 0.05f;
        msc.evup = 1;
    }
    // A flat sea region of 2 km cells at height 0, all water.
    void sea_region()
    {
        for (int i = 0; i < MESH_I; i++)
            for (int j = 0; j < MESH_J; j++) {
                planex[i][j] = 2000.0f * (float)i;
                planey[i][j] = 2000.0f * (float)j;
                on_water[i][j][0] = on_water[i][j][1] = 1;
            }
    }
    // The trainer in flight at the custom start, h_m high.
    void start_trainer(float h_m)
    {
        load("Trainer.acf", h_m);
        set_fltvars(8, 0);
    }
    // One event update on the eleven-count's slow tick.
    void slow_tick()
    {
        msc.cntr10 = 0;
        mod_evt();
    }
};

TEST_F(EventTest, FailmeOddsFollowTheFailureType)
{
    seed_rand(4321);
    rel.fail_type[3] = 2;
    rel.fail_time_max[3] = 10.0f;   // 1 in 600 per check
    int hits = 0;
    const int draws = 600000;
    for (int k = 0; k < draws; k++)
        hits += failme(3);
    EXPECT_NEAR(hits, draws / 600, 130);   // four standard deviations
    rel.fail_type[3] = 3;
    rel.fail_type[4] = 1;
    int now = 0, never = 0;
    for (int k = 0; k < 1000; k++) {
        now += failme(3);
        never += failme(4);
    }
    EXPECT_EQ(now, 1000);
    EXPECT_EQ(never, 0);
    EXPECT_EQ(failme(-1), 0);
    EXPECT_EQ(failme(MAX_FAIL_KINDS), 0);
}

TEST_F(EventTest, FailurePassFailsFittedItemsAndSetsTheirAftermath)
{
    start_trainer(1000.0f);
    for (int w = 0; w < MAX_FAIL_KINDS; w++)
        rel.fail_type[w] = 1;
    rel.fail_type[0] = 3;    // vacuum
    rel.fail_type[16] = 3;   // hydraulics
    rel.fail_type[17] = 3;   // tail rotor: an aeroplane has none
    msc.tottime = 100.0f;
    failure_pass();
    EXPECT_EQ(rel.vac, 0);
    EXPECT_EQ(rel.hyd, 0);
    EXPECT_EQ(rel.tro, 1);
    EXPECT_EQ(rel.eng[0], 1);
    EXPECT_FLOAT_EQ(rel.vac_death_time, 100.0f);
    EXPECT_GE(fabsf(rel.the_fail_err), 10.0f);
    EXPECT_LE(fabsf(rel.the_fail_err), 40.0f);
    EXPECT_GE(fabsf(rel.phi_fail_err), 10.0f);
    EXPECT_LE(fabsf(rel.phi_fail_err), 20.0f);
    msc.tottime = 115.0f;
    hydraulic_decay();
    EXPECT_NEAR(rel.hyd_rat, 0.5f, 1e-4f);
    msc.tottime = 200.0f;
    hydraulic_decay();
    EXPECT_EQ(rel.hyd_rat, 0.0f);
    set_fltvars(8, 0);   // a new flight repairs everything
    EXPECT_EQ(rel.vac + rel.hyd, 2);
    EXPECT_EQ(rel.hyd_rat, 1.0f);
}

TEST_F(EventTest, RadarLevelStaysInsideItsArrayAtEveryEdge)
{
    sea_region();
    flt.h = 500.0f;
    atm.topsMSL = 3000.0f;
    for (auto &col : flt_wxr)
        for (float &v : col)
            v = 31.0f;
    const double spots[][2] = {{0, 0}, {-5e5, -5e5}, {228000, 200000}, {9e6, 9e6}, {228000, 0}, {0, 200000}};
    for (auto &p : spots) {
        flt.x = p[0];
        flt.y = p[1];
        mod_evt();
        EXPECT_FLOAT_EQ(atm.level, 9.0f) << p[0] << " " << p[1];
    }
    flt.x = NAN;   // a broken position reads no storm rather than a wild cell
    mod_evt();
    EXPECT_EQ(atm.level, 0.0f);
    flt.x = 1000.0;
    flt.h = 4000.0f;   // above the tops
    mod_evt();
    EXPECT_EQ(atm.level, 0.0f);
    flt.h = 500.0f;
    for (auto &col : flt_wxr)
        for (float &v : col)
            v = 27.5f;   // halfway between 24 and 31
    mod_evt();
    EXPECT_NEAR(atm.level, 5.0f, 1e-4f);
    memset(planex, 0, sizeof planex);   // no region: no radar
    mod_evt();
    EXPECT_EQ(atm.level, 0.0f);
}

TEST_F(EventTest, OverspeedAlertsOnceRemovesASurfaceUntilTheNextStart)
{
    start_trainer(1000.0f);
    msc.warn_overspeed = 1;
    int foil = pln.fwd_foil;
    ASSERT_TRUE(pln.foileq[foil]);
    flt.vind = (pln.as_is_kias ? pln.Vne : pln.Vne / 1.15f) + 5.0f;
    slow_tick();
    slow_tick();
    ASSERT_EQ(test_alert_count(), 1);
    EXPECT_STREQ(test_alert_line(0, 0), "You just busted the redline speed.");
    EXPECT_STREQ(test_alert_line(0, 1), "I shall now remove a critical flying surface.");
    EXPECT_STREQ(test_alert_line(0, 2), "Enjoy the ride down.");
    EXPECT_STREQ(test_alert_line(0, 3), "(To avoid this occurrence again, you can fly more slowly or select the "
                                        "'Warnings' item in the 'Settings' menu).");
    EXPECT_EQ(flt.over_vne, 1);
    EXPECT_EQ(pln.foileq[foil], 0);
    set_fltvars(8, 0);
    EXPECT_EQ(flt.over_vne, 0);
    EXPECT_EQ(pln.foileq[foil], 1);
    msc.warn_overspeed = 0;   // switched off: no penalty
    flt.vind = pln.Vne * 2.0f;
    slow_tick();
    EXPECT_EQ(test_alert_count(), 1);
    EXPECT_EQ(pln.foileq[foil], 1);
}

TEST_F(EventTest, FlapSpeedAlertOnceAndClearedWhenFlapsComeUp)
{
    start_trainer(1000.0f);
    msc.warn_flaps = 1;
    pln.Vne = 1000.0f;
    pln.Vfe = 100.0f;
    pln.as_is_kias = 0;   // limits in mph: 90 kt is 103.5 mph
    flt.vind = 90.0f;
    flt.flaprequest = 10;
    slow_tick();
    slow_tick();
    ASSERT_EQ(test_alert_count(), 1);
    EXPECT_STREQ(test_alert_line(0, 0), "You just extended the flaps above Vfe.");
    EXPECT_EQ(flt.over_vfe, 1);
    flt.flaprequest = 0;
    slow_tick();
    EXPECT_EQ(flt.over_vfe, 0);
    flt.flaprequest = 10;
    slow_tick();
    EXPECT_EQ(test_alert_count(), 2);
    pln.as_is_kias = 1;   // in knots 90 is below 100
    flt.flaprequest = 0;
    slow_tick();
    flt.flaprequest = 10;
    slow_tick();
    EXPECT_EQ(flt.over_vfe, 0);
}

TEST_F(EventTest, GearLegsTakeTheHandleAfterTheirTransitTime)
{
    start_trainer(1000.0f);
    msc.prd = 0.05f;
    pln.retractEQ = 1;
    setgear(1);
    set.gear_handle = 0;
    rel.ger[2] = 0;   // a failed leg stays down
    int events = 0;
    while (set.gear_stat[0] && events < 1000) {
        msc.cntr10 = 1;
        mod_evt();
        events++;
    }
    EXPECT_EQ(events, 100);   // 5 s at 0.05 s per event
    EXPECT_EQ(set.gear_stat[1], 1);
    for (int k = 0; k < 100; k++)
        mod_evt();
    EXPECT_EQ(set.gear_stat[1], 0);
    EXPECT_EQ(set.gear_stat[2], 1);
}

TEST_F(EventTest, SweepAndNozzlesMoveAtTheirRates)
{
    start_trainer(1000.0f);
    pln.varsweepEQ[2] = 1;
    pln.sweep1[2] = 0;
    pln.sweep2[2] = 60;
    flt.sweeprequest = 1.0f;
    for (int k = 0; k < 25; k++)
        mod_evt();
    EXPECT_NEAR(flt.sweep, 0.5f, 1e-4f);
    EXPECT_EQ(pln.sweepnow[2], 30);
    for (int k = 0; k < 30; k++)
        mod_evt();
    EXPECT_EQ(flt.sweep, 1.0f);
    EXPECT_EQ(pln.sweepnow[2], 60);
    pln.sweep2[2] = -20;   // swept forward: wraps into 0..359
    flt.sweeprequest = 0.0f;
    for (int k = 0; k < 50; k++)
        mod_evt();
    flt.sweeprequest = 1.0f;
    for (int k = 0; k < 50; k++)
        mod_evt();
    EXPECT_EQ(pln.sweepnow[2], 340);

    pln.vectEQ = 1;
    flt.vectrequest = 91;
    mod_evt();
    EXPECT_FLOAT_EQ(pln.vertcant[0], 3.0f);
    for (int k = 0; k < 29; k++)
        mod_evt();
    EXPECT_FLOAT_EQ(pln.vertcant[0], 90.0f);
    mod_evt();   // within a step: lands on the request
    EXPECT_FLOAT_EQ(pln.vertcant[0], 91.0f);
    EXPECT_FLOAT_EQ(pln.vertcant[1], 91.0f);
    EXPECT_NEAR(pln.sin_vertcant[1], sinf(91.0f * con.degtorad), 1e-5f);
}

TEST_F(EventTest, IceBuildsInColdCloudAndMelts)
{
    start_trainer(1000.0f);
    atm.clear = 0;
    atm.baseMSL = 500.0f;
    atm.topsMSL = 2000.0f;
    flt.h = 1000.0f;
    atm.T = 273.15f - 10.0f;
    for (int k = 0; k < 10; k++)
        slow_tick();
    EXPECT_NEAR(msc.ice, 0.0333f, 1e-4f);
    EXPECT_EQ(msc.icebld, 1);
    flt.h = 3000.0f;   // above the tops: no more ice
    slow_tick();
    EXPECT_NEAR(msc.ice, 0.0333f, 1e-4f);
    atm.T = 273.15f + 10.0f;   // melting at a third of a percent a tick
    slow_tick();
    EXPECT_NEAR(msc.ice, 0.0300f, 1e-4f);
    ins.antiice_on = 1;
    for (int k = 0; k < 10; k++)
        slow_tick();
    EXPECT_EQ(msc.ice, 0.0f);
}

TEST_F(EventTest, EnginesStopWithoutFuelMixtureOrAfterAFailure)
{
    start_trainer(1000.0f);
    mixture_ratios();
    slow_tick();
    ASSERT_EQ(flt.eng_running[0], 1);
    float fuel = flt.m_fuel;
    flt.m_fuel = 0.0f;
    slow_tick();
    EXPECT_EQ(flt.eng_running[0], 0);
    flt.m_fuel = fuel;
    flt.mix_powr_rat[0] = 0.0f;
    slow_tick();
    EXPECT_EQ(flt.eng_running[0], 0);
    flt.mix_powr_rat[0] = 1.0f;
    rel.eng[0] = 0;
    slow_tick();
    EXPECT_EQ(flt.eng_running[0], 0);
    rel.eng[0] = 1;
    slow_tick();
    EXPECT_EQ(flt.eng_running[0], 1);
}

TEST_F(EventTest, BrakesBuildWhileHeldAndEaseOnALightTail)
{
    start_trainer(0.0f);
    msc.prd = 0.05f;
    set.partbrake = 0.0f;
    ins.brake_on = 1;
    mod_evt();
    EXPECT_NEAR(set.partbrake, 0.1f, 1e-5f);   // 2 per second
    for (int k = 0; k < 20; k++)
        mod_evt();
    EXPECT_FLOAT_EQ(set.partbrake, 0.8f);
    ins.brake_on = 0;
    mod_evt();
    EXPECT_EQ(set.partbrake, 0.0f);
    // A tail-dragger whose tail wheel is nearly off the ground.
    pln.gearEQ = 1;
    pln.ngearx = 4.0f;
    pln.delnose_eqlbm = 0.05f;
    flt.geard[0] = 0.0f;
    set.partbrake = 0.8f;
    ins.brake_on = 1;
    mod_evt();
    EXPECT_NEAR(set.partbrake, 0.8f * 0.95f, 1e-5f);   // (0.8 + 0.1 - 0.1) x 0.95
    for (int k = 0; k < 100; k++)
        mod_evt();
    EXPECT_NEAR(set.partbrake, 0.2f, 1e-5f);
}

TEST_F(EventTest, GlideSlopeWarningOnlyWhenCapturedAndAtMostEveryTwoSeconds)
{
    start_trainer(300.0f);
    pln.entype = 3;
    msc.warn_gpws = 1;
    flt.psi = 90.0f;
    flt.h = 300.0f;
    flt.vu = -3.0f;
    flt.onground = 0;
    nav.ilsgs[0] = 3;   // an ILS with a 3-degree glide path
    nav.hdef[0] = 1.0f;
    nav.vdef[0] = -2.0f;   // well below the slope
    nav.ilscrs[0] = 95.0f;
    nav.gs_dist_nm[0] = 5.0f;
    int calls = 0;
    for (int k = 0; k <= 50; k++) {   // 5 s in tenths
        msc.tottime = 0.1f * (float)k;
        calls += glideslope_warning();
    }
    EXPECT_EQ(calls, 3);   // at 0, 2 and 4 s
    flt.vu = 6.0f;         // climbing away at 1,180 ft/min: released
    msc.tottime = 10.0f;
    EXPECT_EQ(glideslope_warning(), 0);
    flt.vu = -3.0f;
    nav.gs_dist_nm[0] = 12.0f;   // too far out to capture again
    msc.tottime = 20.0f;
    EXPECT_EQ(glideslope_warning(), 0);
    nav.gs_dist_nm[0] = 5.0f;
    flt.h = 400.0f;   // 1,312 ft: above the warning height
    msc.tottime = 30.0f;
    EXPECT_EQ(glideslope_warning(), 0);
    flt.h = 300.0f;
    pln.entype = 1;   // not a jet
    msc.tottime = 40.0f;
    EXPECT_EQ(glideslope_warning(), 0);
}

TEST_F(EventTest, LightningOnlyOverStrongCellsInWarmStorms)
{
    sea_region();
    start_trainer(500.0f);
    flt.x = flt.y = 100000.0;
    flt.h = 500.0f;
    atm.topsMSL = 3000.0f;
    atm.rain_tstm = 3;
    atm.temp_SL = 60.0f;
    for (auto &col : flt_wxr)
        for (float &v : col)
            v = 28.0f;
    slow_tick();
    EXPECT_EQ(atm.strike_up, 0);
    EXPECT_EQ(atm.strike_ring, 0);
    for (auto &col : flt_wxr)
        for (float &v : col)
            v = 29.0f;
    atm.temp_SL = 32.0f;   // snow: no lightning
    slow_tick();
    EXPECT_EQ(atm.strike_ring, 0);
    atm.temp_SL = 60.0f;
    msc.tottime = 50.0f;
    slow_tick();
    ASSERT_EQ(atm.strike_ring, 1);
    EXPECT_EQ(atm.strike_up, 1);
    EXPECT_EQ(ins.tickle_str, 1);
    EXPECT_FLOAT_EQ(atm.strike_t_exp[0], 170.0f);
    EXPECT_LE(fabsf(atm.strike_x[0] - 100000.0f), 20.0f * con.nmtomtrs);
    EXPECT_FLOAT_EQ(atm.lightz[0][0], 3000.0f);
    EXPECT_EQ(atm.lightz[0][BRANCH_PTS - 1], 0.0f);   // the bolt reaches the ground
    EXPECT_TRUE(atm.i_strike >= 0 && atm.i_strike < MESH_I && atm.j_strike >= 0 && atm.j_strike < MESH_J);
    msc.tottime = 50.1f;
    manage_strike();
    EXPECT_EQ(atm.strike_up, 1);
    msc.tottime = 51.0f;   // past the longest flash
    manage_strike();
    EXPECT_EQ(atm.strike_up, 0);
    set_fltvars(8, 0);
    EXPECT_EQ(atm.strike_t_exp[0], 0.0f);
}

TEST_F(EventTest, ShipStartsApproachTheNearestShipOrEndWithoutOne)
{
    sea_region();
    load("Trainer.acf", 0.0f);
    flt.x = flt.y = 0.0;
    EXPECT_THROW(
        {
            try {
                set_fltvars(9, 0);
            } catch (const FatalExit &e) {
                EXPECT_EQ(e.s1, "I can't find any ships in the area!");
                throw;
            }
        },
        FatalExit);
    boat_on_poly[80][80] = 1;   // far
    boat_on_poly[20][30] = 1;   // near, land to its east: sails north
    on_water[21][30][0] = 0;
    carr_on_poly[40][10] = 1;   // land to its north: sails east
    on_water[40][11][1] = 0;
    set_fltvars(9, 0);
    EXPECT_NEAR(flt.x, 41000.0, 1.0);
    EXPECT_NEAR(flt.y, 61000.0 - con.nmtomtrs, 1.0);
    EXPECT_NEAR(flt.psi, 0.0f, 1e-3f);
    EXPECT_NEAR(flt.z, SHIP_DECK + con.nmtomtrs * tanf(3.5f * con.degtorad), 0.5);
    EXPECT_EQ(flt.cat_stage, CAT_FREE);
    EXPECT_NEAR(flt.vy, 1.5 * msc.est_Vs, 1e-3);
    flt.x = flt.y = 0.0;
    set_fltvars(10, 0);
    EXPECT_NEAR(flt.x, 81000.0 - 2.0 * con.nmtomtrs, 1.0);
    EXPECT_NEAR(flt.y, 21000.0, 1.0);
    EXPECT_NEAR(flt.psi, 90.0f, 1e-3f);
    // The catapult: held on the deck, at rest, pointing along the ship.
    set_fltvars(11, 0);
    EXPECT_EQ(flt.cat_stage, CAT_HELD);
    EXPECT_FLOAT_EQ((float)flt.x, car.catx);
    EXPECT_FLOAT_EQ((float)flt.y, car.caty);
    EXPECT_FLOAT_EQ(car.catang, 90.0f);
    EXPECT_NEAR(flt.z, CARR_DECK + pln.h_eqlbm, 1e-3);
    EXPECT_EQ(set.gear_handle, 1);
    msc.prd = 0.05f;
    for (int k = 0; k < 20; k++) {
        msc.cntr++;
        deg2integ();
    }
    EXPECT_EQ(env.over_carr, 1);
    EXPECT_NEAR(flt.z, CARR_DECK + pln.h_eqlbm, 0.3);   // standing on the deck
    EXPECT_NEAR(flt.x, car.catx, 0.01);
}

TEST_F(EventTest, DeckUnderTheAircraftOnlyOverTheShip)
{
    sea_region();
    boat_on_poly[20][30] = 1;
    on_water[21][30][0] = 0;   // sails north
    env.i_aircraft = 20;
    env.j_aircraft = 30;
    flt.x = 41000.0 + 3.0;
    flt.y = 61000.0 - 50.0;
    deck_under_aircraft();
    ASSERT_EQ(env.over_boat, 1);
    for (int c = 0; c < 4; c++) {
        EXPECT_EQ(env.boatz[c], SHIP_DECK);
        EXPECT_NEAR(fabsf(env.boatx[c] - 41000.0f), SHIP_HALF_BEAM, 1e-2f);
        EXPECT_NEAR(fabsf(env.boaty[c] - 61000.0f), SHIP_HALF_LEN, 1e-2f);
    }
    flt.x = 41000.0 + 10.0;   // beside the hull
    deck_under_aircraft();
    EXPECT_EQ(env.over_boat, 0);
    EXPECT_EQ(env.over_carr, 0);
}

TEST_F(EventTest, NoseAndTailWheelsSteerBothWays)
{
    start_trainer(0.0f);
    set.damp = 0.0f;
    set.joy_rat = 0.75f;
    set.nwheel_steer_type = 1;   // pedals
    pln.gearEQ = 1;
    pln.nwsteerEQ = 1;
    flt.gearf[0] = 500.0f;
    flt.psi = 0.0f; flt.sinpsi = 0.0f; flt.cospsi = 1.0f;
    flt.Pdot = flt.Qdot = flt.Rdot = 0.0f;
    msc.prd = 0.025f;
    // Yaw rate for a pedal input while rolling at vy m/s.
    auto yaw = [&](float input, double vy) {
        set.YKhdng = input;
        flt.vx = 0.0;
        flt.vy = vy;
        flt.v = (float)fabs(vy);
        flt.R = 0.0f;
        integ_v();
        return flt.R;
    };
    pln.nwsteer = 30.0f;   // nose wheel 2 m ahead of the mains
    pln.ngearx = -1.5f;
    pln.mgearx = 0.5f;
    EXPECT_NEAR(yaw(0.5f, 25.0), 25.0f * 30.0f * 0.5f / 2.0f, 1e-2f);
    EXPECT_NEAR(yaw(-0.5f, 25.0), -25.0f * 30.0f * 0.5f / 2.0f, 1e-2f);
    EXPECT_LT(yaw(0.5f, -2.0), 0.0f);   // rolling backwards turns the other way
    // Full pedal below 20 m/s steers up to 45 degrees.
    EXPECT_NEAR(yaw(1.0f, 10.0), 10.0f * 37.5f / 2.0f, 1e-2f);
    EXPECT_NEAR(yaw(-1.0f, 10.0), -10.0f * 37.5f / 2.0f, 1e-2f);
    // A tail-dragger: the loader negates the limit, the wheelbase is negative.
    pln.nwsteer = -30.0f;
    pln.ngearx = 4.0f;
    pln.mgearx = -0.3f;
    EXPECT_GT(yaw(0.5f, 15.0), 0.0f);
    EXPECT_LT(yaw(-0.5f, 15.0), 0.0f);
    EXPECT_NEAR(yaw(1.0f, 10.0), 10.0f * 37.5f / 4.3f, 1e-2f);
    EXPECT_NEAR(yaw(-1.0f, 10.0), -10.0f * 37.5f / 4.3f, 1e-2f);
    // Without steering the aircraft does not turn at walking pace.
    pln.nwsteerEQ = 0;
    flt.R = 10.0f;
    set.YKhdng = 1.0f;
    flt.vy = 0.5;
    flt.v = 0.5f;
    integ_v();
    EXPECT_EQ(flt.R, 0.0f);
}

TEST_F(EventTest, TrafficStaysNearAndClearOfTheGround)
{
    sea_region();
    for (int i = 0; i < MESH_I; i++)
        for (int j = 0; j < MESH_J; j++)
            planez[i][j] = 1000.0f;   // a high plateau
    load("Trainer.acf", 1500.0f);
    set.cus_x = set.cus_y = 100000.0f;
    set.cus_z = 1500.0f;
    set.cus_v = 50.0f;
    set_fltvars(8, 0);
    float range = 30.0f * con.nmtomtrs;
    for (int n = 0; n < MAX_TRAFFIC; n++) {
        EXPECT_LE(pythag(traf_x[n][0] - 100000.0f, traf_y[n][0] - 100000.0f), range);
        EXPECT_GE(traf_z[n][0], 1300.0f - 0.01f);
        EXPECT_GE(traf_v[n], 90.0f * con.ktstomsc - 0.01f);
        EXPECT_LE(traf_v[n], 250.0f * con.ktstomsc + 0.01f);
        EXPECT_NEAR(traf_z[n][1], traf_z[n][0] - 2.0f, 1e-3f);
        EXPECT_NEAR(pythag(traf_x[n][3] - traf_x[n][0], traf_y[n][3] - traf_y[n][0]), 20.0f, 1e-2f);
    }
    float x0 = traf_x[0][0], y0 = traf_y[0][0];
    msc.prd = 1.0f;
    move_traffic();
    EXPECT_NEAR(pythag(traf_x[0][0] - x0, traf_y[0][0] - y0), traf_v[0], 0.05f);
    traf_x[1][0] = 100000.0f + 1.1f * range;   // wandered off: replaced nearby
    move_traffic();
    EXPECT_LE(pythag(traf_x[1][0] - 100000.0f, traf_y[1][0] - 100000.0f), range);
}

TEST_F(EventTest, StartResetsPanelAutopilotTrafficControlAndWeatherEffects)
{
    load("Trainer.acf", 1000.0f);
    ott.HDSLCT = ott.ALHOLD = ott.GS2 = ott.NAV[1] = 1;
    ins.antiice_on = ins.jato_on = 1;
    msc.ice = 0.5f;
    msc.paused = 1;
    atc.ils_vec_in_progress = 1;
    fpl.activated = fpl.onfile = 1;
    flt.jatoleft = 0.0f;
    atm.strike_up = 1;
    flt.downwash[2] = 3.0f;
    flt.induced_alpha[0][0] = 2.0f;
    set_fltvars(8, 0);
    EXPECT_EQ(ott.HDSLCT + ott.ALHOLD + ott.GS2 + ott.NAV[1], 0);
    EXPECT_EQ(ins.antiice_on + ins.jato_on + msc.paused, 0);
    EXPECT_EQ(msc.ice, 0.0f);
    EXPECT_EQ(atc.ils_vec_in_progress, 0);
    EXPECT_EQ(fpl.activated + fpl.onfile, 0);
    EXPECT_EQ(flt.jatoleft, pln.jatoleft);
    EXPECT_EQ(atm.strike_up, 0);
    EXPECT_EQ(flt.downwash[2], 0.0f);
    EXPECT_EQ(flt.induced_alpha[0][0], 0.0f);
    EXPECT_EQ(msc.evup, 1);
}

std::string report;
void collect(const char *text) { report += text; }

TEST_F(EventTest, BuildUpReportFramesOneStepAndEnds)
{
    load("Trainer.acf", 1000.0f);
    set.cus_z = 1000.0f; set.cus_v = 50.0f;
    set_fltvars(8, 0);
    report.clear();
    cyc_sink = collect;
    set.cycoutwaiting = 1;
    msc.cntr = 1;
    msc.evup = 2;   // not an event frame: the report waits
    deg2integ();
    EXPECT_TRUE(report.empty());
    msc.cntr = 2;
    deg2integ();
    msc.cntr = 4;
    deg2integ();   // only one frame per request
    cyc_sink = nullptr;
    EXPECT_EQ(set.cycout + set.cycoutwaiting, 0);
    EXPECT_EQ(report.find('\n'), 0u);
    EXPECT_EQ(report.substr(1, 100), std::string(100, '\xA5'));
    for (const char *text : {"Pdot (roll accel) =", "Qdot (pitch accel)=", "Rdot (yaw accel)  =",
                             " deg/sec/sec\n", "P (roll)   =", "Q (pitch)  =", "R (heading)=",
                             " deg/sec\n", "roll   =", " deg\n", "GRAND TOTALS"})
        EXPECT_NE(report.find(text), std::string::npos) << text;
}

}   // namespace

TEST_F(EventTest, CatapultStrokeEndsAtFlyingSpeedAndWiresCatchOnTheDeck)
{
    sea_region();
    carr_on_poly[40][10] = 1;   // land to its north: sails east
    on_water[40][11][1] = 0;
    load("Trainer.acf", 0.0f);
    flt.x = flt.y = 0.0;
    set_fltvars(11, 0);
    ASSERT_EQ(flt.cat_stage, CAT_HELD);
    flt.cat_stage = CAT_LAUNCH;   // the space bar
    msc.prd = 0.02f;
    int k = 0;
    for (; k < 500 && flt.cat_stage == CAT_LAUNCH; k++) {
        msc.cntr++;
        deg2integ();
    }
    ASSERT_EQ(flt.cat_stage, CAT_FREE);
    float run = ((float)flt.x - car.catx) * lsin[deg_index(car.catang)] + ((float)flt.y - car.caty) * lcos[deg_index(car.catang)];
    EXPECT_GE(run, CAT_RUN_M);
    EXPECT_LT(run, CAT_RUN_M + 3.0f);
    EXPECT_GE(flt.v, 0.98f * CAT_SPEED_RATIO * msc.est_Vs);
    EXPECT_EQ(env.over_carr, 1) << "the stroke ends on the deck";
    // Wires: rolling over them catches one, beyond them (a bolter), in the
    // air or off to the side nothing does.
    struct { float along, across; int onground; int wired; } rows[] = {
        {-100.0f, 0.0f, 1, 1}, {-50.0f, 0.0f, 1, 0}, {-100.0f, 0.0f, 0, 0}, {-100.0f, 20.0f, 1, 0}};
    float x, y, deck, hdg;
    ship_place(40, 10, 1, &x, &y, &deck, &hdg);
    int h = deg_index(hdg);
    for (const auto &r : rows) {
        flt.wired = 0;
        flt.cat_stage = CAT_FREE;
        flt.onground = r.onground;
        flt.x = x + r.along * lsin[h] + r.across * lcos[h];
        flt.y = y + r.along * lcos[h] - r.across * lsin[h];
        flt.vx = 30.0 * lsin[h];
        flt.vy = 30.0 * lcos[h];
        env.i_aircraft = 40;
        env.j_aircraft = 10;
        deck_under_aircraft();
        EXPECT_EQ(flt.wired, r.wired) << r.along << " " << r.across << " " << r.onground;
    }
}

TEST_F(EventTest, StrikeCellsAndBranchesStayInsideTheirTables)
{
    sea_region();
    // The radar field's far edge would map one past its last sample: it
    // and points off the region count as outside, their indices clamped.
    struct { float x, y; int ret, i, j; } cells[] = {
        {0.0f, 0.0f, 1, 0, 0},
        {228000.0f, 200000.0f, -1, WXR_I - 1, WXR_J - 1},
        {-5.0f, 100000.0f, -1, 0, 200},
        {1.0e9f, -1.0e9f, -1, WXR_I - 1, 0}};
    for (const auto &c : cells) {
        int i = -7, j = -7;
        EXPECT_EQ(wxr_cell(c.x, c.y, 0, &i, &j), c.ret) << c.x << " " << c.y;
        EXPECT_EQ(i, c.i) << c.x;
        EXPECT_EQ(j, c.j) << c.y;
    }
    start_trainer(500.0f);
    flt.x = flt.y = 100000.0;
    atm.topsMSL = 9000.0f;
    atm.rain_tstm = 5;
    atm.temp_SL = 70.0f;
    for (auto &col : flt_wxr)
        for (float &v : col)
            v = 31.0f;
    for (int n = 0; n < 300; n++) {
        atm.num_branches = 3;
        start_strike();
        int r = (atm.strike_ring + STRIKE_RING - 1) % STRIKE_RING;
        // lighty follows lightx: a 21st point of the last branch would land on it.
        ASSERT_FLOAT_EQ(atm.lighty[0][0], atm.strike_y[r]) << n;
        for (int b = 0; b < MAX_BRANCHES; b++) {
            ASSERT_TRUE(atm.strike_size[b] >= 2 && atm.strike_size[b] <= BRANCH_PTS) << n;
            ASSERT_EQ(atm.lightz[b][BRANCH_PTS - 1], 0.0f) << n;
        }
        ASSERT_TRUE(atm.i_strike >= 0 && atm.i_strike < MESH_I && atm.j_strike >= 0 && atm.j_strike < MESH_J);
    }
}
