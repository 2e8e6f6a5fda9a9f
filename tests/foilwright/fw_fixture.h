// Foilwright started in-process as its entry starts it, headless, with no
// start-up pauses; helpers that click and pick menus as the user would.
#pragma once
#include <cmath>
#include <string>

#include "../common/headless.h"
#include "foilwright/foilwright.h"

using namespace foilwright;

class FoilTest : public HeadlessTest {
  protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        program_kind = PROG_FOILWRIGHT;
        startup_pause_s = 0;
        ASSERT_EQ(foilwright_start_layer(), 1);
        foilwright_start();
        MACIBM_pump();
    }
    // A left click at client pixel (x, y) of the main window, handled.
    static void click(int x, int y)
    {
        test_click(x, y + MENU_BAR_H);
        MACIBM_pump();
    }
    static void move(int x, int y)
    {
        test_mouse_move(x, y + MENU_BAR_H);
        MACIBM_pump();
    }
    static void menu(int item)
    {
        test_menu_choice(item);
        MACIBM_pump();
    }
    static int pixel(int x, int y) { return test_window_pixel(0, x, y); }
    // Row of the mark of `value` (already scaled) on the plot.
    static int mark_y(float value) { return 220 - (long)(value * 200.0f); }
};
