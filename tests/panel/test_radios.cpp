// The radio stack's digit steps: each digit's range and wrap, and the
// retuning every step makes.
#include "panel/panel.h"
#include "tests/flight/radio_fixture.h"

namespace {

using RadioTest = RadioRecordsTest;

TEST_F(RadioTest, DigitsStepWithinTheirRangesAndWrap)
{
    struct Case {
        void (*inc)(int *, int, int);
        int from, step, want;
    } cases[] = {
        {NAVinc, 117, 1, 108}, {NAVinc, 108, -1, 117}, {NAVinc, 111, 1, 112},
        {COMinc, 134, 1, 118}, {COMinc, 118, -1, 134}, {COMinc, 136, 1, 118},   // 136: a preferences value held first
        {HUNinc, 95, 5, 0}, {HUNinc, 0, -5, 95}, {HUNinc, 70, 5, 75}, {HUNinc, 97, 5, 0},
        {HUNinc, 40, 1, 45},
        {ADFinc, 9, 1, 0}, {ADFinc, 0, -1, 9},
        {XPNinc, 7, 1, 0}, {XPNinc, 0, -1, 7}, {XPNinc, 3, 1, 4},
    };
    for (const Case &c : cases) {
        int digit = c.from;
        c.inc(&digit, RADIO_COM1, c.step);
        EXPECT_EQ(digit, c.want) << c.from << " " << c.step;
    }
    nav.vol[0] = 0.95f;
    VOLinc(0, 1);
    EXPECT_EQ(nav.vol[0], 1.0f);
    nav.vol[1] = 0.05f;
    VOLinc(1, -1);
    EXPECT_EQ(nav.vol[1], 0.0f);
}

// Every step retunes: stepping NAV 1's hundredths onto a VOR's frequency
// latches it, stepping off it lets it go; the ADF likewise.
TEST_F(RadioTest, EveryStepRetunes)
{
    int k = 5;
    env.navmsc[k][0] = NAV_VOR;
    env.navmsc[k][1] = 113;
    env.navmsc[k][2] = 60;
    env.navxyz[k][1] = 9000.0f;
    nav.nf[0] = 113;
    nav.nf100[0] = 55;
    HUNinc(&nav.nf100[0], RADIO_NAV1, 5);
    EXPECT_EQ(nav.goodnav[0], 1);
    EXPECT_EQ(nav.vory[0], 9000.0f);
    NAVinc(&nav.nf[0], RADIO_NAV1, 1);
    EXPECT_EQ(nav.goodnav[0], 0);
    env.navmsc[k + 1][0] = NAV_NDB;
    env.navmsc[k + 1][1] = 344;
    env.navxyz[k + 1][0] = -4000.0f;
    nav.adf1 = 3;
    nav.adf2 = 4;
    nav.adf3 = 3;
    ADFinc(&nav.adf3, RADIO_ADF, 1);
    EXPECT_EQ(nav.adfx, -4000.0f);
}

}   // namespace
