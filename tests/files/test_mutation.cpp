// Damaged files: thousands of truncated, bit-flipped, overlong-lined and
// renumbered copies of good aircraft, airfoil and flap files go through
// every reader. Each must either load or end with a message through the
// fatal exit; the sanitizer build catches any out-of-bounds access.
#include <cmath>
#include <functional>

#include "tests/common/mutation.h"
#include "tests/files/sample.h"

using sample::slurp;
using sample::spit;
using mutation::QuietStderr;

namespace {

// The labels after the counts and codes of the aircraft and airfoil files.
std::string mutate(const std::string &t, std::mt19937 &rng)
{
    return mutation::mutate(t, rng, {" integration sections", " number stations", " number radial points",
                                     " device type code", " version"});
}

bool all_finite(const float *v, size_t n)
{
    for (size_t k = 0; k < n; k++)
        if (!std::isfinite(v[k])) return false;
    return true;
}

}  // namespace

class Mutation : public UserFolderTest {
  protected:
    void SetUp() override
    {
        UserFolderTest::SetUp();
        fill_constants();
        foilwright::reset_part_stream_precision();
        std::filesystem::create_directories(dir / "airfoils");
        memset(&pln, 0, sizeof pln);
        C_to_C((dir.string() + "/").c_str(), pln.C_appdir);
    }
    // Feeds `cases` damaged copies of `good` to `reader`; every case must
    // load or stop with a message. Returns the number of loads.
    int run(const std::string &good, const std::string &file, unsigned seed, int cases,
            const std::function<void()> &reader)
    {
        std::mt19937 rng(mutation::scaled_seed(seed));
        cases = mutation::scaled_cases(cases);
        int loaded = 0, refused = 0;
        QuietStderr quiet;
        for (int k = 0; k < cases; k++) {
            spit(file, mutate(good, rng));
            mutation::Outcome outcome = mutation::LOADED;
            try {
                reader();
            } catch (const FatalExit &f) {
                EXPECT_FALSE(f.s1.empty()) << "case " << k;
                outcome = mutation::REFUSED;
            }
            inf_close();
            (outcome == mutation::LOADED ? loaded : refused)++;
        }
        EXPECT_EQ(loaded + refused, cases);
        EXPECT_GT(refused, cases / 4);   // the damage really reaches the checks
        return loaded;
    }
};

constexpr int CASES = 1200;

TEST_F(Mutation, SimulatorAircraftReader)
{
    sample::fill_aircraft();
    std::string acf = path("m.acf");
    ASSERT_EQ(airwright::writeout_file(acf.c_str()), 1);
    std::string good = slurp(acf);
    int loaded = run(good, acf, 1, CASES, [&] {
        program_kind = PROG_VORTAN;
        if (!inf_open(acf.c_str(), ACF_VERSION, 0))
            throw FatalExit{"not opened: the loader reports it", "", "", ""};
        readin_plane(nullptr);
        for (int p = 0; p < MAX_PARTS; p++)
            ASSERT_TRUE(pln.els[p] >= 0 && pln.els[p] <= MAX_ELS);
        ASSERT_TRUE(all_finite(&pln.fuse_x[0][0], 3 * N_FUSE_STATIONS * N_FUSE_RADIALS));
        ASSERT_TRUE(std::isfinite(pln.turboboost) && std::isfinite(pln.pmax) && pln.ASdelV >= 1.0f);
    });
    EXPECT_GT(loaded, 0);
}

TEST_F(Mutation, DesignerAircraftReader)
{
    sample::fill_aircraft();
    std::string acf = path("m.acf");
    ASSERT_EQ(airwright::writeout_file(acf.c_str()), 1);
    std::string good = slurp(acf);
    run(good, acf, 2, CASES, [&] {
        program_kind = PROG_AIRWRIGHT;
        airwright::readin_path(acf.c_str(), nullptr);
        for (int p = 0; p < MAX_PARTS; p++)
            ASSERT_TRUE(airwright::pln.els[p] >= 0 && airwright::pln.els[p] <= MAX_ELS);
    });
}

TEST_F(Mutation, SimulatorAirfoilReader)
{
    sample::fill_airfoil_tables();
    std::string file = (dir / "airfoils" / "m.afl").string();
    ASSERT_EQ(foilwright::writeoutpart(file.c_str(), foilwright::DEVICE_AIRFOIL), 1);
    std::string good = slurp(file);
    run(good, file, 3, CASES, [&] {
        program_kind = PROG_VORTAN;
        grabafoil("m.afl", 5, 1, 0);
        ASSERT_TRUE(all_finite((const float *)&afl, sizeof afl / sizeof(float)));
    });
}

TEST_F(Mutation, FlapReaders)
{
    sample::fill_flap_tables();
    std::string file = path("m.flp");
    ASSERT_EQ(foilwright::writeoutpart(file.c_str(), foilwright::DEVICE_FLAP), 1);
    std::string good = slurp(file);
    run(good, file, 4, CASES / 2, [&] {
        program_kind = PROG_VORTAN;
        grabflaps(file.c_str());
        ASSERT_TRUE(all_finite(pln.clflap, 3 * N_FLAP_ROWS));
    });
    std::string head = good.substr(0, good.find("def"));
    run(head, file, 5, CASES / 2, [&] {
        program_kind = PROG_FOILWRIGHT;
        foilwright::readinpart(file.c_str(), foilwright::DEVICE_FLAP, nullptr);
    });
}

TEST_F(Mutation, FoilwrightAirfoilReader)
{
    sample::fill_airfoil_tables();
    std::string file = path("m.afl");
    ASSERT_EQ(foilwright::writeoutpart(file.c_str(), foilwright::DEVICE_AIRFOIL), 1);
    std::string good = slurp(file);
    // Only the first lines are read, so damage is aimed at them.
    std::string head = good.substr(0, good.find("index"));
    run(head, file, 6, CASES / 2, [&] {
        program_kind = PROG_FOILWRIGHT;
        foilwright::readinpart(file.c_str(), foilwright::DEVICE_AIRFOIL, nullptr);
        ASSERT_TRUE(all_finite(&foilwright::afl.Re, foilwright::N_AFL_CONSTANTS));
    });
}
