// The force build-up report: written only while it is on, with the grand
// totals in the user's units.
#include <string>

#include "tests/flight/force_fixture.h"

static std::string report_text;
static void collect(const char *text) { report_text += text; }

TEST_F(ForceTest, BuildUpReportOnlyWhileOn)
{
    load("Trainer.acf");
    fly(50.0f, 0.0f, 3.0f);
    report_text.clear();
    cyc_sink = collect;
    set_a();
    EXPECT_TRUE(report_text.empty());
    set.cycout = 1;
    set_a();
    set.cycout = 0;
    cyc_sink = nullptr;
    EXPECT_NE(report_text.find("GRAND TOTALS AT END OF FORCE AND MOMENT BUILD-UP"), std::string::npos);
    EXPECT_NE(report_text.find("LEFT   WING ONE ELEMENT #1"), std::string::npos);
    EXPECT_NE(report_text.find("VERTICAL STABILIZER NUMBER 1"), std::string::npos);
    EXPECT_NE(report_text.find("AILERON      COEFF INC: cl incmntd by "), std::string::npos);
    EXPECT_NE(report_text.find("cd for fuse              ="), std::string::npos);
    EXPECT_NE(report_text.find("element ring #8: thrust="), std::string::npos);
    EXPECT_NE(report_text.find("N (yaw)  ="), std::string::npos);
}

TEST_F(ForceTest, SpeedbrakeAndFlapsAddDrag)
{
    load("Trainer.acf");
    fly(50.0f, 0.0f, 3.0f);
    set_a();
    float drag0 = flt.faxilaero, lift0 = flt.fnrmlaero;
    flt.flap = 50;
    set_a();
    EXPECT_LT(flt.faxilaero, drag0);
    EXPECT_GT(flt.fnrmlaero, lift0);
    // Full speedbrake deflects twice the half setting.
    flt.flap = 0;
    pln.sbrk[2][0] = 1;
    pln.sbrk_def = 60.0f;
    set_con_eff(0.3f, pln.clsbrk, pln.cdsbrk, pln.cmsbrk, 15);
    // The speedbrake's drag increment: 0.5 x sbrk_def per setting step.
    for (int setting : {1, 2}) {
        flt.sbrk = setting;
        report_text.clear();
        cyc_sink = collect;
        set.cycout = 1;
        set_a();
        set.cycout = 0;
        cyc_sink = nullptr;
        size_t at = report_text.find("SPEEDBRAKE   COEFF INC: cl incmntd by ");
        ASSERT_NE(at, std::string::npos);
        float cl = 0.0f, cd = 0.0f;
        sscanf(report_text.c_str() + at, "SPEEDBRAKE   COEFF INC: cl incmntd by %f, cd incmntd by %f", &cl, &cd);
        EXPECT_NEAR(cd, setting * 0.5f * 60.0f * pln.cdsbrk, 1e-3f) << setting;
    }
    EXPECT_LT(flt.faxilaero, drag0);
}
