// The whole frame on the factory start (the trainer on its runway in the
// generated scenery): golden frames by day, at night, above an overcast
// and from the chase camera; the cloud layer; subdivision by visibility;
// the cameras of the view types; the frame period at cloud layers; paging
// while flying; the slot-0 beacon; the airport built at start-up.
#include <cmath>

#include "shell/local.h"
#include "tests/view/view_fixture.h"
#include "view/local.h"
#include "world/world.h"

class SceneTest : public HeadlessTest {
  protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        test_set_clock_ms(1000);
        test_set_joystick_state(JOY_NONE_PLUGGED);
        ASSERT_EQ(vortan_start_layer(), 1);
        test_answer_file_dialog("Trainer.acf");   // the factory start asks, in Aircraft/
        simulate_start();
        msc.prd = 0.05f;
        start_z = flt.z;
        view(VIEW_FORWARD);
        frames(3);   // the start runway lies near the region's edge: paged now
    }
    double start_z = 0.0;
    static void view(int v)
    {
        set.viewtype = v;
        set_mon(v == VIEW_REPLAY ? 1 : 0, 0.0f);
    }
    static void frames(int n)
    {
        for (int k = 0; k < n; k++)
            start_looking();
    }
    // Weather: time of day, overcast (base and tops in ft) or clear, and
    // the visibility (nm).
    static void weather(int time, int overcast, float base_ft, float tops_ft, float vis_nm)
    {
        scn.time = time;
        atm.clear = !overcast;
        // A clear sky has its layer out of reach, as the weather limits
        // keep it (an airport built while flying applies them again).
        atm.baseMSL = (overcast ? base_ft : 20001.0f) * con.fttomtrs;
        atm.topsMSL = (overcast ? tops_ft : 20001.0f) * con.fttomtrs;
        atm.vis = vis_nm * con.nmtomtrs;
    }
    static void altitude_ft(float ft) { flt.z = ft * con.fttomtrs; }
    // The aircraft moved to (x, y), its grid cell found as the flight's
    // terrain search would.
    static void move_to(double x, double y)
    {
        flt.x = x;
        flt.y = y;
        float h = NO_HEIGHT;
        find_local_h((float)x, (float)y, &h, &env.i_aircraft, &env.j_aircraft, &env.t_aircraft);
    }
    static int window_rect_all(int color, int x1, int y1, int x2, int y2)
    {
        for (int y = y1; y < y2; y++)
            for (int x = x1; x < x2; x++)
                if (test_window_pixel(0, x, y) != color)
                    return 0;
        return 1;
    }
    static int world_count(int color)
    {
        int n = 0;
        for (int y = 0; y < con.gwor_y_size; y++)
            for (int x = 0; x < con.gwor_x_size; x++)
                n += test_world_pixel(0, x, y) == color;
        return n;
    }
};

TEST_F(SceneTest, StartBuildsTheAirport)
{
    int k = msc.loc_index;
    ASSERT_TRUE(env.navmsc[k][0] >= NAV_APT1 && env.navmsc[k][0] <= NAV_APT3);
    EXPECT_GT(rwy.max[0], 10) << "markings of the start runway";
    EXPECT_FLOAT_EQ(env.fieldh, env.navxyz[k][4]);
    EXPECT_GT(bldng_dz[0][3], 0.0f) << "the control tower";
}

TEST_F(SceneTest, GoldenFrames)
{
    struct { const char *name; int time, overcast; float base, tops, alt_ft; int view, n; } shots[] = {
        {"scene_day", 1, 0, 0, 0, 0, VIEW_FORWARD, 1},
        {"scene_night", 4, 0, 0, 0, 0, VIEW_FORWARD, 1},
        {"scene_above_overcast", 1, 1, 3000, 4000, 5000, VIEW_FORWARD, 1},
        {"scene_chase_dusk", 2, 1, 4000, 5000, 0, VIEW_CHASE, 40}};
    for (const auto &s : shots) {
        weather(s.time, s.overcast, s.base, s.tops, 10.0f);
        flt.z = s.alt_ft > 0.0f ? s.alt_ft * con.fttomtrs : start_z;
        view(s.view);
        frames(s.n);
        expect_world_golden(s.name, 0, 800, 568);
    }
}

TEST_F(SceneTest, InsideTheOvercastOnlyCloud)
{
    weather(1, 1, 4000, 5000, 10.0f);
    altitude_ft(4500);
    frames(1);
    EXPECT_EQ(scn.base_color, 63);
    EXPECT_TRUE(window_rect_all(63, 0, 17, 800, 230));
    // A lightning flash lights the cloud; clear air is the sky colour.
    atm.strike_lighting = 1;
    frames(1);
    EXPECT_TRUE(window_rect_all(80, 0, 17, 800, 230));
    atm.strike_lighting = 0;
    atm.clear = 1;
    frames(1);
    EXPECT_EQ(scn.base_color, 62);
}

