// The preferences and situations with the program running: the first start,
// exit and the next start, the fatal and reset ends, and situation files
// saved, loaded, damaged, of another version or unwritable.
#include "sim_fixture.h"

#include "files/files.h"
#include "panel/panel.h"

#include <fstream>
#include <sstream>

namespace {

const char *const WELCOME = "Welcome to Vortan for Linux.";
const char *const UNREADABLE = "Couldn't read prefs file!";
const char *const WRONG_VERSION =
    "The following file is the wrong version for this version of Vortan:";

std::string slurp(const std::filesystem::path &p)
{
    std::ifstream f(p);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

// The text with the value of the line ending in `comment` replaced.
std::string with_value(const std::string &text, const std::string &comment, const std::string &value)
{
    size_t end = text.find(comment + "\n");
    size_t start = text.rfind('\n', end) + 1;
    return text.substr(0, start) + value + text.substr(end);
}

// Where the aircraft stands and the airport it starts from.
struct Place {
    double x, y, z;
    float psi;
    int loc_apt, rway_sel;
};

Place place_now() { return {flt.x, flt.y, flt.z, flt.psi, msc.loc_apt, msc.rway_sel}; }

class StartTest : public SimTest {
  protected:
    // The program ended (by exit_simulator, a menu command...) and started
    // again on the same user folders.
    void restart()
    {
        test_shutdown_layer();
        test_reset_layer();
        test_set_test_mode(1);
        ASSERT_EQ(vortan_start_layer(), 1);
        start();
    }
    static std::string end_message(void (*f)())
    {
        try {
            f();
        } catch (const FatalExit &e) {
            return e.s1;
        }
        return "no exit";
    }
    std::string sit() const { return path("flight.sit"); }
    void load(const std::string &file)
    {
        test_answer_file_dialog(file.c_str());
        load_situation();
    }
};

}   // namespace

// An empty user folder: the welcome alert, the aircraft dialog proposing
// the trainer (Enter on both), then the trainer standing on the first
// runway of the factory airport.
TEST_F(StartTest, FirstStartAsksForTheAircraftAndStandsOnTheRunway)
{
    test_key(KEY_ENTER, 0);
    test_key(KEY_ENTER, 0);
    simulate_start();
    EXPECT_EQ(alerts_starting(WELCOME), 1);
    EXPECT_EQ(alerts_starting("Important note for Windows 95 users:"), 0);   // no task bar here
    EXPECT_STREQ(pln.C_file, "Aircraft/Trainer.acf");
    EXPECT_EQ(env.lat_south, 33);
    EXPECT_EQ(env.lon_west, 119);
    EXPECT_EQ(msc.loc_apt, 41);
    EXPECT_FLOAT_EQ(msc.prd, 0.05f);
    int k = msc.loc_index;
    ASSERT_GE(k, 0);
    ASSERT_LE(env.navmsc[k][0], NAV_APT3);
    // On the runway: 30 m past its threshold, on its heading.
    float dx = (float)flt.x - env.navxyz[k][0], dy = (float)flt.y - env.navxyz[k][1];
    EXPECT_NEAR(sqrtf(dx * dx + dy * dy), 30.0f, 1.0f);
    EXPECT_NEAR(flt.psi, (float)env.navmsc[k][3], 1.0f);
    // Resting on its gear at the field's elevation.
    float ground = 0.0f;
    int i = 0, j = 0, t = 0;
    find_local_h((float)flt.x, (float)flt.y, &ground, &i, &j, &t);
    EXPECT_NEAR(ground, env.navxyz[k][4], 15.0f);
    EXPECT_NEAR(flt.z - ground, pln.h_eqlbm, 0.01);
    passes(60);
    EXPECT_EQ(flt.onground, 1);
    EXPECT_NEAR(flt.z - ground, pln.h_eqlbm, 0.3);
    EXPECT_LT(fabsf((float)flt.vz), 0.3f);
}

TEST_F(StartTest, NoAircraftOnTheFirstStartEndsTheProgram)
{
    test_answer_file_dialog(nullptr);
    try {
        simulate_start();
        FAIL();
    } catch (const FatalExit &e) {
        EXPECT_EQ(e.s1, "I did not get a valid aircraft from you.");
        EXPECT_EQ(e.s4, "Aircraft files have a '.acf' suffix.");
    }
}

// Exit keeps the settings and the start; the next start asks nothing.
TEST_F(StartTest, ExitWritesThePreferencesTheNextStartReads)
{
    start();
    msc.loc_apt = 3;
    msc.rway_sel = 2;
    scn.time = 3;
    atm.vis = 7000.0f;
    nav.gpsindex = 12;
    load_region(0);
    set_fltvars(4, 0);
    Place before = place_now();
    EXPECT_EQ(end_message(exit_simulator), "");
    EXPECT_NE(slurp(dir / "data/vortan/Vortan.out").find("\n\nend simulation."), std::string::npos);
    restart();
    EXPECT_EQ(alerts_starting(WELCOME), 0);
    Place after = place_now();
    EXPECT_EQ(after.loc_apt, before.loc_apt);
    EXPECT_EQ(after.rway_sel, 2);
    EXPECT_NEAR(after.x, before.x, 0.01);
    EXPECT_NEAR(after.y, before.y, 0.01);
    EXPECT_NEAR(after.z, before.z, 0.01);
    EXPECT_FLOAT_EQ(after.psi, before.psi);
    EXPECT_EQ(scn.time, 3);
    EXPECT_EQ(nav.gpsindex, 12);
    EXPECT_FLOAT_EQ(atm.vis, 7000.0f);
}

TEST_F(StartTest, AnExitThatCannotWriteSaysSo)
{
    start();
    std::filesystem::remove(prefs_file());
    std::filesystem::create_directories(prefs_file());   // nothing can replace a folder
    EXPECT_EQ(end_message(exit_simulator), "");
    EXPECT_EQ(alerts_starting("I could not save your preferences in:"), 1);
}

// A fatal end and the reset command both leave the invalid file; the next
// start takes the factory settings without any complaint about the file.
TEST_F(StartTest, FatalEndsAndResetLeaveFactorySettingsForTheNextStart)
{
    const std::string INVALID = "I\n-1 version\nz\nz\nz\nz\nz\n";
    start();
    EXPECT_EQ(end_message(exit_simulator), "");
    ASSERT_EQ(slurp(prefs_file()).substr(0, 12), "I\n40 version");
    restart();
    EXPECT_EQ(end_message([] { MACIBM_exitalert("Something broke", "", "", ""); }),
              "Something broke");
    EXPECT_EQ(slurp(prefs_file()), INVALID);
    restart();
    EXPECT_EQ(alerts_starting(WELCOME), 1);
    EXPECT_EQ(alerts_starting(WRONG_VERSION), 0);
    EXPECT_EQ(msc.loc_apt, 41);

    EXPECT_EQ(end_message(exit_simulator), "");
    restart();
    EXPECT_EQ(alerts_starting(WELCOME), 0);
    test_menu_choice(705);
    try {
        MACIBM_pump();
        FAIL();
    } catch (const FatalExit &e) {
        EXPECT_EQ(e.s1, "I have disabled the preferences file.");
        EXPECT_EQ(e.s2, "The next time you start Vortan or, it will revert to the factory settings.");
    }
    EXPECT_EQ(slurp(prefs_file()), INVALID);
}

// Saved and loaded again: aircraft, weather, region and position return.
// Where the program folder takes no new files (an installed program; /proc
// stands for one here), Save Situation proposes the user's own folder.
TEST_F(StartTest, SituationsOfAnInstalledProgramGoToTheUsersFolder)
{
    start();
    char program[MAX_STR];
    C_to_C(app_path, program);
    C_to_C("/proc/self/", app_path);
    test_answer_file_dialog("Mine.sit");
    save_situation();
    C_to_C(program, app_path);
    EXPECT_TRUE(std::filesystem::exists(path("data/vortan/Situations/Mine.sit")));
}

TEST_F(StartTest, ASavedSituationLoadsBackAsItWas)
{
    start();
    atm.vis = 9000.0f;
    atm.wndspd[2] = 12.5f;
    flt.x += 1500.0;
    flt.y -= 800.0;
    flt.z += 400.0;
    flt.psi = 95.0f;
    flt.v = 60.0f;
    test_answer_file_dialog(sit().c_str());
    save_situation();
    ASSERT_TRUE(std::filesystem::exists(sit()));
    double x = flt.x, y = flt.y, z = flt.z;

    C_to_C("Aircraft/Jet.acf", pln.C_file);
    load_plane(nullptr);
    env.lat_south = 34;
    env.lon_west = 118;
    load_region(0);
    atm.vis = 3000.0f;
    atm.wndspd[2] = 0.0f;
    set_fltvars(4, 0);

    load(sit());
    EXPECT_STREQ(pln.C_file, "Aircraft/Trainer.acf");
    EXPECT_STREQ(pln.C_name, "Trainer");
    EXPECT_EQ(env.lat_south, 33);
    EXPECT_EQ(env.lon_west, 119);
    EXPECT_FLOAT_EQ(atm.vis, 9000.0f);
    EXPECT_FLOAT_EQ(atm.wndspd[2], 12.5f);
    EXPECT_NEAR(flt.x, x, 0.05);
    EXPECT_NEAR(flt.y, y, 0.05);
    EXPECT_NEAR(flt.z, z, 0.05);
    EXPECT_NEAR(flt.psi, 95.0f, 0.01f);
    EXPECT_NEAR(flt.v, 60.0f, 0.01f);
    EXPECT_EQ(alerts_starting(UNREADABLE), 0);
}

// Saved after the view paged the region (its corner no longer the origin):
// loaded, the aircraft stands at the same place of the same region.
TEST_F(StartTest, ASituationSavedAfterPagingLoadsBackInPlace)
{
    start();
    passes(3);
    ASSERT_GT(env.pages, 0);
    ASSERT_NE(planex[0][0], 0.0f);
    int lat = env.lat_south, lon = env.lon_west;
    double east = flt.x - planex[0][0], north = flt.y - planey[0][0];
    test_answer_file_dialog(sit().c_str());
    save_situation();
    load(sit());
    EXPECT_EQ(env.lat_south, lat);
    EXPECT_EQ(env.lon_west, lon);
    EXPECT_NEAR(flt.x - planex[0][0], east, 0.05);
    EXPECT_NEAR(flt.y - planey[0][0], north, 0.05);
}

// Every way a situation can be refused leaves the flight as it was.
TEST_F(StartTest, RefusedSituationsChangeNothing)
{
    start();
    ASSERT_EQ(write_situation(sit().c_str()), 1);
    std::string good = slurp(sit());
    atm.vis = 4321.0f;   // differs from the file: a partial read would show
    C_to_C("Aircraft/Jet.acf", pln.C_file);
    double x = flt.x;
    struct Case { std::string text; const char *alert; };
    std::string damaged = good, bad_index = good, short_file = good;
    damaged = with_value(good, " gps index", "ab12");
    bad_index = with_value(good, " rway selection", "9");
    short_file.resize(good.rfind("situation data") - 20);
    const Case cases[] = {{damaged, UNREADABLE},
                          {bad_index, UNREADABLE},
                          {short_file, UNREADABLE},
                          {"I\n39 version\n" + good.substr(good.find("version\n") + 8), WRONG_VERSION}};
    for (const Case &c : cases) {
        std::ofstream(sit()) << c.text;
        int before = alerts_starting(c.alert);
        load(sit());
        EXPECT_EQ(alerts_starting(c.alert), before + 1) << c.text.substr(0, 80);
        EXPECT_FLOAT_EQ(atm.vis, 4321.0f);
        EXPECT_STREQ(pln.C_file, "Aircraft/Jet.acf");
        EXPECT_EQ(msc.rway_sel, 1);
        EXPECT_EQ(flt.x, x);
    }
    EXPECT_FALSE(std::filesystem::exists(prefs_file()));   // not invalidated
    load(path("missing.sit"));   // the dialog refuses a missing file: a cancel
    EXPECT_STREQ(pln.C_file, "Aircraft/Jet.acf");
}

TEST_F(StartTest, ASaveThatFailsSaysSoAndKeepsTheOldFile)
{
    start();
    std::ofstream(sit()) << "old";
    std::filesystem::create_directories(path("locked.sit"));
    EXPECT_EQ(write_situation(path("locked.sit").c_str()), 0);
    test_answer_file_dialog("/no/such/folder/x.sit");
    save_situation();
    EXPECT_EQ(alerts_starting("I could not save this situation:"), 1);
    EXPECT_EQ(slurp(sit()), "old");
}
