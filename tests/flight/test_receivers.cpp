// The radios' receivers, one group each: VOR, ILS, ADF, GPS, DME and the
// marker beacons, over a hand-made navigation table; and the autopilot's
// errors taken from them.
#include <cmath>
#include <vector>

#include "common/testsupport.h"
#include "tests/flight/radio_fixture.h"

namespace {

std::vector<int> beeps;
void record_beep(int kind) { beeps.push_back(kind); }

class ReceiverTest : public RadioRecordsTest {
  protected:
    void SetUp() override
    {
        RadioRecordsTest::SetUp();
        memset(&msc, 0, sizeof msc);
        memset(&ott, 0, sizeof ott);
        memset(&atm, 0, sizeof atm);
        memset(&rel, 0, sizeof rel);
        memset(&ins, 0, sizeof ins);
        memset(planex, 0, sizeof planex);
        memset(planey, 0, sizeof planey);
        FlightCallbacks fc = {};
        fc.beepme = record_beep;
        set_flight_callbacks(&fc);
        beeps.clear();
    }
    void TearDown() override { set_flight_callbacks(nullptr); }
    // Navigation slot k: type, position(s) and elevation (m), three values.
    static void station(int k, int type, float x, float y, int v1 = 0, int v2 = 0, int v3 = 0,
                        float x2 = 0.0f, float y2 = 0.0f, float elev = 0.0f)
    {
        float xyz[5] = {x, y, x2, y2, elev};
        memcpy(env.navxyz[k], xyz, sizeof xyz);
        int msc9[9] = {type, v1, v2, v3};
        memcpy(env.navmsc[k], msc9, sizeof msc9);
    }
    static void at(double x, double y, double z = 1000.0, float psi = 0.0f)
    {
        flt.x = x;
        flt.y = y;
        flt.z = z;
        flt.psi = psi;
    }
    static void tune_nav(int r, int mhz, int hundredths)
    {
        nav.nf[r] = mhz;
        nav.nf100[r] = hundredths;
        tune_radio(r, 0);
    }
};

// ---------------------------------------------------------------- VOR

TEST_F(ReceiverTest, VorLatchesTheNearerStationUntilRetuned)
{
    station(3, NAV_VOR, 0.0f, 50000.0f, 113, 60);
    station(7, NAV_VOR, 0.0f, -20000.0f, 113, 60);
    station(9, NAV_VOR, 0.0f, 1000.0f, 113, 65);   // nearest, but another frequency
    at(0.0, 0.0);
    tune_nav(0, 113, 60);
    ASSERT_EQ(nav.goodnav[0], 1);
    EXPECT_EQ(nav.vory[0], -20000.0f);
    EXPECT_EQ(nav.ilsgs[0], VOR_GLIDESLOPE);
    at(0.0, 45000.0);   // flown on toward the other one: still the first
    radio_receivers();
    EXPECT_EQ(nav.vory[0], -20000.0f);
    EXPECT_EQ(nav.ntf[0], NTF_FROM);
    tune_radio(RADIO_NAV1, 0);
    EXPECT_EQ(nav.vory[0], 50000.0f);
    tune_nav(0, 113, 70);   // nothing there: the receiver is off
    EXPECT_EQ(nav.goodnav[0], 0);
    radio_receivers();   // (at the next event period)
    EXPECT_EQ(nav.ntf[0], NTF_OFF);
    EXPECT_EQ(nav.hdef[0], 0.0f);
}

TEST_F(ReceiverTest, VorDeviationFlagAndNeedles)
{
    station(0, NAV_VOR, 0.0f, 10000.0f, 113, 60);
    at(1000.0, 0.0);   // station 10 km north, aircraft 1 km east of it
    tune_nav(0, 113, 60);
    tune_nav(1, 113, 60);
    float crs, gs;
    struct { float obs, hdef; int flag; } cases[] = {
        {0.0f, -5.7106f, NTF_TO},    // right of the course in: the needle left
        {180.0f, 5.7106f, NTF_FROM}, // the mirror image outbound
        {84.0f, -89.7106f, NTF_TO},  // abeam: just TO ...
        {86.0f, -88.2894f, NTF_FROM}, // ... and past 90 degrees FROM
    };
    for (const auto &c : cases) {
        nav.obs[0] = c.obs;
        radio_receivers();
        EXPECT_NEAR(nav.hdef[0], c.hdef, 1e-3f) << c.obs;
        EXPECT_EQ(nav.ntf[0], c.flag) << c.obs;
    }
    nav.obs[0] = nav.obs[1] = 0.0f;
    radio_receivers();
    cdi_needles(CDI_VOR_HEAD, 0, &crs, &gs);
    EXPECT_EQ(crs, -40.0f);   // -45.7 against the stop
    cdi_needles(CDI_HSI, 1, &crs, &gs);
    EXPECT_EQ(crs, -20.0f);
    EXPECT_NEAR(nav.vor_brg[0], 354.29f, 0.01f);
    at(0.0, 0.0);   // directly south of the station, outbound on 180: centred
    nav.obs[0] = 180.0f;
    radio_receivers();
    EXPECT_NEAR(nav.hdef[0], 0.0f, 1e-4f);
    EXPECT_EQ(nav.ntf[0], NTF_FROM);
}

// Radials 0 and 360, and any whole turns of the knob or of the variation,
// read exactly alike all round the station.
TEST_F(ReceiverTest, VorCourseWrapsFully)
{
    station(0, NAV_VOR, 0.0f, 0.0f, 113, 60);
    env.mvar = 14;
    tune_nav(0, 113, 60);
    for (int a = 0; a < 360; a += 15) {
        at(5000.0 * sin(a * M_PI / 180.0), 5000.0 * cos(a * M_PI / 180.0));
        float hdef[5];
        int flag[5];
        const float knobs[5] = {-14.0f, 346.0f, 706.0f, -374.0f, 1066.0f};
        for (int k = 0; k < 5; k++) {
            nav.obs[0] = knobs[k];
            radio_receivers();
            hdef[k] = nav.hdef[0];
            flag[k] = nav.ntf[0];
            EXPECT_EQ(hdef[k], hdef[0]) << a << " " << knobs[k];
            EXPECT_EQ(flag[k], flag[0]) << a << " " << knobs[k];
        }
        EXPECT_LE(fabsf(hdef[0]), 90.0f);
    }
}

// ---------------------------------------------------------------- ILS

TEST_F(ReceiverTest, IlsOnlyAheadOfItsCourseWithGlideSlope)
{
    // Runway heading 090: localizer 3 km east of the threshold at 0, glide
    // slope antenna 300 m in, both at 10 m.
    station(4, NAV_ILS, 3000.0f, 0.0f, 110, 30, 90, 300.0f, 0.0f, 10.0f);
    station(5, NAV_LOC, 3000.0f, 10000.0f, 110, 30, 270);   // same frequency, the other way
    at(-9000.0, 0.0, 10.0 + 9300.0 * tan(4.0 * M_PI / 180.0), 80.0f);
    tune_nav(1, 110, 30);
    ASSERT_EQ(nav.goodnav[1], 1);
    EXPECT_EQ(nav.ilsgs[1], 3);
    EXPECT_EQ(nav.ilscrs[1], 90.0f);
    radio_receivers();
    EXPECT_EQ(nav.ntf[1], NTF_TO);
    EXPECT_NEAR(nav.hdef[1], 0.0f, 1e-4f);
    EXPECT_NEAR(nav.vdef[1], 1.0f, 1e-3f);   // a degree above the path
    EXPECT_NEAR(nav.gs_dist_nm[1], 9300.0f * con.mtrstonm, 1e-3f);
    at(-9000.0, 200.0, 10.0, 80.0f);   // north of the centre line: needle right
    radio_receivers();
    EXPECT_NEAR(nav.hdef[1], atan2f(-200.0f, 12000.0f) * -con.radtodeg, 1e-3f);
    EXPECT_GT(nav.hdef[1], 0.0f);
    EXPECT_LT(nav.vdef[1], -2.9f);
    at(6000.0, 0.0, 500.0, 80.0f);   // past the localizer: no back course
    radio_receivers();
    EXPECT_EQ(nav.ntf[1], NTF_OFF);
    EXPECT_EQ(nav.vdef[1], 0.0f);
    at(-9000.0, 0.0, 500.0, 200.0f);   // heading away: the ILS is not received,
    tune_radio(RADIO_NAV2, 0);         // the westbound localizer is
    EXPECT_EQ(nav.vory[1], 10000.0f);
    EXPECT_EQ(nav.ilsgs[1], 0);
    EXPECT_EQ(nav.ilscrs[1], 270.0f);
    radio_receivers();
    EXPECT_EQ(nav.vdef[1], 0.0f);
    at(-9000.0, 0.0, 500.0, 0.0f);   // exactly 90 degrees off both: the nearer
    tune_radio(RADIO_NAV2, 0);
    EXPECT_EQ(nav.ilscrs[1], 90.0f);
}

// ---------------------------------------------------------------- ADF and GPS

TEST_F(ReceiverTest, AdfLatchesTheNearestNdbAndPointsRelativeToTheNose)
{
    station(1, NAV_NDB, 0.0f, 8000.0f, 210);
    station(2, NAV_NDB, 0.0f, -30000.0f, 210);
    station(3, NAV_NDB, 100.0f, 100.0f, 211);
    at(0.0, 0.0, 1000.0, 270.0f);
    nav.adf1 = 2;
    nav.adf2 = 1;
    nav.adf3 = 0;
    tune_radio(RADIO_ADF, 0);
    EXPECT_EQ(nav.goodadf, 1);
    EXPECT_EQ(nav.adfy, 8000.0f);
    radio_receivers();
    EXPECT_NEAR(nav.adf_brg, 90.0f, 1e-3f);   // north, off the right wing
    nav.adf3 = 5;   // nothing on 215: the last NDB stays
    tune_radio(RADIO_ADF, 0);
    EXPECT_EQ(nav.adfy, 8000.0f);
}

TEST_F(ReceiverTest, GpsCourseDistanceLockAndCrossTrack)
{
    env.lat_south = 34;
    env.lon_west = 119;
    planex[0][0] = 500.0f;   // the region's origin point, wherever it lies
    planey[0][0] = -300.0f;
    at(500.0, -300.0);
    nav.gps_lat = 34.5f;
    nav.gps_lon = 118.0f;
    float crs, dis;
    get_gps_data(&crs, &dis);
    EXPECT_NEAR(crs, 58.83f, 0.01f);
    EXPECT_NEAR(dis * con.mtrstonm, 57.96f, 0.01f);
    // The waypoint from the country table, locked from here.
    env.vid_max_used = 1;
    vid_lat[1] = 34.5f;
    vid_lon[1] = 118.0f;
    nav.gps_index_mode = GPS_VOR;
    nav.gpsindex = 7;   // past the table's end: the last entry
    tune_radio(RADIO_GPS, 1);
    EXPECT_EQ(nav.gpsindex, 1);
    EXPECT_NEAR(nav.gps_lock_crs, 58.83f, 0.01f);
    radio_receivers();
    EXPECT_NEAR(nav.gps_cdi, 0.0f, 1e-3f);
    // 1 nm north-west of the course line: the waypoint bears right of the
    // locked course, the cross-track reads 1 nm left and NAV 1 steers right.
    float n = 58.83f * con.degtorad;
    at(500.0 - cos(n) * con.nmtomtrs, -300.0 + sin(n) * con.nmtomtrs);
    radio_receivers();
    EXPECT_NEAR(nav.gps_cdi, -12.5f, 0.05f);
    pln.layouttype = 2;
    ott.NAV[0] = 1;
    msc.cntr10 = 1;
    mod_evt();
    EXPECT_NEAR(ott.delhorz, 12.5f, 0.05f);
}

// ---------------------------------------------------------------- DME

TEST_F(ReceiverTest, DmeReadsOnceASecondWithoutDividingByZero)
{
    station(0, NAV_VOR, 0.0f, 0.0f, 113, 60, 0, 0.0f, 0.0f, 0.0f);
    float nm = con.nmtomtrs;
    at(0.0, 20.0 * nm, 0.0);
    tune_nav(0, 113, 60);
    msc.tottime = 10.0f;
    radio_receivers();
    EXPECT_NEAR(nav.dme_nm, 20.0f, 1e-3f);
    EXPECT_EQ(nav.dme_kt, 0.0f);
    EXPECT_EQ(nav.dme_min, -1.0f);   // standing still: no time to the station
    at(0.0, 19.9 * nm, 0.0);
    msc.tottime = 10.5f;   // within the second: unchanged
    radio_receivers();
    EXPECT_NEAR(nav.dme_nm, 20.0f, 1e-3f);
    msc.tottime = 11.0f;   // 0.1 nm in a second, smoothed to 0.04 nm
    radio_receivers();
    EXPECT_NEAR(nav.dme_nm, 19.96f, 1e-3f);
    EXPECT_NEAR(nav.dme_kt, 144.0f, 0.1f);
    EXPECT_NEAR(nav.dme_min, 19.96f / 144.0f * 60.0f, 0.01f);
    int tenths, kt, min;
    dme_digits(&tenths, &kt, &min);
    EXPECT_EQ(tenths, 199);
    EXPECT_NEAR(kt, 144, 1);   // whole knots, truncated
    EXPECT_EQ(min, 8);
    at(0.0, 19.96 * nm, 0.0);
    msc.tottime = 12.0f;   // the distance stands still: no time, and no NaN
    radio_receivers();
    EXPECT_LT(nav.dme_kt, 1.0f);
    EXPECT_EQ(nav.dme_min, -1.0f);
    dme_digits(&tenths, &kt, &min);
    EXPECT_EQ(min, -1);
    at(0.0, 500.0 * nm, 0.0);   // far and fast: the display's stops
    msc.tottime = 13.0f;
    radio_receivers();
    dme_digits(&tenths, &kt, &min);
    EXPECT_EQ(tenths, 999);
    EXPECT_EQ(kt, 999);
    pln.layouttype = 2;   // a GPS panel's DME 0 is the GPS, at the airspeed
    flt.vind = 95.0f;
    msc.tottime = 14.0f;
    radio_receivers();
    EXPECT_NEAR(nav.dme_nm, fminf(nav.gps_dis * con.mtrstonm, 999.0f), 1e-3f);
    EXPECT_NEAR(nav.dme_kt, 95.0f, 1e-3f);
    tune_receivers(0);   // a new flight: the next reading starts afresh
    EXPECT_EQ(nav.dme_ok, 0);
}

// ---------------------------------------------------------------- markers

// Flying over the three beacons: each lamp flashes its pattern, and a tone
// starts each flash; away from them nothing.
TEST_F(ReceiverTest, MarkersFlashAndSoundTheirPatterns)
{
    station(10, NAV_OM, 0.0f, 0.0f);
    station(11, NAV_MM, 5000.0f, 0.0f);
    station(12, NAV_IM, 6000.0f, 0.0f);
    struct { double x; int marker; const char *lamps; std::vector<int> tones; } cases[] = {
        {-450.0, NAV_OM, "11111000000", {BEEP_DASH}},
        {5190.0, NAV_MM, "11001111100", {BEEP_DOT, BEEP_DASH}},
        {6140.0, NAV_IM, "11011011000", {BEEP_DOT, BEEP_DOT, BEEP_DOT}},
        {5400.0, 0, "00000000000", {}},
        {-510.0, 0, "00000000000", {}},
    };
    for (const auto &c : cases) {
        at(c.x, 0.0);
        msc.cntr10 = 9;
        radio_receivers();   // the beacon is found at count 9
        msc.cntr10 = 10;
        radio_receivers();
        beeps.clear();
        std::string lamps;
        for (int step = 0; step <= 10; step++) {
            msc.cntr10 = step;
            radio_receivers();
            lamps += nav.marker_lit ? '1' : '0';
        }
        EXPECT_EQ(nav.marker, c.marker) << c.x;
        EXPECT_EQ(lamps, c.lamps) << c.x;
        EXPECT_EQ(beeps, c.tones) << c.x;
    }
}

// ---------------------------------------------------------------- autopilot

TEST_F(ReceiverTest, AutopilotErrorsComeFromTheReceiverItFollows)
{
    station(0, NAV_VOR, 0.0f, 10000.0f, 113, 60);
    station(1, NAV_VOR, 10000.0f, 0.0f, 114, 0);
    at(0.0, 0.0);
    tune_nav(0, 113, 60);
    tune_nav(1, 114, 0);
    nav.obs[0] = 300.0f;   // 60 degrees off: beyond the old +-10 stop
    nav.obs[1] = 140.0f;
    msc.evup = 1;
    msc.cntr10 = 1;   // clear of the eleven-count's slow work
    ott.NAV[1] = 1;
    mod_evt();
    EXPECT_NEAR(ott.delhorz, -45.0f, 1e-4f);   // NAV 2: -50, held at 45
    ott.NAV[0] = 1;
    mod_evt();
    EXPECT_NEAR(ott.delhorz, 45.0f, 1e-4f);    // NAV 1 first, as the course is
    // The glide slope is NAV 2's (NAV 1, on a VOR, reads none).
    station(2, NAV_ILS, 20000.0f, 0.0f, 110, 30, 90, 10000.0f, 0.0f, 0.0f);
    at(0.0, 0.0, 10000.0 * tan(2.0 * M_PI / 180.0), 90.0f);
    tune_nav(1, 110, 30);
    ott.GS2 = 1;
    mod_evt();
    EXPECT_NEAR(ott.delvert, -1.0f, 1e-3f);
}

}   // namespace
