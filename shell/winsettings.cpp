// The small settings windows: Go To Airport, Set Lat/Lon, Set Time Of Day,
// Set Flight Mode, Set Weights, Set Reliability, Set Sound and Set
// Warnings. Each plot draws the background and every widget; each click
// runs the same widgets as hit tests.
#include "shell/winlocal.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "atc/atc.h"
#include "sound/sound.h"
#include "world/world.h"

constexpr int VALUE = 29;   // digits of the number fields, yellow

// ================================================================ Go To Airport (1)
constexpr int APT_X[3] = {93, 110, 127};
constexpr int APT_Y0 = 16, APT_DY = 11, APT_ROWS = 36;
constexpr int APT_CHOSEN = 29, APT_BACK = 45;

void paint_apt(const Port *)
{
    art_back(158, 428, "Go To");
    art_text(WIN_TITLE, 8, 26, "Airport");
    art_rect(APT_BACK, 86, 8, 64, 410);
    art_frame(WIN_FRAME, 86, 8, 64, 410);
    for (int c = 0; c < 3; c++)
        for (int r = 0; r < APT_ROWS; r++) {
            char s[2] = {code_to_char(r), 0};
            art_text(23, APT_X[c], APT_Y0 + APT_DY * r + 7, s);
        }
    static const char *const HELP[] = {"Choose the", "airport's", "identifier:", "one", "character",
                                       "in each", "column.", "", "Close the", "window to", "fly from",
                                       "there."};
    for (int k = 0; k < 12; k++)
        art_text(WIN_NOTE, 6, 120 + 11 * k, HELP[k]);
    art_text(WIN_CAPTION, 6, 50, "Identifier");
    art_rect(WIN_FIELD, 6, 56, 42, 16);
    art_frame(WIN_FRAME, 6, 56, 42, 16);
}

static void apt_frame(int c, int r, int color)
{
    MACIBM_framerect(color, APT_X[c] - 3, APT_Y0 + APT_DY * r - 2, 11, 11, 1);
}

static void apt_id_field()
{
    char s[4] = {0, 0, 0, 0};
    for (int c = 0; c < 3 && msc.apt_id_req[c]; c++)
        s[c] = msc.apt_id_req[c];
    MACIBM_fillrect(WIN_FIELD, 7, 57, 40, 14, 1);
    MACIBM_drstring(VALUE, 16, 68, s, 0);
}

// Row of character c of the identifier (len characters long), or none.
static int chosen_row(const char *id, int len, int c) { return c < len ? char_to_code(id[c]) : APT_ROWS; }

void aptplot()
{
    window_back(BMP_APT);
    int len = (int)strnlen(msc.apt_id_req, 3);
    for (int c = 0; c < 3; c++)
        if (chosen_row(msc.apt_id_req, len, c) < APT_ROWS)
            apt_frame(c, chosen_row(msc.apt_id_req, len, c), APT_CHOSEN);
    apt_id_field();
}

void aptclick()
{
    for (int c = 0; c < 3; c++) {
        int col = msc.mx - (APT_X[c] - 4);
        int r = (msc.my - (APT_Y0 - 2)) / APT_DY;
        if (col < 0 || col >= 16 || msc.my < APT_Y0 - 2 || r >= APT_ROWS)
            continue;
        char *id = msc.apt_id_req;
        int len = (int)strnlen(id, 3);
        for (int k = len; k < c; k++)
            id[k] = '0';   // an earlier column never chosen: its first row
        int old = chosen_row(id, len, c);
        if (old < APT_ROWS)
            apt_frame(c, old, APT_BACK);
        if (c >= len)
            id[c + 1] = 0;
        id[c] = code_to_char(r);
        apt_frame(c, r, APT_CHOSEN);
        apt_id_field();
        return;
    }
}

// ================================================================ Set Lat/Lon (4)
constexpr int LAT_X = 30, LON_X = 140, LL_Y = 44;
constexpr float MIN_LAT = -60.0f, MAX_LAT = 60.0f, MAX_LON = 359.0f;
static int latlon_open;                 // the window is being used
static int flown_lat, flown_lon;        // the region flown when it opened

