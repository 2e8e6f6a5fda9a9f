// Inside the shell only: the start-up, the frame loop's pieces (tests drive
// them pass by pass), the window procedure and menus.
#pragma once
#include "shell/shell.h"
#include "flight/flight.h"   // set_fltvars, deg2integ
#include "controls/controls.h"   // control, cal_stick
#include "view/view.h"   // set_mon
#include "shell/windows.h"   // the settings and chart windows
#include "output/output.h"   // the data output, graphs and replay
#include "panel/panel.h"   // panplot, updatepanel, the lever handlers, the panel offsets

// ---------------------------------------------------------------- start-up
// The process entry of the simulator: zero the records, start the layer,
// run `simulate`. Returns 1 (failure) when the display cannot be opened;
// never returns otherwise.
int vortan_main();
// The first half of it: records zeroed, the shell's handlers given to the
// layer, the layer started (1) or no display (0).
int vortan_start_layer();
// Start-up timing (VORTAN_TIMING in the environment, read by vortan_main):
// each part's wall time on standard error as it ends; after the first
// frame its time since main, and with VORTAN_TIMING=exit the program's end.
void startup_mark(const char *part);
void startup_first_frame();
// Start-up and the endless loop; never returns (the program ends through
// MACIBM_exitalert).
[[noreturn]] void simulate();
// The start-up sequence of `simulate`, in its fixed order, ending with the
// clock reading the first time-step measurement starts from.
void simulate_start();
// One pass of the frame loop: pump, drag service, panel and view, one
// simulated frame, present.
// Reads: mnw.up, set.dragging, set.viewtype, msc.paused.
// Writes: msc (cntr, tottime, prd, rtrat, event, cntr10, evup), atm.vis.
void simulate_pass();
// The general initialisation: random seed, sound, constants tables, window
// table, stars, carrier, graph buffers, defaults, output streams.
void initgen();
// Advances the start-up progress bar while draw_init_loc is set: a 3 x 5
// cell in colour 24 at x 59 + 5 * intlim(init_loc, 0, 43), y 541.
void show_init();
extern int draw_init_loc;
// 1 once the start-up sequence has finished (the flight is set up).
int start_up_done();
// Starts the progress bar afresh (no cells drawn yet) and switches it on.
void begin_progress();
// Joystick presence: 0 usable, 4 no joystick support, 5 none plugged in,
// 6 the stick cannot be opened (no driver).
int init_WIN95();
// Starts the force-feedback stick when a joystick is there (1, controls
// type 2), else names the cause in an alert (0, controls type 3).
int MACIBM_initjoy();
// Time-step adaption, every tenth simulated frame (see loop.cpp).
// Reads: clock, msc.event, scn.belowbases, atm.clear, msc.warn_frame.
// Writes: msc.rtrat, msc.prd, msc.event, atm.vis.
void adapt_time_step();
// Forgets the loop's remembered state (measurement start, slow counter,
// warning shown, throttle-lever pixel); start-up calls it.
void reset_loop_state();

