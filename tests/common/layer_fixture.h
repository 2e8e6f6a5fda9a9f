// A started portability layer for one test: private user folders, a window
// procedure and close handler that record what reaches them, a small menu
// bar, and windows 1..4 in the table.
#pragma once
#include <vector>

#include "headless.h"

inline std::vector<WinEvent> events;
inline std::vector<int> closed;
inline int alerts_begun, alerts_ended;

inline void record_event(const WinEvent *ev) { events.push_back(*ev); }
inline void record_close(int index) { closed.push_back(index); }

inline void build_test_menus()
{
    MACIBM_create_menu(2, "File");
    MACIBM_append_menu(2, 201, 0, "Open Aircraft");
    MACIBM_append_menu(2, 202, -1, "-");
    MACIBM_append_menu(2, 206, 1, "Exit");
    MACIBM_create_menu(3, "View");
    MACIBM_append_menu(3, 301, -1, "Checked");
    MACIBM_append_menu(3, 302, 0, "Greyed");
    MACIBM_append_menu(3, 303, -1, "Plain");
    MACIBM_finalize_menus();
}

class LayerTest : public HeadlessTest {
  protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        events.clear();
        closed.clear();
        alerts_begun = alerts_ended = 0;
        LayerCallbacks cb = {};
        cb.window_proc = record_event;
        cb.close_handler = record_close;
        cb.alert_begin = [] { alerts_begun++; };
        cb.alert_end = [] { alerts_ended++; };
        MACIBM_set_callbacks(&cb);
        ASSERT_EQ(MACIBM_init("Vortan", build_test_menus), 1);
        set_win_params(1, "Go To Airport", 158, 428);
        set_win_params(4, "Set Lat/Lon", 246, 165);
        events.clear();
    }
    // Events of one kind, in order.
    std::vector<WinEvent> of(int message) const
    {
        std::vector<WinEvent> out;
        for (const WinEvent &e : events)
            if (e.message == message)
                out.push_back(e);
        return out;
    }
    // Frame pixel of client pixel (x, y) of window `index`.
    static void client_to_frame(int index, int x, int y, int *fx, int *fy)
    {
        int ox = 0, oy = 0, w, h;
        if (index > 0) {
            test_window_outer(index, &ox, &oy, &w, &h);
            ox += FRAME_BORDER_PX;
            oy += FRAME_BORDER_PX + FRAME_CAPTION_PX;
        }
        *fx = ox + x;
        *fy = oy + y + MENU_BAR_H;
    }
};
