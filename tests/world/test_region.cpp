// Loading a region from quadrant files: names, open sea for missing files,
// the navigation records with their conversions, and the refusals.
#include "world_fixture.h"

TEST_F(WorldTest, QuadrantNamesCarrySignTwoAndThreeDigits)
{
    char name[16];
    quadrant_name(0, 5, name);
    EXPECT_STREQ(name, "-00005.env");
    quadrant_name(34, 118, name);
    EXPECT_STREQ(name, "+34118.env");
    quadrant_name(1, 360, name);
    EXPECT_STREQ(name, "+01000.env");
    quadrant_name(-12, -1, name);
    EXPECT_STREQ(name, "-12359.env");
}

TEST_F(WorldTest, SixQuadrantsWithOneMissingLoadTheMissingOneAsSea)
{
    QuadSpec land;
    land.height = 50.0f;
    for (int q = 1; q <= 6; q++) {
        if (q == 5)
            continue;
        QuadSpec s = land;
        if (q == 1)
            s.records = {airport(20000, 30000, 90, 3000, 150, 100, "AAA", "Alpha Field")};
        write_quad(33 + QUAD_ROW[q], 119 - QUAD_COL[q], s);
    }
    env.lat_south = 33;
    env.lon_west = 119;
    load_region(0);
    // Quadrant 5 (34 N, 118 W) spans columns 38..76 and rows 50..100.
    float w34 = 60.0f * con.nmtomtrs * cosf(33 * con.degtorad);   // open sea uses the region's scale
    EXPECT_NEAR(planex[57][75] - planex[38][75], 19.0f / 38.0f * w34, 1.0f);
    EXPECT_NEAR(planey[57][75] - planey[57][50], 25.0f / 50.0f * 111120.0f, 1.0f);
    EXPECT_EQ(planez[57][75], 0.0f);
    EXPECT_TRUE(on_water[57][75][0] && on_water[57][75][1]);
    EXPECT_EQ(planecol[57][75][0], 79);
    // Its neighbours are land at their own height; the shared border takes
    // the later quadrant's height where no field holds it.
    EXPECT_EQ(planez[20][75], 50.0f);
    EXPECT_EQ(planez[38][75], 0.0f);
    EXPECT_EQ(planez[76][75], 50.0f);
    EXPECT_FALSE(on_water[20][75][0]);
    EXPECT_NEAR(planex[38][0], width_m(33), 1.0f);
    EXPECT_NEAR(planey[0][50], 111120.0f, 1.0f);
}

class LoadedRegion : public WorldTest {
  protected:
    void load(std::vector<std::string> records, int lat = 33, int lon = 119)
    {
        QuadSpec s;
        s.records = records;
        write_quad(lat, lon, s);
        env.lat_south = lat;
        env.lon_west = lon;
        load_region(0);
    }
};

TEST_F(LoadedRegion, AirportRecordConvertsUnitsAndPlacesTheBeacon)
{
    load({airport(20000, 30000, 90, 3000, 150, 100, "AAA", "Alpha Field")});
    int k = slot_named("Alpha Field");
    ASSERT_GE(k, 0);
    EXPECT_NEAR(env.navxyz[k][4], 30.48f, 1e-4);
    EXPECT_EQ(env.navmsc[k][1], 914);
    EXPECT_EQ(env.navmsc[k][2], 45);
    EXPECT_EQ(env.navmsc[k][3], 90);
    EXPECT_NEAR(beacx[k], env.navxyz[k][0] + 457.0f, 1e-2);
    EXPECT_NEAR(beacy[k], env.navxyz[k][1] - 112.5f, 1e-2);
    EXPECT_NEAR(beacz[k], 57.48f, 1e-3);
    EXPECT_STREQ(env.navID[k], "AAA");
    EXPECT_EQ(env.nav_quad[k], 1);
    EXPECT_EQ(env.apt_max, 0);
    EXPECT_EQ(env.apt_to_index[0], k);
    EXPECT_EQ(msc.loc_index, k);
}

TEST_F(LoadedRegion, TableSortsByNameAndListsEachKind)
{
    load({airport(1000, 1000, 10, 4000, 100, 0, "ZZZ", "Zulu"), navaid(5, 112, 30, "VVV", "Victor"),
          navaid(4, 350, 0, "NNN", "November"), airport(3000, 3000, 10, 4000, 100, 0, "BBB", "Bravo"),
          navaid(9, 110, 30, "BBB", "ILS 01 Bravo")});
    EXPECT_EQ(env.apt_max, 1);
    EXPECT_STREQ(env.navname[env.apt_to_index[0]], "Bravo");
    EXPECT_STREQ(env.navname[env.apt_to_index[1]], "Zulu");
    EXPECT_EQ(env.vor_max, 0);
    EXPECT_EQ(env.ndb_max, 0);
    EXPECT_STREQ(env.navname[env.ndb_to_index[0]], "November");
    for (int k = 1; k < MAX_NAV; k++)
        EXPECT_LE(env.navname[k - 1][0], env.navname[k][0]);
    EXPECT_EQ(env.navmsc[slot_named("Victor")][1], 112);
    EXPECT_EQ(env.navmsc[slot_named("ILS 01 Bravo")][0], 9);
}

