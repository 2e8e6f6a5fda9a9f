// Stand-ins for the functions start-up, the frame loop and the window
// procedure call whose real bodies are not written yet: each does nothing.
// Each says what it stands in for.
#include "shell/local.h"

void build_mark() {}                  // stands in for the carrier's deck
void build_vasi() {}                  // stands in for the carrier's deck
void build_cable() {}                 // stands in for the carrier's deck
void build_elev() {}                  // stands in for the carrier's deck
void fltclick(int) {}                 // stands in for the settings windows
void relclick() {}                    // stands in for the settings windows
void aptclick() {}                    // stands in for the settings windows
void plt_nrt_click(int, int) {}       // stands in for the settings windows
void staclick() {}                    // stands in for the settings windows
void latclick(int) {}                 // stands in for the settings windows
void timclick(int) {}                 // stands in for the settings windows
void wxrclick(int) {}                 // stands in for the settings windows
void wgtclick(int) {}                 // stands in for the settings windows
void sndclick() {}                    // stands in for the settings windows
void wrnclick() {}                    // stands in for the settings windows
void aptplot() {}                     // stands in for the settings windows
void plt_nrt_plot(int, int) {}        // stands in for the settings windows
void staplot() {}                     // stands in for the settings windows
void latplot() {}                     // stands in for the settings windows
void timplot() {}                     // stands in for the settings windows
void wxrplot() {}                     // stands in for the settings windows
void fltplot() {}                     // stands in for the settings windows
void wgtplot() {}                     // stands in for the settings windows
void relplot() {}                     // stands in for the settings windows
void sndplot() {}                     // stands in for the settings windows
void wrnplot() {}                     // stands in for the settings windows
void isoplot() {}                     // stands in for the settings windows
