// Digit glyphs against the design's cell pictures, the erase rule for every
// pair of digits, the three-digit read-outs on both paths, seven-segment
// digits, the 5 x 7 font, text and the number fields.
#include <cmath>
#include <climits>

#include "raster_fixture.h"

// The glyph cells as drawn in the design, rows from the top.
static const char *const SMALL_PIC[10] = {
    "#### #..# #..# #..# ####", "...# ...# ...# ...# ...#", "#### ...# #### #... ####",
    "#### ...# #### ...# ####", "#..# #..# #### ...# ...#", "#### #... #### ...# ####",
    "#... #... #### #..# ####", "#### ...# ...# ...# ...#", "#### #..# #### #..# ####",
    "#### #..# #### ...# ...#"};
static const char *const BIG_PIC[10] = {
    "#### #..# #..# #..# #..# #..# ####", "...# ...# ...# ...# ...# ...# ...#",
    "#### ...# ...# #### #... #... ####", "#### ...# ...# #### ...# ...# ####",
    "#..# #..# #..# #### ...# ...# ...#", "#### #... #... #### ...# ...# ####",
    "#... #... #... #### #..# #..# ####", "#### ...# ...# ...# ...# ...# ...#",
    "#### #..# #..# #### #..# #..# ####", "#### #..# #..# #### ...# ...# ...#"};

class DigitTest : public RasterTest {
  protected:
    // The glyph at (x, y) as the design's picture, h rows.
    std::string picture(int x, int y, int h, int c)
    {
        std::string s;
        for (int r = 0; r < h; r++) {
            if (r)
                s += ' ';
            s += cells(x, y + r, 4, c);
        }
        return s;
    }
    std::vector<int> snapshot()
    {
        std::vector<int> v;
        for (int y = 0; y < wh; y++)
            for (int x = 0; x < ww; x++)
                v.push_back(px(x, y));
        return v;
    }
};

TEST_F(DigitTest, GlyphsLightTheDesignedCells)
{
    for (int d = 0; d < 10; d++) {
        lock_world(8, 8);
        ADD_b_ne(d, 24, 1, 1);
        EXPECT_EQ(picture(1, 1, 7, 24), BIG_PIC[d]) << d;
        lock_world(8, 8);
        ADD_s_ne(d, 24, 1, 1);
        EXPECT_EQ(picture(1, 1, 5, 24), SMALL_PIC[d]) << d;
    }
    lock_world(8, 8);
    ADD_b_7ne(24, 0, 0);
    ADD_s_3e(29, 11, 4, 0);   // clipped at the right edge: columns 4..7 only
    EXPECT_EQ(picture(0, 0, 7, 24), BIG_PIC[7]);
    EXPECT_EQ(picture(4, 0, 5, 29), SMALL_PIC[3]);
}

TEST_F(DigitTest, EraseOverAnyDigitEqualsDrawingFreshAndInnerCellsStayUntouched)
{
    for (int big = 0; big < 2; big++)
        for (int b = 0; b < 10; b++) {
            lock_world(6, 9, 90);
            big ? ADD_b_e(b, 24, 11, 1, 1) : ADD_s_e(b, 24, 11, 1, 1);
            std::vector<int> fresh = snapshot();
            for (int a = 0; a < 10; a++) {
                lock_world(6, 9, 90);
                big ? ADD_b_e(a, 24, 11, 1, 1) : ADD_s_e(a, 24, 11, 1, 1);
                big ? ADD_b_e(b, 24, 11, 1, 1) : ADD_s_e(b, 24, 11, 1, 1);
                ASSERT_EQ(snapshot(), fresh) << "big " << big << " " << a << " then " << b;
                // inner cells: columns 2 and 3 (1-based) of the rows between the bars
                int rows[4] = {big ? 1 : 1, big ? 2 : 3, big ? 4 : 3, big ? 5 : 3};
                for (int r : rows)
                    for (int c = 1; c <= 2; c++)
                        ASSERT_EQ(px(1 + c, 1 + r), 90);
            }
        }
}