TEST_F(LoadedRegion, NamesAreCutToFortyCharacters)
{
    load({airport(1000, 1000, 10, 4000, 100, 0, "LNG",
                  "A very long airport name that goes on and on past forty")});
    EXPECT_STREQ(env.navname[env.apt_to_index[0]], "A very long airport name that goes on an");
}

TEST(WorldMath, MagneticVariationFromTheTwoLines)
{
    EXPECT_EQ(find_var(34, 118), 13);
    EXPECT_EQ(find_var(40, 74), -12);
    // Far outside the lines: finite and within a half circle.
    EXPECT_GE(find_var(-90, 359), -180);
    EXPECT_LE(find_var(-90, 359), 180);
    EXPECT_LE(find_var(90, -359), 180);
}

TEST_F(WorldTest, RunwayItemTexts)
{
    char text[MAX_STR];
    rway_to_cs(9, 'L', 0, text);
    EXPECT_STREQ(text, "Rwy 09L");
    rway_to_cs(27, 'R', 0, text);
    EXPECT_STREQ(text, "Rwy 27R");
    rway_to_cs(9, 'x', 1, text);
    EXPECT_STREQ(text, "Pad 09");
}

TEST_F(LoadedRegion, RunwayMenusHoldBothEndsOfEachRunway)
{
    char two[MAX_STR];
    snprintf(two, sizeof two, "a 1000 1000 2000 2000 0 1 5000 100 90 9 L 4000 100 180 18 x 1 TWO Two Runways");
    load({two, airport(5000, 5000, 90, 300, 50, 0, "PAD", "Pad Port")});
    int x, y, w, h;
    // "Pad Port" sorts first; on a bar menu the items can be seen.
    EXPECT_EQ(tack_on_runway_items(8, 800, env.apt_to_index[1]), 4);
    for (int id = 1; id <= 4; id++)
        EXPECT_TRUE(test_menu_item_rect(8, 800 + id, &x, &y, &w, &h)) << id;
    EXPECT_EQ(tack_on_runway_items(8, 810, env.apt_to_index[0]), 2);
    EXPECT_TRUE(test_menu_item_rect(5, 509, &x, &y, &w, &h));
    EXPECT_TRUE(test_menu_item_rect(5, 510, &x, &y, &w, &h));
    EXPECT_TRUE(test_menu_item_rect(5, 512, &x, &y, &w, &h));   // Reset Flight Path: 511 + apt_max
    // A second load takes the old items away before adding the new ones.
    load({airport(5000, 5000, 90, 3000, 50, 0, "ONE", "Only One")});
    EXPECT_FALSE(test_menu_item_rect(5, 510, &x, &y, &w, &h));
    EXPECT_FALSE(test_menu_item_rect(5, 512, &x, &y, &w, &h));
    EXPECT_TRUE(test_menu_item_rect(5, 511, &x, &y, &w, &h));
}

TEST_F(LoadedRegion, VorAndNdbItemsKeepApartWhateverTheirNumber)
{
    std::vector<std::string> recs = {airport(1000, 1000, 10, 4000, 100, 0, "APT", "Airport")};
    for (int k = 0; k < 120; k++) {
        char name[32];
        snprintf(name, sizeof name, "V%03d", k);
        recs.push_back(navaid(5, 112, 0, "VOR", name));
    }
    load(recs);
    EXPECT_EQ(env.vor_max, 119);
    EXPECT_EQ(listed_navaid_items(NAV_VOR), 100);   // ids 1201..1300, below the NDBs' 1301
}

TEST_F(WorldTest, ARegionWithoutAirportsIsRefused)
{
    env.lat_south = 10;
    env.lon_west = 20;
    std::string msg = "You have set the plane up in an area where there are no airports.";
    EXPECT_EQ(fatal_message([] { load_region(0); }), msg);
    QuadSpec s;
    EXPECT_EQ(region_has_airport(10, 20), 0);   // asked first, the start can be refused
    s.records = {navaid(5, 112, 30, "VVV", "Victor")};
    write_quad(10, 20, s);
    EXPECT_EQ(fatal_message([] { load_region(0); }), msg);
    EXPECT_EQ(region_has_airport(10, 20), 0);
    s.records = {airport(5000, 5000, 90, 5000, 100, 300, "AAA", "Alpha")};
    write_quad(11, 18, s);   // the north-east quadrant
    EXPECT_EQ(region_has_airport(10, 20), 1);
    EXPECT_EQ(region_has_airport(10, 21), 0);
}

