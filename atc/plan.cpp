// The filed flight plan in flight: clearance, departure, center, approach,
// tower and ground, each phase advanced by the pilot's check-in or by the
// aircraft's progress on the slow tick.
#include <cmath>
#include <initializer_list>

#include "atc/local.h"

namespace {

constexpr float DEPARTED_AGL_M = 200.0f;
constexpr float APPROACH_NM = 40.0f, TOWER_NM = 10.0f;
constexpr float OFF_CRUISE_FT = 200.0f, CORRECTING_MPS = 2.0f;
constexpr float SLOW_BELOW_FT = 10000.0f, SLOW_KT = 250.0f;
constexpr float TAXI_MPS = 10.0f;
constexpr float RESET_SQUAWK = 0.3f;     // share of check-ins with center given a new squawk

int round_to(float v, int nearest) { return (int)floorf(v / nearest + 0.5f) * nearest; }

void close_plan()
{
    fpl.onfile = fpl.activated = 0;
    atc.planphase = 0;
}

// Starts a message to this aircraft.
void begin(char *s) { start_command_string(s, 1); }

void clearance()
{
    int dep = msc.loc_index;
    float elev_ft = atc_is_airport(dep) ? env.navxyz[dep][4] * con.mtrstoft : 0.0f;
    fpl.cruise_alt = (float)round_to(fpl.cruise_alt, 1000);
    fpl.init_alt = fminf((float)round_to(elev_ft + 2000.0f, 500), fpl.cruise_alt - 500.0f);
    char s[MAX_STR];
    begin(s);
    int towered = atc_at_towered_field();
    if (!towered) {
        if (!flt.onground) {
            app_string(s, "cleared as filed contact center ");
            app_rand_freq(s);
            app_string(s, ".");
        } else if (fpl.vfr) {
            app_string(s, "cleared as filed. Contact center on ");
            app_rand_freq(s);
            app_string(s, " when airborne. Squawk ");
            app_squawk(s);
            app_string(s, ".");
        } else {
            app_string(s, "cleared as filed maintain at or below ");
            app_int(s, (int)fpl.init_alt);
            app_string(s, " expect ");
            app_int(s, (int)fpl.cruise_alt);
            app_string(s, " 10 minutes after that. Contact center on ");
            app_rand_freq(s);
            app_string(s, " when airborne, squawk ");
            app_squawk(s);
            app_string(s, " clearance void if not off by ");
            app_ztime(s);
            app_string(s, ".");
        }
        atc.waiting_new_frq = 1;
        atc.planphase = 5;
    } else {
        if (fpl.vfr) {
            app_string(s, "you are cleared as filed maintain at or below ");
            app_int(s, (int)fpl.init_alt);
            app_string(s, " initially, expect higher after that.");
        } else {
            app_string(s, "cleared as filed maintain at or below ");
            app_int(s, (int)fpl.init_alt);
            app_string(s, " expect ");
            app_int(s, (int)fpl.cruise_alt);
            app_string(s, " 10 minutes after departure.");
        }
        app_string(s, " Departure will be on on ");
        app_rand_freq(s);
        app_string(s, " squawk ");
        app_squawk(s);
        app_string(s, " advise when ready to taxi.");
        atc.planphase = 3;
    }
    speakstring(s);
}

// The arrival airport's slot, looked up afresh: slots move when the region
// pages.
int arrival()
{
    int arr = airport_by_id(fpl.arr_apt);
    if (arr >= 0)
        atc.plan_index = arr;
    return arr;
}

void center_checkin()
{
    char s[MAX_STR];
    begin(s);
    app_string(s, "roger proceed on course to ");
    char arr[4] = {fpl.arr_apt[0], fpl.arr_apt[1], fpl.arr_apt[2], 0};
    app_string(s, arr);
    app_string(s, " altimeter 2 9 9 2.");
    if (fltrand(0.0f, 1.0f) < RESET_SQUAWK) {
        app_string(s, " Reset transponder squawk ");
        app_squawk(s);
        app_string(s, ".");
    }
    atc_mem.time_next_trans = msc.tottime + fltrand(15.0f, 45.0f);
    speakstring(s);
}

// More than 200 ft off the cruise altitude and not climbing or descending
// towards it.
int off_cruise(int *climb)
{
    float z = atc_alt_ft();
    *climb = z < fpl.cruise_alt;
    return (z > fpl.cruise_alt + OFF_CRUISE_FT && flt.vz > -CORRECTING_MPS) ||
           (z < fpl.cruise_alt - OFF_CRUISE_FT && flt.vz < CORRECTING_MPS);
}

void center_enroute()
{
    if (msc.tottime < atc_mem.time_next_trans)
        return;
    atc_mem.time_next_trans = msc.tottime + fltrand(15.0f, 30.0f);
    char s[MAX_STR];
    begin(s);
    int arr = arrival();
    int climb;
    if (arr >= 0 && navaid_dist_nm(arr) < APPROACH_NM) {
        app_string(s, "contact approach on ");
        app_rand_freq(s);
        app_string(s, ".");
        atc.waiting_new_frq = 1;
        atc.planphase = 6;
    } else if (off_cruise(&climb)) {
        app_string(s, "your flight plan calls for ");
        app_int(s, (int)fpl.cruise_alt);
        app_string(s, " feet while enroute, sir. I will need you to ");
        app_string(s, climb ? "climb" : "descend");
        app_string(s, " and maintain that altitude. You may ammend your plan if you want a different altitude.");
    } else if (flt.vind > SLOW_KT && atc_alt_ft() < SLOW_BELOW_FT) {
        app_string(s, "I will need you to stay below 2 5 0 knots while below ten thousand feet.");
    } else if (atc_mem.on_random) {
        atc_mem.on_random = 0;
        char a[4] = {fpl.arr_apt[0], fpl.arr_apt[1], fpl.arr_apt[2], 0};
        app_string(s, "proceed back on course to ");
        app_string(s, a);
        app_string(s, ".");
    } else {
        if (make_random_call(1))
            atc_mem.on_random = 1;
        return;
    }
    speakstring(s);
}

// The ILS, else the localizer, nearest the arrival airport; -1 none.
int approach_aid(int arr, int *type)
{
    int best = -1;
    float least = 0.0f;
    for (int want : {(int)NAV_ILS, (int)NAV_LOC}) {
        for (int n = 0; n < MAX_NAV; n++) {
            if (env.navmsc[n][0] != want)
                continue;
            float d = pythag(env.navxyz[n][0] - env.navxyz[arr][0], env.navxyz[n][1] - env.navxyz[arr][1]);
            if (best < 0 || d < least) {
                best = n;
                least = d;
                *type = want;
            }
        }
        if (best >= 0)
            return best;
    }
    return -1;
}

void approach_checkin()
{
    int arr = arrival();
    char s[MAX_STR];
    int type = 0, aid = atc_is_airport(arr) && env.ILScode[arr] > 0 ? approach_aid(arr, &type) : -1;
    if (aid < 0) {
        begin(s);
        app_string(s, "cleared full approach of your choice.");
        close_plan();
        speakstring(s);
        return;
    }
    C_to_C(type == NAV_ILS ? "request I L S " : "request localizer ", s);
    app_string(s, env.navname[aid]);
    atc_mem.time_next_ils_vec = msc.tottime;
    controller_respond(s);
}

void approach_progress()
{
    int arr = arrival();
    if (atc.ils_vec_in_progress || !atc_is_airport(arr) || env.ILScode[arr] <= 0 ||
        navaid_dist_nm(arr) >= TOWER_NM)
        return;
    char s[MAX_STR];
    begin(s);
    app_string(s, "contact ");
    app_string(s, env.navname[arr]);
    app_string(s, " tower on ");
    app_rand_freq(s);
    app_string(s, ".");
    atc.waiting_new_frq = 1;
    atc.planphase = 7;
    speakstring(s);
}

// One fixed message and the next phase (or, with 0, the plan closed).
void say_and_go(const char *text, int next)
{
    char s[MAX_STR];
    begin(s);
    app_string(s, text);
    if (next)
        atc.planphase = next;
    else
        close_plan();
    speakstring(s);
}

}   // namespace

