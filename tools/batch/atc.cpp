// Air traffic control in the batch runner: the "atc" command (menu calls,
// a flight plan, requests in the controller's words) and the pilot that
// flies a filed plan on the autopilot: it checks in when handed off,
// follows the controller's vectors, flies direct to the arrival otherwise,
// tracks the localizer down a 3-degree path once cleared and lands.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "atc/atc.h"
#include "tools/batch/local.h"

namespace {

// Menu calls by name, and the main-menu row each clicks.
const struct { const char *name; int row; } CALLS[] = {
    {"pickup", ATC_ROW_PICKUP}, {"close", ATC_ROW_CLOSE},     {"checkin", ATC_ROW_CHECKIN},
    {"sayagain", ATC_ROW_SAY_AGAIN}, {"taxi", ATC_ROW_TAXI}, {"takeoff", ATC_ROW_TAKEOFF},
    {"emergency", ATC_ROW_EMERGENCY}};

constexpr float CHECKIN_DELAY_S = 4.0f;      // the pilot answers a hand-off after this
constexpr float CLIMB_FPM = 700.0f, DESCENT_FPM = 600.0f, CAPTURE_FT = 150.0f;
constexpr float ENROUTE_KIAS = 95.0f, FINAL_KIAS = 75.0f;
constexpr float GLIDE_DEG = 3.0f;
constexpr float LOC_GAIN = 4.0f, LOC_MAX_CUT_DEG = 35.0f;   // heading per degree off the course line
constexpr float PATH_GAIN_FPM_PER_FT = 4.0f;
constexpr float FLARE_AGL_FT = 30.0f, TOUCHDOWN_FPM = -120.0f;

enum PilotMode { PM_OFF, PM_ENROUTE, PM_LOCALIZER, PM_FLARE, PM_ROLLOUT };

struct Pilot {
    int mode;
    char heard[MAX_STR];     // the last message acted on
    double waiting_since;    // s, when the hand-off was heard; -1 none
    int vectored;            // flying the controller's heading
    float hdg_true;          // deg, the heading held
    float alt_ft;            // the altitude cleared
    char ils[NAV_NAME];      // the localizer being flown (slots move when the region pages)
} pilot;

int addressed_to_us(const char *msg)
{
    char sign[MAX_STR];
    start_command_string(sign, 1);
    return sign[0] && strncmp(msg, sign, strlen(sign)) == 0;
}

// "d d d" after `key` as a number, -1 when absent.
int spoken_heading(const char *msg, const char *key)
{
    const char *p = strstr(msg, key);
    if (!p)
        return -1;
    p += strlen(key);
    if (!isdigit(p[0]) || p[1] != ' ' || !isdigit(p[2]) || p[3] != ' ' || !isdigit(p[4]))
        return -1;
    return (p[0] - '0') * 100 + (p[2] - '0') * 10 + (p[4] - '0');
}

// The number after `key`, -1 when absent.
float spoken_number(const char *msg, const char *key)
{
    const char *p = strstr(msg, key);
    return p && isdigit(p[strlen(key)]) ? strtof(p + strlen(key), nullptr) : -1.0f;
}

void hear(const char *msg)
{
    if (!addressed_to_us(msg))
        return;
    int h = spoken_heading(msg, "heading ");
    if (h >= 0) {
        pilot.vectored = 1;
        pilot.hdg_true = wrap360((float)(h + env.mvar));
    }
    float alt = spoken_number(msg, "maintain ");
    if (alt < 0.0f)
        alt = spoken_number(msg, "Climb to ");
    if (alt > 0.0f)
        pilot.alt_ft = alt;
    if (strstr(msg, "proceed on course") || strstr(msg, "proceed back on course"))
        pilot.vectored = 0;
    const char *cleared = strstr(msg, "cleared ");
    if (strstr(msg, "intercept localizer") && cleared) {
        char name[MAX_STR];
        C_to_C(cleared + strlen("cleared "), name);
        char *end = strstr(name, " contact tower.");
        if (end)
            *end = 0;
        size_t n = strnlen(name, NAV_NAME - 1);   // names in the table are at most this long
        memcpy(pilot.ils, name, n);
        pilot.ils[n] = 0;
        pilot.mode = PM_LOCALIZER;
    }
}

void fly_enroute()
{
    int arr = airport_by_id(fpl.arr_apt);
    float hdg = pilot.vectored || arr < 0 ? pilot.hdg_true : navaid_bearing(arr);
    batch_hold(BH_HEADING, hdg);
    float z = (float)flt.z * con.mtrstoft, err = pilot.alt_ft - z;
    if (fabsf(err) < CAPTURE_FT)
        batch_hold(BH_ALTITUDE, pilot.alt_ft);
    else if (!ott.ALHOLD || fabsf(err) > 2.0f * CAPTURE_FT)
        batch_hold(BH_VS, err > 0.0f ? CLIMB_FPM : -DESCENT_FPM);
    batch_hold(BH_SPEED, ENROUTE_KIAS);
}

// Down the localizer: the heading cuts back to the course line, the
// descent follows a 3-degree path to the glide-slope antenna.
void fly_localizer()
{
    int n = find_navaid(pilot.ils, NAV_ILS);
    if (n < 0)
        n = find_navaid(pilot.ils, NAV_LOC);
    if (n < 0)
        return;
    float c = (float)env.navmsc[n][3];
    float off = fltwrap(navaid_bearing(n) - c, -180.0f, 180.0f);
    batch_hold(BH_HEADING, c + fltlim(LOC_GAIN * off, -LOC_MAX_CUT_DEG, LOC_MAX_CUT_DEG));
    float gx = env.navxyz[n][2], gy = env.navxyz[n][3];
    float to_gs_m = pythag(gx - (float)flt.x, gy - (float)flt.y);
    float path_ft = env.navxyz[n][4] * con.mtrstoft + tanf(GLIDE_DEG * con.degtorad) * to_gs_m * con.mtrstoft;
    float z = (float)flt.z * con.mtrstoft;
    float gs_fpm = sqrtf((float)(flt.vx * flt.vx + flt.vy * flt.vy)) * con.msctofpm;
    float vs = -tanf(GLIDE_DEG * con.degtorad) * gs_fpm + PATH_GAIN_FPM_PER_FT * (path_ft - z);
    batch_hold(BH_VS, fltlim(vs, -1000.0f, 0.0f));
    batch_hold(BH_SPEED, FINAL_KIAS);
    if ((flt.z - env.localh) * con.mtrstoft < FLARE_AGL_FT) {
        pilot.mode = PM_FLARE;
        batch_release();
        batch_hold(BH_HEADING, c);
        batch_hold(BH_VS, TOUCHDOWN_FPM);
        batch_ramp(BC_THROTTLE, 0.0f, 3.0f);
    }
}

void check_in_when_due()
{
    if (!atc.waiting_new_frq) {
        pilot.waiting_since = -1.0;
        return;
    }
    if (pilot.waiting_since < 0.0)
        pilot.waiting_since = bst.t;
    if (bst.t - pilot.waiting_since >= CHECKIN_DELAY_S) {
        atc_main_row(ATC_ROW_CHECKIN);
        pilot.waiting_since = -1.0;
    }
}

}   // namespace

