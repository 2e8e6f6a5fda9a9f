// Stand-ins for what the frame paints and later work fills in: each draws
// nothing yet and says what it stands in for.
#include "view/view.h"

void plotHUD() {}                      // stands in for the head-up display
void plot_coolhud() {}                 // stands in for the hoop display
void do_window_rain() {}               // stands in for rain and snow on the windscreen
void draw_lightning_strike() {}        // stands in for the lightning bolt
void draw_a_plane(int) {}              // stands in for the traffic aircraft
void draw_boat(float, float) {}        // stands in for the ships
void draw_carrier(float, float) {}     // stands in for the aircraft carrier
