// The aircraft file: the designer's writer and reader round trip, the exact
// text of its lines, the simulator's conversions and adjustments, and the
// messages for each kind of damaged file.
#include <cmath>

#include "tests/files/sample.h"

using sample::slurp;
using sample::spit;

class AircraftFile : public UserFolderTest {
  protected:
    std::string acf;
    void SetUp() override
    {
        UserFolderTest::SetUp();
        fill_constants();
        acf = path("test.acf");
        sample::fill_aircraft();
    }
    void write_sample() { ASSERT_EQ(airwright::writeout_file(acf.c_str()), 1); }
    // Reads `file` in the simulator; returns the fatal message, empty on success.
    std::string sim_read(const std::string &file)
    {
        program_kind = PROG_VORTAN;
        memset(&pln, 0, sizeof pln);
        C_to_C("test.acf", pln.C_file);
        C_to_C("/app/", pln.C_appdir);
        try {
            if (!inf_open(file.c_str(), ACF_VERSION, 0))
                return "not opened";
            readin_plane(nullptr);
        } catch (const FatalExit &f) {
            return f.s1 + "|" + f.s2 + "|" + f.s3 + "|" + f.s4;
        }
        return "";
    }
    std::string designer_read(const std::string &file)
    {
        program_kind = PROG_AIRWRIGHT;
        memset(&airwright::pln, 0, sizeof airwright::pln);
        try {
            airwright::readin_path(file.c_str(), nullptr);
        } catch (const FatalExit &f) {
            return f.s1 + "|" + f.s2 + "|" + f.s3 + "|" + f.s4;
        }
        return "";
    }
    // The sample file with the first occurrence of `from` replaced by `to`.
    std::string edited(const std::string &from, const std::string &to)
    {
        std::string text = slurp(acf);
        size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos)
            text.replace(at, from.size(), to);
        std::string out = path("edited.acf");
        spit(out, text);
        return out;
    }
};

TEST_F(AircraftFile, DesignerRoundTripGivesEveryFieldBack)
{
    airwright::planestruct written = airwright::pln;
    write_sample();
    int switched_to = -1;
    static int *seen;
    seen = &switched_to;
    program_kind = PROG_AIRWRIGHT;
    memset(&airwright::pln, 0, sizeof airwright::pln);
    ASSERT_EQ(inf_open(acf.c_str(), ACF_VERSION, 0), 1);
    airwright::readin([](int is_heli) { *seen = is_heli; });
    EXPECT_EQ(switched_to, 0);
    // Every sample value is whole, so nothing may differ by a single bit.
    EXPECT_EQ(memcmp(&written, &airwright::pln, sizeof written), 0);
    EXPECT_STREQ(airwright::pln.tailnum, "N 12 AB  X");
    EXPECT_EQ(airwright::pln.tmax, 1234567.0f);
    EXPECT_EQ(airwright::pln.els[2], 8);
    EXPECT_EQ(airwright::pln.els[3], 0);
}

TEST_F(AircraftFile, DesignerRoundTripRoundsToTheDecimalsOfEachLine)
{
    using airwright::pln;
    pln.semiB[4] = 17.46f;
    pln.Mmo = 0.857f;
    pln.Croot[2] = 4.126f;
    pln.pmax = 180.6f;
    pln.ASp2 = -0.12345f;
    pln.fuse_y[3][2] = 1.23456f;
    pln.anginc[2][7] = -1.26f;
    write_sample();
    ASSERT_EQ(designer_read(acf), "");
    EXPECT_FLOAT_EQ(pln.semiB[4], 17.5f);
    EXPECT_FLOAT_EQ(pln.Mmo, 0.86f);
    EXPECT_FLOAT_EQ(pln.Croot[2], 4.13f);
    EXPECT_FLOAT_EQ(pln.pmax, 181.0f);
    EXPECT_FLOAT_EQ(pln.ASp2, -0.123f);
    EXPECT_FLOAT_EQ(pln.fuse_y[3][2], 1.2346f);
    EXPECT_FLOAT_EQ(pln.anginc[2][7], -1.3f);
}

