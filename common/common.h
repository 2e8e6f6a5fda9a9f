// The shared library of all three programs: constants and sine tables, the
// window table of the portability layer, the text-file scanner and writer,
// the program's random generator and clock, and the numeric helpers with
// fixed edge behaviour. Drawing and the SDL layer add to this header.
#pragma once
#include <cstdint>

constexpr int MAX_STR = 400;            // every name, path and message buffer
constexpr int MAX_WINDOWS = 54;         // designers' table; the simulator uses 0..17
constexpr int MAX_SIM_WINDOWS = 18;
constexpr int MAX_MENUS = 200;

// Which program this library is linked into; set first thing in main.
enum ProgramKind { PROG_VORTAN = 0, PROG_AIRWRIGHT = 1, PROG_FOILWRIGHT = 2 };
extern int program_kind;
// Set by headless tools that run the simulator's library (the batch
// runner): they own no preferences file, so a fatal exit leaves the
// user's simulator preferences alone.
extern int keep_user_prefs;

// Physical constants, unit factors and view-port geometry, all float.
// Units: SI unless the name says otherwise; "a to b" fields multiply a value
// in unit a to give unit b. Filled by fill_constants (at layer start-up);
// the view fields by set_mon and the view code.
struct constantstruct {
    float muearth, rearth, rhoSL, muair, gammaairM1;
    float pi, pim2, pid2;
    float R, e, g, rho_h20;
    float lbstokgs, kgstolbs, fttomtrs, mtrstoft, hptowatt, watttohp;
    float dgrtodgk, dgktodgr, radtodeg, degtorad, ktstomsc, msctokts;
    float rpmtorsc, rsctorpm, fpmtomsc, msctofpm, nmtomtrs, mtrstonm;
    float sftosmtr, smtrtosf, lbstontn, ntntolbs, ftlbtonm, nmtoftlb;
    float endtomed, medtoend, enptomep, meptoenp, enItomtI, mtltoenl;
    float nm_to_sm, sm_to_nm, mtrtoplt, plttomtr;
    float mtrtonrt, nrttomtr;  // chart scale, set when a region loads
    float zom_pp45, zom_45pp;  // zoom x 600 pixels per unit tangent, and inverse
    float VIEW_loc_x, VIEW_loc_y, VIEW_loc_z, sinVIEWpsi, sinVIEWthe, sinVIEWphi,
          cosVIEWpsi, cosVIEWthe, cosVIEWphi;
    float PLAN_loc_x, PLAN_loc_y, PLAN_loc_z, sinPLANpsi, sinPLANthe, sinPLANphi,
          cosPLANpsi, cosPLANthe, cosPLANphi;
    float BOAT_loc_x, BOAT_loc_y, BOAT_loc_z, sinBOATpsi, sinBOATthe, sinBOATphi,
          cosBOATpsi, cosBOATthe, cosBOATphi;
    float off_view_center_fx, off_view_center_fy;  // pixels
    int gwor_x_size, gwor_y_size;                  // view world size, pixels
    int off_int_lft, off_int_top, off_int_rgt, off_int_bot, off_int_hex, off_int_hey;
    float off_flt_lft, off_flt_top, off_flt_rgt, off_flt_bot, off_flt_hex, off_flt_hey;
    float rat_lft, rat_top, rat_rgt, rat_bot, rat_hex, rat_hey;  // tangents
    int HUD_lft, HUD_top, HUD_rgt, HUD_bot;                      // pixels
    int clipview;
};
extern constantstruct con;

// Whole-degree sine and cosine, index 0..360.
constexpr int NTRIG = 361;
extern float lsin[NTRIG];
extern float lcos[NTRIG];

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

// Fills `con` and the sine/cosine tables. Called once at layer start-up
// (and by tests); no failure.
void fill_constants();

// ---------------------------------------------------------------- clock, random
// Monotonic milliseconds since an arbitrary start (never CPU time).
int64_t clock_ms();
// Busy-waits `deltime_s` seconds on clock_ms.
void delay(float deltime_s);
// The program's own 15-bit generator: seed, and the next value 0..32767.
void seed_rand(unsigned seed);
int next_rand15();

