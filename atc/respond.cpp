// The controller's answers: requests for taxi, take-off, vectors, landing,
// an ILS or localizer (with the vectoring that brings the aircraft onto it)
// and emergencies, the heading and altitude instructions, and the random
// calls that fill the frequency.
#include <cmath>
#include <cstring>

#include "atc/local.h"

AtcTimers atc_mem;

namespace {

enum RequestKind { RQ_NONE, RQ_TAXI, RQ_TAKEOFF, RQ_VECTORS, RQ_LANDING, RQ_ILS, RQ_LOC, RQ_UNKNOWN };
struct RequestWord {
    const char *key, *word;
    int kind, navaids;       // navaids: the kinds find_navaid accepts
};
const RequestWord REQUESTS[] = {
    {"tax", "taxi ", RQ_TAXI, 1},           {"tak", "takeoff ", RQ_TAKEOFF, 1},
    {"vec", "vectors ", RQ_VECTORS, 1},     {"lan", "landing ", RQ_LANDING, 1},
    {"I L", "I L S ", RQ_ILS, NAV_ILS},      {"loc", "localizer ", RQ_LOC, NAV_LOC}};
constexpr int REQUEST_SEARCH = 256;      // "request" must begin before this character
constexpr float MAX_GROUND_DIST_NM = 3.0f;
// Localizer capture: within 8 degrees of the course as seen from the
// aircraft, heading within 45 degrees of it, 5 to 20 nm out.
constexpr float CAPTURE_BEARING_DEG = 8.0f, CAPTURE_HEADING_DEG = 45.0f;
constexpr float CAPTURE_MIN_NM = 5.0f, CAPTURE_MAX_NM = 20.0f;
constexpr float JOIN_OUT_NM = 7.0f, JOIN_SIDE_NM = 3.0f;   // the point the vectors aim for
constexpr float RANDOM_US = 0.2f;        // share of random calls that address this aircraft
constexpr float RANDOM_CEILING_FT = 20000.0f;
constexpr float DUE_HEADING_DEG = 5.0f, DUE_ALT_OFF_FT = 200.0f, CORRECTING_MPS = 2.0f;
constexpr float MIN_VECTOR_AGL_FT = 1500.0f, MIN_LOCAL_AGL_FT = 2000.0f;

int kind_fits(int n, int kind)
{
    int type = env.navmsc[n][0];
    if (kind == 0)
        return type != NAV_EMPTY;
    if (kind == 1)
        return atc_is_airport(n);
    return type == kind;
}

// "request" within the first REQUEST_SEARCH characters, -1 when absent.
int request_at(const char *r)
{
    const char *p = strstr(r, "request");
    if (!p || p - r >= REQUEST_SEARCH)
        return -1;
    return (int)(p - r);
}

// The navaid name after the request word, without one final '.'.
void navaid_name(const char *after, char *name)
{
    C_to_C(after, name);
    size_t n = strlen(name);
    if (n > 0 && name[n - 1] == '.')
        name[n - 1] = 0;
}

// True bearing from the aircraft to a world point.
float bearing_to(float x, float y) { return wrap360(atan2f(x - (float)flt.x, y - (float)flt.y) * con.radtodeg); }

void app_vectors_to(char *s, int n)
{
    float hdg = (float)iround(navaid_bearing(n) - (float)env.mvar);
    atc_app_turn(s, hdg);
    app_heading_string(s, hdg, 5);
    app_string(s, " vectors ");
    app_string(s, env.navname[n]);
}

// The altitude (ft) the vectors onto an approach ask for.
float approach_alt_ft(int n, float d_nm, float off_course_deg)
{
    float elev = env.navxyz[n][4] * con.mtrstoft;
    float alt = fpl.cruise_alt;
    if (d_nm < 15.0f && fabsf(off_course_deg) <= 34.0f)
        alt = elev + 3000.0f;
    else if (d_nm < 25.0f && fpl.cruise_alt > elev + 3500.0f)
        alt = elev + 4000.0f;
    else if (elev + 10000.0f < fpl.cruise_alt)
        alt = elev + 10000.0f;
    return fmaxf(alt, atc_ground_ft() + MIN_LOCAL_AGL_FT);
}

// The heading (deg true) that joins the course c of navaid n on a 3 nm arc
// that ends 7 nm out on the centreline.
float join_heading(int n, float c)
{
    float side = atc_wrap180(navaid_bearing(n) - c) < 0.0f ? 1.0f : -1.0f;   // +1: right of course
    float out = JOIN_OUT_NM * con.nmtomtrs, off = JOIN_SIDE_NM * con.nmtomtrs;
    float rad = c * con.degtorad, srad = (c + 90.0f * side) * con.degtorad;
    float tx = env.navxyz[n][0] - out * sinf(rad) + off * sinf(srad);
    float ty = env.navxyz[n][1] - out * cosf(rad) + off * cosf(srad);
    float dist_nm = pythag(tx - (float)flt.x, ty - (float)flt.y) * con.mtrstonm;
    float turn = dist_nm > JOIN_SIDE_NM ? asinf(JOIN_SIDE_NM / dist_nm) * con.radtodeg
                                        : interp(0.0f, 180.0f, JOIN_SIDE_NM, 90.0f, dist_nm);
    return wrap360(bearing_to(tx, ty) - side * turn);
}

// Answer to an ILS or localizer request for navaid n; `request` is kept
// for the periodic replay.
void answer_approach(int n, const char *request)
{
    float c = (float)env.navmsc[n][3];
    float b = navaid_bearing(n), d = navaid_dist_nm(n);
    float off = atc_wrap180(b - c);
    char s[MAX_STR];
    start_command_string(s, 1);
    if (fabsf(off) < CAPTURE_BEARING_DEG && fabsf(atc_wrap180((float)flt.psi_int - c)) < CAPTURE_HEADING_DEG &&
        d > CAPTURE_MIN_NM && d < CAPTURE_MAX_NM) {
        app_string(s, "intercept localizer altimeter 29.92 cleared ");
        app_string(s, env.navname[n]);
        app_string(s, " contact tower.");
        atc_end_vectoring();
        fpl.onfile = fpl.activated = 1;
        atc.waiting_new_frq = 1;
        atc.planphase = 7;
        speakstring(s);
        return;
    }
    if (msc.tottime < atc_mem.time_next_ils_vec)
        return;
    atc_mem.time_next_ils_vec = msc.tottime + fltrand(15.0f, 30.0f);
    int starting = !atc.ils_vec_in_progress;
    float hdg = join_heading(n, c) - (float)env.mvar;
    if (!vector_me(hdg, 5, approach_alt_ft(n, d, off), 100, starting, s)) {
        make_random_call(0);
        return;
    }
    if (starting) {
        atc.ils_vec_in_progress = 1;
        char keep[MAX_STR];
        C_to_C(request, keep);
        C_to_C(keep, atc.ils_command);
        app_string(s, "vectors ");
        app_string(s, env.navname[n]);
    }
    app_string(s, ".");
    speakstring(s);
}

void answer_emergency()
{
    int n = nearest_airport();
    if (n < 0)
        return;
    char s[MAX_STR];
    start_command_string(s, 1);
    app_string(s, "squawk 7700 ");
    app_vectors_to(s, n);
    app_string(s, ", they are about ");
    app_int(s, (int)navaid_dist_nm(n));
    app_string(s, " miles from your current position.");
    fpl.activated = 0;
    atc.planphase = 0;
    speakstring(s);
}

}   // namespace

