// Paging the region: world coordinates kept, contents moved with the grid,
// navigation entries following, slots never leaking; and a long flight
// across the generated country.
#include "world_fixture.h"
#include "panel/panel.h"

// Every used building or block slot is held by exactly one cell, and every
// cell's slot is in use.
static void expect_slots_consistent()
{
    int held_b[MAX_BLDNG] = {}, held_k[MAX_BLOCK] = {};
    for (int i = 0; i < MESH_I; i++)
        for (int j = 0; j < MESH_J; j++) {
            int b = bldng_index[i][j], k = block_index[i][j];
            if (b >= 0) {
                ASSERT_LT(b, MAX_BLDNG);
                EXPECT_GT(bldng_dz[b][3], 0.0f);
                held_b[b]++;
            }
            if (k >= 0) {
                ASSERT_LT(k, MAX_BLOCK);
                EXPECT_GT(block_dz[k], 0.0f);
                held_k[k]++;
            }
        }
    for (int b = 1; b < MAX_BLDNG; b++)
        EXPECT_EQ(held_b[b], bldng_dz[b][3] > 0.0f ? 1 : 0) << "building " << b;
    for (int k = 1; k < MAX_BLOCK; k++)
        EXPECT_EQ(held_k[k], block_dz[k] > 0.0f ? 1 : 0) << "block " << k;
}

// The table holds entries of quadrants 1..6 only, and the lists point at
// entries of their kind.
static void expect_table_consistent()
{
    for (int k = 0; k < MAX_NAV; k++)
        if (env.navmsc[k][0] != NAV_EMPTY) {
            EXPECT_TRUE(env.nav_quad[k] >= 1 && env.nav_quad[k] <= 6) << k;
        }
    for (int n = 0; n <= env.apt_max; n++)
        EXPECT_TRUE(is_airport(env.navmsc[env.apt_to_index[n]][0]));
    for (int n = 0; n <= env.vor_max; n++)
        EXPECT_EQ(env.navmsc[env.vor_to_index[n]][0], NAV_VOR);
}

class PagingTest : public WorldTest {
  protected:
    // Land quadrants 31..36 N, 114..121 W, each at its own height, each with
    // a town airport named after it (lat, lon) and a VOR.
    void SetUp() override
    {
        WorldTest::SetUp();
        for (int lat = 31; lat <= 36; lat++)
            for (int lon = 114; lon <= 121; lon++) {
                QuadSpec q;
                q.height = (float)(lat * 10 + lon % 10);
                char name[32], vor[32];
                snprintf(name, sizeof name, "Q%d-%d", lat, lon);
                snprintf(vor, sizeof vor, "V%d-%d", lat, lon);
                q.records = {airport(30000, 50000, 90, 8000, 150, 100, "APT", name),
                             navaid(5, 112, 0, "VOR", vor)};
                write_quad(lat, lon, q);
            }
        env.lat_south = 33;
        env.lon_west = 119;
        load_region(0);
    }
};

