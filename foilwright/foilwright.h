// Foilwright, the airfoil and flap designer: its window state, the editor,
// the plot with its cursor, the menus and the start-up. The constants, the
// tables and the generator are shared with the file code (files/).
#pragma once
#include "common/common.h"
#include "files/airfoil_gen.h"

namespace foilwright {

constexpr int VIEW_ALPHA = 401;   // cl, cd, cm against angle (or deflection)
constexpr int VIEW_POLAR = 402;   // cd, cm against cl
// Background screens of the polar view: the device's panel with its own
// abscissa caption.
constexpr int SCREEN_AIRFOIL_POLAR = 311, SCREEN_FLAP_POLAR = 312;
constexpr int PLOT_COLUMNS = 401;
constexpr int PLOT_X0 = 250;      // screen x of column 0
constexpr int BACK_COLOR = 11;
constexpr int CL_COLOR = 24, CD_COLOR = 32, CM_COLOR = 29, ALPHA_COLOR = 21;
constexpr int CURSOR_COLOR = 23;

// Designer state. Written by the menus, the window procedure and saving.
struct miscstruct {
    int haveaname;            // the part has been saved or opened under path_name
    int devicemod;            // unsaved changes
    int mx, my;               // last mouse position, client pixels
    int device;               // DEVICE_AIRFOIL or DEVICE_FLAP
    int view;                 // VIEW_ALPHA or VIEW_POLAR
    char C_openfile[MAX_STR]; // file name shown in the title
    char path_name[MAX_STR];  // full path of the part
};
extern miscstruct msc;
extern float cls, cds, cms;   // plot scales of cl, cd, cm
extern int lastx;             // cursor column, -1 none
extern float startup_pause_s; // pause per start-up bar cell (tests: 0)
// The cursor read-out as last drawn: abscissa, cl, cd, cm.
extern float readout[4];

// ---- state (app.cpp)
// Clears the three tables.
void initfoilwright();
// Default constants of the current device, the untitled name and title.
void reset_to_default();
// Makes `device` current, retitles the window, clears devicemod.
void switchmode(int device);
// The window title from C_openfile.
void retitle();
// Save dialog for the current device; on success names the part and writes
// it. Returns 1 when written, 0 when cancelled or failed.
int saveasproc();
// Writes the part to path_name; clears devicemod only when written, else
// says the save failed. Returns 1 when written.
int savepart();
// New (0), Open (1), Exit (2) or switch device (3), asking first to save
// unsaved changes.
void donewdeal(int action, int device);
void dothing(int action, int device);
void handlemenu(int item);
void handle_IBM_win(const WinEvent *ev);
// 1 when another Foilwright holds the instance lock (this one then ends);
// otherwise takes the lock for the rest of the process.
int another_instance_running();
// Layer callbacks, draw sources and the layer itself; 0 without a screen.
int foilwright_start_layer();
// Start-up bar, records, first part; then the loop (foilwright_main only).
void foilwright_start();
int foilwright_main();

// ---- editor and plot (plot.cpp)
// Draws (up 1) or edits (up 0) the fields of the current device; returns 1
// when a click changed a constant (the tables are then regenerated).
int handleclick(int up);
// Regenerates the tables and redraws the whole plot and the cursor.
void generate();
void plotelement(int column, int mode, int cursor);
void elementpoint(int colour, int column, float value);
// Follows the mouse with the cursor line (redraw_only: redraw it as it is).
void lineup(int redraw_only);
void update_screen(int window);

// ---- backgrounds (art.cpp)
// Registers bitmaps 301 (airfoil) and 302 (flap) with their captions.
void register_backgrounds();

}  // namespace foilwright
