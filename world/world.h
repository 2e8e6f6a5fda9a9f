// Scenery: the loaded region and its navigation table `env`, and the
// runway marking geometry `rwy`.
#pragma once
#include "common/common.h"

constexpr int NO_REGION = -999;   // env.apt_max before any region loads

struct environmentstruct {
    char C_path[MAX_STR];    // folder of the quadrant files
    int lat_south, lon_west; // deg, the region's south-west quadrant
    int apt_max, vor_max, ndb_max;   // NO_REGION until a region loads
    int i_aircraft, j_aircraft, t_aircraft;   // grid cell and triangle
    float localh;            // m, terrain height under the aircraft
    float fieldh;            // m, elevation of the current airport
    int mvar;                // deg, magnetic variation, east positive

    // ---- the deck under the aircraft: set by the carrier and ship logic,
    // read by the ground contact
    int over_carr, over_boat;         // over the carrier's deck, a ship's deck
    float carrz;                      // m, carrier deck height
    float boatx[4], boaty[4], boatz[4];   // m, ship deck corners
    // ---- end of the deck block
};
extern environmentstruct env;

struct runwaystruct {
    int max;                 // marking points in use
};
extern runwaystruct rwy;

// Terrain mesh of the loaded region, [i][j] with i west to east, j south to
// north; cell [i][j] has corners [i][j]..[i+1][j+1]. Filled by the region
// loader; read by the flight model's terrain search and the view.
constexpr int MESH_I = 115;
constexpr int MESH_J = 101;
constexpr float NO_HEIGHT = -9999.0f;   // planez where nothing is loaded
extern float planex[MESH_I][MESH_J], planey[MESH_I][MESH_J], planez[MESH_I][MESH_J];
extern int planediv[MESH_I][MESH_J];    // 0: diagonal [i+1][j]-[i][j+1]

// 1 when (x, y) lies on the inner side of the directed edge (x1, y1) ->
// (x2, y2) of a clockwise outline, widened outward by `margin` (m); a point
// on the edge itself is outside when the margin is 0. A zero-length edge
// contains nothing.
int inside_cw_reg(float x1, float y1, float x2, float y2, float x, float y, float margin);

// ---- land use of each terrain triangle [i][j][t], filled by the region
// loader; the ground contact reads the aircraft's cell.
extern int on_water[MESH_I][MESH_J][2];
