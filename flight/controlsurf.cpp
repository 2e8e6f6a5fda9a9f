// Control-surface coefficients: the derivatives per degree of deflection
// worked out once per aircraft load from chord ratio and build quality, the
// loss of effect at large deflection or on a stalled surface, and the
// induced angle of the lift a control adds. The force build-up applies them.
#include <cmath>

#include "flight/local.h"

// Deflection losses of a plain flap-type control past 10 deg (fit to
// wind-tunnel data of plain trailing-edge flaps): deflection (deg) and the
// remaining share of the linear effect.
static const float LOSS_DEF_DEG[] = {10.0f, 15.0f, 20.0f, 30.0f, 40.0f, 50.0f, 60.0f};
static const float LOSS_SHARE[] = {1.0f, 0.98f, 0.86f, 0.68f, 0.60f, 0.55f, 0.50f};
constexpr int N_LOSS_POINTS = 7;
constexpr float STALLED_SHARE = 0.2f;   // a control in separated flow keeps a fifth

static float deflection_share(float def)
{
    if (!(def >= LOSS_DEF_DEG[0]))      // negative, small or NaN: no loss
        return 1.0f;
    for (int k = 1; k < N_LOSS_POINTS; k++)
        if (def < LOSS_DEF_DEG[k])
            return flight_lerp(LOSS_DEF_DEG[k - 1], LOSS_SHARE[k - 1], LOSS_DEF_DEG[k], LOSS_SHARE[k], def);
    return LOSS_SHARE[N_LOSS_POINTS - 1];
}

float effrat(float def, int EN)
{
    EN = flight_part(EN);
    float stall = flt.stalled[EN] ? STALLED_SHARE : 1.0f;
    float share = deflection_share(def);
    if (set.cycout) {
        cyc_printf("The normal stall alpha for this foil is %.2f degrees\n", pln.alphamax[EN]);
        cyc_printf("But the slat alpha-max-increase ratio is %.3f\n", flt.slat_effect[EN]);
        cyc_printf("This gives us a stall alpha after slat effect of %.2f degrees\n", flt.alphamax[EN]);
        cyc_printf("Our stalled surface control-effectiveness multiplier is therefore %.2f\n", stall);
        cyc_printf("Due to the following control-surface deflection of %.2f deg, we encounter an additional "
                   "effectiveness multiplier of %.3f\n", def, share);
    }
    return stall * share;
}

// Lifting-line induced angle cl / (pi AR), in degrees; the aspect ratio is
// held within 5..15, where the relation is good for a control's span.
float induce_alpha(float clmod, float AR)
{
    float ar = std::isfinite(AR) ? fltlim(AR, 5.0f, 15.0f) : 5.0f;
    return clmod / (con.pi * ar) * con.radtodeg;
}

// Share of the theoretical control effect by build quality: 1 non-flush
// rivets and gaps, 2 flush rivets with gaps, 3 flush rivets without gaps.
static float build_share(int con_type)
{
    switch (con_type) {
    case 1: return 0.6f;
    case 2: return 0.7f;
    case 3: return 0.8f;
    default: return 1.0f;
    }
}

void set_con_eff(float rat, float &cl, float &cd, float &cm, int kind)
{
    // Kinds 13 aileron, 17 elevator and 18 rudder keep the plain values.
    enum { ROLL_SPOILER = 14, SPEEDBRAKE = 15, DRAG_RUDDER = 16 };
    float r = std::isfinite(rat) ? rat : 0.0f;
    // Lift per degree of a plain flap of chord ratio r: quadratic fit of
    // thin-airfoil flap effectiveness (per radian) over r 0..1.
    cl = (1.114f + 14.92f * r - 11.58f * r * r) * con.pi / 180.0f * build_share(pln.con_type);
    // Finite span: the control's own induced angle, cl / (pi AR) at AR 8,
    // costs 0.1 lift per degree of it.
    constexpr float SLOPE_PER_DEG = 0.1f, REF_AR = 8.0f;
    cl = cl - (SLOPE_PER_DEG * cl / (REF_AR * con.pi)) * con.radtodeg;
    cd = 0.001f * r;
    cm = -0.0004f + 0.002143f * r + 0.1214f * r * r;   // fit of flap hinge-line moment data
    switch (kind) {
    case ROLL_SPOILER:
        cd *= 2.0f;
        cm *= 0.5f;
        break;
    case DRAG_RUDDER:
        cl = 0.0f;
        cd *= 3.0f;
        cm = 0.0f;
        break;
    case SPEEDBRAKE:
        cd = 1.23f * r / 90.0f;   // flat plate cd 1.23 normal to the flow at full 90 deg
        cm = 0.0f;
        break;
    default:
        break;
    }
}
