// vortan-batch <scenario file>: flies the scenario headless and writes its
// CSV to standard output; vortan-batch --performance <aircraft> flies the
// aircraft's performance table. Messages go to standard error.
#include <cstdio>
#include <cstdlib>

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
    static BatchScript script;
    if (!batch_read_script(argv[1], &script, stderr))
        return 1;
    batch_init();
    return batch_execute(&script, argv[1], stdout, stderr);
}
