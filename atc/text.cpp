// The controller's words: bounded appends, call signs in the phonetic
// alphabet, frequencies, squawks, headings, times, aircraft types, the wind
// and the runway in use at an airport, and the ATIS.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "atc/local.h"
#include "flight/flight.h"

namespace {

const char *const DIGIT_WORDS[10] = {"zero", "one", "two",   "three", "four",
                                     "five", "six", "seven", "eight", "niner"};
const char *const LETTER_WORDS[26] = {
    "alpha", "bravo",  "charlie", "delta",  "echo",    "foxtrot", "golf",  "hotel", "india",
    "juliet", "kilo",  "lima",    "mike",   "november", "oscar",  "papa",  "quebec", "romeo",
    "sierra", "tango", "uniform", "victor", "whiskey", "x ray",   "yankee", "zooloo"};
const char *const PLANE_TYPES[26] = {
    "Cessna 152",     "Cessna 172",    "Piper Warrior", "Piper Archer",    "Piper Arrow",
    "Beech Duke",     "Tobago",        "Trinidad",      "Mooney",          "Glasair",
    "Lancair",        "Beech Duchess", "Beech Baron",   "Cessna 310",      "Cessna 414",
    "Pilatus PC 12",  "Beech Starship", "Piaggio Avanti", "Lear 35",        "Lear 55",
    "Cessna Citation", "Boeing 727",   "Boeing 737",    "Boeing 757",      "Boeing 767",
    "Airbus A-300"};
// Local hour of each time of day (day, dusk, evening, night) and the
// offset to UTC of the Pacific coast in summer.
const int LOCAL_HOUR[4] = {12, 18, 19, 22};
constexpr int UTC_OFFSET_H = 6;
const char *const OBSERVATION[4] = {
    ". Seventeen hundred zooloo weather. ", ". Twenty three hundred zooloo weather. ",
    ". One hundred zooloo weather. ", ". Four hundred zooloo weather. "};
constexpr int RUNWAY_REVERSE = 18;    // runway numbers are tens of degrees
constexpr float CALM_KT = 5.0f;       // above it the wind picks the runway
constexpr int SHEAR_VAR_DEG = 10, SHEAR_GUST_KT = 5;
constexpr float RVR_NM = 1.0f;        // visibility reported as runway visual range up to here
constexpr float LAPSE_F_PER_FT = 3.57f / 1000.0f;   // standard lapse rate, 2 deg C per 1000 ft
constexpr int DEWPOINT_SPREAD_F = 10, DEWPOINT_SPREAD_WET_F = 3;

// Appends one digit per character of the decimal number n (0 padded to
// `width`), blank separated.
void app_digits(char *s, int n, int width)
{
    char d[16];
    snprintf(d, sizeof d, "%0*d", width, n < 0 ? 0 : n);
    for (int k = 0; d[k]; k++) {
        char one[3] = {d[k], d[k + 1] ? ' ' : '\0', '\0'};
        app_string(s, one);
    }
}

int round_to(float v, int nearest) { return (int)floorf(v / nearest + 0.5f) * nearest; }

// Runway end `end` (0 runway 1, 1 runway 1 reversed, 2 runway 2, 3 runway 2
// reversed) of airport slot n: its true heading and name.
float end_heading(int n, int end)
{
    float h = (float)env.navmsc[n][end < 2 ? 3 : 7];
    return end % 2 ? h + 180.0f : h;
}
RunwayEnd end_name(int n, int end)
{
    int number = env.navmsc[n][end < 2 ? 4 : 8];
    char side = env.lr[n][end < 2 ? 0 : 1];
    if (end % 2) {
        number = intwrap(number + RUNWAY_REVERSE, 1, 36);
        side = side == 'L' ? 'R' : side == 'R' ? 'L' : side;
    }
    return {number, side};
}

}   // namespace

void app_string(char *s, const char *add)
{
    size_t n = strnlen(s, MAX_STR - 1);
    for (size_t k = 0; add[k] && n < MAX_STR - 1; k++)
        s[n++] = add[k];
    s[n] = 0;
}

void app_int(char *s, int n)
{
    char d[16];
    snprintf(d, sizeof d, "%d", n);
    app_string(s, d);
}

