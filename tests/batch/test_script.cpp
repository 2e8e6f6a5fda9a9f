// Scenario files: what each bad line is told, with its line number, and the
// executable's exit status and CSV.
#include "tests/batch/batch_fixture.h"

namespace {

class ScriptTest : public UserFolderTest {
  protected:
    // The reason batch_parse_line gives for one line ("" when it is good).
    static std::string why(const char *line)
    {
        BatchCommand c;
        char w[MAX_STR];
        return batch_parse_line(line, 1, &c, w) < 0 ? std::string(w) : std::string();
    }
    BatchRun run(const std::string &scenario)
    {
        std::string file = path("s.txt");
        std::ofstream(file) << scenario;
        return run_batch(file, dir.string());
    }
};

TEST_F(ScriptTest, GoodLinesParseWithTheirNumbers)
{
    BatchCommand c;
    char w[MAX_STR];
    EXPECT_EQ(batch_parse_line("   # only a comment", 3, &c, w), 0);
    EXPECT_EQ(batch_parse_line("", 4, &c, w), 0);
    ASSERT_EQ(batch_parse_line("at 12.5 set flaps 0.4  # half", 7, &c, w), 1);
    EXPECT_EQ(c.line, 7);
    EXPECT_EQ(c.verb, BV_SET);
    EXPECT_EQ(c.kind, BC_FLAPS);
    EXPECT_FLOAT_EQ(c.at_s, 12.5f);
    EXPECT_FLOAT_EQ(c.v[0], 0.4f);
    ASSERT_EQ(batch_parse_line("weather wind 270 15 gust 25", 1, &c, w), 1);
    EXPECT_EQ(c.kind, BW_WIND);
    EXPECT_FLOAT_EQ(c.v[2], 25.0f);
    ASSERT_EQ(batch_parse_line("output 10 t,alt_ft kias", 1, &c, w), 1);
    EXPECT_EQ(c.ncols, 3);
    EXPECT_STREQ(batch_column_name(c.cols[2]), "kias");
    ASSERT_EQ(batch_parse_line("start final lax 25L ils", 1, &c, w), 1);
    EXPECT_EQ(c.verb, BV_START_FINAL);
    EXPECT_EQ(c.kind, 1);
    EXPECT_STREQ(c.runway, "25L");
}

TEST_F(ScriptTest, BadLinesSayWhatIsWrong)
{
    EXPECT_EQ(why("fly 10"), "unknown command: fly");
    EXPECT_EQ(why("set throttle lots"), "expected a number for throttle");
    EXPECT_EQ(why("set throttle 1.5"), "throttle out of range (0..1): 1.5");
    EXPECT_EQ(why("set thrust 1"), "unknown control (throttle, mixture, prop, elevator, aileron, rudder, trim, "
                                   "flaps, brakes, gear, weight, collective): thrust");
    EXPECT_EQ(why("output 5 t,speed"), "unknown output column: speed");
    EXPECT_EQ(why("run nan"), "expected a number for run time");
    EXPECT_EQ(why("run 1e400"), "expected a number for run time");
    EXPECT_EQ(why("frame 0"), "frame period out of range (0.001..0.2): 0");
    EXPECT_EQ(why("start final LAX 25L visual"), "a final is vfr or ils, not visual");
    EXPECT_EQ(why("start air 34 -118 5000 100"), "usage: start air <lat> <lon> <alt ft> <kias> <heading deg>");
    EXPECT_EQ(why("at 5 at 6 trim"), "at cannot be nested");
    EXPECT_EQ(why("at 5 run 10"), "at cannot delay run");
    EXPECT_EQ(why("weather wind 270 15 gusts 20"), "usage: weather wind <dir deg> <kt> [gust <kt>]");
    EXPECT_EQ(why("trim now"), "usage: trim [climb]");
    EXPECT_EQ(why("start catapult LAX 25R"), "usage: start catapult [<airport id>]");
    EXPECT_EQ(why("launch now"), "usage: launch");
    EXPECT_EQ(why("ramp elevator 0.5"), "usage: ramp <control> <value> <seconds>");
    EXPECT_EQ(why("ramp elevator 0.5 -3"), "ramp time out of range (0..1e6): -3");
    EXPECT_EQ(why(std::string(5000, 'x').c_str()), "line too long");
}

TEST_F(ScriptTest, FileErrorsNameFileAndLine)
{
    std::string p = path("bad.txt");
    std::ofstream(p) << "# a scenario\n\naircraft Aircraft/Trainer.acf\r\nset elevator -2\nrun 5\n";
    static BatchScript s;
    char buf[512] = "";
    FILE *err = fmemopen(buf, sizeof buf, "w");
    EXPECT_EQ(batch_read_script(p.c_str(), &s, err), 0);
    fclose(err);
    EXPECT_EQ(std::string(buf), p + ":4: elevator out of range (-1..1): -2\n");
}

TEST_F(ScriptTest, ExecutableRefusesBadScenariosWithAStatus)
{
    auto refused = [this](const char *scenario, const char *message) {
        BatchRun r = run(scenario);
        EXPECT_NE(r.status, 0) << scenario;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        return r;
    };
    BatchRun r = refused("aircraft Aircraft/Trainer.acf\n\nstart runway SFO 28R\nset flaps up\n",
                         "s.txt:4: expected a number for flaps");
    EXPECT_EQ(r.out, "");   // nothing flown
    refused("aircraft Aircraft/NoSuchPlane.acf\nstart runway SFO 28R\nrun 1\n", "s.txt:1: aircraft file not found");
    refused("aircraft Aircraft/Trainer.acf\nstart runway QQQ 09\nrun 1\n", "s.txt:2: unknown airport: QQQ");
    refused("aircraft Aircraft/Trainer.acf\nstart runway SFO 05\nrun 1\n", "s.txt:2: airport SFO has no runway 05");
    refused("set throttle 1\n", "s.txt:1: no flight yet");
    // Out over the ocean, beyond the scenery: refused, not ended by the loader.
    r = refused("aircraft Aircraft/Trainer.acf\nstart air 30.5 -140.5 3000 100 90\nrun 1\n",
                "s.txt:2: no airport in the scenery round 30.50 -140.50");
    EXPECT_EQ(r.err.find("reset the preferences"), std::string::npos) << r.err;
}

TEST_F(ScriptTest, ExecutableWritesRowsAtTheOutputRate)
{
    BatchRun r = run("aircraft Aircraft/Trainer.acf\nstart runway SFO 28R\nframe 0.02\n"
                     "output 5 t,on_ground,flaps\nat 0.5 set flaps 1\nrun 2\n");
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream in(r.out);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "t,on_ground,flaps");
    int rows = 0;
    double t = 0, flaps = 0;
    while (std::getline(in, line)) {
        EXPECT_EQ(sscanf(line.c_str(), "%lf,%*d,%lf", &t, &flaps), 2) << line;
        EXPECT_NEAR(t, rows * 0.2, 1e-6);
        rows++;
    }
    EXPECT_EQ(rows, 11);   // 0, 0.2 .. 2.0
    EXPECT_GT(flaps, 0.0);  // the timed command ran: flaps are moving
}

