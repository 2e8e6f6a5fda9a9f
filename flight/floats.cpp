// Floats on the water: buoyancy of the submerged side profile, the planing
// lift of a float moving over the water, water drag and side force, each
// float riding the waves at its own phase.
#include <cmath>

#include "flight/local.h"

// Water drag coefficient: 0.04 at rest falling to 0.01 at 20 m/s (planing).
static float water_cd(float v) { return fltmax2(interp(0.0f, 0.04f, 20.0f, 0.01f, v), 0.01f); }

void float_force(float h, float xarm, float yarm, float zarm, float semilength, float width, float noseup)
{
    float L = semilength;
    if (!(L > 0.001f) || !(width > 0.0f) || !std::isfinite(h))
        return;   // a float of no size carries nothing
    float h1 = h - L * flt.sinthe - noseup, h2 = h + L * flt.sinthe;   // bow, stern depths
    if (h1 < 0.0f && h2 < 0.0f)
        return;
    float Sdisp, Xdisp, Lw, Xw, hmax = fltmax2(h1, h2);
    if (h1 >= 0.0f && h2 >= 0.0f) {
        float rect = 2.0f * L * fltmin2(h1, h2), tri = L * fabsf(h1 - h2);
        float tri_x = h2 > h1 ? L / 3.0f : -L / 3.0f;   // toward the deeper end (x aft)
        Sdisp = rect + tri;
        Xdisp = Sdisp > 0.0f ? tri * tri_x / Sdisp : 0.0f;
        Lw = 2.0f * L;
        Xw = 0.0f;
    } else {
        // One end out: the waterline crosses where the depth is zero.
        float xv = flight_lerp(h1, -L, h2, L, 0.0f);
        int stern_wet = h2 > 0.0f;
        Lw = stern_wet ? L - xv : xv + L;
        Xw = stern_wet ? (xv + L) * 0.5f : (xv - L) * 0.5f;
        Sdisp = 0.5f * Lw * hmax;
        Xdisp = stern_wet ? xv + Lw * 2.0f / 3.0f : xv - Lw * 2.0f / 3.0f;
    }
    Lw = fltmax2(Lw, 0.001f);
    float v = flt.v, rw = con.rho_h20;
    float Qs = 0.5f * rw * v * v * Sdisp;
    float B = Sdisp * width * rw * con.g;
    float Mf = rw * width * hmax * v * (v * hmax / Lw - flt.vu + (xarm + Xdisp) * flt.Qrad + yarm * flt.Prad);
    float drag = water_cd(v) * Qs;
    float side = flt.sinbeta * Qs;
    if (!(std::isfinite(B) && std::isfinite(Mf) && std::isfinite(drag) && std::isfinite(side)))
        return;
    addFngear(B, xarm + Xdisp, yarm);
    addFngear(Mf, xarm + Xw, yarm);
    addFsgear(side, xarm + Xw, zarm);
    addFagear(-drag, yarm, zarm);
}

// Wave phase offset of a float's place along one speed component; a still
// component gives the float no offset along it.
static float phase_part(float offset, float speed)
{
    return fabsf(speed) > 0.1f ? offset / speed : offset / 9999.0f;
}

void water_floats()
{
    float hp = flt.hpath * con.degtorad, wd = atm.wave_dir * con.degtorad;
    float vn = flt.v * cosf(hp) + cosf(wd) * atm.wave_speed;
    float ve = flt.v * sinf(hp) + sinf(wd) * atm.wave_speed;
    float freq = atm.wave_length > 0.01f ? pythag(vn, ve) / atm.wave_length : 0.0f;
    for (int i = 0; i < N_FLOATS; i++) {
        float fx = pln.floatx[i], fy = pln.floaty[i];
        float xg = -fx * flt.cospsi - fy * flt.sinpsi;
        float yg = fy * flt.cospsi - fx * flt.sinpsi;
        float phase = phase_part(xg, vn) - phase_part(yg, ve);
        float floath = flt.h - fx * flt.sinthe - fy * flt.sinphi + pln.floatz[i] * flt.costhe * flt.cosphi +
                       0.5f * atm.wave_amp * sinf(con.pim2 * (msc.tottime * freq + phase));
        float_force(env.localh - floath, fx, fy, pln.floatz[i], pln.floatl[i], pln.floatw[i], pln.floatnoseup[i]);
    }
}
