// Sizes of the aircraft and airfoil tables: the simulator's records and the
// designers' own file records are laid out by them, so both include this
// header (the designers without seeing the simulator's records).
#pragma once

constexpr int MAX_PARTS = 7;             // lifting parts, numbered as below
constexpr int MAX_ELS = 8;               // elements per lifting part
constexpr int NARM = 9;                  // arm slots: 0..7 elements, 8 the part
constexpr int N_FUSE_STATIONS = 9;       // fuselage stations
constexpr int N_FUSE_RADIALS = 5;        // points per station, top to bottom
constexpr int N_FLOATS = 6;
constexpr int MAX_AH_ROWS = 118;        // rows of the panel's attitude ball
constexpr int N_CL_SLOTS = 171;          // |alpha index| 100..270
constexpr int N_CD_SLOTS = 271;          // |alpha index| 0..270
constexpr int N_FLAP_ROWS = 51;          // 0..50 fiftieths of full flap
