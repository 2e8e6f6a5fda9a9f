// The portability layer over SDL2: the window table and numbered windows,
// menus, alerts and the fatal exit, file dialogs, off-screen 8-bit worlds,
// the message pump and presenting, the palette, joystick and force
// feedback, audio, and the single-instance lock. Only common/ sees SDL.
#pragma once
#include "common/numbers.h"

constexpr int MAX_WINDOWS = 54;         // designers' table; the simulator uses 0..17
constexpr int MAX_SIM_WINDOWS = 18;
constexpr int MAX_MENUS = 200;

// Window and menu table of the portability layer. Owned by the layer; the
// programs read `up` and `dragging_index`.
struct menuwindowstruct {
    int up[MAX_WINDOWS];                // window open
    void *wind[MAX_WINDOWS];            // layer's own window handle
    int x[MAX_WINDOWS], y[MAX_WINDOWS];    // client position, pixels
    int dx[MAX_WINDOWS], dy[MAX_WINDOWS];  // client size, pixels
    char windowname[MAX_WINDOWS][MAX_STR];
    void *menu[MAX_MENUS];              // layer's own menu handle by index
    int dragging_index;                 // window of the last click; 0 = main
};
extern menuwindowstruct mnw;

// ---------------------------------------------------------------- fatal exit
// Ends the program after a failure it cannot continue from (s1 non-null), or
// normally (all null). Never returns. Defined by the portability layer.
[[noreturn]] void MACIBM_exitalert(const char *s1, const char *s2, const char *s3, const char *s4);
// The same with `s`, the decimal text of `n` and two empty lines.
[[noreturn]] void MACIBM_numberexitalert(const char *s, int n);

// Numbered windows, numbered menus, four-line alerts, file dialogs, 8-bit
// off-screen worlds and the palette, over one SDL window (common/ is the only
// folder that sees SDL). Every window and world is a buffer of palette
// indices; the palette is applied when the frame is presented.

constexpr int SCREEN_W = 800;          // client area of the main window, pixels
constexpr int SCREEN_H = 600;
constexpr int MENU_BAR_H = 20;         // strip above the client area
constexpr int MAX_GWORLDS = 4;         // off-screen worlds 0..3
constexpr int TRANSPARENT_INDEX = 11;  // black; skipped by copies without blit_the_black
constexpr int FRAME_BORDER_PX = 3;     // program-window frame: each side
constexpr int FRAME_CAPTION_PX = 20;   // caption strip inside the top frame

// Kinds of file for the file dialogs.
enum FileKind {
    FILE_AFL = 301, FILE_FLP = 302, FILE_SIT = 306, FILE_ENV = 307, FILE_ACF = 308,
    FILE_PART = 309
};

// An 8-bit drawing target: a window's client buffer or an off-screen world.
// Clip rectangle inclusive-exclusive (x1 <= x < x2).
struct Port {
    uint8_t *pixels;
    int width, height, stride;
    int clip_x1, clip_y1, clip_x2, clip_y2;
};
// The current window's client buffer (set by MACIBM_startwind and during a
// paint message). Drawing with nothing locked goes here.
extern Port cur_port;
extern int cur_window;

// The locked world: first byte, bytes per row, and whether one is locked.
extern uint8_t *pix;
extern int row;
extern int locked;

// Folder of the program (ends in '/'), its copy, and the preferences file.
extern char app_path[MAX_STR];
extern char cd_path[MAX_STR];
extern char prefs_path[MAX_STR];
extern int std_res;      // 1 when the display is exactly 800 x 600

// Messages the layer hands to the program's window procedure.
enum WinMessage {
    MSG_KEYDOWN = 1,     // key, mods
    MSG_COMMAND,         // item: a menu item was chosen
    MSG_MOUSEMOVE,       // x, y: client pixels of `index`
    MSG_BUTTONDOWN,      // x, y, button (1 left, 3 right)
    MSG_BUTTONUP,
    MSG_PAINT,           // redraw `index`; its buffer is the current port
    MSG_QUIT             // the user closed the main (SDL) window
};
// Keys: printable keys are the unshifted character of the key ('a', '1',
// '-', '[', ' ' ...); the others below. Shift, Alt and Ctrl are in mods.
enum LayerKey {
    KEY_BACKSPACE = 8, KEY_TAB = 9, KEY_ENTER = 13, KEY_ESCAPE = 27,
    KEY_F1 = 256, KEY_F2, KEY_F3, KEY_F4, KEY_F5, KEY_F6, KEY_F7, KEY_F8, KEY_F9,
    KEY_F10, KEY_F11, KEY_F12,
    KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_HOME, KEY_END, KEY_DELETE
};
enum KeyMods { MOD_SHIFT_KEY = 1, MOD_ALT_KEY = 2, MOD_CTRL_KEY = 4 };

