// The air state against the 1976 standard atmosphere, and the wind layers.
#include <gtest/gtest.h>

#include <cmath>

#include "flight/flight.h"

class Atmosphere : public ::testing::Test {
  protected:
    void SetUp() override
    {
        fill_constants();
        memset(&atm, 0, sizeof atm);
        fill_density_table();
        atm.temp_SL = 59.0f;
    }
};

// U.S. Standard Atmosphere 1976: density kg/m^3 and temperature K.
TEST_F(Atmosphere, MatchesTheStandardAtmosphere)
{
    struct { float ft, rho, T; } table[] = {
        {0, 1.2250f, 288.15f}, {10000, 0.90464f, 268.34f}, {20000, 0.65269f, 248.53f}};
    for (auto &row : table) {
        air_state(row.ft * 0.3048f);
        EXPECT_NEAR(atm.rho, row.rho, row.rho * 0.005f) << row.ft;
        EXPECT_NEAR(atm.T, row.T, row.T * 0.005f) << row.ft;
    }
    air_state(0.0f);
    EXPECT_NEAR(atm.rho, 1.2240f, 1e-4f);
    EXPECT_NEAR(atm.a, 340.26f, 0.01f);
    EXPECT_NEAR(atm.T, 288.15f, 0.01f);
    EXPECT_NEAR(atm.crtsig, 1.2240f / 1.225f, 1e-4f);
    EXPECT_NEAR(con.endtomed, 514.94f, 0.01f);
    atm.temp_SL = 59.02f;
    air_state(36152.0f * 0.3048f);
    EXPECT_NEAR(atm.T, 216.94f, 0.01f);
}

TEST_F(Atmosphere, HotDaysThinTheAirAndTheTableEndsHold)
{
    air_state(1000.0f);
    float standard = atm.rho;
    atm.temp_SL = 100.0f;
    air_state(1000.0f);
    EXPECT_LT(atm.rho, standard);
    EXPECT_NEAR(atm.rho / standard, 518.69f / 559.67f, 1e-4f);
    air_state(-500.0f);
    EXPECT_FLOAT_EQ(atm.rho, atm.hr[0][1] * 518.69f / 559.67f);
    air_state(1e6f);
    EXPECT_EQ(atm.rho, 0.0f);
    EXPECT_GT(atm.T, 0.0f);
}

TEST_F(Atmosphere, AbsurdTemperaturesAndHeightsStayFinite)
{
    for (float t : {-1000.0f, -459.67f, 1e9f, NAN}) {
        atm.temp_SL = t;
        for (float h : {-1e5f, 0.0f, 30000.0f, 1e7f, NAN}) {
            air_state(h);
            EXPECT_TRUE(std::isfinite(atm.rho) && std::isfinite(atm.a) && std::isfinite(atm.T))
                << t << " " << h;
            EXPECT_GT(atm.T, 0.0f);
        }
    }
    air_gravity(0.0f);
    EXPECT_NEAR(atm.g, 9.798279f, 1e-5f);
    air_gravity(10000.0f);
    EXPECT_LT(atm.g, 9.798279f);
    air_gravity(-1e9f);
    EXPECT_TRUE(std::isfinite(atm.g));
}

TEST_F(Atmosphere, WindLayersByHeight)
{
    EXPECT_EQ(wind_index(0.0f), 0);
    EXPECT_EQ(wind_index(304.7f), 0);
    EXPECT_EQ(wind_index(304.8f), 1);
    EXPECT_EQ(wind_index(2133.5f), 5);
    EXPECT_EQ(wind_index(4571.9f), 7);
    EXPECT_EQ(wind_index(4572.0f), 8);
    EXPECT_EQ(wind_index(-100.0f), 0);
    EXPECT_EQ(wind_index(1e6f), 8);
}
