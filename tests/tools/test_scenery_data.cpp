// The generated United States: every quadrant file and "gps_dat" pass the
// strict check; known airports, waters and approaches are where they are in
// the world; the country file and the quadrants agree; neighbours share
// their borders; and the converter makes the same bytes again.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "envcheck.h"
#include "tools/scenery/scenery.h"

#ifdef VORTAN_HAVE_SCENERY

namespace fs = std::filesystem;

constexpr double FT_TO_M = 0.3048;
constexpr float FIELD_TOLERANCE_M = 15;

struct Country {
    std::map<std::pair<int, int>, std::unique_ptr<EnvFile>> files;   // (lat_s, lon_w)
    std::vector<GpsRecord> gps;
    std::string error;
};

static fs::path program_dir()
{
    const char *p = getenv("VORTAN_PROGRAM_DIR");
    return p ? fs::path(p) : fs::path(VORTAN_BUILD_PROGRAM_DIR);
}

// Reads (and checks) every file once for all tests.
static const Country &country()
{
    static Country c;
    static bool loaded = false;
    if (loaded)
        return c;
    loaded = true;
    fs::path dir = program_dir() / "DATA" / "United States";
    std::error_code ec;
    for (auto &f : fs::directory_iterator(dir, ec)) {
        std::string name = f.path().filename().string();
        int lat = std::atoi(name.substr(1, 2).c_str()) * (name[0] == '-' ? -1 : 1);
        int lon = std::atoi(name.substr(3, 3).c_str());
        auto file = std::make_unique<EnvFile>();
        std::string e = check_quadrant(f.path().string(), lat, lon, file.get());
        if (!e.empty() && c.error.empty())
            c.error = name + ": " + e;
        c.files[{lat, lon}] = std::move(file);
    }
    std::string e = check_gps_dat((program_dir() / "DATA" / "gps_dat").string(), &c.gps);
    if (!e.empty() && c.error.empty())
        c.error = "gps_dat: " + e;
    return c;
}

static const EnvFile *file_at(int lat_s, int lon_w)
{
    auto it = country().files.find({lat_s, lon_w});
    return it == country().files.end() ? nullptr : it->second.get();
}

static const EnvRecord *airport(const std::string &id, double lat, double lon, const EnvFile **f)
{
    Quad q = quad_of(lat, lon);
    *f = file_at(q.lat_s, q.lon_w);
    if (!*f)
        return nullptr;
    for (auto &r : (*f)->records)
        if (r.kind == 'a' && r.id == id)
            return &r;
    return nullptr;
}

// Triangle t of the cell at (i, j): its three corners as (di, dj).
static const int CORNERS[2][2][3][2] = {
    {{{0, 0}, {1, 0}, {0, 1}}, {{1, 1}, {0, 1}, {1, 0}}},
    {{{0, 1}, {1, 1}, {0, 0}}, {{1, 0}, {0, 0}, {1, 1}}}};

// Water flag of the triangle under a point.
static int water_at(double lat, double lon)
{
    Quad q = quad_of(lat, lon);
    const EnvFile *f = file_at(q.lat_s, q.lon_w);
    if (!f)
        return 1;   // no file: open sea
    double u = (lon + q.lon_w) * QUAD_CELLS_I, v = (lat - q.lat_s) * QUAD_CELLS_J;
    int i = (int)u, j = (int)v;
    const EnvPoint &p = f->pt[j][i];
    return p.water[triangle_at(p.div, u - i, v - j)];
}

TEST(SceneryData, EveryFilePassesTheStrictCheck)
{
    const Country &c = country();
    EXPECT_EQ(c.error, "");
    EXPECT_GT(c.files.size(), 1000u);
    EXPECT_GT(c.gps.size(), 5000u);
}

TEST(SceneryData, KnownAirportsStandOnFlatFieldsAtTheirElevation)
{
    const struct { const char *id; double lat, lon, elev_ft; } known[] = {
        {"LAX", 33.9425, -118.408, 125}, {"DEN", 39.8617, -104.6732, 5434}, {"SFO", 37.6190, -122.3750, 13}};
    for (auto &k : known) {
        const EnvFile *f;
        const EnvRecord *r = airport(k.id, k.lat, k.lon, &f);
        ASSERT_NE(r, nullptr) << k.id;
        EXPECT_NEAR(r->elev_ft * FT_TO_M, k.elev_ft * FT_TO_M, FIELD_TOLERANCE_M) << k.id;
        // Every triangle under both runways is field, at the field's height.
        Quad q = quad_of(k.lat, k.lon);
        double cell_w = quad_lon_scale_m(q) / QUAD_CELLS_I, cell_h = M_PER_DEG / QUAD_CELLS_J;
        int nfield = 0;
        for (int rw = 0; rw < 2; rw++) {
            double x0 = rw ? r->x2 : r->x1, y0 = rw ? r->y2 : r->y1;
            double len = r->v[4 * rw] * FT_TO_M, h = r->v[4 * rw + 2] * M_PI / 180;
            for (double b = 0; b <= len; b += 100) {
                double u = (x0 + b * std::sin(h)) / cell_w, v = (y0 + b * std::cos(h)) / cell_h;
                int i = (int)u, j = (int)v;
                if (i < 0 || j < 0 || i >= QUAD_CELLS_I || j >= QUAD_CELLS_J)
                    continue;   // the runway reaches into the next quadrant
                const EnvPoint &p = f->pt[j][i];
                int t = triangle_at(p.div, u - i, v - j);
                ASSERT_TRUE(p.field[t]) << k.id << " runway " << rw + 1 << " at " << b << " m";
                nfield++;
                for (auto &c : CORNERS[p.div][t])
                    EXPECT_NEAR(f->pt[j + c[1]][i + c[0]].z, k.elev_ft * FT_TO_M, FIELD_TOLERANCE_M)
                        << k.id << " cell " << i << "," << j;
            }
        }
        EXPECT_GE(nfield, 40) << k.id;
    }
}

