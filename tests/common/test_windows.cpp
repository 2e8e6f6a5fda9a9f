// Program windows inside the one SDL window: placement, bounds, clicks,
// closing and repainting.
#include "layer_fixture.h"

TEST_F(LayerTest, WindowOnePlacedAndFramedAsTheTableSays)
{
    EXPECT_EQ(mnw.x[1], 321);
    EXPECT_EQ(mnw.y[1], 66);
    MACIBM_startwind(1, 1);
    int x, y, w, h;
    ASSERT_TRUE(test_window_outer(1, &x, &y, &w, &h));
    EXPECT_EQ(x, 321);
    EXPECT_EQ(y, 66);
    EXPECT_EQ(w, 164);
    EXPECT_EQ(h, 454);
    EXPECT_EQ(mnw.dragging_index, 1);
    // a new window is painted once, with its own buffer current
    ASSERT_EQ(of(MSG_PAINT).size(), 1u);
    EXPECT_EQ(of(MSG_PAINT)[0].index, 1);
    EXPECT_EQ(cur_port.width, 158);
    EXPECT_EQ(cur_port.height, 428);
}

TEST_F(LayerTest, MainWindowFillsTheClientAreaAndDesignersUseTheirOwnTable)
{
    EXPECT_EQ(mnw.up[0], 1);
    EXPECT_EQ(mnw.dx[0], 800);
    EXPECT_EQ(mnw.dy[0], 600);
    EXPECT_EQ(std_res, 1);
    program_kind = PROG_AIRWRIGHT;
    set_wind_size(0, 0, 0);
    EXPECT_EQ(mnw.x[0], -2);
    EXPECT_EQ(mnw.dx[0], 804);
    EXPECT_EQ(mnw.dy[0], 604);
    set_win_params(53, "Wing", 100, 100);   // the designers have 54 windows
    EXPECT_THROW(set_win_params(54, "", 1, 1), FatalExit);
}

TEST_F(LayerTest, WindowIndicesOutsideTheTableEndTheProgram)
{
    try {
        set_win_params(18, "x", 10, 10);
        FAIL();
    } catch (const FatalExit &e) {
        EXPECT_EQ(e.s1, "Whoa! set_win_params out of bounds!");
        EXPECT_EQ(e.s2, "18");
    }
    ASSERT_EQ(MACIBM_init("Vortan", build_test_menus), 1);
    try {
        MACIBM_startwind(-1, 1);   // negative indices are refused too
        FAIL();
    } catch (const FatalExit &e) {
        EXPECT_EQ(e.s1, "MACIBM_startwind out of bounds");
        EXPECT_EQ(e.s2, "-1");
    }
    ASSERT_EQ(MACIBM_init("Vortan", build_test_menus), 1);
    EXPECT_THROW(MACIBM_killwind(-5), FatalExit);
    ASSERT_EQ(MACIBM_init("Vortan", build_test_menus), 1);
    EXPECT_THROW(MACIBM_invalwind(18), FatalExit);
}

TEST_F(LayerTest, ClicksReachTheWindowUnderTheMouse)
{
    MACIBM_startwind(1, 1);
    int fx, fy;
    client_to_frame(1, 5, 7, &fx, &fy);
    test_click(fx, fy);
    test_click(10, 300);   // left of window 1: the main window
    MACIBM_pump();
    auto downs = of(MSG_BUTTONDOWN);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].index, 1);
    EXPECT_EQ(downs[0].x, 5);
    EXPECT_EQ(downs[0].y, 7);
    EXPECT_EQ(downs[1].index, 0);
    EXPECT_EQ(downs[1].x, 10);
    EXPECT_EQ(downs[1].y, 300 - MENU_BAR_H);
}

TEST_F(LayerTest, TheWindowThatGotTheButtonKeepsTheMouseUntilRelease)
{
    MACIBM_startwind(1, 1);
    int fx, fy;
    client_to_frame(1, 20, 20, &fx, &fy);
    test_mouse_down(fx, fy, 1);
    test_mouse_move(10, 300);
    test_mouse_up(10, 300, 1);
    test_mouse_move(10, 300);
    MACIBM_pump();
    auto moves = of(MSG_MOUSEMOVE);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0].index, 1);
    EXPECT_EQ(of(MSG_BUTTONUP)[0].index, 1);
    EXPECT_EQ(moves[1].index, 0);   // released: the main window again
}

TEST_F(LayerTest, ClosingRunsTheCloseHandlerExactlyOnce)
{
    MACIBM_startwind(1, 1);
    MACIBM_startwind(4, 1);
    test_close_window(1);
    MACIBM_pump();
    EXPECT_EQ(closed, std::vector<int>{1});
    EXPECT_EQ(mnw.up[1], 0);
    MACIBM_killwind(1);
    MACIBM_handlezap(1);
    EXPECT_EQ(closed.size(), 1u);
    // the close box of window 4, with the mouse
    int x, y, w, h;
    ASSERT_TRUE(test_window_outer(4, &x, &y, &w, &h));
    test_click(x + w - FRAME_BORDER_PX - 9, y + FRAME_BORDER_PX + 8 + MENU_BAR_H);
    MACIBM_pump();
    EXPECT_EQ(closed, (std::vector<int>{1, 4}));
    EXPECT_TRUE(of(MSG_BUTTONDOWN).empty());
}

