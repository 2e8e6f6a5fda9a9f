// The converter's parts on small made-up inputs: quadrant names and
// frames, runway designators, the elevation interpolation, diagonals that
// follow a coastline, water bodies and their levels, field flattening across
// a quadrant border, airport planning and the per-quadrant capacity.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "envcheck.h"
#include "scenery_fixture.h"
#include "tools/scenery/scenery.h"

// ---------------------------------------------------------------- naming and frames
TEST(Converter, QuadrantNamesFollowTheSimulatorsScheme)
{
    EXPECT_EQ(quad_file_name(Quad{34, 118}), "+34118.env");
    EXPECT_EQ(quad_file_name(Quad{1, 5}), "+01005.env");
    EXPECT_EQ(quad_file_name(Quad{0, 5}), "-00005.env");   // latitude 0 takes the minus sign
    EXPECT_EQ(quad_file_name(Quad{-3, 365}), "-03005.env");
    Quad q = quad_of(37.0, -122.0);                         // borders belong north and east
    EXPECT_EQ(q.lat_s, 37);
    EXPECT_EQ(q.lon_w, 122);
    q = quad_of(36.9999, -122.0001);
    EXPECT_EQ(q.lat_s, 36);
    EXPECT_EQ(q.lon_w, 123);
    EXPECT_EQ(quad_index(Quad{14, 100}), -1);
    EXPECT_EQ(quad_index(Quad{30, 181}), -1);
    EXPECT_EQ(quad_at_index(quad_index(Quad{45, 93})).lon_w, 93);
}

TEST(Converter, QuadrantFrameScalesLongitudeByTheSouthLatitude)
{
    Quad q{40, 105};
    double x, y, lat, lon;
    latlon_to_quad_m(q, 40.5, -104.25, &x, &y);
    EXPECT_NEAR(x, 0.75 * 111120 * std::cos(40 * M_PI / 180), 1e-6);
    EXPECT_NEAR(y, 0.5 * 111120, 1e-6);
    quad_m_to_latlon(q, x, y, &lat, &lon);
    EXPECT_NEAR(lat, 40.5, 1e-12);
    EXPECT_NEAR(lon, -104.25, 1e-12);
}

TEST(Converter, RunwayDesignatorsGiveNumberAndSide)
{
    int n;
    char side;
    ASSERT_TRUE(parse_runway_end("09L", &n, &side));
    EXPECT_EQ(n, 9);
    EXPECT_EQ(side, 'L');
    ASSERT_TRUE(parse_runway_end("36", &n, &side));
    EXPECT_EQ(side, 'x');
    ASSERT_TRUE(parse_runway_end("18C", &n, &side));   // a centre runway has no letter
    EXPECT_EQ(side, 'x');
    ASSERT_TRUE(parse_runway_end("1r", &n, &side));
    EXPECT_EQ(n, 1);
    EXPECT_EQ(side, 'R');
    EXPECT_FALSE(parse_runway_end("H1", &n, &side));
    EXPECT_FALSE(parse_runway_end("00", &n, &side));
    EXPECT_FALSE(parse_runway_end("37", &n, &side));
    EXPECT_FALSE(parse_runway_end("", &n, &side));
}

TEST(Converter, MagneticVariationFollowsTheSimulatorsLines)
{
    EXPECT_NEAR(magnetic_variation_deg(47.9, 122.3), 20.0, 1e-9);
    EXPECT_NEAR(magnetic_variation_deg(32.6, 117.0), 13.0, 1e-9);
    EXPECT_NEAR(magnetic_variation_deg(28.0, 82.0), -2.0, 1e-9);
}