float atc_wrap180(float deg)
{
    float d = wrap360(deg);
    return d > 180.0f ? d - 360.0f : d;
}

float atc_alt_ft() { return (float)flt.z * con.mtrstoft; }
float atc_ground_ft() { return env.localh * con.mtrstoft; }

void atc_app_turn(char *s, float hdg)
{
    float turn = atc_wrap180(hdg - ((float)flt.psi_int - (float)env.mvar));
    app_string(s, turn < 1.0f ? "turn left heading " : "turn right heading ");
}

void atc_end_vectoring()
{
    atc.ils_vec_in_progress = 0;
    atc.ils_command[0] = 0;
}

void reset_atc_timers() { atc_mem = AtcTimers{}; }

float navaid_dist_nm(int n)
{
    return pythag(env.navxyz[n][0] - (float)flt.x, env.navxyz[n][1] - (float)flt.y) * con.mtrstonm;
}

float navaid_bearing(int n) { return bearing_to(env.navxyz[n][0], env.navxyz[n][1]); }

int find_navaid(const char *name, int kind)
{
    if (!name[0])
        return -1;
    for (int n = 0; n < MAX_NAV; n++)
        if (kind_fits(n, kind) && strncmp(env.navname[n], name, NAV_NAME) == 0)
            return n;
    return -1;
}

int nearest_airport()
{
    int best = -1;
    float least = 0.0f;
    for (int n = 0; n < MAX_NAV; n++) {
        if (!atc_is_airport(n))
            continue;
        float d = navaid_dist_nm(n);
        if (best < 0 || d < least) {
            best = n;
            least = d;
        }
    }
    return best;
}

int airport_by_id(const char *id)
{
    int found = -1;
    for (int n = 0; n < MAX_NAV; n++)
        if (atc_is_airport(n) && strncmp(env.navID[n], id, 3) == 0)
            found = n;
    return found;
}

