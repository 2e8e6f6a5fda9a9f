// The default aircraft shipped in Aircraft/: each entry fills Airwright's
// record with one aircraft, and carries the published figures its tests
// hold it to.
#pragma once

struct DefaultAircraft {
    const char *file;             // name in Aircraft/
    void (*build)();              // fills airwright::pln
    float attitude_lo, attitude_hi;   // deg, the type's ground attitude
    float stall_kt;               // published stall speed, 0 when none
};
constexpr int N_DEFAULT_AIRCRAFT = 5;
extern const DefaultAircraft DEFAULT_AIRCRAFT[N_DEFAULT_AIRCRAFT];