const char *get_phonetic(char c)
{
    if (c >= '0' && c <= '9')
        return DIGIT_WORDS[c - '0'];
    if (c >= 'a' && c <= 'z')
        c = (char)(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z')
        return LETTER_WORDS[c - 'A'];
    return "";
}

void start_command_string(char *s, int us)
{
    char sign[MAX_STR];
    if (us) {
        C_to_C(pln.tailnum, sign);
    } else {
        const int CODES[5] = {intrand(0, 9), intrand(0, 9), intrand(0, 9), intrand(0, 35), intrand(10, 35)};
        for (int k = 0; k < 5; k++)
            sign[k] = code_to_char(CODES[k]);
        sign[5] = 0;
    }
    s[0] = 0;
    for (int k = 0; sign[k] && k < MAX_STR; k++) {
        const char *w = get_phonetic(sign[k]);
        if (!w[0])
            continue;
        app_string(s, w);
        app_string(s, " ");
    }
}

void app_freq(char *s, int f1, int f2)
{
    app_digits(s, f1, 3);
    app_string(s, " point ");
    app_digits(s, f2, 2);
}

void app_rand_freq(char *s) { app_freq(s, intrand(118, 134), intrand(0, 19) * 5); }
void app_ground_freq(char *s) { app_freq(s, 121, intrand(0, 9) * 10); }

void app_squawk(char *s)
{
    for (int k = 0; k < 4; k++) {
        app_int(s, intrand(0, 7));
        if (k < 3)
            app_string(s, " ");
    }
}

// Rounded first, so that 2 degrees to the nearest 10 is 360, never 000.
void app_heading_string(char *s, float h, int hownear)
{
    int r = round_to(std::isfinite(h) ? h : 0.0f, hownear > 0 ? hownear : 1);
    app_digits(s, intwrap(r, 1, 360), 3);
}

void app_ztime(char *s)
{
    int hour = (LOCAL_HOUR[intlim(scn.time, 1, 4) - 1] + UTC_OFFSET_H) % 24;
    app_digits(s, hour * 100 + intrand(0, 59), 4);
    app_string(s, " Z");
}

void app_rand_plane(char *s, float z_ft)
{
    app_string(s, PLANE_TYPES[z_ft < 10000.0f ? intrand(0, 17) : intrand(11, 25)]);
}

FieldWind field_wind(int field)
{
    float elev = field >= 0 && field < MAX_NAV ? env.navxyz[field][4] : 0.0f;
    int layer = wind_index(elev);
    FieldWind w;
    w.speed_kt = (int)(atm.wndspd[layer] * con.msctokts);
    w.gust_kt = (int)((atm.wndspd[layer] + atm.shrspd[layer]) * con.msctokts);
    w.dir_deg = (int)wrap360(atm.wnddir[layer] + (float)env.mvar);
    w.var_deg = (int)atm.shrdir[layer];
    return w;
}

RunwayEnd runway_in_use(int field)
{
    if (field < 0 || field >= MAX_NAV)
        return {36, 'x'};
    const int *m = env.navmsc[field];
    int best = m[5] >= m[1] ? 2 : 0;
    FieldWind w = field_wind(field);
    if ((float)w.speed_kt > CALM_KT) {
        int nends = m[5] > 1 ? 4 : 2;
        float least = 1.0e9f;
        for (int end = 0; end < nends; end++) {
            float d = fabsf(atc_wrap180(end_heading(field, end) - (float)w.dir_deg));
            if (d < least) {
                least = d;
                best = end;
            }
        }
    }
    return end_name(field, best);
}

void app_rway_on_wind_string(char *s, int field)
{
    RunwayEnd r = runway_in_use(field);
    app_string(s, "runway ");
    app_int(s, r.number);
    if (r.side == 'L')
        app_string(s, " left");
    else if (r.side == 'R')
        app_string(s, " right");
}

void app_wind_string(char *s, int field)
{
    FieldWind w = field_wind(field);
    if (w.gust_kt < 1) {
        app_string(s, "Wind calm");
        return;
    }
    if (w.gust_kt < 5) {
        app_string(s, "Wind light and variable");
        return;
    }
    int variable = w.var_deg > SHEAR_VAR_DEG, gusting = w.gust_kt - w.speed_kt > SHEAR_GUST_KT;
    if (variable || gusting)
        app_string(s, "Wind shear alert. ");
    app_string(s, "Wind ");
    app_heading_string(s, (float)w.dir_deg, 10);
    app_string(s, " at ");
    app_int(s, w.speed_kt);
    if (variable) {
        app_string(s, " variable ");
        app_heading_string(s, (float)(w.dir_deg - w.var_deg), 10);
        app_string(s, " to ");
        app_heading_string(s, (float)(w.dir_deg + w.var_deg), 10);
    }
    if (gusting) {
        app_string(s, " gust ");
        app_int(s, w.gust_kt);
    }
}

// The ceiling is rounded more coarsely the higher it is, as observers
// report it.
static int ceiling_ft(float base_agl_ft)
{
    if (base_agl_ft <= 1000.0f)
        return round_to(base_agl_ft, 50);
    return round_to(base_agl_ft, base_agl_ft <= 10000.0f ? 100 : 500);
}

void give_ATIS(int field)
{
    if (field < 0 || field >= MAX_NAV)
        return;
    char s[MAX_STR] = "";
    float elev_ft = env.navxyz[field][4] * con.mtrstoft;
    atm.info = intrand(0, 25);
    const char *letter = LETTER_WORDS[atm.info];
    app_string(s, env.navname[field]);
    app_string(s, " information ");
    app_string(s, letter);
    app_string(s, OBSERVATION[intlim(scn.time, 1, 4) - 1]);
    if (!atm.clear) {
        app_string(s, "Measured cieling ");
        app_int(s, ceiling_ft(fmaxf(atm.baseMSL * con.mtrstoft - elev_ft, 0.0f)));
        app_string(s, " overcast ");
    } else {
        app_string(s, "Sky clear ");
    }
    float vis_nm = atm.vis * con.mtrstonm;
    if (vis_nm <= RVR_NM) {
        app_string(s, "R V R ");
        app_int(s, round_to(atm.vis * con.mtrstoft, 100));
    } else {
        app_string(s, "visibility ");
        app_int(s, (int)vis_nm);
    }
    // Precipitation is reported only when there is some.
    if (atm.rain_tstm <= 1)
        app_string(s, ". ");
    else
        app_string(s, atm.temp_SL <= 32.0f ? ", snow. " : ", rain. ");
    int temp_f = iround(atm.temp_SL - elev_ft * LAPSE_F_PER_FT);
    app_string(s, "Temperature ");
    app_int(s, temp_f);
    app_string(s, " dewpoint ");
    app_int(s, temp_f - (atm.rain_tstm > 1 ? DEWPOINT_SPREAD_WET_F : DEWPOINT_SPREAD_F));
    app_string(s, ". ");
    app_wind_string(s, field);
    app_string(s, ", altimeter two niner niner two. Arriving and departing ");
    app_rway_on_wind_string(s, field);
    app_string(s, ". Advise on initial contact you have ");
    app_string(s, letter);
    app_string(s, ".");
    speakstring(s);
}
