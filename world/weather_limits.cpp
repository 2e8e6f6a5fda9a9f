// The limits of the user's weather settings: whatever a window, a
// preferences or situation file or a script put into `atm`, the settings
// are brought into their ranges and the cloud layers placed above the field.
#include "world/world.h"

#include <cmath>

// A setting read from a file or typed in: NaN counts as the low bound.
static float limit(float x, float lo, float hi)
{
    return std::isnan(x) ? lo : fltlim(x, lo, hi);
}

static void limit_clouds()
{
    float ft = con.fttomtrs;
    if (atm.rain_tstm > 1)
        atm.baseMSL = fltmin2(atm.baseMSL, 20000.0f * ft);
    atm.clear = !(atm.baseMSL <= 18000.5f * ft);
    if (!atm.clear) {
        atm.baseMSL = limit(atm.baseMSL, env.fieldh + 50.0f * ft, 18000.0f * ft);
        atm.topsMSL = limit(atm.topsMSL, atm.baseMSL + 2000.0f * ft, 20000.0f * ft);
    } else {
        atm.baseMSL = atm.topsMSL = 20001.0f * ft;
    }
    atm.baseAGL = atm.baseMSL - env.fieldh;
}

void limwx()
{
    limit_clouds();
    atm.vis = limit(atm.vis, 0.2f * con.nmtomtrs, 20.0f * con.nmtomtrs);
    atm.rain_tstm = intlim(atm.rain_tstm, 1, 5);
    atm.wind_tbl = intlim(atm.wind_tbl, 1, 5);
    atm.shear_prob = intlim(atm.shear_prob, 1, 5);
    float max_wind = 99.0f * con.ktstomsc;
    for (int i = 0; i < NWIND_LAYERS; i++) {
        atm.wnddir[i] = wrap360(atm.wnddir[i]);
        atm.shrdir[i] = limit(atm.shrdir[i], 0.0f, 180.0f);
        atm.wndspd[i] = limit(atm.wndspd[i], 0.0f, max_wind);
        atm.shrspd[i] = limit(atm.shrspd[i], 0.0f, max_wind);
        atm.tbl[i] = limit(atm.tbl[i], 0.0f, 9.0f);
    }
    atm.wave_amp = limit(atm.wave_amp, 0.0f, 9.9f);
    atm.wave_length = limit(atm.wave_length, 0.0f, 99.0f);
    atm.wave_speed = limit(atm.wave_speed, 0.0f, 99.0f);
    atm.wave_dir = (int)wrap360((float)atm.wave_dir);
    atm.thermal_part = limit(atm.thermal_part, 0.0f, 0.99f);
    atm.thermal_vvi = limit(atm.thermal_vvi, 0.0f, 999.0f);
    // Far beyond any real day, and keeps every temperature above absolute zero.
    atm.temp_SL = limit(atm.temp_SL, -100.0f, 150.0f);
}
