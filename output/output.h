// Data output, graphs and the flight-path replay: the 52 data rows and
// their labels, the data and report files, the live readout on the panel,
// the graph buffer with the "Graphics Output" window, the "Set Data Output"
// window's rows, and the "3-D Flight Path" window. Their records (`pat`,
// `grf`, the selections in `set`) are in records/records.h.
#pragma once
#include "common/common.h"
#include "records/records.h"

// ---------------------------------------------------------------- data rows
constexpr int NUM_DATA_ROWS = 52;      // rows 0..51 (set.B* have 60 entries)
constexpr float MISSING_VALUE = -999.0f;
constexpr float MAX_OUT_VALUE = 9.9e9f; // every value is limited to +-this first
// Output kinds of out_label and out_dat.
enum OutType { OUT_FILE = 1, OUT_GRAPH = 2, OUT_LIVE = 3 };

// 1 when v stands for a missing value: |v + 999| not above 0.001
// (-998.995 is a value).
int is_missing(float v);
// The up to three values of data row `row` (0..51) from the flight state,
// in the units of the row's label, each limited to +-MAX_OUT_VALUE; values
// the row does not have are MISSING_VALUE (all three for a row outside
// 0..51). Reads: flt, atm, msc, set, pln, env, con.
void data_row_values(int row, float v[3]);
// Field k (0..2) of row `row`'s 30-character label: its 4-character name
// and unit (blanks kept) into name[5] and unit[5]; 0 when the field is
// empty (blank name) or the row does not exist.
int data_row_field(int row, int k, char name[5], char unit[5]);
// Digits and decimals of value k of the row on the live readout.
void data_row_format(int row, int k, int *digits, int *decimals);
// CSV column name of value k of the row (lower case with its unit, the
// batch runner's column name where it means the same); "" when the row has
// no such value.
const char *data_row_csv_name(int row, int k);

// The label of row `index` to output `type`: OUT_FILE writes its fields to
// the data file ("NAME,unit | ", blanks as '_', empty fields skipped);
// OUT_GRAPH draws its fields in the graph window at y = misc_dat (the
// slot's baseline), one line per field in its series' colour.
void out_label(int type, int index, int misc_dat);
// The values of row `index` to output `type`: OUT_FILE writes each present
// value as "%9.2f | "; OUT_GRAPH stores them in slot misc_dat of the newest
// graph sample; OUT_LIVE draws them on the panel at x = misc_dat, y 554,
// 30 px apart.
void out_dat(int type, int index, int misc_dat);

// ---------------------------------------------------------------- files
// Opens "Vortan.box" and "Vortan.out" in the user data folder for writing
// (truncating), once at start-up, and points the flight model's report
// sinks and the panel's live readout here. A file that cannot be opened is
// left out quietly (its output is lost, the flight goes on).
void open_output_streams();
// Closes both files (and the CSV file) at exit and unhooks the report
// sinks; a second call does nothing.
void close_output_streams();
// One line of the data file, on each event tick while set.dskout is on:
// on the ten-step count 0 a newline and the labels of every selected row,
// then the values of every selected row and a newline; the file is flushed
// per line, so a crash loses at most the line being written. With
// set.dskcsv on, the same values also go to "Vortan.csv" (header line of
// column names first).
// Reads: set.Bdsk/dskcsv, msc.cntr10, the rows' sources.
void dskoutproc();
// Text appended to the report file "Vortan.out" (nothing when not open).
void out_report_text(const char *text);
// The CSV file is started afresh (header first) at its next line: called
// when the selection may have changed.
void restart_csv();

