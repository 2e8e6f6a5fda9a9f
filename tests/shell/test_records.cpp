// Record defaults and the view port.
#include <gtest/gtest.h>

#include "atc/atc.h"
#include "files/files.h"
#include "panel/panel.h"
#include "shell/shell.h"
#include "view/view.h"
#include "world/world.h"

class Records : public ::testing::Test {
  protected:
    void SetUp() override
    {
        zero_records();
        fill_constants();
        set_record_defaults();
    }
};

TEST_F(Records, DefaultsBeforePreferences)
{
    EXPECT_EQ(env.apt_max, NO_REGION);
    EXPECT_EQ(env.vor_max, NO_REGION);
    EXPECT_STREQ(msc.apt_id_req, "AAA");
    EXPECT_STREQ(fpl.dep_apt, "AAA");
    EXPECT_EQ(nav.tran1 * 1000 + nav.tran2 * 100 + nav.tran3 * 10 + nav.tran4, 1200);
    EXPECT_NEAR(set.cus_z, 1524.0f, 1e-3f);
    EXPECT_NEAR(set.cus_v, 102.8889f, 1e-3f);
    EXPECT_EQ(rel.fail_type[18], 1);
    EXPECT_FLOAT_EQ(rel.fail_time_max[0], 10.0f);
    EXPECT_FLOAT_EQ(msc.rtrat, 1.0f);
    EXPECT_EQ(env.i_aircraft, 57);
    zero_records();
    EXPECT_EQ(env.apt_max, 0);
    EXPECT_EQ(msc.apt_id_req[0], 0);
}

TEST_F(Records, MainViewOfAFixedWingAircraft)
{
    pln.is_heli = 0;
    set.viewtype = 601;
    set_mon(0, 0.0f);
    EXPECT_EQ(con.gwor_x_size, 800);
    EXPECT_EQ(con.gwor_y_size, 235);
    EXPECT_FLOAT_EQ(con.off_view_center_fx, 400.0f);
    EXPECT_FLOAT_EQ(con.off_view_center_fy, 110.0f);
    EXPECT_EQ(con.off_int_bot, 230);
    EXPECT_NEAR(con.rat_lft, -0.666667f, 1e-6f);
    EXPECT_NEAR(con.rat_top, -0.2f, 1e-6f);
    EXPECT_NEAR(con.rat_bot, 0.175f, 1e-6f);
    EXPECT_EQ(XFRM_x(0.0f), 400);
    EXPECT_EQ(XFRM_y(con.rat_bot), 5);
}

TEST_F(Records, TallWorldsAndTheSecondView)
{
    pln.is_heli = 1;
    set.viewtype = 601;
    set_mon(0, 0.0f);
    EXPECT_EQ(con.gwor_y_size, 568);
    pln.is_heli = 0;
    set.viewtype = 615;
    set_mon(0, 0.0f);
    EXPECT_EQ(con.gwor_y_size, 568);
    EXPECT_FLOAT_EQ(con.off_view_center_fy, 227.2f);
    EXPECT_EQ(con.HUD_lft, 100);
    set_mon(1, 0.0f);
    EXPECT_EQ(con.gwor_x_size, 579);
    EXPECT_EQ(con.off_int_bot, 366);
}

TEST_F(Records, ZoomIsLimitedAndResetByChoosingAView)
{
    set.viewtype = 601;
    set_mon(0, 0.0f);
    set_mon(-1, 0.5f);   // "Zoom Out" at 1 has no effect
    EXPECT_FLOAT_EQ(con.zom_pp45, 600.0f);
    for (int k = 0; k < 10; k++)
        set_mon(-1, 2.0f);
    EXPECT_FLOAT_EQ(con.zom_pp45, 600000.0f);
    EXPECT_NEAR(con.rat_lft, -400.0f / 600000.0f, 1e-9f);
    EXPECT_EQ(con.gwor_y_size, 235);   // zoom alone leaves the world as it was
    set_mon(0, 0.0f);
    EXPECT_FLOAT_EQ(con.zom_pp45, 600.0f);
}