TEST(SceneryData, KnownWatersAreWaterAndDenverIsLand)
{
    EXPECT_EQ(water_at(37.70, -122.28), 1) << "San Francisco Bay";
    EXPECT_EQ(water_at(39.09, -120.03), 1) << "Lake Tahoe";
    EXPECT_EQ(water_at(43.50, -87.00), 1) << "Lake Michigan";
    EXPECT_EQ(water_at(47.62, -122.45), 1) << "Puget Sound";
    EXPECT_EQ(water_at(39.739, -104.990), 0) << "downtown Denver";
    EXPECT_EQ(water_at(38.90, -77.04), 0) << "Washington";
}

// Height of the point at the south-west corner of the cell under (lat, lon).
static float point_height(double lat, double lon)
{
    Quad q = quad_of(lat, lon);
    const EnvFile *f = file_at(q.lat_s, q.lon_w);
    if (!f)
        return -1;
    return f->pt[(int)((lat - q.lat_s) * QUAD_CELLS_J)][(int)((lon + q.lon_w) * QUAD_CELLS_I)].z;
}

TEST(SceneryData, LakesLieAboveTheSeaAndTheSeaAtZero)
{
    EXPECT_NEAR(point_height(43.5, -87.0), 176, 30) << "Lake Michigan";
    EXPECT_NEAR(point_height(47.5, -88.0), 183, 30) << "Lake Superior";
    EXPECT_NEAR(point_height(41.1, -112.55), 1280, 30) << "Great Salt Lake";
    EXPECT_EQ(point_height(47.62, -122.45), 0.0f) << "Puget Sound";
    EXPECT_GT(point_height(39.09, -120.03), 1500) << "Lake Tahoe (real surface 1,897 m)";
    EXPECT_LT(point_height(39.09, -120.03), 2400) << "Lake Tahoe";
    EXPECT_EQ(point_height(37.70, -122.28), 0.0f) << "San Francisco Bay";
}

TEST(SceneryData, SanFranciscoIls28RCarries11170)
{
    const EnvFile *f;
    ASSERT_NE(airport("SFO", 37.619, -122.375, &f), nullptr);
    const EnvRecord *ils = nullptr;
    for (auto &r : f->records)
        if (r.kind == 'n' && r.type == 9 && r.id == "SFO" && r.name.rfind("ILS 28R", 0) == 0)
            ils = &r;
    ASSERT_NE(ils, nullptr);
    EXPECT_EQ(ils->v[0], 111);
    EXPECT_EQ(ils->v[1], 70);
    EXPECT_NEAR(ils->v[2], 298, 1);   // true course of runway 28R
}

TEST(SceneryData, EveryListedAirportStandsInItsQuadrant)
{
    int napt = 0;
    for (auto &g : country().gps) {
        if (g.kind != 3)
            continue;
        napt++;
        Quad q = quad_of(g.lat, -g.lon_west);
        const EnvFile *f = file_at(q.lat_s, q.lon_w);
        ASSERT_NE(f, nullptr) << g.id;
        bool found = false;
        for (auto &r : f->records)
            found = found || (r.kind == 'a' && r.id == g.id);
        EXPECT_TRUE(found) << g.id;
    }
    EXPECT_GT(napt, 2500);
}

TEST(SceneryData, NoRegionRoundAListedAirportOverfillsTheTable)
{
    int worst = 0;
    for (auto &g : country().gps) {
        if (g.kind != 3)
            continue;
        Quad q = quad_of(g.lat, -g.lon_west);
        // Every region of 3 x 2 quadrants that contains the airport's.
        for (int lat_s = q.lat_s - 1; lat_s <= q.lat_s; lat_s++)
            for (int lon_w = q.lon_w; lon_w <= q.lon_w + 2; lon_w++) {
                int n = 0;
                for (int dj = 0; dj < 2; dj++)
                    for (int di = 0; di < 3; di++)
                        if (const EnvFile *f = file_at(lat_s + dj, lon_w - di))
                            n += (int)f->records.size();
                worst = std::max(worst, n);
            }
    }
    EXPECT_LE(worst, 200);
}

