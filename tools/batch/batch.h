// The headless batch flight runner: a scenario file of commands flies the
// real flight model over the real scenery with the real aircraft loading,
// without window or sound, at a fixed frame period, and writes chosen
// columns of the flight state as CSV. Tests drive the same code in-process.
#pragma once
#include <cstdio>

#include "common/common.h"

constexpr int MAX_BATCH_COMMANDS = 1000;   // scenario lines that carry a command
constexpr int MAX_BATCH_COLUMNS = 64;
constexpr float DEFAULT_BATCH_FRAME_S = 0.05f;

enum BatchVerb {
    BV_AIRCRAFT, BV_START_RUNWAY, BV_START_FINAL, BV_START_AIR, BV_WEATHER, BV_FRAME,
    BV_TRIM, BV_SET, BV_RAMP, BV_OUTPUT, BV_RUN, BV_HOLD, BV_RELEASE, BV_TUNE, BV_OBS, BV_ATC, BV_START_CATAPULT,
    BV_LAUNCH
};
enum BatchWeather { BW_CALM, BW_WIND, BW_TURBULENCE, BW_TEMP, BW_BARO };
enum BatchControl {
    BC_THROTTLE, BC_MIXTURE, BC_PROP, BC_ELEVATOR, BC_AILERON, BC_RUDDER, BC_TRIM, BC_FLAPS,
    BC_BRAKES, BC_GEAR, BC_WEIGHT, BC_COLLECTIVE, N_BATCH_CONTROLS
};

// Autopilot modes "hold" engages: heading (deg true, as the heading
// column), altitude (ft above sea level), vertical speed (ft/min) and
// indicated airspeed (kt, the auto-throttle) with their targets; the NAV 1
// or NAV 2 course and NAV 2's glide slope without one.
enum BatchHold { BH_HEADING, BH_ALTITUDE, BH_VS, BH_SPEED, BH_NAV1, BH_NAV2, BH_GLIDESLOPE,
                 N_BATCH_HOLDS };
// Radios "tune" sets: the NAV receivers (MHz) and the ADF (kHz).
enum BatchTune { BT_NAV1, BT_NAV2, BT_ADF };

// One scenario command, as parsed. `at_s` is negative for a command that
// runs where it stands, else the simulated time it waits for.
struct BatchCommand {
    int line;                // 1-based line in the scenario file
    int verb;                // BatchVerb
    float at_s;
    int kind;                // BatchWeather, BatchControl, BatchHold, BatchTune, the receiver
                             // of obs (0, 1), 1 for an ILS final or a climb trim
    float v[5];              // numbers in the order of the command's syntax
    char text[MAX_STR];      // aircraft file, airport id, or the words of an atc command
    char runway[8];          // runway name as written ("27L")
    int ncols, cols[MAX_BATCH_COLUMNS];   // output columns
};

struct BatchScript {
    int n;
    BatchCommand cmd[MAX_BATCH_COMMANDS];
};

// ---------------------------------------------------------------- scenario
// Parses one scenario line (comment and blank lines give 0 and no error).
// Returns 1 with *c filled, 0 for nothing to do, -1 with the reason in
// `why` (MAX_STR) for a bad line.
int batch_parse_line(const char *line, int line_no, BatchCommand *c, char *why);
// Reads a whole scenario file into *s; on the first bad line writes
// "<file>:<line>: <message>" to `err` and returns 0.
int batch_read_script(const char *path, BatchScript *s, FILE *err);
// Column index of a name, -1 when unknown; and the name of an index.
int batch_column_index(const char *name);
const char *batch_column_name(int col);

