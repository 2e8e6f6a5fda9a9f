// The simulator's start-up: its sequence, the progress bar, the sound and
// joystick checks and their alerts, and the ways the program ends.
#include "sim_fixture.h"
#include "sound/sound.h"

#include <fstream>
#include <sstream>

TEST_F(SimTest, StartUpMakesTheViewWorldAndTheWindowTable)
{
    start();
    EXPECT_EQ(test_world_pixel(0, 799, 567), 0);
    EXPECT_EQ(test_world_pixel(0, 800, 0), -1);
    EXPECT_EQ(test_world_pixel(0, 0, 568), -1);
    EXPECT_STREQ(mnw.windowname[1], "Go To Airport");
    EXPECT_EQ(mnw.x[1], 321);
    EXPECT_EQ(mnw.y[1], 66);
    EXPECT_EQ(mnw.dx[10], 683);
    EXPECT_STREQ(mnw.windowname[16], "");
    EXPECT_EQ(msc.sound_ready, 1);
    EXPECT_EQ(msc.sound_avail, 1);   // the dummy audio device opens
    EXPECT_EQ(msc.speech_avail, 1);   // the speech synthesiser, heard through that device
    EXPECT_GE(env.apt_max, 0);   // the start region loaded
    EXPECT_EQ(draw_init_loc, 0);
    EXPECT_EQ(alerts_starting("Sound init failure!"), 0);
}

TEST_F(SimTest, StartUpLoadsEverySoundAndStartsEngineAndWind)
{
    start();
    for (int i = 0; i < NSOUNDS; i++)
        EXPECT_GT(sound_state(i).nframes, 0) << i;
    EXPECT_TRUE(sound_state(SND_RECIP).playing);   // the trainer's piston engine
    EXPECT_TRUE(sound_state(SND_WIND).playing);
    // An alert stops them while it is up and starts them again after.
    MACIBM_alert("Testing.", "", "", "");
    EXPECT_TRUE(sound_state(SND_RECIP).playing);
}

TEST_F(SimTest, NoAudioDeviceMeansSilenceAndTheAlert)
{
    test_set_audio_device(0);
    start();
    EXPECT_EQ(msc.sound_avail, 0);
    ASSERT_EQ(alerts_starting("Sound init failure!"), 1);
    EXPECT_EQ(msc.sound_ready, 1);   // start-up went on
}

TEST_F(SimTest, JoystickCheckNamesTheCause)
{
    struct Case { int state, code; const char *text; };
    const Case cases[] = {
        {JOY_NO_SUPPORT, 4, "My system-checking indicates that Linux is NOT set up to handle any joysticks!"},
        {JOY_NONE_PLUGGED, 5, "My system-checking indicates that there are no joysticks plugged in!"},
        {JOY_OPEN_FAILED, 6, "My system-checking indicates that there is no joystick DRIVER on this computer!"},
    };
    for (const Case &c : cases) {
        test_set_joystick_state(c.state);
        EXPECT_EQ(init_WIN95(), c.code);
        int before = test_alert_count();
        EXPECT_EQ(MACIBM_initjoy(), 0);
        ASSERT_EQ(test_alert_count(), before + 1);
        EXPECT_STREQ(test_alert_line(before, 0), c.text);
        EXPECT_EQ(set.controls_type, 3);
    }
}

TEST_F(SimTest, AJoystickIsStartedAndTheUserAskedToCentreIt)
{
    test_set_joystick_state(JOY_PRESENT);
    start();
    EXPECT_EQ(set.controls_type, 2);
    EXPECT_EQ(alerts_starting("Center the trim on your joystick."), 1);
    EXPECT_EQ(msc.mouse_is_joy, 0);
}

TEST_F(SimTest, ProgressCellsStepAcrossTheSplash)
{
    const int GREEN = 24;
    begin_progress();
    show_init();
    show_init();
    EXPECT_EQ(test_window_pixel(0, 64, 541), GREEN);   // first cell: init_loc 1
    EXPECT_EQ(test_window_pixel(0, 66, 545), GREEN);
    EXPECT_NE(test_window_pixel(0, 67, 541), GREEN);   // 3 wide
    EXPECT_NE(test_window_pixel(0, 64, 546), GREEN);   // 5 high
    EXPECT_EQ(test_window_pixel(0, 69, 541), GREEN);
    EXPECT_NE(test_window_pixel(0, 59, 541), GREEN);
    for (int k = 0; k < 60; k++)
        show_init();
    EXPECT_EQ(test_window_pixel(0, 274, 541), GREEN);  // the last cell, 59 + 5 x 43
    EXPECT_NE(test_window_pixel(0, 279, 541), GREEN);
    draw_init_loc = 0;
    MACIBM_startwind(0, 0);
    sys_fill_rect(0, 530, 800, 560, 11);
    show_init();
    EXPECT_EQ(test_window_pixel(0, 274, 541), 11);
}

TEST_F(SimTest, ExitFromTheMenuEndsWithoutAMessageAndKeepsThePreferences)
{
    start();
    env.apt_max = NO_REGION;   // as before any region loads
    std::filesystem::create_directories(dir / "config/vortan");
    std::ofstream(dir / "config/vortan/Vortan.prf") << "keep";
    test_alt_mnemonic('f');
    test_key('x', 0);
    try {
        simulate_pass();
        FAIL();
    } catch (const FatalExit &e) {
        EXPECT_EQ(e.s1, "");
    }
    std::ifstream f(dir / "config/vortan/Vortan.prf");
    std::stringstream ss;
    ss << f.rdbuf();
    EXPECT_EQ(ss.str(), "keep");   // no region loaded: not rewritten
}

TEST_F(SimTest, ClosingTheMainWindowEndsTheProgram)
{
    start();
    test_quit();
    EXPECT_THROW(simulate_pass(), FatalExit);
}

TEST_F(SimTest, ExitAlertWorksBeforeTheLayerStarts)
{
    test_shutdown_layer();
    unsetenv("HOME");
    try {
        MACIBM_exitalert("Too early", "", "", "");
        FAIL();
    } catch (const FatalExit &e) {
        EXPECT_EQ(e.s1, "Too early");
    }
    EXPECT_TRUE(std::filesystem::exists(dir / "data/vortan/Error.out"));
}

TEST(SimDeath, FatalExitStatusIsFailureAndExitIsSuccess)
{
    setenv("XDG_CONFIG_HOME", "/tmp/vortan_death_cfg", 1);
    setenv("XDG_DATA_HOME", "/tmp/vortan_death_data", 1);
    test_set_test_mode(1);
    EXPECT_EXIT(
        {
            vortan_start_layer();
            MACIBM_initgworld(0, 800, 568);
            MACIBM_initgworld(0, 800, 568);
        },
        ::testing::ExitedWithCode(1), "Trying to init a gworld that is already in use!");
    EXPECT_EXIT(
        {
            vortan_start_layer();
            test_menu_choice(206);
            MACIBM_pump();
        },
        ::testing::ExitedWithCode(0), "");
    std::filesystem::remove_all("/tmp/vortan_death_cfg");
    std::filesystem::remove_all("/tmp/vortan_death_data");
}
