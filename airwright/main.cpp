// The airwright process entry.
#include "common/common.h"

int main()
{
    program_kind = PROG_AIRWRIGHT;
    fill_constants();
    return 0;
}
