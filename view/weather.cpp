// Weather over the view: the lightning bolt where it strikes, and rain
// drops or snow flakes on and in front of the windscreen, streaming away
// from the point the aircraft is moving towards.
#include "view/local.h"

#include <cmath>

constexpr int BOLT_COLOR = 59, SNOW_COLOR = 55, RAIN_COLOR = 17;
constexpr float NEAR_Z_M = 10.0f, FAR_Z_M = 100.0f;   // flakes live this far in front
constexpr float SNOW_STREAM = 2.0f;                   // flake spread per m/s of airspeed
constexpr float SNOW_DRIFT_PX = 4000.0f;              // downward drift, px m / s
constexpr float SIDE_STREAM_PX = 400.0f;              // side views, px m / (m/s) / s
constexpr float FULL_REBIRTH_MS = 20.0f;              // at this speed flakes are reborn down to the bottom
constexpr float RAIN_RATE = 1.5f;                     // px a frame per sqrt(kt) per s of frame
constexpr float STREAK_RATE = 10.0f;                  // the streaking drop runs this much faster
constexpr float STREAK_PX = 12.0f;                    // length of its trail
constexpr int STREAK_ODDS = 10;                       // one frame in ten the streak passes on

float rainx[MAX_DROPS], rainy[MAX_DROPS], rainz[MAX_DROPS];
int quickdrop;

void draw_lightning_strike()
{
    float l = con.off_flt_lft, t = con.off_flt_top, r = con.off_flt_rgt - 1.0f, b = con.off_flt_bot - 1.0f;
    for (int n = 0; n < MAX_BRANCHES; n++) {   // unbuilt branches have no points
        int pts = intlim(atm.strike_size[n], 0, BRANCH_PTS);
        float prev[3];
        int have_prev = 0;
        for (int k = 0; k < pts; k++) {
            float c[3];
            to_camera(atm.lightx[n][k], atm.lighty[n][k], atm.lightz[n][k], c);
            if (!(c[1] >= HITHER_M)) {   // too near (or behind): the bolt breaks here
                have_prev = 0;
                continue;
            }
            if (have_prev)
                camera_line(BOLT_COLOR, prev, c, l, t, r, b);
            prev[0] = c[0]; prev[1] = c[1]; prev[2] = c[2];
            have_prev = 1;
        }
    }
}

int window_drops()
{
    float rain = interp(1.0f, 0.0f, 5.0f, (float)(MAX_DROPS - 1), (float)atm.rain_tstm);
    float level = interp(0.0f, 0.0f, 9.0f, (float)(MAX_DROPS - 1), atm.level);
    // Thickest under the cloud base, none from the tops up.
    float f = fltlim(interp(atm.baseMSL, 1.0f, atm.topsMSL, 0.0f, con.VIEW_loc_z), 0.0f, 1.0f);
    float n = f * (0.5f * rain + 0.5f * level);
    return std::isfinite(n) ? intlim(iround(n), 0, MAX_DROPS - 1) : 0;
}

// How the view type moves what is on or in front of the windscreen.
enum Stream { STREAM_OUT, STREAM_IN, STREAM_LEFT, STREAM_RIGHT, STREAM_STILL };

static int stream_kind()
{
    switch (set.viewtype) {
    case VIEW_LEFT: return STREAM_LEFT;     // the world passes from right to left
    case VIEW_RIGHT: return STREAM_RIGHT;
    case VIEW_BACK: return STREAM_IN;
    case VIEW_SATELLITE: return STREAM_STILL;
    default: return STREAM_OUT;
    }
}

static void rebirth(int k, float speed)
{
    float top = con.off_flt_top, bot = con.off_flt_bot - 1.0f;
    rainx[k] = fltrand(con.off_flt_lft, con.off_flt_rgt - 1.0f);
    rainy[k] = fltrand(top, top + (bot - top) * fltlim(speed / FULL_REBIRTH_MS, 0.0f, 1.0f));
    rainz[k] = fltrand(NEAR_Z_M, FAR_Z_M);
}

static int off_view(float x, float y)
{
    return !(x >= con.off_flt_lft && x < con.off_flt_rgt && y >= con.off_flt_top && y < con.off_flt_bot);
}