TEST_F(LayerTest, StartwindWithoutBringLeavesOrderAndDragIndexAlone)
{
    MACIBM_startwind(1, 1);
    MACIBM_startwind(4, 1);
    MACIBM_startwind(1, 0);
    EXPECT_EQ(mnw.dragging_index, 4);
    // window 4 is still on top: a click where both overlap goes to it
    int fx, fy;
    client_to_frame(4, 100, 100, &fx, &fy);
    test_click(fx, fy);
    MACIBM_pump();
    EXPECT_EQ(of(MSG_BUTTONDOWN).at(0).index, 4);
    MACIBM_startwind(1, 1);
    test_click(fx, fy);
    MACIBM_pump();
    EXPECT_EQ(of(MSG_BUTTONDOWN).at(1).index, 1);
}

TEST_F(LayerTest, CaptionDragMovesTheWindow)
{
    MACIBM_startwind(4, 1);
    int x, y, w, h;
    ASSERT_TRUE(test_window_outer(4, &x, &y, &w, &h));
    test_mouse_down(x + 20, y + 10 + MENU_BAR_H, 1);
    test_mouse_move(x + 70, y + 40 + MENU_BAR_H);
    test_mouse_up(x + 70, y + 40 + MENU_BAR_H, 1);
    MACIBM_pump();
    EXPECT_EQ(mnw.x[4], x + 50);
    EXPECT_EQ(mnw.y[4], y + 30);
    EXPECT_TRUE(of(MSG_BUTTONDOWN).empty());
}

TEST_F(LayerTest, InvalwindRepaintsAtOnceIntoTheWindowsOwnBuffer)
{
    MACIBM_startwind(4, 1);
    MACIBM_startwind(0, 0);
    LayerCallbacks cb = {};
    cb.window_proc = [](const WinEvent *ev) {
        if (ev->message == MSG_PAINT)
            sys_fill_rect(0, 0, 2, 2, 77);
    };
    MACIBM_set_callbacks(&cb);
    MACIBM_invalwind(4);
    EXPECT_EQ(test_window_pixel(4, 1, 1), 77);
    EXPECT_EQ(test_window_pixel(4, 2, 2), 0);
    EXPECT_NE(test_window_pixel(0, 1, 1), 77);
    EXPECT_EQ(cur_window, 0);   // the painter's context is restored
}

TEST_F(LayerTest, KeysGoToTheFrontWindowAndWinToIndexFindsHandles)
{
    test_key('a', MOD_SHIFT_KEY);
    MACIBM_pump();
    MACIBM_startwind(4, 1);
    test_key(KEY_F3, 0);
    MACIBM_pump();
    auto keys = of(MSG_KEYDOWN);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].index, 0);
    EXPECT_EQ(keys[0].key, 'a');
    EXPECT_EQ(keys[0].mods, MOD_SHIFT_KEY);
    EXPECT_EQ(keys[1].index, 4);
    EXPECT_EQ(keys[1].key, KEY_F3);
    EXPECT_EQ(win_to_index(mnw.wind[4]), 4);
    EXPECT_EQ(win_to_index(nullptr), 0);
}

TEST_F(LayerTest, ProgramFolderAndPaths)
{
    ASSERT_GT(strlen(app_path), 0u);
    EXPECT_EQ(app_path[strlen(app_path) - 1], '/');
    EXPECT_STREQ(cd_path, app_path);
    char path[MAX_STR];
    ap_dir("DATA", "gps_dat", path);
    EXPECT_EQ(std::string(path), std::string(app_path) + "DATA/gps_dat");
    ap_dir("", "x.acf", path);
    EXPECT_EQ(std::string(path), std::string(app_path) + "x.acf");
    EXPECT_EQ(std::string(prefs_path), (dir / "config/vortan/Vortan.prf").string());
}

TEST_F(LayerTest, DrawingIsClippedToTheClipRectangle)
{
    MACIBM_startwind(4, 1);
    MACIBM_setclip(10, 10, 20, 20);
    sys_fill_rect(0, 0, 246, 165, 50);
    EXPECT_EQ(test_window_pixel(4, 10, 10), 50);
    EXPECT_EQ(test_window_pixel(4, 19, 19), 50);
    EXPECT_EQ(test_window_pixel(4, 20, 19), 0);
    EXPECT_EQ(test_window_pixel(4, 9, 15), 0);
    MACIBM_setclip(-50, -50, 5000, 5000);   // limited to the window
    sys_fill_rect(-10, -10, 300, 300, 51);
    EXPECT_EQ(test_window_pixel(4, 245, 164), 51);
}
