// Point-in-outline tests shared by the terrain search, runway clearing,
// beacon cells and whole-view fills: which side of a directed edge a point
// lies on, and whole outlines whichever way round they run.
#include "world/world.h"

#include <cmath>


int inside_cw_reg(float x1, float y1, float x2, float y2, float x, float y, float margin)
{
    double ex = (double)x2 - x1, ey = (double)y2 - y1;
    double len = sqrt(ex * ex + ey * ey);
    if (!(len > 0.0))
        return 0;
    // Positive to the left of the edge, which is outside a clockwise outline.
    double left_m = (ex * ((double)y - y1) - ey * ((double)x - x1)) / len;
    return left_m < margin;
}

// Twice the signed area of an outline: positive when it runs anticlockwise.
static double signed_area2(const float px[], const float py[], int n)
{
    double a = 0.0;
    for (int k = 0; k < n; k++) {
        int m = (k + 1) % n;
        a += (double)px[k] * py[m] - (double)px[m] * py[k];
    }
    return a;
}

// Inside every edge of an outline, taken clockwise whichever way it is given.
static int inside_outline(const float px[], const float py[], int n, float x, float y, float margin)
{
    int reverse = signed_area2(px, py, n) > 0.0;
    for (int k = 0; k < n; k++) {
        int a = reverse ? n - 1 - k : k;
        int b = reverse ? (n - 2 - k + n) % n : (k + 1) % n;
        if (!inside_cw_reg(px[a], py[a], px[b], py[b], x, y, margin))
            return 0;
    }
    return 1;
}

int inside_quad(const float px[4], const float py[4], float x, float y, float margin)
{
    return inside_outline(px, py, 4, x, y, margin);
}

int ontri(int i1, int j1, int i2, int j2, int i3, int j3, float x, float y)
{
    const float px[3] = {planex[i1][j1], planex[i2][j2], planex[i3][j3]};
    const float py[3] = {planey[i1][j1], planey[i2][j2], planey[i3][j3]};
    if (signed_area2(px, py, 3) == 0.0)
        return 0;
    // A point on an edge counts as inside: a small outward margin.
    return inside_outline(px, py, 3, x, y, 0.001f);
}