// ---------------------------------------------------------------- terrain
TEST(Converter, ElevationInterpolatesSmoothlyThroughTheNodes)
{
    auto src = flat_land(0);
    Grid16 &g = src->terrain;
    for (int r = 0; r < g.rows; r++)
        for (int c = 0; c < g.cols; c++)
            g.m[(size_t)r * g.cols + c] = (uint16_t)(3 * r + 2 * c);
    // At a node the node's own value; between nodes a plane stays a plane
    // (a nearest-node lookup would step instead).
    double lat = 40.0, lon = -100.0;
    int r = (int)std::lround((BOX_LAT_N - lat) * 12), c = (int)std::lround((lon + BOX_LON_W) * 12);
    EXPECT_NEAR(terrain_m(g, lat, lon), 3 * r + 2 * c, 1e-6);
    EXPECT_NEAR(terrain_m(g, lat - 0.5 / 12, lon + 0.25 / 12), 3 * (r + 0.5) + 2 * (c + 0.25), 1e-6);
    // One raised node: the surface rises towards it without a step.
    std::fill(g.m.begin(), g.m.end(), 100);
    g.m[(size_t)r * g.cols + c] = 1100;
    double at = terrain_m(g, lat, lon), near = terrain_m(g, lat, lon + 0.01 / 12);
    double half = terrain_m(g, lat, lon + 0.5 / 12);
    EXPECT_NEAR(at, 1100, 1e-6);
    EXPECT_NEAR(near, at, 20);
    EXPECT_GT(half, 100);
    EXPECT_LT(half, 1100);
}

// Marks as water the mask pixels whose centres lie in a cell where
// `wet(u, v)` holds (u, v: position in the cell, 0..1).
template <class F>
static void wet_cell(Sources *src, int ci, int cj, F wet)
{
    double lon0 = -BOX_LON_W + (double)ci / QUAD_CELLS_I, lat0 = BOX_LAT_S + (double)cj / QUAD_CELLS_J;
    for (int r = 0; r < src->water.rows; r++) {
        double v = (BOX_LAT_N - (r + 0.5) / 120 - lat0) * QUAD_CELLS_J;
        if (v < 0 || v >= 1)
            continue;
        for (int c = 0; c < src->water.cols; c++) {
            double u = ((c + 0.5) / 120 - BOX_LON_W - lon0) * QUAD_CELLS_I;
            if (u >= 0 && u < 1 && wet(u, v))
                set_water(src, BOX_LAT_N - (r + 0.5) / 120, (c + 0.5) / 120 - BOX_LON_W);
        }
    }
}

TEST(Converter, DiagonalFollowsTheShoreline)
{
    auto src = flat_land(50);
    int ci = cell_i(-100.0), cj = cell_j(40.0);
    // Water north-east of the diagonal from south-east to north-west.
    wet_cell(src.get(), ci, cj, [](double u, double v) { return u + v > 1; });
    uint8_t div, water[2];
    classify_cell(*src, ci, cj, &div, water);
    EXPECT_EQ(div, 0);
    EXPECT_EQ(water[0], 0);
    EXPECT_EQ(water[1], 1);
    // Water north-west of the other diagonal.
    wet_cell(src.get(), ci + 5, cj, [](double u, double v) { return v > u; });
    classify_cell(*src, ci + 5, cj, &div, water);
    EXPECT_EQ(div, 1);
    EXPECT_EQ(water[0], 1);
    EXPECT_EQ(water[1], 0);
    // No shoreline: the terrain decides, and a wholly wet cell is water.
    wet_cell(src.get(), ci + 10, cj, [](double, double) { return true; });
    classify_cell(*src, ci + 10, cj, &div, water);
    EXPECT_EQ(water[0] + water[1], 2);
    EXPECT_EQ(triangle_at(1, 0.2, 0.8), 0);
    EXPECT_EQ(triangle_at(0, 0.2, 0.2), 0);
    EXPECT_EQ(triangle_at(0, 0.8, 0.8), 1);
}

