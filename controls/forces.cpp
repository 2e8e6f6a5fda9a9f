// Force feedback: the dispatcher every user of the stick's forces calls.
// The effects themselves arrive with the controls.
#include "controls/controls.h"

// TODO(lead): built by the controls step (SDL haptic effects per kind).
void forcecall(int kind, float a, float b, float c)
{
    (void)kind;
    (void)a;
    (void)b;
    (void)c;
}
