// Air traffic control: the controller's messages (built as text, shown
// over the view and spoken), the call menu, the flight-plan phases, the
// vectoring onto an ILS or localizer and the Flight Plan window. Its
// records (`atc`, `fpl`) are in records/records.h.
#pragma once
#include "common/common.h"
#include "records/records.h"

// Menu levels of atc.menu_level.
enum AtcMenuLevel {
    ATC_MENU_MAIN = 5, ATC_MENU_ATIS = 6, ATC_MENU_VECTORS = 9, ATC_MENU_LANDING = 10,
    ATC_MENU_ILS = 11, ATC_MENU_LOC = 12
};
// Rows of the main menu (3, 8 and 15 are never shown).
enum AtcMainRow {
    ATC_ROW_FILE = 0, ATC_ROW_AMEND = 1, ATC_ROW_ATIS = 2, ATC_ROW_PICKUP = 4, ATC_ROW_CLOSE = 5,
    ATC_ROW_CHECKIN = 6, ATC_ROW_SAY_AGAIN = 7, ATC_ROW_TAXI = 9, ATC_ROW_TAKEOFF = 10,
    ATC_ROW_VECTORS = 11, ATC_ROW_LANDING = 12, ATC_ROW_ILS = 13, ATC_ROW_LOC = 14,
    ATC_ROW_EMERGENCY = 16, ATC_MAIN_ROWS = 17
};
// Colours of the menu rows: hidden, available, recommended.
constexpr int ATC_HIDDEN = 11, ATC_AVAILABLE = 59, ATC_RECOMMENDED = 36;
constexpr int ATC_MESSAGE_COLOR = 37;
constexpr int ATC_FLIGHT_PLAN_WINDOW = 17;

// ---------------------------------------------------------------- text builders
// Each appends to a message buffer of MAX_STR characters, cutting what
// would not fit (the buffer always stays terminated).
void app_string(char *s, const char *add);
// An integer in decimal.
void app_int(char *s, int n);
// The call sign: with us 0 a random one (three digits, a digit or letter,
// a letter), with us 1 the tail number pln.tailnum; each character as its
// phonetic word and a blank. Starts a new message: `s` is overwritten.
void start_command_string(char *s, int us);
// The phonetic word of a digit or letter (lower case as upper); "" for
// anything else.
const char *get_phonetic(char c);
// "1 2 1 point 9 0" for f1 121, f2 90.
void app_freq(char *s, int f1, int f2);
// A random controller frequency (118..134 point 00..95 by 5) and a random
// ground one (121 point 00..90 by 10).
void app_rand_freq(char *s);
void app_ground_freq(char *s);
// Four random octal digits, blank separated.
void app_squawk(char *s);
// Heading h (deg) rounded to the nearest `hownear`, then wrapped into
// 1..360, as three blank-separated digits.
void app_heading_string(char *s, float h, int hownear);
// The UTC time of the time of day scn.time: "h h m m Z".
void app_ztime(char *s);
// A random aircraft type fitting an altitude of z_ft.
void app_rand_plane(char *s, float z_ft);
// The wind at airport slot `field` as the controller reports it.
void app_wind_string(char *s, int field);
// "runway 2 7 left": the runway end in use at airport slot `field`.
void app_rway_on_wind_string(char *s, int field);

// The weather at an airport in whole knots and degrees: the wind layer
// holding the field elevation (direction made true with env.mvar).
struct FieldWind {
    int speed_kt, gust_kt, dir_deg, var_deg;
};
FieldWind field_wind(int field);
// Runway end in use at an airport: its number 1..36 and side letter.
struct RunwayEnd {
    int number;
    char side;               // 'L', 'R' or 'x'
};
RunwayEnd runway_in_use(int field);

