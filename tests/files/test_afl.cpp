// Airfoil and flap files: Foilwright's exact text and precision rule, its
// constants round trip, and the simulator's table reader with its row and
// drag checks, the Reynolds spacing check and the flap reader.
#include <cmath>

#include "tests/files/sample.h"

using sample::slurp;
using sample::spit;

class PartFile : public UserFolderTest {
  protected:
    std::string dir_text;
    void SetUp() override
    {
        UserFolderTest::SetUp();
        fill_constants();
        foilwright::reset_part_stream_precision();
        std::filesystem::create_directories(dir / "airfoils");
        std::filesystem::create_directories(dir / "flaps");
        memset(&pln, 0, sizeof pln);
        memset(&afl, 0, sizeof afl);
        C_to_C((dir.string() + "/").c_str(), pln.C_appdir);
    }
    std::string foil(const std::string &name) { return (dir / "airfoils" / name).string(); }
    void write_airfoil(const std::string &name)
    {
        sample::fill_airfoil_tables();
        program_kind = PROG_FOILWRIGHT;
        ASSERT_EQ(foilwright::writeoutpart(foil(name).c_str(), foilwright::DEVICE_AIRFOIL), 1);
        program_kind = PROG_VORTAN;
    }
    std::string grab(const std::string &name, int EN = 2, int Re = 0, int RT = 0)
    {
        program_kind = PROG_VORTAN;
        try {
            grabafoil(name.c_str(), EN, Re, RT);
        } catch (const FatalExit &f) {
            return f.s1 + "|" + f.s2 + "|" + f.s3 + "|" + f.s4;
        }
        return "";
    }
    // Replaces the first line starting with `start` in an airfoil file.
    void replace_line(const std::string &name, const std::string &start, const std::string &line)
    {
        std::string t = slurp(foil(name));
        size_t at = t.find("\n" + start);
        ASSERT_NE(at, std::string::npos) << start;
        size_t end = t.find('\n', at + 1);
        t.replace(at + 1, end - at - 1, line);
        spit(foil(name), t);
    }
};

static int count_lines(const std::string &t)
{
    int n = 0;
    for (char c : t) n += c == '\n';
    return n;
}

TEST_F(PartFile, AirfoilTextAndRows)
{
    write_airfoil("a.afl");
    std::string t = slurp(foil("a.afl"));
    // 2 header lines, device, constants, column header, 542 rows, 2 empty
    // lines and 8 constant lines.
    EXPECT_EQ(count_lines(t), 2 + 3 + 542 + 2 + 8);
    EXPECT_EQ(t.rfind("I\n21 version\n1234 device type code\nconstants: 3.000000 -16.000000 15.500000 "
                      "0.250000 0.105000 ", 0), 0u);
    EXPECT_NE(t.find(" 0.001000 3.000000 0.200000\nindex     cl         cd\n"
                     "-90.0 -9.20000  0.81600\n-89.0 -9.09500  0.79810\n"), std::string::npos);
    EXPECT_NE(t.find("\n-20.0 -1.85000  0.04600\n-19.9 -1.8"), std::string::npos);
    EXPECT_NE(t.find("\n-10.0 -0.80000  0.01600\n-9.9  0.01580\n"), std::string::npos);
    EXPECT_NE(t.find("\n-0.1  0.00600\n 0.0  0.00600\n\n0.10500   clM\n0.25000   clB\n-4.00000 cmal2\n"
                     "12.00000 cmal3\n0.05000   cm1\n-0.06000   cm2\n-0.05000   cm3\n-0.10000   cm4\n\n"
                     " 0.0  0.00600\n 0.1  0.00600\n"), std::string::npos);
    EXPECT_NE(t.find("\n 9.9  0.01580\n10.0  1.30000  0.01600\n"), std::string::npos);
    EXPECT_NE(t.find("\n21.0  2.45500  0.05010\n"), std::string::npos);
    EXPECT_EQ(t.substr(t.size() - 24), "\n90.0  9.70000  0.81600\n");
}

