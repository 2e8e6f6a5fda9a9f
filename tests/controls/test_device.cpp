// The input devices: the pretend joystick's axes and buttons through the
// driver ranges, calibration, mouse flying and the scripted inputs.
#include "tests/controls/controls_fixture.h"

namespace {

class DeviceTest : public ControlTest {
  protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        set.controls_type = CONTROLS_JOYSTICK;
        test_set_joystick_state(JOY_PRESENT);
    }
    float p = 0, r = 0, y = 0, t = 0;
    void read(int x, int yy, int z, int rr, int buttons = 0)
    {
        test_set_joystick_input(x, yy, z, rr, buttons);
        MACIBM_getjoy(&p, &r, &y, &t);
    }
};

TEST_F(DeviceTest, AxesMapToTheFormulasRanges)
{
    read(65535, 0, 0, 32768);
    EXPECT_NEAR(r, 1.0f, 1e-4f);    // full right
    EXPECT_FLOAT_EQ(p, -1.0f);      // stick forward: nose down
    EXPECT_FLOAT_EQ(t, 1.0f);       // throttle axis forward, past the stop
    EXPECT_NEAR(y, 0.0f, 1e-4f);
    read(0, 65535, 65535, 0);
    EXPECT_FLOAT_EQ(r, -1.0f);
    EXPECT_NEAR(p, 1.0f, 1e-4f);
    EXPECT_LT(t, 0.0f);             // idle overshoots, the frame step limits it
    EXPECT_FLOAT_EQ(y, -1.0f);
    // Through control: the throttle lands on 0..1.
    read(32768, 32768, 65535, 32768);
    control();
    EXPECT_EQ(set.CTthro, 0.0f);
}

TEST_F(DeviceTest, CalibrationAveragesTheRestAndControlSubtractsIt)
{
    read(32768 + 3277, 32768 - 3277, 32768, 32768 + 1638);
    cal_stick();
    EXPECT_NEAR(set.OSroll, 0.1f, 1e-3f);
    EXPECT_NEAR(set.OSptch, -0.1f, 1e-3f);
    EXPECT_NEAR(set.OShdng, 0.05f, 1e-3f);
    control();
    EXPECT_EQ(set.CTroll, 0.0f);
    EXPECT_EQ(set.CTptch, 0.0f);
    // Neither the mouse nor a script has a rest offset.
    set.controls_type = CONTROLS_SCRIPTED;
    cal_stick();
    EXPECT_EQ(set.OSroll, 0.0f);
    EXPECT_EQ(set.OSptch, 0.0f);
    set_scripted_input(0.5f, 0, 0, 0);
    control();
    EXPECT_FLOAT_EQ(set.CTptch, 0.49f);
}

TEST_F(DeviceTest, ButtonABrakesOnlyWhenItChanges)
{
    read(32768, 32768, 32768, 32768, 1);
    EXPECT_EQ(ins.brake_on, 1);
    read(32768, 32768, 32768, 32768, 0);
    EXPECT_EQ(ins.brake_on, 0);
    ins.brake_on = 1;   // the panel's brake switch is not fought every frame
    read(32768, 32768, 32768, 32768, 0);
    EXPECT_EQ(ins.brake_on, 1);
}

TEST_F(DeviceTest, PistonHelicopterThrottleButtons)
{
    pln.is_heli = 1;
    pln.entype = 1;
    set.recip_hel_thrt_type = 1;
    flt.throtrequest[0] = flt.throtrequest[1] = 0.5f;
    read(32768, 32768, 32768, 32768, 8);   // d: up a step
    read(32768, 32768, 32768, 32768, 8);   // held: no repeat
    EXPECT_FLOAT_EQ(flt.throtrequest[0], 0.6f);
    EXPECT_FLOAT_EQ(flt.throtrequest[1], 0.6f);
    read(32768, 32768, 32768, 32768, 0);
    read(32768, 32768, 32768, 32768, 4);   // c: down
    EXPECT_FLOAT_EQ(flt.throtrequest[0], 0.5f);
    read(32768, 32768, 32768, 32768, 2 | 8);   // b with d: full
    EXPECT_FLOAT_EQ(flt.throtrequest[0], 1.0f);
    read(32768, 32768, 32768, 32768, 8);
    read(32768, 32768, 32768, 32768, 0);
    read(32768, 32768, 32768, 32768, 8);   // never past the stop
    EXPECT_FLOAT_EQ(flt.throtrequest[0], 1.0f);
    read(32768, 32768, 32768, 32768, 2 | 4);   // b with c: idle
    EXPECT_FLOAT_EQ(flt.throtrequest[1], 0.0f);
    set.recip_hel_thrt_type = 0;   // the other throttle type ignores them
    read(32768, 32768, 32768, 32768, 2 | 8);
    EXPECT_FLOAT_EQ(flt.throtrequest[1], 0.0f);
}

TEST_F(DeviceTest, MouseFliesOnlyWhileTheMouseIsTheStick)
{
    set.controls_type = CONTROLS_MOUSE;
    msc.mx = 500;
    msc.my = 77;
    p = r = y = t = 0.25f;
    MACIBM_getjoy(&p, &r, &y, &t);
    EXPECT_EQ(p, 0.25f);   // left as they were
    msc.mouse_is_joy = 1;
    MACIBM_getjoy(&p, &r, &y, &t);
    EXPECT_FLOAT_EQ(p, -0.5f);
    EXPECT_FLOAT_EQ(r, 1.0f);
    EXPECT_FLOAT_EQ(y, 0.3f);
    EXPECT_EQ(t, 0.0f);
}

TEST_F(DeviceTest, ScriptedInputsAreLimitedAndNeverNaN)
{
    set.controls_type = CONTROLS_SCRIPTED;
    set_scripted_input(2.0f, NAN, -3.0f, 1.5f);
    MACIBM_getjoy(&p, &r, &y, &t);
    EXPECT_EQ(p, 1.0f);
    EXPECT_EQ(r, 0.0f);
    EXPECT_EQ(y, -1.0f);
    EXPECT_EQ(t, 1.0f);
}

} // namespace
