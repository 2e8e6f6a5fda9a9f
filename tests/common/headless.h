// A test with the portability layer headless: private user folders (from
// UserFolderTest), SDL dummy drivers, test mode, and everything the layer
// remembers for tests cleared before and after.
#pragma once
#include <string>

#include "fatal_catch.h"

class HeadlessTest : public UserFolderTest {
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
    }
    void TearDown() override
    {
        test_shutdown_layer();
        MACIBM_set_callbacks(nullptr);
        test_set_joystick_state(-1);
        test_set_audio_device(-1);
        test_set_clock_ms(-1);
        test_reset_layer();
        test_set_test_mode(0);
        UserFolderTest::TearDown();
    }
};

// The first message line of the fatal exit `call` ends in, or "no exit".
template <typename F> std::string fatal_message(F call)
{
    try {
        call();
    } catch (const FatalExit &e) {
        return e.s1;
    }
    return "no exit";
}
