// Damaged files: thousands of truncated, bit-flipped, overlong-lined and
// renumbered copies of good aircraft, airfoil and flap files go through
// every reader. Each must either load or end with a message through the
// fatal exit; the sanitizer build catches any out-of-bounds access.
#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <functional>
#include <random>

#include "tests/files/sample.h"

using sample::slurp;
using sample::spit;

namespace {

const char *const BAD_NUMBERS[] = {"99999999999", "-1", "-2147483648", "2147483647", "1e38", "-1e38",
                                   "9", "8", "0", "nan", "inf", "-0", "4", "1e-45", "+", "."};

// Start of the line holding byte `at`.
size_t line_start(const std::string &t, size_t at)
{
    size_t s = t.rfind('\n', at ? at - 1 : 0);
    return (s == std::string::npos || at == 0) ? 0 : s + 1;
}

std::string mutate(std::string t, std::mt19937 &rng)
{
    auto pick = [&](size_t n) { return n ? (size_t)(rng() % n) : 0; };
    size_t at = pick(t.size());
    switch (rng() % 8) {
    case 0: t.resize(at); break;
    case 1:
        for (int k = 0, n = 1 + (int)pick(4); k < n; k++)
            t[pick(t.size())] ^= (char)(1 << pick(8));
        break;
    case 2: {
        std::string junk(1000 + pick(9000), '7');
        for (char &c : junk) c = (char)(' ' + pick(95));
        t.insert(line_start(t, at), junk + "\n");
        break;
    }
    case 3: {   // the number at the start of a line becomes an odd one
        size_t s = line_start(t, at);
        size_t e = t.find_first_of(" \n", s + 1);
        t.replace(s, (e == std::string::npos ? t.size() : e) - s, BAD_NUMBERS[pick(std::size(BAD_NUMBERS))]);
        break;
    }
    case 4: {
        size_t s = line_start(t, at), e = t.find('\n', at);
        t.erase(s, e == std::string::npos ? std::string::npos : e - s + 1);
        break;
    }
    case 5: {
        size_t s = line_start(t, at), e = t.find('\n', at);
        t.insert(s, t.substr(s, e == std::string::npos ? std::string::npos : e - s + 1));
        break;
    }
    case 6: t[at] = "\r\n\0\t"[pick(4)]; break;
    default: {   // a count or code line gets an odd number
        const char *const counts[] = {" integration sections", " number stations", " number radial points",
                                      " device type code", " version"};
        size_t e = t.find(counts[pick(std::size(counts))], pick(t.size()));
        if (e == std::string::npos)
            break;
        size_t s = line_start(t, e);
        t.replace(s, e - s, BAD_NUMBERS[pick(std::size(BAD_NUMBERS))]);
        break;
    }
    }
    return t;
}

enum Outcome { LOADED, REFUSED };

// Silences the fatal messages on stderr for the length of a run.
struct QuietStderr {
    int saved;
    QuietStderr()
    {
        fflush(stderr);
        saved = dup(2);
        int null_fd = open("/dev/null", O_WRONLY);
        dup2(null_fd, 2);
        close(null_fd);
    }
    ~QuietStderr()
    {
        fflush(stderr);
        dup2(saved, 2);
        close(saved);
    }
};

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
        std::mt19937 rng(seed);
        int loaded = 0, refused = 0;
        QuietStderr quiet;
        for (int k = 0; k < cases; k++) {
            spit(file, mutate(good, rng));
            Outcome outcome = LOADED;
            try {
                reader();
            } catch (const FatalExit &f) {
                EXPECT_FALSE(f.s1.empty()) << "case " << k;
                outcome = REFUSED;
            }
            inf_close();
            (outcome == LOADED ? loaded : refused)++;
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
