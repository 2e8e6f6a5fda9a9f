// Bitmap resources: each is painted by code into the current window, so the
// art can be read and changed as code. Only the splash exists so far.
// TODO(lead): the rasterizer step brings the real painters (panels, faces,
// window backgrounds) and the time-of-day colouring of bitmaps.
#include "common/local.h"

constexpr int SPLASH_ID = 500;

// Start-up picture: a sky ramp over dark ground, the program's name and the
// frame of the progress cells (x 59 + 5k, y 541, k = 0..43).
static void paint_splash(const Port *p, int x, int y)
{
    for (int band = 0; band < 40; band++)
        port_fill(p, x, y + band * 10, x + SCREEN_W, y + band * 10 + 10, 56 + band * 2);
    port_fill(p, x, y + 400, x + SCREEN_W, y + SCREEN_H, 160);
    for (int band = 0; band < 10; band++)
        port_fill(p, x, y + 400 + band * 4, x + SCREEN_W, y + 404 + band * 4, 151 + band);
    port_text_scaled(p, x + 164, y + 120, "VORTAN", 12, 13);
    port_text_scaled(p, x + 160, y + 116, "VORTAN", 55, 13);
    port_text_scaled(p, x + 250, y + 240, "Flight Simulator", 55, 3);
    port_text_scaled(p, x + 292, y + 290, "Corvane", 23, 2);
    port_fill(p, x + 55, y + 537, x + 284, y + 550, 11);
    port_fill(p, x + 56, y + 538, x + 283, y + 549, 14);
    port_text(p, x + 56, y + 526, "Loading...", 55);
}

void MACIBM_bitmap(int x, int y, int ID)
{
    if (ID != SPLASH_ID)
        MACIBM_numberexitalert("Can't load resource bitmap!", ID);
    if (cur_port.pixels)
        paint_splash(&cur_port, x, y);
}