struct WinEvent {
    int message;         // WinMessage
    int index;           // window the message is for
    int key, mods;       // MSG_KEYDOWN
    int x, y, button;    // mouse messages
    int item;            // MSG_COMMAND
};

// What the program gives the layer, because common/ knows nothing of the
// program: its window procedure, its close handler and its sound and
// release steps. Any member may be null (then nothing happens).
struct LayerCallbacks {
    void (*window_proc)(const WinEvent *ev);  // every key, mouse, menu, paint
    void (*close_handler)(int index);         // a window was closed (once)
    void (*sounds_off)();                     // stop engine and wind sounds
    void (*sounds_on)();                      // restart them
    void (*alert_begin)();                    // before an alert: sounds off, alert sound
    void (*alert_end)();                      // after it: sounds on, button released
    void (*release)();                        // at exit: program streams, sound
    // A quit (window closed, SIGTERM, SIGINT) while an alert, question or
    // file dialog is up: ends the program there and then, as its Exit
    // would. Null: the panel closes with its last answer and the next pump
    // hands the quit to the window procedure.
    void (*quit_now)();
};
// Registers the callbacks (copied). Call before MACIBM_init.
void MACIBM_set_callbacks(const LayerCallbacks *callbacks);

// Starts the layer: paths, display check, constants and sine tables, the SDL
// window, palette, window 0, the menus (`build_menus` is the program's menu
// builder, may be null) and the splash (bitmap 500). Returns 0 when the
// screen cannot be opened, 1 otherwise.
int MACIBM_init(const char *main_name, void (*build_menus)());
// Display check of the emulated 8-bit 800 x 600 display (1 at start-up and
// for the required size, 0 to compare with the start-up size).
void set_res(int init_call);
// The check itself for a display of w x h at bpp bits (used by set_res, and
// by tests for other displays). Warns or ends the program with the messages.
void check_display(int init_call, int w, int h, int bpp);
// path = app_path + dir + "/" + file (no folder part when dir is empty).
void ap_dir(const char *dir, const char *file, char *path);
// Sets app_path to the program folder ('/'-terminated), where the programs'
// data lie: VORTAN_PROGRAM_DIR when set, else the executable's folder, or,
// for an installed program with no data beside it, <prefix>/share/vortan/
// next to its <prefix>/lib/vortan/. The layer's start does it; a program
// without the layer (the batch runner) calls it itself.
void find_program_folder();
// path = the running executable's folder + file (the programs run each
// other from there).
void exe_dir(const char *file, char *path);

// Windows (index 0..17; 0..53 in the designers; any other index ends the
// program with the function's own "out of bounds" message and the index).
// Stores the title and places the window (set_wind_size).
void set_win_params(int index, const char *name, int dx, int dy);
// Window 0 covers the screen (designers: at (-2, -2), 804 x 604); others
// are centred, 20 pixels above centre, client dx x dy.
void set_wind_size(int index, int dx, int dy);
// Opens the window if closed (sounds off, painted once), raises it and makes
// it the dragging window when bringtofront is set, and makes its buffer the
// current port in every case.
void MACIBM_startwind(int index, int bringtofront);
// Closes the window if open; its close handler then runs (once).
void MACIBM_killwind(int index);
// A window was closed: mark it, run the close handler, sounds on.
void MACIBM_handlezap(int index);
// Repaints the window now (its paint message, synchronously).
void MACIBM_invalwind(int index);
// Index of the open window with this handle; 0 when none or window 0 closed.
int win_to_index(void *handle);
// Changes the caption text.
void set_win_title(int index, const char *text);
// Refreshes the layer's idea of where the window is (after a move).
void set_up_win_globals(int index);
// Clips drawing in the current port to (x1, y1)-(x2, y2), right and bottom
// excluded, within the port.
void MACIBM_setclip(int x1, int y1, int x2, int y2);
// Nothing to do on this system; kept for the callers.
void update_mouse();
// Shows (1) or hides (0) the mouse pointer over the window.
void MACIBM_show_cursor(int show);

