// Foilwright's file commands through the layer's dialogs: the save-changes
// question, Save As then Open, Save, and a save that fails.
#include "fw_fixture.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

TEST_F(FoilTest, NewWithChangesAsksAndCancelKeepsEverything)
{
    click(9 + 5, 85 + 5);
    float edited = cl[270];
    test_answer_alert(3);
    menu(201);
    ASSERT_EQ(test_alert_count(), 1);
    EXPECT_STREQ(test_alert_line(0, 0), "Save changes to Untitled Airfoil.afl first?");
    EXPECT_FLOAT_EQ(afl.clB, 1.25f);
    EXPECT_FLOAT_EQ(cl[270], edited);
    EXPECT_EQ(msc.devicemod, 1);
    test_answer_alert(2);                  // No: discard and start anew
    menu(201);
    EXPECT_FLOAT_EQ(afl.clB, 0.25f);
    EXPECT_FLOAT_EQ(cl[270], 0.25f);
    EXPECT_EQ(msc.devicemod, 0);
    menu(201);                             // unchanged: no question
    EXPECT_EQ(test_alert_count(), 2);
}

TEST_F(FoilTest, SaveAsThenOpenGivesTheSameConstantsAndTables)
{
    click(70 + 45, 85 + 5);                // clM + 0.0001
    click(9 + 15, 191 + 5);                // Dmin + 0.1
    AFLstruct saved = afl;
    std::vector<float> tl(cl, cl + PART_TABLE_SLOTS), td(cd, cd + PART_TABLE_SLOTS),
        tm(cm, cm + PART_TABLE_SLOTS);
    std::string file = path("mine.afl");
    test_answer_file_dialog(file.c_str());
    menu(204);
    EXPECT_EQ(msc.haveaname, 1);
    EXPECT_EQ(msc.devicemod, 0);
    EXPECT_STREQ(msc.C_openfile, "mine.afl");
    menu(201);
    EXPECT_FLOAT_EQ(afl.clB, 0.25f);
    EXPECT_NE(afl.Dmin, saved.Dmin);
    test_answer_file_dialog(file.c_str());
    menu(202);
    EXPECT_EQ(0, memcmp(&afl, &saved, sizeof afl));
    for (int k = 0; k < PART_TABLE_SLOTS; k++) {
        ASSERT_FLOAT_EQ(cl[k], tl[k]) << k;
        ASSERT_FLOAT_EQ(cd[k], td[k]) << k;
        ASSERT_FLOAT_EQ(cm[k], tm[k]) << k;
    }
    EXPECT_STREQ(msc.C_openfile, "mine.afl");
    EXPECT_EQ(msc.devicemod, 0);
    // Save with a name writes straight away, no dialog.
    click(9 + 5, 85 + 5);
    menu(203);
    EXPECT_EQ(msc.devicemod, 0);
}

TEST_F(FoilTest, OpeningAFlapFromTheAirfoilScreenSwitchesDevice)
{
    menu(DEVICE_FLAP);
    click(70 + 5, 85 + 5);                 // lco2 + 1
    std::string file = path("f.flp");
    test_answer_file_dialog(file.c_str());
    menu(204);
    menu(DEVICE_AIRFOIL);
    ASSERT_EQ(msc.device, DEVICE_AIRFOIL);
    test_answer_file_dialog(file.c_str());
    menu(202);
    EXPECT_EQ(msc.device, DEVICE_FLAP);
    EXPECT_FLOAT_EQ(flp.lco2, 1.0f);
    EXPECT_FLOAT_EQ(cl[400], 2.0f + 1.0f - 0.6f);
}

