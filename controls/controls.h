// Controls: joystick, control mapping, autopilot and force feedback. Only
// the force-feedback dispatcher is here so far.
#pragma once
#include "common/common.h"

// Force-feedback request kinds of forcecall.
enum ForceKind {
    FF_SPRING = 23,          // a x, b y centring (-100..100), c strength 0..100
    FF_X_VIBRATION = 24,     // a 0..100 magnitude, b 0..50 period
    FF_Y_VIBRATION = 25,
    FF_X_VIBRATION_CLEAR = 26,
    FF_Y_VIBRATION_CLEAR = 27,
    FF_BUFFETING = 28,       // a 0..100
    FF_BUFFETING_CLEAR = 29,
    FF_JOLT = 30,            // a 0..100 magnitude, b direction deg, c ms 0..2500
    FF_CLEAR = 31            // stop every effect
};
// Sends one force-feedback request to the stick; nothing comes back, and
// nothing happens without a force-feedback stick.
void forcecall(int kind, float a, float b, float c);
