// The trainer flown through the batch runner's own code: a takeoff that
// climbs away, its nose held down on the run until rotated, a trimmed
// cruise that holds its height and speed with the controls frozen, and a
// slow idle deceleration that stalls where its loaded airfoil tables say
// it should; the seaplane's run off the water.
#include "tests/batch/batch_fixture.h"

namespace {

class FlyingTest : public BatchTest {};

TEST_F(FlyingTest, TrainerTakesOffAndClimbsAway)
{
    char why[MAX_STR];
    ASSERT_TRUE(batch_load_aircraft("Aircraft/Trainer.acf", why)) << why;
    ASSERT_TRUE(batch_start_airport("SFO", "28R", 900, why)) << why;   // 13 ft above the sea
    batch_set(BC_BRAKES, 0.0f);
    batch_set(BC_THROTTLE, 1.0f);
    batch_set(BC_FLAPS, 0.0f);
    float lift_off_kias = 0.0f;
    while (batch_time() < 90.0 && (flt.z - env.localh) * con.mtrstoft < 200.0 + pln.h_eqlbm * con.mtrstoft) {
        // The pilot: rotate at 55 kt to a climb attitude of 8 degrees and
        // keep the wings level against the propeller's torque.
        float pull = fltlim(0.08f * (8.0f - flt.the180) - 0.04f * flt.Q, -0.6f, 0.6f);
        batch_set(BC_ELEVATOR, flt.vind > 55.0f ? pull : 0.0f);
        batch_set(BC_AILERON, fltlim(-0.05f * flt.phi180 - 0.02f * flt.P, -0.5f, 0.5f));
        batch_frame();
        if (!flt.onground && lift_off_kias == 0.0f)
            lift_off_kias = flt.vind;
    }
    EXPECT_LT(batch_time(), 60.0) << "not 200 ft up within a minute";
    EXPECT_GT(flt.vz * con.msctofpm, 300.0) << "not climbing";
    EXPECT_GT(lift_off_kias, 40.0f);
    EXPECT_EQ(batch_crashes(), 0);
    EXPECT_EQ(flight_watchdog_trips, 0);
}

// The jet shot off the carrier nearest Los Angeles from a scenario: held
// on the catapult until `launch`, then 1.7 times its estimated stall speed
// at the end of the 100 m stroke, off the bow and flying without a crash.
TEST_F(FlyingTest, JetLaunchedFromTheCarrierFlies)
{
    std::string file = write("cat.txt", "aircraft Aircraft/Jet.acf\nstart catapult LAX\nrun 1\nlaunch\nrun 0\n");
    static BatchScript script;
    ASSERT_TRUE(batch_read_script(file.c_str(), &script, stderr));
    FILE *out = fopen(path("out.csv").c_str(), "w");
    ASSERT_EQ(batch_execute(&script, file.c_str(), out, stderr), 0);
    fclose(out);
    ASSERT_EQ(flt.cat_stage, CAT_LAUNCH);
    float x0 = car.catx, y0 = car.caty, deck = env.carrz;
    EXPECT_NEAR(hypotf((float)flt.x - x0, (float)flt.y - y0), 0.0f, 0.1f) << "held until the launch";
    // The stroke's end is found at the start of a frame: where that frame began.
    float run = 0.0f, speed = 0.0f;
    while (flt.cat_stage == CAT_LAUNCH && batch_time() < 10.0) {
        run = hypotf((float)flt.x - x0, (float)flt.y - y0);
        speed = flt.v;
        batch_frame();
    }
    EXPECT_GE(run, CAT_RUN_M);
    EXPECT_LT(run, CAT_RUN_M + 4.0f);
    EXPECT_GE(speed, 0.98f * CAT_SPEED_RATIO * msc.est_Vs);
    float lowest = flt.h;
    for (double end = batch_time() + 15.0; batch_time() < end;) {
        batch_set(BC_ELEVATOR, fltlim(0.08f * (8.0f - flt.the180) - 0.04f * flt.Q, -0.6f, 0.6f));
        batch_frame();
        lowest = fminf(lowest, flt.h);
    }
    EXPECT_GT(lowest, deck - 15.0f) << "sank towards the sea off the bow";
    EXPECT_GT(flt.h, deck + 30.0f) << "climbing away";
    EXPECT_EQ(batch_crashes(), 0);
    EXPECT_EQ(batch_launch(), 0) << "nothing armed any more";
}

// The take-off run as a pilot flies it, full power and flaps 10: with the
// stick left alone the nose wheel stays down past 45 KIAS (the tail's
// download is what downwash near the ground leaves of it); a gentle pull
// at 50 KIAS lifts off at a trainer's 8 to 10 degrees of pitch.
TEST_F(FlyingTest, TrainerKeepsItsNoseDownUntilRotated)
{
    char why[MAX_STR];
    ASSERT_TRUE(batch_load_aircraft("Aircraft/Trainer.acf", why)) << why;
    ASSERT_TRUE(batch_start_airport("SFO", "28R", 900, why)) << why;
    batch_set(BC_BRAKES, 0.0f);
    batch_set(BC_FLAPS, 0.25f);
    batch_set(BC_THROTTLE, 1.0f);
    float highest = -90.0f;
    while (batch_time() < 40.0 && flt.vind < 50.0f) {
        batch_frame();
        ASSERT_TRUE(flt.onground) << "off the ground at " << flt.vind << " KIAS, stick neutral";
        if (flt.vind < 45.0f)
            highest = fmaxf(highest, flt.the180);
    }
    EXPECT_LT(highest, 3.5f) << "the nose rose with the stick neutral";
    batch_set(BC_ELEVATOR, 0.15f);
    double rotated = batch_time();
    while (batch_time() < rotated + 10.0 && flt.onground)
        batch_frame();
    EXPECT_FALSE(flt.onground) << "no lift-off 10 s after the rotation";
    EXPECT_GT(flt.the180, 8.0f);
    EXPECT_LT(flt.the180, 10.5f);
    EXPECT_GT(flt.vind, 50.0f);
    EXPECT_EQ(batch_crashes(), 0);
}

// Let down onto calm water at full weight, the seaplane must rest a little
// nose up, then at full throttle with the stick a little back get on the
// step and leave the water in about the type's water run (1,200 ft).
TEST_F(FlyingTest, SeaplaneTakesOffFromWater)
{
    char why[MAX_STR];
    ASSERT_TRUE(batch_load_aircraft("Aircraft/Seaplane.acf", why)) << why;
    ASSERT_TRUE(batch_start_air(33.9f, -118.6f, 3.0f, 0.0f, 270.0f, why)) << why;   // Santa Monica Bay
    batch_set(BC_WEIGHT, 5090.0f);
    batch_set(BC_THROTTLE, 0.0f);
    frames(20.0f);
    int afloat = batch_column_index("afloat");
    ASSERT_GE(afloat, 0);
    ASSERT_EQ(batch_column_value(afloat), 1.0) << "not on the water after settling";
    EXPECT_GT(flt.the180, 0.0f) << "rests nose down";
    EXPECT_LT(flt.the180, 5.0f);
    double x0 = flt.x, y0 = flt.y, t0 = batch_time();
    batch_set(BC_THROTTLE, 1.0f);
    batch_set(BC_ELEVATOR, 0.3f);
    while (batch_time() < t0 + 60.0 && batch_column_value(afloat) == 1.0)
        batch_frame();
    ASSERT_EQ(batch_column_value(afloat), 0.0) << "still on the water after a minute at "
                                               << flt.vind << " KIAS";
    float run_ft = (float)(hypot(flt.x - x0, flt.y - y0) * con.mtrstoft);
    printf("water run %.0f ft, lift-off at %.0f KIAS\n", run_ft, flt.vind);
    EXPECT_GT(run_ft, 700.0f);
    EXPECT_LT(run_ft, 1800.0f);
    EXPECT_GT(flt.vind, 50.0f);
    EXPECT_LT(flt.vind, 75.0f);
    EXPECT_EQ(batch_crashes(), 0);
    EXPECT_EQ(flight_watchdog_trips, 0);
}

TEST_F(FlyingTest, TrimmedTrainerHoldsHeightAndSpeed)
{
    fly_from_air("Trainer.acf", 5000.0f, 100.0f);
    EXPECT_TRUE(batch_trim(0));
    float h0 = flt.h * con.mtrstoft, v0 = flt.vind, worst_h = 0.0f, worst_v = 0.0f;
    EXPECT_NEAR(v0, 100.0f, 1.0f);
    for (int k = 0; k < 1200; k++) {   // 60 s with nothing touched
        batch_frame();
        worst_h = fmaxf(worst_h, fabsf(flt.h * con.mtrstoft - h0));
        worst_v = fmaxf(worst_v, fabsf(flt.vind - v0));
    }
    EXPECT_LE(worst_h, 100.0f);
    EXPECT_LE(worst_v, 3.0f);
    EXPECT_NEAR(flt.phi180, 0.0f, 5.0f);
}

TEST_F(FlyingTest, ClimbTrimHoldsItsClimbAtFullThrottle)
{
    fly_from_air("Trainer.acf", 1000.0f, 74.0f);
    batch_set(BC_THROTTLE, 1.0f);
    EXPECT_TRUE(batch_trim(1));
    EXPECT_EQ(bst.ctl[BC_THROTTLE], 1.0f);   // the throttle stays where it was set
    float vvi = flt.vz * con.msctofpm, v0 = flt.vind;
    EXPECT_GT(vvi, 300.0f);
    for (int k = 0; k < 600; k++) {   // 30 s
        batch_frame();
        ASSERT_NEAR(flt.vz * con.msctofpm, vvi, 100.0f) << k;
        ASSERT_NEAR(flt.vind, v0, 3.0f) << k;
    }
}

// Lift coefficient the wing's airfoil tables give at their best, each
// element at its own Reynolds number at speed v, weighted by element area.
float wing_clmax(float v)
{
    float sum = 0.0f, area = 0.0f;
    for (int el = 0; el < pln.els[2]; el++) {
        float re = FRe(atm.rho, v, pln.mac[2][el]), best = 0.0f;
        for (float a = 0.0f; a <= 30.0f; a += 0.1f) {
            float cl, cd, cm;
            Fco(a, cl, cd, cm, 2, re, el);
            best = fmaxf(best, cl);
        }
        sum += best * pln.s[2][el];
        area += pln.s[2][el];
    }
    return sum / area;
}

// The stall: at idle, the stick comes back slowly from the trimmed 1.3 Vs
// (about a knot a second, as stall speeds are measured) to fully back. The
// stall speed is the lowest indicated airspeed the aircraft reaches on the
// way: below it the wing cannot carry the weight, the nose drops and the
// speed builds again (the run ends once it is 10 kt above the lowest).
TEST_F(FlyingTest, IdleDecelerationStallsWhereTheTablesSay)
{
    fly_from_air("Trainer.acf", 3000.0f, 70.0f);
    float S = 0.0f;
    for (int el = 0; el < pln.els[2]; el++)
        S += 2.0f * pln.s[2][el];
    float W = flt.m_total * atm.g, rho = atm.rho;
    float v = 30.0f, clmax = 1.0f;
    for (int k = 0; k < 4; k++) {   // the Reynolds number follows the speed
        clmax = wing_clmax(v);
        v = sqrtf(2.0f * W / (rho * S * clmax));
    }
    float vs_kias = v * sqrtf(atm.crtsig) * con.msctokts;
    char why[MAX_STR];
    ASSERT_TRUE(batch_start_air(34.0f, -118.3f, 3000.0f, 1.3f * vs_kias, 90.0f, why)) << why;
    batch_trim(0);
    batch_set(BC_THROTTLE, 0.0f);
    batch_ramp(BC_ELEVATOR, 1.0f, 40.0f);
    float lowest = 1e9f;
    for (int k = 0; k < 1200 && flt.vind < lowest + 10.0f && !batch_crashes(); k++) {
        batch_frame();
        lowest = fminf(lowest, flt.vind);
    }
    printf("stall %.1f kt against %.1f kt from CLmax %.2f, S %.2f m^2, W %.0f N\n", (double)lowest,
           (double)vs_kias, (double)clmax, (double)S, (double)W);
    EXPECT_NEAR(lowest, vs_kias, 0.1f * vs_kias);
    EXPECT_GT(flt.vind, lowest + 5.0f);   // it did stall: the speed is building again
}

}   // namespace
