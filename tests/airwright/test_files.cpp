// Airwright's files: Save As then Open, a save that fails, the round trip
// of every shipped aircraft through the designer, and the performance
// table run beside it (with a stand-in runner).
#include "aw_fixture.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

static std::string slurp(const std::string &file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Pixels of the main window's view that are neither the sheet nor its grid.
static int drawn_pixels()
{
    int n = 0;
    for (int y = 14; y < 546; y += 2)
        for (int x = 14; x < 786; x += 2) {
            int c = test_window_pixel(WIN_MAIN, x, y);
            n += c != PANEL_COLOR && c != GRID_COLOR;
        }
    return n;
}

TEST_F(AirTest, SaveAsOpenAndAFailedSave)
{
    menu(317);
    bump(WIN_WEIGHT, "Max lb", 2, 1);
    std::string file = path("mine.acf");
    test_answer_file_dialog(file.c_str());
    menu(MENU_SAVE);                       // never named: the dialog first
    EXPECT_EQ(msc.planenamed, 1);
    EXPECT_EQ(msc.planemod, 0);
    EXPECT_STREQ(pln.C_name, "mine.acf");
    EXPECT_STREQ(mnw.windowname[WIN_WEIGHT], "Weight & Balance, mine.acf");
    menu(MENU_NEW);
    EXPECT_FLOAT_EQ(pln.w_max, 0.0f);
    open_aircraft(file);
    EXPECT_FLOAT_EQ(pln.w_max, 1000.0f);
    EXPECT_EQ(msc.planemod, 0);
    // A save that cannot be written says so and keeps the changes flag.
    menu(317);
    bump(WIN_WEIGHT, "Max lb", 2, 1);
    std::string bad = path("no such folder/x.acf");
    test_answer_file_dialog(bad.c_str());
    menu(MENU_SAVE_AS);
    ASSERT_EQ(test_alert_count(), 1);
    EXPECT_STREQ(test_alert_line(0, 0), "The aircraft could not be saved!");
    EXPECT_EQ(msc.planemod, 1);
    // The save question's Yes that fails does not drop the design.
    test_answer_alert(1);
    menu(MENU_NEW);
    EXPECT_FLOAT_EQ(pln.w_max, 2000.0f);
    // Cancelling the dialog writes nothing.
    test_answer_file_dialog(nullptr);
    menu(MENU_SAVE_AS);
    EXPECT_EQ(msc.planemod, 1);
}

// A design whose folder takes no new files (as an installed program's own
// aircraft: /proc stands for one here) is saved through the dialog, which
// starts in the user's folder of aircraft.
TEST_F(AirTest, SaveOfADesignInAReadOnlyFolderGoesToTheUsersAircraft)
{
    menu(317);
    bump(WIN_WEIGHT, "Max lb", 2, 1);
    C_to_C("/proc/self/Trainer.acf", pln.C_path);
    C_to_C("Trainer.acf", pln.C_name);
    msc.planenamed = 1;
    test_answer_file_dialog("Trainer.acf");
    menu(MENU_SAVE);
    std::string mine = path("data/vortan/Aircraft/Trainer.acf");
    EXPECT_EQ(std::string(pln.C_path), mine);
    EXPECT_EQ(msc.planemod, 0);
    EXPECT_EQ(test_alert_count(), 0);
    EXPECT_NE(slurp(mine).find("1000"), std::string::npos);
}

// Flies each file for 3 s with the batch runner from 4,000 ft; returns the
// rows printed (every one finite and without a crash), or -1 when the
// runner is not there.
static int fly_with_batch_runner(const std::vector<std::string> &files, const std::string &dir)
{
    std::string runner = std::string(app_path) + "vortan-batch";
    if (access(runner.c_str(), X_OK) != 0 || access((std::string(app_path) + "DATA/gps_dat").c_str(), R_OK) != 0)
        return -1;
    std::string script = dir + "/fly.txt", out = dir + "/fly.csv";
    std::ofstream s(script);
    for (size_t k = 0; k < files.size(); k++) {
        s << "aircraft " << files[k] << "\nstart air 34 -118.3 4000 " << (k + 1 == files.size() ? 60 : 110)
          << " 90\n";
        if (k == 0)
            s << "output 1 kias,alt_ft,crashed\n";
        s << "run 3\n";
    }
    s.close();
    if (system((runner + " " + script + " >" + out + " 2>/dev/null").c_str()) != 0)
        return 0;
    std::ifstream in(out);
    std::string line;
    std::getline(in, line);
    int rows = 0;
    float kias, alt;
    int crashed;
    while (std::getline(in, line) && sscanf(line.c_str(), "%f,%f,%d", &kias, &alt, &crashed) == 3) {
        if (!(kias > 20 && kias < 300 && alt > 3000 && alt < 5000) || crashed)
            return 0;
        rows++;
    }
    return rows;
}

TEST_F(AirTest, EveryShippedAircraftSurvivesTheDesigner)
{
    const char *files[] = {"Trainer.acf", "Twin.acf", "Jet.acf", "Seaplane.acf", "Helicopter.acf"};
    std::vector<std::string> edited_files;
    int64_t t = 0;
    for (const char *name : files) {
        SCOPED_TRACE(name);
        std::string original = shipped(name);
        open_aircraft(original);
        ASSERT_STREQ(pln.C_name, name);
        EXPECT_EQ(pln.is_heli, strcmp(name, "Helicopter.acf") == 0);
        for (int v = VIEW_TOP; v <= VIEW_3D_LONG; v++) {
            test_set_clock_ms(t += 100000);
            menu(v);
            test_set_clock_ms(t += 50000);
            airwright_pass();
            EXPECT_EQ(waiting_to_rotate, 0);
            EXPECT_GT(drawn_pixels(), 100) << v;
        }
        // Unchanged, a save gives the same bytes.
        std::string same = path(std::string("same_") + name);
        test_answer_file_dialog(same.c_str());
        menu(MENU_SAVE_AS);
        EXPECT_EQ(slurp(same), slurp(original));
        // One field changed, saved, and reopened as it was saved.
        float empty = pln.w_empty;
        menu(pln.is_heli ? 315 : 317);
        bump(pln.is_heli ? WIN_H_WEIGHT : WIN_WEIGHT, "Empty lb", 5, 1);
        EXPECT_FLOAT_EQ(pln.w_empty, empty + 1.0f);
        menu(MENU_SAVE);
        std::string edited = slurp(same);
        EXPECT_NE(edited, slurp(original));
        open_aircraft(same);
        EXPECT_FLOAT_EQ(pln.w_empty, empty + 1.0f);
        std::string again = path(std::string("again_") + name);
        test_answer_file_dialog(again.c_str());
        menu(MENU_SAVE_AS);
        EXPECT_EQ(slurp(again), edited);
        edited_files.push_back(same);
    }
    // The edited files fly in the simulator.
    int rows = fly_with_batch_runner(edited_files, dir.string());
    if (rows >= 0) {
        EXPECT_EQ(rows, 5 * 3 + 1);
    }
}

// A stand-in batch runner in a program folder of its own.
static void write_runner(const std::string &dir, const char *body)
{
    std::string file = dir + "/vortan-batch";
    std::ofstream(file) << "#!/bin/sh\n" << body << "\n";
    chmod(file.c_str(), 0755);
    C_to_C((dir + "/").c_str(), app_path);
}

static void wait_for_table()
{
    for (int k = 0; k < 500 && strstr(performance_text(), "Flying"); k++) {
        airwright_pass();
        usleep(10000);
    }
}

TEST_F(AirTest, PerformanceTableRunsTheBatchRunnerOnTheSavedDesign)
{
    std::string design = path("design.acf");
    test_answer_file_dialog(nullptr);      // unnamed: the save question's Yes, then cancel
    test_answer_alert(1);
    menu(MENU_PERFORMANCE);
    EXPECT_EQ(mnw.up[WIN_PERFORMANCE], 0);
    test_answer_file_dialog(design.c_str());
    menu(MENU_SAVE);
    write_runner(dir.string(), "echo \"table for $1 $2\"\necho \"stall clean  48 KIAS\"");
    menu(MENU_PERFORMANCE);
    EXPECT_EQ(mnw.up[WIN_PERFORMANCE], 1);
    wait_for_table();
    EXPECT_STREQ(performance_text(), ("table for --performance " + design + "\nstall clean  48 KIAS\n").c_str());
    EXPECT_EQ(msc.planemod, 0);            // looking at the table changes nothing
    int lit = 0;
    for (int y = 30; y < 60; y++)
        for (int x = 10; x < 200; x++)
            lit += test_window_pixel(WIN_PERFORMANCE, x, y) == 23;
    EXPECT_GT(lit, 50);
    // A line longer than the window (a long path) goes on below, at a space.
    std::string words;
    for (int k = 0; k < 30; k++)
        words += "rune ";
    write_runner(dir.string(), ("echo '" + words + "'").c_str());
    menu(MENU_PERFORMANCE);
    wait_for_table();
    int below = 0;
    for (int y = 43; y <= 50; y++)
        for (int x = 10; x < 200; x++)
            below += test_window_pixel(WIN_PERFORMANCE, x, y) == 23;
    EXPECT_GT(below, 50);
    write_runner(dir.string(), "echo 'no such aircraft' >&2\nexit 1");
    menu(MENU_PERFORMANCE);
    wait_for_table();
    EXPECT_STREQ(performance_text(), "The batch runner failed: no such aircraft\n");
    C_to_C((dir.string() + "/nowhere/").c_str(), app_path);
    menu(MENU_PERFORMANCE);
    wait_for_table();
    EXPECT_NE(strstr(performance_text(), "could not be run"), nullptr);
}

// A signal ends Airwright at once; a design never saved keeps its changes
// in the user's data folder, and a closed window still asks as Exit does.
TEST_F(AirTest, ASignalKeepsAnUnsavedDesignAndAClosedWindowStillAsks)
{
    menu(317);
    bump(WIN_WEIGHT, "Empty lb", 2, 1);
    test_answer_alert(3);
    test_system_quit();                         // the window closed by hand
    MACIBM_pump();
    ASSERT_EQ(test_alert_count(), 1);
    EXPECT_STREQ(test_alert_line(0, 0), "Save changes to Untitled.acf first?");
    raise(SIGINT);
    EXPECT_EQ(fatal_message([] { MACIBM_pump(); }), "");
    std::string copy = path("data/vortan/Untitled-recovered.acf");
    EXPECT_TRUE(std::filesystem::exists(copy));
    std::ifstream note(path("data/vortan/Airwright.recovery"));
    std::string line;
    std::getline(note, line);
    EXPECT_EQ(line, copy);
}
