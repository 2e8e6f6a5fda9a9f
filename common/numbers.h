// The shared library's base: buffer sizes, which program is running, the
// physical constants and whole-degree sine tables, the program's clock and
// random generator, strings, numeric helpers with fixed edge behaviour, and
// the user's folders.
#pragma once
#include <cstdint>

constexpr int MAX_STR = 400;            // every name, path and message buffer

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
// Degrees into [0, 360) whatever the size of the excursion; NaN or infinity gives 0.
float wrap360(float deg);
// Degrees into [-180, 180) likewise.
float wrap180(float deg);
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
// The user's own folder of designs of one kind ("Aircraft", "airfoils",
// "flaps": the names of the program's folders) in the data folder, made when
// `make` is set. Returns 1 when it is there, 0 otherwise or when the path
// does not fit.
int user_kind_folder(const char *kind, char *out, int make);
// 1 when the folder holding the file at `path` takes new files.
int folder_of_writable(const char *path);
// The path a save dialog proposes for the design at `path`, one of the
// program's `kind` of files: `path` itself when its folder takes new files,
// else the same name in the user's folder of that kind (made), because an
// installed program's folders are read-only.
void save_proposal(const char *path, const char *kind, char *out);
