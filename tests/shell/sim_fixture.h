// The simulator started as its entry starts it, up to the frame loop, with
// private user folders, a frozen clock and no joystick.
#pragma once
#include "../common/fatal_catch.h"
#include "flight/flight.h"
#include "shell/local.h"
#include "view/view.h"
#include "world/world.h"

#include <cmath>

class SimTest : public UserFolderTest {
  protected:
    void SetUp() override
    {
        // ctest passes only the first of the environment entries the test
        // list sets, so the headless drivers are named here as well
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        UserFolderTest::SetUp();
        test_reset_layer();
        test_set_test_mode(1);
        test_set_clock_ms(1000);
        test_set_joystick_state(JOY_NONE_PLUGGED);
        ASSERT_EQ(vortan_start_layer(), 1);
    }
    void TearDown() override
    {
        test_shutdown_layer();
        test_set_joystick_state(-1);
        test_set_audio_device(-1);
        test_set_clock_ms(-1);
        test_reset_layer();
        test_set_test_mode(0);
        UserFolderTest::TearDown();
    }
    // Start-up, then the loop's state as the later steps will leave it.
    void start(float prd_s = 0.05f)
    {
        simulate_start();
        msc.prd = prd_s;
        msc.evup = 1;
        msc.event = 0;
        msc.warn_frame = 1;
    }
    static void passes(int n)
    {
        for (int k = 0; k < n; k++)
            simulate_pass();
    }
    static int alerts_starting(const char *text)
    {
        int n = 0;
        for (int k = 0; k < test_alert_count(); k++)
            n += std::string(test_alert_line(k, 0)) == text;
        return n;
    }
};
