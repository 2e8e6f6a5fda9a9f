// The preferences sections: writing and reading them back, the values the
// reader derives or limits, values it must refuse, and the data-output
// selection it leads to.
#include "../common/fatal_catch.h"
#include "atc/atc.h"
#include "files/files.h"
#include "flight/flight.h"
#include "output/output.h"
#include "panel/panel.h"
#include "shell/local.h"
#include "view/view.h"
#include "world/world.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

class PrefsTest : public UserFolderTest {
  protected:
    void SetUp() override
    {
        UserFolderTest::SetUp();
        fill_constants();
        zero_records();
        file = path("test.prf");
    }
    std::string file;

    void dump() const
    {
        ASSERT_EQ(ouf_open(file.c_str(), 305, 40), 1);
        dump_prefs();
        ASSERT_EQ(ouf_close(), 1);
    }
    int grab() const
    {
        int ok = inf_open(file.c_str(), 40, 1) && grab_prefs();
        inf_close();
        return ok;
    }
    // Replaces the value in front of the line ending in `comment` (the
    // first such line after `skip` others).
    void rewrite(const std::string &comment, const std::string &value, int skip = 0) const
    {
        std::ifstream in(file);
        std::stringstream out;
        std::string line;
        int done = 0;
        while (std::getline(in, line)) {
            size_t at = line.rfind(comment);
            if (!done && at != std::string::npos && at + comment.size() == line.size() &&
                skip-- == 0) {
                line = value + comment;
                done = 1;
            }
            out << line << "\n";
        }
        ASSERT_TRUE(done) << comment;
        std::ofstream(file) << out.str();
    }
};

// Every field the sections carry, away from its factory value.
void set_unusual()
{
    C_to_C("Aircraft/Jet.acf", pln.C_file);
    C_to_C("/somewhere/Aircraft/Jet.acf", pln.C_path);
    C_to_C("/data/DATA/United States/---", env.C_path);
    env.lat_south = 40;
    env.lon_west = 105;
    msc.loc_apt = 7;
    msc.rway_sel = 3;
    scn.time = 4;
    atm.temp_SL = 72.5f;
    atm.rain_tstm = 3;
    atm.wind_tbl = 4;
    atm.shear_prob = 5;
    atm.topsMSL = 7000.25f;
    atm.baseMSL = 3000.5f;
    atm.vis = 12345.75f;
    for (int i = 0; i < NWIND_LAYERS; i++) {
        atm.wnddir[i] = 10.0f * i + 5.0f;
        atm.wndspd[i] = 1.5f * i + 0.25f;
        atm.shrdir[i] = 2.0f * i + 1.0f;
        atm.shrspd[i] = 0.5f * i + 0.5f;
        atm.tbl[i] = (float)(i % 9) + 0.5f;
    }
    atm.wave_amp = 1.25f;
    atm.wave_length = 20.5f;
    atm.wave_speed = 3.75f;
    atm.wave_dir = 270;
    atm.thermal_part = 0.5f;
    atm.thermal_vvi = 300.0f;
    msc.sound_on = 0;
    atc.voice_out = 1;
    atc.text_out = 0;
    msc.warn_frame = 0;
    msc.warn_overspeed = 1;
    msc.warn_flaps = 0;
    msc.warn_gpws = 1;
    for (int i = 0; i < MAX_DATA_ITEMS; i++) {
        set.Bdsk[i] = i % 2;
        set.Brlt[i] = i % 3 == 0;
        set.Bgrf[i] = i % 5 == 0;
    }
    set.damp = 0.25f;
    set.joy_rat = 1.5f;
    set.nwheel_steer_type = 2;
    set.recip_hel_thrt_type = 1;
    nav.vol[0] = 0.25f;
    nav.vol[1] = 0.75f;
    nav.nf[0] = 109; nav.nf100[0] = 40; nav.nf[1] = 115; nav.nf100[1] = 85;
    nav.cf[0] = 124; nav.cf100[0] = 55; nav.cf[1] = 133; nav.cf100[1] = 5;
    nav.adf1 = 3; nav.adf2 = 7; nav.adf3 = 9;
    nav.obs[0] = 123.5f;
    nav.obs[1] = 45.25f;
    nav.dmesel = 1;
    nav.gps_index_mode = 2;
    nav.gps_display_mode = 2;
    nav.gpsindex = 77;
    msc.prd = 0.0625f;
}

}   // namespace

// Dumped, cleared and read back, every record comes back bit for bit
// (the values are exact in six decimals), except what the reader derives:
// disk output starts off and thermals start at 0. Any field the reader
// misses, or writes where it should not, shows in the comparison.
TEST_F(PrefsTest, EveryFieldSurvivesTheRoundTrip)
{
    set_unusual();
    dump();
    static atmospherestruct want_atm;
    want_atm = atm;
    want_atm.thermal_part = want_atm.thermal_vvi = 0.0f;
    settingstruct want_set = set;
    for (int &on : want_set.Bdsk)
        on = 0;
    navstruct want_nav = nav;
    miscstruct want_msc = msc;
    atcstruct want_atc = atc;
    scenerystruct want_scn = scn;
    zero_records();
    ASSERT_EQ(grab(), 1);
    EXPECT_STREQ(pln.C_file, "Aircraft/Jet.acf");
    EXPECT_STREQ(pln.C_path, "/somewhere/Aircraft/Jet.acf");
    EXPECT_STREQ(env.C_path, "/data/DATA/United States/---");
    EXPECT_EQ(env.lat_south * 1000 + env.lon_west, 40105);
    EXPECT_EQ(memcmp(&atm, &want_atm, sizeof atm), 0);
    EXPECT_EQ(memcmp(&set, &want_set, sizeof set), 0);
    EXPECT_EQ(memcmp(&nav, &want_nav, sizeof nav), 0);
    EXPECT_EQ(memcmp(&msc, &want_msc, sizeof msc), 0);
    EXPECT_EQ(memcmp(&atc, &want_atc, sizeof atc), 0);
    EXPECT_EQ(memcmp(&scn, &want_scn, sizeof scn), 0);
}

