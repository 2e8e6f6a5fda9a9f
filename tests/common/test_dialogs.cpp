// Alerts, the question, the file dialogs, the display check and the fatal
// exit with the layer up.
#include "layer_fixture.h"

#include <fstream>

TEST_F(LayerTest, AlertShowsItsFourLinesAndAnswersFromTheKeyboard)
{
    test_key(KEY_ENTER, 0);
    MACIBM_alert("one", "two", "three", "four");
    ASSERT_EQ(test_alert_count(), 1);
    EXPECT_STREQ(test_alert_line(0, 0), "one");
    EXPECT_STREQ(test_alert_line(0, 3), "four");
    EXPECT_EQ(alerts_begun, 1);
    EXPECT_EQ(alerts_ended, 1);
    MACIBM_alert("nothing queued", nullptr, nullptr, nullptr);   // no input: OK, no hang
    EXPECT_EQ(test_alert_count(), 2);
    EXPECT_STREQ(test_alert_line(1, 1), "");
}

TEST_F(LayerTest, DesignersAlertsLeaveTheSoundsAlone)
{
    program_kind = PROG_FOILWRIGHT;
    MACIBM_alert("quiet", "", "", "");
    EXPECT_EQ(test_alert_count(), 1);
    EXPECT_EQ(alerts_begun, 0);
    EXPECT_EQ(alerts_ended, 0);
}

TEST_F(LayerTest, AlertIsDrawnOverTheFrame)
{
    test_mouse_move(400, 300);   // one input, then the queue is dry
    MACIBM_alert("A long first line that the panel wraps onto more than one row because it is longer than the panel is wide",
                 "", "", "");
    int white = 0, navy = 0;
    for (int x = 0; x < 800; x++)
        for (int y = 0; y < 620; y++) {
            white += test_frame_pixel(x, y) == 255;
            navy += test_frame_pixel(x, y) == 4;
        }
    EXPECT_GT(navy, 1000);   // caption strip and sign
    EXPECT_GT(white, 100);
}

TEST_F(LayerTest, AQuitDuringAnAlertClosesItAndReachesThePumpAfterwards)
{
    test_system_quit();
    EXPECT_EQ(MACIBM_respond_alert("x"), 3);
    EXPECT_TRUE(of(MSG_QUIT).empty());
    MACIBM_pump();
    EXPECT_EQ(of(MSG_QUIT).size(), 1u);
    MACIBM_pump();
    EXPECT_EQ(of(MSG_QUIT).size(), 1u);
}

TEST_F(LayerTest, QuestionAnswersYesNoCancel)
{
    test_key(KEY_ENTER, 0);
    EXPECT_EQ(MACIBM_respond_alert("Cessna.acf"), 1);
    test_key('n', 0);
    EXPECT_EQ(MACIBM_respond_alert("Cessna.acf"), 2);
    test_key(KEY_ESCAPE, 0);
    EXPECT_EQ(MACIBM_respond_alert("Cessna.acf"), 3);
    EXPECT_EQ(MACIBM_respond_alert("Cessna.acf"), 3);   // nothing queued
    test_answer_alert(2);
    EXPECT_EQ(MACIBM_respond_alert("Cessna.acf"), 2);
    EXPECT_STREQ(test_alert_line(0, 0), "Save changes to Cessna.acf first?");
}

TEST_F(LayerTest, QuestionAnswersClicksOnItsButtons)
{
    // find the No button: scan the frame for the drawn panel's buttons by
    // answering once from the keyboard first, with the panel left drawn
    test_mouse_move(0, 100);
    MACIBM_respond_alert("x");
    int first_x = -1, row_y = -1;
    for (int y = 300; y < 620 && row_y < 0; y++)
        for (int x = 0; x < 800; x++)
            if (test_frame_pixel(x, y) == 0 && test_frame_pixel(x + 1, y) == 0 &&
                test_frame_pixel(x + 40, y) == 0) {   // the default button's black rim
                first_x = x + 1;
                row_y = y + 1;
                break;
            }
    ASSERT_GE(row_y, 0);
    int no_x = first_x + 72 + 12 + 30;
    test_click(no_x, row_y + 10);
    EXPECT_EQ(MACIBM_respond_alert("x"), 2);
    test_mouse_down(no_x, row_y + 10, 1);
    test_mouse_up(first_x + 10, row_y + 10, 1);   // released elsewhere: no answer
    EXPECT_EQ(MACIBM_respond_alert("x"), 3);
}

class DialogTest : public LayerTest {
  protected:
    std::string folder;
    void SetUp() override
    {
        LayerTest::SetUp();
        folder = path("files");
        std::filesystem::create_directories(folder + "/sub");
        for (const char *name : {"a.acf", "B.ACF", "c.afl", "notes.txt", "sub/x.acf", "d.led"})
            std::ofstream(folder + "/" + name) << "I\n";
    }
    std::vector<std::string> listing() const
    {
        std::vector<std::string> out;
        for (int k = 0; k < test_dialog_entry_count(); k++)
            out.push_back(test_dialog_entry(k));
        return out;
    }
};

