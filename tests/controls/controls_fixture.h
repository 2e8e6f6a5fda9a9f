// Fixture for the control-step tests: cleared records, an aircraft with
// round surface limits and nothing else, the scripted device, and the
// haptic recorder.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "common/testsupport.h"
#include "controls/controls.h"
#include "files/files.h"
#include "flight/flight.h"
#include "panel/panel.h"
#include "shell/shell.h"
#include "world/world.h"

class ControlTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        fill_constants();
        memset(&flt, 0, sizeof flt);
        memset(&pln, 0, sizeof pln);
        memset(&set, 0, sizeof set);
        memset(&msc, 0, sizeof msc);
        memset(&ott, 0, sizeof ott);
        memset(&nav, 0, sizeof nav);
        memset(&ins, 0, sizeof ins);
        memset(&env, 0, sizeof env);
        memset(&rel, 0, sizeof rel);
        rel.ail = rel.elv = rel.rud = 1;
        rel.hyd_rat = 1.0f;
        set.joy_rat = 1.0f;
        set.controls_type = CONTROLS_SCRIPTED;
        msc.prd = 0.05f;
        msc.est_Vs = 50.0f * con.ktstomsc;   // stall at 50 kt
        pln.Vne = 150.0f;
        pln.ailnEQ = 1;
        pln.ailn_up = 20.0f;
        pln.ailn_dn = 15.0f;
        pln.elev_up = 25.0f;
        pln.elev_dn = 18.0f;
        pln.rudd_def = 30.0f;
        pln.hstbtrimmax = 0.4f;
        pln.xarm[4][0] = 5.0f;
        reset_controls_state();
        test_set_haptic_recording(0);
        test_set_joystick_state(-1);
    }
    void TearDown() override
    {
        test_set_haptic_recording(0);
        test_set_joystick_state(-1);
        test_set_joystick_input(32768, 32768, 32768, 32768, 0);
    }
    // One control step with the stick at pitch, roll, yaw and throttle.
    void stick(float p, float r, float y = 0.0f, float t = 0.0f)
    {
        set_scripted_input(p, r, y, t);
        control();
    }
};
