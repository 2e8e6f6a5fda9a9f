// The simulator's process entry.
#include "shell/shell.h"

int main()
{
    program_kind = PROG_VORTAN;
    zero_records();
    fill_constants();
    set_record_defaults();
    return 0;
}