TEST(SceneryData, NeighboursShareTheirBorderPoints)
{
    int npairs = 0;
    for (auto &[key, f] : country().files) {
        const EnvFile *east = file_at(key.first, key.second - 1);
        const EnvFile *north = file_at(key.first + 1, key.second);
        if (east) {
            npairs++;
            for (int j = 0; j < ENV_POINTS_J; j++)
                ASSERT_EQ(f->pt[j][ENV_POINTS_I - 1].z, east->pt[j][0].z)
                    << key.first << "," << key.second << " row " << j;
        }
        if (north) {
            npairs++;
            for (int i = 0; i < ENV_POINTS_I; i++)
                ASSERT_EQ(f->pt[ENV_POINTS_J - 1][i].z, north->pt[0][i].z)
                    << key.first << "," << key.second << " column " << i;
        }
    }
    EXPECT_GT(npairs, 1000);
}

// Inside each file: water triangles away from fields are flat, and a point
// whose triangles are all land stands at least a metre above the sea.
TEST(SceneryData, WaterIsFlatAndLandAboveTheSea)
{
    int nflat = 0, nsloped = 0;
    for (auto &[key, f] : country().files) {
        // Points touched by a water or field triangle of this file.
        static bool wet[ENV_POINTS_J][ENV_POINTS_I], field[ENV_POINTS_J][ENV_POINTS_I];
        for (int j = 0; j < ENV_POINTS_J; j++)
            for (int i = 0; i < ENV_POINTS_I; i++)
                wet[j][i] = field[j][i] = false;
        for (int j = 0; j < QUAD_CELLS_J; j++)
            for (int i = 0; i < QUAD_CELLS_I; i++)
                for (int t = 0; t < 2; t++)
                    for (auto &c : CORNERS[f->pt[j][i].div][t]) {
                        wet[j + c[1]][i + c[0]] |= f->pt[j][i].water[t] != 0;
                        field[j + c[1]][i + c[0]] |= f->pt[j][i].field[t] != 0;
                    }
        for (int j = 1; j < QUAD_CELLS_J; j++)
            for (int i = 1; i < QUAD_CELLS_I; i++)
                if (!wet[j][i] && !field[j][i]) {
                    ASSERT_GE(f->pt[j][i].z, 1.0f) << key.first << "," << key.second;
                }
        for (int j = 0; j < QUAD_CELLS_J; j++)
            for (int i = 0; i < QUAD_CELLS_I; i++)
                for (int t = 0; t < 2; t++) {
                    const EnvPoint &p = f->pt[j][i];
                    if (!p.water[t])
                        continue;
                    auto &c = CORNERS[p.div][t];
                    bool near_field = false;
                    for (auto &k : c)
                        near_field |= field[j + k[1]][i + k[0]];
                    // A shore point shared with a lake of another level or a
                    // field keeps that one's height.
                    if (near_field)
                        continue;
                    float z0 = f->pt[j + c[0][1]][i + c[0][0]].z;
                    bool flat = z0 == f->pt[j + c[1][1]][i + c[1][0]].z &&
                                z0 == f->pt[j + c[2][1]][i + c[2][0]].z;
                    nflat += flat;
                    nsloped += !flat;
                }
    }
    EXPECT_GT(nflat, 100000);
    // Bodies that touch only at a corner (a chain of reservoirs along a
    // river) keep their own levels, so a few triangles there slope.
    EXPECT_LT(nsloped, nflat / 200) << nsloped << " sloping water triangles";
}

static std::string slurp(const fs::path &p)
{
    std::ifstream f(p, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

TEST(SceneryData, TheConverterMakesTheSameBytesAgain)
{
    const char *src = getenv("VORTAN_SOURCE_DIR");
    if (!src)
        src = VORTAN_BUILD_SOURCE_DIR;
    fs::path out = fs::temp_directory_path() / ("vortan_scenery_" + std::to_string(getpid()));
    fs::remove_all(out);
    std::string cmd = std::string("\"") + VORTAN_SCENERY_EXE + "\" \"" + src + "/data/scenery\" \"" +
                      out.string() + "\" > /dev/null";
    ASSERT_EQ(system(cmd.c_str()), 0);
    fs::path a = program_dir() / "DATA", b = out / "DATA";
    EXPECT_EQ(slurp(a / "gps_dat"), slurp(b / "gps_dat"));
    size_t n = 0, ndiff = 0;
    for (auto &f : fs::directory_iterator(a / "United States")) {
        n++;
        ndiff += slurp(f.path()) != slurp(b / "United States" / f.path().filename());
    }
    size_t nnew = std::distance(fs::directory_iterator(b / "United States"), fs::directory_iterator());
    EXPECT_EQ(ndiff, 0u);
    EXPECT_EQ(n, nnew);
    fs::remove_all(out);
}

#endif
