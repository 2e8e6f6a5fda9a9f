// Airwright started in-process as its entry starts it, headless, with no
// start-up pauses; helpers that click fields and pick menus as a user would.
#pragma once
#include <cstring>
#include <string>

#include "../common/headless.h"
#include "airwright/airwright.h"

using namespace airwright;

class AirTest : public HeadlessTest {
  protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        program_kind = PROG_AIRWRIGHT;
        startup_pause_s = 0;
        test_set_clock_ms(0);
        ASSERT_EQ(airwright_start_layer(), 1);
        airwright_start();
        MACIBM_pump();
    }
    // Frame pixel of client pixel (x, y) of an open window.
    static void to_frame(int window, int *x, int *y)
    {
        int wx = 0, wy = 0, ww, wh;
        if (window != 0 && test_window_outer(window, &wx, &wy, &ww, &wh)) {
            wx += FRAME_BORDER_PX;
            wy += FRAME_BORDER_PX + FRAME_CAPTION_PX;
        }
        *x += wx;
        *y += wy + MENU_BAR_H;
    }
    static void click(int window, int x, int y)
    {
        to_frame(window, &x, &y);
        test_click(x, y);
        airwright_pass();
    }
    static void menu(int item)
    {
        test_menu_choice(item);
        airwright_pass();
    }
    // A click in the upper (adds) or lower (takes away) half of column
    // `col` of the number field captioned `caption`.
    static void bump(int window, const char *caption, int col, int up)
    {
        int x, y;
        ASSERT_TRUE(field_position(window, caption, &x, &y)) << caption;
        click(window, x + col * FIELD_COL_W + 5, y + (up ? 5 : FIELD_H - 5));
    }
};