// ---------------------------------------------------------------- the controller
// Publishes a controller message: cut to 399 characters into atc.response,
// on screen for 0.1 s a character when atc.text_out is on, the reply lamp
// timed (ins.reply_time1, reply_time2), and spoken when voice is on.
// Reads: msc.tottime, atc.text_out, atc.voice_out, msc.sound_*.
// Writes: atc.response, atc.response_timeout, ins.reply_time1/2.
void speakstring(const char *cs);
// The ATIS of airport slot `field` (a new information letter in atm.info).
void give_ATIS(int field);
// Answers a request text ("request vectors <name>", "declaring an
// emergency", ...); requests naming no known navaid are dropped.
// Reads: flt position and heading, env navaids, msc.tottime, fpl.
// Writes: atc (vectoring, phase, waiting_new_frq), fpl.onfile/activated.
void controller_respond(const char *request);
// A transmission to another aircraft, or (can_be_us, one time in five) to
// this one. Returns 1 only when it vectored this aircraft.
int make_random_call(int can_be_us);
// Appends a heading (deg magnetic, rounded to hdg_near) and altitude (ft,
// rounded to alt_near) instruction where one is due; returns 1 if it
// appended anything.
int vector_me(float hdg_des, int hdg_near, float alt_des, int alt_near, int force_message, char *string);
// Advances the flight plan: ack 1 when the pilot has just checked in,
// 0 for the slow tick.
void handle_plan(int ack);
// Forgets the module's remembered vectors and times (a new flight).
void reset_atc_timers();

// ---------------------------------------------------------------- navaids
// Navaid slot whose name is exactly `name` among the kinds `kind` accepts
// (0 any, 1 airports, NAV_ILS, NAV_LOC); -1 when none.
int find_navaid(const char *name, int kind);
// The nearest airport slot to the aircraft, -1 when the region has none.
int nearest_airport();
// The airport slot whose identifier begins with the first three characters
// of `id` (the last match wins), -1 when none.
int airport_by_id(const char *id);
// Distance (nm) and true bearing (deg 0..360) from the aircraft to a slot.
float navaid_dist_nm(int n);
float navaid_bearing(int n);

// ---------------------------------------------------------------- the menu
// With 0, draws the menu of atc.menu_level into the locked view world; with
// 1, acts on the entry under the mouse (msc.mx, msc.my).
void plot_atc_options(int is_clicked);
// What the view draws over the picture: the menu while it is up, else the
// last message until its time-out. Call with the view world locked.
void plot_atc_over_view();
// Colour of main-menu row `row` now (hidden, available, recommended or its
// pulse colour).
int atc_row_color(int row);
// The text of main-menu row `row` ("" for rows never shown).
void atc_row_text(int row, char *s);
// Acts as a click on main-menu row `row`.
void atc_main_row(int row);
// Fills atc.sel_to_nav for list level `level`; returns the entries listed.
int atc_list_fill(int level);
// Acts as a click on list entry `entry` of list level `level`.
void atc_list_pick(int level, int entry);
// A click in the main window at (x, y): while the menu is up, a click on
// the view strip (rows 17..229) acts on the menu and returns 1; else 0.
int atc_view_click(int x, int y);
// The space bar: toggles the menu, at the main level.
void atc_space_bar();
// The Instructions item for ATC (menu item 710): an alert.
void atc_instructions();
// Set Sound switches: voice (speech stops at once when switched off) and
// on-screen text.
void atc_set_voice_out(int on);
void atc_set_text_out(int on);

// ---------------------------------------------------------------- Flight Plan window (17)
// Draws and edits fpl; a click acts on the widget under the mouse.
void plnplot();
void plnclick(int i);
// On closing window 17: the amendment message when the plan is active.
void plan_window_closed();

// ---------------------------------------------------------------- speech
// Starts the speech synthesiser and its worker thread; 1 when speech can
// be heard (synthesiser and sound device both there).
int initspeechsynth();
// Forgets the queued messages and stops handing speech to the sound output;
// call before the sound is released (at exit).
void endspeechsynth();
// The text a message is spoken as: words split at blanks, a final '.'
// removed, digits as "zero".."niner".
void speech_text(const char *cs, char *out);
// Synthesises `text` into pcm at AUDIO_RATE_HZ (mono), at most cap frames;
// returns the frames written (0 without a synthesiser). Runs on the calling
// thread: the program calls it only from the speech worker.
int synth_speech(const char *text, int16_t *pcm, int cap);
// Messages queued or being synthesised (tests wait for 0).
int speech_pending();
