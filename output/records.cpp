// The one definition of each record this folder owns.
#include "output/output.h"

pathstruct pat;
graphstruct grf;
