// The flight model: the flight state `flt` and the air state `atm`.
#pragma once
#include "common/common.h"

// Flight state. Written by the flight start (set_fltvars) and every frame by
// the flight model; the controls write the *request fields.
struct flightstruct {
    double x, y, z;          // m, world position (x east, y north, z up)
    float psi, the, phi;     // deg, heading, pitch, roll
    float throt[2], throtrequest[2];  // 0..1
    float omega[2];          // rad/s, rotor speed
    float prop[2];           // rad/s, commanded rotor speed
    int cat_stage;           // catapult stage
};
extern flightstruct flt;

// Weather and the air around the aircraft.
struct atmospherestruct {
    int clear;               // no clouds
    float vis;               // m
};
extern atmospherestruct atm;