TEST_F(AircraftFile, ExactTextOfTheLines)
{
    using airwright::pln;
    pln.is_heli = 1;
    pln.els[4] = 2;
    pln.anginc[4][0] = 2.0f;
    pln.anginc[4][1] = 1.5f;
    pln.wash[4][0] = 7;   // any non-zero flag is written as 1
    pln.wash[4][1] = 0;
    pln.semiB[4] = 17.46f;
    pln.yarm[2][8] = -80.0f;
    write_sample();
    std::string t = slurp(acf);
    EXPECT_EQ(t.rfind("I\n25 version\n\n100 checkpoint: INSTRUMENTS\n\n"
                      "     1 aircraft type, plane/helicopter\nN 12 AB  X\n"
                      "     2 indication type, 1=mph, 2=kts\n    55 Vso\n", 0), 0u);
    EXPECT_NE(t.find("\n  1200 max power\n"), std::string::npos);
    EXPECT_NE(t.find("\n1234567 max thrust\n"), std::string::npos);
    EXPECT_NE(t.find("\n  1.00 Mmo\n"), std::string::npos);
    EXPECT_NE(t.find("\n\n101 checkpoint: POWERPLANT\n\n"), std::string::npos);
    EXPECT_NE(t.find("\n\n102 checkpoint\n\nroot lo 0.afl\nRoot Hi 0.AFL\n"), std::string::npos);
    EXPECT_NE(t.find("\n   2.0    1.5  angle incidence\n1 0  in propwash\n"), std::string::npos);
    EXPECT_NE(t.find("\n  17.5 semi-span, ft\n"), std::string::npos);
    // Part 3 has no elements: its rows are the labels alone.
    EXPECT_NE(t.find("\n     0 integration sections\n angle incidence\n in propwash\n"
                     " 1 stall-strip-equipped\n ailn\n splr\n flap\n slat\n sbrk\n tilt\n drud\n"),
              std::string::npos);
    EXPECT_NE(t.find("\n-3 stall-strip-equipped\n1 0 1 0 1 0 1 0  ailn\n"), std::string::npos);
    EXPECT_EQ(t.find("104 checkpoint"), std::string::npos);
    EXPECT_NE(t.find("\n\n109 checkpoint\n\n"), std::string::npos);
    EXPECT_NE(t.find("\n\n110 checkpoint: FOILS\n\nSplit Flap.flp\n"), std::string::npos);
    EXPECT_NE(t.find("\n     9 number stations\n     5 number radial points\n"), std::string::npos);
    EXPECT_NE(t.find(" fuse x,y,z station #8, radial position #4\n\n113 checkpoint: WEIGHT&BAL\n"),
              std::string::npos);
    EXPECT_NE(t.find("\n -80.0 lat  arm, ft\n"), std::string::npos);
    EXPECT_EQ(t.substr(t.size() - 10), " roll 1&2\n");
    // Items 5 to 12 of a part block exist for parts 0 and 1 only.
    size_t part2 = t.find("\n105 checkpoint\n");
    EXPECT_EQ(t.find(" var pitch EQ", part2), std::string::npos);
    EXPECT_NE(t.find(" var pitch EQ"), std::string::npos);
}

TEST_F(AircraftFile, HelicopterDiffersOnlyInItsTypeFlag)
{
    write_sample();
    std::string plane = slurp(acf);
    airwright::pln.is_heli = 1;
    write_sample();
    std::string heli = slurp(acf);
    ASSERT_EQ(plane.size(), heli.size());
    int differing = 0;
    for (size_t k = 0; k < plane.size(); k++)
        differing += plane[k] != heli[k];
    EXPECT_EQ(differing, 1);
}

