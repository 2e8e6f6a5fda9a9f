// The head-up display, the weather on the windscreen, the lightning bolt,
// and the ships, carrier and traffic in the view: the HUD's geometry in one
// table, a golden HUD frame and a golden carrier at dusk, drop counts and
// how flakes and drops move by view, the glide-slope bars of the deck.
#include <cmath>
#include <cstring>

#include "flight/flight.h"
#include "tests/view/view_fixture.h"
#include "view/local.h"

class HudTest : public ViewTest {
  protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        memset(&rwy, 0, sizeof rwy);
        rwy.max[0] = rwy.max[1] = -1;
        env.rwaymax = 0;
        atm.vis1_grnd = 1.0e5f;
        atm.vis2_grnd = 1.5e5f;
        atm.vis1_lite = atm.vis2_lite = atm.vis3_lite = 1.0e5f;
        atm.baseMSL = 1000.0f;
        atm.topsMSL = 3000.0f;
        msc.prd = 0.05f;
        seed_rand(7);
    }
    // Later tests in this process start from zero-filled tables and object
    // placings, as the program does.
    void TearDown() override
    {
        memset(planex, 0, sizeof planex);
        memset(planey, 0, sizeof planey);
        memset(planez, 0, sizeof planez);
        memset(on_water, 0, sizeof on_water);
        memset(boat_on_poly, 0, sizeof boat_on_poly);
        memset(carr_on_poly, 0, sizeof carr_on_poly);
        memset(&car, 0, sizeof car);
        con.PLAN_loc_x = con.PLAN_loc_y = con.PLAN_loc_z = 0.0f;
        con.BOAT_loc_x = con.BOAT_loc_y = con.BOAT_loc_z = 0.0f;
        ViewTest::TearDown();
    }
    // A sea of 2 km cells at height 0 (the ships' cells need it).
    static void sea()
    {
        for (int i = 0; i < MESH_I; i++)
            for (int j = 0; j < MESH_J; j++) {
                planex[i][j] = 2000.0f * (float)i;
                planey[i][j] = 2000.0f * (float)j;
                planez[i][j] = 0.0f;
                on_water[i][j][0] = on_water[i][j][1] = 1;
            }
    }
    static void view(int v)
    {
        set.viewtype = v;
        set_mon(0, 0.0f);
    }
};

TEST_F(HudTest, BoresightAndFlightPathMarkerGeometry)
{
    struct Row {
        int view;
        float zoom_px, alpha, beta;
        float bore_dy, fpm_dx, fpm_dy;   // px from the view centre and from the boresight
    } rows[] = {
        {VIEW_FORWARD, 400.0f, 5.0f, 0.0f, 0.0f, 0.0f, 35.0f},
        {VIEW_FORWARD, 600.0f, 0.0f, 3.0f, 0.0f, -31.45f, 0.0f},
        {VIEW_DOWN4, 600.0f, 0.0f, 0.0f, -41.96f, 0.0f, 0.0f},
        {VIEW_DOWN8, 600.0f, -2.0f, 0.0f, -84.32f, 0.0f, -20.95f},
        {VIEW_ABOVE10, 600.0f, 0.0f, 0.0f, -105.8f, 0.0f, 0.0f},
        {VIEW_FORWARD, 600.0f, 90.0f, 0.0f, 0.0f, 0.0f, 10000.0f},   // tan() held before any int
        {VIEW_FORWARD, 600.0f, -90.0f, 0.0f, 0.0f, 0.0f, -10000.0f},
        {VIEW_FORWARD, 600.0f, NAN, 0.0f, 0.0f, 0.0f, 0.0f},
    };
    for (const Row &r : rows) {
        view(r.view);
        con.zom_pp45 = r.zoom_px;
        flt.Alpha = r.alpha;
        flt.Beta = r.beta;
        float bx, by, fx, fy;
        hud_boresight(&bx, &by);
        flight_path_point(&fx, &fy);
        EXPECT_NEAR(bx, con.off_view_center_fx, 1e-3f) << r.view;
        EXPECT_NEAR(by - con.off_view_center_fy, r.bore_dy, 0.05f) << r.view;
        EXPECT_NEAR(fx - bx, r.fpm_dx, 0.05f) << r.view << " beta " << r.beta;
        EXPECT_NEAR(fy - by, r.fpm_dy, 0.05f) << r.view << " alpha " << r.alpha;
    }
}

