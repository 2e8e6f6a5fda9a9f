// The text-file scanner and writer against hand-made files: line endings,
// damaged content, overlong lines, versions, and saving without loss.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fatal_catch.h"

using ScanTest = UserFolderTest;

static void write_file(const std::string &path, const std::string &text)
{
    std::ofstream f(path, std::ios::binary);
    f << text;
}

static std::string read_file(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

static std::string with_endings(std::string text, const std::string &eol)
{
    std::string out;
    for (char c : text) {
        if (c == '\n') out += eol;
        else out += c;
    }
    return out;
}

struct Sample {
    int i;
    float f;
    int b1, b2;
    char name[MAX_STR];
    float x, y;
    int last;
};

static Sample read_sample(const std::string &path)
{
    Sample s{};
    EXPECT_EQ(inf_open(path.c_str(), 25, 0), 1);
    s.i = intscan();
    s.f = fltscan();
    s.b1 = bolscan();
    s.b2 = bolscan();
    spacescan(s.name);
    s.x = fltscanNOSN();
    s.y = fltscanNOSN();
    rln();
    s.last = intscan();
    EXPECT_TRUE(inf_good());
    inf_close();
    return s;
}

TEST_F(ScanTest, LineEndingsReadAlike)
{
    const std::string text =
        "I\n25 version\n  1200 max power\n-17.25 weight\n1 flag\n2 not a flag\n"
        "NACA 2412 (popular).afl\n  3.5  -4e2 pair of values\n42";
    for (const char *eol : {"\n", "\r", "\r\n"}) {
        std::string p = path("sample.acf");
        write_file(p, with_endings(text, eol));
        Sample s = read_sample(p);
        EXPECT_EQ(s.i, 1200);
        EXPECT_FLOAT_EQ(s.f, -17.25f);
        EXPECT_EQ(s.b1, 1);
        EXPECT_EQ(s.b2, 0);
        EXPECT_STREQ(s.name, "NACA 2412 (popular).afl");
        EXPECT_FLOAT_EQ(s.x, 3.5f);
        EXPECT_FLOAT_EQ(s.y, -400.0f);
        EXPECT_EQ(s.last, 42);   // unterminated last line
    }
}

TEST_F(ScanTest, OverlongLinesAreCutNotOverrun)
{
    std::string longname(1000, 'n');
    std::string p = path("long.acf");
    write_file(p, "I\n25 version\n" + longname + "\n7 " + std::string(1000, 'c') + "\n8\n");
    ASSERT_EQ(inf_open(p.c_str(), 25, 0), 1);
    char name[MAX_STR + 16];
    memset(name, 'Z', sizeof name);
    spacescan(name);
    EXPECT_EQ(strlen(name), (size_t)MAX_STR - 1);
    EXPECT_EQ(name[MAX_STR], 'Z');
    EXPECT_EQ(intscan(), 7);
    EXPECT_EQ(intscan(), 8);
    inf_close();
}

TEST_F(ScanTest, AFailedParseGivesZerosFromThenOn)
{
    std::string p = path("bad.acf");
    write_file(p, "I\n25 version\n12\nabc\n5.5\nname\n" + std::string(200, '9') + "\n");
    ASSERT_EQ(inf_open(p.c_str(), 25, 0), 1);
    EXPECT_EQ(intscan(), 12);
    EXPECT_EQ(intscan(), 0);
    EXPECT_FALSE(inf_good());
    EXPECT_EQ(fltscan(), 0.0f);
    char s[MAX_STR] = "junk";
    spacescan(s);
    EXPECT_STREQ(s, "");
    inf_close();

    write_file(p, "I\n25 version\n99999999999\n1e99\n" + std::string(200, '9') + "\n");
    ASSERT_EQ(inf_open(p.c_str(), 25, 0), 1);
    EXPECT_EQ(intscan(), 0);   // out of int range is a failure, not a wrap
    EXPECT_FALSE(inf_good());
    ASSERT_EQ(inf_open(p.c_str(), 25, 0), 1);
    rln();
    EXPECT_EQ(fltscan(), 0.0f);   // out of float range: no infinity
    EXPECT_FALSE(inf_good());
}

// The readers parse short numbers themselves: every value must be the one
// strtof / strtoll gives, bit for bit, on both sides of the short form's
// limits (2^24 and 2^53 in the digits, ten and 22 after the point),
// beyond them, and on the points halfway between two floats.
TEST_F(ScanTest, NumbersReadAsTheLibraryReadsThem)
{
    std::vector<std::string> words = {"0", "-0", "+0", "-0.0", "0.1", "-0.1", ".5", "5.", "-.25",
        "16777216", "16777217", "1677721.7", "1677721.8", "0.0000000001", "0.00000000001",
        "123456.7891", "3.14159265", "2796.4", "106264.6", "-2222.4", "1e3", "2.5E-3", "00012.50",
        "2147483647", "-2147483648", "000000000000000000000042", "37.6136589", "-122.3574371",
        "0.1000000000000000055511151231257827", "9007199254740993", "9007199254740992",
        "1.00000005960464477539", "1.0000000596046447753", "16777217.0", "33554434.99",
        "0.000000000000000000001", "3.4028235677973366e38", "1234567890123.4567"};
    uint32_t state = 12345;   // fixed seed: the same numbers every run
    for (int k = 0; k < 3000; k++) {
        state = state * 1103515245u + 12345u;
        int digits = 1 + (int)(state >> 16) % 18, point = (int)(state >> 8) % (digits + 1);
        std::string w = (state & 1) ? "-" : "";
        for (int d = 0; d < digits; d++) {
            state = state * 1103515245u + 12345u;
            if (d == point && d > 0)
                w += '.';
            w += (char)('0' + (state >> 16) % 10);
        }
        words.push_back(w);
    }
    std::string text = "I\n25 version\n";
    for (const std::string &w : words)
        text += w + "\n";
    std::string p = path("numbers.acf");
    write_file(p, text);
    ASSERT_EQ(inf_open(p.c_str(), 25, 0), 1);
    for (const std::string &w : words) {
        float f = fltscanNOSN(), want = strtof(w.c_str(), nullptr);
        EXPECT_EQ(memcmp(&f, &want, sizeof f), 0) << w << " read as " << f;
        rln();
    }
    EXPECT_TRUE(inf_good());
    // Whole numbers: the words that are ints.
    text = "I\n25 version\n";
    std::vector<long long> ints;
    for (const std::string &w : words) {
        long long n = strtoll(w.c_str(), nullptr, 10);
        if (w.find_first_of(".eE") == std::string::npos && n >= INT32_MIN && n <= INT32_MAX) {
            text += w + "\n";
            ints.push_back(n);
        }
    }
    write_file(p, text + "2147483648\n");
    ASSERT_EQ(inf_open(p.c_str(), 25, 0), 1);
    for (long long want : ints)
        EXPECT_EQ(intscan(), want);
    EXPECT_TRUE(inf_good());
    EXPECT_EQ(intscan(), 0);   // one past the int range: a failure, not a wrap
    EXPECT_FALSE(inf_good());
    inf_close();
    // More digits than a long long holds.
    write_file(p, "I\n25 version\n77777777777777777777777777\n");
    ASSERT_EQ(inf_open(p.c_str(), 25, 0), 1);
    EXPECT_EQ(intscan(), 0);
    EXPECT_FALSE(inf_good());
    inf_close();
}

TEST_F(ScanTest, EndOfFileStopsEveryReader)
{
    std::string p = path("short.acf");
    write_file(p, "I\n25 version\n3");
    ASSERT_EQ(inf_open(p.c_str(), 25, 0), 1);
    EXPECT_EQ(intscan(), 3);
    for (int k = 0; k < 1000; k++) {
        rln();
        EXPECT_EQ(intscan(), 0);
    }
    char s[MAX_STR];
    spacescan(s);
    EXPECT_STREQ(s, "");
    EXPECT_FALSE(inf_good());
    inf_close();
}

TEST_F(ScanTest, OpeningChecksPresenceAndVersion)
{
    EXPECT_EQ(inf_open(path("missing.acf").c_str(), 25, 0), 0);
    write_file(path("empty.acf"), "");
    EXPECT_EQ(inf_open(path("empty.acf").c_str(), 25, 0), 0);
    write_file(path("marker.acf"), "I");
    EXPECT_EQ(inf_open(path("marker.acf").c_str(), 25, 0), 0);
    write_file(path("old.prf"), "I\n24 version\n");
    EXPECT_EQ(inf_open(path("old.prf").c_str(), 25, 1), 0);
    try {
        inf_open(path("old.prf").c_str(), 25, 0);
        FAIL() << "a wrong version must end the program";
    } catch (const FatalExit &e) {
        EXPECT_EQ(e.s1, "The following file is the wrong version for this version of Vortan:");
        EXPECT_EQ(e.s2, path("old.prf"));
        EXPECT_EQ(e.s3, "Throw that file away. You should only use the files that came with the program.");
        EXPECT_EQ(e.s4, "You may have to install Vortan again.");
    }
}

TEST_F(ScanTest, DesignersCheckTheMarker)
{
    program_kind = PROG_FOILWRIGHT;
    write_file(path("mac.afl"), "A\r21 version\r5\r");
    ASSERT_EQ(inf_open(path("mac.afl").c_str(), 21, 0), 1);
    EXPECT_EQ(intscan(), 5);
    write_file(path("pc.afl"), "  I\n21 version\n6\n");
    ASSERT_EQ(inf_open(path("pc.afl").c_str(), 21, 0), 1);
    EXPECT_EQ(intscan(), 6);
    write_file(path("junk.afl"), "Q\n21 version\n");
    try {
        inf_open(path("junk.afl").c_str(), 21, 0);
        FAIL();
    } catch (const FatalExit &e) {
        EXPECT_EQ(e.s1, path("junk.afl"));
        EXPECT_EQ(e.s2, "is not a Corvane file, on this computer or any other!");
        EXPECT_EQ(e.s3, "If it is, it has become corrupted and must be thrown away!");
    }
}

TEST_F(ScanTest, WriterRoundTripsAndNeverDestroysTheOldFile)
{
    std::string p = path("out.afl");
    ASSERT_EQ(ouf_open(p.c_str(), 301, 21), 1);
    ouf_printf("%6d max power\n", 1200);
    ouf_printf("%f constant\n", 0.25f);
    ASSERT_EQ(ouf_close(), 1);
    EXPECT_EQ(read_file(p), "I\n21 version\n  1200 max power\n0.250000 constant\n");

    // Saving into a folder that does not exist fails and says so.
    EXPECT_EQ(ouf_open(path("nowhere/out.afl").c_str(), 301, 21), 0);
    EXPECT_EQ(ouf_close(), 0);

    // A rename that fails (the target is a folder) leaves both as they were.
    std::filesystem::create_directories(path("taken"));
    ASSERT_EQ(ouf_open(path("taken").c_str(), 301, 21), 1);
    ouf_printf("x\n");
    EXPECT_EQ(ouf_close(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(path("taken")));
    EXPECT_FALSE(std::filesystem::exists(path("taken.tmp~")));

    // A file left unfinished (the program ending, or the next file opened)
    // never reaches its name and leaves no temporary file behind.
    ASSERT_EQ(ouf_open(p.c_str(), 301, 21), 1);
    ouf_printf("half\n");
    ASSERT_EQ(ouf_open(path("next.afl").c_str(), 301, 21), 1);
    EXPECT_FALSE(std::filesystem::exists(p + ".tmp~"));
    ouf_abandon();
    EXPECT_EQ(read_file(p), "I\n21 version\n  1200 max power\n0.250000 constant\n");
    EXPECT_FALSE(std::filesystem::exists(path("next.afl")));
    EXPECT_FALSE(std::filesystem::exists(path("next.afl.tmp~")));
}