TEST_F(DialogTest, OpenListsOnlyTheAskedKindAndReturnsNameAndPath)
{
    char file[MAX_STR] = "", cpath[MAX_STR];
    C_to_C((folder + "/").c_str(), cpath);
    test_answer_file_dialog("a.acf");
    ASSERT_EQ(MACIBM_open(file, cpath, FILE_ACF), 1);
    EXPECT_STREQ(file, "a.acf");
    EXPECT_EQ(std::string(cpath), std::filesystem::canonical(folder).string() + "/a.acf");
    EXPECT_EQ(listing(), (std::vector<std::string>{"..", "sub", "a.acf", "B.ACF"}));
    test_answer_file_dialog(nullptr);
    C_to_C("kept", cpath);
    EXPECT_EQ(MACIBM_open(file, cpath, FILE_ACF), 0);
    EXPECT_STREQ(cpath, "kept");
    C_to_C((folder + "/c.afl").c_str(), cpath);
    EXPECT_EQ(MACIBM_open(file, cpath, FILE_PART), 0);   // nothing queued: cancel
    EXPECT_EQ(listing(), (std::vector<std::string>{"..", "sub", "c.afl", "d.led"}));
}

TEST_F(DialogTest, TypedNamesNavigateFoldersAndMissingFilesAreRefused)
{
    char file[MAX_STR] = "", cpath[MAX_STR];
    C_to_C((folder + "/a.acf").c_str(), cpath);
    for (int k = 0; k < 5; k++)
        test_key(KEY_BACKSPACE, 0);     // the proposed "a.acf" goes
    test_type_text("sub");
    test_key(KEY_ENTER, 0);
    test_type_text("nothere.acf");
    test_key(KEY_ENTER, 0);             // refused with an alert
    test_answer_alert(1);               // (which would take queued keys)
    for (int k = 0; k < 11; k++)
        test_key(KEY_BACKSPACE, 0);
    test_type_text("X.acf");            // typed with Shift
    for (int k = 0; k < 5; k++)
        test_key(KEY_BACKSPACE, 0);
    test_type_text("x.acf");
    test_key(KEY_ENTER, 0);
    ASSERT_EQ(MACIBM_open(file, cpath, FILE_ACF), 1);
    EXPECT_STREQ(file, "x.acf");
    EXPECT_EQ(std::string(cpath), std::filesystem::canonical(folder).string() + "/sub/x.acf");
    ASSERT_EQ(test_alert_count(), 1);
    EXPECT_STREQ(test_alert_line(0, 0), "nothere.acf");
}

TEST_F(DialogTest, PickingFromTheListWithKeysAndDoubleClicks)
{
    char file[MAX_STR] = "", cpath[MAX_STR];
    C_to_C((folder + "/").c_str(), cpath);
    test_key(KEY_DOWN, 0);   // ".."
    test_key(KEY_DOWN, 0);   // "sub"
    test_key(KEY_ENTER, 0);  // into sub: "..", "x.acf"
    test_key(KEY_END, 0);
    test_key(KEY_ENTER, 0);
    ASSERT_EQ(MACIBM_open(file, cpath, FILE_ACF), 1);
    EXPECT_STREQ(file, "x.acf");
}

TEST_F(DialogTest, SaveAsksBeforeReplacingAndAddsTheExtension)
{
    char file[MAX_STR] = "", cpath[MAX_STR];
    C_to_C((folder + "/a.acf").c_str(), cpath);
    test_answer_file_dialog("a.acf");
    test_answer_alert(2);    // No: back in the dialog, then cancelled
    EXPECT_EQ(MACIBM_save(file, cpath, FILE_ACF), 0);
    ASSERT_EQ(test_alert_count(), 1);
    EXPECT_STREQ(test_alert_line(0, 0), "a.acf");
    test_answer_file_dialog("a.acf");
    test_answer_alert(1);
    EXPECT_EQ(MACIBM_save(file, cpath, FILE_ACF), 1);
    test_answer_file_dialog("New Plane");
    ASSERT_EQ(MACIBM_save(file, cpath, FILE_ACF), 1);
    EXPECT_STREQ(file, "New Plane.acf");
    EXPECT_EQ(test_alert_count(), 2);   // a new name asks nothing
    test_answer_file_dialog("part");
    ASSERT_EQ(MACIBM_save(file, cpath, FILE_PART), 1);
    EXPECT_STREQ(file, "part");         // parts have no default extension
}

