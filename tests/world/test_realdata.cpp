// The generated United States: the factory start region and its airports,
// and a long flight across many quadrants that pages the region again and
// again.
#include "world_fixture.h"

#include <set>

class RealWorld : public WorldTest {
  protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        if (!have_scenery())
            GTEST_SKIP() << "no generated scenery in the program folder";
        standard_env_path("---", env.C_path);
        init_country_data();
    }
    static int airport_slot(const char *id)
    {
        for (int n = 0; n <= env.apt_max; n++)
            if (std::string(env.navID[env.apt_to_index[n]]) == id)
                return env.apt_to_index[n];
        for (int k = 0; k < MAX_NAV; k++)   // beyond the sixty listed
            if (is_airport(env.navmsc[k][0]) && std::string(env.navID[k]) == id)
                return k;
        return -1;
    }
    // 1 when the airport's threshold stands on a field triangle whose
    // corners are at the published elevation.
    static int on_flat_field(int k)
    {
        int i = 57, j = 50, t = 0;
        if (!find_ijt_with_loc(env.navxyz[k][0], env.navxyz[k][1], &i, &j, &t, 1) || !on_field[i][j][t])
            return 0;
        int di[3], dj[3];
        convert_ij_dxy(planediv[i][j], t, di, dj);
        for (int c = 0; c < 3; c++)
            if (fabsf(planez[i + di[c]][j + dj[c]] - env.navxyz[k][4]) > 0.5f)
                return 0;
        return 1;
    }
};

TEST_F(RealWorld, CountryDatabaseIsRead)
{
    EXPECT_GT(env.nid_max_used, 1000);
    EXPECT_GT(env.vid_max_used, 900);
    EXPECT_EQ(env.aid_max_used, MAX_APT_US - 1);
}

TEST_F(RealWorld, FactoryStartRegionHasItsMajorAirportsOnFlatFields)
{
    env.lat_south = 33;
    env.lon_west = 119;
    load_region(0);
    EXPECT_EQ(inUS(), 1);
    for (const char *id : {"LAX", "LGB", "ONT", "BUR", "SNA", "PSP", "VNY"}) {
        int k = airport_slot(id);
        ASSERT_GE(k, 0) << id;
        EXPECT_TRUE(on_flat_field(k)) << id;
    }
    EXPECT_NEAR(env.navxyz[airport_slot("LAX")][4], 125 * 0.3048f, 0.01f);
    int flat = 0, all = 0;
    for (int k = 0; k < MAX_NAV; k++)
        if (is_airport(env.navmsc[k][0])) {
            all++;
            flat += on_flat_field(k);
        }
    EXPECT_GE(flat, all * 95 / 100) << flat << " of " << all;
    EXPECT_EQ(env.mvar, find_var(34, 117));   // the last quadrant read
    // Beacons that stand on field triangles mark their cells with their slot.
    int lax = airport_slot("LAX"), cells = 0;
    for (int i = 0; i < MESH_I; i++)
        for (int j = 0; j < MESH_J; j++)
            if (beacon_index[i][j] >= 0) {
                int k = beacon_index[i][j];
                cells++;
                EXPECT_TRUE(is_airport(env.navmsc[k][0]));
                EXPECT_TRUE(on_field[i][j][0] || on_field[i][j][1]);
            }
    EXPECT_GT(cells, 10);
    msc.loc_index = lax;
    setnewlocale();
    EXPECT_EQ(env.rwaymax, 1);
    EXPECT_NEAR(env.fieldh, 125 * 0.3048f, 0.01f);
}

// A flight of about 1,300 km: east from Los Angeles, then north-east. At
// every page the ground under the aircraft must not move, and the table
// and slots stay sound.
TEST_F(RealWorld, LongFlightPagesRepeatedlyWithoutJumps)
{
    env.lat_south = 33;
    env.lon_west = 119;
    load_region(0);
    double x = planex[57][50], y = planey[57][50];
    float h = 0;
    int i = 57, j = 50, t = 0;
    find_local_h((float)x, (float)y, &h, &i, &j, &t);
    env.i_aircraft = i, env.j_aircraft = j, env.t_aircraft = t;
    std::set<std::pair<int, int>> regions;
    double flown = 0;
    const double step = 500.0;
    for (int n = 0; n < 2600; n++) {
        double hdg = n < 1400 ? 90.0 : 35.0;
        x += step * sin(hdg * M_PI / 180.0);
        y += step * cos(hdg * M_PI / 180.0);
        flown += step;
        float before = find_local_h((float)x, (float)y, &h, &env.i_aircraft, &env.j_aircraft, &env.t_aircraft);
        int dir = 0;
        std::string msg = fatal_message([&] { dir = page_region_if_needed(x, y); });
        ASSERT_EQ(msg, "no exit") << "at step " << n;
        if (!dir)
            continue;
        regions.insert({env.lat_south, env.lon_west});
        float after = find_local_h((float)x, (float)y, &h, &env.i_aircraft, &env.j_aircraft, &env.t_aircraft);
        EXPECT_NEAR(after, before, 0.01f) << "page " << env.pages;
        // The aircraft's cell still holds it.
        int ci = env.i_aircraft, cj = env.j_aircraft, ct = env.t_aircraft;
        EXPECT_TRUE(find_ijt_with_loc((float)x, (float)y, &ci, &cj, &ct, 0));
        for (int k = 0; k < MAX_NAV; k++)
            if (env.navmsc[k][0] != NAV_EMPTY) {
                ASSERT_TRUE(env.nav_quad[k] >= 1 && env.nav_quad[k] <= 6);
            }
    }
    EXPECT_GE(flown, 1000e3);
    EXPECT_GE(env.pages, 10);
    EXPECT_GE(regions.size(), 10u);
    EXPECT_GE(env.apt_max, 0);
}
