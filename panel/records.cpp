// The one definition of each record this folder owns.
#include "panel/panel.h"

inststruct ins;
navstruct nav;