TEST(Converter, DiagonalFollowsAValleyWithoutShore)
{
    auto src = flat_land(1000);
    Grid16 &g = src->terrain;
    // A valley along the south-west to north-east direction: heights rise
    // with the distance from the line r + c = const.
    for (int r = 0; r < g.rows; r++)
        for (int c = 0; c < g.cols; c++)
            g.m[(size_t)r * g.cols + c] = (uint16_t)(1000 + 40 * std::abs((r + c) - 1300));
    int ci = 0, cj = 0;
    // Find a cell on the valley floor.
    for (ci = 0; ci < NCELL_I; ci++) {
        double lon = -BOX_LON_W + (ci + 0.5) / QUAD_CELLS_I;
        double c = (lon + BOX_LON_W) * 12, r = 1300 - c;
        if (r > 10 && r < g.rows - 10) {
            cj = (int)std::floor((BOX_LAT_N - r / 12 - BOX_LAT_S) * QUAD_CELLS_J);
            break;
        }
    }
    uint8_t div, water[2];
    classify_cell(*src, ci, cj, &div, water);
    // Rows run north to south, so r + c = const runs south-west to
    // north-east on the map: the diagonal [i][j]-[i+1][j+1] (1) follows it.
    EXPECT_EQ(div, 1);
}

TEST(Converter, LakesKeepTheirShoreLevelAndTheSeaStaysAtZero)
{
    auto src = flat_land(600);
    water_box(src.get(), 40.3, 40.5, -99.7, -99.4);      // an inland lake on a 600 m plain
    Grid16 &g = src->terrain;                            // sea level west of 100.5 W
    for (int r = 0; r < g.rows; r++)
        for (int c = 0; c < (int)((BOX_LON_W - 100.5) * 12); c++)
            g.m[(size_t)r * g.cols + c] = 0;
    water_box(src.get(), 39.0, 42.0, -102.0, -100.7);
    auto w = world_around(*src, Quad{40, 100});
    EXPECT_GE(find_water_bodies(w.get()), 2);
    int pi_lake = cell_i(-99.55), pj_lake = cell_j(40.4);
    EXPECT_NEAR(point_z(*w, pi_lake, pj_lake), 600, 1);
    EXPECT_EQ(point_z(*w, cell_i(-101.0), cell_j(40.5)), 0.0f);
    // Land next to the sea: never below a metre.
    for (int pi = cell_i(-100.9); pi < cell_i(-100.2); pi++)
        EXPECT_GE(point_z(*w, pi, cell_j(40.5)), 0.0f);
    EXPECT_GE(point_z(*w, cell_i(-100.3), cell_j(40.5)), 1.0f);
}

// ---------------------------------------------------------------- airports
TEST(Converter, AirportsGetTheirTwoLongestRunwaysAndTheApproachEnd)
{
    auto src = flat_land(300);
    src->airports = {airport("ABC", 'M', 40.5, -99.5, true), airport("XYZ", 'S', 40.6, -99.6, false)};
    SrcRunway lng = runway("ABC", 9000, "09", "27"), mid = runway("ABC", 7000, "18L", "36R");
    lng.lat[0] = 40.5, lng.lon[0] = -99.52, lng.lat[1] = 40.5;
    lng.lon[1] = -99.52 + 9000 * 0.3048 / (111120 * std::cos(40.5 * M_PI / 180));
    src->runways = {runway("ABC", 3000, "4", "22"), mid, lng, runway("XYZ", 2500, "W1", ""),
                    runway("XYZ", 900, "3", "21"), runway("XYZ", 2000, "W", "E")};
    src->runways[3].surface = 'W';
    src->ils.push_back(SrcIls{"ABC", "36R", "ILS", "II", 110, 30, NAN, 3.0, 55, NAN, 1000});
    Plan plan;
    plan_airports(*src, &plan);
    ASSERT_EQ(plan.airports.size(), 1u);              // XYZ has no usable runway
    const AirportPlan &p = plan.airports[0];
    EXPECT_EQ(p.klass, 2);
    ASSERT_GE(p.runways.size(), 2u);
    EXPECT_EQ(p.runways[0].length_ft, 9000);
    EXPECT_FALSE(p.runways[0].synthesised);
    EXPECT_EQ(p.runways[1].number, 36);              // the approach end starts the runway
    EXPECT_EQ(p.runways[1].side, 'R');
    EXPECT_TRUE(p.runways[1].synthesised);
    EXPECT_EQ(p.ils_code, 2);
    ASSERT_EQ(plan.ils.size(), 1u);
    EXPECT_EQ(plan.ils[0].end, 0);
    EXPECT_EQ(plan.counts.no_runway, 1);
    EXPECT_EQ(plan.counts.synthesised_ids.size(), 1u);
    // The synthesised 18L/36R lies along 180 degrees plus the variation,
    // centred on the airport's position.
    const RunwayPlan &r = p.runways[1];
    double mid_lat = 0.5 * (r.lat[0] + r.lat[1]), mid_lon = 0.5 * (r.lon[0] + r.lon[1]);
    EXPECT_NEAR(mid_lat, 40.5, 1e-6);
    EXPECT_NEAR(mid_lon, -99.5, 1e-6);
    EXPECT_LT(r.lat[0], r.lat[1]);                    // 36R: from the south end northwards
}