void paint_latlon(const Port *)
{
    art_back(246, 165, "Region's south-west corner");
    art_field(LAT_X, LL_Y, 2, "Latitude", "N");
    art_field(LON_X, LL_Y, 3, "Longitude", "W");
    art_text(WIN_NOTE, 10, 100, "Latitude -60 to 60 (south is");
    art_text(WIN_NOTE, 10, 111, "negative), longitude 0 to 359.");
    art_text(WIN_NOTE, 10, 130, "Click the top of a digit to raise");
    art_text(WIN_NOTE, 10, 141, "it, the bottom to lower it. Close");
    art_text(WIN_NOTE, 10, 152, "the window to fly there.");
}

static void latlon_fields(int up)
{
    float lat = (float)intlim(env.lat_south, (int)MIN_LAT, (int)MAX_LAT);
    float lon = (float)intlim(env.lon_west - 1, 0, (int)MAX_LON);
    instdbtn_range(VALUE, LAT_X, LL_Y, &lat, 2, 0, up, 1, MIN_LAT, MAX_LAT);
    instdbtn_range(VALUE, LON_X, LL_Y, &lon, 3, 0, up, 0, 0.0f, MAX_LON);
    env.lat_south = (int)lat;
    env.lon_west = (int)lon + 1;
}

void latplot()
{
    if (!latlon_open) {
        latlon_open = 1;
        flown_lat = env.lat_south;
        flown_lon = env.lon_west;
    }
    window_back(BMP_LATLON);
    latlon_fields(1);
}

void latclick(int) { latlon_fields(0); }

void latlon_closed()
{
    int lat = env.lat_south, lon = env.lon_west;
    latlon_open = 0;
    env.lat_south = flown_lat;
    env.lon_west = flown_lon;
    start_in_region(lat, lon);
}

int start_in_region(int lat, int lon)
{
    if (!region_has_airport(lat, lon)) {
        char where[MAX_STR];
        snprintf(where, sizeof where, "Latitude %d, longitude %d: the scenery there has no airport.", lat,
                 lon - 1);
        MACIBM_alert("You have asked to start in an area where there are no airports.", where,
                     "You may fly into areas where there are no airports, but you may not start out there.",
                     "Your flight goes on where it was.");
        return 0;
    }
    env.lat_south = lat;
    env.lon_west = lon;
    set_up_env_with_request_latlon();
    return 1;
}

// ================================================================ Set Time Of Day (6)
constexpr int TIME_X = 30, TIME_Y = 70, TIME_DX = 110, TIME_W = 72;

void paint_time(const Port *)
{
    art_back(183, 128, "Time of day");
    art_selector(TIME_X, TIME_Y, TIME_DX, TIME_W, "Light outside");
    art_text(WIN_NOTE, 10, 108, "The arrows step through");
    art_text(WIN_NOTE, 10, 119, "day, dusk, evening, night.");
}

static void time_widget(int up)
{
    in4textbtn(TIME_X, TIME_Y, "day", "dusk", "evening", "night", TIME_DX, TIME_W, &scn.time, up);
}

void timplot()
{
    window_back(BMP_TIME);
    time_widget(1);
}

void timclick(int) { time_widget(0); }

// ================================================================ Set Flight Mode (8)
constexpr int DAMP_X1 = 18, DAMP_X2 = 43, DAMP_Y1 = 23, DAMP_Y2 = 95;
constexpr int JOY_Y1 = 121, JOY_Y2 = 193;
constexpr int STEER_X = 150, STEER_Y = 250, STEER_DX = 110, STEER_W = 72;
constexpr int HELI_X = 14, HELI_Y = 306, HELI_DX = 300, HELI_W = 250;

void paint_flight_mode(const Port *)
{
    art_back(349, 335, "");
    art_group(14, DAMP_Y1 - 4, 34, DAMP_Y2 - DAMP_Y1 + 8, "");
    art_group(14, JOY_Y1 - 4, 34, JOY_Y2 - JOY_Y1 + 8, "");
    art_text(WIN_TITLE, 60, 30, "Control damping");
    art_text(WIN_CAPTION, 60, 46, "Click the column: near the top");
    art_text(WIN_CAPTION, 60, 57, "the controls act at once, near");
    art_text(WIN_CAPTION, 60, 68, "the bottom they are smoothed.");
    art_text(WIN_NOTE, 60, 88, "More blocks lit: less damping.");
    art_text(WIN_TITLE, 60, 128, "Stick sensitivity");
    art_text(WIN_CAPTION, 60, 144, "Top: full deflection for the");
    art_text(WIN_CAPTION, 60, 155, "stick's travel; bottom: half.");
    art_text(WIN_NOTE, 60, 186, "More blocks lit: more sensitive.");
    art_text(WIN_TITLE, 14, 222, "Nosewheel steering");
    art_selector(STEER_X, STEER_Y, STEER_DX, STEER_W, "");
    art_text(WIN_CAPTION, 14, 250, "Steered with the");
    art_text(WIN_TITLE, 14, 278, "Helicopter throttle");
    art_selector(HELI_X, HELI_Y, HELI_DX, HELI_W, "");
}

