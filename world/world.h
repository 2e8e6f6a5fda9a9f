// Scenery: the loaded region (terrain grid, land use, navigation table
// `env`), the country navigation database, the generated airport (runway
// lights `rwayx..`, markings `rwy`, tower, hangars), towns, the overcast
// relief and the weather-radar field, and the paging of the region.
#pragma once
#include "common/common.h"

constexpr int NO_REGION = -999;   // env.apt_max before any region loads

constexpr int MAX_NAV = 200;       // slots of the region's navigation table
constexpr int NAV_NAME = 41;       // 40 characters and the terminator
constexpr int MAX_NDB_US = 2000, MAX_VOR_US = 1100, MAX_APT_US = 3000;
constexpr int MAX_BLDNG = 151;     // slot 0 is the control tower
constexpr int MAX_BLOCK = 301;
constexpr int MAX_BOATS = 4;
constexpr int MAX_APT_MENU = 60;   // airports listed in the location menus
constexpr int MAX_VOR_MENU = 100;  // VOR and NDB items: ids 1201.. and 1301..
constexpr int MAX_NDB_MENU = 100;

// Navigation entry types (navmsc[k][0]).
enum NavType { NAV_EMPTY = 0, NAV_APT1 = 1, NAV_APT3 = 3, NAV_NDB = 4, NAV_VOR = 5,
               NAV_OM = 6, NAV_IM = 8, NAV_ILS = 9, NAV_LOC = 10 };

struct environmentstruct {
    char C_path[MAX_STR];    // a path whose folder holds the quadrant files
    int lat_south, lon_west; // deg, the region's south-west quadrant (lon positive west)
    int apt_max, vor_max, ndb_max;   // last list index, -1 none; NO_REGION until a region loads
    int i_aircraft, j_aircraft, t_aircraft;   // grid cell and triangle
    float localh;            // m, terrain height under the aircraft
    float fieldh;            // m, elevation of the current airport
    int mvar;                // deg, magnetic variation, east positive

    // ---- navigation table, written by read_quadrant, sorted by finish_nav_readin
    float navxyz[MAX_NAV][5];     // m: x1, y1, x2, y2, elevation
    int navmsc[MAX_NAV][9];       // type and type-specific values (see region.cpp)
    char navname[MAX_NAV][NAV_NAME];
    char navID[MAX_NAV][4];
    char lr[MAX_NAV][2];          // side letters of runway 1 and 2: 'L', 'R' or 'x'
    int ILScode[MAX_NAV];         // runway-equipment code of an airport
    int nav_quad[MAX_NAV];        // quadrant 1..6 that supplied the entry
    int act_in;                   // last slot written, -1 none
    int apt_to_index[MAX_NAV], vor_to_index[MAX_NAV], ndb_to_index[MAX_NAV];
    int i_viewpoint, j_viewpoint; // grid cell of the viewpoint
    int nid_max_used, vid_max_used, aid_max_used;   // country tables, -1 empty
    float boatx[MAX_BOATS], boaty[MAX_BOATS], boatz[MAX_BOATS];   // m
    int pages;                    // page steps since the last full load

    // ---- the current airport (setnewlocale), per runway 0 and 1
    int rwaymax;                  // 1 with two runways
    int rwaymax1[2], rwaymax2[2], twaymax1[2], twaymax2[2], RCLSmax[2];
    int amber1[2], amber2[2], amber3[2], amber4[2];
    int altred1[2], altred2[2], red1[2], red2[2];
    int VTOpad[2], VASI[2], tway[2], ALS[2], rabbit[2], RCLS[2], TDZL[2];
    int red_ALS[2], ext_REIL[2], ext_ALS[2], runoff[2];
    // Sequenced flasher: start 1050 m before the threshold and step (m).
    float rabbitsx[2], rabbitsy[2], rabbitsz[2], rabbitdx[2], rabbitdy[2], rabbitdz[2];
    // ---- the deck under the aircraft: set by the carrier and ship logic,
    // read by the ground contact
    int over_carr, over_boat;         // over the carrier's deck, a ship's deck
    float carrz;                      // m, carrier deck height
};
extern environmentstruct env;

constexpr int MAX_MARKS = 156;
struct runwaystruct {
    int max[2];              // last marking index per runway, -1 none
    float markx[2][4][MAX_MARKS], marky[2][4][MAX_MARKS], markz[2][4][MAX_MARKS];   // m
};
extern runwaystruct rwy;

