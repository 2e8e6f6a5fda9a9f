// Wind, gusts, turbulence, thermals and wind shear at the aircraft, and the
// random wind generator.
// New gust and turbulence targets are drawn once every eleven event periods
// and the wind eases toward them, so gusts build and fade over seconds.
#include "flight/flight.h"

#include <cmath>

#include "files/files.h"

constexpr float SMOOTH_NEW = 0.1f;          // share of the target taken per event period
constexpr float FULL_XY_GUSTS_AGL_M = 20.0f;
constexpr float MIN_XY_GUST_FACTOR = 0.25f; // on the ground a quarter still reaches the aircraft
constexpr float FULL_Z_GUSTS_AGL_M = 100.0f;
constexpr float SHEAR_CEILING_AGL_M = 300.0f;
constexpr float SHEAR_START_DRAW = 0.1f;    // a draw in [0, scale] at or below this starts one
constexpr int NEW_TARGET_TICK = 2;          // msc.cntr10 value that draws new targets
constexpr int JET = 3;                      // pln.entype of a jet

static float target_x, target_y, target_z, target_P;  // m/s and deg/s, gust goals
static int shear_type;              // 0 none, 1 headwind, 2 tailwind, 3 microburst
static float shear_start_s, shear_stop_s;   // msc.tottime bounds of the shear
static float shear_spd_mps, shear_vert_mps; // strength and downdraft speed
static float prevailing_deg;        // prevailing direction of the random winds

void transition(float *in, float goal, float newpart)
{
    *in = newpart * goal + (1.0f - newpart) * *in;
}

void reset_weather_state()
{
    target_x = target_y = target_z = target_P = 0.0f;
    shear_type = 0;
    atm.inshear = 0;
}

static float height_agl_m() { return (float)flt.z - env.localh; }

static int cell_has_thermal()
{
    int i = env.i_aircraft, j = env.j_aircraft;
    return intrange(i, 0, MESH_I - 1) && intrange(j, 0, MESH_J - 1) && atm.therm_on_poly[i][j];
}

float vne_kt()
{
    return pln.as_is_kias ? pln.Vne : pln.Vne / con.nm_to_sm;
}

static void draw_gust_targets()
{
    int layer = wind_index(flt.h);
    float spd = atm.wndspd[layer] + atm.shrspd[layer] * fltrand(-1.0f, 1.0f);
    float dir = (float)(int)wrap360((float)env.mvar + atm.wnddir[layer] +
                                    atm.shrdir[layer] * fltrand(-1.0f, 1.0f));
    float storm = 2.0f * fltlim(3.0f * (atm.level - 3.0f), 0.0f, 999.0f);
    float amp = 3.0f * atm.tbl[layer] + storm;
    float amp_roll = 2.0f * atm.tbl[layer] + storm;
    float agl = height_agl_m();
    float fac_xy = fltlim(agl / FULL_XY_GUSTS_AGL_M, MIN_XY_GUST_FACTOR, 1.0f);
    float fac_z = fltlim(agl / FULL_Z_GUSTS_AGL_M, 0.0f, 1.0f);
    float vne = vne_kt();
    float fac_v = vne > 0.0f ? flt.vind / vne : 0.0f;
    float thermal = cell_has_thermal() ? atm.thermal_vvi * con.fpmtomsc : 0.0f;
    float s = lsin[deg_index(dir)], c = lcos[deg_index(dir)];
    target_x = (amp * fltrand(-1.0f, 1.0f) - s * spd) * fac_xy;
    target_y = (amp * fltrand(-1.0f, 1.0f) - c * spd) * fac_xy;
    target_z = (amp * fltrand(-1.0f, 1.0f) + thermal) * fac_z;
    target_P = amp_roll * fltrand(-1.0f, 1.0f) * fac_xy * fac_v;
}

static void maybe_start_shear()
{
    float scale = interp(1.0f, 300.0f, 5.0f, 60.0f, (float)atm.shear_prob);
    if (atm.shear_prob <= 1 || height_agl_m() >= SHEAR_CEILING_AGL_M)
        return;
    if (fltrand(0.0f, scale) > SHEAR_START_DRAW)
        return;
    shear_type = intrand(1, 3);
    shear_start_s = msc.tottime;
    shear_stop_s = msc.tottime + fltrand(10.0f, 20.0f);
    shear_spd_mps = fltrand(30.0f, 90.0f) * con.ktstomsc;
    shear_vert_mps = fltrand(2000.0f, 8000.0f) * con.fpmtomsc;
    if (pln.entype == JET && msc.warn_gpws)
        flight_calls.play_buffer(SND_WNDSHEAR, 0);
}

// The shear's wind (m/s) now: a headwind pulse, a tailwind pulse, or a
// microburst (headwind, then downdraft with still air at its peak, then
// tailwind), all relative to the aircraft's heading.
static void shear_wind(float *sx, float *sy, float *sz)
{
    *sx = *sy = *sz = 0.0f;
    if (shear_type == 0)
        maybe_start_shear();
    if (shear_type != 0 && msc.tottime > shear_stop_s)
        shear_type = 0;
    atm.inshear = shear_type != 0;
    if (shear_type == 0)
        return;
    float p = fltlim(interp(shear_start_s, 0.0f, shear_stop_s, 1.0f, msc.tottime), 0.0f, 1.0f);
    float f = 0.0f, fz = 0.0f;
    if (shear_type == 1) {
        f = sinf(con.pi * p);
    } else if (shear_type == 2) {
        f = -sinf(con.pi * p);
    } else {
        f = sinf(con.pim2 * p);
        fz = 0.5f * (cosf(con.pim2 * p) - 1.0f);
    }
    float psi = flt.psi * con.degtorad;
    *sx = -shear_spd_mps * f * sinf(psi);
    *sy = -shear_spd_mps * f * cosf(psi);
    *sz = shear_vert_mps * fz;
}

void wxcalc()
{
    if (msc.cntr10 == NEW_TARGET_TICK)
        draw_gust_targets();
    float sx, sy, sz;
    shear_wind(&sx, &sy, &sz);
    transition(&atm.wind_x, target_x + sx, SMOOTH_NEW);
    transition(&atm.wind_y, target_y + sy, SMOOTH_NEW);
    transition(&atm.wind_z, target_z + sz, SMOOTH_NEW);
    transition(&atm.wind_P, target_P, SMOOTH_NEW);
}

void assign_wind_tbl(float newpart)
{
    if (newpart > 0.9f)
        prevailing_deg = fltrand(0.0f, 359.0f);
    float f = powf((float)(intlim(atm.wind_tbl, 1, 5) - 1) / 4.0f, 1.5f);
    for (int i = 0; i < NWIND_LAYERS; i++) {
        transition(&atm.wnddir[i], prevailing_deg + fltrand(-90.0f * f, 90.0f * f), newpart);
        transition(&atm.wndspd[i], fltrand(0.0f, 90.0f * f) * con.ktstomsc, newpart);
        transition(&atm.shrdir[i], fltrand(0.0f, 150.0f * f), newpart);
        transition(&atm.shrspd[i], fltrand(0.0f, 30.0f * f) * con.ktstomsc, newpart);
        transition(&atm.tbl[i], fltrand(0.0f, 15.0f * f), newpart);
    }
}