int atc_ground_field()
{
    int n = nearest_airport();
    return flt.onground && n >= 0 && navaid_dist_nm(n) < MAX_GROUND_DIST_NM ? n : -1;
}

int atc_at_towered_field()
{
    int n = atc_ground_field();
    return n >= 0 && env.ILScode[n] > 0;
}

void controller_respond(const char *request)
{
    char r[MAX_STR];
    C_to_C(request, r);   // the request may be atc.ils_command itself
    if (strncmp(r, "dec", 3) == 0) {
        answer_emergency();
        return;
    }
    int at = request_at(r);
    if (at < 0)
        return;
    const char *word = r + at + strlen("request");
    while (*word == ' ')
        word++;
    const RequestWord *q = nullptr;
    for (const RequestWord &w : REQUESTS)
        if (strncmp(word, w.key, strlen(w.key)) == 0)
            q = &w;
    char s[MAX_STR];
    start_command_string(s, 1);
    if (!q) {
        app_string(s, "say again please");
        speakstring(s);
        return;
    }
    char name[MAX_STR];
    navaid_name(strncmp(word, q->word, strlen(q->word)) == 0 ? word + strlen(q->word) : "", name);
    int n = find_navaid(name, q->navaids);
    if (n < 0)
        return;
    switch (q->kind) {
    case RQ_TAXI:
        app_string(s, "taxi ");
        app_rway_on_wind_string(s, n);
        break;
    case RQ_TAKEOFF:
        app_string(s, "fly runway heading cleared for take off ");
        app_rway_on_wind_string(s, n);
        break;
    case RQ_VECTORS:
        app_vectors_to(s, n);
        break;
    case RQ_LANDING:
        app_wind_string(s, n);
        app_string(s, ", cleared to land ");
        app_rway_on_wind_string(s, n);
        app_string(s, " ");
        app_string(s, env.navname[n]);
        break;
    default:
        answer_approach(n, r);
        return;
    }
    app_string(s, ".");
    speakstring(s);
}

int vector_me(float hdg_des, int hdg_near, float alt_des, int alt_near, int force_message, char *string)
{
    float hdg = (float)intwrap(iround(hdg_des / hdg_near) * hdg_near, 1, 360);
    int hdg_due = fabsf(atc_wrap180(hdg - atc_mem.old_hdg_des)) > DUE_HEADING_DEG;
    float alt = fmaxf(alt_des, atc_ground_ft() + MIN_VECTOR_AGL_FT);
    alt = (float)(iround(alt / alt_near) * alt_near);
    float z = atc_alt_ft(), vz = flt.vz;
    int alt_due = alt != atc_mem.old_alt_des || (z > alt + DUE_ALT_OFF_FT && vz > -CORRECTING_MPS) ||
                  (z < alt - DUE_ALT_OFF_FT && vz < CORRECTING_MPS);
    if (force_message)
        hdg_due = alt_due = 1;
    if (hdg_due) {
        atc_app_turn(string, hdg);
        app_heading_string(string, hdg, 1);
        app_string(string, " ");
        atc_mem.old_hdg_des = hdg;
    }
    if (alt_due) {
        app_string(string, alt > z ? "climb and maintain " : "descend and maintain ");
        app_int(string, (int)alt);
        app_string(string, " feet ");
        atc_mem.old_alt_des = alt;
    }
    return hdg_due || alt_due;
}

int make_random_call(int can_be_us)
{
    char s[MAX_STR];
    int kind = intrand(1, 5);
    if (kind == 1) {
        start_command_string(s, 0);
        app_string(s, "squawk 1 2 0 0 good day.");
        speakstring(s);
        return 0;
    }
    if (kind <= 3 && atc_alt_ft() >= RANDOM_CEILING_FT)
        return 0;
    int us = can_be_us && fltrand(0.0f, 1.0f) < RANDOM_US;
    start_command_string(s, us);
    if (kind <= 3) {
        float offset = fallout(fltrand(-45.0f, 45.0f), -20.0f, 20.0f);
        app_string(s, "turn heading ");
        app_heading_string(s, (float)flt.psi_int - (float)env.mvar + offset, 10);
        app_string(s, " vectors around a ");
        app_rand_plane(s, atc_alt_ft());
        app_string(s, offset < -30.0f ? " at your 12 o-clock." : offset < 0.0f ? " at your 1 o-clock."
                                                             : offset < 30.0f ? " at your 10 o-clock."
                                                                              : " at your 11 o-clock.");
        speakstring(s);
        return us;
    }
    app_string(s, fltrand(0.0f, 1.0f) >= 0.5f ? "contact tower on " : "contact center on ");
    app_rand_freq(s);
    app_string(s, ".");
    if (us)
        atc.waiting_new_frq = 1;
    speakstring(s);
    return 0;
}
