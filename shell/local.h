// Inside the shell only: the start-up, the frame loop's pieces (tests drive
// them pass by pass), the window procedure and menus, and the functions
// start-up and the loop call whose stand-ins are in pending.cpp.
#pragma once
#include "shell/shell.h"
#include "flight/flight.h"   // set_fltvars, deg2integ
#include "controls/controls.h"   // control, cal_stick
#include "view/view.h"   // set_mon
#include "panel/panel.h"   // panplot, updatepanel, the lever handlers, the panel offsets

// ---------------------------------------------------------------- start-up
// The process entry of the simulator: zero the records, start the layer,
// run `simulate`. Returns 1 (failure) when the display cannot be opened;
// never returns otherwise.
int vortan_main();
// The first half of it: records zeroed, the shell's handlers given to the
// layer, the layer started (1) or no display (0).
int vortan_start_layer();
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
// One menu command (closes sub-windows first).
void handlemenu(int item);
void handlewindowclick(int index);
void updatewin(int index);
// 1 when any of windows 1..17 is open.
int winsup();
// The "Exit" command: preferences when a region is loaded (an alert when
// they cannot be written), the end noted in "Vortan.out", then the end.
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

// ---------------------------------------------------------------- pending
// Functions whose stand-ins are in pending.cpp.
void init_stars();
void build_mark();
void build_vasi();
void build_cable();
void build_elev();
void cleargraph();
void open_output_streams();
void close_output_streams();
void start_looking();
void grfload();
void grfdrag();
void play_movie();
void enginecondrag(int x, int y);
void dasclick(int x, int y);
void fltclick(int i);
void relclick();
void aptclick();
void grfclick();
void plt_nrt_click(int i, int id);
void process_zap(int index);
void handle_simkey(char key);
void handle_funkey(int n);
void setnav(int w, int uplock, int plot_numbers);
void staclick();
void latclick(int i);
void datclick();
void timclick(int i);
void wxrclick(int i);
void wgtclick(int i);
void sndclick();
void wrnclick();