TEST_F(PrefsTest, TheReaderLimitsTheStepAndDerivesClearSky)
{
    set_unusual();
    struct Case { float prd, bases_m, prd_read; int clear; };
    const Case cases[] = {{0.5f, 6000.0f, 0.1f, 1}, {0.001f, 5486.0f, 0.01f, 0},
                          {0.05f, 5487.0f, 0.05f, 1}};
    for (const Case &c : cases) {
        msc.prd = c.prd;
        atm.baseMSL = c.bases_m;
        dump();
        msc.prd = 0.0f;
        ASSERT_EQ(grab(), 1);
        EXPECT_FLOAT_EQ(msc.prd, c.prd_read);
        EXPECT_EQ(atm.clear, c.clear) << c.bases_m;
    }
}

// An integer that would index a table later, or a number that is not one,
// fails the read at the next checkpoint and is not stored.
TEST_F(PrefsTest, OutOfRangeValuesFailTheRead)
{
    struct Case { const char *comment, *value; int skip; };
    const Case cases[] = {
        {" apt start ", "200", 0},   {" apt start ", "-1", 0},  {" rway selection", "5", 0},
        {" rway selection", "0", 0}, {" time", "0", 0},         {" time", "5", 0},
        {" south corner lat", "123", 0}, {" wx", "6", 1},       {" wave stuff, metric", "361", 3},
        {" dme mode", "2", 0},       {" gps mode", "4", 0},     {" gps mode", "0", 1},
        {" gps index", "1100", 0},   {" gps index", "-3", 0},   {" adf", "1 2 10", 0},
        {" nav 2", "118 50", 0},     {" com 1", "121 100", 0},  {" temp", "1e30", 0},
        {" damping", "x", 0},        {"  period", "nan", 0},
    };
    for (const Case &c : cases) {
        set_unusual();   // GPS mode 2: 1100 is past the VOR table
        dump();
        rewrite(c.comment, c.value, c.skip);
        zero_records();
        EXPECT_EQ(grab(), 0) << c.comment << " " << c.value;
        EXPECT_NE(msc.loc_apt, 200);
        EXPECT_LT(nav.gpsindex, MAX_VOR_US);
        EXPECT_LE(scn.time, 4);
    }
    set_unusual();
    dump();
    rewrite(" gps mode", "3", 0);
    rewrite(" gps index", "2999", 0);   // an airport index may go that high
    EXPECT_EQ(grab(), 1);
    EXPECT_EQ(nav.gpsindex, 2999);
}

TEST_F(PrefsTest, ATruncatedFileFailsWithoutHanging)
{
    set_unusual();
    dump();
    std::ifstream in(file);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // the last cut leaves out only the step value
    for (size_t cut : {size_t(5), all.size() / 3, all.size() / 2, all.size() - 17}) {
        std::ofstream(file) << all.substr(0, cut);
        EXPECT_EQ(grab(), 0) << cut;
    }
    std::ofstream(file) << "I\n40 version\n";
    EXPECT_EQ(grab(), 0);
}

// Disk output always starts off; the panel and graph show the first four
// selected items in item order.
TEST_F(PrefsTest, DataOutputSelectionFromTheFile)
{
    set_unusual();
    for (int i = 0; i < MAX_DATA_ITEMS; i++) {
        set.Bdsk[i] = 1;
        set.Brlt[i] = i >= 10 && i % 2 == 0;   // 10, 12, 14, 16, 18, ...
        set.Bgrf[i] = i == 59;
    }
    dump();
    zero_records();
    grf.data3[1799][3] = 5.0f;
    grf.cntr = 100;
    ASSERT_EQ(grab(), 1);
    set_rlt_grf_choices();
    EXPECT_EQ(set.dskout, 0);
    EXPECT_EQ(set.rltout, 1);
    EXPECT_EQ(set.grfout, 1);
    const int rlt[4] = {10, 12, 14, 16}, gr[4] = {59, -1, -1, -1};
    for (int k = 0; k < 4; k++) {
        EXPECT_EQ(set.rltsel[k], rlt[k]);
        EXPECT_EQ(set.grfsel[k], gr[k]);
    }
    EXPECT_EQ(grf.data3[1799][3], -999.0f);
    EXPECT_EQ(grf.data1[0][0], -999.0f);
    EXPECT_EQ(grf.cntr, -1);
    for (int i = 0; i < MAX_DATA_ITEMS; i++)
        set.Brlt[i] = set.Bgrf[i] = 0;
    set_rlt_grf_choices();
    EXPECT_EQ(set.rltout + set.grfout, 0);
    EXPECT_EQ(set.rltsel[0], -1);
}
