// The out-the-window view: drawing state `scn`, the stars `sta` and the
// carrier and frigate geometry `car`.
#pragma once
#include "common/common.h"

constexpr int MAX_STARS = 2000;

struct scenerystruct {
    int time;                // time-of-day code
    float lamp;              // light amplification
    int belowbases, abovetops;
    float the180rad, psi180rad, phi180rad;  // rad, free-camera angles
    int rb_cycle;            // 0..120, beacon and strobe phase
};
extern scenerystruct scn;

struct starstruct {
    float the[MAX_STARS], psi[MAX_STARS];   // deg
};
extern starstruct sta;

struct carrierstruct {
    float catx;              // m
    float catang;            // deg
    // ---- catapult position, set with catx and catang where the carrier is
    // placed (place_carrier_catapult, flight/ships.cpp)
    float caty;              // m, north, of the catapult's launch point
    // ---- end of the catapult block
};
extern carrierstruct car;
