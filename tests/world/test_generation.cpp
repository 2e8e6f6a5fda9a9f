// Generated world: slot allocators, building rules, the overcast relief,
// the storm field, and the country database.
#include "world_fixture.h"

TEST_F(WorldTest, SlotAllocatorsSkipTakenSlotsAndStopWhenFull)
{
    free_all_buildings();
    int first = get_next_free_block();
    block_dz[first] = 150.0f;
    int second = get_next_free_block();
    EXPECT_NE(first, second);
    EXPECT_GE(second, 1);
    for (int b = 1; b < MAX_BLOCK; b++)
        block_dz[b] = 150.0f;
    EXPECT_EQ(fatal_message([] { get_next_free_block(); }), "Couldn't find array space for block!");
    for (int b = 1; b < MAX_BLDNG; b++)
        bldng_dz[b][3] = 200.0f;
    bldng_dz[0][3] = -1.0f;   // the tower's slot is never handed out
    EXPECT_EQ(fatal_message([] { get_next_free_bldng(); }), "Couldn't find array space for building!");
}

TEST_F(WorldTest, BuildingsStayOffWaterFieldsAndTakenCells)
{
    for (int i = 0; i < MESH_I; i++)
        for (int j = 0; j < MESH_J; j++) {
            planex[i][j] = 1000.0f * i;
            planey[i][j] = 1000.0f * j;
            planez[i][j] = 5.0f;
            planediv[i][j] = 0;
            bldng_index[i][j] = block_index[i][j] = -1;
            for (int t = 0; t < 2; t++)
                on_water[i][j][t] = on_field[i][j][t] = 0;
        }
    EXPECT_TRUE(ok_to_build(0, 0));          // the grid's corner: no neighbour below 0
    EXPECT_FALSE(ok_to_build(-1, 0));
    EXPECT_FALSE(ok_to_build(MESH_I - 1, 0));
    on_water[10][10][1] = 1;
    EXPECT_FALSE(ok_to_build(10, 10));
    on_field[19][19][0] = 1;
    EXPECT_FALSE(ok_to_build(20, 20));       // field in the south-west neighbour
    EXPECT_FALSE(ok_to_build(19, 20));
    EXPECT_TRUE(ok_to_build(21, 20));
    free_all_buildings();
    make_a_building(30, 30, 1, 5, 19);
    EXPECT_NEAR(block_x[5], 30000.0f + 2000.0f / 3.0f, 0.01f);   // centroid of triangle 1
    EXPECT_NEAR(block_z[5], 5.0f, 1e-4);
    EXPECT_EQ(block_dz[5], 150.0f);
    for (int type = 20; type <= 22; type++) {
        make_a_building(40, 40, 0, 7, type);
        EXPECT_EQ(bldng_dz[7][0], 0.0f);
        EXPECT_GE(bldng_dz[7][3], 200.0f);
        EXPECT_LE(bldng_dz[7][3], 300.0f);
        EXPECT_NEAR(hypotf(helipad_x[7][9] - bldng_x[7], helipad_y[7][9] - bldng_y[7]), 30.0f, 1e-3);
    }
    EXPECT_EQ(bldng_dx[7][1], bldng_dx[7][2]);   // type 22: N, W, W, N
}

TEST(WorldClouds, OvercastSectorBordersStayAndTheDeckIsClamped)
{
    fill_constants();
    seed_rand(3);
    for (int i = 0; i < 5; i++)
        for (int j = 0; j < 4; j++)
            fill_a_sector_with_ocast(i, j);
    float lo = 0, hi = -1000;
    for (int i = 0; i < CLOUD_I; i++)
        for (int j = 0; j < CLOUD_J; j++) {
            if (i % 8 == 0 || j % 8 == 0) {
                EXPECT_NEAR(cloudz[i][j], -304.8f, 1e-3) << i << " " << j;
            }
            lo = fminf(lo, cloudz[i][j]);
            hi = fmaxf(hi, cloudz[i][j]);
        }
    EXPECT_GE(lo, -609.6f);
    EXPECT_LE(hi, 0.0f);
    EXPECT_NE(cloudz[4][4], -304.8f);   // the centre moved
    for (int i = 0; i < CLOUD_I - 1; i++)
        for (int j = 0; j < CLOUD_J - 1; j++)
            for (int t = 0; t < 2; t++) {
                EXPECT_GE(cloudcol[i][j][t], 65);
                EXPECT_LE(cloudcol[i][j][t], 245);
            }
}

