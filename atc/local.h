// Inside air traffic control: the module's remembered vectors and times,
// and the helpers its files share.
#pragma once
#include "atc/atc.h"

// The module's persistent state: the last heading (deg magnetic) and
// altitude (ft) given in a vector, the times (s of simulated time) of the
// next ILS vector, hand-off and en-route transmission, and whether a random
// call vectored this aircraft off its course.
struct AtcTimers {
    float old_hdg_des, old_alt_des;
    float time_next_ils_vec, time_to_come_handoff, time_next_trans;
    int on_random;
};
extern AtcTimers atc_mem;

// Degrees into -180..180.
float atc_wrap180(float deg);
// The aircraft's altitude (ft above sea level) and the ground under it (ft).
float atc_alt_ft();
float atc_ground_ft();
// "turn left heading " or "turn right heading " for a turn from the present
// heading to `hdg` (deg magnetic).
void atc_app_turn(char *s, float hdg);
// On the ground within reach of an airport slot that has a tower.
int atc_at_towered_field();
// Airport slot the aircraft is on the ground at (within 3 nm), -1 none.
int atc_ground_field();
// Ends any vectoring in progress.
void atc_end_vectoring();
// Airport slot of the region's navigation table (types 1 to 3).
inline int atc_is_airport(int n)
{
    return n >= 0 && n < MAX_NAV && env.navmsc[n][0] >= NAV_APT1 && env.navmsc[n][0] <= NAV_APT3;
}
float atc_text_seconds(const char *s);   // on screen: 0.1 s a character