TEST_F(PartFile, PrecisionIsSixUntilAnAirfoilTableIsWritten)
{
    sample::fill_flap_tables();
    std::string flap = (dir / "flaps" / "f.flp").string();
    ASSERT_EQ(foilwright::writeoutpart(flap.c_str(), foilwright::DEVICE_FLAP), 1);
    std::string first = slurp(flap);
    EXPECT_EQ(first.rfind("I\n21 version\n2345 device type code\nconstants: 1.500000 -0.250000 0.125000 "
                          "0.062500 0.500000 -1.000000 -0.200000 0.030000 0.004000\ndef cl cd cm\n"
                          "0 0.000000 0.000000 -0.000000\n1 0.032000 0.001600 -0.004000\n", 0), 0u);
    EXPECT_EQ(count_lines(first), 5 + 51);
    EXPECT_NE(first.find("\n50 1.600000 0.080000 -0.200000\n"), std::string::npos);
    EXPECT_EQ(foilwright::part_stream_precision(), 6);
    write_airfoil("a.afl");
    EXPECT_EQ(foilwright::part_stream_precision(), 5);
    sample::fill_flap_tables();
    ASSERT_EQ(foilwright::writeoutpart(flap.c_str(), foilwright::DEVICE_FLAP), 1);
    std::string later = slurp(flap);
    EXPECT_NE(later.find("constants: 1.50000 -0.25000 0.12500 0.06250 "), std::string::npos);
    EXPECT_NE(later.find("\n50 1.60000 0.08000 -0.20000\n"), std::string::npos);
    // A second airfoil's constants line now carries 5 decimals as well.
    write_airfoil("b.afl");
    EXPECT_NE(slurp(foil("b.afl")).find("constants: 3.00000 -16.00000 "), std::string::npos);
}

TEST_F(PartFile, FoilwrightReadsBackTheConstantsAndSwitchesDevice)
{
    write_airfoil("a.afl");
    foilwright::AFLstruct written = foilwright::afl;
    std::string flap = (dir / "flaps" / "f.flp").string();
    sample::fill_flap_tables();
    ASSERT_EQ(foilwright::writeoutpart(flap.c_str(), foilwright::DEVICE_FLAP), 1);
    foilwright::FLPstruct written_flap = foilwright::flp;
    memset(&foilwright::afl, 0, sizeof foilwright::afl);
    memset(&foilwright::flp, 0, sizeof foilwright::flp);
    program_kind = PROG_FOILWRIGHT;
    static int switched;
    switched = 0;
    auto remember = [](int device) { switched = device; };
    EXPECT_EQ(foilwright::readinpart(flap.c_str(), foilwright::DEVICE_AIRFOIL, remember), foilwright::DEVICE_FLAP);
    EXPECT_EQ(switched, foilwright::DEVICE_FLAP);
    EXPECT_EQ(memcmp(&written_flap, &foilwright::flp, sizeof written_flap), 0);
    switched = 0;
    EXPECT_EQ(foilwright::readinpart(foil("a.afl").c_str(), foilwright::DEVICE_AIRFOIL, remember),
              foilwright::DEVICE_AIRFOIL);
    EXPECT_EQ(switched, 0);
    for (int k = 0; k < foilwright::N_AFL_CONSTANTS; k++)
        EXPECT_NEAR(((float *)&foilwright::afl)[k], ((float *)&written)[k], 1e-6f) << k;
}

TEST_F(PartFile, FoilwrightMessages)
{
    program_kind = PROG_FOILWRIGHT;
    auto message = [&](const std::string &file) -> std::string {
        try {
            foilwright::readinpart(file.c_str(), foilwright::DEVICE_AIRFOIL, nullptr);
        } catch (const FatalExit &f) {
            return f.s1 + "|" + f.s2 + "|" + f.s3 + "|" + f.s4;
        }
        return "";
    };
    EXPECT_EQ(message(foil("none.afl")), "Sorry, I can't open the part!!!|Reason: Undetermined!|Revert to back-up!|");
    spit(foil("odd.afl"), "I\n21 version\n4321 device type code\nconstants: 1\n");
    EXPECT_EQ(message(foil("odd.afl")), "This does not appear to be a valid file type for Foilwright!|||");
    spit(foil("short.afl"), "I\n21 version\n2345 device type code\nconstants: 1 2 3\n");
    EXPECT_EQ(message(foil("short.afl")), "Sorry, I can't open the part!!!|Reason: Undetermined!|Revert to back-up!|");
    std::string longline = "I\n21 version\n2345 device type code\nconstants:" + std::string(5000, 'x') + "\n";
    spit(foil("long.afl"), longline);
    EXPECT_NE(message(foil("long.afl")), "");
    spit(foil("crlf.flp"), "A\r21 version\r2345 device type code\rconstants: 1 2 3 4 5 6 7 8 9\r");
    EXPECT_EQ(message(foil("crlf.flp")), "");
    EXPECT_FLOAT_EQ(foilwright::flp.mco3, 9.0f);
}

