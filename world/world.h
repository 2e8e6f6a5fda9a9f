// Scenery: the loaded region (terrain grid, land use, navigation table
// `env`), the country navigation database, the generated airport (runway
// lights `rwayx..`, markings `rwy`, tower, hangars), towns, the overcast
// relief and the weather-radar field, and the paging of the region.
#pragma once
#include "common/common.h"
#include "records/records.h"

// ---------------------------------------------------------------- terrain
// Locates (x, y) (m) in the terrain mesh: a search of the 5 x 5 cells round
// (i, j) (full_search 0) or of the whole grid, which gives the same cell
// (the first in search order) but starts looking round (i, j) when that is
// a cell. Returns 1 and the cell and triangle in i, j, t when found, else
// 0 with them unchanged.
int find_ijt_with_loc(float x, float y, int *i, int *j, int *t, int full_search);
// Terrain height under (x, y) into *h (m), and its location into i, j, t:
// a local search from i, j, t, then a full one. Both left unchanged when
// the point is off the mesh. Returns the height.
float find_local_h(float x, float y, float *h, int *i, int *j, int *t);
// Grid offsets of triangle t of a cell with diagonal `div`, in clockwise
// order and in plane order (right-angle corner, its x and y neighbours).
void convert_ij_cw(int div, int t, int di[3], int dj[3]);
void convert_ij_dxy(int div, int t, int di[3], int dj[3]);
// Area (m^2) of the triangle through three points.
float findarea(float x1, float y1, float z1, float x2, float y2, float z2,
               float x3, float y3, float z3);
// Whole-number half-span x1..x2 of row *y of a circle of radius r, then
// *y += 1. A row beyond the radius is a fatal error ("y>r").
void work_down_circle(int r, int *y, int *x1, int *x2);

// 1 when (x, y) lies on the inner side of the directed edge (x1, y1) ->
// (x2, y2) of a clockwise outline, widened outward by `margin` (m); a point
// on the edge itself is outside when the margin is 0. A zero-length edge
// contains nothing.
int inside_cw_reg(float x1, float y1, float x2, float y2, float x, float y, float margin);
// 1 when (x, y) lies inside the quadrilateral px/py widened by `margin`,
// whichever way round its corners run.
int inside_quad(const float px[4], const float py[4], float x, float y, float margin);
// 1 when (x, y) lies inside (or on) the triangle of three grid points.
int ontri(int i1, int j1, int i2, int j2, int i3, int j3, float x, float y);

// ---------------------------------------------------------------- region
// File name of a quadrant: sign ('+' from latitude 1), two digits of |lat|,
// three of the longitude wrapped into 0..359, ".env". `name` holds 11 chars.
void quadrant_name(int lat, int lon, char *name);
// Standard quadrant folder: app_path + "DATA/United States/" + file.
void standard_env_path(const char *file, char *path);
// (Re)builds the whole region round env.lat_south/lon_west: table cleared,
// quadrants 1..6 read, navigation finished, cloud sectors filled. Ends the
// program when the region has no airport.
void load_region(int keep_field);
// 1 when the region round (lat, lon) has an airport to start from: some
// quadrant file of it (in env.C_path's folder) holds an airport record.
// Reads the files' record lines only; nothing is loaded.
int region_has_airport(int lat, int lon);
// Reads quadrant `quadrant` (1..6) at (lat, lon) into its sixth of the grid
// and appends its navigation entries; a missing file is open sea.
void read_quadrant(int lat, int lon, int quadrant);
// Sorts the table, rebuilds index lists, location menus, beacon cells and
// the cloud grid positions.
// Reads: the table, planex/planey. Writes: env lists, msc.loc_apt/loc_index,
// con.mtrtonrt/nrttomtr, beacon_index, cloudx/cloudy, menus.
void finish_nav_readin(int keep_field);
// Magnetic variation in whole degrees (east positive) at lat, lon (west positive).
int find_var(int lat, int lon);
// 1 when env.C_path lies in the standard "DATA/United States/" folder.
int inUS();
// Menu text of a runway end: "Rwy 09L", or "Pad 09" for a pad.
void rway_to_cs(int number, char side, int is_pad, char *text);
// The runway items of airport `slot` into `menu`, ids first_id + 1..4;
// returns how many (2 for one runway, 4 for two).
int tack_on_runway_items(int menu, int first_id, int slot);

