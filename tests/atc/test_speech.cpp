// The controller in the running simulator: the spoken text, the voice
// synthesised off the frame and mixed into the sound output, text only when
// voice is off, and the menu and message drawn over the view.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "atc/atc.h"
#include "sound/sound.h"
#include "tests/shell/sim_fixture.h"

namespace {

class AtcSimTest : public SimTest {
  protected:
    void SetUp() override
    {
        SimTest::SetUp();
        start();
    }
    // Waits (real time: the worker is a thread) for the queue to empty.
    static void wait_for_speech()
    {
        for (int k = 0; k < 500 && speech_pending(); k++)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    static int peak(const int16_t *pcm, int n)
    {
        int p = 0;
        for (int k = 0; k < n; k++)
            p = std::max(p, std::abs((int)pcm[k]));
        return p;
    }
};

TEST(SpeechText, DigitsAreSpokenAsWordsAndSentencesPause)
{
    char out[MAX_STR];
    speech_text("november one 1 2 1 point 9 0. Wind 3 6 0 at 12.", out);
    EXPECT_STREQ(out, "november one one two one point niner zero, Wind three six zero at 12,");
    std::string longest(MAX_STR - 1, '7');
    speech_text(longest.c_str(), out);
    EXPECT_LT(strlen(out), (size_t)MAX_STR);
}

TEST_F(AtcSimTest, AtisIsSpokenIntoTheSoundOutput)
{
    ASSERT_EQ(msc.sound_avail, 1) << "the dummy audio driver opens a device";
    EXPECT_EQ(msc.speech_avail, 1);
    static int16_t pcm[MAX_SPEECH_FRAMES];
    int n = synth_speech("one two one point niner zero", pcm, MAX_SPEECH_FRAMES);
    EXPECT_GT(n, AUDIO_RATE_HZ);          // more than a second of speech
    EXPECT_GT(peak(pcm, n), 3000);
    atc.voice_out = atc.text_out = 1;
    give_ATIS(msc.loc_index);
    EXPECT_GT(strlen(atc.response), 250u);
    EXPECT_FLOAT_EQ(atc.response_timeout, msc.tottime + 0.1f * (float)strlen(atc.response));
    EXPECT_GT(ins.reply_time2, ins.reply_time1);
    wait_for_speech();
    EXPECT_GT(speech_frames(), 15 * AUDIO_RATE_HZ) << atc.response;
    // Voice off: the text alone, and what was being said stops.
    atc_set_voice_out(0);
    EXPECT_EQ(speech_playing(), 0);
    give_ATIS(msc.loc_index);
    EXPECT_EQ(speech_pending(), 0);
    EXPECT_EQ(speech_playing(), 0);
    atc_set_text_out(0);
    EXPECT_LE(atc.response_timeout, msc.tottime);
}

// The menu over the view, for review and for docs/atc/ (written when
// VORTAN_ATC_PICTURES names a folder).
TEST_F(AtcSimTest, MenuAndMessageOverTheView)
{
    atc_space_bar();
    ASSERT_EQ(atc.menu_up, 1);
    msc.mx = 100;
    msc.my = 19 + 10 * ATC_ROW_ATIS + 3;
    MACIBM_settogworld(0, 800, 568, 62, 1);
    plot_atc_over_view();
    int lit = 0;
    for (int x = 12; x < 200; x++)
        lit += test_world_pixel(0, x, 22) != 62;   // row 0 "File flight plan", pulsing
    EXPECT_GT(lit, 10);
    EXPECT_EQ(test_world_pixel(0, 9, 19 + 10 * ATC_ROW_ATIS - 2), ATC_AVAILABLE);   // the frame
    const char *dir = getenv("VORTAN_ATC_PICTURES");
    if (dir)
        test_write_world_png(0, (std::string(dir) + "/menu.png").c_str());
    atc_main_row(ATC_ROW_ATIS);
    EXPECT_EQ(atc.menu_level, ATC_MENU_ATIS);
    MACIBM_settogworld(0, 800, 568, 62, 1);
    plot_atc_over_view();
    if (dir)
        test_write_world_png(0, (std::string(dir) + "/atis-list.png").c_str());
    msc.mx = 30;
    msc.my = 22;
    plot_atc_options(1);
    EXPECT_EQ(atc.menu_up, 0);
    EXPECT_NE(std::string(atc.response).find(" information "), std::string::npos);
    MACIBM_settogworld(0, 800, 568, 62, 1);
    plot_atc_over_view();
    EXPECT_NE(test_world_pixel(0, 6, 25) + test_world_pixel(0, 7, 25) + test_world_pixel(0, 8, 27), 3 * 62);
    if (dir)
        test_write_world_png(0, (std::string(dir) + "/message.png").c_str());
}

}   // namespace

namespace {

// The Flight Plan window: one flight rule at a time, identifiers and the
// cruise altitude stepped by clicks, the amendment said on closing.
TEST_F(AtcSimTest, FlightPlanWindowEditsThePlan)
{
    fpl.ifr = 1;
    fpl.vfr = fpl.dvfr = 0;
    C_to_C("SNA", fpl.arr_apt);
    fpl.cruise_alt = 5000.0f;
    MACIBM_startwind(ATC_FLIGHT_PLAN_WINDOW, 1);
    plnplot();
    msc.mx = 62;   // the VFR switch
    msc.my = 122;
    plnclick(0);
    EXPECT_EQ(fpl.ifr * 100 + fpl.vfr * 10 + fpl.dvfr, 10);
    msc.mx = 332;   // the arrival's first character, upper half: one code on
    msc.my = 172;
    plnclick(0);
    EXPECT_STREQ(fpl.arr_apt, "TNA");
    msc.mx = 332 + 10;   // the cruise altitude's thousands, lower half
    msc.my = 250 + 25;
    plnclick(0);
    EXPECT_FLOAT_EQ(fpl.cruise_alt, 4000.0f);
    const char *dir = getenv("VORTAN_ATC_PICTURES");
    if (dir)
        test_write_window_png(ATC_FLIGHT_PLAN_WINDOW, (std::string(dir) + "/flight-plan.png").c_str());
    fpl.activated = 1;
    plan_window_closed();
    EXPECT_TRUE(std::string(atc.response).find(" flight plan ammended as requested.") != std::string::npos);
}

}   // namespace

namespace {

// A click on the view while the menu is up reaches the menu, through the
// window procedure as a real click does.
TEST_F(AtcSimTest, ViewClicksGoToTheMenuWhileItIsUp)
{
    atc_space_bar();
    test_click(100, 19 + 10 * ATC_ROW_ATIS + 3 + MENU_BAR_H);
    MACIBM_pump();
    EXPECT_EQ(atc.menu_level, ATC_MENU_ATIS);
    EXPECT_EQ(atc.menu_up, 1);
    atc_space_bar();
    EXPECT_EQ(atc.menu_up, 0);
    EXPECT_EQ(atc_view_click(100, 50), 0);
}

}   // namespace
