// Data output, graphs and the flight-path record: `pat` and `grf`.
#pragma once
#include "common/common.h"

constexpr int MAX_PATH_SAMPLES = 6000;
constexpr int MAX_GRAPH_PERIODS = 1800;

struct pathstruct {
    float xyztpp[MAX_PATH_SAMPLES][6];   // m and deg: x, y, z, the, psi, phi
    int inited;
    int gs_dest;             // receiver whose course the chart shows
};
extern pathstruct pat;

struct graphstruct {
    float data[3][4][MAX_GRAPH_PERIODS];  // three rows of the four series
    float lefttime;          // s
    // ---- set by the data-output selection
    int counter;             // last period sampled, -1 none
};
extern graphstruct grf;
