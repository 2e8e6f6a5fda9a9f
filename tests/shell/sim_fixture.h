// The simulator started as its entry starts it, up to the frame loop, with
// private user folders, a frozen clock and no joystick.
#pragma once
#include "../common/headless.h"
#include "flight/flight.h"
#include "shell/local.h"
#include "view/view.h"
#include "world/world.h"

#include <cmath>
#include <fstream>

class SimTest : public HeadlessTest {
  protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        test_set_clock_ms(1000);
        test_set_joystick_state(JOY_NONE_PLUGGED);
        ASSERT_EQ(vortan_start_layer(), 1);
    }
    // Start-up, then the loop's state as a running flight leaves it.
    void start(float prd_s = 0.05f)
    {
        if (!prefs_valid())
            test_answer_file_dialog("Trainer.acf");   // the factory start asks, in Aircraft/
        simulate_start();
        msc.prd = prd_s;
        msc.evup = 1;
        msc.event = 0;
        msc.warn_frame = 1;
    }
    std::filesystem::path prefs_file() const { return dir / "config/vortan/Vortan.prf"; }
    bool prefs_valid() const
    {
        std::ifstream f(prefs_file());
        std::string marker, version;
        std::getline(f, marker);
        std::getline(f, version);
        return version == "40 version";
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