// ---------------------------------------------------------------- country database
// Reads DATA/gps_dat once; a missing file ends the program.
void init_country_data();
// Appends one entry (kind 1 NDB, 2 VOR, 3 airport); a full table ends the program.
void build_navbase(int kind, char c1, char c2, char c3, float lat, float lon);

// ---------------------------------------------------------------- paging
// One paging step when (x, y) (m) lies within a third of the region's width
// of its west or east edge or a quarter of its height of its south or north
// edge; called by the view each frame. Returns the direction paged (2 west,
// 3 east, 5 south, 4 north) or 0. Reads: planex/planey edges.
// Writes: the whole grid, the table, clouds, weather field, radios' tuning.
int page_region_if_needed(double x, double y);
// Moves grid, weather and cloud contents one quadrant for a page in
// `direction` and renumbers the navigation entries; frees the leaving
// quadrants' buildings and blocks.
void drop_old_quadrants(int direction);

// ---------------------------------------------------------------- alternate environments
// Latitude and longitude from an environment file's name ("+34118.env"),
// given alone or with its folders; 0 and an alert when the name cannot be
// deciphered.
int decode_env_name(const char *name, int *lat, int *lon);
// The "Select Alternate Environment" command up to the new region's
// place: returns 1 with env.C_path, lat_south and lon_west set when a file
// was chosen and its name deciphered (the caller loads the region).
int select_alternate_environment();

// ---------------------------------------------------------------- weather settings
// Clamps and derives the weather settings after a change: cloud base and
// tops above the field, visibility, wind layers, waves, thermals, the
// sea-level temperature. Reads env.fieldh. Writes: atm settings.
void limwx();

// ---------------------------------------------------------------- generated world
// Builds the current airport msc.loc_index: runways, clearing, beacon,
// tower, hangars, then limwx.
void setnewlocale();
// One runway (rway 0 or 1) at threshold (x, y, z), l x w m, heading hdng
// (deg), with the airport's equipment code: lights, flags and markings.
void setuprunway(float x, float y, float z, float l, float w, int hdng, int rway, int litecode);
// Zeroes the lights of runway `rway` inside the other runway's outline of
// its points p1..p4.
void clear_the_runway(int rway, int p1, int p2, int p3, int p4);
// The sequenced flasher (point 280) of each runway that has one: back at
// its start 1050 m out on the first of every eleven event ticks, then one
// approach-light spacing towards the runway each tick. Called by the
// flight's event tick. Reads: env.rabbit*, msc.cntr10. Writes: rwayx/y/z[280].
void move_rabbits();
void make_a_hangar(int n, float x, float y, float z, int h);
// A city block (type 19) or tower building (20..22) in slot b on triangle t of cell (i, j).
void make_a_building(int i, int j, int t, int b, int type);
int get_next_free_bldng();
int get_next_free_block();
int ok_to_build(int i, int j);
// Frees the buildings and blocks of quadrant 1..6.
void drop_bld_quad(int quadrant);
// Marks every building and block slot free, no cell holding one, and the
// cursors at the start.
void free_all_buildings();
void fill_a_sector_with_ocast(int i, int j);
void gen_wx_for_a_sector(int i, int j);
// Midpoint refinement of the block (i1, j1)-(i2, j2) of a grid of `rowlen`
// floats per i, with random amplitude lo..hi, levels first..last.
void fractalize(int i1, int j1, int i2, int j2, float *grid, int rowlen, float lo, float hi,
                int first, int last);

// ---------------------------------------------------------------- calls upward
// The radios a page of the region retunes (the nearest station on each
// frequency may have changed), registered by the program at start-up; a
// null member does nothing. Call sites use `world_calls`.
struct WorldCallbacks {
    void (*setnav)(int w, int uplock, int plot_numbers);   // radio w 0 NAV1 .. 6 transponder
};
void set_world_callbacks(const WorldCallbacks *callbacks);
extern WorldCallbacks world_calls;