// ---------------------------------------------------------------- events
// The window procedure every window's messages go to.
void handle_IBM_win(const WinEvent *ev);
// Builds the menu bar.
void set_up_menus();
// One menu command: closes windows 1..17, then acts by item (see
// commands.cpp); the mouse button counts as released before and after.
void handlemenu(int item);
// A click in window `index` at msc.mx/my: the panel's hot spots, levers and
// the windshield while no sub-window is open; else the window's own
// handler (a click in the main window then does nothing).
// Writes: msc.event, mnw.dragging_index, msc.mouse_is_joy.
void handlewindowclick(int index);
// Paints window `index` with its drawing routine. Writes: msc.event.
void updatewin(int index);
// 1 when any of windows 1..17 is open.
int winsup();
// Window `index` was closed: the work its closing stands for (going to the
// airport typed, the region asked for, new thermals, repairs ...); window 0
// is Exit. Nothing once the program is ending.
void process_zap(int index);
// The program is ending (closes then change nothing); 0 for a new start.
void set_exiting(int on);
int is_exiting();
// A click at window pixel (x, y) of the view: in the box in the middle of
// the windshield it starts or ends mouse flying (controls type 3 only, not
// while the ATC choice list is up or in the replay).
// Writes: msc.mouse_is_joy.
void windshield_click(int x, int y);
// The key handler's character for layer key `key` with modifiers `mods`
// (shifted digits as symbols, letters by the shift state); 0 for none.
char sim_char(int key, int mods);
// The function-key number of layer key `key` (F1..F9 0..8, Backspace 9,
// F11 10, F12 11), -1 for any other key.
int funkey_number(int key);
// One character key (see keys.cpp for the table); the comma toggles light
// amplification first, the replay's free camera takes only its own keys.
// Writes: through the panel's clicks and levers, the menu commands, the
// radios, ott (autopilot off), flt.cat_stage, atc.menu_up/level, and in
// the replay msc.x_view/y_view/z_view, scn.the180rad/psi180rad/phi180rad,
// pat.cntr_replay.
void handle_simkey(char key);
// What a panel key does: a click, a lever drag (window pixel in x, y) or a
// menu command (item); 0 when the key is none of these.
enum KeyActionKind { ACT_NONE, ACT_CLICK, ACT_DRAG, ACT_MENU };
struct KeyAction {
    int kind;     // KeyActionKind
    int x, y;     // window pixels of the click or drag
    int item;     // menu command
};
int key_action(char key, KeyAction *a);
// Function key n (0..11: F1..F9, Backspace, F11, F12) as a drag of a lever
// one step from where it stands: throttles, propellers, mixtures, odd keys
// more. funkey_action gives the drag's window pixel (0 for no such key).
// Reads: ins.throt/prop/mix, osthr, oseng, osmix.
void handle_funkey(int n);
int funkey_action(int n, int *x, int *y);
// Location sub-menu item -> airport list number, runway end and start kind
// (900 runway, 1000 VFR final, 1100 ILS final); 0 when not such an item.
int location_item(int item, int *apt, int *rway, int *kind);
// Goes to the airport with identifier c1 c2 c3 of the country table: the
// region round it, on its runway; an alert when it is unknown.
// Writes: env (region), msc.loc_apt/loc_index/typestart/rway_sel, flt.
void gotofield(char c1, char c2, char c3);
// Starts afresh on the first airport's runway of the region at
// env.lat_south/lon_west.
void set_up_env_with_request_latlon();
// The "Exit" command (also a quit from the system or the window's close,
// even from inside an alert or dialog): preferences when the start-up has
// finished and a region is loaded (an alert when they cannot be written),
// the end noted in "Vortan.out", then the end. A second call while ending
// (a quit during its alert) just ends.
[[noreturn]] void exit_simulator();

// ---------------------------------------------------------------- preferences and situations
// Start-up: the preferences, or the factory settings and the first-start
// dialogue; then the data-output selection.
void initprefs();
// Opens the preferences file quietly and reads it: 1 when all of it was good.
int readprefs();
// Reads the sections from the open input file into the records: 1 on
// success, 0 at the first checkpoint after a missing, non-finite or
// out-of-range value (values read before it stay in the records).
// Writes: pln.C_file/C_path, env.C_path/lat_south/lon_west, msc, scn.time,
// atm, atc.voice_out/text_out, set, nav, msc.prd (limited to 0.01..0.1 s).
int grab_prefs();
// Progress cell, the empty line, the checkpoint number, the empty line after
// it: 1 when the number is pointwanted and nothing before it failed.
int PREFScheckpoint(int pointwanted);
// Factory settings; asks for the aircraft (a cancel ends the program).
void hardprefs();
// The aircraft file at `path` becomes the one flown: pln.C_path, and
// pln.C_file relative to the program folder when it lies inside it.
void remember_aircraft(const char *path);
// The radios' part of the factory settings (frequencies, volumes, courses,
// DME source and GPS waypoint).
void factory_radios();
// Writes the sections into the open output file.
void dump_prefs();
// The first four panel and graph items of the selection, the graph emptied,
// and the three output switches.
// Reads: set.Bdsk/Brlt/Bgrf. Writes: set.rltsel/grfsel/dskout/rltout/grfout, grf.
void set_rlt_grf_choices();
// Writes a situation (the sections and the five position lines) to path:
// 1 when the whole file was written and put in place.
int write_situation(const char *path);
// The File menu's "Save Situation" and "Load Situation": dialogs, files,
// and (loading) the flight restarted at the stored place; a refused file
// changes nothing and says why.
void save_situation();
void load_situation();
// The situation reader alone: opens and reads path (file is the name the
// alerts show); 1 when the records now hold it and set.cus_* its position,
// else 0 with the reason shown and every record as it was.
int read_situation_file(const char *file, const char *path);
// "Reset Preferences and Exit": the end with the message that disables
// the preferences.
[[noreturn]] void reset_prefs_and_exit();