// ---------------------------------------------------------------- graphs
constexpr int GRAPH_X0 = 105, GRAPH_X1 = 605;     // time axis, px
constexpr int GRAPH_PX_PER_S = 50;
constexpr int GRAPH_SECONDS = 10;                  // shown across the window
constexpr int GRAPH_MAX_LEFTTIME = 89;
// Baseline of graph slot s (0..3) in the graph window.
inline int graph_baseline(int s) { return 64 + 90 * s; }
// Empties the graph buffer: values -999, periods 999, cntr -1, not full.
// Writes: grf.
void cleargraph();
// One sample of the graph rows (every frame while set.grfout): the next
// slot (wrapping, marking the buffer full), its period and each slot's
// values. Reads: msc.prd, set.grfsel. Writes: grf.
void grfload();
// Pixels per unit of slot s: 33 / the largest magnitude of its present
// samples (at least 1). Missing samples are left out.
float getscale(int slot);
// The samples shown from grf.lefttime for ten seconds: their x (px) and
// the pixel-column lookup for the mouse read-out; returns how many.
// Reads: grf. Writes: the window's sample table.
int graphdata();
// The sample under window column x (GRAPH_X0..GRAPH_X1), -1 when none.
int graph_sample_at(int x);
// Segment of series `series` (1..3) of `slot` from the previous present
// sample at (x_prev, y) to sample i at x: 2 px thick, in the series'
// colour. (The previous point is remembered between calls; a missing
// sample breaks the line.)
void ftdpoint(int x, int y, int i, int series, int slot);
// Window 13, "Graphics Output": the strips, labels, scales and lines.
void grfplot();
// A click in window 13: the time arrows or a step left/right.
// Writes: grf.lefttime (0..89).
void grfclick();
// While the button is held in window 13: the time and values under the mouse.
void grfdrag();

// ---------------------------------------------------------------- the selection window
// Row of the selection window's click at (x, y), and in *col the box
// (0 file, 1 graph, 2 live, -1 none); -1 when no row is there.
int datclick_row(int x, int y, int *col);
// Toggles box `col` of `row`; a fifth graph or live row deselects the
// first other selected one in row order. Writes: set.Bdsk/Bgrf/Brlt.
void toggle_data_box(int row, int col);
// Window 5, "Set Data Output": its rows, boxes and the file-format choice.
void datplot();
void datclick();

// ---------------------------------------------------------------- replay
constexpr int REPLAY_BITMAP = 200;     // window 14's background
constexpr int DATA_OUTPUT_BITMAP = 205; // window 5's background
constexpr int GRAPH_BITMAP = 213;      // window 13's background
// Registers the windows' background painters (start-up, and the art tool).
void register_output_bitmaps();
// Mean of the filled trail samples into pat.centroid_*, and pat.circ_rad
// the largest horizontal distance of one from it plus 4,000 m. An empty
// trail leaves the centroid at the aircraft and the radius 4,000 m.
// Reads: pat, flt.x/y/z. Writes: pat.centroid_x/y/z, circ_rad.
void path_centroid();
// The circling camera of the replay (the free camera's "C" key): heading
// on by msc.prd x 0.5 rad, the camera on the circle of pat.circ_rad round
// the centroid, looking along the heading.
// Writes: scn.psi180rad, msc.x_view/y_view.
void circle_replay_camera();
// "3-D Flight-Path": clears the weather that hides the trail (kept for
// stop_movie), opens window 14 and world 1, places the free camera (view
// 999) circling the trail; while the window is open only raises it.
// Writes: atm, set.viewtype, pat, msc.*_view, scn.
void start_movie();
// Each pass while window 14 is open: the stick turns the camera, the view
// draws the world and trail, the visibility adapts to keep pace.
void play_movie();
// Window 14 closed: world 1 disposed, the forward view and the weather back.
void stop_movie();
// The camera's turn for stick inputs (-1..1) over dt_s: pitch limited to
// +-pi/2, heading wrapped into -pi..pi. Writes: scn.the180rad/psi180rad.
void turn_replay_camera(float pitch_in, float roll_in, float dt_s);
// Visibility multiplier after 15 passes took `secs` of wall-clock time.
// Reads/writes: pat.visrat. Reads: atm.vis.
void adapt_replay_visibility(float secs);
