// The instrument panel: panplot paints the panel of the loaded aircraft,
// updatepanel moves its instruments each frame; the panel's offsets, lever
// handling and drawing entry points. Its records (`ins`, `nav`, the lever
// rows and the panel geometry of `pln`) are in records/records.h; the radios'
// tuning and the panel's clicks and lever drags are here too.
#pragma once
#include "common/common.h"
#include "records/records.h"

// ---------------------------------------------------------------- panel offsets
// Horizontal offsets of the panel groups for the layout (pixels): six-pack,
// radio stack, engine gauges and flap/propeller levers, pause switch,
// throttles, mixtures, trim wheel. Set by set_mod.
extern int ossix, osrad, oseng, ospau, osthr, osmix, ostrm;

// The panel's bitmap resources: 800 x 600, of which rows PANEL_TOP.. are the
// panel (the view shows through the rows above).
constexpr int PANEL_CLASSIC_BITMAP = 601, PANEL_GLASS_BITMAP = 602;
constexpr int PANEL_TOP = 230;

// ---------------------------------------------------------------- panel
// Registers the panel's bitmap painters (start-up, and the art tool).
void register_panel_bitmaps();
// Geometry of the loaded aircraft's panel: the offsets, the attitude ball's
// row spans, the HSI and glide-slope positions, the lever columns.
// Reads: pln.dashtype, layouttype, is_heli. Writes: the offsets, pln.ahx,
// ahy, dgx, dgy, gs*, ah_*.
void set_mod();
// Paints the panel of the loaded aircraft (when the aircraft or its panel
// changed since the last time), draws every instrument on it and shows it
// whole (the window's repaint, and the first update after a change).
// Reads: pln. Writes: the offsets, pln panel geometry, ins.tickle_all.
void panplot();
// Per frame: moves every instrument that changed, in the fixed order, and
// clears ins.tickle_all.
// Reads: flt, atm, pln, nav, ins, rel, msc, set, ott, env.
// Writes: ins (gyro angles, reply level), sounds of the GPWS and markers.
void updatepanel();
// The initialisations panplot runs: dial angles of the airspeed, vertical
// speed and engine scales from the ins factors the loading set, the tick
// tables, the option and engine gauges of the layout.
void init_as();
void init_vvi();
void init_tach();
void init_n1();
void init_mp();
void init_torque();
void init_epr();
void standard_engine_init();
void standard_options_init();
void init_tickmark();
void init_entick();
// The rolling-digit font (ins.tape_col) for one digit, and the map symbols.
void init_tape(int digit);
void init_nav_pic();

// ---------------------------------------------------------------- clicks
// One mouse click at window pixel (mx, my) on the panel, on the press and
// again every frame while the button is held past half a second
// (set.dragtime the time held): the first hot spot holding it acts.
// Knobs and digit windows step on every call, switches on the press only.
// Reads: pln panel fields, the offsets, set.dragtime/controls_type.
// Writes: nav (frequencies, courses, volume, audio, DME source, GPS
// choice; retuned by setnav), ins (switches, altimeter setting, ranges and
// modes, decision height, drift), ott modes, msc.paused/mouse_is_joy/
// timer, the gear handle and the brakes.
void dasclick(int mx, int my);
// A drag on the lever quadrant at (x, y): the lever whose column and slot
// hold it takes the row (throttles held 7 px below the knob's top,
// propellers and mixtures 11 px, the others at the knob's centre) and its
// command follows; between a twin's throttles both move together; past
// idle, thrust reversers engage. Redraws the quadrant.
// Writes: flt.throtrequest/revving_thrust/prop/mix/flaprequest/sbrk/
// slatrequest/sweeprequest/vectrequest/trim, the ins lever rows.
void enginecondrag(int x, int y);

// ---- panel drawing and lever handling the controls call
// Redraws the brake light from ins.brake_on.
void plotbrakes();
// Moves the panel lever of `kind` (175 trim wheel, 177 speed brake) to
// pixel row `row` and redraws the quadrant (the caller set the flight value).
void handle(int kind, int row);
constexpr int HANDLE_TRIM = 175, HANDLE_SBRK = 177;

// The live data readout of the data output (set.rltsel), refreshed one slot
// per update; null until the data output registers it.
extern void (*realtime_output)();
// One number field of the live readout into the panel's picture: `value`
// in the 30 x 9 px field at (x, y), cleared first; nothing more for a
// missing value (-999) or a non-finite one; dig digits of which dec are
// decimals, the exponent form from 9,999 up, a minus bar when negative.
void REALTIME_num(int x, int y, float value, int dig, int dec, int color);

// ---------------------------------------------------------------- radios
// (Re)tunes radio w (RadioNumber: 0 NAV1, 1 NAV2, 2 COM1, 3 COM2, 4 ADF,
// 5 GPS, 6 transponder): latches what it receives (tune_radio), with
// `uplock` locking the GPS course; with `plot_numbers` its digits are
// painted. Called after every frequency change, after a region page and by
// the batch runner. Reads and writes: nav (see tune_radio).
void setnav(int w, int uplock, int plot_numbers);
// One digit step of a radio and its retuning: `field` is the digit's nav
// field, `which` the radio to retune, `step` the change. NAV MHz wrap
// within 108..117, COM MHz within 118..134, hundredths within 0..95 in
// steps of 5, ADF digits within 0..9, transponder digits within 0..7.
void NAVinc(int *field, int which, int step);
void COMinc(int *field, int which, int step);
void HUNinc(int *field, int which, int step);
void ADFinc(int *field, int which, int step);
void XPNinc(int *field, int which, int step);
// NAV receiver `which`'s volume by step x 0.1, held within 0..1.
void VOLinc(int which, int step);
