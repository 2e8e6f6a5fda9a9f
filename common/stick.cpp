// Joystick 1 over SDL: presence, its axes and buttons in the ranges of the
// stick driver the controls' formulas expect, and the force-feedback stick
// as SDL haptic effects (best effort; nothing is read back). The mapping
// of axes to controls and the force kinds are the controls' own.
#include "common/local.h"

#include <SDL2/SDL.h>

static SDL_Joystick *stick;
static SDL_Haptic *haptic;
static int stick_port = 1;            // 1-based, as the start-up names it

// One SDL effect per kind of force; -1 until first uploaded.
enum { SLOT_SPRING, SLOT_XVIB, SLOT_YVIB, SLOT_BUFFET, SLOT_JOLT, NSLOTS };
static int effect_id[NSLOTS] = {-1, -1, -1, -1, -1};
// The two centring springs share one condition effect: offset and
// strength per axis, percent.
static int spring_offset[2], spring_coeff[2];

constexpr int SDL_PER_PERCENT = 327;     // 32767 / 100: SDL levels are Sint16
constexpr int BUFFET_PERIOD_MS = 70;     // a rough 14 Hz airframe shake

int joystick_state()
{
    int forced = test_joystick_override();
    if (forced >= 0)
        return forced;
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return JOY_NO_SUPPORT;
    if (SDL_NumJoysticks() <= 0)
        return JOY_NONE_PLUGGED;
    SDL_Joystick *j = SDL_JoystickOpen(0);
    if (!j)
        return JOY_OPEN_FAILED;
    SDL_JoystickClose(j);
    return JOY_PRESENT;
}

void ff_set_joystick_port(int port) { stick_port = port; }