// A scan of starts, each read with "run 0" at the same moment, writes a
// row for every start (the rows once stopped after half a frame's worth),
// and a timed run after them goes on at the output rate without repeating
// the last.
TEST_F(ScriptTest, EveryRunOfNoTimeWritesARow)
{
    std::string scan = "aircraft Aircraft/Trainer.acf\noutput 1000 kias\n";
    for (int k = 0; k < 40; k++)
        scan += "start air 34.0 -118.3 3000 " + std::to_string(60 + k) + " 90\nrun 0\n";
    BatchRun r = run(scan + "output 1000 t\nrun 0.05\n");
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream in(r.out);
    std::string line;
    std::getline(in, line);
    for (int k = 0; k < 40; k++) {
        ASSERT_TRUE(std::getline(in, line)) << k;
        EXPECT_NEAR(atof(line.c_str()), 60 + k, 1.0) << k;
    }
    std::getline(in, line);
    EXPECT_EQ(line, "t");
    int rows = 0;
    while (std::getline(in, line))
        rows++;
    EXPECT_EQ(rows, 2);   // at 0 and 0.05 s: one a frame, the output being faster
}

TEST_F(ScriptTest, AutopilotCommandsParseAndRefuseBadTargets)
{
    BatchCommand c;
    char w[MAX_STR];
    ASSERT_EQ(batch_parse_line("hold heading 270", 1, &c, w), 1);
    EXPECT_EQ(c.verb, BV_HOLD);
    EXPECT_EQ(c.kind, BH_HEADING);
    EXPECT_FLOAT_EQ(c.v[0], 270.0f);
    ASSERT_EQ(batch_parse_line("at 30 hold vs -500", 2, &c, w), 1);
    EXPECT_EQ(c.kind, BH_VS);
    EXPECT_FLOAT_EQ(c.at_s, 30.0f);
    EXPECT_FLOAT_EQ(c.v[0], -500.0f);
    ASSERT_EQ(batch_parse_line("at 60 release", 3, &c, w), 1);
    EXPECT_EQ(c.verb, BV_RELEASE);
    EXPECT_FLOAT_EQ(c.at_s, 60.0f);
    const std::string usage = "usage: hold heading <deg> | altitude <ft> | vs <fpm> | speed <kt> | nav1 | nav2 | glideslope";
    EXPECT_EQ(why("hold pitch 5"), "unknown autopilot mode (heading, altitude, vs, speed, nav1, nav2, glideslope): pitch");
    EXPECT_EQ(why("hold altitude"), usage);
    EXPECT_EQ(why("hold vs fast"), "expected a number for vs");
    EXPECT_EQ(why("hold speed -5"), "speed out of range (0..2000): -5");
    EXPECT_EQ(why("hold altitude 5000 ft"), usage);
    EXPECT_EQ(why("hold nav1 5"), "unknown autopilot mode (heading, altitude, vs, speed, nav1, nav2, glideslope): nav1");
    ASSERT_EQ(batch_parse_line("at 20 hold glideslope", 4, &c, w), 1);
    EXPECT_EQ(c.kind, BH_GLIDESLOPE);
    EXPECT_FLOAT_EQ(c.at_s, 20.0f);
    EXPECT_EQ(why("release all"), "usage: release");
    BatchRun r = run("hold heading 90\n");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("s.txt:1: no flight yet"), std::string::npos) << r.err;
}

