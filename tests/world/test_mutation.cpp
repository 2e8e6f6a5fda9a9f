// Damaged scenery files: truncated, bit-flipped, overlong-lined and
// renumbered copies of a generated quadrant (its terrain and its navigation
// records apart) and of the country file "gps_dat" go through their
// readers. Each must load, with every value the flight and the view use in
// range, or stop through the fatal exit with a message.
#include "world_fixture.h"

#include <fstream>
#include <sstream>

#include "tests/common/mutation.h"

namespace {

std::string read_file(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void write_file(const std::string &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// Every grid point a number (or the no-height mark); every table slot of a
// known kind with a terminated name and an identifier.
void expect_sound_region()
{
    for (int i = 0; i < MESH_I; i++)
        for (int j = 0; j < MESH_J; j++)
            ASSERT_TRUE(std::isfinite(planex[i][j]) && std::isfinite(planey[i][j]) && std::isfinite(planez[i][j]))
                << i << " " << j;
    ASSERT_TRUE(env.act_in >= -1 && env.act_in < MAX_NAV);
    for (int k = 0; k < MAX_NAV; k++) {
        int type = env.navmsc[k][0];
        ASSERT_TRUE(type == NAV_EMPTY || (type >= NAV_APT1 && type <= NAV_LOC)) << k << " " << type;
        ASSERT_LT(strnlen(env.navname[k], NAV_NAME), (size_t)NAV_NAME);
        if (is_airport(type)) {
            ASSERT_TRUE(env.navmsc[k][3] >= 0 && env.navmsc[k][3] < 360) << k;
        }
        for (float v : env.navxyz[k])
            ASSERT_TRUE(std::isfinite(v)) << k;
    }
}

}  // namespace

class SceneryMutation : public WorldTest {
  protected:
    std::string program;   // the build's program folder, where the generated scenery lies
    void SetUp() override
    {
        WorldTest::SetUp();
        if (!have_scenery())
            GTEST_SKIP() << "no generated scenery in the program folder";
        program = app_path;
    }
    void TearDown() override
    {
        if (!program.empty())
            C_to_C(program.c_str(), app_path);
        WorldTest::TearDown();
    }
    // Feeds `cases` damaged copies (head + mutated body) to `reader` through
    // `file`; each must load or stop with a message. Returns the loads.
    int run(const std::string &head, const std::string &body, const std::vector<const char *> &labels,
            const std::string &file, unsigned seed, int cases, const std::function<void()> &reader)
    {
        std::mt19937 rng(mutation::scaled_seed(seed));
        cases = mutation::scaled_cases(cases);
        int loaded = 0, refused = 0;
        mutation::QuietStderr quiet;
        for (int k = 0; k < cases; k++) {
            write_file(file, head + mutation::mutate(body, rng, labels));
            try {
                reader();
                loaded++;
            } catch (const FatalExit &f) {
                EXPECT_FALSE(f.s1.empty()) << "case " << k;
                refused++;
            }
            inf_close();
            if (HasFatalFailure())
                ADD_FAILURE() << "case " << k << " of seed " << seed;
            if (HasFailure())
                break;
        }
        EXPECT_GT(refused, 0);   // the damage really reaches the checks
        return loaded;
    }
};

// Fewer cases under the sanitizers keep the CI pass short; the long run is
// the fuzz target (docs/PERFORMANCE.md).
constexpr int QUADRANT_CASES = 300;
constexpr int GPS_CASES = 600;

TEST_F(SceneryMutation, QuadrantReaderTerrainAndRecords)
{
    char name[16];
    quadrant_name(33, 119, name);
    std::string good = read_file(program + "DATA/United States/" + name);
    ASSERT_FALSE(good.empty());
    std::string file = folder + "/" + name;
    size_t records = good.find("\nrecords:");
    ASSERT_NE(records, std::string::npos);
    auto reader = [] {
        env.lat_south = 33;
        env.lon_west = 119;
        load_region(0);   // the other five quadrants are missing: open sea
        expect_sound_region();
    };
    const std::vector<const char *> labels = {" quadrant", " cells", " version", "records:"};
    // Damage anywhere, then aimed at the navigation records alone.
    run("", good, labels, file, 11, QUADRANT_CASES / 2, reader);
    int loaded = run(good.substr(0, records + 1), good.substr(records + 1), labels, file, 12,
                     QUADRANT_CASES / 2, reader);
    EXPECT_GT(loaded, 0);
}

TEST_F(SceneryMutation, CountryFileReader)
{
    std::string good = read_file(program + "DATA/gps_dat");
    ASSERT_FALSE(good.empty());
    // The head of the file and its end record: every kind, a short read.
    size_t cut = 0;
    for (int n = 0; n < 400 && cut != std::string::npos; n++)
        cut = good.find('\n', cut + 1);
    ASSERT_NE(cut, std::string::npos);
    std::string excerpt = good.substr(0, cut + 1) + good.substr(good.rfind("\n3 ") + 1);
    std::filesystem::create_directories(dir / "program" / "DATA");
    C_to_C((dir.string() + "/program/").c_str(), app_path);
    int loaded = run("", excerpt, {" version", " end"}, (dir / "program" / "DATA" / "gps_dat").string(), 13,
                     GPS_CASES, [] {
                         init_country_data();
                         int used[3] = {env.nid_max_used, env.vid_max_used, env.aid_max_used};
                         const int cap[3] = {MAX_NDB_US, MAX_VOR_US, MAX_APT_US};
                         for (int k = 0; k < 3; k++)
                             ASSERT_TRUE(used[k] >= -1 && used[k] < cap[k]);
                         for (int k = 0; k <= env.aid_max_used; k++)
                             ASSERT_TRUE(std::isfinite(aid_lat[k]) && std::isfinite(aid_lon[k]) && aid_id[k][0]);
                     });
    EXPECT_GT(loaded, 0);
}
