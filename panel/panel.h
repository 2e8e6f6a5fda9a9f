// The instrument panel and radios: panel state `ins` and radio record `nav`.
#pragma once
#include "common/common.h"

struct inststruct {
    int HUD_on, HOOP_on, radar_on;
    int map_mode, arg_mode;
    float map_range, arg_range, rad_range;  // nm
    float baro;              // inHg, altimeter setting
    int tickle_all, tickle_gps, tickle_map; // redraw requests
};
extern inststruct ins;

struct navstruct {
    int nf[2], nf100[2];     // NAV MHz 108..117 and hundredths
    int cf[2], cf100[2];     // COM MHz 118..134 and hundredths
    int adf1, adf2, adf3;    // ADF kHz digits
    int tran1, tran2, tran3, tran4;  // transponder digits 0..7
    int radout;              // audio selector
    float gps_lat, gps_lon;  // deg, longitude positive west
    float gps_lock_crs;      // deg
};
extern navstruct nav;
