// The batch runner's autopilot commands: each engages a mode of the real
// autopilot (controls/autopilot.cpp), which then flies through control()
// in every frame as it does in the simulator.
#include <cmath>

#include "flight/flight.h"
#include "panel/panel.h"
#include "shell/shell.h"
#include "tools/batch/local.h"
#include "world/world.h"

void batch_hold(int kind, float value)
{
    if (!std::isfinite(value))
        return;
    switch (kind) {
    case BH_HEADING:
        // The heading select steers magnetic variation + bug - gyro drift;
        // the bug is set so that this steers the true heading asked for.
        ott.HDSLCT = 1;
        ott.NAV[0] = ott.NAV[1] = 0;
        nav.obs[1] = fltwrap(value - env.mvar + ins.dg_drift, 0.0f, 360.0f);
        break;
    case BH_ALTITUDE:
        ott.ALHOLD = 1;
        ott.VVHOLD = ott.GS2 = 0;
        ott.alhold = value * con.fttomtrs;
        break;
    case BH_VS:
        ott.VVHOLD = 1;
        ott.ALHOLD = ott.GS2 = 0;
        ott.vvhold = value * con.fpmtomsc;
        break;
    case BH_SPEED:
        ott.ASHOLD = 1;
        ott.as_hold = value;
        break;
    // The NAV modes exclude each other and the heading select, as the
    // autopilot's buttons do; the glide slope is a vertical mode.
    case BH_NAV1:
    case BH_NAV2:
        ott.HDSLCT = 0;
        ott.NAV[0] = kind == BH_NAV1;
        ott.NAV[1] = kind == BH_NAV2;
        break;
    case BH_GLIDESLOPE:
        ott.GS2 = 1;
        ott.ALHOLD = ott.VVHOLD = 0;
        break;
    default:
        break;
    }
}

void batch_release()
{
    ott.HDSLCT = ott.NAV[0] = ott.NAV[1] = 0;
    ott.ALHOLD = ott.VVHOLD = ott.GS2 = ott.ASHOLD = 0;
}

// The auto-throttle moves the throttle command; in the simulator the lever
// follows it, here the throttle request does (and ramps start from it).
void batch_autothrottle_follow()
{
    if (!ott.ASHOLD)
        return;
    flt.throtrequest[0] = flt.throtrequest[1] = set.CTthro;
    bst.ctl[BC_THROTTLE] = set.CTthro;
    bst.ramp_s[BC_THROTTLE] = 0.0;
}
