// The one definition of each record this folder owns.
#include "world/world.h"

environmentstruct env;
runwaystruct rwy;

// Filled by the region loader.
int on_water[MESH_I][MESH_J][2];
