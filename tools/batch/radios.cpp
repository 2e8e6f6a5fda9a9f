// The batch runner's radio commands: the frequencies and course selectors
// a pilot sets on the radio stack, tuned through the panel's own setnav.
#include <cmath>

#include "panel/panel.h"
#include "tools/batch/local.h"

void batch_tune(int which, float value)
{
    if (!std::isfinite(value))
        return;
    if (which == BT_ADF) {
        int khz = intlim((int)lroundf(value), 0, 999);
        nav.adf1 = khz / 100;
        nav.adf2 = khz / 10 % 10;
        nav.adf3 = khz % 10;
        setnav(RADIO_ADF, 0, 0);
        return;
    }
    int r = which == BT_NAV2 ? 1 : 0;
    // Hundredths from the rounded whole, so 111.70 is 111 and 70 whatever
    // the float holds.
    long cents = lroundf(value * 100.0f);
    nav.nf[r] = (int)(cents / 100);
    nav.nf100[r] = (int)(cents % 100);
    setnav(r == 0 ? RADIO_NAV1 : RADIO_NAV2, 0, 0);
}

void batch_obs(int r, float deg)
{
    if (std::isfinite(deg))
        nav.obs[intlim(r, 0, 1)] = wrap360(deg);
}
