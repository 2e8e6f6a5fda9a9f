// Force feedback: the dispatcher every user of the stick's forces calls.
// It limits the arguments of each kind and hands them to the stick's
// library calls (common/stick.cpp); nothing comes back.
#include <cmath>

#include "controls/local.h"
#include "files/files.h"
#include "flight/flight.h"

// The stick shaker is running.
static int shaking;

constexpr float SHAKER_MAGNITUDE = 100.0f;
constexpr float SHAKER_RATE = 10.0f;

// The argument limited to lo..hi and truncated; a NaN counts as 0.
static int arg(float x, float lo, float hi)
{
    return std::isfinite(x) ? (int)fltlim(x, lo, hi) : (int)fltlim(0.0f, lo, hi);
}

void forcecall(int kind, float a, float b, float c)
{
    switch (kind) {
    case FF_SPRING: {
        int s = arg(c, 0.0f, 100.0f);
        ff_effect(FF_CALL_XSPRING, arg(a, -100.0f, 100.0f), s, s);
        ff_effect(FF_CALL_YSPRING, arg(b, -100.0f, 100.0f), s, s);
        break;
    }
    case FF_X_VIBRATION:
    case FF_Y_VIBRATION: {
        int m = arg(a, 0.0f, 100.0f);
        ff_effect(kind == FF_X_VIBRATION ? FF_CALL_XVIBRATION : FF_CALL_YVIBRATION, m, m,
                  arg(b, 0.0f, 50.0f));
        break;
    }
    case FF_X_VIBRATION_CLEAR: ff_effect(FF_CALL_XVIBRATION_CLEAR, 0, 0, 0); break;
    case FF_Y_VIBRATION_CLEAR: ff_effect(FF_CALL_YVIBRATION_CLEAR, 0, 0, 0); break;
    case FF_BUFFETING: ff_effect(FF_CALL_BUFFETING, arg(a, 0.0f, 100.0f), 0, 0); break;
    case FF_BUFFETING_CLEAR: ff_effect(FF_CALL_BUFFETING_CLEAR, 0, 0, 0); break;
    case FF_JOLT: {
        // Any direction, wrapped whole degrees 0..359.
        int dir = std::isfinite(b) ? deg_index(b) : 0;
        ff_effect(FF_CALL_JOLT, arg(a, 0.0f, 100.0f), dir, arg(c, 0.0f, 2500.0f));
        break;
    }
    case FF_CLEAR: ff_effect(FF_CALL_CLEAR, 0, 0, 0); break;
    default: break;   // not a force kind: nothing to do
    }
}

void controls_reset_forces() { shaking = 0; }

void stall_shaker()
{
    int on = (pln.ff_stickshaker && flt.stall_warn) || flt.stalled[2] || flt.stalled[3];
    if (on == shaking)
        return;
    shaking = on;
    if (on)
        forcecall(FF_Y_VIBRATION, SHAKER_MAGNITUDE, SHAKER_RATE, 0.0f);
    else
        forcecall(FF_Y_VIBRATION_CLEAR, 0.0f, 0.0f, 0.0f);
}