// ---------------------------------------------------------------- fatal exit
// Ends the program after a failure it cannot continue from (s1 non-null), or
// normally (all null). Never returns. Defined by the portability layer.
[[noreturn]] void MACIBM_exitalert(const char *s1, const char *s2, const char *s3, const char *s4);
// The same with `s`, the decimal text of `n` and two empty lines.
[[noreturn]] void MACIBM_numberexitalert(const char *s, int n);

// ---------------------------------------------------------------- text files
// Input: one file at a time. Lines may end in LF, CR or CR LF; the reader
// hands every one of them to the scanners as x_eln.
extern char x_eln;
// Opens a data file and checks its version. Returns 1 when open and good.
// A wrong version returns 0 when is_prf is set, else ends the program with
// the wrong-version message. The designers check the marker "A"/"I" first.
int inf_open(const char *inf_name, int version, int is_prf);
void inf_close();
int inf_good();        // 1 while nothing has failed and the end is not passed
void rln();            // skip to the start of the next line
int intscan();         // one integer, then skip the line; 0 once failed
float fltscan();       // one float, then skip the line; 0 once failed
int bolscan();         // 1 only for the integer 1
int intscanNOSN();     // the same without skipping the line
float fltscanNOSN();
int bolscanNOSN();
// A whole line (spaces kept) into s, at most MAX_STR - 1 characters; the rest
// of an overlong line is skipped. Empty at end of file.
void spacescan(char *s);

