// The foilwright process entry.
#include "common/common.h"

int main()
{
    program_kind = PROG_FOILWRIGHT;
    fill_constants();
    return 0;
}
