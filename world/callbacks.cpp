// The scenery's call upward and its do-nothing stand-in.
#include "world/world.h"

static void no_setnav(int, int, int) {}

WorldCallbacks world_calls = {no_setnav};

void set_world_callbacks(const WorldCallbacks *callbacks)
{
    world_calls.setnav = callbacks && callbacks->setnav ? callbacks->setnav : no_setnav;
}
