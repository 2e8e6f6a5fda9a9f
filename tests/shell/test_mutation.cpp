// Damaged copies of a good preferences file and of a good situation: each
// either loads with every value inside the range its reader enforces or is
// refused (a situation then with its alert and every record as it was); no
// hang, no crash. VORTAN_MUTATION_SCALE / VORTAN_MUTATION_SEED make it a
// long run.
#include "sim_fixture.h"

#include "../common/mutation.h"
#include "atc/atc.h"
#include "files/files.h"
#include "output/output.h"
#include "panel/panel.h"

#include <cstring>
#include <sstream>

namespace {

// Texts that follow a code or index on its line in the sections.
const std::vector<const char *> LABELS = {" apt start", " rway selection", " time", " south corner lat",
                                          " wx", " dme mode", " gps mode", " gps index", " adf",
                                          " nav ", " com ", "  period", " situation data"};

bool finite_within(float v) { return std::isfinite(v) && fabsf(v) <= 1.0e7f; }

// The first value outside what the preferences reader lets through, or "".
std::string prefs_out_of_range()
{
    struct Int { const char *name; int v, lo, hi; };
    const int gps_size = nav.gps_index_mode == 1 ? MAX_NDB_US : (nav.gps_index_mode == 2 ? MAX_VOR_US : MAX_APT_US);
    const Int ints[] = {{"lat", env.lat_south, -89, 89},       {"lon", env.lon_west, -359, 359},
                        {"apt", msc.loc_apt, 0, MAX_NAV - 1},   {"rway", msc.rway_sel, 1, 4},
                        {"time", scn.time, 1, 4},               {"rain", atm.rain_tstm, 1, 5},
                        {"wind", atm.wind_tbl, 1, 5},           {"shear", atm.shear_prob, 1, 5},
                        {"wave dir", atm.wave_dir, 0, 360},     {"nav0", nav.nf[0], 108, 117},
                        {"nav1", nav.nf[1], 108, 117},          {"nav100", nav.nf100[1], 0, 99},
                        {"com0", nav.cf[0], 118, 136},          {"com1", nav.cf[1], 118, 136},
                        {"com100", nav.cf100[0], 0, 99},        {"adf1", nav.adf1, 0, 9},
                        {"adf3", nav.adf3, 0, 9},               {"dme", nav.dmesel, 0, 1},
                        {"gps mode", nav.gps_index_mode, 1, 3}, {"gps display", nav.gps_display_mode, 1, 2},
                        {"gps index", nav.gpsindex, 0, gps_size - 1}};
    for (const Int &i : ints)
        if (i.v < i.lo || i.v > i.hi)
            return i.name;
    std::vector<float> f = {atm.temp_SL,   atm.topsMSL,    atm.baseMSL,  atm.vis,   atm.wave_amp,
                            atm.wave_length, atm.wave_speed, set.damp,   set.joy_rat, nav.vol[0],
                            nav.vol[1],    nav.obs[0],     nav.obs[1]};
    for (int i = 0; i < NWIND_LAYERS; i++)
        f.insert(f.end(), {atm.wnddir[i], atm.wndspd[i], atm.shrdir[i], atm.shrspd[i], atm.tbl[i]});
    for (float v : f)
        if (!finite_within(v))
            return "a number";
    if (!(msc.prd >= 0.01f && msc.prd <= 0.1f))
        return "step";
    if (strnlen(pln.C_file, MAX_STR) >= MAX_STR || strnlen(env.C_path, MAX_STR) >= MAX_STR)
        return "a name";
    return "";
}

class MutationShellTest : public SimTest {
  protected:
    std::string text_of(const std::string &p) const
    {
        std::ifstream f(p, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    }
};

// Everything a refused situation must leave alone, compared byte for byte.
struct Records {
    char plane_file[MAX_STR], env_path[MAX_STR];
    int lat_south, lon_west, time;
    miscstruct msc;
    settingstruct set;
    navstruct nav;
    atmospherestruct atm;
};

Records records_now()
{
    Records r;
    memset(&r, 0, sizeof r);
    C_to_C(pln.C_file, r.plane_file);
    C_to_C(env.C_path, r.env_path);
    r.lat_south = env.lat_south;
    r.lon_west = env.lon_west;
    r.time = scn.time;
    memcpy(&r.msc, &msc, sizeof msc);
    memcpy(&r.set, &set, sizeof set);
    memcpy(&r.nav, &nav, sizeof nav);
    memcpy(&r.atm, &atm, sizeof atm);
    return r;
}

}   // namespace

TEST_F(MutationShellTest, DamagedPreferencesLoadInRangeOrFail)
{
    start();
    const std::string file = path("damaged.prf");
    ASSERT_EQ(ouf_open(file.c_str(), 305, 40), 1);
    dump_prefs();
    ASSERT_EQ(ouf_close(), 1);
    const std::string good = text_of(file);
    std::mt19937 rng(mutation::scaled_seed(1401));
    int counts[2] = {0, 0};
    mutation::QuietStderr quiet;
    for (int k = 0, n = mutation::scaled_cases(300); k < n; k++) {
        std::string bad = mutation::mutate(good, rng, LABELS);
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bad;
        int ok = inf_open(file.c_str(), 40, 1) && grab_prefs();
        inf_close();
        counts[ok]++;
        if (ok) {
            ASSERT_EQ(prefs_out_of_range(), "") << "case " << k << ":\n" << bad.substr(0, 2000);
        }
    }
    EXPECT_GT(counts[0], 0);
    EXPECT_GT(counts[1], 0);
}

TEST_F(MutationShellTest, DamagedSituationsLoadInRangeOrChangeNothing)
{
    start();
    const std::string file = path("damaged.sit");
    ASSERT_EQ(write_situation(file.c_str()), 1);
    const std::string good = text_of(file);
    std::mt19937 rng(mutation::scaled_seed(1402));
    int counts[2] = {0, 0};
    mutation::QuietStderr quiet;
    for (int k = 0, n = mutation::scaled_cases(300); k < n; k++) {
        std::string bad = mutation::mutate(good, rng, LABELS);
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bad;
        Records before = records_now();
        int alerts = test_alert_count();
        int ok = read_situation_file("damaged.sit", file.c_str());
        counts[ok]++;
        if (ok) {
            ASSERT_EQ(prefs_out_of_range(), "") << "case " << k << ":\n" << bad.substr(0, 2000);
            ASSERT_TRUE(finite_within(set.cus_x) && finite_within(set.cus_y) && finite_within(set.cus_z) &&
                        finite_within(set.cus_psi) && finite_within(set.cus_v))
                << "case " << k;
            continue;
        }
        ASSERT_EQ(test_alert_count(), alerts + 1) << "case " << k;
        Records after = records_now();
        ASSERT_EQ(memcmp(&before, &after, sizeof before), 0) << "case " << k << ":\n" << bad.substr(0, 2000);
    }
    EXPECT_GT(counts[0], 0);
    EXPECT_GT(counts[1], 0);
}
