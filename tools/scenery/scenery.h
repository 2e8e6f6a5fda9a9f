// The scenery converter: turns the compact real-world extracts in
// data/scenery/ into the simulator's quadrant files and its country
// navigation file. Host-side build tool; the simulator never links it.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// ---------------------------------------------------------------- geometry
constexpr int QUAD_CELLS_I = 38;          // cells per quadrant, west to east
constexpr int QUAD_CELLS_J = 50;          // cells per quadrant, south to north
constexpr double M_PER_DEG = 111120.0;    // 60 nm of 1852 m: one degree of latitude
constexpr int BOX_LAT_S = 15;             // extent of the source grids, degrees
constexpr int BOX_LAT_N = 72;
constexpr int BOX_LON_W = 180;            // positive west
constexpr int BOX_LON_E = 60;
constexpr int NQUAD_J = BOX_LAT_N - BOX_LAT_S;   // quadrant rows in the box
constexpr int NQUAD_I = BOX_LON_W - BOX_LON_E;   // quadrant columns
constexpr int NCELL_I = NQUAD_I * QUAD_CELLS_I;  // global cell columns
constexpr int NCELL_J = NQUAD_J * QUAD_CELLS_J;  // global cell rows

// Capacity: a region of six quadrants holds 200 navigation slots, so each
// quadrant keeps a sixth; the country tables hold 2000 / 1100 / 3000.
constexpr int MAX_REGION_ENTRIES = 200;
constexpr int MAX_QUAD_ENTRIES = MAX_REGION_ENTRIES / 6;
constexpr int MAX_GPS_NDB = 2000;
constexpr int MAX_GPS_VOR = 1100;
constexpr int MAX_GPS_APT = 3000;
constexpr int MAX_NAME_CHARS = 40;

// Entry types of the navigation table.
enum NavType {
    NAV_APT1 = 1, NAV_APT2 = 2, NAV_APT3 = 3, NAV_NDB = 4, NAV_VOR = 5,
    NAV_OM = 6, NAV_MM = 7, NAV_IM = 8, NAV_ILS = 9, NAV_LOC = 10
};

// A quadrant is named by its south latitude and west longitude (degrees,
// positive west). Its metres: x east from the west edge with one degree of
// longitude = M_PER_DEG * cos(lat_s), y north from the south edge.
struct Quad {
    int lat_s, lon_w;
};
// Quadrant holding (lat, lon east-positive); borders belong to the north/east.
Quad quad_of(double lat_deg, double lon_deg);
// Metres of one degree of longitude in the quadrant's frame.
double quad_lon_scale_m(Quad q);
// Position in the quadrant's frame (m) and back.
void latlon_to_quad_m(Quad q, double lat_deg, double lon_deg, double *x_m, double *y_m);
void quad_m_to_latlon(Quad q, double x_m, double y_m, double *lat_deg, double *lon_deg);
// File name, e.g. "+34118.env"; latitude 0 is written "-00".
std::string quad_file_name(Quad q);
// Index 0..NQUAD_I*NQUAD_J-1 of a quadrant inside the box, -1 outside.
int quad_index(Quad q);
Quad quad_at_index(int index);

// ---------------------------------------------------------------- sources
struct Grid16 {                 // the elevation grid, gridline registered
    int rows = 0, cols = 0;     // row 0 is 72N, column 0 is 180W, 1/12 degree
    std::vector<uint16_t> m;    // metres, sea floor already raised to 0
};
struct Mask1 {                  // the water mask, pixel registered
    int rows = 0, cols = 0, stride = 0;   // 1/120 degree, row 0 at 72N
    std::vector<uint8_t> bits;  // 1 = water, most significant bit leftmost
};
// 1 when the mask pixel (row, col) is water; outside the mask counts as water.
int mask_water(const Mask1 &mask, int row, int col);

