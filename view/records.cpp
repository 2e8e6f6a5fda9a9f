// The one definition of each record this folder owns.
#include "view/view.h"

scenerystruct scn;
starstruct sta;
carrierstruct car;
