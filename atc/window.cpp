// The Flight Plan window (17): flight rules, departure and arrival airports
// and the cruise altitude of the plan `fpl`, and what its closing says.
#include "atc/local.h"

namespace {

constexpr int BACK = 14, PANEL = 16, FIELD = 11, INK = 37, LABEL = 59, TITLE = 37;
constexpr int W = 589, H = 415;
constexpr int RULES_X = 60, RULES_Y = 90, RULES_DY = 30;
constexpr int ID_X = 330, DEP_Y = 90, ARR_Y = 170, ALT_X = 330, ALT_Y = 250;
constexpr float MAX_CRUISE_FT = 60000.0f;

void frame_box(int x, int y, int w, int h)
{
    MACIBM_fillrect(PANEL, x, y, w, h, 1);
    MACIBM_framerect(LABEL, x, y, w, h, 1);
}

// The three rule switches; returns 1 when one changed (the others follow:
// exactly one is always on).
int rules(int up)
{
    int *const VAR[3] = {&fpl.ifr, &fpl.vfr, &fpl.dvfr};
    int before[3] = {fpl.ifr, fpl.vfr, fpl.dvfr};
    int changed = -1;
    for (int k = 0; k < 3; k++) {
        if (up)
            boolbox(RULES_X, RULES_Y + RULES_DY * k, *VAR[k]);
        else if (inboolbtn(RULES_X, RULES_Y + RULES_DY * k, VAR[k]))
            changed = k;
    }
    if (changed < 0)
        return 0;
    for (int k = 0; k < 3; k++)
        *VAR[k] = k == changed;
    for (int k = 0; k < 3; k++)
        if (*VAR[k] != before[k])
            boolbox(RULES_X, RULES_Y + RULES_DY * k, *VAR[k]);
    return 1;
}

void widgets(int up)
{
    rules(up);
    in3charbtn(INK, ID_X, DEP_Y, fpl.dep_apt, up);
    in3charbtn(INK, ID_X, ARR_Y, fpl.arr_apt, up);
    instdbtn_range(INK, ALT_X, ALT_Y, &fpl.cruise_alt, 5, 0, up, 0, 0.0f, MAX_CRUISE_FT);
}

}   // namespace

void plnplot()
{
    MACIBM_fillrect(BACK, 0, 0, W, H, 1);
    MACIBM_drstring(TITLE, 20, 30, "FLIGHT PLAN", 1);
    frame_box(30, 60, 220, 110);
    MACIBM_drstring(LABEL, 40, 75, "Flight rules", 1);
    const char *RULE[3] = {"IFR  instrument", "VFR  visual", "DVFR defense visual"};
    for (int k = 0; k < 3; k++)
        MACIBM_drstring(LABEL, RULES_X + 20, RULES_Y + RULES_DY * k + 8, RULE[k], 1);
    frame_box(280, 60, 270, 270);
    MACIBM_drstring(LABEL, 290, 75, "Departure airport identifier", 1);
    MACIBM_drstring(LABEL, 290, 155, "Arrival airport identifier", 1);
    MACIBM_drstring(LABEL, 290, 235, "Cruise altitude, feet", 1);
    // Dark fields behind the values, as on a radio's readout.
    MACIBM_fillrect(FIELD, ID_X - 6, DEP_Y - 2, 3 * FIELD_COL_W + 10, FIELD_H - 8, 1);
    MACIBM_fillrect(FIELD, ID_X - 6, ARR_Y - 2, 3 * FIELD_COL_W + 10, FIELD_H - 8, 1);
    MACIBM_fillrect(FIELD, ALT_X - 6, ALT_Y - 2, 5 * FIELD_COL_W + 10, FIELD_H - 4, 1);
    MACIBM_drstring(LABEL, 30, 360, "Click the top of a character or digit to step it up, the bottom to step it down.", 1);
    MACIBM_drstring(LABEL, 30, 375, "Close the window to file; pick up the plan from the air traffic control menu.", 1);
    widgets(1);
}

void plnclick(int) { widgets(0); }

void plan_window_closed()
{
    if (!fpl.activated)
        return;
    char s[MAX_STR];
    C_to_C(pln.tailnum, s);
    app_string(s, " flight plan ammended as requested.");
    speakstring(s);
}
