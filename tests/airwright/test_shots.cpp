// Reference pictures of every screen for review by eye (not run by
// default): --gtest_also_run_disabled_tests with AW_SHOT_DIR set writes the
// main window in each view and every editing screen of both aircraft kinds.
#include "aw_fixture.h"

#include <cstdlib>

static std::string shot_dir()
{
    const char *d = getenv("AW_SHOT_DIR");
    return d ? d : "";
}

TEST_F(AirTest, DISABLED_Screenshots)
{
    std::string dir = shot_dir();
    ASSERT_FALSE(dir.empty());
    open_aircraft(shipped("Trainer.acf"));
    static const char *const NAMES[] = {"top", "side", "front", "3d"};
    for (int v = VIEW_TOP; v <= VIEW_3D_QUICK; v++) {
        test_set_clock_ms(100000 * (v - VIEW_TOP));
        menu(v);
        test_set_clock_ms(100000 * (v - VIEW_TOP) + 50000);
        airwright_pass();
        test_compose();
        test_write_png((dir + "/main_" + NAMES[v - VIEW_TOP] + ".png").c_str());
    }
    for (int heli = 0; heli < 2; heli++) {
        if (heli)
            open_aircraft(shipped("Helicopter.acf"));
        for (int w = 1; w <= LAST_EDIT_WINDOW; w++) {
            if (!window_title(w) || (heli != (w >= WIN_H_INDICATIONS)))
                continue;
            makeawindow(w);
            test_write_window_png(w, (dir + "/win_" + std::to_string(w) + ".png").c_str());
            close_edit_windows();
        }
    }
}