// ---------------------------------------------------------------- flying
// The headless simulator: constants, density table, record defaults, the
// program folder (VORTAN_PROGRAM_DIR or the executable's folder), a frozen
// clock and the country navigation data. Call once per process.
void batch_init();
// Loads an aircraft: a path relative to the program folder (or, not there,
// to the user's data folder, where the designers save when the program
// folder takes no new files), or a full one.
// 0 with the reason in `why` when the file does not exist.
int batch_load_aircraft(const char *file, char *why);
// On runway `runway` ("09", "27L") of airport `id`, a takeoff start (kind
// 900) or a final (1000 VFR, 1100 ILS). 0 with the reason when the airport
// or runway is unknown.
int batch_start_airport(const char *id, const char *runway, int kind, char *why);
// In the air at lat (north), lon (east positive, as written in the
// scenario), alt_ft above sea level, kias, true heading.
int batch_start_air(float lat, float lon, float alt_ft, float kias, float hdg_deg, char *why);
// On the catapult of the carrier nearest to airport `id` (its region
// loaded), or with an empty id of the region already loaded: held until
// batch_launch. 0 with the reason when there is no such region or carrier.
int batch_start_catapult(const char *id, char *why);
// Fires the catapult (the space bar's launch); 0 when none is armed.
int batch_launch();
// Weather: calm, or the wind, gust, turbulence, temperature or altimeter
// setting of `c`.
void batch_weather(const BatchCommand *c);
// A control or lever to a value (see the README for the ranges).
void batch_set(int control, float value);
// Moves a control linearly from where it is to `value` over `seconds`.
void batch_ramp(int control, float value, float seconds);
// Engages one autopilot mode of the real autopilot with its target (see
// BatchHold for the units). Altitude and vertical speed exclude each
// other; heading and speed combine with either.
// Writes: ott (mode flags and targets), nav.obs[1] (the heading bug).
void batch_hold(int kind, float value);
// Switches every autopilot mode off; the trim and the throttle stay where
// the autopilot left them.
void batch_release();
// Tunes NAV 1 or NAV 2 to `value` MHz (108.00..117.95 in steps of 0.05) or
// the ADF to `value` kHz (0..999), and latches what it receives, as a
// click on the radio's digits does. Writes: nav (see tune_radio).
void batch_tune(int which, float value);
// The course selector of NAV receiver r (0, 1) to deg magnetic, wrapped
// into 0..360. Writes: nav.obs[r].
void batch_obs(int r, float deg);
// Air traffic control: `request` is what follows "atc" in a scenario
// (see the README). batch_atc_check only checks its form (0 with the
// reason in `why`); batch_atc acts: a menu call, a filed plan, an ATIS, the
// random seed, the pilot engaged, or a request in the controller's words.
int batch_atc_check(const char *request, char *why);
int batch_atc(const char *request, char *why);
// Finds the trim and throttle for steady level flight at the present speed
// and height (a helicopter's collective stands for the throttle, which its
// governor works); with `climb` set the throttle stays and the climb (or
// descent) rate is found instead. Returns 1 when it converged.
int batch_trim(int climb);
// One frame of flight at the fixed period; counts crashes.
void batch_frame();
// The present value of output column `col` (NaN for an unknown one).
double batch_column_value(int col);
// Simulated seconds since batch_init, and the crashes so far.
double batch_time();
int batch_crashes();
void batch_set_frame(float prd_s);

// ---------------------------------------------------------------- running
// Runs a parsed scenario, CSV rows to `out`; messages of failed commands
// as "<file>:<line>: <message>" to `err`. Returns the exit status.
int batch_execute(const BatchScript *s, const char *file, FILE *out, FILE *err);
// Where batch_execute reports each command's wall time, or null (the default)
// for no report.
void batch_set_timing(FILE *report);

// ---------------------------------------------------------------- performance
// The rows of an aircraft's performance table, in the order printed.
enum PerfRow {
    PR_STALL_CLEAN, PR_STALL_FLAPS, PR_RATE_SL, PR_ANGLE_SL, PR_RATE_HIGH, PR_ANGLE_HIGH,
    PR_MAX_LEVEL, PR_CRUISE, PR_TAKEOFF_ROLL, PR_TAKEOFF_50FT, PR_LANDING_ROLL, N_PERF_ROWS
};
// PS_FULL_THROTTLE: the cruise power is not available at that height, the
// figure is the speed at full throttle (power_pct says how much it is).
// PS_BEYOND: the figure lies beyond the reach of the trim, whose pitch
// trim is at its stop (the stick stays centred): a stall slower, a top
// speed or best rate faster than the steady flight the row gives.
enum PerfStatus { PS_OK, PS_NA, PS_FULL_THROTTLE, PS_NOT_FOUND, PS_BEYOND };

// One figure. Fields that do not belong to the row are NaN.
struct PerfFigure {
    int status;              // PerfStatus
    float alt_ft;            // height it is measured at, above sea level
    float kias, ktas;        // the speed (stall, climb, top, lift-off, 50 ft, touchdown)
    float climb_fpm, climb_deg;
    float dist_ft;           // ground or water run, or distance to 50 ft
    float power_pct;         // share of rated power
};

// What to measure with: weight_lb 0 for the design's maximum weight;
// cruise_alt_ft for the 75 % power cruise; coarse: wider speed steps,
// for a quick look (about a third less time, figures within a knot or two).
struct PerfSettings {
    float weight_lb;
    float cruise_alt_ft;
    int coarse;
};
constexpr float DEFAULT_CRUISE_ALT_FT = 8000.0f;

struct PerfTable {
    char aircraft[MAX_STR];  // as given
    char tailnum[MAX_STR];
    int heli, seaplane;
    float weight_lb;
    float sea_level_ft;      // height of the "sea level" figures over the sea
    float rated_hp;          // all engines
    float vne_kias;          // 0 when the design gives none
    PerfFigure row[N_PERF_ROWS];
};

// Flies the aircraft file (as batch_load_aircraft takes it) through the
// real flight model and fills *t: stall speeds by power-off climb trims,
// best climbs and the top speed by full-throttle climb trims, the cruise
// by level trims, take-off and landing flown on runway 28R at San
// Francisco (a seaplane on Santa Monica Bay). A helicopter gets its top
// speed and best climb from level trims; the rest is PS_NA. Call after
// batch_init. 0 with the reason in `why` when the aircraft cannot be
// loaded.
int batch_performance(const char *aircraft, const PerfSettings *s, PerfTable *t, char *why);
// The table for a reader, and as CSV (a header line, then one line a row).
void batch_performance_print(const PerfTable *t, FILE *out);
void batch_performance_csv(const PerfTable *t, FILE *out);
// vortan-batch --performance <aircraft> [options]: argv as main has it.
// Returns the exit status (1 with a message on `err` for bad arguments).
int batch_performance_main(int argc, char **argv, FILE *out, FILE *err);
