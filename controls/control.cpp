// The per-frame control step: device, dead zone, pedal detection,
// sensitivity, autopilot, stability augmentation, failures and trim, then
// the surface deflections and the automatics of touchdown. The autopilot's
// laws are in autopilot.cpp, the device in joystick.cpp.
#include <cmath>

#include "controls/local.h"
#include "files/files.h"
#include "flight/flight.h"

// Raw axes of the last reading: pitch, roll, yaw -1..1, throttle 0..1.
static float joy_ptch, joy_roll, joy_hdng, joy_thro;
// Extremes of the yaw axis seen so far; lo > hi until the first reading.
static float hdng_lo = 2.0f, hdng_hi = -2.0f;
// Ground contact and reverse thrust of the previous frame.
static int old_onground, old_revtrhust;
// The augmentation's own commands of the last frame (-1..1), before the
// hydraulics, failures and trim act on them: integrating the final
// command instead would add the trim again every frame and run the
// command to a stop, and a hydraulic loss would shrink it frame by frame.
static float aug_ptch, aug_hdng, aug_roll;

constexpr float DEAD_ZONE = 0.01f;
constexpr float PEDAL_TRAVEL = 0.5f;        // yaw travel that shows rudder pedals
constexpr float HELI_RATIO_AT_VNE = 1.5f;   // helicopters' sensitivity at Vne
constexpr float SAS_GROUND_MSC = 10.0f;     // no augmentation on the ground below this
constexpr float SAS_YAW_FADE_KT = 60.0f;    // yaw rate command fades in up to here

void reset_controls_state()
{
    joy_ptch = joy_roll = joy_hdng = joy_thro = 0.0f;
    hdng_lo = 2.0f;
    hdng_hi = -2.0f;
    old_onground = old_revtrhust = 0;
    aug_ptch = aug_hdng = aug_roll = 0.0f;
    controls_reset_device();
    controls_reset_autopilot();
    controls_reset_forces();
}

// Device, offsets, dead zone and the rudder-pedal latch.
static void read_inputs()
{
    MACIBM_getjoy(&joy_ptch, &joy_roll, &joy_hdng, &joy_thro);
    if (set.controls_type != CONTROLS_MOUSE) {
        joy_ptch -= set.OSptch;
        joy_roll -= set.OSroll;
        joy_hdng -= set.OShdng;
    }
    nullzone(&joy_ptch, DEAD_ZONE);
    nullzone(&joy_hdng, DEAD_ZONE);
    nullzone(&joy_roll, DEAD_ZONE);
    hdng_lo = fltmin2(hdng_lo, joy_hdng);
    hdng_hi = fltmax2(hdng_hi, joy_hdng);
    if (hdng_hi - hdng_lo > PEDAL_TRAVEL)
        set.nwheel_steer_type = 1;   // the nose wheel follows the pedals
}

// Stick times the sensitivity ratio; a helicopter's grows with speed.
static void yoke_values()
{
    float ratio = set.joy_rat;
    if (pln.is_heli && pln.Vne > 0.0f)
        ratio = interp(0.0f, set.joy_rat, pln.Vne, HELI_RATIO_AT_VNE, flt.vind);
    set.YKptch = joy_ptch * ratio;
    set.YKroll = joy_roll * ratio;
    set.YKhdng = joy_hdng * (pln.is_heli ? 1.0f : ratio);
    set.YKthro = joy_thro;
}

// Blend of the pilot's command into the augmented rate command: b 1 is
// the pilot alone (fast), 0 the augmentation alone. A zero blend range
// switches at ASloV.
static float sas_blend()
{
    if (pln.ASdelV > 0.0f)
        return fltlim((flt.vind - pln.ASloV) / pln.ASdelV, 0.0f, 1.0f);
    return flt.vind >= pln.ASloV ? 1.0f : 0.0f;
}

// Rate-command augmentation of each axis: the command integrates the error
// between the stick's rate demand and the body rate, damped by the rate's
// acceleration; pitch also leans against the angle of attack.
static void stability_augmentation(float g)
{
    float b = sas_blend(), dt = msc.prd;
    float s = fltlim(flt.vind, 0.0f, stall_speed_kt());
    float pitch_rate = ((set.YKptch * pln.ASmaxptch - flt.Q) - s * flt.Alpha * 0.005f) * pln.ASp1 - flt.Qdot * pln.ASp2;
    aug_ptch = set.YKptch * b + (pitch_rate * dt * g + aug_ptch) * (1.0f - b);
    float h = 1.0f - fltlim(flt.vind / SAS_YAW_FADE_KT, 0.0f, 1.0f);
    float coord = -(flt.R * 0.05f + (flt.Beta - set.YKhdng * 10.0f) * 0.05f) * g * (1.0f - h);
    float yaw_rate = (set.YKhdng * pln.ASmaxhdng - flt.R) * pln.ASh1 - flt.Rdot * pln.ASh2;
    aug_hdng = set.YKhdng * b + (coord + (yaw_rate * dt * g * h + aug_hdng) * h) * (1.0f - b);
    float roll_rate = (set.YKroll * pln.ASmaxroll - flt.P) * pln.ASr1 - flt.Pdot * pln.ASr2;
    aug_roll = set.YKroll * b + (roll_rate * dt * g + aug_roll) * (1.0f - b);
    aug_ptch = std::isfinite(aug_ptch) ? fltlim(aug_ptch, -1.0f, 1.0f) : 0.0f;
    aug_hdng = std::isfinite(aug_hdng) ? fltlim(aug_hdng, -1.0f, 1.0f) : 0.0f;
    aug_roll = std::isfinite(aug_roll) ? fltlim(aug_roll, -1.0f, 1.0f) : 0.0f;
    set.CTptch = aug_ptch;
    set.CThdng = aug_hdng;
    set.CTroll = aug_roll;
}