TEST(Converter, AQuadrantKeepsItsMostImportantEntriesOnly)
{
    auto src = flat_land(300);
    src->airports.push_back(airport("BIG", 'L', 40.5, -99.5, true));
    src->runways.push_back(runway("BIG", 10000, "17", "35"));
    src->ils.push_back(SrcIls{"BIG", "17", "ILS", "I", 109, 90, NAN, 3.0, NAN, NAN, NAN});
    for (int k = 0; k < 50; k++) {
        const char id_text[4] = {'S', (char)('A' + k % 26), (char)('A' + k / 26), 0};
        std::string id(id_text);
        src->airports.push_back(airport(id, 'S', 40.1 + 0.015 * k, -99.2, false));
        src->runways.push_back(runway(id, 2000 + 10 * k, "9", "27"));
    }
    src->airports.push_back(airport("9ZZ", 'S', 40.9, -99.9, false));   // a digit: not in gps_dat
    src->runways.push_back(runway("9ZZ", 6000, "9", "27"));
    for (int k = 0; k < 3; k++)
        src->navaids.push_back(SrcNavaid{'V', std::string(k + 1, 'V'), "VOR", 113000 + 50 * k, 40.2 + 0.1 * k, -99.3, 900});
    Plan plan;
    plan_airports(*src, &plan);
    Selection sel;
    select_entries(*src, plan, &sel);
    ASSERT_EQ(sel.quads.size(), 1u);
    const auto &e = sel.quads[0].entries;
    ASSERT_EQ((int)e.size(), MAX_QUAD_ENTRIES);
    EXPECT_EQ(e[0].id, "BIG");
    EXPECT_EQ(e[1].type, NAV_ILS);                    // its landing system next
    EXPECT_EQ(e[1].m[0], 109);
    EXPECT_EQ(e[1].m[1], 90);
    EXPECT_EQ(e[2].type, NAV_VOR);
    EXPECT_EQ(e[5].id, "9ZZ");                        // then the longest small-field runways
    EXPECT_EQ(e.back().type, NAV_APT3);               // markers did not fit
    int ngps_apt = 0;
    for (auto &g : sel.gps) {
        ngps_apt += g.kind == 3;
        EXPECT_NE(g.id, "9ZZ");
    }
    EXPECT_EQ(ngps_apt, MAX_QUAD_ENTRIES - 1 - 3 - 1);
    EXPECT_EQ(sel.counts.quads_full, 1);
}

TEST(Converter, FieldsAreFlatAcrossAQuadrantBorder)
{
    auto src = flat_land(300);
    // Runway 09/27 across 99 W, the border of two quadrants.
    src->airports.push_back(airport("EDG", 'M', 40.5, -99.0, true));
    SrcRunway r = runway("EDG", 12000, "09", "27");
    double half = 6000 * 0.3048 / (111120 * std::cos(40.5 * M_PI / 180));
    r.lat[0] = r.lat[1] = 40.5;
    r.lon[0] = -99.0 - half;
    r.lon[1] = -99.0 + half;
    src->runways.push_back(r);
    src->airports[0].elev_ft = 1312;
    Plan plan;
    plan_airports(*src, &plan);
    auto w = world_around(*src, Quad{40, 100});
    build_tile(w.get(), Quad{40, 98});
    EXPECT_EQ(mark_fields(w.get(), plan, {true}), 0);
    find_water_bodies(w.get());
    int pi = cell_i(-99.0), pj = cell_j(40.5);
    EXPECT_FLOAT_EQ(point_z(*w, pi, pj), (float)(1312 * 0.3048));        // on the border
    EXPECT_FLOAT_EQ(point_z(*w, pi + 1, pj), (float)(1312 * 0.3048));    // in the eastern quadrant
    EXPECT_FLOAT_EQ(point_z(*w, pi - 1, pj), (float)(1312 * 0.3048));    // in the western one
    EXPECT_NEAR(point_z(*w, pi, pj + 10), 300, 1);                        // off the field
    Tile *east = world_tile(*w, pi, pj), *west = world_tile(*w, pi - 1, pj);
    ASSERT_TRUE(east && west && east != west);
}

