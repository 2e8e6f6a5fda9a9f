// The simulator shell: the records it owns (user settings and control
// inputs `set`, frame timing and flags `msc`, autopilot modes `ott`,
// failures `rel`), the zero-fill of every record at entry, the record
// defaults of the general initialisation, and the view-port set-up.
#pragma once
#include "common/common.h"

constexpr int MAX_DATA_ITEMS = 60;     // selectable data-output items
constexpr int MAX_FAIL_KINDS = 19;
constexpr int MAX_CNTR = 30000;        // msc.cntr wraps past this

// User settings and control inputs. Written by the shell, the controls
// (YK*, CT*, OS*, controls_type), the panel (gear_handle, partbrake) and the
// settings windows.
struct settingstruct {
    int dragging;            // a mouse button is held down
    float dragtime;          // s the button has been held
    int controls_type;       // 2 force-feedback joystick, 3 mouse flying
    int nwheel_steer_type;
    int recip_hel_thrt_type;
    float OSptch, OSroll, OShdng;           // joystick calibration offsets
    float YKptch, YKroll, YKhdng, YKthro;   // raw normalised inputs
    float CTptch, CTroll, CThdng, CTthro;   // mapped commands; throttle 0..1
    int gear_handle;                        // 1 down
    int gear_stat[3];
    float gear_time[3];                     // s
    int viewtype;            // 601..615, or 999 for the free camera
    float partbrake;         // 0..1
    int cycout, cycoutwaiting;
    int dskout, rltout, grfout;
    int Bdsk[MAX_DATA_ITEMS], Brlt[MAX_DATA_ITEMS], Bgrf[MAX_DATA_ITEMS];
    int rltsel[4], grfsel[4];               // -1 none
    float damp;              // 0..1
    float joy_rat;
    float cus_x, cus_y, cus_z;  // custom start, m east, north, up
    float cus_psi;              // deg
    float cus_v;                // m/s
    int ah_bar_adjust;          // -10..10
};
extern settingstruct set;

// Frame timing, counters, mouse, start location and flags. Written by the
// shell's loop and handlers; `est_Vs` by aircraft loading (m/s), `ice` and
// `icebld` by the flight events.
struct miscstruct {
    int event;               // a click or repaint since the last measurement
    float prd;               // s, frame period
    float tottime;           // s simulated
    float rtrat;             // real s per simulated s, 0.2..5
    int cntr;                // frame counter 0..MAX_CNTR
    int cntr10;              // event periods 0..10
    int evup;                // frames per event period, 1..99
    int timer_running;
    float timer_value;       // s
    int speech_avail, sound_avail, sound_on, sound_ready;
    int mx, my;              // client pixels of the last mouse message
    int typestart;           // 900 runway, 1000 VFR final, 1100 ILS final
    int loc_apt, rway_sel, loc_index, topplate;
    float est_Vs;            // m/s
    char apt_id_req[MAX_STR];
    int icebld;
    float ice;               // 0..1
    int mouse_is_joy;
    int paused;
    int map_type;            // 503, 504, 505 or 999
    float x_view, y_view, z_view;   // m, free camera
    int warn_frame, warn_overspeed, warn_flaps, warn_gpws;
};
extern miscstruct msc;

// Autopilot modes and targets (the law is the controls' own).
struct ottostruct {
    int HDSLCT;
    int NAV[2];
    int ALHOLD, VVHOLD, GS2, ASHOLD;
    float alhold;            // m
    float vvhold;            // m/s
    float as_hold;           // kt
    float mn_hold;           // Mach
    float delhorz, delvert;  // deg, written by the navigation code
};
extern ottostruct ott;

// Failure settings and the state of each system (1 working, 0 failed).
struct relstruct {
    float ins_fail_rat, con_fail_rat;
    int fail_type[MAX_FAIL_KINDS];        // 1 never, 2 random, 3 failed now
    float fail_time_max[MAX_FAIL_KINDS];  // min, mean time of a random failure
    int eng[2];
    int vac, asi, ahz, alt, tsi, dgy, vvi, ail, elv, rud, flp, slt, thr, hyd, tro;
    int ger[3];
    float vac_death_time;                 // s
    float the_fail_err, phi_fail_err;     // deg
    float hyd_rat;                        // 1 full
};
extern relstruct rel;

// Clears every global record, in the order the program entry lays down.
void zero_records();

// The record defaults of the general initialisation, before preferences.
// Needs `con` filled.
void set_record_defaults();

// Sets the view-port part of `con` for world `gw` (0 main view, 1 second
// view, -1 zoom only) and multiplies the persistent zoom by `zoom_mult`
// (0 resets it to 1), limited to 1..1000.
// Reads: set.viewtype, pln.is_heli. Writes: con view-port fields.
void set_mon(int gw, float zoom_mult);