// Terrain mesh of the loaded region, [i][j] with i west to east, j south to
// north; cell [i][j] has corners [i][j]..[i+1][j+1]. Filled by the region
// loader; read by the flight model's terrain search and the view.
constexpr int MESH_I = 115;
constexpr int MESH_J = 101;
constexpr int QUAD_CI = 38, QUAD_CJ = 50;   // cells of one quadrant
constexpr float NO_HEIGHT = -9999.0f;   // planez where nothing is loaded
extern float planex[MESH_I][MESH_J], planey[MESH_I][MESH_J], planez[MESH_I][MESH_J];
extern int planediv[MESH_I][MESH_J];    // 0: diagonal [i+1][j]-[i][j+1]
// Per triangle [i][j][t] of each cell.
extern int planecol[MESH_I][MESH_J][2];   // palette index
extern int on_water[MESH_I][MESH_J][2], on_field[MESH_I][MESH_J][2], on_cliff[MESH_I][MESH_J][2];
extern int light_on_poly[MESH_I][MESH_J][2];
extern float cityx[MESH_I][MESH_J][2][3], cityy[MESH_I][MESH_J][2][3], cityz[MESH_I][MESH_J][2][3];
extern int on_fire_now[MESH_I][MESH_J][2], was_on_fire[MESH_I][MESH_J][2];
// Per cell.
extern int tower_on_poly[MESH_I][MESH_J], boat_on_poly[MESH_I][MESH_J], carr_on_poly[MESH_I][MESH_J];
extern int bldng_index[MESH_I][MESH_J], block_index[MESH_I][MESH_J];   // -1 none
extern int beacon_index[MESH_I][MESH_J];   // airport slot whose beacon stands here, -1 none
// Weather-radar intensity, 200 samples a degree: 11 nothing, 24..31 storm.
constexpr int WXR_I = 601, WXR_J = 401, WXR_PER_DEG = 200;
extern float flt_wxr[WXR_I][WXR_J];

// Country database from "gps_dat" (degrees; longitude positive west).
extern char nid_id[MAX_NDB_US][3], vid_id[MAX_VOR_US][3], aid_id[MAX_APT_US][3];
extern float nid_lat[MAX_NDB_US], nid_lon[MAX_NDB_US], vid_lat[MAX_VOR_US], vid_lon[MAX_VOR_US];
extern float aid_lat[MAX_APT_US], aid_lon[MAX_APT_US];
// Rotating beacon of each airport slot (m).
extern float beacx[MAX_NAV], beacy[MAX_NAV], beacz[MAX_NAV];

// Runway light points [index][runway] (m, world); a point at x = y = 0 is no light.
constexpr int RWAY_PTS = 527;
extern float rwayx[RWAY_PTS][2], rwayy[RWAY_PTS][2], rwayz[RWAY_PTS][2];

// Buildings (slot 0 the control tower): base centre, four stacked square
// tiers (side, top height; tier 0 top 0) and a 36-point roof circle. A slot
// is free while bldng_dz[b][3] is not above 0.
extern float bldng_x[MAX_BLDNG], bldng_y[MAX_BLDNG], bldng_z[MAX_BLDNG];
extern float bldng_dx[MAX_BLDNG][4], bldng_dy[MAX_BLDNG][4], bldng_dz[MAX_BLDNG][4];
extern float helipad_x[MAX_BLDNG][36], helipad_y[MAX_BLDNG][36];
// City blocks: free while block_dz is not above 0.
extern float block_x[MAX_BLOCK], block_y[MAX_BLOCK], block_z[MAX_BLOCK];
extern float block_dx[MAX_BLOCK], block_dy[MAX_BLOCK], block_dz[MAX_BLOCK];
// Four hangars of eight quadrilaterals of four corners (m).
extern float hangarx[4][8][4], hangary[4][8][4], hangarz[4][8][4];

// Overcast relief: 41 x 33 points, 5 x 4 sectors of 8 x 8 cells, one cloud
// cell an eighth of a degree; reaches one degree beyond the terrain.
constexpr int CLOUD_I = 41, CLOUD_J = 33, CLOUD_PER_DEG = 8;
extern float cloudx[CLOUD_I][CLOUD_J], cloudy[CLOUD_I][CLOUD_J];   // m
extern float cloudz[CLOUD_I][CLOUD_J];   // m below the layer tops, -609.6..0
extern int clouddiv[CLOUD_I][CLOUD_J], cloudcol[CLOUD_I][CLOUD_J][2];

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
// Latitude and longitude from an environment file name ("+34118.env");
// 0 and an alert when the name cannot be deciphered.
int decode_env_name(const char *file, int *lat, int *lon);
// The "Select Alternate Environment" command up to the new region: returns
// 1 when a region was loaded (the caller re-initialises the flight).
int select_alternate_environment();

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

// Defined by the radios: (re)tunes radio w (0 NAV1 .. 6 transponder).
void setnav(int w, int uplock, int plot_numbers);
