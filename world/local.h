// Inside the world folder only: the pieces the region loader, the paging
// and the generators share.
#pragma once
#include "world/world.h"

extern const int QUAD_COL[7], QUAD_ROW[7];   // quadrant 1..6 offsets in quadrants

inline int is_airport(int type) { return type >= NAV_APT1 && type <= NAV_APT3; }
// 1 for a cell index pair of the grid (0..113, 0..99).
int cell_in_grid(int i, int j);
// m in one degree of longitude at latitude lat.
float degree_width_m(int lat);
// The folder of env.C_path followed by `file`.
void env_folder_path(const char *file, char *path);
// Ends the program: the corrupted-file alert with `why` as its last line.
[[noreturn]] void corrupt_file(const char *path, const char *why);
// The navigation records of the open quadrant file, up to 'z'.
void read_nav_records(int quadrant, const char *path);
// Frees the buildings and blocks of the quadrant's cells and clears every
// per-cell flag there before its file is read.
void clear_quadrant_cells(int quadrant);
// Colours, lights, towers, towns, boats and the storm field of a quadrant
// whose points are in place.
void generate_quadrant(int quadrant);
// Forgets the location-menu items of the last region (after a full reload
// the menus are rebuilt from nothing).
void reset_location_menus();
// Blocks and tower buildings round the four airports of the quadrant with
// the longest runways, in the quadrant's own cells.
void build_towns(int quadrant);
// The markings of runway r (threshold x, y, z; l x w m; heading h 0..359;
// its number and side letter) into rwy.
void paint_runway(int r, float x, float y, float z, float l, float w, int h, int number, char side);
// Items the location menus list now: VORs (type 5), NDBs (4) or airports.
int listed_navaid_items(int type);