static void flight_mode_widgets(int up)
{
    in2textbtn(STEER_X, STEER_Y, " joystick", "  pedals", STEER_DX, STEER_W, &set.nwheel_steer_type, up);
    in2textbtn(HELI_X, HELI_Y, "automatic", "Twist-Grip Throttle on Collective Control", HELI_DX, HELI_W,
               &set.recip_hel_thrt_type, up);
}

void fltplot()
{
    window_back(BMP_FLIGHT_MODE);
    flight_mode_widgets(1);
    up_damp();
    up_joy();
}

static float nearest_step(float v, float step) { return floorf(v / step + 0.5f) * step; }

void fltclick(int)
{
    int x = msc.mx, y = msc.my;
    if (x >= DAMP_X1 && x <= DAMP_X2 && y >= DAMP_Y1 && y <= DAMP_Y2) {
        set.damp = fltlim(nearest_step(interp(30.0f, 0.0f, 87.0f, 1.0f, (float)(y - 3)), 0.25f), 0.0f, 1.0f);
        up_damp();
    } else if (x >= DAMP_X1 && x <= DAMP_X2 && y >= JOY_Y1 && y <= JOY_Y2) {
        set.joy_rat =
            fltlim(nearest_step(interp(128.0f, 1.0f, 185.0f, 0.5f, (float)(y - 3)), 0.125f), 0.5f, 1.0f);
        up_joy();
    } else {
        flight_mode_widgets(0);
    }
}

// ================================================================ Set Weights (9)
constexpr int FIXED_X = 24, FIXED_Y = 44, FUEL_Y = 110, WATER_Y = 176;
constexpr int READ_X = 290, READ_Y0 = 62, READ_DY = 30;

void paint_weights(const Port *)
{
    art_back(436, 252, "Weight and balance");
    art_field(FIXED_X, FIXED_Y, 6, "Fixed load: crew, passengers, cargo", "lb");
    art_field(FIXED_X, FUEL_Y, 3, "Fuel, share of the tanks", "0 to 1");
    art_field(FIXED_X, WATER_Y, 3, "Water ballast, share of the tank", "0 to 1");
    art_group(READ_X - 12, 34, 156, 170, "Weights, lb");
    static const char *const ROW[5] = {"Empty", "Fuel", "Water", "Total", "Maximum"};
    for (int k = 0; k < 5; k++) {
        art_text(WIN_CAPTION, READ_X - 4, READ_Y0 + READ_DY * k, ROW[k]);
        art_rect(WIN_FIELD, READ_X + 60, READ_Y0 + READ_DY * k - 11, 72, 15);
    }
    art_text(WIN_NOTE, 10, 240, "A total above the maximum is reported when the window closes.");
}

static void weight_readouts()
{
    float lb = con.kgstolbs;
    float v[5] = {pln.m_empty, flt.m_fuel, flt.m_water, flt.m_total, pln.m_max};
    for (int k = 0; k < 5; k++) {
        char s[32];
        snprintf(s, sizeof s, "%9.0f", (double)(v[k] * lb));
        int y = READ_Y0 + READ_DY * k;
        MACIBM_fillrect(WIN_FIELD, READ_X + 60, y - 11, 72, 15, 1);
        MACIBM_drstring(k == 3 && flt.m_total > pln.m_max ? 30 : VALUE, READ_X + 72, y, s, 0);
    }
}

static void weight_fields(int up)
{
    float lb = con.kgstolbs;
    float fixed = floorf(flt.m_fixed * lb + 0.5f);
    float fuel = pln.m_fuel > 0.0f ? flt.m_fuel / pln.m_fuel : 0.0f;
    float water = pln.m_water > 0.01f ? flt.m_water / pln.m_water : 0.0f;
    if (instdbtn_range(VALUE, FIXED_X, FIXED_Y, &fixed, 6, 0, up, 0, 0.0f, pln.m_max * lb))
        flt.m_fixed = fixed * con.lbstokgs;
    if (instdbtn_range(VALUE, FIXED_X, FUEL_Y, &fuel, 3, 2, up, 0, 0.0f, 1.0f))
        flt.m_fuel = fuel * pln.m_fuel;
    if (instdbtn_range(VALUE, FIXED_X, WATER_Y, &water, 3, 2, up, 0, 0.0f, 1.0f))
        flt.m_water = pln.m_water > 0.01f ? water * pln.m_water : 0.0f;
    if (!up)
        flt.m_total = pln.m_empty + flt.m_fixed + flt.m_fuel + flt.m_water;
    weight_readouts();
}

