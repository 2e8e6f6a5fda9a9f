// A strict checker of the quadrant files (version 2) and the country file
// "gps_dat" (version 1): reads them with the program's own text scanners in
// the order the simulator does, and reports the first thing out of format
// or out of range.
#pragma once
#include <string>
#include <vector>

constexpr int ENV_POINTS_I = 39;
constexpr int ENV_POINTS_J = 51;

struct EnvPoint {
    float x, y, z;                 // m, relative to the quadrant corner
    int div, water[2], field[2];   // cell flags (cell corners only)
};
struct EnvRecord {
    char kind;                     // 'a' or 'n'
    float x1, y1, x2, y2, elev_ft;
    int type;
    int v[8];                      // 'n': navmsc[1..3]; 'a': l1 w1 h1 n1 l2 w2 h2 n2
    char side[2];                  // 'a' only
    int code;                      // 'a' only
    std::string id, name;
};
struct EnvFile {
    EnvPoint pt[ENV_POINTS_J][ENV_POINTS_I];   // [j][i]
    std::vector<EnvRecord> records;
};
// Reads the quadrant file at `path` for the quadrant (lat_s, lon_w) into
// `out`. Returns "" when it is in format, else what is wrong.
std::string check_quadrant(const std::string &path, int lat_s, int lon_w, EnvFile *out);

struct GpsRecord {
    int kind;                      // 1 NDB, 2 VOR, 3 airport
    float lat, lon_west;
    std::string id;
};
// Reads "gps_dat"; "" when in format and within the table limits.
std::string check_gps_dat(const std::string &path, std::vector<GpsRecord> *out);
