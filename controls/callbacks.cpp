// The controls' calls upward and their do-nothing stand-ins.
#include "controls/controls.h"

static void no_handle(int, int) {}
static void no_call() {}

ControlsCallbacks controls_calls = {no_handle, no_call};

void set_controls_callbacks(const ControlsCallbacks *callbacks)
{
    ControlsCallbacks c = callbacks ? *callbacks : ControlsCallbacks{};
    controls_calls.handle = c.handle ? c.handle : no_handle;
    controls_calls.plotbrakes = c.plotbrakes ? c.plotbrakes : no_call;
}