void ff_init_stick(int mode)
{
    (void)mode;
    if (stick || test_joystick_override() >= 0 || SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return;
    stick = SDL_JoystickOpen(stick_port - 1);
    if (stick && SDL_JoystickIsHaptic(stick) == 1 && SDL_InitSubSystem(SDL_INIT_HAPTIC) == 0)
        haptic = SDL_HapticOpenFromJoystick(stick);
}

void ff_enable_forces()
{
    if (haptic && (SDL_HapticQuery(haptic) & SDL_HAPTIC_GAIN))
        SDL_HapticSetGain(haptic, 100);
}

void ff_clear_forces() { ff_effect(FF_CALL_CLEAR, 0, 0, 0); }

void ff_close_stick()
{
    if (haptic)
        SDL_HapticClose(haptic);   // destroys its effects too
    if (stick)
        SDL_JoystickClose(stick);
    haptic = nullptr;
    stick = nullptr;
    for (int s = 0; s < NSLOTS; s++)
        effect_id[s] = -1;
}

// SDL axes run -32768..32767; the driver's 0..65535 is the same travel
// shifted by half. A missing axis rests at the centre.
static int axis_raw(int axis)
{
    if (axis >= SDL_JoystickNumAxes(stick))
        return JOY_RAW_CENTRE;
    return (int)SDL_JoystickGetAxis(stick, axis) + JOY_RAW_CENTRE;
}

int joy_read(int raw[4], int *buttons)
{
    if (test_joystick_override() >= 0)
        return test_joystick_input(raw, buttons);
    for (int a = 0; a < 4; a++)
        raw[a] = JOY_RAW_CENTRE;
    *buttons = 0;
    if (!stick)
        return 0;
    SDL_JoystickUpdate();
    for (int a = 0; a < 4; a++)
        raw[a] = axis_raw(a);
    int nbuttons = SDL_JoystickNumButtons(stick);
    for (int b = 0; b < 4 && b < nbuttons; b++)
        if (SDL_JoystickGetButton(stick, b))
            *buttons |= 1 << b;
    return 1;
}

// Uploads (first time) or updates the effect of a slot and starts it once.
static void run_effect(int slot, SDL_HapticEffect *e)
{
    if (!(SDL_HapticQuery(haptic) & e->type))
        return;
    if (effect_id[slot] < 0)
        effect_id[slot] = SDL_HapticNewEffect(haptic, e);
    else if (SDL_HapticUpdateEffect(haptic, effect_id[slot], e) < 0)
        return;
    if (effect_id[slot] >= 0)
        SDL_HapticRunEffect(haptic, effect_id[slot], 1);
}

static void stop_effect(int slot)
{
    if (effect_id[slot] >= 0)
        SDL_HapticStopEffect(haptic, effect_id[slot]);
}

static void spring(int axis, int offset, int coeff)
{
    spring_offset[axis] = offset;
    spring_coeff[axis] = coeff;
    SDL_HapticEffect e = {};
    e.type = SDL_HAPTIC_SPRING;
    e.condition.type = SDL_HAPTIC_SPRING;
    e.condition.length = SDL_HAPTIC_INFINITY;
    for (int a = 0; a < 2; a++) {
        e.condition.center[a] = (Sint16)(spring_offset[a] * SDL_PER_PERCENT);
        e.condition.right_coeff[a] = e.condition.left_coeff[a] = (Sint16)(spring_coeff[a] * SDL_PER_PERCENT);
        e.condition.right_sat[a] = e.condition.left_sat[a] = (Uint16)(spring_coeff[a] * 2 * SDL_PER_PERCENT);
    }
    run_effect(SLOT_SPRING, &e);
}

// A sine shake along one stick axis (0 x, 1 y); `rate` is in hertz.
static void vibration(int slot, int axis, int magnitude, int rate)
{
    SDL_HapticEffect e = {};
    e.type = SDL_HAPTIC_SINE;
    e.periodic.type = SDL_HAPTIC_SINE;
    e.periodic.direction.type = SDL_HAPTIC_CARTESIAN;
    e.periodic.direction.dir[axis] = 1;
    e.periodic.length = SDL_HAPTIC_INFINITY;
    e.periodic.period = (Uint16)(1000 / (rate > 0 ? rate : 1));
    e.periodic.magnitude = (Sint16)(magnitude * SDL_PER_PERCENT);
    run_effect(slot, &e);
}

static void buffeting(int magnitude)
{
    SDL_HapticEffect e = {};
    e.type = SDL_HAPTIC_SINE;
    e.periodic.type = SDL_HAPTIC_SINE;
    e.periodic.direction.type = SDL_HAPTIC_POLAR;
    e.periodic.direction.dir[0] = 4500;   // diagonal: both axes shake
    e.periodic.length = SDL_HAPTIC_INFINITY;
    e.periodic.period = BUFFET_PERIOD_MS;
    e.periodic.magnitude = (Sint16)(magnitude * SDL_PER_PERCENT);
    run_effect(SLOT_BUFFET, &e);
}

static void jolt(int magnitude, int dir_deg, int ms)
{
    SDL_HapticEffect e = {};
    e.type = SDL_HAPTIC_CONSTANT;
    e.constant.type = SDL_HAPTIC_CONSTANT;
    e.constant.direction.type = SDL_HAPTIC_POLAR;
    e.constant.direction.dir[0] = dir_deg * 100;   // hundredths of a degree
    e.constant.length = (Uint32)ms;
    e.constant.level = (Sint16)(magnitude * SDL_PER_PERCENT);
    run_effect(SLOT_JOLT, &e);
}

void ff_effect(int call, int a, int b, int c)
{
    if (test_note_haptic(call, a, b, c) || !haptic)
        return;
    switch (call) {
    case FF_CALL_XSPRING: spring(0, a, b); break;
    case FF_CALL_YSPRING: spring(1, a, b); break;
    case FF_CALL_XVIBRATION: vibration(SLOT_XVIB, 0, a, c); break;
    case FF_CALL_YVIBRATION: vibration(SLOT_YVIB, 1, a, c); break;
    case FF_CALL_XVIBRATION_CLEAR: stop_effect(SLOT_XVIB); break;
    case FF_CALL_YVIBRATION_CLEAR: stop_effect(SLOT_YVIB); break;
    case FF_CALL_BUFFETING: buffeting(a); break;
    case FF_CALL_BUFFETING_CLEAR: stop_effect(SLOT_BUFFET); break;
    case FF_CALL_JOLT: jolt(a, b, c); break;
    case FF_CALL_CLEAR: SDL_HapticStopAll(haptic); break;
    default: break;
    }
}
