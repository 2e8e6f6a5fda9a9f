// Menus: the bar, choosing with the mouse and with Alt + mnemonic, check
// marks and greyed items, and the index limits.
#include "layer_fixture.h"

static void click_title(int menu)
{
    int x, y;
    ASSERT_TRUE(test_menu_title_pos(menu, &x, &y));
    test_click(x, y);
}

static void click_item(int menu, int id)
{
    int x, y, w, h;
    ASSERT_TRUE(test_menu_item_rect(menu, id, &x, &y, &w, &h));
    test_mouse_move(x + w / 2, y + h / 2);
    test_click(x + w / 2, y + h / 2);
}

static std::vector<int> commands()
{
    std::vector<int> out;
    for (const WinEvent &e : events)
        if (e.message == MSG_COMMAND)
            out.push_back(e.item);
    return out;
}

TEST_F(LayerTest, MenuItemChosenWithTheMouse)
{
    click_title(2);
    click_item(2, 206);
    MACIBM_pump();
    EXPECT_EQ(commands(), std::vector<int>{206});
    EXPECT_EQ(of(MSG_COMMAND)[0].index, 0);
    EXPECT_TRUE(of(MSG_BUTTONDOWN).empty());   // the menu took the clicks
}

TEST_F(LayerTest, MenuItemChosenWithAltAndMnemonics)
{
    test_alt_mnemonic('F');
    test_key('x', 0);          // E&xit
    test_alt_mnemonic('f');
    test_key(KEY_ENTER, 0);    // the first item is highlighted
    test_alt_mnemonic('v');
    test_key(KEY_DOWN, 0);     // from the first item to the second
    test_key(KEY_ENTER, 0);
    MACIBM_pump();
    EXPECT_EQ(commands(), (std::vector<int>{206, 201, 302}));
}

// Two titles with the same letter: Alt and the letter again moves on to
// the next, and round to the first.
TEST_F(LayerTest, AltAndALetterTwoMenusShareOpensThemInTurn)
{
    MACIBM_create_menu(4, "Settings");
    MACIBM_append_menu(4, 401, -1, "Set Time");
    MACIBM_create_menu(5, "Special");
    MACIBM_append_menu(5, 501, -1, "Dump");
    test_alt_mnemonic('s');
    test_key(KEY_ENTER, 0);
    test_alt_mnemonic('s');
    test_alt_mnemonic('s');
    test_key(KEY_ENTER, 0);
    test_alt_mnemonic('s');
    test_alt_mnemonic('s');
    test_alt_mnemonic('s');
    test_key(KEY_ENTER, 0);
    MACIBM_pump();
    EXPECT_EQ(commands(), (std::vector<int>{401, 501, 401}));
}

TEST_F(LayerTest, EscapeAndClicksOutsideCloseTheMenuWithoutACommand)
{
    test_alt_mnemonic('f');
    test_key(KEY_ESCAPE, 0);
    click_title(2);
    test_click(700, 500);
    test_key('q', MOD_ALT_KEY);   // no menu has Q: an ordinary key
    MACIBM_pump();
    EXPECT_TRUE(commands().empty());
    EXPECT_EQ(of(MSG_KEYDOWN).size(), 1u);
}

TEST_F(LayerTest, GreyedItemsDoNothing)
{
    MACIBM_gray_menu(3, 302, 0);
    click_title(3);
    click_item(3, 302);
    test_alt_mnemonic('v');
    test_key('g', 0);
    MACIBM_pump();
    EXPECT_TRUE(commands().empty());
    MACIBM_gray_menu(3, 302, 1);
    click_title(3);
    click_item(3, 302);
    MACIBM_pump();
    EXPECT_EQ(commands(), std::vector<int>{302});
}

// Pixels of colour c within (x, y, w, h) of the frame.
static int count_colour(int x, int y, int w, int h, int c)
{
    int n = 0;
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++)
            n += test_frame_pixel(i, j) == c;
    return n;
}

