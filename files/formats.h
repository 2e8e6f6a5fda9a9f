// Sizes, versions and codes of the aircraft, airfoil and flap files that
// all three programs share. Included by the simulator's files/files.h and by
// the designers' headers, which must not see the simulator's records.
#pragma once
#include "common/common.h"
#include "records/sizes.h"

constexpr int ACF_VERSION = 25;          // aircraft files
constexpr int PART_VERSION = 21;         // airfoil and flap files
constexpr int AIRFOIL_DEVICE_CODE = 1234;   // first value of an airfoil file
constexpr int FLAP_DEVICE_CODE = 2345;      // first value of a flap file

// Lifting parts: 0/1 propellers or main/tail rotor, 2 wing 1, 3 wing 2,
// 4 horizontal stabiliser or canard, 5 and 6 vertical stabilisers. Each
// part's block in the aircraft file opens with its own checkpoint number.
extern const int PART_CHECKPOINT[MAX_PARTS];   // 102, 103, 105 .. 109

// Angle of attack (deg) of airfoil table index -270..270: 1 deg steps beyond
// +-20 deg, 0.1 deg steps within.
float alpha_of_index(int i);
