// Stand-ins for the functions start-up, the frame loop and the window
// procedure call whose real bodies are not written yet: each does nothing
// (or, for the lever quadrant, the least that lets a pilot fly). Each says
// what it stands in for.
#include "shell/local.h"
#include "files/files.h"
#include "world/world.h"
#include "panel/panel.h"

#include <cstdlib>

void init_stars() {}                  // stands in for the out-the-window scene
void build_mark() {}                  // stands in for the carrier's deck
void build_vasi() {}                  // stands in for the carrier's deck
void build_cable() {}                 // stands in for the carrier's deck
void build_elev() {}                  // stands in for the carrier's deck
void cleargraph() {}                  // stands in for the data output and graphs
void open_output_streams() {}         // stands in for the data output and graphs
void close_output_streams() {}        // stands in for the data output and graphs

void start_looking() {}               // stands in for the out-the-window scene
void grfload() {}                     // stands in for the data output and graphs
void grfdrag() {}                     // stands in for the data output and graphs
void play_movie() {}                  // stands in for the flight-path replay
// Stands in for the lever quadrant's drags: only the throttle slot works,
// rows 515 (full) to 563 (idle) of the lever, grabbed 7 pixels below its
// top, setting the throttle request of every engine.
void enginecondrag(int x, int y)
{
    const int COLUMN = 666, HALF_WIDTH = 8, GRAB = 7, FULL = 515, IDLE = 563, MARGIN = 10;
    int lever = y - GRAB;
    if (abs(x - (osthr + COLUMN)) > HALF_WIDTH || lever < FULL - MARGIN || lever > IDLE + MARGIN)
        return;
    float request = fltlim(interp((float)IDLE, 0.0f, (float)FULL, 1.0f, (float)lever), 0.0f, 1.0f);
    for (int e = 0; e < 2 && e < pln.numen; e++)
        flt.throtrequest[e] = request;
}
void dasclick(int, int) {}            // stands in for the panel's hot spots
void fltclick(int) {}                 // stands in for the settings windows
void relclick() {}                    // stands in for the settings windows
void aptclick() {}                    // stands in for the settings windows
void grfclick() {}                    // stands in for the data output and graphs
void plt_nrt_click(int, int) {}       // stands in for the settings windows
void staclick() {}                    // stands in for the settings windows
void latclick(int) {}                 // stands in for the settings windows
void datclick() {}                    // stands in for the settings windows
void timclick(int) {}                 // stands in for the settings windows
void wxrclick(int) {}                 // stands in for the settings windows
void wgtclick(int) {}                 // stands in for the settings windows
void sndclick() {}                    // stands in for the settings windows
void wrnclick() {}                    // stands in for the settings windows
void process_zap(int) {}              // stands in for the key and window-event handlers
void handle_simkey(char) {}           // stands in for the key and window-event handlers
void handle_funkey(int) {}            // stands in for the key and window-event handlers
void setnav(int, int, int) {}         // stands in for the radios' tuning