TEST_F(LayerTest, CheckedAndGreyedItemsDrawSo)
{
    const int BLACK = 0, DARK_GREY = 248;
    MACIBM_check_menu(3, 301, 1);
    MACIBM_gray_menu(3, 302, 0);
    click_title(3);   // the menu stays open until the queue runs dry
    MACIBM_pump();
    int x, y, w, h;
    ASSERT_TRUE(test_menu_item_rect(3, 301, &x, &y, &w, &h));
    EXPECT_GT(count_colour(x, y, 14, h, BLACK), 5);          // the tick
    EXPECT_GT(count_colour(x + 14, y, w - 14, h, BLACK), 20); // the text
    ASSERT_TRUE(test_menu_item_rect(3, 303, &x, &y, &w, &h));
    EXPECT_EQ(count_colour(x, y, 14, h, BLACK), 0);
    ASSERT_TRUE(test_menu_item_rect(3, 302, &x, &y, &w, &h));
    EXPECT_EQ(count_colour(x, y, w, h, BLACK), 0);
    EXPECT_GT(count_colour(x, y, w, h, DARK_GREY), 20);
    MACIBM_check_menu(3, 301, 0);
    click_title(3);
    MACIBM_pump();
    ASSERT_TRUE(test_menu_item_rect(3, 301, &x, &y, &w, &h));
    EXPECT_EQ(count_colour(x, y, 14, h, BLACK), 0);
}

TEST_F(LayerTest, SubmenusOpenBesideTheirItemAndNewColumnsStartAtMultiplesOf25)
{
    MACIBM_create_submenu(3, 14, 4, "Favorites");
    MACIBM_append_menu(14, 1401, -1, "San Bernardino");
    for (int id = 1500; id <= 1502; id++)   // 1500 = 60 x 25
        MACIBM_append_menu(3, id, -1, "Item");
    int x1, y1, x2, y2, w, h;
    ASSERT_TRUE(test_menu_item_rect(3, 1500, &x1, &y1, &w, &h));
    ASSERT_TRUE(test_menu_item_rect(3, 1501, &x2, &y2, &w, &h));
    EXPECT_EQ(x1, x2);
    EXPECT_GT(y2, y1);
    ASSERT_TRUE(test_menu_item_rect(3, 303, &x2, &y2, &w, &h));
    EXPECT_GT(x1, x2);   // a column to the right
    // Alt+V, down to Favorites, right into it, Enter
    test_alt_mnemonic('v');
    for (int k = 0; k < 3; k++)
        test_key(KEY_DOWN, 0);
    test_key(KEY_RIGHT, 0);
    test_key(KEY_DOWN, 0);
    test_key(KEY_ENTER, 0);
    MACIBM_pump();
    EXPECT_EQ(commands(), std::vector<int>{1401});
}

TEST_F(LayerTest, DeletedItemsAndMenusAreGone)
{
    MACIBM_delete_menu_item(2, 201);
    int x, y, w, h;
    EXPECT_FALSE(test_menu_item_rect(2, 201, &x, &y, &w, &h));
    EXPECT_TRUE(test_menu_item_rect(2, 206, &x, &y, &w, &h));
    MACIBM_delete_menu(3);
    EXPECT_FALSE(test_menu_title_pos(3, &x, &y));
    EXPECT_EQ(mnw.menu[3], nullptr);
}

TEST_F(LayerTest, MenuIndexLimits)
{
    EXPECT_EQ(fatal_message([] { MACIBM_create_menu(200, "x"); }), "Menu index out of range in create_menu!");
    EXPECT_EQ(fatal_message([] { MACIBM_create_menu(0, "x"); }), "Menu index must be 1->235!");
    EXPECT_EQ(fatal_message([] { MACIBM_append_menu(-3, 1, -1, "x"); }), "Menu index must be 1->235!");
    EXPECT_EQ(fatal_message([] { MACIBM_append_menu(250, 1, -1, "x"); }),
              "Menu index out of range in append_menu!");
    EXPECT_EQ(fatal_message([] { MACIBM_create_submenu(2, 200, 1, "x"); }),
              "Menu index out of range in create_sub_menu!");
    EXPECT_EQ(fatal_message([] { MACIBM_delete_menu_item(201, 1); }),
              "Menu index out of range in delete_menu_item!");
    EXPECT_EQ(fatal_message([] { MACIBM_delete_menu(300); }), "Menu index out of range in delete_menu!");
}

TEST_F(LayerTest, AFullMenuIsReportedNotOverrun)
{
    EXPECT_THROW(
        for (int k = 0; k < 1000; k++) MACIBM_append_menu(2, 1000 + k, -1, "x"),
        FatalExit);
}