// Moves drop k by `rate` (px per px of offset from the flight-path point
// (px, py), or px sideways) as the view type has it.
static void stream(int k, int kind, float rate, float side, float px, float py)
{
    switch (kind) {
    case STREAM_OUT:
    case STREAM_IN: {
        float s = kind == STREAM_OUT ? rate : -rate;
        rainx[k] += (rainx[k] - px) * s;
        rainy[k] += (rainy[k] - py) * s;
        break;
    }
    case STREAM_LEFT: rainx[k] -= side; break;
    case STREAM_RIGHT: rainx[k] += side; break;
    default: break;
    }
}

static void snow(int n, int kind, float px, float py)
{
    float speed = std::isfinite(flt.v) ? flt.v : 0.0f, air = std::isfinite(flt.av) ? flt.av : 0.0f;
    for (int k = 0; k < n; k++) {
        if (kind != STREAM_STILL) {
            float z = fmaxf(rainz[k], 1.0f);
            stream(k, kind, SNOW_STREAM * air * msc.prd / z, SIDE_STREAM_PX * speed * msc.prd / z, px, py);
            rainy[k] += SNOW_DRIFT_PX * msc.prd / z;
            rainz[k] -= speed * msc.prd;
        }
        if (!(rainz[k] >= NEAR_Z_M && rainz[k] <= FAR_Z_M) || off_view(rainx[k], rainy[k]))
            rebirth(k, speed);
        else
            view_pixel(SNOW_COLOR, (int)rainx[k], (int)rainy[k]);
    }
}

// Rain on the glass runs outward with the airspeed; one drop at a time is
// blown along fast, leaving a streak.
static void rain(int n, int kind, float px, float py)
{
    float speed = std::isfinite(flt.v) ? flt.v : 0.0f;
    float run = RAIN_RATE * sqrtf(fltlim(std::isfinite(flt.vind) ? flt.vind - 1.0f : 0.0f, 0.0f, 999.0f)) * msc.prd;
    if (intrand(1, STREAK_ODDS) == 1)
        quickdrop = quickdrop + 1 > n ? 0 : quickdrop + 1;
    for (int k = 0; k < n; k++) {
        float step = k == quickdrop ? run * STREAK_RATE : run;
        float x0 = rainx[k], y0 = rainy[k];
        if (kind == STREAM_OUT || kind == STREAM_IN) {
            // A fixed run in pixels, away from (or towards) the point.
            float dx = rainx[k] - px, dy = rainy[k] - py, d = sqrtf(dx * dx + dy * dy);
            if (d > 0.5f)
                stream(k, kind, step / d, 0.0f, px, py);
        } else {
            stream(k, kind, 0.0f, step, px, py);
        }
        if (off_view(rainx[k], rainy[k])) {
            rebirth(k, speed);
            rainy[k] = fltrand(con.off_flt_top, con.off_flt_bot - 1.0f);   // drops land anywhere
            continue;
        }
        int x = (int)rainx[k], y = (int)rainy[k];
        if (k == quickdrop && (x0 != rainx[k] || y0 != rainy[k])) {
            float dx = rainx[k] - x0, dy = rainy[k] - y0, d = sqrtf(dx * dx + dy * dy);
            clipped_line(RAIN_COLOR, rainx[k] - dx / d * STREAK_PX, rainy[k] - dy / d * STREAK_PX, rainx[k], rainy[k],
                         con.off_flt_lft, con.off_flt_top, con.off_flt_rgt - 1.0f, con.off_flt_bot - 1.0f);
        } else {
            view_pixel(RAIN_COLOR, x, y);
            view_pixel(RAIN_COLOR, x, y + 1);
        }
    }
}

void do_window_rain()
{
    if (!(con.VIEW_loc_z < atm.topsMSL) || set.viewtype == VIEW_REPLAY || atm.rain_tstm <= 1)
        return;
    int n = window_drops();
    float px, py;
    flight_path_point(&px, &py);
    int kind = stream_kind();
    if (atm.temp_SL <= 32.0f)
        snow(n, kind, px, py);
    else
        rain(n, kind, px, py);
}
