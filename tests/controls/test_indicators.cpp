// The flight-mode window's sensitivity and damping indicators, read back
// by pixel: which blocks light for a few settings, and that drawing leaves
// a closed window closed and the current drawing window as it was.
#include "controls/controls.h"
#include "shell/shell.h"
#include "tests/common/layer_fixture.h"

namespace {

class IndicatorTest : public LayerTest {
  protected:
    void SetUp() override
    {
        LayerTest::SetUp();
        set_win_params(8, "Set Flight Mode", 349, 335);
    }
    // Lit pattern of the four blocks at y = base - 14 c, c = 1..4, as a
    // string of '1' and '0'; '?' when a block's frame is missing.
    static std::string levels(int base_y)
    {
        std::string s;
        for (int c = 1; c <= 4; c++) {
            int y = base_y - 14 * c;
            if (test_window_pixel(8, 21, y) != 21 || test_window_pixel(8, 21 + LEVEL_BLOCK_W - 1, y + LEVEL_BLOCK_H - 1) != 21)
                s += '?';
            else
                s += test_window_pixel(8, 21 + LEVEL_BLOCK_W / 2, y + LEVEL_BLOCK_H / 2) == 24 ? '1' : '0';
        }
        return s;
    }
};

TEST_F(IndicatorTest, SensitivityLightsOneBlockPerStepExceeded)
{
    MACIBM_startwind(8, 0);
    MACIBM_startwind(0, 0);
    const struct { float joy_rat; const char *lit; } CASES[] = {
        {0.5f, "0000"}, {0.5625f, "0000"}, {0.6f, "1000"}, {0.8f, "1100"}, {0.9f, "1110"}, {1.0f, "1111"}};
    for (const auto &k : CASES) {
        set.joy_rat = k.joy_rat;
        up_joy();
        EXPECT_EQ(levels(198), k.lit) << k.joy_rat;
    }
    EXPECT_EQ(cur_window, 0);   // the drawing window is given back
}

TEST_F(IndicatorTest, DampingLightsFewerBlocksAsItGrows)
{
    MACIBM_startwind(8, 0);
    const struct { float damp; const char *lit; } CASES[] = {
        {0.0f, "1111"}, {0.2f, "1110"}, {0.5f, "1100"}, {0.7f, "1000"}, {0.875f, "0000"}, {1.0f, "0000"}};
    for (const auto &k : CASES) {
        set.damp = k.damp;
        up_damp();
        EXPECT_EQ(levels(100), k.lit) << k.damp;
    }
    EXPECT_EQ(levels(198), "????");   // the sensitivity blocks were not drawn
}

TEST_F(IndicatorTest, ClosedWindowStaysClosed)
{
    set.joy_rat = set.damp = 1.0f;
    up_joy();
    up_damp();
    EXPECT_FALSE(mnw.up[8]);
}

}   // namespace
