// The lever quadrant's drags: enginecondrag finds the lever whose slot is
// under the mouse, moves its knob to the mouse's row and sets the flight
// command that row stands for; the rows are the LEVER_ constants the
// flight start and the function keys share (docs/panel-layout.md).
#include "panel/local.h"

constexpr int GRAB_HALF_W = 8;        // px each side of a lever's column
constexpr int GRAB_MARGIN = 10;       // px past either end of a slot still grab its knob
constexpr int THROT_GRAB = 7;         // px from a throttle knob's top to where it is held
constexpr int PROP_GRAB = 11;         // the same for propeller and mixture knobs

// Throttle row to its command; past idle, on an aircraft with thrust
// reversers, the reverse zone: reverse thrust at the share of the zone.
static void drag_throttle(int e, int row)
{
    int last = pln.revthrustEQ ? LEVER_THROT_REVERSE : LEVER_THROT_IDLE;
    row = intlim(row, LEVER_THROT_FULL, last);
    ins.throt[e] = row;
    flt.revving_thrust[e] = row > LEVER_THROT_IDLE;
    if (flt.revving_thrust[e])
        flt.throtrequest[e] = interp((float)LEVER_THROT_IDLE, 0.0f, (float)LEVER_THROT_REVERSE, 1.0f, (float)row);
    else
        flt.throtrequest[e] = interp((float)LEVER_THROT_IDLE, 0.0f, (float)LEVER_THROT_FULL, 1.0f, (float)row);
}

// The share 0..1 of the way from row `lo` to row `hi`, the row held
// between them.
static float share(int lo, int hi, int *row)
{
    *row = intlim(*row, intmin2(lo, hi), intmax2(lo, hi));
    return interp((float)lo, 0.0f, (float)hi, 1.0f, (float)*row);
}

static void drag_lever(const Lever &l, int y)
{
    int e = l.engine & 1;
    int row = y;
    switch (l.kind) {
    case LV_THROT:
        drag_throttle(e, y - THROT_GRAB);
        return;
    case LV_COLLECT:   // the rotor's collective is its engines' throttle
        for (int k = 0; k < 2; k++)
            drag_throttle(k, y - THROT_GRAB);
        ins.collect = ins.throt[0];
        return;
    case LV_PROP:
        row = y - PROP_GRAB;
        if (pln.omegamax > pln.omegamin)
            flt.prop[e] = interp(0.0f, pln.omegamin, 1.0f, pln.omegamax, share(LEVER_PROP_LOW, LEVER_PROP_HIGH, &row));
        ins.prop[e] = intlim(row, LEVER_PROP_HIGH, LEVER_PROP_LOW);
        return;
    case LV_MIX:
        row = y - PROP_GRAB;
        flt.mix[e] = share(LEVER_PROP_LOW, LEVER_PROP_HIGH, &row);
        ins.mix[e] = row;
        return;
    case LV_FLAP:
        flt.flaprequest = iround(share(LEVER_FLAP_UP, LEVER_FLAP_FULL, &row) * (float)MAX_FLAP_INDEX);
        ins.flap = row;
        return;
    case LV_SBRK: {
        // Four notches: armed (only with automatic speed brakes), in, half, full.
        int lo = pln.autosbrk ? -1 : 0;
        flt.sbrk = intlim(iround((float)(y - LEVER_SBRK_IN) / (float)LEVER_SBRK_STEP), lo, 2);
        ins.sbrk = LEVER_SBRK_IN + LEVER_SBRK_STEP * flt.sbrk;
        return;
    }
    case LV_SLAT:
        flt.slatrequest = share(LEVER_AUX_IN, LEVER_AUX_OUT, &row);
        ins.slat = row;
        return;
    case LV_SWEEP:
        flt.sweeprequest = share(LEVER_AUX_IN, LEVER_AUX_OUT, &row);
        ins.sweep = row;
        return;
    case LV_VECT:
        flt.vectrequest = iround(share(LEVER_AUX_IN, LEVER_AUX_OUT, &row) * MAX_VECTOR_DEG);
        ins.vect = row;
        return;
    default: {   // the trim wheel, nose down at the top
        float m = pln.hstbtrimmax;
        float s = share(LEVER_TRIM_DN, LEVER_TRIM_UP, &row);
        flt.trim = m > 0.0f ? interp(0.0f, -m, 1.0f, m, s) : 0.0f;
        ins.trim = row;
        return;
    }
    }
}

// The slot's grab rows: a throttle's and a propeller's knob is held below
// its top, so the slot reaches that far further down.
static int in_slot(const Lever &l, int y)
{
    return y >= l.y1 - GRAB_MARGIN && y <= l.y2 + GRAB_MARGIN;
}

// The throttles' part of the quadrant, from the first twin column to the
// second, over the throttle slot.
static int in_throttle_band(int x, int y)
{
    return !panel_is_heli() && pln.entype && x >= osthr + THROT_COL[0] - GRAB_HALF_W &&
           x <= osthr + THROT_COL[1] + GRAB_HALF_W && y >= LEVER_THROT_FULL + THROT_GRAB - GRAB_MARGIN &&
           y <= LEVER_THROT_IDLE + THROT_GRAB + GRAB_MARGIN;
}

void enginecondrag(int x, int y)
{
    Lever l[MAX_LEVERS];
    int n = panel_levers(l);
    int best = -1;
    for (int k = 0; k < n; k++)
        if (abs(x - l[k].x) <= GRAB_HALF_W && in_slot(l[k], y) &&
            (best < 0 || abs(x - l[k].x) < abs(x - l[best].x)))
            best = k;
    if (best >= 0) {
        drag_lever(l[best], y);
    } else if (in_throttle_band(x, y)) {
        // Between a twin's throttles (where the joystick's throttle drags)
        // both move; a single engine's throttle answers anywhere in the band
        // (the function keys drag at the twin's columns).
        for (int e = 0; e < intlim(pln.numen, 1, 2); e++)
            drag_throttle(e, y - THROT_GRAB);
    } else {
        return;
    }
    redraw_levers();
}