TEST_F(DigitTest, ReadoutsDrawHundredsTensUnitsAndLimitTheirInput)
{
    lock_world(20, 8, 11);
    ADD_se(24, 11, 1, 1, 7);
    EXPECT_EQ(picture(1, 1, 5, 24), SMALL_PIC[0]);
    EXPECT_EQ(picture(7, 1, 5, 24), SMALL_PIC[0]);
    EXPECT_EQ(picture(13, 1, 5, 24), SMALL_PIC[7]);
    ADD_bne(29, 1, 0, 1234);   // beyond 999 shows 999, never past the glyph table
    EXPECT_EQ(picture(1, 0, 7, 29), BIG_PIC[9]);
    EXPECT_EQ(picture(13, 0, 7, 29), BIG_PIC[9]);
    ADD_be(30, 11, 1, 0, INT_MIN);
    EXPECT_EQ(picture(13, 0, 7, 30), BIG_PIC[0]);
    ADD_b_e(12, 31, 11, 0, 0);   // no such glyph: nothing
    ADD_s_ne(-1, 31, 0, 0);
    EXPECT_EQ(count(31), 0);
}

TEST_F(DigitTest, ReadoutsWithoutALockedWorldGoThroughWorld2)
{
    MACIBM_startwind(0, 0);
    sys_fill_rect(0, 0, 800, 600, 70);
    ADD_be(24, 13, 100, 50, 382);
    ADD_sne(29, 200, 50, 45);
    lock_world(20, 8, 13);
    ADD_be(24, 13, 0, 0, 382);
    for (int y = 0; y < 7; y++)
        for (int x = 0; x < 16; x++)
            ASSERT_EQ(test_window_pixel(0, 100 + x, 50 + y), px(x, y));
    EXPECT_EQ(test_window_pixel(0, 116, 50), 70);
    EXPECT_EQ(test_window_pixel(0, 213, 50), 29);   // the 5's top bar
    EXPECT_EQ(test_window_pixel(0, 201, 51), 70);   // "ne": black stays transparent
    MACIBM_disposegworld(1);
    ww = 0;
    EXPECT_EQ(fatal_message([] { ADD_b_3e(24, 11, 0, 0); }),
              "Attempted ADD_call when not locked to off-screen surf!");
}

TEST_F(DigitTest, SevenSegmentDigits)
{
    lock_world(12, 16, 70);
    digit(1, 1, 4, 30, 8, 1);
    EXPECT_EQ(cells(0, 1, 7, 30), ".#####.");
    EXPECT_EQ(cells(0, 3, 7, 30), ".#...#.");
    EXPECT_EQ(cells(0, 5, 7, 30), ".#####.");
    EXPECT_EQ(cells(0, 9, 7, 30), ".#####.");
    digit(1, 1, 4, 30, 1, 1);   // erase: the unlit segments go black
    EXPECT_EQ(cells(0, 1, 7, 30), ".....#.");
    EXPECT_EQ(cells(0, 1, 7, 11), ".####..");
    EXPECT_EQ(cells(0, 5, 7, 11), ".####..");
    digit(1, 1, 4, 31, 10, 0);   // minus
    EXPECT_EQ(cells(0, 5, 7, 31), ".#####.");
    digit(1, 1, 4, 32, 11, 0);   // no such digit: nothing lit
    digit(1, 1, 4, 32, -5, 0);
    EXPECT_EQ(count(32), 0);
    lock_world(12, 16, 70);
    lightleds(1, 1, 4, 33, 0, 0, 0, 0, 0, 0, 1, 0);
    EXPECT_EQ(cells(0, 9, 7, 33), ".#####.");
    EXPECT_EQ(count(33), 5);
}

TEST_F(DigitTest, FontTextAndCharacterCodes)
{
    lock_world(40, 30, 70);
    plot_letter(1, 1, 23, 1, 'T');
    EXPECT_EQ(cells(1, 1, 5, 23), "#####");
    EXPECT_EQ(cells(1, 4, 5, 23), "..#..");
    EXPECT_EQ(cells(1, 4, 5, 11), "##.##");   // erase paints the unlit cells black
    lock_world(40, 30, 70);
    let(1, 1, 24, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0,
        0, 1, 0, 0, 0, 0, 0, 0, 1);   // an "L"
    EXPECT_EQ(cells(1, 1, 5, 24), "#....");
    EXPECT_EQ(cells(1, 7, 5, 24), "#####");
    for (int code = 0; code < NUM_CHAR_CODES; code++)
        EXPECT_EQ(char_to_code(code_to_char(code)), code);
    EXPECT_EQ(code_to_char(10), 'A');
    EXPECT_EQ(char_to_code('z'), 35);
    EXPECT_EQ(char_to_code('#'), 36);
    EXPECT_EQ(code_to_char(99), ' ');
}

