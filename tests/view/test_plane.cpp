// The aircraft drawing on the shipped aircraft: golden frames, turning
// blades, lights by time of day, the automatic zoom-out, the camera inside
// the fuselage, which faces show from above and below, and surfaces swept
// forward or hung down.
#include <cmath>

#include "tests/view/view_fixture.h"
#include "tools/art/plane_shot.h"
#include "view/local.h"

class PlaneDrawing : public ViewTest {
  protected:
    void load(const char *name)
    {
        std::string acf = std::string(getenv("VORTAN_SOURCE_DIR")) + "/data/Aircraft/" + name + ".acf";
        load_shot_aircraft(acf.c_str());
    }
    int lights() const { return count(30) + count(55) + count(57); }
    // Camera straight above (+1) or below (-1) the aircraft, `d` m off.
    void vertical_camera(int above, float d)
    {
        con.VIEW_loc_x = con.PLAN_loc_x;
        con.VIEW_loc_y = con.PLAN_loc_y;
        con.VIEW_loc_z = con.PLAN_loc_z + above * d;
        scn.psi180rad = 0.0f;
        aim_camera(con.PLAN_loc_x, con.PLAN_loc_y, con.PLAN_loc_z);
        clear_world();
        plot_plane();
    }
};

TEST_F(PlaneDrawing, DefaultAircraftFrames)
{
    struct { const char *aircraft, *camera; int time, deflect; } frames[] = {
        {"Trainer", "above", 1, 1}, {"Seaplane", "below", 1, 0}, {"Helicopter", "side", 3, 0}};
    for (const auto &f : frames) {
        load(f.aircraft);
        ASSERT_EQ(draw_plane_shot(f.camera, f.time, f.deflect), 1);
        ww = con.gwor_x_size;
        wh = con.gwor_y_size;
        expect_golden(std::string(f.aircraft) + "_" + f.camera);
    }
}

TEST_F(PlaneDrawing, BladesTurnAThirdOfTheirSpacingPerDrawing)
{
    load("Trainer");
    draw_plane_shot("front", 1, 0);
    EXPECT_EQ(track_ang, 60);   // two blades: 180 / 3
    int blade_pixels = count(11);
    EXPECT_GT(blade_pixels, 100);
    plot_plane();
    EXPECT_EQ(track_ang, 120);
    pln.numblades[0] = 3.0f;
    plot_plane();
    EXPECT_EQ(track_ang, 160);
    pln.numblades[0] = 0.0f;   // no blades: nothing turns, nothing is drawn
    clear_world();
    plot_plane();
    EXPECT_EQ(track_ang, 160);
    EXPECT_EQ(count(11), 0);
    EXPECT_GT(count(VIEW_BG), 0);
}

TEST_F(PlaneDrawing, LightsShowOnlyWhenItIsNotDay)
{
    load("Trainer");
    for (const char *cam : PLANE_CAMERAS) {
        draw_plane_shot(cam, 1, 0);
        EXPECT_EQ(lights(), 0) << cam;
    }
    draw_plane_shot("above", 3, 0);
    EXPECT_GT(count(30), 0);   // left wing tip, red
    EXPECT_GT(count(57), 0);   // right wing tip, green
    draw_plane_shot("below", 4, 0);
    EXPECT_GT(count(55), 0);   // tail light, seen from behind
}

TEST_F(PlaneDrawing, AnOversizedAircraftZoomsOutAStepAFrame)
{
    load("Trainer");
    draw_plane_shot("above", 1, 0);
    set_mon(-1, 8.0f);
    float zooms[5];
    for (int k = 0; k < 5; k++) {
        clear_world();
        plot_plane();
        zooms[k] = con.zom_pp45 / 600.0f;
    }
    EXPECT_FLOAT_EQ(zooms[0], 4.0f);
    EXPECT_FLOAT_EQ(zooms[1], 2.0f);
    EXPECT_FLOAT_EQ(zooms[2], 1.0f);
    EXPECT_FLOAT_EQ(zooms[3], 1.0f);
    EXPECT_FLOAT_EQ(zooms[4], 1.0f);
    EXPECT_GT(count(21), 1000);
}

TEST_F(PlaneDrawing, NothingIsDrawnFromInsideAndNothingBehindTheCamera)
{
    load("Trainer");
    draw_plane_shot("side", 1, 0);
    con.VIEW_loc_x = con.PLAN_loc_x;
    con.VIEW_loc_y = con.PLAN_loc_y;
    con.VIEW_loc_z = con.PLAN_loc_z;
    look(30.0f, 10.0f);
    clear_world();
    set_mon(-1, 2.0f);
    plot_plane();
    EXPECT_EQ(count(VIEW_BG), ww * wh);
    EXPECT_FLOAT_EQ(con.zom_pp45, 1200.0f);
    // Camera 10 m behind the centre of gravity, looking forward: a line
    // reaching behind it is skipped, neither drawn mirrored nor zoomed for.
    con.VIEW_loc_y = con.PLAN_loc_y - 10.0f;
    look(0.0f, 0.0f);
    draw_line(-5.0f, 0.0f, 0.0f, 15.0f, 0.0f, 0.0f);
    draw_line(-5.0f, -1.0f, 0.0f, -5.0f, 1.0f, 0.0f);
    EXPECT_EQ(count(plane_outline_color()), 160);   // 2 m across at 15 m, zoom 2
    EXPECT_FLOAT_EQ(con.zom_pp45, 1200.0f);
}

TEST_F(PlaneDrawing, WingTopsShowFromAboveAndBottomsFromBelow)
{
    load("Trainer");
    draw_plane_shot("above", 1, 0);
    vertical_camera(1, 25.0f);
    EXPECT_GT(count(21), 1000);
    EXPECT_EQ(count(15), 0);
    vertical_camera(-1, 25.0f);
    EXPECT_GT(count(15), 1000);
    EXPECT_EQ(count(21), 0);
}

// Forward sweep, anhedral and a tail rotor canted -90 degrees take their
// sines from the whole turn, not from before the table.
TEST_F(PlaneDrawing, NegativeAnglesTurnTheWholeWay)
{
    load("Helicopter");
    pln.sweepnow[4] = -10;
    pln.dihed[4] = -5;
    pln.sidecant[1] = -90.0f;
    float b = pln.semiB[4], root_x = pln.xarm[4][MAX_ELS], root_z = pln.zarm[4][MAX_ELS];
    EXPECT_NEAR(get_wing_xarm(4, b) - root_x, b * sinf(-10 * con.degtorad) * cosf(-5 * con.degtorad), 1e-4f);
    EXPECT_NEAR(get_wing_zarm(4, b) - root_z, b * sinf(-5 * con.degtorad), 1e-4f);
    pln.sweepnow[5] = -20;
    EXPECT_NEAR(get_wing_xarm(5, 1.0f) - pln.xarm[5][MAX_ELS], sinf(-20 * con.degtorad), 1e-4f);
    pln.inverted[5] = 1;
    EXPECT_NEAR(get_wing_zarm(5, 1.0f) - pln.zarm[5][MAX_ELS], -cosf(-20 * con.degtorad), 1e-4f);
    draw_plane_shot("above", 1, 1);
    EXPECT_GT(count(11), 50);   // both rotors' blades
}