// Menus (index 1..199: above 199 ends the program with "Menu index out of
// range in <function>!", below 1 with "Menu index must be 1->235!").
// Empties the bar.
void MACIBM_startmenus();
// Makes menu `index` and puts it on the bar; the title's first letter is
// its Alt mnemonic.
void MACIBM_create_menu(int index, const char *title);
// Makes menu `index` a pop-up item of `parent`; a position that is a
// multiple of 25 starts a new column.
void MACIBM_create_submenu(int parent, int index, int position, const char *title);
// Appends item `item_index` ("-..." a separator) with the character at
// command_key_index (-1 none) as its mnemonic; an item number that is a
// multiple of 25 starts a new column. Too many items end the program.
void MACIBM_append_menu(int menu_index, int item_index, int command_key_index, const char *C_string);
// Removes an item; removes a whole menu from the bar or its parent.
void MACIBM_delete_menu_item(int menu, int item);
void MACIBM_delete_menu(int menu);
// Shows the bar.
void MACIBM_finalize_menus();
// Check mark on when val is non-zero; greyed (does nothing) when val is 0.
void MACIBM_check_menu(int menu_ind, int id, int val);
void MACIBM_gray_menu(int menu_ind, int id, int val);

// Alerts: a modal panel with four lines and OK; the question returns
// 1 Yes, 2 No, 3 Cancel.
void MACIBM_alert(const char *s1, const char *s2, const char *s3, const char *s4);
int MACIBM_respond_alert(const char *C_name);

// Off-screen worlds 0..3 ("Gworld index out of range!" otherwise).
// Makes world `index` of width x height; in use already ends the program.
void MACIBM_initgworld(int index, int width, int height);
// Fills (0, 0, dx, dy) with colour and locks the world: pix, row, locked.
void MACIBM_settogworld(int w, int dx, int dy, int color, int fullfill);
// Unlocks it and copies (x1, y1)-(x2, y2), right and bottom excluded, to the
// current port at (x_offset + x1, y_offset + y1); without blit_the_black,
// index 11 is not copied.
void MACIBM_copytoport(int index, int x_offset, int y_offset, int x1, int y1, int x2, int y2,
                       int blit_the_black);
// Frees the world; unused ones are left alone.
void MACIBM_disposegworld(int index);

// File dialogs: 1 with the chosen name in C_file and full path in C_path,
// 0 on cancel. C_path holds the proposed file on entry.
int MACIBM_open(char *C_file, char *C_path, int file_type);
int MACIBM_save(char *C_file, char *C_path, int file_type);

// The frame: hand every pending input to the window procedure (returns how
// many were handled), and show the frame (palette applied here; may wait
// for the display's vertical sync).
int MACIBM_pump();
void MACIBM_present();

// Palette entry `index` as 0..255 components; shown at the next present.
void MACIBM_set_palette_entry(int index, int r, int g, int b);
// System drawing into the current port (the unlocked path of the
// rasterizer): a rectangle (x1, y1)-(x2, y2) with right and bottom edges
// excluded, one pixel, and text in the layer's font (6 x 8 cell, y the top).
void sys_fill_rect(int x1, int y1, int x2, int y2, int color);
void sys_set_pixel(int x, int y, int color);
void sys_draw_text(int x, int y, const char *s, int color);
// Draws bitmap resource ID 1:1 at (x, y) of the current port, its colours
// first passed through change_colors_for_time (panel lighting) and matched
// to the nearest palette entries; nothing while a world is locked. An
// unknown ID ends the program with "Can't load resource bitmap!" and the ID.
void MACIBM_bitmap(int x, int y, int ID);

// Joystick presence, for the start-up's check.
enum JoyState { JOY_PRESENT = 0, JOY_NO_SUPPORT, JOY_NONE_PLUGGED, JOY_OPEN_FAILED };
int joystick_state();
// The force-feedback stick (SDL haptic, best effort; effects come with the
// controls): select the port, open the stick, enable forces, clear, close.
void ff_set_joystick_port(int port);
void ff_init_stick(int mode);
void ff_enable_forces();
void ff_clear_forces();
void ff_close_stick();
// Joystick 1 in the stick driver's ranges: raw[0] x (roll), raw[1] y
// (pitch), raw[2] z (throttle), raw[3] r (rudder), each 0..65535 with the
// centre at JOY_RAW_CENTRE; buttons bit 0 a, 1 b, 2 c, 3 d. Returns 0 with
// centred axes and no buttons when no stick is open.
constexpr int JOY_RAW_CENTRE = 32768;
int joy_read(int raw[4], int *buttons);
// The force-feedback stick's calls, one per library entry; arguments are
// percent, degrees and milliseconds as the controls' dispatcher limits
// them. Silent without a force-feedback stick.
enum FFCall {
    FF_CALL_XSPRING,            // a offset -100..100, b c strength 0..100
    FF_CALL_YSPRING,
    FF_CALL_XVIBRATION,         // a b magnitude 0..100, c rate 0..50 Hz
    FF_CALL_YVIBRATION,
    FF_CALL_XVIBRATION_CLEAR,
    FF_CALL_YVIBRATION_CLEAR,
    FF_CALL_BUFFETING,          // a magnitude 0..100
    FF_CALL_BUFFETING_CLEAR,
    FF_CALL_JOLT,               // a magnitude 0..100, b direction deg, c ms
    FF_CALL_CLEAR               // stop every effect
};
void ff_effect(int call, int a, int b, int c);