TEST_F(AircraftFile, SimulatorConvertsToSI)
{
    airwright::pln.semiB[4] = 17.46f;
    write_sample();
    ASSERT_EQ(sim_read(acf), "");
    EXPECT_NEAR(pln.pmax, 894840.0f, 0.5f);
    EXPECT_NEAR(pln.omegamax, 282.743f, 1e-3f);
    EXPECT_NEAR(pln.omegamin, 62.832f, 1e-3f);
    EXPECT_NEAR(pln.semiB[2], 12 * 0.3048f, 1e-5f);
    EXPECT_NEAR(pln.semiB[4], 5.334f, 1e-5f);   // written as 17.5 ft
    EXPECT_NEAR(pln.critalt, 3657.6f, 1e-2f);
    EXPECT_NEAR(pln.m_empty, 1500 * 0.4535925f, 1e-3f);
    EXPECT_NEAR(pln.tmax, 1234567 * 0.4535925f * con.g, 5.0f);
    EXPECT_NEAR(pln.facejet, 12 * 0.09290304f, 1e-5f);
    EXPECT_NEAR(pln.vstabminv, 51.4444f, 1e-3f);
    EXPECT_NEAR(pln.xarm[2][8], airwright::pln.xarm[2][8] * 0.3048f, 1e-4f);
    EXPECT_NEAR(pln.fuse_z[8][4], airwright::pln.fuse_z[8][4] * 0.3048f, 1e-4f);
    EXPECT_NEAR(pln.floatnoseup[5], airwright::pln.floatnoseup[5] * 0.3048f, 1e-4f);
    EXPECT_NEAR(pln.puffN, airwright::pln.puffN * con.ftlbtonm, 1e-3f);
    EXPECT_FLOAT_EQ(pln.jatoleft, 15.0f);
    EXPECT_EQ(pln.jatotheta, 30);
    EXPECT_NEAR(pln.cosjato, 0.8660254f, 1e-6f);
    EXPECT_EQ(pln.as_is_kias, 1);
    EXPECT_FLOAT_EQ(pln.Vne, 190.0f);
    EXPECT_STREQ(pln.tailnum, "N 12 AB  X");
    EXPECT_STREQ(pln.Rafl1[6], "Root Hi 6.AFL");
    // Designer-only lines are skipped without losing step.
    EXPECT_FLOAT_EQ(pln.minpitch[1], airwright::pln.minpitch[1]);
    EXPECT_FLOAT_EQ(pln.cdfuse, 2.0f);
    EXPECT_FLOAT_EQ(pln.propdir[0], 1.0f);
    EXPECT_FLOAT_EQ(pln.propdir[1], -1.0f);
    EXPECT_EQ(pln.varpitchEQ, 1);
    EXPECT_EQ(pln.autobrk, 2);
    EXPECT_FLOAT_EQ(pln.ASp1, airwright::pln.ASp1);
    EXPECT_FLOAT_EQ(pln.ASr2, airwright::pln.ASr2);
    EXPECT_STREQ(pln.flap_path, "/app/flaps/Split Flap.flp");
}

TEST_F(AircraftFile, SimulatorAdjustmentsWhileReading)
{
    write_sample();
    ASSERT_EQ(sim_read(acf), "");
    EXPECT_EQ(pln.layouttype, 5);
    EXPECT_EQ(pln.foileq[0], 1);
    EXPECT_EQ(pln.foileq[1], 1);
    EXPECT_EQ(pln.els[2], 8);
    EXPECT_FLOAT_EQ(pln.dblel[2], 8.0f);
    EXPECT_NEAR(pln.spanarm[2][7], 7.5f / 8 * 12 * 0.3048f, 1e-5f);
    EXPECT_NEAR(pln.xarm[1][0], 0.5f / pln.els[1] * 11 * 0.3048f, 1e-5f);
    EXPECT_EQ(pln.ailnEQ + pln.splrEQ + pln.flapEQ + pln.slatEQ + pln.sbrkEQ, 5);
    EXPECT_EQ(pln.drudEQ + pln.elevEQ + pln.ruddEQ, 3);
    EXPECT_EQ(pln.strp[2], -3);
    EXPECT_EQ(pln.strp[4], 0);
    EXPECT_EQ(pln.nwsteerEQ, 1);
    EXPECT_FLOAT_EQ(pln.nwsteer, 30.0f);   // nose wheel ahead of the mains
    EXPECT_EQ(pln.collect_eq, 1);          // vectored, not jets
    EXPECT_EQ(pln.flying_stab, 1);
    EXPECT_FLOAT_EQ(pln.AShiV, 81.0f);
    EXPECT_FLOAT_EQ(pln.ASdelV, 1.0f);
    EXPECT_EQ(pln.sweepnow[2], pln.sweep2[2]);   // autosweep and variable sweep
    EXPECT_NEAR(pln.turboboost, 1.0f - powf(1.0f - 2.306e-5f * 3657.6f, 4.14f), 1e-5f);
}

