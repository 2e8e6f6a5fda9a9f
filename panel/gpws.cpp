// Ground-proximity calls of a jet: sink rate and pull-up by the descent
// rate for the height above the ground, and gear or terrain low down with
// the gear up; at most one call every 2 s.
#include "panel/local.h"

#include <cmath>

#include "sound/sound.h"

constexpr float GPWS_CEILING_FT = 2500.0f, GPWS_LOW_FT = 500.0f, GPWS_REPEAT_S = 2.0f;

int gpws_call(float agl_ft, float descent_fpm, int gear_up, float speed, float vfe)
{
    if (!(agl_ft >= 0.0f) || agl_ft >= GPWS_CEILING_FT)
        return 0;
    float pull_up = interp(0.0f, 1500.0f, GPWS_CEILING_FT, 7000.0f, agl_ft);
    float sink = interp(0.0f, 1000.0f, GPWS_CEILING_FT, 5000.0f, agl_ft);
    if (descent_fpm > pull_up)
        return SND_PULLUP;
    if (descent_fpm > sink)
        return SND_SINKRATE;
    if (agl_ft < GPWS_LOW_FT && descent_fpm > 0.0f && gear_up)
        return speed <= vfe ? SND_GEAR : SND_TERRAIN;
    return 0;
}

static float last_call_time = -1e9f;

int gpws_sounding()
{
    return msc.tottime >= last_call_time && msc.tottime - last_call_time < GPWS_REPEAT_S;
}

void forget_gpws() { last_call_time = -1e9f; }

void update_GPWS()
{
    if (pln.entype != 3 || !msc.warn_gpws || env.localh <= -999.0f)
        return;
    if (msc.tottime < last_call_time)
        last_call_time = -1e9f;   // a new flight started the clock again
    if (msc.tottime - last_call_time < GPWS_REPEAT_S)
        return;
    float agl = (flt.h - env.localh) * con.mtrstoft;
    float descent = -flt.vu * con.msctofpm;
    int gear_up = pln.retractEQ && !set.gear_handle;
    int call = gpws_call(agl, std::isfinite(descent) ? descent : 0.0f, gear_up, shown_airspeed(), pln.Vfe);
    if (!call)
        return;
    play_buffer(call, 0);
    last_call_time = msc.tottime;
}
