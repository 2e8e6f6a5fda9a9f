// The terrain search and height on a synthetic mesh.
#include <gtest/gtest.h>

#include <cmath>

#include "../common/fatal_catch.h"
#include "world/world.h"

constexpr float CELL_X = 1000.0f, CELL_Y = 1200.0f;

// A plane z = a x + b y + c over a regular grid, diagonals alternating.
static void make_plane_mesh(float a, float b, float c, int div_pattern)
{
    for (int i = 0; i < MESH_I; i++)
        for (int j = 0; j < MESH_J; j++) {
            planex[i][j] = i * CELL_X;
            planey[i][j] = j * CELL_Y;
            planez[i][j] = a * planex[i][j] + b * planey[i][j] + c;
            planediv[i][j] = div_pattern == 2 ? (i + j) % 2 : div_pattern;
        }
}

TEST(Terrain, APlaneIsReproducedOnBothDiagonalsAndTriangles)
{
    const float a = 0.013f, b = -0.021f, c = 350.0f;
    for (int pattern : {0, 1, 2}) {
        make_plane_mesh(a, b, c, pattern);
        // Points near both corners of a cell fall in different triangles.
        for (float fx : {0.2f, 0.8f})
            for (float fy : {0.15f, 0.85f}) {
                float x = 40.0f * CELL_X + fx * CELL_X, y = 30.0f * CELL_Y + fy * CELL_Y;
                int i = 40, j = 30, t = 0;
                float h = -1.0f;
                find_local_h(x, y, &h, &i, &j, &t);
                EXPECT_NEAR(h, a * x + b * y + c, 1e-2f) << pattern << " " << fx << " " << fy;
                EXPECT_EQ(i, 40);
                EXPECT_EQ(j, 30);
            }
    }
}

TEST(Terrain, TrianglesOfACellAreSeparatedByItsDiagonal)
{
    make_plane_mesh(0, 0, 0, 0);
    int i = 10, j = 10, t = -1;
    ASSERT_TRUE(find_ijt_with_loc(10.1f * CELL_X, 10.1f * CELL_Y, &i, &j, &t, 0));
    EXPECT_EQ(t, 0);   // diagonal [i+1][j]-[i][j+1]: the south-west half is 0
    ASSERT_TRUE(find_ijt_with_loc(10.9f * CELL_X, 10.9f * CELL_Y, &i, &j, &t, 0));
    EXPECT_EQ(t, 1);
    make_plane_mesh(0, 0, 0, 1);
    ASSERT_TRUE(find_ijt_with_loc(10.1f * CELL_X, 10.9f * CELL_Y, &i, &j, &t, 0));
    EXPECT_EQ(t, 0);   // diagonal [i][j]-[i+1][j+1]: the north-west half is 0
    ASSERT_TRUE(find_ijt_with_loc(10.9f * CELL_X, 10.1f * CELL_Y, &i, &j, &t, 0));
    EXPECT_EQ(t, 1);
}

TEST(Terrain, StaleLocationsFallBackAndOffMeshKeepsTheHeight)
{
    make_plane_mesh(0.0f, 0.0f, 77.0f, 2);
    int i = 3, j = 3, t = 0;
    float x = 80.5f * CELL_X, y = 60.5f * CELL_Y;
    EXPECT_FALSE(find_ijt_with_loc(x, y, &i, &j, &t, 0));
    EXPECT_EQ(i, 3);
    float h = -999.0f;
    find_local_h(x, y, &h, &i, &j, &t);
    EXPECT_FLOAT_EQ(h, 77.0f);
    EXPECT_EQ(i, 80);
    EXPECT_EQ(j, 60);
    h = -999.0f;
    find_local_h(-5.0f, y, &h, &i, &j, &t);
    EXPECT_FLOAT_EQ(h, -999.0f);
    EXPECT_EQ(i, 80);
    find_local_h(NAN, y, &h, &i, &j, &t);
    EXPECT_FLOAT_EQ(h, -999.0f);
}

