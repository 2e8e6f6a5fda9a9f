// vortan-batch <scenario file>: flies the scenario headless and writes its
// CSV to standard output; vortan-batch --performance <aircraft> flies the
// aircraft's performance table. Messages go to standard error.
#include <cstdio>
#include <cstdlib>

#include "common/stages.h"
#include "tools/batch/batch.h"

int main(int argc, char **argv)
{
    // No window and no sound: the layer is never started.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (argc >= 2 && argv[1][0] == '-' && argv[1][1] == '-')
        return batch_performance_main(argc, argv, stdout, stderr);
    if (argc != 2) {
        fprintf(stderr, "usage: vortan-batch <scenario file>\n"
                        "       vortan-batch --performance <aircraft> [--csv] [--weight <lb>] [--cruise-alt <ft>] "
                        "[--coarse]\n");
        return 1;
    }
    // VORTAN_TIMING: the wall time of the start and of each command on
    // standard error, for the measurements in docs/PERFORMANCE.md.
    double t0 = wall_us();
    static BatchScript script;
    if (!batch_read_script(argv[1], &script, stderr))
        return 1;
    batch_init();
    int timing = getenv("VORTAN_TIMING") != nullptr;
    if (timing)
        fprintf(stderr, "batch: %-44s %7.1f ms\n", "scenario read, records, country file", (wall_us() - t0) / 1000.0);
    batch_set_timing(timing ? stderr : nullptr);
    return batch_execute(&script, argv[1], stdout, stderr);
}
