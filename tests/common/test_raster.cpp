// The scan converter: Fixed against exact arithmetic, memscan against a
// byte loop, the triangle and line rules pixel for pixel, clipping against
// the same drawing in a larger world, and the window path.
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "raster_fixture.h"

TEST(FixedTest, ConversionsAndDivisionMatchExactArithmetic)
{
    EXPECT_EQ(fixed_to_int(fixed_from_int(-3)), -3);
    EXPECT_EQ(fixed_to_int(Fixed{-32768}), -1);   // -0.5 rounds toward minus infinity
    EXPECT_EQ(fixed_to_int(Fixed{98303}), 1);     // 1.49998
    EXPECT_EQ(fixed_from_long(7L).v, 7 * 65536);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> d(-20000, 20000);
    for (int k = 0; k < 5000; k++) {
        int a = d(rng), b = d(rng);
        if (b == 0)
            continue;
        double exact = (double)a * 65536.0 / b;
        double want = exact < 0 ? -std::floor(-exact + 0.5) : std::floor(exact + 0.5);
        want = std::fmax(std::fmin(want, 2147483647.0), -2147483648.0);
        ASSERT_EQ(fixed_div(a, b).v, (int32_t)want) << a << " / " << b;
    }
    EXPECT_EQ(fixed_div(3, 0).v, 0);
    EXPECT_EQ(fixed_div(1, 2).v, 32768);
    EXPECT_EQ(fixed_div(-1, 131072).v, -1);       // -0.5 away from zero
    EXPECT_EQ(fixed_div(40000, 1).v, INT32_MAX);  // saturates
    Fixed f = fixed_from_int(2);
    f += Fixed{-65536};
    EXPECT_TRUE(f < fixed_from_int(2));
    EXPECT_EQ(wide_to_long(wide_div(3, 5)), 0);
    EXPECT_EQ(wide_div(3, 5).v, fixed_div(3, 5).v);
}

TEST(MemscanTest, EqualsAByteLoopForEveryOffsetAndLength)
{
    alignas(8) uint8_t buf[64], ref[64];
    for (int off = 0; off <= 7; off++)
        for (int len = 0; len <= 40; len++) {
            memset(buf, 1, sizeof buf);
            memset(ref, 1, sizeof ref);
            for (int k = 0; k < len; k++)
                ref[8 + off + k] = 77;
            memscan(buf + 8, off, off + len - 1, 0x4D4D4D4Du, 77);
            ASSERT_EQ(memcmp(buf, ref, sizeof buf), 0) << off << " " << len;
        }
    memscan(buf, 5, 2, 0, 9);   // negative count: nothing
    EXPECT_EQ(buf[2], 1);
}

TEST_F(RasterTest, TriangleFillsRowsTopToBottomMinusOne)
{
    lock_world(10, 8);
    MACIBM_poly3(30, 0, 0, 4, 0, 0, 4, 1);
    EXPECT_EQ(cells(0, 0, 7, 30), "#####..");
    EXPECT_EQ(cells(0, 1, 7, 30), "####...");
    EXPECT_EQ(cells(0, 2, 7, 30), "###....");
    EXPECT_EQ(cells(0, 3, 7, 30), "##.....");
    EXPECT_EQ(cells(0, 4, 7, 30), ".......");
    EXPECT_EQ(count(30), 14);
    // Degenerate triangles draw nothing.
    MACIBM_poly3(31, 1, 1, 5, 1, 8, 1, 1);
    MACIBM_poly3(31, 2, 0, 2, 3, 2, 7, 1);
    EXPECT_EQ(count(31), 0);
}

