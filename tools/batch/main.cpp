// vortan-batch <scenario file>: flies the scenario headless and writes its
// CSV to standard output; messages go to standard error.
#include <cstdio>
#include <cstdlib>

#include "tools/batch/batch.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: vortan-batch <scenario file>\n");
        return 2;
    }
    // No window and no sound: the layer is never started.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    static BatchScript script;
    if (!batch_read_script(argv[1], &script, stderr))
        return 1;
    batch_init();
    return batch_execute(&script, argv[1], stdout, stderr);
}
