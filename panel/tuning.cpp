// The radio stack's tuning: the digit steps the panel clicks and the keys
// make, each wrapping within its range and retuning its radio, and setnav,
// which latches what the radio now receives.
#include "panel/local.h"

constexpr int NAV_MHZ_LO = 108, NAV_MHZ_HI = 117;
constexpr int COM_MHZ_LO = 118, COM_MHZ_HI = 134;
constexpr int HUNDREDTHS_STEP = 5, HUNDREDTHS_HI = 95;
constexpr int ADF_DIGIT_HI = 9, XPDR_DIGIT_HI = 7;
constexpr float VOLUME_STEP = 0.1f;

void setnav(int w, int uplock, int plot_numbers)
{
    tune_radio(w, uplock);
    if (!plot_numbers)
        return;
    if (w == RADIO_GPS)
        ins.tickle_gps = 1;
    panel_draw_now(update_radio_faces);
}

// `value` held within lo..hi (a preferences file may say anything), then
// moved by `step` and wrapped round to the other end past either end.
static int wrap_step(int value, int lo, int hi, int step)
{
    int n = hi - lo + 1;
    int v = intlim(value, lo, hi) - lo + step;
    return lo + ((v % n) + n) % n;
}

void NAVinc(int *field, int which, int step)
{
    *field = wrap_step(*field, NAV_MHZ_LO, NAV_MHZ_HI, step);
    setnav(which, 0, 1);
}

void COMinc(int *field, int which, int step)
{
    *field = wrap_step(*field, COM_MHZ_LO, COM_MHZ_HI, step);
    setnav(which, 0, 1);
}

// Hundredths move in steps of 5 (a smaller step still moves one): a value
// off the 0.05 grid comes onto it first.
void HUNinc(int *field, int which, int step)
{
    int slots = HUNDREDTHS_HI / HUNDREDTHS_STEP;
    int move = step / HUNDREDTHS_STEP;
    if (move == 0 && step != 0)
        move = step > 0 ? 1 : -1;
    int slot = wrap_step(intlim(*field, 0, HUNDREDTHS_HI) / HUNDREDTHS_STEP, 0, slots, move);
    *field = slot * HUNDREDTHS_STEP;
    setnav(which, 0, 1);
}

void ADFinc(int *field, int which, int step)
{
    *field = wrap_step(*field, 0, ADF_DIGIT_HI, step);
    setnav(which, 0, 1);
}

void XPNinc(int *field, int which, int step)
{
    *field = wrap_step(*field, 0, XPDR_DIGIT_HI, step);
    setnav(which, 0, 1);
}

void VOLinc(int which, int step)
{
    int r = intlim(which, 0, 1);
    nav.vol[r] = fltlim(nav.vol[r] + VOLUME_STEP * (float)step, 0.0f, 1.0f);
    setnav(r, 0, 1);
}