TEST_F(AircraftFile, SimulatorHelicopterAndEnginelessCases)
{
    using airwright::pln;
    pln.is_heli = 1;
    pln.numen = 0;
    pln.entype = 3;
    pln.gearEQ = 0;
    pln.mgearx = -8;
    pln.hstbtrimmax = 0;
    pln.flap[2][0] = 0;   // keep the flap flag on elements of part 2 ...
    pln.semiB[2] = 0;     // ... of a part that does not exist
    pln.semiB[4] = 0;
    for (int e = 0; e < MAX_ELS; e++) pln.flap[3][e] = 0;
    write_sample();
    ASSERT_EQ(sim_read(acf), "");
    EXPECT_EQ(::pln.layouttype, 8);
    EXPECT_EQ(::pln.entype, 0);
    EXPECT_EQ(::pln.foileq[0] + ::pln.foileq[1], 2);   // helicopter rotors
    EXPECT_EQ(::pln.foileq[2], 0);
    EXPECT_EQ(::pln.flapEQ, 0);
    EXPECT_EQ(::pln.retractEQ, 0);
    EXPECT_FLOAT_EQ(::pln.nwsteer, -30.0f);   // tail wheel
    EXPECT_EQ(::pln.flying_stab, 0);
    EXPECT_FLOAT_EQ(::pln.hstbtrimmax, 0.8f);
}

TEST_F(AircraftFile, SinglePistonHasNoSecondPropeller)
{
    airwright::pln.numen = 1;
    write_sample();
    ASSERT_EQ(sim_read(acf), "");
    EXPECT_EQ(pln.foileq[0], 1);
    EXPECT_EQ(pln.foileq[1], 0);
}

TEST_F(AircraftFile, EveryFailedCheckpointNamesBothNumbers)
{
    write_sample();
    const int numbers[] = {100, 101, 102, 103, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117};
    for (int n : numbers) {
        char line[32];
        snprintf(line, sizeof line, "\n%d checkpoint", n);
        std::string bad = edited(line, "\n999 checkpoint");
        EXPECT_EQ(sim_read(bad),
                  "An error occurred during read-in of the aircraft file. A checkpoint was not met. "
                  "This means that the file cannot be read correctly.|"
                  "The corrupted aircraft file (which may just be from a different version of the simulator) is: "
                  "test.acf|The desired checkpoint was: " + std::to_string(n) +
                      "|The data that was actually read in from the file was: 999");
        EXPECT_EQ(designer_read(bad),
                  "An error occurred during read-in of the aircraft file.|"
                  "Either the file has been corrupted,or it is not really an aircraft file.|"
                  "Wanted checkpoint " + std::to_string(n) + ", but got point 999.|");
    }
}

TEST_F(AircraftFile, AMissingValueIsCaughtAtTheNextCheckpoint)
{
    write_sample();
    std::string bad = edited("    55 Vso\n", "");
    std::string message = sim_read(bad);
    EXPECT_NE(message.find("The desired checkpoint was: 101|"), std::string::npos);
    EXPECT_EQ(message.find("actually read in from the file was: 101"), std::string::npos);
}

TEST_F(AircraftFile, ElementCountOutsideTheSlotsIsRefused)
{
    write_sample();
    for (const char *count : {"     9", "    -1", "999999"}) {
        std::string bad = edited("     0 integration sections", std::string(count) + " integration sections");
        EXPECT_NE(sim_read(bad).find("The desired checkpoint was: 106|"
                                     "The data that was actually read in from the file was: " +
                                     std::to_string(atoi(count))), std::string::npos) << count;
        EXPECT_NE(designer_read(bad).find("Wanted checkpoint 106, but got point"), std::string::npos);
    }
}