TEST_F(ScriptTest, RadioCommandsTakeOnlyFrequenciesTheRadiosShow)
{
    BatchCommand c;
    char w[MAX_STR];
    ASSERT_EQ(batch_parse_line("tune nav2 111.70", 1, &c, w), 1);
    EXPECT_EQ(c.verb, BV_TUNE);
    EXPECT_EQ(c.kind, BT_NAV2);
    ASSERT_EQ(batch_parse_line("at 5 tune adf 344", 1, &c, w), 1);
    EXPECT_EQ(c.kind, BT_ADF);
    ASSERT_EQ(batch_parse_line("obs 2 -62", 1, &c, w), 1);
    EXPECT_EQ(c.verb, BV_OBS);
    EXPECT_EQ(c.kind, 1);
    EXPECT_EQ(why("tune nav1 111.72"), "NAV frequencies go in steps of 0.05 MHz: 111.72");
    EXPECT_EQ(why("tune nav1 118.00"), "nav1 out of range (108..117.95): 118.00");
    EXPECT_EQ(why("tune adf 344.5"), "ADF frequencies are whole kHz: 344.5");
    EXPECT_EQ(why("tune com1 121.5"), "unknown radio (nav1, nav2, adf): com1");
    EXPECT_EQ(why("tune nav1"), "usage: tune nav1|nav2 <MHz> | adf <kHz>");
    EXPECT_EQ(why("obs 3 90"), "the course selectors are 1 and 2, not 3");
}

// A corrupt aircraft ends the run with the loader's message and a failure
// status, and leaves the simulator's preferences as they were; a file that
// is no aircraft at all is refused like any bad command.
TEST_F(ScriptTest, CorruptAircraftFailsWithoutTouchingThePreferences)
{
    char prf[MAX_STR];
    ASSERT_TRUE(user_file_path(USER_CONFIG, "Vortan.prf", prf));
    const std::string prefs = "I\n1 version\nthe user's own settings\n";
    std::ofstream(prf) << prefs;
    const char *d = getenv("VORTAN_PROGRAM_DIR");
    std::string trainer = read_all(std::string(d ? d : ".") + "/Aircraft/Trainer.acf");
    ASSERT_GT(trainer.size(), 4000u);
    std::ofstream(path("cut.acf")) << trainer.substr(0, 3000);   // ends before the first checkpoint
    BatchRun r = run("aircraft " + path("cut.acf") + "\nstart runway SFO 28R\nrun 1\n");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("A checkpoint was not met"), std::string::npos) << r.err;
    EXPECT_EQ(read_all(prf), prefs);
    std::ofstream(path("junk.acf")) << "not an aircraft\n";
    r = run("aircraft " + path("junk.acf") + "\nrun 1\n");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("s.txt:1: not an aircraft file of this version"), std::string::npos) << r.err;
    EXPECT_EQ(read_all(prf), prefs);
}

// A design saved in the user's data folder (where the designers save when
// the program folder takes no new files) flies by the same relative name;
// a name found in neither is refused with the program folder's path.
TEST_F(ScriptTest, AircraftNotInTheProgramFolderAreLookedForInTheUsersFolder)
{
    const char *d = getenv("VORTAN_PROGRAM_DIR");
    std::string program = std::string(d ? d : ".");
    std::filesystem::create_directories(path("data/vortan/Aircraft"));
    std::ofstream(path("data/vortan/Aircraft/Mine.acf")) << read_all(program + "/Aircraft/Trainer.acf");
    BatchRun r = run("aircraft Aircraft/Mine.acf\nstart runway SFO 28R\nrun 1\n");
    EXPECT_EQ(r.status, 0) << r.err;
    r = run("aircraft Aircraft/Nobody.acf\nrun 1\n");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("aircraft file not found: " + program), std::string::npos) << r.err;
}

}   // namespace
