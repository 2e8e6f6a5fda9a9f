// The strict checker against damaged copies of a good quadrant file and a
// good "gps_dat": each damage is reported, none crashes or hangs, and line
// endings of other systems read the same.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "envcheck.h"
#include "scenery_fixture.h"

namespace fs = std::filesystem;

static std::string slurp(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

static void spit(const std::string &path, const std::string &text)
{
    std::ofstream f(path, std::ios::binary);
    f << text;
}

static std::string replace_once(std::string s, const std::string &from, const std::string &to)
{
    size_t p = s.find(from);
    EXPECT_NE(p, std::string::npos) << from;
    return p == std::string::npos ? s : s.replace(p, from.size(), to);
}

class EnvCheck : public ::testing::Test {
  protected:
    std::string good, path;
    void SetUp() override
    {
        path = (fs::temp_directory_path() / ("vortan_check_" + std::to_string(getpid()) + ".env")).string();
        ASSERT_TRUE(write_sample_quadrant(path));
        good = slurp(path);
    }
    void TearDown() override { fs::remove(path); }
    std::string check(const std::string &text)
    {
        spit(path, text);
        EnvFile f;
        return check_quadrant(path, 40, 100, &f);
    }
};

TEST_F(EnvCheck, GoodFilePassesInAnyLineEnding)
{
    EXPECT_EQ(check(good), "");
    std::string crlf, cr;
    for (char c : good) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        cr += c == '\n' ? '\r' : c;
    }
    EXPECT_EQ(check(crlf), "");
    EXPECT_EQ(check(cr), "");
}

TEST_F(EnvCheck, DamagedHeaderOrTerrainIsReported)
{
    EXPECT_NE(check(replace_once(good, "2 version", "3 version")), "");
    EXPECT_NE(check(replace_once(good, "1001 ", "1002 ")), "");
    EXPECT_NE(check(replace_once(good, "38 cells", "37 cells")), "");
    EXPECT_NE(check(replace_once(good, "0.0 0.0 ", "0.0 0.5 ")), "");        // off the grid
    size_t line2 = good.find('\n', good.find("cells south")) + 1;
    size_t end2 = good.find('\n', line2);
    std::string first = good.substr(line2, end2 - line2);
    EXPECT_NE(check(good.substr(0, line2) + first.substr(0, first.size() - 1) + "2" + good.substr(end2)), "");
    EXPECT_NE(check(good.substr(0, line2) + "1.0 2.0" + good.substr(end2)), "");   // no z, no flags
    EXPECT_NE(check(good.substr(0, good.size() / 2)), "");                     // cut short
    EXPECT_NE(check(""), "");
    EXPECT_NE(check(replace_once(good, "1 navigation", "2 navigation")), "");
}

TEST_F(EnvCheck, DamagedRecordsAreReported)
{
    EXPECT_NE(check(good.substr(0, good.size() - 2)), "");                     // no 'z'
    EXPECT_NE(check(replace_once(good, " RTR RTR", " RT RTR")), "");            // short identifier
    EXPECT_NE(check(replace_once(good, "RTR Field", std::string(41, 'N'))), ""); // long name
    EXPECT_NE(check(replace_once(good, "\na ", "\na nan ")), "");
    EXPECT_NE(check(replace_once(good, "\na ", "\nb ")), "");
    EXPECT_NE(check(replace_once(good, " 382 0 0 ", " 1382 0 0 ")), "");        // NDB beyond 999 kHz
    EXPECT_NE(check(replace_once(good, " 111 5 ", " 112 5 ")), "");             // no localizer channel
    EXPECT_NE(check(replace_once(good, " 31 R ", " 31 C ")), "");              // side letter
    // More entries than a sixth of the region's table.
    size_t a = good.find("\na ") + 1, e = good.find('\n', a) + 1;
    std::string many = good.substr(0, e);
    for (int k = 0; k < 40; k++)
        many += good.substr(a, e - a);
    EXPECT_NE(check(many + good.substr(e)), "");
}

class GpsCheck : public ::testing::Test {
  protected:
    std::string path;
    void SetUp() override
    {
        path = (fs::temp_directory_path() / ("vortan_gps_" + std::to_string(getpid()))).string();
    }
    void TearDown() override { fs::remove(path); }
    std::string check(const std::string &text, size_t *n = nullptr)
    {
        spit(path, text);
        std::vector<GpsRecord> g;
        std::string e = check_gps_dat(path, &g);
        if (n) *n = g.size();
        return e;
    }
};

TEST_F(GpsCheck, WrittenFileReadsBack)
{
    Selection sel;
    sel.gps = {{1, 47.0093f, 96.8152f, "AA"}, {2, 37.619f, 122.374f, "SFO"}, {3, 39.86f, 104.67f, "DEN"}};
    ASSERT_TRUE(write_gps_dat(sel, path));
    std::vector<GpsRecord> g;
    ASSERT_EQ(check_gps_dat(path, &g), "");
    ASSERT_EQ(g.size(), 3u);
    EXPECT_EQ(g[0].id, "AA");
    EXPECT_NEAR(g[1].lon_west, 122.374f, 1e-4);
    EXPECT_EQ(g[2].kind, 3);
}

TEST_F(GpsCheck, DamageAndOverfullTablesAreReported)
{
    const std::string head = "I\n1 version\n99 comment 4 3 2 1\n";
    size_t n = 0;
    EXPECT_EQ(check(head + "3 39.86 104.67 DEN\n4\n", &n), "");
    EXPECT_EQ(n, 1u);
    EXPECT_NE(check(head + "3 39.86 104.67 DEN\n"), "");          // no end record
    EXPECT_NE(check(head + "7 39.86 104.67 DEN\n4\n"), "");
    EXPECT_NE(check(head + "3 39.86 104.67 1DE\n4\n"), "");       // airport starting with a digit
    EXPECT_NE(check(head + "3 39.86 104.67 DE\n4\n"), "");
    EXPECT_NE(check(head + "2 39.86 104.67 ABCD\n4\n"), "");
    EXPECT_NE(check(head + "2 39.86 DEN\n4\n"), "");
    EXPECT_NE(check("I\n2 version\n4\n"), "");
    std::string ndbs;
    for (int k = 0; k < 2001; k++)
        ndbs += "1 40.0 100.0 AB\n";
    EXPECT_NE(check(head + ndbs + "4\n"), "");
}