// Output: one file at a time, written to a temporary file and renamed into
// place by ouf_close, so a failed save never destroys the old file.
// Returns 1 when the temporary file is open; writes "I", the version line.
int ouf_open(const char *ouf_name, int ftype, int version);
// printf-style text into the output file; nothing happens when none is open.
void ouf_printf(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
// Finishes the file: 1 when every write succeeded and the file replaced the
// old one, 0 otherwise (the old file is then left as it was).
int ouf_close();

// ---------------------------------------------------------------- strings
void C_to_C(const char *src, char *dst);
void C_plus_C(const char *a, const char *b, char *dst);
void app_C(char *dst, const char *src);
char *lit_to_var(const char *s);
int char_to_int_(char c);
char int_to_char_(int i);
void i_to_cs(int i, char *s);
void flt_switch(float *a, float *b);
void int_switch(int *a, int *b);
void chr_switch(char *a, char *b);
// Case-blind comparison of file names stored inside data files.
int names_match(const char *a, const char *b);

// ---------------------------------------------------------------- numbers
int intrand(int lo, int hi);
float fltrand(float lo, float hi);
float fltsgn(float x);
// Nearest integer, halves away from zero. (Named so: <math.h> puts a float
// round() in the global namespace.)
int iround(float x);
float fallout(float x, float lo, float hi);
float sqr(float x);
float signsqr(float x);
float signsqrt(float x);
float interp(float x1, float y1, float x2, float y2, float x);
float pythag(float a, float b);
float pythag3(float a, float b, float c);
int intpos(int i);
int fltpos(float x);
int intrange(int i, int lo, int hi);
int fltrange(float x, float lo, float hi);
int intbox(int x, int y, int x1, int y1, int x2, int y2);
int fltbox(float x, float y, float x1, float y1, float x2, float y2);
int intlim(int i, int lo, int hi);
float fltlim(float x, float lo, float hi);
int intwrap(int i, int lo, int hi);
float fltwrap(float x, float lo, float hi);
int intnear(int in, int nearest, int up);
float fltnear(float in, float nearest, int roundcode);
int intmin2(int a, int b);
int intmax2(int a, int b);
float fltmin2(float a, float b);
float fltmax2(float a, float b);
int intmin3(int a, int b, int c);
int intmax3(int a, int b, int c);
float fltmin3(float a, float b, float c);
float fltmax3(float a, float b, float c);
float fltmin4(float a, float b, float c, float d);
float fltmax4(float a, float b, float c, float d);
// Angle (radians) between vectors a and b; 0 when either is zero.
float dotprod(float a1, float a2, float a3, float b1, float b2, float b3);
int facing(float a1, float a2, float a3, float b1, float b2, float b3,
           float c1, float c2, float c3);
// View tangent to pixel column / row of the current view world.
int XFRM_x(float t);
int XFRM_y(float t);
// Whole-degree table index: any float (NaN gives 0) wrapped into 0..359.
int deg_index(float deg);

// ---------------------------------------------------------------- view transforms
// Rotations between the world (x east, y north, z up), a body (aircraft or
// ship: x right, y forward, z up) and the camera (x right, y forward =
// depth, z up), from the sines and cosines in `con`. Each takes a point
// (m) and writes the three components of the result.
// Body to world offset with the aircraft's roll, then pitch, then heading
// (con.sin/cosPLANphi, the, psi).
void xfrm_VIEWP(float x, float y, float z, float *xo, float *yo, float *zo);
// World offset from the camera to camera axes (con.sin/cosVIEWpsi, the, phi).
void xfrm_SCENE(float x, float y, float z, float *xo, float *yo, float *zo);
// World to body with the aircraft's angles: the inverse of xfrm_VIEWP.
void xfrm_VVECT(float x, float y, float z, float *xo, float *yo, float *zo);
// Aircraft body to camera: xfrm_VIEWP, plus the aircraft's offset from the
// camera (con.PLAN_loc - con.VIEW_loc), then xfrm_SCENE.
void xfrm_PLANE(float x, float y, float z, float *xo, float *yo, float *zo);
// Ship body to world with the ship's angles, plus its position (con.BOAT_*).
void xfrm_BOAT(float x, float y, float z, float *xo, float *yo, float *zo);

// ---------------------------------------------------------------- user files
enum UserFolder { USER_CONFIG = 0, USER_DATA = 1 };
// Path of `file` in the user's config ($XDG_CONFIG_HOME/vortan, default
// ~/.config/vortan) or data folder ($XDG_DATA_HOME/vortan, default
// ~/.local/share/vortan), creating the folder. Returns 0 when the path does
// not fit MAX_STR or no home folder is known.
int user_file_path(int folder, const char *file, char *out);

// ================================================================ portability layer
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
// Sets app_path to the program folder: VORTAN_PROGRAM_DIR when set, else
// the executable's folder ('/'-terminated). The layer's start does it; a
// program without the layer (the batch runner) calls it itself.
void find_program_folder();

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

// ================================================================ rasterizer
// The program's own drawing: spans, lines, rectangles and triangles, the
// palette with its time-of-day lighting, digit glyphs, seven-segment digits,
// the 5 x 7 font, number fields, the settings-window widgets and the bitmap
// resources. Every primitive has two paths: with a world locked (`locked`)
// it writes palette indices into `pix`/`row`, clipped to the locked world
// (nothing is ever written outside it); otherwise it draws into the current
// window (`cur_port`) as the system drawing would. Positions are pixels, y
// down; colours are palette indices.

// ---------------------------------------------------------------- Fixed
// Signed 16.16 fixed point for rasterizer interpolants. Range -32768 ..
// 32767.99998 (whole parts outside it wrap: keep |values| below 32768).
// fixed_from_int/long shift left 16; fixed_to_int shifts right 16, so the
// whole part rounds toward minus infinity (-0.5 gives -1). fixed_div(a, b)
// is a x 65536 / b computed in 64 bits and rounded half away from zero (the
// multiply-divide of the system the program was written on); a result
// beyond the range saturates, and b = 0 gives 0.
struct Fixed {
    int32_t v;
    Fixed &operator+=(Fixed o) { v += o.v; return *this; }
    bool operator<(Fixed o) const { return v < o.v; }
};
inline Fixed fixed_from_int(int i) { return Fixed{(int32_t)((uint32_t)i << 16)}; }
inline Fixed fixed_from_long(long i) { return Fixed{(int32_t)((uint64_t)i << 16)}; }
inline int fixed_to_int(Fixed f) { return f.v >> 16; }
inline int64_t fixed_div_raw(int64_t a, int64_t b)
{
    if (b == 0)
        return 0;
    int64_t n = a * 65536;
    uint64_t un = n < 0 ? 0 - (uint64_t)n : (uint64_t)n;
    uint64_t ub = b < 0 ? 0 - (uint64_t)b : (uint64_t)b;
    int64_t q = (int64_t)((un + ub / 2) / ub);
    return (n < 0) != (b < 0) ? -q : q;
}
inline Fixed fixed_div(int32_t a, int32_t b)
{
    int64_t q = fixed_div_raw(a, b);
    if (q > INT32_MAX) q = INT32_MAX;
    if (q < INT32_MIN) q = INT32_MIN;
    return Fixed{(int32_t)q};
}
// The same 16.16 number held in 64 bits, for triangle edges whose ends lie
// beyond Fixed's range (same rounding; no wrap for any int coordinates).
struct WideFixed {
    int64_t v;
    WideFixed &operator+=(WideFixed o) { v += o.v; return *this; }
    bool operator<(WideFixed o) const { return v < o.v; }
};
inline WideFixed wide_from_int(int i) { return WideFixed{(int64_t)i * 65536}; }
inline int64_t wide_to_long(WideFixed f) { return f.v >> 16; }
inline WideFixed wide_div(int64_t a, int64_t b) { return WideFixed{fixed_div_raw(a, b)}; }

// ---------------------------------------------------------------- state the drawing reads
// Where the rasterizer finds the program's lighting and mouse state (common/
// sees no program record): the simulator points these at scn.time,
// scn.lamp, pln.dashtype, msc.mx and msc.my at start-up. A null member reads
// as time 1 (day), lamp 0 (off), dashtype 1, mouse (-1, -1).
struct DrawSources {
    const int *time;        // time-of-day code 1 day, 2 dusk, 3 night, 4 dark night
    const float *lamp;      // light amplification on when non-zero
    const int *dashtype;    // panel type 1 round gauges, 2 glass
    const int *mx, *my;     // client pixels of the last mouse message
};
void set_draw_sources(const DrawSources *src);

// ---------------------------------------------------------------- spans and primitives
// Fills add[x1..x2] inclusive with `color` (nothing when x2 < x1): single
// bytes up to a 4-byte boundary, then words of color16 (the index in all
// four bytes), then the rest. No clipping: the caller passes a valid row.
void memscan(uint8_t *add, int x1, int x2, uint32_t color16, uint8_t color);
// One pixel.
void ADD_point(int color, int x, int y);
// dx pixels from x to the right (negative: the |dx| pixels left of x).
void ADD_hline(int color, int x, int y, int dx);
// dy pixels from y downward (negative likewise).
void ADD_vline(int color, int x, int y, int dy);
// Locked: n = truncated length; n steps of (dx/n, dy/n) in Fixed from
// (x1, y1), the end point itself not plotted. Unlocked: the whole line
// including both ends. `fast` is unused on this system (kept for callers).
void MACIBM_line(int color, int x1, int y1, int x2, int y2, int fast);
// Locked: (l + 1) x (h + 1) pixels from (x, y); unlocked: (x, y)-(x + l,
// y + h) with the right and bottom edges excluded (so l = h = 0 is nothing).
void MACIBM_fillrect(int color, int x, int y, int l, int h, int fast);
// Locked: rows of l + 1 pixels at y and y + h, columns of h pixels at x and
// x + l; unlocked: the hollow rectangle (x, y)-(x + l - 1, y + h - 1).
void MACIBM_framerect(int color, int x, int y, int l, int h, int fast);
// Filled triangle. Locked: the program's scan converter (rows top..bottom-1,
// both span ends filled); unlocked: a system polygon (outline and inside).
void MACIBM_poly3(int color, int x0, int y0, int x1, int y1, int x2, int y2, int fast);
// Triangles (1, 3, 4) then (1, 2, 3).
void MACIBM_poly4(int color, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                  int fast);
// Fan (0, k, k + 1) for k = 1..poly_vert_max - 1; poly_vert_max is the last
// vertex index, 2..MAX_POLY_VERTS - 1 (the clipper's buffer: a clipped
// triangle or quadrilateral fits); any other value draws nothing.
constexpr int MAX_POLY_VERTS = 24;
void MACIBM_polyN(int color, const int *poly_x, const int *poly_y, int poly_vert_max, int fast);
// Unlocked only (nothing while a world is locked): hollow circle, filled
// ellipse of radii rx, ry and filled circle around (x, y).
void MACIBM_framecircle(int color, int x, int y, int r);
void MACIBM_filloval(int color, int x, int y, int rx, int ry);
void MACIBM_fillcircle(int color, int x, int y, int r);
// Unlocked only: the ring r1..r2 around (x, y) from direction `start`
// clockwise to `stop` (degrees clockwise from straight up, wrapped to
// 0..359; equal wrapped values other than start = stop give the whole ring).
// Nothing when start = stop.
void MACIBM_arc(int color, int x, int y, int r1, int r2, int start, int stop);

// ---------------------------------------------------------------- palette
// Entry `index` from ratios 0..1: indices below 53 (and every index while
// light amplification is on) first go through change_colors_for_time.
void MACIBM_assigncolor(int index, float r, float g, float b);
// Panel lighting by time of day, panel type and light amplification,
// ratios changed in place and limited to 0..0.99.
void change_colors_for_time(int index, float *r, float *g, float *b);
// The interface colours 11..61 (grey ramp 11..23, greens, reds, yellows,
// blues, browns, the light colours 53..61).
void set_xsys_colors();
// The start-up colours of 56..245: lights, sky and clouds 56..64 and the
// scene colours 65 + 18 h + k of a clear day (k 0..17, haze step h 0..9).
void set_fixed_scene_colors();
// The ratios a bitmap painter means by `index` (its start-up colour, before
// any lighting); 0 for indices outside 11..245.
void art_color(int index, float *r, float *g, float *b);

// ---------------------------------------------------------------- digit glyphs
// Three-digit readouts of input (limited to 0..999): hundreds, tens, units
// at x, x + 6, x + 12. "b" glyphs are 4 x 7, "s" 4 x 5; "e" also paints the
// cells some other digit lights with color2, "ne" only the lit cells. With
// nothing locked they draw through world 2.
void ADD_be(int color1, int color2, int x, int y, int input);
void ADD_bne(int color, int x, int y, int input);
void ADD_se(int color1, int color2, int x, int y, int input);
void ADD_sne(int color, int x, int y, int input);
// One glyph into the locked world (ends the program when nothing is locked).
// ADD_b_0e(c1, c2, x, y) .. ADD_s_9ne(c, x, y) as named in the design; the
// digit-indexed forms below are what they call.
void ADD_b_e(int digit, int c1, int c2, int x, int y);
void ADD_b_ne(int digit, int c, int x, int y);
void ADD_s_e(int digit, int c1, int c2, int x, int y);
void ADD_s_ne(int digit, int c, int x, int y);
#define VORTAN_GLYPH_PROTOS(n) \
    void ADD_b_##n##e(int c1, int c2, int x, int y); void ADD_b_##n##ne(int c, int x, int y); \
    void ADD_s_##n##e(int c1, int c2, int x, int y); void ADD_s_##n##ne(int c, int x, int y);
VORTAN_GLYPH_PROTOS(0) VORTAN_GLYPH_PROTOS(1) VORTAN_GLYPH_PROTOS(2) VORTAN_GLYPH_PROTOS(3)
VORTAN_GLYPH_PROTOS(4) VORTAN_GLYPH_PROTOS(5) VORTAN_GLYPH_PROTOS(6) VORTAN_GLYPH_PROTOS(7)
VORTAN_GLYPH_PROTOS(8) VORTAN_GLYPH_PROTOS(9)
#undef VORTAN_GLYPH_PROTOS

// ---------------------------------------------------------------- seven-segment digits
// Digit n (0..9, 10 a minus sign; other values light nothing) with segment
// length s at top-left (x, y); with erase the unlit segments go black first.
void digit(int x, int y, int s, int color, int n, int erase);
// Segments b0 top, b1 upper left, b2 upper right, b3 middle, b4 lower left,
// b5 lower right, b6 bottom, each s + 1 pixels.
void lightleds(int x, int y, int s, int color, int b0, int b1, int b2, int b3, int b4, int b5,
               int b6, int erase);

// ---------------------------------------------------------------- 5 x 7 font and text
constexpr int LETTER_PITCH = 6;        // pixels from one character to the next
constexpr int NUM_CHAR_CODES = 37;     // 0..9 digits, 10..35 A..Z, 36 blank
// Character n (any byte; lower case shows as upper case) in the 5 x 7 cell
// at top-left (x, y); erase paints the unlit cells black.
void plot_letter(int x, int y, int c, int erase, int n);
// A 5 x 7 cell from 35 flags, column a (a1 top .. a7 bottom) first.
void let(int x, int y, int c, int erase, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
         int b1, int b2, int b3, int b4, int b5, int b6, int b7, int c1, int c2, int c3, int c4,
         int c5, int c6, int c7, int d1, int d2, int d3, int d4, int d5, int d6, int d7, int e1,
         int e2, int e3, int e4, int e5, int e6, int e7);
// Digit n (0..9) with plot_letter.
void plot_number(int x, int y, int c, int erase, int n);
// Words at a pitch of 6; a word that would pass xmax ends the string
// (newline 0) or starts a line 10 pixels lower at x. At most 400 characters.
void HS_plot_string(int x, int y, int c, const char *string, int xmax, int newline);
// Text on the baseline y: type 1 the 5 x 7 font (through world 2 when
// nothing is locked), 0 the system font, 2 the variable-pitch font
// (unlocked; transparent background).
void MACIBM_drstring(int color, int x, int y, const char *C_string, int type_string);
// Identifier characters: code 0..36 (unknown characters give 36, blank).
int char_to_code(char c);
char code_to_char(int code);
// Opens world 2 of dx x dy (at least 1 x 1) for window position (x, y),
// fills it with color and locks it; *xref, *yref -= x, y. Then
// finish_IBM_surf3 copies it there (index 11 skipped unless blit_the_black)
// and frees it.
void start_IBM_surf3(int x, int y, int dx, int dy, int color, int *xref, int *yref);
void finish_IBM_surf3(int blit_the_black);

// ---------------------------------------------------------------- number fields
// The last dig (1..5) decimal digits of |input|. size -1: the 5 x 7 font at
// a pitch of 6 (4 for a "1"); otherwise seven-segment digits of segment
// length size at a pitch of size + 1 + spaceinc.
void intnum(int x, int y, int input, int dig, int color, int size, int spaceinc, int erase);
// input x 10^dec truncated (NaN shows 0), its last dig digits as
// seven-segment digits with a decimal point before the last dec; with
// drawsign a minus segment one pitch left of x (black when not negative).
void fltnum(int x, int y, float input, int dig, int dec, int color, int size, int drawsign,
            int spaceinc);

// ---------------------------------------------------------------- settings-window widgets
// All hit-test the mouse of DrawSources with intbox. `up` 1 only draws;
// `up` 0 is a click: change the variable when hit, redraw, return 1 when it
// changed.
constexpr int FIELD_COL_W = 10;        // number field column, pixels
constexpr int FIELD_H = 35;            // number field height; upper half above y + 17
// A number field of dig columns: a click in the upper half of column k adds
// 10^(dig - 1 - k - dec), in the lower half subtracts it; the value stays
// within what the field shows (and >= 0 unless sign).
int instdbtn(int color, int x, int y, float *var, int dig, int dec, int up, int sign);
// The same, limited to lo..hi.
int instdbtn_range(int color, int x, int y, float *var, int dig, int dec, int up, int sign,
                   float lo, float hi);
// An 11 x 11 box at (x - 2, y - 2); a click toggles *var (0/1).
int inboolbtn(int x, int y, int *var);
// The inside of a switch box at (x, y): filled (on) or empty.
void block(int x, int y, int on);
// One step of a level indicator: a LEVEL_BLOCK_W x LEVEL_BLOCK_H frame at
// top-left (x, y), its inside filled in the text colour when lit and black
// when not.
constexpr int LEVEL_BLOCK_W = 17, LEVEL_BLOCK_H = 11;
void level_block(int x, int y, int lit);
// A choice among 2..5 texts: the 15 x 15 square at x + dx over y - 25..y - 10
// steps *var down, over y..y + 15 up, wrapped to 1..n; the width x 13 field
// above y is cleared and the chosen text drawn in colour 24.
int in2textbtn(int x, int y, const char *C1, const char *C2, int dx, int width, int *var, int up);
int in3textbtn(int x, int y, const char *C1, const char *C2, const char *C3, int dx, int width,
               int *var, int up);
int in4textbtn(int x, int y, const char *C1, const char *C2, const char *C3, const char *C4,
               int dx, int width, int *var, int up);
int in5textbtn(int x, int y, const char *C1, const char *C2, const char *C3, const char *C4,
               const char *C5, int dx, int width, int *var, int up);
// An identifier of 3 or 5 characters in columns like instdbtn's: upper half
// steps a character to the next code, lower half to the previous (wrapped).
int in3charbtn(int color, int x, int y, char *string, int up);
int in5charbtn(int color, int x, int y, char *string, int up);
// The first 3 or 5 characters of string at top-left (x, y), `pitch` apart.
void plot3char(int color, int x, int y, const char *string, int pitch);
void plot5char(int color, int x, int y, const char *string, int pitch);
// A file name on the baseline y (field 150 x 13); a click runs the open
// dialog of file_type and takes the chosen file's name. 1 when it changed.
int instringbtn(int x, int y, char *C_file, int up, int file_type);

// ---------------------------------------------------------------- bitmap resources
// Each bitmap resource is painted by code: a painter draws it with the
// rasterizer into a locked w x h scratch world (also given as a port for
// the layer's scaled text). The splash (500) and the window icon (100) are
// built in; other folders register theirs at start-up.
constexpr int MAX_BITMAPS = 128;
constexpr int MAX_BITMAP_W = SCREEN_W, MAX_BITMAP_H = SCREEN_H;
constexpr int SPLASH_BITMAP = 500, ICON_BITMAP = 100;
typedef void (*BitmapPainter)(const Port *p);
struct BitmapResource {
    int id, width, height;
    BitmapPainter paint;
    const char *name;
};
// Adds or replaces resource `id`; a full table or a size beyond 800 x 600
// ends the program ("Too many bitmap resources!", "Bitmap too large!").
void register_bitmap(int id, int width, int height, BitmapPainter paint, const char *name);
// The resource, or null; and the n-th registered one (null past the end).
const BitmapResource *find_bitmap(int id);
const BitmapResource *bitmap_at(int n);
// Paints resource ID into `out` (width x height bytes of the resource,
// stride = width) with its start-up colours. 0 when unknown.
int paint_bitmap(int ID, uint8_t *out);

// ---------------------------------------------------------------- single instance
// Takes the lock file `name` in the user data folder for the life of the
// process (the system drops it at any end, so a crashed run never blocks the
// next). Returns 0 when another process holds it, 1 otherwise (also when no
// lock can be kept: better to run than to refuse).
int claim_single_instance(const char *name);
// Sleeps `ms` milliseconds: the designers' idle loop between passes (the
// simulator's loop never sleeps).
void MACIBM_idle(int ms);