TEST_F(WorldTest, DamagedFilesStopWithTheReason)
{
    struct Case {
        std::function<void(QuadSpec &)> spoil;
        const char *why;
    };
    const char *corrupt = "The environment file that you are trying to open is corrupted!";
    const Case cases[] = {
        {[](QuadSpec &q) { q.points = 1000; }, "The terrain points end early or hold a bad number."},
        {[](QuadSpec &q) { q.end_marker = false; }, "The list of airports and navaids does not end with 'z'."},
        {[](QuadSpec &q) { q.records = {"a 1 1 1 1 0 1 3000 100 90 9 x 0 0 0 0 x 0 A"}; },
         "An identifier is shorter than three characters."},
        {[](QuadSpec &q) { q.records = {"a 1 1 1 1 0 1 3000 100 90 9 x 0 0 0"}; },
         "A navigation record ends early or holds a bad number."},
        {[](QuadSpec &q) { q.records = {airport(1, 1, 90, 3000, 100, 0, "AAA", "A", 37)}; },
         "An airport's runway number is not 1 to 36."},
        {[](QuadSpec &q) { q.records = {airport(1, 1, 90, 0, 100, 0, "AAA", "A")}; },
         "An airport's first runway has no length or width."},
        {[](QuadSpec &q) { q.records = {"a 1 1 1 1 0 7 3000 100 90 9 x 0 0 0 0 x 0 AAA A"}; },
         "An airport record has a type other than 1 to 3."},
        {[](QuadSpec &q) { q.records = {navaid(11, 1, 1, "NNN", "N")}; },
         "A navaid record has a type other than 4 to 10."},
    };
    env.lat_south = 33;
    env.lon_west = 119;
    for (const Case &c : cases) {
        QuadSpec q;
        c.spoil(q);
        write_quad(33, 119, q);
        try {
            load_region(0);
            ADD_FAILURE() << c.why;
        } catch (const FatalExit &e) {
            EXPECT_EQ(e.s1, corrupt);
            EXPECT_EQ(e.s4, c.why);
        }
    }
}

TEST_F(LoadedRegion, HeadingsWrapAndUnknownSideLettersBecomeNone)
{
    load({"a 1000 1000 1000 1000 0 1 3000 100 450 9 Q 0 0 -90 0 x 1 AAA Wrapped"});
    int k = env.apt_to_index[0];
    EXPECT_EQ(env.navmsc[k][3], 90);
    EXPECT_EQ(env.navmsc[k][7], 270);
    EXPECT_EQ(env.lr[k][0], 'x');
}

TEST_F(WorldTest, WrongHeaderIsNotAnEnvironmentFile)
{
    char name[16];
    quadrant_name(33, 119, name);
    std::ofstream(folder + "/" + name) << "I\n2 version\n1002\n38\n50\n";
    env.lat_south = 33;
    env.lon_west = 119;
    EXPECT_EQ(fatal_message([] { load_region(0); }),
              "I'm trying to read an environment file that is not really an environment file!");
    std::ofstream(folder + "/" + name) << "I\n2 version\n1001\n38\n51\n";
    EXPECT_EQ(fatal_message([] { load_region(0); }), "Data resolution mis-match in USGS geometry read-in!");
}

TEST_F(WorldTest, FieldsAcrossASeamStayFlat)
{
    // Quadrant 1's east column of cells is field at 100 m; quadrant 2 says 40 m.
    QuadSpec a;
    a.height = 100.0f;
    a.field = [](int i, int) { return i == 37; };
    a.records = {airport(1000, 1000, 10, 4000, 100, 0, "AAA", "Alpha")};
    QuadSpec b;
    b.height = 40.0f;
    write_quad(33, 119, a);
    write_quad(33, 118, b);
    env.lat_south = 33;
    env.lon_west = 119;
    load_region(0);
    EXPECT_EQ(planez[38][10], 100.0f);   // the seam point keeps the field's height
    EXPECT_EQ(planez[39][10], 40.0f);
}

TEST_F(WorldTest, StandardFolderTest)
{
    standard_env_path("---", env.C_path);
    EXPECT_EQ(inUS(), 1);
    C_to_C((folder + "/---").c_str(), env.C_path);
    EXPECT_EQ(inUS(), 0);
}

TEST_F(WorldTest, AlternateEnvironmentNames)
{
    int lat = 0, lon = 0;
    EXPECT_EQ(decode_env_name("+02089.env", &lat, &lon), 1);
    EXPECT_EQ(lat, 2);
    EXPECT_EQ(lon, 89);
    EXPECT_EQ(decode_env_name("-00005.env", &lat, &lon), 1);
    EXPECT_EQ(lat, 0);
    int before = test_alert_count();
    EXPECT_EQ(decode_env_name("x02089.env", &lat, &lon), 0);
    EXPECT_STREQ(test_alert_line(before, 0), "The first character of the environment filename is not a '+' or a '-'.");
    EXPECT_EQ(decode_env_name("+61089.env", &lat, &lon), 0);
    EXPECT_EQ(decode_env_name("+0", &lat, &lon), 0);
    EXPECT_EQ(test_alert_count(), before + 5);
}
