// How far the camera sees this frame: the set visibility, thinned as the
// camera nears the base of an overcast and by wisps of cloud drifting past
// there, and cut by storms; the haze and point-light limits that follow
// from it; and the frame period's steps when the camera crosses the cloud
// layer (cloud is cheap to draw, the ground below it is not).
#include "view/local.h"

constexpr float BASE_BAND_M = 50.0f;        // full visibility at least this far below the base
constexpr float WISP_MIN_S = 0.5f, WISP_MAX_S = 3.0f;
constexpr float WISP_IN = 0.1f;             // share of a wisp spent thickening
constexpr float WISP_OUT = 0.2f;            // and clearing
// Haze and light limits as multiples of the visibility.
constexpr float GRND1 = 0.1f, GRND2 = 1.5f, LITE1 = 0.5f, LITE2 = 1.0f, LITE3 = 1.5f;
constexpr float MIN_PRD_S = 0.025f, MAX_PRD_S = 0.1f;

// The wisp passing now: its length and age (s) and the visibility ratio at
// its thickest.
static struct {
    int active;
    float length_s, elapsed_s, depth;
} wisp;

// Cloud-layer state of the last frame, and whether there was one.
static int old_abovetops, old_belowbases, layer_seen;

// Visibility ratio of the wisp this frame (1 when none), advancing it.
static float wisp_factor()
{
    if (!wisp.active) {
        if (!(fltrand(0.0f, 2.0f) < msc.prd))
            return 1.0f;
        wisp.active = 1;
        wisp.length_s = fltrand(WISP_MIN_S, WISP_MAX_S);
        wisp.elapsed_s = 0.0f;
        wisp.depth = fltrand(0.0f, 1.0f);
    }
    float f = wisp.elapsed_s / wisp.length_s, shape;
    if (f < WISP_IN)
        shape = f / WISP_IN;
    else if (f > 1.0f - WISP_OUT)
        shape = (1.0f - f) / WISP_OUT;
    else
        shape = 1.0f;
    wisp.elapsed_s += msc.prd;
    if (wisp.elapsed_s >= wisp.length_s)
        wisp.active = 0;
    return fltlim(1.0f - (1.0f - wisp.depth) * shape, wisp.depth, 1.0f);
}

// Below an overcast the cloud's ragged base thins the view over the last
// stretch below it: full above the ground up to h_full, nothing at the base.
static float base_band_factor()
{
    float base = atm.baseMSL;
    float h_full = fltmax2(base - BASE_BAND_M, 0.5f * (env.localh + base));
    if (!(con.VIEW_loc_z > h_full) || !(base > h_full)) {
        wisp.active = 0;
        return 1.0f;
    }
    float r = fltlim(interp(h_full, 1.0f, base, 0.0f, con.VIEW_loc_z), 0.0f, 1.0f);
    return r * r * wisp_factor();
}

void set_visibility()
{
    float v = atm.vis;
    if (set.viewtype == VIEW_REPLAY && pat.visrat > 0.0f)
        v *= pat.visrat;
    if (!atm.clear && scn.belowbases)
        v *= base_band_factor();
    v /= 1.0f + fltmax2(atm.level, 0.0f);
    if (!(v >= 0.0f))
        v = 0.0f;
    atm.vis_effective = v;
    atm.vis1_grnd = GRND1 * v;
    atm.vis2_grnd = GRND2 * v;
    atm.vis1_lite = LITE1 * v;
    atm.vis2_lite = LITE2 * v;
    atm.vis3_lite = LITE3 * v;
}

void cloud_layer_period()
{
    if (atm.clear) {
        layer_seen = 0;
        return;
    }
    if (layer_seen) {
        if (old_abovetops && !scn.abovetops)
            msc.prd = fltmax2(msc.prd * 0.5f, MIN_PRD_S);
        else if (!old_abovetops && scn.abovetops)
            msc.prd = fltmin2(msc.prd * 2.0f, MAX_PRD_S);
        if (old_belowbases && !scn.belowbases)
            msc.prd = fltmax2(msc.prd * 0.25f, MIN_PRD_S);
        else if (!old_belowbases && scn.belowbases)
            msc.prd = fltmin2(msc.prd * 4.0f, MAX_PRD_S);
    }
    old_abovetops = scn.abovetops;
    old_belowbases = scn.belowbases;
    layer_seen = 1;
}

void reset_visibility_state()
{
    wisp.active = 0;
    layer_seen = 0;
}
