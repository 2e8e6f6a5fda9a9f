// Functions of later steps that start-up, the frame loop and the window
// procedure already call. Each step deletes its functions from here (and
// their prototypes from local.h) when it lands.
#include "shell/local.h"
#include "files/files.h"
#include "world/world.h"
#include "panel/panel.h"

#include <cstdlib>

int initspeechsynth() { return 0; }   // TODO(lead): built by the ATC step (spoken messages)

void init_stars() {}                  // TODO(lead): built by the scene step
void build_mark() {}                  // TODO(lead): built by the carrier step
void build_vasi() {}                  // TODO(lead): built by the carrier step
void build_cable() {}                 // TODO(lead): built by the carrier step
void build_elev() {}                  // TODO(lead): built by the carrier step
void cleargraph() {}                  // TODO(lead): built by the output step
void open_output_streams() {}         // TODO(lead): built by the output step
void close_output_streams() {}        // TODO(lead): built by the output step

void start_looking() {}               // TODO(lead): built by the scene step
void grfload() {}                     // TODO(lead): built by the output step
void grfdrag() {}                     // TODO(lead): built by the output step
void play_movie() {}                  // TODO(lead): built by the replay step
void handle_plan(int) {}              // TODO(lead): built by the ATC step
void controller_respond(int) {}       // TODO(lead): built by the ATC step
// TODO(lead): built by the panel-clicks step; until then only the throttle
// slot works: rows 515 (full) to 563 (idle) of the lever, grabbed 7 pixels
// below its top, set the throttle request of every engine.
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
void dasclick(int, int) {}            // TODO(lead): built by the panel-clicks step
void fltclick(int) {}                 // TODO(lead): built by the settings-windows step
void relclick() {}                    // TODO(lead): built by the settings-windows step
void aptclick() {}                    // TODO(lead): built by the settings-windows step
void grfclick() {}                    // TODO(lead): built by the output step
void plt_nrt_click(int, int) {}       // TODO(lead): built by the settings-windows step
void plnclick(int) {}                 // TODO(lead): built by the ATC step
void staclick() {}                    // TODO(lead): built by the settings-windows step
void latclick(int) {}                 // TODO(lead): built by the settings-windows step
void datclick() {}                    // TODO(lead): built by the settings-windows step
void timclick(int) {}                 // TODO(lead): built by the settings-windows step
void wxrclick(int) {}                 // TODO(lead): built by the settings-windows step
void wgtclick(int) {}                 // TODO(lead): built by the settings-windows step
void sndclick() {}                    // TODO(lead): built by the settings-windows step
void wrnclick() {}                    // TODO(lead): built by the settings-windows step
void process_zap(int) {}              // TODO(lead): built by the events step
void handle_simkey(char) {}           // TODO(lead): built by the events step
void handle_funkey(int) {}            // TODO(lead): built by the events step
void setnav(int, int, int) {}         // TODO(lead): built by the radios step