TEST_F(LayerTest, TheEmulatedDisplayIsAcceptedAndOthersAreJudged)
{
    set_res(1);
    EXPECT_EQ(std_res, 1);
    EXPECT_EQ(test_alert_count(), 0);
    check_display(1, 1024, 768, 8);     // larger: a warning, and the program goes on
    EXPECT_EQ(std_res, 0);
    EXPECT_STREQ(test_alert_line(0, 0), "Your machine should be set to 800x600 pixels resolution to run Vortan.");
    set_wind_size(0, 0, 0);
    EXPECT_EQ(mnw.dx[0], 806);
    EXPECT_EQ(mnw.dy[0], 626);
    try {
        check_display(1, 640, 480, 8);
        FAIL();
    } catch (const FatalExit &e) {
        EXPECT_EQ(e.s1, "Your machine must be set to at least 800x600 pixels resolution to run Vortan.");
    }
    EXPECT_TRUE(std::filesystem::exists(dir / "config/vortan/Vortan.prf"));
    EXPECT_THROW(check_display(1, 800, 600, 32), FatalExit);
}

TEST_F(LayerTest, FatalExitShowsTheAlertAndReleasesTheLayer)
{
    MACIBM_startwind(1, 1);
    EXPECT_THROW(MACIBM_exitalert("Broken!", "b", "c", "d"), FatalExit);
    ASSERT_EQ(test_alert_count(), 1);
    EXPECT_STREQ(test_alert_line(0, 0), "Broken!");
    EXPECT_EQ(mnw.up[0], 0);
    EXPECT_EQ(mnw.up[1], 0);
    EXPECT_TRUE(closed.empty());   // close handlers do not run at exit
    EXPECT_TRUE(std::filesystem::exists(dir / "data/vortan/Error.out"));
}

TEST_F(LayerTest, NoAlertWhileAWorldIsLocked)
{
    MACIBM_initgworld(0, 8, 8);
    MACIBM_settogworld(0, 8, 8, 0, 0);
    EXPECT_THROW(MACIBM_exitalert("Locked", "", "", ""), FatalExit);
    EXPECT_EQ(test_alert_count(), 0);
    EXPECT_EQ(locked, 0);
}

// An installed program's folders of designs take no new files, so the
// designers save in the user's folder of the same kind; the program's
// dialogs list those designs with the program's own, and a save dialog
// starts there when the design's own folder is read-only.
TEST_F(DialogTest, TheUsersOwnDesignsSitBesideTheProgramsAndTakeItsSaves)
{
    char kept[MAX_STR];
    C_to_C(app_path, kept);
    std::filesystem::path prog = path("prog"), mine = path("data/vortan/Aircraft");
    std::filesystem::create_directories(prog / "Aircraft");
    std::filesystem::create_directories(mine);
    for (const std::filesystem::path &p : {prog / "Aircraft" / "Trainer.acf", mine / "Longwing.acf", mine / "notes.txt"})
        std::ofstream(p) << "I\n";
    C_to_C((prog.string() + "/").c_str(), app_path);
    char file[MAX_STR] = "", cpath[MAX_STR];
    ap_dir("Aircraft", "", cpath);
    test_key(KEY_END, 0);
    test_key(KEY_ENTER, 0);
    ASSERT_EQ(MACIBM_open(file, cpath, FILE_ACF), 1);
    EXPECT_EQ(listing(), (std::vector<std::string>{"..", "Trainer.acf", "Longwing.acf  (yours)"}));
    EXPECT_EQ(std::string(cpath), std::filesystem::canonical(mine / "Longwing.acf").string());
    EXPECT_STREQ(file, "Longwing.acf");
    C_to_C((folder + "/").c_str(), cpath);   // any other folder lists itself only
    EXPECT_EQ(MACIBM_open(file, cpath, FILE_ACF), 0);
    EXPECT_EQ(listing(), (std::vector<std::string>{"..", "sub", "a.acf", "B.ACF"}));

    char proposed[MAX_STR];
    std::string writable = (prog / "Aircraft" / "Trainer.acf").string();
    save_proposal(writable.c_str(), "Aircraft", proposed);
    EXPECT_EQ(std::string(proposed), writable);
    save_proposal("/proc/self/Trainer.afl", "airfoils", proposed);   // /proc takes no files
    EXPECT_EQ(std::string(proposed), path("data/vortan/airfoils/Trainer.afl"));
    EXPECT_TRUE(std::filesystem::is_directory(path("data/vortan/airfoils")));
    EXPECT_TRUE(designer_recovery_path("/proc/self/Trainer.acf", "Trainer.acf", proposed));
    EXPECT_EQ(std::string(proposed), path("data/vortan/Trainer-recovered.acf"));
    EXPECT_TRUE(designer_recovery_path(writable.c_str(), "Trainer.acf", proposed));
    EXPECT_EQ(std::string(proposed), (prog / "Aircraft" / "Trainer-recovered.acf").string());
    C_to_C(kept, app_path);
}
