// Wind, turbulence and shear: ground factors, calm tables, microbursts and
// the limits of the settings.
#include <gtest/gtest.h>

#include <cmath>

#include "files/files.h"
#include "flight/flight.h"
#include "shell/shell.h"

class Weather : public ::testing::Test {
  protected:
    void SetUp() override
    {
        fill_constants();
        memset(&atm, 0, sizeof atm);
        memset(&flt, 0, sizeof flt);
        memset(&env, 0, sizeof env);
        memset(&msc, 0, sizeof msc);
        memset(&pln, 0, sizeof pln);
        fill_density_table();
        reset_weather_state();
        seed_rand(99);
        atm.temp_SL = 59.0f;
        atm.shear_prob = 1;
        pln.Vne = 160.0f;
        pln.as_is_kias = 1;
    }
    // Runs wxcalc through `n` event periods with the eleven-count cycling.
    void run(int n)
    {
        for (int k = 0; k < n; k++) {
            msc.cntr10 = k % 11;
            msc.tottime += 0.1f;
            wxcalc();
        }
    }
};

TEST_F(Weather, SteadyWindBlowsFromItsDirection)
{
    for (int i = 0; i < NWIND_LAYERS; i++) {
        atm.wnddir[i] = 90.0f;
        atm.wndspd[i] = 10.0f;
    }
    flt.z = flt.h = 1000.0f;
    run(400);
    EXPECT_NEAR(atm.wind_x, -10.0f, 0.05f);   // from the east: blows west
    EXPECT_NEAR(atm.wind_y, 0.0f, 0.2f);
    EXPECT_NEAR(atm.wind_z, 0.0f, 1e-4f);
}

TEST_F(Weather, OnTheGroundAQuarterOfTheHorizontalGustsAndNoVertical)
{
    for (int i = 0; i < NWIND_LAYERS; i++)
        atm.tbl[i] = 9.0f;
    atm.therm_on_poly[5][5] = 1;
    atm.thermal_vvi = 900.0f;
    env.i_aircraft = env.j_aircraft = 5;
    float ground_xy = 0, ground_z = 0, air_xy = 0, air_z = 0;
    for (int k = 0; k < 4000; k++) {
        msc.cntr10 = k % 11;
        flt.z = flt.h = 0.0f;
        wxcalc();
        ground_xy = fmaxf(ground_xy, fabsf(atm.wind_x));
        ground_z = fmaxf(ground_z, fabsf(atm.wind_z));
    }
    reset_weather_state();
    atm.wind_x = atm.wind_z = 0;
    for (int k = 0; k < 4000; k++) {
        msc.cntr10 = k % 11;
        flt.z = flt.h = 150.0f;
        wxcalc();
        air_xy = fmaxf(air_xy, fabsf(atm.wind_x));
        air_z = fmaxf(air_z, fabsf(atm.wind_z));
    }
    EXPECT_EQ(ground_z, 0.0f);
    EXPECT_LE(ground_xy, 27.0f * 0.25f + 1e-3f);
    EXPECT_GT(air_xy, 2.5f * ground_xy);
    EXPECT_GT(air_z, 1.0f);
}

TEST_F(Weather, NoShearAtLikelihoodOneAndRareOnesAtFive)
{
    flt.z = flt.h = 50.0f;
    run(20000);
    EXPECT_EQ(atm.inshear, 0);
    atm.shear_prob = 5;
    int starts = 0, was = 0;
    for (int k = 0; k < 200000; k++) {
        msc.tottime += 100.0f;   // every shear ends before the next call
        wxcalc();
        starts += atm.inshear && !was;
        was = atm.inshear;
    }
    // 0.1 / 60 per event period: about 333 in 200,000.
    EXPECT_GT(starts, 250);
    EXPECT_LT(starts, 420);
}

