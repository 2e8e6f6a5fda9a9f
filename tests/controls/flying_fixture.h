// Fixture for flying a shipped aircraft on the autopilot in-process: the
// aircraft loaded as the flight tests do, started in the air, then control
// and the flight step run frame by frame at a fixed period, the throttle
// lever following the throttle command as the frame loop's lever does.
#pragma once
#include "controls/controls.h"
#include "shell/shell.h"
#include "tests/flight/force_fixture.h"

class FlyingTest : public ForceTest {
  protected:
    static constexpr float FRAME_S = 0.05f;
    void SetUp() override
    {
        ForceTest::SetUp();
        register_sim_callbacks();   // the flight's stick forces reach the controls
        memset(&ott, 0, sizeof ott);
        memset(&nav, 0, sizeof nav);
        reset_controls_state();
        test_set_haptic_recording(1);
    }
    void TearDown() override
    {
        test_set_haptic_recording(0);
        ForceTest::TearDown();
    }
    // Aircraft `name` in level flight at h_m, at v_vs times its stall speed
    // along heading psi_deg, flown by a script (centred stick, throttle
    // `thro`), gear down when `gear`.
    void start_in_air(const char *name, float h_m, float v_vs, float psi_deg, float thro, int gear = 0)
    {
        load(name, h_m);
        set.cus_x = set.cus_y = 0.0f;
        set.cus_z = h_m;
        set.cus_v = v_vs * msc.est_Vs;
        set.cus_psi = psi_deg;
        set_fltvars(8, 0);
        setgear(gear);
        env.localh = 0.0f;
        set.controls_type = CONTROLS_SCRIPTED;
        set.joy_rat = 1.0f;
        set_scripted_input(0, 0, 0, thro);
        for (int e = 0; e < 2; e++)
            flt.throtrequest[e] = thro;
    }
    // One frame as the loop runs it.
    void frame()
    {
        msc.prd = FRAME_S;
        msc.cntr = (msc.cntr + 1) % MAX_CNTR;
        msc.tottime += FRAME_S;
        control();
        env.localh = 0.0f;
        deg2integ();
        if (pln.entype)
            for (int e = 0; e < 2; e++)
                flt.throtrequest[e] = set.CTthro;
    }
    float vvi_fpm() const { return flt.vu * con.msctofpm; }
    float alt_ft() const { return flt.h * con.mtrstoft; }
    float heading_err(float want_deg) const
    {
        float d = fmodf(flt.psi - want_deg + 540.0f, 360.0f) - 180.0f;
        return d;
    }
};
