// Scenery: the loaded region and its navigation table `env`, and the
// runway marking geometry `rwy`.
#pragma once
#include "common/common.h"

constexpr int NO_REGION = -999;   // env.apt_max before any region loads

struct environmentstruct {
    char C_path[MAX_STR];    // folder of the quadrant files
    int lat_south, lon_west; // deg, the region's south-west quadrant
    int apt_max, vor_max, ndb_max;   // NO_REGION until a region loads
    int i_aircraft, j_aircraft, t_aircraft;   // grid cell and triangle
    float localh;            // m, terrain height under the aircraft
};
extern environmentstruct env;

struct runwaystruct {
    int max;                 // marking points in use
};
extern runwaystruct rwy;
