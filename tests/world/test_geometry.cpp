// The directed-edge test of clockwise outlines.
#include <gtest/gtest.h>

#include "world/world.h"

TEST(Geometry, InsideClockwiseEdgeWithMargins)
{
    // Edge running north along x = 0: inside a clockwise outline is east.
    EXPECT_TRUE(inside_cw_reg(0, 0, 0, 10, 1, 5, 0));
    EXPECT_FALSE(inside_cw_reg(0, 0, 0, 10, -1, 5, 0));
    EXPECT_FALSE(inside_cw_reg(0, 0, 0, 10, 0, 5, 0));     // on the edge
    EXPECT_TRUE(inside_cw_reg(0, 0, 0, 10, -99, 5, 100));  // widened 100 m
    EXPECT_FALSE(inside_cw_reg(0, 0, 0, 10, -101, 5, 100));
    // The margin is a distance, whatever the edge's length.
    EXPECT_TRUE(inside_cw_reg(0, 0, 0, 1000, -99, 5, 100));
    EXPECT_FALSE(inside_cw_reg(3, 3, 3, 3, 4, 4, 100));    // zero-length edge
}