// ---------------------------------------------------------------- output
TEST(Converter, WrittenQuadrantReadsBackThroughTheStrictCheck)
{
    std::string path = (std::filesystem::temp_directory_path() / "vortan_rt_+40100.env").string();
    ASSERT_TRUE(write_sample_quadrant(path));
    EnvFile f;
    ASSERT_EQ(check_quadrant(path, 40, 100, &f), "");
    std::filesystem::remove(path);
    ASSERT_GE(f.records.size(), 3u);
    EXPECT_EQ(f.records[0].id, "RTR");
    EXPECT_EQ(f.records[0].v[3], 31);
    EXPECT_EQ(f.records[0].side[0], 'R');
    EXPECT_EQ(f.records[0].code, 1);
    EXPECT_EQ(f.records[1].type, NAV_ILS);
    EXPECT_EQ(f.records[1].v[1], 5);
    const EnvRecord *ndb = nullptr;
    for (auto &r : f.records)
        if (r.type == NAV_NDB) ndb = &r;
    ASSERT_NE(ndb, nullptr);
    EXPECT_EQ(ndb->id, "QX ");
    EXPECT_EQ(ndb->name.size(), 40u);
    EXPECT_EQ(ndb->v[0], 382);
    EXPECT_NEAR(f.pt[2][2].z, 300, 1);
}

// ---------------------------------------------------------------- sources
TEST(Converter, DamagedSourcesAreRefusedWithAMessage)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("vortan_src_" + std::to_string(getpid()));
    fs::create_directories(dir);
    auto put = [&](const char *name, const std::string &text) {
        std::ofstream(dir / name, std::ios::binary) << text;
    };
    Grid16 g;
    Mask1 m;
    std::string error;
    EXPECT_FALSE(read_png_grid16((dir / "missing.png").string(), &g, &error));
    EXPECT_NE(error.find("cannot open"), std::string::npos);
    put("junk.png", "\x89PNG\r\n\x1a\n this is no image at all");
    error.clear();
    EXPECT_FALSE(read_png_mask1((dir / "junk.png").string(), &m, &error));
    EXPECT_FALSE(error.empty());
    // A real grid cut short in its image data.
    const char *src_dir = getenv("VORTAN_SOURCE_DIR");
    std::string real = std::string(src_dir ? src_dir : VORTAN_BUILD_SOURCE_DIR) + "/data/scenery/terrain_etopo5.png";
    std::ifstream in(real, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 1000u);
    put("cut.png", bytes.substr(0, bytes.size() / 2));
    error.clear();
    EXPECT_FALSE(read_png_grid16((dir / "cut.png").string(), &g, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(read_png_mask1(real, &m, &error));            // 16-bit is not a mask
    EXPECT_TRUE(read_png_grid16(real, &g, &error));
    EXPECT_EQ(g.cols, 1441);
    // Tables: a row with a missing field is named by its line.
    put("airports.csv", "id,kind,scheduled,tower,lat,lon,elev_ft,name\nABC,S,0,0,40,-100,1000\n");
    Sources src;
    error.clear();
    EXPECT_FALSE(load_sources(dir.string(), &src, &error));
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    EXPECT_EQ(split_csv("a,,b").size(), 3u);
    fs::remove_all(dir);
}
