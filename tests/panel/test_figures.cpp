// The panel's figures: dial laws of the airspeed, altimeter and
// vertical-speed scales, the ground-proximity calls and the ATC reply lamp.
#include "panel_fixture.h"

#include <cmath>

#include "panel/local.h"
#include "sound/sound.h"

TEST_F(PanelTest, DialLawsOfAirspeedAltimeterAndVerticalSpeed)
{
    load("Aircraft/Jet.acf");
    // The compressed dial (type 2): power 0.3 between 60 and 449 kt.
    pln.AStype = 2;
    pln.ASpwr = 0.3f, pln.Vmin = 60.0f, pln.Vmax = 449.0f;
    ins.indtoASI = 330.0f / (powf(449.0f, 0.3f) - powf(60.0f, 0.3f));
    EXPECT_NEAR(asi_deg(100.0f), 65.9f, 0.15f);
    EXPECT_FLOAT_EQ(asi_deg(449.0f), 330.0f);
    EXPECT_FLOAT_EQ(asi_deg(500.0f), 330.0f);       // the stop
    EXPECT_FLOAT_EQ(asi_deg(-40.0f), 0.0f);         // flying backwards: no NaN
    flt.vind = -12.0f;
    EXPECT_FLOAT_EQ(shown_airspeed(), 0.0f);
    flt.vind = 100.0f;
    pln.as_is_kias = 0;                              // a dial in miles per hour
    EXPECT_NEAR(shown_airspeed(), 115.08f, 0.01f);

    flt.h = 2000.0f * con.fttomtrs;
    ins.baro = 30.92f;
    EXPECT_NEAR(shown_altitude_ft(), 3000.0f, 0.5f);
    ins.baro = 29.92f;
    flt.h = 40000.0f;                                // past the drum
    EXPECT_FLOAT_EQ(shown_altitude_ft(), 99999.0f);
    EXPECT_FLOAT_EQ(alt_deg(250.0f), 90.0f);        // a turn a thousand feet

    struct { int dash, vvi_type; float factor, fpm, deg; } VSI[] = {
        {1, 1, 0.08f, 2000.0f, 160.0f}, {1, 1, 0.08f, 9000.0f, 160.0f}, {1, 1, 0.08f, -1000.0f, -80.0f},
        {1, 2, 0.032f, 5000.0f, 160.0f}, {2, 1, 0.0225f, 4000.0f, 90.0f}, {2, 1, 0.0225f, -6000.0f, -90.0f}};
    for (auto &v : VSI) {
        pln.dashtype = v.dash;
        ins.msctoVVI = con.msctofpm * v.factor;
        EXPECT_NEAR(vsi_deg(v.fpm), v.deg, 0.01f) << v.dash << " " << v.fpm;
    }
}

TEST_F(PanelTest, GroundProximityCallsByDescentHeightGearAndSpeed)
{
    struct { float agl, descent; int gear_up; float speed; int call; } CASES[] = {
        {1000.0f, 4000.0f, 0, 200.0f, SND_PULLUP},    // past 1,500 + 5,500 x 0.4 = 3,700 ft/min
        {1000.0f, 3000.0f, 0, 200.0f, SND_SINKRATE},  // past 1,000 + 4,000 x 0.4 = 2,600
        {1000.0f, 2500.0f, 1, 200.0f, 0},
        {400.0f, 500.0f, 1, 150.0f, SND_GEAR},        // at or below Vfe 200
        {400.0f, 500.0f, 1, 230.0f, SND_TERRAIN},
        {400.0f, 500.0f, 0, 150.0f, 0},               // gear down
        {400.0f, -500.0f, 1, 150.0f, 0},              // climbing
        {2600.0f, 9000.0f, 1, 150.0f, 0},             // above 2,500 ft
    };
    for (auto &c : CASES)
        EXPECT_EQ(gpws_call(c.agl, c.descent, c.gear_up, c.speed, 200.0f), c.call) << c.agl << " " << c.descent;

    // In flight: a jet with the warnings on, then the call repeats only after 2 s.
    load("Aircraft/Jet.acf");
    cruise();
    msc.warn_gpws = 1;
    env.localh = 0.0f;
    flt.h = 1000.0f * con.fttomtrs;
    flt.vu = -4000.0f * con.fpmtomsc;
    msc.tottime = 10.0f;
    EXPECT_FALSE(gpws_sounding());
    settle(1);
    EXPECT_TRUE(gpws_sounding());
    msc.tottime = 13.0f;
    EXPECT_FALSE(gpws_sounding());
    msc.warn_gpws = 0;
    updatepanel();
    EXPECT_FALSE(gpws_sounding());
}

TEST_F(PanelTest, AtcReplyLampTakesItsColourByLevel)
{
    load("Aircraft/Trainer.acf");
    cruise();
    settle(1);
    int x = osrad + 499, y = 430;
    ins.reply_time1 = 20.0f;
    ins.reply_time2 = 21.0f;
    struct { float t; int level, color; } STEPS[] = {
        {19.0f, 3, 37}, {19.95f, 1, 38}, {20.12f, 2, 29}, {20.5f, 3, 37}, {21.5f, 0, 11}};
    for (auto &s : STEPS) {
        msc.tottime = s.t;
        updatepanel();
        EXPECT_EQ(ins.reply_level, s.level) << s.t;
        for (int d = 0; d < 4; d++)
            EXPECT_EQ(test_window_pixel(0, x + d % 2, y + d / 2), s.color) << s.t;
    }
}