static void commands(float g)
{
    set.YKptch = fltlim(set.YKptch, -1.0f, 1.0f);
    set.YKroll = fltlim(set.YKroll, -1.0f, 1.0f);
    set.YKhdng = fltlim(set.YKhdng, -1.0f, 1.0f);
    set.YKthro = fltlim(set.YKthro, 0.0f, 1.0f);
    if (pln.ASeq && flt.vind <= pln.AShiV && !(flt.onground && flt.v < SAS_GROUND_MSC)) {
        stability_augmentation(g);
    } else {
        set.CTptch = aug_ptch = set.YKptch;
        set.CTroll = aug_roll = set.YKroll;
        set.CThdng = aug_hdng = set.YKhdng;
    }
    set.CTthro = set.YKthro;
    // Hydraulics scale every surface; a failed one stays at neutral.
    set.CTptch = fltlim(set.CTptch, -1.0f, 1.0f) * rel.hyd_rat * (rel.elv ? 1.0f : 0.0f);
    set.CThdng = fltlim(set.CThdng, -1.0f, 1.0f) * rel.hyd_rat * (rel.rud ? 1.0f : 0.0f);
    set.CTroll = fltlim(set.CTroll, -1.0f, 1.0f) * rel.hyd_rat * (rel.ail ? 1.0f : 0.0f);
    set.CTthro = fltlim(set.CTthro, 0.0f, 1.0f);
    // Without a flying stabiliser the trim biases the elevator (the trim
    // tab works without the elevator's own linkage).
    if (!pln.flying_stab)
        set.CTptch = fltlim(set.CTptch + flt.trim, -1.0f, 1.0f);
}

static void ailerons_and_spoilers()
{
    float roll = set.CTroll;
    flt.lailndef = flt.railndef = 0.0f;
    if (pln.ailnEQ) {
        // The up-going aileron is on the side the roll goes to.
        flt.lailndef = -roll * (roll >= 0.0f ? pln.ailn_dn : pln.ailn_up) + set.CTptch * pln.ailpitch;
        flt.railndef = roll * (roll >= 0.0f ? pln.ailn_up : pln.ailn_dn) + set.CTptch * pln.ailpitch;
    }
    flt.lsplrdef = flt.rsplrdef = 0.0f;
    if (pln.splrEQ) {
        if (roll >= 0.0f)
            flt.rsplrdef = roll * pln.splr_def;
        else
            flt.lsplrdef = -roll * pln.splr_def;
    }
    flt.ldruddef = flt.rdruddef = 0.0f;
    if (pln.drudEQ) {
        flt.ldruddef = fltmax2(0.0f, -set.CThdng * pln.drud_def);
        flt.rdruddef = fltmax2(0.0f, set.CThdng * pln.drud_def);
    }
}

static void tail_and_rotors()
{
    float p = set.CTptch, e;
    if (pln.xarm[4][0] >= 0.0f)   // stabiliser behind the reference point
        e = p * (p > 0.0f ? pln.elev_up : pln.elev_dn);
    else                          // a canard moves the other way
        e = -p * (p <= 0.0f ? pln.elev_up : pln.elev_dn);
    flt.lhstbdef = e - set.CTroll * pln.stabroll;
    flt.rhstbdef = e + set.CTroll * pln.stabroll;
    flt.ruddef = set.CThdng * pln.rudd_def;
    flt.elevcyclic = flt.ailncyclic = 0.0f;
    if (pln.is_heli || (pln.vectEQ && pln.entype != 3)) {
        flt.elevcyclic = pln.elevcyclic * p;
        flt.ailncyclic = pln.ailncyclic * set.CTroll;
    }
    if (pln.is_heli) {
        float lo = pln.minpitch[1], hi = pln.maxpitch[1];
        if (pln.propdir[0] > 0.0f) {
            lo = pln.maxpitch[1];
            hi = pln.minpitch[1];
        }
        flt.proppitch[1] = interp(-1.0f, lo, 1.0f, hi, set.CThdng);
    }
}

// Engine cant may change in flight (thrust vectoring): its sines follow.
static void engine_cant()
{
    for (int e = 0; e < 2; e++) {
        pln.sin_vertcant[e] = sinf(pln.vertcant[e] * con.degtorad);
        pln.cos_vertcant[e] = cosf(pln.vertcant[e] * con.degtorad);
    }
}

// Armed speed brakes deploy on touchdown or when reverse thrust starts;
// auto-brakes come on at touchdown.
static void touchdown_automatics()
{
    int touchdown = flt.onground && !old_onground;
    int reversing = flt.revving_thrust[0] || flt.revving_thrust[1];
    if ((touchdown || (reversing && !old_revtrhust)) && pln.autosbrk && flt.sbrk == -1) {
        flt.sbrk = 2;
        controls_calls.handle(177, 483);
    }
    if (touchdown && pln.autobrk && !ins.brake_on) {
        ins.brake_on = 1;
        controls_calls.plotbrakes();
    }
    old_onground = flt.onground;
    old_revtrhust = reversing;
}

void control()
{
    read_inputs();
    yoke_values();
    float g = autopilot_gain(flt.vind);
    autopilot_lateral(g);
    autopilot_vertical(g);
    autopilot_throttle();
    commands(g);
    ailerons_and_spoilers();
    tail_and_rotors();
    engine_cant();
    touchdown_automatics();
}
