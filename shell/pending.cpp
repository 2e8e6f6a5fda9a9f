// Stand-ins for the functions start-up, the frame loop and the window
// procedure call whose real bodies are not written yet: each does nothing
// (or, for the lever quadrant, the least that lets a pilot fly). Each says
// what it stands in for.
#include "shell/local.h"
#include "files/files.h"
#include "world/world.h"
#include "panel/panel.h"

#include <cstdlib>

void build_mark() {}                  // stands in for the carrier's deck
void build_vasi() {}                  // stands in for the carrier's deck
void build_cable() {}                 // stands in for the carrier's deck
void build_elev() {}                  // stands in for the carrier's deck

// Stands in for the lever quadrant's drags: only the throttle slot works
// (its whole width, both levers and between them), rows 515 (full) to 563
// (idle) of the lever, grabbed 7 pixels below its top, setting the
// throttle request of every engine and the lever's row.
void enginecondrag(int x, int y)
{
    const int FIRST = 647, LAST = 682, MARGIN_X = 8;
    const int GRAB = 7, FULL = 515, IDLE = 563, MARGIN = 10;
    int lever = y - GRAB;
    if (x < osthr + FIRST - MARGIN_X || x > osthr + LAST + MARGIN_X || lever < FULL - MARGIN ||
        lever > IDLE + MARGIN)
        return;
    float request = fltlim(interp((float)IDLE, 0.0f, (float)FULL, 1.0f, (float)lever), 0.0f, 1.0f);
    for (int e = 0; e < 2 && e < pln.numen; e++) {
        flt.throtrequest[e] = request;
        ins.throt[e] = intlim(lever, FULL, IDLE);
    }
}
void dasclick(int, int) {}            // stands in for the panel's hot spots
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
void setnav(int, int, int) {}         // stands in for the radios' tuning
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
void NAVinc(int *, int, int) {}       // stands in for the radios' digit steps
void COMinc(int *, int, int) {}       // stands in for the radios' digit steps
void HUNinc(int *, int, int) {}       // stands in for the radios' digit steps
void ADFinc(int *, int, int) {}       // stands in for the radios' digit steps
void XPNinc(int *, int, int) {}       // stands in for the radios' digit steps
