// The one definition of each record this folder owns.
#include "files/files.h"

planestruct pln;
airfoilstruct afl;
