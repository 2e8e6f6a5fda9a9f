// The one definition of each record this folder owns.
#include "world/world.h"

environmentstruct env;
runwaystruct rwy;