// A clipped piece can have up to 24 vertices: all of them fill, 25 draw
// nothing (the clipper's buffer holds 24).
TEST_F(RasterTest, PolygonsAreFansOfTrianglesUpToTwentyFourVertices)
{
    lock_world(40, 40);
    int xs[25] = {5, 30, 30, 5}, ys[25] = {5, 5, 30, 30};
    MACIBM_polyN(40, xs, ys, 3, 1);
    int n_fan = count(40);
    lock_world(40, 40);
    MACIBM_poly4(40, 5, 5, 30, 5, 30, 30, 5, 30, 1);
    EXPECT_EQ(count(40), n_fan);
    EXPECT_EQ(n_fan, 26 * 25);   // columns 5..30, rows 5..29
    // 24 points round a circle: the fan fills the same as 24 triangles
    // from the first point.
    for (int k = 0; k < 25; k++) {
        xs[k] = 20 + iround(15.0f * lcos[k * 15]);
        ys[k] = 20 + iround(15.0f * lsin[k * 15]);
    }
    lock_world(40, 40);
    MACIBM_polyN(42, xs, ys, MAX_POLY_VERTS - 1, 1);
    int n_24 = count(42);
    lock_world(40, 40);
    for (int k = 1; k < MAX_POLY_VERTS - 1; k++)
        MACIBM_poly3(42, xs[0], ys[0], xs[k], ys[k], xs[k + 1], ys[k + 1], 1);
    EXPECT_EQ(count(42), n_24);
    EXPECT_GT(n_24, 600);
    lock_world(40, 40);
    MACIBM_polyN(41, xs, ys, MAX_POLY_VERTS, 1);    // 25 vertices
    MACIBM_polyN(41, xs, ys, 1, 1);
    MACIBM_polyN(41, xs, ys, -3, 1);
    EXPECT_EQ(count(41), 0);
}

// The same triangle drawn in a world large enough to hold it and cropped
// must equal the clipped drawing: clipping never changes a pixel.
TEST_F(RasterTest, ClippedTrianglesEqualTheCropOfAnUnclippedDrawing)
{
    const int W = 60, H = 40, OX = 300, OY = 300;
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> d(-250, 310);
    for (int t = 0; t < 300; t++) {
        int v[6];
        for (int &c : v)
            c = d(rng);
        lock_world(W + 2 * OX, H + 2 * OY, 12);
        MACIBM_poly3(50, v[0] + OX, v[1] + OY, v[2] + OX, v[3] + OY, v[4] + OX, v[5] + OY, 1);
        std::vector<int> big;
        for (int y = 0; y < H; y++)
            for (int x = 0; x < W; x++)
                big.push_back(px(x + OX, y + OY));
        lock_world(W, H, 12);
        MACIBM_poly3(50, v[0], v[1], v[2], v[3], v[4], v[5], 1);
        for (int y = 0; y < H; y++)
            for (int x = 0; x < W; x++)
                ASSERT_EQ(px(x, y), big[y * W + x]) << "triangle " << t << " at " << x << "," << y;
    }
}

// Span ends by the rule, each row computed on its own (x0 + k d, not a
// running sum), for triangles far beyond Fixed's range.
static void reference_triangle(int x0, int y0, int x1, int y1, int x2, int y2, int W, int H,
                               std::vector<int> &out)
{
    if (y0 > y1) { std::swap(y0, y1); std::swap(x0, x1); }
    if (y1 > y2) { std::swap(y1, y2); std::swap(x1, x2); }
    if (y0 > y1) { std::swap(y0, y1); std::swap(x0, x1); }
    auto slope = [](int64_t a, int64_t b) {
        double e = (double)a * 65536.0 / (double)b;
        return (int64_t)(e < 0 ? -std::floor(-e + 0.5) : std::floor(e + 0.5));
    };
    auto fl = [](int64_t v) { return v >> 16; };
    int64_t d = slope(x2 - x0, y2 - y0);
    for (int64_t y = std::max<int64_t>(y0, 0); y < std::min<int64_t>(y2, H); y++) {
        int64_t xl = (int64_t)x0 * 65536 + d * (y - y0), xs;
        bool long_left;
        if (y < y1) {
            int64_t ds = slope(x1 - x0, y1 - y0);
            xs = (int64_t)x0 * 65536 + ds * (y - y0);
            long_left = d < ds;
        } else {
            int64_t ds = slope(x2 - x1, y2 - y1);
            xs = (int64_t)x1 * 65536 + ds * (y - y1);
            long_left = (int64_t)x0 * 65536 + d * (y1 - y0) < (int64_t)x1 * 65536;
        }
        int64_t l = fl(long_left ? xl : xs), r = fl(long_left ? xs : xl);
        for (int64_t x = std::max<int64_t>(l, 0); x <= std::min<int64_t>(r, W - 1); x++)
            out[y * W + x] = 1;
    }
}

