// Foilwright's two screen backgrounds, painted by code: a grey panel with
// the caption of every constant field above it, and the dark plot area.
#include "foilwright/foilwright.h"

namespace foilwright {

constexpr int PANEL_COLOR = 16, FRAME_COLOR = 20, TITLE_COLOR = 23;

struct Caption {
    int color, x, y;
    const char *text;
};

// Captions sit 4 pixels above their field (field tops are in plot.cpp).
static const Caption AIRFOIL_CAPTIONS[] = {
    {CL_COLOR, 140, 40, "RE MILLIONS"},
    {TITLE_COLOR, 9, 70, "LIFT"},
    {CL_COLOR, 9, 81, "CLB"}, {CL_COLOR, 70, 81, "CLM"}, {CL_COLOR, 131, 81, "LPOW"},
    {CL_COLOR, 192, 81, "LSTALL"},
    {CL_COLOR, 9, 134, "LDROP1"}, {CL_COLOR, 70, 134, "LPOWSTL"}, {CL_COLOR, 131, 134, "LDROP2"},
    {CD_COLOR, 9, 187, "DMIN"}, {CD_COLOR, 70, 187, "DMINCL"}, {CD_COLOR, 131, 187, "DAL10"},
    {CD_COLOR, 192, 187, "DPOW"},
    {CD_COLOR, 9, 240, "BLOC"}, {CD_COLOR, 70, 240, "BWIDTH"}, {CD_COLOR, 131, 240, "BDEPTH"},
    {CD_COLOR, 192, 240, "BPOWER"},
    {CM_COLOR, 9, 293, "ALPHA"}, {CM_COLOR, 70, 293, "CMAL2"}, {CM_COLOR, 131, 293, "CMAL3"},
    {CM_COLOR, 192, 293, "ALPHA"},
    {CM_COLOR, 9, 346, "CM1"}, {CM_COLOR, 70, 346, "CM2"}, {CM_COLOR, 131, 346, "CM3"},
    {CM_COLOR, 192, 346, "CM4"},
    {ALPHA_COLOR, 70, 399, "ALMIN"}, {ALPHA_COLOR, 131, 399, "ALMAX"},
};
static const Caption FLAP_CAPTIONS[] = {
    {TITLE_COLOR, 9, 70, "FLAP POLYNOMIALS OF DEFLECTION"},
    {CL_COLOR, 9, 81, "LCO1"}, {CL_COLOR, 70, 81, "LCO2"}, {CL_COLOR, 131, 81, "LCO3"},
    {CD_COLOR, 9, 134, "DCO1"}, {CD_COLOR, 70, 134, "DCO2"}, {CD_COLOR, 131, 134, "DCO3"},
    {CM_COLOR, 9, 187, "MCO1"}, {CM_COLOR, 70, 187, "MCO2"}, {CM_COLOR, 131, 187, "MCO3"},
};

// The panel, the plot frame and the captions, into the locked world.
static void paint_screen(const Caption *captions, int n, const char *abscissa)
{
    MACIBM_fillrect(PANEL_COLOR, 0, 0, SCREEN_W - 1, SCREEN_H - 1, 1);
    MACIBM_fillrect(BACK_COLOR, 248, 3, 408, 433, 1);
    MACIBM_framerect(FRAME_COLOR, 246, 1, 412, 437, 1);
    for (int k = 0; k < n; k++)
        MACIBM_drstring(captions[k].color, captions[k].x, captions[k].y, captions[k].text, 1);
    MACIBM_drstring(ALPHA_COLOR, 250, 452, abscissa, 1);
    MACIBM_drstring(CL_COLOR, 250, 466, "CL", 1);
    MACIBM_drstring(CD_COLOR, 280, 466, "CD", 1);
    MACIBM_drstring(CM_COLOR, 310, 466, "CM", 1);
}

static void paint_airfoil(const Port *)
{
    paint_screen(AIRFOIL_CAPTIONS, (int)(sizeof AIRFOIL_CAPTIONS / sizeof AIRFOIL_CAPTIONS[0]),
                 "ALPHA -20 TO 20 DEGREES");
}

static void paint_flap(const Port *)
{
    paint_screen(FLAP_CAPTIONS, (int)(sizeof FLAP_CAPTIONS / sizeof FLAP_CAPTIONS[0]),
                 "DEFLECTION 0 TO FULL");
}

// The polar view's abscissa is the lift coefficient, over the span the plot
// places it in (200 + 125 cl pixels for an airfoil, 200 cl for a flap).
static void paint_airfoil_polar(const Port *)
{
    paint_screen(AIRFOIL_CAPTIONS, (int)(sizeof AIRFOIL_CAPTIONS / sizeof AIRFOIL_CAPTIONS[0]),
                 "CL -1.6 TO 1.6");
}

static void paint_flap_polar(const Port *)
{
    paint_screen(FLAP_CAPTIONS, (int)(sizeof FLAP_CAPTIONS / sizeof FLAP_CAPTIONS[0]), "CL 0 TO 2");
}

void register_backgrounds()
{
    register_bitmap(DEVICE_AIRFOIL, SCREEN_W, SCREEN_H, paint_airfoil, "airfoil screen");
    register_bitmap(DEVICE_FLAP, SCREEN_W, SCREEN_H, paint_flap, "flap screen");
    register_bitmap(SCREEN_AIRFOIL_POLAR, SCREEN_W, SCREEN_H, paint_airfoil_polar, "airfoil polar screen");
    register_bitmap(SCREEN_FLAP_POLAR, SCREEN_W, SCREEN_H, paint_flap_polar, "flap polar screen");
}

}  // namespace foilwright
