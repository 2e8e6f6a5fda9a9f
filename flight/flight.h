// The flight model: the flight state `flt` and the air state `atm`.
#pragma once
#include "common/common.h"
#include "world/world.h"

// Flight state. Written by the flight start (set_fltvars) and every frame by
// the flight model; the controls write the *request fields.
struct flightstruct {
    double x, y, z;          // m, world position (x east, y north, z up)
    float h;                 // m, z as a float: altitude above sea level
    float vind;              // kt, indicated airspeed, not negative
    float psi, the, phi;     // deg, heading, pitch, roll
    float throt[2], throtrequest[2];  // 0..1
    float omega[2];          // rad/s, rotor speed
    float prop[2];           // rad/s, commanded rotor speed
    int cat_stage;           // catapult stage
};
extern flightstruct flt;

// Weather and the air around the aircraft. Lengths m, speeds m/s unless
// noted. The settings (clouds, visibility, layers, waves, thermals,
// temperature) are written by the weather window, preferences and
// situations, each change followed by limwx; the air state (rho..T) every
// flight step by air_state; the wind vector and shear state by wxcalc.
constexpr int NWIND_LAYERS = 9;
constexpr int NDENSITY_ROWS = 22;

struct atmospherestruct {
    int clear;               // no cloud layer
    float baseMSL, topsMSL, baseAGL;   // m
    float vis, vis_effective, vis1_grnd, vis2_grnd, vis1_lite, vis2_lite, vis3_lite;  // m
    int rain_tstm;           // precipitation 1..5; above 1 thunderstorms
    int wind_tbl;            // random wind severity 1..5
    int shear_prob;          // wind-shear likelihood 1..5
    float crtsig;            // rho / con.rhoSL
    float rho;               // kg/m^3 at the aircraft
    float a;                 // m/s, speed of sound
    float g;                 // m/s^2
    float T;                 // K
    float wnddir[NWIND_LAYERS];   // deg magnetic, where the wind comes from
    float shrdir[NWIND_LAYERS];   // deg, random swing of the direction
    float wndspd[NWIND_LAYERS];   // m/s
    float shrspd[NWIND_LAYERS];   // m/s, gust amplitude
    float tbl[NWIND_LAYERS];      // turbulence 0..9
    float wave_amp;          // m, 0..9.9
    float wave_length;       // m, 0..99
    float wave_speed;        // m/s, 0..99
    int wave_dir;            // deg 0..360
    float temp_SL;           // deg F at sea level
    float thermal_part;      // share of cells with thermals, 0..0.99
    float thermal_vvi;       // ft/min, thermal climb rate 0..999
    float level;             // storm level around the aircraft, 0..9
    float hr[NDENSITY_ROWS][2];   // density table: height m, density kg/m^3
    float wind_x, wind_y, wind_z; // m/s, east, north, up
    float wind_P;            // deg/s, turbulence roll rate
    int inshear;             // a wind shear is in progress
    int therm_on_poly[MESH_I][MESH_J];   // thermal over terrain cell [i][j]
};
extern atmospherestruct atm;

// ---------------------------------------------------------------- atmosphere
// Fills density-table row i from kft thousand feet and `slugs` slug/ft^3.
// Called 22 times at start-up (fill_density_table does all of them).
void assign_hr(int i, float kft, float slugs);
void fill_density_table();
// Air state at height h_m above sea level: density, temperature, speed of
// sound, density ratio. Each flight step. Reads: atm.hr, atm.temp_SL.
// Writes: atm.rho, atm.T, atm.a, atm.crtsig.
void air_state(float h_m);
// Gravity at height h_m (inverse square). Writes: atm.g.
void air_gravity(float h_m);
// Wind layer 0..8 of a height above sea level (m).
int wind_index(float h_m);

// ---------------------------------------------------------------- weather
// Wind, gust, turbulence and shear update, once per event period.
// Reads: atm settings, flt.h, flt.z, flt.vind, flt.psi, env.localh, env.mvar,
// env.i_aircraft, env.j_aircraft, msc.cntr10, msc.tottime, pln.Vne.
// Writes: atm.wind_x, wind_y, wind_z, wind_P, inshear.
void wxcalc();
// Clamps and derives the weather settings after a change. Reads env.fieldh.
void limwx();
// Blends a random wind table into the nine layers with weight newpart 0..1.
void assign_wind_tbl(float newpart);
// in = newpart * goal + (1 - newpart) * in.
void transition(float *in, float goal, float newpart);
// Forgets any shear in progress and the wind targets (a new flight).
void reset_weather_state();

// ---------------------------------------------------------------- terrain
// Locates (x, y) (m) in the terrain mesh: a search of the 5 x 5 cells round
// (i, j) (full_search 0) or of the whole grid. Returns 1 and the cell and
// triangle in i, j, t when found, else 0 with them unchanged.
int find_ijt_with_loc(float x, float y, int *i, int *j, int *t, int full_search);
// Terrain height under (x, y) into *h (m), and its location into i, j, t:
// a local search from i, j, t, then a full one. Both left unchanged when
// the point is off the mesh. Returns the height.
float find_local_h(float x, float y, float *h, int *i, int *j, int *t);
// Grid offsets of triangle t of a cell with diagonal `div`, in clockwise
// order and in plane order (right-angle corner, its x and y neighbours).
void convert_ij_cw(int div, int t, int di[3], int dj[3]);
void convert_ij_dxy(int div, int t, int di[3], int dj[3]);
// Area (m^2) of the triangle through three points.
float findarea(float x1, float y1, float z1, float x2, float y2, float z2,
               float x3, float y3, float z3);
// Whole-number half-span x1..x2 of row *y of a circle of radius r, then
// *y += 1. A row beyond the radius is a fatal error ("y>r").
void work_down_circle(int r, int *y, int *x1, int *x2);