void handle_plan(int ack)
{
    if (!fpl.onfile || !fpl.activated) {
        if (ack) {
            char s[MAX_STR];
            begin(s);
            app_string(s, "roger.");
            speakstring(s);
        }
        return;
    }
    char s[MAX_STR];
    switch (atc.planphase) {
    case 0: clearance(); break;
    case 3:
        if ((float)flt.z - env.localh > DEPARTED_AGL_M) {
            say_and_go("contact departure.", 4);
            atc.waiting_new_frq = 1;
        }
        break;
    case 4:
        if (ack) {
            begin(s);
            app_string(s, "roger. Climb to ");
            app_int(s, (int)fpl.cruise_alt);
            app_string(s, " approved, proceed on course.");
            atc_mem.time_to_come_handoff = msc.tottime + fltrand(15.0f, 45.0f);
            speakstring(s);
        } else if (!atc.waiting_new_frq && msc.tottime > atc_mem.time_to_come_handoff) {
            begin(s);
            app_string(s, "contact center ");
            app_rand_freq(s);
            app_string(s, ".");
            atc.waiting_new_frq = 1;
            atc.planphase = 5;
            speakstring(s);
        }
        break;
    case 5:
        if (ack)
            center_checkin();
        else if (!atc.waiting_new_frq)
            center_enroute();
        break;
    case 6:
        if (ack)
            approach_checkin();
        else if (!atc.waiting_new_frq)
            approach_progress();
        break;
    case 7:
        if (ack) {
            begin(s);
            app_wind_string(s, arrival() >= 0 ? atc.plan_index : nearest_airport());
            app_string(s, ", cleared to land.");
            atc.planphase = 8;
            speakstring(s);
        }
        break;
    case 8:
        if (flt.onground && flt.v < TAXI_MPS) {
            begin(s);
            app_string(s, "make next turn-off contact ground ");
            app_ground_freq(s);
            app_string(s, " when clear.");
            atc.waiting_new_frq = 1;
            atc.planphase = 9;
            speakstring(s);
        }
        break;
    case 9:
        if (ack)
            say_and_go("taxi to the ramp.", 0);
        break;
    default: break;
    }
}
