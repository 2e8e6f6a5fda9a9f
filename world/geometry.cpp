// Point-in-outline test shared by the terrain search, runway clearing and
// whole-view fills: which side of a directed edge a point lies on.
#include "world/world.h"

#include <cmath>

float planex[MESH_I][MESH_J], planey[MESH_I][MESH_J], planez[MESH_I][MESH_J];
int planediv[MESH_I][MESH_J];

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