TEST_F(FoilTest, FailedSaveKeepsTheChangesFlagAndSaysSo)
{
    click(9 + 5, 85 + 5);
    std::string file = path("no such folder/x.afl");
    test_answer_file_dialog(file.c_str());
    menu(204);
    EXPECT_EQ(msc.devicemod, 1);
    ASSERT_GE(test_alert_count(), 1);
    EXPECT_STREQ(test_alert_line(test_alert_count() - 1, 0), "The part could not be saved!");
    // Yes to the question, but the save fails: the New does not happen.
    test_answer_alert(1);
    menu(201);
    EXPECT_FLOAT_EQ(afl.clB, 1.25f);
    EXPECT_EQ(msc.devicemod, 1);
    // Yes with a cancelled Save As dialog keeps everything too.
    menu(DEVICE_FLAP);
    msc.haveaname = 0;
    test_answer_alert(1);
    test_answer_file_dialog(nullptr);
    menu(201);
    EXPECT_FLOAT_EQ(afl.clB, 1.25f);
}

// A part whose folder takes no new files (as an installed program's own
// airfoils: /proc stands for one here) is saved through the dialog, which
// starts in the user's folder of airfoils.
TEST_F(FoilTest, SaveOfAPartInAReadOnlyFolderGoesToTheUsersAirfoils)
{
    click(9 + 5, 85 + 5);
    C_to_C("/proc/self/Mine.afl", msc.path_name);
    C_to_C("Mine.afl", msc.C_openfile);
    msc.haveaname = 1;
    test_answer_file_dialog("Mine.afl");
    menu(203);
    std::string mine = path("data/vortan/airfoils/Mine.afl");
    EXPECT_EQ(std::string(msc.path_name), mine);
    EXPECT_EQ(msc.devicemod, 0);
    EXPECT_TRUE(std::filesystem::exists(mine));
}

TEST_F(FoilTest, ExitEndsAtOnceUnlessTheQuestionIsCancelled)
{
    click(9 + 5, 85 + 5);
    test_answer_alert(3);
    EXPECT_EQ(fatal_message([] { handlemenu(206); }), "no exit");
    EXPECT_EQ(test_alert_count(), 1);
    test_answer_alert(2);
    EXPECT_EQ(fatal_message([] { handlemenu(206); }), "");   // no message
    msc.devicemod = 0;
    EXPECT_EQ(fatal_message([] { handlemenu(206); }), "");
}

TEST_F(FoilTest, ASecondInstanceIsRefused)
{
    EXPECT_EQ(another_instance_running(), 0);   // takes the lock
    EXPECT_EQ(another_instance_running(), 1);   // a second opener is refused
}

// A signal with unsaved changes, even while the save question is up, keeps
// them in a copy beside the part (the part itself untouched) and ends; the
// next start offers the copy and goes on under its name.
TEST_F(FoilTest, ASignalKeepsUnsavedChangesInACopyTheNextStartOffers)
{
    std::string file = path("wing.afl"), copy = path("wing-recovered.afl");
    test_answer_file_dialog(file.c_str());
    menu(204);
    std::ifstream in(file, std::ios::binary);
    std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    click(9 + 5, 85 + 5);
    float edited = cl[270];
    raise(SIGTERM);
    testing::internal::CaptureStderr();
    EXPECT_EQ(fatal_message([] { menu(206); }), "");   // Exit's question meets the signal
    EXPECT_NE(testing::internal::GetCapturedStderr().find("kept in " + copy), std::string::npos);
    std::ifstream again(file, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(again)), std::istreambuf_iterator<char>()),
              saved);

    test_shutdown_layer();
    test_reset_layer();
    ASSERT_EQ(foilwright_start_layer(), 1);
    test_answer_alert(1);
    foilwright_start();
    EXPECT_STREQ(test_alert_line(0, 1), copy.c_str());
    EXPECT_STREQ(msc.C_openfile, "wing-recovered.afl");
    EXPECT_FLOAT_EQ(cl[270], edited);
    EXPECT_EQ(msc.devicemod, 0);
    EXPECT_FALSE(std::filesystem::exists(path("data/vortan/Foilwright.recovery")));
}