TEST_F(RasterTest, HugeTrianglesFollowTheRuleAndStayInsideTheWorld)
{
    const int W = 80, H = 50;
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> d(-60000, 60000), n(-20, 100);
    for (int t = 0; t < 200; t++) {
        int v[6] = {d(rng), d(rng), n(rng), n(rng), d(rng), n(rng)};
        if ((v[1] == v[3] && v[3] == v[5]) || (v[0] == v[2] && v[2] == v[4]))
            continue;
        lock_world(W, H, 12);
        MACIBM_poly3(60, v[0], v[1], v[2], v[3], v[4], v[5], 1);
        std::vector<int> ref(W * H, 0);
        reference_triangle(v[0], v[1], v[2], v[3], v[4], v[5], W, H, ref);
        for (int y = 0; y < H; y++)
            for (int x = 0; x < W; x++)
                ASSERT_EQ(px(x, y) == 60, ref[y * W + x] == 1) << "triangle " << t << " " << x << "," << y;
    }
    lock_world(W, H, 12);
    MACIBM_poly3(61, INT32_MIN, INT32_MIN, INT32_MAX, 0, 0, INT32_MAX, 1);
    EXPECT_GT(count(61), 0);
}

TEST_F(RasterTest, LineStepsTheTruncatedLengthAndSkipsTheEndPoint)
{
    lock_world(8, 8);
    MACIBM_line(30, 0, 0, 3, 4, 1);
    EXPECT_EQ(px(0, 0), 30);
    EXPECT_EQ(px(1, 1), 30);
    EXPECT_EQ(px(1, 2), 30);
    EXPECT_EQ(px(2, 3), 30);
    EXPECT_EQ(px(3, 4), BG);
    EXPECT_EQ(count(30), 4);
    MACIBM_line(31, 5, 5, 5, 5, 1);   // shorter than 1
    EXPECT_EQ(count(31), 0);
}

TEST_F(RasterTest, ClippedLinesEqualTheCropOfAnUnclippedDrawing)
{
    const int W = 50, H = 30, O = 400;
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> d(-300, 340);
    for (int t = 0; t < 300; t++) {
        int v[4] = {d(rng), d(rng), d(rng), d(rng)};
        lock_world(W + 2 * O, H + 2 * O, 12);
        MACIBM_line(44, v[0] + O, v[1] + O, v[2] + O, v[3] + O, 1);
        std::vector<int> big;
        for (int y = 0; y < H; y++)
            for (int x = 0; x < W; x++)
                big.push_back(px(x + O, y + O));
        lock_world(W, H, 12);
        MACIBM_line(44, v[0], v[1], v[2], v[3], 1);
        for (int y = 0; y < H; y++)
            for (int x = 0; x < W; x++)
                ASSERT_EQ(px(x, y), big[y * W + x]) << "line " << t;
    }
    lock_world(W, H, 12);
    MACIBM_line(45, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 1);
    MACIBM_line(45, -5, 10, INT32_MAX, 10, 1);
    EXPECT_GT(count(45), 0);
}

TEST_F(RasterTest, RectanglesPointsAndLinesOnTheLockedPath)
{
    lock_world(20, 12);
    MACIBM_fillrect(30, 3, 3, 0, 0, 1);
    EXPECT_EQ(count(30), 1);
    EXPECT_EQ(px(3, 3), 30);
    MACIBM_fillrect(31, 10, 2, 4, 2, 1);   // 5 x 3
    EXPECT_EQ(count(31), 15);
    MACIBM_fillrect(32, -100, -100, 105, 102, 1);   // reaches columns 0..5, rows 0..2
    EXPECT_EQ(count(32), 6 * 3);
    MACIBM_fillrect(33, 15, 8, 100, 100, 1);
    EXPECT_EQ(count(33), 5 * 4);
    lock_world(20, 12);
    MACIBM_framerect(34, 2, 2, 5, 4, 1);
    EXPECT_EQ(cells(0, 2, 9, 34), "..######.");
    EXPECT_EQ(cells(0, 3, 9, 34), "..#....#.");
    EXPECT_EQ(cells(0, 6, 9, 34), "..######.");
    EXPECT_EQ(count(34), 6 * 2 + 3 * 2);
    lock_world(20, 12);
    ADD_hline(35, 5, 1, -3);   // columns 2..4
    ADD_vline(35, 0, 11, 5);   // clipped to row 11
    ADD_hline(35, -50, 5, 1000);
    ADD_point(35, 20, 0);
    ADD_point(35, -1, 3);
    EXPECT_EQ(cells(0, 1, 6, 35), "..###.");
    EXPECT_EQ(px(0, 11), 35);
    EXPECT_EQ(count(35), 3 + 1 + 20);
}

