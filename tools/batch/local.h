// Inside the batch runner: its flying state and the helpers its files share.
#pragma once
#include "tools/batch/batch.h"

struct BatchState {
    float prd;               // s, fixed frame period
    double t;                // s simulated since batch_init
    float ptch, roll, hdng;  // stick and pedals, -1..1 (nose up, right, nose right)
    int crashes;
    int trim_ok;             // the last trim found steady flight
    float ctl[N_BATCH_CONTROLS];            // last value given to each control
    float ramp_from[N_BATCH_CONTROLS], ramp_to[N_BATCH_CONTROLS];
    double ramp_t0[N_BATCH_CONTROLS], ramp_s[N_BATCH_CONTROLS];   // ramp_s 0: none
    double x0, y0;           // m, where the flight started (dist_ft)
    int have_aircraft, started;
};
extern BatchState bst;

// Resets the stick and the crash bookkeeping of a new flight.
void batch_after_start();
// Moves the ramping controls to their value at the present time.
void batch_ramps();
// World position (m) of a latitude and west longitude in the loaded region,
// and back.
void batch_world_xy(float lat, float lonw, float *x, float *y);
void batch_lat_lon(double x, double y, double *lat, double *lonw);
// After control(): the throttle request follows the auto-throttle while
// the speed hold is on.
// Reads: ott.ASHOLD, set.CTthro.
// Writes: flt.throtrequest, bst.ctl[BC_THROTTLE] (and ends its ramp).
void batch_autothrottle_follow();
// After each frame while the "atc pilot" flies: hears the controller,
// checks in, and sets the autopilot's holds (see atc.cpp).
// Reads: atc, fpl, flt, env. Writes: ott through batch_hold, the controls.
void batch_atc_pilot();
// A new flight: the pilot stands down.
void batch_atc_off();
