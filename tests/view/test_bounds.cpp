// The drawn grid range and its painting order, over a flat grid of points
// 1 km apart, and the choice of the current airport.
#include <cmath>

#include "tests/view/view_fixture.h"
#include "world/world.h"

class Bounds : public ViewTest {
  protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        for (int i = 0; i < MESH_I; i++)
            for (int j = 0; j < MESH_J; j++) {
                planex[i][j] = i * 1000.0f;
                planey[i][j] = j * 1000.0f;
                planez[i][j] = 0.0f;
            }
        for (int i = 0; i < CLOUD_I; i++)
            for (int j = 0; j < CLOUD_J; j++) {
                cloudx[i][j] = i * 12000.0f;
                cloudy[i][j] = j * 14000.0f;
            }
        memset(&env, 0, sizeof env);
        env.apt_max = -1;
        camera_at(57000.0f, 50000.0f, 0.0f);
        atm.vis = atm.vis_effective = 10000.0f;
        atm.clear = 1;
    }
    void TearDown() override
    {
        memset(&env, 0, sizeof env);
        ViewTest::TearDown();
    }
    void camera_at(float x, float y, float heading_deg)
    {
        con.VIEW_loc_x = x;
        con.VIEW_loc_y = y;
        env.i_viewpoint = (int)(x / 1000.0f);
        env.j_viewpoint = (int)(y / 1000.0f);
        look(heading_deg, 0.0f);
    }
    int marked() const
    {
        int n = 0;
        for (int i = 0; i < MESH_I; i++)
            for (int j = 0; j < MESH_J; j++)
                n += invrange[i][j];
        return n;
    }
    void expect_bounds(int i1, int i2, int j1, int j2) const
    {
        EXPECT_EQ(scn.i1_plot_bound, i1);
        EXPECT_EQ(scn.i2_plot_bound, i2);
        EXPECT_EQ(scn.j1_plot_bound, j1);
        EXPECT_EQ(scn.j2_plot_bound, j2);
    }
};

// Every octant paints its cells far to near along both loops, the outer
// loop running across the view's main direction.
TEST_F(Bounds, EveryOctantPaintsFarToNear)
{
    const int vlines[9] = {0, 0, 1, 1, 0, 0, 1, 1, 0}, sweepcon[9] = {0, 1, 1, 2, 2, 3, 3, 4, 4};
    for (int oct = 1; oct <= 8; oct++) {
        float heading = (oct - 1) * 45.0f + 22.5f;
        camera_at(57000.0f, 50000.0f, heading);
        set_bounds(oct);
        EXPECT_EQ(scn.vlines, vlines[oct]) << oct;
        EXPECT_EQ(scn.sweepcon, sweepcon[oct]) << oct;
        float s = sinf(heading * con.degtorad), c = cosf(heading * con.degtorad);
        auto ahead = [&](int a, int b) {
            int i = scn.vlines ? a : b, j = scn.vlines ? b : a;
            return (i + 0.5f) * 1000.0f * s + (j + 0.5f) * 1000.0f * c;
        };
        int cells = 0, order_ok = 1;
        float last_row = 1e9f;
        for (int a = scn.plot_i_start; a != scn.plot_i_stop; a += scn.i_inc) {
            order_ok &= ahead(a, scn.plot_j_start) <= last_row + 1.0f;
            last_row = ahead(a, scn.plot_j_start);
            float last = 1e9f;
            for (int b = scn.plot_j_start; b != scn.plot_j_stop; b += scn.j_inc, cells++) {
                order_ok &= ahead(a, b) <= last + 1.0f;
                last = ahead(a, b);
            }
        }
        EXPECT_TRUE(order_ok) << "octant " << oct;
        EXPECT_GT(cells, 300) << oct;
        EXPECT_LT(cells, 33 * 33) << oct;
    }
}

TEST_F(Bounds, TheRangeFollowsTheVisibilityAndCutsOffWhatIsBehind)
{
    // 1.5 x 10 km round the camera: 709 points; north-looking, the rows
    // south of the viewpoint's cell are cut, then one cell added all round.
    set_bounds(1);
    EXPECT_EQ(marked(), 709);
    expect_bounds(41, 73, 48, 66);
    // East-looking octants keep the columns from the viewpoint's on.
    set_bounds(3);
    expect_bounds(55, 73, 34, 66);
    // The satellite view draws 20 km all round.
    set.viewtype = VIEW_SATELLITE;
    set_bounds(1);
    expect_bounds(36, 78, 29, 71);
    // Replay draws by its own visibility; never less than a nautical mile.
    set.viewtype = VIEW_REPLAY;
    atm.vis_effective = 100.0f;
    set_bounds(1);
    EXPECT_EQ(marked(), 9);
    // Far off the grid nothing is drawn.
    set.viewtype = VIEW_FULL_SCREEN;
    camera_at(-500000.0f, 50000.0f, 0.0f);
    set_bounds(1);
    EXPECT_EQ(marked(), 0);
    EXPECT_EQ(scn.plot_i_start, scn.plot_i_stop);
    EXPECT_EQ(scn.plot_j_start, scn.plot_j_stop);
}

TEST_F(Bounds, AboveTheTopsOrClimbingInTheLayerTheCloudGridIsDrawn)
{
    atm.clear = 0;
    scn.abovetops = 1;
    set_bounds(1);
    expect_bounds(0, 39, 1, 31);   // the viewpoint's cloud cell is (4, 3)
    set_bounds(6);
    expect_bounds(0, 6, 0, 31);
    // Inside the layer: clouds while climbing, terrain otherwise.
    scn.abovetops = 0;
    flt.vu = 2.0f;
    set_bounds(1);
    expect_bounds(0, 39, 1, 31);
    flt.vu = -2.0f;
    set_bounds(1);
    expect_bounds(41, 73, 48, 66);
}

// The nearest airport ahead (within 45 degrees of the heading) or within
// 2 nm becomes the current one, and is built when it changes.
TEST_F(Bounds, TheNearestAirportAheadOrCloseByBecomesCurrent)
{
    const float where[3][3] = {{57000, 60000, 100}, {57000, 48500, 200}, {57000, 40000, 300}};
    for (int n = 0; n < 3; n++) {
        int k = 10 + n;
        env.apt_to_index[n] = k;
        env.navmsc[k][0] = NAV_APT1;
        env.navmsc[k][1] = 1500;
        env.navmsc[k][2] = 30;
        env.navmsc[k][3] = 90;
        env.navmsc[k][4] = 9;
        env.navxyz[k][0] = where[n][0];
        env.navxyz[k][1] = where[n][1];
        env.navxyz[k][4] = where[n][2];
    }
    env.apt_max = 2;
    msc.loc_index = 0;
    msc.loc_apt = -1;
    // Behind but 1.5 km off beats 10 km ahead; 10 km behind does not count.
    set_bounds(1);
    EXPECT_EQ(msc.loc_apt, 1);
    EXPECT_EQ(msc.loc_index, 11);
    EXPECT_FLOAT_EQ(env.fieldh, 200.0f);
    // Unchanged, it is not built again.
    env.fieldh = -1.0f;
    set_bounds(1);
    EXPECT_FLOAT_EQ(env.fieldh, -1.0f);
    // Further north the one ahead takes over.
    camera_at(57000.0f, 55000.0f, 0.0f);
    set_bounds(1);
    EXPECT_EQ(msc.loc_index, 10);
    EXPECT_FLOAT_EQ(env.fieldh, 100.0f);
}
