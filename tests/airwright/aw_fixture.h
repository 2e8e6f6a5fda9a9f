// Airwright started in-process as its entry starts it, headless, with no
// start-up pauses; helpers that click fields and pick menus as a user would.
#pragma once
#include <cstring>
#include <string>

#include "../common/headless.h"
#include "airwright/local.h"

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
    void TearDown() override
    {
        child_stop();
        HeadlessTest::TearDown();
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
    static const Field &field(int window, const char *caption)
    {
        const Screen *s = screen_of(window);
        for (int k = 0; s && k < s->nfields; k++)
            if (strcmp(s->fields[k].caption, caption) == 0)
                return s->fields[k];
        ADD_FAILURE() << "no field " << caption;
        static Field none{};
        return none;
    }
    // A click in the upper (adds) or lower (takes away) half of column
    // `col` of a number field, or of element e's cell in a grid row.
    static void bump(int window, const char *caption, int col, int up, int e = 0)
    {
        const Field &f = field(window, caption);
        click(window, grid_cell_x(f, e) + col * FIELD_COL_W + 5, f.y + (up ? 5 : FIELD_H - 5));
    }
    // The next choice (or the other answer of a yes/no).
    static void next_choice(int window, const char *caption)
    {
        const Field &f = field(window, caption);
        int w, h;
        field_size(f, &w, &h);
        click(window, f.x + w - CHOICE_BOX + 5, f.y + 5);
    }
    // Element e's box in a grid row of check boxes, or a check box.
    static void tick(int window, const char *caption, int e = 0)
    {
        const Field &f = field(window, caption);
        click(window, grid_cell_x(f, e) + 3, f.y + 3);
    }
    static void open_aircraft(const std::string &path)
    {
        test_answer_file_dialog(path.c_str());
        menu(MENU_OPEN);
    }
    static std::string shipped(const char *file)
    {
        return std::string(app_path) + "Aircraft/" + file;
    }
};
