// Inside the shell only: the start-up, the frame loop's pieces (tests drive
// them pass by pass), the window procedure and menus, and the functions of
// later steps that start-up and the loop call, which wait in pending.cpp
// until those steps land.
#pragma once
#include "shell/shell.h"
#include "flight/flight.h"   // set_fltvars, deg2integ
#include "controls/controls.h"   // control, cal_stick

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
// The "Exit" command: preferences when a region is loaded, then the end.
[[noreturn]] void exit_simulator();

// ---------------------------------------------------------------- pending
// Functions of later steps (empty in pending.cpp until they land).
extern int osthr;   // panel's throttle-quadrant offset, pixels
void initprefs();
void dump_prefs();
int init_sound();
int initspeechsynth();
void dispose_sound();
void play_engine_and_wind();
void stop_engine_and_wind();
void maintain_engine_sound();
void maintain_wind_sound();
void init_tape(int digit);
void init_nav_pic();
void init_stars();
void build_mark();
void build_vasi();
void build_cable();
void build_elev();
void set_rlt_grf_choices();
void cleargraph();
void open_output_streams();
void close_output_streams();
void updatepanel();
void start_looking();
void grfload();
void grfdrag();
void play_movie();
void handle_plan(int step);
void controller_respond(int command);
void enginecondrag(int x, int y);
void dasclick(int x, int y);
void fltclick(int i);
void relclick();
void aptclick();
void grfclick();
void plt_nrt_click(int i, int id);
void plnclick(int i);
void process_zap(int index);
void handle_simkey(char key);
void handle_funkey(int n);
void panplot();
void staclick();
void latclick(int i);
void datclick();
void timclick(int i);
void wxrclick(int i);
void wgtclick(int i);
void sndclick();
void wrnclick();
