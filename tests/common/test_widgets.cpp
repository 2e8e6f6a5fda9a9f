// Settings-window widgets: each half of each digit column changes the value
// by its own step and redraws it; switches, selectors and identifier fields
// change exactly as clicked; nothing changes when drawing only.
#include <cmath>
#include <cstring>

#include "layer_fixture.h"

class WidgetTest : public LayerTest {
  protected:
    int mx = -1, my = -1;
    void SetUp() override
    {
        LayerTest::SetUp();
        DrawSources src = {nullptr, nullptr, nullptr, &mx, &my};
        set_draw_sources(&src);
        MACIBM_startwind(0, 0);
        sys_fill_rect(0, 0, 800, 600, 11);
    }
    void TearDown() override
    {
        set_draw_sources(nullptr);
        LayerTest::TearDown();
    }
    void click(int x, int y) { mx = x; my = y; }
    std::vector<int> region(int x, int y, int w, int h)
    {
        std::vector<int> v;
        for (int j = 0; j < h; j++)
            for (int i = 0; i < w; i++)
                v.push_back(test_window_pixel(0, x + i, y + j));
        return v;
    }
};

TEST_F(WidgetTest, NumberFieldStepsEachColumnUpAndDownAndRedraws)
{
    const int X = 100, Y = 50, DIG = 5, DEC = 4;
    for (int k = 0; k < DIG; k++)
        for (int upper = 0; upper < 2; upper++) {
            float v = 2.5f, step = (float)std::pow(10.0, DIG - 1 - k - DEC);
            click(X + 10 * k + (upper ? 1 : 9), Y + (upper ? 16 : 17));
            ASSERT_EQ(instdbtn(24, X, Y, &v, DIG, DEC, 0, 1), 1);
            EXPECT_NEAR(v, 2.5f + (upper ? step : -step), 1e-5f) << "column " << k;
            // what is on the window is the new value
            std::vector<int> shown = region(X - 10, Y, 10 * DIG + 10, 35);
            sys_fill_rect(0, 0, 800, 600, 11);
            float copy = v;
            instdbtn(24, X, Y, &copy, DIG, DEC, 1, 1);
            EXPECT_EQ(shown, region(X - 10, Y, 10 * DIG + 10, 35));
        }
    float v = 1.0f;
    click(X + 10 * DIG, Y + 5);                   // right of the field
    EXPECT_EQ(instdbtn(24, X, Y, &v, DIG, DEC, 0, 1), 0);
    click(X + 5, Y + 35);                         // below it
    EXPECT_EQ(instdbtn(24, X, Y, &v, DIG, DEC, 0, 1), 0);
    click(X + 5, Y + 5);
    EXPECT_EQ(instdbtn(24, X, Y, &v, DIG, DEC, 1, 1), 0);   // drawing only
    EXPECT_EQ(v, 1.0f);
}

TEST_F(WidgetTest, NumberFieldKeepsToWhatItCanShow)
{
    float v = 0.05f;
    click(100 + 11, 70);            // lower half of column 1 (steps of 0.1)
    EXPECT_EQ(instdbtn(24, 100, 50, &v, 3, 2, 0, 0), 1);
    EXPECT_EQ(v, 0.0f);             // unsigned: not below zero
    v = 9.95f;
    click(100 + 1, 55);             // upper half of column 0 (steps of 1)
    instdbtn(24, 100, 50, &v, 3, 2, 0, 0);
    EXPECT_FLOAT_EQ(v, 9.99f);      // the most three digits with two decimals show
    v = 0.1f;
    click(100 + 21, 55);            // column 2: +0.01 stays exact on the field's steps
    instdbtn(24, 100, 50, &v, 3, 2, 0, 0);
    EXPECT_FLOAT_EQ(v, 0.11f);
    v = 50.0f;
    click(100 + 1, 55);             // +100 limited to the range
    EXPECT_EQ(instdbtn_range(24, 100, 50, &v, 3, 0, 0, 1, -20.0f, 100.0f), 1);
    EXPECT_EQ(v, 100.0f);
    click(100 + 1, 70);
    instdbtn_range(24, 100, 50, &v, 3, 0, 0, 1, -20.0f, 100.0f);
    instdbtn_range(24, 100, 50, &v, 3, 0, 0, 1, -20.0f, 100.0f);
    EXPECT_EQ(v, -20.0f);
}

TEST_F(WidgetTest, SwitchBoxToggles)
{
    int on = 0;
    click(200, 200);
    EXPECT_EQ(inboolbtn(200, 200, &on), 1);
    EXPECT_EQ(on, 1);
    EXPECT_EQ(test_window_pixel(0, 203, 203), 24);
    click(198, 209);                // corner of the box
    inboolbtn(200, 200, &on);
    EXPECT_EQ(on, 0);
    EXPECT_EQ(test_window_pixel(0, 203, 203), 11);
    click(210, 200);
    EXPECT_EQ(inboolbtn(200, 200, &on), 0);
    EXPECT_EQ(on, 0);
}

TEST_F(WidgetTest, TextSelectorStepsAndWraps)
{
    int var = 1;
    click(300 + 40 + 5, 100 - 20);      // square above: down, wraps 1 -> 3
    EXPECT_EQ(in3textbtn(300, 100, "none", "light", "heavy", 40, 80, &var, 0), 1);
    EXPECT_EQ(var, 3);
    click(300 + 40 + 5, 100 + 5);       // square below: up, wraps 3 -> 1
    in3textbtn(300, 100, "none", "light", "heavy", 40, 80, &var, 0);
    EXPECT_EQ(var, 1);
    in5textbtn(300, 100, "a", "b", "c", "d", "e", 40, 80, &var, 0);
    EXPECT_EQ(var, 2);
    click(300 + 40 + 5, 100 - 5);       // between the squares
    EXPECT_EQ(in2textbtn(300, 100, "joystick", "pedals", 40, 80, &var, 0), 0);
    bool drawn = false;                 // the chosen text in colour 24 in the cleared field
    for (int x = 300; x < 380; x++)
        for (int y = 87; y < 100; y++)
            drawn |= test_window_pixel(0, x, y) == 24;
    EXPECT_TRUE(drawn);
    var = 4;
    click(0, 0);
    in4textbtn(300, 100, "day", "dusk", "evening", "night", 40, 80, &var, 1);
    EXPECT_EQ(var, 4);
}

TEST_F(WidgetTest, IdentifierFieldsStepCharactersThroughTheCodeTable)
{
    char id[8] = "KZ9";
    click(400 + 11, 305);               // column 1, upper half: Z -> blank
    EXPECT_EQ(in3charbtn(23, 400, 300, id, 0), 1);
    EXPECT_STREQ(id, "K 9");
    in3charbtn(23, 400, 300, id, 0);    // blank -> 0
    EXPECT_STREQ(id, "K09");
    click(400 + 1, 330);                // column 0, lower half: K -> J
    in3charbtn(23, 400, 300, id, 0);
    EXPECT_STREQ(id, "J09");
    char tail[8] = "N1";
    click(400 + 41, 305);               // column 4 of a short identifier
    EXPECT_EQ(in5charbtn(23, 400, 300, tail, 0), 1);
    EXPECT_STREQ(tail, "N1  0");
}

TEST_F(WidgetTest, FileFieldKeepsItsNameWhenTheDialogIsCancelled)
{
    char name[MAX_STR] = "NACA 2412.afl";
    test_answer_file_dialog(nullptr);
    click(500, 395);
    EXPECT_EQ(instringbtn(500, 400, name, 0, FILE_AFL), 0);
    EXPECT_STREQ(name, "NACA 2412.afl");
}