TEST(WorldClouds, FractalKeepsTheBlockBorderAndInterpolatesLines)
{
    float g[9][9];
    for (auto &r : g)
        for (float &v : r)
            v = 1.0f;
    seed_rand(5);
    fractalize(0, 0, 8, 8, &g[0][0], 9, 4.0f, 4.0f, 0, 0);   // centre +4 exactly
    EXPECT_NEAR(g[4][4], 5.0f, 1e-5);
    EXPECT_NEAR(g[2][4], 3.0f, 1e-5);   // half-way along the centre row
    EXPECT_NEAR(g[4][6], 3.0f, 1e-5);
    EXPECT_NEAR(g[2][2], 2.0f, 1e-5);   // mean of the two lines
    for (int k = 0; k <= 8; k++) {
        EXPECT_EQ(g[0][k], 1.0f);
        EXPECT_EQ(g[8][k], 1.0f);
        EXPECT_EQ(g[k][0], 1.0f);
    }
}

TEST(WorldClouds, StormFieldIsEmptyWithoutThunderstorms)
{
    for (int rain : {0, 1}) {
        atm.rain_tstm = rain;
        gen_wx_for_a_sector(1, 1);
        for (int a = 200; a <= 400; a += 7)
            for (int b = 200; b <= 400; b += 7)
                EXPECT_EQ(flt_wxr[a][b], 11.0f);
    }
    atm.rain_tstm = 5;
    seed_rand(9);
    gen_wx_for_a_sector(0, 0);
    int storm = 0;
    for (int a = 0; a <= 200; a++)
        for (int b = 0; b <= 200; b++) {
            float v = flt_wxr[a][b];
            EXPECT_TRUE(v == 11.0f || (v >= 24.0f && v <= 31.0f)) << v;
            storm += v >= 24.0f;
        }
    EXPECT_GT(storm, 0);
    atm.rain_tstm = 0;
}

class CountryTest : public WorldTest {
  protected:
    std::string gps_path;
    void SetUp() override
    {
        WorldTest::SetUp();
        // The country file is read from the program's DATA folder: point the
        // program folder at the private one.
        std::filesystem::create_directories(path("prog/DATA"));
        C_to_C((path("prog") + "/").c_str(), app_path);
        gps_path = path("prog/DATA/gps_dat");
    }
};

TEST_F(CountryTest, ReadsTheThreeTablesAndBoundsIdentifiers)
{
    std::ofstream(gps_path) << "I\n1 version\n99 a comment line\n1 33.5 118.25 AB\n"
                               "2 34.0 119.0 VORTAC\n3 40.5 74.0 KJFK\n3 41 75 XY1\n4\n";
    init_country_data();
    EXPECT_EQ(env.nid_max_used, 0);
    EXPECT_EQ(env.vid_max_used, 0);
    EXPECT_EQ(env.aid_max_used, 1);
    EXPECT_EQ(std::string(nid_id[0], 3), "AB ");
    EXPECT_EQ(std::string(vid_id[0], 3), "VOR");
    EXPECT_EQ(std::string(aid_id[0], 3), "KJF");
    EXPECT_FLOAT_EQ(nid_lon[0], 118.25f);
    EXPECT_FLOAT_EQ(aid_lat[1], 41.0f);
}

TEST_F(CountryTest, FullTablesMissingFileAndTruncation)
{
    {
        std::ofstream f(gps_path);
        f << "I\n1 version\n";
        for (int k = 0; k < 2001; k++)
            f << "1 30 100 N" << k % 10 << "\n";
        f << "4\n";
    }
    EXPECT_EQ(fatal_message([] { init_country_data(); }), "Too many ndbs in US database!");
    std::ofstream(gps_path) << "I\n1 version\n1 30 100 AAA\n";
    EXPECT_EQ(fatal_message([] { init_country_data(); }),
              "The Global Positioning System data file 'gps_dat' is damaged:");
    std::filesystem::remove(gps_path);
    EXPECT_EQ(fatal_message([] { init_country_data(); }),
              "I am unable to access the Global Positioning System data file 'gps_dat'.");
    env.vid_max_used = MAX_VOR_US - 1;
    EXPECT_EQ(fatal_message([] { build_navbase(2, 'A', 'B', 'C', 0, 0); }), "Too many vors in US database!");
    env.aid_max_used = MAX_APT_US - 1;
    EXPECT_EQ(fatal_message([] { build_navbase(3, 'A', 'B', 'C', 0, 0); }), "Too many apts in US database!");
}