struct SrcAirport {
    std::string id, name;
    char kind;                  // 'L' large, 'M' medium, 'S' small
    bool scheduled, tower;
    double lat, lon;            // degrees, east positive
    double elev_ft;             // NaN when unknown
};
struct SrcRunway {
    std::string id;             // airport
    double length_ft, width_ft; // width NaN when unknown
    char surface;               // 'H' hard, 'S' soft, 'W' water
    std::string end[2];         // designators, end[1] empty for one-way strips
    double lat[2], lon[2];      // NaN when the end has no position
    double elev_ft[2], disp_ft[2], hdg1_true;   // NaN when unknown
};
struct SrcIls {
    std::string id, runway_end, type, category;
    int freq_mhz, freq_hundredths;
    double course_true, gs_angle, tch_ft, disp_ft, thr_elev_ft;   // NaN unknown
};
struct SrcNavaid {
    char kind;                  // 'V' VOR, 'N' NDB
    std::string ident, name;
    int freq_khz;
    double lat, lon, elev_ft;
};
struct Sources {
    Grid16 terrain;
    Mask1 water;
    std::vector<SrcAirport> airports;
    std::vector<SrcRunway> runways;
    std::vector<SrcIls> ils;
    std::vector<SrcNavaid> navaids;
};
// Reads every extract from `dir`. Returns false with `error` set on the
// first file that is missing or malformed.
bool load_sources(const std::string &dir, Sources *src, std::string *error);
// The individual readers (tests feed them small files).
bool read_png_grid16(const std::string &path, Grid16 *grid, std::string *error);
bool read_png_mask1(const std::string &path, Mask1 *mask, std::string *error);
// Splits one CSV line at commas (the extracts never quote).
std::vector<std::string> split_csv(const std::string &line);

// ---------------------------------------------------------------- terrain
// Elevation (m) at a point by bicubic (Catmull-Rom) interpolation of the grid.
double terrain_m(const Grid16 &grid, double lat_deg, double lon_deg);

// Cell data of one quadrant. Indices [j][i], j south to north.
struct Tile {
    uint8_t div[QUAD_CELLS_J][QUAD_CELLS_I];          // 0: diagonal [i+1][j]-[i][j+1]
    uint8_t water[QUAD_CELLS_J][QUAD_CELLS_I][2];
    int32_t field[QUAD_CELLS_J][QUAD_CELLS_I][2];     // airport index, -1 none
    int32_t comp[QUAD_CELLS_J][QUAD_CELLS_I][2];      // water body, -1 land
    int nwater;                                       // water triangles
};

// The world the converter builds: tiles for every quadrant it looks at.
struct World {
    const Sources *src = nullptr;
    std::vector<std::unique_ptr<Tile>> tiles;         // by quad_index
    std::vector<float> comp_level_m;                  // water body surface
    std::vector<uint8_t> comp_is_sea;
    // Field elevation (m) fixed at a global point by an airport.
    std::vector<std::pair<int64_t, float>> field_points;   // sorted by point id
};
// Global cell (ci, cj) -> triangle data; null tile when not built.
Tile *world_tile(const World &w, int ci, int cj);
// Builds the tile of quadrant q (terrain-following and shoreline-following
// diagonals, water flags from the mask); no effect when already built.
void build_tile(World *w, Quad q);
// Chooses a cell's diagonal and water flags from mask and terrain.
void classify_cell(const Sources &src, int ci, int cj, uint8_t *div, uint8_t water[2]);
// Which triangle of a cell holds the fractional position (u, v) in 0..1.
int triangle_at(int div, double u, double v);
// Finds the water bodies over all built tiles and their surface levels.
// Returns the number of bodies.
int find_water_bodies(World *w);
// Final elevation (m) of a global point (ci 0..NCELL_I, cj 0..NCELL_J).
float point_z(const World &w, int ci, int cj);
// Field elevation fixed at a global point, or NaN.
float field_point_z(const World &w, int64_t point_id);
inline int64_t point_id(int ci, int cj) { return (int64_t)cj * (NCELL_I + 1) + ci; }