int batch_atc_check(const char *request, char *why)
{
    char word[MAX_STR] = "";
    sscanf(request, "%399s", word);
    for (const auto &c : CALLS)
        if (!strcmp(word, c.name))
            return 1;
    if (!strcmp(word, "pilot") || !strncmp(word, "request", 7) || !strncmp(word, "dec", 3))
        return 1;
    char dep[8], arr[8], rules[8];
    float alt;
    if (!strcmp(word, "file") && sscanf(request, "file %7s %7s %7s %f", dep, arr, rules, &alt) == 4 &&
        (!strcmp(rules, "ifr") || !strcmp(rules, "vfr") || !strcmp(rules, "dvfr")) && alt > 0.0f && alt < 60000.0f)
        return 1;
    if (!strcmp(word, "atis") && sscanf(request, "atis %7s", dep) == 1)
        return 1;
    int seed;
    if (!strcmp(word, "seed") && sscanf(request, "seed %d", &seed) == 1)
        return 1;
    C_to_C("usage: atc file <dep> <arr> ifr|vfr|dvfr <cruise ft> | atis <id> | pickup | close | checkin | "
           "sayagain | taxi | takeoff | emergency | pilot | seed <n> | request ...",
           why);
    return 0;
}

int batch_atc(const char *request, char *why)
{
    char word[MAX_STR] = "", dep[8] = "", arr[8] = "", rules[8] = "";
    sscanf(request, "%399s", word);
    for (const auto &c : CALLS)
        if (!strcmp(word, c.name)) {
            atc_main_row(c.row);
            return 1;
        }
    float alt = 0.0f;
    int seed = 0;
    if (sscanf(request, "file %7s %7s %7s %f", dep, arr, rules, &alt) == 4) {
        atc_main_row(ATC_ROW_FILE);
        C_to_C(dep, fpl.dep_apt);
        C_to_C(arr, fpl.arr_apt);
        fpl.ifr = rules[0] == 'i';
        fpl.vfr = rules[0] == 'v';
        fpl.dvfr = rules[0] == 'd';
        fpl.cruise_alt = alt;
        MACIBM_killwind(ATC_FLIGHT_PLAN_WINDOW);
    } else if (sscanf(request, "atis %7s", dep) == 1) {
        int n = airport_by_id(dep);
        if (n < 0) {
            C_to_C("no airport in the region with the id ", why);
            app_C(why, dep);
            return 0;
        }
        give_ATIS(n);
    } else if (sscanf(request, "seed %d", &seed) == 1) {
        seed_rand((unsigned)seed);
    } else if (!strcmp(word, "pilot")) {
        pilot = Pilot{};
        pilot.mode = PM_ENROUTE;
        pilot.waiting_since = -1.0;
        pilot.hdg_true = flt.psi;
        pilot.alt_ft = fpl.init_alt > 0.0f ? fpl.init_alt : fpl.cruise_alt;
        C_to_C(atc.response, pilot.heard);
    } else {
        controller_respond(request);
    }
    return 1;
}

void batch_atc_pilot()
{
    if (pilot.mode == PM_OFF)
        return;
    if (strcmp(atc.response, pilot.heard) != 0) {
        C_to_C(atc.response, pilot.heard);
        hear(pilot.heard);
    }
    check_in_when_due();
    switch (pilot.mode) {
    case PM_ENROUTE: fly_enroute(); break;
    case PM_LOCALIZER: fly_localizer(); break;
    case PM_FLARE:
        if (flt.onground) {
            pilot.mode = PM_ROLLOUT;
            batch_release();
            batch_set(BC_THROTTLE, 0.0f);
            batch_set(BC_BRAKES, 1.0f);
            batch_set(BC_ELEVATOR, 0.0f);
        }
        break;
    default: break;
    }
}

void batch_atc_off() { pilot.mode = PM_OFF; }
