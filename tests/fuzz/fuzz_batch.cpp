// libFuzzer entry for the batch runner's scenario reader: the input is the
// scenario file. What the reader takes is then run, with waits and ramps cut
// to two simulated seconds, all runs together to four and the scenario ended
// at its third aircraft load, start or trim, so that one input stays short;
// a command that fails must say why, never crash or hang.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/testsupport.h"
#include "tests/fuzz/fuzz_support.h"
#include "tools/batch/batch.h"

namespace {

std::string file;
FILE *sink;
BatchScript script;

int costly(const BatchCommand &c)
{
    return c.verb == BV_AIRCRAFT || c.verb == BV_START_RUNWAY || c.verb == BV_START_FINAL ||
           c.verb == BV_START_AIR || c.verb == BV_START_CATAPULT || c.verb == BV_TRIM;
}

void cut_times()
{
    float left_s = 4.0f;
    int costly_left = 2;
    for (int k = 0; k < script.n; k++) {
        BatchCommand &c = script.cmd[k];
        if (costly(c) && costly_left-- == 0) {
            script.n = k;
            break;
        }
        c.at_s = std::min(c.at_s, 2.0f);
        if (c.verb == BV_RUN) {
            c.v[0] = std::min(c.v[0], left_s);
            left_s -= std::max(c.v[0], 0.0f);
        }
        if (c.verb == BV_RAMP)
            c.v[1] = std::min(c.v[1], 2.0f);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The program folder (Aircraft/, DATA/) comes from VORTAN_PROGRAM_DIR.
    file = headless_input_file("batch", ".txt");
    sink = fopen("/dev/null", "w");
    test_set_fatal_hook(throw_fatal);
    batch_init();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    if (!write_input(file, data, size))
        return 0;
    if (!batch_read_script(file.c_str(), &script, sink))
        return 0;
    cut_times();
    try {
        batch_execute(&script, file.c_str(), sink, sink);
    } catch (const FatalSeen &) {
    }
    return 0;
}