TEST(Terrain, PointsOnGridLinesHaveGround)
{
    make_plane_mesh(0.01f, 0.02f, 5.0f, 2);
    // Vertices, cell edges, diagonals and the outer border of the mesh.
    float pts[][2] = {{20 * CELL_X, 20 * CELL_Y}, {20.5f * CELL_X, 20 * CELL_Y},
                      {20 * CELL_X, 20.25f * CELL_Y}, {20.5f * CELL_X, 20.5f * CELL_Y},
                      {0, 0}, {114 * CELL_X, 100 * CELL_Y}, {0, 50.5f * CELL_Y}};
    for (auto &p : pts) {
        int i = 0, j = 0, t = 0;
        float h = -999.0f;
        find_local_h(p[0], p[1], &h, &i, &j, &t);
        EXPECT_NEAR(h, 0.01f * p[0] + 0.02f * p[1] + 5.0f, 1e-2f) << p[0] << "," << p[1];
    }
}

TEST(Terrain, AreaAndCircleRows)
{
    EXPECT_FLOAT_EQ(findarea(0, 0, 0, 4, 0, 0, 0, 3, 0), 6.0f);
    EXPECT_FLOAT_EQ(findarea(0, 0, 0, 0, 0, 5, 2, 0, 0), 5.0f);
    EXPECT_FLOAT_EQ(findarea(1, 1, 1, 1, 1, 1, 2, 2, 2), 0.0f);
    int y = -5, x1, x2;
    work_down_circle(5, &y, &x1, &x2);
    EXPECT_EQ(x1, 0);
    EXPECT_EQ(x2, 0);
    EXPECT_EQ(y, -4);
    work_down_circle(5, &y, &x1, &x2);
    EXPECT_EQ(x2, 3);
    y = 0;
    work_down_circle(5, &y, &x1, &x2);
    EXPECT_EQ(x1, -5);
    test_set_fatal_hook(throw_fatal);
    y = 6;
    try {
        work_down_circle(5, &y, &x1, &x2);
        FAIL();
    } catch (const FatalExit &e) {
        EXPECT_EQ(e.s1, "y>r");
    }
    test_set_fatal_hook(nullptr);
}

// The whole-mesh search starts near where a straight grid would put the
// point; on a stretched grid that guess is far off, and on the lines
// between cells several triangles hold the point. Either way it must give
// the triangle the scan from the first cell gives: the first in search
// order, which a search of the few cells round the right one also gives.
TEST(Terrain, WholeMeshSearchGivesTheFirstTriangleInSearchOrder)
{
    int checked = 0;
    for (int mesh = 0; mesh < 2; mesh++) {
        for (int i = 0; i < MESH_I; i++)
            for (int j = 0; j < MESH_J; j++) {
                if (mesh == 0) {   // sheared: the guess drifts cell by cell across the mesh
                    planex[i][j] = (float)i * CELL_X + (float)j * CELL_X / 20.0f;
                    planey[i][j] = (float)j * CELL_Y + (float)i * CELL_Y / 25.0f;
                } else {           // stretched: the guess is far off
                    planex[i][j] = (float)(i * i) * 40.0f + (float)j * 15.0f;
                    planey[i][j] = (float)j * CELL_Y + (float)(i % 3) * 100.0f;
                }
                planez[i][j] = 0.0f;
                planediv[i][j] = (i + 2 * j) % 3 == 0;
            }
        for (int ci = 0; ci < MESH_I - 1; ci += 3 + 8 * mesh)
            for (int cj = 0; cj < MESH_J - 1; cj += 2)
                for (float fx : {0.0f, 0.5f})
                    for (float fy : {0.0f, 0.5f, 0.75f}) {
                        // Corner, edge or inside point of cell (ci, cj), between its corners.
                        float x = planex[ci][cj] + fx * (planex[ci + 1][cj] - planex[ci][cj]);
                        float y = planey[ci][cj] + fy * (planey[ci][cj + 1] - planey[ci][cj]);
                        int i = 0, j = 0, t = 0, li = ci, lj = cj, lt = 0;
                        int whole = find_ijt_with_loc(x, y, &i, &j, &t, 1);
                        int local = find_ijt_with_loc(x, y, &li, &lj, &lt, 0);
                        ASSERT_EQ(whole, local) << mesh << ": " << ci << " " << cj << " " << fx << " " << fy;
                        if (!whole)
                            continue;
                        EXPECT_EQ(i * 1000 + j * 10 + t, li * 1000 + lj * 10 + lt)
                            << mesh << ": " << ci << " " << cj << " " << fx << " " << fy;
                        checked++;
                    }
    }
    EXPECT_GT(checked, 3000);
}