TEST_F(Weather, MicroburstGoesHeadwindDowndraftTailwind)
{
    atm.shear_prob = 5;
    flt.z = flt.h = 50.0f;
    flt.psi = 0.0f;   // heading north: a headwind blows south (negative y)
    // Fly shears until one has a downdraft: that one is the microburst.
    float min_y = 0, max_y = 0, min_z = 0, y_at_min_z = 0;
    for (int tries = 0; tries < 100 && min_z > -3.0f; tries++) {
        reset_weather_state();
        atm.wind_x = atm.wind_y = atm.wind_z = 0;
        while (!atm.inshear)
            wxcalc();
        min_y = max_y = min_z = y_at_min_z = 0;
        float start = msc.tottime;
        for (int k = 1; atm.inshear; k++) {
            msc.tottime = start + k * 0.01f;
            wxcalc();
            min_y = fminf(min_y, atm.wind_y);
            max_y = fmaxf(max_y, atm.wind_y);
            if (atm.wind_z < min_z) {
                min_z = atm.wind_z;
                y_at_min_z = atm.wind_y;
            }
        }
    }
    EXPECT_LT(min_y, -5.0f);    // headwind first
    EXPECT_GT(max_y, 5.0f);     // tailwind later
    EXPECT_LT(min_z, -3.0f);    // downdraft
    EXPECT_LT(fabsf(y_at_min_z), 0.5f * fabsf(min_y));
}

TEST_F(Weather, CalmTableMakesCalmAir)
{
    atm.wind_tbl = 1;
    assign_wind_tbl(1.0f);
    for (int k = 0; k < 6; k++)
        assign_wind_tbl(0.1f);
    for (int i = 0; i < NWIND_LAYERS; i++) {
        EXPECT_EQ(atm.wndspd[i], 0.0f);
        EXPECT_EQ(atm.shrspd[i], 0.0f);
        EXPECT_EQ(atm.tbl[i], 0.0f);
    }
    atm.wind_tbl = 5;
    assign_wind_tbl(1.0f);
    limwx();
    float total = 0;
    for (int i = 0; i < NWIND_LAYERS; i++) {
        total += atm.wndspd[i];
        EXPECT_LE(atm.wndspd[i], 99.0f * con.ktstomsc + 1e-3f);
        EXPECT_LE(atm.tbl[i], 9.0f);
    }
    EXPECT_GT(total, 0.0f);
    float x = 10.0f;
    transition(&x, 20.0f, 0.25f);
    EXPECT_FLOAT_EQ(x, 12.5f);
}

TEST_F(Weather, LimitsWrapDirectionsAndClampTheRest)
{
    float ft = con.fttomtrs;
    env.fieldh = 1000.0f * ft;
    atm.baseMSL = 500.0f * ft;
    atm.topsMSL = 1000.0f * ft;
    atm.wnddir[0] = -10.0f;
    atm.wnddir[1] = 725.0f;
    atm.shrdir[0] = 500.0f;
    atm.wndspd[0] = 1000.0f;
    atm.vis = 0.0f;
    atm.wave_dir = -90;
    atm.rain_tstm = 9;
    atm.temp_SL = -2000.0f;
    atm.tbl[3] = NAN;
    limwx();
    EXPECT_FALSE(atm.clear);
    EXPECT_NEAR(atm.baseMSL, 1050.0f * ft, 1e-3f);
    EXPECT_NEAR(atm.topsMSL, 3050.0f * ft, 1e-3f);
    EXPECT_NEAR(atm.baseAGL, 50.0f * ft, 1e-3f);
    EXPECT_FLOAT_EQ(atm.wnddir[0], 350.0f);
    EXPECT_FLOAT_EQ(atm.wnddir[1], 5.0f);
    EXPECT_FLOAT_EQ(atm.shrdir[0], 180.0f);
    EXPECT_NEAR(atm.wndspd[0], 99.0f * con.ktstomsc, 1e-4f);
    EXPECT_NEAR(atm.vis, 0.2f * con.nmtomtrs, 1e-3f);
    EXPECT_EQ(atm.wave_dir, 270);
    EXPECT_EQ(atm.rain_tstm, 5);
    EXPECT_EQ(atm.tbl[3], 0.0f);
    EXPECT_GT(atm.temp_SL + 459.67f, 0.0f);

    atm.baseMSL = 19000.0f * ft;
    limwx();
    EXPECT_TRUE(atm.clear);
    EXPECT_NEAR(atm.baseMSL, 20001.0f * ft, 1e-2f);
    EXPECT_NEAR(atm.topsMSL, 20001.0f * ft, 1e-2f);
}