void wgtplot()
{
    window_back(BMP_WEIGHTS);
    weight_fields(1);
}

void wgtclick(int) { weight_fields(0); }

// ================================================================ Set Reliability (10)
constexpr int BAR_X[2] = {17, 350}, BAR_W = 29, BAR_Y1 = 17, BAR_Y2 = 79;
constexpr int ITEM_Y0 = 128, ITEM_DY = 39, ITEM_NAME_X = 10, ITEM_SEL_X = 136;
constexpr int ITEM_SEL_DX = 132, ITEM_SEL_W = 128, ITEM_TIME_X = 292, COLUMN_DX = 340;
constexpr int FIRST_CONTROL_ITEM = 8;

static const char *const FAIL_ITEM[MAX_FAIL_KINDS] = {
    "Vacuum pump", "Airspeed indicator", "Attitude indicator", "Altimeter", "Turn coordinator",
    "Heading indicator", "Vertical speed ind.", "Compass", "Engine 1", "Engine 2", "Ailerons",
    "Elevator", "Rudder", "Flaps", "Slats", "Throttle", "Hydraulics", "Tail rotor", "Landing gear"};

static void item_place(int k, int *x, int *y)
{
    int right = k >= FIRST_CONTROL_ITEM;
    *x = right ? COLUMN_DX : 0;
    *y = ITEM_Y0 + ITEM_DY * (right ? k - FIRST_CONTROL_ITEM : k);
}

void paint_reliability(const Port *)
{
    art_back(683, 558, "");
    static const char *const GROUP[2] = {"Instrument failure rate", "Control and system failure rate"};
    for (int g = 0; g < 2; g++) {
        art_rect(WIN_FIELD, BAR_X[g], BAR_Y1, BAR_W, BAR_Y2 - BAR_Y1 + 4);
        art_frame(WIN_FRAME, BAR_X[g] - 1, BAR_Y1 - 1, BAR_W + 2, BAR_Y2 - BAR_Y1 + 6);
        art_text(WIN_TITLE, BAR_X[g] + 40, 28, GROUP[g]);
        art_text(WIN_CAPTION, BAR_X[g] + 40, 44, "Click the column: top never fails,");
        art_text(WIN_CAPTION, BAR_X[g] + 40, 55, "bottom fails often. The items get");
        art_text(WIN_CAPTION, BAR_X[g] + 40, 66, "new random failure times.");
        art_text(WIN_NOTE, BAR_X[g] + 40, 84, "Failure time: minutes, on average.");
    }
    for (int k = 0; k < MAX_FAIL_KINDS; k++) {
        int x, y;
        item_place(k, &x, &y);
        art_text(WIN_CAPTION, x + ITEM_NAME_X, y - 2, FAIL_ITEM[k]);
        art_selector(x + ITEM_SEL_X, y, ITEM_SEL_DX, ITEM_SEL_W, "");
        art_field(x + ITEM_TIME_X, y - 22, 2, "", "min");
    }
    art_text(WIN_NOTE, 14, 548, "Closing the window repairs everything that has failed.");
}

static void rate_bar(int g)
{
    float rate = g ? rel.con_fail_rat : rel.ins_fail_rat;
    int level = (int)interp(0.0f, (float)BAR_Y1 + 3.0f, 1.0f, (float)BAR_Y2, rate);
    MACIBM_fillrect(WIN_FIELD, BAR_X[g], BAR_Y1, BAR_W, BAR_Y2 + 4 - BAR_Y1, 1);
    MACIBM_fillrect(30, BAR_X[g] + 3, BAR_Y1 + 2, BAR_W - 6, level - BAR_Y1 - 1, 1);
    MACIBM_fillrect(29, BAR_X[g] + 1, level, BAR_W - 2, 2, 1);
}

static void item_widgets(int k, int up)
{
    int x, y;
    item_place(k, &x, &y);
    in3textbtn(x + ITEM_SEL_X, y, "  always working", "     fail in time -->", "      inoperative",
               ITEM_SEL_DX, ITEM_SEL_W, &rel.fail_type[k], up);
    instdbtn_range(VALUE, x + ITEM_TIME_X, y - 22, &rel.fail_time_max[k], 2, 0, up, 0, 1.0f, 99.0f);
}