// ---------------------------------------------------------------- airports
struct RunwayPlan {
    double length_ft, width_ft;
    int number;                 // 1..36 of the start end
    char side;                  // 'L', 'R' or 'x'
    double lat[2], lon[2];      // start threshold, far end
    double elev_ft[2], disp_ft; // end elevations, displaced threshold at start
    std::string end_name[2];    // designators of start and far end
    bool synthesised;           // ends not in the data
    bool hard;
};
struct IlsPlan {
    int airport;                // index into Plan::airports
    int runway;                 // 0 or 1: which airport runway it serves
    int end;                    // 0: the runway's start end, 1: its far end
    const SrcIls *src;
    bool glide_slope;
};
struct AirportPlan {
    const SrcAirport *src;
    int klass;                  // 1..3
    double elev_ft;             // field elevation written to the file
    Quad quad;
    std::vector<RunwayPlan> runways;   // usable, longest first
    int ils_code;               // 1 runway 1, 2 runway 2, 3 both, 0 none
    double rank;                // importance inside its class, larger first
};
struct PlanCounts {
    int airports_read = 0, no_runway = 0, outside = 0, duplicate = 0;
    int runways_read = 0, runways_unusable = 0, runways_synthesised = 0, runways_one_end = 0;
    int ils_read = 0, ils_no_airport = 0, ils_other_runway = 0;
    int below_sea = 0;
    std::vector<std::string> synthesised_ids;
};
struct Plan {
    std::vector<AirportPlan> airports;   // importance order
    std::vector<IlsPlan> ils;
    PlanCounts counts;
};
// Magnetic variation (degrees, east positive) of the simulator's own model.
double magnetic_variation_deg(double lat_deg, double lon_west_deg);
// Airports with their two-runway plans, in importance order.
void plan_airports(const Sources &src, Plan *plan);
// Runway number and side letter from a designator ("09L" -> 9, 'L');
// false when it holds no number 1..36.
bool parse_runway_end(const std::string &end, int *number, char *side);
// Flags and flattens the field triangles of every kept airport, most
// important first; returns the number of triangles an airport could not
// claim because a more important one holds them or their corners.
int mark_fields(World *w, const Plan &plan, const std::vector<bool> &kept);

// ---------------------------------------------------------------- entries
struct Entry {
    int type;                   // NavType
    double x1, y1, x2, y2;      // m in the quadrant's frame
    double elev_ft;
    int m[3];                   // navaids: navmsc[1..3]
    int rw_len_ft[2], rw_wid_ft[2], rw_hdg[2], rw_num[2];   // airports
    char side[2];               // airports: 'L', 'R' or 'x'
    int code;                   // airports: equipment code
    std::string id, name;
    int tier;                   // importance class, lower first
    double rank;                // importance within the tier, larger first
    int airport;                // airport plan index, -1 none
    int parent;                 // index (in the quadrant's candidates) of the
                                // entry this one needs kept, -1 none
};
struct QuadEntries {
    Quad quad;
    std::vector<Entry> entries; // kept, importance order
};
struct EntryCounts {
    int made[11] = {0}, kept[11] = {0};   // by NavType
    int vor_bad_freq = 0, ndb_bad_freq = 0, outside = 0;
    int quads_full = 0;
};
struct GpsEntry {
    int kind;                   // 1 NDB, 2 VOR, 3 airport
    double lat, lon_west;
    std::string id;
};
struct Selection {
    std::vector<QuadEntries> quads;      // sorted by quad_index
    std::vector<bool> airport_kept;      // by airport plan index
    std::vector<GpsEntry> gps;           // NDBs, VORs, airports
    EntryCounts counts;
    int gps_apt_skipped_digit = 0;
};
// Builds every entry, keeps the most important per quadrant and picks the
// country file's contents.
void select_entries(const Sources &src, const Plan &plan, Selection *sel);

// ---------------------------------------------------------------- output
// Writes one quadrant file; false when it cannot be written.
bool write_quadrant(const World &w, const QuadEntries &qe, const std::string &path);
bool write_gps_dat(const Selection &sel, const std::string &path);
