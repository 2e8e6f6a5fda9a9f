// Stand-in for what the frame paints and later work fills in.
#include "view/view.h"

void plot_flight_path() {}             // stands in for the replay's flight-path trail