TEST_F(PagingTest, PagingWestKeepsWorldCoordinatesAndMovesEverything)
{
    float x = planex[40][20], y = planey[40][20], z = planez[40][20];
    int col = planecol[40][20][1];
    env.i_aircraft = 40;
    env.j_aircraft = 20;
    atm.therm_on_poly[40][20] = 1;
    int blocks_before = 0;
    for (int j = 0; j < MESH_J; j++)
        blocks_before += block_index[40][j] >= 0;
    EXPECT_EQ(page_region_if_needed(planex[0][0] + 1000.0, planey[0][50]), 2);
    EXPECT_EQ(env.lon_west, 120);
    EXPECT_EQ(planex[78][20], x);
    EXPECT_EQ(planey[78][20], y);
    EXPECT_EQ(planez[78][20], z);
    EXPECT_EQ(planecol[78][20][1], col);
    EXPECT_EQ(env.i_aircraft, 78);
    EXPECT_EQ(atm.therm_on_poly[78][20], 1);
    int blocks_after = 0;
    for (int j = 0; j < MESH_J; j++)
        blocks_after += block_index[78][j] >= 0;
    EXPECT_EQ(blocks_after, blocks_before);
    // The new west column is a quadrant further west, at its own height.
    EXPECT_NEAR(planex[0][0], -width_m(33), 1.0f);
    EXPECT_EQ(planez[10][10], 33 * 10 + 120 % 10);
    EXPECT_EQ(planez[10][60], 34 * 10 + 120 % 10);
    EXPECT_EQ(env.pages, 1);
    EXPECT_EQ(ins.tickle_all, 1);
    // The table holds the six quadrants now loaded, numbered by their place.
    EXPECT_EQ(env.apt_max, 5);
    EXPECT_EQ(env.nav_quad[slot_named("Q33-120")], 1);
    EXPECT_EQ(env.nav_quad[slot_named("Q33-119")], 2);
    EXPECT_EQ(env.nav_quad[slot_named("Q34-118")], 6);
    EXPECT_EQ(slot_named("Q33-117"), -1);
    EXPECT_EQ(slot_named("V34-117"), -1);
    expect_table_consistent();
    expect_slots_consistent();
}

TEST_F(PagingTest, EachDirectionReadsItsNewQuadrants)
{
    struct Step { double fx, fy; int dir, lat, lon; };
    // fx, fy: fraction of the region's width and height.
    const Step steps[] = {{0.9, 0.5, 3, 33, 118}, {0.5, 0.1, 5, 32, 118}, {0.5, 0.9, 4, 33, 118},
                          {0.1, 0.5, 2, 33, 119}};
    for (const Step &s : steps) {
        double w = planex[MESH_I - 1][0] - planex[0][0], h = planey[0][MESH_J - 1] - planey[0][0];
        EXPECT_EQ(page_region_if_needed(planex[0][0] + s.fx * w, planey[0][0] + s.fy * h), s.dir);
        EXPECT_EQ(env.lat_south, s.lat);
        EXPECT_EQ(env.lon_west, s.lon);
        for (int q = 1; q <= 6; q++) {
            char name[32];
            snprintf(name, sizeof name, "Q%d-%d", s.lat + QUAD_ROW[q], s.lon - QUAD_COL[q]);
            int k = slot_named(name);
            ASSERT_GE(k, 0) << name;
            EXPECT_EQ(env.nav_quad[k], q) << name;
        }
        for (int i = 0; i < MESH_I; i += 19)
            for (int j = 0; j < MESH_J; j += 10)
                EXPECT_GT(planez[i][j], 300.0f) << i << " " << j;   // no sea, nothing stale
        expect_table_consistent();
        expect_slots_consistent();
    }
    // The centre pages nothing.
    double w = planex[MESH_I - 1][0] - planex[0][0], h = planey[0][MESH_J - 1] - planey[0][0];
    EXPECT_EQ(page_region_if_needed(planex[0][0] + 0.5 * w, planey[0][0] + 0.5 * h), 0);
}

TEST_F(PagingTest, ManyPagesNeverRunOutOfSlots)
{
    // Back and forth: every page builds towns, every drop frees them.
    for (int n = 0; n < 40; n++) {
        double w = planex[MESH_I - 1][0] - planex[0][0], h = planey[0][MESH_J - 1] - planey[0][0];
        double fx = n % 4 == 0 ? 0.9 : n % 4 == 2 ? 0.1 : 0.5;
        double fy = n % 4 == 1 ? 0.9 : n % 4 == 3 ? 0.1 : 0.5;
        EXPECT_EQ(fatal_message([&] { page_region_if_needed(planex[0][0] + fx * w, planey[0][0] + fy * h); }),
                  "no exit");
    }
    EXPECT_EQ(env.pages, 40);
    expect_slots_consistent();
}
