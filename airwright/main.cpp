// The airwright process entry.
#include "airwright/airwright.h"

int main()
{
    program_kind = PROG_AIRWRIGHT;
    return airwright::airwright_main();
}