TEST_F(AircraftFile, FuselageCounts)
{
    write_sample();
    const std::string second =
        "|Make sure the fuselage has the same number of data points as other planes used by the sim!||";
    std::string stations = edited("     9 number stations", "     8 number stations");
    EXPECT_EQ(sim_read(stations), "Number of fuselage station-data points wrong!" + second);
    EXPECT_EQ(designer_read(stations), "Number of fuselage station-data points wrong!" + second);
    std::string radials = edited("     5 number radial", "     4 number radial");
    EXPECT_EQ(sim_read(radials), "Number of fuselage radial-data points wrong!" + second);
    EXPECT_EQ(designer_read(radials), "Number of fuselage radial-data points wrong!" + second);
}

TEST_F(AircraftFile, VersionMarkerAndOpeningMessages)
{
    write_sample();
    std::string old = edited("I\n25 version", "I\n24 version");
    std::string wrong = "The following file is the wrong version for this version of Vortan:|" + old +
                        "|Throw that file away. You should only use the files that came with the program."
                        "|You may have to install Vortan again.";
    EXPECT_EQ(sim_read(old), wrong);
    EXPECT_EQ(designer_read(old), wrong);
    std::string marker = edited("I\n25", "X\n25");
    EXPECT_EQ(designer_read(marker), marker + "|is not a Corvane file, on this computer or any other!|"
                                              "If it is, it has become corrupted and must be thrown away!|");
    std::string none = path("none.acf");
    EXPECT_EQ(designer_read(none), "I am unable to open the airplane! Sorry!!!|I am trying to open:|" + none +
                                       "|The actual file-opening has failed. InfOpen failed after string selected!");
    EXPECT_EQ(sim_read(none), "not opened");
}

TEST_F(AircraftFile, TruncatedAfterTheLastCheckpointIsRefused)
{
    write_sample();
    std::string text = slurp(acf);
    spit(path("cut.acf"), text.substr(0, text.rfind(" hdng 1&2")));
    EXPECT_NE(sim_read(path("cut.acf")).find("The desired checkpoint was: 117"), std::string::npos);
    EXPECT_NE(designer_read(path("cut.acf")).find("Wanted checkpoint 117"), std::string::npos);
}

TEST_F(AircraftFile, CarriageReturnFilesReadLikeLineFeedFiles)
{
    write_sample();
    std::string lf = slurp(acf);
    std::string crlf, cr;
    for (char ch : lf) {
        crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
        cr += ch == '\n' ? '\r' : ch;
    }
    cr[0] = 'A';
    ASSERT_EQ(sim_read(acf), "");
    planestruct from_lf = pln;
    for (const std::string &text : {crlf, cr}) {
        spit(path("other.acf"), text);
        ASSERT_EQ(sim_read(path("other.acf")), "");
        EXPECT_EQ(memcmp(&from_lf, &pln, sizeof pln), 0);
        ASSERT_EQ(designer_read(path("other.acf")), "");
        EXPECT_STREQ(airwright::pln.tailnum, "N 12 AB  X");
        EXPECT_FLOAT_EQ(airwright::pln.ASr2, from_lf.ASr2);
    }
}

TEST_F(AircraftFile, HugeValuesStayFiniteInTheSimulator)
{
    write_sample();
    std::string bad = edited("  1200 max power", "1e38 max power");
    ASSERT_EQ(sim_read(bad), "");
    EXPECT_TRUE(std::isfinite(pln.pmax));
    std::string high = edited(" 12000 crit alt", "9000000 crit alt");
    ASSERT_EQ(sim_read(high), "");
    EXPECT_TRUE(std::isfinite(pln.turboboost));
    EXPECT_FLOAT_EQ(pln.turboboost, 1.0f);
}

TEST_F(AircraftFile, FailedWriteReportsAndKeepsTheOldFile)
{
    spit(acf, "old contents");
    std::filesystem::create_directory(acf + ".tmp~");   // the temporary file cannot be made
    EXPECT_EQ(airwright::writeout_file(acf.c_str()), 0);
    EXPECT_EQ(slurp(acf), "old contents");
    EXPECT_EQ(airwright::writeout_file(path("no/such/folder/x.acf").c_str()), 0);
}