TEST_F(HudTest, BoresightIsWhereTheAircraftPoints)
{
    memset(&pln, 0, sizeof pln);
    flt.psi = 30.0f;
    flt.the = 7.0f;
    flt.phi = 0.0f;
    flt.x = 1000.0;
    flt.y = 2000.0;
    flt.z = 500.0;
    for (int v : {VIEW_FORWARD, VIEW_DOWN4, VIEW_DOWN8, VIEW_FULL_SCREEN}) {
        view(v);
        place_camera();
        float ox, oy, oz, c[3];
        xfrm_VIEWP(0.0f, 5000.0f, 0.0f, &ox, &oy, &oz);   // far ahead along the body axis
        to_camera(con.PLAN_loc_x + ox, con.PLAN_loc_y + oy, con.PLAN_loc_z + oz, c);
        float bx, by;
        hud_boresight(&bx, &by);
        EXPECT_NEAR(con.off_view_center_fx + con.zom_pp45 * c[0] / c[1], bx, 0.5f) << v;
        EXPECT_NEAR(con.off_view_center_fy - con.zom_pp45 * c[2] / c[1], by, 0.5f) << v;
    }
}

TEST_F(HudTest, GoldenHudOnTakeoffAndMarkerHeldInTheFrame)
{
    view(VIEW_FULL_SCREEN);
    clear_world();
    flt.vind = 132.0f;
    flt.h = 1500.0f * con.fttomtrs;
    flt.psi = 274.0f;
    flt.Alpha = 6.0f;
    flt.Beta = -2.0f;
    plotHUD();
    expect_golden("hud_full_screen");
    // At 89.9 degrees of alpha the marker sits 2 pixels above the frame's foot.
    clear_world();
    flt.Alpha = 89.9f;
    flt.Beta = 0.0f;
    plotHUD();
    int y = con.HUD_bot - 3;
    EXPECT_EQ(px(399, y), 57);
    for (int k = 1; k <= 2; k++)
        EXPECT_NE(px(399, y + k), 57);
}

TEST_F(HudTest, DropCountBySettingLevelAndHeight)
{
    struct Row {
        int rain;
        float level, camera_z;
        int want;
    } rows[] = {
        {5, 9.0f, 500.0f, 399},    // below the base: everything
        {5, 9.0f, 3000.0f, 0},     // at the tops: dry
        {5, 9.0f, 4000.0f, 0},
        {3, 0.0f, 2000.0f, 50},    // half way up, half the rain, no storm: 0.5 x 0.5 x 199.5
        {1, 0.0f, 500.0f, 0},
    };
    for (const Row &r : rows) {
        atm.rain_tstm = r.rain;
        atm.level = r.level;
        con.VIEW_loc_z = r.camera_z;
        EXPECT_EQ(window_drops(), r.want) << r.rain << " " << r.level << " " << r.camera_z;
    }
}

