// Reading the input device: the mouse, joystick 1 with its buttons, or the
// inputs of a script; the neutral-position calibration, the dead zone and
// the wheel-brake button. The mapping to surfaces is in control.cpp.
#include <cmath>

#include "controls/local.h"
#include "files/files.h"
#include "flight/flight.h"

// Previous states of buttons a..d, for new presses.
static int o_but_a, o_but_b, o_but_c, o_but_d;
// The last wheel-brake request of button_brake.
static int old_joy_brake;
// The inputs a script gave last (CONTROLS_SCRIPTED).
static float script_ptch, script_roll, script_hdng, script_thro;

// Mouse flying: the pointer's offset from the view's centre, in hundreds
// of pixels, is the stick; the rudder follows the ailerons a little.
constexpr float MOUSE_CENTRE_X_PX = 400.0f, MOUSE_CENTRE_Y_PX = 127.0f;
constexpr float MOUSE_PX_PER_FULL = 100.0f;
constexpr float MOUSE_YAW_PER_ROLL = 0.3f;
constexpr int CALIBRATION_READINGS = 100;
constexpr float HELI_THROTTLE_STEP = 0.1f;   // per press of c or d

void controls_reset_device()
{
    o_but_a = o_but_b = o_but_c = o_but_d = 0;
    old_joy_brake = 0;
    script_ptch = script_roll = script_hdng = script_thro = 0.0f;
}

void nullzone(float *dat, float null)
{
    if (*dat > null)
        *dat -= null;
    else if (*dat < -null)
        *dat += null;
    else
        *dat = 0.0f;
}

void button_brake(int newbrake)
{
    if (newbrake == old_joy_brake)
        return;
    old_joy_brake = newbrake;
    ins.brake_on = newbrake;
    controls_calls.plotbrakes();
}

void set_scripted_input(float ptch, float roll, float hdng, float thro)
{
    // A NaN from a script must not reach the flight state.
    script_ptch = std::isfinite(ptch) ? fltlim(ptch, -1.0f, 1.0f) : 0.0f;
    script_roll = std::isfinite(roll) ? fltlim(roll, -1.0f, 1.0f) : 0.0f;
    script_hdng = std::isfinite(hdng) ? fltlim(hdng, -1.0f, 1.0f) : 0.0f;
    script_thro = std::isfinite(thro) ? fltlim(thro, 0.0f, 1.0f) : 0.0f;
}

// Throttle buttons of piston helicopters: c down a step, d up a step, b
// with c to idle, b with d to full.
static void helicopter_throttle_buttons(int b, int c, int d)
{
    float *t = flt.throtrequest;
    if (b && c)
        t[0] = t[1] = 0.0f;
    else if (b && d)
        t[0] = t[1] = 1.0f;
    else if (c && !o_but_c)
        t[0] = t[1] = t[0] - HELI_THROTTLE_STEP;
    else if (d && !o_but_d)
        t[0] = t[1] = t[0] + HELI_THROTTLE_STEP;
    t[0] = t[1] = fltlim(t[0], 0.0f, 1.0f);
}

static void joystick_buttons(int mask)
{
    int a = (mask & 1) != 0, b = (mask & 2) != 0, c = (mask & 4) != 0, d = (mask & 8) != 0;
    button_brake(a);
    if (pln.is_heli && pln.entype == 1 && set.recip_hel_thrt_type == 1)
        helicopter_throttle_buttons(b, c, d);
    o_but_a = a;
    o_but_b = b;
    o_but_c = c;
    o_but_d = d;
}

// The stick driver's 0..65535 axes: centre 32767.5 is 0, the throttle
// axis runs backwards and overshoots both stops by a tenth.
static void read_joystick(float *ptch, float *roll, float *hdng, float *thro)
{
    int raw[4], mask;
    joy_read(raw, &mask);
    *roll = fltlim(raw[0] / 32767.0f - 1.0f, -1.0f, 1.0f);
    *ptch = fltlim(raw[1] / 32767.0f - 1.0f, -1.0f, 1.0f);
    *thro = fltlim(1.1f - raw[2] / 65537.0f * 1.2f, -1.0f, 1.0f);
    *hdng = fltlim(raw[3] / 32767.0f - 1.0f, -1.0f, 1.0f);
    joystick_buttons(mask);
}

void MACIBM_getjoy(float *joy_ptch, float *joy_roll, float *joy_hdng, float *joy_thro)
{
    if (set.controls_type == CONTROLS_SCRIPTED) {
        *joy_ptch = script_ptch;
        *joy_roll = script_roll;
        *joy_hdng = script_hdng;
        *joy_thro = script_thro;
    } else if (set.controls_type == CONTROLS_MOUSE) {
        if (!msc.mouse_is_joy)
            return;
        *joy_ptch = (msc.my - MOUSE_CENTRE_Y_PX) / MOUSE_PX_PER_FULL;
        *joy_roll = (msc.mx - MOUSE_CENTRE_X_PX) / MOUSE_PX_PER_FULL;
        *joy_hdng = *joy_roll * MOUSE_YAW_PER_ROLL;
        *joy_thro = 0.0f;
    } else {
        read_joystick(joy_ptch, joy_roll, joy_hdng, joy_thro);
    }
}

void cal_stick()
{
    set.OSptch = set.OSroll = set.OShdng = 0.0f;
    if (set.controls_type != CONTROLS_JOYSTICK)
        return;   // the mouse and a script have no rest offset
    float sp = 0.0f, sr = 0.0f, sh = 0.0f;
    for (int i = 0; i < CALIBRATION_READINGS; i++) {
        float p = 0.0f, r = 0.0f, h = 0.0f, t = 0.0f;
        MACIBM_getjoy(&p, &r, &h, &t);
        sp += p;
        sr += r;
        sh += h;
    }
    set.OSptch = sp / CALIBRATION_READINGS;
    set.OSroll = sr / CALIBRATION_READINGS;
    set.OShdng = sh / CALIBRATION_READINGS;
}
