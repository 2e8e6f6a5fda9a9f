// The settings and chart windows: a plot handler draws each window over its
// background bitmap, a click handler edits the setting under the mouse
// (msc.mx, msc.my are client pixels of the window). The window procedure
// calls them; process_zap applies a window when it closes.
#pragma once
#include "records/records.h"

// Background bitmaps of the windows, painted by code (winart.cpp).
enum WindowBitmap {
    BMP_APT = 201, BMP_STATES = 203, BMP_LATLON = 204, BMP_TIME = 206, BMP_WEATHER = 207,
    BMP_ISO = 208, BMP_WEIGHTS = 209, BMP_RELIABILITY = 210, BMP_SOUND = 211,
    BMP_WARNINGS = 212, BMP_FLIGHT_MODE = 218
};
// Registers the window backgrounds; start-up calls it once.
void register_window_art();

// ---- Go To Airport (1): three columns of "0".."9", "A".."Z" at x 93, 110,
// 127, rows 11 apart from y 16. Writes: msc.apt_id_req.
void aptplot();
void aptclick();
// ---- United States (3): a click picks the region's south-west corner.
// Writes: env.lat_south/lon_west; then the region is loaded.
void staplot();
void staclick();
// The latitude and west longitude a click at map pixel (x, y) picks.
void states_latlon(int x, int y, int *lat, int *lon);
// ---- Set Lat/Lon (4): latitude -60..60, longitude 0..359 shown (stored
// plus one). Writes: env.lat_south/lon_west.
void latplot();
void latclick(int i);
// Closing it: loads the region asked for, unless it has nowhere to start
// from (then an alert, and the region flown stays).
void latlon_closed();
// Loads the region round (lat, lon) and starts on its first airport: 1; or
// an alert and 0 (nothing changed) when its scenery has no airport.
int start_in_region(int lat, int lon);
// ---- Set Time Of Day (6). Writes: scn.time.
void timplot();
void timclick(int i);
// ---- Set Weather Conditions (7). Writes: atm settings, then limwx.
void wxrplot();
void wxrclick(int i);
// The wind-layer buttons: row 0..8 at y 39 + 40 row. 1 when one was hit.
int windclick();
// The cloud fields' rules after an edit of field f (0 tops, 1 base MSL,
// 2 base above the field), all in feet; then atm set from them.
void set_clouds_ft(int f, float tops, float base_msl, float base_agl);
// Precipitation choice (1..5) with its effect on the clouds and lightning.
void set_precipitation(int p);
// ---- Set Flight Mode (8). Writes: set.damp, joy_rat, nwheel_steer_type,
// recip_hel_thrt_type.
void fltplot();
void fltclick(int i);
// ---- Set Weights (9). Writes: flt.m_fixed/m_fuel/m_water/m_total.
void wgtplot();
void wgtclick(int i);
// ---- Set Reliability (10). Writes: rel.ins_fail_rat/con_fail_rat,
// fail_type, fail_time_max.
void relplot();
void relclick();
// A new failure rate for the group (0 instruments, 1 controls): every item
// of it gets a new time limit and its type.
void set_fail_rate(int group, float rate);
// ---- Set Sound (11). Writes: msc.sound_on, atc.voice_out/text_out.
void sndplot();
void sndclick();
// ---- Set Warnings (12). Writes: msc.warn_*.
void wrnplot();
void wrnclick();
// ---- Charts: the region (2: map types 503 low enroute, 504 local, 505
// weather radar) and one airport (16, map type 999).
// id 19 the region window, 18 the airport's; i unused.
void plt_nrt_plot(int id, int i);
void plt_nrt_click(int i, int id);
// Chart pixel <-> world metres of the open chart (window 2 or 16).
void chart_to_world(int window, int px, int py, float *x, float *y);
void world_to_chart(int window, float x, float y, int *px, int *py);
// The chart window was closed: its view is set afresh when it opens again.
void chart_closed(int window);
// Sets the chart's origin and zoom for window 2 or 16 (the airport's chart
// round msc.topplate); the plot does it when the window opens.
void reset_chart(int window);
// ---- Isometric Region (15).
void isoplot();
// Screen point of grid point (x, y, z) before centring, at scale s.
void iso_point(float x, float y, float z, float s, int *sx, int *sy);
// The scale the loaded grid is drawn at.
float iso_scale();