TEST_F(PartFile, SimulatorTablesFromAWrittenAirfoil)
{
    write_airfoil("a.afl");
    ASSERT_EQ(grab("a.afl", 4, 1, 1), "");
    EXPECT_FLOAT_EQ(pln.Re[4][1][1], 3.0f);
    EXPECT_FLOAT_EQ(pln.alphamax[4], 15.5f);
    EXPECT_FLOAT_EQ(afl.clneg[4][1][1][170], -9.2f);   // -90 deg
    EXPECT_FLOAT_EQ(afl.clneg[4][1][1][0], -0.8f);     // -10 deg
    EXPECT_FLOAT_EQ(afl.clpos[4][1][1][0], 1.3f);      // +10 deg
    EXPECT_FLOAT_EQ(afl.clpos[4][1][1][101], 2.455f);  // +21 deg
    EXPECT_FLOAT_EQ(afl.cdneg[4][1][1][99], 0.0158f);  // -9.9 deg
    EXPECT_FLOAT_EQ(afl.cdpos[4][1][1][0], 0.006f);
    EXPECT_FLOAT_EQ(afl.cdneg[4][1][1][0], 0.006f);
    EXPECT_FLOAT_EQ(afl.cdpos[4][1][1][270], 0.816f);
    EXPECT_FLOAT_EQ(afl.clM[4][1][1], 0.105f);
    EXPECT_FLOAT_EQ(afl.cmal3[4][1][1], 12.0f);
    EXPECT_FLOAT_EQ(afl.cm4[4][1][1], -0.1f);
    EXPECT_FLOAT_EQ(afl.clM[4][1][0], 0.0f);   // other slots untouched
}

TEST_F(PartFile, NegativeDragIsAllowedOnlyJustBelowZeroAlpha)
{
    const std::string negative =
        "An airfoil used by this aircraft has negative drag at some angle of attack!|"
        "The name of the airfoil file is: a.afl|The foil file is used by wing number one.|"
        "This is not possible! Modify the airfoil in 'Foilwright' to have positive drag.";
    write_airfoil("a.afl");
    replace_line("a.afl", "-5.0 ", "-5.0 -0.00500");
    EXPECT_EQ(grab("a.afl"), "");
    EXPECT_FLOAT_EQ(afl.cdneg[2][0][0][50], -0.005f);
    write_airfoil("a.afl");
    replace_line("a.afl", "-5.0 ", "-5.0 -0.02000");
    EXPECT_EQ(grab("a.afl"), negative);
    write_airfoil("a.afl");
    replace_line("a.afl", " 5.0 ", " 5.0 -0.00500");
    EXPECT_EQ(grab("a.afl"), negative);
    write_airfoil("a.afl");
    replace_line("a.afl", "-15.0 ", "-15.0 -1.5 -0.00500");
    EXPECT_EQ(grab("a.afl"), negative);
}

TEST_F(PartFile, SimulatorAirfoilMessages)
{
    EXPECT_EQ(grab("none.afl", 0),
              "An airfoil file that is required by the aircraft you are attempting to fly could not be found.|"
              "The name of the airfoil file is: none.afl|The foil file is used by the prop.|"
              "Make sure the missing airfoil file is in the 'airfoils' folder.");
    write_airfoil("a.afl");
    replace_line("a.afl", "1234 device", "2345 device type code");
    EXPECT_EQ(grab("a.afl", 6),
              "An airfoil file that is required by the aircraft you are attempting to fly is corrupted.|"
              "The name of the airfoil file is: a.afl|The foil file is used by vertical stab number two.|"
              "Revert to back-up.");
    write_airfoil("a.afl");
    replace_line("a.afl", "-0.1 ", "-0.2  0.00600");
    EXPECT_EQ(grab("a.afl"), "An error occurred during read-in of the airfoil file.|"
                             "Either the file has been corrupted, or it is not really an airfoil file.|"
                             "The corrupted file is:|a.afl");
    write_airfoil("a.afl");
    replace_line("a.afl", "21 version", "20 version");
    EXPECT_NE(grab("a.afl").find("wrong version"), std::string::npos);
    write_airfoil("a.afl");
    std::string t = slurp(foil("a.afl"));
    spit(foil("a.afl"), t.substr(0, t.size() - 1));   // no line end at the very end
    EXPECT_EQ(grab("a.afl"), "");
    spit(foil("a.afl"), t.substr(0, t.size() - 9));   // last row cut short
    EXPECT_NE(grab("a.afl"), "");
}

TEST_F(PartFile, ReynoldsNumbersMustBeAMillionApart)
{
    auto check = [&](float lo, float hi) -> std::string {
        pln.Re[3][1][0] = lo;
        pln.Re[3][1][1] = hi;
        try {
            checkRediff("lo.afl", "hi.afl", 3, 1);
        } catch (const FatalExit &f) {
            return f.s1 + "|" + f.s2 + "|" + f.s3 + "|" + f.s4;
        }
        return "";
    };
    EXPECT_EQ(check(3.0f, 3.9f),
              "You are attempting Reynolds number interpolation with two airfoils of similar Reynolds numbers.|"
              "lo.afl|hi.afl|You must use Reynolds numbers at lest 1 meg apart for Re interpolation.");
    EXPECT_EQ(check(3.0f, 4.0f), "");
    EXPECT_FLOAT_EQ(pln.delRe[3][1], 1.0f);
}

