// The one definition of each record this folder owns.
#include "atc/atc.h"

atcstruct atc;
flightplanstruct fpl;