TEST_F(HudTest, FlakesAndDropsMoveByView)
{
    atm.rain_tstm = 5;
    atm.level = 9.0f;
    atm.temp_SL = 20.0f;
    con.VIEW_loc_z = 500.0f;
    flt.v = flt.av = 50.0f;
    flt.vind = 100.0f;
    view(VIEW_SATELLITE);
    do_window_rain();   // the first frame gives every flake a place
    float x0[MAX_DROPS], y0[MAX_DROPS];
    memcpy(x0, rainx, sizeof x0);
    memcpy(y0, rainy, sizeof y0);
    clear_world();
    do_window_rain();
    EXPECT_EQ(memcmp(x0, rainx, sizeof x0), 0) << "flakes stand still in the satellite view";
    EXPECT_EQ(memcmp(y0, rainy, sizeof y0), 0);
    EXPECT_GT(count(55), 390);
    // Forward: a flake right of the flight-path point moves further right,
    // drifts down 4000 x 0.05 / 50 px and comes 2.5 m nearer.
    view(VIEW_FORWARD);
    float fx, fy;
    flight_path_point(&fx, &fy);
    rainx[0] = fx + 100.0f;
    rainy[0] = fy;
    rainz[0] = 50.0f;
    do_window_rain();
    EXPECT_NEAR(rainx[0], fx + 100.0f + 100.0f * 2.0f * 50.0f * 0.05f / 50.0f, 1e-3f);
    EXPECT_NEAR(rainy[0], fy + 4.0f, 1e-3f);
    EXPECT_NEAR(rainz[0], 47.5f, 1e-4f);
    // Right view: sideways by 400 x 50 x 0.05 / 50 px.
    view(VIEW_RIGHT);
    rainx[0] = 300.0f;
    rainy[0] = 100.0f;
    rainz[0] = 50.0f;
    do_window_rain();
    EXPECT_NEAR(rainx[0], 320.0f, 1e-3f);
    // Rain runs 1.5 sqrt(99) x 0.05 px a frame away from the point; the
    // streak counter stays within the drops.
    atm.temp_SL = 60.0f;
    view(VIEW_FORWARD);
    flight_path_point(&fx, &fy);
    quickdrop = 5;
    rainx[0] = fx;
    rainy[0] = fy + 50.0f;
    do_window_rain();
    if (quickdrop != 0) {
        EXPECT_NEAR(rainy[0], fy + 50.0f + 1.5f * sqrtf(99.0f) * 0.05f, 1e-3f);
    }
    for (int k = 0; k < 200; k++) {
        do_window_rain();
        ASSERT_TRUE(quickdrop >= 0 && quickdrop <= window_drops());
    }
}

TEST_F(HudTest, LightningBoltDrawnOnlyInFront)
{
    look(0.0f, 20.0f);
    for (int k = 0; k < BRANCH_PTS; k++) {
        atm.lightx[0][k] = 0.0f;
        atm.lighty[0][k] = 5000.0f;
        atm.lightz[0][k] = 3000.0f - 150.0f * k;
        atm.lightx[1][k] = 20.0f * k;   // the side branch comes towards the camera
        atm.lighty[1][k] = 5000.0f - 250.0f * k;
        atm.lightz[1][k] = 1500.0f - 70.0f * k;
    }
    atm.lightx[1][BRANCH_PTS - 1] = atm.lightz[1][BRANCH_PTS - 1] = 0.0f;   // 1 m off: skipped
    atm.lighty[1][BRANCH_PTS - 1] = 1.0f;
    atm.strike_size[0] = atm.strike_size[1] = BRANCH_PTS;
    atm.strike_size[2] = atm.strike_size[3] = 0;
    draw_lightning_strike();
    int bolt = count(59);
    EXPECT_GT(bolt, 300);
    EXPECT_EQ(px(400, 300), 59);   // the main bolt straight ahead
    look(180.0f, 0.0f);            // turned away: nothing
    clear_world();
    draw_lightning_strike();
    EXPECT_EQ(count(59), 0);
}