TEST_F(DigitTest, StringsStopOrWrapBeforeAWordThatPassesTheirEnd)
{
    lock_world(60, 30, 70);
    HS_plot_string(0, 0, 23, "AB CD", 20, 0);   // "CD" would end at 30
    EXPECT_EQ(cells(0, 1, 1, 23), "#");          // A's left column
    EXPECT_EQ(count(23) > 0, true);
    int ab = count(23);
    HS_plot_string(0, 10, 23, "AB CD", 20, 1);   // wraps to y 20 at x 0
    EXPECT_GT(count(23), 2 * ab);
    EXPECT_EQ(px(0, 21), 23);                    // C's left column, second row
    EXPECT_NE(px(18, 11), 23);                   // nothing where "CD" would have run on
}

TEST_F(DigitTest, DrstringTypeOneGoesThroughWorld2WithBlackTransparent)
{
    MACIBM_startwind(0, 0);
    sys_fill_rect(0, 0, 800, 600, 70);
    MACIBM_drstring(29, 100, 100, "V1.5", 1);
    lock_world(30, 7, 70);
    HS_plot_string(0, 0, 29, "V1.5", 800, 0);
    for (int y = 0; y < 7; y++)
        for (int x = 0; x < 24; x++)
            ASSERT_EQ(test_window_pixel(0, 100 + x, 93 + y), px(x, y)) << x << "," << y;
    MACIBM_disposegworld(1);
    ww = 0;
    MACIBM_drstring(30, 300, 100, "", 1);   // nothing, and no empty world
    MACIBM_drstring(30, 300, 100, "Hi", 0);
    EXPECT_EQ(test_window_pixel(0, 300, 93), 30);   // H's top-left on the row 7 above the baseline
}

TEST_F(DigitTest, NumberFieldsShowTheirDigitsAndSurviveAnyInput)
{
    // fltnum of 0.1001 with 5 digits, 4 decimals: 0 1 0 0 1 at a pitch of 10
    lock_world(80, 20, 11);
    fltnum(12, 2, 0.1001f, 5, 4, 24, 6, 1, 3);
    int want[5] = {0, 1, 0, 0, 1};
    for (int k = 0; k < 5; k++) {
        lock_world(80, 20, 11);
        fltnum(12, 2, 0.1001f, 5, 4, 24, 6, 1, 3);
        std::vector<int> seen;
        for (int y = 2; y <= 14; y++)
            for (int x = 0; x <= 6; x++)
                seen.push_back(px(12 + 10 * k + x, y));
        lock_world(80, 20, 11);
        digit(12 + 10 * k, 2, 6, 24, want[k], 1);
        std::vector<int> ref;
        for (int y = 2; y <= 14; y++)
            for (int x = 0; x <= 6; x++)
                ref.push_back(px(12 + 10 * k + x, y));
        EXPECT_EQ(seen, ref) << "digit " << k;
    }
    lock_world(80, 20, 11);
    fltnum(12, 2, -2.5f, 2, 1, 24, 6, 1, 3);
    EXPECT_EQ(cells(2, 8, 7, 24), "#######");   // the minus segment one pitch left
    EXPECT_EQ(px(20, 14), 24);                    // decimal point in the gap
    fltnum(12, 2, 2.5f, 2, 1, 24, 6, 1, 3);
    EXPECT_EQ(cells(2, 8, 7, 11), "#######");   // black when not negative
    // Values no int can hold, NaN and infinity: no overflow, nothing outside.
    fltnum(12, 2, 3e38f, 5, 4, 24, 6, 1, 3);
    fltnum(12, 2, NAN, 5, 4, 24, 6, 1, 3);
    fltnum(12, 2, -INFINITY, 9, 9, 24, 6, 1, 3);
    intnum(0, 0, INT_MIN, 5, 24, 3, 1, 1);
    intnum(0, 0, 12345, 9, 24, -1, 0, 1);
    lock_world(40, 10, 70);
    intnum(1, 1, 417, 3, 23, -1, 0, 0);   // "4" then a narrow "1" then "7"
    EXPECT_EQ(px(1 + 6 + 1, 1 + 6), 23);   // the 1's foot starts at its slot
    EXPECT_EQ(px(1 + 10, 1), 23);          // "7" follows 4 pixels after the 1
}
