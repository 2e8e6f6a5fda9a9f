// The simulator's process entry.
#include "shell/local.h"

int main()
{
    program_kind = PROG_VORTAN;
    return vortan_main();
}