void set_fail_rate(int group, float rate)
{
    float T = interp(0.0f, 40.0f, 1.0f, 5.0f, rate);
    int first = group ? FIRST_CONTROL_ITEM : 0, last = group ? MAX_FAIL_KINDS : FIRST_CONTROL_ITEM;
    (group ? rel.con_fail_rat : rel.ins_fail_rat) = rate;
    for (int k = first; k < last; k++) {
        rel.fail_time_max[k] = fltrand(T, 2.0f * T);
        rel.fail_type[k] = rate >= 0.01f ? 2 : 1;
    }
}

void relplot()
{
    window_back(BMP_RELIABILITY);
    for (int g = 0; g < 2; g++)
        rate_bar(g);
    for (int k = 0; k < MAX_FAIL_KINDS; k++)
        item_widgets(k, 1);
}

void relclick()
{
    for (int g = 0; g < 2; g++)
        if (intbox(msc.mx, msc.my, BAR_X[g], BAR_Y1, BAR_X[g] + BAR_W - 1, BAR_Y2 + 3)) {
            float rate = interp(17.0f, 0.0f, 76.0f, 1.0f, (float)(msc.my - 3));
            set_fail_rate(g, fltlim(nearest_step(rate, 0.25f), 0.0f, 1.0f));
            relplot();
            return;
        }
    for (int k = 0; k < MAX_FAIL_KINDS; k++)
        item_widgets(k, 0);
}

// ================================================================ Set Sound (11) and Set Warnings (12)
struct Switch {
    int x, y;
    const char *label;
};
static const Switch SOUND_SWITCH[3] = {
    {20, 40, "Sound: engine, wind, warnings"},
    {20, 66, "Controller speaks his messages"},
    {20, 92, "Controller's messages as text"}};
static const Switch WARN_SWITCH[4] = {
    {20, 44, "Warn when the computer is too slow for a smooth frame rate"},
    {20, 82, "Overspeed warning above the never-exceed speed"},
    {20, 120, "Flap overspeed warning above the flap extension speed"},
    {20, 158, "Ground proximity warnings: sink rate, terrain, pull up"}};

static void paint_switches(const Switch *s, int n)
{
    for (int k = 0; k < n; k++)
        art_text(WIN_CAPTION, s[k].x + 18, s[k].y + 8, s[k].label);
}

void paint_sound(const Port *)
{
    art_back(292, 118, "Sound");
    paint_switches(SOUND_SWITCH, 3);
}

void paint_warnings(const Port *)
{
    art_back(549, 218, "Warnings");
    paint_switches(WARN_SWITCH, 4);
    art_text(WIN_NOTE, 20, 200, "A filled box is on. Click a box to switch it.");
}

static int *const WARN_VAR[4] = {&msc.warn_frame, &msc.warn_overspeed, &msc.warn_flaps, &msc.warn_gpws};

void sndplot()
{
    window_back(BMP_SOUND);
    const int on[3] = {msc.sound_on, atc.voice_out, atc.text_out};
    for (int k = 0; k < 3; k++)
        boolbox(SOUND_SWITCH[k].x, SOUND_SWITCH[k].y, on[k]);
}

void sndclick()
{
    int v[3] = {msc.sound_on, atc.voice_out, atc.text_out};
    for (int k = 0; k < 3; k++)
        if (inboolbtn(SOUND_SWITCH[k].x, SOUND_SWITCH[k].y, &v[k]))
            break;
    if (v[0] != msc.sound_on) {
        msc.sound_on = v[0];
        if (!msc.sound_on) {
            stop_engine_and_wind();
            stop_speech();
        }
    }
    if (v[1] != atc.voice_out)
        atc_set_voice_out(v[1]);
    if (v[2] != atc.text_out)
        atc_set_text_out(v[2]);
}

void wrnplot()
{
    window_back(BMP_WARNINGS);
    for (int k = 0; k < 4; k++)
        boolbox(WARN_SWITCH[k].x, WARN_SWITCH[k].y, *WARN_VAR[k]);
}

void wrnclick()
{
    for (int k = 0; k < 4; k++)
        if (inboolbtn(WARN_SWITCH[k].x, WARN_SWITCH[k].y, WARN_VAR[k]))
            return;
}
