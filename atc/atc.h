// Air traffic control: dialogue state `atc` and the filed flight plan `fpl`.
#pragma once
#include "common/common.h"

struct atcstruct {
    int voice_out, text_out;
    int ils_vec_in_progress, ils_command;
};
extern atcstruct atc;

struct flightplanstruct {
    int onfile, activated;
    int ifr, vfr, dvfr;
    char dep_apt[MAX_STR], arr_apt[MAX_STR];
    float cruise_alt;        // ft
};
extern flightplanstruct fpl;
