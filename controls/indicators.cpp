// The flight-mode window's indicators of the control settings: four level
// blocks each for the stick sensitivity and the damping, redrawn when the
// setting changes (and by the window's own painter).
#include "controls/local.h"

constexpr int FLIGHT_MODE_WINDOW = 8;   // "Set Flight Mode"
constexpr int N_LEVELS = 4;
constexpr int LEVEL_X = 21;
constexpr int LEVEL_STEP_Y = 14;        // the blocks stack upward, 14 px apart
constexpr int JOY_BASE_Y = 198, DAMP_BASE_Y = 100;

// Draws into the flight-mode window when it is open, then gives the
// current drawing window back; a closed window draws its own on opening.
static void draw_levels(int base_y, int (*lit)(int c))
{
    if (!mnw.up[FLIGHT_MODE_WINDOW])
        return;
    Port saved_port = cur_port;
    int saved_window = cur_window;
    MACIBM_startwind(FLIGHT_MODE_WINDOW, 0);
    for (int c = 1; c <= N_LEVELS; c++)
        level_block(LEVEL_X, base_y - LEVEL_STEP_Y * c, lit(c));
    cur_port = saved_port;
    cur_window = saved_window;
}

// Sensitivity 0.5625 .. 0.9375 in four even steps: each exceeded lights one.
static int joy_lit(int c) { return interp(1.0f, 0.5625f, 4.0f, 0.9375f, (float)c) < set.joy_rat; }
// Damping: the first block stays lit below 0.875, the last below 0.125.
static int damp_lit(int c) { return set.damp < interp(1.0f, 0.875f, 4.0f, 0.125f, (float)c); }

void up_joy() { draw_levels(JOY_BASE_Y, joy_lit); }
void up_damp() { draw_levels(DAMP_BASE_Y, damp_lit); }