// Audio: opens the SDL audio device (1) or reports that there is none (0).
// The mixer, when set, fills `nframes` stereo 16-bit frames at AUDIO_RATE_HZ.
constexpr int AUDIO_RATE_HZ = 22050;
typedef void (*AudioMixer)(int16_t *out, int nframes);
int MACIBM_open_audio();
void MACIBM_set_mixer(AudioMixer mixer);
void MACIBM_close_audio();
// Holds the mixer off while the program changes what it mixes (nothing
// happens when no device is open). Keep the hold short: it stalls the audio.
void MACIBM_lock_audio();
void MACIBM_unlock_audio();

// ---------------------------------------------------------------- single instance
// Takes the lock file `name` in the user data folder for the life of the
// process (the system drops it at any end, so a crashed run never blocks the
// next). Returns 0 when another process holds it, 1 otherwise (also when no
// lock can be kept: better to run than to refuse).
int claim_single_instance(const char *name);
// Sleeps `ms` milliseconds: the designers' idle loop between passes (the
// simulator's loop never sleeps).
void MACIBM_idle(int ms);

// ---------------------------------------------------------------- the designers' shared steps
// The start-up bar both designers draw over the splash: cells of colour 24
// on row 541 from x 59 to 274 in steps of 5, `pause_s` each (0 in tests).
void designer_startup_bar(float pause_s);
// Starts the layer for a designer: its window procedure and close handler
// (may be null), the mouse position the widgets read, and its menus.
// Returns 0 when the screen cannot be opened, 1 otherwise.
int designer_start_layer(const char *name, void (*window_proc)(const WinEvent *ev),
                         void (*close_handler)(int index), const int *mx, const int *my,
                         void (*build_menus)());
// The save-changes question before a design is dropped: without changes go
// ahead (1); otherwise ask about `name`: Yes runs `save` and goes ahead
// only when it saved, No goes ahead, anything else cancels (0).
int designer_save_question(int modified, const char *name, int (*save)());
// 1 once SIGTERM or SIGINT has come (the quit it makes is then no closed
// window).
int layer_quit_signalled();

// A designer told to end by a signal keeps unsaved changes in a recovery
// copy beside the design ("<name>-recovered.<ext>", never over it; in the
// user's data folder for a design never saved or in a folder that takes no
// new files), written atomically through
// `write`, says where on standard error and ends. A note in the user's data
// folder ("<program>.recovery") holds the copy's path for the next start.
struct DesignerRecovery {
    const char *program;                 // "Foilwright", "Airwright"
    const int *modified;                 // the unsaved-changes flag
    const char *(*path)();               // the design's file; "" when never saved
    const char *(*name)();               // its file name
    int (*write)(const char *path);      // 1 when the whole design was written
    void (*open)(const char *path);      // opens a copy at the next start
};
// Registers the designer's recovery (copied; the pointers must live on).
// designer_start_layer's quit callback then covers a signal that arrives
// while a question or dialog is up.
void designer_set_recovery(const DesignerRecovery *r);
// For the window procedure's quit: after a signal, keeps the changes (if
// any) and ends the program; after a closed window it returns 0 and the
// designer asks as its Exit does.
int designer_quit_by_signal();
// The recovery copy's path for `path` or, never saved, `name` in the user's
// data folder (also for a `path` whose folder takes no new files); 0 when
// it does not fit.
int designer_recovery_path(const char *path, const char *name, char *out);
// At start-up: when the last run left a recovery copy, asks whether to open
// it (the note is then gone, whatever the answer).
void designer_offer_recovery();

// ---------------------------------------------------------------- a program run beside this one
// One child program at a time, run without a shell (arguments passed as
// they are), its standard output and standard error each read through a
// pipe without waiting. Starts `program` (a path) with `args` (null-
// terminated, args[0] the first argument after the program's name).
// Returns 1 when it was started, 0 when another still runs or the system
// refused (then nothing runs).
int child_start(const char *program, const char *const *args);
// Appends what the child wrote since the last call to out and err (each
// kept zero-terminated, at most cap - 1 bytes; the rest is dropped).
// Returns 1 while it runs, 0 once it has ended and both pipes are empty:
// *status is then its exit code, or -1 when it could not be run or was
// killed. Without a child it returns 0 at once with *status -1.
int child_poll(char *out, char *err, int cap, int *status);
// Ends a running child and forgets it.
void child_stop();