TEST_F(SceneTest, SubdivisionFollowsVisibility)
{
    struct { float vis_nm; int breakup; } cases[] = {{0.9f, 3}, {1.5f, 2}, {2.5f, 1}, {3.1f, 0}, {10.0f, 0}};
    for (const auto &c : cases) {
        weather(1, 0, 0, 0, c.vis_nm);
        frames(1);
        EXPECT_EQ(scn.poly_breakup, c.breakup) << c.vis_nm;
        EXPECT_EQ(scn.rway_breakup, c.breakup > 0) << c.vis_nm;
    }
    weather(1, 1, 2000, 3000, 0.9f);
    altitude_ft(4000);
    frames(1);
    EXPECT_EQ(scn.poly_breakup, 0) << "above the tops";
}

TEST_F(SceneTest, FramePeriodAtCloudLayers)
{
    weather(1, 1, 4000, 5000, 10.0f);
    // Into the cloud a quarter (not below 0.025 s), above the tops twice,
    // back into the cloud half, out below four times (not above 0.1 s).
    struct { float alt_ft, prd_before, prd_after; } steps[] = {
        {3000, 0.08f, 0.08f}, {4500, 0.08f, 0.025f}, {6000, 0.025f, 0.05f}, {4500, 0.05f, 0.025f},
        {3000, 0.04f, 0.1f}};
    for (const auto &s : steps) {
        altitude_ft(s.alt_ft);
        msc.prd = s.prd_before;
        frames(1);
        EXPECT_FLOAT_EQ(msc.prd, s.prd_after) << s.alt_ft;
    }
    // In clear air nothing changes.
    atm.clear = 1;
    altitude_ft(4500);
    frames(1);
    EXPECT_FLOAT_EQ(msc.prd, 0.1f);
}

TEST_F(SceneTest, CamerasOfTheViewTypes)
{
    weather(1, 0, 0, 0, 10.0f);
    altitude_ft(3000);
    flt.the = 5.0f;
    flt.phi = 10.0f;
    float psi = flt.psi;
    float d = outside_camera_distance();
    EXPECT_NEAR(d, 20.0f * fmaxf(pln.semiB[2], pln.semiB[3]), 0.01f);
    struct { int view; float the, psi, phi; } cockpit[] = {
        {VIEW_FORWARD, 5, psi, 10}, {VIEW_DOWN4, 1, psi, 10}, {VIEW_DOWN8, -3, psi, 10},
        {VIEW_LEFT, 10, psi - 90, -5}, {VIEW_RIGHT, -10, psi + 90, 5}, {VIEW_BACK, -5, psi + 180, -10}};
    for (const auto &c : cockpit) {
        view(c.view);
        place_camera();
        EXPECT_NEAR(scn.the180rad * con.radtodeg, c.the, 1e-3) << c.view;
        EXPECT_NEAR(scn.psi180rad * con.radtodeg, c.psi, 1e-3) << c.view;
        EXPECT_NEAR(scn.phi180rad * con.radtodeg, c.phi, 1e-3) << c.view;
        EXPECT_LT(pythag3(con.VIEW_loc_x - (float)flt.x, con.VIEW_loc_y - (float)flt.y,
                          con.VIEW_loc_z - (float)flt.z), 5.0f);
    }
    // Outside cameras aim at the aircraft; the eased ones close in over a
    // few seconds of frames.
    float sp = sinf(psi * con.degtorad), cp = cosf(psi * con.degtorad);
    struct { int view; float dx, dy, dz; int frames; } outside[] = {
        {VIEW_SATELLITE, 0, 0, 10 * d, 300},
        {VIEW_CHASE, -d * sp, -d * cp, 0, 300},
        {VIEW_ABOVE40, -d * cosf(0.6981f) * sp, -d * cosf(0.6981f) * cp, d * sinf(0.6981f), 1},
        {VIEW_ABOVE10, -d * cosf(0.1745f) * sp, -d * cosf(0.1745f) * cp, d * sinf(0.1745f), 1}};
    flt.v = 0.0f;
    for (const auto &o : outside) {
        view(o.view);
        for (int f = 0; f < o.frames; f++)
            place_camera();
        EXPECT_NEAR(con.VIEW_loc_x - (float)flt.x, o.dx, 0.5f) << o.view;
        EXPECT_NEAR(con.VIEW_loc_y - (float)flt.y, o.dy, 0.5f) << o.view;
        EXPECT_NEAR(con.VIEW_loc_z - (float)flt.z, o.dz, 0.5f) << o.view;
        float u, w, depth;
        xfrm_SCENE(con.PLAN_loc_x - con.VIEW_loc_x, con.PLAN_loc_y - con.VIEW_loc_y,
                   con.PLAN_loc_z - con.VIEW_loc_z, &u, &depth, &w);
        EXPECT_NEAR(u / depth, 0.0f, 1e-3) << "aimed at the aircraft " << o.view;
        EXPECT_NEAR(w / depth, 0.0f, 1e-3) << o.view;
    }
    // Circling: d from the aircraft, the angle the simulated time.
    view(VIEW_CIRCLE);
    msc.tottime = 1.0f;
    for (int f = 0; f < 300; f++)
        place_camera();
    EXPECT_NEAR(con.VIEW_loc_x - (float)flt.x, d * sinf(1.0f), 0.5f);
    EXPECT_NEAR(con.VIEW_loc_y - (float)flt.y, d * cosf(1.0f), 0.5f);
    // The tower: the airport's beacon; a frame eases one frame period's worth.
    view(VIEW_TOWER);
    int k = msc.loc_index;
    for (int f = 0; f < 300; f++)
        place_camera();
    EXPECT_NEAR(con.VIEW_loc_x, beacx[k], 0.5f);
    EXPECT_NEAR(con.VIEW_loc_z, beacz[k], 0.5f);
    con.VIEW_loc_x = beacx[k] + 100.0f;
    place_camera();
    EXPECT_NEAR(con.VIEW_loc_x, beacx[k] + 95.0f, 0.01f);
    // A camera that would go under the ground stays 20 m above it.
    altitude_ft(0);
    view(VIEW_CHASE);
    for (int f = 0; f < 300; f++)
        place_camera();
    float ground = NO_HEIGHT;
    int i = env.i_viewpoint, j = env.j_viewpoint, t = 0;
    find_local_h(con.VIEW_loc_x, con.VIEW_loc_y, &ground, &i, &j, &t);
    EXPECT_GE(con.VIEW_loc_z, ground + 19.99f);
}

