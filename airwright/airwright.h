// Airwright, the aircraft designer: its window table and state, the menus
// and file commands, the editing screens, the shaping helpers (propeller
// twist, fuselage, floats), the background views of the aircraft and the
// performance table. The aircraft record and its file live in files/.
#pragma once
#include "common/common.h"
#include "files/airwright_files.h"

namespace airwright {

// Window table: 0 the main window, 1..32 aeroplane screens, 33..53
// helicopter screens; WIN_PERFORMANCE is a free slot for the table window.
enum Window {
    WIN_MAIN = 0,
    WIN_INDICATIONS = 1, WIN_FORCE_FEEDBACK = 2, WIN_PERFORMANCE = 3, WIN_ENGINES = 4,
    WIN_PROPELLERS = 5, WIN_WING1 = 7, WIN_WING2 = 8, WIN_HSTAB = 9, WIN_VSTAB1 = 10,
    WIN_VSTAB2 = 11, WIN_CONTROL_GEOMETRY = 13, WIN_FUSELAGE = 15, WIN_WEIGHT = 17,
    WIN_GEAR = 19, WIN_X_PROP = 20, WIN_X_WING1 = 21, WIN_X_WING2 = 22, WIN_X_HSTAB = 23,
    WIN_X_VSTAB1 = 24, WIN_X_VSTAB2 = 25, WIN_X_SPECIAL = 27, WIN_X_VTOL = 28,
    WIN_X_ART_STAB = 30, WIN_X_FLOATS = 32,
    WIN_H_INDICATIONS = 33, WIN_H_FORCE_FEEDBACK = 34, WIN_H_ENGINE = 36,
    WIN_H_MAIN_ROTOR = 37, WIN_H_TAIL_ROTOR = 38, WIN_H_ROTOR_SYSTEM = 39, WIN_H_HSTAB = 41,
    WIN_H_VSTAB1 = 42, WIN_H_VSTAB2 = 43, WIN_H_FUSELAGE = 45, WIN_H_WEIGHT = 47,
    WIN_H_GEAR = 49, WIN_H_SKID = 50, WIN_H_X_MAIN_ROTOR = 51, WIN_H_X_TAIL_ROTOR = 52,
    WIN_H_X_HSTAB = 53
};
constexpr int LAST_EDIT_WINDOW = 53;
constexpr int MAIN_BITMAP = 200;

// Main-window views (the View menu's codes).
enum BackgroundType { VIEW_TOP = 501, VIEW_SIDE, VIEW_FRONT, VIEW_3D_QUICK, VIEW_3D_LONG };

// Menu codes that are not window openers.
enum MenuCode {
    MENU_NEW = 201, MENU_OPEN = 202, MENU_SAVE = 203, MENU_SAVE_AS = 204, MENU_EXIT = 206,
    MENU_SMOOTH = 601, MENU_PLANE_MODE = 603, MENU_HELI_MODE = 604, MENU_PERFORMANCE = 606,
    MENU_ABOUT = 701
};

// Designer state. Written by the window procedure, the menus and the file
// commands.
struct miscstruct {
    int mx, my;              // last mouse position, client pixels of its window
    int planemod;            // unsaved changes
    int planenamed;          // the aircraft has a file name of the user's choosing
    int background_type;     // BackgroundType of the main window
    int pict_id[MAX_WINDOWS];   // background bitmap of each window, 0 none
    int mousedown;           // a button is held since a press in a window
};
extern miscstruct msc;
// A rotating 3-D view was requested and has not finished turning.
extern int waiting_to_rotate;
// The fuselage radius the Fuselage screen last drew its panels with, ft.
extern float prev_rad;
// Pause per start-up bar cell, s (tests: 0).
extern float startup_pause_s;

// ---- start-up, menus, commands (app.cpp)
// Registers the window table and the backgrounds, the Top view, and a new
// untitled aeroplane.
void initairwright();
// Builds the whole menu bar for the current type.
void set_up_menus();
// A new aircraft of the type (1 helicopter): menus rebuilt, editing windows
// closed, pln cleared and given the defaults of a new design.
void set_up_for_type(int is_heli, const char *name, const char *path);
void handlemenu(int item);
// The save-changes question before an action that drops the design: 1 to
// go ahead (nothing to save, saved, or No), 0 to cancel.
int do_new_thing();
// Saves under its name (asking for one first when it has none); clears
// planemod when written. 1 when written.
int save_design();
// Open dialog, then reads the chosen file (a damaged file ends the program).
void openplane();
// Saves the design (force_new_name or never named: the save dialog first).
// Returns 1 when written; 0 when cancelled or when the file could not be
// written (then the user is told and the old file is left as it was).
int writeout(int force_new_name);
// Retitles every window from its name and the aircraft's file name.
void resetwindownames();
// Opens editing window `index` (title with the aircraft's name) on top.
void makeawindow(int index);
void makeAIRWRIGHTwindowname(char *out, const char *window_name, const char *aircraft_name);
// Closes windows 1..53.
void close_edit_windows();
// Layer callbacks, draw sources, the layer; 0 without a screen.
int airwright_start_layer();
// Start-up bar and initairwright (airwright_main only adds the loop).
void airwright_start();
// One pass of the message loop: events, the fuselage drag, the rotating
// view and the performance run.
void airwright_pass();
int airwright_main();
void handle_IBM_win(const WinEvent *ev);

// ---- editing screens (screens.cpp, fields.cpp)
// Paints window `window`: the main window's background and views, or an
// editing screen's bitmap and fields.
void update_airwright(int window);
// Draws (click 0) or edits at the mouse (click 1) the fields of one editing
// window; returns 1 when a click changed the design.
int handlewindowclick(int window, int click);
// Window whose table entry holds the screen title; its bitmap.
const char *window_title(int index);
int window_bitmap(int index);
// Where a field of a screen lies (client pixels of its top left), by the
// caption painted above it; 0 when the screen has no such field. Tests and
// the screenshots use it to click as a user would.
int field_position(int window, const char *caption, int *x, int *y);
// The screens' backgrounds, captions and all (art.cpp).
void register_backgrounds();

// ---- shaping (shape.cpp)
// Blade twist for the design point of propeller or rotor `part` (0, 1):
// mode 0 from the design advance (sets the design speed), mode 1 from the
// design rpm and speed (sets the advance). Variable pitch puts the tip at 0.
void do_prop(int part, int mode);
// Propeller 2 of an aeroplane made the mirror of propeller 1.
void mirror_prop();
// The Fuselage screen: draws (click 0) or edits (click 1) its fields, station
// panels, copy strips and the default-fuselage button; 1 when a click
// changed the design.
int do_fuse(int click);
// Builds the default fuselage from the wing and tail positions.
void default_fuselage();
// Smooths stations 1..7: a along the fuselage, b toward a half ellipse,
// then rescaled to the old average radius.
void smoothit(float a, float b);
// Average distance of the points of stations 1..7 from their centre height.
float ret_ave_rad();
// Mean height of the five points of a station, ft.
float ret_z_center(int station);
// Splits floats 0, 2, 4 into front and rear halves (1, 3, 5), and back.
void makefloats();
void revertfloats();
// Station x laid out by the editor's rule: nose + length x (i / 8)^2.
float station_x(int station);

// ---- views (views.cpp)
// Draws the main window's view; rotate 1 animates the 3-D views from the
// clock (call again each pass while waiting_to_rotate).
void plot_all_views(int rotate);
// One drawing with the aircraft at pitch theta, heading psi, roll phi (deg).
void manage_plot(float theta, float psi, float phi);
// Camera distance that keeps the whole aircraft in view, ft (at least the
// base distance).
float find_dis_to_plane();

// ---- performance table (perf.cpp)
// Runs "vortan-batch --performance <aircraft>" beside Airwright for the
// saved design and shows its table in the Performance window.
void start_performance();
// Reads what the run printed so far; called each pass.
void poll_performance();
void draw_performance();
// The text shown (the run's standard output or a message).
const char *performance_text();

}  // namespace airwright
