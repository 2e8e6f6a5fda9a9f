// Controls: the input device (joystick, mouse or a script), the control
// mapping from stick to surfaces, the autopilot, stability augmentation
// and the force-feedback dispatcher.
#pragma once
#include "common/common.h"
#include "records/records.h"

// set.controls_type values: 2 joystick, 3 mouse flying, and a script
// (the batch runner) giving the inputs through set_scripted_input.
enum { CONTROLS_JOYSTICK = 2, CONTROLS_MOUSE = 3, CONTROLS_SCRIPTED = 4 };

// ---------------------------------------------------------------- calls upward
// The panel levers and brake light the controls move, registered by the
// program at start-up; a null member does nothing. Call sites use
// `controls_calls`.
struct ControlsCallbacks {
    void (*handle)(int kind, int row);   // lever `kind` (175 trim, 177 speed brake) to pixel row
    void (*plotbrakes)();                // redraw the brake light from ins.brake_on
};
void set_controls_callbacks(const ControlsCallbacks *callbacks);
extern ControlsCallbacks controls_calls;

// Sends one force-feedback request to the stick with its arguments limited
// to the ranges above (a NaN counts as 0); nothing comes back, and nothing
// happens without a force-feedback stick.
void forcecall(int kind, float a, float b, float c);
// The stick shaker, after each stall-warning update: shakes the stick
// (kind 25, 100 and 10) when the warning comes on for an aircraft with a
// shaker or a wing root stalls, and stops it (27) when both have ended.
// Reads: flt.stall_warn, flt.stalled, pln.ff_stickshaker.
void stall_shaker();

// ---------------------------------------------------------------- device
// Reads the input device of set.controls_type into pitch, roll, yaw
// (-1..1, pull back, right, right pedal positive) and throttle: the mouse
// (only while msc.mouse_is_joy; otherwise the values are left alone),
// joystick 1 with its buttons (a brake; c, d, b throttle steps of piston
// helicopters), or the scripted values. Calibration offsets are the
// caller's.
// Reads: set.controls_type, set.recip_hel_thrt_type, msc.mouse_is_joy,
// msc.mx, msc.my, pln.is_heli, pln.entype.
// Writes: ins.brake_on (button a), flt.throtrequest (helicopter buttons).
void MACIBM_getjoy(float *joy_ptch, float *joy_roll, float *joy_hdng, float *joy_thro);
// The inputs MACIBM_getjoy returns in scripted mode: pitch, roll, yaw
// -1..1 with the joystick's signs, throttle 0..1 (limited on entry).
void set_scripted_input(float ptch, float roll, float hdng, float thro);
// Neutral-position calibration: zeroes set.OSptch/OSroll/OShdng, then,
// with a joystick, stores the average of 100 readings in them.
void cal_stick();
// Moves *dat toward 0 by `null` without crossing 0 (the dead zone).
void nullzone(float *dat, float null);
// Stores a changed wheel-brake request in ins.brake_on and redraws the
// brake light; an unchanged one is left alone (the panel may have set it).
void button_brake(int newbrake);

// ---------------------------------------------------------------- flight-mode window
// Four level blocks at x 21, y = 198 - 14 c (c = 1..4): block c lit when
// the sensitivity set.joy_rat exceeds 0.5625 + 0.125 (c - 1). Drawn into
// the flight-mode window (8) when it is open, else nothing.
void up_joy();
// Four level blocks at x 21, y = 100 - 14 c: block c lit while the damping
// set.damp is below 0.875 - 0.25 (c - 1) (the less damping, the more lit).
void up_damp();

// ---------------------------------------------------------------- per frame
// The per-frame control step, before the flight step: device, dead zone,
// pedal detection, sensitivity, autopilot, stability augmentation,
// failures and trim, then the surface deflections and the touchdown
// automatics.
// Reads: set (controls_type, joy_rat, OS*), msc (prd, est_Vs), ott, nav,
// env.mvar, ins.dg_drift, rel (ail, elv, rud, hyd_rat), pln, flt state.
// Writes: set (YK*, CT*, nwheel_steer_type), flt (trim, lailndef, railndef,
// lsplrdef, rsplrdef, ldruddef, rdruddef, lhstbdef, rhstbdef, ruddef,
// elevcyclic, ailncyclic, proppitch[1], sbrk), pln.sin/cos_vertcant,
// ins.brake_on.
void control();
// The autopilot's authority 0.1..1 at indicated airspeed vind_kt: full at
// the stall speed, falling with the square of the speed toward Vne.
float autopilot_gain(float vind_kt);
// Forgets every remembered state of control and the device reading (pedal
// extremes, vertical-mode integral, auto-throttle, buttons, touchdown);
// for a fresh run (tests, the batch runner).
void reset_controls_state();