TEST_F(SceneTest, PagingWhileFlyingShowsNoJump)
{
    weather(1, 0, 0, 0, 10.0f);
    altitude_ft(4000);
    flt.the = -15.0f;   // the ground fills the view
    flt.phi = 0.0f;
    // Crossing the line where the region pages, eastward and northward: 2 m
    // further on, across a page step, the picture is almost the same.
    struct { float psi; double fx, fy, dx, dy; } crossings[] = {
        {90.0f, 1.0 - 0.3333, 0.5, 1.0, 0.0}, {0.0f, 0.5, 0.75, 0.0, 1.0}};
    for (const auto &c : crossings) {
        flt.psi = c.psi;
        double west = planex[0][0], east = planex[MESH_I - 1][0];
        double south = planey[0][0], north = planey[0][MESH_J - 1];
        double x = west + c.fx * (east - west), y = south + c.fy * (north - south);
        move_to(x - c.dx, y - c.dy);
        int pages = env.pages;
        frames(1);
        ASSERT_EQ(env.pages, pages) << c.psi;
        std::vector<int> before(800 * 230);
        for (int py = 0; py < 230; py++)
            for (int px = 0; px < 800; px++)
                before[py * 800 + px] = test_window_pixel(0, px, py);
        move_to(x + c.dx, y + c.dy);
        frames(1);
        ASSERT_EQ(env.pages, pages + 1) << c.psi;
        int differing = 0;
        for (int py = 0; py < 230; py++)
            for (int px = 0; px < 800; px++)
                differing += before[py * 800 + px] != test_window_pixel(0, px, py);
        EXPECT_LT(differing, 800 * 213 / 50) << c.psi;
        EXPECT_LT(world_count(62), 800 * 235 / 10) << "mostly ground " << c.psi;
    }
}

TEST_F(SceneTest, SlotZeroBeaconIsDrawn)
{
    weather(3, 0, 0, 0, 10.0f);
    // Put airport slot 0's beacon 2 km ahead of the aircraft, in the cell
    // it stands in; at phase 45 it shows a 7-pixel white cross.
    float sp = sinf(flt.psi * con.degtorad), cp = cosf(flt.psi * con.degtorad);
    beacx[0] = (float)flt.x + 2000.0f * sp;
    beacy[0] = (float)flt.y + 2000.0f * cp;
    beacz[0] = (float)flt.z + 30.0f;
    int i = env.i_aircraft, j = env.j_aircraft, t = 0;
    ASSERT_EQ(find_ijt_with_loc(beacx[0], beacy[0], &i, &j, &t, 1), 1);
    beacon_index[i][j] = 0;
    msc.tottime = 45.0f / 20.0f;
    frames(1);
    ASSERT_EQ(scn.rb_cycle, 45);
    float c[3];
    to_camera(beacx[0], beacy[0], beacz[0], c);
    int x = XFRM_x(c[0] / c[1]), y = XFRM_y(c[2] / c[1]);
    for (int k = -3; k <= 3; k++) {
        EXPECT_EQ(test_world_pixel(0, x + k, y), 55) << k;
        EXPECT_EQ(test_world_pixel(0, x, y + k), 55) << k;
    }
}