TEST_F(HudTest, GoldenCarrierAtDuskAndItsGlideSlopeBars)
{
    sea();
    build_mark();
    build_vasi();
    build_cable();
    build_elev();
    carr_on_poly[40][10] = 1;
    float x, y, deck, hdg;
    ship_place(40, 10, 1, &x, &y, &deck, &hdg);
    int h = deg_index(hdg);
    scn.time = 2;
    scn.draw_lights = 1;
    view(VIEW_FULL_SCREEN);
    set_mon(0, 3.0f);   // zoomed in three times
    // From 800 m astern on the 3.5-degree slope to the bars' foot.
    float vy = 0.5f * (CARR_WIRE_Y[1] + CARR_WIRE_Y[2]);
    float d = 800.0f, bx = x + vy * lsin[h], by = y + vy * lcos[h];
    con.VIEW_loc_x = bx - d * lsin[h];
    con.VIEW_loc_y = by - d * lcos[h];
    con.VIEW_loc_z = deck + d * tanf(CARR_GLIDE_DEG * con.degtorad);
    look(hdg, -3.5f);
    clear_world();
    draw_carrier(40, 10);
    expect_golden("carrier_dusk");
    // The bars by glide angle: red over white on the slope, all red when
    // low, all white when high.
    struct { float deg; int lower, upper; } bars[] = {{3.5f, 55, 30}, {2.0f, 30, 30}, {5.0f, 55, 55}};
    for (const auto &b : bars) {
        con.VIEW_loc_z = deck + d * tanf(b.deg * con.degtorad);
        look(hdg, -b.deg);
        clear_world();
        draw_carrier(40, 10);
        place_object(x, y, deck - CARR_DECK, hdg);
        for (int k : {0, CAR_VASI_LIGHTS - 1}) {
            float w[3], c[3];
            xfrm_BOAT(car.vasix[k], car.vasiy[k], CARR_DECK + car.vasiz[k], &w[0], &w[1], &w[2]);
            to_camera(w[0], w[1], w[2], c);
            EXPECT_EQ(px(XFRM_x(c[0] / c[1]), XFRM_y(c[2] / c[1])), k ? b.upper : b.lower) << b.deg;
        }
    }
}

TEST_F(HudTest, ShipsAndTrafficShowOnlyWhereSeen)
{
    sea();
    boat_on_poly[20][30] = 1;
    float x, y, deck, hdg;
    ship_place(20, 30, 0, &x, &y, &deck, &hdg);
    con.VIEW_loc_x = x - 400.0f;
    con.VIEW_loc_y = y - 400.0f;
    con.VIEW_loc_z = 60.0f;
    look(45.0f, -5.0f);
    draw_boat(20, 30);
    int ship = ww * wh - count(VIEW_BG);
    EXPECT_GT(ship, 300);
    // A traffic aircraft 600 m ahead crossing from the right.
    traf_x[0][0] = 0.0f;
    traf_y[0][0] = 600.0f;
    traf_z[0][0] = 0.0f;
    traf_h[0] = 270.0f;
    con.VIEW_loc_x = con.VIEW_loc_y = con.VIEW_loc_z = 0.0f;
    look(0.0f, 0.0f);
    clear_world();
    draw_a_plane(0);
    int plane = ww * wh - count(VIEW_BG);
    EXPECT_GT(plane, 100);
    atm.vis2_grnd = 500.0f;   // beyond the visibility
    clear_world();
    draw_a_plane(0);
    EXPECT_EQ(count(VIEW_BG), ww * wh);
    atm.vis2_grnd = 1.5e5f;
    look(180.0f, 0.0f);       // behind
    clear_world();
    draw_a_plane(0);
    draw_a_plane(MAX_TRAFFIC);   // no such aircraft
    EXPECT_EQ(count(VIEW_BG), ww * wh);
}

TEST_F(HudTest, HoopsDownTheFinalOfTheSelectedRunway)
{
    memset(&env, 0, sizeof env);
    env.navmsc[3][0] = NAV_APT1;
    env.navmsc[3][1] = 3000;   // m long, heading east from its threshold at the origin
    env.navmsc[3][3] = 90;
    msc.loc_index = 3;
    msc.rway_sel = 1;
    con.VIEW_loc_x = -6000.0f;
    con.VIEW_loc_z = 6000.0f * tanf(3.0f * con.degtorad);
    look(90.0f, -3.0f);
    plot_coolhud();
    int hoops = count(57);
    EXPECT_GT(hoops, 200);
    EXPECT_EQ(px(400, 227), VIEW_BG) << "looking through the hoops' middle";
    clear_world();
    look(270.0f, 3.0f);   // turned away: behind the camera
    plot_coolhud();
    EXPECT_EQ(count(57), 0);
    msc.loc_index = -1;   // no airport
    plot_coolhud();
    EXPECT_EQ(count(57), 0);
}
