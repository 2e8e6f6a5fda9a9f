// The instrument panel and radios: panel state `ins` and radio record `nav`.
#pragma once
#include "common/common.h"

struct inststruct {
    int HUD_on, HOOP_on, radar_on;
    int map_mode, arg_mode;
    float map_range, arg_range, rad_range;  // nm
    float baro;              // inHg, altimeter setting
    int tickle_all, tickle_gps, tickle_map; // redraw requests
    // ---- switches the flight model reads and clears
    int brake_on;            // wheel brakes on (brake light)
    int jato_on;             // JATO burning
    // ---- end of the switches block
    float dg_drift;          // deg, direction-gyro drift (the panel's gyros)

    // ---- flight-event switches and requests
    int antiice_on;          // anti-ice on (the flight start turns it off)
    int tickle_str;          // stormscope redraw request (a new strike)
    // ---- end of the flight-event block

    // ---- needle scalings, set by the aircraft loading (value to degrees)
    float indtoASI;          // per (kt or mph)^ASpwr
    float msctoVVI;          // per m/s
    float tactoINS;          // per rad/s
    float n1_toINS;          // per percent
    float mprtoINS;          // per inHg
    float trqtoINS;          // per N m
    float eprtoINS;          // per unit pressure ratio
    // ---- end of the scalings block
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
    // ---- navigation receivers [0 NAV1, 1 NAV2], latched by the radios;
    // the autopilot reads them
    float obs[2];            // deg magnetic, selected course
    float ilscrs[2];         // deg, localizer front course
    int ilsgs[2];            // 9 VOR, 3 ILS (glide-path deg), 0 localizer alone
    int ntf[2];              // flag: 0 off, 1 TO (or localizer valid), 2 FROM
    // ---- end of the receivers block
    // ---- ILS deviations per NAV receiver, written by the receivers and read
    // by the flight events (glide-slope warning, autopilot errors)
    float hdef[2];           // deg, localizer or course deviation
    float vdef[2];           // deg, glide-slope deviation, negative below it
    float gs_dist_nm[2];     // nm, to the glide-slope antenna
    // ---- end of the ILS block
};
extern navstruct nav;

// ---- panel drawing and lever handling the controls call (the panel step
// builds them; stand-ins wait in shell/pending.cpp)
// Redraws the brake light from ins.brake_on.
void plotbrakes();
// Moves the panel lever of `kind` (175 trim wheel, 177 speed brake) to
// pixel row `row` and applies it.
void handle(int kind, int row);
