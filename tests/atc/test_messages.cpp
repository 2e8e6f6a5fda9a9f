// The controller's messages over a hand-made navigation table: the text
// builders, the wind and runway in use, the ATIS, the answers to requests
// (the ILS capture and vectoring among them), the lists and the plan's
// phases.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "atc/local.h"
#include "tests/common/fatal_catch.h"

namespace {

constexpr int FIELD = 0, ILS = 3;   // slot 0 is an airport, as the lookups must find it
constexpr float NM = 1852.0f;

class AtcTest : public UserFolderTest {
  protected:
    void SetUp() override
    {
        UserFolderTest::SetUp();
        fill_constants();
        env = environmentstruct{};
        atm = atmospherestruct{};
        atc = atcstruct{};
        fpl = flightplanstruct{};
        flt = flightstruct{};
        msc.tottime = 100.0f;
        msc.speech_avail = 0;
        scn.time = 1;
        atm.clear = 1;
        atm.vis = 10.0f * NM;
        atm.rain_tstm = 1;
        atm.temp_SL = 59.0f;
        C_to_C("N172SP", pln.tailnum);
        seed_rand(7);
        reset_atc_timers();
        airport(FIELD, "Alpha Field", "AAA", 0.0f, 0.0f);
        C_to_C("Alpha Field ILS 9", env.navname[ILS]);
        env.navmsc[ILS][0] = NAV_ILS;
        env.navmsc[ILS][3] = 90;
        flt.z = 3000.0f / con.mtrstoft;
        flt.psi_int = 90;
    }
    static void airport(int n, const char *name, const char *id, float x, float y)
    {
        env.navmsc[n][0] = NAV_APT1;
        int m[8] = {2000, 45, 90, 9, 3000, 45, 180, 18};
        for (int k = 0; k < 8; k++)
            env.navmsc[n][k + 1] = m[k];
        env.lr[n][0] = 'L';
        env.lr[n][1] = 'x';
        env.ILScode[n] = 1;
        env.navxyz[n][0] = x;
        env.navxyz[n][1] = y;
        C_to_C(name, env.navname[n]);
        C_to_C(id, env.navID[n]);
    }
    static void wind(float dir, float kt, float gust_kt = 0.0f, float var = 0.0f)
    {
        atm.wnddir[0] = dir;
        atm.wndspd[0] = kt / con.msctokts;
        atm.shrspd[0] = gust_kt / con.msctokts;
        atm.shrdir[0] = var;
    }
    // Puts the aircraft d_nm from slot n, seeing it at true bearing b.
    static void place(int n, float d_nm, float b)
    {
        flt.x = env.navxyz[n][0] - d_nm * NM * sinf(b * con.degtorad);
        flt.y = env.navxyz[n][1] - d_nm * NM * cosf(b * con.degtorad);
    }
    template <typename F> static std::string built(F f)
    {
        char s[MAX_STR] = "";
        f(s);
        return s;
    }
};

bool ends_with(const std::string &s, const std::string &tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST_F(AtcTest, NumbersSpokenDigitByDigit)
{
    struct { float h; int near; const char *want; } HEADINGS[] = {
        {90, 10, "0 9 0"}, {2, 10, "3 6 0"}, {358, 10, "3 6 0"}, {0.4f, 5, "3 6 0"},
        {-5, 5, "3 5 5"},  {361, 1, "0 0 1"}, {187, 5, "1 8 5"}};
    for (auto &h : HEADINGS)
        EXPECT_EQ(built([&](char *s) { app_heading_string(s, h.h, h.near); }), h.want) << h.h;
    EXPECT_EQ(built([](char *s) { app_freq(s, 121, 90); }), "1 2 1 point 9 0");
    EXPECT_EQ(built([](char *s) { app_freq(s, 118, 5); }), "1 1 8 point 0 5");
    const char *HOURS[4] = {"1 8 ", "0 0 ", "0 1 ", "0 4 "};   // local 12, 18, 19, 22 plus 6
    for (int t = 1; t <= 4; t++) {
        scn.time = t;
        std::string z = built(app_ztime);
        EXPECT_EQ(z.substr(0, 4), HOURS[t - 1]) << t;
        EXPECT_TRUE(ends_with(z, " Z")) << z;
        EXPECT_EQ(z.size(), 9u) << z;
    }
    std::string sq = built(app_squawk);
    ASSERT_EQ(sq.size(), 7u);
    for (int k = 0; k < 7; k += 2)
        EXPECT_TRUE(sq[k] >= '0' && sq[k] <= '7') << sq;
}

TEST_F(AtcTest, CallSignsInThePhoneticAlphabetStayWithinTheBuffer)
{
    EXPECT_EQ(built([](char *s) { start_command_string(s, 1); }), "november one seven two sierra papa ");
    std::string random = built([](char *s) { start_command_string(s, 0); });
    int words = 0;
    for (char c : random)
        words += c == ' ';
    EXPECT_GE(words, 5) << random;   // "x ray" is two words
    // A long tail number spells out to far more than a message holds.
    std::string tail(MAX_STR - 1, 'X');
    C_to_C(tail.c_str(), pln.tailnum);
    char s[MAX_STR + 16];
    memset(s, '#', sizeof s);
    start_command_string(s, 1);
    EXPECT_EQ(strlen(s), (size_t)MAX_STR - 1);
    EXPECT_EQ(s[MAX_STR], '#');
    app_string(s, "more");
    EXPECT_EQ(strlen(s), (size_t)MAX_STR - 1);
}

TEST_F(AtcTest, WindAndRunwayInUse)
{
    struct { float dir, kt, gust, var; const char *wind, *runway; } CASES[] = {
        {0, 0.5f, 0, 0, "Wind calm", "runway 18"},                 // calm: the longer runway
        {90, 3, 0, 0, "Wind light and variable", "runway 18"},
        {135, 10, 0, 0, "Wind 1 4 0 at 10", "runway 9 left"},      // tie: the earlier end
        {270, 12, 0, 0, "Wind 2 7 0 at 12", "runway 27 right"},    // reversed: 9 L is 27 R
        {0, 15, 0, 0, "Wind 3 6 0 at 15", "runway 36"},
        {270, 10, 10, 20, "Wind shear alert. Wind 2 7 0 at 10 variable 2 5 0 to 2 9 0 gust 20",
         "runway 27 right"}};
    for (auto &c : CASES) {
        wind(c.dir, c.kt, c.gust, c.var);
        EXPECT_EQ(built([](char *s) { app_wind_string(s, FIELD); }), c.wind) << c.dir;
        EXPECT_EQ(built([](char *s) { app_rway_on_wind_string(s, FIELD); }), c.runway) << c.dir;
    }
    env.navmsc[FIELD][3] = 0;    // runways 36 and 27: the wind favours 27 reversed, 9
    env.navmsc[FIELD][4] = 36;
    env.navmsc[FIELD][7] = 270;
    env.navmsc[FIELD][8] = 27;
    wind(90, 20);
    EXPECT_EQ(built([](char *s) { app_rway_on_wind_string(s, FIELD); }), "runway 9");
}

TEST_F(AtcTest, AtisHoldsItsPartsWithinTheBuffer)
{
    wind(270, 10, 10, 20);
    atm.clear = 0;
    atm.baseMSL = 1234.0f / con.mtrstoft;
    atm.rain_tstm = 3;
    C_to_C("An Airport With A Name Of Forty Letters", env.navname[FIELD]);
    give_ATIS(FIELD);
    std::string s = atc.response;
    EXPECT_EQ(s.rfind("An Airport With A Name Of Forty Letters information ", 0), 0u) << s;
    EXPECT_NE(s.find("Measured cieling 1200 overcast visibility 10, rain. Temperature 59 dewpoint 56. "),
              std::string::npos) << s;
    EXPECT_NE(s.find("altimeter two niner niner two. Arriving and departing runway 27 right. "),
              std::string::npos) << s;
    std::string letter = get_phonetic((char)('A' + atm.info));
    EXPECT_TRUE(ends_with(s, "you have " + letter + ".")) << s;
    EXPECT_LT(s.size(), (size_t)MAX_STR);
    atm.clear = 1;
    atm.rain_tstm = 1;
    atm.vis = 0.5f * NM;
    give_ATIS(FIELD);
    EXPECT_NE(std::string(atc.response).find("Sky clear R V R 3000. Temperature"), std::string::npos)
        << atc.response;
}

TEST_F(AtcTest, RequestsFindTheirNavaidByItsWholeName)
{
    airport(5, "Alpha Field West", "AFW", 0.0f, 20.0f * NM);
    place(FIELD, 10.2f, 0.0f);   // 10 nm south of slot 0, heading east
    wind(0, 0);
    controller_respond("request vectors Alpha Field.");
    EXPECT_EQ(std::string(atc.response), "november one seven two sierra papa turn left heading 3 6 0 vectors Alpha Field.");
    controller_respond("request landing Alpha Field West");
    EXPECT_NE(std::string(atc.response).find("Wind calm, cleared to land runway 18 Alpha Field West."),
              std::string::npos) << atc.response;
    atc.response[0] = 0;
    controller_respond("request vectors Alpha");              // a prefix names nothing
    controller_respond("request vectors Nowhere");
    std::string late(300, ' ');
    controller_respond((late + "request vectors Alpha Field").c_str());   // "request" too far in
    EXPECT_STREQ(atc.response, "");
    controller_respond("request a cup of coffee");
    EXPECT_TRUE(ends_with(atc.response, "papa say again please")) << atc.response;
    controller_respond("declaring an emergency");
    EXPECT_TRUE(ends_with(atc.response, "vectors Alpha Field, they are about 10 miles from your current position."))
        << atc.response;
}

TEST_F(AtcTest, IlsCaptureAndVectoring)
{
    // On the localizer, 10 nm out, 5 degrees off the course line.
    place(ILS, 10.0f, 95.0f);
    controller_respond("request I L S Alpha Field ILS 9");
    EXPECT_TRUE(ends_with(atc.response, "papa intercept localizer altimeter 29.92 cleared Alpha Field ILS 9 contact tower."))
        << atc.response;
    EXPECT_EQ(atc.planphase, 7);
    EXPECT_EQ(atc.waiting_new_frq, 1);
    EXPECT_EQ(fpl.onfile + fpl.activated, 2);
    // Far to the north-west: vectoring starts, and is remembered for the replay.
    atc = atcstruct{};
    place(ILS, 20.0f, 135.0f);
    controller_respond("request I L S Alpha Field ILS 9");
    std::string first = atc.response;
    EXPECT_NE(first.find("heading "), std::string::npos) << first;
    EXPECT_TRUE(ends_with(first, "feet vectors Alpha Field ILS 9.")) << first;
    EXPECT_EQ(atc.ils_vec_in_progress, 1);
    EXPECT_STREQ(atc.ils_command, "request I L S Alpha Field ILS 9");
    // Before the next vector is due the request says nothing.
    atc.response[0] = 0;
    msc.tottime += 10.0f;
    controller_respond(atc.ils_command);
    EXPECT_STREQ(atc.response, "");
    // The vectors turn towards the join point 7 nm out on the 3 nm side offset.
    std::string hdg = first.substr(first.find("heading ") + 8, 5);
    int h = (hdg[0] - '0') * 100 + (hdg[2] - '0') * 10 + (hdg[4] - '0');
    EXPECT_GT(h, 90);
    EXPECT_LT(h, 200);
}

TEST_F(AtcTest, VectorsAreDueOnlyForRealChangesAcross360)
{
    atc_mem.old_hdg_des = 358.0f;
    atc_mem.old_alt_des = 3000.0f;
    char s[MAX_STR] = "";
    EXPECT_EQ(vector_me(2.0f, 1, 3000.0f, 100, 0, s), 0) << s;
    EXPECT_EQ(vector_me(10.0f, 5, 3000.0f, 100, 0, s), 1);
    EXPECT_STREQ(s, "turn left heading 0 1 0 ");   // 10 from a heading of 90: a left turn
    s[0] = 0;
    EXPECT_EQ(vector_me(10.0f, 5, 4000.0f, 100, 0, s), 1);
    EXPECT_STREQ(s, "climb and maintain 4000 feet ");
}

TEST_F(AtcTest, ListsHoldAtMostTheirColumns)
{
    for (int n = 0; n < 61; n++)
        airport(n + 10, "Field", "FLD", 0.0f, 0.0f);
    EXPECT_EQ(atc_list_fill(ATC_MENU_VECTORS), 60);
    EXPECT_EQ(atc.sel_to_nav[0], FIELD);
    EXPECT_EQ(atc_list_fill(ATC_MENU_ATIS), 30);
    EXPECT_EQ(atc_list_fill(ATC_MENU_ILS), 1);
    EXPECT_EQ(atc_list_fill(ATC_MENU_LOC), 0);
    atc_list_pick(ATC_MENU_LOC, 0);   // an empty list ignores clicks
    EXPECT_STREQ(atc.response, "");
}

TEST_F(AtcTest, PlanPhasesFromClearanceToTheRamp)
{
    msc.loc_index = FIELD;
    flt.z = 0.0f;
    flt.onground = 1;
    place(FIELD, 0.5f, 0.0f);
    fpl.onfile = fpl.activated = 1;
    fpl.ifr = 1;
    fpl.cruise_alt = 6400.0f;
    C_to_C("AAA", fpl.dep_apt);
    C_to_C("BBB", fpl.arr_apt);
    handle_plan(0);
    EXPECT_EQ(atc.planphase, 3);
    EXPECT_NE(std::string(atc.response).find("cleared as filed maintain at or below 2000 expect 6000 10 minutes after departure."),
              std::string::npos) << atc.response;
    flt.onground = 0;
    flt.z = 300.0f;
    handle_plan(0);
    EXPECT_EQ(atc.planphase, 4);
    EXPECT_EQ(atc_row_color(ATC_ROW_CHECKIN) != ATC_HIDDEN, true);
    atc_main_row(ATC_ROW_CHECKIN);
    EXPECT_TRUE(ends_with(atc.response, "roger. Climb to 6000 approved, proceed on course.")) << atc.response;
    msc.tottime += 60.0f;
    handle_plan(0);
    EXPECT_EQ(atc.planphase, 5);
    atc_main_row(ATC_ROW_CHECKIN);
    EXPECT_NE(std::string(atc.response).find("proceed on course to BBB altimeter 2 9 9 2."), std::string::npos);
    airport(7, "Bravo Field", "BBB", 0.0f, 30.0f * NM);   // within 40 nm: approach
    flt.z = 6000.0f / con.mtrstoft;
    msc.tottime += 60.0f;
    handle_plan(0);
    EXPECT_EQ(atc.planphase, 6);
    EXPECT_EQ(atc.plan_index, 7);
    env.ILScode[7] = 0;   // no instrument approach: the plan ends here
    atc_main_row(ATC_ROW_CHECKIN);
    EXPECT_TRUE(ends_with(atc.response, "cleared full approach of your choice.")) << atc.response;
    EXPECT_EQ(fpl.onfile + fpl.activated, 0);
    fpl.onfile = fpl.activated = 1;
    atc.planphase = 8;
    flt.onground = 1;
    flt.v = 5.0f;
    handle_plan(0);
    EXPECT_EQ(atc.planphase, 9);
    atc_main_row(ATC_ROW_CHECKIN);
    EXPECT_TRUE(ends_with(atc.response, "taxi to the ramp.")) << atc.response;
    EXPECT_EQ(fpl.onfile + fpl.activated, 0);
}

TEST_F(AtcTest, MenuRowsOfferedAndRecommended)
{
    flt.onground = 1;
    place(FIELD, 0.2f, 0.0f);
    EXPECT_NE(atc_row_color(ATC_ROW_FILE), ATC_AVAILABLE);   // recommended: pulsing
    EXPECT_NE(atc_row_color(ATC_ROW_FILE), ATC_HIDDEN);
    EXPECT_EQ(atc_row_color(ATC_ROW_AMEND), ATC_HIDDEN);
    EXPECT_EQ(atc_row_color(ATC_ROW_TAXI), ATC_AVAILABLE);
    EXPECT_EQ(atc_row_color(ATC_ROW_VECTORS), ATC_HIDDEN);
    EXPECT_EQ(atc_row_color(ATC_ROW_SAY_AGAIN), ATC_HIDDEN);
    char s[MAX_STR];
    atc_row_text(ATC_ROW_TAXI, s);
    EXPECT_STREQ(s, "N172SP request taxi to active Alpha Field");
    atc_main_row(ATC_ROW_TAXI);
    EXPECT_STREQ(atc.response, "november one seven two sierra papa taxi runway 18.");
    atc_main_row(3);   // a row never shown closes the menu
    EXPECT_EQ(atc.menu_up, 0);
}

}   // namespace