TEST_F(PartFile, FlapFileIntoTheAircraft)
{
    std::string flap = (dir / "flaps" / "f.flp").string();
    sample::fill_flap_tables();
    ASSERT_EQ(foilwright::writeoutpart(flap.c_str(), foilwright::DEVICE_FLAP), 1);
    auto read = [&](const std::string &file) -> std::string {
        try {
            grabflaps(file.c_str());
        } catch (const FatalExit &f) {
            return f.s1 + "|" + f.s2 + "|" + f.s3 + "|" + f.s4;
        }
        return "";
    };
    ASSERT_EQ(read(flap), "");
    EXPECT_FLOAT_EQ(pln.clflap[50], 1.6f);
    EXPECT_FLOAT_EQ(pln.cdflap[25], 0.04f);
    EXPECT_FLOAT_EQ(pln.cmflap[1], -0.004f);
    std::string none = (dir / "flaps" / "none.flp").string();
    EXPECT_EQ(read(none), "The flap file that is required by the aircraft you are attempting to fly could not be found.|"
                          "The name of the missing flap file is: |" + none +
                              "|Make sure the missing flap file is in the 'flaps' folder.");
    const std::string corrupted =
        "An error occurred during read-in of the flaps file.|"
        "Either the file has been corrupted, or it is not really a flaps file. The corrupted flaps file is: |" +
        flap + "|Re-generate the flaps file by opening it up with the 'Foilwright' application and then saving it.";
    std::string t = slurp(flap);
    spit(flap, "I\n21 version\n1234" + t.substr(t.find(" device")));
    EXPECT_EQ(read(flap), corrupted);
    spit(flap, t.substr(0, t.find("\n40 ")));   // rows missing
    EXPECT_EQ(read(flap), corrupted);
    spit(flap, "I\n22 version\n" + t.substr(t.find("2345")));
    EXPECT_NE(read(flap).find("The following file is the wrong version"), std::string::npos);
    program_kind = PROG_FOILWRIGHT;
    EXPECT_THROW(foilwright::readinpart(flap.c_str(), foilwright::DEVICE_FLAP, nullptr), FatalExit);
}

TEST_F(PartFile, WriteFailureKeepsTheOldPart)
{
    spit(foil("a.afl"), "old");
    std::filesystem::create_directory(foil("a.afl") + ".tmp~");
    sample::fill_airfoil_tables();
    EXPECT_EQ(foilwright::writeoutpart(foil("a.afl").c_str(), foilwright::DEVICE_AIRFOIL), 0);
    EXPECT_EQ(slurp(foil("a.afl")), "old");
}

TEST_F(PartFile, NamesFromAircraftFilesMatchWithoutRegardToCase)
{
    write_airfoil("Naca 2412.afl");
    EXPECT_EQ(grab("NACA 2412.AFL"), "");
    EXPECT_FLOAT_EQ(pln.Re[2][0][0], 3.0f);
    std::string flap = (dir / "flaps" / "Split.flp").string();
    sample::fill_flap_tables();
    ASSERT_EQ(foilwright::writeoutpart(flap.c_str(), foilwright::DEVICE_FLAP), 1);
    std::string asked = (dir / "flaps" / "SPLIT.FLP").string();
    grabflaps(asked.c_str());
    EXPECT_FLOAT_EQ(pln.clflap[50], 1.6f);
}

// Parts the designers saved in the user's folders (the program folder of an
// installed program takes no new files) are found there, case-blind; the
// program folder's own part of the same name comes first.
TEST_F(PartFile, PartsMissingFromTheProgramFolderAreLookedForInTheUsersFolders)
{
    std::filesystem::path mine = dir / "data" / "vortan";
    std::filesystem::create_directories(mine / "airfoils");
    std::filesystem::create_directories(mine / "flaps");
    write_airfoil("Mine.afl");
    std::filesystem::rename(foil("Mine.afl"), mine / "airfoils" / "Mine.afl");
    EXPECT_EQ(grab("MINE.afl"), "");
    EXPECT_FLOAT_EQ(pln.Re[2][0][0], 3.0f);
    sample::fill_flap_tables();
    ASSERT_EQ(foilwright::writeoutpart((mine / "flaps" / "Own.flp").c_str(), foilwright::DEVICE_FLAP), 1);
    grabflaps((dir / "flaps" / "own.flp").c_str());
    EXPECT_FLOAT_EQ(pln.clflap[50], 1.6f);
    write_airfoil("Both.afl");
    spit((mine / "airfoils" / "Both.afl").string(), "not an airfoil");
    EXPECT_EQ(grab("Both.afl"), "");
    EXPECT_NE(grab("Nowhere.afl").find("could not be found"), std::string::npos);
}
