// The one definition of each record this folder owns.
#include "flight/flight.h"

flightstruct flt;
atmospherestruct atm;
