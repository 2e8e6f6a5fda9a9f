// Aircraft and airfoil files: the loaded aircraft `pln` and its airfoil
// tables `afl`.
#pragma once
#include "common/common.h"

// The loaded aircraft. Written by the aircraft reader and loading.
struct planestruct {
    int is_heli;             // 1 helicopter
    int entype;              // 0 none, 1 piston, 2 turboprop, 3 jet
    int numen;               // 1 or 2
    int dashtype, layouttype;
    int dgx, dgy;            // panel pixels of the direction gyro
    char C_file[MAX_STR];    // file name
    char C_path[MAX_STR];    // full path
};
extern planestruct pln;

// Airfoil coefficient tables of the loaded aircraft.
struct airfoilstruct {
    char name[7][2][MAX_STR];  // per surface, the two airfoils' file names
};
extern airfoilstruct afl;
