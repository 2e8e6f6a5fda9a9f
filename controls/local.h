// Inside the controls only.
#pragma once
#include "controls/controls.h"

// Forgets the device reading's remembered buttons and the brake request.
void controls_reset_device();
// Forgets that the stick shaker runs.
void controls_reset_forces();

// ---------------------------------------------------------------- autopilot
// Each writes the yoke values of its axis when its modes are on (g is the
// gain of autopilot_gain); see autopilot.cpp.
void autopilot_lateral(float g);
void autopilot_vertical(float g);
void autopilot_throttle();
// Forgets the vertical modes' integral and the auto-throttle's last command.
void controls_reset_autopilot();
// The stall speed in knots the gain and augmentation are scheduled from.
float stall_speed_kt();
