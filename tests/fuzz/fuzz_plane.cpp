// libFuzzer entry for the whole aircraft load the simulator runs: the input
// is the aircraft file, read, derived and checked as "Open Aircraft" does
// (airfoils and flaps from the program folder, VORTAN_PROGRAM_DIR), then
// flown for two simulated seconds from a start in the air. The load must
// take the file or end through the fatal exit (the hook turns that into a
// caught exception); the flight must not crash.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/testsupport.h"
#include "tests/fuzz/fuzz_support.h"
#include "tools/batch/batch.h"

namespace {

std::string file;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    file = headless_input_file("plane", ".acf");
    test_set_fatal_hook(throw_fatal);
    batch_init();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    if (!write_input(file, data, size))
        return 0;
    char why[MAX_STR];
    try {
        if (!batch_load_aircraft(file.c_str(), why))
            return 0;
        batch_start_air(33.9f, -118.4f, 3000.0f, 100.0f, 270.0f, why);
        batch_set(BC_THROTTLE, 1.0f);
        batch_set(BC_ELEVATOR, 0.3f);
        for (int k = 0; k < 40; k++)
            batch_frame();
    } catch (const FatalSeen &) {
    }
    inf_close();
    return 0;
}