TEST_F(RasterTest, WindowPathUsesTheSystemRules)
{
    MACIBM_startwind(0, 0);
    sys_fill_rect(0, 0, 800, 600, 70);
    MACIBM_fillrect(30, 10, 10, 0, 0, 1);   // right and bottom excluded: nothing
    EXPECT_EQ(test_window_pixel(0, 10, 10), 70);
    MACIBM_fillrect(30, 10, 10, 3, 2, 1);
    EXPECT_EQ(test_window_pixel(0, 12, 11), 30);
    EXPECT_EQ(test_window_pixel(0, 13, 11), 70);
    MACIBM_line(31, 100, 100, 103, 104, 1);   // both ends
    EXPECT_EQ(test_window_pixel(0, 100, 100), 31);
    EXPECT_EQ(test_window_pixel(0, 103, 104), 31);
    MACIBM_poly3(32, 200, 200, 220, 200, 200, 220, 1);
    EXPECT_EQ(test_window_pixel(0, 205, 205), 32);
    EXPECT_EQ(test_window_pixel(0, 220, 200), 32);   // the outline includes the corners
    EXPECT_EQ(test_window_pixel(0, 215, 215), 70);
    MACIBM_fillcircle(33, 400, 300, 10);
    EXPECT_EQ(test_window_pixel(0, 400, 290), 33);
    EXPECT_EQ(test_window_pixel(0, 400, 289), 70);
    EXPECT_EQ(test_window_pixel(0, 393, 293), 33);
    MACIBM_framecircle(34, 500, 300, 10);
    EXPECT_EQ(test_window_pixel(0, 510, 300), 34);
    EXPECT_EQ(test_window_pixel(0, 500, 300), 70);
    // Arcs: a quarter from 0 (up) clockwise to 90 (right).
    MACIBM_arc(35, 600, 300, 8, 10, 0, 90);
    EXPECT_EQ(test_window_pixel(0, 606, 294), 35);
    EXPECT_EQ(test_window_pixel(0, 594, 306), 70);
    EXPECT_EQ(test_window_pixel(0, 600, 300), 70);
    MACIBM_arc(36, 650, 300, 3, 5, 45, 45);
    EXPECT_EQ(test_window_pixel(0, 650, 296), 70);
    MACIBM_arc(36, 650, 300, 3, 5, 0, 360);   // the whole ring
    EXPECT_EQ(test_window_pixel(0, 650, 304), 36);
    EXPECT_EQ(test_window_pixel(0, 646, 300), 36);
}

TEST_F(RasterTest, CirclesAndArcsDrawNothingWhileLocked)
{
    lock_world(40, 40);
    MACIBM_fillcircle(30, 20, 20, 5);
    MACIBM_filloval(30, 20, 20, 5, 3);
    MACIBM_framecircle(30, 20, 20, 5);
    MACIBM_arc(30, 20, 20, 2, 5, 0, 180);
    EXPECT_EQ(count(30), 0);
}

TEST_F(RasterTest, ExtremeCoordinatesNeverWriteOutsideTheWorld)
{
    const int E[] = {INT32_MIN, -70000, -1, 0, 5, 39, 40, 70000, INT32_MAX};
    lock_world(40, 30);
    for (int a : E)
        for (int b : E) {
            MACIBM_fillrect(30, a, b, b, a, 1);
            MACIBM_framerect(30, a, b, a, b, 1);
            ADD_hline(30, a, b, b);
            ADD_vline(30, a, b, a);
            ADD_point(30, a, b);
            MACIBM_line(30, a, b, b, a, 1);
            MACIBM_poly3(30, a, b, b, a, a, a, 1);
            MACIBM_poly4(30, a, b, b, a, 0, 0, b, b, 1);
        }
    EXPECT_GT(count(30), 0);   // ASan/UBSan builds check the rest
    MACIBM_disposegworld(1);
    ww = 0;
    MACIBM_startwind(0, 0);
    for (int a : E)
        for (int b : E) {
            MACIBM_fillrect(31, a, b, b, a, 1);
            MACIBM_framerect(31, a, b, a, b, 1);
            MACIBM_line(31, a, b, b, a, 1);
            MACIBM_poly3(31, a, b, b, a, a, a, 1);
        }
}
